#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace velk {

// The ranges chosen in the group selection dialog; the callers read them after OK.
struct GroupSelection {
    char SelGroupChar = ' '; // the first group's letter, '*' for all groups, a blank after cancel
    std::int16_t SelFirstGroup = 1;
    std::int16_t SelLastGroup = 1;
    std::int16_t SelFirstSession = 1;
    std::int16_t SelLastSession = 1;
    std::int16_t SelFirstItem = 1; // board or pair number, for the kinds that ask for one
    std::int16_t SelLastItem = 1;
};

// The controls of the dialog that take the focus.
enum class SelectionField { SelectBox1, SelectBox2, SelectBox3, SelectBox4, OkButton };

// Why "O&k" refused the ranges the boxes show, after every box passed its own check.
enum class RangeCheck {
    Passed,
    GroupsReversed,   // the last group lies before the first
    SessionsReversed, // the last session lies before the first
    ItemsReversed,    // the last board or pair lies before the first
    NoGroups,         // the competition has no group to choose
    NoSessions,       // no session has been played yet
    NoItems,          // the session has no boards, or the groups no pairs
};

struct SelectionBoxState {
    std::vector<std::string> items;
    std::string text;
    std::string hint;
    bool visible = true;
    bool enabled = true;
};

struct SelectionLabelState {
    std::string text;
    bool visible = true;
};

// The counts the boxes are checked against, read from the open competition at every opening.
struct SelectionCounts {
    int GroupCount = 0;
    int SessionCount = 0;
    int CurrentSession = 0;
    int BoardCount = 0;
    int BoardsPerRound = 0;
    int PairsPerGroup = 0;
    int CalcMethod = 0;

    static SelectionCounts Of(const Club& club);
};

// The rules of the group selection dialog (TSelectieDlg): how it is set up for a kind, how each
// box is checked, where the focus goes, and what OK returns.
class GroupSelectionModel {
public:
    GroupSelectionModel(Club& club, Dialogs& dialogs);

    // Resets every box from the current competition and session for report kind `kind`.
    void setUp(int kind);

    int kind() const { return kind_; }
    const std::string& caption() const { return caption_; }
    const SelectionLabelState& groupsLabel() const { return groupsLabel_; } // Groepenlabel
    const SelectionLabelState& hintLabel() const { return hintLabel_; }     // GroepHintLabel1
    const SelectionLabelState& rangeLabel() const { return rangeLabel_; }   // ZittngPaarlabel
    const SelectionBoxState& box(SelectionField field) const;
    // All groups are taken without asking (Topintegraal lists).
    bool groupBoxesSkipped() const { return groupBoxesSkipped_; }

    void setBoxText(SelectionField field, const std::string& text);

    // Enter (or a double click) in a box: checks it and moves the focus on; the focus stays when
    // the check fails.
    bool enter(SelectionField field);
    // "O&k": all checks in order, then the ranges the boxes show: a reversed or empty range is
    // refused with a message and the focus on the box to change. True when the dialog may close.
    bool accept();
    // The outcome of the last range check of accept().
    RangeCheck rangeCheck() const { return rangeCheck_; }
    // "&Schrap" or Escape.
    void cancel();

    SelectionField focus() const { return focus_; }
    const GroupSelection& selection() const { return selection_; }

private:
    SelectionBoxState& mutableBox(SelectionField field);
    bool shownAndEnabled(SelectionField field) const;
    void setUpGroupBoxes();
    void setUpRangeBoxes();
    void fillNumbers(SelectionField field, int count, bool withStar);

    bool checkFirstGroup();
    bool checkLastGroup();
    bool checkThirdBox();
    bool checkFourthBox();
    bool refuse(SelectionField field, const std::string& subject);
    bool refuseRange(RangeCheck check, SelectionField field, const std::string& text);
    bool checkGroupRange();
    bool checkItemRange();
    bool asksForItems() const;
    void moveAfterFirstGroup();
    void moveAfterLastGroup();
    void moveAfterThirdBox();

    Club& club_;
    Dialogs& dialogs_;
    SelectionCounts counts_;
    int kind_ = 0;
    bool groupBoxesSkipped_ = false;
    std::string caption_;
    SelectionLabelState groupsLabel_;
    SelectionLabelState hintLabel_;
    SelectionLabelState rangeLabel_;
    std::array<SelectionBoxState, 4> boxes_;
    SelectionField focus_ = SelectionField::SelectBox1;
    RangeCheck rangeCheck_ = RangeCheck::Passed;
    GroupSelection selection_;
};

} // namespace velk
