// The two running totals that documents move: a sales-order line's delivered quantity and a
// customer's open balance. Each moves from an old amount to a new one under its record lock.
#include "documents/shared_postings.h"

#include <string>
#include <vector>

#include "console/table_access.h"
#include "documents/record_writes.h"
#include "xbase/text_functions.h"

namespace documents {
namespace {

// Seeks `key` on index `order` and moves `field` of the record found by added - removed under its lock.
xbase::Status MoveTotal(console::Console& con, xbase::WorkArea& area, int order, const std::string& key,
                        std::string_view field, double added, double removed) {
  xbase::Status s = area.SetOrder(order);
  if (s.ok()) s = area.Seek(key);
  if (!s.ok() || !area.found()) return s;
  return MoveField(con, area, field, added, removed);
}

}  // namespace

xbase::Status RequireArea(frame::Session& session, std::string_view alias, xbase::WorkArea** area) {
  *area = session.tables().Area(alias);
  return *area != nullptr ? xbase::Status::OK() : xbase::Status::InvalidArgument("table not open", alias);
}

xbase::Status MoveField(console::Console& con, xbase::WorkArea& area, std::string_view field, double added,
                        double removed) {
  xbase::Status s = console::LOCK_REC(con, area);
  if (!s.ok()) return s;
  // The lock re-read the record: the total moves from what is stored now.
  return PutAndRelease(area, {{field, xbase::Value::Num(area.Number(field) + added - removed)}});
}

xbase::Status UPSALESORDER(frame::Session& session, std::string_view order, std::string_view code, double added,
                           double removed, std::string_view line) {
  xbase::WorkArea* lines = nullptr;
  if (xbase::Status s = RequireArea(session, "slsodr2", &lines); !s.ok()) return s;
  const std::string key = lines->PadToField("NOMOR", order) + lines->PadToField("KODE", code);
  // The third index of the order lines: nomor+kode.
  std::vector<uint32_t> records;
  xbase::Status s = lines->SetOrder(3);
  if (s.ok()) s = lines->SeekAll(key, &records);
  if (!s.ok() || records.empty()) return s;
  // A revision walks its own rows with deleted rows shown: a deleted order line never takes a quantity.
  uint32_t chosen = 0;
  for (uint32_t record : records) {
    if (s = lines->GoTo(record); !s.ok()) return s;
    if (lines->deleted()) continue;
    if (chosen == 0 || (!xbase::IsBlank(line) && xbase::AllTrim(lines->Text("URUT")) == xbase::AllTrim(line))) chosen = record;
  }
  if (chosen == 0) return s;
  if (s = lines->GoTo(chosen); !s.ok()) return s;
  return MoveField(session.console(), *lines, "QTY_KIRIM", added, removed);
}

xbase::Status UPSALDOMASTCUS(frame::Session& session, std::string_view customer, double added, double removed) {
  xbase::WorkArea* customers = nullptr;
  if (xbase::Status s = RequireArea(session, "mastcus", &customers); !s.ok()) return s;
  return MoveTotal(session.console(), *customers, 1, customers->PadToField("RELASI", customer), "SALDO", added, removed);
}

}  // namespace documents
