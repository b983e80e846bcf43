#pragma once

#include "gui/help/HelpKeys.h"
#include "gui/help/HelpWindow.h"

class QtDialogs;

// The help of the running program: the one help window, the help requests of the Dialogs port
// sent to it, F1 in every window, and the main window's own page.
class ProgramHelp {
public:
    ProgramHelp(QtDialogs& dialogs, QWidget& mainWindow, const QString& folder);
    ~ProgramHelp();
    ProgramHelp(const ProgramHelp&) = delete;
    ProgramHelp& operator=(const ProgramHelp&) = delete;

    HelpWindow& window() { return window_; }

private:
    QtDialogs& dialogs_;
    HelpWindow window_;
    HelpKeys keys_;
};
