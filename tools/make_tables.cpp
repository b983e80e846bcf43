// Generates the four constant tables of data/ from the rules written down in README.md
// ("Data tables"). Usage:
//   velk-make-tables OUTDIR          writes Scores.dab, ArbScors.dab, BasiScrs.dab, ContractScors.dab
//   velk-make-tables --check DIR     exits 1 when the tables in DIR differ from what the rules give

#include "core/ByteCodec.h"
#include "core/records/ContractScoreRecord.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// Strains in table order, with their Dutch letters.
enum Strain { Clubs, Diamonds, Hearts, Spades, NoTrump };
const char* const kStrainNames[] = {"K", "R", "H", "S", "SA"};

bool IsMinor(Strain s) {
    return s == Clubs || s == Diamonds;
}

// Duplicate score of the declaring side by the Laws of Duplicate Bridge. `doubling` is 0, 1 or 2;
// `tricks` the tricks the declarer took (0..13).
int DuplicateScore(int level, Strain strain, int doubling, bool vulnerable, int tricks) {
    const int needed = level + 6;
    if (tricks < needed) {
        const int down = needed - tricks;
        if (doubling == 0)
            return -(vulnerable ? 100 : 50) * down;
        int penalty = 0;
        for (int i = 1; i <= down; ++i) {
            if (vulnerable)
                penalty += i == 1 ? 200 : 300;
            else
                penalty += i == 1 ? 100 : (i <= 3 ? 200 : 300);
        }
        return -penalty * (doubling == 2 ? 2 : 1);
    }
    const int multiplier = doubling == 0 ? 1 : (doubling == 1 ? 2 : 4);
    const int perTrick = IsMinor(strain) ? 20 : 30;
    const int trickScore = (perTrick * level + (strain == NoTrump ? 10 : 0)) * multiplier;
    int score = trickScore;
    score += trickScore >= 100 ? (vulnerable ? 500 : 300) : 50;
    if (level == 6)
        score += vulnerable ? 750 : 500;
    if (level == 7)
        score += vulnerable ? 1500 : 1000;
    score += doubling == 1 ? 50 : (doubling == 2 ? 100 : 0);
    const int overtricks = tricks - needed;
    if (doubling == 0)
        score += overtricks * perTrick;
    else
        score += overtricks * (vulnerable ? 200 : 100) * (doubling == 2 ? 2 : 1);
    return score;
}

Bytes ContractScores() {
    velk::ByteWriter w;
    for (int level = 1; level <= 7; ++level) {
        for (int s = Clubs; s <= NoTrump; ++s) {
            velk::TContrScrOBJ record;
            record.Name.set(std::to_string(level) + kStrainNames[s]);
            for (int vul = 0; vul < 2; ++vul)
                for (int doubling = 0; doubling < 3; ++doubling)
                    record.Scores[static_cast<std::size_t>(vul * 3 + doubling)] = static_cast<std::int16_t>(
                        DuplicateScore(level, static_cast<Strain>(s), doubling, vul == 1, level + 6));
            record.WriteTo(w);
        }
    }
    return w.take();
}

// Class bits of Scores.dab.
constexpr std::uint8_t kNormalNotVulnerable = 1, kPossibleNotVulnerable = 2, kNormalVulnerable = 4,
                       kPossibleVulnerable = 8;

// Every result of every contract: a made contract scores for the declarer, whose vulnerability is
// known; a defeated one scores for the defenders, whose own vulnerability does not enter the score,
// so it counts for both. Normal are undoubled contracts made, doubled ones made with at most one
// overtrick, and penalties of at most four undertricks undoubled or three doubled.
Bytes ScoreClasses() {
    Bytes classes(520, 0);
    const auto mark = [&classes](int score, std::uint8_t bits) {
        const int k = (score < 0 ? -score : score) / 10;
        if (k >= 1 && k <= 520)
            classes[static_cast<std::size_t>(k - 1)] |= bits;
    };
    for (int level = 1; level <= 7; ++level)
        for (int s = Clubs; s <= NoTrump; ++s)
            for (int doubling = 0; doubling < 3; ++doubling)
                for (int vul = 0; vul < 2; ++vul)
                    for (int tricks = 0; tricks <= 13; ++tricks) {
                        const int score =
                            DuplicateScore(level, static_cast<Strain>(s), doubling, vul == 1, tricks);
                        const int over = tricks - (level + 6);
                        if (over >= 0) {
                            const bool normal = doubling == 0 || (doubling == 1 && over <= 1);
                            if (vul == 1)
                                mark(score, kPossibleVulnerable | (normal ? kNormalVulnerable : 0));
                            else
                                mark(score, kPossibleNotVulnerable | (normal ? kNormalNotVulnerable : 0));
                        } else {
                            const int down = -over;
                            const bool normal = (doubling == 0 && down <= 4) || (doubling == 1 && down <= 3);
                            mark(score, kPossibleVulnerable | kPossibleNotVulnerable |
                                            (normal ? kNormalVulnerable | kNormalNotVulnerable : 0));
                        }
                    }
    return classes;
}

// 60 % is worth +3 IMPs (the usual average plus), linearly: 0.3 IMP a percent from 50.
Bytes ArbitralScores() {
    velk::ByteWriter w;
    for (int p = 0; p <= 100; ++p) {
        const int butlerTenths = (p - 50) * 3;
        const int crossImps = (butlerTenths + (butlerTenths >= 0 ? 5 : -5)) / 10;
        w.i16(static_cast<std::int16_t>(butlerTenths));
        w.i16(static_cast<std::int16_t>(crossImps));
    }
    return w.take();
}

// With five results or more the datum leaves out a tenth of them (at least one) at each end.
Bytes DatumDrops() {
    Bytes drops(250, 0);
    for (int k = 1; k <= 250; ++k) {
        const int dropped = k < 5 ? 0 : std::max(1, k / 10);
        drops[static_cast<std::size_t>(k - 1)] = static_cast<std::uint8_t>(2 * dropped);
    }
    return drops;
}

std::map<std::string, Bytes> Tables() {
    return {{"Scores.dab", ScoreClasses()},
            {"ArbScors.dab", ArbitralScores()},
            {"BasiScrs.dab", DatumDrops()},
            {"ContractScors.dab", ContractScores()}};
}

Bytes ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

int main(int argc, char** argv) {
    const bool check = argc == 3 && std::string(argv[1]) == "--check";
    if (argc != 2 && !check) {
        std::fprintf(stderr, "gebruik: velk-make-tables MAP | --check MAP\n");
        return 2;
    }
    const std::filesystem::path folder = argv[argc - 1];
    int differences = 0;
    for (const auto& [name, bytes] : Tables()) {
        if (check) {
            if (ReadAll(folder / name) != bytes) {
                std::fprintf(stderr, "%s wijkt af van de regels\n", name.c_str());
                ++differences;
            }
            continue;
        }
        std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        if (!out.flush()) {
            std::fprintf(stderr, "%s niet geschreven\n", name.c_str());
            return 1;
        }
    }
    return differences == 0 ? 0 : 1;
}
