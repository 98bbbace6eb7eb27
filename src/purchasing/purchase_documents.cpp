// The goods receipts and purchase returns as the purchasing screens and reports read them: their
// tables, the figures of a line, the walk over a period, and the small helpers the screens share.
#include "purchasing/purchase_documents.h"

#include "frame/open_table.h"
#include "xbase/keyed_read.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace purchasing {

xbase::Status ForEachDocument(frame::Session& session, const PurchaseKind& kind, xbase::Date from, xbase::Date to,
                              const std::function<xbase::Status(xbase::WorkArea& header, xbase::WorkArea& lines,
                                                                const std::vector<uint32_t>& records)>& visit) {
  xbase::WorkArea* header = nullptr;
  xbase::WorkArea* lines = nullptr;
  std::vector<uint32_t> records;
  xbase::Status s = frame::RequireArea(session, kind.header, &header);
  if (s.ok()) s = frame::RequireArea(session, kind.lines, &lines);
  if (s.ok()) s = header->SetOrder(kind.date_order);
  if (s.ok()) s = lines->SetOrder(kind.number_order);
  // From the first day of the period that has a document, in date order up to its end.
  if (s.ok()) s = header->Seek(from.Dtos(), true);
  while (s.ok() && !header->eof() && header->DateOf("TANGGAL") <= to) {
    const uint32_t at = header->recno();
    s = lines->SeekAll(header->Text(kind.number), &records);
    if (s.ok()) s = visit(*header, *lines, records);
    if (s.ok() && header->recno() != at) s = header->GoTo(at);
    if (s.ok()) s = header->Skip();
  }
  return s;
}

double Off(double percent) { return (100 - percent) / 100; }

double LineValue(const xbase::WorkArea& line) {
  return line.Number("QUANTITY") * line.Number("HARGA") * Off(line.Number("DISCOUNT")) * Off(line.Number("DISCOUNT2"));
}

double CashFactor(const xbase::WorkArea& header) {
  return Off(header.Number("DISCOUNT")) * Off(header.Number("DISCOUNT2"));
}

std::vector<CashCut> TakeCashDiscounts(double* total, double cash1, double cash2) {
  std::vector<CashCut> cuts;
  for (const double percent : {cash1, cash2}) {
    if (percent == 0) continue;
    cuts.push_back({percent, *total * percent / 100});
    *total -= cuts.back().amount;
  }
  return cuts;
}

bool Begins(std::string_view code, std::string_view prefix) {
  const std::string_view trimmed = xbase::RTrim(prefix);
  return code.substr(0, trimmed.size()) == trimmed;
}

std::string MasterText(frame::Session& session, std::string_view alias, std::string_view key, std::string_view field,
                       int width) {
  xbase::WorkArea* area = session.tables().Area(alias);
  if (area != nullptr && xbase::LookUp(*area, std::string(key))) return area->Text(field);
  return std::string(static_cast<size_t>(width), ' ');
}

}  // namespace purchasing
