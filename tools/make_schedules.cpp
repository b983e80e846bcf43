// Generates the library of base schedules in Schemas/ and its README. Usage:
//   velk-make-schedules OUTDIR          writes the .ws0 files and README
//   velk-make-schedules --check DIR     exits 1 when the files in DIR differ from what is generated
//
// Howell (complete and part): an array of rounds x board groups in which every pair appears once
// in each round and once in each board group and meets any other pair at most once (a Room square
// for the complete Howell, a Howell design for a part Howell). Found by a seeded local search, so
// the output never changes; the directions are then chosen so that any two pairs are compared
// (same direction on the same board) as evenly as possible. With 4 and 6 pairs no such array
// exists; there tables share a board group in as few rounds as possible.
// Mitchell: North-South pairs stay, East-West pairs move up a table and the boards down a table
// each round; with an even number of tables the East-West pairs skip a table halfway and one round
// fewer is played.

#include "core/files/BaseScheduleFile.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <numeric>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

using velk::ScheduleCounts;
using velk::WorkSchedule;

int Mod(int a, int m) {
    return ((a % m) + m) % m;
}

std::size_t Ix(int i) {
    return static_cast<std::size_t>(i);
}

struct Match {
    int NS; // 1-based pair numbers
    int EW;
    int group; // 0-based board group
};

// One round per item, the matches in table order.
using Movement = std::vector<std::vector<Match>>;

// Board groups for the cyclic Howell rounds: each pair gets each group once; at most `sharedRounds`
// rounds have a group at more than one table. Depth-first in a fixed order.
class CyclicBoards {
public:
    CyclicBoards(Movement& rounds, int groups, int sharedRounds)
        : rounds_(rounds), groups_(groups), budget_(sharedRounds),
          pairGroups_(Ix(2 * groups + 3), std::vector<bool>(Ix(groups))) {}

    bool solve() { return place(0, 0); }

private:
    bool place(int r, int t) {
        if (r == static_cast<int>(rounds_.size()))
            return true;
        const int tables = static_cast<int>(rounds_[0].size());
        const int nextR = t + 1 == tables ? r + 1 : r;
        const int nextT = t + 1 == tables ? 0 : t + 1;
        Match& m = rounds_[Ix(r)][Ix(t)];
        const bool roundShared = t > 0 && sharedSoFar(r, t);
        for (int g = 0; g < groups_; ++g) {
            if (pairGroups_[Ix(m.NS)][Ix(g)] || pairGroups_[Ix(m.EW)][Ix(g)])
                continue;
            const bool shares = usedInRound(r, t, g);
            const bool spends = shares && !roundShared;
            if (spends && budget_ == 0)
                continue;
            budget_ -= spends;
            setPair(m, g, true);
            m.group = g;
            if (place(nextR, nextT))
                return true;
            setPair(m, g, false);
            budget_ += spends;
        }
        m.group = -1;
        return false;
    }
    bool usedInRound(int r, int before, int g) const {
        for (int t = 0; t < before; ++t)
            if (rounds_[Ix(r)][Ix(t)].group == g)
                return true;
        return false;
    }
    bool sharedSoFar(int r, int before) const {
        for (int t = 1; t < before; ++t)
            if (usedInRound(r, t, rounds_[Ix(r)][Ix(t)].group))
                return true;
        return false;
    }
    void setPair(const Match& m, int g, bool v) {
        pairGroups_[Ix(m.NS)][Ix(g)] = v;
        pairGroups_[Ix(m.EW)][Ix(g)] = v;
    }

    Movement& rounds_;
    int groups_;
    int budget_;
    std::vector<std::vector<bool>> pairGroups_;
};

// The classic cyclic Howell: the last pair stays at table 1, the others move round a cycle.
Movement CyclicHowell(int tables) {
    const int cycle = 2 * tables - 1;
    const int pairs = 2 * tables;
    Movement rounds;
    for (int r = 0; r < cycle; ++r) {
        std::vector<Match> round{{pairs, r + 1, -1}};
        for (int i = 1; i < tables; ++i)
            round.push_back({Mod(r + i, cycle) + 1, Mod(r - i, cycle) + 1, -1});
        rounds.push_back(round);
    }
    for (int shared = 0; shared <= cycle; ++shared) {
        Movement attempt = rounds;
        if (CyclicBoards(attempt, cycle, shared).solve())
            return attempt;
    }
    return {};
}

// A cyclic Howell design over Z_R (R rounds and R board groups) with k = pairs - R fixed pairs
// "infinity": round 0 holds pairs {x, y} of Z_R with distinct differences and k singletons z paired
// with a fixed pair; round r adds r to every finite pair and every board group. A starter-adder
// condition makes every pair play every group once: the groups g of round 0 (distinct) are chosen
// so that the values x - g, y - g, z - g cover Z_R. Depth-first with seeded value orders.
class CyclicDesign {
public:
    CyclicDesign(int pairs, int rounds, unsigned seed)
        : r_(rounds), k_(pairs - rounds), rng_(seed), used_(Ix(r_)), diff_(Ix(r_)), group_(Ix(r_)),
          image_(Ix(r_)) {}

    // Round 0: the matches (finite symbols 0..R-1, fixed ones R..pairs-1) with their groups.
    bool solve(long nodes) {
        nodes_ = nodes;
        return place(k_);
    }
    Movement movement() const {
        Movement m;
        for (int r = 0; r < r_; ++r) {
            m.emplace_back();
            for (const Cell& c : cells_) {
                const int a = c.x >= r_ ? c.x : Mod(c.x + r, r_);
                m.back().push_back({a + 1, Mod(c.y + r, r_) + 1, Mod(c.group + r, r_)});
            }
        }
        return m;
    }

private:
    struct Cell {
        int x; // a fixed symbol (>= R) or a finite one
        int y;
        int group;
    };

    std::vector<int> order(int count) {
        std::vector<int> v(Ix(count));
        std::iota(v.begin(), v.end(), 0);
        std::shuffle(v.begin(), v.end(), rng_);
        return v;
    }

    bool place(int singles) {
        if (--nodes_ < 0)
            return false;
        int x = 0;
        while (x < r_ && used_[Ix(x)])
            ++x;
        if (x == r_)
            return singles == 0;
        used_[Ix(x)] = true;
        for (const int g : order(r_)) {
            if (group_[Ix(g)])
                continue;
            group_[Ix(g)] = true;
            const int ix = Mod(x - g, r_);
            if (singles > 0 && !image_[Ix(ix)]) {
                image_[Ix(ix)] = true;
                cells_.push_back({r_ + k_ - singles, x, g});
                if (place(singles - 1))
                    return true;
                cells_.pop_back();
                image_[Ix(ix)] = false;
            }
            for (const int y : order(r_)) {
                const int d = Mod(y - x, r_);
                if (used_[Ix(y)] || d == 0 || 2 * d == r_ || diff_[Ix(d)] || image_[Ix(ix)])
                    continue;
                const int iy = Mod(y - g, r_);
                if (image_[Ix(iy)])
                    continue;
                used_[Ix(y)] = diff_[Ix(d)] = diff_[Ix(r_ - d)] = image_[Ix(ix)] = image_[Ix(iy)] = true;
                cells_.push_back({x, y, g});
                if (place(singles))
                    return true;
                cells_.pop_back();
                used_[Ix(y)] = diff_[Ix(d)] = diff_[Ix(r_ - d)] = image_[Ix(ix)] = image_[Ix(iy)] = false;
            }
            group_[Ix(g)] = false;
            if (nodes_ < 0)
                break;
        }
        used_[Ix(x)] = false;
        return false;
    }

    int r_;
    int k_;
    std::mt19937 rng_;
    std::vector<bool> used_;
    std::vector<bool> diff_;
    std::vector<bool> group_;
    std::vector<bool> image_;
    std::vector<Cell> cells_;
    long nodes_ = 0;
};

// How often each two pairs play a board group in the same direction.
std::vector<std::vector<int>> Comparisons(const Movement& m, int pairs) {
    std::vector<std::vector<int>> c(Ix(pairs + 1), std::vector<int>(Ix(pairs + 1)));
    std::vector<std::vector<int>> ns, ew;
    for (const auto& round : m)
        for (const Match& x : round) {
            if (Ix(x.group) >= ns.size()) {
                ns.resize(Ix(x.group + 1));
                ew.resize(Ix(x.group + 1));
            }
            ns[Ix(x.group)].push_back(x.NS);
            ew[Ix(x.group)].push_back(x.EW);
        }
    for (const auto* side : {&ns, &ew})
        for (const auto& members : *side)
            for (const int p : members)
                for (const int q : members)
                    if (p != q)
                        ++c[Ix(p)][Ix(q)];
    return c;
}

struct Balance {
    int low = 0;
    int high = 0;
    double spread = 0; // standard deviation of the comparison counts
    long squares = 0;
};

Balance BalanceOf(const Movement& m, int pairs) {
    const auto c = Comparisons(m, pairs);
    Balance b{1 << 30, 0, 0, 0};
    double sum = 0;
    int count = 0;
    for (int p = 1; p <= pairs; ++p)
        for (int q = p + 1; q <= pairs; ++q) {
            const int v = c[Ix(p)][Ix(q)];
            b.low = std::min(b.low, v);
            b.high = std::max(b.high, v);
            b.squares += v * v;
            sum += v;
            ++count;
        }
    const double mean = sum / count;
    b.spread = std::sqrt(std::max(0.0, static_cast<double>(b.squares) / count - mean * mean));
    return b;
}

// Turns tables round (North-South becomes East-West) while that makes the comparisons more even;
// the sum of squares falls with every accepted flip, so it ends. Restarts from seeded random
// directions keep the best.
void EvenDirections(Movement& m, int pairs, unsigned seed) {
    std::mt19937 rng(seed);
    std::vector<std::vector<Match*>> byGroup;
    const auto index = [&](Movement& movement) {
        byGroup.clear();
        for (auto& round : movement)
            for (Match& x : round) {
                if (Ix(x.group) >= byGroup.size())
                    byGroup.resize(Ix(x.group + 1));
                byGroup[Ix(x.group)].push_back(&x);
            }
    };
    // The change of the sum of squares when x's pairs change direction.
    const auto gain = [&](const std::vector<std::vector<int>>& c, const Match& x) {
        long d = 0;
        for (const Match* o : byGroup[Ix(x.group)]) {
            if (o == &x)
                continue;
            d += 2 - 2 * c[Ix(x.NS)][Ix(o->NS)] + 2 * c[Ix(x.NS)][Ix(o->EW)];
            d += 2 - 2 * c[Ix(x.EW)][Ix(o->EW)] + 2 * c[Ix(x.EW)][Ix(o->NS)];
        }
        return d;
    };
    const auto flip = [&](std::vector<std::vector<int>>& c, Match& x) {
        for (const Match* o : byGroup[Ix(x.group)]) {
            if (o == &x)
                continue;
            for (const auto& [p, q, v] : {std::tuple{x.NS, o->NS, -1}, std::tuple{x.NS, o->EW, 1},
                                          std::tuple{x.EW, o->EW, -1}, std::tuple{x.EW, o->NS, 1}}) {
                c[Ix(p)][Ix(q)] += v;
                c[Ix(q)][Ix(p)] += v;
            }
        }
        std::swap(x.NS, x.EW);
    };
    Movement best = m;
    long bestSquares = BalanceOf(m, pairs).squares;
    for (int attempt = 0; attempt < 12; ++attempt) {
        Movement trial = best;
        if (attempt > 0)
            for (auto& round : trial)
                for (Match& x : round)
                    if (rng() % 2)
                        std::swap(x.NS, x.EW);
        index(trial);
        auto c = Comparisons(trial, pairs);
        for (bool improved = true; improved;) {
            improved = false;
            for (auto& round : trial)
                for (Match& x : round)
                    if (gain(c, x) < 0) {
                        flip(c, x);
                        improved = true;
                    }
        }
        const long squares = BalanceOf(trial, pairs).squares;
        if (squares < bestSquares) {
            bestSquares = squares;
            best = trial;
        }
    }
    m = best;
}

// Table 1 seats the last pair every round (the table left empty when that pair is absent); the
// other matches follow in board group order.
void OrderTables(Movement& m, int pairs) {
    for (auto& round : m)
        std::sort(round.begin(), round.end(), [pairs](const Match& x, const Match& y) {
            const bool xl = x.NS == pairs || x.EW == pairs;
            const bool yl = y.NS == pairs || y.EW == pairs;
            return xl != yl ? xl : x.group < y.group;
        });
}

// 16 pairs in 8 rounds, where no cyclic design exists: over GF(8), pair i of 0..7 meets pair 8 + (i + r)
// in round r on group i + a r (a a generator); both are one-to-one in i, in r and, for the second
// pair, in r again (the group is then j + (1 + a) r).
Movement FieldHowell16() {
    const auto times = [](int x, int y) {
        int p = 0;
        for (int bit = 0; bit < 3; ++bit)
            if (y & (1 << bit))
                p ^= x << bit;
        for (int bit = 4; bit >= 3; --bit)
            if (p & (1 << bit))
                p ^= 0b1011 << (bit - 3); // x^3 + x + 1
        return p;
    };
    Movement m;
    for (int r = 0; r < 8; ++r) {
        m.emplace_back();
        for (int i = 0; i < 8; ++i)
            m.back().push_back({i + 1, 8 + (i ^ r) + 1, i ^ times(2, r)});
    }
    EvenDirections(m, 16, 16);
    OrderTables(m, 16);
    return m;
}

// The best balanced of a few cyclic designs found with different seeds.
Movement SearchedHowell(int pairs, int rounds) {
    Movement best;
    long bestSquares = 0;
    for (unsigned seed = 1; seed <= 8; ++seed) {
        CyclicDesign design(pairs, rounds, 1000u * static_cast<unsigned>(pairs) + 10u * rounds + seed);
        if (!design.solve(200000))
            continue;
        Movement m = design.movement();
        EvenDirections(m, pairs, seed);
        const long squares = BalanceOf(m, pairs).squares;
        if (best.empty() || squares < bestSquares) {
            best = m;
            bestSquares = squares;
        }
    }
    if (!best.empty())
        OrderTables(best, pairs);
    return best;
}

WorkSchedule ToSchedule(const Movement& m, int pairs, int groups) {
    const int rounds = static_cast<int>(m.size());
    const int tables = static_cast<int>(m.front().size());
    WorkSchedule s = WorkSchedule::Empty(ScheduleCounts{pairs, tables, rounds, groups});
    for (int r = 0; r < rounds; ++r)
        for (int t = 0; t < tables; ++t) {
            const Match& x = m[Ix(r)][Ix(t)];
            auto& e = s.at(r + 1, t + 1);
            e.NS = static_cast<std::int16_t>(x.NS);
            e.EW = static_cast<std::int16_t>(x.EW);
            e.Letter = static_cast<std::uint8_t>('A' + x.group);
        }
    return s;
}

Movement Mitchell(int tables) {
    const bool even = tables % 2 == 0;
    const int rounds = even ? tables - 1 : tables;
    Movement m;
    for (int r = 1; r <= rounds; ++r) {
        m.emplace_back();
        for (int t = 1; t <= tables; ++t) {
            const int skip = even && r > tables / 2 ? 1 : 0;
            // East-West pair e is at table e + r - 1 (+ the skip); board group g at table g - r + 2.
            m.back().push_back({t, tables + Mod(t - r - skip, tables) + 1, Mod(t + r - 2, tables)});
        }
    }
    return m;
}

struct LibraryFile {
    std::string name;
    std::string kind;
    int pairs;
    int groups;
    Movement movement;
    bool balanced; // a Howell: its balance is reported
};

std::string NameOf(int rounds, int pairs, const std::string& kind, int tables, const std::string& suffix) {
    return std::to_string(rounds) + "r-" + std::to_string(pairs) + "p-" + kind + "-" +
           std::to_string(tables) + "t" + suffix + ".ws0";
}

std::vector<LibraryFile> Library() {
    std::vector<LibraryFile> files;
    // 4 and 6 pairs: the cyclic Howell with as few shared rounds as there can be. 8 pairs: the
    // cyclic Howell as shipped before, which the tests of the scoring commands are written on.
    for (const int tables : {2, 3}) {
        Movement m = CyclicHowell(tables);
        EvenDirections(m, 2 * tables, 7);
        files.push_back({NameOf(2 * tables - 1, 2 * tables, "howell", tables, "-shared"), "complete Howell",
                         2 * tables, 2 * tables - 1, m, true});
    }
    files.push_back({"7r-8p-howell-4t.ws0", "complete Howell", 8, 7, CyclicHowell(4), true});
    for (int pairs = 10; pairs <= 16; pairs += 2)
        files.push_back({NameOf(pairs - 1, pairs, "howell", pairs / 2, ""), "complete Howell", pairs,
                         pairs - 1, SearchedHowell(pairs, pairs - 1), true});
    // Part Howells: as many board groups as rounds, so every pair still plays every board.
    // The sizes a cyclic design exists for (none for 10 pairs in 8 rounds, 12 in 7, 16 in 8 or 9).
    for (const auto& [pairs, rounds] : {std::pair{10, 7}, {12, 8}, {12, 9}, {14, 7}, {14, 8}, {14, 9}})
        files.push_back({NameOf(rounds, pairs, "howell", pairs / 2, ""), "part Howell", pairs, rounds,
                         SearchedHowell(pairs, rounds), true});
    files.push_back({NameOf(8, 16, "howell", 8, ""), "part Howell", 16, 8, FieldHowell16(), true});
    for (int tables = 3; tables <= 16; ++tables) {
        Movement m = Mitchell(tables);
        files.push_back({NameOf(static_cast<int>(m.size()), 2 * tables, "mitchell", tables, ""), "Mitchell",
                         2 * tables, tables, m, false});
    }
    return files;
}

// Boards a round that give an evening of about 18 to 30 boards within the session's 48.
std::string BoardsText(int rounds, int groups, bool perRound) {
    int low = (18 + rounds - 1) / rounds;
    const int high = std::min(30 / rounds, 48 / groups);
    low = std::min(low, high);
    if (perRound)
        return low == high ? std::to_string(low) : std::to_string(low) + "-" + std::to_string(high);
    const auto session = [&](int b) {
        return groups == rounds ? std::to_string(groups * b)
                                : std::to_string(groups * b) + " (" + std::to_string(rounds * b) + " played)";
    };
    return low == high ? session(low) : session(low) + " to " + session(high);
}

std::string Readme(const std::vector<LibraryFile>& files) {
    std::ostringstream out;
    out << "# Movements\n\n"
           "Generated by `tools/make_schedules.cpp` (do not edit; the test `schedules.up_to_date` "
           "compares).\n"
           "Read one with `velk-cli schedule read FILE.dba --groups '*' NAME` or \"Schema &Lezen\"; the "
           "session\n"
           "needs the file's rounds, pairs, tables and board groups, and board groups x boards a round "
           "boards.\n\n"
           "- Howell: every pair plays every board group once and meets a different pair every round (a\n"
           "  complete Howell: every other pair once). Within a round a board group is at one table only,\n"
           "  except in the files named `-shared`: with 4 pairs both tables play the same board group every\n"
           "  round, with 6 pairs all three tables do in one round (no movement for 4 or 6 pairs avoids "
           "it),\n"
           "  so those boards are needed twice or three times, or are played in turn.\n"
           "- Balance: how often two pairs are compared (same direction on the same board group), lowest\n"
           "  and highest over all two pairs, and the standard deviation; the directions are chosen to make\n"
           "  it as even as the generator can.\n"
           "- Mitchell: North-South pairs stay at their table; each round East-West pairs move to the next\n"
           "  higher table (from the last to table 1) and the boards to the next lower one. With an even\n"
           "  number of tables the East-West pairs skip a table after half the rounds and one round fewer\n"
           "  is played: every pair leaves one board group\n"
           "  out and meets all but one of the other direction.\n"
           "- An odd number of pairs: read the movement of one pair more and make the group's pair count\n"
           "  one higher (`velk-cli new ... --pairs`); the highest pair number stays empty (in a Howell the\n"
           "  pair at table 1, in a Mitchell an East-West pair) and enters no scores. `velk-cli compute`\n"
           "  finds it as the sit-out pair (\"Zittafel gedetecteerd voor paar\") and, with Ja, gives its\n"
           "  opponents of each round their arbitral score.\n\n"
           "| file | kind | pairs | tables | rounds | board groups | boards a round | boards a session | "
           "balance |\n"
           "|---|---|---|---|---|---|---|---|---|\n";
    for (const auto& f : files) {
        const int rounds = static_cast<int>(f.movement.size());
        const int tables = static_cast<int>(f.movement.front().size());
        std::string balance = "-";
        if (f.balanced) {
            const Balance b = BalanceOf(f.movement, f.pairs);
            char text[64];
            std::snprintf(text, sizeof text, "%d-%d (sd %.2f)", b.low, b.high, b.spread);
            balance = text;
        }
        out << "| `" << f.name << "` | " << f.kind << " | " << f.pairs << " | " << tables << " | " << rounds
            << " | " << f.groups << " | " << BoardsText(rounds, f.groups, true) << " | "
            << BoardsText(rounds, f.groups, false) << " | " << balance << " |\n";
    }
    return out.str();
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
    const auto library = Library();
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> outputs;
    for (const auto& file : library) {
        if (file.movement.empty()) {
            std::fprintf(stderr, "%s niet gevonden\n", file.name.c_str());
            return 1;
        }
        outputs.emplace_back(file.name,
                             velk::SerializeBaseSchedule(ToSchedule(file.movement, file.pairs, file.groups)));
    }
    const std::string readme = Readme(library);
    outputs.emplace_back("README.md", std::vector<std::uint8_t>(readme.begin(), readme.end()));
    int status = 0;
    for (const auto& [name, bytes] : outputs) {
        const auto path = folder / name;
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
