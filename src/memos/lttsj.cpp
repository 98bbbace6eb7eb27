// LTTSJ: the TTSJ realisation of a driver (form F-GD-008): the delivery notes that the memos back
// reported delivered or not in a period, out of the driver's memos of that period, placed in the
// column of their delivery weekday.
#include <array>

#include "frame/status_display.h"
#include "memos/delivery_notes.h"
#include "memos/driver_memo.h"
#include "memos/memo_entry.h"
#include "memos/memo_list_pages.h"
#include "memos/memo_screens.h"
#include "memos/memo_tables.h"
#include "xbase/text_functions.h"

namespace memos {
namespace {

constexpr char kColumns[] =
    "NO. NOMOR SJ        KOTA                    SENIN           CRT            SELASA          CRT             RABU "
    "          CRT            KAMIS           CRT            JUMAT           CRT            SABTU           CRT NOTES "
    "        ";

// True when the note stands on a line of a memo of the driver planned within the period.
bool OnDriversMemo(frame::Session& session, const frame::OpenedTables& tables, std::string_view invoice,
                   std::string_view driver, xbase::Date from, xbase::Date to, xbase::Status* s) {
  std::vector<uint32_t> records;
  xbase::WorkArea& lines = tables[kDriverMemo.lines];
  xbase::WorkArea& headers = tables[kDriverMemo.header];
  if (*s = NoteLineRecords(session, lines, invoice, &records); !s->ok()) return false;
  for (uint32_t record : records) {
    if (*s = lines.GoTo(record); !s->ok()) return false;
    const xbase::Date planned = lines.DateOf("TG_KIRIM");
    if (planned < from || planned > to) continue;
    bool found = false;
    if (*s = FindMemo(session, headers, lines.Text("KDCB"), lines.Text("NOMOR"), &found); !s->ok()) return false;
    if (found && xbase::RTrim(headers.Text("SOPIR")) == xbase::RTrim(driver)) return true;
  }
  return false;
}

}  // namespace

ReportPages RealisationPages(frame::Session& session, const frame::OpenedTables& tables,
                             const RealisationSelection& selection) {
  std::vector<uint32_t> records;
  xbase::WorkArea& lines = tables[kAdminMemo.lines];
  if (!frame::Checked(session, RecordsInRange(lines, 3, "TG_KIRIM", selection.from, selection.to, &records))) {
    return {};
  }
  std::vector<std::string> body, left_out;
  std::array<double, 6> days{};
  for (uint32_t record : records) {
    if (!frame::Checked(session, lines.GoTo(record))) return {};
    const std::string invoice = lines.Text("INVOICE");
    const xbase::Date sent = lines.DateOf("TG_KIRIM");
    const bool delivered = lines.Logical("TERKIRIM");
    const double colly = lines.Number("CARTON");
    xbase::Status s;
    if (!OnDriversMemo(session, tables, invoice, selection.driver, selection.from, selection.to, &s)) {
      if (!frame::Checked(session, s)) return {};
      continue;
    }
    const int weekday = sent.dow() - 2;  // Monday 0 ... Saturday 5
    if (weekday < 0) {
      left_out.push_back(NoteText(invoice));
      continue;
    }
    NoteFacts facts;
    if (!frame::Checked(session, ReadNote(tables, invoice, &facts))) return {};
    std::string line = Figure(static_cast<double>(body.size() + 1), "999") + " " + Cut(invoice, 15) + " " +
                       Cut(CustomerText(tables, facts.customer, "KOTA"), 12) + " ";
    for (int day = 0; day < 6; ++day) {
      line += day == weekday ? Cut(CustomerText(tables, facts.customer, "NAMA"), 25) + " " + Figure(colly, "9999") + " "
                             : std::string(31, ' ');
    }
    body.push_back(line + (delivered ? "TERKIRIM" : "TIDAk TERKIRIM"));
    days[static_cast<size_t>(weekday)] += colly;
  }
  const std::string rule(233, '-');
  std::string total = Cut("TOTAL : ", 33);
  double grand = 0;
  for (double day : days) {
    total += std::string(26, ' ') + Figure(day, "9999") + " ";
    grand += day;
  }
  std::vector<std::string> closing = {rule, total + Figure(grand, "999999")};
  if (!left_out.empty()) {
    std::string line = "SJ dikirim hari Minggu, tidak masuk realisasi :";
    for (const std::string& note : left_out) line += " " + note;
    closing.push_back(line);
  }
  closing.insert(closing.end(),
                 {"", "    dibuat oleh                    Disetujui oleh                    Disetujui oleh"
                      "                    Mengetahui",
                  "", "", "",
                  "  ..............                 ................                  ................"
                  "                  ................",
                  rule, "Distribusi : Lbr 1. Gudang, Lbr 2. Expedisi, Lbr 3. Satpam"});
  return Paginate({"PT. TIRTANDAKA" + std::string(73, ' ') + "REALISASI TANDA TERIMA SURAT JALAN" +
                       std::string(104, ' ') + "F-GD-008",
                   "ISO 9001" + std::string(93, ' ') + "(TTSJ)" + std::string(117, ' ') + "Revisi 00",
                   "DRIVER  : " + selection.driver + "-" + DriverName(session, selection.driver),
                   "PERIODE : " + DateText(selection.from) + " s/d " + DateText(selection.to), rule, kColumns, rule},
                  body, static_cast<int>(selection.rows), closing, "C");
}

xbase::Status LTTSJ(frame::Session& session, const Args&) {
  RealisationSelection selection;
  selection.from = selection.to = session.Today();
  return RunReportBox(
      session, "        CETAK REALISASI TTSJ      ", {"     Driver :", "    Tanggal :", "s/d Tanggal :", "  Baris/Hal :"},
      [&](const frame::OpenedTables&, console::GetList& form, int row, int col) {
        form.Add(row, col, &selection.driver, "@!").valid = [&] {
          return GETDRIVER(session, &selection.driver, -1, 0, "");
        };
        form.Add(row + 1, col, &selection.from);
        form.Add(row + 2, col, &selection.to);
        form.Add(row + 3, col, &selection.rows, "99");
      },
      [&](const frame::OpenedTables& tables) {
        PrintPages(session, RealisationPages(session, tables, selection), MemoLayout(233));
      });
}

}  // namespace memos
