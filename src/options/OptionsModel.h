#pragma once

#include "core/Dialogs.h"
#include "core/files/CompetitionFile.h"
#include "core/records/ConfigRecord.h"
#include "options/PrinterMetrics.h"

#include <array>
#include <string>

namespace velk {

// The four pages of the options window, in the order of its tabs.
enum class OptionsPage : int { Personal = 0, Print = 1, SlamBonus = 2, Settings = 3 };
inline constexpr int kOptionsPageCount = 4;

// The controls of the options window that take the focus, by their object names.
enum class OptionsField {
    PersEdit1,
    PersEdit2,
    PersEdit3,
    PersEdit4,
    PersEdit5,
    OKOwnerBtn,
    LeftEdit,
    TopEdit,
    BodemEdit,
    PagelenEdit,
    PrinterBtn,
    FontBtn,
    KSLaagEdit,
    KSHoogEdit,
    KSSAEdit,
    GSLaagEdit,
    GSHoogEdit,
    GSSAEdit,
    OkBtn,
};

// Why a value of a page was refused.
enum class OptionsCheck {
    Passed,
    NotANumber, // the text is no whole number
    OutOfRange, // a number the record cannot hold, or a page length below 1
};

inline constexpr const char* kOptionsCloseQuestion = "Wijzigingen opslaan, gebruik dan OK knop";
inline constexpr const char* kSlamLabelOlderFile = "Wijzigingen worden alleen bewaard voor bestanden na 2012";
inline constexpr const char* kSlamLabel = "Kies het aanl punten voor elk gemaakt SlemContract";

// A file made before 2013 keeps the slam bonus table it was read with: changes on the slam page
// are shown but not stored. The year is that of the file's header record.
bool IsFileBefore2013(const CompetitionFileData& data);

// What the controls of the pages hold; the window copies its controls here before every step.
struct OptionsControls {
    std::array<std::string, 5> personal; // PersEdit1..5
    std::string left, top, bottom, pageLength;
    bool landscape = false;           // Papierstand item 1, "&Liggend"
    bool ownerData = false;           // PersData, "Eigenaar"
    bool pageHead = false;            // PrintHead, "Print kop"
    std::array<std::string, 6> slams; // KSLaag, KSHoog, KSSA, GSLaag, GSHoog, GSSA
    bool shortNotation = false;       // KortNotatie
    bool maximalWidth = false;        // MaxScherm
    bool frameLines = false;          // Kaderlijnen
    bool enterMovesOn = false;        // Entertoets
};

// The rules of the options window (TOptiesForm): a draft of the settings kept in the
// configuration record and the slam bonus table, what each page shows, how its values are taken
// over and refused, and where the focus goes. commit() puts the draft into the competition.
class OptionsModel {
public:
    // `metrics` are those of the chosen printer with the print font: the margins are shown and
    // taken through them.
    OptionsModel(const TConfigObj& config, const SlamBonusBlock& slamBonus, bool olderFile,
                 const PrinterMetrics& metrics, Dialogs& dialogs);

    OptionsControls controls;

    const PrinterMetrics& metrics() const { return metrics_; }

    // Fills the controls of every page, or of one, from the draft.
    void fill();
    void fillPage(OptionsPage page);

    std::string slamLabel() const { return olderFile_ ? kSlamLabelOlderFile : kSlamLabel; }
    bool olderFile() const { return olderFile_; }
    static int HelpContextOf(OptionsPage page);

    // Takes over the values of a page from the controls. A refused value shows its message and
    // puts the focus on its field; nothing of the page is stored then.
    bool takePage(OptionsPage page);
    // Enter in a field: a print or slam edit stores its value first; a refused value keeps the
    // focus there. Returns whether the focus moved on.
    bool enter(OptionsField field);
    // "O&k" on the person page: the five texts at once.
    void storeOwner();
    static OptionsField NextField(OptionsField field);
    static OptionsPage PageOf(OptionsField field);

    // "Printer": another printer; the print font becomes "Courier New" 10 and `measured` is that
    // printer with that font. "Print Font": the chosen font, `measured` with it.
    void choosePrinter(int printerIndex, const PrinterMetrics& measured);
    void chooseFont(const FontChoice& font, const PrinterMetrics& measured);
    int printerIndex() const { return draft_.PrinterIndex; }
    FontChoice printFont() const { return {draft_.PrinterFontName.get(), draft_.printerFontSize()}; }

    // Set by every change of an edit and every click of a choice; `page` is where it happened.
    void changed(OptionsPage page);
    bool modified() const { return modified_; }
    void clearModified();

    // "OK": when something changed, the pages changed since the window opened are taken over, in
    // page order; a refusal turns to its page and keeps the window open. True when it may close.
    bool accept();
    // Closing otherwise than with OK after a change asks whether to go back and use OK; true when
    // the window may close.
    bool mayClose();

    OptionsField focus() const { return focus_; }
    OptionsPage focusPage() const { return PageOf(focus_); }
    OptionsCheck lastCheck() const { return lastCheck_; }

    const TConfigObj& draft() const { return draft_; }
    const SlamBonusBlock& slamDraft() const { return slamDraft_; }

    // Writes the settings of the draft into `config` and, unless the file is older, the slam
    // bonus values into `slamBonus`; everything else in them stays.
    void commit(TConfigObj& config, SlamBonusBlock& slamBonus) const;

private:
    struct Number {
        OptionsCheck check = OptionsCheck::Passed;
        int value = 0;
    };
    Number read(OptionsField field, int low, int high) const;
    bool refuse(OptionsField field, OptionsCheck check);
    // The value an edit of the print page stores, or a refusal.
    Number printValue(OptionsField field) const;
    void storePrintValue(OptionsField field, int value);
    const std::string& textOf(OptionsField field) const;
    bool takePrint();
    bool takeSlams();

    TConfigObj draft_;
    SlamBonusBlock slamDraft_;
    bool olderFile_;
    Dialogs& dialogs_;
    PrinterMetrics metrics_;
    bool modified_ = false;
    std::array<bool, kOptionsPageCount> pageChanged_{};
    OptionsField focus_ = OptionsField::PersEdit1;
    OptionsCheck lastCheck_ = OptionsCheck::Passed;
};

// The caption a field's message names it by.
std::string OptionsFieldCaption(OptionsField field);

} // namespace velk
