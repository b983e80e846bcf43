#include "schedules/ScheduleCells.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/TextHelpers.h"

#include <algorithm>
#include <cctype>
#include <set>

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

enum class ViewKind { Round, Table };

// Shows the failure and says where it is.
std::optional<CellPosition> Fail(Dialogs& dialogs, const std::string& cellText, int code, int row,
                                 ScheduleField field) {
    dialogs.error(cellText + CellCheckText(code));
    return CellPosition{row, field, 0};
}

struct ReadRow {
    int NS = 0;
    int EW = 0;
    std::string Group;
};

// The checks of one row that need no other row.
std::optional<CellPosition> CheckRow(const ScheduleRow& row, int index, const ScheduleCounts& counts,
                                     Dialogs& dialogs, ReadRow& out) {
    const std::pair<const std::string*, ScheduleField> pairCells[] = {{&row.NS, ScheduleField::NS},
                                                                      {&row.EW, ScheduleField::EW}};
    int values[2] = {0, 0};
    for (int i = 0; i < 2; ++i) {
        const auto value = ReadPairCell(*pairCells[i].first);
        if (!value) {
            dialogs.error(FileErrorText(*pairCells[i].first, FileError::InvalidValue, Hint::CorrectInput));
            return CellPosition{index, pairCells[i].second, 0};
        }
        if (*value > counts.Pairs)
            return Fail(dialogs, *pairCells[i].first, CellCheckCode::PairTooLarge, index,
                        pairCells[i].second);
        values[i] = *value;
    }
    out.NS = values[0];
    out.EW = values[1];
    out.Group = NormaliseGroupCell(row.Group);
    if (!out.Group.empty()) {
        const int value = BoardGroupValue(static_cast<std::uint8_t>(out.Group.front()));
        if (value < 1 || value > counts.BoardGroups)
            return Fail(dialogs, out.Group, CellCheckCode::UnusedBoardGroup, index, ScheduleField::Group);
        return std::nullopt;
    }
    if (out.NS != 0 && Trim(row.NS) == Trim(row.EW))
        return Fail(dialogs, row.NS, CellCheckCode::PlaysItself, index, ScheduleField::NS);
    if (out.NS != 0)
        return Fail(dialogs, row.NS, CellCheckCode::EmptyBoardGroup, index, ScheduleField::Group);
    const bool nsEmpty = out.NS == 0;
    return Fail(dialogs, nsEmpty ? row.NS : row.EW, CellCheckCode::PairZero, index,
                nsEmpty ? ScheduleField::NS : ScheduleField::EW);
}

// View 1: a pair at two tables of the round. Views 2 and 3: a pair meeting the same board group
// again at this table.
bool Conflicts(ViewKind kind, int pair, const std::string& group, const ReadRow& other) {
    if (pair == 0 || (other.NS != pair && other.EW != pair))
        return false;
    return kind == ViewKind::Round || (!group.empty() && group == other.Group);
}

std::optional<CellPosition> CheckRows(ViewKind kind, const std::vector<ScheduleRow>& rows,
                                      const ScheduleCounts& counts, Dialogs& dialogs) {
    std::vector<ReadRow> read;
    std::set<int> tables;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const ScheduleRow& row = rows[i];
        const int index = static_cast<int>(i);
        if (kind == ViewKind::Round) {
            const auto table = ReadPairCell(row.Table);
            if (!table || *table < 1 || *table > 256 || !tables.insert(*table).second)
                return Fail(dialogs, row.Table, CellCheckCode::TableNumbers, index, ScheduleField::Table);
        }
        ReadRow current;
        if (auto failure = CheckRow(row, index, counts, dialogs, current))
            return failure;
        for (const ReadRow& earlier : read) {
            if (Conflicts(kind, current.NS, current.Group, earlier))
                return Fail(dialogs, row.NS, CellCheckCode::PlaysElsewhere, index, ScheduleField::NS);
            if (Conflicts(kind, current.EW, current.Group, earlier))
                return Fail(dialogs, row.EW, CellCheckCode::PlaysElsewhere, index, ScheduleField::EW);
        }
        read.push_back(current);
    }
    return std::nullopt;
}

} // namespace

std::optional<CellPosition> CheckRoundView(const std::vector<ScheduleRow>& tables,
                                           const ScheduleCounts& counts, Dialogs& dialogs) {
    return CheckRows(ViewKind::Round, tables, counts, dialogs);
}

std::optional<CellPosition> CheckTableView(const std::vector<ScheduleRow>& rounds,
                                           const ScheduleCounts& counts, Dialogs& dialogs) {
    return CheckRows(ViewKind::Table, rounds, counts, dialogs);
}

std::optional<CellPosition> CheckWholeView(const std::vector<std::vector<ScheduleRow>>& tableColumns,
                                           const ScheduleCounts& counts, Dialogs& dialogs) {
    for (std::size_t t = 0; t < tableColumns.size(); ++t)
        if (auto failure = CheckRows(ViewKind::Table, tableColumns[t], counts, dialogs)) {
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

ScheduleRow ParseWholeViewCell(const std::string& text) {
    ScheduleRow row;
    const auto dash = text.find('-');
    if (dash == std::string::npos) {
        row.NS = Trim(text);
        return row;
    }
    row.NS = Trim(text.substr(0, dash));
    const auto colon = text.find(':', dash + 1);
    row.EW = Trim(text.substr(dash + 1, colon == std::string::npos ? std::string::npos : colon - dash - 1));
    if (colon != std::string::npos)
        row.Group = NormaliseGroupCell(Trim(text.substr(colon + 1)));
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
