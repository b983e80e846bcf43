#pragma once

#include "club/Club.h"
#include "core/Clock.h"
#include "core/Dialogs.h"

#include <array>
#include <string>
#include <vector>

namespace velk {

// The file lifecycle of the open competition: the empty state, open, save, save as, close, the
// duplicate check, pair insertion and removal. The main window and velk-cli both drive it.
class ClubFile {
public:
    ClubFile(Club& club, Dialogs& dialogs, const Clock& clock);

    // The state before any file: "N_N", no sessions, an empty configuration.
    void resetToEmpty();
    bool isLoaded() const { return loaded_; }
    // Marks a file built in memory (the new-file wizard) as loaded.
    void setLoaded(bool loaded) { loaded_ = loaded; }

    // Reads a competition file with its companions and selects session 1. On failure the
    // messages are shown and nothing is loaded (the previous state stays).
    bool open(const std::string& path);

    // The competition in memory differs from what was last read or written at its own path:
    // the competition file's contents or one of its companion lists.
    bool hasUnsavedChanges() const;
    // A command that writes what it changed itself needs no copy of the saved state; after this
    // an open competition always counts as changed.
    void stopTrackingChanges();
    // A command that only reads: opening sets nothing aside and no write is made.
    void readOnly() { readOnly_ = true; }

    // "&Bewaren": the duplicate check, the sort check, a path for an unnamed file, the write with
    // its report. With `confirm` an existing file is only overwritten after "Velk\rBewaren van\r".
    bool save(bool confirm = false, bool report = true);
    // "Bewaren &als...": always asks a path; the companion files follow under the new name.
    bool saveAs();
    // Writes the file at `path` and, on success, takes the path as the file's own. An odd pair count
    // is confirmed first; "Nee" returns false with nothing written.
    bool writeTo(const std::string& path, bool report);
    // Asks for a path with the save dialog and its overwrite question; empty when none accepted.
    std::string askSavePath(const std::string& startPath);
    // The save dialog of "&Volgende Competitie": proposes the next competition's name, refuses a
    // name that carries no competition number (and asks again), then the overwrite question.
    // Empty when none accepted.
    std::string askNextCompetitionPath();
    // The path of a file that was never saved: askSavePath, and for a competition the "_1" rule.
    std::string askFirstSavePath(const std::string& startPath);
    // Writes the companion lists under the file's own path; returns the missing ones as
    // Club::SessionCompanions::saveUnder's bits.
    int saveCompanions();
    // The bits of the companion lists, as saveUnder reports the missing ones.
    enum CompanionBit { ScheduleList = 1, ScoreList = 2, SlamList = 4, AllCompanions = 7 };
    // The companion lists except the `missing` ones were written under the own path by their own
    // routines.
    void markCompanionsSaved(int missing);

    // "&Importeren": reads the competition at `source` and copies it, with its companion files, into
    // `folder` under the same name; an existing file there is only overwritten when the user agrees.
    // False when the file could not be read (nothing changed); true once it is open, whether or not
    // the copy was made.
    bool importFrom(const std::string& source, const std::string& folder);
    // "E&xporteren": writes a copy of the open file and its companions at `path`; the open file keeps
    // its own name and is not written. False when the copy could not be written.
    bool exportTo(const std::string& path);
    // The open file exists on disk (export and "Bewaren &als..." need it).
    bool isOnDisk() const;
    // The sort check before a save or an export: shows the warning and returns true when the list
    // must be sorted on GrpNr first.
    bool refuseUnsorted();

    // A file that travels with the competition file; `kind` is its name in the messages.
    struct CompanionFile {
        const char* kind;
        std::string path;
    };
    // The companions of the competition at `competitionPath`, in the order of the bits
    // Club::SessionCompanions::saveUnder reports missing ones with: schedules, scores, slams.
    static std::array<CompanionFile, 3> CompanionFilesOf(const std::string& competitionPath);
    // Where "&Importeren" puts the file at `source`: `folder` with the same file name.
    static std::string ImportTarget(const std::string& source, const std::string& folder);

    // "&Sluit": asks "Bestand bewaren ", saves on Ja, then clears the file. False when the
    // duplicate check or the save stopped it.
    bool close();
    // The question of "&Sluit" before the file in memory is given up: "Bestand bewaren ", and the
    // save on Ja. False when the save failed.
    bool askSaveFirst();

    // The first duplicate ClubNr or group label: shows the message and returns the list position
    // of the second pair, or 0 when the list is clean.
    int duplicateCheck();

    // The default pair list of a new file (header record and pairs 1..PairCount).
    void buildPairList();
    void takeSnapshot() { PairListSnapshot = club_.PairList; }

    // "&Toevoegen": inserts a pair before or after list position `row` (asking which). Returns the
    // position of the new pair, or 0.
    int insertPair(int row, int currentGroup);
    // "&Verwijderen": removes the pair at list position `row` after confirmation.
    bool deletePair(int row);
    // The navigator's delete: its own question and warning.
    bool deletePairFromNavigator(int row);
    // Asks a path with the save dialog and writes the file there; only then the path (and the
    // competition number of its name) is the file's own.
    bool saveUnderChosenPath(bool report);

    // A dragged row: the pair and its result rows in every session move from one list position
    // to another; the snapshot is retaken.
    bool movePair(int from, int to);

    // "&Volgende Competitie": regroups the pairs, saves the next competition under a name the
    // user chooses (a fresh session 1 with empty results) and opens it when asked.
    enum class NextResult { NotSaved, Saved, Opened };
    NextResult nextCompetition();

    // "&Rangorde in 'Lijnen'".
    void askTwoLines();

    // The line above the grid.
    std::string competitionLine() const;

    bool NeedSortFirst = false;
    std::vector<TParenObj> PairListSnapshot;

private:
    // What the competition file and its companions would hold if written now.
    struct FileContents {
        TConfigObj config;
        SlamBonusBlock slamBonus;
        std::vector<TParenObj> pairs;
        std::vector<TZitCalcObj> sessions;
        bool operator==(const FileContents&) const = default;
    };
    struct CompanionContents {
        std::vector<TZitSchemaObj> schedules;
        std::vector<TTafelObj> tableLabels;
        std::vector<TZitScoreObj> scores;
        std::vector<TZitSlemObj> slams;
        bool operator==(const CompanionContents&) const = default;
    };
    FileContents fileContents() const;
    CompanionContents companionContents() const;
    void rememberSaved();
    // Writes the competition file at `path` without taking the path.
    bool writeFile(const std::string& path, bool report);
    // Writes the file at `path` under its new name: the name, the competition number it carries and
    // that number in every session are the file's own only once the file was written.
    bool writeUnderNewName(const std::string& path, bool report);
    // The save dialog alone, with the ".dba" a name without extension gets; empty when cancelled.
    std::string chooseSavePath(const std::string& startPath);
    // The overwrite question for an existing file; true when there is none or it was answered Ja.
    bool confirmOverwrite(const std::string& path);

    void afterPathChosen(const std::string& path);
    void removePairAt(int row);
    void askSaveAfterPairCountChange();
    // Writes the companions under `competitionPath`; returns the missing ones as saveUnder's bits.
    int saveCompanionsUnder(const std::string& competitionPath);

    Club& club_;
    Dialogs& dialogs_;
    const Clock& clock_;
    bool loaded_ = false;
    // A file read damaged whose bytes could not be put aside: never written over.
    std::string protectedPath_;
    bool tracksChanges_ = true;
    bool readOnly_ = false;
    FileContents savedFile_;
    CompanionContents savedCompanions_;
};

} // namespace velk
