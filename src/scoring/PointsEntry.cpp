#include "scoring/PointsEntry.h"

#include "club/PairSorting.h"
#include "core/ErrorHelpers.h"
#include "core/HelpContext.h"
#include "core/Messages.h"
#include "core/NumberHelpers.h"
#include "core/TextHelpers.h"
#include "core/records/ConfigRecord.h"
#include "scoring/SessionResults.h"

#include <algorithm>

namespace velk {

namespace {

const char* ScoringModeName(int mode) {
    switch (mode) {
    case ModeButler:
        return "Butler";
    case ModeCrossImp:
        return "Cross Imp";
    case ModeIndividual:
        return "Enkel";
    default:
        return "Paren";
    }
}

std::string OutOfRange(int bound) {
    return "Waarde niet in bereik van 0 tot " + std::to_string(bound);
}

// "15-12-2026" as "15-12-26".
std::string ShortYearDate(const std::string& date) {
    const auto dash = date.rfind('-');
    if (dash == std::string::npos || date.size() - dash - 1 <= 2)
        return date;
    return date.substr(0, dash + 1) + date.substr(date.size() - 2);
}

} // namespace

PointsLimits PointsLimitsOf(const Club& club) {
    const int boards = club.SessionHead.BoardCount;
    PointsLimits limits;
    switch (club.CompetitionHead.ScoringMode) {
    case ModeButler:
        limits.maximum = boards * 24;
        limits.minimum = -limits.maximum;
        break;
    case ModeCrossImp:
        limits.maximum = club.CompetitionHead.PairCount * boards * 24;
        limits.minimum = -limits.maximum;
        break;
    default:
        limits.maximum = boards * std::max(club.RankingSize - 2, 0);
        limits.minimum = 0;
        break;
    }
    return limits;
}

PointsEntry::PointsEntry(Club& club, Dialogs& dialogs, const ScoreTables& tables)
    : club_(club), dialogs_(dialogs), tables_(tables), draft_(club) {}

bool PointsEntry::open() {
    if (!draft_.open()) {
        ShowError(dialogs_, club_.ErrorCode, "", ErrorMessage::NoSessionOpen);
        return false;
    }
    limits_ = PointsLimitsOf(club_);
    return true;
}

std::string PointsEntry::caption() const {
    return "Invoeren punten en invallers (C = " + std::to_string(club_.CompetitionNumber) +
           ", Z = " + std::to_string(club_.CurrentSession) + ")";
}

std::string PointsEntry::dateLabel() const {
    const std::string date = club_.SessionHead.SessionDate.get();
    return club_.SessionHead.TwoLines == 1 ? " Scheveningen, 2 lijnen; datum = " + date
                                           : "\rSpeeldatum = " + date;
}

std::string PointsEntry::cellText(int row, int column) const {
    if (!draft_.validRow(row))
        return {};
    const TCalcObj& r = draft_.row(row);
    switch (column) {
    case PointsColumn:
        return FixedText(r.Points, 2, kListDecimalSeparator);
    case SubstitutesColumn:
        return r.Status < -1 ? "N.A." : std::to_string(r.Substitutes);
    case RankColumn:
        return (club_.SessionHead.TwoLines == 1 && row % 2 == 0 ? "      " : "") +
               std::to_string(r.SessionRank);
    default:
        return draft_.pairCellText(row, column);
    }
}

std::string PointsEntry::sessionDataText() const {
    const auto& s = club_.SessionHead;
    return "Ziitting data\r"
           "Comp index = " +
           std::to_string(club_.CompetitionNumber) +
           "\rSpeel mode = " + ScoringModeName(club_.CompetitionHead.ScoringMode) +
           "\rZitting index = " + std::to_string(club_.CurrentSession) +
           "\rAantal zittingen = " + std::to_string(club_.CompetitionHead.SessionsPerCompetition) +
           "\rAantal paren = " + std::to_string(club_.CompetitionHead.PairCount) +
           "\rAantal tafels = " + std::to_string(club_.CompetitionHead.TableCount) +
           "\rAantal spellen = " + std::to_string(s.BoardCount) +
           "\rAantal ronden = " + std::to_string(s.RoundCount) +
           "\rSpelgroepen = " + std::to_string(s.BoardGroupCount) +
           "\rSpeeldatum = " + ShortYearDate(s.SessionDate.get());
}

int PointsEntry::helpContextOf(int column) {
    if (column == PointsColumn)
        return HelpContext::PointsColumn;
    if (column == SubstitutesColumn)
        return HelpContext::SubstitutesColumn;
    return HelpContext::PointsRow;
}

int PointsEntry::columnAfter(ColumnKey key, int column) {
    if (column < PointsColumn || column > RankColumn)
        return key == ColumnKey::BackTab ? RankColumn : PointsColumn;
    switch (key) {
    case ColumnKey::Tab:
    case ColumnKey::Right:
        return column == RankColumn ? PointsColumn : column + 1;
    case ColumnKey::BackTab:
        return column == PointsColumn ? RankColumn : column - 1;
    case ColumnKey::Left:
        return column == PointsColumn ? PointsColumn : column - 1;
    }
    return column;
}

std::optional<int> PointsEntry::readRow(int row, const std::string& pointsText,
                                        const std::string& substitutesText, const std::string& rankText) {
    if (!draft_.validRow(row))
        return std::nullopt;
    ErrorCode error;
    const double points = ReadNumber(pointsText, 2, false, dialogs_, error, kListDecimalSeparator);
    if (!error.ok())
        return PointsColumn;
    if (points > limits_.maximum || points < limits_.minimum) {
        dialogs_.warning(OutOfRange(points > limits_.maximum ? limits_.maximum : limits_.minimum));
        return PointsColumn;
    }
    TCalcObj& r = draft_.row(row);
    std::int16_t substitutes = r.Substitutes;
    if (Trim(substitutesText) != "N.A.") {
        const auto typed =
            Trim(substitutesText).empty() ? std::optional<int>(0) : ParseWholeNumber(substitutesText);
        if (!typed) {
            dialogs_.warning("Invaller foutief");
            return SubstitutesColumn;
        }
        if (*typed > 2 || *typed < -2) {
            dialogs_.warning(OutOfRange(*typed > 2 ? 2 : -2));
            return SubstitutesColumn;
        }
        substitutes = static_cast<std::int16_t>(*typed);
    }
    const auto rank = Trim(rankText).empty() ? std::optional<int>(0) : ParseWholeNumber(rankText);
    if (!rank || *rank < 0 || *rank > club_.CompetitionHead.PairCount) {
        ShowError(dialogs_, club_.ErrorCode, rankText, ErrorMessage::InvalidNumber);
        return RankColumn;
    }
    r.Points = static_cast<float>(points);
    r.Substitutes = substitutes;
    r.SessionRank = static_cast<std::int16_t>(*rank);
    return std::nullopt;
}

std::optional<double> PointsEntry::compute() {
    if (draft_.laterSessions() && !dialogs_.askYesNo("Zitting is niet de laatste, toch doorgaan? "))
        return std::nullopt;
    const double total = ComputePercentages(club_, tables_, draft_.group());
    ComputeRanks(club_, club_.CurrentSession, draft_.group());
    return total;
}

void PointsEntry::recomputeAll() {
    for (int g = 1; g <= draft_.groupCount(); ++g) {
        ComputePercentages(club_, tables_, g);
        ComputeRanks(club_, club_.CurrentSession, g);
    }
}

bool PointsEntry::ok(const OkOptions& options) {
    if (!options.askRecompute || dialogs_.askYesNo("Bereken (opnieuw) alle Matchpunten en Procenten"))
        recomputeAll();
    if (!draft_.lastOfCompetition() && !draft_.changed())
        return false;
    const bool saved =
        options.askSave ? draft_.askSave(dialogs_, options.save) : options.save && options.save();
    if (saved)
        draft_.takeCopy();
    return saved;
}

bool PointsEntry::movePair(int from, int to) {
    return draft_.isOpen() && MovePairRow(club_, from, to);
}

bool PointsEntry::keepOpenOnClose() {
    return ResultsDraft::keepOpenOnClose(dialogs_);
}

} // namespace velk
