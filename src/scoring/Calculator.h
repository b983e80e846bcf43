#pragma once

#include "core/Dialogs.h"

#include <string>

namespace velk {

// The four-function calculator of the Help menu (TFormCalculator) without its buttons. Keys are
// the button texts' characters: '0' ... '9', '.', '+', '-', 'x', '/', '=', 'C' (clear) and
// 'N' (+/-). Errors are shown through the message dialog and clear the calculator.
class Calculator {
public:
    // Digits the display holds.
    static constexpr int kDisplayDigits = 15;

    explicit Calculator(Dialogs& dialogs) : dialogs_(dialogs) {}

    // False for a key the calculator does not know.
    bool press(char key);
    const std::string& display() const { return display_; }
    void clear();

private:
    void digit(char c);
    void operation(char op);
    // Applies the pending operation to the accumulator and the display's number.
    bool apply();
    void show(double value);
    void fail(const char* message);

    Dialogs& dialogs_;
    std::string display_ = "0";
    double accumulator_ = 0;
    char pending_ = 0;
    // The display holds a number being typed (the next operator takes it).
    bool typing_ = false;
};

} // namespace velk
