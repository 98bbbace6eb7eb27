// The incentive basis "DASAR PERHITUNGAN INSENTIF" per salesman, in cartons (LRDPI) or in value
// (LRDPIV), printed or in a workbook (EXCELCETAKDATA); and the receivable evaluation per branch and
// salesman (RKPTT).
#ifndef PALUNDA_PERFORMANCE_LRDPI_H_
#define PALUNDA_PERFORMANCE_LRDPI_H_

#include <array>
#include <string>
#include <vector>

#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace performance {

// A salesman's row of the incentive basis: figures 3 .. 99 (0 .. 2 unused).
struct IncentiveRow {
  std::string code, name;
  std::array<double, 100> figures{};
  double& operator[](int index) { return figures[static_cast<size_t>(index)]; }
  double operator[](int index) const { return figures[static_cast<size_t>(index)]; }
  // y / t x 100, 0 without a target.
  double Achievement() const;
};

// The indexes of the figures by their letters.
namespace basis {
inline constexpr int kSales = 3, kReturns = 4;
inline constexpr int kVatCredit = 5, kVatTotal = 8;
inline constexpr int kDeductionCredit = 9, kDeductionPeriod = 10, kDeductionEarlier = 11, kDeductionTotal = 12;
inline constexpr int kFeeCredit = 13, kFeePeriod = 14, kFeeEarlier = 15, kFeeTotal = 16;
inline constexpr int kCreditSales = 17, kPeriodCash = 18, kSalesTotal = 19, kEarlierCash = 20, kCashTotal = 21;
inline constexpr int kTarget = 22, kCollected = 23, kCosts = 24, kBlackBonus = 25, kTargetTotal = 26;
inline constexpr int kCashCredit = 27, kCashPeriod = 28, kCashEarlier = 29, kWeekCash = 30, kWeekCashEarlier = 31,
                     kCashAll = 32;
inline constexpr int kReturnRA = 33, kReturnRC = 34, kReturnRK = 35, kReturnRP = 36, kReturnRT = 37;
inline constexpr int kTargetDay = 37, kOtherDay = 68;  // + the day of the month
}  // namespace basis

// The notes under the incentive basis, printed and in the workbook.
inline constexpr std::array<const char*, 8> kIncentiveNotes = {
    "Keterangan :",
    "1. Realisasi Penjualan adalah : Jual Kredit (f) + Jual Tunai Bl Ini (g)",
    "2. Dasar Insentif Tunai adalah : Jual Tunai Bl Ini (g) + Jual Tunai Bl Lalu (i)",
    "3. Jual Kredit (f) = a - b - c1 - d1 - d2 - x2",
    "4. Jual Tunai Bl Ini (g) = x2 - c2 - e2",
    "5. Jual Tunai Bl Lalu (i) = x3 - c3 - d3 - e3",
    "6. Realisasi Target Piutang adalah : Perincian Uang Cair (x1) + Biaya (v) + Black Bonus (w)",
    "7. Uang Cair (u) = x1 - e1"};

struct IncentiveParams {
  xbase::Date from, to;
  std::string customer, group, excluded_customers, type;
  std::string excluded_types = "BD CO KS KP KC KN KY K5 K3 K2 K1 QQ";
  int rows_per_page = 50;
};

xbase::Status LRDPI(frame::Session& session, const std::vector<xbase::Value>& args);
xbase::Status LRDPIV(frame::Session& session, const std::vector<xbase::Value>& args);
// The form of LRDPI (cartons) and LRDPIV, run until Esc.
xbase::Status IncentiveScreen(frame::Session& session, bool cartons);

// The rows of every MASTSLS salesman, the derived figures computed; false after a message.
bool IncentiveBasis(frame::Session& session, const IncentiveParams& params, bool cartons, std::vector<IncentiveRow>* rows);
// The printout of the five sections; true when it reached a printer.
bool PrintIncentiveBasis(frame::Session& session, const IncentiveParams& params, const std::vector<IncentiveRow>& rows);
// EXCELCETAKDATA: the workbook of the incentive basis (its path in *path).
bool EXCELCETAKDATA(frame::Session& session, const std::vector<IncentiveRow>& rows, const IncentiveParams& params,
                    std::string* path = nullptr);

// What the form of RKPTT asks.
struct EvaluationParams {
  xbase::Date from, to;
  std::string type;
  std::string excluded_types = "BD CO KS KC KY KP";
};
xbase::Status RKPTT(frame::Session& session, const std::vector<xbase::Value>& args);
// The receivable evaluation workbook (its path in *path).
bool ReceivableEvaluation(frame::Session& session, const EvaluationParams& params, std::string* path = nullptr);

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_LRDPI_H_
