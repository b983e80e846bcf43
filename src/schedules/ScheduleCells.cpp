#include "schedules/ScheduleCells.h"

#include "core/TextHelpers.h"
#include "schedules/SeatRowCheck.h"

#include <algorithm>
#include <cctype>

namespace velk {

std::string CellCheckText(int code) {
    switch (code) {
    case CellCheckCode::TableNumbers:
        return " : tafelnummer(s) niet correct";
    case CellCheckCode::PairTooLarge:
        return " : index is te groot voor dit paar";
    case CellCheckCode::PlaysItself:
        return " : speelt met zich zelf ?";
    case CellCheckCode::PlaysElsewhere:
        return " : speelt al op andere tafel";
    case CellCheckCode::UnusedBoardGroup:
        return " : deze spelgroep wordt niet gebruikt";
    case CellCheckCode::EmptyBoardGroup:
        return " : de spelgroep(en) zijn \"leeg\" ";
    case CellCheckCode::PairZero:
        return " Paar(NZ) of Paar(OW) = 0";
    default:
        return {};
    }
}

namespace {
std::string Trim(const std::string& text) {
    return std::string(velk::Trim(text));
}
} // namespace

std::optional<int> ReadPairCell(const std::string& text) {
    const std::string t = Trim(text);
    if (t.empty())
        return 0;
    if (t.size() > 4 || !std::all_of(t.begin(), t.end(), [](unsigned char c) { return std::isdigit(c); }))
        return std::nullopt;
    return std::stoi(t);
}

std::string NormaliseGroupCell(const std::string& text) {
    std::string t = text.substr(0, 4);
    for (auto& c : t)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    while (!t.empty() && t.back() == ' ')
        t.pop_back();
    return t;
}

namespace {

ScheduleField FieldOf(int cell) {
    switch (cell) {
    case kTableCell:
        return ScheduleField::Table;
    case kGroupCell:
        return ScheduleField::Group;
    case 1:
        return ScheduleField::EW;
    default:
        return ScheduleField::NS;
    }
}

std::optional<CellPosition> CheckRows(bool perRound, const std::vector<ScheduleRow>& rows,
                                      const ScheduleCounts& counts, Dialogs& dialogs) {
    std::vector<SeatRowCells> cells;
    for (const ScheduleRow& row : rows)
        cells.push_back({&row.Table, {&row.NS, &row.EW}, &row.Group});
    const auto failure = CheckSeatRows(perRound, cells, counts, dialogs);
    if (!failure)
        return std::nullopt;
    return CellPosition{failure->Row, FieldOf(failure->Cell), 0};
}

} // namespace

std::optional<CellPosition> CheckRoundView(const std::vector<ScheduleRow>& tables,
                                           const ScheduleCounts& counts, Dialogs& dialogs) {
    return CheckRows(true, tables, counts, dialogs);
}

std::optional<CellPosition> CheckTableView(const std::vector<ScheduleRow>& rounds,
                                           const ScheduleCounts& counts, Dialogs& dialogs) {
    return CheckRows(false, rounds, counts, dialogs);
}

std::optional<CellPosition> CheckWholeView(const std::vector<std::vector<ScheduleRow>>& tableColumns,
                                           const ScheduleCounts& counts, Dialogs& dialogs) {
    for (std::size_t t = 0; t < tableColumns.size(); ++t)
        if (auto failure = CheckRows(false, tableColumns[t], counts, dialogs)) {
            failure->TableColumn = static_cast<int>(t) + 1;
            return failure;
        }
    return std::nullopt;
}

namespace {
std::string PairText(int pair) {
    if (pair == 0)
        return {};
    return (pair < 10 ? " " : "") + std::to_string(pair);
}
} // namespace

std::string WholeViewCellText(const TWSObj& entry) {
    const std::string letter = entry.Letter == kBlankLetter || entry.Letter == 0
                                   ? std::string()
                                   : std::string(1, static_cast<char>(entry.Letter));
    return PairText(entry.NS) + " - " + PairText(entry.EW) + " :" + letter;
}

void SplitWholeViewLine(const std::string& line, std::string& first, std::string& second,
                        std::string& group) {
    const auto dash = line.find('-');
    if (dash == std::string::npos) {
        first = Trim(line);
        return;
    }
    first = Trim(line.substr(0, dash));
    const auto colon = line.find(':', dash + 1);
    second = Trim(line.substr(dash + 1, colon == std::string::npos ? std::string::npos : colon - dash - 1));
    if (colon != std::string::npos && group.empty())
        group = NormaliseGroupCell(Trim(line.substr(colon + 1)));
}

ScheduleRow ParseWholeViewCell(const std::string& text) {
    ScheduleRow row;
    SplitWholeViewLine(text, row.NS, row.EW, row.Group);
    return row;
}

ScheduleRow RowOf(const TWSObj& entry) {
    ScheduleRow row;
    row.Table = std::to_string(entry.Table);
    row.NS = entry.NS == 0 ? std::string() : std::to_string(entry.NS);
    row.EW = entry.EW == 0 ? std::string() : std::to_string(entry.EW);
    if (entry.Letter != kBlankLetter && entry.Letter != 0)
        row.Group = std::string(1, static_cast<char>(entry.Letter));
    return row;
}

TWSObj EntryOf(const ScheduleRow& row, int table) {
    TWSObj e;
    const auto typedTable = ReadPairCell(row.Table);
    e.Table = static_cast<std::int16_t>(typedTable && *typedTable > 0 ? *typedTable : table);
    e.NS = static_cast<std::int16_t>(ReadPairCell(row.NS).value_or(0));
    e.EW = static_cast<std::int16_t>(ReadPairCell(row.EW).value_or(0));
    const std::string group = NormaliseGroupCell(row.Group);
    e.Letter = group.empty() ? kBlankLetter : static_cast<std::uint8_t>(group.front());
    return e;
}

} // namespace velk
