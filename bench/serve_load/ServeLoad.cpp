// The table server under load: the real TableServer on 127.0.0.1 with a free port, 64 clients
// at once (four phones at each of 16 tables), every one polling its table's round and entering its
// boards, a quarter of them also reading the live results. Prints the answers' median and 99th
// percentile; then stops, saves, reads the score file back and fails unless it holds every
// accepted entry exactly once. Usage: velk_serve_load FILE.dba (see bench/serve_load.sh).
#include "club/ClubFile.h"
#include "club/CompanionLists.h"
#include "club/Sessions.h"
#include "core/Clock.h"
#include "core/ProgramFolder.h"
#include "core/SilentDialogs.h"
#include "scoring/ScoreEntry.h"
#include "scoring/ScoreTables.h"
#include "terminals/EntryJournal.h"
#include "terminals/LiveResultsSite.h"
#include "terminals/TableServer.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <httplib.h>
#include <map>
#include <mutex>
#include <nlohmann/json.hpp>
#include <thread>
#include <vector>

using namespace velk;
using Json = nlohmann::json;
using Ms = std::chrono::duration<double, std::milli>;

namespace {

constexpr int kPhonesPerTable = 4;
constexpr int kPollsPerBoard = 3;
// Nothing waits longer than this: a stuck server fails the run instead of hanging it.
constexpr auto kDeadline = std::chrono::seconds(50);

// A competition opened as velk-cli opens it, with the companion files.
struct Open {
    SystemClock clock;
    SilentDialogs dialogs;
    Club club;
    CompanionLists companions{dialogs};
    ClubFile file{club, dialogs, clock};
    bool open(const std::string& path) {
        club.Companions = &companions;
        file.stopTrackingChanges();
        return file.open(path) && LoadSession(club, club.SessionCount());
    }
};

// What a table enters on a board: part scores and arbitral scores, the same whatever the
// vulnerability, as contracts and as scores.
std::string EntryFor(int table, int board) {
    static const char* const entries[] = {
        R"({"contract":"2S","declarer":"N","result":"C","lead":"HA"})",
        R"({"contract":"3K","declarer":"O","result":"+1"})",
        R"({"contract":"1SA","declarer":"Z","result":"+1"})",
        R"({"score":140})",
        R"({"score":-110})",
        R"({"score":"A60%"})",
    };
    return entries[(table * 7 + board) % 6];
}

struct Tally {
    std::mutex lock;
    std::vector<double> millis;
    std::vector<double> siteMillis; // of the results page alone
    std::map<int, int> statuses;
    std::vector<std::string> failures;
    // table label and board number -> the North-South row and score of the first accepted answer
    std::map<std::pair<std::string, int>, std::pair<int, int>> accepted;
    int repeatedAnswers = 0; // the same entry again from another phone of the table
};

void Phone(int port, const terminals::TerminalTable& table, int tableIndex, int phone, Tally& tally,
           std::chrono::steady_clock::time_point deadline) {
    httplib::Client http("127.0.0.1", port);
    // As a phone's browser: one connection kept open, no Nagle delay.
    http.set_keep_alive(true);
    http.set_tcp_nodelay(true);
    http.set_connection_timeout(5, 0);
    http.set_read_timeout(10, 0);
    const httplib::Headers pin{{"X-Velk-Pin", table.pin}};
    std::vector<double> mine;
    std::map<int, int> statuses;
    const auto call = [&](const char* method, const std::string& path, const std::string& body) {
        const auto start = std::chrono::steady_clock::now();
        httplib::Result r = std::string(method) == "PUT" ? http.Put(path, pin, body, "application/json")
                                                         : http.Get(path, pin);
        mine.push_back(Ms(std::chrono::steady_clock::now() - start).count());
        const int status = r ? r->status : -1;
        ++statuses[status];
        return std::pair{status, r ? r->body : std::string()};
    };
    const auto fail = [&](const std::string& what) {
        std::lock_guard<std::mutex> hold(tally.lock);
        tally.failures.push_back(table.label + " phone " + std::to_string(phone) + ": " + what);
    };
    const std::string base = "/api/v1/tables/" + table.label;
    const auto play = [&] {
        while (std::chrono::steady_clock::now() < deadline) {
            const auto [status, text] = call("GET", base, "");
            const Json info = Json::parse(text, nullptr, false);
            if (status != 200 || !info.is_object() || !info.contains("round"))
                return fail("table " + std::to_string(status) + " " + text);
            if (info["round"].is_null())
                break;
            const int round = info["round"].get<int>();
            const std::string roundPath = base + "/rounds/" + std::to_string(round);
            const auto [rs, rtext] = call("GET", roundPath, "");
            const Json r = Json::parse(rtext, nullptr, false);
            // A phone of the table may have moved the round on in between.
            if (rs == 403)
                continue;
            if (rs != 200 || !r.is_object() || !r.contains("boards"))
                return fail("round " + std::to_string(rs) + " " + rtext);
            for (const int board : r["boards"].get<std::vector<int>>()) {
                for (int p = 0; p < kPollsPerBoard; ++p)
                    call("GET", roundPath, "");
                const auto [ps, ptext] =
                    call("PUT", base + "/boards/" + std::to_string(board), EntryFor(tableIndex, board));
                if (ps == 403)
                    break; // the round has moved on
                const Json answer = Json::parse(ptext, nullptr, false);
                if (ps != 200 || !answer.is_object() || !answer.contains("ns"))
                    return fail("board " + std::to_string(board) + " " + std::to_string(ps) + " " + ptext);
                std::lock_guard<std::mutex> hold(tally.lock);
                const auto key = std::pair{table.label, board};
                const auto [at, fresh] =
                    tally.accepted.emplace(key, std::pair{r["ns"].get<int>(), answer["ns"].get<int>()});
                if (!fresh) {
                    ++tally.repeatedAnswers;
                    if (at->second.second != answer["ns"].get<int>())
                        tally.failures.push_back(table.label + " board " + std::to_string(board) +
                                                 ": two answers for one entry");
                }
            }
            if (phone == 0) {
                const auto [ss, stext] = call("GET", "/uitslag/index.html", "");
                if (ss != 200)
                    return fail("results " + std::to_string(ss));
                std::lock_guard<std::mutex> hold(tally.lock);
                tally.siteMillis.push_back(mine.back());
            }
        }
        if (std::chrono::steady_clock::now() >= deadline)
            fail("not finished before the deadline");
    };
    play();
    std::lock_guard<std::mutex> hold(tally.lock);
    tally.millis.insert(tally.millis.end(), mine.begin(), mine.end());
    for (const auto& [s, n] : statuses)
        tally.statuses[s] += n;
}

double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const auto i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
    return v[std::min(i, v.size() - 1)];
}

// Every accepted entry in the score file, once: the North-South record of its table holds the
// answered score, and every board holds exactly the records of the tables that played it.
int CheckScoreFile(const std::string& path, const std::vector<terminals::TerminalTable>& tables,
                   const Tally& tally, int accepted) {
    Open again;
    if (!again.open(path)) {
        std::fprintf(stderr, "FAIL: the score file cannot be read back\n");
        return 1;
    }
    Club& club = again.club;
    const auto& records = club.SessionScoreList[static_cast<std::size_t>(club.CurrentSession - 1)].Records;
    const int boards = club.SessionHead.BoardCount;
    int lost = 0;
    for (const auto& item : tally.accepted) {
        const std::pair<std::string, int>& key = item.first;
        const std::pair<int, int>& entry = item.second;
        const auto t = std::find_if(tables.begin(), tables.end(),
                                    [&](const terminals::TerminalTable& x) { return x.label == key.first; });
        const int board = key.second - std::max<int>(club.SessionHead.FirstBoardNumber, 1) + 1;
        const auto i = static_cast<std::size_t>(
            ScoreRecordIndex(t->group, board, entry.first, boards, club.PairsPerGroup));
        lost += !(i < records.size() && !AwaitsScore(records[i]) && records[i].Score == entry.second);
    }
    // Each table that played a board gave it one North-South and one East-West record.
    int filled = 0;
    for (std::size_t i = 1; i < records.size(); ++i)
        filled += !AwaitsScore(records[i]);
    const int wrong = filled - 2 * accepted;
    std::printf("entries accepted %d, in the score file %d, lost %d, doubled %d\n", accepted, filled / 2,
                lost, std::max(wrong, 0));
    if (lost != 0 || wrong != 0) {
        std::fprintf(stderr, "FAIL: the score file does not hold every accepted entry exactly once\n");
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: velk_serve_load FILE.dba\n");
        return 2;
    }
    const std::string path = std::filesystem::absolute(argv[1]).string();
    Open open;
    if (!open.open(path)) {
        std::fprintf(stderr, "FAIL: %s cannot be opened\n", path.c_str());
        return 1;
    }
    ErrorCode error;
    const ScoreTables scoreTables = LoadScoreTables(DataFolder(), open.dialogs, error);
    terminals::TableTerminals terminals(open.club, scoreTables,
                                        terminals::EntryJournal::PathFor(path, open.club.CurrentSession));
    if (!terminals.ready()) {
        std::fprintf(stderr, "FAIL: %s\n", terminals.problem().c_str());
        return 1;
    }
    terminals.issuePins();
    const auto tables = terminals.tables();
    terminals::TableServer server(terminals);
    terminals::LiveResultsSite site(open.club, scoreTables, &terminals.leads());
    server.serveResults(site);
    const int port = server.bind("127.0.0.1", 0);
    if (port < 0) {
        std::fprintf(stderr, "FAIL: no port on 127.0.0.1\n");
        return 1;
    }
    server.start();

    Tally tally;
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + kDeadline;
    std::vector<std::thread> phones;
    for (std::size_t t = 0; t < tables.size(); ++t)
        for (int p = 0; p < kPhonesPerTable; ++p)
            phones.emplace_back(Phone, port, std::cref(tables[t]), static_cast<int>(t), p, std::ref(tally),
                                deadline);
    for (std::thread& phone : phones)
        phone.join();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    server.stop();
    if (!server.save(false)) {
        std::fprintf(stderr, "FAIL: not saved: %s\n", terminals.lastMessage().c_str());
        return 1;
    }

    std::printf("%zu clients on %zu tables, %zu requests in %.2f s (%.0f per second)\n", phones.size(),
                tables.size(), tally.millis.size(), seconds,
                static_cast<double>(tally.millis.size()) / seconds);
    if (!tally.millis.empty())
        std::printf("answer time: median %.2f ms, 99th percentile %.2f ms, longest %.2f ms\n",
                    Percentile(tally.millis, 0.5), Percentile(tally.millis, 0.99),
                    *std::max_element(tally.millis.begin(), tally.millis.end()));
    if (!tally.siteMillis.empty())
        std::printf("the results page (%zu times): median %.2f ms, longest %.2f ms\n",
                    tally.siteMillis.size(), Percentile(tally.siteMillis, 0.5),
                    *std::max_element(tally.siteMillis.begin(), tally.siteMillis.end()));
    std::printf("statuses:");
    for (const auto& [status, n] : tally.statuses)
        std::printf(" %d x%d", status, n);
    std::printf("; the same entry again from another phone: %d\n", tally.repeatedAnswers);
    for (const std::string& f : tally.failures)
        std::fprintf(stderr, "FAIL: %s\n", f.c_str());
    const int accepted = static_cast<int>(tally.accepted.size());
    const int status = CheckScoreFile(path, tables, tally, accepted);
    std::error_code ec;
    if (std::filesystem::file_size(terminals::EntryJournal::PathFor(path, open.club.CurrentSession), ec) >
            0 &&
        !ec) {
        std::fprintf(stderr, "FAIL: the journal was not emptied by the save\n");
        return 1;
    }
    return tally.failures.empty() ? status : 1;
}
