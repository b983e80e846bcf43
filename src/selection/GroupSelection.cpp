#include "selection/GroupSelection.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/records/PairRecord.h"
#include "selection/SelectionText.h"

#include <algorithm>

namespace velk {

namespace {

bool IsSessionKind(int k) {
    return (k >= 1 && k <= 7) || k == 15 || k == 16 || k == 18;
}
bool IsBoardKind(int k) {
    return k == 21 || k == 22 || k == 34 || k == 35 || k == 44;
}
bool IsPairKind(int k) {
    return k == 23 || k == 32 || k == 33 || k == 39;
}
// The only kind that chooses exactly one group.
constexpr int kOneGroupKind = 101;
// From this kind on the first group box offers no "*".
constexpr int kFirstKindWithoutAll = 100;

std::size_t Index(SelectionField field) {
    return static_cast<std::size_t>(field);
}

std::int16_t AsI16(int value) {
    return static_cast<std::int16_t>(value);
}

bool IsStarOrDigit(char c) {
    return c == '*' || (c >= '1' && c <= '9');
}

} // namespace

SelectionCounts SelectionCounts::Of(const Club& club) {
    SelectionCounts c;
    c.GroupCount = club.CompetitionHead.GroupCount;
    c.SessionCount = club.SessionCount();
    c.CurrentSession = club.CurrentSession;
    c.BoardCount = club.SessionHead.BoardCount;
    c.BoardsPerRound = club.SessionHead.BoardsPerRound;
    c.PairsPerGroup = club.PairsPerGroup;
    c.CalcMethod = club.CompetitionHead.CalcMethod;
    return c;
}

GroupSelectionModel::GroupSelectionModel(Club& club, Dialogs& dialogs) : club_(club), dialogs_(dialogs) {}

const SelectionBoxState& GroupSelectionModel::box(SelectionField field) const {
    return boxes_.at(std::min(Index(field), boxes_.size() - 1));
}

SelectionBoxState& GroupSelectionModel::mutableBox(SelectionField field) {
    return boxes_.at(std::min(Index(field), boxes_.size() - 1));
}

bool GroupSelectionModel::shownAndEnabled(SelectionField field) const {
    return field != SelectionField::OkButton && box(field).visible && box(field).enabled;
}

void GroupSelectionModel::setBoxText(SelectionField field, const std::string& text) {
    if (field != SelectionField::OkButton)
        mutableBox(field).text = text;
}

void GroupSelectionModel::setUp(int kind) {
    kind_ = kind;
    counts_ = SelectionCounts::Of(club_);
    boxes_ = {};
    selection_.SelFirstItem = 1;
    caption_ = "Groep Keuze";
    groupsLabel_ = {};
    rangeLabel_ = {};
    setUpGroupBoxes();
    setUpRangeBoxes();

    if (box(SelectionField::SelectBox1).visible)
        focus_ = SelectionField::SelectBox1;
    else if (box(SelectionField::SelectBox3).visible)
        focus_ = SelectionField::SelectBox3;
    else
        focus_ = SelectionField::OkButton;
}

void GroupSelectionModel::setUpGroupBoxes() {
    auto& first = mutableBox(SelectionField::SelectBox1);
    auto& last = mutableBox(SelectionField::SelectBox2);
    groupBoxesSkipped_ = counts_.CalcMethod == CalcTopIntegral && kind_ <= 10;
    if (groupBoxesSkipped_) {
        hintLabel_ = {"Gebruik getal voor selectie van avond  ( * = alle)", true};
        groupsLabel_ = {" Alle Groepen Topintgeraal", true};
        first.visible = false;
        last.visible = false;
        selection_.SelGroupChar = '*';
        selection_.SelFirstGroup = 1;
        selection_.SelLastGroup = AsI16(counts_.GroupCount);
        return;
    }
    hintLabel_ = {
        "Gebruik letter voor keuze van een  groep\rGebruik getal voor selectie van avond  ( * = alle)", true};
    groupsLabel_ = {std::string("Groep: A . . ") + GroupLetter(counts_.GroupCount), true};
    for (int g = 1; g <= counts_.GroupCount; ++g) {
        const std::string item = std::string(" ") + GroupLetter(g);
        first.items.push_back(item);
        last.items.push_back(item);
    }
    if (kind_ < kFirstKindWithoutAll)
        first.items.push_back(" *");
    if (!first.items.empty())
        first.text = first.items.front();
    if (!last.items.empty())
        last.text = last.items.front();
    first.hint = "Selecteer groep ( * = alle)";
    last.hint = "Selecteer laatste groep";
}

void GroupSelectionModel::fillNumbers(SelectionField field, int count, bool withStar) {
    auto& b = mutableBox(field);
    for (int n = 1; n <= count; ++n)
        b.items.push_back(std::to_string(n));
    if (withStar)
        b.items.push_back("*");
    if (!b.items.empty())
        b.text = b.items.front();
}

void GroupSelectionModel::setUpRangeBoxes() {
    auto& third = mutableBox(SelectionField::SelectBox3);
    auto& fourth = mutableBox(SelectionField::SelectBox4);
    const auto hideRange = [&] {
        third.visible = false;
        fourth.visible = false;
        rangeLabel_.visible = false;
    };

    if (IsSessionKind(kind_)) {
        caption_ = "Groep(en) & Zitting Keuze";
        fillNumbers(SelectionField::SelectBox3, counts_.CurrentSession, true);
        fillNumbers(SelectionField::SelectBox4, counts_.CurrentSession, false);
        third.hint = "Selecteer Zitting ( * = alle)";
        fourth.hint = "Selecteer laatste zitting";
        rangeLabel_.text = "Avond: 1 . . " + std::to_string(counts_.CurrentSession);
        fourth.text = std::to_string(counts_.CurrentSession);
    } else if (IsBoardKind(kind_)) {
        const bool boardsAndAll = kind_ <= 22;
        caption_ = boardsAndAll ? "Groepen & Spellen Keuze" : "Groep & Spellen Keuze";
        fillNumbers(SelectionField::SelectBox3, counts_.BoardCount, boardsAndAll);
        fillNumbers(SelectionField::SelectBox4, counts_.BoardCount, false);
        third.hint = "Kies eerste spel";
        fourth.hint = "Kies laatste spel, * = alle";
        rangeLabel_.text = "Spellen: 1 .. " + std::to_string(counts_.BoardCount);
        fourth.text = std::to_string(boardsAndAll ? counts_.BoardsPerRound : counts_.BoardCount);
        selection_.SelLastItem = AsI16(counts_.BoardsPerRound);
        if (kind_ == 35 && counts_.CalcMethod == CalcTopIntegral)
            groupsLabel_.visible = false;
    } else if (kind_ == 23) {
        caption_ = "Groep & Paren Keuze";
        fillNumbers(SelectionField::SelectBox3, counts_.PairsPerGroup, true);
        fillNumbers(SelectionField::SelectBox4, counts_.PairsPerGroup, false);
        third.hint = "Kies eerste paar";
        fourth.hint = "Kies laatste paar, * =alle";
        rangeLabel_.text = "Paren: 1 .. " + std::to_string(counts_.PairsPerGroup);
        fourth.text = std::to_string(counts_.PairsPerGroup);
        selection_.SelLastItem = AsI16(counts_.PairsPerGroup);
    } else if (IsPairKind(kind_)) {
        caption_ = "Groep & Paar Keuze";
        fillNumbers(SelectionField::SelectBox3, counts_.PairsPerGroup, false);
        fourth.visible = false;
        mutableBox(SelectionField::SelectBox1).hint = "Selecteer groep";
        mutableBox(SelectionField::SelectBox2).hint = "Selecteer een paar";
        third.hint = "Kies eerste paar";
        rangeLabel_.text = "Paar: 1 .. " + std::to_string(counts_.PairsPerGroup);
    } else {
        // Kinds that choose groups only; a kind without its own set-up is treated the same way,
        // as empty range boxes could never pass the check.
        hideRange();
        if (kind_ == 40) {
            rangeLabel_ = {"Zitting :" + std::to_string(counts_.CurrentSession), true};
        }
        if (kind_ == kOneGroupKind)
            mutableBox(SelectionField::SelectBox2).visible = false;
    }
}

bool GroupSelectionModel::refuse(SelectionField field, const std::string& subject) {
    ShowFileError(dialogs_, club_.ErrorCode, subject, FileError::InvalidValue, Hint::CorrectInput);
    focus_ = field;
    return false;
}

bool GroupSelectionModel::refuseRange(RangeCheck check, SelectionField field, const std::string& text) {
    rangeCheck_ = check;
    dialogs_.error(text);
    focus_ = field;
    return false;
}

bool GroupSelectionModel::asksForItems() const {
    return kind_ >= 20 && (IsBoardKind(kind_) || IsPairKind(kind_));
}

// A first group typed without Enter leaves the last box at its old letter; taking that range
// would compute nothing and still report success.
bool GroupSelectionModel::checkGroupRange() {
    if (groupBoxesSkipped_ && counts_.GroupCount >= 1)
        return true;
    if (counts_.GroupCount < 1)
        return refuseRange(RangeCheck::NoGroups, SelectionField::SelectBox1,
                           "Deze competitie heeft geen groepen\rKies Schrap");
    if (selection_.SelGroupChar == '*' || !shownAndEnabled(SelectionField::SelectBox2))
        return true;
    if (selection_.SelLastGroup >= selection_.SelFirstGroup)
        return true;
    const std::string first(1, GroupLetter(selection_.SelFirstGroup));
    const std::string last(1, GroupLetter(selection_.SelLastGroup));
    return refuseRange(RangeCheck::GroupsReversed, SelectionField::SelectBox2,
                       "Laatste groep " + last + " ligt voor eerste groep " + first +
                           "\rKies een laatste groep van " + first + " t/m " +
                           GroupLetter(counts_.GroupCount));
}

bool GroupSelectionModel::checkItemRange() {
    if (!box(SelectionField::SelectBox3).visible)
        return true;
    const bool fourthUsed = shownAndEnabled(SelectionField::SelectBox4);
    if (kind_ < 20) {
        if (selection_.SelFirstSession < 1)
            return refuseRange(RangeCheck::NoSessions, SelectionField::SelectBox3,
                               "Er is nog geen zitting om te kiezen\rKies Schrap");
        if (!fourthUsed || selection_.SelLastSession >= selection_.SelFirstSession)
            return true;
        const std::string first = std::to_string(selection_.SelFirstSession);
        return refuseRange(RangeCheck::SessionsReversed, SelectionField::SelectBox4,
                           "Laatste zitting " + std::to_string(selection_.SelLastSession) +
                               " ligt voor eerste zitting " + first + "\rKies een laatste zitting van " +
                               first + " t/m " + std::to_string(counts_.SessionCount));
    }
    if (!asksForItems())
        return true;
    const bool boards = IsBoardKind(kind_);
    const int limit = boards ? counts_.BoardCount : counts_.PairsPerGroup;
    if (selection_.SelFirstItem < 1)
        return refuseRange(
            RangeCheck::NoItems, SelectionField::SelectBox3,
            std::string(boards ? "Deze zitting heeft geen spellen" : "De groepen hebben geen paren") +
                "\rKies Schrap");
    if (!fourthUsed || selection_.SelLastItem >= selection_.SelFirstItem)
        return true;
    const std::string noun = boards ? "spel" : "paar";
    const std::string first = std::to_string(selection_.SelFirstItem);
    return refuseRange(RangeCheck::ItemsReversed, SelectionField::SelectBox4,
                       "Laatste " + noun + " " + std::to_string(selection_.SelLastItem) + " ligt voor " +
                           (boards ? "eerste spel " : "eerste paar ") + first + "\rKies een laatste " + noun +
                           " van " + first + " t/m " + std::to_string(limit));
}

bool GroupSelectionModel::checkFirstGroup() {
    auto& first = mutableBox(SelectionField::SelectBox1);
    auto& last = mutableBox(SelectionField::SelectBox2);
    const char c = FirstCharacterUpper(first.text);
    // A kind that asks for one group does not offer "*", so it does not accept one either.
    const bool all = c == '*' && kind_ < kFirstKindWithoutAll;
    if (!all && GroupOrdinal(c) == 0)
        return refuse(SelectionField::SelectBox1, "Groep ");

    const int groupCount = std::max(1, counts_.GroupCount);
    last.enabled = kind_ != kOneGroupKind;
    if (all) {
        selection_.SelGroupChar = '*';
        selection_.SelFirstGroup = 1;
        selection_.SelLastGroup = AsI16(counts_.GroupCount);
        last.enabled = false;
        return true;
    }
    selection_.SelFirstGroup = AsI16(std::min(GroupOrdinal(c), groupCount));
    selection_.SelGroupChar = GroupLetter(selection_.SelFirstGroup);
    if (kind_ == kOneGroupKind)
        selection_.SelLastGroup = selection_.SelFirstGroup;
    return true;
}

bool GroupSelectionModel::checkLastGroup() {
    auto& last = mutableBox(SelectionField::SelectBox2);
    const char c = FirstCharacterUpper(last.text);
    if (c != '*' && GroupOrdinal(c) == 0)
        return refuse(SelectionField::SelectBox2, "Groep ");
    const int wanted = c == '*' ? counts_.GroupCount : GroupOrdinal(c);
    selection_.SelLastGroup = AsI16(std::clamp(wanted, 1, std::max(1, counts_.GroupCount)));
    last.text = std::string(1, GroupLetter(selection_.SelLastGroup));
    return true;
}

bool GroupSelectionModel::checkThirdBox() {
    auto& third = mutableBox(SelectionField::SelectBox3);
    auto& fourth = mutableBox(SelectionField::SelectBox4);
    const char c = FirstCharacterUpper(third.text);
    if (!IsStarOrDigit(c))
        return refuse(SelectionField::SelectBox3, "");
    const bool all = c == '*';
    const int n = all ? 1 : LeadingNumber(third.text);
    fourth.enabled = false;

    if (kind_ < 20) {
        if (all) {
            selection_.SelFirstSession = AsI16(std::min(1, counts_.SessionCount));
            selection_.SelLastSession = AsI16(counts_.SessionCount);
        } else {
            selection_.SelFirstSession = AsI16(std::min(n, counts_.SessionCount));
            selection_.SelLastSession = selection_.SelFirstSession;
            fourth.enabled = true;
        }
    } else if (IsBoardKind(kind_)) {
        selection_.SelFirstItem = AsI16(std::min(n, counts_.BoardCount));
        fourth.enabled = true;
        // "*" means every board: the last box is filled so that its check keeps them all.
        if (all)
            fourth.text = std::to_string(counts_.BoardCount);
    } else if (IsPairKind(kind_)) {
        selection_.SelFirstItem = AsI16(std::min(n, counts_.PairsPerGroup));
        fourth.enabled = kind_ == 23;
        if (all && kind_ == 23)
            fourth.text = std::to_string(counts_.PairsPerGroup);
    }
    return true;
}

bool GroupSelectionModel::checkFourthBox() {
    auto& fourth = mutableBox(SelectionField::SelectBox4);
    const char c = FirstCharacterUpper(fourth.text);
    if (kind_ >= 20) {
        const int limit = IsBoardKind(kind_) ? counts_.BoardCount : counts_.PairsPerGroup;
        const int n = c == '*' ? limit : LeadingNumber(fourth.text);
        // The conversion of something that is no number has no sound value: refuse it.
        if (n < 0)
            return refuse(SelectionField::SelectBox4, "");
        selection_.SelLastItem = AsI16(std::min(n, limit));
        fourth.text = std::to_string(selection_.SelLastItem);
        return true;
    }
    if (!IsStarOrDigit(c))
        return refuse(SelectionField::SelectBox4, "");
    const int n = c == '*' ? counts_.SessionCount : LeadingNumber(fourth.text);
    selection_.SelLastSession = AsI16(std::min(n, counts_.SessionCount));
    fourth.text = std::to_string(selection_.SelLastSession);
    return true;
}

void GroupSelectionModel::moveAfterFirstGroup() {
    if (shownAndEnabled(SelectionField::SelectBox2)) {
        mutableBox(SelectionField::SelectBox2).text = box(SelectionField::SelectBox1).text;
        focus_ = SelectionField::SelectBox2;
    } else {
        moveAfterLastGroup();
    }
}

void GroupSelectionModel::moveAfterLastGroup() {
    focus_ = box(SelectionField::SelectBox3).visible ? SelectionField::SelectBox3 : SelectionField::OkButton;
}

void GroupSelectionModel::moveAfterThirdBox() {
    focus_ =
        shownAndEnabled(SelectionField::SelectBox4) ? SelectionField::SelectBox4 : SelectionField::OkButton;
}

bool GroupSelectionModel::enter(SelectionField field) {
    switch (field) {
    case SelectionField::SelectBox1:
        if (groupBoxesSkipped_ || !checkFirstGroup())
            return false;
        moveAfterFirstGroup();
        return true;
    case SelectionField::SelectBox2:
        if (!shownAndEnabled(field) || !checkLastGroup())
            return false;
        moveAfterLastGroup();
        return true;
    case SelectionField::SelectBox3:
        if (!shownAndEnabled(field) || !checkThirdBox())
            return false;
        moveAfterThirdBox();
        return true;
    case SelectionField::SelectBox4:
        if (!shownAndEnabled(field) || !checkFourthBox())
            return false;
        focus_ = SelectionField::OkButton;
        return true;
    case SelectionField::OkButton:
        return accept();
    }
    return false;
}

bool GroupSelectionModel::accept() {
    rangeCheck_ = RangeCheck::Passed;
    if (!groupBoxesSkipped_ && box(SelectionField::SelectBox1).visible && !checkFirstGroup())
        return false;
    if (!groupBoxesSkipped_ && shownAndEnabled(SelectionField::SelectBox2) && !checkLastGroup())
        return false;
    if (!checkGroupRange())
        return false;
    if (shownAndEnabled(SelectionField::SelectBox3) && !checkThirdBox())
        return false;
    if (shownAndEnabled(SelectionField::SelectBox4) && !checkFourthBox())
        return false;
    return checkItemRange();
}

void GroupSelectionModel::cancel() {
    selection_.SelGroupChar = ' ';
}

} // namespace velk
