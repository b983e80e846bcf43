#include "reports/ReportDocument.h"

namespace velk {

void ReportDocument::line(std::string_view text) {
    lines_.push_back({ReportLineKind::Text, std::string(text)});
}
void ReportDocument::boldOn() {
    mark(ReportLineKind::BoldOn);
}
void ReportDocument::boldOff() {
    mark(ReportLineKind::BoldOff);
}
void ReportDocument::newPage() {
    mark(ReportLineKind::NewPage);
}
void ReportDocument::beginBlock() {
    mark(ReportLineKind::BeginBlock);
}
void ReportDocument::endBlock() {
    mark(ReportLineKind::EndBlock);
}
void ReportDocument::mark(ReportLineKind kind) {
    lines_.push_back({kind, {}});
}

std::vector<std::string> ReportDocument::textLines() const {
    std::vector<std::string> texts;
    for (const ReportLine& entry : lines_)
        if (entry.kind == ReportLineKind::Text)
            texts.push_back(entry.text);
    return texts;
}

std::string ReportDocument::plainText() const {
    std::string text;
    for (const ReportLine& entry : lines_)
        if (entry.kind == ReportLineKind::Text) {
            text += entry.text;
            text += '\n';
        }
    return text;
}

} // namespace velk
