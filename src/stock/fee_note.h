// The fee notes of gift-wrap and assembly work: the result lines a note pays, its save under the
// "GLNT" counter, and its printed form with the count of its prints.
#ifndef PALUNDA_STOCK_FEE_NOTE_H_
#define PALUNDA_STOCK_FEE_NOTE_H_

#include <string>
#include <vector>

#include "documents/record_binding.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace stock {

struct FeeLine {
  std::string result;  // the results number
  std::string code;
  std::string name;
  double quantity = 0;
  double per_unit = 0;
  double tariff = 0;
  xbase::Date date;    // the results' date
};

// KD_GL32: a line of a fee note; KDCB and NOMOR are written beside it, the name is the goods'.
const documents::RecordBinding<FeeLine>& FeeLineRecord();

// The lines of results `number` priced at their result codes' tariffs; *found false when unknown.
xbase::Status ResultFeeLines(const frame::OpenedTables& tables, const std::string& branch, const std::string& number,
                             std::vector<FeeLine>* lines, bool* found);

// The fee note that already pays results `number`, empty when none does.
xbase::Status FeeNoteOf(const frame::OpenedTables& tables, const std::string& branch, const std::string& number,
                        std::string* note);

// Saves a fee note under the next "GLNT" + branch number; silent when the counter is missing or
// its number held (*number then empty).
xbase::Status SaveFeeNote(frame::Session& session, const frame::OpenedTables& tables, const std::string& branch,
                          xbase::Date date, const std::vector<FeeLine>& lines, std::string* number);

// The printed lines of fee note `number` as its next print; *found false when unknown.
xbase::Status FeeNoteLines(const frame::OpenedTables& tables, const std::string& branch, const std::string& number,
                           std::vector<std::string>* lines, bool* found);

// Counts a print of the note that reached a printer: CETAK, TG_CETAK today and one more print.
xbase::Status CountFeeNotePrint(frame::Session& session, const frame::OpenedTables& tables, const std::string& branch,
                                const std::string& number);

}  // namespace stock

#endif  // PALUNDA_STOCK_FEE_NOTE_H_
