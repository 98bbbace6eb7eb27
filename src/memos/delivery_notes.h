// What the memo screens read of a delivery note and its customer from the memo work set: the header
// (`Invoice`), its goods lines (`Kartu`), the customer (`relasi`) and the receivable (`piutang`).
#ifndef PALUNDA_MEMOS_DELIVERY_NOTES_H_
#define PALUNDA_MEMOS_DELIVERY_NOTES_H_

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "frame/open_table.h"
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
// The header of a delivery note, read from the work set's `Invoice` (which stands on it); *facts stays
// empty (found false) for an unknown number.
xbase::Status ReadNote(const frame::OpenedTables& tables, std::string_view invoice, NoteFacts* facts);
// The goods lines of a delivery note in the work set's `Kartu`, in line order.
xbase::Status NoteGoods(const frame::OpenedTables& tables, std::string_view invoice, std::vector<uint32_t>* records);
// The cartons of a delivery note: the sum of Q_BOX over its goods lines.
xbase::Status NoteCartons(const frame::OpenedTables& tables, std::string_view invoice, double* cartons);
// A field of a customer as stored (blanks for an unknown customer).
std::string CustomerText(const frame::OpenedTables& tables, std::string_view customer, std::string_view field);
// The invoice amount of a delivery note: DEBET of its receivable, 0 without one.
xbase::Status InvoiceAmount(const frame::OpenedTables& tables, std::string_view invoice, double* amount);

}  // namespace memos

#endif  // PALUNDA_MEMOS_DELIVERY_NOTES_H_
