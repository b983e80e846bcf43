#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace velk {

// The kinds of the message dialog; the number is the kind as the program passes it.
enum class MessageKind : int { Warning = 0, Error = 1, Information = 2, Confirmation = 3, Plain = 4 };

// Button bits of the message dialog.
namespace Button {
enum : std::uint16_t {
    Bij = 1u << 0,
    Af = 1u << 1,
    Ja = 1u << 2,
    Nee = 1u << 3,
    OK = 1u << 4,
    Schrap = 1u << 5,
    Breek = 1u << 6,
    Opnieuw = 1u << 7,
    Negeren = 1u << 8,
    Alles = 1u << 9,
    AllesNee = 1u << 10,
    AllesJa = 1u << 11,
    Help = 1u << 12,
    // Not a button: Nee is the default instead of Ja.
    DefaultNee = 1u << 13,
    JaNee = Ja | Nee,
};
}

// Results of the message dialog.
namespace Result {
enum : int {
    None = 0,
    OK = 1,
    Cancel = 2,
    Abort = 3,
    Retry = 4,
    Ignore = 5,
    Yes = 6,
    No = 7,
    All = 8,
    NoToAll = 9,
    YesToAll = 10,
};
}

// A request for an open or save file choice. The filter uses the "description|*.ext" form.
struct FileChoice {
    std::string title;
    std::string filter;
    std::string defaultExtension;
    std::string initialPath; // a folder or a file path to start from
};

struct FontChoice {
    std::string name;
    int size = 10;
};

// Every message, question, text input, file choice, beep and help request of the program's logic
// goes through this port: real dialogs in the windows, scripted answers in tests, flags on the
// command line.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    virtual int messageBox(const std::string& text, MessageKind kind, std::uint16_t buttons,
                           int helpContext = 0) = 0;
    // Returns true when the user accepted; value holds the initial text and receives the answer.
    virtual bool inputText(const std::string& caption, const std::string& prompt, std::string& value,
                           int width) = 0;
    virtual std::optional<std::string> openFileName(const FileChoice& choice) = 0;
    virtual std::optional<std::string> saveFileName(const FileChoice& choice) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice& current) = 0;
    virtual void beep() = 0;
    virtual void showHelp(int helpContext) = 0;
    // The help opened on its search field; where there is no search, its contents.
    virtual void showHelpSearch() { showHelp(0); }

    // The common forms.
    bool askYesNo(const std::string& text) {
        return messageBox(text, MessageKind::Confirmation, Button::JaNee) == Result::Yes;
    }
    // The same with Nee as the default answer, where Enter must not do the harm.
    bool askYesNoDefaultNo(const std::string& text) {
        return messageBox(text, MessageKind::Confirmation, Button::JaNee | Button::DefaultNee) == Result::Yes;
    }
    void error(const std::string& text) { messageBox(text, MessageKind::Error, Button::OK); }
    void warning(const std::string& text) { messageBox(text, MessageKind::Warning, Button::OK); }
    void information(const std::string& text) { messageBox(text, MessageKind::Information, Button::OK); }
};

} // namespace velk
