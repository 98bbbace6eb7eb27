// SALDO BUKTI PEMBAYARAN: the usable instruments of a kind and branch, due by a date, with what is
// left of them then.
#include <cmath>

#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "receivable-reports/card_reports.h"
#include "receivable-reports/instrument_rows.h"
#include "receivable-reports/limits_form.h"
#include "receivable-reports/report_screens.h"
#include "xbase/text_functions.h"

namespace receivable_reports {

using frame::Pictured;
using frame::Trimmed;

namespace {

const std::string kHeading = Cut("NOMOR", 21) + Cut("TG. TERIMA", 11) + Cut("TG. TEMPO", 11) + Cut("KET", 5) +
                             Cut("CABANG", 7) + Cut("KETERANGAN", 20) + xbase::PadL("SALDO", 18) + " " + Cut("CUSTOMER", 11) +
                             Cut("NAMA", 30);
constexpr std::string_view kFigure = " 99,999,999,999.99";

}  // namespace

xbase::Status InstrumentBalances(frame::Session& session, const std::string& branch, xbase::Date date,
                                 const std::string& kind, std::vector<InstrumentRow>* rows) {
  rows->clear();
  xbase::WorkArea* girodbt = frame::AreaOf(session, "GIRODBT");
  if (girodbt == nullptr) return xbase::Status::NotFound("GIRODBT", "not open");
  CustomerLookup customers(session);
  ReceivableBook book(session);
  xbase::Status read;
  xbase::Status s = ForEachKeyed(*girodbt, "GIRODBT1", "", [&] {
    if (!Begins(girodbt->Text("KET"), kind) || !Begins(girodbt->Text("KDCB"), branch) ||
        girodbt->DateOf("TANGGAL") > date || !girodbt->Logical("REALISASI")) {
      return true;
    }
    InstrumentRow row;
    read = ReadInstrument(*girodbt, customers, &row);
    if (read.ok()) read = InstrumentBalance(session, book, *girodbt, date, &row.amount);
    if (read.ok() && std::trunc(row.amount) != 0) rows->push_back(std::move(row));
    return read.ok();
  });
  return s.ok() ? read : s;
}

ReportText InstrumentBalancesText(xbase::Date date, const std::string& kind, const std::vector<InstrumentRow>& rows) {
  const std::string rule(kHeading.size(), '-');
  ReportText report({{"SALDO BUKTI PEMBAYARAN " + Trimmed(kind) + " per Tanggal : " + DateText(date), std::string(kTitle)},
                     {rule, std::string(kBody)},
                     {kHeading, std::string(kBody)},
                     {rule, std::string(kBody)}},
                    55);
  double total = 0;
  for (const InstrumentRow& row : rows) {
    total += row.amount;
    report.Add(Cut(row.nomor, 20) + " " + DateText(row.received) + " " + DateText(row.due) + " " + Cut(row.kind, 4) +
               " " + Cut(row.kdcb, 6) + " " + Cut(row.notes, 20) + Pictured(row.amount, kFigure) + " " + Cut(row.relasi, 10) +
               " " + Cut(row.name, 30));
  }
  if (rows.empty()) return report;
  report.Add(rule);
  report.Add(Cut("** TOTAL **", 75) + Pictured(total, kFigure), kGrand);
  return report;
}

xbase::Status LSDOGIRO(frame::Session& session, const Args&) {
  if (!frame::OpenTables(session, {"MASTCUS", "GIRODBT", "GIROKDT", "PIUTKR1", "PIUTKR2", "PIUTJBL"})) {
    return xbase::Status::OK();
  }
  std::string branch = Blank(6), kind = Blank(4);
  xbase::Date date = session.Today();
  while (AskLimits(session, "SALDO BUKTI PEMBAYARAN",
                   {{"Cabang :", &branch, "@!"}, {"Per TGL :", &date}, {"kd byr :", &kind, "@!"}})) {
    std::vector<InstrumentRow> rows;
    if (!frame::Checked(session, InstrumentBalances(session, branch, date, kind, &rows))) break;
    PrintReport(session, InstrumentBalancesText(date, kind, rows), "SALDO BUKTI PEMBAYARAN");
  }
  return session.tables().CloseAll();
}

}  // namespace receivable_reports
