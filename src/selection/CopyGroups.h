#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"

#include <string>
#include <vector>

namespace velk {

// The controls of the copy dialog that take the focus.
enum class CopyField { GroepBox1, GroepBox2, OkButton };

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
    // "O&k": both checks; true when the dialog may close with OK.
    bool accept();

    CopyField focus() const { return focus_; }

    // The upper-case characters chosen: a group letter, or '*' as the target.
    char CopySourceGroup = 'A';
    char CopyTargetGroup = 'B';

    int sourceGroup() const;
    // The groups the scores go to; never the source, never outside 1..GroupCount.
    std::vector<int> targetGroups() const;

private:
    bool check(CopyField field);

    Club& club_;
    Dialogs& dialogs_;
    int groupCount_ = 0;
    CopyGroupBoxState source_;
    CopyGroupBoxState target_;
    CopyField focus_ = CopyField::GroepBox1;
};

} // namespace velk
