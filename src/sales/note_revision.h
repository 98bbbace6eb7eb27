// The revision of a saved delivery note: loading it with the rules on who may change it, and the
// save that takes back every stored line's stock and delivered quantity and posts the corrected
// lines, the receivable and the customer balances again.
#ifndef PALUNDA_SALES_NOTE_REVISION_H_
#define PALUNDA_SALES_NOTE_REVISION_H_

#include <string>

#include "frame/session.h"
#include "sales/note_lines.h"

namespace sales {

// A note loaded for revision, with what the load decided.
struct NoteRevision {
  NoteDocument doc;
  xbase::Date stored_date;  // the earliest date the note may take
  double stored_term = 0;   // TERM as stored, written back unchanged
  std::string stored_customer;
  bool may_save = false;
};

// LCGERSURATJALAN: loads the note of rev->doc.invoice. Unknown, cancelled, free-goods and (without
// "/EDP") proforma notes are refused with a message; without "/EDP" a printed note or one of a closed
// month is shown with a message and may not be saved.
bool LCGERSURATJALAN(frame::Session& session, NoteRevision* rev);

// The write of a confirmed revision; true when all was written. Every check is made before the first
// write (a note another workstation saved since the load is refused); a write that fails is reported.
bool WriteNoteRevision(frame::Session& session, const NoteRevision& rev);

// SIMPANDATA: the refusal of a note that may not be saved, the confirmation, then the write.
bool SaveNoteRevision(frame::Session& session, const NoteRevision& rev);

}  // namespace sales

#endif  // PALUNDA_SALES_NOTE_REVISION_H_
