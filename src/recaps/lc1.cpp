// LC1 "Rekap Penjualan by Product (L.C.1)": the sales per product for the branch (LC2 a supervisor, LC3 a salesman),
// in a workbook.
#include <set>

#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "recaps/lc_report.h"
#include "recaps/product_figures.h"
#include "recaps/product_tree.h"
#include "recaps/recap_screens.h"
#include "recaps/recap_tables.h"
#include "recaps/report_box.h"
#include "text/date_helpers.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace recaps {
namespace {

// Figures per item, in cartons.
enum LcSlot { kMonthLast, kMonth, kYearLast, kYear, kStock, kBranchYear, kLcSlots };

// Picks a code from a list when it holds "?" and finds the row `match` accepts; false (after `refusal`
// on row 24) when there is none. The name of the row goes to *name.
bool FindMember(frame::Session& session, std::string_view alias, std::vector<std::string> columns, std::string* code,
                const std::function<bool(const xbase::WorkArea&)>& match, const std::string& refusal,
                std::string* name) {
  frame::PickSpec pick;
  pick.alias = std::string(alias);
  pick.expressions = std::move(columns);
  bool picked = false, escaped = false;
  xbase::WorkArea* area = nullptr;
  xbase::Status s = frame::PickCode(session, pick, code, &picked, &escaped);
  if (s.ok()) s = frame::PickerArea(session, pick, &area);
  if (!frame::Checked(session, s)) return false;
  if (picked && !escaped) *code = area->PadToField("KODE", xbase::AllTrim(area->Text("KODE")));
  bool found = false;
  s = ForEachRow(*area, [&] {
    if (!found && xbase::AllTrim(area->Text("KODE")) == xbase::AllTrim(*code) && match(*area)) {
      found = true;
      *name = std::string(xbase::RTrim(area->Text("NAMA")));
    }
  });
  if (!frame::Checked(session, s)) return false;
  if (!found) console::PESAN(session.console(), refusal);
  return found;
}

class LcReport {
 public:
  LcReport(frame::Session& session, LcScope scope) : session_(session), scope_(scope) {}

  xbase::Status Run() {
    tables_ = OpenTables(session_, {{"RKP_CAB"}, {"RKP_SAL"}, {"PATRON4"}, {"PATRON2"}, {"MASTBRJ"},
                                    {"CABANG", "Cabang"}, {"SPV_SALES"}, {"SALES_MEM"}});
    if (!tables_) return xbase::Status::OK();
    while (Ask()) {
      if (frame::Checked(session_, Compute())) Write();
    }
    return session_.tables().CloseAll();
  }

 private:
  bool Ask() {
    std::vector<BoxField> fields = {
        {"Cabang    :", &branch_, "@!", [&] { return BranchValid(session_, &branch_, &branch_name_); }},
        {"Tgl. s/d  :", &date_}};
    if (scope_ != LcScope::kBranch) {
      fields.push_back({"Spv       :", &supervisor_, "@!", [&] {
                          return FindMember(
                              session_, "SPV_SALES", {"cabang", "kode", "Nama"}, &supervisor_,
                              [&](const xbase::WorkArea& row) { return Begins(row.Text("CABANG"), branch_); },
                              "kode supervisor " + std::string(xbase::AllTrim(supervisor_)) + ", belum ada",
                              &supervisor_name_);
                        }});
    }
    if (scope_ == LcScope::kSalesman) {
      fields.push_back({"Sales     :", &salesman_, "@!", [&] {
                          return FindMember(
                              session_, "SALES_MEM", {"spvid", "kode", "Nama"}, &salesman_,
                              [&](const xbase::WorkArea& row) { return row.Text("SPVID") == supervisor_; },
                              "kode sales " + std::string(xbase::AllTrim(salesman_)) + " tidak ditemukan",
                              &salesman_name_);
                        }});
    }
    const std::string number = std::to_string(static_cast<int>(scope_));
    return AskInBox(session_, {"REKAP PENJUALAN BY PRODUCT", "(L.C." + number + ")"}, std::move(fields)) &&
           !date_.empty();
  }

  // The salesmen whose sales count: those of the supervisor, or the one salesman.
  xbase::Status Salesmen(std::set<std::string>* salesmen) {
    salesmen->clear();
    if (scope_ == LcScope::kSalesman) {
      salesmen->insert(salesman_);
      return xbase::Status::OK();
    }
    xbase::WorkArea& members = tables_["SALES_MEM"];
    return ForEachRow(members, [&] {
      if (members.Text("SPVID") == supervisor_) salesmen->insert(members.Text("KODE"));
    });
  }

  xbase::Status Compute() {
    const Windows w(date_);
    items_.clear();
    const auto add = [&](const xbase::WorkArea& area, bool branch_only) {
      const std::string period = area.Text("PERIODE");
      std::vector<double>& f = items_[area.Text("KODE")];
      f.resize(kLcSlots);
      const double cartons = area.Number("JL_CRT");
      if (branch_only) {
        if (period == w.month) f[kStock] += area.Number("ST_CRT");
        if (Windows::Within(period, w.year_first, w.month)) f[kBranchYear] += cartons;
        if (scope_ != LcScope::kBranch) return;
      }
      if (period == w.last_month) f[kMonthLast] += cartons;
      if (period == w.month) f[kMonth] += cartons;
      if (Windows::Within(period, w.last_year_first, w.last_month)) f[kYearLast] += cartons;
      if (Windows::Within(period, w.year_first, w.month)) f[kYear] += cartons;
    };
    xbase::WorkArea& branch_rows = tables_["RKP_CAB"];
    xbase::Status s = ForEachRow(branch_rows, [&] {
      if (Begins(branch_rows.Text("CABANG"), branch_)) add(branch_rows, true);
    });
    if (s.ok() && scope_ != LcScope::kBranch) {
      std::set<std::string> salesmen;
      s = Salesmen(&salesmen);
      xbase::WorkArea& sales_rows = tables_["RKP_SAL"];
      if (s.ok()) {
        s = ForEachRow(sales_rows, [&] {
          if (salesmen.contains(sales_rows.Text("SALES"))) add(sales_rows, false);
        });
      }
    }
    if (s.ok()) s = ReadNodeTree(tables_["PATRON4"], &tree_);
    if (s.ok()) s = ReadLineItems(tables_["PATRON2"], &line_items_);
    return s;
  }

  void WriteColumns(platform::Worksheet& sheet, int row, std::vector<double> f) const {
    f.resize(kLcSlots);
    const double rate = frame::Ratio(f[kBranchYear], Windows(date_).month_number) / 100;
    WriteNumbers(sheet, row, 3,
                 {f[kMonthLast], f[kMonth], frame::Ratio(f[kMonth], f[kMonthLast]), f[kYearLast], f[kYear],
                  frame::Ratio(f[kYear], f[kYearLast]), f[kStock], rate, rate == 0 ? 0 : f[kStock] / rate});
  }

  void Write() {
    const std::string number = std::to_string(static_cast<int>(scope_));
    const std::vector<Heading> headings = {
        {"KODE"},
        {"NAMA"},
        {"OMSET BULAN INI (BOX)", {"TH LALU (a)", "TH INI  (b)", "% (b/a)"}},
        {"OMSET KUMMULATIF (BOX)", {"TH LALU (c)", "TH INI  (d)", "% (d/b)"}},
        {"TOR", {"STOCK", "RT2 OMSET", "TOR"}}};
    std::vector<std::string> scope_lines = {"CABANG : " + Named(branch_, branch_name_)};
    if (scope_ != LcScope::kBranch) scope_lines.push_back("SUPERVISOR : " + Named(supervisor_, supervisor_name_));
    if (scope_ == LcScope::kSalesman) scope_lines.push_back("SALES : " + Named(salesman_, salesman_name_));
    ShowBook(session_, "REKAP PENJUALAN BY PRODUCT L.C." + number, {"Rekap", "Detail"},
             {"REKAP PENJUALAN BY PRODUCT (L.C." + number + ")", "PERIODE : " + xbase::Dtoc(date_)}, headings,
             [&](platform::Worksheet& sheet, size_t which, int columns) {
               for (size_t i = 0; i < scope_lines.size(); ++i) sheet.SetValue(static_cast<int>(i) + 1, 6, scope_lines[i]);
               TreeSheet how;
               how.figures = [&](const std::string& item) -> const std::vector<double>* {
                 const auto at = items_.find(item);
                 return at == items_.end() ? nullptr : &at->second;
               };
               how.item_name = [&](const std::string& item) { return ItemName(tables_["MASTBRJ"], item); };
               how.write_figures = [&](int row, const std::vector<double>& f) { WriteColumns(sheet, row, f); };
               how.columns = columns;
               how.first_level_total = "TOTAL ";
               return WriteTree(sheet, tree_, line_items_, which == 1, how);
             });
  }

  static std::string Named(std::string_view code, std::string_view name) {
    return std::string(xbase::AllTrim(code)) + " - " + std::string(xbase::AllTrim(name));
  }

  frame::Session& session_;
  LcScope scope_;
  frame::OpenedTables tables_;  // what Run opened
  std::string branch_ = std::string(6, ' '), branch_name_;
  std::string supervisor_ = std::string(4, ' '), supervisor_name_;
  std::string salesman_ = std::string(4, ' '), salesman_name_;
  xbase::Date date_ = text::TGLAKHIR(session_.Today());
  std::map<std::string, std::vector<double>> items_;
  std::vector<TreeNode> tree_;
  std::map<std::string, std::vector<std::string>> line_items_;
};

}  // namespace

xbase::Status RunLcReport(frame::Session& session, LcScope scope) { return LcReport(session, scope).Run(); }

xbase::Status LC1(frame::Session& session, const Args&) { return RunLcReport(session, LcScope::kBranch); }

}  // namespace recaps
