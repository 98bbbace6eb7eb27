// A warehouse or code-change mutation as the entry screen holds it, loaded from and saved into both
// halves under one number.
#ifndef PALUNDA_STOCK_MUTATION_H_
#define PALUNDA_STOCK_MUTATION_H_

#include <string>
#include <vector>

#include "console/array_browse.h"
#include "documents/seen_records.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace stock {

// The columns of an entry line (from 1, as the browse counts them).
enum MutationColumn { kMtNo = 1, kMtCodeOut, kMtCodeIn, kMtBox, kMtPak, kMtQty, kMtNote, kMtPrice, kMtAverage };

struct Mutation {
  std::string number;       // 10 characters; blank for a new one
  xbase::Date date;
  std::string branch;
  std::string source;       // Gudang
  std::string destination;  // Gudang tujuan
  console::ValueTable lines;
  // Both halves' stored headers and lines as they were loaded, for the save to see another
  // workstation's save since.
  documents::SeenRecords seen;
};

// The tables of the mutation screen and its form, each under the name it is opened by. What follows
// takes them as the screen opened them.
std::vector<frame::TableUse> MutationTables();

// A blank entry line numbered `n`.
console::ValueRow BlankMutationLine(int n);

// The company code on the out header of the mutations the gift-wrap forms write; the entry screen
// leaves them alone.
inline constexpr std::string_view kGiftWrapCode = "0";

// Loads the stored mutation mutation->number: date, source and branch from the out header, the
// destination from the in header, the lines from the out lines with the codes in of the in lines,
// and a blank line after them. *found false for an unknown number or a gift-wrap mutation.
xbase::Status LoadMutation(frame::Session& session, const frame::OpenedTables& tables, Mutation* mutation,
                           bool* found);

// Pieces of the out item available to line `index` (from 1): the source warehouse's stock less the
// pieces of the other lines with the same out item. A stock row that cannot be read is the status.
xbase::Status AvailableStock(const frame::OpenedTables& tables, const Mutation& mutation, int index, double* available);

// Saves the mutation: a new one with lines takes the next "MTAG" + branch number (a missing counter
// row is told and nothing is saved); the out half is written and posted before the in half. A stored
// mutation another workstation saved since it was loaded is refused. *saved is false when nothing was
// written.
xbase::Status SaveMutation(frame::Session& session, const frame::OpenedTables& tables, Mutation* mutation, bool* saved);

}  // namespace stock

#endif  // PALUNDA_STOCK_MUTATION_H_
