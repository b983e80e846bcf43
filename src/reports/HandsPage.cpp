#include "reports/HandsPage.h"

#include "hands/BoardHandsText.h"
#include "reports/HtmlReport.h"

namespace velk {

std::string HandsAnchor(int board) {
    return "spel" + std::to_string(board);
}

std::string HandsLink(int board) {
    return std::string(kHandsPageFileName) + "#" + HandsAnchor(board);
}

std::string HandsPage(const HandRecord& hands) {
    const std::string title = "Spelverdelingen " + hands.event;
    std::string html = HtmlHead(title) + "\n<H3>" + HtmlText(title) + "</H3>\n";
    for (const HandBoard& board : hands.boards) {
        html += "<A NAME=\"" + HandsAnchor(board.board) + "\"></A>\n<PRE>\n";
        for (const std::string& line : BoardHandsLines(board))
            html += HtmlText(line) + "\n";
        html += "</PRE>\n";
    }
    return html + kHtmlTail + "\n";
}

} // namespace velk
