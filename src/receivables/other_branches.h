// Giros and transfers received for other branches: the receiving branch splits an instrument among
// other branches (counted as used on the instrument), writes a transfer row per target branch, and
// the target branch imports the rows as instruments received on its behalf.
#ifndef PALUNDA_RECEIVABLES_OTHER_BRANCHES_H_
#define PALUNDA_RECEIVABLES_OTHER_BRANCHES_H_

#include <cstddef>
#include <string>
#include <vector>

#include "console/array_browse.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"
#include "xbase/work_area.h"

namespace receivables {

// GCBLAIN: "Realisasi Giro/Transfer Cabang Lain", the split of an instrument.
xbase::Status GCBLAIN(frame::Session& session, const std::vector<xbase::Value>& args);
// KGCBLAIN: "DATA GIRO U/ CABANG LAIN", the transfer rows for one target branch.
xbase::Status KGCBLAIN(frame::Session& session, const std::vector<xbase::Value>& args);
// DGCBLAIN: the list of the transfer rows waiting to be sent.
xbase::Status DGCBLAIN(frame::Session& session, const std::vector<xbase::Value>& args);
// HPSKIRIM: empties the transfer table.
xbase::Status HPSKIRIM(frame::Session& session, const std::vector<xbase::Value>& args);
// TGRLAIN: the transfer rows imported at the target branch.
xbase::Status TGRLAIN(frame::Session& session, const std::vector<xbase::Value>& args);

// The elements of a split line (from 0).
enum SplitColumn : size_t { kSpNo, kSpBranch, kSpBranchName, kSpAmount, kSpCustomer, kSpNote, kSpLineSize };

// An instrument being split.
struct GiroSplit {
  std::string number = std::string(20, ' ');
  std::string branch;          // the instrument's own branch
  std::string customer;        // the instrument's customer, proposed on a new line
  double nominal = 0;          // DEBET
  double used_elsewhere = 0;   // KREDIT without the stored split rows
  console::ValueTable lines;
};

// The tables of the split screen (GIRODBT as `GiroDbt`, GIROKDT, MASTCUS as `Mastcus`, SETUP as
// `setup`), shared; false (all closed) when one cannot be opened.
frame::OpenedTables OpenSplitTables(frame::Session& session);

// Loads split->number: the instrument must be registered and not received for this branch; its
// stored split rows become the lines, then a blank line with its customer. False after a message.
bool LoadSplit(frame::Session& session, const frame::OpenedTables& tables, GiroSplit* split);

// A blank line numbered `n` (from 1) carrying `customer`.
console::ValueRow BlankSplitLine(size_t n, std::string_view customer);

// The name of a branch from its "MTCB" row of `setup`; false (after a message when `tell`) when there is none.
bool BranchName(frame::Session& session, xbase::WorkArea& setup, std::string_view code, std::string* name,
                bool tell = true);

// The check of `value` typed into column `column` of line `line` (from 0): a branch with an "MTCB" row
// other than the instrument's own (it fills the name), an amount within the instrument's remaining
// value, a registered customer (its name fills the note). False refuses, with a message.
bool CheckSplitCell(frame::Session& session, const frame::OpenedTables& tables, GiroSplit* split, size_t line,
                    size_t column, xbase::Value* value);

// The instrument's value still free for the lines: nominal - used elsewhere - the lines' amounts.
double SplitRemaining(const GiroSplit& split);

// Saves the split: the stored rows are paired with the lines that have a branch and an amount, each
// old amount taken back from the instrument's used total and each new one added. Refused (with a
// message) when the lines exceed the instrument's value; *saved tells whether it was written.
xbase::Status SaveSplit(frame::Session& session, const frame::OpenedTables& tables, const GiroSplit& split,
                        bool* saved);

// Writes the transfer row of the GIROKDT row standing current into `transfer` (kirimgr), keyed by the
// row's instrument number and target branch.
xbase::Status WriteTransferRow(frame::Session& session, xbase::WorkArea& transfer, const xbase::WorkArea& split_row);

// Imports the current row of kirimgr into `giros` (GIRODBT) as an instrument received on the target
// branch's behalf: appended, or recalled and rewritten when the number is there.
xbase::Status ImportTransferRow(frame::Session& session, xbase::WorkArea& giros, const xbase::WorkArea& row);

}  // namespace receivables

#endif  // PALUNDA_RECEIVABLES_OTHER_BRANCHES_H_
