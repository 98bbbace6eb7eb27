// J1603: "CETAK PROFORMA INVOICE". The proforma printed on the dot matrix (18 item rows a page, a
// pause between pages), which marks it printed, or shown as a draft on the monitor, which does not.
#include <cctype>
#include <cmath>
#include <string>
#include <vector>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/table_access.h"
#include "frame/dot_matrix_print.h"
#include "frame/open_table.h"
#include "frame/report_engine.h"
#include "frame/status_display.h"
#include "sales/proforma.h"
#include "sales/sales.h"
#include "text/amount_in_words.h"
#include "xbase/date_functions.h"
#include "xbase/keyed_read.h"
#include "xbase/number_text.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

constexpr int kItemRows = 18;
constexpr int kPageRows = 24;
const std::string kEsc = "\x1B";

std::string Picture(double value, std::string_view picture) {
  return xbase::Transform(xbase::Value::Num(value), picture);
}

// One printed row; `wide` prints double width on the dot matrix.
struct PrintRow {
  std::string text;
  bool wide = false;
};

// What the box asks.
struct PrintChoice {
  std::string number = std::string(20, ' ');
  bool discounts = true;
  bool vat = true;
};

// The record of `key` on the first index of `area`: *found tells whether it is there, a record that
// cannot be read is the error. Everything on the proforma is printed from these records, so none is
// taken as missing.
xbase::Status SeekFirst(xbase::WorkArea& area, std::string_view key, bool* found) {
  const xbase::Status s = area.SetOrder(1);
  *found = false;
  return s.ok() ? xbase::SeekFound(area, key, found) : s;
}

// The customer's name, address and city as printed, blank for a customer not registered.
struct CustomerLines {
  std::string name, address, city;
};

xbase::Status ReadCustomer(xbase::WorkArea& customers, std::string_view code, CustomerLines* lines) {
  bool found = false;
  const xbase::Status s = SeekFirst(customers, code, &found);
  if (!s.ok() || !found) return s;
  *lines = {std::string(xbase::RTrim(customers.Text("NAMA"))), std::string(xbase::RTrim(customers.Text("ALAMAT"))),
            std::string(xbase::RTrim(customers.Text("KOTA")))};
  return s;
}

// The VAT percent: the SETUP row POTONGPPN, the session's when there is none.
xbase::Status ReadVat(frame::Session& session, xbase::WorkArea& setup, double* vat) {
  bool found = false;
  const xbase::Status s = SeekFirst(setup, "POTONGPPN", &found);
  *vat = s.ok() && found ? xbase::Val(setup.Text("KET")).value : session.POTONGPPN;
  return s;
}

// The pages of the proforma PRO_IN1 stands on, as plain rows. A record the pages are printed from
// that cannot be read is the error, with no pages: a proforma is never printed in part.
xbase::Status ProformaPages(frame::Session& session, const frame::OpenedTables& tables, const PrintChoice& choice,
                            std::vector<std::vector<PrintRow>>* out) {
  out->clear();
  xbase::WorkArea& header = tables["pro_in1"];
  xbase::WorkArea& lines = tables["pro_in2"];
  xbase::WorkArea& goods = tables["mastbrj"];
  const std::string number = header.Text("NOMOR");
  const std::string customer = header.Text("RELASI");
  const std::string type = header.Text("TIPE");
  double vat = 0;
  bool typed = false;
  CustomerLines to;
  std::vector<uint32_t> records;
  xbase::Status s = ReadVat(session, tables["setup"], &vat);
  if (s.ok()) s = SeekFirst(tables["tipe"], type, &typed);
  const bool rounded = s.ok() && typed && tables["tipe"].Logical("BULAT");
  if (s.ok()) s = ReadCustomer(tables["mastcus"], customer, &to);
  if (s.ok()) s = lines.SetOrder("PRO_IN21");
  if (s.ok()) s = lines.SeekAll(number, &records);
  if (s.ok()) s = goods.SetOrder(1);
  if (!s.ok()) return s;
  const int pages = std::max(1, static_cast<int>((records.size() + kItemRows - 1) / kItemRows));
  std::vector<std::vector<PrintRow>> written;
  double cartons = 0, packs = 0, total = 0;
  for (int page = 1; page <= pages; ++page) {
    std::vector<PrintRow> rows(5);
    rows.push_back({std::string(65, ' ') + "Hal : " + std::to_string(page) + "/" + std::to_string(pages)});
    rows.push_back({"No. Debitur : " + std::string(xbase::RTrim(customer))});
    rows.push_back({"PROFORMA INVOICE : " + std::string(xbase::RTrim(number)), true});
    rows.push_back({xbase::PadR("Kepada Yth", 60) + "TANGGAL : " + xbase::Dtoc(header.DateOf("TANGGAL"))});
    rows.push_back({xbase::PadR(to.name, 60) + "KODE SALES : " + header.Text("SALES")});
    rows.push_back({xbase::PadR(to.address, 60) + "TIPE : " + type});
    rows.push_back({to.city});
    rows.push_back({"KETERANGAN : " + std::string(xbase::RTrim(header.Text("KTR")))});
    rows.push_back({"         BARANG                    SATUAN "});
    rows.push_back({"------------------------------- -----------     Qty        HARGA     DISC.               JUMLAH"});
    rows.push_back({"KODE       NAMA                  BOK    PAK                 (Rp)       %                   (Rp)"});
    if (page > 1) rows.push_back({"         lanjutan dari halaman sebelumnya..."});
    const size_t first = static_cast<size_t>((page - 1) * kItemRows);
    for (size_t i = first; i < records.size() && i < first + kItemRows; ++i) {
      if (s = lines.GoTo(records[i]); !s.ok()) return s;
      const std::string code = lines.Text("KODE");
      bool known = false;
      if (s = xbase::SeekFound(goods, code, &known); !s.ok()) return s;
      const std::string name = known ? std::string(xbase::RTrim(goods.Text("NAMA"))) : std::string();
      const double quantity = lines.Number("QUANTITY");
      const double d1 = choice.discounts ? lines.Number("DISCOUNT") : 0, d2 = choice.discounts ? lines.Number("DISCOUNT2") : 0;
      const PrintedPrice price = ProformaPrice(quantity, lines.Number("HARGA"), lines.Number("DISCOUNT"),
                                               lines.Number("DISCOUNT2"), vat, choice.vat, choice.discounts, rounded);
      rows.push_back({code + " " + xbase::PadR(name, 20).substr(0, 20) + " " +
                      Picture(lines.Number("I_BOX"), "9999") + " " + Picture(lines.Number("I_PAK"), "99999") + " " +
                      Picture(quantity, "9999999") + " " + Picture(price.unit, "999,999,999.99") + " " +
                      Picture(d1, "99.99") + "+" + Picture(d2, "99.99") + " " +
                      Picture(price.amount, choice.vat ? "  999,999,999,999" : "99,999,999,999.99")});
      cartons += lines.Number("I_BOX");
      packs += lines.Number("I_PAK");
      total += price.amount;
    }
    if (page < pages) {
      rows.push_back({"         dilanjutkan ke halaman berikutnya..."});
      written.push_back(std::move(rows));
      continue;
    }
    const std::string amount_picture = choice.vat ? "  999,999,999,999" : "99,999,999,999.99";
    rows.push_back({"JUMLAH --->" + std::string(21, ' ') + Picture(cartons, "9999") + " " + Picture(packs, "99999") +
                    std::string(37, ' ') + "Rp." + Picture(total, amount_picture)});
    for (const double percent : {header.Number("DISCOUNT"), header.Number("DISCOUNT2")}) {
      if (percent == 0) continue;
      const double cut = total * percent / 100;
      total -= cut;
      rows.push_back({std::string(50, ' ') + "POTONGAN : " + Picture(percent, "99.99") + " %     Rp." +
                      Picture(cut, amount_picture)});
    }
    if (choice.vat) {
      rows.push_back({std::string(50, ' ') + "P.P.N    : " + Picture(vat, "99.99") + " %     Rp." +
                      Picture(total * vat / 100, amount_picture)});
      total *= (100 + vat) / 100;
    }
    rows.push_back({std::string(50, ' ') + "JUMLAH BERSIH :         Rp." + Picture(total, amount_picture)});
    while (static_cast<int>(rows.size()) < kPageRows) rows.push_back({});
    const text::AmountLines words = text::TERBILANG(choice.vat ? std::round(total) : total, choice.vat ? 0 : 2, 80);
    rows.push_back({"TERBILANG : " + words.first});
    if (!words.second.empty()) rows.push_back({std::string(12, ' ') + words.second});
    written.push_back(std::move(rows));
  }
  *out = std::move(written);
  return s;
}

// The pages in ESC/P: condensed elite off on the page number, double width on the title.
std::vector<std::string> PrinterPages(const std::vector<std::vector<PrintRow>>& pages) {
  std::vector<std::string> bytes;
  for (size_t p = 0; p < pages.size(); ++p) {
    std::string out = "\x12";
    for (const PrintRow& row : pages[p]) {
      std::string text = row.text;
      if (text.starts_with(std::string(65, ' ') + "Hal")) text = kEsc + "M" + text;
      if (row.wide) text = kEsc + "w1" + text + kEsc + "w0";
      out += text + "\r\n";
    }
    out += (p + 1 < pages.size() ? kEsc + "P\x12" : kEsc + "P") + "\x0C";
    bytes.push_back(std::move(out));
  }
  return bytes;
}

bool Draft(frame::Session& session, const std::vector<std::vector<PrintRow>>& pages, std::string_view number) {
  frame::ReportWriter report(session);
  if (!report.Start()) return false;
  for (const std::vector<PrintRow>& page : pages) {
    if (!report.NewPage()) return false;
    for (const PrintRow& row : page) {
      if (!report.Line(row.text)) return false;
    }
  }
  frame::ReportLayout layout;
  layout.width = 100;
  layout.left_margin = 0;
  layout.title = "D.R.A.F.T        PROFORMA INVOICE : " + std::string(xbase::RTrim(number));
  layout.no_printer = true;
  layout.signature_box = false;
  report.Print(layout);
  return true;
}

bool MarkPrinted(frame::Session& session, const frame::OpenedTables& tables) {
  xbase::WorkArea& header = tables["pro_in1"];
  xbase::Status s = console::LOCK_REC(session.console(), header);
  if (s.ok()) s = header.Put("CETAK", xbase::Value::Logical(true));
  const xbase::Status released = header.Unlock();
  return frame::Checked(session, s.ok() ? released : s);
}

}  // namespace

PrintedPrice ProformaPrice(double quantity, double price, double d1, double d2, double vat, bool vat_shown,
                           bool discounts_shown, bool rounded) {
  const double f = (100 + vat) / 100;
  const double n = (100 - d1) / 100 * (100 - d2) / 100;
  const double net = rounded ? std::round(price * n) : price * n;
  PrintedPrice printed;
  if (vat_shown && discounts_shown) {
    printed.unit = rounded && n != 0 ? net / n / f : price / f;
    printed.amount = rounded ? quantity * net / f : quantity * printed.unit * n;
  } else if (vat_shown) {
    printed.unit = net / f;
    printed.amount = quantity * printed.unit;
  } else if (discounts_shown) {
    printed.unit = price;
    printed.amount = rounded ? quantity * net : quantity * price * n;
  } else {
    printed.unit = net;
    printed.amount = quantity * printed.unit;
  }
  return printed;
}

xbase::Status J1603(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables =
      frame::OpenTables(session, {"pro_in1", "pro_in2", "mastcus", "mastbrj", "tipe", "setup"});
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  PrintChoice choice;
  for (;;) {
    const std::string_view colour = con.Pick("W+/b,Gr+/r", "W+/n,n/w");
    console::ISHADOW(con, 6, 15, 12, 64, colour);
    console::TENGAH(con, 7, "CETAK PROFORMA INVOICE", colour);
    con.Say(9, 17, "Nomor Proforma : ", con.Colour(colour));
    con.Say(10, 17, "Disc. dicetak  : ", con.Colour(colour));
    con.Say(11, 17, "Ppn dicetak    : ", con.Colour(colour));
    console::GetList form;
    form.Add(9, 34, &choice.number, "@!").valid = [&] { return CheckProformaNumber(session, &choice.number); };
    form.Add(10, 34, &choice.discounts, "Y");
    form.Add(11, 34, &choice.vat, "Y");
    if (form.Read(con).escaped || xbase::IsBlank(choice.number)) break;
    const int answer = std::toupper(
        console::PESAN(con, "Cetak PROFORMA INVOICE, tekan tombol  P)-Printer, M)-monitor, [Esc]=batal"));
    std::vector<std::vector<PrintRow>> pages;
    if ((answer == 'P' || answer == 'M') && !frame::Checked(session, ProformaPages(session, tables, choice, &pages))) {
      continue;
    }
    if (answer == 'P') {
      if (frame::PrintRawPages(session, "PROFORMA INVOICE", PrinterPages(pages))) MarkPrinted(session, tables);
    } else if (answer == 'M') {
      Draft(session, pages, choice.number);
    }
  }
  return session.tables().CloseAll();
}

}  // namespace sales
