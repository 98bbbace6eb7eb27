// The documents of gift-wrap and assembly work: take-outs (KD_GL11/KD_GL12), results (KD_GL21/
// KD_GL22) and fee notes (KD_GL31/KD_GL32), their counters, and the mutations their forms post.
#ifndef PALUNDA_STOCK_GIFT_WRAP_H_
#define PALUNDA_STOCK_GIFT_WRAP_H_

#include <string>
#include <vector>

#include "documents/record_binding.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace stock {

// The tables of the gift-wrap entries, each under the name it is opened by. What follows takes them
// as the screen opened them.
std::vector<frame::TableUse> GiftWrapTables();

// The mutation numbers of a take-out's and of a result's form: their counter's key, the branch and the
// number, twenty characters, so they meet neither another branch's nor a mutation screen's number.
std::string TakeOutMutation(const std::string& branch, const std::string& number);
std::string ResultMutation(const std::string& branch, const std::string& number);

// The header of a gift-wrap document: its branch, number and date.
struct WorkDocument {
  std::string branch;
  std::string number;
  xbase::Date date;
};
// KD_GL11, KD_GL21 and KD_GL31: the header of a take-out, of results and of a fee note; the first two
// have TG_INPUT and OPERATOR written beside it.
const documents::RecordBinding<WorkDocument>& WorkDocumentRecord();

struct TakeOutLine {
  std::string warehouse;
  std::string code;
  double quantity = 0;
  std::string result;
  double materials[6] = {};  // display, plastic, inner, label, sticker 1, sticker 2
};

// KD_GL12: a take-out line; KDCB, NOMOR and URUT are written beside it.
const documents::RecordBinding<TakeOutLine>& TakeOutLineRecord();

// Saves a new take-out under the next "GLNG" + branch number; lines without a code or quantity are
// left out. A missing counter, a number already held or a lock given up is told; *number stays
// empty then and nothing is written.
xbase::Status SaveTakeOut(frame::Session& session, const frame::OpenedTables& tables, const std::string& branch,
                          xbase::Date date, const std::vector<TakeOutLine>& lines, std::string* number);

// One line of a gift-wrap form: what leaves or enters stock.
struct FormEntry {
  std::string warehouse;
  std::string code;
  std::string name;
  double quantity = 0;
  double per_unit = 0;   // results: pieces per result unit
  std::string remark;
  double average = 0;    // the warehouse row's HRG_RATA
};

// The take-out's date and what it takes out: each raw item, then its materials. *found false for an
// unknown number.
xbase::Status TakeOutEntries(const frame::OpenedTables& tables, const std::string& branch, const std::string& number,
                             xbase::Date* date, std::vector<FormEntry>* entries, bool* found);

// Writes the take-out's out-mutation and moves the stock, and marks the take-out printed: all or
// nothing. *posted false when a lock was given up (told; nothing written).
xbase::Status PostTakeOut(frame::Session& session, const frame::OpenedTables& tables, const std::string& branch,
                          const std::string& number, xbase::Date date, const std::vector<FormEntry>& entries,
                          bool* posted);

struct ResultLine {
  std::string take_out;  // EX NOMOR
  std::string line;      // the take-out line's URUT
  std::string code;      // KODE JD
  std::string warehouse;
  double quantity = 0;
  double per_unit = 1;   // IN 1
};

// KD_GL22: a results line; KDCB and NOMOR are written beside it.
const documents::RecordBinding<ResultLine>& ResultLineRecord();

// Pieces of take-out line (branch, number, line) still open: QTY_LBR - QTY_GL; 0 and *found false
// without it.
xbase::Status OpenPieces(const frame::OpenedTables& tables, const std::string& branch, const std::string& number,
                         const std::string& line, double* open, bool* found);

// Saves new results under the next "GLJD" + branch number and books each row's pieces on its
// take-out line, all or nothing; a lock given up is told and leaves *number empty.
xbase::Status SaveResults(frame::Session& session, const frame::OpenedTables& tables, const std::string& branch,
                          xbase::Date date, const std::vector<ResultLine>& lines, std::string* number);

// The results' date and their entries.
xbase::Status ResultEntries(const frame::OpenedTables& tables, const std::string& branch, const std::string& number,
                            xbase::Date* date, std::vector<FormEntry>* entries, bool* found);

// Writes the results' in-mutation and moves the stock, and marks the results printed: all or
// nothing. *posted false when a lock was given up (told; nothing written).
xbase::Status PostResults(frame::Session& session, const frame::OpenedTables& tables, const std::string& branch,
                          const std::string& number, xbase::Date date, const std::vector<FormEntry>& entries,
                          bool* posted);

}  // namespace stock

#endif  // PALUNDA_STOCK_GIFT_WRAP_H_
