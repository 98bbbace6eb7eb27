// The receivable of a delivery note: its PIUTDBT row and the customer's balance raised by it.
#include "sales/note_receivable.h"

#include "documents/field_values.h"
#include "documents/record_writes.h"
#include "documents/shared_postings.h"

namespace sales {

using documents::D;
using documents::N;
using documents::T;

xbase::Status AppendNoteReceivable(frame::Session& session, xbase::WorkArea& receivables, const NoteReceivable& note) {
  xbase::Status s = documents::AppendRecord(
      session.console(), receivables,
      {{"NOTA", T(note.number)},        {"TANGGAL", D(note.date)},     {"KDCB", T(note.branch)},
       {"RELASI", T(note.customer)},    {"TIPE", T(note.type)},        {"SALES", T(note.salesman)},
       {"KTR", T(note.remark)},         {"CODE_ID", T(note.code_id)},  {"DEBET", N(note.amount)},
       {"TEMPO", D(note.tempo)},        {"TGINPUT", D(session.Today())},
       {"OPERATOR", T(session.MMEMBER.nik)}});
  if (s.ok()) s = documents::UPSALDOMASTCUS(session, note.customer, note.amount, 0);
  return s;
}

}  // namespace sales
