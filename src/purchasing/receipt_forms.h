// The printed purchase order and goods receipt of an imported shipment document: their lines and
// the number question each print entry asks.
#ifndef PALUNDA_PURCHASING_RECEIPT_FORMS_H_
#define PALUNDA_PURCHASING_RECEIPT_FORMS_H_

#include <functional>
#include <string>
#include <vector>

#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/report_engine.h"
#include "frame/session.h"

namespace purchasing {

// The purchase order of the DTA_PEB row the area stands on (`tables` holds `dta_peb`, `bpbeli1`,
// `bpbeli2`, `mastsup`, `mastbrj`). A line of the receipt that cannot be read is the error, and
// *lines then holds the form only in part.
xbase::Status PurchaseOrderLines(frame::Session& session, const frame::OpenedTables& tables,
                                 std::vector<frame::ReportLine>* lines);
// The goods receipt of the BPBELI1 row the area stands on, in the same way.
xbase::Status GoodsReceiptLines(frame::Session& session, const frame::OpenedTables& tables,
                                std::vector<frame::ReportLine>* lines);

// A print entry that asks a number, finds it and prints its form, until Esc or an empty number.
struct NumberPrint {
  std::string title;    // of the question's box
  std::string label;    // "Nomor PO", "Nomor BPB"
  frame::PickSpec pick;  // the table and its pick list
  std::string order;     // the index on the number
  std::string field;     // the number field
  std::function<xbase::Status(frame::Session&, const frame::OpenedTables&, std::vector<frame::ReportLine>*)> form;
};
// Opens the tables of the forms and runs the entry; all tables are closed at the end.
xbase::Status RunNumberPrint(frame::Session& session, const NumberPrint& print);

}  // namespace purchasing

#endif  // PALUNDA_PURCHASING_RECEIPT_FORMS_H_
