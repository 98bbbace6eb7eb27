// The delivery note made from a proforma invoice: the goods leave the warehouse, the proforma's
// realised quantities go up, and the note is recorded beside the ordinary delivery notes.
#ifndef PALUNDA_SALES_PROFORMA_NOTE_H_
#define PALUNDA_SALES_PROFORMA_NOTE_H_

#include <string>
#include <vector>

#include "console/array_browse.h"
#include "documents/record_binding.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace sales {

// The columns of a line, from 1; those after the quantity are not shown.
enum ProformaNoteColumn : int {
  kPnLineNo = 1,
  kPnWarehouse,
  kPnCode,     // the proforma line's goods
  kPnShipped,  // the goods that leave (KD KIRIM)
  kPnName,
  kPnCartons,
  kPnPacks,
  kPnPieces,
  kPnQuantity,
  kPnPrice,
  kPnDisc1,
  kPnDisc2,
  kPnLine,     // the proforma line's number
  kPnAverage,  // the shipped goods' average cost
};

struct ProformaNote {
  std::string proforma = std::string(20, ' ');
  std::string remark = std::string(20, ' ');
  std::string number = std::string(20, ' ');
  std::string salesman = std::string(4, ' ');
  std::string customer = std::string(10, ' ');
  xbase::Date tempo, date, ordered;
  double term = 0;
  // From the proforma.
  std::string proforma_customer, type, branch, code_id;
  double discount1 = 0, discount2 = 0;
  double maximum = 0;  // the value still open
  console::ValueTable lines;
};

// PRO_OT1: the proforma's record of a note made from it; NILAI_SJ, AUDIT and OPERATOR are written
// beside it.
const documents::RecordBinding<ProformaNote>& ProformaNoteRecord();
// PRO_OT2: a line of the note grid as the proforma records it; NOMOR and NO_REFF are written beside it.
const documents::RecordBinding<console::ValueRow>& ProformaNoteLineRecord();

double PnFigure(const console::ValueRow& line, ProformaNoteColumn column);
std::string PnWord(const console::ValueRow& line, ProformaNoteColumn column);
void AddProformaNoteLine(console::ValueTable* lines, std::string_view warehouse);
// CHKISI: the check of a value typed in `column` of line `line` (from 1).
bool CheckProformaNoteCell(frame::Session& session, xbase::Value* typed, int column, ProformaNote* note, int line);
// The note's value after the line and header discounts.
double ProformaNoteValue(const ProformaNote& note);
// The proforma number check: it must exist and take notes; fills what the proforma brings.
bool LoadNoteProforma(frame::Session& session, ProformaNote* note);
// GETRELASI: the customer must exist and share the proforma customer's outlet group.
bool CheckNoteCustomer(frame::Session& session, const ProformaNote& note);
// SAVING: the maximum, the confirmation, the stock and the write. True when saved.
bool SaveProformaNote(frame::Session& session, const ProformaNote& note);
// The write after the confirmation; false after a message when refused or failed.
bool WriteProformaNote(frame::Session& session, const ProformaNote& note);

// The tables of J1604; none stays open when one cannot be.
frame::OpenedTables OpenProformaNoteTables(frame::Session& session);

xbase::Status J1604(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status J1605(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status J1606(frame::Session& session, const std::vector<xbase::Value>& args);

}  // namespace sales

#endif  // PALUNDA_SALES_PROFORMA_NOTE_H_
