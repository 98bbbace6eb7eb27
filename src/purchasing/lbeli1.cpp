// LBELI1 "Rekap Pembelian per Barang": quantity, cartons and value per item as bought, returned and net; a text report.
#include <algorithm>
#include <array>
#include <map>

#include "console/message.h"
#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "purchasing/paged_report.h"
#include "purchasing/purchase_documents.h"
#include "purchasing/purchasing.h"
#include "purchasing/report_box.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace purchasing {

using frame::Pictured;

namespace {

constexpr int kWidth = 172;
constexpr std::string_view kOtherGroup = "LAIN-LAIN ";

// Quantity, cartons and value, each as bought, returned, returned administratively and net.
using Figures = std::array<double, 12>;
enum Column { kBought = 0, kReturned = 1, kNet = 3 };
constexpr int kValue = 8;  // the first value column

struct ItemRow {
  std::string name, group;
  Figures figures{};
};

struct Group {
  std::string code, name;
};

// True when `code` lies within the bounds, each trimmed and compared on its own length.
bool Selected(std::string_view code, std::string_view from, std::string_view to) {
  const std::string_view low = xbase::RTrim(from), high = xbase::RTrim(to);
  return code.substr(0, low.size()) >= low && code.substr(0, high.size()) <= high;
}

// Adds the selected lines of the documents of a kind: bought lines add to `column` and to the net,
// returned ones to `column` and off the net.
xbase::Status AddLines(frame::Session& session, xbase::WorkArea& goods, const PurchaseKind& kind, bool printed_only,
                       int column, xbase::Date from, xbase::Date to, std::string_view low, std::string_view high,
                       std::map<std::string, ItemRow>* items) {
  const double sign = column == kBought ? 1 : -1;
  return ForEachDocument(session, kind, from, to,
                         [&](xbase::WorkArea& header, xbase::WorkArea& lines, const std::vector<uint32_t>& records) {
    if (printed_only && !header.Logical("CETAK")) return xbase::Status::OK();
    const double factor = CashFactor(header);
    for (const uint32_t record : records) {
      if (xbase::Status s = lines.GoTo(record); !s.ok()) return s;
      const std::string code = lines.Text("KODE");
      if (!Selected(code, low, high)) continue;
      if (xbase::Status s = goods.Seek(code); !s.ok()) return s;
      auto [at, added] = items->try_emplace(code);
      if (added) {
        at->second.name = goods.found() ? goods.Text("NAMA") : std::string(20, ' ');
        at->second.group = goods.found() ? goods.Text("GOLONGAN") : std::string(10, ' ');
      }
      const double quantity = lines.Number("QUANTITY");
      const double dos = goods.found() ? goods.Number("DOS") : 0;
      const double add[] = {quantity, dos == 0 ? 0 : quantity / dos, LineValue(lines) * factor};
      for (int k = 0; k < 3; ++k) {
        at->second.figures[static_cast<size_t>(k * 4 + column)] += add[k];
        at->second.figures[static_cast<size_t>(k * 4 + kNet)] += sign * add[k];
      }
    }
    return xbase::Status::OK();
  });
}

std::string FigureText(const Figures& figures) {
  std::string text;
  for (size_t k = 0; k < 12; ++k) {
    text += Pictured(figures[k], k < 4 ? " 999999999" : k < 8 ? " 9999999" : " 999,999,999,999");
  }
  return text;
}

void Add(Figures* sum, const Figures& figures) {
  for (size_t k = 0; k < 12; ++k) (*sum)[k] += figures[k];
}

xbase::Status ReadGroups(xbase::WorkArea& area, std::vector<Group>* groups) {
  xbase::Status s = area.SetOrder("MASTGOL2");
  if (s.ok()) s = area.GoTop();
  while (s.ok() && !area.eof()) {
    groups->push_back({area.Text("KODE"), area.Text("NAMA")});
    s = area.Skip();
  }
  groups->push_back({std::string(kOtherGroup), xbase::PadR(kOtherGroup, 20)});
  return s;
}

std::string GrandTotal(const Figures& total) { return std::string(16, ' ') + "** T O T A L **     " + FigureText(total); }

void Print(frame::Session& session, const std::vector<Group>& groups, const std::map<std::string, ItemRow>& items,
           xbase::Date from, xbase::Date to, const std::string& high, int per_page) {
  const std::string equals(kWidth, '=');
  PagedReport report(
      {"REKAP PEMBELIAN PERIODE " + xbase::Dtoc(from) + " s/d " + xbase::Dtoc(to), "CABANG : " + high, equals,
       "NO   KODE       NAMA BARANG          --------------- QUANTITY -------------- -------------- BOX ------------ "
       "--------------------------- N I L A I -------------------------",
       "                                          BELI     RETUR   RET ADM     NETTO    BELI   RETUR  RT ADM   NETTO "
       "           BELI           RETUR         RET ADM           NETTO",
       equals},
      per_page);
  Figures total{};
  report.set_breaks([&] { return std::vector<std::string>{equals, GrandTotal(total)}; });
  const auto known = [&](const std::string& code) {
    return std::any_of(groups.begin(), groups.end() - 1, [&](const Group& group) { return group.code == code; });
  };
  for (size_t g = 0; g < groups.size(); ++g) {
    const bool other = g + 1 == groups.size();
    Figures sub{};
    int number = 0;
    for (const auto& [code, item] : items) {
      if (item.figures[kValue + kNet] == 0) continue;
      if (other ? known(item.group) : item.group != groups[g].code) continue;
      if (number == 0) report.Line(std::string(16, ' ') + groups[g].name);
      report.Line(Pictured(++number, "9999 ") + code + " " + item.name + FigureText(item.figures));
      Add(&sub, item.figures);
      Add(&total, item.figures);
      report.Check();
    }
    if (number == 0) continue;
    report.Line(std::string(kWidth, '-'));
    report.Line("** Sub Total ** " + groups[g].name + FigureText(sub));
    report.Line("");
  }
  report.set_breaks({});
  report.Line(equals);
  report.Line(GrandTotal(total));
  frame::ReportLayout layout;
  layout.width = kWidth;
  layout.title = "rekap beli";
  layout.left_margin = 5;
  layout.first_body_row = 1;
  layout.signature_box = false;
  report.Print(session, layout);
}

}  // namespace

xbase::Status LBELI1(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = frame::OpenTables(
      session, {"BPBELI1", "BPBELI2", "RTBELI1", "RTBELI2", "MASTBRJ", "MASTSUP", "MASTGOL", "MASTGDG", "STOKBRG", "SETUP"});
  if (!tables) return xbase::Status::OK();
  xbase::WorkArea& goods = tables["MASTBRJ"];
  std::string low(10, ' '), high(10, ' ');
  xbase::Date from = session.Today(), to = session.Today();
  double per_page = 55;
  while (AskReport(session, "REKAP PEMBELIAN PER BARANG", kBlackBox,
                   {{8, "KODE BARANG :", &low, "@!"}, {9, "KODE BARANG :", &high, "@!"}, {10, "DARI TANGGAL :", &from},
                    {11, "s/d TANGGAL :", &to}, {12, "BRS/HALAMAN :", &per_page, "999"}})) {
    std::vector<Group> groups;
    std::map<std::string, ItemRow> items;
    xbase::Status s = ReadGroups(tables["MASTGOL"], &groups);
    if (s.ok()) s = goods.SetOrder(1);
    if (s.ok()) s = AddLines(session, goods, kReceipts, true, kBought, from, to, low, high, &items);
    if (s.ok()) s = AddLines(session, goods, kReturns, false, kReturned, from, to, low, high, &items);
    if (!frame::Checked(session, s)) continue;
    Print(session, groups, items, from, to, high, std::max(1, static_cast<int>(per_page)));
  }
  return session.tables().CloseAll();
}

}  // namespace purchasing
