#include "selection/CopyGroups.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/TextHelpers.h"
#include "core/records/PairRecord.h"
#include "selection/SelectionText.h"

namespace velk {

CopyGroupsModel::CopyGroupsModel(Club& club, Dialogs& dialogs) : club_(club), dialogs_(dialogs) {}

void CopyGroupsModel::setUp() {
    groupCount_ = club_.CompetitionHead.GroupCount;
    source_ = {};
    target_ = {};
    source_.hint = "Selecteer bron-groep";
    target_.hint = "Selecteer doel-groep";
    target_.items.push_back("  *");
    for (int g = 1; g <= groupCount_; ++g) {
        const std::string item = std::string("  ") + GroupLetter(g);
        source_.items.push_back(item);
        target_.items.push_back(item);
    }
    if (!source_.items.empty())
        source_.text = source_.items.front();
    // The second group; with a single group there is no other to show.
    target_.text = target_.items.size() > 2 ? target_.items[2] : target_.items.back();
    focus_ = CopyField::GroepBox1;
}

void CopyGroupsModel::setBoxText(CopyField field, const std::string& text) {
    if (field == CopyField::GroepBox1)
        source_.text = text;
    else if (field == CopyField::GroepBox2)
        target_.text = text;
}

bool CopyGroupsModel::check(CopyField field) {
    const bool isTarget = field == CopyField::GroepBox2;
    const std::string& text = isTarget ? target_.text : source_.text;
    const char c = FirstCharacterUpper(text);
    if (c == 0) {
        ShowFileError(dialogs_, club_.ErrorCode, "Groep is leeg ", FileError::InvalidValue,
                      Hint::CorrectInput);
        focus_ = field;
        return false;
    }
    if (!(isTarget && c == '*')) {
        const int group = GroupOrdinal(c);
        // Anything but a letter would address a group before "A".
        if (group == 0) {
            ShowFileError(dialogs_, club_.ErrorCode, "Groep " + std::string(Trim(text)),
                          FileError::InvalidValue, Hint::CorrectInput);
            focus_ = field;
            return false;
        }
        if (group > groupCount_) {
            ShowError(dialogs_, club_.ErrorCode, " kies lagere Groep ", ErrorMessage::GroupMissing);
            focus_ = field;
            return false;
        }
    }
    (isTarget ? CopyTargetGroup : CopySourceGroup) = c;
    return true;
}

bool CopyGroupsModel::enter(CopyField field) {
    if (field == CopyField::OkButton)
        return accept();
    if (!check(field)) {
        dialogs_.beep();
        return false;
    }
    focus_ = CopyField::OkButton;
    return true;
}

bool CopyGroupsModel::accept() {
    copyCheck_ = CopyCheck::Passed;
    return check(CopyField::GroepBox1) && check(CopyField::GroepBox2) && checkDistinct();
}

// Copying a group onto itself, or to every other group when there is none, changes nothing
// while the caller would still report the copy as done.
bool CopyGroupsModel::checkDistinct() {
    const std::string source(1, CopySourceGroup);
    if (CopyTargetGroup == '*' && groupCount_ < 2)
        copyCheck_ = CopyCheck::NoOtherGroup;
    else if (CopyTargetGroup == CopySourceGroup)
        copyCheck_ = CopyCheck::SameGroup;
    else
        return true;
    dialogs_.error(copyCheck_ == CopyCheck::SameGroup
                       ? "Doelgroep " + source + " is de brongroep zelf\rKies een andere doelgroep"
                       : "Er is geen andere groep dan " + source + " om naar te kopieren\rKies Schrap");
    focus_ = CopyField::GroepBox2;
    return false;
}

int CopyGroupsModel::sourceGroup() const {
    return GroupOrdinal(CopySourceGroup);
}

std::vector<int> CopyGroupsModel::targetGroups() const {
    const int from = sourceGroup();
    std::vector<int> targets;
    if (from < 1 || from > groupCount_)
        return targets;
    if (CopyTargetGroup == '*') {
        for (int g = 1; g <= groupCount_; ++g)
            if (g != from)
                targets.push_back(g);
        return targets;
    }
    const int to = GroupOrdinal(CopyTargetGroup);
    if (to >= 1 && to <= groupCount_)
        targets.push_back(to);
    return targets;
}

} // namespace velk
