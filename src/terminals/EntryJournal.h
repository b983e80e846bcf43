#pragma once

#include <string>
#include <vector>

namespace velk::terminals {

// The entries the table server accepted since the score file was last saved, one JSON line
// each, beside the competition. A line is on disk (fsync) before its phone hears "accepted", so
// a crash or power cut loses nothing a phone was told was kept.
class EntryJournal {
public:
    // "<folder>/<name>_journal<session>.jsonl" for the competition file `competition`.
    static std::string PathFor(const std::string& competition, int session);

    explicit EntryJournal(std::string path) : path_(std::move(path)) {}
    ~EntryJournal();
    EntryJournal(const EntryJournal&) = delete;
    EntryJournal& operator=(const EntryJournal&) = delete;

    const std::string& path() const { return path_; }
    // The lines on disk, oldest first; a missing file has none. A last line without its line
    // break was never confirmed and is left out. False with `problem` (Dutch) when the file
    // cannot be read or is larger than any evening makes.
    bool read(std::vector<std::string>& lines, std::string& problem) const;
    // Appends one line and waits until it is on disk; false when it is not.
    bool append(const std::string& line);
    // Empties the journal once its entries are in the saved score file.
    bool clear();

private:
    bool openForAppend();
    std::string path_;
    int fd_ = -1;
};

} // namespace velk::terminals
