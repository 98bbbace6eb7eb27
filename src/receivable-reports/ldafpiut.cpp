// DAFTAR PIUTANG: the receivables of a period, of a customer and branch, approved or not yet.
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
using frame::Trimmed;

namespace {

const std::string kHeading = Cut("  NO.", 6) + Cut("TANGGAL", 11) + Cut("NOTA", 21) + Cut("CUSTOMER", 11) +
                             Cut("NAMA", 31) + Cut("CABANG", 7) + Cut("TP", 3) + Cut("SLS", 5) + Cut("ID", 4) +
                             xbase::PadL("JUMLAH", 18) + " " + Cut("JT. TEMPO", 10);
constexpr std::string_view kFigure = " 99,999,999,999.99";

}  // namespace

ReportText ReceivableListText(const ListLimits& limits, bool approved) {
  const std::string rule(kHeading.size(), '-');
  return ReportText({{"DAFTAR PIUTANG " + std::string(approved ? "APPROVAL" : "BELUM APPROVAL") + ", TANGGAL " +
                          Period(limits.from, limits.to),
                      std::string(kTitle)},
                     {"CUSTOMER : " + Trimmed(limits.customer) + ", CABANG : " + Trimmed(limits.branch), std::string(kBody)},
                     {rule, std::string(kBody)},
                     {kHeading, std::string(kBody)},
                     {rule, std::string(kBody)}},
                    limits.per_page);
}

xbase::Status BuildReceivableList(frame::Session& session, const ListLimits& limits, bool approved,
                                  ReportText* report) {
  xbase::WorkArea* piutdbt = frame::AreaOf(session, "PIUTDBT");
  if (piutdbt == nullptr) return xbase::Status::NotFound("PIUTDBT", "not open");
  CustomerLookup customers(session);
  double total = 0;
  int number = 0;
  xbase::Status lookup;
  xbase::Status s = ForEachFrom(*piutdbt, "PIUTDBT2", limits.from.Dtos(), [&] {
    if (piutdbt->DateOf("TANGGAL") > limits.to) return false;
    const std::string relasi = Trimmed(piutdbt->Text("RELASI"));
    if (!Begins(relasi, limits.customer) || !Begins(piutdbt->Text("KDCB"), limits.branch) ||
        piutdbt->Logical("APPROVAL") != approved) {
      return true;
    }
    Customer customer;
    lookup = customers.Find(relasi, &customer);
    total += piutdbt->Number("DEBET");
    report->Add(Pictured(++number, "99999") + " " + DateText(piutdbt->DateOf("TANGGAL")) + " " +
                Cut(piutdbt->Text("NOTA"), 20) + " " + Cut(relasi, 10) + " " + Cut(customer.name, 30) + " " +
                Cut(piutdbt->Text("KDCB"), 6) + " " + Cut(piutdbt->Text("TIPE"), 2) + " " + Cut(piutdbt->Text("SALES"), 4) +
                " " + Cut(piutdbt->Text("CODE_ID"), 4) + Pictured(piutdbt->Number("DEBET"), kFigure) + " " +
                DateText(piutdbt->DateOf("TEMPO")));
    return lookup.ok();
  });
  if (!s.ok() || !lookup.ok() || report->empty()) return s.ok() ? lookup : s;
  report->Add(std::string(kHeading.size(), '-'));
  report->Add(Cut("JUMLAH :", 99) + Pictured(total, kFigure), kGrand);
  return s;
}

xbase::Status LDAFPIUT(frame::Session& session, const Args&) {
  if (!frame::OpenTables(session, {"MASTCUS", "PIUTDBT"})) return xbase::Status::OK();
  ListLimits limits{Blank(10), Blank(6), session.Today(), session.Today()};
  bool approved = true;
  double per_page = 55;
  while (AskLimits(session, "DAFTAR PIUTANG",
                   {{"CUSTOMER :", &limits.customer, "@!"},
                    {"KD CABANG :", &limits.branch, "@!"},
                    {"TANGGAL :", &limits.from},
                    {"s/d TGL :", &limits.to},
                    {"APPROVAL :", &approved, "Y"},
                    {"BRS/HAL :", &per_page, "99"}})) {
    limits.per_page = static_cast<int>(per_page);
    ReportText report = ReceivableListText(limits, approved);
    if (!frame::Checked(session, BuildReceivableList(session, limits, approved, &report))) break;
    PrintReport(session, report, "DAFTAR PIUTANG");
  }
  return session.tables().CloseAll();
}

}  // namespace receivable_reports
