// Pages for the page printer, drawn as PDF on Legal paper in DejaVu Sans Mono, a monospace font
// that has the code page's box and block characters.
#include "platform/page_document.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <string_view>

#include "xbase/cp437.h"

namespace platform {
namespace {

constexpr double kPointsPerMm = 72.0 / 25.4;
constexpr double kDefaultPoints = 12;

cairo_status_t AppendToString(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

std::string_view WithoutTrailingBlanks(std::string_view text) {
  const std::size_t last = text.find_last_not_of(' ');
  return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

void DrawPage(cairo_t* cr, const PrintPage& page, const PageSetup& setup, double paper_width) {
  const double left = setup.left_mm * kPointsPerMm;
  const double room = std::max(1.0, paper_width - left - setup.right_mm * kPointsPerMm);
  double top = setup.top_mm * kPointsPerMm;
  for (const PrintLine& line : page) {
    const double points = line.points > 0 ? line.points : kDefaultPoints;
    cairo_set_font_size(cr, points);
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    const std::string_view text = WithoutTrailingBlanks(line.text);
    if (!text.empty()) {
      const double wanted = std::max(1, setup.columns) * font.max_x_advance;
      cairo_save(cr);
      cairo_translate(cr, left, top + font.ascent);
      cairo_scale(cr, std::min(1.0, room / wanted), 1.0);
      cairo_move_to(cr, 0, 0);
      cairo_show_text(cr, xbase::Cp437ToUtf8(text).c_str());
      cairo_restore(cr);
    }
    top += points;
  }
}

}  // namespace

xbase::Status DrawPdf(const std::vector<PrintPage>& pages, const PageSetup& setup, std::string* pdf) {
  if (pages.empty()) return xbase::Status::InvalidArgument("PDF", "no pages to draw");
  const double width = setup.landscape() ? kLegalHeightPoints : kLegalWidthPoints;
  const double height = setup.landscape() ? kLegalWidthPoints : kLegalHeightPoints;
  std::string bytes;
  cairo_surface_t* surface = cairo_pdf_surface_create_for_stream(AppendToString, &bytes, width, height);
  cairo_t* cr = cairo_create(surface);
  cairo_select_font_face(cr, kPageFont, CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
  cairo_set_source_rgb(cr, 0, 0, 0);
  for (const PrintPage& page : pages) {
    DrawPage(cr, page, setup, width);
    cairo_show_page(cr);
  }
  cairo_status_t status = cairo_status(cr);
  cairo_destroy(cr);
  cairo_surface_finish(surface);
  if (status == CAIRO_STATUS_SUCCESS) status = cairo_surface_status(surface);
  cairo_surface_destroy(surface);
  if (status != CAIRO_STATUS_SUCCESS) return xbase::Status::IOError("PDF", cairo_status_to_string(status));
  *pdf = std::move(bytes);
  return xbase::Status::OK();
}

}  // namespace platform
