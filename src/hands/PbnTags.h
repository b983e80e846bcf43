#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velk {

// A tag of a PBN game: its name, its value (escapes undone) and the lines of its section (the
// data that follows the tag up to the next one, as for OptimumResultTable).
struct PbnTag {
    std::string name;
    std::string value;
    std::vector<std::string> section;
};

struct PbnGame {
    std::vector<PbnTag> tags;
    // The value of the first tag of that name; nullptr when the game has none.
    const std::string* value(std::string_view name) const;
};

inline constexpr std::size_t kMaxPbnGames = 10000;
inline constexpr std::size_t kMaxPbnTagsPerGame = 500;

// The games of a PBN text: tags in any order, comments in braces (over several lines) or after a
// semicolon, "%" lines and blank lines between games. False (with the reason in Dutch, and the
// line) when the text is no PBN: an unclosed comment or tag value, a tag without its value.
bool ParsePbnGames(std::string_view text, std::vector<PbnGame>& games, std::string& problem);

// A tag line: [Name "value"], with " and \ escaped.
std::string PbnTagLine(std::string_view name, std::string_view value);

} // namespace velk
