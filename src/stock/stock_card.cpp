// The stock card: every movement of the items of a code range in the warehouses of a prefix, with
// the balance before a date and the running balance after it.
#include "stock/stock_card.h"

#include <vector>

#include "stock/movements.h"
#include "stock/report_text.h"
#include "xbase/date_functions.h"
#include "xbase/work_area.h"

namespace stock {
namespace {

constexpr std::string_view kColumns =
    "TANGGAL    NOMOR                RELASI     KETERANGAN                         DEBET    KREDIT     SALDO"
    "        HARGA     HRG RATA";
constexpr std::string_view kQuantity = " 9,999,999";
constexpr std::string_view kPrice = " 9,999,999.99";

// The field of the row of `code` in a master open on its code index; blank when there is none.
std::string MasterText(xbase::WorkArea& area, const std::string& code, std::string_view field, xbase::Status* s) {
  if (s->ok()) *s = area.SetOrder(1);
  if (s->ok()) *s = area.Seek(area.PadToField(area.table().fields()[0].name, code));
  return s->ok() && area.found() ? area.Text(field) : std::string();
}

class Card {
 public:
  Card(const StockCardAsk& ask, frame::ReportPages* pages) : ask_(ask), pages_(pages) {
    const std::string rule(129, '=');
    heading_ = {"KARTU STOCK/KODE/GUDANG dari Tanggal : " + xbase::Dtoc(ask.date), rule, std::string(kColumns), rule};
    NewPage();
  }

  // Adds a counted row; a count above the lines per page starts a new page after it when `check`.
  void Row(std::string text, std::string_view controls, bool check) {
    Add(std::move(text), controls);
    if (++rows_ > ask_.per_page && check) NewPage();
  }
  void Add(std::string text, std::string_view controls = "C") {
    pages_->back().push_back({std::move(text), std::string(controls), 0});
  }

 private:
  void NewPage() {
    pages_->emplace_back();
    for (const std::string& line : heading_) Add(line);
    rows_ = 0;
  }

  const StockCardAsk& ask_;
  frame::ReportPages* pages_;
  std::vector<std::string> heading_;
  int rows_ = 0;
};

}  // namespace

xbase::Status StockCardPages(frame::Session& session, const frame::OpenedTables& tables, const StockCardAsk& ask,
                             frame::ReportPages* pages) {
  pages->clear();
  // Item by item: only one item's movements are held at a time.
  MovementReader reader(session.tables(), {ask.from, ask.to, ask.warehouse, true});
  std::vector<std::string> codes;
  xbase::Status s = reader.Codes(&codes);
  xbase::WorkArea& goods = tables["MASTBRJ"];
  xbase::WorkArea& places = tables["MASTGDG"];
  xbase::WorkArea& stock = tables["STOKBRG"];
  Card card(ask, pages);
  std::vector<Movement> movements;
  for (size_t c = 0; s.ok() && c < codes.size(); ++c) {
    s = reader.Item(codes[c], &movements);
    for (size_t first = 0; s.ok() && first < movements.size();) {
      const std::string& code = movements[first].code;
      const std::string& warehouse = movements[first].warehouse;
      card.Row("Kode Barang : " + code + " " + MasterText(goods, code, "NAMA", &s) + ", Gudang : " + warehouse + " " +
                   MasterText(places, warehouse, "NAMA", &s),
               "Cy", true);
      size_t i = first;
      double balance = 0, opening_average = 0;
      for (; i < movements.size() && movements[i].warehouse == warehouse && movements[i].date < ask.date; ++i) {
        balance += Signed(movements[i]);
        opening_average = movements[i].average;
      }
      card.Row(xbase::Dtoc(ask.date - 1) + std::string(53, ' ') + "Saldo Awal" + Fig(balance, kQuantity) +
                   Fig(0, kQuantity) + Fig(balance, kQuantity) + Fig(opening_average, kPrice) +
                   Fig(opening_average, kPrice),
               "C", false);
      double in = 0, out = 0;
      for (; i < movements.size() && movements[i].warehouse == warehouse; ++i) {
        const Movement& m = movements[i];
        balance += Signed(m);
        in += m.in;
        out += m.out;
        card.Row(xbase::Dtoc(m.date) + " " + Cut(m.number, 20) + " " + Cut(m.partner, 10) + " " + Cut(m.text, 30) +
                     Fig(m.in, kQuantity) + Fig(m.out, kQuantity) + Fig(balance, kQuantity) + Fig(m.price, kPrice) +
                     Fig(m.average, kPrice),
                 "C", true);
      }
      if (s.ok()) s = stock.SetOrder("STOKBRG1");
      if (s.ok()) s = stock.Seek(stock.PadToField("KODE", code) + stock.PadToField("GUDANG", warehouse));
      const double current = s.ok() && stock.found() ? stock.Number("JUMLAH") : 0;
      card.Add(std::string(58, ' ') + "** Jumlah **   " + Fig(in, kQuantity) + Fig(out, kQuantity) +
               Fig(current, kQuantity));
      card.Add("");
      first = i;
    }
  }
  return s;
}

}  // namespace stock
