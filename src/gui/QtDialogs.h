#pragma once

#include "core/Dialogs.h"

#include <QPointer>
#include <QString>
#include <QWidget>
#include <functional>

// The Dialogs port with real windows: the message dialog, the text input, the file and font
// choices. The save choice does not ask about an existing file itself: the callers ask their own
// Dutch question.
class QtDialogs : public velk::Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}

    // The window the dialogs belong to; the active window when none is set.
    void setParentWidget(QWidget* parent) { parent_ = parent; }
    // Where help requests go: the one help window of the program (see main), a recorder in tests.
    void setHelpHandler(std::function<void(int)> handler) { helpHandler_ = std::move(handler); }
    void setHelpSearchHandler(std::function<void()> handler) { helpSearchHandler_ = std::move(handler); }

    int messageBox(const std::string& text, velk::MessageKind kind, std::uint16_t buttons,
                   int helpContext = 0) override;
    bool inputText(const std::string& caption, const std::string& prompt, std::string& value,
                   int width) override;
    std::optional<std::string> openFileName(const velk::FileChoice& choice) override;
    std::optional<std::string> saveFileName(const velk::FileChoice& choice) override;
    std::optional<velk::FontChoice> chooseFont(const velk::FontChoice& current) override;
    void beep() override;
    void showHelp(int helpContext) override;
    void showHelpSearch() override;

    // "description|*.ext|..." as a Qt name filter; each pattern matches in lower and upper case.
    static QString QtFileFilter(const std::string& filter);

private:
    QWidget* parentWidget() const;
    std::optional<std::string> chooseFile(const velk::FileChoice& choice, bool save);

    QPointer<QWidget> parent_;
    std::function<void(int)> helpHandler_;
    std::function<void()> helpSearchHandler_;
};
