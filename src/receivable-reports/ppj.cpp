// PENJUALAN VS PIUTANG: the delivery notes of a period whose value differs from their receivable.
#include <cmath>

#include "documents/line_value.h"
#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "receivable-reports/limits_form.h"
#include "receivable-reports/list_reports.h"
#include "receivable-reports/receivable_book.h"
#include "receivable-reports/report_screens.h"
#include "xbase/text_functions.h"

namespace receivable_reports {

using frame::Pictured;

namespace {

constexpr std::string_view kFigure = " 99,999,999,999.99";
constexpr int kLabelWidth = 115;

std::string Heading() {
  return Cut("  NO.", 6) + Cut("NOTA", 21) + Cut("RELASI SJ", 11) + Cut("RELASI PIUT", 12) + Cut("TGL. SJ", 11) +
         Cut("TGL. PIUT", 11) + Cut("TEMPO SJ", 11) + Cut("TEMPO PIUT", 11) + Cut("", 21) + xbase::PadL("PENJUALAN", 18) +
         xbase::PadL("PIUTANG", 18);
}

}  // namespace

ReportText SalesAgainstReceivablesText(const ListLimits& limits) {
  const std::string heading = Heading();
  const std::string rule(heading.size(), '-');
  return ReportText({{"PERBANDINGAN PANJUALAN vs PIUTANG " + Period(limits.from, limits.to), std::string(kTitle)},
                     {rule, std::string(kBody)},
                     {heading, std::string(kBody)},
                     {rule, std::string(kBody)}},
                    limits.per_page);
}

xbase::Status BuildSalesAgainstReceivables(frame::Session& session, const ListLimits& limits, ReportText* report) {
  xbase::WorkArea* notes = frame::AreaOf(session, "SRTJLN1");
  xbase::WorkArea* lines = frame::AreaOf(session, "SRTJLN2");
  xbase::WorkArea* piutdbt = frame::AreaOf(session, "PIUTDBT");
  if (notes == nullptr || lines == nullptr || piutdbt == nullptr) {
    return xbase::Status::NotFound("SRTJLN1/SRTJLN2/PIUTDBT", "not open");
  }
  double sales_total = 0, receivable_total = 0;
  int number = 0;
  xbase::Status read = piutdbt->SetOrder("PIUTDBT1");
  xbase::Status s = ForEachFrom(*notes, "SRTJLN12", limits.from.Dtos(), [&] {
    if (notes->DateOf("TANGGAL") > limits.to || !read.ok()) return false;
    const std::string invoice = notes->Text("INVOICE");
    const double d1 = notes->Number("DISCOUNT"), d2 = notes->Number("DISCOUNT2");
    double sales = 0;
    read = ForEachKeyed(*lines, "SRTJLN21", invoice, [&] {
      sales += documents::AfterDiscounts(documents::LineValue(lines->Number("QUANTITY"), lines->Number("HARGA"),
                                                              lines->Number("DISCOUNT"), lines->Number("DISCOUNT2")),
                                         d1, d2);
      return true;
    });
    if (read.ok()) read = piutdbt->Seek(piutdbt->PadToField("NOTA", xbase::RTrim(invoice)));
    if (!read.ok()) return false;
    const bool found = piutdbt->found();
    const double receivable = found ? piutdbt->Number("DEBET") : 0;
    if (std::trunc(sales) == std::trunc(receivable)) return true;
    sales_total += sales;
    receivable_total += receivable;
    report->Add(Pictured(++number, "99999") + " " + Cut(invoice, 20) + " " + Cut(notes->Text("RELASI"), 10) + " " +
                Cut(found ? piutdbt->Text("RELASI") : "", 11) + " " + DateText(notes->DateOf("TANGGAL")) + " " +
                DateText(found ? piutdbt->DateOf("TANGGAL") : xbase::Date()) + " " + DateText(notes->DateOf("TEMPO")) +
                " " + DateText(found ? piutdbt->DateOf("TEMPO") : xbase::Date()) + " " + Cut("", 20) +
                Pictured(sales, kFigure) + Pictured(receivable, kFigure));
    return true;
  });
  if (!s.ok() || !read.ok() || report->empty()) return s.ok() ? read : s;
  report->Add(std::string(Heading().size(), '-'));
  report->Add(Cut("JUMLAH", kLabelWidth) + Pictured(sales_total, kFigure) + Pictured(receivable_total, kFigure), kGrand);
  return s;
}

xbase::Status PPJ(frame::Session& session, const Args&) {
  if (!frame::OpenTables(session, {"SRTJLN1", "SRTJLN2", "PIUTDBT"})) return xbase::Status::OK();
  ListLimits limits{"", "", session.Today(), session.Today()};
  double per_page = 55;
  while (AskLimits(session, "PENJUALAN VS PIUTANG",
                   {{"DARI TGL :", &limits.from}, {"s/d TGL :", &limits.to}, {"BRS/HAL :", &per_page, "99"}})) {
    limits.per_page = static_cast<int>(per_page);
    ReportText report = SalesAgainstReceivablesText(limits);
    if (!frame::Checked(session, BuildSalesAgainstReceivables(session, limits, &report))) break;
    PrintReport(session, report, "PERBANDINGAN");
  }
  return session.tables().CloseAll();
}

}  // namespace receivable_reports
