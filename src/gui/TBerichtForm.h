#pragma once

#include "core/Dialogs.h"

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>

class QLabel;
class QPushButton;

// The message dialog: kind title and icon, the word-wrapped text, and the chosen buttons centred
// below. exec() returns the result of the button pressed; Help opens its topic and leaves the
// dialog open.
class TBerichtForm : public QDialog {
    Q_OBJECT

public:
    TBerichtForm(const QString& text, velk::MessageKind kind, std::uint16_t buttons, int helpContext = 0,
                 std::function<void(int)> helpRequest = {}, QWidget* parent = nullptr);

    QPushButton* button(std::uint16_t bit) const;
    QLabel* messageLabel() const { return message_; }

public slots:
    void reject() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void addButtons(QWidget* row);

    std::uint16_t buttons_;
    int helpContext_;
    std::function<void(int)> helpRequest_;
    QLabel* message_ = nullptr;
};
