#pragma once

#include <QObject>
#include <functional>

class QComboBox;

// The keys of the count dialogs' boxes: Tab confirms the field (`confirm` returns whether it may
// be left) and moves on to the next field, Enter is refused with a hint to use Tab, Escape
// cancels.
class CountBoxKeys : public QObject {
public:
    CountBoxKeys(QComboBox* box, std::function<bool()> confirm, std::function<void()> refuseEnter,
                 std::function<void()> cancel);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<bool()> confirm_;
    std::function<void()> refuseEnter_;
    std::function<void()> cancel_;
};
