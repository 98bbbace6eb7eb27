// UPDATEMEMOACC: the outcome of a delivery written back onto its admin-memo line.
#include "console/table_access.h"
#include "memos/memo_tables.h"
#include "memos/memos.h"

namespace memos {

xbase::Status UPDATEMEMOACC(frame::Session& session, std::string_view invoice, xbase::Date date, std::string_view time,
                            std::string_view note, bool delivered) {
  // Only live lines count: a deleted line of an emptied or rewritten admin memo never takes an outcome.
  NoteHolder holder;
  xbase::Status s = FindNoteHolder(session, kAdminMemo, invoice, &holder);
  if (!s.ok() || !holder.found) return s;
  xbase::WorkArea* lines = session.tables().Area(kAdminMemo.lines);
  if (s = lines->GoTo(holder.record); s.ok()) s = console::LOCK_REC(session.console(), *lines);
  if (!s.ok()) return s;
  s = lines->Put("TERKIRIM", xbase::Value::Logical(delivered));
  if (s.ok()) s = lines->Put("TG_KIRIM", xbase::Value::FromDate(date));
  if (s.ok()) s = lines->Put("JAM_KIRIM", xbase::Value::Text(std::string(time)));
  if (s.ok()) s = lines->Put("NOTES", xbase::Value::Text(std::string(note)));
  xbase::Status unlocked = lines->Unlock();
  return s.ok() ? unlocked : s;
}

xbase::Status NameMemoOutcome(documents::SaveScope& save, frame::Session& session, std::string_view invoice) {
  NoteHolder holder;
  xbase::Status s = FindNoteHolder(session, kAdminMemo, invoice, &holder);
  if (s.ok() && holder.found) save.Update(*holder.lines, holder.record);
  return s;
}

}  // namespace memos
