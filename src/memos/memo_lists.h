// What the memo lists share: the report screen that asks the selection in a box, the customer
// selection, the outstanding delivery notes of the admin memos and the goods lines of a note.
#ifndef PALUNDA_MEMOS_MEMO_LISTS_H_
#define PALUNDA_MEMOS_MEMO_LISTS_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "console/get.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "memos/delivery_notes.h"
#include "memos/memo_report.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace memos {

// A report screen: opens the memo work set, then asks the selection in a shadowed box titled `title`
// (labels from its second row at column 2, fields after the longest label, put there by `fields`)
// and runs `report`, each given the work set, again until Esc; closes the tables at the end.
using ReportFields =
    std::function<void(const frame::OpenedTables& tables, console::GetList& form, int row, int col)>;
xbase::Status RunReportBox(frame::Session& session, std::string_view title, const std::vector<std::string>& labels,
                           const ReportFields& fields, const std::function<void(const frame::OpenedTables&)>& report);

// A customer selection: blank selects every customer; "?" picks (Relasi, Nama, Kota); else it must be
// a customer.
bool CustomerValid(frame::Session& session, std::string* customer);
// True when a selection code (trimmed; blank selects all) matches the start of `code`.
bool Selected(std::string_view selection, std::string_view code);

// A delivery note of an admin-memo line.
struct ListedNote {
  std::string invoice;
  NoteFacts facts;
  double colly = 0;        // the admin line's CARTON
  std::string admin_memo;  // its memo number
};

// The cartons, packs and pieces of a quantity by the goods' carton and pack sizes.
struct CartonSplit {
  double cartons = 0, packs = 0, pieces = 0;
};
CartonSplit SplitQuantity(double quantity, double dos, double pak);

// The value of a goods line of the note the `Invoice` area stands on: quantity x price less the
// line's two discounts and the note's two discounts.
double LineValue(const xbase::WorkArea& goods, const xbase::WorkArea& note);

// The goods of a delivery note as report lines ("    " + code, name, warehouse, Q_BOX, Q_PAK,
// Q_PCS), its sums added to `sums` (cartons, packs, pieces).
xbase::Status NoteGoodsLines(const frame::OpenedTables& tables, std::string_view invoice,
                             std::vector<std::string>* lines, CartonSplit* sums);
// A line of carton, pack and piece figures after `label`, as the goods lines show them.
std::string SumLine(std::string_view label, const CartonSplit& sums);

// The pages of a list of delivery notes with their goods (width 78): per note its line, its goods
// lines and a "Jumlah" line of its sums; a final line `total_label` with the sums of all. Pages break
// after `rows` lines under the title lines.
struct NoteBlock {
  std::string line;
  std::string invoice;
};
ReportPages GoodsBlockPages(frame::Session& session, const frame::OpenedTables& tables,
                            const std::vector<std::string>& title, const std::vector<NoteBlock>& notes, int rows,
                            std::string_view total_label);

// The selection of the outstanding lists: branch, customer and rows per page.
struct OutstandingSelection {
  std::string branch = std::string(6, ' ');
  std::string customer = std::string(9, ' ');
  double rows = 55;
};
// The admin-memo lines of the selection's branch in branch + number order whose notes are of its
// customer and dated after 01-08-2021 (earlier notes never count as outstanding), that stand in no memo
// back and, unless `with_driven`, in no driver memo. False after a failure, which was shown.
bool OutstandingNotes(frame::Session& session, const frame::OpenedTables& tables,
                      const OutstandingSelection& selection, bool with_driven, std::vector<ListedNote>* notes);

// The pages of an outstanding list for a selection.
using OutstandingPages = ReportPages (*)(frame::Session& session, const frame::OpenedTables& tables,
                                         const OutstandingSelection& selection);
// An outstanding list: the box ("CABANG :", "TUJUAN :", " BRS/HAL :"), then for each selection the
// pages `pages` makes, printed `width` columns wide.
xbase::Status PrintOutstanding(frame::Session& session, std::string_view title, OutstandingPages pages, int width);

// The selection of the lists of what was sent: customer, a date range (default today) and rows per page.
struct SentSelection {
  std::string customer = std::string(9, ' ');
  xbase::Date from, to;
  double rows = 55;
};
// The box of a customer and a date range, with its labels for the customer, the first and the last
// date and the rows per page (default `rows`).
xbase::Status AskSent(frame::Session& session, std::string_view title, const std::vector<std::string>& labels,
                      const std::function<void(const frame::OpenedTables&, const SentSelection&)>& report,
                      double rows = 55);

// The records of `area` in its order `order` (a dtos() key) whose date lies in from..to, starting
// at the first date on or after `from` that has one.
xbase::Status RecordsInRange(xbase::WorkArea& area, int order, std::string_view date_field, xbase::Date from,
                             xbase::Date to, std::vector<uint32_t>* records);

}  // namespace memos

#endif  // PALUNDA_MEMOS_MEMO_LISTS_H_
