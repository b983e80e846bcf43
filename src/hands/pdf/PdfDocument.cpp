#include "hands/pdf/PdfDocument.h"

#include <cairo-pdf.h>
#include <pango/pangocairo.h>

namespace velk {

namespace {

cairo_status_t Append(void* closure, const unsigned char* data, unsigned int length) {
    auto* out = static_cast<std::vector<std::uint8_t>*>(closure);
    out->insert(out->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

} // namespace

PdfDocument::PdfDocument(double width, double height, const std::string& title)
    : surface_(cairo_pdf_surface_create_for_stream(Append, &bytes_, width, height)) {
    cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_TITLE, title.c_str());
    cairo_pdf_surface_set_metadata(surface_, CAIRO_PDF_METADATA_CREATOR, "Velk");
    cr_ = cairo_create(surface_);
}

PdfDocument::~PdfDocument() {
    if (cr_ != nullptr)
        cairo_destroy(cr_);
    if (surface_ != nullptr)
        cairo_surface_destroy(surface_);
}

std::vector<std::uint8_t> PdfDocument::finish() {
    cairo_destroy(cr_);
    cr_ = nullptr;
    cairo_surface_finish(surface_);
    const bool ok = cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface_);
    surface_ = nullptr;
    if (!ok)
        bytes_.clear();
    return std::move(bytes_);
}

PdfText::PdfText(cairo_t* cr) : cr_(cr), layout_(pango_cairo_create_layout(cr)) {}

PdfText::~PdfText() {
    g_object_unref(layout_);
}

void PdfText::setFont(PdfFont font) {
    PangoFontDescription* description = pango_font_description_from_string(font.family);
    pango_font_description_set_absolute_size(description, font.size * PANGO_SCALE);
    pango_font_description_set_weight(description, font.bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_layout_set_font_description(layout_, description);
    pango_font_description_free(description);
}

void PdfText::markup(double x, double y, const std::string& markup, PdfFont font) {
    setFont(font);
    pango_layout_set_width(layout_, -1);
    pango_layout_set_markup(layout_, markup.c_str(), -1);
    cairo_move_to(cr_, x, y);
    pango_cairo_show_layout(cr_, layout_);
}

void PdfText::plain(double x, double y, double width, const std::string& text, PdfFont font) {
    setFont(font);
    pango_layout_set_width(layout_, static_cast<int>(width * PANGO_SCALE));
    pango_layout_set_wrap(layout_, PANGO_WRAP_WORD_CHAR);
    pango_layout_set_attributes(layout_, nullptr); // none left from earlier markup
    pango_layout_set_text(layout_, text.c_str(), -1);
    cairo_move_to(cr_, x, y);
    pango_cairo_show_layout(cr_, layout_);
}

} // namespace velk
