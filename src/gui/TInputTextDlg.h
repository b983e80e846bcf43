#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;

// Asks for one line of text: the prompt, an edit of at most 255 characters that starts with the
// given value selected, "OK" and "Cancel".
class TInputTextDlg : public QDialog {
    Q_OBJECT

public:
    TInputTextDlg(const QString& caption, const QString& prompt, const QString& value, int width,
                  QWidget* parent = nullptr);

    QString text() const;
    QLineEdit* edit() const { return edit_; }

private:
    QLineEdit* edit_ = nullptr;
};
