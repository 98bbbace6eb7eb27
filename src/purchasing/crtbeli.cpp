// CRTBELI "Cetak Bukti Retur Pembelian": prints the purchase return form "BUKTI RETUR PEMBELIAN BARANG".
#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/table_access.h"
#include "frame/code_pick.h"
#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/report_engine.h"
#include "frame/status_display.h"
#include "purchasing/purchase_documents.h"
#include "purchasing/purchasing.h"
#include "text/amount_in_words.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace purchasing {

using frame::Pictured;

namespace {

constexpr int kWidth = 96;

// The form of the return the RTBELI1 area stands on; a line that cannot be read is the error (the
// form is not printed in part).
xbase::Status ReturnForm(frame::Session& session, const frame::OpenedTables& tables, std::vector<std::string>* out) {
  xbase::WorkArea& header = tables["rtbeli1"];
  xbase::WorkArea& lines = tables["rtbeli2"];
  const std::string number = header.Text("NOMOR");
  const std::string rule(kWidth, '-');
  std::vector<std::string> form = {
      "",
      xbase::PadR("BUKTI RETUR PEMBELIAN BARANG", kWidth - 9) + "Revisi 01",
      "",
      xbase::PadR("NOMOR   : " + std::string(xbase::RTrim(number)), 60) + "TANGGAL : " + xbase::Dtoc(header.DateOf("TANGGAL")),
      "SUPLIER : " + header.Text("SUPLIER"),
      std::string(10, ' ') + std::string(xbase::RTrim(MasterText(session, "mastsup", header.Text("SUPLIER"), "NAMA", 40))),
      std::string(92, '-') + xbase::PadR(xbase::AllTrim(header.Text("CODE_ID")), 4, '-'),
      " N KODE       NAMA                  JUMLAH      HARGA    Discount           JUMLAH ",
      " O BARANG     BARANG                BARANG     SATUAN       +                NILAI Keterangan",
      rule};
  std::vector<uint32_t> records;
  xbase::Status s = lines.SetOrder("RTBELI21");
  if (s.ok()) s = lines.SeekAll(number, &records);
  double total = 0;
  int row = 0;
  for (const uint32_t record : records) {
    if (s = lines.GoTo(record); !s.ok()) break;
    const double value = LineValue(lines);
    total += value;
    form.push_back(Pictured(++row, "99 ") + lines.Text("KODE") + " " +
                   xbase::PadR(MasterText(session, "mastbrj", lines.Text("KODE"), "NAMA", 20), 20) +
                   Pictured(lines.Number("QUANTITY"), " 9999999") + Pictured(lines.Number("HARGA"), " 9999999.99") +
                   Pictured(lines.Number("DISCOUNT"), " 999.99") + "+" + Pictured(lines.Number("DISCOUNT2"), "999.99") +
                   Pictured(value, " 999,999,999.99 ") + lines.Text("NO_BPB").substr(0, 13));
  }
  if (!s.ok()) return s;
  form.push_back(rule);
  form.push_back(xbase::PadL("JUMLAH : ", 66) + Pictured(total, "999,999,999.99"));
  for (const CashCut& cut : TakeCashDiscounts(&total, header.Number("DISCOUNT"), header.Number("DISCOUNT2"))) {
    form.push_back(std::string(46, ' ') + "Discount " + Pictured(cut.percent, "999.99") + " % : " + Pictured(cut.amount, "999,999,999.99"));
  }
  form.push_back(xbase::PadL("JUMLAH NETTO : ", 66) + Pictured(total, "999,999,999.99"));
  const text::AmountLines words = text::TERBILANG(total, 2, 95);
  form.push_back("Terbilang : " + words.first);
  if (!words.second.empty()) form.push_back(std::string(12, ' ') + words.second);
  *out = std::move(form);
  return s;
}

// Prints the form; when it reached a printer, the return is marked printed.
void PrintReturn(frame::Session& session, const frame::OpenedTables& tables) {
  std::vector<std::string> form;
  if (!frame::Checked(session, ReturnForm(session, tables, &form))) return;
  frame::ReportWriter report(session);
  if (!report.Start() || !report.NewPage()) return;
  for (const std::string& line : form) {
    if (!report.Line(line, "S")) return;
  }
  frame::ReportLayout layout;
  layout.width = kWidth;
  layout.title = "SJ";
  layout.left_margin = 1;
  layout.signature_box = false;
  if (!report.Print(layout)) return;
  xbase::WorkArea& header = tables["rtbeli1"];
  xbase::Status s = console::LOCK_REC(session.console(), header);
  if (s.ok()) s = header.Put("CETAK", xbase::Value::Logical(true));
  const xbase::Status unlocked = header.Unlock();
  if (s.ok()) s = unlocked;
  frame::ShowFailure(session, s);
}

}  // namespace

xbase::Status CRTBELI(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = frame::OpenTables(session, {"RTBELI1", "RTBELI2", "MASTSUP", "MASTBRJ"});
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string_view colour = con.Pick("W+/b,Gr+/r", "W+/n,n/w");
  std::string number(20, ' ');
  for (;;) {
    console::ISHADOW(con, 8, 15, 13, 64, colour);
    console::TENGAH(con, 9, ". MENCETAK BUKTI RETUR PEMBELIAN ", colour);
    con.Say(11, 18, "NOMOR :", con.Colour(colour));
    console::GetList form;
    form.Add(11, 26, &number, "@S15").valid = [&] {
      if (xbase::IsBlank(number)) return true;
      frame::PickSpec pick;
      pick.alias = "rtbeli1";
      pick.expressions = {"NOMOR", "TANGGAL", "SUPLIER"};
      pick.heads = {"Nomor", "Tanggal", "Suplier"};
      xbase::WorkArea& header = tables["rtbeli1"];
      xbase::Status s = frame::PickCode(session, pick, &number);
      if (s.ok()) s = header.SetOrder("RTBELI11");
      if (s.ok()) s = header.Seek(header.PadToField("NOMOR", xbase::RTrim(number)));
      frame::ShowFailure(session, s);
      if (s.ok() && !header.found()) console::PESAN(con, "Nomor " + std::string(xbase::AllTrim(number)) + " tidak terdaftar");
      return s.ok() && header.found();
    };
    if (form.Read(con).escaped || xbase::IsBlank(number)) break;
    PrintReturn(session, tables);
  }
  return session.tables().CloseAll();
}

}  // namespace purchasing
