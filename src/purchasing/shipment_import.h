// A shipment document of the logistics department (peb_hdr, peb_dtl, peb_mst in the import folder)
// turned into a goods receipt: its check, its purchase-order and receipt numbers, and its save.
#ifndef PALUNDA_PURCHASING_SHIPMENT_IMPORT_H_
#define PALUNDA_PURCHASING_SHIPMENT_IMPORT_H_

#include <string>
#include <vector>

#include "documents/record_binding.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace purchasing {

// One line of a shipment document, as it becomes a line of the goods receipt.
struct ShipmentLine {
  std::string number, code, remark, position;
  double cartons = 0, packs = 0, pieces = 0;
  double quantity = 0, price = 0, disc1 = 0, disc2 = 0;
  std::string name;
  double value = 0;  // quantity x price after both discounts
};

struct Shipment {
  // What the screen asks.
  std::string warehouse, branch, number, notes;
  // What the check finds.
  std::string supplier;
  double cash1 = 0, cash2 = 0;
  std::string po, receipt;  // the numbers the counters give now
  xbase::Date po_date, receipt_date;
  std::vector<ShipmentLine> lines;
};

// peb_dtl and BPBELI2: a line of the shipment document and of the goods receipt made of it; GUDANG
// and HRG_RATA are written beside it in the receipt.
const documents::RecordBinding<ShipmentLine>& ShipmentLineRecord();
// BPBELI1: the goods receipt's own fields, written over the shipment header copied field by field;
// CETAK, TG_INPUT and OPERATOR are written beside them.
const documents::RecordBinding<Shipment>& ReceiptHeadRecord();
// DTA_PEB: the shipment document taken in, with its purchase order and goods receipt.
const documents::RecordBinding<Shipment>& ShipmentRecord();

// Opens the tables of the import, the three shipment tables from the import folder (SETUP
// "TMPFILEIMP") with their index files; empty with every table closed after a message.
frame::OpenedTables OpenShipmentTables(frame::Session& session);

// The check of the document number: "?" picks from peb_hdr; an unknown number, one already imported,
// a missing counter row and a line that cannot be taken in are refused with a message. On acceptance
// the supplier, the cash discounts, the lines and the numbers the counters would give are filled.
bool CheckShipment(frame::Session& session, const frame::OpenedTables& tables, Shipment* shipment);

// The purchase-order date of an import made on `today`: a week earlier, a day more when that is the
// first of a month.
xbase::Date PurchaseOrderDate(xbase::Date today);

// The preview of a checked document: numbers, dates, supplier and cash discounts, a row per line,
// the gross sum and, with cash discounts, their amount and the net.
std::vector<std::string> ShipmentPreview(const Shipment& shipment);

// Writes the receipt: header, lines posted into stock with their average cost, the DTA_PEB row and the
// two counters, under the lock of SETUP; the numbers are drawn again there, so *shipment receives those
// used. A number imported meanwhile writes nothing and says so; a line that fails says which and that
// the receipt stands written in part. The status tells whether all was written.
xbase::Status SaveShipment(frame::Session& session, const frame::OpenedTables& tables, Shipment* shipment);

}  // namespace purchasing

#endif  // PALUNDA_PURCHASING_SHIPMENT_IMPORT_H_
