// The two running totals that documents move: a sales-order line's delivered quantity and a
// customer's open balance. Each moves from an old amount to a new one under its record lock.
#include "documents/shared_postings.h"

#include <string>
#include <vector>

#include "console/table_access.h"
#include "documents/record_writes.h"
#include "frame/open_table.h"
#include "xbase/text_functions.h"

namespace documents {

xbase::Status MoveField(console::Console& con, xbase::WorkArea& area, std::string_view field, double added,
                        double removed) {
  xbase::Status s = console::LOCK_REC(con, area);
  if (!s.ok()) return s;
  // The lock re-read the record: the total moves from what is stored now.
  return PutAndRelease(area, {{field, xbase::Value::Num(area.Number(field) + added - removed)}});
}

namespace {

// The order line (number, goods code) that takes a delivered quantity: the one numbered `line` (URUT)
// where the order holds the goods on several lines, else the first; 0 when there is none.
xbase::Status ChosenOrderLine(frame::Session& session, std::string_view order, std::string_view code,
                              std::string_view line, xbase::WorkArea** area, uint32_t* chosen) {
  *chosen = 0;
  xbase::WorkArea* lines = nullptr;
  if (xbase::Status s = frame::RequireArea(session, "slsodr2", &lines); !s.ok()) return s;
  *area = lines;
  const std::string key = lines->PadToField("NOMOR", order) + lines->PadToField("KODE", code);
  // The third index of the order lines: nomor+kode.
  std::vector<uint32_t> records;
  xbase::Status s = lines->SetOrder(3);
  if (s.ok()) s = lines->SeekAll(key, &records);
  if (!s.ok() || records.empty()) return s;
  // A revision walks its own rows with deleted rows shown: a deleted order line never takes a quantity.
  for (uint32_t record : records) {
    if (s = lines->GoTo(record); !s.ok()) return s;
    if (lines->deleted()) continue;
    if (*chosen == 0 || (!xbase::IsBlank(line) && xbase::AllTrim(lines->Text("URUT")) == xbase::AllTrim(line))) {
      *chosen = record;
    }
  }
  return s;
}

// The customer's record on the first index, 0 when the customer is not there.
xbase::Status CustomerRecord(frame::Session& session, std::string_view customer, xbase::WorkArea** area,
                             uint32_t* recno) {
  *recno = 0;
  xbase::WorkArea* customers = nullptr;
  if (xbase::Status s = frame::RequireArea(session, "mastcus", &customers); !s.ok()) return s;
  *area = customers;
  xbase::Status s = customers->SetOrder(1);
  if (s.ok()) s = customers->Seek(customers->PadToField("RELASI", customer));
  if (s.ok() && customers->found()) *recno = customers->recno();
  return s;
}

}  // namespace

xbase::Status UPSALESORDER(frame::Session& session, std::string_view order, std::string_view code, double added,
                           double removed, std::string_view line) {
  xbase::WorkArea* lines = nullptr;
  uint32_t chosen = 0;
  xbase::Status s = ChosenOrderLine(session, order, code, line, &lines, &chosen);
  if (!s.ok() || chosen == 0) return s;
  if (s = lines->GoTo(chosen); !s.ok()) return s;
  return MoveField(session.console(), *lines, "QTY_KIRIM", added, removed);
}

xbase::Status NameOrderLine(SaveScope& save, frame::Session& session, std::string_view order, std::string_view code,
                            std::string_view line) {
  xbase::WorkArea* lines = nullptr;
  uint32_t chosen = 0;
  const xbase::Status s = ChosenOrderLine(session, order, code, line, &lines, &chosen);
  if (s.ok() && chosen != 0) save.Update(*lines, chosen);
  return s;
}

xbase::Status UPSALDOMASTCUS(frame::Session& session, std::string_view customer, double added, double removed) {
  xbase::WorkArea* customers = nullptr;
  uint32_t recno = 0;
  xbase::Status s = CustomerRecord(session, customer, &customers, &recno);
  if (!s.ok() || recno == 0) return s;
  return MoveField(session.console(), *customers, "SALDO", added, removed);
}

xbase::Status NameBalance(SaveScope& save, frame::Session& session, std::string_view customer) {
  xbase::WorkArea* customers = nullptr;
  uint32_t recno = 0;
  const xbase::Status s = CustomerRecord(session, customer, &customers, &recno);
  if (s.ok()) save.Update(*customers, recno);
  return s;
}

}  // namespace documents
