#include "scoring/ScoreMessages.h"

namespace velk {

// clang-format off
const std::array<std::string_view, 15> kScoreMessages = {
    "", // 0
    "Score bestaat NIET ", // 1
    "Geen Scores gevonden voor spel:", // 2
    "Foutieve Score ", // 3
    "Geen Paar gevonden ", // 4
    "Wijzigen niet toegestaan", // 5
    "Draaien niet toegestaan", // 6
    "Scorelijst niet bewaard", // 7
    "Scorelijst bestaat niet", // 8
    "External Scorefile niet correct", // 9
    "ScoreRecords niet aanwezig", // 10
    "Zitting ongelijk aan de laatste zitting", // 11
    "Score-Index niet correct: ", // 12
    "Scores niet complementair ", // 13
    "Arbitrale score negatief of groter dan 3276,7 matchpunten ", // 14
};

const std::array<std::string_view, 13> kContractMessages = {
    "", // 0
    "Bieding bestaat NIET ", // 1
    "Geen Bieding gevonden voor spel:", // 2
    "Foutief Bod ", // 3
    " Geen Tegenpaar gevonden ", // 4
    "Wijzigen niet toegestaan", // 5
    "Draaien niet toegestaan", // 6
    "Biedingenlijst niet bewaard", // 7
    "Biedinglijst bestaat niet", // 8
    "External file niet correct", // 9
    "ContractRecords niet aanwezig", // 10
    "Resultaat niet corect ", // 11
    "Bied-Index niet correct: ", // 12
};
// clang-format on

namespace {
template <std::size_t N> std::string_view Lookup(const std::array<std::string_view, N>& table, int code) {
    if (code < 1 || static_cast<std::size_t>(code) >= N)
        return {};
    return table[static_cast<std::size_t>(code)];
}
} // namespace

std::string_view ScoreMessage(int code) {
    return Lookup(kScoreMessages, code);
}
std::string_view ContractMessage(int code) {
    return Lookup(kContractMessages, code);
}

} // namespace velk
