#include "schedules/IndividualScheduleCells.h"

#include "schedules/ScheduleCells.h"
#include "schedules/SeatRowCheck.h"

namespace velk {

namespace {

PlayerField FieldOf(int cell) {
    switch (cell) {
    case kTableCell:
        return PlayerField::Table;
    case kGroupCell:
        return PlayerField::Group;
    case 1:
        return PlayerField::Z;
    case 2:
        return PlayerField::O;
    case 3:
        return PlayerField::W;
    default:
        return PlayerField::N;
    }
}

std::optional<PlayerCellPosition> CheckRows(bool perRound, const std::vector<PlayerRow>& rows,
                                            const ScheduleCounts& counts, Dialogs& dialogs) {
    std::vector<SeatRowCells> cells;
    for (const PlayerRow& row : rows)
        cells.push_back({&row.Table, {&row.N, &row.Z, &row.O, &row.W}, &row.Group});
    const auto failure = CheckSeatRows(perRound, cells, counts, dialogs);
    if (!failure)
        return std::nullopt;
    return PlayerCellPosition{failure->Row, FieldOf(failure->Cell), 0};
}

std::string SeatText(int player) {
    return player == 0 ? std::string() : std::to_string(player);
}

std::string LetterText(std::uint8_t letter) {
    return letter == kBlankLetter || letter == 0 ? std::string() : std::string(1, static_cast<char>(letter));
}

} // namespace

std::optional<PlayerCellPosition> CheckRoundView(const std::vector<PlayerRow>& tables,
                                                 const ScheduleCounts& counts, Dialogs& dialogs) {
    return CheckRows(true, tables, counts, dialogs);
}

std::optional<PlayerCellPosition> CheckTableView(const std::vector<PlayerRow>& rounds,
                                                 const ScheduleCounts& counts, Dialogs& dialogs) {
    return CheckRows(false, rounds, counts, dialogs);
}

std::optional<PlayerCellPosition> CheckWholeView(const std::vector<std::vector<PlayerRow>>& tableColumns,
                                                 const ScheduleCounts& counts, Dialogs& dialogs) {
    for (std::size_t t = 0; t < tableColumns.size(); ++t)
        if (auto failure = CheckRows(false, tableColumns[t], counts, dialogs)) {
            failure->TableColumn = static_cast<int>(t) + 1;
            return failure;
        }
    return std::nullopt;
}

std::string WholeViewCellText(const TWSObj1& entry) {
    const std::string letter = LetterText(entry.Letter);
    return SeatText(entry.N) + " -  " + SeatText(entry.O) + " :" + letter + "\n" + SeatText(entry.Z) +
           " -  " + SeatText(entry.W) + " :" + letter;
}

PlayerRow ParsePlayerWholeViewCell(const std::string& text) {
    PlayerRow row;
    const auto newline = text.find('\n');
    SplitWholeViewLine(text.substr(0, newline), row.N, row.O, row.Group);
    if (newline != std::string::npos)
        SplitWholeViewLine(text.substr(newline + 1), row.Z, row.W, row.Group);
    return row;
}

PlayerRow RowOf(const TWSObj1& entry) {
    PlayerRow row;
    row.Table = std::to_string(entry.Table);
    row.N = SeatText(entry.N);
    row.Z = SeatText(entry.Z);
    row.O = SeatText(entry.O);
    row.W = SeatText(entry.W);
    row.Group = LetterText(entry.Letter);
    return row;
}

TWSObj1 EntryOf(const PlayerRow& row, int table) {
    TWSObj1 e;
    const auto typedTable = ReadPairCell(row.Table);
    e.Table = static_cast<std::int16_t>(typedTable && *typedTable > 0 ? *typedTable : table);
    const auto seat = [](const std::string& text) {
        return static_cast<std::int16_t>(ReadPairCell(text).value_or(0));
    };
    e.N = seat(row.N);
    e.Z = seat(row.Z);
    e.O = seat(row.O);
    e.W = seat(row.W);
    const std::string group = NormaliseGroupCell(row.Group);
    e.Letter = group.empty() ? kBlankLetter : static_cast<std::uint8_t>(group.front());
    return e;
}

} // namespace velk
