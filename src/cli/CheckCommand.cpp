#include "cli/Commands.h"

#include <iostream>

namespace velk::cli {

int RunCheck(const Args&) {
    std::cerr << "check: nog niet beschikbaar\n";
    return 2;
}

int RunDump(const Args&) {
    std::cerr << "dump: nog niet beschikbaar\n";
    return 2;
}

} // namespace velk::cli
