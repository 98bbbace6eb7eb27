// What the memo screens read of a delivery note and its customer from the memo work set: the header
// (`Invoice`), its goods lines (`Kartu`), the customer (`relasi`) and the receivable (`piutang`).
#ifndef PALUNDA_MEMOS_DELIVERY_NOTES_H_
#define PALUNDA_MEMOS_DELIVERY_NOTES_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace memos {

struct NoteFacts {
  bool found = false;   // the number is a delivery note
  xbase::Date date;     // TANGGAL
  xbase::Date shipping; // KIRIM
  std::string customer; // RELASI, 9 characters
  xbase::Date due;      // TEMPO
};

// A "?" in *invoice opens the pick list of delivery notes (Invoice, Relasi, Tanggal) at the text
// before it and puts the note chosen there. False after a failure, which was shown.
bool PickNote(frame::Session& session, std::string* invoice);
// The header of a delivery note; *facts stays empty (found false) for an unknown number.
xbase::Status ReadNote(frame::Session& session, std::string_view invoice, NoteFacts* facts);
// The goods lines of a delivery note, in line order.
xbase::Status NoteGoods(frame::Session& session, std::string_view invoice, std::vector<uint32_t>* records);
// The cartons of a delivery note: the sum of Q_BOX over its goods lines.
xbase::Status NoteCartons(frame::Session& session, std::string_view invoice, double* cartons);
// A field of a customer as stored (blanks for an unknown customer).
std::string CustomerText(frame::Session& session, std::string_view customer, std::string_view field);
// The invoice amount of a delivery note: DEBET of its receivable, 0 without one.
double InvoiceAmount(frame::Session& session, std::string_view invoice);

}  // namespace memos

#endif  // PALUNDA_MEMOS_DELIVERY_NOTES_H_
