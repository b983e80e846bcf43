#include "cli/Commands.h"
#include "cli/UsageTexts.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <string>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

void Usage() {
    std::cerr << velk::cli::OverviewUsage();
}

bool IsHelp(const std::string& word) {
    return word == "--help" || word == "-h";
}

// "velk-cli --man FILE": the manual page, written at build time from the same usage texts.
int WriteManPage(int argc, char** argv) {
    const std::string page = velk::cli::ManPage(VELK_VERSION);
    if (argc < 3) {
        std::cout << page;
        return 0;
    }
    std::ofstream out(argv[2], std::ios::binary);
    out << page;
    out.close();
    if (!out) {
        std::cerr << "kan niet schrijven: " << argv[2] << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    using namespace velk::cli;
#if defined(__GLIBC__)
    // A command lives for milliseconds and reads and writes lists of a few hundred kilobytes: keep
    // them on the heap and reuse freed memory, rather than map fresh pages for each one.
    mallopt(M_MMAP_THRESHOLD, 64 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 128 * 1024 * 1024);
#endif
    const std::map<std::string, std::function<int(const Args&)>> commands = {
        {"check", RunCheck},
        {"dump", RunDump},
        {"new", RunNew},
        {"session", RunSession},
        {"sort", RunSort},
        {"convert", RunConvert},
        {"schedule", RunSchedule},
        {"compute", RunCompute},
        {"scores", RunScores},
        {"results", RunResults},
        {"matchpoints", RunMatchPoints},
        {"report", RunReport},
        {"demo", RunDemo},
        {"points", RunPoints},
        {"slams", RunSlams},
        {"correct", RunCorrect},
        {"export", RunExport},
        {"pages", RunPages},
        {"publish", RunPublish},
        {"report", RunReport},
        {"members", RunMembers},
        {"pairs", RunPairs},
        {"hands", RunHands},
        {"serve", RunServe},
        {"cards", RunCards},
    };
    if (argc < 2) {
        Usage();
        return 2;
    }
    const std::string first = argv[1];
    // The cost of starting the program, against which the commands are timed.
    if (first == "--version") {
        std::cout << "velk-cli " << VELK_VERSION << '\n';
        return 0;
    }
    if (IsHelp(first)) {
        std::cout << velk::cli::OverviewUsage();
        return 0;
    }
    if (first == "--man")
        return WriteManPage(argc, argv);
    const auto it = commands.find(first);
    if (it == commands.end()) {
        std::cerr << "onbekend commando: " << first << '\n';
        Usage();
        return 2;
    }
    const Args rest(argv + 2, argv + argc);
    // Asked for help, a command shows its usage and does nothing else, whatever else was given.
    if (std::any_of(rest.begin(), rest.end(), IsHelp)) {
        std::cout << velk::cli::UsageOf(first);
        return 0;
    }
    return it->second(rest);
}
