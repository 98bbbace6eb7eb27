// Payment instruments as the instrument lists read and print them, and an instrument's balance.
#include "receivable-reports/instrument_rows.h"

#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "receivable-reports/limits_form.h"
#include "xbase/text_functions.h"

namespace receivable_reports {

using frame::Pictured;
using frame::Trimmed;

xbase::Status ReadInstrument(const xbase::WorkArea& girodbt, CustomerLookup& customers, InstrumentRow* row) {
  row->nomor = Trimmed(girodbt.Text("NOMOR"));
  row->kind = Trimmed(girodbt.Text("KET"));
  row->kdcb = Trimmed(girodbt.Text("KDCB"));
  row->notes = Trimmed(girodbt.Text("NOTES"));
  row->relasi = Trimmed(girodbt.Text("RELASI"));
  row->received = girodbt.DateOf("TG_TERIMA");
  row->due = girodbt.DateOf("TANGGAL");
  row->amount = girodbt.Number("DEBET");
  Customer customer;
  const xbase::Status s = customers.Find(row->relasi, &customer);
  row->name = customer.name;
  return s;
}

xbase::Status InstrumentBalance(frame::Session& session, ReceivableBook& book, const xbase::WorkArea& girodbt,
                                xbase::Date date, double* balance) {
  const std::string number = Trimmed(girodbt.Text("NOMOR"));
  *balance = girodbt.Number("DEBET");
  xbase::WorkArea* outside = frame::AreaOf(session, "GIROKDT");
  if (outside == nullptr) return xbase::Status::NotFound("GIROKDT", "not open");
  xbase::Status s = ForEachKeyed(*outside, "GIROKDT1", outside->PadToField("NOMOR", number), [&] {
    if (outside->DateOf("TANGGAL") <= date) *balance -= outside->Number("KREDIT");
    return true;
  });
  std::vector<ReceiptLine> receipts;
  std::vector<JournalLine> journal;
  if (s.ok()) s = book.InstrumentUses(number, &receipts, &journal);
  for (const ReceiptLine& line : receipts) {
    if (line.date <= date) *balance -= line.kredit;
  }
  for (const JournalLine& row : journal) {
    if (row.date <= date) *balance += row.debet - row.kredit;
  }
  return s;
}

namespace {

constexpr std::string_view kFigure = " 99,999,999,999.99";

std::string GiroHeading(bool with_cleared) {
  return Cut("NO.", 5) + Cut("NOMOR", 21) + Cut("TG. TERIMA", 11) + Cut("TG. TEMPO", 11) +
         (with_cleared ? Cut("TG. CAIR", 11) : std::string()) + Cut("KETERANGAN", 20) + xbase::PadL("JUMLAH", 18) +
         " " + Cut("CUSTOMER", 11) + Cut("NAMA", 30);
}

}  // namespace

bool AskGiroListLimits(frame::Session& session, std::string_view title, ListLimits* limits) {
  double per_page = limits->per_page;
  const bool asked = AskLimits(session, title,
                               {{"KODE CABANG :", &limits->branch, "@!"},
                                {"CUSTOMER :", &limits->customer, "@!"},
                                {"DARI TGL :", &limits->from},
                                {"s/d TGL :", &limits->to},
                                {"BRS/HAL :", &per_page, "99"}});
  limits->per_page = static_cast<int>(per_page);
  return asked;
}

ReportText GiroListText(const std::string& title, const ListLimits& limits, bool with_cleared) {
  const std::string heading = GiroHeading(with_cleared);
  const std::string rule(heading.size(), '-');
  return ReportText({{title + Period(limits.from, limits.to), std::string(kTitle)},
                     {rule, std::string(kBody)},
                     {heading, std::string(kBody)},
                     {rule, std::string(kBody)}},
                    limits.per_page);
}

void AddGiroLine(ReportText* report, int number, const InstrumentRow& row, xbase::Date cleared, bool with_cleared) {
  report->Add(Pictured(number, "999 ") + " " + Cut(row.nomor, 20) + " " + DateText(row.received) + " " + DateText(row.due) +
              " " + (with_cleared ? DateText(cleared) + " " : std::string()) + Cut(row.notes, 20) +
              Pictured(row.amount, kFigure) + " " + Cut(row.relasi, 10) + " " + Cut(row.name, 30));
}

void AddGiroTotal(ReportText* report, double total, bool with_cleared) {
  if (report->empty()) return;
  const std::string heading = GiroHeading(with_cleared);
  report->Add(std::string(heading.size(), '-'));
  report->Add(Cut("TOTAL :", with_cleared ? 79 : 68) + Pictured(total, kFigure), kGrand);
}

xbase::Status RunGiroList(frame::Session& session, std::string_view window, const std::string& title,
                          ReportText (*text)(const ListLimits&),
                          xbase::Status (*build)(frame::Session&, const ListLimits&, ReportText*)) {
  if (!frame::OpenTables(session, {"MASTCUS", "GIRODBT", "GIROCAIR"})) return xbase::Status::OK();
  ListLimits limits{Blank(10), Blank(6), session.Today(), session.Today()};
  while (AskGiroListLimits(session, window, &limits)) {
    ReportText report = text(limits);
    if (!frame::Checked(session, build(session, limits, &report))) break;
    PrintReport(session, report, title);
  }
  return session.tables().CloseAll();
}

}  // namespace receivable_reports
