#pragma once

#include <cairo.h>
#include <cstdint>
#include <pango/pango-layout.h>
#include <string>
#include <vector>

namespace velk {

// A PDF drawn with cairo into memory, page by page.
class PdfDocument {
public:
    // Pages of `width` x `height` points; "Velk" as its creator.
    PdfDocument(double width, double height, const std::string& title);
    ~PdfDocument();
    PdfDocument(const PdfDocument&) = delete;
    PdfDocument& operator=(const PdfDocument&) = delete;

    cairo_t* cr() const { return cr_; }
    void nextPage() { cairo_show_page(cr_); }
    // Ends the document: its bytes, empty when drawing failed. Nothing may be drawn after.
    std::vector<std::uint8_t> finish();

private:
    std::vector<std::uint8_t> bytes_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

struct PdfFont {
    const char* family = "DejaVu Sans";
    double size = 10; // points
    bool bold = false;
};

// Text on a PDF page through pango.
class PdfText {
public:
    explicit PdfText(cairo_t* cr);
    ~PdfText();
    PdfText(const PdfText&) = delete;
    PdfText& operator=(const PdfText&) = delete;

    // Pango markup with its top left at (x, y), on one line.
    void markup(double x, double y, const std::string& markup, PdfFont font);
    // Text as it is, never read as markup, wrapped at `width` points.
    void plain(double x, double y, double width, const std::string& text, PdfFont font);

private:
    void setFont(PdfFont font);
    cairo_t* cr_;
    PangoLayout* layout_;
};

} // namespace velk
