// The delivery notes and sales returns of a period as the sales reports read them: each document
// with its lines and each line's value after the line's and the document's discounts.
#ifndef PALUNDA_PERFORMANCE_SALE_DOCUMENTS_H_
#define PALUNDA_PERFORMANCE_SALE_DOCUMENTS_H_

#include <functional>
#include <string>
#include <vector>

#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace performance {

struct SaleDocument {
  bool is_return = false;  // a sales return (RTJUAL1), else a delivery note (SRTJLN1)
  std::string number;      // INVOICE of a note, NOMOR of a return
  xbase::Date date;
  std::string customer, type, salesman, branch;
  std::string order;       // the sales order of a note
  double discount1 = 0, discount2 = 0;
  bool printed = false;  // CETAK
  // +1 for a delivery note, -1 for a return: the sign its figures enter a report with.
  double sign() const { return is_return ? -1 : 1; }
};

struct SaleLine {
  std::string code;
  double quantity = 0;
  double price = 0;
  double discount1 = 0, discount2 = 0;
  double value = 0;  // quantity x price less the line's two and the document's two discounts
};

// Which documents a report reads. Cancelled documents are never read.
struct DocumentFilter {
  xbase::Date from, to;
  std::string customer;  // prefixes; empty takes all
  std::string type;
  std::string salesman;
  bool printed_only = false;          // only documents printed (CETAK)
  bool without_admin_return = false;  // only delivery notes with an empty RET_ADM
  bool notes = true;                  // read the delivery notes
  bool returns = true;                // then the sales returns
  // A further test of the document, after the others; empty takes all.
  std::function<bool(const SaleDocument&)> accept;
};

using DocumentVisitor = std::function<void(const SaleDocument&, const std::vector<SaleLine>&)>;

// The tables ForEachDocument reads, to be opened under their names (see report_tables.h).
std::vector<frame::TableUse> DocumentTableUses();

// Walks the delivery notes and then the sales returns of the filter in date order (the tables of
// DocumentTableUses among `tables`), handing each with its lines to `visit`; false after a message
// on row 24 when a table could not be read.
bool ForEachDocument(frame::Session& session, const frame::OpenedTables& tables, const DocumentFilter& filter,
                     const DocumentVisitor& visit);
// As ForEachDocument, for a visitor whose own reads may fail: its first failure stops the walk and is
// shown the same way.
using CheckedVisitor = std::function<xbase::Status(const SaleDocument&, const std::vector<SaleLine>&)>;
bool WalkDocuments(frame::Session& session, const frame::OpenedTables& tables, const DocumentFilter& filter,
                   const CheckedVisitor& visit);

// The factor of a discount in percent: (100 - percent) / 100.
double Off(double percent);

// The item reads below give an error when the item's row cannot be read, never an unknown item.
// The cartons of a line: KONVERSIBOX over the item's carton size (MASTBRJ and KONVERT open).
xbase::Status LineCartons(frame::Session& session, const SaleLine& line, double* cartons);
// What `lines` come to: their cartons, or with `thousands` their value / 1000.
xbase::Status LinesFigure(frame::Session& session, const std::vector<SaleLine>& lines, bool thousands, double* figure);
// A field of an item's MASTBRJ row (open as "MASTBRJ", its code order controlling); blank when unknown.
xbase::Status ItemText(frame::Session& session, std::string_view code, std::string_view field, std::string* text);
// The carton size (DOS) of an item; 0 when unknown.
xbase::Status CartonSize(frame::Session& session, std::string_view code, double* size);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_SALE_DOCUMENTS_H_
