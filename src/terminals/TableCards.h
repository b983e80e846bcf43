#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velk {
struct Club;
}

namespace velk::terminals {

struct TerminalTable;

// What the card of one table says.
struct TableCard {
    std::string label;   // "A1"
    std::string pin;     // its PIN for the session
    std::string address; // "http://192.168.1.20:8080/#tafel=A1"
};

// The printed cards of a session: one per table, to put on the table for the phones.
struct TableCardsInput {
    std::string competition; // the competition's name
    int session = 1;
    std::string date; // the session's date, may be empty
    std::vector<TableCard> cards;
};

// The address of a table's page: the server's `url` with the table as its fragment, so the phone
// page chooses it; a character of the label other than a letter or digit as %XX.
std::string TableCardAddress(const std::string& url, const std::string& label);

// The server's address as given: http:// or https://, a host, then a port and path if any, without
// a fragment, spaces or control characters, at most 200 characters; "/" is added to a bare host.
// Nothing when the text is not such an address.
std::optional<std::string> TableServerUrl(std::string_view text);

// The cards of the server's tables for the open session.
TableCardsInput TableCardsFor(const Club& club, const std::vector<TerminalTable>& tables,
                              const std::string& url);

} // namespace velk::terminals
