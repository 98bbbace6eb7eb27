// The settled totals of invoices and instruments, moved from a line's old amount to its new one.
#include <string>

#include "console/table_access.h"
#include "frame/open_table.h"
#include "receivables/receivables.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

// Stands on the row of `key` in the open table `alias` on its index `order` (found() false without
// one); the area's controlling order before the seek goes to *saved.
xbase::Status SeekSettled(frame::Session& session, std::string_view alias, std::string_view order,
                          std::string_view field, std::string_view key, xbase::WorkArea** area, int* saved) {
  if (xbase::Status s = frame::RequireArea(session, alias, area); !s.ok()) return s;
  *saved = (*area)->OrderNumber();
  xbase::Status s = (*area)->SetOrder(order);
  // An exact key: "A1" must never settle "A10".
  if (s.ok()) s = (*area)->Seek((*area)->PadToField(field, key));
  return s;
}

// The row SeekSettled finds, named in a save.
xbase::Status NameSettled(documents::SaveScope& save, frame::Session& session, std::string_view alias,
                          std::string_view order, std::string_view field, std::string_view key) {
  xbase::WorkArea* area = nullptr;
  int saved = 0;
  xbase::Status s = SeekSettled(session, alias, order, field, key, &area, &saved);
  if (s.ok() && area->found()) save.Update(*area, area->recno());
  if (area == nullptr) return s;
  const xbase::Status restored = area->SetOrder(saved);
  return s.ok() ? restored : s;
}

// Moves KREDIT of the row SeekSettled finds from old to new under the row's lock; the area's
// controlling order is given back afterwards.
xbase::Status MoveKredit(frame::Session& session, std::string_view alias, std::string_view order,
                         std::string_view field, std::string_view key, double old_amount, double new_amount,
                         bool* found) {
  *found = false;
  xbase::WorkArea* area = nullptr;
  int saved = 0;
  xbase::Status s = SeekSettled(session, alias, order, field, key, &area, &saved);
  if (area == nullptr) return s;
  if (s.ok() && area->found()) {
    *found = true;
    s = console::LOCK_REC(session.console(), *area);
    if (s.ok()) {
      // Old out, then new in, as two steps of the stored total.
      const double without_old = area->Number("KREDIT") - old_amount;
      s = area->Put("KREDIT", xbase::Value::Num(without_old + new_amount));
      const xbase::Status unlocked = area->Unlock();
      if (s.ok()) s = unlocked;
    }
  }
  const xbase::Status restored = area->SetOrder(saved);
  return s.ok() ? restored : s;
}

}  // namespace

xbase::Status UPDATEPIUTANGDANGIRO(frame::Session& session, std::string_view nota, std::string_view instrument,
                                   double old_amount, double new_amount, SettlementFound* found) {
  SettlementFound seen;
  xbase::Status s = MoveKredit(session, "Piutdbt", "PIUTDBT1", "NOTA", nota, old_amount, new_amount, &seen.invoice);
  if (s.ok() && !xbase::IsBlank(instrument)) {
    s = UPDATEGIRODBT(session, instrument, old_amount, new_amount, &seen.instrument);
  }
  if (found != nullptr) *found = seen;
  return s;
}

xbase::Status NameSettlement(documents::SaveScope& save, frame::Session& session, std::string_view nota,
                             std::string_view instrument) {
  xbase::Status s = NameSettled(save, session, "Piutdbt", "PIUTDBT1", "NOTA", nota);
  if (s.ok() && !xbase::IsBlank(instrument)) s = NameSettled(save, session, "GiroDbt", "GIRODBT1", "NOMOR", instrument);
  return s;
}

xbase::Status UPDATEGIRODBT(frame::Session& session, std::string_view instrument, double old_amount,
                            double new_amount, bool* found) {
  bool seen = false;
  xbase::Status s = MoveKredit(session, "GiroDbt", "GIRODBT1", "NOMOR", instrument, old_amount, new_amount, &seen);
  if (found != nullptr) *found = seen;
  return s;
}

}  // namespace receivables
