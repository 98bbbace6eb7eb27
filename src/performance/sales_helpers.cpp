// Helpers that the sales-performance and recap reports share: cartons, salesman levels, product
// groups and the tables of the product-group reports.
#include <array>

#include "frame/open_table.h"
#include "performance/performance.h"
#include "text/date_helpers.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

constexpr std::string_view kDefaultGroup = "M44";

// *row on the row of `code` in the table open under `alias`, null when the table is not open or has
// none; a row that cannot be read is the error.
xbase::Status Row(frame::Session& session, std::string_view alias, std::string_view code, xbase::WorkArea** row) {
  *row = session.tables().Area(alias);
  if (*row == nullptr) return xbase::Status::OK();
  bool found = false;
  const xbase::Status s = xbase::SeekFound(**row, code, &found);
  if (!found) *row = nullptr;
  return s;
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

xbase::Status KONVERSIBOX(frame::Session& session, std::string_view code, double quantity, double carton_size,
                          double value, double* cartons) {
  *cartons = 0;
  xbase::WorkArea* konvert = nullptr;
  const xbase::Status s = Row(session, "konvert", code, &konvert);
  if (!s.ok()) return s;
  if (konvert != nullptr) {
    const double divisor = konvert->Number("DIBAGI");
    *cartons = divisor == 0 ? 0 : quantity * konvert->Number("DIKALI") / divisor;
  } else {
    *cartons = carton_size == 0 ? value / kCartonValue : quantity / carton_size;
  }
  return s;
}

xbase::Status KONVERSIQTY(frame::Session& session, std::string_view code, double quantity, double* base) {
  xbase::WorkArea* konvert = nullptr;
  const xbase::Status s = Row(session, "konvert", code, &konvert);
  *base = konvert == nullptr ? quantity : quantity * konvert->Number("DIKALI");
  return s;
}

std::string GETLEVELSALES(std::string_view title) {
  constexpr std::pair<std::string_view, std::string_view> kLevels[] = {
      {"BM", "1"}, {"DB", "2"}, {"KAM", "2"}, {"SP", "3"}, {"KAS", "3"}, {"SL", "4"}};
  for (const auto& [prefix, level] : kLevels) {
    if (title.starts_with(prefix)) return std::string(level);
  }
  return "9";
}

xbase::Status CARIPATRON_(frame::Session& session, std::string_view code, std::pair<std::string, std::string>* group) {
  *group = {"M449", "BELUM MASUK GROUP"};
  xbase::WorkArea* member = nullptr;
  xbase::WorkArea* patron = nullptr;
  xbase::Status s = Row(session, "PATRON2", code, &member);
  if (!s.ok() || member == nullptr) return s;
  *group = {member->Text("PATRON"), ""};
  s = Row(session, "PATRON", group->first, &patron);
  if (patron != nullptr) group->second = patron->Text("NAMA");
  return s;
}

xbase::Status CARIPATRON2(frame::Session& session, std::string_view code, std::string* group) {
  xbase::WorkArea* member = nullptr;
  const xbase::Status s = Row(session, "PATRON2", code, &member);
  *group = member == nullptr ? std::string(kDefaultGroup) : member->Text("PATRON");
  return s;
}

xbase::Status CARIPATORNK1K2(frame::Session& session, std::string_view code, std::string* family) {
  std::string group;
  const xbase::Status s = CARIPATRON2(session, code, &group);
  *family = xbase::PadR(xbase::Left(group, group.starts_with('M') ? 3 : 2), 10);
  return s;
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
