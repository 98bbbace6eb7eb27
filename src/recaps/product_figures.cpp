// The figures of the product recaps, summed per item from the recap rows of a branch: actual and
// target windows of the target reports, and the months of two years of the monthly reports.
#include "recaps/product_figures.h"

#include "frame/spreadsheet.h"
#include "text/date_helpers.h"
#include "xbase/keyed_read.h"
#include "xbase/number_text.h"

namespace recaps {
namespace {

enum TargetSlot { kActualYtd, kTargetYtd, kActualLastYtd, kTargetYear, kActual, kTarget, kActualLast, kTargetNext };
constexpr size_t kTargetSlots = 8;
constexpr size_t kMonthSlots = 26;

// Adds the sales (JL_) or target (TG_) figure of the current row to a slot of both units. Values are
// in thousands: the posting keeps sales so but a target as the target table gives it, in rupiah.
void AddFigure(const xbase::WorkArea& area, std::string_view prefix, std::array<std::vector<double>, 2>* figures,
               size_t slot) {
  const double value = area.Number(std::string(prefix) + "VAL");
  (*figures)[kCartons][slot] += area.Number(std::string(prefix) + "CRT");
  (*figures)[kValues][slot] += prefix == "TG_" ? value / 1000 : value;
}

std::array<std::vector<double>, 2>& FiguresOf(ItemFigures* items, const std::string& item, size_t slots) {
  auto [at, added] = items->try_emplace(item);
  if (added) at->second = {std::vector<double>(slots), std::vector<double>(slots)};
  return at->second;
}

}  // namespace

xbase::Status TargetFigures(xbase::WorkArea& area, std::string_view branch, const Windows& w, ItemFigures* items) {
  items->clear();
  return ForEachRow(area, [&] {
    if (!Begins(area.Text("CABANG"), branch)) return;
    const std::string period = area.Text("PERIODE");
    const bool this_year = Windows::Within(period, w.year_first, w.month);
    const bool last_year = Windows::Within(period, w.last_year_first, w.last_month);
    const bool whole_year = Windows::Within(period, w.year_first, w.year_last);
    if (!this_year && !last_year && !whole_year && period != w.next_month) return;
    auto& figures = FiguresOf(items, area.Text("KODE"), kTargetSlots);
    if (this_year) {
      AddFigure(area, "JL_", &figures, kActualYtd);
      AddFigure(area, "TG_", &figures, kTargetYtd);
    }
    if (last_year) AddFigure(area, "JL_", &figures, kActualLastYtd);
    if (whole_year) AddFigure(area, "TG_", &figures, kTargetYear);
    if (period == w.month) {
      AddFigure(area, "JL_", &figures, kActual);
      AddFigure(area, "TG_", &figures, kTarget);
    }
    if (period == w.last_month) AddFigure(area, "JL_", &figures, kActualLast);
    if (period == w.next_month) AddFigure(area, "TG_", &figures, kTargetNext);
  });
}

std::vector<Heading> TargetHeadings() {
  return {{"KODE"},
          {"NAMA"},
          {"KUMM BLN INI TH INI", {"REAL (a)", "TARGET (b)", "% (a/b)"}},
          {"KUMM TH LALU", {"REAL (c)", "% (a/c)"}},
          {"TARGET TH INI", {"TOTAL (d)", "% (a/d)"}},
          {"BULAN INI TH INI", {"REAL (e)", "TARGET (f)", "% (e/f)"}},
          {"BLN INI THLALU", {"REAL (g)", "% (e/g)"}},
          {"TGT BL DP"}};
}

void WriteTargetColumns(platform::Worksheet& sheet, int row, std::vector<double> f, int first) {
  f.resize(kTargetSlots);
  using frame::Ratio;
  WriteNumbers(sheet, row, first,
               {f[kActualYtd], f[kTargetYtd], Ratio(f[kActualYtd], f[kTargetYtd]), f[kActualLastYtd],
                Ratio(f[kActualYtd], f[kActualLastYtd]), f[kTargetYear], Ratio(f[kActualYtd], f[kTargetYear]),
                f[kActual], f[kTarget], Ratio(f[kActual], f[kTarget]), f[kActualLast], Ratio(f[kActual], f[kActualLast]),
                f[kTargetNext]});
}

xbase::Status MonthFigures(xbase::WorkArea& area, std::string_view branch, int year, ItemFigures* items) {
  items->clear();
  const std::string this_year = xbase::StrZero(year, 4), last_year = xbase::StrZero(year - 1, 4);
  return ForEachRow(area, [&] {
    if (!Begins(area.Text("CABANG"), branch)) return;
    const std::string period = area.Text("PERIODE");
    const bool now = period.starts_with(this_year), before = period.starts_with(last_year);
    const int month = std::atoi(period.substr(4, 2).c_str());
    if ((!now && !before) || month < 1 || month > 12) return;
    auto& figures = FiguresOf(items, area.Text("KODE"), kMonthSlots);
    const size_t which = now ? 1 : 0;
    AddFigure(area, "JL_", &figures, which);
    AddFigure(area, "JL_", &figures, 2 * static_cast<size_t>(month) + which);
  });
}

std::vector<Heading> MonthHeadings() {
  std::vector<Heading> headings = {{"KODE"}, {"NAMA"}, {"TOTAL", {"TH. LALU", "TH. INI"}}};
  for (const std::string& month : MonthNames()) headings.push_back({month, {"TH. LALU", "TH. INI"}});
  return headings;
}

const std::array<std::string, 12>& MonthNames() {
  static const std::array<std::string, 12> names = [] {
    std::array<std::string, 12> all;
    for (int m = 1; m <= 12; ++m) all[static_cast<size_t>(m - 1)] = text::CBULAN_(xbase::Date::FromYmd(2000, m, 1));
    return all;
  }();
  return names;
}

std::string ItemName(xbase::WorkArea& goods, const std::string& item) {
  if (xbase::LookUp(goods, goods.PadToField("KODE", item))) return goods.Text("NAMA");
  return "";
}

}  // namespace recaps
