// The delivery notes and sales returns of a period as the sales journal and the transaction recaps
// read them, and the text pages those reports print.
#ifndef PALUNDA_RECAPS_SALES_DOCUMENTS_H_
#define PALUNDA_RECAPS_SALES_DOCUMENTS_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/open_table.h"
#include "frame/session.h"
#include "recaps/report_box.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace recaps {

// The two kinds of sales documents and their tables.
struct DocumentKind {
  std::string_view header;
  std::string_view lines;
  std::string_view date_order;
  std::string_view number_order;  // of the lines, on the document number
  std::string_view number;        // the number field of both
};
inline constexpr DocumentKind kNotes = {"SRTJLN1", "SRTJLN2", "SRTJLN12", "SRTJLN21", "INVOICE"};
inline constexpr DocumentKind kReturns = {"RTJUAL1", "RTJUAL2", "RTJUAL12", "RTJUAL21", "NOMOR"};

// Which documents count: dated from..to, customer, salesman and type beginning with the trimmed
// answers, and (unless `all`) printed.
struct DocumentFilter {
  xbase::Date from;
  xbase::Date to;
  std::string customer;
  std::string salesman;
  std::string type;
  bool all = false;
};

// The fields of a box that asks a period and the prefix filters: "PERIODE", "s/d", "RELASI", "SALES",
// "TIPE"; with `per_page` also "BRS/HAL".
std::vector<BoxField> DocumentFields(DocumentFilter* filter, double* per_page = nullptr);
// A filter of this month, every customer, salesman and type.
DocumentFilter ThisMonth(frame::Session& session, bool all = false);

// Calls visit(header, lines) for each document of the kind that passes the filter, in date order, the
// header standing on the document and the lines area on nothing in particular; `lines` are the record
// numbers of its lines in key order. Both tables are among `tables` under their names.
xbase::Status ForEachDocument(const frame::OpenedTables& tables, const DocumentKind& kind, const DocumentFilter& filter,
                              const std::function<xbase::Status(xbase::WorkArea& header, xbase::WorkArea& lines,
                                                                const std::vector<uint32_t>& records)>& visit);

// The value of the current line: quantity x price less both line discounts.
double LineValue(const xbase::WorkArea& line);
// Both header discounts of the current header as one factor.
double HeaderFactor(const xbase::WorkArea& header);

// A text report cut into pages: the heading lines open every page; a page ends when its lines pass
// the lines per page.
class PagedText {
 public:
  PagedText(std::vector<std::string> headings, int lines_per_page)
      : headings_(std::move(headings)), lines_per_page_(lines_per_page) {}
  void Line(std::string text);
  const std::vector<std::vector<std::string>>& pages() const { return pages_; }

 private:
  std::vector<std::string> headings_;
  int lines_per_page_;
  std::vector<std::vector<std::string>> pages_;
};

// Prints the pages through the output dialog as "rekap jual": left margin 2, the headings and one
// line more kept in view, no signature box. False when nothing reached a printer.
bool PrintPages(frame::Session& session, const PagedText& text, int headings, int width);

}  // namespace recaps

#endif  // PALUNDA_RECAPS_SALES_DOCUMENTS_H_
