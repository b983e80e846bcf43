#pragma once

#include "core/records/WorkSchedule.h"
#include "schedules/BorrowHints.h"
#include "schedules/IndividualScheduleCells.h"
#include "schedules/ScheduleCells.h"

#include <string>
#include <vector>

namespace velk {

// How the grid of either editor maps onto the working schedule, for the pairs form (TWSObj with
// ScheduleRow) and the individual form (TWSObj1 with PlayerRow) alike. View 1 shows one row per
// table of `round`, view 2 one row per round of `table`, view 3 one column per table.

template <typename Item> using RowOfItem = decltype(RowOf(std::declval<const Item&>()));

template <typename Item>
std::vector<RowOfItem<Item>> ViewRows(const BasicWorkSchedule<Item>& s, bool perRound, int round, int table) {
    std::vector<RowOfItem<Item>> out;
    if (!s.isComplete())
        return out;
    if (perRound)
        for (int t = 1; t <= s.tables(); ++t)
            out.push_back(RowOf(s.at(round, t)));
    else
        for (int r = 1; r <= s.rounds(); ++r) {
            out.push_back(RowOf(s.at(r, table)));
            out.back().Table.clear();
        }
    return out;
}

template <typename Item>
std::vector<std::vector<RowOfItem<Item>>> ViewColumns(const BasicWorkSchedule<Item>& s) {
    std::vector<std::vector<RowOfItem<Item>>> out;
    for (int t = 1; s.isComplete() && t <= s.tables(); ++t)
        out.push_back(ViewRows(s, false, 0, t));
    return out;
}

template <typename Item>
std::vector<std::string> ViewBorrowHints(const BasicWorkSchedule<Item>& s, bool perRound, int round,
                                         int table) {
    std::vector<std::string> out;
    if (!s.isComplete())
        return out;
    if (perRound)
        for (int t = 1; t <= s.tables(); ++t)
            out.push_back(RoundViewBorrowHint(s, round, t));
    else
        for (int r = 1; r <= s.rounds(); ++r)
            out.push_back(TableViewBorrowHint(s, r, table));
    return out;
}

// Copies typed rows into the schedule. Views 2 and 3 have no table cell: an entry keeps the
// number typed per round.
template <typename Item, typename Row>
void StoreViewRows(BasicWorkSchedule<Item>& s, bool perRound, int round, int table,
                   const std::vector<Row>& rows) {
    if (!s.isComplete())
        return;
    const int count = perRound ? s.tables() : s.rounds();
    for (int i = 1; i <= count && i <= static_cast<int>(rows.size()); ++i) {
        Item& entry = perRound ? s.at(round, i) : s.at(i, table);
        Row row = rows[static_cast<std::size_t>(i - 1)];
        if (!perRound)
            row.Table = std::to_string(entry.Table);
        entry = EntryOf(row, perRound ? i : table);
    }
}

template <typename Item, typename Row>
void StoreViewColumns(BasicWorkSchedule<Item>& s, const std::vector<std::vector<Row>>& columns) {
    for (int t = 1; s.isComplete() && t <= s.tables() && t <= static_cast<int>(columns.size()); ++t)
        StoreViewRows(s, false, 0, t, columns[static_cast<std::size_t>(t - 1)]);
}

} // namespace velk
