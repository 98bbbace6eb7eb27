// What the three net-turnover reports share: gathering the period's documents and deduction lines
// by a key of each report's choosing, and the text report of the rows.
#ifndef PALUNDA_PERFORMANCE_TURNOVER_H_
#define PALUNDA_PERFORMANCE_TURNOVER_H_

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "frame/open_table.h"
#include "frame/session.h"
#include "performance/omzdis.h"

namespace performance {

// The row a document or deduction line counts in: by the customer and the salesman (of the
// document, or of the invoice a deduction settled); empty for none.
using TurnoverKey = std::function<std::string(const std::string& customer, const std::string& salesman)>;

// The tables the reports read.
frame::OpenedTables OpenTurnoverTables(frame::Session& session);

// Adds the period's delivery notes, returns and deduction lines to rows[key]. With
// `returns_apart` printed returns go to RETUR (and lower the net), else they lower the gross.
bool CollectTurnover(frame::Session& session, const frame::OpenedTables& tables,
                     const TurnoverParams& params, const TurnoverKey& key, bool returns_apart,
                     std::map<std::string, TurnoverRow>* rows);

// Which columns a report prints.
struct TurnoverColumns {
  std::string title;
  std::string label_head;     // "RELASI" or "KD NAMA SALES"
  bool target = true;
  bool returns = false;       // RETUR after OMZET BRUTO
  std::string tax_head = "PPN";
  bool non_bb = false;        // OMZET NON BB and DASAR BB
  bool percent = false;       // "% NETTO to TGT"
  bool by_branch = false;     // a line naming each branch before its rows
};

// The text report of the rows; true when it reached a printer.
bool PrintTurnover(frame::Session& session, const TurnoverParams& params, const TurnoverColumns& columns,
                   const std::vector<TurnoverRow>& rows);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_TURNOVER_H_
