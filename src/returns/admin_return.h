// The administrative return of a whole printed delivery note: the checks that accept the note, its
// lines as the screen shows them, and the save that returns the goods, writes the return document
// and settles the invoice through a payment receipt line.
#ifndef PALUNDA_RETURNS_ADMIN_RETURN_H_
#define PALUNDA_RETURNS_ADMIN_RETURN_H_

#include <string>
#include <string_view>
#include <vector>

#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace returns {

// One goods line of the delivery note.
struct AdminLine {
  std::string warehouse;
  std::string code;
  double quantity = 0;
  double price = 0;
  double discount1 = 0;
  double discount2 = 0;
  std::string urutan;  // the delivery-note line's URUTAN
  std::string note;    // its KTR
  double average_cost = 0;
  double boxes = 0, packs = 0, pieces = 0;  // the quantity as the note split it (Q_BOX, Q_PAK, Q_PCS)
  // quantity x price after the line's discounts.
  double Value() const;
};

// The delivery note being returned: its header as shown and its lines.
struct AdminNote {
  std::string invoice;
  std::string order;  // the sales order the note delivered
  std::string customer;
  xbase::Date order_date, date, sent, due;
  std::string branch, type, salesman, code_id, ktr1, ktr2;
  double term = 0, discount1 = 0, discount2 = 0;
  bool include = false;
  std::vector<AdminLine> lines;
  // The sum of the line values after the header's discounts.
  double Net() const;
  // The return's value: every line with a code and a quantity, after line and header discounts.
  double ReturnValue() const;
};

// The tables the administrative return opens; false (all closed) when one cannot be opened.
frame::OpenedTables OpenAdminReturnTables(frame::Session& session);

// LCGERSURATJALAN: checks delivery note `number` in the order of the screen (a settled or returned
// invoice, a tax invoice, an unknown note, an earlier administrative return, an unprinted note, the
// day limit) and loads it into *note. False after the refusal's message (silently for an unknown note).
bool LCGERSURATJALAN(frame::Session& session, const frame::OpenedTables& tables, std::string_view number,
                     AdminNote* note);

// The save without its question: numbers the return from SETUP "RETURADMIN" with a number free among
// the returns ("RADM-" + number) and the branch's payment receipts, returns the goods to stock, writes
// the return document, marks the delivery note and settles its invoice with a receipt line "RA".
// *number receives "RADM-" + the number. Every record it changes is locked before the first write: a
// lock given up writes nothing. A failure shows its message and returns a status saying why.
xbase::Status SaveAdminReturn(frame::Session& session, const frame::OpenedTables& tables, const AdminNote& note,
                              std::string* number);

}  // namespace returns

#endif  // PALUNDA_RETURNS_ADMIN_RETURN_H_
