// DAFTAR PELUNASAN PIUTANG: every payment-receipt line of a period with its amount in the column of
// its settlement class, a sum per receipt of several lines and the grand sums.
#include <array>

#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "receivable-reports/limits_form.h"
#include "receivable-reports/list_reports.h"
#include "receivable-reports/receivable_book.h"
#include "receivable-reports/report_screens.h"
#include "receivable-reports/sheet_table.h"
#include "xbase/text_functions.h"

namespace receivable_reports {

using frame::Pictured;
using frame::Trimmed;

namespace {

using Sums = std::array<double, kPaymentColumns>;
constexpr std::array<std::string_view, kPaymentColumns> kColumnHeads = {
    "GIRO(Rp.)", "TUNAI(Rp.)", "RETUR(Rp.)", "DISC.(Rp)", "BIAYA (Rp.)", "FS/FB (Rp.)"};
constexpr std::string_view kFigure = " 99,999,999,999.99";
constexpr int kLabelWidth = 113;

std::string Heading() {
  std::string heading = Cut("  NO.", 6) + Cut("TANGGAL", 11) + Cut("NO. TT", 11) + Cut("NOTA", 16) + Cut("CUSTOMER", 11) +
                        Cut("NAMA", 31) + Cut("TP", 3) + Cut("KD", 3) + Cut("NO. BUKTI", 21);
  for (const std::string_view head : kColumnHeads) heading += xbase::PadL(head, 18);
  return heading;
}

std::string Title(const ListLimits& limits) { return "DAFTAR PEMBAYARAN PIUTANG, TANGGAL " + Period(limits.from, limits.to); }
std::string SubTitle(const ListLimits& limits) {
  return "CUSTOMER : " + Trimmed(limits.customer) + ", CABANG : " + Trimmed(limits.branch);
}

int ColumnOf(std::string_view code, std::string_view option) {
  switch (ClassOf(code)) {
    case SettleClass::kInstrument: return kGiro;
    case SettleClass::kCash: return kTunai;
    case SettleClass::kReturn: return kRetur;
    case SettleClass::kFreeGoods: return kFsFb;
    case SettleClass::kDeduction: return option == "4" ? kDisc : option == "5" ? kBiaya : kPaymentColumns;
    default: return kPaymentColumns;
  }
}

Sums Figures(const PaymentRow& row) {
  Sums sums{};
  if (row.column < kPaymentColumns) sums[static_cast<size_t>(row.column)] = row.amount;
  return sums;
}
void AddTo(Sums* sums, const Sums& more) {
  for (size_t i = 0; i < sums->size(); ++i) (*sums)[i] += more[i];
}
std::string FiguresText(const Sums& sums) {
  std::string text;
  for (const double figure : sums) text += Pictured(figure, kFigure);
  return text;
}

// Calls row() per line, receipt() after a receipt of more than one line, then total().
template <typename RowFn, typename ReceiptFn, typename TotalFn>
void Walk(const std::vector<PaymentRow>& rows, RowFn row, ReceiptFn receipt, TotalFn total) {
  Sums all{};
  int number = 0;
  for (size_t i = 0; i < rows.size();) {
    Sums sums{};
    size_t j = i;
    for (; j < rows.size() && rows[j].kdcb == rows[i].kdcb && rows[j].nomor == rows[i].nomor; ++j) {
      row(++number, rows[j]);
      AddTo(&sums, Figures(rows[j]));
    }
    if (j - i > 1) receipt(sums);
    AddTo(&all, sums);
    i = j;
  }
  total(all);
}

}  // namespace

xbase::Status PaymentRows(frame::Session& session, const ListLimits& limits, std::vector<PaymentRow>* rows) {
  rows->clear();
  xbase::WorkArea* headers = frame::AreaOf(session, "PIUTKR1");
  xbase::WorkArea* lines = frame::AreaOf(session, "PIUTKR2");
  xbase::WorkArea* piutdbt = frame::AreaOf(session, "PIUTDBT");
  if (headers == nullptr || lines == nullptr || piutdbt == nullptr) {
    return xbase::Status::NotFound("PIUTKR1/PIUTKR2/PIUTDBT", "not open");
  }
  CustomerLookup customers(session);
  SettlementOptions options(session);
  xbase::Status read = piutdbt->SetOrder("PIUTDBT1");
  xbase::Status s = ForEachFrom(*headers, "PIUTKR12", limits.from.Dtos(), [&] {
    const xbase::Date date = headers->DateOf("TANGGAL");
    if (date > limits.to || !read.ok()) return false;
    if (!Begins(headers->Text("KDCB"), limits.branch)) return true;
    const std::string kdcb = headers->Text("KDCB"), nomor = headers->Text("NOMOR");
    read = ForEachKeyed(*lines, "PIUTKR21", kdcb + nomor, [&] {
      PaymentRow row{date, Trimmed(kdcb), Trimmed(nomor), Trimmed(lines->Text("NOTA"))};
      row.kd_tt = Trimmed(lines->Text("KD_TT"));
      row.no_bukti = Trimmed(lines->Text("NO_BUKTI"));
      row.amount = lines->Number("KREDIT");
      read = piutdbt->Seek(piutdbt->PadToField("NOTA", row.nota));
      if (!read.ok()) return false;
      if (piutdbt->found()) {
        row.relasi = Trimmed(piutdbt->Text("RELASI"));
        row.tipe = Trimmed(piutdbt->Text("TIPE"));
      }
      if (!Begins(row.relasi, limits.customer)) return true;
      Customer customer;
      std::string option;
      read = customers.Find(row.relasi, &customer);
      if (read.ok()) read = options.Find(row.kd_tt, &option);
      row.name = customer.name;
      row.column = ColumnOf(row.kd_tt, option);
      rows->push_back(std::move(row));
      return read.ok();
    });
    return read.ok();
  });
  return s.ok() ? read : s;
}

ReportText PaymentListText(const ListLimits& limits, const std::vector<PaymentRow>& rows) {
  const std::string heading = Heading();
  const std::string rule(heading.size(), '-');
  ReportText report({{Title(limits), std::string(kTitle)},
                     {SubTitle(limits), std::string(kBody)},
                     {rule, std::string(kBody)},
                     {heading, std::string(kBody)},
                     {rule, std::string(kBody)}},
                    limits.per_page);
  if (rows.empty()) return report;
  Walk(
      rows,
      [&](int number, const PaymentRow& row) {
        report.Add(Pictured(number, "99999") + " " + DateText(row.date) + " " + Cut(row.nomor, 10) + " " + Cut(row.nota, 15) +
                   " " + Cut(row.relasi, 10) + " " + Cut(row.name, 30) + " " + Cut(row.tipe, 2) + " " + Cut(row.kd_tt, 2) +
                   " " + Cut(row.no_bukti, 20) + " " + FiguresText(Figures(row)));
      },
      [&](const Sums& sums) { report.Add(Cut("JUMLAH : ", kLabelWidth) + FiguresText(sums), kGroup); },
      [&](const Sums& all) {
        report.Add(rule);
        report.Add(Cut("** T O T A L **", kLabelWidth) + FiguresText(all), kGrand);
      });
  return report;
}

void PaymentListBook(frame::Session& session, const ListLimits& limits, const std::vector<PaymentRow>& rows) {
  std::vector<std::string> heads = {"NO.", "TANGGAL", "NO. TT", "NOTA", "CUSTOMER", "NAMA", "TP", "KD", "NO. BUKTI"};
  heads.insert(heads.end(), kColumnHeads.begin(), kColumnHeads.end());
  SheetTable sheet(session, "DAFTAR PELUNASAN PIUTANG", {Title(limits), SubTitle(limits)}, heads);
  const auto sums_row = [&](std::string label, const Sums& sums) {
    std::vector<SheetCell> cells(8, std::string());
    cells.push_back(std::move(label));
    cells.insert(cells.end(), sums.begin(), sums.end());
    sheet.Row(cells, true);
  };
  Walk(
      rows,
      [&](int number, const PaymentRow& row) {
        std::vector<SheetCell> cells = {static_cast<double>(number), row.date, frame::AsText(row.nomor),
                                        frame::AsText(row.nota), frame::AsText(row.relasi), row.name,
                                        frame::AsText(row.tipe), row.kd_tt, frame::AsText(row.no_bukti)};
        const Sums figures = Figures(row);
        cells.insert(cells.end(), figures.begin(), figures.end());
        sheet.Row(cells);
      },
      [&](const Sums& sums) { sums_row("JUMLAH : ", sums); },
      [&](const Sums& all) { sums_row("TOTAL", all); });
  sheet.Show();
}

xbase::Status LDAFLUNAS(frame::Session& session, const Args&) {
  if (!frame::OpenTables(session, {"MASTCUS", "MASTJNS", "PIUTDBT", "PIUTKR1", "PIUTKR2"})) return xbase::Status::OK();
  ListLimits limits{Blank(10), Blank(6), session.Today(), session.Today()};
  double per_page = 55;
  while (AskLimits(session, "DAFTAR PELUNASAN PIUTANG",
                   {{"CUSTOMER :", &limits.customer, "@!"},
                    {"KD CABANG :", &limits.branch, "@!"},
                    {"TANGGAL :", &limits.from},
                    {"s/d TGL :", &limits.to},
                    {"BRS/HAL :", &per_page, "99"}})) {
    limits.per_page = static_cast<int>(per_page);
    const Media media = AskMedia(session);
    if (media == Media::kNone) continue;
    std::vector<PaymentRow> rows;
    if (!frame::Checked(session, PaymentRows(session, limits, &rows))) break;
    if (media == Media::kPrinter) {
      PrintReport(session, PaymentListText(limits, rows), "DAFTAR PELUNASAN PIUTANG");
    } else {
      PaymentListBook(session, limits, rows);
    }
  }
  return session.tables().CloseAll();
}

}  // namespace receivable_reports
