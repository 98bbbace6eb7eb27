// The receivable of a delivery note: its PIUTDBT row and the customer's balance raised by it.
#include "sales/note_receivable.h"

#include "documents/record_writes.h"
#include "documents/shared_postings.h"

namespace sales {

xbase::Status AppendNoteReceivable(frame::Session& session, xbase::WorkArea& receivables, const NoteReceivable& note) {
  const auto text = [](const std::string& value) { return xbase::Value::Text(value); };
  const auto date = [](xbase::Date value) { return xbase::Value::FromDate(value); };
  xbase::Status s = documents::AppendRecord(
      session.console(), receivables,
      {{"NOTA", text(note.number)},        {"TANGGAL", date(note.date)},     {"KDCB", text(note.branch)},
       {"RELASI", text(note.customer)},    {"TIPE", text(note.type)},        {"SALES", text(note.salesman)},
       {"KTR", text(note.remark)},         {"CODE_ID", text(note.code_id)},  {"DEBET", xbase::Value::Num(note.amount)},
       {"TEMPO", date(note.tempo)},        {"TGINPUT", date(session.Today())},
       {"OPERATOR", text(session.MMEMBER.nik)}});
  if (s.ok()) s = documents::UPSALDOMASTCUS(session, note.customer, note.amount, 0);
  return s;
}

}  // namespace sales
