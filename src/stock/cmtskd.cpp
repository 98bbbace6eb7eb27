// CMTSKD: the form of a warehouse or code-change mutation, both halves listed apart.
#include "console/get.h"
#include "console/message.h"
#include "frame/report_pages.h"
#include "frame/status_display.h"
#include "stock/mutation.h"
#include "stock/mutation_store.h"
#include "stock/report_text.h"
#include "stock/stock_screens.h"
#include "xbase/date_functions.h"
#include "xbase/work_area.h"

namespace stock {
namespace {

constexpr int kWidth = 90;

// The rows of one half: number, code, the first 30 characters of the name, pieces, unit and note.
void HalfLines(const frame::OpenedTables& tables, const std::vector<MutationRow>& rows,
               std::vector<std::string>* lines) {
  xbase::WorkArea& goods = tables["mastbrj"];
  int n = 0;
  for (const MutationRow& row : rows) {
    const bool known = goods.SetOrder("MASTBRJ1").ok() && goods.Seek(goods.PadToField("KODE", row.code)).ok() &&
                       goods.found();
    lines->push_back(Fig(++n, "99") + " " + row.code + " " + Cut(known ? goods.Text("NAMA") : "", 30) +
                     Fig(row.quantity, " 99,999,999.99") + " " + (known ? goods.Text("SATUAN") : std::string(6, ' ')) +
                     " " + row.note);
  }
}

// The form of mutation `number`; false when there is no such mutation (or it is gift-wrap work).
bool FormLines(frame::Session& session, const frame::OpenedTables& tables, const std::string& number,
               std::vector<std::string>* lines, xbase::Status* s) {
  bool out_found = false, in_found = false;
  std::vector<MutationRow> out_rows, in_rows;
  *s = ReadMutationHalf(tables, Half::kIn, number, &in_found, &in_rows);
  const std::string destination = in_found ? tables["MTSDBT1"].Text("GUDANG") : std::string(6, ' ');
  if (s->ok()) *s = ReadMutationHalf(tables, Half::kOut, number, &out_found, &out_rows);
  xbase::WorkArea& out = tables["MTSKDT1"];
  if (!s->ok() || !out_found || xbase::RTrim(out.Text("CODE_ID")) == kGiftWrapCode) return false;
  const std::string shown(xbase::RTrim(number));
  *lines = {"BUKTI MUTASI ANTAR GUDANG / MUTASI  GANTI KODE",
            "Nomor     : " + xbase::PadR(shown, 10) + "     Gudang Asal   : " + out.Text("GUDANG"),
            "Tanggal   : " + xbase::Dtoc(out.DateOf("TANGGAL")) + "               Gudang Tujuan : " + destination,
            "Tg. Input : " + xbase::Dtoc(out.DateOf("TG_INPUT")),
            std::string(kWidth, '='),
            "No Kode Brg   Nama Barang               Quantity Satuan Keterangan",
            std::string(kWidth, '-'),
            "   KODE ASAL :"};
  HalfLines(tables, out_rows, lines);
  lines->push_back("   KODE TUJUAN :");
  HalfLines(tables, in_rows, lines);
  lines->push_back(std::string(kWidth, '-'));
  lines->insert(lines->end(), 3, "");
  lines->push_back(std::string(59, ' ') + "Tova, " + xbase::Dtoc(session.Today()));
  lines->push_back("      Mengetahui                                          Yang Membuat       ");
  lines->insert(lines->end(), 6, "");
  lines->push_back("  (................)                                   (.................)   ");
  return true;
}

}  // namespace

xbase::Status CMTSKD(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = frame::OpenTables(session, MutationTables());
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  for (;;) {
    std::string number(10, ' ');
    con.Clear(0, 0, 24, 79, con.colours().standard);
    console::TENGAH(con, 1, " CETAK FORM MUTASI GUDANG/KODE ", con.Pick("W+/b", "W+/n"));
    con.Say(10, 20, "Nomor MTAG ", con.colours().standard);
    console::GetList form;
    form.Add(10, 31, &number, "@!");
    if (form.Read(con).escaped || xbase::IsBlank(number)) break;
    std::vector<std::string> lines;
    xbase::Status s;
    if (!FormLines(session, tables, number, &lines, &s)) {
      if (frame::Checked(session, s)) console::PESAN(con, "Nomor " + std::string(xbase::RTrim(number)) + " tidak ada");
      continue;
    }
    con.Say(24, 0, "........tunggu sedang buat file laporan.........", con.colours().standard);
    frame::ReportPage page;
    for (std::string& line : lines) page.push_back({std::move(line), "C", 0});
    frame::ReportLayout layout = StockLayout(kWidth, "Cetak MTSAK", 5);
    frame::PrintPages(session, {page}, layout);
  }
  return session.tables().CloseAll();
}

}  // namespace stock
