#pragma once

#include "reports/ReportSink.h"

#include <string>
#include <vector>

namespace velk {

// What one entry of a report is.
enum class ReportLineKind { Text, BoldOn, BoldOff, NewPage, BeginBlock, EndBlock };

struct ReportLine {
    ReportLineKind kind = ReportLineKind::Text;
    std::string text; // for Text only

    bool operator==(const ReportLine&) const = default;
};

// A report as written, kept whole so that the screen, the printer and every file form are made
// from the same lines.
class ReportDocument : public ReportSink {
public:
    void line(std::string_view text) override;
    void boldOn() override;
    void boldOff() override;
    void newPage() override;
    void beginBlock() override;
    void endBlock() override;

    const std::vector<ReportLine>& lines() const { return lines_; }
    bool empty() const { return lines_.empty(); }
    void clear() { lines_.clear(); }

    // The text lines alone, as the screen and a text file show them.
    std::vector<std::string> textLines() const;
    // The text lines joined by "\n", with a final line break: the UTF-8 text file.
    std::string plainText() const;

private:
    void mark(ReportLineKind kind);
    std::vector<ReportLine> lines_;
};

} // namespace velk
