#include "scoring/Calculator.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace velk {

namespace {

int DigitCount(const std::string& text) {
    int n = 0;
    for (const char c : text)
        n += c >= '0' && c <= '9';
    return n;
}

} // namespace

void Calculator::clear() {
    display_ = "0";
    accumulator_ = 0;
    pending_ = 0;
    typing_ = false;
}

void Calculator::fail(const char* message) {
    clear();
    dialogs_.error(message);
}

bool Calculator::press(char key) {
    if (key >= '0' && key <= '9') {
        digit(key);
    } else if (key == '.' || key == ',') {
        digit('.');
    } else if (key == '+' || key == '-' || key == 'x' || key == '*' || key == '/') {
        operation(key == '*' ? 'x' : key);
    } else if (key == '=') {
        if (apply())
            pending_ = 0;
        typing_ = false;
    } else if (key == 'C' || key == 'c') {
        clear();
    } else if (key == 'N') {
        if (display_ != "0")
            display_ = display_[0] == '-' ? display_.substr(1) : "-" + display_;
    } else {
        return false;
    }
    return true;
}

void Calculator::digit(char c) {
    if (!typing_) {
        display_ = "0";
        typing_ = true;
    }
    if (c == '.') {
        if (display_.find('.') == std::string::npos)
            display_ += '.';
        return;
    }
    if (DigitCount(display_) >= kDisplayDigits) {
        fail("Number too Large");
        return;
    }
    if (display_ == "0")
        display_ = c;
    else if (display_ == "-0")
        display_ = std::string("-") + c;
    else
        display_ += c;
}

void Calculator::operation(char op) {
    // A second operator in a row only replaces the first.
    if (typing_ || pending_ == 0) {
        if (!apply())
            return;
    }
    pending_ = op;
    typing_ = false;
}

bool Calculator::apply() {
    const double value = std::strtod(display_.c_str(), nullptr);
    double result = value;
    switch (pending_) {
    case '+':
        result = accumulator_ + value;
        break;
    case '-':
        result = accumulator_ - value;
        break;
    case 'x':
        result = accumulator_ * value;
        break;
    case '/':
        if (value == 0) {
            fail("Division by Zero Error!");
            return false;
        }
        result = accumulator_ / value;
        break;
    default:
        break;
    }
    if (std::isnan(result)) {
        fail("Unexplained Math Error!");
        return false;
    }
    if (std::isinf(result) || std::fabs(result) >= 1e15) {
        fail("Overflow Error in the resulting number");
        return false;
    }
    accumulator_ = result;
    show(result);
    return true;
}

void Calculator::show(double value) {
    // Fixed notation with the decimals the display has room for, without trailing zeros.
    char text[64];
    const int whole =
        value == 0 ? 1 : std::max(1, static_cast<int>(std::floor(std::log10(std::fabs(value)))) + 1);
    const int decimals = std::max(0, kDisplayDigits - whole);
    std::snprintf(text, sizeof text, "%.*f", decimals, value);
    std::string shown = text;
    if (shown.find('.') != std::string::npos) {
        while (shown.back() == '0')
            shown.pop_back();
        if (shown.back() == '.')
            shown.pop_back();
    }
    display_ = shown == "-0" ? "0" : shown;
}

} // namespace velk
