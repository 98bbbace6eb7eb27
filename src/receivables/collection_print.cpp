// The printed collection list: the invoices by customer with empty cells the collector fills in by
// hand, customer subtotals, page totals and the summary of what is due by the end date.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/report_engine.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "receivables/collections.h"
#include "receivables/keyed_seek.h"
#include "xbase/date_functions.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace receivables {

using frame::Pictured;

namespace {

using xbase::Value;

// The cells after the amount to collect, left empty for the collector.
constexpr std::array<int, 10> kHandCells = {14, 12, 10, 10, 14, 10, 8, 10, 14, 15};

std::string HandCells() {
  std::string text;
  for (int width : kHandCells) text += std::string(static_cast<size_t>(width), ' ') + "|";
  return text;
}

// The rows up to the amount to collect: 3+20+12+10+13+10+14+14 characters and their bars.
constexpr int kInvoicePart = 103;
const int kWidth = kInvoicePart + 1 + static_cast<int>(HandCells().size());

std::string Cells(const std::vector<std::pair<std::string, int>>& cells, bool centred) {
  std::string text;
  for (size_t i = 0; i < cells.size(); ++i) {
    if (i > 0) text += "|";
    text += centred ? xbase::PadC(cells[i].first, cells[i].second) : xbase::PadR(cells[i].first, cells[i].second);
  }
  return text;
}

std::vector<std::string> ColumnHeading(bool one_section) {
  const std::string groups = xbase::PadC("NOTA PENJUALAN", kInvoicePart) + "|" + xbase::PadC("PENERIMAAN", 64) + "|" +
                             xbase::PadC("POTONGAN", 30) + "|" + xbase::PadC("T O T A L", 14) + "|" +
                             std::string(15, ' ') + "|";
  std::string rules = std::string(kInvoicePart, '-') + "|" + std::string(64, '-') + "|" + std::string(30, '-') + "|" +
                      std::string(14, '-') + "|" + std::string(15, ' ') + "|";
  const std::string captions =
      Cells({{"No.", 3}, {"RELASI", 20}, {"KOTA", 12}, {"Tg. SJ", 10}, {"No. SJ", 13}, {"Tg. JT", 10},
             {"PIUTANG", 14}, {"TAGIHAN", 14}, {"TUNAI", 14}, {"No.", 12}, {"Bank", 10}, {"Tg. JT", 10},
             {"Jumlah", 14}, {"Discount", 10}, {"Materai", 8}, {"Retur", 10}, {"", 14}, {"KETERANGAN", 15}},
            true) +
      "|";
  if (one_section) return {groups, rules, std::string(kWidth, '=')};
  return {groups, rules, captions};
}

struct ListLine {
  std::string company, customer, name, town, nota;
  xbase::Date invoice_date, due;
  double debet = 0, amount = 0;
};

// The list's lines in company, customer and invoice order, with their invoices' and customers' data.
xbase::Status ReadLines(const frame::OpenedTables& tables, std::string_view number, std::vector<ListLine>* out) {
  xbase::WorkArea& lines = tables["Tagih2"];
  xbase::WorkArea& invoice = tables["PiutDbt"];
  xbase::WorkArea& customers = tables["mastcus"];
  std::vector<uint32_t> rows;
  xbase::Status s = lines.SetOrder("TAGIH22");
  if (s.ok()) s = lines.SeekAll(lines.PadToField("NOMOR", number), &rows);
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = lines.GoTo(rows[i]); !s.ok()) break;
    ListLine line{lines.Text("CODE_ID"), lines.Text("RELASI"), "", "", lines.Text("NOTA"), {}, {}, 0,
                  lines.Number("JUMLAH")};
    bool found = false;
    if (s = SeekExact(invoice, "PIUTDBT1", "NOTA", line.nota, &found); s.ok() && found) {
      line.invoice_date = invoice.DateOf("TANGGAL");
      line.due = invoice.DateOf("TEMPO");
      line.debet = invoice.Number("DEBET");
    }
    if (s.ok()) s = SeekExact(customers, "MASTCUS1", "RELASI", line.customer, &found);
    if (s.ok() && found) {
      line.name = customers.Text("NAMA");
      line.town = customers.Text("KOTA");
    }
    out->push_back(std::move(line));
  }
  return s;
}

std::string DateText(xbase::Date date) { return date.empty() ? std::string(10, ' ') : xbase::Dtoc(date); }

std::string Sums(std::string_view label, double debet, double amount) {
  return xbase::PadR(label, 73).substr(0, 73) + "|" + Pictured(debet, "99,999,999,999") + "|" +
         Pictured(amount, "99,999,999,999") + "|";
}

// The pages of one section (all lines, or one company code's).
void Section(const std::vector<ListLine>& lines, const std::vector<std::string>& heading, int per_page,
             xbase::Date end, std::vector<std::vector<std::string>>* pages) {
  const std::string top_rule = heading[3];
  double debet = 0, amount = 0, due = 0;
  size_t n = 0;
  while (n < lines.size()) {
    std::vector<std::string> page = heading;
    int count = 0;
    while (n < lines.size() && count < per_page) {
      const ListLine& line = lines[n];
      page.push_back(Pictured(static_cast<double>(n + 1), "999") + "|" + xbase::PadR(line.name, 20) + "|" +
                     xbase::PadR(line.town, 12) + "|" + DateText(line.invoice_date) + "|" +
                     xbase::PadR(line.nota, 13) + "|" + DateText(line.due) + "|" +
                     Pictured(line.debet, "999,999,999.99") + "|" + Pictured(line.amount, "999,999,999.99") + "|" +
                     HandCells());
      page.push_back(std::string(static_cast<size_t>(kWidth), '-'));
      count += 2;
      debet += line.debet;
      amount += line.amount;
      if (line.due <= end) due += line.amount;
      ++n;
      if (n == lines.size() || lines[n].customer != line.customer) {
        double customer_debet = 0, customer_amount = 0;
        for (const ListLine& other : lines) {
          if (other.customer != line.customer || other.company != line.company) continue;
          customer_debet += other.debet;
          customer_amount += other.amount;
        }
        page.push_back(Sums("                          ** Sub Total " + std::string(xbase::RTrim(line.name)) + " **",
                            customer_debet, customer_amount));
        page.push_back(std::string(static_cast<size_t>(kWidth), '-'));
        count += 3;
      }
    }
    page.push_back(std::string(static_cast<size_t>(kWidth), '='));
    page.push_back(Sums("** T O T A L **", debet, amount));
    page.push_back(top_rule);
    pages->push_back(std::move(page));
  }
  std::vector<std::string>& last = pages->back();
  const std::vector<std::string> summary = {
      "",
      xbase::PadR("Piutang Jatuh Tempo s/d " + xbase::Dtoc(end), 40) + ": " + Pictured(due, "99,999,999,999"),
      xbase::PadR("piutang belum Jatuh Tempo", 40) + ": " + Pictured(amount - due, "99,999,999,999"),
      std::string(42, ' ') + std::string(14, '-'),
      std::string(42, ' ') + Pictured(amount, "99,999,999,999"),
      "",
      "TARGET     :",
      "REALISASI  :",
      "PROSENTASE :",
      "",
      xbase::PadR("TANDA TERIMA TAGIHAN", 60) + "TANDA TERIMA SETORAN",
      "",
      "DISERAHKAN,          DITERIMA,                   DITERIMA,          DISETOR,          MENGETAHUI (BM)"};
  last.insert(last.end(), summary.begin(), summary.end());
}

bool PrintList(frame::Session& session, const std::vector<std::vector<std::string>>& pages) {
  frame::ReportWriter report(session, "lapor");
  if (!report.Start()) return false;
  for (const std::vector<std::string>& page : pages) {
    if (!report.NewPage()) return false;
    for (const std::string& line : page) {
      if (!report.Line(line, "C")) return false;
    }
  }
  frame::ReportLayout layout;
  layout.width = kWidth;
  layout.title = "DAFTAR TAGIHAN";
  layout.left_margin = 0;
  layout.signature_box = false;
  return report.Print(layout);
}

xbase::Status PrintScreen(frame::Session& session, bool by_company) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = OpenCollectionTables(session);
  if (!tables) return xbase::Status::OK();
  xbase::WorkArea& header = tables["Tagih1"];
  xbase::WorkArea& collectors = tables["mastsls"];
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  const console::Attr attr = con.Colour(colour);
  double per_page = 40;
  for (;;) {
    console::SHADOW(con, 7, 15, 15, 64, colour);
    const char* labels[] = {"Nomor Tagih :", "Tanggal     :", "s/d Tanggal :", "Penagih     :", "Baris/Hal   :"};
    for (int i = 0; i < 5; ++i) con.Say(9 + i, 17, labels[i], attr);
    std::string number(10, ' ');
    xbase::Date date, end;
    console::GetList form;
    form.Add(9, 31, &number, "@!").valid = [&] {
      if (xbase::IsBlank(number)) return true;
      bool found = false;
      xbase::Status s = frame::PickCode(
          session, PickOf("Tagih1", {"nomor", "tanggal", "penagih"}, {"Nomor", "Tanggal", "Penagih"}), &number);
      if (s.ok()) s = SeekExact(header, "TAGIH11", "NOMOR", number, &found);
      number = xbase::PadR(xbase::RTrim(number), 10);
      if (!frame::Checked(session, s)) return false;
      if (!found) return pickers::Refuse(session, "TAGIHAN " + std::string(xbase::RTrim(number)) + " tidak ada");
      date = header.DateOf("TANGGAL");
      end = date + 6;
      const std::string collector = header.Text("PENAGIH");
      std::string name;
      if (SeekExact(collectors, "MASTSLS1", "SALES", collector, &found).ok() && found) {
        name = collectors.Text("NAMA");
      }
      con.Say(12, 31, collector + " - " + name, attr);
      return true;
    };
    form.Add(10, 31, &date);
    form.Add(11, 31, &end);
    form.Add(13, 31, &per_page, "999").valid = [&] { return per_page > 10; };
    if (form.Read(con).escaped || xbase::IsBlank(number)) break;
    console::WARNING(con, "........tunggu sedang buat file laporan.........", "Gr+/r");
    std::vector<std::vector<std::string>> pages;
    if (CollectionPages(session, tables, number, end, static_cast<int>(per_page), by_company, &pages)) {
      PrintList(session, pages);
    }
  }
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace

bool CollectionPages(frame::Session& session, const frame::OpenedTables& tables, std::string_view number,
                     xbase::Date end, int per_page, bool by_company, std::vector<std::vector<std::string>>* pages) {
  pages->clear();
  xbase::WorkArea& header = tables["Tagih1"];
  xbase::WorkArea& collectors = tables["mastsls"];
  bool found = false;
  xbase::Status s = SeekExact(header, "TAGIH11", "NOMOR", number, &found);
  if (!frame::Checked(session, s)) return false;
  if (!found) return pickers::Refuse(session, "TAGIHAN " + std::string(xbase::RTrim(number)) + " tidak ada");
  const xbase::Date date = header.DateOf("TANGGAL");
  const std::string collector = header.Text("PENAGIH");
  std::string name;
  s = SeekExact(collectors, "MASTSLS1", "SALES", collector, &found);
  if (s.ok() && found) name = collectors.Text("NAMA");
  std::vector<ListLine> lines;
  if (s.ok()) s = ReadLines(tables, number, &lines);
  if (!frame::Checked(session, s)) return false;
  const std::vector<std::string> title = {
      "TAGIHAN PIUTANG" + std::string(105, ' ') + "NOMOR : " + std::string(number),
      "PERIODE : " + xbase::Dtoc(date) + " s/d " + xbase::Dtoc(end),
      "SALES   : " + collector + " - " + std::string(xbase::RTrim(name))};
  size_t from = 0;
  do {
    size_t to = lines.size();
    std::string rule(static_cast<size_t>(kWidth), '=');
    if (by_company && from < lines.size()) {
      to = from;
      while (to < lines.size() && lines[to].company == lines[from].company) ++to;
      std::string code(xbase::RTrim(lines[from].company));
      code.resize(4, '=');
      rule = rule.substr(0, rule.size() - 4) + code;
    }
    std::vector<std::string> heading = title;
    heading.push_back(rule);
    for (const std::string& line : ColumnHeading(!by_company)) heading.push_back(line);
    heading.push_back(std::string(static_cast<size_t>(kWidth), '='));
    const std::vector<ListLine> section(lines.begin() + static_cast<std::ptrdiff_t>(from),
                                        lines.begin() + static_cast<std::ptrdiff_t>(to));
    if (section.empty()) {
      pages->push_back(heading);
    } else {
      Section(section, heading, per_page, end, pages);
    }
    from = to;
  } while (from < lines.size());
  return true;
}

xbase::Status TAGIH2(frame::Session& session, const std::vector<xbase::Value>&) { return PrintScreen(session, true); }
xbase::Status TAGIH3(frame::Session& session, const std::vector<xbase::Value>&) { return PrintScreen(session, false); }

}  // namespace receivables
