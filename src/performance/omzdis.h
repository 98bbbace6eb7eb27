// Net turnover in thousands: gross sales less returns less the receivable deductions settled in the
// period, per outlet group of a kind (OMZDIS), per customer (OMZCAB) and per salesman (OSZCAB).
#ifndef PALUNDA_PERFORMANCE_OMZDIS_H_
#define PALUNDA_PERFORMANCE_OMZDIS_H_

#include <array>
#include <string>
#include <vector>

#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace performance {

// The deduction codes in column order: NORMAL, SAMPEL, FREEGOODS, KURANG BRG, BEDA HRG, KOMISI,
// TRADE, SUBSIDI, VOUCHER, then PPN ("DP").
inline constexpr std::array<std::string_view, 10> kDeductionCodes = {"DB", "DE", "DF", "DG", "DH",
                                                                     "DK", "DR", "DU", "DV", "DP"};

struct TurnoverParams {
  std::string prefix;  // group code (OMZDIS) or customer (OMZCAB) prefix
  std::string kind = "D";  // OMZDIS: D, S, G or L
  xbase::Date from, to;
  bool tax_invoice = false;  // Faktur Pajak: "DP" lines are left out
  int rows_per_page = 50;
};

struct TurnoverRow {
  std::string code, name, branch;
  double target = 0, gross = 0, returns = 0;
  std::array<double, kDeductionCodes.size()> deductions{};
  double total_deductions = 0, net = 0, non_bb = 0, base_bb = 0;
  double Achievement() const;
};

xbase::Status OMZDIS(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status OMZCAB(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status OSZCAB(frame::Session& session, const std::vector<xbase::Value>& args);

// The rows of each report, in the order they are printed (OMZDIS: by % within each branch).
bool GroupTurnover(frame::Session& session, const TurnoverParams& params, std::vector<TurnoverRow>* rows);
bool CustomerTurnover(frame::Session& session, const TurnoverParams& params, std::vector<TurnoverRow>* rows);
bool SalesmanTurnover(frame::Session& session, const TurnoverParams& params, std::vector<TurnoverRow>* rows);

// The title of OMZDIS for a kind: "OMZET NETTO -= DISTRIBUTOR =- ( dalam ribuan )" and so on.
std::string GroupTurnoverTitle(std::string_view kind);
// CHKGRP: an empty code passes; otherwise "?" picks and the code must be an outlet group; its name,
// city and kind are handed back.
bool CHKGRP(frame::Session& session, std::string* code, std::string* name, std::string* city, std::string* kind);

// The reports as text (and OMZDIS also as a workbook); true when the text reached a printer.
bool PrintGroupTurnover(frame::Session& session, const TurnoverParams& params, const std::vector<TurnoverRow>& rows);
bool GroupTurnoverBook(frame::Session& session, const TurnoverParams& params, const std::vector<TurnoverRow>& rows,
                       std::string* path = nullptr);
bool PrintCustomerTurnover(frame::Session& session, const TurnoverParams& params, const std::vector<TurnoverRow>& rows);
bool PrintSalesmanTurnover(frame::Session& session, const TurnoverParams& params, const std::vector<TurnoverRow>& rows);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_OMZDIS_H_
