// MEMOKIRIM: the delivery notes sent in a period, as the memos back reported them onto the admin memos.
#include <algorithm>

#include "frame/status_display.h"
#include "memos/memo_list_pages.h"
#include "memos/memo_screens.h"
#include "memos/memo_tables.h"

namespace memos {

ReportPages SentPages(frame::Session& session, const frame::OpenedTables& tables, const SentSelection& selection) {
  struct Sent {
    ListedNote note;
    xbase::Date sent;
    std::string text;
  };
  std::vector<uint32_t> records;
  xbase::WorkArea& lines = tables[kAdminMemo.lines];
  if (!frame::Checked(session, RecordsInRange(lines, 3, "TG_KIRIM", selection.from, selection.to, &records))) {
    return {};
  }
  std::vector<Sent> sent;
  for (uint32_t record : records) {
    if (!frame::Checked(session, lines.GoTo(record))) return {};
    if (!lines.Logical("TERKIRIM")) continue;
    Sent row{{lines.Text("INVOICE"), {}, lines.Number("CARTON"), lines.Text("NOMOR")},
             lines.DateOf("TG_KIRIM"),
             lines.Text("NOTES")};
    if (!frame::Checked(session, ReadNote(tables, row.note.invoice, &row.note.facts))) return {};
    if (Selected(selection.customer, row.note.facts.customer)) sent.push_back(std::move(row));
  }
  std::stable_sort(sent.begin(), sent.end(),
                   [](const Sent& a, const Sent& b) { return a.note.facts.date < b.note.facts.date; });
  std::vector<std::string> body;
  double colly = 0;
  for (const Sent& row : sent) {
    body.push_back(Figure(static_cast<double>(body.size() + 1), "999") + " " + Cut(row.note.invoice, 20) + " " +
                   DateText(row.note.facts.date) + " " +
                   Cut(CustomerText(tables, row.note.facts.customer, "NAMA"), 30) + " " +
                   Figure(row.note.colly, "99,999,999") + " " + DateText(row.sent) + " " + Cut(row.text, 30));
    colly += row.note.colly;
  }
  const std::string rule(110, '-');
  return Paginate({"DAFTAR SURAT JALAN TERKIRIM, TGL. " + DateText(selection.from) + " s/d " + DateText(selection.to),
                   rule,
                   "NO. SJ/INVOICE           TG. SJ     TUJUAN/RELASI                       COLLY TG. KIRIM  KETERANGAN                    ",
                   rule},
                  body, static_cast<int>(selection.rows), {rule, Cut("JUMLAH :", 65) + " " + Figure(colly, "99,999,999")},
                  "C");
}

xbase::Status MEMOKIRIM(frame::Session& session, const Args&) {
  return AskSent(session, "DAFTAR SJ TERKIRIM dan SUDAH KEMBALI KE ADMIN", {"       TUJUAN :", "TANGGAL KIRIM :", "  S/D TANGGAL :", "BRS/HAL :"},
                 [&](const frame::OpenedTables& tables, const SentSelection& selection) {
                   PrintPages(session, SentPages(session, tables, selection), MemoLayout(110));
                 });
}

}  // namespace memos
