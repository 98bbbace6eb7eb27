// DAFTAR GIRO BELUM CAIR: the giros of a period, of a branch and customer, not cleared.
#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "receivable-reports/instrument_rows.h"
#include "receivable-reports/limits_form.h"
#include "receivable-reports/list_reports.h"
#include "receivable-reports/report_screens.h"

namespace receivable_reports {

using frame::Trimmed;

ReportText UnclearedListText(const ListLimits& limits) {
  return GiroListText("DAFTAR GIRO BELUM CAIR,  Periode : ", limits, false);
}

xbase::Status BuildUnclearedList(frame::Session& session, const ListLimits& limits, ReportText* report) {
  xbase::WorkArea* cleared = frame::AreaOf(session, "GIROCAIR");
  xbase::WorkArea* girodbt = frame::AreaOf(session, "GIRODBT");
  if (cleared == nullptr || girodbt == nullptr) return xbase::Status::NotFound("GIROCAIR/GIRODBT", "not open");
  CustomerLookup customers(session);
  double total = 0;
  int number = 0;
  xbase::Status read = cleared->SetOrder("GIROCAIR");
  // A giro is dated by its due date (TANGGAL); the register is walked in number order.
  xbase::Status s = ForEachKeyed(*girodbt, "GIRODBT1", "", [&] {
    const xbase::Date date = girodbt->DateOf("TANGGAL");
    if (date < limits.from || date > limits.to || Trimmed(girodbt->Text("KET")) != "GIRO" ||
        !Begins(girodbt->Text("KDCB"), limits.branch) || !Begins(girodbt->Text("RELASI"), limits.customer)) {
      return true;
    }
    if (read = cleared->Seek(girodbt->Text("NOMOR")); !read.ok() || cleared->found()) return read.ok();
    InstrumentRow row;
    read = ReadInstrument(*girodbt, customers, &row);
    total += row.amount;
    AddGiroLine(report, ++number, row, {}, false);
    return read.ok();
  });
  AddGiroTotal(report, total, false);
  return s.ok() ? read : s;
}

xbase::Status BGBELUM(frame::Session& session, const Args&) {
  return RunGiroList(session, "DAFTAR GIRO BULUM CAIR", "DAFTAR GIRO BELUM CAIR", UnclearedListText, BuildUnclearedList);
}

}  // namespace receivable_reports
