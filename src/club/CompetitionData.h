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

// What an accepted dialog did to an existing file.
struct StructuralChange {
    bool refused = false; // too many tables per group, or the number of groups changed: nothing applied
    bool pairCountChanged = false;
    bool headChanged = false; // any field that makes the file worth saving differs
};

// The rules of the competition data dialog: the form shows `text` and the choices, and calls
// validateField on Enter, accept on OK and, once the dialog closed with OK, commit. The dialog
// edits a draft of the configuration; the open competition changes only in commit.
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

    // The configuration as the dialog holds it: every field checked so far and the promotion
    // settings.
    const TConfigObj& draft() const { return draft_; }

    // Validates one field and stores it in the draft when valid. Returns 0 or the error code.
    int validateField(int field);
    // The field after `field` in input order.
    int nextField(int field) const;
    // The field an error code puts the focus on.
    static int fieldOfCode(int code);

    // OK: true when the dialog may close; otherwise `focus` names the field to focus.
    bool accept();
    int focus = FieldName;

    // After the dialog closed with OK: applies the draft to the open competition, an existing file
    // with its structural changes (see ApplyStructuralChanges). False, with the message shown and
    // nothing changed, when the configuration cannot hold: too many tables per group.
    bool commit();
    // What commit did to an existing file.
    const StructuralChange& change() const { return change_; }

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
    TConfigObj draft_;
    StructuralChange change_;
};

// Applies an accepted configuration to an existing file: a changed number of groups is refused
// (nothing changes), a changed number of pairs inserts or removes pairs per group with their
// result rows; then the head and the promotion settings are taken.
StructuralChange ApplyStructuralChanges(Club& club, const TConfigObj& accepted, Dialogs& dialogs);

// How an existing file is written after an accepted dialog: under a newly chosen path when the
// pairs changed, the promotion settings were confirmed or a field was confirmed with Enter;
// in place when only the head differs; not at all after a refused change.
enum class ConfigSaving { None, Write, WriteUnderChosenPath };
ConfigSaving SavingAfterChange(const StructuralChange& change, const ConfigDialogModel& dialog);

} // namespace velk
