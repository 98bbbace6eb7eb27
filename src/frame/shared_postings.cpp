#include "frame/shared_postings.h"

#include <string>

#include "console/table_access.h"
#include "frame/key_seek.h"

namespace frame {
namespace {

// The open work area of `alias`, or a status naming it.
xbase::Status OpenArea(Session& session, std::string_view alias, xbase::WorkArea** area) {
  *area = session.tables().Area(alias);
  return *area != nullptr ? xbase::Status::OK() : xbase::Status::InvalidArgument("table not open", alias);
}

// Seeks `key` and moves `field` of the record found by added - removed under its lock.
xbase::Status MoveTotal(console::Console& con, xbase::WorkArea& area, std::string_view key_expression,
                        const std::string& key, std::string_view field, double added, double removed) {
  bool found = false;
  xbase::Status s = SeekKey(area, key_expression, key, &found);
  if (!s.ok() || !found) return s;
  if (s = console::LOCK_REC(con, area); !s.ok()) return s;
  xbase::Value total;
  s = area.Get(field, &total);
  if (s.ok()) s = area.Put(field, xbase::Value::Num(total.number() + added - removed));
  const xbase::Status unlocked = area.Unlock();
  return s.ok() ? unlocked : s;
}

}  // namespace

xbase::Status UPSALESORDER(Session& session, std::string_view order, std::string_view code, double added,
                           double removed) {
  xbase::WorkArea* lines = nullptr;
  if (xbase::Status s = OpenArea(session, "slsodr2", &lines); !s.ok()) return s;
  const std::string key = PadToField(*lines, "NOMOR", order) + PadToField(*lines, "KODE", code);
  return MoveTotal(session.console(), *lines, "nomor+kode", key, "QTY_KIRIM", added, removed);
}

xbase::Status UPSALDOMASTCUS(Session& session, std::string_view customer, double added, double removed) {
  xbase::WorkArea* customers = nullptr;
  if (xbase::Status s = OpenArea(session, "mastcus", &customers); !s.ok()) return s;
  return MoveTotal(session.console(), *customers, IndexKey("MASTCUS"), PadToField(*customers, "RELASI", customer), "SALDO", added,
                   removed);
}

}  // namespace frame
