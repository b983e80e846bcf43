#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace velk::terminals {

// Limits on what a phone may send; anything larger is refused before it is looked at.
inline constexpr std::size_t kMaxPathLength = 96;
inline constexpr std::size_t kMaxBodyLength = 1024;
inline constexpr int kMaxJsonDepth = 2;

// The paths of the table API: /api/v1/tables/<label>, .../rounds/<r> and .../boards/<b>.
struct TablePath {
    enum class Kind { Table, Round, Board };
    Kind kind = Kind::Table;
    std::string label; // one to six letters and digits
    int number = 0;    // the round or the board, 1 ... 999
};
// Nothing for any other path, or one over the limits.
std::optional<TablePath> ParseTablePath(std::string_view path);

// The body of a board's PUT: a score as the score window takes it, or a contract with its
// declarer, result and lead. `previous` is the North-South score the phone saw when it corrects
// an entry, so a correction is told apart from a second phone's conflicting entry.
struct BoardBody {
    std::optional<std::string> score;
    std::string contract;
    std::string declarer; // "N", "S", "E" or "W" (Dutch "Z", "O" also)
    std::string result;   // "C" for made exactly, else tricks over or under: "+1", "-2"
    std::string lead;     // the card led, "SA" (spade ace) or "H10"; empty when not given
    std::optional<std::string> previous;
    // A dry run: checked and scored as an entry, then neither stored nor journalled.
    bool check = false;
    bool declarerNorthSouth() const { return declarer == "N" || declarer == "S" || declarer == "Z"; }
};

// The body parsed and checked for form; nothing with `problem` set to the Dutch message.
std::optional<BoardBody> ParseBoardBody(std::string_view body, std::string& problem);

// The body as the journal keeps it, one line of JSON without a line break.
std::string BoardBodyJson(const BoardBody& body);

} // namespace velk::terminals
