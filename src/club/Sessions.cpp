#include "club/Sessions.h"

#include "club/CompetitionData.h"
#include "core/DateHelpers.h"
#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/NumberHelpers.h"
#include "core/TextHelpers.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace velk {

std::string SessionDateText(int day, int month, int year) {
    return FormatDate(Date{day, month, year});
}

TZitCalcObj NewSessionRecord(const Club& club) {
    TZitCalcObj s;
    s.CompetitionNr = static_cast<std::int16_t>(club.CompetitionNumber);
    s.SessionNr = static_cast<std::int16_t>(club.SessionCount() + 1);
    s.BoardCount = 24;
    s.RoundCount = 6;
    s.BoardGroupCount = 6;
    s.FirstBoardNumber = 1;
    s.BoardsPerRound = 4;
    // A club plays the same evening week after week: the previous session is the best guess.
    if (!club.SessionList.empty()) {
        const TZitCalcObj& previous = club.SessionList.back();
        s.BoardCount = previous.BoardCount;
        s.RoundCount = previous.RoundCount;
        s.BoardGroupCount = previous.BoardGroupCount;
        s.BoardsPerRound = previous.BoardsPerRound;
    }
    s.TablesPerGroup = static_cast<std::int16_t>(club.TablesPerGroup);
    s.PairsPerGroup = static_cast<std::int16_t>(club.PairsPerGroup);
    s.SessionDate.set(club.TodayText);
    for (int g = 0; g < club.CompetitionHead.GroupCount && g < kMaxGroups; ++g) {
        s.GroupPairs[g] = static_cast<std::int16_t>(club.PairsPerGroup);
        s.GroupTables[g] = static_cast<std::int16_t>(club.TablesPerGroup);
    }
    const std::size_t rows = static_cast<std::size_t>(std::max<int>(club.CompetitionHead.PairCount, 0)) + 1;
    s.Rows.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i)
        s.Rows.push_back(TCalcObj::NewRow(i == 0 || i >= club.PairList.size() ? 0 : club.PairList[i].ClubNr));
    return s;
}

void AppendNewSession(Club& club) {
    club.SessionList.push_back(NewSessionRecord(club));
    const int n = club.SessionCount();
    LoadSession(club, n);
    if (club.Companions)
        club.Companions->sessionCreated(club, n);
}

bool LoadSession(Club& club, int n) {
    if (n < 1 || n > club.SessionCount())
        return false;
    const TZitCalcObj& record = club.SessionList[static_cast<std::size_t>(n - 1)];
    club.SessionHead = record;
    club.SessionHead.Rows.clear();
    club.SessionHead.CompetitionNr = static_cast<std::int16_t>(club.CompetitionNumber);
    club.CurrentSession = n;
    if (club.Companions)
        club.Companions->sessionSelected(club, n);
    return true;
}

bool StoreSession(Club& club, int n) {
    if (n < 1 || n > club.SessionCount())
        return false;
    TZitCalcObj& record = club.SessionList[static_cast<std::size_t>(n - 1)];
    std::vector<TCalcObj> rows = std::move(record.Rows);
    record = club.SessionHead;
    record.Rows = std::move(rows);
    if (club.Companions)
        club.Companions->sessionStored(club, n);
    return true;
}

bool DeleteLastSession(Club& club, Dialogs& dialogs, const std::function<bool()>& save) {
    const int last = club.SessionCount();
    if (last == 0 || club.CurrentSession < last) {
        ShowError(dialogs, club.ErrorCode, "", ErrorMessage::SessionCannotDelete);
        return false;
    }
    // The record goes with all its result rows, so nothing of it can come back.
    club.SessionList.pop_back();
    if (club.Companions)
        club.Companions->sessionRemoved(club, last);
    if (club.SessionCount() > 0) {
        LoadSession(club, club.SessionCount());
    } else {
        club.CurrentSession = 0;
        club.SessionHead = TZitCalcObj{};
    }
    if (save) {
        if (save())
            dialogs.information("Zitting verwijderd, Nr: " + std::to_string(last));
        else
            dialogs.error("Zitting " + std::to_string(last) +
                          " is alleen in het geheugen verwijderd: het bestand is niet bewaard.\r"
                          "Bewaar het bestand, anders staat de zitting er bij het openen weer in.");
    }
    return true;
}

// ---------------------------------------------------------------------------------------------

SessionDialogModel::SessionDialogModel(Club& club, Dialogs& dialogs, std::function<bool()> save)
    : club_(club), dialogs_(dialogs), save_(std::move(save)) {}

std::vector<std::string> SessionDialogModel::items(int field) {
    std::vector<std::string> out;
    int from = 0, to = 0;
    switch (field) {
    case BoardsField:
        from = 4, to = 48;
        break;
    case RoundsField:
        from = 1, to = 16;
        break;
    case BoardGroupsField:
        from = 1, to = 16;
        break;
    case FirstBoardField:
    case GroupLengthField:
        from = 0, to = 8;
        break;
    default:
        return out;
    }
    for (int v = from; v <= to; ++v)
        out.push_back(std::to_string(v));
    return out;
}

bool SessionDialogModel::setDateText(const std::string& typed) {
    const std::string_view trimmed = Trim(typed);
    const auto lastDash = trimmed.rfind('-');
    // The picker shows four-digit years; with the year always given, "today" plays no part.
    const auto parsed = lastDash != std::string_view::npos && trimmed.size() - lastDash == 5
                            ? ParseDate(trimmed, DateTime{})
                            : std::nullopt;
    ErrorCode scratch;
    if (!parsed) {
        ShowFileError(dialogs_, scratch, "Speeldatum " + typed, FileError::InvalidDate, Hint::CorrectInput);
        return false;
    }
    if (parsed->year > latestYear()) {
        ShowFileError(dialogs_, scratch,
                      "Speeldatum " + typed + " na " + SessionDateText(31, 12, latestYear()),
                      FileError::NotAllowed, Hint::CorrectInput);
        return false;
    }
    date = FormatDate(*parsed);
    return true;
}

void SessionDialogModel::fillBoxes() {
    const TZitCalcObj& s = club_.SessionHead;
    text[BoardsField] = std::to_string(s.BoardCount);
    text[RoundsField] = std::to_string(s.RoundCount);
    text[BoardGroupsField] = std::to_string(s.BoardGroupCount);
    text[FirstBoardField] = std::to_string(s.FirstBoardNumber);
    text[GroupLengthField] = std::to_string(s.BoardsPerRound);
    date = s.SessionDate.get();
}

void SessionDialogModel::showParameters() {
    fillBoxes();
    parametersVisible = true;
    focus = BoardsField;
}

bool SessionDialogModel::open(int requestedMode, const std::string& openWindow) {
    accepted_ = false;
    newSessionNumber = 0;
    mode = requestedMode;
    if (!openWindow.empty()) {
        ShowError(dialogs_, club_.ErrorCode, openWindow, ErrorMessage::CloseWindowsFirst);
        return false;
    }
    if (club_.IsCompetition) {
        sessionBoxVisible = true;
        if (mode == NewSession) {
            if (club_.SessionCount() >= club_.CompetitionHead.SessionsPerCompetition) {
                ShowError(dialogs_, club_.ErrorCode, "Gebruik lagere zitting index",
                          ErrorMessage::SessionCannotOpenIndex);
                return false;
            }
            AppendNewSession(club_);
            newSessionNumber = club_.SessionCount();
            sessionBoxText = "Zitting :" + std::to_string(newSessionNumber);
            sessionLabel = "Nieuwe zitting";
            okCaption = "OK";
            state = New;
            showParameters();
        } else {
            sessionItems.clear();
            for (const auto& s : club_.SessionList)
                sessionItems.push_back("Zitting: " + std::to_string(s.SessionNr));
            sessionBoxText = sessionItems.empty() ? std::string() : sessionItems.front();
            sessionLabel = "Kies Zitting";
            okCaption = "Kiezen";
            parametersVisible = false;
            state = Choose;
            focus = SessionBoxField;
        }
        return true;
    }
    // A drive holds a single session, edited in place.
    sessionBoxVisible = false;
    if (mode == NewSession)
        return false;
    if (!LoadSession(club_, club_.SessionCount()))
        return false;
    std::string base = club_.ClubFileName;
    if (const auto dot = base.find('.'); dot != std::string::npos)
        base.resize(dot);
    sessionLabel = " Selecteer Drive/Zitting gegevens\r                " + base;
    okCaption = "Select";
    state = Edit;
    showParameters();
    return true;
}

void SessionDialogModel::sessionBoxEdited() {
    if (state == Choose || state == Edit) {
        state = Choose;
        okCaption = "Kiezen";
        sessionLabel = "Selecteer";
    }
}

bool SessionDialogModel::choose() {
    const std::string t(Trim(sessionBoxText));
    const std::size_t take = club_.SessionCount() < 10 ? 1 : 2;
    const int n = t.size() >= take ? ParseWholeNumber(t.substr(t.size() - take)).value_or(0) : 0;
    if (n <= 0) {
        ErrorCode scratch;
        ShowFileError(dialogs_, scratch, "Zitting = 0 ", FileError::InvalidValue, Hint::CorrectInput);
        dialogs_.beep();
        return false;
    }
    if (n > club_.CompetitionHead.SessionsPerCompetition) {
        ErrorCode scratch;
        ShowError(dialogs_, scratch, "gebruik lagere zitting index", ErrorMessage::SessionCannotOpenIndex);
        dialogs_.beep();
        return false;
    }
    if (n > club_.SessionCount()) {
        ErrorCode scratch;
        ShowError(dialogs_, scratch, "voor nieuwe zitting", ErrorMessage::SessionCannotOpen);
        dialogs_.beep();
        return false;
    }
    LoadSession(club_, n);
    state = Edit;
    okCaption = "OK";
    showParameters();
    return true;
}

int SessionDialogModel::nextField(int field) {
    return field >= OkField ? OkField : field + 1;
}

int SessionDialogModel::validateField(int field) {
    if (field < BoardsField || field > GroupLengthField)
        return 0;
    const auto parsed = ParseWholeNumber(text[field]);
    if (!parsed)
        dialogs_.beep();
    const int value = parsed.value_or(0);
    const std::string shown(Trim(text[field]));
    static const char* const zeroTexts[] = {"",
                                            "Aantal Spellen = 0",
                                            "Aantal Ronden = 0",
                                            "Aantal Spelgroepen = 0",
                                            "Eerste Spelnummer = 0",
                                            "Lengte Spelgroep = 0"};
    TZitCalcObj& s = club_.SessionHead;
    std::string error;
    if (value <= 0) {
        error = zeroTexts[field];
    } else {
        switch (field) {
        case BoardsField:
            if (value < 49)
                s.BoardCount = static_cast<std::int16_t>(value);
            else
                error = "Aantal Spellen te groot: " + shown;
            break;
        case RoundsField:
            if (value < 17)
                s.RoundCount = static_cast<std::int16_t>(value);
            else
                error = "Aantal Ronden te groot: " + shown;
            break;
        case BoardGroupsField:
            if (value < 27)
                s.BoardGroupCount = static_cast<std::int16_t>(value);
            else
                error = "Aantal Spelgroepen te groot: " + shown;
            break;
        case FirstBoardField:
            if (value < 49)
                s.FirstBoardNumber = static_cast<std::uint8_t>(value);
            else
                error = "Eerste Spelnummer te groot: " + shown;
            break;
        case GroupLengthField:
            if (s.BoardGroupCount > 0 && s.BoardCount % s.BoardGroupCount == 0 && value < 256)
                s.BoardsPerRound = static_cast<std::uint8_t>(value);
            else
                error = "Aantal Spellen per spelgroep foutief: " + shown;
            break;
        }
    }
    if (error.empty())
        return 0;
    ErrorCode scratch;
    ShowFileError(dialogs_, scratch, "Aantal foutief \r" + error + " ", FileError::InvalidValue,
                  Hint::CorrectInput);
    dialogs_.beep();
    focus = field;
    return field;
}

bool SessionDialogModel::accept() {
    if (state == Choose)
        return false;
    for (int field = BoardsField; field <= GroupLengthField; ++field)
        if (validateField(field) != 0)
            return false;
    if (!date.empty())
        club_.SessionHead.SessionDate.set(date);
    StoreSession(club_, club_.CurrentSession);
    const CompetitionHead& h = club_.CompetitionHead;
    if (h.GroupCount > 0 && h.PairCount % h.GroupCount != 0 &&
        !dialogs_.askYesNo("Aantalparen \"past\" niet in aantal groepen, doorgaan ?"))
        return false;
    const TZitCalcObj& s = club_.SessionHead;
    if (s.BoardCount < s.RoundCount * s.BoardsPerRound &&
        !dialogs_.askYesNo("Aantalspellen is kleiner dan aantal rondes x spellen per tafel, doorgaan ?"))
        return false;
    accepted_ = true;
    if (state == New) {
        if (save_)
            save_();
    } else if (club_.ClubFilePath.empty() || club_.ClubFilePath == "*.dba") {
        return true;
    }
    if (!LoadSession(club_, club_.CurrentSession))
        dialogs_.error("Zitting actie niet gelukt");
    return true;
}

void SessionDialogModel::cancel() {
    accepted_ = false;
}

bool SessionDialogModel::finish() {
    bool openPoints = false;
    if (mode == NewSession && newSessionNumber > 0) {
        if (!accepted_) {
            // The new session was never confirmed: it goes again, silently.
            if (club_.CurrentSession == club_.SessionCount())
                DeleteLastSession(club_, dialogs_);
        } else {
            openPoints = dialogs_.askYesNo("Zitting openen ?");
        }
    }
    if (club_.CurrentSession > 0 && club_.SessionHead.CompetitionNr != club_.CompetitionNumber) {
        ShowError(dialogs_, club_.ErrorCode, club_.ClubFileName, ErrorMessage::OtherCompetition);
    } else if (club_.CurrentSession > 0) {
        const TZitCalcObj& stored = club_.SessionList[static_cast<std::size_t>(club_.CurrentSession - 1)];
        if (stored.CompetitionNr != club_.CompetitionNumber && club_.IsCompetition)
            ShowError(dialogs_, club_.ErrorCode, club_.ClubFileName, ErrorMessage::OtherCompetition);
    }
    state = Idle;
    return openPoints;
}

// ---------------------------------------------------------------------------------------------

SessionPickerModel::SessionPickerModel(const Club& club, Dialogs& dialogs) : club_(club), dialogs_(dialogs) {
    for (int n = 1; n <= club.SessionCount(); ++n)
        items.push_back(std::to_string(n));
    boxText = items.empty() ? std::string() : items.front();
}

bool SessionPickerModel::validate() {
    std::string t(Trim(boxText));
    if (const auto blank = t.find(' '); blank != std::string::npos)
        t.resize(blank);
    if (t.size() > 2)
        t.resize(2);
    ErrorCode scratch;
    if (t.empty()) {
        ShowFileError(dialogs_, scratch, "Zitting ", FileError::InvalidValue, Hint::CorrectInput);
        return false;
    }
    if (t == "*") {
        result = 0;
        return true;
    }
    const int n = ParseWholeNumber(t).value_or(0);
    if (n < 1 || n > club_.SessionCount()) {
        ShowFileError(dialogs_, scratch, "Zitting " + t, FileError::InvalidValue, Hint::CorrectInput);
        return false;
    }
    result = n;
    return true;
}

// ---------------------------------------------------------------------------------------------

ActivePairsModel::ActivePairsModel(Club& club, Dialogs& dialogs) : club_(club), dialogs_(dialogs) {
    show();
}

char ActivePairsModel::letter() const {
    return GroupLetter(group);
}

std::string ActivePairsModel::pairsLabel() const {
    return club_.IsIndividual ? "Aantal Spelers" : "Aantal Paren";
}

bool ActivePairsModel::groupButtonsVisible() const {
    return club_.CompetitionHead.GroupCount > 1;
}

void ActivePairsModel::show() {
    pairs = club_.SessionHead.GroupPairs[static_cast<std::size_t>(group - 1)];
    tables = club_.SessionHead.GroupTables[static_cast<std::size_t>(group - 1)];
}

void ActivePairsModel::store() {
    const int maxPairs = club_.PairsPerGroup;
    const int maxTables = kMaxTablesPerGroup;
    club_.SessionHead.GroupPairs[static_cast<std::size_t>(group - 1)] =
        static_cast<std::int16_t>(std::clamp(pairs, 0, std::max(maxPairs, 0)));
    club_.SessionHead.GroupTables[static_cast<std::size_t>(group - 1)] =
        static_cast<std::int16_t>(std::clamp(tables, 0, maxTables));
}

void ActivePairsModel::nextGroup() {
    store();
    group = std::min<int>(group + 1, std::clamp<int>(club_.CompetitionHead.GroupCount, 1, kMaxGroups));
    show();
}

void ActivePairsModel::previousGroup() {
    store();
    group = std::max(group - 1, 1);
    show();
}

bool ActivePairsModel::accept() {
    if (group < club_.CompetitionHead.GroupCount && !dialogs_.askYesNo("Zijn alle groepen \"gedaan\" "))
        return false;
    store();
    StoreSession(club_, club_.CurrentSession);
    return true;
}

} // namespace velk
