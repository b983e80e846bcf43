#pragma once

#include "core/Dialogs.h"

namespace velk {

// For work that asks nothing and shows nothing, such as counting a session's tables again: any
// question is answered Nee and any choice cancelled.
class SilentDialogs : public Dialogs {
public:
    int messageBox(const std::string&, MessageKind, std::uint16_t, int) override { return Result::No; }
    bool inputText(const std::string&, const std::string&, std::string&, int) override { return false; }
    std::optional<std::string> openFileName(const FileChoice&) override { return std::nullopt; }
    std::optional<std::string> saveFileName(const FileChoice&) override { return std::nullopt; }
    std::optional<FontChoice> chooseFont(const FontChoice&) override { return std::nullopt; }
    void beep() override {}
    void showHelp(int) override {}
};

} // namespace velk
