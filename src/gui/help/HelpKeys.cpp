#include "gui/help/HelpKeys.h"

#include "core/Dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace {
constexpr const char* kProperty = "helpContext";

// A window's own Help button ("&Help", "HelpBitBtn", "HelpBtn", ...), visible and enabled.
QAbstractButton* HelpButtonOf(QWidget* window) {
    for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
        if (button->window() == window && button->objectName().contains(QLatin1String("Help")) &&
            button->isVisible() && button->isEnabled())
            return button;
    }
    return nullptr;
}
} // namespace

void SetHelpContext(QWidget* widget, int context) {
    widget->setProperty(kProperty, context);
}

int HelpContextOf(const QWidget* widget) {
    return widget ? widget->property(kProperty).toInt() : 0;
}

int HelpContextForF1(QWidget* widget) {
    if (!widget)
        return 0;
    // The window's own help comes first: a context set inside it, then its Help button. The
    // windows it was opened from only speak for a window that has neither.
    for (QWidget* w = widget; w; w = w->isWindow() ? nullptr : w->parentWidget())
        if (const int context = HelpContextOf(w))
            return context;
    if (QAbstractButton* button = HelpButtonOf(widget->window())) {
        button->click();
        return -1;
    }
    for (QWidget* w = widget->window()->parentWidget(); w; w = w->parentWidget())
        if (const int context = HelpContextOf(w))
            return context;
    return 0;
}

bool HelpKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
        !watched->isWidgetType())
        return QObject::eventFilter(watched, event);
    QWidget* target =
        QApplication::focusWidget() ? QApplication::focusWidget() : static_cast<QWidget*>(watched);
    const int context = HelpContextForF1(target);
    if (context >= 0)
        dialogs_.showHelp(context);
    return true;
}
