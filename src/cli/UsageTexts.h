#pragma once

#include <string>
#include <vector>

namespace velk::cli {

// One command of velk-cli: its name, its line in the overview and its usage text. The same texts
// serve the usage on a wrong call (standard error), --help (standard output) and the man page.
struct CommandHelp {
    const char* name;
    const char* summary; // the overview's line(s) after "  ", ending in a newline
    const char* usage;   // "gebruik: velk-cli NAME ...", ending in a newline
};

const std::vector<CommandHelp>& CommandHelps();

// The usage text of a command; empty when there is no such command.
std::string UsageOf(const std::string& command);

// The overview of every command, as `velk-cli` without arguments and `velk-cli --help` show it.
std::string OverviewUsage();

// The manual page velk-cli(1) in roff, from the same texts.
std::string ManPage(const std::string& version);

} // namespace velk::cli
