#pragma once

#include "core/Dialogs.h"
#include "core/ErrorCode.h"
#include "core/records/ConfigRecord.h"
#include "core/records/PairRecord.h"
#include "core/records/SessionRecord.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velk {

// What a competition file (".dba") holds, in memory.
struct CompetitionFileData {
    TConfigObj ConfigRecord;
    SlamBonusBlock SlamBonusTable;
    // Record 0 is the file header record; pairs follow in list order.
    std::vector<TParenObj> PairList;
    // Each session owns PairCount + 1 result rows.
    std::vector<TZitCalcObj> SessionList;
    bool IsCompetition = true;

    int SessionCount() const { return static_cast<int>(SessionList.size()); }
};

// ErrorCode values of the competition file routines.
namespace CompetitionFileError {
enum : std::int16_t {
    ConfigRecord = 1,
    PairList = 2,
    SessionList = 3,
    SessionCalcList = 4,
    Missing = 5,
    Before2007 = 6,
    TooManySessions = 7,
};
}

// No real competition file comes near this; a larger one is not read at all.
inline constexpr std::size_t kMaxCompetitionFileBytes = 64u << 20;

// What parsing a competition file found besides the data: the code of the first failing stage
// (0 when the file was read whole) and the sessions it skipped on the way.
struct CompetitionFileRead {
    std::int16_t Code = 0;
    // Sessions stored with number 0: their rows are skipped and the sessions after them kept.
    std::vector<int> RemovedSessions;

    bool ok() const { return Code == 0; }
};

// Parses the bytes of a competition file into `out`; shows nothing. On any failure `out` is left
// as it was.
CompetitionFileRead ParseCompetitionFile(std::span<const std::uint8_t> bytes, CompetitionFileData& out);

// The messages of a parse, in the order the reading met them: each removed session, then too many
// sessions. The caller reports a failing stage with ReportCompetitionFileError.
void ShowCompetitionFileNotes(const CompetitionFileRead& read, Dialogs& dialogs);

// ParseCompetitionFile with its messages shown; `errorCode` holds the code of the first failing
// stage and false is returned on failure. `notes`, when given, receives what the parse found.
bool ReadCompetitionBytes(std::span<const std::uint8_t> bytes, CompetitionFileData& out, Dialogs& dialogs,
                          ErrorCode& errorCode, CompetitionFileRead* notes = nullptr);

// Reads a competition file into `out`, as ReadCompetitionBytes; a missing file is warned about
// here ("Geen Paren bestand ", ErrorCode 5).
bool ReadCompetitionFile(const std::string& path, CompetitionFileData& out, Dialogs& dialogs,
                         ErrorCode& errorCode, CompetitionFileRead* notes = nullptr);

// The messages a caller shows for the ErrorCode of a failed read of `fileName`.
void ReportCompetitionFileError(Dialogs& dialogs, int errorCode, const std::string& fileName);

// The bytes of the competition file for `data`, the configuration head taken from `head` and the
// header record refreshed from `clubFileName`, `seasonYear` and IsCompetition.
std::vector<std::uint8_t> SerializeCompetitionFile(const CompetitionFileData& data,
                                                   const CompetitionHead& head,
                                                   const std::string& clubFileName, int seasonYear);

enum class SaveReport { Silent, Report };

// Writes `data` to `path` (see SerializeCompetitionFile). The previous file survives until the
// new one is complete and then becomes the ".~db" backup. A failure is reported.
bool WriteCompetitionFile(const std::string& path, const CompetitionFileData& data,
                          const CompetitionHead& head, const std::string& clubFileName, int seasonYear,
                          Dialogs& dialogs, ErrorCode& errorCode, SaveReport report = SaveReport::Silent);

} // namespace velk
