#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velk::terminals {

class TableTerminals;

// A table's PIN as the session keeps it.
struct KeptPin {
    std::string label; // "A1"
    std::string pin;

    bool operator==(const KeptPin&) const = default;
};

// The text of a PIN file: "velk-pins 1", then a line "<label> <pin>" per table, each line closed
// by a line break.
std::string PinFileText(const std::vector<KeptPin>& pins);
// The PINs of such a text in its order; nothing when any of it is not a PIN file's (a cut-off
// line, a label or PIN of another shape, a table twice, no table at all).
std::optional<std::vector<KeptPin>> ParsePinFile(std::string_view text);

// The PINs of a session's tables beside the competition, so a restarted server and the printed
// table cards agree with the phones.
class TablePinFile {
public:
    // "<folder>/<name>_pins<session>.txt" for the competition file `competition`.
    static std::string PathFor(const std::string& competition, int session);

    explicit TablePinFile(std::string path) : path_(std::move(path)) {}
    const std::string& path() const { return path_; }

    // The kept PINs; a missing file keeps none. False with `problem` (Dutch) and no PINs when the
    // file cannot be read or is not a PIN file.
    bool read(std::vector<KeptPin>& pins, std::string& problem) const;
    // Writes through a temporary file; the previous file stays as the backup until the new one is
    // complete. Only its owner may read it.
    bool save(const std::vector<KeptPin>& pins) const;

    // The PINs of the tables `labels`: the kept one of each table that has one, a fresh one for
    // the others (for all with `fresh`); the file is written when that changes it. A file that
    // cannot be read is said in `notice` and every table gets a fresh PIN. False with `problem`
    // when the PINs could not be kept.
    bool keep(const std::vector<std::string>& labels, bool fresh, std::vector<KeptPin>& pins,
              std::string& notice, std::string& problem) const;
    // The same for the tables of the server, which get them.
    bool keep(TableTerminals& terminals, bool fresh, std::string& notice, std::string& problem) const;

private:
    std::string path_;
};

} // namespace velk::terminals
