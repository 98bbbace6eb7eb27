// The save of a further delivery note for an order saved earlier.
#ifndef PALUNDA_SALES_FURTHER_NOTE_H_
#define PALUNDA_SALES_FURTHER_NOTE_H_

#include <string>
#include <vector>

#include "frame/session.h"
#include "sales/delivery_note.h"
#include "sales/note_lines.h"

namespace sales {

// The due date of a further note: the sale type's days when it has some; else SETUP "TGJT" + type +
// group holding a date, then "HARI" + type + group holding days; else the customer's TEMPO days. The
// term is the customer's term days with the type's days and 0 otherwise. False with a message when
// the "TGJT" row is not a date, or when the type, the customer or SETUP cannot be read (shown on row 24).
bool FurtherNoteDueDate(frame::Session& session, const OrderHeader& header, xbase::Date* tempo, double* term);

// The notes of the document's delivered lines, 18 to a note, under `numbers`.
std::vector<std::vector<NoteItem>> PlanFurtherNotes(frame::Session& session, const NoteDocument& doc,
                                                    xbase::Status* status);

// Writes the confirmed notes; true when all was written. A number taken meanwhile refuses the save
// before anything is written; a write that fails is reported with the notes it saved.
bool WriteFurtherNotes(frame::Session& session, const NoteDocument& doc, const std::vector<std::string>& numbers);

// SIMPANDATA: the further numbers when the lines need more than one note, the confirmation, then the
// write; true when written.
bool SaveFurtherNote(frame::Session& session, const NoteDocument& doc);

}  // namespace sales

#endif  // PALUNDA_SALES_FURTHER_NOTE_H_
