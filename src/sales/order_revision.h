// The revision and print of a saved sales order: loading it, the write of its corrected header and
// lines, and the order form.
#ifndef PALUNDA_SALES_ORDER_REVISION_H_
#define PALUNDA_SALES_ORDER_REVISION_H_

#include <vector>

#include "frame/report_engine.h"
#include "frame/session.h"
#include "sales/note_lines.h"

namespace sales {

// The header fields an order's SLSODR1 row holds, into `header`; an error when the table lacks one.
xbase::Status LoadOrderHeader(const xbase::WorkArea& order, OrderHeader* header);

// LCGETSALESORDER: loads the order of doc->header.order ("?" picks it) with its lines, each carrying
// its stored row, then an empty line; "Nomor Sales Order " + number + " tidak terdaftar" when unknown.
bool LCGETSALESORDER(frame::Session& session, NoteDocument* doc);

// The write of a confirmed revision: the header, then each stored row rewritten from the line that
// carries it (its delivered quantity kept), freed when no line does, new lines on freed rows or
// appended. Refused with a message, writing nothing, when the order is gone or a line with deliveries
// lost its goods meanwhile. True when all was written.
bool WriteOrderRevision(frame::Session& session, const NoteDocument& doc);

// The rows of the order form "S A L E S   O R D E R" of the loaded order.
std::vector<frame::ReportLine> OrderFormRows(frame::Session& session, const NoteDocument& doc);

}  // namespace sales

#endif  // PALUNDA_SALES_ORDER_REVISION_H_
