#include "terminals/TableTerminals.h"

#include "core/files/DamagedFile.h"
#include "core/records/FirstBoard.h"
#include "core/records/PairRecord.h"
#include "schedules/ScheduleLookup.h"
#include "scoring/ScoreFormat.h"
#include "terminals/TablePins.h"

#include <algorithm>
#include <nlohmann/json.hpp>

namespace velk::terminals {

namespace {

using Json = nlohmann::ordered_json;

TableResponse Answer(int status, const Json& body) {
    return {status, body.dump()};
}

TableResponse Refusal(int status, const std::string& message) {
    return Answer(status, Json{{"error", message}});
}

std::string Trimmed(std::string s) {
    const auto first = s.find_first_not_of(' ');
    const auto last = s.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first, last - first + 1);
}

// The record that holds the contract of a table's board: the declaring side's.
const TScoreObj& Declared(const TScoreObj& ns, const TScoreObj& ew) {
    return ns.Contract.get().empty() && !ew.Contract.get().empty() ? ew : ns;
}

// How the earlier entry of a board is named in a refusal: its contract and its score.
std::string EntryName(const TScoreObj& ns, const TScoreObj& ew) {
    const TScoreObj& declared = Declared(ns, ew);
    const std::string score = Trimmed(FormatScore(ns));
    const std::string contract = declared.Contract.get();
    return contract.empty() ? score : contract + " " + declared.Result.get() + " (" + score + ")";
}

// The phone names the entry it corrects by the score it was shown, with or without its mark.
bool Names(const std::optional<std::string>& previous, const TScoreObj& ns) {
    return previous &&
           (Trimmed(*previous) == Trimmed(FormatScore(ns)) || Trimmed(*previous) == std::to_string(ns.Score));
}

bool SameEntry(const TScoreObj& a, const TScoreObj& b) {
    return a.Score == b.Score && a.Code == b.Code && a.Contract.get() == b.Contract.get() &&
           a.Result.get() == b.Result.get();
}

} // namespace

TableTerminals::TableTerminals(Club& club, const ScoreTables& tables, std::string journalPath)
    : club_(club), journal_(std::move(journalPath)),
      leadFile_(LeadFile::PathFor(club.ClubFilePath, club.CurrentSession)) {
    // A damaged leads file keeps its bytes beside it before the next save writes over it.
    if (std::string problem; !leadFile_.read(leads_, problem)) {
        if (SetAsideDamagedFile(leadFile_.path()).empty()) {
            problem_ = problem;
            return;
        }
        leadNotice_ = problem + "; opzij gezet, de uitkomsten beginnen opnieuw";
    }
    if (ScoresIndividually(club)) {
        problem_ = "Tafels (telefoon) alleen bij parencompetities";
        return;
    }
    scoring_ = MakeSessionScoreEntry(club, tables, dialogs_);
    if (!scoring_.entry->open(ScoreEntry::Mode::PerBoard)) {
        problem_ = dialogs_.last.empty() ? "ScoreRecords niet aanwezig" : dialogs_.last;
        return;
    }
    for (int g = 1; g <= club.CompetitionHead.GroupCount; ++g)
        for (int t = 1; t <= club.TablesPerGroup; ++t)
            for (int r = 1; r <= club.SessionHead.RoundCount; ++r) {
                const TSchemaObj* e = ScheduleEntry(club, g, r, t);
                if (e == nullptr || (e->NS == 0 && e->EW == 0))
                    continue;
                std::string label = TableLabel(club, e->Table);
                if (label.empty())
                    label = std::string(1, GroupLetter(g)) + std::to_string(t);
                tables_.push_back({Trimmed(label), g, t, {}});
                break;
            }
    if (tables_.empty())
        problem_ = "Geen schema voor zitting " + std::to_string(club.CurrentSession);
}

void TableTerminals::issuePins() {
    for (TerminalTable& t : tables_)
        t.pin = FreshPin();
}

bool TableTerminals::setPin(const std::string& label, const std::string& pin) {
    TerminalTable* t = findTable(label);
    if (t != nullptr)
        t->pin = pin;
    return t != nullptr;
}

int TableTerminals::firstBoardNumber() const {
    return FirstBoardOf(club_.SessionHead);
}

std::string TableTerminals::leadOf(const BoardBody& body) const {
    if (body.score || body.lead.empty())
        return {};
    return NormalLeadCard(body.lead).value_or(std::string());
}

KeptLead TableTerminals::leadAt(const TerminalTable& t, int board, const Seat& seat,
                                const BoardBody& body) const {
    return {GroupLetter(t.group), board + firstBoardNumber() - 1, seat.nsRow, leadOf(body)};
}

std::optional<TableTerminals::Seat> TableTerminals::seatOf(const TerminalTable& t, int round) const {
    const TSchemaObj* e = ScheduleEntry(club_, t.group, round, t.table);
    if (e == nullptr)
        return std::nullopt;
    const int base = (t.group - 1) * club_.PairsPerGroup;
    const int ns = e->NS - base;
    const int ew = e->EW - base;
    // A sit-out round has no boards to enter.
    if (ns < 1 || ns > club_.PairsPerGroup || ew < 1 || ew > club_.PairsPerGroup)
        return std::nullopt;
    Seat seat{ns, ew, {}};
    for (int b = 1; b <= club_.SessionHead.BoardCount; ++b)
        if (BoardGroupOfBoard(club_, b) == e->Letter)
            seat.boards.push_back(b);
    if (seat.boards.empty())
        return std::nullopt;
    return seat;
}

bool TableTerminals::entered(const TerminalTable& t, int board, int nsRow) {
    ScoreEntry& entry = *scoring_.entry;
    entry.selectGroup(t.group);
    return !AwaitsScore(entry.record(board, nsRow));
}

bool TableTerminals::roundStarted(const TerminalTable& t, int round) {
    const auto seat = seatOf(t, round);
    return seat && std::any_of(seat->boards.begin(), seat->boards.end(),
                               [&](int b) { return entered(t, b, seat->nsRow); });
}

int TableTerminals::currentRound(const TerminalTable& t) {
    for (int r = 1; r <= club_.SessionHead.RoundCount; ++r)
        if (const auto seat = seatOf(t, r))
            for (const int b : seat->boards)
                if (!entered(t, b, seat->nsRow))
                    return r;
    return club_.SessionHead.RoundCount + 1;
}

int TableTerminals::boardsEntered(const TerminalTable& t, int& total) {
    int done = 0;
    total = 0;
    for (int r = 1; r <= club_.SessionHead.RoundCount; ++r)
        if (const auto seat = seatOf(t, r))
            for (const int b : seat->boards) {
                ++total;
                done += entered(t, b, seat->nsRow) ? 1 : 0;
            }
    return done;
}

std::vector<int> TableTerminals::writableRounds(const TerminalTable& t) {
    // The current round, and the one played before it until the next one has an entry.
    const int current = currentRound(t);
    std::vector<int> rounds;
    if (current <= club_.SessionHead.RoundCount)
        rounds.push_back(current);
    if (current > club_.SessionHead.RoundCount || !roundStarted(t, current))
        for (int r = current - 1; r >= 1; --r)
            if (seatOf(t, r)) {
                rounds.push_back(r);
                break;
            }
    return rounds;
}

TerminalTable* TableTerminals::findTable(const std::string& label) {
    for (TerminalTable& t : tables_)
        if (t.label == label)
            return &t;
    return nullptr;
}

TableResponse TableTerminals::handle(const TableRequestIn& request, Clock::time_point now) {
    if (request.method != "GET" && request.method != "PUT")
        return Refusal(405, "Verzoek niet toegestaan");
    // The labels alone, for the phone to choose its table; everything else needs the PIN.
    if (request.path == "/api/v1/tables")
        return request.method == "GET" ? tableList() : Refusal(405, "Verzoek niet toegestaan");
    const auto path = ParseTablePath(request.path);
    TerminalTable* table = path ? findTable(path->label) : nullptr;
    if (table == nullptr)
        return Refusal(404, "Tafel bestaat niet");
    const std::string tableKey = "tafel " + table->label;
    const std::string clientKey = "adres " + request.client;
    if (limit_.locked(tableKey, now) || limit_.locked(clientKey, now))
        return Refusal(429, "Te vaak een verkeerde PIN; probeer het over enkele minuten opnieuw");
    if (!PinMatches(table->pin, request.pin)) {
        const bool tableLocked = limit_.wrong(tableKey, now);
        const bool clientLocked = limit_.wrong(clientKey, now);
        if (tableLocked || clientLocked)
            return Refusal(429, "Te vaak een verkeerde PIN; probeer het over enkele minuten opnieuw");
        return Refusal(401, request.pin.empty() ? "PIN ontbreekt" : "PIN onjuist");
    }
    // The address keeps its count: a phone with its own table's PIN must not win fresh guesses at
    // the others by using it in between.
    limit_.right(tableKey);
    switch (path->kind) {
    case TablePath::Kind::Table:
        return request.method == "GET" ? tableInfo(*table) : Refusal(405, "Verzoek niet toegestaan");
    case TablePath::Kind::Round:
        return request.method == "GET" ? roundInfo(*table, path->number)
                                       : Refusal(405, "Verzoek niet toegestaan");
    case TablePath::Kind::Board:
        return request.method == "PUT" ? enterBoard(*table, path->number, request.body)
                                       : Refusal(405, "Verzoek niet toegestaan");
    }
    return Refusal(404, "Tafel bestaat niet");
}

TableResponse TableTerminals::tableList() const {
    Json labels = Json::array();
    for (const TerminalTable& t : tables_)
        labels.push_back(t.label);
    return Answer(200, Json{{"tables", labels}});
}

TableResponse TableTerminals::tableInfo(TerminalTable& t) {
    Json rounds = Json::array();
    for (int r = 1; r <= club_.SessionHead.RoundCount; ++r)
        if (seatOf(t, r))
            rounds.push_back(r);
    const int current = currentRound(t);
    return Answer(200,
                  Json{{"table", t.label},
                       {"round", current <= club_.SessionHead.RoundCount ? Json(current) : Json(nullptr)},
                       {"rounds", rounds}});
}

TableResponse TableTerminals::roundInfo(TerminalTable& t, int round) {
    const auto seat = round <= club_.SessionHead.RoundCount ? seatOf(t, round) : std::nullopt;
    if (!seat)
        return Refusal(404, "Ronde " + std::to_string(round) + " wordt niet gespeeld aan tafel " + t.label);
    const auto open = writableRounds(t);
    if (std::find(open.begin(), open.end(), round) == open.end())
        return Refusal(403, "Ronde " + std::to_string(round) + " is niet aan de beurt");
    Json boards = Json::array();
    Json done = Json::object();
    ScoreEntry& entry = *scoring_.entry;
    entry.selectGroup(t.group);
    for (const int b : seat->boards) {
        const int number = b + firstBoardNumber() - 1;
        boards.push_back(number);
        const TScoreObj& ns = entry.record(b, seat->nsRow);
        if (AwaitsScore(ns))
            continue;
        const TScoreObj& ew = entry.record(b, seat->ewRow);
        Json one{{"ns", ns.Score}, {"ew", ew.Score}};
        if (const TScoreObj& declared = Declared(ns, ew); !declared.Contract.get().empty()) {
            one["contract"] = declared.Contract.get();
            one["result"] = declared.Result.get();
        }
        one["text"] = Trimmed(FormatScore(ns));
        if (const std::string lead = LeadAt(leads_, GroupLetter(t.group), number, seat->nsRow); !lead.empty())
            one["lead"] = lead;
        done[std::to_string(number)] = one;
    }
    return Answer(200, Json{{"round", round},
                            {"ns", seat->nsRow},
                            {"ew", seat->ewRow},
                            {"boards", boards},
                            {"entered", done}});
}

bool TableTerminals::apply(const TerminalTable& t, int board, const Seat& seat, const BoardBody& body,
                           std::string& message) {
    ScoreEntry& entry = *scoring_.entry;
    entry.selectGroup(t.group);
    dialogs_.last.clear();
    // An entry replaces the table's whole entry of the board: a contract the other side declared
    // before must not stay beside a new score or the other side's contract.
    for (const int row : {seat.nsRow, seat.ewRow})
        if (TScoreObj& r = entry.record(board, row); !r.Contract.get().empty()) {
            r.Contract.set("");
            r.Result.set("");
        }
    bool ok = false;
    if (body.score)
        ok = entry.acceptScoreFor(board, seat.nsRow, *body.score);
    else if (body.declarerNorthSouth())
        ok = entry.acceptContractFor(board, seat.nsRow, body.contract, body.result);
    else
        ok = entry.acceptContractFor(board, seat.ewRow, body.contract, body.result);
    // Every entry stands on its own, as a line of velk-cli scores enter does.
    entry.lastError = 0;
    if (!ok)
        message = dialogs_.last.empty() ? "Score bestaat NIET " : dialogs_.last;
    return ok;
}

TableResponse TableTerminals::enterBoard(TerminalTable& t, int boardNumber, const std::string& text) {
    const int board = boardNumber - firstBoardNumber() + 1;
    int round = 0;
    std::optional<Seat> seat;
    for (int r = 1; r <= club_.SessionHead.RoundCount && !seat; ++r)
        if (auto s = seatOf(t, r);
            s && std::find(s->boards.begin(), s->boards.end(), board) != s->boards.end()) {
            seat = s;
            round = r;
        }
    if (!seat)
        return Refusal(404,
                       "Spel " + std::to_string(boardNumber) + " wordt niet gespeeld aan tafel " + t.label);
    const auto open = writableRounds(t);
    if (std::find(open.begin(), open.end(), round) == open.end())
        return Refusal(403, "Spel " + std::to_string(boardNumber) + " hoort niet bij de huidige ronde");
    std::string problem;
    const auto body = ParseBoardBody(text, problem);
    if (!body)
        return Refusal(400, problem);

    ScoreEntry& entry = *scoring_.entry;
    entry.selectGroup(t.group);
    const TScoreObj beforeNs = entry.record(board, seat->nsRow);
    const TScoreObj beforeEw = entry.record(board, seat->ewRow);
    const bool wasEntered = !AwaitsScore(beforeNs);
    const bool wasDirty = entry.dirty;
    std::string message;
    if (!apply(t, board, *seat, *body, message))
        return Refusal(400, message);
    auto undo = [&] {
        entry.record(board, seat->nsRow) = beforeNs;
        entry.record(board, seat->ewRow) = beforeEw;
        entry.dirty = wasDirty;
    };
    const TScoreObj& ns = entry.record(board, seat->nsRow);
    const TScoreObj& ew = entry.record(board, seat->ewRow);
    const Json answer{{"ns", ns.Score}, {"ew", ew.Score}};
    const KeptLead lead = leadAt(t, board, *seat, *body);
    const bool same = wasEntered && SameEntry(beforeNs, ns) && SameEntry(beforeEw, ew) &&
                      LeadAt(leads_, lead.group, lead.board, lead.northSouth) == lead.card;
    if (wasEntered && !same && !Names(body->previous, beforeNs)) {
        undo();
        return Refusal(409, "Spel " + std::to_string(boardNumber) +
                                " is al ingevoerd: " + EntryName(beforeNs, beforeEw));
    }
    // The phone shows the score for the opponents to confirm before it is stored.
    if (body->check) {
        undo();
        return Answer(200, answer);
    }
    if (same)
        return Answer(200, answer); // the same entry again, as after a lost answer
    Json line{{"table", t.label}, {"board", boardNumber}};
    line["entry"] = Json::parse(BoardBodyJson(*body));
    if (!journal_.append(line.dump())) {
        undo();
        return Refusal(503, "Invoer niet bewaard; probeer het opnieuw");
    }
    SetLeadAt(leads_, lead);
    unsaved_ = true;
    return Answer(200, answer);
}

int TableTerminals::restore() {
    std::vector<std::string> lines;
    if (!journal_.read(lines, problem_))
        return -1;
    int restored = 0;
    for (const std::string& line : lines) {
        const auto j = Json::parse(line, nullptr, false);
        if (!j.is_object() || !j.contains("table") || !j["table"].is_string() || !j.contains("board") ||
            !j["board"].is_number_integer() || !j.contains("entry"))
            continue;
        TerminalTable* t = findTable(j["table"].get<std::string>());
        std::string problem;
        const auto body = ParseBoardBody(j["entry"].dump(), problem);
        if (t == nullptr || !body)
            continue;
        const int board = j["board"].get<int>() - firstBoardNumber() + 1;
        for (int r = 1; r <= club_.SessionHead.RoundCount; ++r)
            if (auto s = seatOf(*t, r);
                s && std::find(s->boards.begin(), s->boards.end(), board) != s->boards.end()) {
                // The journal is in the order the entries were accepted: a later line corrects.
                std::string message;
                if (apply(*t, board, *s, *body, message)) {
                    SetLeadAt(leads_, leadAt(*t, board, *s, *body));
                    ++restored;
                    unsaved_ = true;
                }
                break;
            }
    }
    return restored;
}

bool TableTerminals::save() {
    if (!scoring_.entry->saveAll(false))
        return false;
    // The journal holds the leads until they too are on disk.
    std::vector<KeptLead> onDisk;
    std::string problem;
    const bool same = leadFile_.read(onDisk, problem) && onDisk == leads_;
    if (!same && !leadFile_.save(leads_)) {
        dialogs_.last = "Uitkomsten niet bewaard: " + leadFile_.path();
        return false;
    }
    unsaved_ = false;
    return journal_.clear();
}

bool TableTerminals::savedElsewhere() {
    unsaved_ = false;
    return journal_.clear();
}

} // namespace velk::terminals
