#pragma once

#include <QObject>

class QWidget;

namespace velk {
class Dialogs;
}

// The help context of a window or a control, kept as a property; 0 when none is set.
void SetHelpContext(QWidget* widget, int context);
int HelpContextOf(const QWidget* widget);

// The context F1 opens in `widget`: the nearest context set on it or around it in its window;
// else the context of its window's Help button, found by pressing it; else the nearest context of
// the windows it was opened from; else 0 (the contents). Returns -1 when a Help button was
// pressed and took care of it.
int HelpContextForF1(QWidget* widget);

// F1 anywhere in the program: installed on the application, it opens the page of the current
// context through the Dialogs port.
class HelpKeys : public QObject {
public:
    explicit HelpKeys(velk::Dialogs& dialogs, QObject* parent = nullptr)
        : QObject(parent), dialogs_(dialogs) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    velk::Dialogs& dialogs_;
};
