// The printed forms of the returns: the lines of each form, and their printing through the report
// engine.
#include "returns/return_forms.h"

#include <algorithm>

#include "documents/line_value.h"
#include "frame/grid_cells.h"
#include "returns/request_view.h"
#include "returns/return_tables.h"
#include "text/amount_in_words.h"
#include "xbase/date_functions.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace returns {

using frame::Pictured;

namespace {

using xbase::Value;

// The customer's name as the forms print it, empty when the customer is not there; a customer that
// cannot be read is the error.
xbase::Status ReadCustomerName(xbase::WorkArea& customers, std::string_view customer, std::string* name) {
  bool found = false;
  const xbase::Status s = SeekExact(customers, "MASTCUS1", "RELASI", customer, &found);
  *name = s.ok() && found ? std::string(xbase::RTrim(customers.Text("NAMA"))) : std::string();
  return s;
}

// The discounts and the net under a sum: "Discount 10.00 % : ..." for each that is not 0.
double AddDiscountLines(double sum, double d1, double d2, std::vector<std::string>* lines) {
  double net = sum;
  for (double rate : {d1, d2}) {
    if (rate == 0) continue;
    const double amount = net * rate / 100;
    lines->push_back(std::string(50, ' ') + "Discount " + Pictured(rate, "99.99") + " % : " +
                     Pictured(amount, "999,999,999.99"));
    net -= amount;
  }
  return net;
}

// SALDOPIUTANG: the customer's open balance over `invoices` (PIUTDBT); an invoice that cannot be read
// is the error, never a balance without it.
xbase::Status SALDOPIUTANG(xbase::WorkArea& invoices, std::string_view customer, double* balance) {
  std::vector<uint32_t> rows;
  *balance = 0;
  xbase::Status s = invoices.SetOrder("PIUTDBT3");
  if (s.ok()) s = invoices.SeekAll(invoices.PadToField("RELASI", xbase::RTrim(customer)), &rows);
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = invoices.GoTo(rows[i]); s.ok()) *balance += invoices.Number("DEBET") - invoices.Number("KREDIT");
  }
  return s;
}

}  // namespace

bool PrintLines(frame::Session& session, const std::vector<std::string>& lines, int per_page,
                std::string_view controls, const frame::ReportLayout& layout) {
  frame::ReportWriter report(session);
  if (!report.Start()) return false;
  size_t n = 0;
  do {
    if (!report.NewPage()) return false;
    for (int on_page = 0; on_page < per_page && n < lines.size(); ++on_page, ++n) {
      if (!report.Line(lines[n], controls)) return false;
    }
  } while (n < lines.size());
  return report.Print(layout);
}

xbase::Status ReturnReceiptLines(const frame::OpenedTables& tables,
                                 std::vector<std::string>* lines, double* net) {
  xbase::WorkArea& head = tables["RTJUAL1"];
  xbase::WorkArea& rows = tables["RTJUAL2"];
  const std::string rule(92, '-');
  const std::string company(xbase::AllTrim(head.Text("CODE_ID")));
  lines->clear();
  std::string customer;
  xbase::Status s = ReadCustomerName(tables["MASTCUS"], head.Text("RELASI"), &customer);
  if (!s.ok()) return s;
  *lines = {"PT. TIRTANDAKA" + std::string(73, ' ') + "F-MK-011 ",
            "BUKTI PENERIMAAN BARANG RETUR" + std::string(58, ' ') + "Revisi 01",
            "NOMOR   : " + std::string(xbase::RTrim(head.Text("NOMOR"))),
            "TANGGAL : " + xbase::Dtoc(head.DateOf("TANGGAL")),
            "RELASI  : " + std::string(xbase::RTrim(head.Text("RELASI"))),
            "SALES   : " + std::string(xbase::RTrim(head.Text("SALES"))),
            "          " + customer,
            "TIPE    : " + std::string(xbase::RTrim(head.Text("TIPE"))),
            rule + company + std::string(company.size() < 4 ? 4 - company.size() : 0, '-'),
            " N KODE       NAMA                  JUMLAH      HARGA    Discount           JUMLAH ",
            " O BARANG     BARANG                BARANG     SATUAN       +                NILAI Keterangan",
            rule};
  std::vector<uint32_t> records;
  s = rows.SetOrder("RTJUAL21");
  if (s.ok()) s = rows.SeekAll(head.Text("NOMOR"), &records);
  double sum = 0;
  std::string name;
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = rows.GoTo(records[i]); !s.ok()) break;
    if (s = ReadGoodsName(tables["MASTBRJ"], rows.Text("KODE"), &name); !s.ok()) break;
    const double value = documents::LineValue(rows.Number("QUANTITY"), rows.Number("HARGA"), rows.Number("DISCOUNT"),
                                              rows.Number("DISCOUNT2"));
    sum += value;
    lines->push_back(Pictured(static_cast<double>(i + 1), "99") + " " + xbase::PadR(rows.Text("KODE"), 10) + " " +
                     xbase::PadR(name, 20) +
                     Pictured(rows.Number("QUANTITY"), " 9,999,999") + Pictured(rows.Number("HARGA"), " 999,999.99") +
                     Pictured(rows.Number("DISCOUNT"), " 99.99") + "+" + Pictured(rows.Number("DISCOUNT2"), "99.99") +
                     Pictured(value, " 999,999,999.99") + " " + std::string(xbase::Left(rows.Text("INVOICE"), 13)));
  }
  if (!s.ok()) {
    lines->clear();
    return s;
  }
  lines->push_back(rule);
  lines->push_back(std::string(60, ' ') + "JUMLAH : " + Pictured(sum, "999,999,999.99"));
  *net = AddDiscountLines(sum, head.Number("DISCOUNT"), head.Number("DISCOUNT2"), lines);
  lines->push_back(std::string(54, ' ') + "JUMLAH NETTO : " + Pictured(*net, "999,999,999.99"));
  const text::AmountLines words = text::TERBILANG(*net, 2, 95 - 12);
  lines->push_back("Terbilang : " + words.first);
  if (!words.second.empty()) lines->push_back("            " + words.second);
  return s;
}

xbase::Status PickUpLines(xbase::WorkArea& customers, const Draft& draft, std::vector<std::string>* out) {
  out->clear();
  std::string customer;
  const xbase::Status s = ReadCustomerName(customers, draft.customer, &customer);
  if (!s.ok()) return s;
  std::vector<std::string>& lines = *out;
  lines = {
      "PT. TIRTANDAKA                 BPR (R1)                         F-MK-004",
      "ISO 9001" + std::string(55, ' ') + "Revisi 00",
      "TANGGAL : " + xbase::Dtoc(draft.date) + "                          NOMOR : " + std::string(xbase::RTrim(draft.number)),
      "",
      "Kepada Yth.",
      "Bagian Gudang",
      "DH, mohon diambil barang retur dari " + customer,
      "dengan perincian sebagai berikut :",
      std::string(72, '-'),
      "NO KODE       NAMA BARANG            BOX   PAK   PCS  QUANTITY  DITERIMA",
      std::string(72, '-')};
  int n = 0;
  for (const DraftLine& line : draft.lines) {
    lines.push_back(Pictured(++n, "99") + " " + xbase::PadR(line.code, 10) + " " + xbase::PadR(line.name, 20) +
                    Pictured(line.boxes, " 99999") + Pictured(line.packs, " 99999") + Pictured(line.pieces, " 99999") +
                    Pictured(line.quantity, " 9,999,999") + "  ........");
  }
  lines.push_back(std::string(72, '-'));
  lines.push_back("Catatan : " + std::string(xbase::RTrim(draft.reason1)));
  lines.push_back("          " + std::string(xbase::RTrim(draft.reason2)));
  lines.push_back("");
  lines.push_back("  dicatat &  |       Yang Menyerahkan     |         Yang Menerima       ");
  lines.push_back("  diperiksa  |                            |                             ");
  lines.push_back("             |                            |                             ");
  lines.push_back("             |                            |                             ");
  lines.push_back(" (         ) | (                        ) | (                         ) ");
  lines.push_back("CC : Accounting (lb.2) D/L (lb.3), Arsip");
  return s;
}

xbase::Status RequestListLines(const frame::OpenedTables& tables, const RequestFiles& files, const RequestFilter& filter,
                               std::vector<std::string>* lines) {
  xbase::WorkArea& head = files.headers;
  lines->clear();
  std::vector<uint32_t> records;
  xbase::Status s = head.SetOrder(1);
  if (s.ok()) s = head.SeekAll(filter.number, &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = head.GoTo(records[i]); !s.ok()) break;
    const xbase::Date date = head.DateOf("TANGGAL");
    if (date < filter.from || date > filter.to || !head.Text("RELASI").starts_with(filter.customer)) continue;
    Draft request;
    if (s = ReadRequest(tables["MASTBRJ"], files, &request); !s.ok()) break;
    std::string customer;
    double balance = 0;
    if (s = ReadCustomerName(tables["MASTCUS"], request.customer, &customer); !s.ok()) break;
    if (s = SALDOPIUTANG(tables["PIUTDBT"], request.customer, &balance); !s.ok()) break;
    lines->push_back("NOMOR : " + std::string(xbase::RTrim(request.number)) + "   TANGGAL : " + xbase::Dtoc(request.date) +
                     "   TIPE : " + request.type + "   SALES : " + request.salesman);
    lines->push_back("RELASI : " + std::string(xbase::RTrim(request.customer)) + " " +
                     xbase::PadR(customer, 30) + "               Sisa Piutang :" + Pictured(balance, " 999,999,999.99"));
    int n = 0;
    for (const DraftLine& line : request.lines) {
      lines->push_back(Pictured(++n, "99") + " " + xbase::PadR(line.code, 10) + " " + xbase::PadR(line.name, 20) +
                       Pictured(line.quantity, " 9,999,999") + Pictured(line.price, " 999,999.99") +
                       Pictured(line.discount1, " 99.99") + "+" + Pictured(line.discount2, "99.99") +
                       Pictured(line.Value(), " 999,999,999.99") + " " + std::string(xbase::RTrim(line.invoice)));
    }
    lines->push_back(std::string(40, ' ') + "Cash Disc " + Pictured(request.discount1, "99.99") + "+" +
                     Pictured(request.discount2, "99.99") + "   NETTO : " + Pictured(request.Net(), "999,999,999.99"));
    lines->push_back("");
  }
  if (!s.ok()) lines->clear();
  return s;
}

}  // namespace returns
