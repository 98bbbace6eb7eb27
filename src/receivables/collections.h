// Collection lists: the open invoices a collector is to collect on his round, entered per list and
// printed for him grouped by company code or as one list. A list posts nothing.
#ifndef PALUNDA_RECEIVABLES_COLLECTIONS_H_
#define PALUNDA_RECEIVABLES_COLLECTIONS_H_

#include <cstddef>
#include <string>
#include <vector>

#include "console/array_browse.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace receivables {

// TAGIH1: "DATA TAGIHAN SALESMAN", the list entry.
xbase::Status TAGIH1(frame::Session& session, const std::vector<xbase::Value>& args);
// TAGIH2: the list printed in one section per company code.
xbase::Status TAGIH2(frame::Session& session, const std::vector<xbase::Value>& args);
// TAGIH3: the list printed as one section.
xbase::Status TAGIH3(frame::Session& session, const std::vector<xbase::Value>& args);

// The elements of a list line (from 0).
enum CollectionColumn : size_t {
  kTgNo,           // line number
  kTgNota,         // invoice, 20
  kTgCustomer,     // RELASI, 10
  kTgDebet,        // the invoice's amount
  kTgAmount,       // amount to collect
  kTgDue,          // the invoice's TEMPO
  kTgInvoiceDate,  // the invoice's TANGGAL
  kTgCompany,      // CODE_ID, 4
  kTgLineSize
};

// A collection list being entered.
struct CollectionList {
  std::string branch = std::string(6, ' ');
  std::string number = std::string(10, ' ');  // blank for a new list
  xbase::Date date;
  std::string collector = std::string(4, ' ');
  bool is_new = true;
  console::ValueTable lines;
};

// The tables of the list screens, shared; false (all closed) when one cannot be opened.
frame::OpenedTables OpenCollectionTables(frame::Session& session);
// A blank line numbered `n` (from 1).
console::ValueRow BlankCollectionLine(size_t n);

// Loads list->number: a list of another branch is refused ("kode cabang tidak sama"); a stored one
// brings its date, collector and lines; an unknown number stays a new list under that number. One
// blank line ends the lines. False when refused.
bool LoadCollection(frame::Session& session, const frame::OpenedTables& tables, CollectionList* list);

// The invoice typed into line `line` (from 0): stored, on no other line; it fills the line with the
// open balance as the amount to collect. False refuses, with a message.
bool CheckCollectionInvoice(frame::Session& session, const frame::OpenedTables& tables, CollectionList* list,
                            size_t line, xbase::Value* value);

// Saves the list: a new one is numbered from "NOTG" + branch (a taken number refuses the save); the
// header is always written, the lines with an invoice and an amount are stored.
xbase::Status SaveCollection(frame::Session& session, const frame::OpenedTables& tables, CollectionList* list,
                             bool* saved);

// The pages of a printed list `number` up to `end`, at most `per_page` counted rows a page, one
// section per company code when `by_company`; false after a message when the list is not there.
bool CollectionPages(frame::Session& session, const frame::OpenedTables& tables, std::string_view number,
                     xbase::Date end, int per_page, bool by_company, std::vector<std::vector<std::string>>* pages);

}  // namespace receivables

#endif  // PALUNDA_RECEIVABLES_COLLECTIONS_H_
