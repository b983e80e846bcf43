#include "hands/pdf/HandRecordPdf.h"

#include "core/SafeSave.h"
#include "hands/BoardFacts.h"
#include "hands/BoardHandsText.h"
#include "hands/pdf/PdfDocument.h"
#include "scoring/Vulnerability.h"

#include <array>

namespace velk {

namespace {

constexpr double kPageWidth = 595.0, kPageHeight = 842.0; // A4 in points
constexpr double kMargin = 36.0;
constexpr std::array<const char*, 4> kSuitMarkup = {"♠", "<span foreground=\"#c00000\">♥</span>",
                                                    "<span foreground=\"#c00000\">♦</span>", "♣"};
constexpr std::array<const char*, 4> kSeatLetters = {"N", "O", "Z", "W"};
constexpr std::array<const char*, 5> kVulnerable = {"", "niemand", "NZ", "OW", "allen"};

// A void shows as a dash.
std::string RanksOrVoid(const Deal& deal, int seat, int suit) {
    const std::string ranks = DutchRanks(deal.suitText(seat, suit));
    return ranks.empty() ? "—" : ranks;
}

class Page {
public:
    explicit Page(cairo_t* cr) : cr_(cr), text_(cr) {}

    void text(double x, double y, const std::string& markup, double size, bool bold = false) {
        text_.markup(x, y, markup, {"DejaVu Sans", size, bold});
    }

    void hand(double x, double y, const Deal& deal, int seat) {
        for (int suit = 0; suit < 4; ++suit)
            text(x, y + suit * 12.0,
                 std::string(kSuitMarkup[static_cast<std::size_t>(suit)]) + " " +
                     RanksOrVoid(deal, seat, suit),
                 10);
    }

    void board(double x, double y, double width, const HandBoard& b) {
        const int vulnerability = BoardVulnerability(b.board);
        text(x, y,
             "Spel " + std::to_string(b.board) +
                 "   Gever: " + kSeatLetters[static_cast<std::size_t>(BoardDealer(b.board))] +
                 "   Kwetsbaar: " + kVulnerable[static_cast<std::size_t>(vulnerability)],
             11, true);
        const double top = y + 20, column = width / 3;
        hand(x + column, top, b.deal, North);
        hand(x, top + 56, b.deal, West);
        hand(x + 2 * column, top + 56, b.deal, East);
        hand(x + column, top + 112, b.deal, South);
        // The table in the middle, its seats marked.
        cairo_rectangle(cr_, x + column + 8, top + 56, 48, 48);
        cairo_set_line_width(cr_, 0.7);
        cairo_stroke(cr_);
        text(x + column + 28, top + 57, "N", 8);
        text(x + column + 28, top + 93, "Z", 8);
        text(x + column + 10, top + 75, "W", 8);
        text(x + column + 47, top + 75, "O", 8);
        if (b.analysis)
            analysis(x, top + 170, *b.analysis);
    }

    void analysis(double x, double y, const BoardAnalysis& a) {
        const std::array<int, 5> strains = {NoTrump, Spades, Hearts, Diamonds, Clubs};
        text(x, y, "SA", 8, true);
        for (std::size_t s = 1; s < strains.size(); ++s)
            text(x + 22.0 * static_cast<double>(s), y, kSuitMarkup[static_cast<std::size_t>(strains[s])], 8,
                 true);
        for (int seat = 0; seat < 4; ++seat) {
            const double row = y + 11.0 * (seat + 1);
            text(x - 14, row, kSeatLetters[static_cast<std::size_t>(seat)], 8, true);
            for (std::size_t s = 0; s < strains.size(); ++s)
                text(x + 22.0 * static_cast<double>(s), row, std::to_string(a.tricks.at(seat, strains[s])),
                     8);
        }
        std::string par = "Par: " + std::to_string(a.par.score) + " (NZ)";
        for (std::size_t i = 0; i < a.par.contracts.size(); ++i)
            par += (i == 0 ? "  " : ", ") + ParContractText(a.par.contracts[i]);
        text(x, y + 58, par, 8);
    }

private:
    cairo_t* cr_;
    PdfText text_;
};

} // namespace

std::vector<std::uint8_t> HandRecordPdf(const HandRecord& record) {
    PdfDocument pdf(kPageWidth, kPageHeight, "Spelverdelingen " + record.event);
    {
        Page page(pdf.cr());
        const double cellWidth = (kPageWidth - 2 * kMargin) / 2,
                     cellHeight = (kPageHeight - 2 * kMargin - 30) / 2;
        for (std::size_t i = 0; i < record.boards.size(); ++i) {
            const std::size_t onPage = i % 4;
            if (onPage == 0) {
                if (i > 0)
                    pdf.nextPage();
                page.text(kMargin, kMargin - 12,
                          record.event + (record.date.empty() ? "" : ", " + record.date), 12, true);
            }
            page.board(kMargin + static_cast<double>(onPage % 2) * cellWidth,
                       kMargin + 24 + static_cast<double>(onPage / 2) * cellHeight, cellWidth - 12,
                       record.boards[i]);
        }
    }
    return pdf.finish();
}

bool SaveHandRecordPdf(const std::string& path, const HandRecord& record) {
    const auto bytes = HandRecordPdf(record);
    return !bytes.empty() && SaveFileAtomically(path, bytes, {});
}

} // namespace velk
