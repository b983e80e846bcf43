#pragma once

#include "core/Dialogs.h"

#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace velk::test {

// Records every message and answers questions from a queue, so a test can say what the user
// answers and check exactly what was shown. A question without a queued answer fails the test
// rather than guessing: by throwing, unless unexpectedHandler() is set.
class ScriptedDialogs : public Dialogs {
public:
    // Called instead of throwing for a question, input or file choice nobody answered; the call
    // then answers Cancel. The window tests set it (QtTestFailures.cpp) to fail through QtTest,
    // since an exception must not unwind through Qt's event loops.
    static std::function<void(const std::string&)>& unexpectedHandler() {
        static std::function<void(const std::string&)> handler;
        return handler;
    }

    struct Message {
        std::string text;
        MessageKind kind;
        std::uint16_t buttons;
    };

    std::vector<Message> messages;
    std::deque<int> answers;                      // results for messageBox questions
    std::deque<std::optional<std::string>> files; // answers for open/save file choices
    std::deque<std::optional<std::string>> inputs;
    std::vector<FileChoice> fileChoices;
    std::vector<int> helpRequests;
    int helpSearches = 0;
    int beeps = 0;

    void answer(int result) { answers.push_back(result); }
    void answerYes() { answer(Result::Yes); }
    void answerNo() { answer(Result::No); }

    int messageBox(const std::string& text, MessageKind kind, std::uint16_t buttons, int = 0) override {
        messages.push_back({text, kind, buttons});
        // A dialog with only OK needs no answer.
        if ((buttons & ~Button::OK) == 0)
            return Result::OK;
        if (answers.empty()) {
            unexpected("unexpected question: " + text);
            return Result::Cancel;
        }
        const int r = answers.front();
        answers.pop_front();
        return r;
    }
    bool inputText(const std::string&, const std::string& prompt, std::string& value, int) override {
        if (inputs.empty()) {
            unexpected("unexpected input request: " + prompt);
            return false;
        }
        auto a = inputs.front();
        inputs.pop_front();
        if (!a)
            return false;
        value = *a;
        return true;
    }
    std::optional<std::string> openFileName(const FileChoice& c) override { return nextFile(c); }
    std::optional<std::string> saveFileName(const FileChoice& c) override { return nextFile(c); }
    std::optional<FontChoice> chooseFont(const FontChoice&) override { return std::nullopt; }
    void beep() override { ++beeps; }
    void showHelp(int context) override { helpRequests.push_back(context); }
    void showHelpSearch() override { ++helpSearches; }

    std::vector<std::string> texts() const {
        std::vector<std::string> out;
        for (const auto& m : messages)
            out.push_back(m.text);
        return out;
    }

private:
    static void unexpected(const std::string& what) {
        if (!unexpectedHandler())
            throw std::logic_error(what);
        unexpectedHandler()(what);
    }
    std::optional<std::string> nextFile(const FileChoice& c) {
        fileChoices.push_back(c);
        if (files.empty()) {
            unexpected("unexpected file choice: " + c.title);
            return std::nullopt;
        }
        auto f = files.front();
        files.pop_front();
        return f;
    }
};

} // namespace velk::test
