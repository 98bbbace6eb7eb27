// LRKPBRG "Rekap Penjualan per Barang": net sales per item, grouped by goods class; a text report or a workbook.
#include <algorithm>
#include <array>
#include <map>

#include "console/alert.h"
#include "frame/grid_cells.h"
#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "performance/performance.h"
#include "platform/cell_range.h"
#include "recaps/recap_report.h"
#include "recaps/recap_screens.h"
#include "recaps/recap_tables.h"
#include "recaps/report_box.h"
#include "recaps/sales_documents.h"
#include "text/date_helpers.h"
#include "xbase/date_functions.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace recaps {

using frame::Pictured;

namespace {

enum Column { kSold, kReturned, kAdministrative, kNet };
constexpr std::string_view kOtherClass = "LAIN-LAIN";

// A row of the recap: an item or a product line, with its goods class.
struct Row {
  std::string code, name, goods_class;
  std::array<double, 4> quantity{}, cartons{}, value{};
  double cost = 0;
  void Finish() {
    quantity[kNet] = quantity[kSold] - quantity[kReturned] - quantity[kAdministrative];
    cartons[kNet] = cartons[kSold] - cartons[kReturned] - cartons[kAdministrative];
    value[kNet] = value[kSold] - value[kReturned] - value[kAdministrative];
  }
  void Add(const Row& other) {
    for (size_t i = 0; i < 4; ++i) {
      quantity[i] += other.quantity[i];
      cartons[i] += other.cartons[i];
      value[i] += other.value[i];
    }
    cost += other.cost;
  }
};

struct Answers {
  std::string customer = std::string(10, ' '), branch = std::string(6, ' '), item = std::string(10, ' ');
  std::string salesman = std::string(4, ' ');
  DocumentFilter filter;
  bool by_item = true;
  double per_page = 55;
};

class ItemRecap {
 public:
  ItemRecap(frame::Session& session, const frame::OpenedTables& tables, const Answers& answers)
      : session_(session), tables_(tables), answers_(answers) {}

  xbase::Status Gather() {
    xbase::Status s = Documents(kNotes);
    if (s.ok()) s = Documents(kReturns);
    for (auto& [code, row] : rows_) row.Finish();
    xbase::WorkArea& classes = tables_["MASTGOL"];
    if (s.ok()) {
      s = ForEachRow(classes, [&] {
        classes_.push_back({classes.Text("KODE"), std::string(xbase::RTrim(classes.Text("NAMA")))});
      });
    }
    classes_.push_back({std::string(kOtherClass), std::string(kOtherClass)});
    return s;
  }

  // The rows of each class in table order, the unknown classes under "LAIN-LAIN", by code.
  template <typename Visit>
  void ForEachClass(Visit visit) const {
    for (const auto& [code, name] : classes_) {
      std::vector<const Row*> members;
      for (const auto& [key, row] : rows_) {
        const bool known = std::any_of(classes_.begin(), classes_.end() - 1,
                                       [&](const auto& c) { return c.first == row.goods_class; });
        if (row.goods_class == code || (code == kOtherClass && !known)) members.push_back(&row);
      }
      if (!members.empty()) visit(name, members);
    }
  }

  bool with_cost() const { return session_.MMEMBER.HasRight("ACC"); }

 private:
  xbase::Status Documents(const DocumentKind& kind) {
    return ForEachDocument(tables_, kind, answers_.filter,
                           [&](xbase::WorkArea& header, xbase::WorkArea& lines, const std::vector<uint32_t>& records) {
      if (!Begins(header.Text("KDCB"), answers_.branch)) return xbase::Status::OK();
      const Column column = &kind == &kNotes ? kSold : header.Logical("RADMIN") ? kAdministrative : kReturned;
      const double factor = HeaderFactor(header);
      for (const uint32_t record : records) {
        if (xbase::Status s = lines.GoTo(record); !s.ok()) return s;
        if (!Begins(lines.Text("KODE"), answers_.item)) continue;
        if (xbase::Status s = AddLine(lines, column, LineValue(lines) * factor); !s.ok()) return s;
      }
      return xbase::Status::OK();
    });
  }

  xbase::Status AddLine(const xbase::WorkArea& line, Column column, double value) {
    const std::string item = line.Text("KODE");
    xbase::WorkArea& goods = tables_["MASTBRJ"];
    xbase::Status s = goods.Seek(item);
    if (!s.ok()) return s;
    const bool known = goods.found();
    std::string key = item, name = known ? goods.Text("NAMA") : "";
    if (!answers_.by_item) {
      std::pair<std::string, std::string> group;
      if (s = performance::CARIPATRON_(session_, item, &group); !s.ok()) return s;
      std::tie(key, name) = group;
    }
    auto [at, added] = rows_.try_emplace(key);
    Row& row = at->second;
    if (added) row = {key, std::string(xbase::RTrim(name)), known ? goods.Text("GOLONGAN") : ""};
    const double quantity = line.Number("QUANTITY");
    double cartons = 0;
    s = performance::KONVERSIBOX(session_, item, quantity, known ? goods.Number("DOS") : 0, value, &cartons);
    if (!s.ok()) return s;
    row.quantity[column] += quantity;
    row.cartons[column] += cartons;
    row.value[column] += value;
    const double price = known ? goods.Number("HARGA4") : 0;
    double factor = 0;
    s = CostFactor(item, &factor);
    row.cost += (column == kSold ? 1 : -1) * quantity * price * factor;
    return s;
  }

  // The discounts of the cost price of an item: two-digit numbers at 1, 3, 5 and 7 of KET of the SETUP
  // row "HPP" + the item's first letter; without a row 20 % off. A row that cannot be read is an error.
  xbase::Status CostFactor(const std::string& item, double* factor) {
    const std::string key = "HPP" + item.substr(0, 1);
    if (const auto at = factors_.find(key); at != factors_.end()) {
      *factor = at->second;
      return xbase::Status::OK();
    }
    xbase::WorkArea& setup = tables_["SETUP"];
    bool found = false;
    if (xbase::Status s = xbase::SeekFound(setup, setup.PadToField("SETUP", key), &found); !s.ok()) return s;
    *factor = Off(20);
    if (found) {
      const std::string ket = setup.Text("KET");
      *factor = 1;
      for (size_t at = 0; at < 8; at += 2) *factor *= Off(std::atof(ket.substr(at, 2).c_str()));
    }
    factors_.emplace(key, *factor);
    return xbase::Status::OK();
  }

  frame::Session& session_;
  const frame::OpenedTables& tables_;
  const Answers& answers_;
  std::map<std::string, Row> rows_;
  std::vector<std::pair<std::string, std::string>> classes_;
  std::map<std::string, double> factors_;
};

std::string Figures(const Row& row, bool cost) {
  std::string text;
  for (const double q : row.quantity) text += Pictured(q, " 999999999");
  for (const double c : row.cartons) text += Pictured(c, " 9999999");
  for (const double v : row.value) text += Pictured(v, " 999,999,999,999");
  if (cost) text += Pictured(row.cost, " 999,999,999,999");
  return text;
}

void PrintText(frame::Session& session, const ItemRecap& recap, const Answers& answers) {
  const bool cost = recap.with_cost();
  const std::string blocks = std::string(36, ' ') + xbase::PadR("              QUANTITY", 40) +
                             xbase::PadR("              BOX", 32) + xbase::PadR("                   N I L A I", 64) +
                             (cost ? "     HARGA POKOK" : "");
  const std::string names = std::string(36, ' ') + "      JUAL     RETUR   RET ADM     NETTO" +
                            "    JUAL   RETUR RET ADM   NETTO" +
                            "            JUAL           RETUR         RET ADM           NETTO";
  const std::string rule(std::max(blocks.size(), names.size()), '-');
  PagedText text({"REKAP PENJUALAN PERIODE " + xbase::Dtoc(answers.filter.from) + " s/d " + xbase::Dtoc(answers.filter.to),
                  "CABANG : " + answers.branch + ", CUSTOMER : " + answers.customer + ", SALES : " + answers.salesman,
                  rule, blocks, names, rule},
                 std::max(10, static_cast<int>(answers.per_page)));
  Row total;
  int number = 0;
  recap.ForEachClass([&](const std::string& name, const std::vector<const Row*>& rows) {
    text.Line(name);
    Row sub;
    for (const Row* row : rows) {
      text.Line(Pictured(++number, "9999 ") + xbase::PadR(xbase::RTrim(row->code), 10) + " " +
                xbase::PadR(xbase::Left(row->name, 20), 20) + Figures(*row, cost));
      sub.Add(*row);
    }
    text.Line(xbase::PadR("** Sub Total ** " + name, 36) + Figures(sub, cost));
    total.Add(sub);
  });
  text.Line(rule);
  text.Line(xbase::PadR("** T O T A L **     ", 36) + Figures(total, cost));
  PrintPages(session, text, 6, static_cast<int>(rule.size()));
}

void WriteBook(frame::Session& session, const ItemRecap& recap, const Answers& answers) {
  const bool cost = recap.with_cost();
  frame::SpreadsheetExport book(session, "REKAP PENJUALAN PER BARANG");
  platform::Worksheet& sheet = book.ActiveSheet();
  sheet.SetValue(1, 1, "REKAP PENJUALAN PERIODE " + xbase::Dtoc(answers.filter.from) + " s/d " +
                           xbase::Dtoc(answers.filter.to));
  sheet.SetValue(2, 1, "CABANG : " + answers.branch + ", CUSTOMER : " + answers.customer + ", SALES : " + answers.salesman);
  const std::vector<std::string> fixed = {"NO.", "KODE", "NAMA BARANG"};
  for (size_t i = 0; i < fixed.size(); ++i) {
    sheet.SetValue(5, static_cast<int>(i) + 1, fixed[i]);
    sheet.Merge(platform::ColumnName(static_cast<int>(i) + 1) + "5:" + platform::ColumnName(static_cast<int>(i) + 1) + "6");
  }
  const std::vector<std::string> groups = {"QUANTITY", "BOX", "VALUE"};
  const std::vector<std::string> subs = {"JUAL", "RETUR", "RET. ADMIN", "NETTO"};
  for (size_t g = 0; g < groups.size(); ++g) {
    const int first = 4 + static_cast<int>(g) * 4;
    sheet.SetValue(5, first, groups[g]);
    sheet.Merge(platform::ColumnName(first) + "5:" + platform::ColumnName(first + 3) + "5");
    for (size_t i = 0; i < subs.size(); ++i) sheet.SetValue(6, first + static_cast<int>(i), subs[i]);
  }
  const int columns = cost ? 16 : 15;
  if (cost) {
    sheet.SetValue(5, 16, "HPP");
    sheet.Merge("P5:P6");
  }
  const std::string heading = "A5:" + platform::ColumnName(columns) + "6";
  sheet.Centre(heading);
  sheet.Bold(heading);
  sheet.SetBorders(heading, frame::kBorderWeight);
  const auto figures = [&](int row, const Row& r) {
    std::vector<double> all(r.quantity.begin(), r.quantity.end());
    all.insert(all.end(), r.cartons.begin(), r.cartons.end());
    all.insert(all.end(), r.value.begin(), r.value.end());
    if (cost) all.push_back(r.cost);
    WriteNumbers(sheet, row, 4, all);
  };
  int row = 6, number = 0;
  Row total;
  recap.ForEachClass([&](const std::string& name, const std::vector<const Row*>& rows) {
    Row sub;
    for (const Row* r : rows) {
      sheet.SetNumber(++row, 1, ++number);
      sheet.SetValue(row, 2, frame::AsText(xbase::RTrim(r->code)));
      sheet.SetValue(row, 3, r->name);
      figures(row, *r);
      sub.Add(*r);
    }
    sheet.SetValue(++row, 3, "Jumlah " + name);
    figures(row, sub);
    MarkRow(sheet, row, columns, true);
    total.Add(sub);
  });
  sheet.SetValue(++row, 3, "TOTAL");
  figures(row, total);
  MarkRow(sheet, row, columns, true);
  sheet.SetNumberFormat("D:" + platform::ColumnName(columns), frame::kAmountFormat);
  sheet.AutoFit("A:" + platform::ColumnName(columns));
  book.Show();
}

}  // namespace

// Sales, returns and administrative returns per item or product line, by goods class.
xbase::Status LRKPBRG(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = OpenTables(session, {"SRTJLN1",
                                                          "SRTJLN2",
                                                          "RTJUAL1",
                                                          "RTJUAL2",
                                                          "MASTBRJ",
                                                          "MASTGOL",
                                                          "SETUP",
                                                          "PATRON",
                                                          {"PATRON2", {}, false, "PATRON22"},
                                                          {"KONVERT", "konvert"}});
  if (!tables) return xbase::Status::OK();
  Answers answers;
  answers.filter = ThisMonth(session);
  while (AskInBox(session, {" REKAP PENJUALAN PER BARANG "},
                  {{"KODE RELASI  :", &answers.customer, "@!"},
                   {"KODE CABANG  :", &answers.branch, "@!"},
                   {"KODE BARANG  :", &answers.item, "@!"},
                   {"SALES        :", &answers.salesman, "@!"},
                   {"DARI TANGGAL :", &answers.filter.from},
                   {"s/d TANGGAL  :", &answers.filter.to},
                   {"BY ITEM      :", &answers.by_item, "Y"},
                   {"BRS/HALAMAN  :", &answers.per_page, "999"}}) &&
         !answers.filter.from.empty() && !answers.filter.to.empty()) {
    answers.filter.customer = answers.customer;
    answers.filter.salesman = answers.salesman;
    ItemRecap recap(session, tables, answers);
    if (!frame::Checked(session, recap.Gather())) continue;
    const int choice = console::Alert(session.console(), "PILIHAN MEDIA LAPORAN", {"Printer", "Excel", "Keluar"});
    if (choice == 1) PrintText(session, recap, answers);
    if (choice == 2) WriteBook(session, recap, answers);
  }
  return session.tables().CloseAll();
}

}  // namespace recaps
