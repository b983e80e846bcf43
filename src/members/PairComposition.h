#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "members/MembersRegister.h"

#include <string>
#include <vector>

namespace velk {

// "Selecteer Paren": pair names composed from two members each and copied into the pair list.
class PairComposition {
public:
    PairComposition(Club& club, MembersRegister& members, Dialogs& dialogs)
        : club_(club), members_(members), dialogs_(dialogs) {}

    static constexpr const char* Caption = "Selecteer Paren";

    // One grid row per pair: the name and the member positions of its players (-1: none).
    struct Row {
        std::string name;
        int player1 = -1;
        int player2 = -1;
    };

    // Refuses a competition whose pairs are not all there ("Open of maak eerst een bridgebestand").
    bool open();
    const std::vector<Row>& rows() const { return rows_; }
    // The grid's group and number columns of row `row` (0-based).
    std::string groupText(int row) const;
    std::string numberText(int row) const;

    // Both member lists show every member; the used ones are drawn grey.
    std::vector<std::string> memberNames() const;
    bool used(int member) const;

    void choosePlayer1(int member);
    void choosePlayer2(int member);
    std::string pairName() const;

    // "Zet Spelers in Paren rooster": the two players into row `row` unless another row has one
    // of them. Returns the row the grid moves to (the same row when refused or at the last row).
    int makePair(int row);
    // Enter in the grid: the name into `row` without any check.
    void enterName(int row);
    // "Paarnaam  verwijderen": the row gets its plain name back and its players lose their marks.
    void deleteName(int row);
    // "Kopiëren naar Parenbestand": asks, and copies only in a competition's first session.
    // True when the pair list changed.
    bool copyToPairList();
    // "Namen Zichtbaar": every mark is removed.
    void resetMarks();
    // "Sluit": false when the user stays in the window.
    bool close();

    bool namesCopied() const { return namesCopied_; }

private:
    std::string plainName(int row) const;
    bool validMember(int member) const;

    Club& club_;
    MembersRegister& members_;
    Dialogs& dialogs_;
    std::vector<Row> rows_;
    std::string player1Name_;
    std::string player2Name_;
    int player1_ = -1;
    int player2_ = -1;
    bool namesCopied_ = false;
};

} // namespace velk
