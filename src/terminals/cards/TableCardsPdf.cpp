#include "terminals/cards/TableCardsPdf.h"

#include "core/SafeSave.h"
#include "hands/pdf/PdfDocument.h"

#include <memory>
#include <qrencode.h>

namespace velk::terminals {

namespace {

constexpr double kPageWidth = 595.0, kPageHeight = 842.0; // A4 in points
constexpr double kMargin = 28.0;
constexpr int kColumns = 2, kRows = 3;
constexpr double kCardWidth = (kPageWidth - 2 * kMargin) / kColumns;
constexpr double kCardHeight = (kPageHeight - 2 * kMargin) / kRows;
constexpr double kPadding = 14.0;
constexpr double kCodeSize = 110.0;
constexpr int kQuietModules = 4; // the white border a scanner needs around the code
constexpr const char* kInstruction = "Scan de code of open het adres, kies uw tafel en typ de PIN";

using QrCode = std::unique_ptr<QRcode, decltype(&QRcode_free)>;

class Card {
public:
    explicit Card(cairo_t* cr) : cr_(cr), text_(cr) {}

    // Plain text, never markup: names come from the competition file.
    void text(double x, double y, double width, const std::string& s, const char* family, double size,
              bool bold = false) {
        text_.plain(x, y, width, s, {family, size, bold});
    }

    // The code's dark modules as squares, with the quiet zone around them left white.
    void code(double x, double y, const QRcode& qr) {
        const double module = kCodeSize / (qr.width + 2 * kQuietModules);
        for (int row = 0; row < qr.width; ++row)
            for (int col = 0; col < qr.width; ++col)
                if (qr.data[row * qr.width + col] & 1)
                    cairo_rectangle(cr_, x + (col + kQuietModules) * module,
                                    y + (row + kQuietModules) * module, module, module);
        cairo_set_source_rgb(cr_, 0, 0, 0);
        cairo_fill(cr_);
    }

    void cutLines(double x, double y) {
        const double dashes[] = {4.0, 3.0};
        cairo_save(cr_);
        cairo_set_source_rgb(cr_, 0.55, 0.55, 0.55);
        cairo_set_line_width(cr_, 0.5);
        cairo_set_dash(cr_, dashes, 2, 0);
        cairo_rectangle(cr_, x, y, kCardWidth, kCardHeight);
        cairo_stroke(cr_);
        cairo_restore(cr_);
    }

    void draw(double x, double y, const TableCardsInput& input, const TableCard& card, const QRcode& qr) {
        cutLines(x, y);
        const double left = x + kPadding, width = kCardWidth - 2 * kPadding;
        text(left, y + 14, width, "Tafel " + card.label, "DejaVu Sans", 24, true);
        text(left, y + 48, width, input.competition, "DejaVu Sans", 10);
        std::string when = "Zitting " + std::to_string(input.session);
        if (!input.date.empty())
            when += ", " + input.date;
        text(left, y + 62, width, when, "DejaVu Sans", 10);
        code(left, y + 84, qr);
        const double pinLeft = left + kCodeSize + 8, pinWidth = width - kCodeSize - 8;
        text(pinLeft, y + 96, pinWidth, "PIN", "DejaVu Sans", 11);
        text(pinLeft, y + 112, pinWidth, card.pin, "DejaVu Sans Mono", 28, true);
        text(left, y + 200, width, card.address, "DejaVu Sans Mono", 9);
        text(left, y + 222, width, kInstruction, "DejaVu Sans", 9);
    }

private:
    cairo_t* cr_;
    PdfText text_;
};

} // namespace

std::vector<std::uint8_t> TableCardsPdf(const TableCardsInput& input, std::string& problem) {
    std::vector<QrCode> codes;
    for (const TableCard& card : input.cards) {
        codes.emplace_back(QRcode_encodeString(card.address.c_str(), 0, QR_ECLEVEL_M, QR_MODE_8, 1),
                           &QRcode_free);
        if (!codes.back()) {
            problem = "Geen QR-code te maken van " + card.address;
            return {};
        }
    }
    if (input.cards.empty()) {
        problem = "Geen tafels in zitting " + std::to_string(input.session);
        return {};
    }
    PdfDocument pdf(kPageWidth, kPageHeight,
                    "Tafelkaarten " + input.competition + ", zitting " + std::to_string(input.session));
    {
        Card card(pdf.cr());
        const std::size_t perPage = kColumns * kRows;
        for (std::size_t i = 0; i < input.cards.size(); ++i) {
            const std::size_t onPage = i % perPage;
            if (onPage == 0 && i > 0)
                pdf.nextPage();
            card.draw(kMargin + static_cast<double>(onPage % kColumns) * kCardWidth,
                      kMargin + static_cast<double>(onPage / kColumns) * kCardHeight, input, input.cards[i],
                      *codes[i]);
        }
    }
    auto bytes = pdf.finish();
    if (bytes.empty())
        problem = "Tafelkaarten niet te tekenen";
    return bytes;
}

bool WriteTableCards(const TableCardsInput& input, const std::string& pdfPath, std::string& problem) {
    const auto bytes = TableCardsPdf(input, problem);
    if (bytes.empty())
        return false;
    if (!SaveFileAtomically(pdfPath, bytes, {})) {
        problem = "Wegschrijven van " + pdfPath + " niet gelukt";
        return false;
    }
    return true;
}

} // namespace velk::terminals
