#include "club/CompetitionData.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/NumberHelpers.h"
#include "core/TextEncoding.h"
#include "core/TextHelpers.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace velk {

namespace {

int GroupsOf(const CompetitionHead& h) {
    return h.GroupCount > 0 ? h.GroupCount : 1;
}

int TablesPerGroupOf(const CompetitionHead& h) {
    return h.TableCount / GroupsOf(h);
}

std::string PercentText(double v) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.1f", v);
    std::string s = buf;
    if (s.size() > 2 && s.substr(s.size() - 2) == ".0")
        s.resize(s.size() - 2);
    return s;
}

} // namespace

TConfigObj NewConfigRecord(bool isCompetition, const PageUnits& units) {
    TConfigObj c;
    CompetitionHead& h = c.Head;
    h.PairCount = 40;
    h.GroupCount = 4;
    h.SessionsPerCompetition = isCompetition ? 6 : 1;
    h.TableCount = 24;
    h.MaxPctOneSub = 55.0;
    h.MaxPctTwoSubs = 45.0;
    h.ScoringMode = ModePairs;
    h.NeubergMode = NeubergOneDecimal;
    h.CalcMethod = CalcEachGroup;
    h.ConfigFlags = ConfigFlag::SlamBonusBlock;
    h.CompetitionsPerSeason = isCompetition ? 6 : 0;
    c.ScreenFontName.set("MS Sans Serif");
    c.setFontSizes(10, 10);
    c.LeftMargin = static_cast<std::uint16_t>(units.unitH);
    c.TopMargin = static_cast<std::uint16_t>(15 * units.unitV);
    c.BottomMargin = static_cast<std::uint16_t>(10 * units.unitV);
    c.LineHeight = static_cast<std::uint16_t>(units.lineHeight);
    const int lh = units.lineHeight > 0 ? units.lineHeight : 1;
    const int lines = units.pageLines - (c.TopMargin + c.BottomMargin) / lh;
    c.LinesPerPage = static_cast<std::uint16_t>(lines > 0 ? lines : 1);
    c.PrinterFontName.set("Courier New");
    c.OptionFlags = OptionFlag::PrintPageHead;
    return c;
}

SlamBonusBlock NewSlamBonusTable() {
    SlamBonusBlock b;
    const std::int16_t defaults[6] = {2, 2, 3, 4, 4, 5};
    for (int i = 0; i < 6; ++i)
        b.Values[i] = defaults[i];
    return b;
}

void DeriveValues(Club& club, Dialogs* dialogs) {
    const CompetitionHead& h = club.CompetitionHead;
    const int groups = GroupsOf(h);
    club.PairsPerGroup = h.PairCount / groups;
    club.RankingSize = h.CalcMethod == CalcTopIntegral ? h.PairCount : club.PairsPerGroup;
    club.TablesPerGroup = TablesPerGroupOf(h);
    if (h.TableCount % groups != 0 && dialogs)
        dialogs->error(std::string(ErrorPrefix(41)));
    club.IsIndividual = h.ScoringMode > ModeCrossImp;
}

void StoreHead(Club& club) {
    club.ConfigRecord.Head = club.CompetitionHead;
}
void LoadHead(Club& club) {
    club.CompetitionHead = club.ConfigRecord.Head;
}

// ---------------------------------------------------------------------------------------------

ConfigDialogModel::ConfigDialogModel(Club& club, Dialogs& dialogs, bool isNew)
    : club_(club), dialogs_(dialogs), isNew_(isNew), draft_(club.ConfigRecord) {
    draft_.Head = club.CompetitionHead;
    fill();
}

void ConfigDialogModel::fill() {
    const CompetitionHead& h = draft_.Head;
    text[FieldName] = h.CompetitionName.get();
    text[FieldPairs] = std::to_string(h.PairCount);
    text[FieldGroups] = std::to_string(h.GroupCount);
    text[FieldCompetitions] = std::to_string(h.CompetitionsPerSeason);
    text[FieldSessions] = std::to_string(h.SessionsPerCompetition);
    text[FieldTables] = std::to_string(h.TableCount);
    text[FieldPctOneSub] = PercentText(h.MaxPctOneSub);
    text[FieldPctTwoSubs] = PercentText(h.MaxPctTwoSubs);
    scoringIndex = h.ScoringMode <= ModeIndividual ? h.ScoringMode : 0;
    neubergIndex = h.NeubergMode <= NeubergOneDecimal ? h.NeubergMode : 0;
    calcIndex = h.CalcMethod <= CalcTopIntegral ? h.CalcMethod : 0;
    useContracts = (h.ConfigFlags & ConfigFlag::UseContracts) != 0;
}

std::string ConfigDialogModel::caption() const {
    return club_.IsCompetition ? "Competitie gegevens Stap 1" : "Zitting gegevens";
}

std::string ConfigDialogModel::label(int field) const {
    switch (field) {
    case FieldName:
        return club_.IsCompetition ? "Club-Competitie naam: " : "Drive/Zitting naam ";
    case FieldPairs:
        return scoringIndex == ModeIndividual ? "Aantal Spelers" : "Aantal Paren: ";
    case FieldGroups:
        return "Aantal Groepen: ";
    case FieldCompetitions:
        return "Aantal Competities: ";
    case FieldSessions:
        return "Aantal Zittingen: ";
    case FieldTables:
        return "Aantal Tafels";
    case FieldPctOneSub:
        return "Met 1 invaller";
    case FieldPctTwoSubs:
        return "Met 2 Invallers : ";
    case FieldScoring:
        return "Scoretelling";
    case FieldNeuberg:
        return "Neuberg methode";
    case FieldCalcMethod:
        return "Berekening";
    case FieldContracts:
        return "Contracten gebruiken ";
    default:
        return {};
    }
}

bool ConfigDialogModel::fieldVisible(int field) const {
    if (field == FieldCompetitions || field == FieldSessions)
        return club_.IsCompetition;
    if (field == FieldPromDegrButton)
        return club_.IsCompetition && !promDegr.visible;
    return true;
}

int ConfigDialogModel::nextField(int field) const {
    switch (field) {
    case FieldGroups:
        return club_.IsCompetition ? FieldCompetitions : FieldTables;
    case FieldCalcMethod:
    case FieldContracts:
        return fieldVisible(FieldPromDegrButton) ? FieldPromDegrButton : FieldOk;
    case FieldOk:
        return FieldOk;
    default:
        return field + 1;
    }
}

int ConfigDialogModel::fieldOfCode(int code) {
    switch (code) {
    case 2:
    case 10:
    case 11:
    case 12:
    case 20:
        return FieldPairs;
    case 3:
    case 13:
        return FieldGroups;
    case 4:
    case 14:
        return FieldCompetitions;
    case 5:
    case 15:
        return FieldSessions;
    case 6:
    case 16:
        return FieldTables;
    case 7:
    case 17:
        return FieldPctOneSub;
    case 8:
    case 18:
        return FieldPctTwoSubs;
    default:
        return FieldName;
    }
}

int ConfigDialogModel::countError(int field, int code, const std::string& message, int suffix) {
    ErrorCode scratch;
    ShowFileError(dialogs_, scratch, message, suffix, Hint::CorrectInput);
    dialogs_.beep();
    (void)field;
    if (dialogs_.askYesNo("Toch afsluiten "))
        return 0;
    return code;
}

int ConfigDialogModel::validateField(int field) {
    CompetitionHead& h = draft_.Head;
    if (field == FieldName) {
        h.CompetitionName.set(Utf8Left(text[FieldName], 32));
        return 0;
    }
    if (field >= FieldPairs && field <= FieldTables) {
        const std::string shown(Trim(text[field]));
        const auto parsed = ParseWholeNumber(shown);
        if (!parsed)
            dialogs_.beep();
        const int value = parsed.value_or(0);
        int code = 0;
        std::string message;
        auto fail = [&](int c, const std::string& m) {
            code = c;
            message = m;
        };
        if (value <= 0)
            fail(field, "Aantal foutief " + shown);
        switch (field) {
        case FieldPairs:
            if (value % 2 != 0)
                fail(11, "Aantal paren moet even zijn " + shown);
            if (value > kMaxPairs)
                fail(12, "Aantal te groot " + shown);
            if (club_.SessionCount() >= 2 && value > h.PairCount)
                fail(10, "Alleen parenwijziging voor éérste zitting " + shown);
            break;
        case FieldGroups:
            if (value > kMaxGroups)
                fail(13, "Aantal te groot " + shown);
            if (value > 1 && h.PairCount % value != 0)
                fail(20, "Aantal groepen moet deler zijn van aantal paren, " + std::to_string(h.PairCount) +
                             "\r" + "zie ook \"Zitting|Kiezen Parenselectie\"");
            break;
        case FieldCompetitions:
            if (value >= kMaxCompetitions + 1)
                fail(14, "Aantal te groot " + shown);
            break;
        case FieldSessions:
            if (value >= kMaxSessions + 1)
                fail(15, "Aantal te groot " + shown);
            break;
        case FieldTables:
            if (value >= kMaxTables + 1)
                fail(16, "Aantal te groot " + shown);
            break;
        }
        if (code != 0) {
            const int result = countError(field, code, message,
                                          code == 10 ? FileError::NotAllowed : FileError::InvalidValue);
            // Groups that do not divide the pairs may be kept on purpose; OK asks again.
            if (result == 0 && code == 20)
                h.GroupCount = static_cast<std::int16_t>(value);
            return result;
        }
        const auto v = static_cast<std::int16_t>(value);
        switch (field) {
        case FieldPairs:
            h.PairCount = v;
            break;
        case FieldGroups:
            h.GroupCount = v;
            break;
        case FieldCompetitions:
            h.CompetitionsPerSeason = v;
            break;
        case FieldSessions:
            h.SessionsPerCompetition = v;
            break;
        case FieldTables:
            h.TableCount = v;
            break;
        }
        return 0;
    }
    if (field == FieldPctOneSub || field == FieldPctTwoSubs) {
        const std::string shown(Trim(text[field]));
        // Either "." or "," is accepted as decimal sign.
        ErrorCode scratch;
        const double value = ReadNumber(shown, 0, false, dialogs_, scratch);
        int code = 0;
        std::string message;
        if (!(value > 0)) {
            code = field;
            message = "Aantal foutief " + shown;
        } else if (value > 75) {
            code = field + 10;
            message = "Aantal te groot " + shown;
        }
        if (code != 0) {
            ErrorCode scratch;
            ShowFileError(dialogs_, scratch, message, FileError::InvalidValue, Hint::CorrectInput);
            dialogs_.beep();
            return code;
        }
        (field == FieldPctOneSub ? h.MaxPctOneSub : h.MaxPctTwoSubs) = value;
        return 0;
    }
    switch (field) {
    case FieldScoring:
        h.ScoringMode = static_cast<std::uint16_t>(scoringIndex);
        break;
    case FieldNeuberg:
        h.NeubergMode = static_cast<std::uint16_t>(neubergIndex);
        break;
    case FieldCalcMethod:
        h.CalcMethod = static_cast<std::uint16_t>(calcIndex);
        break;
    case FieldContracts:
        if (useContracts)
            h.ConfigFlags |= ConfigFlag::UseContracts;
        else
            h.ConfigFlags &= static_cast<std::uint16_t>(~ConfigFlag::UseContracts);
        break;
    }
    return 0;
}

bool ConfigDialogModel::accept() {
    for (int field = FieldName; field <= FieldContracts; ++field) {
        if (!fieldVisible(field))
            continue;
        const int code = validateField(field);
        if (code != 0) {
            focus = fieldOfCode(code);
            return false;
        }
    }
    draft_.PromotionsUp[0] = 0;
    const CompetitionHead& h = draft_.Head;
    if (h.TableCount % GroupsOf(h) != 0)
        dialogs_.error(std::string(ErrorPrefix(ErrorMessage::GroupsNotDivisorOfTables)));
    if (h.GroupCount > 0 && h.PairCount % h.GroupCount != 0 &&
        !dialogs_.askYesNo("Aantalparen \"past\" niet in aantal groepen, doorgaan ?")) {
        focus = FieldGroups;
        return false;
    }
    return true;
}

namespace {

// Takes what the dialog edits: the head and the promotion settings.
void TakeConfig(Club& club, const TConfigObj& accepted) {
    club.CompetitionHead = accepted.Head;
    StoreHead(club);
    club.ConfigRecord.PromotionsUp = accepted.PromotionsUp;
    club.ConfigRecord.Degradations = accepted.Degradations;
    club.ConfigRecord.GroupBonus = accepted.GroupBonus;
    DeriveValues(club, nullptr);
}

} // namespace

bool ConfigDialogModel::commit() {
    change_ = {};
    if (TablesPerGroupOf(draft_.Head) > kMaxTablesPerGroup) {
        ErrorCode scratch;
        ShowError(dialogs_, scratch, club_.ClubFileName, ErrorMessage::TooManyTablesPerGroup);
        change_.refused = true;
        return false;
    }
    if (isNew_ || club_.PairList.empty())
        TakeConfig(club_, draft_);
    else
        change_ = ApplyStructuralChanges(club_, draft_, dialogs_);
    return true;
}

// ---------------------------------------------------------------------------------------------

char ConfigDialogModel::PromDegrBox::letter() const {
    return GroupLetter(group);
}

void ConfigDialogModel::openPromDegr() {
    const TConfigObj& c = draft_;
    promDegr.visible = true;
    promDegr.group = 1;
    promDegr.degradations = c.Degradations[0];
    promDegr.bonus = c.GroupBonus[0];
    promDegr.maxDegradations = club_.PairsPerGroup / 2;
    promDegr.maxBonus = c.Head.GroupCount * 3;
}

void ConfigDialogModel::storePromDegr() {
    TConfigObj& c = draft_;
    const int g = promDegr.group;
    if (g < 1 || g > kMaxGroups)
        return;
    auto clamp = [](int v, int hi) { return v < 0 ? 0 : (v > hi ? hi : v); };
    const int degr = clamp(promDegr.degradations, promDegr.maxDegradations);
    c.Degradations[g - 1] = static_cast<std::int16_t>(degr);
    c.GroupBonus[g - 1] = static_cast<std::int16_t>(clamp(promDegr.bonus, promDegr.maxBonus));
    // The pairs going down from g are the pairs of g + 1 going up into g.
    if (g < c.Head.GroupCount)
        c.PromotionsUp[g] = static_cast<std::int16_t>(degr);
}

void ConfigDialogModel::nextPromDegrGroup() {
    storePromDegr();
    const int last = draft_.Head.GroupCount - 1;
    promDegr.group = std::max(1, std::min(promDegr.group + 1, last));
    promDegr.degradations = draft_.Degradations[promDegr.group - 1];
    promDegr.bonus = draft_.GroupBonus[promDegr.group - 1];
}

void ConfigDialogModel::previousPromDegrGroup() {
    storePromDegr();
    promDegr.group = std::max(promDegr.group - 1, 1);
    // Both values of the group shown, so "Volgend" never stores one group's count in another.
    promDegr.degradations = draft_.Degradations[promDegr.group - 1];
    promDegr.bonus = draft_.GroupBonus[promDegr.group - 1];
}

bool ConfigDialogModel::confirmPromDegr() {
    storePromDegr();
    const int groups = draft_.Head.GroupCount;
    if (groups >= 1 && groups <= kMaxGroups)
        draft_.Degradations[groups - 1] = 0;
    if (promDegr.group < groups - 1 && !dialogs_.askYesNo("Zijn alle groepen \"gedaan\" "))
        return false;
    promDegrConfirmed = true;
    promDegr.visible = false;
    focus = FieldOk;
    return true;
}

// ---------------------------------------------------------------------------------------------

namespace {

bool HeadDiffers(const CompetitionHead& a, const CompetitionHead& b) {
    return !(a.CompetitionName == b.CompetitionName) || a.PairCount != b.PairCount ||
           a.GroupCount != b.GroupCount || a.SessionsPerCompetition != b.SessionsPerCompetition ||
           a.TableCount != b.TableCount || a.ScoringMode != b.ScoringMode || a.NeubergMode != b.NeubergMode ||
           a.CalcMethod != b.CalcMethod || a.ConfigFlags != b.ConfigFlags ||
           a.MaxPctOneSub != b.MaxPctOneSub || a.MaxPctTwoSubs != b.MaxPctTwoSubs;
}

void SetGroupArrays(TZitCalcObj& s, int groups, int pairsPerGroup, int tablesPerGroup) {
    for (int g = 0; g < groups && g < kMaxGroups; ++g) {
        s.GroupPairs[g] = static_cast<std::int16_t>(pairsPerGroup);
        s.GroupTables[g] = static_cast<std::int16_t>(tablesPerGroup);
    }
}

} // namespace

StructuralChange ApplyStructuralChanges(Club& club, const TConfigObj& accepted, Dialogs& dialogs) {
    StructuralChange change;
    const CompetitionHead saved = club.CompetitionHead;
    const CompetitionHead& h = accepted.Head;
    if (h.GroupCount != saved.GroupCount) {
        dialogs.information("Aantal groepen is veranderd, niet toegestaan\rMaak een NIEUW bestand");
        change.refused = true;
        return change;
    }
    change.headChanged = HeadDiffers(h, saved);
    if (h.PairCount != saved.PairCount && h.GroupCount > 0) {
        change.pairCountChanged = true;
        dialogs.information("Aantal paren veranderd in: " + std::to_string(h.PairCount) + "\r" +
                            "Score gegevens kunnen verloren gaan\r" +
                            "Bestand eerst bewaren en opnieuw openen\r" + "Schema(`s) opnieuw inlezen");
        const int groups = h.GroupCount;
        const int p0 = saved.PairCount / groups;
        const int p1 = h.PairCount / groups;
        const bool individual = h.ScoringMode > ModeCrossImp;
        if (p1 > p0) {
            int inserted = 0;
            for (int g = 1; g <= groups; ++g) {
                for (int k = 1; k <= p1 - p0; ++k) {
                    const std::size_t at = static_cast<std::size_t>((g - 1) * p1 + p0 + k);
                    ++inserted;
                    TParenObj pair = MakeNewPair(1, p1, groups, individual);
                    pair.ClubNr = static_cast<std::int16_t>(saved.PairCount + inserted);
                    pair.GrpNr = static_cast<std::int16_t>(p0 + k);
                    const char letter = groups == 1 ? ' ' : GroupLetter(g);
                    pair.Groep = static_cast<std::uint8_t>(letter);
                    std::string name = individual ? "Speler" : "Paar";
                    if (letter != ' ')
                        name += letter;
                    pair.Naam.set(name + std::to_string(pair.GrpNr));
                    pair.Indx = static_cast<std::int16_t>(at);
                    const std::size_t pos = std::min(at, club.PairList.size());
                    club.PairList.insert(club.PairList.begin() + static_cast<std::ptrdiff_t>(pos), pair);
                    for (auto& session : club.SessionList) {
                        const std::size_t rpos = std::min(at, session.Rows.size());
                        session.Rows.insert(session.Rows.begin() + static_cast<std::ptrdiff_t>(rpos),
                                            TCalcObj::NewRow(pair.ClubNr));
                    }
                }
            }
        } else if (p1 < p0) {
            // The result rows go with their pairs, so every remaining pair keeps its own results.
            for (int g = groups; g >= 1; --g) {
                const std::size_t first = static_cast<std::size_t>((g - 1) * p0 + p1 + 1);
                const std::size_t last = static_cast<std::size_t>(g * p0 + 1); // exclusive
                auto erase = [&](auto& list) {
                    if (first >= list.size())
                        return;
                    list.erase(list.begin() + static_cast<std::ptrdiff_t>(first),
                               list.begin() + static_cast<std::ptrdiff_t>(std::min(last, list.size())));
                };
                erase(club.PairList);
                for (auto& session : club.SessionList)
                    erase(session.Rows);
            }
        }
        // Record 0 is the header; its Indx holds the year.
        for (std::size_t i = 1; i < club.PairList.size(); ++i)
            club.PairList[i].Indx = static_cast<std::int16_t>(i);
    }
    TakeConfig(club, accepted);
    if (change.pairCountChanged) {
        for (auto& session : club.SessionList)
            SetGroupArrays(session, h.GroupCount, club.PairsPerGroup, club.TablesPerGroup);
        SetGroupArrays(club.SessionHead, h.GroupCount, club.PairsPerGroup, club.TablesPerGroup);
    }
    return change;
}

ConfigSaving SavingAfterChange(const StructuralChange& change, const ConfigDialogModel& dialog) {
    if (change.refused)
        return ConfigSaving::None;
    if (change.pairCountChanged || dialog.promDegrConfirmed || dialog.enterConfirmed)
        return ConfigSaving::WriteUnderChosenPath;
    return change.headChanged ? ConfigSaving::Write : ConfigSaving::None;
}

} // namespace velk
