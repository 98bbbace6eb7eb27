// Writing one delivery note, the invoice of its customer: the note header, its lines with their stock
// movements (and, for notes of an order saved earlier, the order lines' delivered quantities), the
// receivable with the customer balance and the sales-manager link. Shared by every screen that makes
// or corrects notes.
#ifndef PALUNDA_SALES_DELIVERY_NOTE_H_
#define PALUNDA_SALES_DELIVERY_NOTE_H_

#include <string>
#include <string_view>
#include <vector>

#include "documents/line_value.h"
#include "documents/save_scope.h"
#include "frame/session.h"
#include "sales/sales_order.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace sales {

// The header of a note as SRTJLN1 stores it, with the sales manager of its BMONITOR link.
struct NoteHead {
  std::string invoice;
  xbase::Date date;
  std::string order;
  std::string customer;
  std::string type;
  std::string salesman;
  std::string branch;
  xbase::Date tempo;  // the due date's base
  double term = 0;    // days after it
  xbase::Date order_date;
  xbase::Date shipping_date;
  std::string remark1;
  std::string remark2;
  double discount1 = 0;
  double discount2 = 0;
  std::string code_id;
  bool include = true;
  std::string manager;  // blank: no link
};

// The note of an order header under `invoice`, due at `tempo` + `term` days.
NoteHead NoteHeadOf(const OrderHeader& header, std::string_view invoice, xbase::Date tempo, double term);
// The other way: the order header fields a note's header holds (the order number padded to 15).
void TakeNoteHead(const NoteHead& head, OrderHeader* header);

// A delivered line as it goes on a note.
struct NoteItem {
  std::string code;
  std::string warehouse;
  std::string name;
  std::string order_line;  // URUTAN: the order line it comes from, blank for none
  double quantity = 0;
  double price = 0;
  double disc1 = 0;
  double disc2 = 0;
  double average = 0;
  documents::CartonSplit split;
  double value = 0;  // after the line's and the header's discounts
};

// Fills the item's carton split (from the goods master `mastbrj`) and its value after the line's and
// the header's discounts.
xbase::Status CompleteItem(frame::Session& session, double head1, double head2, NoteItem* item);

double ItemsAmount(const std::vector<NoteItem>& items);

// True when every figure of the items and their amount fit the note and receivable fields; else a
// message naming the line (counted from 1) and false.
bool ItemsFit(frame::Session& session, const std::vector<NoteItem>& items);

// The note's SRTJLN1 row appended, then every item: its SRTJLN2 row (URUT its position from 1),
// the stock out of its warehouse and, when `move_order` is set, the delivered quantity onto its
// order line; then the receivable and the manager link as WriteReceivable and WriteMonitor do.
xbase::Status WriteNote(frame::Session& session, const NoteHead& head, const std::vector<NoteItem>& items,
                        bool move_order);

// The receivable of a note amount that is not 0: PIUTDBT appended, the customer's balance debited.
xbase::Status WriteReceivable(frame::Session& session, const NoteHead& head, double amount);

// The BMONITOR link of the note when a manager is given: appended, or the date and manager
// overwritten on the note's existing row.
xbase::Status WriteMonitor(frame::Session& session, const NoteHead& head);

// Every record WriteNote changes, named in a save: the note and line appends, each item's stock
// rows and, with `move_order`, its order line; the receivable append and the customer's balance when
// the amount is not 0; the manager link.
xbase::Status NameNote(documents::SaveScope& save, frame::Session& session, const NoteHead& head,
                       const std::vector<NoteItem>& items, bool move_order);
// The BMONITOR row WriteMonitor changes or appends, named in a save.
xbase::Status NameMonitor(documents::SaveScope& save, frame::Session& session, const NoteHead& head);

// True when `key` is a key of index file `order` of the area, which then stands on it.
xbase::Status Holds(xbase::WorkArea& area, std::string_view order, const std::string& key, bool* held);

}  // namespace sales

#endif  // PALUNDA_SALES_DELIVERY_NOTE_H_
