#pragma once

#include <QBoxLayout>
#include <QComboBox>
#include <QDialog>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <functional>
#include <string>
#include <vector>

// An editable combo box of the selection dialogs: typed text is never added to the list, and
// Enter does not reach the dialog's default button.
QComboBox* MakeSelectBox(QWidget* parent, const QString& objectName);

// The button row of the selection dialogs: OK (named "OkBtn", captioned `okText`) and "&Schrap"
// ("SchrapBtn", never the default), right-aligned, closing the dialog with accept and reject.
struct OkCancelButtons {
    QPushButton* ok;
    QPushButton* cancel;
};
OkCancelButtons AddOkCancelRow(QDialog* dialog, QBoxLayout* layout, const QString& okText);

// Shows the items, the text and the hint of a box without firing its signals.
void ShowSelectBox(QComboBox* box, const std::vector<std::string>& items, const std::string& text,
                   const std::string& hint);
void ShowSelectText(QComboBox* box, const std::string& text);
std::string SelectText(const QComboBox* box);

// Turns Enter, Escape and a double click in a box into calls, so the dialogs can run the box's
// check instead of the dialog's default button.
class SelectBoxKeys : public QObject {
public:
    SelectBoxKeys(QComboBox* box, std::function<void()> onEnter, std::function<void()> onEscape,
                  bool doubleClickIsEnter = true);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> onEnter_;
    std::function<void()> onEscape_;
    bool doubleClickIsEnter_;
};
