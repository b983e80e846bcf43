#pragma once

#include "support/Failing.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QWidget>
#include <QtTest>
#include <source_location>

// Finding widgets and acting on them from a GUI test the way a user does: clicks, keys, menu items.
namespace velk::test {

// The child `name` of `parent`; a missing one ends the run, since every caller goes on to use it.
template <typename T> T* Child(QWidget* parent, const char* name) {
    T* child = parent->findChild<T*>(QString::fromLatin1(name));
    if (!child)
        qFatal("no child %s in %s", name, qPrintable(parent->objectName()));
    return child;
}

// A left click on `widget`, where a user aims: radio buttons and check boxes only take clicks on
// their indicator and text, so those are clicked near their left edge, anything else in its
// middle. A hidden widget cannot be clicked: the test fails and nothing happens. A disabled one
// takes the click and ignores it, as on screen.
inline void Click(QWidget* widget, std::source_location where = std::source_location::current()) {
    if (!widget->isVisible()) {
        Fail(QStringLiteral("cannot click %1: it is hidden").arg(widget->objectName()), where);
        return;
    }
    const bool narrowHitArea = qobject_cast<QRadioButton*>(widget) || qobject_cast<QCheckBox*>(widget);
    const QPoint at = narrowHitArea ? QPoint(4, widget->height() / 2) : widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
}

inline void Click(QWidget* parent, const char* name,
                  std::source_location where = std::source_location::current()) {
    Click(Child<QWidget>(parent, name), where);
}

// Puts the focus in a line edit or an editable box, replaces its text by typing `text` and
// presses Enter.
inline void TypeAndEnter(QWidget* field, const QString& text,
                         std::source_location where = std::source_location::current()) {
    QLineEdit* edit = qobject_cast<QLineEdit*>(field);
    if (auto* box = qobject_cast<QComboBox*>(field))
        edit = box->lineEdit();
    if (!edit) {
        Fail(QStringLiteral("cannot type into %1: no text field").arg(field->objectName()), where);
        return;
    }
    field->setFocus();
    edit->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
}

inline void TypeAndEnter(QWidget* parent, const char* name, const QString& text,
                         std::source_location where = std::source_location::current()) {
    TypeAndEnter(Child<QWidget>(parent, name), text, where);
}

// A key pressed in `window`: it goes to the window's focus widget, or to the window itself.
inline void Press(QWidget* window, Qt::Key key) {
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, key);
}

// Shows `window` and waits until it is the active window, so that focus and keys go to it.
inline void ShowActive(QWidget* window) {
    window->show();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

inline QString FocusName() {
    QWidget* w = QApplication::focusWidget();
    return w ? w->objectName() : QString();
}

// Whether the focus widget `focus` is the control `name`: the control itself, or the line edit
// of an editable box of that name.
inline bool FocusIsOn(const QWidget* focus, const QString& name) {
    if (!focus)
        return false;
    if (focus->objectName() == name)
        return true;
    const auto* box = qobject_cast<const QComboBox*>(focus->parentWidget());
    return box && box->lineEdit() == focus && box->objectName() == name;
}

// Presses Tab in the focus widget until the focus is on the control `name`, as a user walks a
// window; false, and the test failed, when `limit` presses do not get there.
inline bool TabTo(const char* name, int limit = 30,
                  std::source_location where = std::source_location::current()) {
    const QString wanted = QString::fromLatin1(name);
    for (int i = 0; i <= limit; ++i) {
        QWidget* focus = QApplication::focusWidget();
        if (!focus) {
            Fail(QStringLiteral("the focus is on nothing on the way to %1").arg(wanted), where);
            return false;
        }
        if (FocusIsOn(focus, wanted))
            return true;
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    Fail(QStringLiteral("Tab does not reach %1; the focus is on %2").arg(wanted, FocusName()), where);
    return false;
}

// Types `text` into whichever control has the focus, as a user does.
inline void TypeHere(const QString& text) {
    if (QWidget* focus = QApplication::focusWidget())
        QTest::keyClicks(focus, text);
}

// A key pressed in whichever control has the focus.
inline void KeyHere(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    if (QWidget* focus = QApplication::focusWidget())
        QTest::keyClick(focus, key, modifiers);
}

// The menu among `actions` (a menu bar's, a menu's) captioned `title`; null when there is none.
inline QMenu* MenuTitled(const QList<QAction*>& actions, const QString& title) {
    for (QAction* a : actions)
        if (a->menu() && a->text() == title)
            return a->menu();
    return nullptr;
}

// The menu item or tool button `name` of `window`, found by its object name; null, and the test
// failed, when there is none.
inline QAction* Action(QWidget* window, const char* name,
                       std::source_location where = std::source_location::current()) {
    QAction* action = window->findChild<QAction*>(QString::fromLatin1(name));
    if (!action)
        Fail(QStringLiteral("no action %1").arg(QLatin1String(name)), where);
    return action;
}

// Chooses the menu item `name` as a user does. One that is missing or disabled fails the test and
// is not triggered: a user could not choose it either.
inline void Trigger(QWidget* window, const char* name,
                    std::source_location where = std::source_location::current()) {
    QAction* action = Action(window, name, where);
    if (!action)
        return;
    if (!action->isEnabled()) {
        Fail(QStringLiteral("action %1 is disabled").arg(QLatin1String(name)), where);
        return;
    }
    action->trigger();
}

} // namespace velk::test
