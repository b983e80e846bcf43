#pragma once

namespace velk {

// Topics of the help pages, by the context number the windows and messages pass.
namespace HelpContext {
enum : int {
    None = 0,
    MovePair = 226,
    ComposeSchedule = 246,
    ScheduleEntryView1 = 2411,
    ScheduleEntryView2 = 2412,
    ScheduleEntryView3 = 2413,
    RenumberView = 245,
    OptionsPersonal = 282,
    OptionsPrint = 283,
    OptionsSettings = 284,
    OptionsSlamBonus = 285,
};
}

} // namespace velk
