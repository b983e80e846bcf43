#pragma once

#include "core/Dialogs.h"

#include <iostream>

namespace velk::cli {

// Messages go to standard error; every question is answered by the command-line flag --yes or
// --no (default no), and nothing ever waits for a person.
class CliDialogs : public Dialogs {
public:
    explicit CliDialogs(bool answerYes = false) : answerYes_(answerYes) {}

    int messageBox(const std::string& text, MessageKind kind, std::uint16_t buttons, int = 0) override;
    // The value a command names (--drives) answers a text question; without one it is cancelled.
    bool inputText(const std::string&, const std::string&, std::string& value, int) override {
        if (!inputAnswer)
            return false;
        value = *inputAnswer;
        return true;
    }
    std::optional<std::string> inputAnswer;
    // With nobody to choose, an open choice takes the file it proposes when a command says so.
    std::optional<std::string> openFileName(const FileChoice& choice) override {
        if (!takeProposedFile)
            return std::nullopt;
        return choice.initialPath;
    }
    bool takeProposedFile = false;
    // The path a command names is the answer to every save choice.
    std::optional<std::string> saveFileName(const FileChoice&) override { return savePath; }
    std::optional<std::string> savePath;
    std::optional<FontChoice> chooseFont(const FontChoice&) override { return std::nullopt; }
    void beep() override {}
    void showHelp(int) override {}

    int errorCount() const { return errors_; }

private:
    bool answerYes_;
    int errors_ = 0;
};

} // namespace velk::cli
