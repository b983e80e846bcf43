#pragma once

#include "core/Dialogs.h"
#include "core/ErrorCode.h"
#include "core/records/ScoreRecord.h"
#include "core/records/SessionRecord.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velk {

// What the score and slam files of a competition must match: its pair count and the board count
// of each session, in order.
struct ScoreFileShape {
    int PairCount = 0;
    std::vector<int> BoardCounts; // [s-1]: boards of session s

    int SessionCount() const { return static_cast<int>(BoardCounts.size()); }
};
ScoreFileShape ShapeOf(int pairCount, const std::vector<TZitCalcObj>& sessions);

// Error codes of the score and slam files.
namespace ScoreFileError {
enum : int { ReadFailed = 6, WriteFailed = 7 };
}

// Reads the ".SCO" file beside the competition file into `out`. A missing file gives blank blocks
// (or, with no competition open, the missing-file message and false). A damaged file is reported
// and `out` is left as it was.
bool ReadScoreFile(const std::string& competitionPath, const ScoreFileShape& shape, bool competitionOpen,
                   std::vector<TZitScoreObj>& out, Dialogs& dialogs, ErrorCode& errorCode);

// What parsing a score file found besides its blocks.
struct ScoreFileRead {
    // A block whose board count differs from its session's; it is read with its own count.
    struct BoardCountMismatch {
        int Session = 0;
        int BoardsInList = 0;
        int BoardCount = 0;
    };
    std::vector<BoardCountMismatch> BoardCountMismatches;
    // The first session whose block runs past the end of the bytes; 0 when every block was read.
    int ShortSession = 0;

    bool ok() const { return ShortSession == 0; }
};

// The blocks held in a score file's bytes; shows nothing. `out` is replaced only when every block
// was read.
ScoreFileRead ParseScoreFile(std::span<const std::uint8_t> bytes, const ScoreFileShape& shape,
                             std::vector<TZitScoreObj>& out);

// ParseScoreFile with its messages; false (with the message and ErrorCode) when the blocks run short.
bool ReadScoreBytes(std::span<const std::uint8_t> bytes, const ScoreFileShape& shape,
                    std::vector<TZitScoreObj>& out, Dialogs& dialogs, ErrorCode& errorCode);

// The shown part of ReadScoreBytes: a message per board-count mismatch, and for a block that runs
// short its message and ErrorCode. True when every block was there.
bool ReportScoreFileRead(const ScoreFileRead& read, Dialogs& dialogs, ErrorCode& errorCode);

// The block of one session alone, read from the file beside the competition file without reading
// the other blocks: their heads are checked as ReadScoreFile checks them, with the same messages.
// A missing file gives a blank block. `out` is replaced only when the whole file was sound.
bool ReadScoreFileSession(const std::string& competitionPath, const ScoreFileShape& shape, int session,
                          TZitScoreObj& out, Dialogs& dialogs, ErrorCode& errorCode);

// Writes the block of one session into the score file, keeping every other block's bytes as they
// are on disk; with `makeBackup` the previous file is kept under ".~sc". A file whose blocks do not
// match `shape` is not written (as a failed write).
bool WriteScoreFileSession(const std::string& scorePath, const ScoreFileShape& shape, int session,
                           const TZitScoreObj& block, bool makeBackup, Dialogs& dialogs,
                           ErrorCode& errorCode);

// The bytes of a score file: each block's head and exactly PairCount x BoardsInList + 1 records.
std::vector<std::uint8_t> SerializeScoreFile(const std::vector<TZitScoreObj>& blocks, int pairCount);

// Writes the score file; with `makeBackup` the previous file is kept under ".~sc". A failure is
// reported and leaves the previous file as it was.
bool WriteScoreFile(const std::string& scorePath, const std::vector<TZitScoreObj>& blocks, int pairCount,
                    bool makeBackup, Dialogs& dialogs, ErrorCode& errorCode);

} // namespace velk
