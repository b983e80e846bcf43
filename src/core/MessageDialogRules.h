#pragma once

#include "core/Dialogs.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velk {

// The title of the message dialog of kind Plain, and of the program.
inline constexpr std::string_view kApplicationTitle = "Velk";

// One button of the message dialog: its bit, its name (also the widget's object name), its
// caption with the "&" of its accelerator, and the result it gives.
struct MessageButton {
    std::uint16_t bit;
    std::string_view name;
    std::string_view caption;
    int result;
};

// The thirteen buttons in bit order, which is also their order from left to right.
extern const std::array<MessageButton, 13> kMessageButtons;

// The buttons of a bit set, in bit order.
std::vector<MessageButton> ButtonsOf(std::uint16_t buttons);

// The button that Enter presses: OK, else Ja, else Af, else Opnieuw; 0 when none of them is there.
std::uint16_t DefaultButton(std::uint16_t buttons);

// The button that Escape presses: Schrap, else Nee, else OK; 0 when none of them is there.
std::uint16_t EscapeButton(std::uint16_t buttons);

// The result when the dialog is closed without a button: that of the Escape button, or Cancel.
int CloseResult(std::uint16_t buttons);

// The result of a button bit; the Help button gives 0 and does not close the dialog.
int ButtonResult(std::uint16_t bit);

// "Waarschuwing", "Fout", "Informatie", "Bevestig", or the program title for the plain kind.
std::string_view MessageTitle(MessageKind kind);

// The message with its line breaks as "\n": "\r", "\n", "\r\n" and "\n\r" each break once.
std::string MessageLines(std::string_view text);

} // namespace velk
