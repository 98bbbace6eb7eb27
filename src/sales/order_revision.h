// The revision and print of a saved sales order: loading it, the write of its corrected header and
// lines, and the order form.
#ifndef PALUNDA_SALES_ORDER_REVISION_H_
#define PALUNDA_SALES_ORDER_REVISION_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/report_engine.h"
#include "frame/session.h"
#include "sales/note_lines.h"

namespace sales {

// The header fields an order's SLSODR1 row holds, into `header`; an error when the table lacks one.
xbase::Status LoadOrderHeader(const xbase::WorkArea& order, OrderHeader* header);

// The order `number` picked from the saved orders ("?" lists them) and sought; *order stands on its
// SLSODR1 row when *found.
xbase::Status PickOrder(frame::Session& session, std::string* number, bool* found, xbase::WorkArea** order);

// The stored lines of `order` in their order, `each` called on every SLSODR2 row, then the blank line
// after them on doc->lines, with the first row's warehouse and discounts (the clerk's warehouse and
// none for an order without lines). No blank line when a row could not be read.
xbase::Status ReadOrderLines(frame::Session& session, std::string_view order, NoteDocument* doc,
                             const std::function<xbase::Status(const xbase::WorkArea&)>& each);

// LCGETSALESORDER: loads the order of doc->header.order ("?" picks it) with its lines, each carrying
// its stored row, then an empty line; "Nomor Sales Order " + number + " tidak terdaftar" when unknown.
bool LCGETSALESORDER(frame::Session& session, NoteDocument* doc);

// The write of a confirmed revision: the header, then each stored row rewritten from the line that
// carries it (its delivered quantity kept), freed when no line does, new lines on freed rows or
// appended. Refused with a message, writing nothing, when the order is gone, another workstation saved
// its header or lines since the load, or a line with deliveries lost its goods meanwhile. True when all
// was written.
bool WriteOrderRevision(frame::Session& session, const NoteDocument& doc);

// The rows of the order form "S A L E S   O R D E R" of the loaded order.
std::vector<frame::ReportLine> OrderFormRows(frame::Session& session, const NoteDocument& doc);

}  // namespace sales

#endif  // PALUNDA_SALES_ORDER_REVISION_H_
