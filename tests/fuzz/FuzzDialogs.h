#pragma once

#include "core/Dialogs.h"

// Answers every question with No and shows nothing, so a fuzz target runs without a person.
class FuzzDialogs : public velk::Dialogs {
public:
    int messageBox(const std::string&, velk::MessageKind, std::uint16_t, int) override {
        return velk::Result::No;
    }
    bool inputText(const std::string&, const std::string&, std::string&, int) override { return false; }
    std::optional<std::string> openFileName(const velk::FileChoice&) override { return std::nullopt; }
    std::optional<std::string> saveFileName(const velk::FileChoice&) override { return std::nullopt; }
    std::optional<velk::FontChoice> chooseFont(const velk::FontChoice&) override { return std::nullopt; }
    void beep() override {}
    void showHelp(int) override {}
};
