// DAFTAR BUKTI PEMBAYARAN: the payment instruments of one kind received in a period.
#include "frame/grid_cells.h"
#include "frame/status_display.h"
#include "receivable-reports/card_reports.h"
#include "receivable-reports/instrument_rows.h"
#include "receivable-reports/limits_form.h"
#include "receivable-reports/report_screens.h"
#include "receivable-reports/sheet_table.h"
#include "frame/open_table.h"
#include "xbase/text_functions.h"

namespace receivable_reports {

using frame::Pictured;
using frame::Trimmed;

namespace {

const std::string kHeading = Cut("NOMOR", 21) + Cut("TG. TERIMA", 11) + Cut("TG. TEMPO", 11) + Cut("KET", 5) +
                             Cut("KETERANGAN", 20) + xbase::PadL("JUMLAH", 18) + " " + Cut("CUSTOMER", 11) + Cut("NAMA", 30);
constexpr std::string_view kFigure = " 99,999,999,999.99";

std::string Title(xbase::Date from, xbase::Date to, const std::string& kind) {
  return "DAFTAR BUKTI PEMBAYARAN " + Trimmed(kind) + ", Periode : " + Period(from, to);
}

}  // namespace

xbase::Status ReceivedInstruments(frame::Session& session, xbase::Date from, xbase::Date to, const std::string& kind,
                                  std::vector<InstrumentRow>* rows) {
  rows->clear();
  xbase::WorkArea* girodbt = frame::AreaOf(session, "GIRODBT");
  if (girodbt == nullptr) return xbase::Status::NotFound("GIRODBT", "not open");
  CustomerLookup customers(session);
  const std::string wanted(xbase::AllTrim(kind));
  xbase::Status read;
  xbase::Status s = ForEachFrom(*girodbt, "GIRODBT2", from.Dtos(), [&] {
    if (girodbt->DateOf("TG_TERIMA") > to) return false;
    if (Trimmed(girodbt->Text("KET")) != wanted) return true;
    InstrumentRow row;
    read = ReadInstrument(*girodbt, customers, &row);
    rows->push_back(std::move(row));
    return read.ok();
  });
  return s.ok() ? read : s;
}

ReportText ReceivedInstrumentsText(xbase::Date from, xbase::Date to, const std::string& kind,
                                   const std::vector<InstrumentRow>& rows) {
  const std::string rule(kHeading.size(), '-');
  ReportText report({{Title(from, to, kind), std::string(kTitle)},
                     {rule, std::string(kBody)},
                     {kHeading, std::string(kBody)},
                     {rule, std::string(kBody)}},
                    55);
  double total = 0;
  for (const InstrumentRow& row : rows) {
    total += row.amount;
    report.Add(Cut(row.nomor, 20) + " " + DateText(row.received) + " " + DateText(row.due) + " " + Cut(row.kind, 4) +
               " " + Cut(row.notes, 20) + Pictured(row.amount, kFigure) + " " + Cut(row.relasi, 10) + " " + Cut(row.name, 30));
  }
  if (rows.empty()) return report;
  report.Add(rule);
  report.Add(Cut("TOTAL :", 68) + Pictured(total, kFigure), kGrand);
  return report;
}

void ReceivedInstrumentsBook(frame::Session& session, xbase::Date from, xbase::Date to, const std::string& kind,
                             const std::vector<InstrumentRow>& rows) {
  SheetTable sheet(session, "DAFTAR BUKTI PEMBAYARAN", {Title(from, to, kind)},
                   {"NOMOR", "TG. TERIMA", "TG. TEMPO", "KET", "KETERANGAN", "JUMLAH", "CUSTOMER", "NAMA"});
  double total = 0;
  for (const InstrumentRow& row : rows) {
    total += row.amount;
    sheet.Row({frame::AsText(row.nomor), row.received, row.due, row.kind, row.notes, row.amount,
               frame::AsText(row.relasi), row.name});
  }
  sheet.Row({"", "", "", "", "TOTAL :", total}, true);
  sheet.Show();
}

xbase::Status LDAFGIRO(frame::Session& session, const Args&) {
  if (!frame::OpenTables(session, {"MASTCUS", "GIRODBT"})) return xbase::Status::OK();
  xbase::Date from = session.Today(), to = session.Today();
  std::string kind = Blank(4);
  while (AskLimits(session, "DAFTAR BUKTI PEMBAYARAN",
                   {{"Dari TGL :", &from}, {"s/d TGL :", &to}, {"Kode Byr :", &kind, "@!"}})) {
    const Media media = AskMedia(session);
    if (media == Media::kNone) continue;
    std::vector<InstrumentRow> rows;
    if (!frame::Checked(session, ReceivedInstruments(session, from, to, kind, &rows))) break;
    if (media == Media::kPrinter) {
      PrintReport(session, ReceivedInstrumentsText(from, to, kind, rows), "DAFTAR BUKTI PEMBAYARAN");
    } else {
      ReceivedInstrumentsBook(session, from, to, kind, rows);
    }
  }
  return session.tables().CloseAll();
}

}  // namespace receivable_reports
