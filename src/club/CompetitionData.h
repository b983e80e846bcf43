#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"

#include <array>
#include <string>

namespace velk {

// Limits of a competition.
inline constexpr int kMaxPairs = 512;
inline constexpr int kMaxGroups = 16;
inline constexpr int kMaxSessions = 12;
inline constexpr int kMaxCompetitions = 100;
inline constexpr int kMaxTables = 256;
inline constexpr int kMaxTablesPerGroup = 32;

// Page figures the margins of a new configuration are expressed in.
struct PageUnits {
    int unitH = 23; // page width x 10 div 203
    int unitV = 24; // printer pixels per inch div 25
    int lineHeight = 50;
    int pageLines = 140;
};

// A configuration record with the defaults of a new competition or drive file.
TConfigObj NewConfigRecord(bool isCompetition, const PageUnits& units = {});
// The slam bonus table of a new file.
SlamBonusBlock NewSlamBonusTable();

// Recomputes PairsPerGroup, RankingSize, TablesPerGroup and IsIndividual from the head. When the
// tables do not divide over the groups the message is shown (with `dialogs`) and the value kept.
void DeriveValues(Club& club, Dialogs* dialogs);

// Copies the working head into the configuration record and back.
void StoreHead(Club& club);
void LoadHead(Club& club);

// The fields of the competition data dialog, by number (the tag of each control).
enum ConfigField : int {
    FieldName = 1,
    FieldPairs = 2,
    FieldGroups = 3,
    FieldCompetitions = 4,
    FieldSessions = 5,
    FieldTables = 6,
    FieldPctOneSub = 7,
    FieldPctTwoSubs = 8,
    FieldScoring = 9,
    FieldNeuberg = 10,
    FieldCalcMethod = 11,
    FieldContracts = 12,
    FieldPromDegrButton = 13,
    FieldOk = 14,
};

// The rules of the competition data dialog: the form shows `text` and the choices, and calls
// validateField on Enter and accept on OK.
class ConfigDialogModel {
public:
    ConfigDialogModel(Club& club, Dialogs& dialogs, bool isNew);

    // Texts of fields 1..8 and the choices of fields 9..12, as the form shows them.
    std::array<std::string, 9> text; // index = field number 1..8
    int scoringIndex = 0;
    int neubergIndex = 0;
    int calcIndex = 0;
    bool useContracts = false;

    bool isCompetition() const { return club_.IsCompetition; }
    std::string caption() const;
    std::string label(int field) const;
    bool fieldVisible(int field) const;

    // Validates one field and stores it in the head when valid. Returns 0 or the error code.
    int validateField(int field);
    // The field after `field` in input order.
    int nextField(int field) const;
    // The field an error code puts the focus on.
    static int fieldOfCode(int code);

    // OK: true when the dialog may close; otherwise `focus` names the field to focus.
    bool accept();
    int focus = FieldName;

    // True once a field was confirmed with Enter (the caller then saves under a chosen path).
    bool enterConfirmed = false;

    // The promotion and degradation box.
    struct PromDegrBox {
        bool visible = false;
        int group = 1;
        int degradations = 0;
        int bonus = 0;
        int maxDegradations = 0;
        int maxBonus = 0;
        char letter() const;
    } promDegr;
    bool promDegrConfirmed = false;
    void openPromDegr();
    void nextPromDegrGroup();
    void previousPromDegrGroup();
    // "Ok" of the box: false when the user wants to go on with the other groups.
    bool confirmPromDegr();

private:
    void fill();
    void storePromDegr();
    int countError(int field, int code, const std::string& message, int suffix);

    Club& club_;
    Dialogs& dialogs_;
    bool isNew_;
};

// The checks after the dialog closed with OK. Returns false when the configuration is not valid
// (too many tables per group).
bool CheckAcceptedConfig(Club& club, Dialogs& dialogs);

// What an accepted change did to an existing file.
struct StructuralChange {
    bool refused = false; // the number of groups changed: head restored
    bool pairCountChanged = false;
    bool headChanged = false; // any field that makes the file worth saving differs
};

// Applies an accepted change of an existing file: a changed number of groups is refused, a
// changed number of pairs inserts or removes pairs per group with their result rows.
StructuralChange ApplyStructuralChanges(Club& club, const CompetitionHead& saved, Dialogs& dialogs);

// How an existing file is written after an accepted dialog: under a newly chosen path when the
// pairs changed, the promotion settings were confirmed or a field was confirmed with Enter;
// in place when only the head differs; not at all after a refused change.
enum class ConfigSaving { None, Write, WriteUnderChosenPath };
ConfigSaving SavingAfterChange(const StructuralChange& change, const ConfigDialogModel& dialog);

} // namespace velk
