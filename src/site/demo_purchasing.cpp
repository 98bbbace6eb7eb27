// The demo rows of purchasing: a shipment document to take in, the monthly forecast and D1 plan, and an additional D1
// order.
#include <filesystem>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "purchasing/purchasing.h"
#include "site/demo_data.h"
#include "site/site_counters.h"
#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace site {
namespace {

// A shipment document of the logistics department in the import folder, ready to become a goods
// receipt: two goods the branch has, one it has not yet, and a cash discount.
xbase::Status ShipmentDocument(const DemoContext& demo) {
  const std::string folder = (std::filesystem::path(demo.writer.folder()) / kTransferFolder).string();
  FolderWriter shipment(folder);
  xbase::Status s = shipment.Add("PEB_HDR", {{"NO_BPB", kDemoShipment}, {"SUPLIER", kDemoSupplier}, {"TANGGAL", demo.today - 2},
                               {"NOTES", "KIRIMAN RUTIN LOGISTIK"}, {"DISCOUNT", 2.0}, {"CODE_ID", "1"}});
  struct Line {
    const char* kode;
    int quantity, cartons;
    double harga, discount, discount2;
    const char* urutan;
  };
  constexpr Line kLines[] = {{"SC0001", 2000, 10, 2600, 10, 0, "  1"},
                             {"OF0001", 50, 10, 36000, 5, 2, "  2"},
                             {"WR0101", 1440, 10, 1800, 0, 0, "  3"}};
  for (const Line& line : kLines) {
    if (s.ok()) {
      s = shipment.Add("PEB_DTL", {{"NO_BPB", kDemoShipment}, {"KODE", line.kode}, {"QUANTITY", line.quantity},
                                   {"HARGA", line.harga}, {"DISCOUNT", line.discount}, {"DISCOUNT2", line.discount2},
                                   {"Q_BOX", line.cartons}, {"URUTAN", line.urutan}});
    }
  }
  if (s.ok()) {
    s = shipment.Add("PEB_MST", {{"KODE", "SC0001"}, {"GOLONGAN", "SCHOOL"}, {"NAMA", "BUKU TULIS 38 LBR"},
                                 {"SATUAN", "PCS"}, {"HARGA", 3500}, {"PAK", 10}, {"DOS", 200}});
  }
  if (s.ok()) {
    s = shipment.Add("PEB_MST", {{"KODE", "OF0001"}, {"GOLONGAN", "OFFICE"}, {"NAMA", "KERTAS HVS A4 70G"},
                                 {"SATUAN", "RIM"}, {"HARGA", 48000}, {"PAK", 1}, {"DOS", 5}});
  }
  if (s.ok()) {
    s = shipment.Add("PEB_MST", {{"KODE", "WR0101"}, {"GOLONGAN", "WRITING"}, {"NAMA", "PULPEN GEL HITAM"},
                                 {"NAMA2", "PULPEN GEL HITAM 0.5 MM"}, {"SATUAN", "PCS"}, {"HARGA", 2500},
                                 {"HARGA1", 2450}, {"HARGA2", 2400}, {"HARGA4", 2300}, {"PAK", 12}, {"DOS", 144}});
  }
  const xbase::Status finished = shipment.Finish();
  return s.ok() ? finished : s;
}

// The goods of the monthly plans, and the cartons the demo clerk ordered of the first three.
std::vector<const DemoGoods*> PlannedGoods() {
  std::vector<const DemoGoods*> goods;
  for (const DemoGoods& item : DemoGoodsList()) {
    if (std::string_view(item.golongan) == kPlannedGroup) goods.push_back(&item);
  }
  return goods;
}
constexpr double kOrdered[] = {12, 8, 5};

// The days of the sales history's notes: the 15th of every month of last year and of this year up to
// last month.
std::vector<xbase::Date> HistoryDates(xbase::Date today) {
  std::vector<xbase::Date> dates;
  for (int y = today.year() - 1; y <= today.year(); ++y) {
    for (int m = 1; m <= 12 && (y < today.year() || m < today.month()); ++m) dates.push_back(xbase::Date::FromYmd(y, m, 15));
  }
  return dates;
}

// The cartons of the `g`-th planned good in the history note of month `m`.
int HistoryCartons(size_t g, int m) { return 1 + static_cast<int>(g + static_cast<size_t>(m)) % 4; }

// A delivery note of the planned goods on the 15th of every month of last year and of this year up to
// last month (sales from before the receivables kept in the demo), and the targets of the month the
// plans ship in.
xbase::Status PlanHistory(const DemoContext& demo) {
  xbase::Status s;
  const std::vector<const DemoGoods*> goods = PlannedGoods();
  for (const xbase::Date date : HistoryDates(demo.today)) {
    const int m = date.month();
    const std::string invoice = "SJH-" + date.Dtos().substr(0, 6);
    if (s.ok()) {
      s = demo.writer.Add("SRTJLN1", {{"INVOICE", invoice}, {"TANGGAL", date}, {"RELASI", demo.options.customer_prefix + "0001"},
                                      {"TIPE", "01"}, {"SALES", "S001"}, {"KDCB", demo.branch}, {"TEMPO", date},
                                      {"TERM", 30}, {"CODE_ID", "0"}, {"CETAK", true}, {"TG_INPUT", date},
                                      {"OPERATOR", kAdminNik}});
    }
    for (size_t g = 0; s.ok() && g < goods.size(); ++g) {
      const int cartons = HistoryCartons(g, m);
      s = demo.writer.Add("SRTJLN2", {{"INVOICE", invoice}, {"KODE", goods[g]->kode}, {"GUDANG", kDemoWarehouse},
                                      {"Q_BOX", cartons}, {"QUANTITY", cartons * goods[g]->dos},
                                      {"HARGA", goods[g]->harga}, {"KTR", goods[g]->nama},
                                      {"URUT", xbase::PadL(std::to_string(g + 1), 3)},
                                      {"HRG_RATA", DemoCost(*goods[g])}});
    }
  }
  const xbase::Date ship_month = xbase::Bom(xbase::Eom(demo.today) + 15);
  for (const DemoGoods* item : goods) {
    if (s.ok()) {
      s = demo.writer.Add("TARGET", {{"TANGGAL", ship_month}, {"KDCB", demo.branch}, {"SALES", "S001"},
                                     {"KODE", item->kode}, {"BGTQTY", item->dos * 6}, {"BGTVAL", item->dos * 6 * item->harga},
                                     {"CARTON", 6}});
    }
  }
  return s;
}

// A D1 order: its header and a line per good ordered.
xbase::Status D1Order(const DemoContext& demo, const std::string& number, xbase::Date date, xbase::Date ship,
                      const std::vector<std::pair<const DemoGoods*, double>>& lines) {
  xbase::Status s = demo.writer.Add("D1CBNG1", {{"NOMOR", number}, {"KD_CB", demo.branch}, {"TANGGAL", date},
                                                {"TGKIRIM", ship}, {"TGINPUT", date}, {"OPERATOR", kAdminNik}});
  for (size_t k = 0; s.ok() && k < lines.size(); ++k) {
    s = demo.writer.Add("D1CBNG2", {{"NOMOR", number}, {"KODE", lines[k].first->kode},
                                    {"URUTAN", xbase::PadL(std::to_string(k + 1), 3)}, {"CARTON", lines[k].second},
                                    {"QUANTITY", lines[k].second * lines[k].first->dos}});
  }
  return s;
}

// The month's D1 plan as saved on its first day, and an additional order of the 10th of last month,
// which ships in this month.
xbase::Status D1Orders(const DemoContext& demo) {
  std::string prefix;  // the plans' prefix of a new folder (its "D1NU" row)
  for (const SiteCounter& counter : SiteCounters()) {
    if (std::string_view(counter.prefix) == "D1NU") prefix = std::string(xbase::AllTrim(counter.start));
  }
  const std::vector<const DemoGoods*> goods = PlannedGoods();
  std::vector<std::pair<const DemoGoods*, double>> plan;
  for (size_t k = 0; k < std::size(kOrdered) && k < goods.size(); ++k) plan.emplace_back(goods[k], kOrdered[k]);
  const xbase::Date first = xbase::Bom(demo.today);
  xbase::Status s = D1Order(demo, prefix + demo.today.Dtos().substr(0, 6) + "05", first, xbase::Eom(demo.today) + 15, plan);
  const xbase::Date extra = xbase::Bom(first - 1) + 9;
  if (s.ok() && goods.size() > 3) {
    s = D1Order(demo, prefix + extra.Dtos(), extra, xbase::Eom(extra) + 15, {{goods[3], 4}});
  }
  return s;
}

}  // namespace

xbase::Date DemoHistoryStart(xbase::Date today) { return xbase::Date::FromYmd(today.year() - 1, 1, 1); }

double DemoHistoryDelivered(xbase::Date today, std::string_view kode) {
  const std::vector<const DemoGoods*> goods = PlannedGoods();
  double pieces = 0;
  for (size_t g = 0; g < goods.size(); ++g) {
    if (goods[g]->kode != kode) continue;
    for (const xbase::Date date : HistoryDates(today)) pieces += HistoryCartons(g, date.month()) * goods[g]->dos;
  }
  return pieces;
}

xbase::Status AddPurchasingDemo(const DemoContext& demo) {
  xbase::Status s = ShipmentDocument(demo);
  if (s.ok()) s = PlanHistory(demo);
  return s.ok() ? D1Orders(demo) : s;
}

xbase::Status AddDemoPlans(const std::string& folder, const DataFolderOptions& options, xbase::Date today) {
  std::vector<std::pair<std::string, double>> typed;
  const std::vector<const DemoGoods*> goods = PlannedGoods();
  for (size_t k = 0; k < std::size(kOrdered) && k < goods.size(); ++k) typed.emplace_back(goods[k]->kode, kOrdered[k]);
  return purchasing::MakeMonthPlans(folder, options.branch, today, typed);
}

}  // namespace site
