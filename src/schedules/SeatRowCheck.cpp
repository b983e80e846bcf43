#include "schedules/SeatRowCheck.h"

#include "core/ErrorHelpers.h"
#include "core/Messages.h"
#include "core/TextHelpers.h"
#include "schedules/ScheduleCells.h"

#include <set>

namespace velk {

namespace {

std::optional<SeatCellFailure> Fail(Dialogs& dialogs, const std::string& cellText, int code, int row,
                                    int cell) {
    dialogs.error(cellText + CellCheckText(code));
    return SeatCellFailure{row, cell};
}

struct ReadRow {
    std::vector<int> Seats;
    std::string Group;
};

bool Trimmed(const std::string& a, const std::string& b) {
    return Trim(a) == Trim(b);
}

// The checks of one row that need no other row.
std::optional<SeatCellFailure> CheckRow(const SeatRowCells& row, int index, const ScheduleCounts& counts,
                                        Dialogs& dialogs, ReadRow& out) {
    const int seats = static_cast<int>(row.Seats.size());
    out.Seats.assign(row.Seats.size(), 0);
    for (int i = 0; i < seats; ++i) {
        const std::string& text = *row.Seats[static_cast<std::size_t>(i)];
        const auto value = ReadPairCell(text);
        if (!value) {
            dialogs.error(FileErrorText(text, FileError::InvalidValue, Hint::CorrectInput));
            return SeatCellFailure{index, i};
        }
        if (*value > counts.Pairs)
            return Fail(dialogs, text, CellCheckCode::PairTooLarge, index, i);
        out.Seats[static_cast<std::size_t>(i)] = *value;
    }
    out.Group = NormaliseGroupCell(*row.Group);
    if (!out.Group.empty()) {
        const int value = BoardGroupValue(static_cast<std::uint8_t>(out.Group.front()));
        if (value < 1 || value > counts.BoardGroups)
            return Fail(dialogs, out.Group, CellCheckCode::UnusedBoardGroup, index, kGroupCell);
        return std::nullopt;
    }
    if (seats == 0)
        return std::nullopt;
    const std::string& first = *row.Seats.front();
    if (out.Seats.front() != 0) {
        for (int i = 0; i < seats; ++i)
            for (int j = i + 1; j < seats; ++j)
                if (out.Seats[static_cast<std::size_t>(i)] != 0 &&
                    Trimmed(*row.Seats[static_cast<std::size_t>(i)], *row.Seats[static_cast<std::size_t>(j)]))
                    return Fail(dialogs, *row.Seats[static_cast<std::size_t>(i)], CellCheckCode::PlaysItself,
                                index, i);
        return Fail(dialogs, first, CellCheckCode::EmptyBoardGroup, index, kGroupCell);
    }
    return Fail(dialogs, first, CellCheckCode::PairZero, index, 0);
}

bool Seated(int seat, const ReadRow& row) {
    for (const int other : row.Seats)
        if (other == seat)
            return true;
    return false;
}

// View 1: a seat at two tables of the round. Views 2 and 3: a seat meeting the same board group
// again at this table.
bool Conflicts(bool perRound, int seat, const std::string& group, const ReadRow& other) {
    if (seat == 0 || !Seated(seat, other))
        return false;
    return perRound || (!group.empty() && group == other.Group);
}

} // namespace

std::optional<SeatCellFailure> CheckSeatRows(bool perRound, const std::vector<SeatRowCells>& rows,
                                             const ScheduleCounts& counts, Dialogs& dialogs) {
    std::vector<ReadRow> read;
    std::set<int> tables;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const SeatRowCells& row = rows[i];
        const int index = static_cast<int>(i);
        if (perRound) {
            const auto table = ReadPairCell(*row.Table);
            if (!table || *table < 1 || *table > 256 || !tables.insert(*table).second)
                return Fail(dialogs, *row.Table, CellCheckCode::TableNumbers, index, kTableCell);
        }
        ReadRow current;
        if (auto failure = CheckRow(row, index, counts, dialogs, current))
            return failure;
        for (const ReadRow& earlier : read)
            for (std::size_t s = 0; s < current.Seats.size(); ++s)
                if (Conflicts(perRound, current.Seats[s], current.Group, earlier))
                    return Fail(dialogs, *row.Seats[s], CellCheckCode::PlaysElsewhere, index,
                                static_cast<int>(s));
        read.push_back(current);
    }
    return std::nullopt;
}

} // namespace velk
