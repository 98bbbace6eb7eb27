// J1608 "REKAP PROFORMA INVOICE" and J1607 "DETAIL PROFORMA INVOICE": the proformas of a period,
// ordered, delivered and open, per goods or per proforma line.
#include "sales/proforma_recap.h"

#include <algorithm>
#include <map>
#include <string>

#include "console/alert.h"
#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/open_table.h"
#include "frame/report_engine.h"
#include "frame/status_display.h"
#include "pickers/lookups.h"
#include "sales/proforma.h"
#include "xbase/date_functions.h"
#include "xbase/keyed_read.h"
#include "xbase/number_text.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

constexpr char kQuantity[] = "99,999,999";
constexpr char kCartons[] = "9,999,999.99";
constexpr char kValue[] = "99,999,999,999.99";

std::string Picture(double value, std::string_view picture) {
  return " " + xbase::Transform(xbase::Value::Num(value), picture);
}

struct Totals {
  double ordered = 0, delivered = 0, cartons_ordered = 0, cartons_delivered = 0, value_ordered = 0, value_delivered = 0;
  void Add(const ProformaFigure& f) {
    ordered += f.ordered;
    delivered += f.delivered;
    cartons_ordered += f.dos > 0 ? f.ordered / f.dos : 0;
    cartons_delivered += f.dos > 0 ? f.delivered / f.dos : 0;
    value_ordered += f.ordered * f.unit;
    value_delivered += f.delivered * f.unit;
  }
  std::string Row(std::string_view label) const {
    std::string text = xbase::PadR(label, 42);
    const double cartons[] = {cartons_ordered, cartons_delivered, cartons_ordered - cartons_delivered};
    const double pieces[] = {ordered, delivered, ordered - delivered};
    const double values[] = {value_ordered, value_delivered, value_ordered - value_delivered};
    for (int i = 0; i < 3; ++i) text += Picture(pieces[i], kQuantity) + Picture(cartons[i], kCartons) + Picture(values[i], kValue);
    return text;
  }
};

const std::string kHeadingTop = std::string(42, ' ') + xbase::PadR("  ------------------ PROFORMA ------------------", 44) +
                                xbase::PadR(" ------------------ TERKIRIM ------------------", 44) +
                                " -------------------- SALDO -------------------";
std::string Heading(std::string_view first) {
  std::string text = xbase::PadR(first, 42);
  for (int i = 0; i < 3; ++i) text += "    QUANTITY       CARTON              VALUE";
  return text;
}

// The goods group's place in MASTGOL, then the code.
double GroupOrder(frame::Session& session, std::string_view group) {
  xbase::WorkArea* groups = session.tables().Area("mastgol");
  if (groups == nullptr || !groups->SetOrder(1).ok() || !groups->Seek(groups->PadToField("KODE", group)).ok() ||
      !groups->found()) {
    return 1e9;
  }
  return groups->Number("URUTAN");
}

bool Matches(std::string_view wanted, std::string_view value) {
  return xbase::IsBlank(wanted) || xbase::RTrim(wanted) == xbase::RTrim(value);
}

// The box; false after Esc.
bool AskFilter(frame::Session& session, std::string_view title, ProformaFilter* filter) {
  console::Console& con = session.console();
  const std::string_view colour = con.Pick("W+/b,Gr+/r", "W+/n,n/w");
  console::ISHADOW(con, 6, 18, 15, 61, colour);
  console::TENGAH(con, 7, title, colour);
  const console::Attr attr = con.Colour(colour);
  con.Say(9, 20, "RELASI   : ", attr);
  con.Say(10, 20, "KELOMPOK : ", attr);
  con.Say(11, 20, "TIPE     : ", attr);
  con.Say(12, 20, "TANGGAL  : ", attr);
  con.Say(12, 42, "S/D", attr);
  con.Say(13, 20, "Brs/Hal  : ", attr);
  console::GetList form;
  form.Add(9, 31, &filter->customer, "@!");
  form.Add(10, 31, &filter->group, "@!");
  form.Add(11, 31, &filter->type, "@!");
  form.Add(12, 31, &filter->from, "");
  form.Add(12, 46, &filter->to, "");
  form.Add(13, 31, &filter->rows_per_page, "999");
  return !form.Read(con).escaped;
}

void PrintRows(frame::Session& session, const std::vector<std::string>& rows, const ProformaFilter& filter,
               std::string_view title) {
  frame::ReportWriter report(session);
  if (!report.Start()) return;
  const size_t per_page = static_cast<size_t>(std::max(10.0, filter.rows_per_page));
  const std::vector<std::string> heading = {std::string(title),
                                            "Tanggal : " + xbase::Dtoc(filter.from) + " s/d " + xbase::Dtoc(filter.to), ""};
  for (size_t i = 0; i < rows.size(); ++i) {
    if (i % per_page == 0) {
      if (!report.NewPage()) return;
      for (const std::string& line : heading) {
        if (!report.Line(line, "C")) return;
      }
    }
    if (!report.Line(rows[i], "C")) return;
  }
  frame::ReportLayout layout;
  layout.title = "PRO";
  layout.left_margin = 2;
  layout.width = static_cast<int>(rows.empty() ? 80 : rows.front().size());
  report.Print(layout);
}

// Adds the figures of the proforma lines `records` of the current header, with each item's name,
// group and carton size (blank and 0 for an item missing from MASTBRJ).
xbase::Status AddFigures(const xbase::WorkArea& headers, xbase::WorkArea& lines, xbase::WorkArea& goods,
                         const std::vector<uint32_t>& records, std::vector<ProformaFigure>* figures) {
  xbase::Status s = goods.SetOrder("MASTBRJ1");
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = lines.GoTo(records[i]); !s.ok()) break;
    ProformaFigure figure;
    figure.number = headers.Text("NOMOR");
    figure.date = headers.DateOf("TANGGAL");
    figure.code = lines.Text("KODE");
    bool known = false;
    if (s = xbase::SeekFound(goods, goods.PadToField("KODE", figure.code), &known); !s.ok()) break;
    if (known) {
      figure.name = goods.Text("NAMA");
      figure.goods_group = goods.Text("GOLONGAN");
      figure.dos = goods.Number("DOS");
    }
    figure.ordered = lines.Number("QUANTITY");
    figure.delivered = lines.Number("REALISASI");
    figure.unit = lines.Number("HARGA") * (100 - lines.Number("DISCOUNT")) / 100 * (100 - lines.Number("DISCOUNT2")) /
                  100 * (100 - headers.Number("DISCOUNT")) / 100 * (100 - headers.Number("DISCOUNT2")) / 100;
    figures->push_back(figure);
  }
  return s;
}

xbase::Status Report(frame::Session& session, bool detail) {
  const frame::OpenedTables tables =
      frame::OpenTables(session, {"pro_in1", "pro_in2", "mastcus", "mastbrj", "mastgol"});
  if (!tables) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  ProformaFilter filter;
  filter.from = xbase::Date::FromYmd(session.Today().year(), session.Today().month(), 1);
  filter.to = session.Today();
  const std::string title = detail ? " DETAIL PROFORMA INVOICE  " : "  REKAP PROFORMA INVOICE  ";
  while (AskFilter(session, title, &filter)) {
    std::vector<ProformaFigure> figures;
    if (!frame::Checked(session, CollectProformas(session, tables, filter, &figures))) continue;
    if (!detail) {
      PrintRows(session, ProformaRecapRows(session, figures), filter, "REKAP PROFORMA INVOICE");
      continue;
    }
    const int output = console::Alert(con, "Output Laporan", {"Excell", "Text"});
    if (output == 1) DPROEXCEL(session, figures, filter);
    if (output == 2) PrintRows(session, ProformaDetailRows(figures), filter, "DETAIL PROFORMA INVOICE");
  }
  return frame::CloseTables(session, xbase::Status::OK());
}

}  // namespace

xbase::Status CollectProformas(frame::Session& session, const frame::OpenedTables& tables,
                               const ProformaFilter& filter, std::vector<ProformaFigure>* figures) {
  figures->clear();
  xbase::WorkArea& headers = tables["pro_in1"];
  xbase::WorkArea& lines = tables["pro_in2"];
  xbase::WorkArea& customers = tables["mastcus"];
  xbase::WorkArea& goods = tables["mastbrj"];
  int step = 0;
  xbase::Status s = headers.SetOrder("PRO_IN13");
  if (s.ok()) s = headers.Seek(filter.from.Dtos(), true);
  for (; s.ok() && !headers.eof() && headers.DateOf("TANGGAL") <= filter.to; s = headers.Skip(1)) {
    pickers::BUSYSIGN(session.console(), &step, 24, 0);
    session.console().Say(24, 2, "Proses Proforma  " + std::string(xbase::RTrim(headers.Text("NOMOR"))),
                          session.console().colours().standard);
    if (xbase::RTrim(headers.Text("NO_REFF")) == "BATAL") continue;
    if (!Matches(filter.type, headers.Text("TIPE")) || !Matches(filter.customer, headers.Text("RELASI"))) continue;
    // The customer's group selects the proforma: a customer missing from MASTCUS has none.
    bool known = false;
    if (s = customers.SetOrder(1); s.ok()) s = xbase::SeekFound(customers, headers.Text("RELASI"), &known);
    if (!s.ok()) break;
    if (!Matches(filter.group, known ? customers.Text("KELOMPOK") : std::string())) continue;
    std::vector<uint32_t> records;
    if (s = lines.SetOrder("PRO_IN21"); s.ok()) s = lines.SeekAll(headers.Text("NOMOR"), &records);
    if (s.ok()) s = AddFigures(headers, lines, goods, records, figures);
    if (!s.ok()) break;
  }
  return s;
}

std::vector<std::string> ProformaRecapRows(frame::Session& session, const std::vector<ProformaFigure>& figures) {
  // Per goods: the figures of every proforma line of the code added up.
  std::map<std::string, std::pair<ProformaFigure, Totals>> per_goods;
  for (const ProformaFigure& figure : figures) {
    auto& [first, totals] = per_goods[figure.code];
    if (first.code.empty()) first = figure;
    totals.Add(figure);
  }
  std::vector<std::pair<double, std::string>> order;
  for (const auto& [code, entry] : per_goods) order.push_back({GroupOrder(session, entry.first.goods_group), code});
  std::sort(order.begin(), order.end());
  std::vector<std::string> rows = {kHeadingTop, Heading("KODE       NAMA"), std::string(174, '-')};
  Totals group_total, grand;
  std::string group;
  for (size_t i = 0; i < order.size(); ++i) {
    const auto& [figure, totals] = per_goods[order[i].second];
    if (i > 0 && figure.goods_group != group) {
      rows.push_back(group_total.Row("Jumlah " + std::string(xbase::RTrim(group))));
      group_total = Totals();
    }
    group = figure.goods_group;
    rows.push_back(totals.Row(figure.code + " " + xbase::PadR(figure.name, 30).substr(0, 30)));
    for (const ProformaFigure& each : figures) {
      if (each.code == figure.code) {
        group_total.Add(each);
        grand.Add(each);
      }
    }
  }
  if (!order.empty()) rows.push_back(group_total.Row("Jumlah " + std::string(xbase::RTrim(group))));
  rows.push_back(std::string(174, '-'));
  rows.push_back(grand.Row("GRAND TOTAL"));
  return rows;
}

std::vector<std::string> ProformaDetailRows(const std::vector<ProformaFigure>& figures) {
  std::vector<std::string> rows = {kHeadingTop, Heading("NOMOR      TANGGAL    KODE       NAMA"), std::string(174, '-')};
  Totals grand;
  for (const ProformaFigure& figure : figures) {
    Totals line;
    line.Add(figure);
    grand.Add(figure);
    rows.push_back(line.Row(figure.number.substr(0, 10) + " " + xbase::Dtoc(figure.date) + " " + figure.code + " " +
                            xbase::PadR(figure.name, 9).substr(0, 9)));
  }
  rows.push_back(std::string(174, '-'));
  rows.push_back(grand.Row("GRAND TOTAL"));
  return rows;
}

xbase::Status J1607(frame::Session& session, const std::vector<xbase::Value>&) { return Report(session, true); }

xbase::Status J1608(frame::Session& session, const std::vector<xbase::Value>&) { return Report(session, false); }

}  // namespace sales
