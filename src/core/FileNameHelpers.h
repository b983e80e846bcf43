#pragma once

#include "core/ErrorCode.h"

#include <string>
#include <string_view>

namespace velk {

// The name of a competition that has no file yet.
inline constexpr std::string_view kNoFileName = "N_N";

struct PathParts {
    std::string directory; // with its closing separator; empty for a bare name
    std::string extension; // with its dot, at most 4 characters (".dba")
    std::string fileName;  // with its extension; "N_N" when the path names no file
};

// Splits a path at its last "/" (or "\", for paths written on Windows) and its last ".".
PathParts SplitPath(std::string_view path);

// Kinds of backup, for BackupExtension and BackupFile.
namespace BackupKind {
enum : int { Competition = 1, Cf = 2, Ca = 3, Score = 4, Schedule = 5 };
}

// The backup extension of a kind of file: 1 ".~db" (competition), 2 ".~cf", 3 ".~ca",
// 4 ".~sc" (scores), 5 ".~sm" (schedules); empty for any other kind.
std::string_view BackupExtension(int kind);

// Whether two paths name the same file: the same file on disk (a link or another spelling of it),
// or, for a file not there yet, the same path once made absolute.
bool SameFile(const std::string& a, const std::string& b);

// When `path` exists, renames it to the same name with the backup extension of `kind`, replacing
// an older backup. A failed rename reports error 1.
void BackupFile(const std::string& path, int kind, ErrorCode& errorCode);

} // namespace velk
