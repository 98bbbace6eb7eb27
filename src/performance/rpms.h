// Salesman recaps on the delivery notes and sales returns: weekly and daily sales per customer of a
// salesman (PMS, RPMS), the PP/PA coverage per week and per month (RPPPA, BLPPPA), the daily
// incentive (HARIAN) and the yearly PP/PA minimums (SETKPI).
#ifndef PALUNDA_PERFORMANCE_RPMS_H_
#define PALUNDA_PERFORMANCE_RPMS_H_

#include <array>
#include <string>
#include <vector>

#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace performance {

// The job titles of the PP/PA minimums, in the order of the legend.
inline constexpr std::array<const char*, 8> kKpiTitles = {"SLS", "SPV", "DBM", "BMT", "SLM", "KAS", "KAM", "BMM"};

// What the forms of PMS and RPMS ask.
struct CustomerRecapParams {
  std::string customer, salesman, type;  // prefixes; the salesman as CSALES took it
  xbase::Date from, to;                  // RPMS: six days from `from`
  int rows_per_page = 50;
};

xbase::Status PMS(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status RPMS(frame::Session& session, const std::vector<xbase::Value>& args);
// The report of PMS (weekly = true) or RPMS through the output dialog; true when it was printed.
bool CustomerSalesRecap(frame::Session& session, const CustomerRecapParams& params, bool weekly);
// The form of PMS (weekly) and RPMS, run until Esc.
xbase::Status CustomerRecapScreen(frame::Session& session, bool weekly);

// What the forms of RPPPA and BLPPPA ask.
struct CoverageParams {
  int year = 0;  // KPI year (BLPPPA: the year read)
  std::string customer;
  std::string salesman;  // prefix of the salesmen listed; empty lists all
  xbase::Date from, to;
  bool merge = true;
  int rows_per_page = 50;
};

xbase::Status RPPPA(frame::Session& session, const std::vector<xbase::Value>& args);
// The weekly PP/PA report as text (excel = false) or workbook; true when the text was printed or
// the workbook written (its path in *path).
bool WeeklyCoverage(frame::Session& session, const CoverageParams& params, bool excel, std::string* path = nullptr);

xbase::Status BLPPPA(frame::Session& session, const std::vector<xbase::Value>& args);
// The monthly PP/PA workbook of a year.
bool MonthlyCoverage(frame::Session& session, const CoverageParams& params, std::string* path = nullptr);

// What the form of HARIAN asks.
struct DailyIncentiveParams {
  std::string customer;  // prefix
  xbase::Date monday;
  bool merge = true;
  std::string excluded_types = "KS KP";
  bool cartons = true;  // Output B; false for V (value in thousands)
};

xbase::Status HARIAN(frame::Session& session, const std::vector<xbase::Value>& args);
// The daily incentive recap as text or workbook; false when the start is not a Monday (after the
// alert) or nothing was output.
bool DailyIncentive(frame::Session& session, const DailyIncentiveParams& params, bool excel, std::string* path = nullptr);

xbase::Status SETKPI(frame::Session& session, const std::vector<xbase::Value>& args);
// The SETUP key of a minimum: kind "KPP", "KPA" or "KK3" + year + job title.
std::string KpiKey(std::string_view kind, int year, std::string_view title);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_RPMS_H_
