#include "cli/CliDocumentOpener.h"

#include <fcntl.h>
#include <spawn.h>
#include <unistd.h>
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
    posix_spawn_file_actions_t files;
    if (posix_spawn_file_actions_init(&files) != 0) {
        posix_spawnattr_destroy(&attributes);
        return false;
    }
    // None of our standard channels: a pipe reading our output would otherwise wait for the word
    // processor to exit. Its own session: a Ctrl-C in the terminal of the command does not reach it.
    bool ready = posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID) == 0;
    for (const int fd : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO})
        ready = ready && posix_spawn_file_actions_addopen(&files, fd, "/dev/null",
                                                          fd == STDIN_FILENO ? O_RDONLY : O_WRONLY, 0) == 0;
    pid_t child = 0;
    const bool started =
        ready && posix_spawnp(&child, argv[0], &files, &attributes, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attributes);
    return started;
}

} // namespace

bool CliDocumentOpener::openInWordProcessor(const std::string& path) {
    return StartDetached({"soffice", "--writer", path});
}

bool CliDocumentOpener::openWithDesktop(const std::string& path) {
    return StartDetached({"xdg-open", path});
}

} // namespace velk::cli
