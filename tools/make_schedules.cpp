// Generates the library of base schedules in Schemas/ for common club movements. Usage:
//   velk-make-schedules OUTDIR          writes the .ws0 files
//   velk-make-schedules --check DIR     exits 1 when the files in DIR differ from what is generated
//
// Howell: every pair meets every other pair once and plays every board group once; the last pair
// stays at table 1 while the others move round a cycle. With three tables no board groups exist
// that two tables could share, so all three play the same group in a round (duplicated boards). Mitchell:
// North-South pairs stay, East-West pairs move up a table and the boards down a table each round; with an
// even number of tables the East-West pairs skip a table halfway and one round fewer is played.

#include "core/files/BaseScheduleFile.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

using velk::ScheduleCounts;
using velk::WorkSchedule;

int Mod(int a, int m) {
    return ((a % m) + m) % m;
}

struct Match {
    int NS;
    int EW;
};

// Board groups for the Howell matches: each pair gets each group once, and at most `share`
// tables play the same group in a round. Depth-first, in a fixed order, so the files never change.
class HowellBoards {
public:
    HowellBoards(const std::vector<std::vector<Match>>& rounds, int groups, int share)
        : rounds_(rounds), groups_(groups), share_(share),
          pairGroups_(static_cast<std::size_t>(2 * groups + 3),
                      std::vector<bool>(static_cast<std::size_t>(groups))),
          result_(rounds.size(), std::vector<int>(rounds.front().size(), -1)) {}

    bool solve() { return place(0, 0); }
    int group(int r, int t) const {
        return result_[static_cast<std::size_t>(r)][static_cast<std::size_t>(t)];
    }

private:
    bool place(int r, int t) {
        if (r == static_cast<int>(rounds_.size()))
            return true;
        const int tables = static_cast<int>(rounds_[0].size());
        const int nextR = t + 1 == tables ? r + 1 : r;
        const int nextT = t + 1 == tables ? 0 : t + 1;
        const Match& m = rounds_[static_cast<std::size_t>(r)][static_cast<std::size_t>(t)];
        for (int g = 0; g < groups_; ++g) {
            auto ns = pairGroups_[static_cast<std::size_t>(m.NS)][static_cast<std::size_t>(g)];
            auto ew = pairGroups_[static_cast<std::size_t>(m.EW)][static_cast<std::size_t>(g)];
            if (ns || ew || usedInRound(r, t, g) >= share_)
                continue;
            setPair(m, g, true);
            result_[static_cast<std::size_t>(r)][static_cast<std::size_t>(t)] = g;
            if (place(nextR, nextT))
                return true;
            setPair(m, g, false);
        }
        result_[static_cast<std::size_t>(r)][static_cast<std::size_t>(t)] = -1;
        return false;
    }
    int usedInRound(int r, int before, int g) const {
        int n = 0;
        for (int t = 0; t < before; ++t)
            n += group(r, t) == g;
        return n;
    }
    void setPair(const Match& m, int g, bool v) {
        pairGroups_[static_cast<std::size_t>(m.NS)][static_cast<std::size_t>(g)] = v;
        pairGroups_[static_cast<std::size_t>(m.EW)][static_cast<std::size_t>(g)] = v;
    }

    const std::vector<std::vector<Match>>& rounds_;
    int groups_;
    int share_;
    std::vector<std::vector<bool>> pairGroups_;
    std::vector<std::vector<int>> result_;
};

WorkSchedule Howell(int tables) {
    const int cycle = 2 * tables - 1; // rounds and board groups
    const int pairs = 2 * tables;
    std::vector<std::vector<Match>> rounds;
    for (int r = 0; r < cycle; ++r) {
        std::vector<Match> round{{pairs, r + 1}};
        for (int i = 1; i < tables; ++i)
            round.push_back({Mod(r + i, cycle) + 1, Mod(r - i, cycle) + 1});
        rounds.push_back(round);
    }
    WorkSchedule s = WorkSchedule::Empty(ScheduleCounts{pairs, tables, cycle, cycle});
    for (int share = 1; share <= tables; ++share) {
        HowellBoards boards(rounds, cycle, share);
        if (!boards.solve())
            continue;
        for (int r = 0; r < cycle; ++r)
            for (int t = 0; t < tables; ++t) {
                auto& e = s.at(r + 1, t + 1);
                e.NS = static_cast<std::int16_t>(
                    rounds[static_cast<std::size_t>(r)][static_cast<std::size_t>(t)].NS);
                e.EW = static_cast<std::int16_t>(
                    rounds[static_cast<std::size_t>(r)][static_cast<std::size_t>(t)].EW);
                e.Letter = static_cast<std::uint8_t>('A' + boards.group(r, t));
            }
        break;
    }
    return s;
}

WorkSchedule Mitchell(int tables) {
    const bool even = tables % 2 == 0;
    const int rounds = even ? tables - 1 : tables;
    WorkSchedule s = WorkSchedule::Empty(ScheduleCounts{2 * tables, tables, rounds, tables});
    for (int r = 1; r <= rounds; ++r)
        for (int t = 1; t <= tables; ++t) {
            const int skip = even && r > tables / 2 ? 1 : 0;
            auto& e = s.at(r, t);
            e.NS = static_cast<std::int16_t>(t);
            e.EW = static_cast<std::int16_t>(tables + Mod(t + r - 2 + skip, tables) + 1);
            e.Letter = static_cast<std::uint8_t>('A' + Mod(t - r, tables));
        }
    return s;
}

struct LibraryFile {
    std::string name;
    WorkSchedule schedule;
};

std::vector<LibraryFile> Library() {
    return {
        {"5r-6p-howell-3t.ws0", Howell(3)},      {"7r-8p-howell-4t.ws0", Howell(4)},
        {"5r-12p-mitchell-6t.ws0", Mitchell(6)}, {"7r-14p-mitchell-7t.ws0", Mitchell(7)},
        {"7r-16p-mitchell-8t.ws0", Mitchell(8)},
    };
}

std::vector<std::uint8_t> ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

int main(int argc, char** argv) {
    const bool check = argc == 3 && std::string(argv[1]) == "--check";
    if (argc != 2 && !check) {
        std::fprintf(stderr, "gebruik: velk-make-schedules MAP | --check MAP\n");
        return 2;
    }
    const std::filesystem::path folder = argv[argc - 1];
    int status = 0;
    for (const auto& file : Library()) {
        const auto bytes = velk::SerializeBaseSchedule(file.schedule);
        const auto path = folder / file.name;
        if (check) {
            if (ReadAll(path) != bytes) {
                std::fprintf(stderr, "%s wijkt af\n", path.string().c_str());
                status = 1;
            }
            continue;
        }
        std::filesystem::create_directories(folder);
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out) {
            std::fprintf(stderr, "%s niet geschreven\n", path.string().c_str());
            status = 1;
        }
    }
    return status;
}
