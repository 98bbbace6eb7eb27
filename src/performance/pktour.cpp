// PKTOUR: quantity, cartons and value of the tour-package items per chosen salesman, with totals
// per goods group and package class.
#include "performance/pktour.h"

#include <algorithm>
#include <map>

#include "console/alert.h"
#include "console/message.h"
#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "performance/chosen_salesmen.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "performance/sale_documents.h"
#include "performance/sheet_layout.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

constexpr int kChosen = 14;
constexpr int kFirstFigure = 4;

struct TourItem {
  std::string package, group, code, name;
  double carton_size = 0;
  std::vector<double> figures;  // quantity, cartons, value: TOTAL, SALES LAIN, each chosen salesman
  std::string sort_key() const { return package + group + code; }
};

frame::OpenedTables OpenTourTables(frame::Session& session) {
  return OpenTables(session, Joined({{{"PK_TOUR"}, {"MASTBRJ"}, {"MASTSLS"}, {"SETUP"}}, DocumentTableUses()}));
}

std::vector<std::string> Chosen(const std::vector<std::string>& salesmen) {
  std::vector<std::string> chosen;
  for (const std::string& code : salesmen) {
    if (!xbase::IsBlank(code)) chosen.push_back(code);
  }
  return chosen;
}

void AddFigures(std::vector<double>* into, const std::vector<double>& figures) {
  for (size_t i = 0; i < figures.size(); ++i) (*into)[i] += figures[i];
}

}  // namespace

bool TourPackage(frame::Session& session, const std::string& customer, xbase::Date from, xbase::Date to,
                 const std::vector<std::string>& salesmen, std::string* path) {
  const frame::OpenedTables tables = OpenTourTables(session);
  if (!tables) return false;
  const std::vector<std::string> chosen = Chosen(salesmen);
  const size_t width = 3 * (2 + chosen.size());
  std::map<std::string, TourItem> items;
  xbase::WorkArea& package = tables["PK_TOUR"];
  xbase::Status status = package.GoTop();
  for (; status.ok() && !package.eof(); status = package.Skip()) {
    TourItem item;
    item.code = package.Text("KODE");
    item.package = package.Text("GOL");
    status = ItemText(session, item.code, "GOLONGAN", &item.group);
    if (status.ok()) status = ItemText(session, item.code, "NAMA", &item.name);
    if (status.ok()) status = CartonSize(session, item.code, &item.carton_size);
    if (!status.ok()) break;
    item.name = std::string(xbase::RTrim(item.name));
    item.figures.assign(width, 0);
    items.emplace(std::string(xbase::RTrim(item.code)), std::move(item));
  }
  if (!frame::Checked(session, status)) return false;
  DocumentFilter filter;
  filter.from = from;
  filter.to = to;
  filter.customer = customer;
  const bool read = ForEachDocument(session, tables, filter, [&](const SaleDocument& document, const std::vector<SaleLine>& lines) {
    const int column = ChosenColumn(chosen, document.salesman);
    const size_t split = 3 * (column < 0 ? 1 : 2 + static_cast<size_t>(column));
    for (const SaleLine& line : lines) {
      const auto found = items.find(std::string(xbase::RTrim(line.code)));
      if (found == items.end()) continue;
      TourItem& item = found->second;
      const double figures[] = {line.quantity, item.carton_size == 0 ? 0 : line.quantity / item.carton_size,
                                line.value / 1000};
      for (size_t i = 0; i < 3; ++i) {
        item.figures[i] += document.sign() * figures[i];
        item.figures[split + i] += document.sign() * figures[i];
      }
    }
  });
  if (!read) return false;

  std::vector<const TourItem*> sorted;
  for (const auto& [code, item] : items) sorted.push_back(&item);
  std::stable_sort(sorted.begin(), sorted.end(), [](const TourItem* a, const TourItem* b) { return a->sort_key() < b->sort_key(); });

  frame::SpreadsheetExport book(session, "LAPORAN PAKET TOUR SALESMAN");
  platform::Worksheet& sheet = book.ActiveSheet();
  Titles(sheet, {"LAPORAN PAKET TOUR SALESMAN ( RELASI :" + std::string(xbase::AllTrim(customer)) + " )",
                 "PERIODE " + xbase::Dtoc(from) + " s/d " + xbase::Dtoc(to)});
  TallHead(sheet, 1, "NO.");
  TallHead(sheet, 2, "KODE");
  TallHead(sheet, 3, "NAMA BARANG");
  const std::vector<std::string> figures = {"Quantity", "Carton", "Value"};
  SpanHead(sheet, kFirstFigure, "TOTAL", figures);
  SpanHead(sheet, kFirstFigure + 3, "SALES LAIN", figures);
  for (size_t i = 0; i < chosen.size(); ++i) {
    SpanHead(sheet, kFirstFigure + 6 + 3 * static_cast<int>(i), NAMASALES(session, chosen[i]), figures);
  }
  const int last = kFirstFigure + static_cast<int>(width) - 1;
  FinishHeads(sheet, last);
  int row = kFirstDataRow, number = 0;
  const auto write_sum = [&](const std::string& label, const std::vector<double>& sums, int fill) {
    sheet.SetValue(row, 3, label);
    for (size_t i = 0; i < sums.size(); ++i) sheet.SetNumber(row, kFirstFigure + static_cast<int>(i), sums[i]);
    TotalRow(sheet, row++, last, fill);
  };
  std::vector<double> group_sum(width, 0), package_sum(width, 0), total(width, 0);
  for (size_t i = 0; i < sorted.size(); ++i) {
    const TourItem& item = *sorted[i];
    sheet.SetNumber(row, 1, ++number);
    sheet.SetValue(row, 2, frame::AsText(xbase::RTrim(item.code)));
    sheet.SetValue(row, 3, item.name);
    for (size_t f = 0; f < width; ++f) sheet.SetNumber(row, kFirstFigure + static_cast<int>(f), item.figures[f]);
    ++row;
    AddFigures(&group_sum, item.figures);
    AddFigures(&package_sum, item.figures);
    AddFigures(&total, item.figures);
    const TourItem* next = i + 1 < sorted.size() ? sorted[i + 1] : nullptr;
    if (next == nullptr || next->package != item.package || next->group != item.group) {
      write_sum("JUMLAH " + std::string(xbase::RTrim(item.group)), group_sum, frame::GroupTotalFill(2));
      group_sum.assign(width, 0);
    }
    if (next == nullptr || next->package != item.package) {
      write_sum("JUMLAH KELOMPOK " + std::string(xbase::RTrim(item.package)), package_sum, frame::GroupTotalFill(1));
      package_sum.assign(width, 0);
    }
  }
  write_sum("TOTAL", total, 0);
  sheet.SetBorders(Block(kFirstDataRow, 1, row - 1, last), frame::kBorderWeight);
  sheet.SetNumberFormat(Columns(kFirstFigure, last), frame::kAmountFormat);
  sheet.AutoFit(Columns(1, last));
  return book.Show(path);
}

xbase::Status PKTOUR(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = OpenTourTables(session);
  if (!tables) return xbase::Status();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  std::string customer = Blank(10);
  xbase::Date from = session.Today(), to = session.Today();
  std::vector<std::string> salesmen(kChosen, Blank(4));
  for (;;) {
    std::vector<std::string> labels = {"Kode Relasi :", "Tanggal     :", "s/d         :"};
    for (int i = 1; i <= kChosen; ++i) labels.push_back(xbase::PadR("Sales " + std::to_string(i), 12) + ":");
    ReportForm form(session, "LAPORAN PAKET TOUR SALESMAN", labels);
    form.Field(0, &customer, "@!").valid = [&] {
      // The salesman fields edit these very strings: fill them in place, never swap the vector's storage.
      // Codes that could not be read are not offered blank, to be saved over the kept ones.
      std::vector<std::string> kept;
      if (!frame::Checked(session, SETDEFAULTSALES(session, customer, kTourKey, &kept))) return false;
      for (size_t i = 0; i < salesmen.size(); ++i) salesmen[i] = i < kept.size() ? kept[i] : Blank(4);
      return true;
    };
    form.Period(1, 2, &from, &to, false);
    for (int i = 0; i < kChosen; ++i) form.Salesman(3 + i, &salesmen[static_cast<size_t>(i)]);
    if (!form.Read()) break;
    if (console::Alert(con, " yakin LAPORAN PAKET TOUR akan diproses", {"Ya", "tidak"}) != 1) continue;
    const xbase::Status stored = SIMPANSETDEFAULTSALES(session, salesmen, customer, kTourKey);
    frame::ShowFailure(session, stored);
    TourPackage(session, customer, from, to, salesmen);
  }
  return session.tables().CloseAll();
}

}  // namespace performance
