// KARTU BUKTI PEMBAYARAN: one payment instrument with its uses outside receipts, the receipt lines
// that spent it and its reversing-journal rows, with a running balance.
#include <algorithm>

#include "frame/code_pick.h"
#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "receivable-reports/card_reports.h"
#include "receivable-reports/limits_form.h"
#include "receivable-reports/receivable_book.h"
#include "receivable-reports/report_screens.h"
#include "xbase/text_functions.h"

namespace receivable_reports {

using frame::Pictured;
using frame::Trimmed;

namespace {

constexpr std::string_view kHeading =
    "NO. NOTA             KETERANGAN                      TANGGAL    NO. TT                 DEBET            KREDIT"
    "             SALDO";
constexpr std::string_view kFigure = " 99,999,999,999.99";

struct Entry {
  std::string key, nota, notes;
  xbase::Date date;
  std::string number;
  double debet = 0, kredit = 0;
};

// LCGETGIRO: "?" in the number opens the pick list of the instruments.
bool PickInstrument(frame::Session& session, std::string* number) {
  frame::PickSpec pick;
  pick.alias = "GIRODBT";
  pick.expressions = {"NOMOR", "DTOC(TG_TERIMA)", "RELASI", "DEBET"};
  pick.heads = {"NOMOR", "TG. TERIMA", "CUSTOMER", "JUMLAH"};
  return frame::Checked(session, frame::PickCode(session, pick, number));
}

}  // namespace

ReportText InstrumentCardText(const std::string& number, int per_page) {
  const std::string rule(kHeading.size(), '-');
  return ReportText({{"KARTU BUKTI PEMBAYARAN : " + Trimmed(number), std::string(kTitle)},
                     {rule, std::string(kBody)},
                     {std::string(kHeading), std::string(kBody)},
                     {rule, std::string(kBody)}},
                    per_page);
}

xbase::Status BuildInstrumentCard(frame::Session& session, const std::string& number, ReportText* report) {
  xbase::WorkArea* girodbt = frame::AreaOf(session, "GIRODBT");
  xbase::WorkArea* outside = frame::AreaOf(session, "GIROKDT");
  if (girodbt == nullptr || outside == nullptr) return xbase::Status::NotFound("GIRODBT/GIROKDT", "not open");
  const std::string wanted(xbase::AllTrim(number));
  std::vector<Entry> entries;
  const auto own = [&](const xbase::WorkArea& row, bool debit) {
    const xbase::Date date = row.DateOf("TANGGAL");
    const std::string notes = Trimmed(row.Text("RELASI")) + " " + Trimmed(row.Text("NOTES"));
    entries.push_back({date.Dtos() + "00", Trimmed(row.Text("NOMOR")), notes, date,
                       debit ? std::string() : Trimmed(row.Text("KDCB")), debit ? row.Number("DEBET") : 0,
                       debit ? 0 : row.Number("KREDIT")});
    return true;
  };
  xbase::Status s = ForEachKeyed(*girodbt, "GIRODBT1", girodbt->PadToField("NOMOR", wanted),
                                 [&] { return own(*girodbt, true); });
  if (s.ok()) {
    s = ForEachKeyed(*outside, "GIROKDT1", outside->PadToField("NOMOR", wanted), [&] { return own(*outside, false); });
  }
  ReceivableBook book(session);
  std::vector<ReceiptLine> receipts;
  std::vector<JournalLine> journal;
  if (s.ok()) s = book.InstrumentUses(wanted, &receipts, &journal);
  if (!s.ok()) return s;
  for (const ReceiptLine& line : receipts) {
    entries.push_back({line.date.Dtos() + "02", line.nota, line.notes, line.date, Trimmed(line.nomor), 0, line.kredit});
  }
  for (const JournalLine& row : journal) {
    entries.push_back({row.date.Dtos() + "03", row.nota, row.notes, row.date, row.nomor, row.debet, row.kredit});
  }
  if (entries.empty()) return s;
  std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.key < b.key; });
  double balance = 0, debet = 0, kredit = 0;
  for (const Entry& entry : entries) {
    balance += entry.debet - entry.kredit;
    debet += entry.debet;
    kredit += entry.kredit;
    report->Add(Cut(entry.nota, 20) + " " + Cut(entry.notes, 31) + " " + DateText(entry.date) + " " +
                Cut(entry.number, 10) + Pictured(entry.debet, kFigure) + Pictured(entry.kredit, kFigure) + Pictured(balance, kFigure));
  }
  report->Add(std::string(kHeading.size(), '-'));
  report->Add(Cut("", 74) + Pictured(debet, kFigure) + Pictured(kredit, kFigure), kGrand);
  return s;
}

xbase::Status LKARGIRO(frame::Session& session, const Args&) {
  if (!frame::OpenTables(session, {"GIRODBT", "GIROKDT", "PIUTKR1", "PIUTKR2", "PIUTJBL"})) return xbase::Status::OK();
  std::string number = Blank(20);
  double per_page = 55;
  while (AskLimits(session, "KARTU BUKTI PEMBAYARAN",
                   {{"Nomor :", &number, "@!", [&] { return PickInstrument(session, &number); }},
                    {"Brs/hal :", &per_page, "99"}})) {
    ReportText report = InstrumentCardText(number, static_cast<int>(per_page));
    if (!frame::Checked(session, BuildInstrumentCard(session, number, &report))) break;
    PrintReport(session, report, "KARTU BUKTI PEMBAYARAN");
  }
  return session.tables().CloseAll();
}

}  // namespace receivable_reports
