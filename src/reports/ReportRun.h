#pragma once

#include "reports/ReportContext.h"
#include "reports/ReportDocument.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace velk {

// Which selection dialog a report kind asks with.
enum class ReportQuestion { None, Groups, Range };
ReportQuestion QuestionOf(ReportKind kind);

// The help page of the result window for a kind.
int HelpContextOf(ReportKind kind);
// "&Andere" opens the window again with this kind (the rank lists go back to the lists by number);
// nothing for the count list of the score entry window, which only closes.
std::optional<ReportKind> OtherKindOf(ReportKind kind);

// The groups of one group alone: what the count list of the score entry window lists.
GroupSelection OneGroupSelection(int group);

// The selection dialogs, as the window or the command line offers them. Each returns true on OK.
class ReportSelections {
public:
    virtual ~ReportSelections() = default;
    virtual bool chooseGroups(ReportKind kind, GroupSelection& selection) = 0;
    virtual bool chooseRange(ReportKind kind, RangeSelection& selection) = 0;
};

// What a report needs beyond the competition file: computed match points and the session's scores.
struct ReportSources {
    // Match points of the open session were computed (and copied into it).
    std::function<bool(const Club&)> matchPointsComputed;
    // Loads the session's score file when it is not in memory; false when there is none.
    std::function<bool(Club&)> scoresLoaded;

    static ReportSources Default();
};

enum class ReportOutcome {
    Shown,        // the report was written
    Stopped,      // a check refused it or the selection was cancelled: nothing to show
    NotAvailable, // this version has no writer for the kind
    Delivered,    // the report went to files or another program: the window shows nothing
};

inline constexpr const char* kWorkFileName = "UitTekst";

// One run of the result window: the checks of a kind in order, the selection, the writer into a
// recorded document, and the work file beside the program's data.
class ReportRun {
public:
    ReportRun(Club& club, Dialogs& dialogs, ReportSelections& selections);

    void setSources(ReportSources sources) { sources_ = std::move(sources); }
    // The folder of the work file; the program's data folder unless set.
    void setWorkFolder(std::filesystem::path folder) { workFolder_ = std::move(folder); }
    std::filesystem::path workFile() const;
    // The program a page of the per-pair list is handed to, and the folder the page is written
    // in (the work file's unless set).
    void setDocumentOpener(DocumentOpener* opener) { opener_ = opener; }
    void setHandOffFolder(std::filesystem::path folder) { handOffFolder_ = std::move(folder); }
    // The solver of the hand record's list, for the boards not analysed yet.
    void setSolver(DoubleDummySolver* solver) { solver_ = solver; }

    // `groups`: what a kind that asks no question lists (group A unless given); a kind that asks
    // takes the answer instead.
    ReportOutcome open(ReportKind kind, const std::optional<GroupSelection>& groups = std::nullopt);

    ReportKind kind() const { return kind_; }
    const ReportDocument& document() const { return document_; }
    // The context of the last run that got as far as its writer.
    const ReportContext* context() const { return context_ ? &*context_ : nullptr; }
    int width() const { return context_ ? context_->width : 70; }
    const std::string& warnings() const { return warnings_; }
    std::string title() const;
    // The shown report as an HTML page: the slam totals as their table, any other list in <PRE>
    // blocks. What "Bewaar" and the command line both write.
    std::string htmlPage() const;
    // Set when the work file could not be written; the report is shown all the same.
    bool workFileFailed() const { return workFileFailed_; }
    // After Delivered: whether every file was written and the other program started.
    bool deliveredWhole() const { return deliveredWhole_; }

private:
    bool checksPass(ReportKind kind);
    bool select(ReportContext& context);

    Club& club_;
    Dialogs& dialogs_;
    ReportSelections& selections_;
    ReportSources sources_;
    std::filesystem::path workFolder_;
    std::filesystem::path handOffFolder_;
    DocumentOpener* opener_ = nullptr;
    DoubleDummySolver* solver_ = nullptr;
    ReportKind kind_ = ReportKind::PairList;
    std::optional<ReportContext> context_;
    ReportDocument document_;
    std::string warnings_;
    bool workFileFailed_ = false;
    bool deliveredWhole_ = false;
};

} // namespace velk
