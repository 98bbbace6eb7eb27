// The records of the sales documents, each field bound once to the struct or grid column that holds
// it: the order's header and lines, the delivery note's header and items, and the order and note
// lines as the revision grids hold them.
#ifndef PALUNDA_SALES_DOCUMENT_RECORDS_H_
#define PALUNDA_SALES_DOCUMENT_RECORDS_H_

#include "console/array_browse.h"
#include "documents/record_binding.h"
#include "sales/delivery_note.h"
#include "sales/sales_order.h"

namespace sales {

// SLSODR1: an order's header; NOMOR, TG_INPUT and OPERATOR are written beside it by the first save.
const documents::RecordBinding<OrderHeader>& OrderHeadRecord();
// SLSODR2: a line of the order grid; NOMOR and URUT are written beside it.
const documents::RecordBinding<console::ValueRow>& OrderLineRecord();
// SLSODR2: an order line in a note grid (the order's revision), URUT in its order-line column;
// NOMOR and QTY_KIRIM are written beside it.
const documents::RecordBinding<console::ValueRow>& RevisedOrderLineRecord();
// SRTJLN1: a delivery note's header; TG_INPUT and OPERATOR are written beside it by the first save.
const documents::RecordBinding<NoteHead>& NoteHeadRecord();
// SRTJLN2: a delivery note's item; INVOICE and URUT are written beside it.
const documents::RecordBinding<NoteItem>& NoteItemRecord();
// SRTJLN2: a note line in a note grid (the note's revision), URUTAN in its order-line column.
const documents::RecordBinding<console::ValueRow>& RevisedNoteLineRecord();

}  // namespace sales

#endif  // PALUNDA_SALES_DOCUMENT_RECORDS_H_
