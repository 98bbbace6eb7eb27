// Helpers that the sales-performance and recap reports share: cartons, salesman levels, product
// groups and the tables of the product-group reports.
#include <array>

#include "frame/open_table.h"
#include "performance/performance.h"
#include "text/date_helpers.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

constexpr std::string_view kDefaultGroup = "M44";

// The row of `code` in the table open under `alias`, or null when the table is not open or has none.
xbase::WorkArea* Row(frame::Session& session, std::string_view alias, std::string_view code) {
  xbase::WorkArea* area = session.tables().Area(alias);
  if (area == nullptr || !area->Seek(code).ok() || !area->found()) return nullptr;
  return area;
}

constexpr std::array<frame::TableUse, 18> kReportTables = {{
    {"target", "target", false, "target2"},
    {"PATRON", "PATRON", false, "PATRON"},
    {"PATRON2", "PATRON2", false, "PATRON22"},
    {"konvert", "konvert", false, "konvert"},
    {"mastbrj", "mastbrj", false, "mastbrj1"},
    {"mastcus", "Relasi", false, "mastcus1"},
    {"mastSls", "sales", false, "mastsls1"},
    {"Setup", "Setup", false, "Setup"},
    {"Tipe", "Tipe", false, "Tipe"},
    {"mastgol", "golong", false, "mastgol2"},
    {"Otl_grp", "Otl_grp", false, "Otl_Grp1"},
    {"Otl_mbr", "Otl_mbr", false, "Otl_mbr1"},
    {"i_fokus", "i_fokus", false, "i_fokus2"},
    {"srtjln1", "Invoice1", false, "srtjln12"},
    {"srtjln2", "Kartu1", false, "srtjln21"},
    {"Stokbrg", "stock", false, "Stokbrg1"},
    {"RtJual1", "RtJual1", false, "RtJual12"},
    {"RtJual2", "RtJual2", false, "RtJual21"},
}};

}  // namespace

double KONVERSIBOX(frame::Session& session, std::string_view code, double quantity, double carton_size, double value) {
  if (const xbase::WorkArea* konvert = Row(session, "konvert", code)) {
    const double divisor = konvert->Number("DIBAGI");
    return divisor == 0 ? 0 : quantity * konvert->Number("DIKALI") / divisor;
  }
  if (carton_size == 0) return value / kCartonValue;
  return quantity / carton_size;
}

double KONVERSIQTY(frame::Session& session, std::string_view code, double quantity) {
  const xbase::WorkArea* konvert = Row(session, "konvert", code);
  return konvert == nullptr ? quantity : quantity * konvert->Number("DIKALI");
}

std::string GETLEVELSALES(std::string_view title) {
  constexpr std::pair<std::string_view, std::string_view> kLevels[] = {
      {"BM", "1"}, {"DB", "2"}, {"KAM", "2"}, {"SP", "3"}, {"KAS", "3"}, {"SL", "4"}};
  for (const auto& [prefix, level] : kLevels) {
    if (title.starts_with(prefix)) return std::string(level);
  }
  return "9";
}

std::pair<std::string, std::string> CARIPATRON_(frame::Session& session, std::string_view code) {
  const xbase::WorkArea* member = Row(session, "PATRON2", code);
  if (member == nullptr) return {"M449", "BELUM MASUK GROUP"};
  std::pair<std::string, std::string> group{member->Text("PATRON"), ""};
  if (const xbase::WorkArea* patron = Row(session, "PATRON", group.first)) group.second = patron->Text("NAMA");
  return group;
}

std::string CARIPATRON2(frame::Session& session, std::string_view code) {
  const xbase::WorkArea* member = Row(session, "PATRON2", code);
  return member == nullptr ? std::string(kDefaultGroup) : member->Text("PATRON");
}

std::string CARIPATORNK1K2(frame::Session& session, std::string_view code) {
  const xbase::WorkArea* member = Row(session, "PATRON2", code);
  if (member == nullptr) return xbase::PadR(kDefaultGroup, 10);
  const std::string group = member->Text("PATRON");
  return xbase::PadR(xbase::Left(group, group.starts_with('M') ? 3 : 2), 10);
}

frame::OpenedTables OPENDATABASE(frame::Session& session) { return frame::OpenTables(session, ReportTableUses()); }

std::vector<frame::TableUse> ReportTableUses() { return {kReportTables.begin(), kReportTables.end()}; }

bool CBTARGET(std::string_view, std::string* branch, std::string* warehouse) {
  *branch = "B2    ";
  warehouse->clear();
  return true;
}

bool BETWEENTANGGAL(xbase::Date date, xbase::Date* end) {
  *end = text::TGLAKHIR(date);
  return true;
}

}  // namespace performance
