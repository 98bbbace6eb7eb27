// The printed purchase order and goods receipt of an imported shipment document: their lines and
// the number question each print entry asks.
#include "purchasing/receipt_forms.h"

#include <algorithm>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "purchasing/purchase_documents.h"
#include "purchasing/shipment_import.h"
#include "text/amount_in_words.h"
#include "xbase/date_functions.h"
#include "xbase/keyed_read.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace purchasing {

using frame::Pictured;

namespace {

constexpr int kTableRows = 18;
constexpr int kTitleFont = 20;
constexpr int kWordsWidth = 95;
constexpr int kAmountEnd = 104;
const std::string kRule = "+" + std::string(104, '-') + "+";
constexpr std::string_view kHeads =
    "|No|KODE      |NAMA BARANG         | CARTON|   PACK| QUANTITY|       HARGA|   DISCOUNT  |          JUMLAH|";

struct Form {
  std::vector<frame::ReportLine> lines;
  void Add(std::string text, std::string controls = {}, int font = 0) {
    lines.push_back({std::move(text), std::move(controls), font});
  }
  // A label and an amount ending where the table's last column ends.
  void Amount(std::string_view label, double amount) {
    Add(xbase::PadL(label, kAmountEnd - 16) + Pictured(amount, "9,999,999,999.99"));
  }
};

void CompanyLines(frame::Session& session, Form* form) {
  for (int slot = 1; slot <= 3; ++slot) form->Add(std::string(xbase::RTrim(session.STP.text[static_cast<size_t>(slot)])));
  form->Add("");
}

void SupplierLines(xbase::WorkArea& suppliers, std::string_view supplier, Form* form) {
  const bool found = suppliers.SetOrder(1).ok() &&
                     xbase::LookUp(suppliers, suppliers.PadToField("KODE", xbase::RTrim(supplier)));
  for (const char* field : {"NAMA", "ALAMAT1", "ALAMAT2", "KOTA"}) {
    form->Add(found ? std::string(xbase::RTrim(suppliers.Text(field))) : std::string());
  }
}

// The line table of the receipt `number` and its sums less the cash discounts, and the amount in
// words; a line that cannot be read is the error (the form is not printed in part).
xbase::Status LineTable(frame::Session& session, const frame::OpenedTables& tables, const std::string& number,
                        double cash1, double cash2, Form* form) {
  xbase::WorkArea& lines = tables["bpbeli2"];
  std::vector<uint32_t> records;
  xbase::Status s = lines.SetOrder("BPBELI21");
  if (s.ok()) s = lines.SeekAll(lines.PadToField("NO_BPB", xbase::RTrim(number)), &records);
  form->Add(kRule);
  form->Add(std::string(kHeads));
  form->Add(kRule);
  double total = 0;
  int row = 0;
  for (const uint32_t record : records) {
    if (s = lines.GoTo(record); !s.ok()) break;
    const double value = LineValue(lines);
    total += value;
    form->Add("|" + xbase::Str(++row, 2) + "|" + lines.Text("KODE") + "|" +
              xbase::PadR(MasterText(session, "mastbrj", lines.Text("KODE"), "NAMA", 20), 20) + "|" +
              xbase::Str(lines.Number("Q_BOX"), 7) + "|" + xbase::Str(lines.Number("Q_PAK"), 7) + "|" +
              xbase::Str(lines.Number("QUANTITY"), 9) + "|" + Pictured(lines.Number("HARGA"), "9,999,999.99") + "|" +
              Pictured(lines.Number("DISCOUNT"), "999.99") + "+" + Pictured(lines.Number("DISCOUNT2"), "999.99") + "|" +
              Pictured(value, "9,999,999,999.99") + "|");
  }
  if (!s.ok()) return s;
  for (; row < kTableRows; ++row) {
    form->Add("|  |          |                    |       |       |         |            |             |                |");
  }
  form->Add(kRule);
  form->Amount("JUMLAH : ", total);
  const std::vector<CashCut> cuts = TakeCashDiscounts(&total, cash1, cash2);
  for (const CashCut& cut : cuts) {
    form->Add(std::string(68, ' ') + "Discount " + Pictured(cut.percent, "999.99") + " % : " + Pictured(cut.amount, "9,999,999,999.99"));
  }
  if (!cuts.empty()) form->Amount("JUMLAH NETTO : ", total);
  const text::AmountLines words = text::TERBILANG(total, 2, kWordsWidth);
  form->Add("Terbilang : " + words.first);
  if (!words.second.empty()) form->Add(std::string(12, ' ') + words.second);
  return s;
}

// The title line: the title and, at the right, "Nomor : " and the number.
std::string TitleLine(std::string_view title, std::string_view number) {
  return xbase::PadR(std::string(35, ' ') + std::string(title), 75) + "Nomor : " + std::string(xbase::RTrim(number));
}

// The cash discounts of the receipt `number`, 0 when it is not there; a receipt that cannot be read is
// the error, never a receipt without discounts.
xbase::Status CashDiscounts(const frame::OpenedTables& tables, const std::string& number, double* cash1,
                            double* cash2) {
  xbase::WorkArea& header = tables["bpbeli1"];
  *cash1 = *cash2 = 0;
  bool found = false;
  xbase::Status s = header.SetOrder("BPBELI11");
  if (s.ok()) s = xbase::SeekFound(header, header.PadToField("NO_BPB", xbase::RTrim(number)), &found);
  if (s.ok() && found) {
    *cash1 = header.Number("DISCOUNT");
    *cash2 = header.Number("DISCOUNT2");
  }
  return s;
}

}  // namespace

xbase::Status PurchaseOrderLines(frame::Session& session, const frame::OpenedTables& tables,
                                 std::vector<frame::ReportLine>* lines) {
  Shipment order;
  if (xbase::Status s = ShipmentRecord().Read(tables["dta_peb"], &order); !s.ok()) return s;
  const std::string& number = order.number;
  Form form;
  CompanyLines(session, &form);
  form.Add(TitleLine("ORDER PEMBELIAN", order.po), "CH", kTitleFont);
  form.Add(xbase::PadR("Kepada Yth .", 75) + "Tanggal : " + xbase::Dtoc(order.po_date));
  SupplierLines(tables["mastsup"], order.supplier, &form);
  form.Add("");
  form.Add("Dengan hormat");
  form.Add("Bersama ini kami mohon untuk segera dikirim barang-barang dengan spesifikasi seperti tersebut dibawah ini. ");
  double cash1 = 0, cash2 = 0;
  xbase::Status s = CashDiscounts(tables, number, &cash1, &cash2);
  if (s.ok()) s = LineTable(session, tables, number, cash1, cash2, &form);
  *lines = std::move(form.lines);
  return s;
}

xbase::Status GoodsReceiptLines(frame::Session& session, const frame::OpenedTables& tables,
                                std::vector<frame::ReportLine>* lines) {
  xbase::WorkArea& header = tables["bpbeli1"];
  const std::string number = header.Text("NO_BPB");
  const double cash1 = header.Number("DISCOUNT"), cash2 = header.Number("DISCOUNT2");
  const std::string supplier = header.Text("SUPLIER");
  const xbase::Date date = header.DateOf("TANGGAL");
  Form form;
  CompanyLines(session, &form);
  form.Add(TitleLine("BUKTI PENERIMAAN BARANG", number), "CH", kTitleFont);
  form.Add(xbase::PadR("Telah diterima dari :", 75) + "Tanggal : " + xbase::Dtoc(date));
  SupplierLines(tables["mastsup"], supplier, &form);
  form.Add("");
  form.Add("Barang-barang dengan spesifikasi seperti tersebut dibawah ini. ");
  const xbase::Status s = LineTable(session, tables, number, cash1, cash2, &form);
  *lines = std::move(form.lines);
  return s;
}

xbase::Status RunNumberPrint(frame::Session& session, const NumberPrint& print) {
  const frame::OpenedTables tables =
      frame::OpenTables(session, {"DTA_PEB", "BPBELI1", "BPBELI2", "MASTSUP", "MASTBRJ"});
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string_view colour = con.Pick("W+/b,Gr+/r", "W+/n,n/w");
  std::string number(20, ' ');
  for (;;) {
    console::ISHADOW(con, 8, 15, 13, 64, colour);
    console::TENGAH(con, 9, print.title, colour);
    con.Say(11, 18, print.label + " :", con.Colour(colour));
    console::GetList form;
    form.Add(11, 20 + static_cast<int>(print.label.size()), &number, "@!").valid = [&] {
      if (xbase::IsBlank(number)) return true;
      xbase::WorkArea* area = nullptr;
      xbase::Status s = frame::PickCode(session, print.pick, &number);
      if (s.ok()) s = frame::PickerArea(session, print.pick, &area);
      if (s.ok()) s = area->SetOrder(print.order);
      if (s.ok()) s = area->Seek(area->PadToField(print.field, xbase::AllTrim(number)));
      const bool found = s.ok() && area->found();
      frame::ShowFailure(session, s);
      if (s.ok() && !found) {
        console::PESAN(con, print.label + " " + std::string(xbase::AllTrim(number)) + " tidak terdaftar");
      }
      return s.ok() && found;
    };
    if (form.Read(con).escaped || xbase::IsBlank(number)) break;
    std::vector<frame::ReportLine> lines;
    if (!frame::Checked(session, print.form(session, tables, &lines))) continue;
    frame::ReportWriter report(session);
    if (!report.Start() || !report.NewPage()) continue;
    bool written = true;
    for (const frame::ReportLine& line : lines) {
      if (written) written = report.Line(line.text, line.controls, line.font);
    }
    if (!written) continue;
    frame::ReportLayout layout;
    layout.width = 110;
    layout.title = "PO";
    layout.left_margin = 3;
    layout.signature_box = true;
    report.Print(layout);
  }
  return session.tables().CloseAll();
}

}  // namespace purchasing
