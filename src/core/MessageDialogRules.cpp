#include "core/MessageDialogRules.h"

namespace velk {

const std::array<MessageButton, 13> kMessageButtons = {{
    {Button::Bij, "Bij", "&Bij", Result::Yes},
    {Button::Af, "Af", "&Af", Result::No},
    {Button::Ja, "Ja", "&Ja", Result::Yes},
    {Button::Nee, "Nee", "&Nee", Result::No},
    {Button::OK, "OK", "OK", Result::OK},
    {Button::Schrap, "Schrap", "Schrap", Result::Cancel},
    {Button::Breek, "Breek", "&Afbreken", Result::Abort},
    {Button::Opnieuw, "Opnieuw", "&Opnieuw", Result::Retry},
    {Button::Negeren, "Negeren", "&Negeer", Result::Ignore},
    {Button::Alles, "Alles", "&Alle", Result::All},
    {Button::AllesNee, "Alles Nee", "N&ee voor Alle", Result::NoToAll},
    {Button::AllesJa, "Alles Ja", "J&a voor Alle", Result::YesToAll},
    {Button::Help, "Help", "&Help", Result::None},
}};

namespace {
std::uint16_t FirstPresent(std::uint16_t buttons, std::initializer_list<std::uint16_t> order) {
    for (std::uint16_t bit : order)
        if (buttons & bit)
            return bit;
    return 0;
}
} // namespace

std::vector<MessageButton> ButtonsOf(std::uint16_t buttons) {
    std::vector<MessageButton> out;
    for (const auto& b : kMessageButtons)
        if (buttons & b.bit)
            out.push_back(b);
    return out;
}

std::uint16_t DefaultButton(std::uint16_t buttons) {
    if ((buttons & Button::DefaultNee) && (buttons & Button::Nee))
        return Button::Nee;
    return FirstPresent(buttons, {Button::OK, Button::Ja, Button::Af, Button::Opnieuw});
}

std::uint16_t EscapeButton(std::uint16_t buttons) {
    return FirstPresent(buttons, {Button::Schrap, Button::Nee, Button::OK});
}

int ButtonResult(std::uint16_t bit) {
    for (const auto& b : kMessageButtons)
        if (b.bit == bit)
            return b.result;
    return Result::None;
}

int CloseResult(std::uint16_t buttons) {
    const std::uint16_t escape = EscapeButton(buttons);
    return escape ? ButtonResult(escape) : Result::Cancel;
}

std::string_view MessageTitle(MessageKind kind) {
    switch (kind) {
    case MessageKind::Warning:
        return "Waarschuwing";
    case MessageKind::Error:
        return "Fout";
    case MessageKind::Information:
        return "Informatie";
    case MessageKind::Confirmation:
        return "Bevestig";
    case MessageKind::Plain:
        break;
    }
    return kApplicationTitle;
}

std::string MessageLines(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c != '\r' && c != '\n') {
            out += c;
            continue;
        }
        out += '\n';
        // A pair of different break characters is one break.
        if (i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n') && text[i + 1] != c)
            ++i;
    }
    return out;
}

} // namespace velk
