#include "cli/CliDocumentOpener.h"

#include <spawn.h>
#include <vector>

extern char** environ;

namespace velk::cli {

namespace {

// True when `program` (looked up on the PATH) was started; its exit is left to the system.
bool StartDetached(std::vector<std::string> arguments) {
    std::vector<char*> argv;
    for (std::string& a : arguments)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawnattr_t attributes;
    if (posix_spawnattr_init(&attributes) != 0)
        return false;
    // Its own session: a Ctrl-C in the terminal of the command does not reach the word processor.
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    pid_t child = 0;
    const int failed = posix_spawnp(&child, argv[0], nullptr, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    return failed == 0;
}

} // namespace

bool CliDocumentOpener::openInWordProcessor(const std::string& path) {
    return StartDetached({"soffice", "--writer", path});
}

bool CliDocumentOpener::openWithDesktop(const std::string& path) {
    return StartDetached({"xdg-open", path});
}

} // namespace velk::cli
