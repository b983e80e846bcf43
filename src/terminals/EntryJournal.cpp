#include "terminals/EntryJournal.h"

#include "core/files/SessionSideFile.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace velk::terminals {

namespace {
constexpr std::uintmax_t kMaxJournalBytes = 16u << 20;
constexpr std::size_t kMaxLine = 4096;
} // namespace

std::string EntryJournal::PathFor(const std::string& competition, int session) {
    return SessionSideFilePath(competition, "journal", session, ".jsonl");
}

EntryJournal::~EntryJournal() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool EntryJournal::read(std::vector<std::string>& lines, std::string& problem) const {
    lines.clear();
    std::error_code ec;
    if (!std::filesystem::exists(path_, ec))
        return true;
    const auto size = std::filesystem::file_size(path_, ec);
    if (ec || size > kMaxJournalBytes) {
        problem = "Journaal niet te lezen: " + path_;
        return false;
    }
    std::ifstream in(path_, std::ios::binary);
    if (!in) {
        problem = "Journaal niet te lezen: " + path_;
        return false;
    }
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::size_t start = 0;
    for (std::size_t nl; (nl = all.find('\n', start)) != std::string::npos; start = nl + 1) {
        if (nl - start > kMaxLine) {
            problem = "Journaal niet correct: " + path_;
            return false;
        }
        if (nl > start)
            lines.push_back(all.substr(start, nl - start));
    }
    return true;
}

bool EntryJournal::openForAppend() {
    if (fd_ >= 0)
        return true;
    fd_ = ::open(path_.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd_ < 0)
        return false;
    // A line cut short by a crash was never confirmed; cut it off so the next one stands alone.
    const off_t size = ::lseek(fd_, 0, SEEK_END);
    off_t keep = size;
    char c = '\n';
    while (keep > 0 && ::pread(fd_, &c, 1, keep - 1) == 1 && c != '\n')
        --keep;
    return keep == size || ::ftruncate(fd_, keep) == 0;
}

bool EntryJournal::append(const std::string& line) {
    if (!openForAppend())
        return false;
    const std::string text = line + '\n';
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd_, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return ::fsync(fd_) == 0;
}

bool EntryJournal::clear() {
    if (!openForAppend())
        return false;
    return ::ftruncate(fd_, 0) == 0 && ::fsync(fd_) == 0;
}

} // namespace velk::terminals
