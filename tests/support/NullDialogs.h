#pragma once

#include "core/Dialogs.h"

namespace velk::test {

// Shows nothing and answers every question with "Nee": for the fuzz targets, which must not wait
// for anyone.
class NullDialogs : public Dialogs {
public:
    int messageBox(const std::string&, MessageKind, std::uint16_t buttons, int = 0) override {
        return (buttons & Button::Nee) ? Result::No : Result::OK;
    }
    bool inputText(const std::string&, const std::string&, std::string&, int) override { return false; }
    std::optional<std::string> openFileName(const FileChoice&) override { return std::nullopt; }
    std::optional<std::string> saveFileName(const FileChoice&) override { return std::nullopt; }
    std::optional<FontChoice> chooseFont(const FontChoice&) override { return std::nullopt; }
    void beep() override {}
    void showHelp(int) override {}
};

} // namespace velk::test
