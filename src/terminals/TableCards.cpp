#include "terminals/TableCards.h"

#include "club/Club.h"
#include "terminals/TableTerminals.h"

#include <cctype>
#include <cstdio>

namespace velk::terminals {

namespace {

constexpr std::size_t kMaxUrl = 200;

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(' ');
    const auto last = s.find_last_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first, last - first + 1);
}

// Characters a typed address may hold: printable ASCII that needs no quoting in a URL.
bool UrlCharacter(char c) {
    const auto u = static_cast<unsigned char>(c);
    return u > 0x20 && u < 0x7f && std::string_view("#\"<>\\^`{|}").find(c) == std::string_view::npos;
}

} // namespace

std::string TableCardAddress(const std::string& url, const std::string& label) {
    std::string address = url + "#tafel=";
    for (const char c : label) {
        if (std::isalnum(static_cast<unsigned char>(c))) {
            address += c;
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", static_cast<unsigned char>(c));
            address += hex;
        }
    }
    return address;
}

std::optional<std::string> TableServerUrl(std::string_view text) {
    if (text.empty() || text.size() > kMaxUrl)
        return std::nullopt;
    for (const char c : text)
        if (!UrlCharacter(c))
            return std::nullopt;
    std::size_t hostStart = 0;
    for (const std::string_view scheme : {"http://", "https://"})
        if (text.substr(0, scheme.size()) == scheme)
            hostStart = scheme.size();
    if (hostStart == 0)
        return std::nullopt;
    const std::size_t hostEnd = std::min(text.find('/', hostStart), text.size());
    const std::string_view host = text.substr(hostStart, hostEnd - hostStart);
    if (host.empty() || host.front() == ':' || host.find('@') != std::string_view::npos)
        return std::nullopt;
    std::string url(text);
    if (hostEnd == text.size())
        url += '/';
    return url;
}

TableCardsInput TableCardsFor(const Club& club, const std::vector<TerminalTable>& tables,
                              const std::string& url) {
    TableCardsInput input;
    input.competition = Trimmed(club.CompetitionHead.CompetitionName.get());
    input.session = club.CurrentSession;
    input.date = Trimmed(club.SessionHead.SessionDate.get());
    for (const TerminalTable& t : tables)
        input.cards.push_back({t.label, t.pin, TableCardAddress(url, t.label)});
    return input;
}

} // namespace velk::terminals
