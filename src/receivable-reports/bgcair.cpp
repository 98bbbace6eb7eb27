// DAFTAR GIRO CAIR: the instruments cleared in a period, of a branch and customer.
#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "receivable-reports/instrument_rows.h"
#include "receivable-reports/limits_form.h"
#include "receivable-reports/list_reports.h"
#include "receivable-reports/report_screens.h"

namespace receivable_reports {

using frame::Trimmed;

ReportText ClearedListText(const ListLimits& limits) {
  return GiroListText("DAFTAR GIRO CAIR,  Periode : ", limits, true);
}

xbase::Status BuildClearedList(frame::Session& session, const ListLimits& limits, ReportText* report) {
  xbase::WorkArea* cleared = frame::AreaOf(session, "GIROCAIR");
  xbase::WorkArea* girodbt = frame::AreaOf(session, "GIRODBT");
  if (cleared == nullptr || girodbt == nullptr) return xbase::Status::NotFound("GIROCAIR/GIRODBT", "not open");
  CustomerLookup customers(session);
  double total = 0;
  int number = 0;
  xbase::Status read = girodbt->SetOrder("GIRODBT1");
  xbase::Status s = ForEachFrom(*cleared, "GIROCAIR2", limits.from.Dtos(), [&] {
    const xbase::Date date = cleared->DateOf("TANGGAL");
    if (date > limits.to || !read.ok()) return false;
    read = girodbt->Seek(cleared->Text("NOMOR"));
    if (!read.ok() || !girodbt->found() || !Begins(girodbt->Text("KDCB"), limits.branch) ||
        !Begins(girodbt->Text("RELASI"), limits.customer)) {
      return read.ok();
    }
    InstrumentRow row;
    read = ReadInstrument(*girodbt, customers, &row);
    row.notes = Trimmed(cleared->Text("NOTES"));
    total += row.amount;
    AddGiroLine(report, ++number, row, date, true);
    return read.ok();
  });
  AddGiroTotal(report, total, true);
  return s.ok() ? read : s;
}

xbase::Status BGCAIR(frame::Session& session, const Args&) {
  return RunGiroList(session, "DAFTAR GIRO CAIR", "DAFTAR GIRO CAIR", ClearedListText, BuildClearedList);
}

}  // namespace receivable_reports
