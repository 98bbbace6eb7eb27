// UPDATEMEMOACC: the outcome of a delivery written back onto its admin-memo line.
#include "console/table_access.h"
#include "frame/open_table.h"
#include "memos/memo_tables.h"
#include "memos/memos.h"

namespace memos {

xbase::Status WriteMemoOutcome(frame::Session& session, xbase::WorkArea& admin_lines, std::string_view invoice,
                               xbase::Date date, std::string_view time, std::string_view note, bool delivered) {
  // Only live lines count: a deleted line of an emptied or rewritten admin memo never takes an outcome.
  NoteHolder holder;
  xbase::Status s = FindNoteHolder(session, admin_lines, invoice, &holder);
  if (!s.ok() || !holder.found) return s;
  if (s = console::LOCK_REC(session.console(), admin_lines); !s.ok()) return s;
  s = admin_lines.Put("TERKIRIM", xbase::Value::Logical(delivered));
  if (s.ok()) s = admin_lines.Put("TG_KIRIM", xbase::Value::FromDate(date));
  if (s.ok()) s = admin_lines.Put("JAM_KIRIM", xbase::Value::Text(std::string(time)));
  if (s.ok()) s = admin_lines.Put("NOTES", xbase::Value::Text(std::string(note)));
  xbase::Status unlocked = admin_lines.Unlock();
  return s.ok() ? unlocked : s;
}

xbase::Status NameOutcome(documents::SaveScope& save, frame::Session& session, xbase::WorkArea& admin_lines,
                          std::string_view invoice) {
  NoteHolder holder;
  xbase::Status s = FindNoteHolder(session, admin_lines, invoice, &holder);
  if (s.ok() && holder.found) save.Update(admin_lines, holder.record);
  return s;
}

xbase::Status UPDATEMEMOACC(frame::Session& session, std::string_view invoice, xbase::Date date, std::string_view time,
                            std::string_view note, bool delivered) {
  // The import that calls this opened the admin memo lines itself, under their alias.
  xbase::WorkArea* lines = nullptr;
  xbase::Status s = frame::RequireArea(session, kAdminMemo.lines, &lines);
  return s.ok() ? WriteMemoOutcome(session, *lines, invoice, date, time, note, delivered) : s;
}

}  // namespace memos
