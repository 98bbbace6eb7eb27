// The monthly book closing: the process month moves one month forward once every delivery note and payment
// receipt dated in it is printed.
#include "frame/ttpbk.h"

#include <string>
#include <string_view>

#include "console/alert.h"
#include "console/box.h"
#include "console/message.h"
#include "console/table_access.h"
#include "frame/budget.h"
#include "frame/open_table.h"
#include "frame/prompts.h"
#include "frame/status_display.h"
#include "text/date_helpers.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

using console::Console;

constexpr std::string_view kNoDefaultRow = "LOGSETUP tidak punya baris DEFAULT, tutup buku tidak dilakukan";
// The widest line an alert shows.
constexpr size_t kAlertWidth = console::kCols - 6;

std::string MonthAndYear(xbase::Date date) { return text::CBULAN_(date) + " " + std::to_string(date.year()); }

void DrawBox(Console& con, xbase::Date process_end, xbase::Date next_end) {
  constexpr std::string_view kColour = "gr+/b";
  console::ISHADOW(con, 9, 5, 18, 75, kColour);
  const std::string lines[] = {
      "                     TUTUP BUKU PERIODE BULANAN                  ",
      "                          STOCK & PENJUALAN                      ",
      "",
      "  Tutup buku harus dilakukan agar transaksi bulan : " + MonthAndYear(next_end),
      "  bisa diinput, koreksi bulan : " + MonthAndYear(process_end) + " dan sebelumnya sudah",
      "  tidak bisa dilakukan.",
  };
  int row = 11;
  for (const std::string& line : lines) con.Say(row++, 8, line, con.Colour(kColour));
}

// The numbers in `number_field` of the rows of `table` dated in the process month up to its last day whose
// CETAK is false, found on the date order `date_order`; each is followed by a blank.
xbase::Status Unprinted(Session& session, std::string_view table, std::string_view date_order,
                        std::string_view number_field, std::string* numbers) {
  xbase::WorkArea* area = nullptr;
  xbase::Status s = RequireArea(session, table, &area);
  if (!s.ok()) return s;
  const xbase::Date process_end = session.ZTGPROSES;
  s = area->SetOrder(date_order);
  if (s.ok()) s = area->Seek(process_end.Dtos().substr(0, 6));
  for (; s.ok() && !area->eof() && area->DateOf("TANGGAL") <= process_end; s = area->Skip(1)) {
    if (!area->Logical("CETAK")) *numbers += std::string(xbase::RTrim(area->Text(number_field))) + " ";
  }
  return s;
}

// Writes the new process month's last day into the LOGSETUP row marked DEFAULT; the rest of BUDGET keeps its
// bytes. Without such a row nothing is written.
xbase::Status WriteProcessMonth(Session& session, xbase::Date next_end) {
  xbase::WorkArea* logsetup = nullptr;
  if (!OpenTable(session, "Logsetup", false, {}, &logsetup)) return xbase::Status::OK();
  bool found = false;
  xbase::Status s = FindDefaultRow(*logsetup, &found);
  if (!s.ok()) return s;
  if (!found) {
    console::PESAN(session.console(), kNoDefaultRow);
    return s;
  }
  s = console::LOCK_REC(session.console(), *logsetup);
  if (s.ok()) s = logsetup->Put("BUDGET", xbase::Value::Text(WithProcessEnd(logsetup->Text("BUDGET"), next_end)));
  const xbase::Status unlocked = logsetup->Unlock();
  if (s.ok()) s = unlocked;
  if (s.ok()) session.ZTGPROSES = next_end;
  return s;
}

}  // namespace

xbase::Status TUTUPBUKU(Session& session, const std::vector<xbase::Value>&) {
  Console& con = session.console();
  console::ScreenKeeper keep(con);
  const xbase::Date next_end = text::TGLAKHIR(text::TGLAKHIR(session.ZTGPROSES) + 1);
  DrawBox(con, session.ZTGPROSES, next_end);
  const bool all_printed = OPENDATA(session) && CEKBELUMCETAK(session);
  xbase::Status status = CloseTables(session, xbase::Status::OK());
  if (status.ok() && all_printed && AnsweredYes(con, "Yakin akan di Proses (Y/T)")) {
    status = CloseTables(session, WriteProcessMonth(session, next_end));
  }
  return status;
}

bool CEKBELUMCETAK(Session& session) {
  std::string notes;
  std::string receipts;
  xbase::Status s = Unprinted(session, "SRTJLN1", "SRTJLN12", "INVOICE", &notes);
  if (s.ok()) s = Unprinted(session, "PIUTKR1", "PIUTKR12", "NOMOR", &receipts);
  if (!frame::Checked(session, s)) return false;
  if (notes.empty() && receipts.empty()) return true;
  console::Alert(session.console(), "Daftar Belum cetek :;" + AlertLines("Sj : " + notes, kAlertWidth) + ";" +
                                        AlertLines("TT : " + receipts, kAlertWidth));
  return false;
}

OpenedTables OPENDATA(Session& session) { return OpenTables(session, {"SRTJLN1", "PIUTKR1"}); }

}  // namespace frame
