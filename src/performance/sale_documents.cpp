// The delivery notes and sales returns of a period as the sales reports read them: each document
// with its lines and each line's value after the line's and the document's discounts.
#include "performance/sale_documents.h"

#include "console/message.h"
#include "documents/line_value.h"
#include "frame/status_display.h"
#include "performance/performance.h"
#include "performance/report_tables.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

struct DocumentTables {
  std::string_view header, lines, number_field, line_order;
};
constexpr DocumentTables kNotes = {"SRTJLN1", "SRTJLN2", "INVOICE", "SRTJLN21"};
constexpr DocumentTables kReturns = {"RTJUAL1", "RTJUAL2", "NOMOR", "RTJUAL21"};

SaleDocument ReadHeader(const xbase::WorkArea& header, const DocumentTables& kind) {
  SaleDocument document;
  document.is_return = kind.header == kReturns.header;
  document.number = header.Text(kind.number_field);
  document.date = header.DateOf("TANGGAL");
  document.customer = header.Text("RELASI");
  document.type = header.Text("TIPE");
  document.salesman = header.Text("SALES");
  document.branch = header.Text("KDCB");
  if (!document.is_return) document.order = header.Text("NOMOR");
  document.discount1 = header.Number("DISCOUNT");
  document.discount2 = header.Number("DISCOUNT2");
  document.printed = header.Logical("CETAK");
  return document;
}

bool Passes(const xbase::WorkArea& header, const SaleDocument& document, const DocumentFilter& filter) {
  if (header.Logical("BATAL")) return false;
  if (filter.printed_only && !document.printed) return false;
  if (filter.without_admin_return && !document.is_return && !xbase::IsBlank(header.Text("RET_ADM"))) return false;
  if (!BeginsWith(document.customer, filter.customer) || !BeginsWith(document.type, filter.type) ||
      !BeginsWith(document.salesman, filter.salesman)) {
    return false;
  }
  return !filter.accept || filter.accept(document);
}

xbase::Status ReadLines(xbase::WorkArea& lines, const SaleDocument& document, std::vector<SaleLine>* out) {
  out->clear();
  std::vector<uint32_t> records;
  xbase::Status status = lines.SeekAll(document.number, &records);
  for (size_t i = 0; status.ok() && i < records.size(); ++i) {
    status = lines.GoTo(records[i]);
    if (!status.ok()) break;
    SaleLine line;
    line.code = lines.Text("KODE");
    line.quantity = lines.Number("QUANTITY");
    line.price = lines.Number("HARGA");
    line.discount1 = lines.Number("DISCOUNT");
    line.discount2 = lines.Number("DISCOUNT2");
    line.value = documents::AfterDiscounts(
        documents::LineValue(line.quantity, line.price, line.discount1, line.discount2), document.discount1,
        document.discount2);
    out->push_back(std::move(line));
  }
  return status;
}

xbase::Status Walk(const frame::OpenedTables& tables, const DocumentTables& kind, const DocumentFilter& filter,
                   const CheckedVisitor& visit) {
  xbase::WorkArea& header = tables[kind.header];
  xbase::WorkArea& lines = tables[kind.lines];
  xbase::Status status = header.SetOrder(2);  // dtos(tanggal)
  if (status.ok()) status = lines.SetOrder(kind.line_order);
  if (status.ok()) status = header.Seek(filter.from.Dtos(), true);
  std::vector<SaleLine> read;
  while (status.ok() && !header.eof()) {
    const SaleDocument document = ReadHeader(header, kind);
    if (document.date > filter.to) break;
    const uint32_t at = header.recno();
    if (Passes(header, document, filter)) {
      status = ReadLines(lines, document, &read);
      if (!status.ok()) break;
      status = visit(document, read);
      if (!status.ok()) break;
      status = header.GoTo(at);  // a visitor may look other notes up in the same table
    }
    if (status.ok()) status = header.Skip();
  }
  return status;
}

}  // namespace

double Off(double percent) { return (100 - percent) / 100; }

namespace {

// *item on MASTBRJ standing on the item's row, null when the table is not open or has none.
xbase::Status ItemRow(frame::Session& session, std::string_view code, xbase::WorkArea** item) {
  *item = session.tables().Area("MASTBRJ");
  if (*item == nullptr) return xbase::Status::OK();
  bool found = false;
  const xbase::Status s = xbase::SeekFound(**item, (*item)->PadToField("KODE", xbase::RTrim(code)), &found);
  if (!found) *item = nullptr;
  return s;
}

}  // namespace

xbase::Status LineCartons(frame::Session& session, const SaleLine& line, double* cartons) {
  double size = 0;
  const xbase::Status s = CartonSize(session, line.code, &size);
  *cartons = 0;
  return s.ok() ? KONVERSIBOX(session, line.code, line.quantity, size, line.value, cartons) : s;
}

xbase::Status LinesFigure(frame::Session& session, const std::vector<SaleLine>& lines, bool thousands, double* figure) {
  *figure = 0;
  for (const SaleLine& line : lines) {
    double cartons = 0;
    if (!thousands) {
      const xbase::Status s = LineCartons(session, line, &cartons);
      if (!s.ok()) return s;
    }
    *figure += thousands ? line.value / 1000 : cartons;
  }
  return xbase::Status::OK();
}

xbase::Status ItemText(frame::Session& session, std::string_view code, std::string_view field, std::string* text) {
  xbase::WorkArea* item = nullptr;
  const xbase::Status s = ItemRow(session, code, &item);
  const xbase::WorkArea* items = session.tables().Area("MASTBRJ");
  *text = item != nullptr ? item->Text(field) : items == nullptr ? std::string() : items->PadToField(field, "");
  return s;
}

xbase::Status CartonSize(frame::Session& session, std::string_view code, double* size) {
  xbase::WorkArea* item = nullptr;
  const xbase::Status s = ItemRow(session, code, &item);
  *size = item == nullptr ? 0 : item->Number("DOS");
  return s;
}

std::vector<frame::TableUse> DocumentTableUses() {
  return {{"SRTJLN1", {}, false, "SRTJLN12"},
          {"SRTJLN2", {}, false, "SRTJLN21"},
          {"RTJUAL1", {}, false, "RTJUAL12"},
          {"RTJUAL2", {}, false, "RTJUAL21"}};
}

bool ForEachDocument(frame::Session& session, const frame::OpenedTables& tables, const DocumentFilter& filter,
                     const DocumentVisitor& visit) {
  return WalkDocuments(session, tables, filter, [&](const SaleDocument& document, const std::vector<SaleLine>& lines) {
    visit(document, lines);
    return xbase::Status::OK();
  });
}

bool WalkDocuments(frame::Session& session, const frame::OpenedTables& tables, const DocumentFilter& filter,
                   const CheckedVisitor& visit) {
  xbase::Status status;
  if (filter.notes) status = Walk(tables, kNotes, filter, visit);
  if (status.ok() && filter.returns) status = Walk(tables, kReturns, filter, visit);
  frame::ShowFailure(session, status);
  return status.ok();
}

}  // namespace performance
