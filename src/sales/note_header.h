// The header of the delivery-note screens (a further note of an order and a note's revision): the
// form rows, the fields in reading order with their checks, and the customer check that keeps a
// loaded document's discounts.
#ifndef PALUNDA_SALES_NOTE_HEADER_H_
#define PALUNDA_SALES_NOTE_HEADER_H_

#include <functional>
#include <string>
#include <vector>

#include "console/get.h"
#include "frame/session.h"
#include "sales/note_lines.h"

namespace sales {

// The header rows of the form, from row 2.
const std::vector<std::string>& NoteHeaderRows();

struct NoteHeaderChecks {
  std::function<bool()> number;     // the note number (row 2, column 9)
  std::function<bool()> order;      // the order number (row 3, column 9); none: shown, not edited
  std::function<bool()> note_date;  // the note date (row 2, column 40)
  bool blacklist_off = false;       // a blacklisted customer is let through
  // The customer the document was loaded with: while it stays, the header discounts stay too.
  const std::string* loaded_customer = nullptr;
};

// The header fields in reading order; false when left with Esc.
bool ReadNoteHeader(frame::Session& session, NoteDocument* doc, const NoteHeaderChecks& checks);

// The customer check of a header: fills what the customer brings; the header discounts become the
// group's ceilings unless `keep_discounts`.
bool CheckHeaderCustomer(frame::Session& session, OrderHeader* header, bool blacklist_off, bool keep_discounts,
                         bool show = true);

// The fields every sales-document header ends with, in reading order: branch (row 4, column 40),
// type, salesman, the sales manager when `with_manager`, the two discounts, the remarks, the company
// code and the include flag; each entered only when `when` (if given) allows it.
void AddSaleFields(console::GetList* form, frame::Session& session, OrderHeader* header, bool with_manager,
                   const std::function<bool()>& when = {});

// A header discount: within 0 to 100 and not above the customer group's ceiling.
bool HeaderDiscount(frame::Session& session, double value, double ceiling);

}  // namespace sales

#endif  // PALUNDA_SALES_NOTE_HEADER_H_
