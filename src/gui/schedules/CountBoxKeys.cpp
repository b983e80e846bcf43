#include "gui/schedules/CountBoxKeys.h"

#include "gui/club/FormKeys.h"

#include <QComboBox>
#include <QLineEdit>

CountBoxKeys::CountBoxKeys(QComboBox* box, std::function<bool()> confirm, std::function<void()> refuseEnter,
                           std::function<void()> cancel)
    : QObject(box), confirm_(std::move(confirm)), refuseEnter_(std::move(refuseEnter)),
      cancel_(std::move(cancel)) {
    box->installEventFilter(this);
    if (box->lineEdit())
        box->lineEdit()->installEventFilter(this);
}

bool CountBoxKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Tab && key->modifiers() == Qt::NoModifier) {
        // A confirmed field lets the Tab through: the focus chain knows the box's own line edit
        // and goes past it to the next field.
        return !confirm_();
    }
    if (IsEnterKey(event)) {
        refuseEnter_();
        return true;
    }
    if (IsEscapeKey(event)) {
        cancel_();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
