#include "club/PairEdit.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/NumberHelpers.h"
#include "core/TextEncoding.h"
#include "core/TextHelpers.h"

#include <algorithm>

namespace velk {

bool PairEdit::open(int row) {
    if (row < 1 || row >= static_cast<int>(club_.PairList.size()))
        return false;
    row_ = row;
    draft_ = club_.PairList[static_cast<std::size_t>(row)];
    return true;
}

std::string PairEdit::text(PairField field) const {
    switch (field) {
    case PairField::ClubNr:
        return std::to_string(draft_.ClubNr);
    case PairField::Groep:
        return draft_.Groep == 0 || draft_.Groep == ' ' ? std::string()
                                                        : std::string(1, static_cast<char>(draft_.Groep));
    case PairField::GrpNr:
        return std::to_string(draft_.GrpNr);
    case PairField::Naam:
        return draft_.Naam.get();
    }
    return {};
}

void PairEdit::refuse(const std::string& subject, int suffix) {
    // A refused input is no error of the competition: the shared code stays as it was.
    ErrorCode scratch;
    ShowFileError(dialogs_, scratch, subject, suffix, Hint::CorrectInput);
}

int PairEdit::highestOtherClubNr() const {
    int highest = 0;
    for (std::size_t i = 1; i < club_.PairList.size(); ++i)
        if (static_cast<int>(i) != row_)
            highest = std::max<int>(highest, club_.PairList[i].ClubNr);
    return highest;
}

int PairEdit::pairsInGroup(std::uint8_t letter) const {
    int count = 1; // the pair itself, wherever the list has it now
    for (std::size_t i = 1; i < club_.PairList.size(); ++i)
        if (static_cast<int>(i) != row_ && club_.PairList[i].Groep == letter)
            ++count;
    return count;
}

bool PairEdit::enterNumber(std::int16_t& into, const std::string& typed, int limit, const char* subject) {
    const int n = ParseWholeNumber(typed).value_or(0);
    if (n < 1 || n > std::min(limit, 32767)) {
        refuse(subject, FileError::InvalidValue);
        return false;
    }
    into = static_cast<std::int16_t>(n);
    return true;
}

bool PairEdit::enter(PairField field, const std::string& typed) {
    const int groups = club_.CompetitionHead.GroupCount;
    switch (field) {
    case PairField::ClubNr:
        return enterNumber(draft_.ClubNr, typed,
                           std::max<int>(club_.CompetitionHead.PairCount, highestOtherClubNr() + 1),
                           "ClubNummer");
    case PairField::Groep: {
        std::string t(Trim(typed));
        if (t.size() == 1)
            t[0] = static_cast<char>(t[0] >= 'a' && t[0] <= 'z' ? t[0] - 'a' + 'A' : t[0]);
        // With one group the program keeps a blank, whether "A" or nothing is typed.
        const bool one = groups <= 1 && (t.empty() || t == "A");
        const bool letter = t.size() == 1 && t[0] >= 'A' && t[0] <= GroupLetter(std::max(groups, 1));
        if (!one && (groups <= 1 || !letter)) {
            refuse("Groep ", FileError::InvalidCharacter);
            return false;
        }
        // A blank the record holds as a zero byte stays as it is.
        if (!one || draft_.Groep != 0)
            draft_.Groep = static_cast<std::uint8_t>(one ? ' ' : t[0]);
        return true;
    }
    case PairField::GrpNr:
        return enterNumber(draft_.GrpNr, typed,
                           std::max(club_.PairsPerGroup, groups <= 1 ? club_.CompetitionHead.PairCount
                                                                     : pairsInGroup(draft_.Groep)),
                           "GroepNummer ");
    case PairField::Naam: {
        const std::size_t length = Utf8Length(typed);
        if (length < 1 || length > kMaxName || Trim(typed).empty()) {
            refuse("Namen ", FileError::InvalidValue);
            return false;
        }
        // The same name keeps its bytes, whatever follows the text in the record.
        if (typed != draft_.Naam.get())
            draft_.Naam.set(typed);
        return true;
    }
    }
    return false;
}

bool PairEdit::commit() {
    if (row_ < 1 || row_ >= static_cast<int>(club_.PairList.size())) {
        dialogs_.error("Wijzigen van record mislukt");
        return false;
    }
    club_.PairList[static_cast<std::size_t>(row_)] = draft_;
    return true;
}

} // namespace velk
