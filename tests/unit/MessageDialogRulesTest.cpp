#include "core/MessageDialogRules.h"

#include <gtest/gtest.h>

using namespace velk;

TEST(MessageDialogRules, ButtonTableInBitOrder) {
    struct Expected {
        const char* name;
        const char* caption;
        int result;
    };
    const Expected expected[13] = {
        {"Bij", "&Bij", 6},
        {"Af", "&Af", 7},
        {"Ja", "&Ja", 6},
        {"Nee", "&Nee", 7},
        {"OK", "OK", 1},
        {"Schrap", "Schrap", 2},
        {"Breek", "&Afbreken", 3},
        {"Opnieuw", "&Opnieuw", 4},
        {"Negeren", "&Negeer", 5},
        {"Alles", "&Alle", 8},
        {"Alles Nee", "N&ee voor Alle", 9},
        {"Alles Ja", "J&a voor Alle", 10},
        {"Help", "&Help", 0},
    };
    for (int bit = 0; bit < 13; ++bit) {
        const MessageButton& b = kMessageButtons[static_cast<std::size_t>(bit)];
        EXPECT_EQ(b.bit, 1u << bit);
        EXPECT_EQ(b.name, expected[bit].name);
        EXPECT_EQ(b.caption, expected[bit].caption);
        EXPECT_EQ(b.result, expected[bit].result);
        EXPECT_EQ(ButtonResult(b.bit), expected[bit].result);
    }
}

TEST(MessageDialogRules, ButtonsOfKeepsLeftToRightOrder) {
    const auto buttons = ButtonsOf(Button::Help | Button::Nee | Button::Ja);
    ASSERT_EQ(buttons.size(), 3u);
    EXPECT_EQ(buttons[0].name, "Ja");
    EXPECT_EQ(buttons[1].name, "Nee");
    EXPECT_EQ(buttons[2].name, "Help");
    EXPECT_TRUE(ButtonsOf(0).empty());
}

TEST(MessageDialogRules, DefaultButton) {
    EXPECT_EQ(DefaultButton(Button::OK | Button::Ja | Button::Af), Button::OK);
    EXPECT_EQ(DefaultButton(Button::JaNee), Button::Ja);
    EXPECT_EQ(DefaultButton(Button::Bij | Button::Af), Button::Af);
    EXPECT_EQ(DefaultButton(Button::Opnieuw | Button::Breek), Button::Opnieuw);
    EXPECT_EQ(DefaultButton(Button::Breek | Button::Negeren), 0);
}

TEST(MessageDialogRules, EscapeButtonAndClosing) {
    EXPECT_EQ(EscapeButton(Button::OK | Button::Schrap | Button::Nee), Button::Schrap);
    EXPECT_EQ(EscapeButton(Button::JaNee), Button::Nee);
    EXPECT_EQ(EscapeButton(Button::OK), Button::OK);
    EXPECT_EQ(EscapeButton(Button::Bij | Button::Af), 0);
    // A question with Ja and Nee answers Nee on Escape.
    EXPECT_EQ(CloseResult(Button::JaNee), Result::No);
    EXPECT_EQ(CloseResult(Button::OK), Result::OK);
    EXPECT_EQ(CloseResult(Button::Bij | Button::Af), Result::Cancel);
}

TEST(MessageDialogRules, TitlesPerKind) {
    EXPECT_EQ(MessageTitle(MessageKind::Warning), "Waarschuwing");
    EXPECT_EQ(MessageTitle(MessageKind::Error), "Fout");
    EXPECT_EQ(MessageTitle(MessageKind::Information), "Informatie");
    EXPECT_EQ(MessageTitle(MessageKind::Confirmation), "Bevestig");
    EXPECT_EQ(MessageTitle(MessageKind::Plain), "Velk");
}

TEST(MessageDialogRules, LineBreaks) {
    EXPECT_EQ(MessageLines("Sluit eerst alle vensters,\rdan kleuren redden"),
              "Sluit eerst alle vensters,\ndan kleuren redden");
    // The file-error form puts "\n\r" before its hint: one break.
    EXPECT_EQ(MessageLines("x: parenlijst foutief\n\r controleer bestand"),
              "x: parenlijst foutief\n controleer bestand");
    EXPECT_EQ(MessageLines("a\r\rb"), "a\n\nb");
    EXPECT_EQ(MessageLines("a\r\nb\n"), "a\nb\n");
}
