#pragma once

#include "core/records/ConfigRecord.h"
#include "core/records/PairRecord.h"
#include "core/records/SessionRecord.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace velk {

// The competitions of a season are files of one base name, numbered before the extension:
// "club1.dba" ... "club12.dba". The base drops the one or two digits before the file name's first
// ".", "club_" for "club_3.dba"; a name without digits there is its own base.
std::string SeasonBase(const std::string& path);
// The base of a set of summer drives: always one character fewer, two when the second character
// before the "." is a digit.
std::string DriveBase(const std::string& path);
// From the file name's first "." on: ".dba".
std::string SeasonExtension(const std::string& path);

// Whether a file is there; a folder that cannot be read holds none.
bool SeasonFileExists(const std::string& path);

// One competition file as the season lists read it, older files without the slam bonus block
// included.
struct SeasonCompetition {
    TConfigObj config;
    bool hasSlamBonus = false; // files of 2013 and later
    std::array<std::int16_t, 6> slamBonus{};
    std::vector<TParenObj> pairs; // record 0 is the header record
    std::vector<TZitCalcObj> sessions;

    int pairCount() const { return config.Head.PairCount; }
    int pairsPerGroup() const {
        return config.Head.GroupCount > 0 ? config.Head.PairCount / config.Head.GroupCount
                                          : config.Head.PairCount;
    }
};

enum class SeasonRead {
    Ok,
    TooManySessions, // more sessions than the configuration allows
    BadRecord,       // a record runs past the end of the file
};

struct SeasonReadResult {
    SeasonRead status = SeasonRead::Ok;
    int session = 0; // the session whose record failed, for BadRecord
};

// Parses a competition file; shows nothing. `out` is complete only when the result is Ok.
SeasonReadResult ParseSeasonCompetition(std::span<const std::uint8_t> bytes, SeasonCompetition& out);

} // namespace velk
