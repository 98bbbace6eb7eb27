// The age KPI of receivables: how many days after its invoice each payment of a period came, weighted
// by the amount paid, in detail or summed per customer or salesman.
#include <map>

#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "receivable-reports/limits_form.h"
#include "receivable-reports/list_reports.h"
#include "receivable-reports/receivable_book.h"
#include "receivable-reports/sheet_table.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace receivable_reports {

using frame::Trimmed;

namespace {

// Instrument and cash payments count; deductions and returns do not.
bool Counts(std::string_view code) {
  const SettleClass kind = ClassOf(code);
  return kind == SettleClass::kInstrument || kind == SettleClass::kCash;
}

// Reads the invoice of `nota` into *line when it passes the limits.
xbase::Status InvoiceOf(xbase::WorkArea& piutdbt, const AgeLimits& limits, const std::string& nota, AgeLine* line,
                        bool* passes) {
  xbase::Status s = piutdbt.Seek(piutdbt.PadToField("NOTA", nota));
  *passes = false;
  if (!s.ok() || !piutdbt.found()) return s;
  line->nota = nota;
  line->relasi = Trimmed(piutdbt.Text("RELASI"));
  line->sales = Trimmed(piutdbt.Text("SALES"));
  line->tipe = Trimmed(piutdbt.Text("TIPE"));
  line->invoice_date = piutdbt.DateOf("TANGGAL");
  const std::string_view excluded = xbase::RTrim(limits.excluded);
  *passes = Begins(line->relasi, limits.customer) && Begins(line->sales, limits.salesman) &&
            Begins(line->tipe, limits.type) &&
            (line->sales.empty() || excluded.find(line->sales) == std::string_view::npos);
  return s;
}

double Average(double weighted, double paid) { return paid == 0 ? 0 : weighted / paid; }

std::string Title(const AgeLimits& limits) { return "PERIODE : " + Period(limits.from, limits.to); }

}  // namespace

xbase::Status AgeLines(frame::Session& session, const AgeLimits& limits, std::vector<AgeLine>* lines) {
  lines->clear();
  xbase::WorkArea* headers = frame::AreaOf(session, "PIUTKR1");
  xbase::WorkArea* receipt_lines = frame::AreaOf(session, "PIUTKR2");
  xbase::WorkArea* journal = frame::AreaOf(session, "PIUTJBL");
  xbase::WorkArea* piutdbt = frame::AreaOf(session, "PIUTDBT");
  if (headers == nullptr || receipt_lines == nullptr || journal == nullptr || piutdbt == nullptr) {
    return xbase::Status::NotFound("PIUTKR1/PIUTKR2/PIUTJBL/PIUTDBT", "not open");
  }
  CustomerLookup customers(session);
  xbase::Status read = piutdbt->SetOrder("PIUTDBT1");
  const auto add = [&](const std::string& nota, xbase::Date date, double paid) {
    AgeLine line;
    bool passes = false;
    read = InvoiceOf(*piutdbt, limits, nota, &line, &passes);
    if (!read.ok() || !passes) return;
    Customer customer;
    read = customers.Find(line.relasi, &customer);
    line.name = customer.name;
    line.paid_date = date;
    line.paid = paid;
    line.age = date - line.invoice_date;
    line.weighted = line.age * paid;
    lines->push_back(std::move(line));
  };
  xbase::Status s = ForEachFrom(*headers, "PIUTKR12", limits.from.Dtos(), [&] {
    const xbase::Date date = headers->DateOf("TANGGAL");
    if (date > limits.to || !read.ok()) return false;
    xbase::Status walked = ForEachKeyed(*receipt_lines, "PIUTKR21", headers->Text("KDCB") + headers->Text("NOMOR"), [&] {
      if (Counts(receipt_lines->Text("KD_TT"))) {
        add(Trimmed(receipt_lines->Text("NOTA")), date, receipt_lines->Number("KREDIT"));
      }
      return read.ok();
    });
    if (read.ok()) read = walked;
    return read.ok();
  });
  if (s.ok() && read.ok()) {
    s = ForEachFrom(*journal, "PIUTJBL4", limits.from.Dtos(), [&] {
      const xbase::Date date = journal->DateOf("TANGGAL");
      if (date > limits.to || !read.ok()) return false;
      if (Counts(journal->Text("KD_TT"))) {
        add(Trimmed(journal->Text("NOTA")), date, journal->Number("KREDIT") - journal->Number("DEBET"));
      }
      return read.ok();
    });
  }
  return s.ok() ? read : s;
}

void AgeDetailBook(frame::Session& session, const AgeLimits& limits, const std::vector<AgeLine>& lines) {
  SheetTable sheet(session, "KPI UMUR PIUTANG",
                   {"KPI UMUR PIUTANG", Title(limits),
                    "RELASI  : " + Trimmed(limits.customer) + ",  SALES : " + Trimmed(limits.salesman) + ", TIPE : " +
                        Trimmed(limits.type) + ", Kecuali Sales :" + Trimmed(limits.excluded)},
                   {"NO.", "RELASI", "NAMA", "NOTA", "SLS", "TP", "TGL. SJ", "TGL. BAYAR", "NILAI BAYAR", "UMUR", "TOTAL"});
  double paid = 0, weighted = 0;
  int number = 0;
  for (const AgeLine& line : lines) {
    paid += line.paid;
    weighted += line.weighted;
    sheet.Row({static_cast<double>(++number), frame::AsText(line.relasi), line.name, frame::AsText(line.nota),
               frame::AsText(line.sales), frame::AsText(line.tipe), line.invoice_date, line.paid_date, line.paid,
               line.age, line.weighted});
  }
  sheet.Row({"", "", "", "", "", "", "", "JUMLAH", paid, "", weighted}, true);
  sheet.Row({"", "", "", "", "", "", "", "RATA2", Average(weighted, paid)}, true);
  sheet.Show();
}

void AgeRecapBook(frame::Session& session, const std::vector<AgeLine>& lines, bool by_salesman) {
  struct Sum {
    std::string name;
    double paid = 0, weighted = 0;
  };
  std::map<std::string, Sum> sums;
  xbase::WorkArea* salesmen = by_salesman ? frame::AreaOf(session, "MASTSLS") : nullptr;
  for (const AgeLine& line : lines) {
    Sum& sum = sums[by_salesman ? line.sales : line.relasi];
    if (!by_salesman) sum.name = line.name;
    sum.paid += line.paid;
    sum.weighted += line.weighted;
  }
  const std::string grouping = by_salesman ? "SALES" : "RELASI";
  SheetTable sheet(session, "REKAP KPI UMUR PIUTANG", {"REKAP KPI UMUR PIUTANG (" + grouping + ")"},
                   {"NO.", grouping, "NAMA", "NILAI BAYAR", "TOTAL", "RATA2"});
  double paid = 0, weighted = 0;
  int number = 0;
  for (auto& [code, sum] : sums) {
    if (salesmen != nullptr && salesmen->SetOrder("MASTSLS1").ok() &&
        xbase::LookUp(*salesmen, salesmen->PadToField("SALES", code))) {
      sum.name = Trimmed(salesmen->Text("NAMA"));
    }
    paid += sum.paid;
    weighted += sum.weighted;
    sheet.Row({static_cast<double>(++number), frame::AsText(code), sum.name, sum.paid, sum.weighted,
               Average(sum.weighted, sum.paid)});
  }
  sheet.Row({"", "", "JUMLAH", paid, weighted, Average(weighted, paid)}, true);
  sheet.Show();
}

xbase::Status RunAgeKpi(frame::Session& session, bool recap) {
  if (!frame::OpenTables(session, {"MASTCUS", "MASTSLS", "PIUTDBT", "PIUTKR1", "PIUTKR2", "PIUTJBL"})) {
    return xbase::Status::OK();
  }
  AgeLimits limits{Blank(10), Blank(4), Blank(2), Blank(40), session.Today(), session.Today()};
  while (AskLimits(session, recap ? "REKAP KPI UMUR PIUTANG" : "KPI UMUR PIUTANG",
                   {{"Periode :", &limits.from},
                    {"s/d :", &limits.to},
                    {"Relasi :", &limits.customer, "@!"},
                    {"Sales :", &limits.salesman, "@!"},
                    {"Tipe :", &limits.type, "@!"},
                    {"Kecuali Sales :", &limits.excluded, "@!S20"}})) {
    int grouping = 0;
    if (recap && (grouping = AskChoice(session, "REKAP PER", {"Relasi", "Sales"})) == 0) continue;
    std::vector<AgeLine> lines;
    if (!frame::Checked(session, AgeLines(session, limits, &lines))) break;
    if (recap) {
      AgeRecapBook(session, lines, grouping == 2);
    } else {
      AgeDetailBook(session, limits, lines);
    }
  }
  return session.tables().CloseAll();
}

}  // namespace receivable_reports
