#include "core/files/LeadFile.h"

#include "core/files/SessionSideFile.h"

#include <algorithm>
#include <tuple>

namespace velk {

namespace {

constexpr std::string_view kHeader = "velk-uitkomst 1\n";
constexpr std::string_view kBackupExtension = ".~uk";
// 16 groups of a few hundred boards and tables at a dozen bytes each; anything larger is not ours.
constexpr std::size_t kMaxLeadFileBytes = 1u << 20;

auto Key(const KeptLead& l) {
    return std::tie(l.group, l.board, l.northSouth);
}

// 1 ... 999 written without leading zeros; 0 for anything else.
int SmallNumber(std::string_view s) {
    if (s.empty() || s.size() > 3 || s[0] == '0')
        return 0;
    int n = 0;
    for (const char c : s) {
        if (c < '0' || c > '9')
            return 0;
        n = n * 10 + (c - '0');
    }
    return n;
}

} // namespace

std::optional<std::string> NormalLeadCard(std::string_view card) {
    if (card.size() < 2 || card.size() > 3)
        return std::nullopt;
    constexpr std::string_view suits = "SHDCRK";
    constexpr std::string_view suitsAs = "SHDCDC";
    const auto suit = suits.find(card[0]);
    if (suit == std::string_view::npos)
        return std::nullopt;
    const std::string_view rank = card.substr(1);
    if (rank == "10")
        return std::string(1, suitsAs[suit]) + "10";
    constexpr std::string_view ranks = "AKQJ98765432THVB";
    constexpr std::string_view ranksAs = "AKQJ98765432TKQJ";
    const auto r = rank.size() == 1 ? ranks.find(rank[0]) : std::string_view::npos;
    if (r == std::string_view::npos)
        return std::nullopt;
    const std::string written = ranksAs[r] == 'T' ? "10" : std::string(1, ranksAs[r]);
    return std::string(1, suitsAs[suit]) + written;
}

std::string LeadAt(const std::vector<KeptLead>& leads, char group, int board, int northSouth) {
    const auto it = std::find_if(leads.begin(), leads.end(), [&](const KeptLead& l) {
        return l.group == group && l.board == board && l.northSouth == northSouth;
    });
    return it == leads.end() ? std::string() : it->card;
}

void SetLeadAt(std::vector<KeptLead>& leads, const KeptLead& lead) {
    const auto it = std::lower_bound(leads.begin(), leads.end(), lead,
                                     [](const KeptLead& a, const KeptLead& b) { return Key(a) < Key(b); });
    const bool there = it != leads.end() && Key(*it) == Key(lead);
    if (lead.card.empty()) {
        if (there)
            leads.erase(it);
    } else if (there) {
        it->card = lead.card;
    } else {
        leads.insert(it, lead);
    }
}

std::string LeadFileText(const std::vector<KeptLead>& leads) {
    std::string text(kHeader);
    for (const KeptLead& l : leads)
        text += std::string(1, l.group) + ' ' + std::to_string(l.board) + ' ' + std::to_string(l.northSouth) +
                ' ' + l.card + '\n';
    return text;
}

std::optional<std::vector<KeptLead>> ParseLeadFile(std::string_view text) {
    if (text.substr(0, kHeader.size()) != kHeader)
        return std::nullopt;
    std::vector<KeptLead> leads;
    for (std::size_t start = kHeader.size(); start < text.size();) {
        const std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            return std::nullopt; // cut off
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        std::string_view fields[4];
        for (int f = 0; f < 4; ++f) {
            const std::size_t space = f < 3 ? line.find(' ') : line.size();
            if (space == std::string_view::npos)
                return std::nullopt;
            fields[f] = line.substr(0, space);
            line.remove_prefix(f < 3 ? space + 1 : space);
        }
        const auto card = NormalLeadCard(fields[3]);
        if (fields[0].size() != 1 || fields[0][0] < 'A' || fields[0][0] > 'P' || !card || *card != fields[3])
            return std::nullopt;
        const KeptLead lead{fields[0][0], SmallNumber(fields[1]), SmallNumber(fields[2]), *card};
        if (lead.board == 0 || lead.northSouth == 0)
            return std::nullopt;
        // Strictly ascending: a table's board once, and in the one order the program writes.
        if (!leads.empty() && !(Key(leads.back()) < Key(lead)))
            return std::nullopt;
        leads.push_back(lead);
    }
    return leads;
}

std::string LeadFile::PathFor(const std::string& competition, int session) {
    return SessionSideFilePath(competition, "uitkomst", session, ".txt");
}

bool LeadFile::read(std::vector<KeptLead>& leads, std::string& problem) const {
    leads.clear();
    std::optional<std::string> text;
    if (!ReadSideFileText(path_, kMaxLeadFileBytes, text)) {
        problem = "Uitkomstenbestand niet te lezen: " + path_;
        return false;
    }
    if (!text)
        return true;
    auto parsed = ParseLeadFile(*text);
    if (!parsed) {
        problem = "Uitkomstenbestand niet correct: " + path_;
        return false;
    }
    leads = std::move(*parsed);
    return true;
}

bool LeadFile::save(const std::vector<KeptLead>& leads) const {
    return SaveSideFileText(path_, LeadFileText(leads), kBackupExtension);
}

} // namespace velk
