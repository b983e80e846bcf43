#include "schedules/BorrowHints.h"

namespace velk {

namespace {

template <typename Item> bool InSchedule(const BasicWorkSchedule<Item>& s, int round, int table) {
    return s.isComplete() && round >= 1 && round <= s.rounds() && table >= 1 && table <= s.tables();
}

template <typename Item>
std::string RoundViewHint(const BasicWorkSchedule<Item>& schedule, int round, int table) {
    if (!InSchedule(schedule, round, table))
        return {};
    const std::uint8_t letter = schedule.at(round, table).Letter;
    const int c = BoardGroupValue(letter);
    if (c < 1 || c == table || c > schedule.tables() || schedule.at(round, c).Letter != letter)
        return {};
    return " L " + std::to_string(c);
}

template <typename Item>
std::string TableViewHint(const BasicWorkSchedule<Item>& schedule, int round, int table) {
    if (!InSchedule(schedule, round, table))
        return {};
    const std::uint8_t letter = schedule.at(round, table).Letter;
    const int c = BoardGroupValue(letter);
    if (c < 1 || c == table)
        return {};
    return " L " + std::string(1, static_cast<char>(letter));
}

} // namespace

std::string RoundViewBorrowHint(const WorkSchedule& schedule, int round, int table) {
    return RoundViewHint(schedule, round, table);
}

std::string TableViewBorrowHint(const WorkSchedule& schedule, int round, int table) {
    return TableViewHint(schedule, round, table);
}

std::string RoundViewBorrowHint(const WorkSchedule1& schedule, int round, int table) {
    return RoundViewHint(schedule, round, table);
}

std::string TableViewBorrowHint(const WorkSchedule1& schedule, int round, int table) {
    return TableViewHint(schedule, round, table);
}

} // namespace velk
