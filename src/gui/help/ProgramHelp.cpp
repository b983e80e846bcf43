#include "gui/help/ProgramHelp.h"

#include "core/HelpContext.h"
#include "gui/QtDialogs.h"

#include <QApplication>

ProgramHelp::ProgramHelp(QtDialogs& dialogs, QWidget& mainWindow, const QString& folder)
    : dialogs_(dialogs), window_(folder), keys_(dialogs) {
    dialogs_.setHelpHandler([this](int context) { window_.showContext(context); });
    dialogs_.setHelpSearchHandler([this] { window_.showSearch(); });
    qApp->installEventFilter(&keys_);
    SetHelpContext(&mainWindow, velk::HelpContext::UsingVelk);
}

ProgramHelp::~ProgramHelp() {
    qApp->removeEventFilter(&keys_);
    dialogs_.setHelpHandler({});
    dialogs_.setHelpSearchHandler({});
}
