// The demo rows of the recaps: item targets and two years of recap rows.
#include <array>
#include <map>
#include <string>
#include <tuple>

#include "site/demo_data.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace site {
namespace {

constexpr const char* kSalesmen[] = {"S001", "S002", "S003"};
constexpr int kCustomers = 8;

// One month's figures of a row: pieces, cartons, value (thousands; targets undivided).
struct Figures {
  double qty = 0, crt = 0, val = 0;
  void Add(double q, double c, double v) {
    qty += q;
    crt += c;
    val += v;
  }
};

// Sales of every good in every month from January last year to this month, targets for this year's
// months, and this month's closing stock, written as the recap posting would leave them.
xbase::Status RecapRows(const DemoContext& demo) {
  using Key = std::tuple<std::string, std::string, std::string, std::string>;  // first, second, period, item
  std::map<Key, std::array<Figures, 3>> rows[6];  // BRC, CAB, CUS, RLS, SAL, SLR; figures TG, JL, ST
  enum { kTarget, kSales, kStock };
  const int year = demo.today.year(), month = demo.today.month();
  const auto& goods = DemoGoodsList();
  for (int y = year - 1; y <= year; ++y) {
    for (int m = 1; m <= 12 && (y < year || m <= month); ++m) {
      const std::string period = xbase::StrZero(y, 4) + xbase::StrZero(m, 2);
      for (size_t g = 0; g < goods.size(); ++g) {
        const DemoGoods& item = goods[g];
        const int number = static_cast<int>(g) + m + y;
        const std::string customer = demo.options.customer_prefix + xbase::StrZero(1 + number % kCustomers, 4);
        const std::string salesman = kSalesmen[number % 3];
        const double qty = item.dos * (1 + (g * 7 + static_cast<size_t>(m) * 3) % 5) / 2.0;
        const double crt = qty / item.dos, val = qty * item.harga / 1000;
        const auto add = [&](int table, const std::string& a, const std::string& b, const std::string& kode, int fig,
                             double q, double c, double v) { rows[table][{a, b, period, kode}][fig].Add(q, c, v); };
        add(0, demo.branch, "", "", kSales, qty, crt, val);
        add(1, demo.branch, "", item.kode, kSales, qty, crt, val);
        add(2, customer, "", item.kode, kSales, qty, crt, val);
        add(3, customer, "", "", kSales, qty, crt, val);
        add(4, salesman, "", item.kode, kSales, qty, crt, val);
        add(5, salesman, customer, item.kode, kSales, qty, crt, val);
        if (y == year) {
          const double target = qty * 1.2;
          add(0, demo.branch, "", "", kTarget, target, target / item.dos, target * item.harga);
          add(1, demo.branch, "", item.kode, kTarget, target, target / item.dos, target * item.harga);
          add(4, salesman, "", item.kode, kTarget, target, target / item.dos, target * item.harga);
          xbase::Status s = demo.writer.Add(
              "TARGET", {{"TANGGAL", xbase::Date::FromYmd(y, m, 1)}, {"KDCB", demo.branch}, {"SALES", salesman},
                         {"KODE", item.kode}, {"BGTQTY", target}, {"BGTVAL", target * item.harga},
                         {"CARTON", xbase::Round(target / item.dos, 2)}});
          if (!s.ok()) return s;
        }
        if (y == year && m == month) {
          const double stock = item.stock_main + item.stock_second;
          const double value = stock * DemoCost(item) / 1000;
          add(0, demo.branch, "", "", kStock, stock, stock / item.dos, value);
          add(1, demo.branch, "", item.kode, kStock, stock, stock / item.dos, value);
        }
      }
    }
  }
  struct Table {
    const char* name;
    const char* first;
    const char* second;
    bool item;
    bool stock;
  };
  constexpr Table kTables[] = {{"RKP_BRC", "CABANG", nullptr, false, true}, {"RKP_CAB", "CABANG", nullptr, true, true},
                               {"RKP_CUS", "RELASI", nullptr, true, false}, {"RKP_RLS", "RELASI", nullptr, false, false},
                               {"RKP_SAL", "SALES", nullptr, true, false},  {"RKP_SLR", "SALES", "RELASI", true, false}};
  for (size_t t = 0; t < std::size(kTables); ++t) {
    const Table& table = kTables[t];
    for (const auto& [key, figures] : rows[t]) {
      const auto& [first, second, period, kode] = key;
      std::vector<RowField> cells = {{table.first, first}, {"PERIODE", period}};
      if (table.second != nullptr) cells.push_back({table.second, second});
      if (table.item) cells.push_back({"KODE", kode});
      constexpr const char* kFields[3][3] = {
          {"TG_QTY", "TG_CRT", "TG_VAL"}, {"JL_QTY", "JL_CRT", "JL_VAL"}, {"ST_QTY", "ST_CRT", "ST_VAL"}};
      for (size_t f = 0; f < (table.stock ? 3u : 2u); ++f) {
        cells.push_back({kFields[f][0], figures[f].qty});
        cells.push_back({kFields[f][1], xbase::Round(figures[f].crt, 2)});
        cells.push_back({kFields[f][2], xbase::Round(figures[f].val, 2)});
      }
      const xbase::Status s = demo.writer.Add(table.name, cells);
      if (!s.ok()) return s;
    }
  }
  return xbase::Status::OK();
}

}  // namespace

xbase::Status AddRecapsDemo(const DemoContext& demo) {
  // The delivery notes of the branch's customers post under the branch.
  xbase::Status s = AddSetting(demo.writer, "NMRSJ" + demo.options.customer_prefix, demo.branch);
  if (s.ok()) s = RecapRows(demo);
  return s;
}

}  // namespace site
