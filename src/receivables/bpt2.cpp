// The BPT voucher print: one page of 60-column lines through the report engine; a voucher that
// reached the printer is marked printed.
#include <string>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/table_access.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/report_engine.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "receivables/deductions.h"
#include "receivables/keyed_seek.h"
#include "text/amount_in_words.h"
#include "xbase/date_functions.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

constexpr int kWidth = 60;

std::string RightAligned(std::string_view text) { return xbase::PadL(xbase::RTrim(text), kWidth); }

// Prints the voucher standing in the open BPOT_BPT; true when it reached a printer. An invoice or
// customer that cannot be read is the failure shown with nothing printed (a missing one prints blank).
bool PrintVoucher(frame::Session& session, const frame::OpenedTables& tables, const BptVoucher& voucher) {
  std::string customer;
  bool found = false;
  xbase::Status s = SeekExact(tables["Piutdbt"], "PIUTDBT1", "NOTA", voucher.nota, &found);
  if (s.ok() && found) s = SeekExact(tables["mastcus"], "MASTCUS1", "RELASI", tables["Piutdbt"].Text("RELASI"), &found);
  if (!frame::Checked(session, s)) return false;
  if (found) customer = tables["mastcus"].Text("NAMA");
  frame::ReportWriter report(session, "lapor");
  if (!report.Start() || !report.NewPage()) return false;
  for (const VoucherLine& line : VoucherPage(voucher, customer, session.STP.text[11])) {
    if (!report.Line(line.text, line.controls, line.font)) return false;
  }
  frame::ReportLayout layout;
  layout.width = 79;
  layout.title = "SJ";
  layout.left_margin = 1;
  layout.signature_box = false;
  return report.Print(layout);
}

}  // namespace

std::vector<VoucherLine> VoucherPage(const BptVoucher& voucher, std::string_view customer, std::string_view place) {
  const text::AmountLines words = text::TERBILANG(voucher.value, 2, 50);
  std::vector<VoucherLine> page = {
      {" PT. KORVANI DELTAMARA SENTRA  B.P.T               F-MK-003 ", "NH", 20},
      {" ISO 9001                                         Revisi 00 ", "NH", 20},
      {"", "N"},
      {"                                            NO : " + voucher.number, "N"},
      {"", "N"},
      {" SJ/INV : " + std::string(xbase::RTrim(voucher.nota)) + " - " + voucher.code, "N"},
      {" JUMLAH : Rp." + xbase::Transform(xbase::Value::Num(voucher.value), " 999,999,999.99"), "N"},
      {" HURUF  : " + words.first, "S"}};
  if (!words.second.empty()) page.push_back({"          " + words.second, "S"});
  page.push_back({" NOTES  : " + std::string(xbase::RTrim(voucher.notes)), "N"});
  page.push_back({"", "N"});
  page.push_back({RightAligned(std::string(xbase::RTrim(place)) + "," + xbase::Dtoc(voucher.date)), "N"});
  page.push_back({"", "N"});
  page.push_back({RightAligned(" DiSETUJUI      BAGIAN PENAGIHAN              DITERIMA OLEH"), "N"});
  for (int i = 0; i < 5; ++i) page.push_back({"", "N"});
  page.push_back({RightAligned("(" + std::string(xbase::RTrim(customer)) + ")"), "N"});
  return page;
}

xbase::Status BPT2(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = OpenDeductionTables(session);
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  xbase::Status s;
  while (s.ok()) {
    console::SHADOW(con, 9, 18, 13, 61, colour);
    console::TENGAH(con, 10, "CETAK BPT", colour);
    con.Say(12, 20, "Nomor :", con.Colour(colour));
    std::string number(10, ' ');
    bool found = false;
    console::GetList form;
    form.Add(12, 28, &number, "@!").valid = [&] {
      if (xbase::IsBlank(number)) return true;
      xbase::Status p = frame::PickCode(
          session, PickOf("BPOT_BPT", {"nomor", "nota", "tanggal", "nilai"}, {"Nomor", "Nota", "Tanggal", "Nilai"}),
          &number);
      if (p.ok()) p = SeekExact(tables["BPOT_BPT"], "BPOT_BPT1", "NOMOR", number, &found);
      number = xbase::PadR(xbase::RTrim(number), 10);
      if (!frame::Checked(session, p)) return false;
      return found || pickers::Refuse(session, "BPT " + std::string(xbase::RTrim(number)) + " tidak ada");
    };
    if (form.Read(con).escaped || xbase::IsBlank(number) || !found) break;
    xbase::WorkArea& row = tables["BPOT_BPT"];
    BptVoucher voucher{row.Text("KDCB"),   row.Text("NOMOR"),  row.DateOf("TANGGAL"), row.Text("KDTT"),
                       row.Text("NOTA"),   row.Number("TARIF"), row.Number("NILAI"),  row.Text("NOTES"),
                       row.Logical("CETAK")};
    const uint32_t recno = row.recno();
    if (!PrintVoucher(session, tables, voucher)) continue;
    if (s = row.GoTo(recno); s.ok()) s = console::LOCK_REC(con, row);
    if (s.ok()) s = row.Put("CETAK", xbase::Value::Logical(true));
    const xbase::Status unlocked = row.Unlock();
    if (s.ok()) s = unlocked;
  }
  return frame::CloseTables(session, s);
}

}  // namespace receivables
