// velk-cli report: any list of the result window, as text, an HTML page or a PDF file.
#include "cli/ArgParser.h"
#include "cli/CliDocumentOpener.h"
#include "cli/Commands.h"
#include "cli/OpenCompetition.h"
#include "cli/UsageTexts.h"
#include "hands/dds/DdsSolver.h"
#include "reports/PdfText.h"
#include "reports/ReportFiles.h"
#include "reports/ReportRun.h"
#include "reports/ReportWriters.h"
#include "selection/GroupSelection.h"
#include "selection/RangeSelectionModel.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <unistd.h>

namespace velk::cli {

namespace {

// "F-L" or "F"; either side may be "*".
std::pair<std::string, std::string> SplitRange(const std::string& text) {
    const auto dash = text.find('-');
    if (dash == std::string::npos)
        return {text, text};
    return {text.substr(0, dash), text.substr(dash + 1)};
}

// The selection dialogs, filled in from the options and checked by the dialogs' own rules.
class OptionSelections : public ReportSelections {
public:
    OptionSelections(Club& club, Dialogs& dialogs, const ArgParser& args)
        : club_(club), dialogs_(dialogs), args_(args) {}

    bool chooseGroups(ReportKind kind, GroupSelection& selection) override {
        GroupSelectionModel model(club_, dialogs_);
        model.setUp(static_cast<int>(kind));
        const std::string groups = args_.value("groups").value_or("*");
        const auto [first, last] = SplitRange(groups);
        model.setBoxText(SelectionField::SelectBox1, " " + first);
        model.setBoxText(SelectionField::SelectBox2, " " + (first == "*" ? std::string("A") : last));
        // The open session unless a range of sessions (or boards, or pairs) is given.
        // The hand record lists every board of the session unless --range names some.
        const std::string current =
            kind == ReportKind::Hands ? "1-" + std::to_string(std::max<int>(1, club_.SessionHead.BoardCount))
                                      : std::to_string(std::max(1, club_.CurrentSession));
        const auto [from, to] =
            SplitRange(args_.value("sessions").value_or(args_.value("range").value_or(current)));
        model.setBoxText(SelectionField::SelectBox3, from);
        model.setBoxText(SelectionField::SelectBox4, to);
        if (!model.accept())
            return false;
        selection = model.selection();
        return true;
    }

    bool chooseRange(ReportKind kind, RangeSelection& selection) override {
        RangeSelectionModel model(club_, dialogs_);
        model.setUp(static_cast<int>(kind));
        // The season lists name their competitions with --competitions.
        if (const auto range = args_.value("range") ? args_.value("range") : args_.value("competitions")) {
            const auto [from, to] = SplitRange(*range);
            model.setText(RangeField::First, from);
            model.setText(RangeField::Last, to);
        }
        if (const auto session = args_.value("session"))
            model.setText(RangeField::Session, *session);
        if (!model.accept())
            return false;
        selection = model.selection();
        return true;
    }

private:
    Club& club_;
    Dialogs& dialogs_;
    const ArgParser& args_;
};

} // namespace

int RunReport(const Args& raw) {
    const ArgParser args(raw, {"kind", "session", "groups", "sessions", "range", "competitions", "drives",
                               "format", "output"});
    const std::string format = args.value("format").value_or(args.has("html") ? "html" : "text");
    int kind = 0;
    if (args.positional().size() != 1 || !args.unknown({"yes", "no", "html"}).empty() ||
        !args.value("kind") || !args.intValue("kind", kind) ||
        (format != "text" && format != "html" && format != "pdf") ||
        (format == "pdf" && !args.value("output"))) {
        std::cerr << UsageOf("report");
        return 2;
    }
    OpenCompetition open(args.answerYes());
    open.readOnly();
    if (const int status = open.OpenNamed(args))
        return status;
    // The summer drives ask how many were played.
    open.dialogs.inputAnswer = args.value("drives");
    OptionSelections selections(open.club, open.dialogs, args);
    ReportRun run(open.club, open.dialogs, selections);
    // The work file of the desktop program is left alone: a command writes only what it is asked.
    const std::filesystem::path scratch =
        std::filesystem::temp_directory_path() / ("velk-report-" + std::to_string(::getpid()));
    run.setWorkFolder(scratch);
    // The per-pair pages go where --output names (a page of it: its folder), the page handed to
    // the word processor beside it or beside the competition.
    const auto output = args.value("output");
    open.dialogs.savePath = output;
    open.dialogs.takeProposedFile = true;
    const std::filesystem::path beside = output ? std::filesystem::path(*output).parent_path()
                                                : std::filesystem::path(open.club.ClubFilePath).parent_path();
    run.setHandOffFolder(beside.empty() ? std::filesystem::path(".") : beside);
    std::error_code ec;
    if (output && !beside.empty())
        std::filesystem::create_directories(beside, ec);
    CliDocumentOpener opener;
    run.setDocumentOpener(&opener);
    DdsSolver solver;
    run.setSolver(&solver);
    // The count list of one group asks nothing in the window, which lists its own group: --groups
    // names it, checked as the other lists' groups (a range or "*" lists each group in it).
    std::optional<GroupSelection> groups;
    if (static_cast<ReportKind>(kind) == ReportKind::GroupCountList && args.value("groups")) {
        groups.emplace();
        if (!selections.chooseGroups(ReportKind::GroupCountList, *groups))
            return 1;
    }
    const ReportOutcome outcome = run.open(static_cast<ReportKind>(kind), groups);
    std::filesystem::remove_all(scratch, ec);
    if (outcome == ReportOutcome::Delivered)
        return run.deliveredWhole() ? 0 : 1;
    if (outcome == ReportOutcome::NotAvailable) {
        std::cerr << kNotAvailable << ": lijst " << kind << '\n';
        return 1;
    }
    if (outcome != ReportOutcome::Shown)
        return 1;
    if (!run.warnings().empty())
        std::cerr << run.warnings() << '\n';

    const ReportDocument& report = run.document();
    if (!output) {
        std::cout << (format == "html" ? run.htmlPage() : report.plainText());
        return std::cout.good() ? 0 : 1;
    }
    bool saved = false;
    if (format == "html") {
        saved = SaveHtmlPage(*output, run.htmlPage());
    } else if (format == "pdf") {
        saved = SaveReportPdfText(*output, report, PdfPageOf(open.club.ConfigRecord, run.width()));
    } else {
        saved = SaveReportText(*output, report);
    }
    if (!saved) {
        std::cerr << "Wegschrijven van " << *output << " niet gelukt\n";
        return 1;
    }
    return 0;
}

} // namespace velk::cli
