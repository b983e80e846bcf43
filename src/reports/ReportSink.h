#pragma once

#include <string_view>

namespace velk {

// Where a report writer puts its lines. Besides text a report holds the three marker lines of the
// line protocol (bold on, bold off, new page), which mean something on paper only, and block
// bounds around each group, which become <PRE> and </PRE> in an HTML page. The sink decides what
// each becomes; a writer always writes all of them.
class ReportSink {
public:
    virtual ~ReportSink() = default;

    // One line of text, UTF-8, without a line break.
    virtual void line(std::string_view text) = 0;
    virtual void boldOn() = 0;
    virtual void boldOff() = 0;
    // A new page; the printer starts one only when more than ten lines stand on the current page.
    virtual void newPage() = 0;
    // The bounds of one group's block of lines.
    virtual void beginBlock() = 0;
    virtual void endBlock() = 0;

    void emptyLine() { line({}); }
};

} // namespace velk
