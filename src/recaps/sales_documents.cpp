// The delivery notes and sales returns of a period as the sales journal and the transaction recaps
// read them, and the text pages those reports print.
#include "recaps/sales_documents.h"

#include "frame/report_engine.h"
#include "recaps/recap_report.h"
#include "recaps/recap_tables.h"
#include "text/date_helpers.h"
#include "xbase/picture.h"

namespace recaps {

std::vector<BoxField> DocumentFields(DocumentFilter* filter, double* per_page) {
  std::vector<BoxField> fields = {{"PERIODE   :", &filter->from},
                                  {"s/d       :", &filter->to},
                                  {"RELASI    :", &filter->customer, "@!"},
                                  {"SALES     :", &filter->salesman, "@!"},
                                  {"TIPE      :", &filter->type, "@!"}};
  if (per_page != nullptr) fields.push_back({"BRS/HAL   :", per_page, "99"});
  return fields;
}

DocumentFilter ThisMonth(frame::Session& session, bool all) {
  return {text::TGLAWAL(session.Today()), text::TGLAKHIR(session.Today()), std::string(10, ' '), std::string(4, ' '),
          std::string(2, ' '), all};
}

xbase::Status ForEachDocument(const frame::OpenedTables& tables, const DocumentKind& kind, const DocumentFilter& filter,
                              const std::function<xbase::Status(xbase::WorkArea& header, xbase::WorkArea& lines,
                                                                const std::vector<uint32_t>& records)>& visit) {
  xbase::WorkArea& header = tables[kind.header];
  xbase::WorkArea& lines = tables[kind.lines];
  std::vector<uint32_t> records;
  xbase::Status s = header.SetOrder(kind.date_order);
  if (s.ok()) s = lines.SetOrder(kind.number_order);
  // From the first day of the period that has a document, in date order up to the end.
  if (s.ok()) s = header.Seek(filter.from.Dtos(), true);
  while (s.ok() && !header.eof() && header.DateOf("TANGGAL") <= filter.to) {
    if ((filter.all || header.Logical("CETAK")) && Begins(header.Text("RELASI"), filter.customer) &&
        Begins(header.Text("SALES"), filter.salesman) && Begins(header.Text("TIPE"), filter.type)) {
      const uint32_t at = header.recno();
      s = lines.SeekAll(header.Text(kind.number), &records);
      if (s.ok()) s = visit(header, lines, records);
      if (s.ok() && header.recno() != at) s = header.GoTo(at);
    }
    if (s.ok()) s = header.Skip();
  }
  return s;
}

double LineValue(const xbase::WorkArea& line) {
  return line.Number("QUANTITY") * line.Number("HARGA") * Off(line.Number("DISCOUNT")) * Off(line.Number("DISCOUNT2"));
}

double HeaderFactor(const xbase::WorkArea& header) {
  return Off(header.Number("DISCOUNT")) * Off(header.Number("DISCOUNT2"));
}

void PagedText::Line(std::string text) {
  if (pages_.empty() || static_cast<int>(pages_.back().size()) >= lines_per_page_) {
    pages_.push_back(headings_);
  }
  pages_.back().push_back(std::move(text));
}

bool PrintPages(frame::Session& session, const PagedText& text, int headings, int width) {
  frame::ReportWriter report(session);
  if (!report.Start()) return false;
  for (const std::vector<std::string>& page : text.pages()) {
    if (!report.NewPage()) return false;
    for (const std::string& line : page) {
      if (!report.Line(line, "C")) return false;
    }
  }
  frame::ReportLayout layout;
  layout.width = width;
  layout.title = "rekap jual";
  layout.left_margin = 2;
  layout.first_body_row = headings + 1;
  layout.signature_box = false;
  return report.Print(layout);
}

}  // namespace recaps
