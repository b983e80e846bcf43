#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"

#include <string>
#include <vector>

namespace velk {

// The controls of the copy dialog that take the focus.
enum class CopyField { GroepBox1, GroepBox2, OkButton };

// Why "O&k" refused a pair of groups that each passed their own check.
enum class CopyCheck {
    Passed,
    SameGroup,    // the target is the source itself: the copy would change nothing
    NoOtherGroup, // "*" with a single group: there is no group to copy to
};

struct CopyGroupBoxState {
    std::vector<std::string> items;
    std::string text;
    std::string hint;
};

// The rules of the dialog that chooses the source and target group for copying match points
// between groups (TGroepenDlg). The target "*" stands for every group other than the source, and
// the targets handed to the copy are always groups 1..GroupCount.
class CopyGroupsModel {
public:
    CopyGroupsModel(Club& club, Dialogs& dialogs);

    // Resets both boxes from the current competition.
    void setUp();

    const CopyGroupBoxState& source() const { return source_; } // GroepBox1
    const CopyGroupBoxState& target() const { return target_; } // GroepBox2
    void setBoxText(CopyField field, const std::string& text);

    // Enter in a box (a double click on the source box): true moves the focus to "O&k"; false
    // means the check failed, the dialog has beeped and closes as cancelled.
    bool enter(CopyField field);
    // "O&k": both checks, then a target other than the source; a refusal keeps the dialog open
    // with the focus on the target box. True when the dialog may close with OK.
    bool accept();
    CopyCheck copyCheck() const { return copyCheck_; }

    CopyField focus() const { return focus_; }

    // The upper-case characters chosen: a group letter, or '*' as the target.
    char CopySourceGroup = 'A';
    char CopyTargetGroup = 'B';

    int sourceGroup() const;
    // The groups the scores go to; never the source, never outside 1..GroupCount.
    std::vector<int> targetGroups() const;

private:
    bool check(CopyField field);
    bool checkDistinct();

    Club& club_;
    Dialogs& dialogs_;
    int groupCount_ = 0;
    CopyGroupBoxState source_;
    CopyGroupBoxState target_;
    CopyField focus_ = CopyField::GroepBox1;
    CopyCheck copyCheck_ = CopyCheck::Passed;
};

} // namespace velk
