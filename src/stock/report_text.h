// The cells of the stock reports: numbers through pictures and texts cut to their columns.
#ifndef PALUNDA_STOCK_REPORT_TEXT_H_
#define PALUNDA_STOCK_REPORT_TEXT_H_

#include <string>
#include <string_view>

#include "frame/report_engine.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"
#include "xbase/value.h"

namespace stock {

// A number through a picture (" 9,999,999").
inline std::string Fig(double value, std::string_view picture) {
  return xbase::Transform(xbase::Value::Num(value), picture);
}

// A text padded or cut to `width`.
inline std::string Cut(std::string_view text, int width) { return xbase::PadR(xbase::Left(text, width), width); }

// Pieces in cartons: 0 when the carton size is 0.
inline double Cartons(double pieces, double per_carton) { return per_carton == 0 ? 0 : pieces / per_carton; }

// The layout of a stock report: no signature box after it.
inline frame::ReportLayout StockLayout(int width, std::string title, int left_margin, int first_body_row = 1) {
  frame::ReportLayout layout;
  layout.width = width;
  layout.title = std::move(title);
  layout.left_margin = left_margin;
  layout.first_body_row = first_body_row;
  layout.signature_box = false;
  return layout;
}

}  // namespace stock

#endif  // PALUNDA_STOCK_REPORT_TEXT_H_
