// NETITEM "Net Item Sales by Customer Detail": every sold and returned line of a period per customer, in a workbook.
#include <algorithm>

#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "performance/performance.h"
#include "recaps/recap_report.h"
#include "recaps/recap_screens.h"
#include "recaps/recap_tables.h"
#include "recaps/report_box.h"
#include "recaps/sales_documents.h"
#include "text/date_helpers.h"
#include "xbase/date_functions.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace recaps {
namespace {

const std::vector<std::string> kHeadings = {
    "Customer Id", "Customer Name", "Kota",         "Invoice",  "Month",   "Detail Date",   "Salesman", "Item No.",
    "Item Desc.",  "Quantity",      "Carton",       "Pack",     "Berat(Kg)  ", "Sales Amout", "Item Price", "Disc. 1",
    "Disc. 2",     "Disc. 3",       "Disc. 4",      "Item Catagory", "type", "ID",          "gudang",   "Outlet",
    "No. PO",      "Kelompok",      "Induk",        "Nama Induk", "KodeBM", "Group"};

// A document of the period: its kind, customer, date and record.
struct Document {
  bool sale;
  std::string customer;
  xbase::Date date;
  uint32_t recno;
};

// A field of the row of `key` in `area` (seeked on its controlling order), blank without one.
std::string Lookup(xbase::WorkArea& area, std::string_view key_field, const std::string& key, std::string_view field) {
  if (xbase::LookUp(area, area.PadToField(key_field, xbase::AllTrim(key)))) {
    return std::string(xbase::RTrim(area.Text(field)));
  }
  return "";
}

// The PATRON4 node whose code is the longest prefix (of 2 characters or more) of the line code.
std::pair<std::string, std::string> ParentNode(xbase::WorkArea& nodes, std::string_view line) {
  for (int length = static_cast<int>(xbase::RTrim(line).size()); length >= 2; --length) {
    const std::string code(xbase::Left(line, length));
    if (xbase::LookUp(nodes, nodes.PadToField("KODE", code))) {
      return {code, std::string(xbase::RTrim(nodes.Text("NAMA")))};
    }
  }
  return {};
}

class NetItems {
 public:
  NetItems(frame::Session& session, const frame::OpenedTables& tables, const DocumentFilter& filter, std::string item)
      : session_(session), tables_(tables), filter_(filter), item_(std::move(item)) {}

  bool Write() {
    std::vector<Document> documents;
    xbase::Status s;
    for (const DocumentKind* kind : {&kNotes, &kReturns}) {
      if (!s.ok()) break;
      s = ForEachDocument(tables_, *kind, filter_, [&](xbase::WorkArea& header, xbase::WorkArea&, const std::vector<uint32_t>&) {
        documents.push_back({kind == &kNotes, header.Text("RELASI"), header.DateOf("TANGGAL"), header.recno()});
        return xbase::Status::OK();
      });
    }
    std::stable_sort(documents.begin(), documents.end(), [](const Document& a, const Document& b) {
      return a.customer != b.customer ? a.customer < b.customer : a.date < b.date;
    });
    frame::SpreadsheetExport book(session_, "Net Item Sales by Customer Detail");
    platform::Worksheet& sheet = book.ActiveSheet();
    sheet.SetValue(1, 1, "Net Item Sales by Customer Detail");
    sheet.SetValue(2, 1, "From : " + xbase::Dtoc(filter_.from) + " To " + xbase::Dtoc(filter_.to));
    sheet.Merge("A1:O1");
    sheet.Merge("A2:O2");
    sheet.SetFontSize("A1:A2", 12);
    for (size_t i = 0; i < kHeadings.size(); ++i) sheet.SetValue(4, static_cast<int>(i) + 1, kHeadings[i]);
    sheet.Bold("A4:AD4");
    row_ = 4;
    for (size_t i = 0; i < documents.size() && s.ok(); ++i) s = WriteDocument(sheet, documents[i]);
    if (!frame::Checked(session_, s)) return false;
    sheet.SetValue(++row_, 9, "TOTAL");
    WriteNumbers(sheet, row_, 11, {totals_[0], totals_[1], 0, totals_[2]});
    const std::string last = "A" + std::to_string(row_) + ":AB" + std::to_string(row_);
    sheet.SetFill(last, 45);
    sheet.Bold(last);
    sheet.SetNumberFormat("E", "mmm-yy");
    sheet.SetNumberFormat("F", "dd-mmm-yy");
    sheet.SetNumberFormat("G", "@");
    sheet.SetNumberFormat("J", frame::kAmountFormat);
    sheet.SetNumberFormat("K:R", frame::kTwoDecimalFormat);
    sheet.AutoFit("A:AD");
    return book.Show();
  }

 private:
  xbase::Status WriteDocument(platform::Worksheet& sheet, const Document& document) {
    const DocumentKind& kind = document.sale ? kNotes : kReturns;
    xbase::WorkArea& header = tables_[kind.header];
    xbase::WorkArea& lines = tables_[kind.lines];
    std::vector<uint32_t> records;
    xbase::Status s = header.GoTo(document.recno);
    if (s.ok()) s = lines.SeekAll(header.Text(kind.number), &records);
    const double sign = document.sale ? 1 : -1;
    const std::string customer = header.Text("RELASI"), number = header.Text(kind.number);
    for (size_t i = 0; s.ok() && i < records.size(); ++i) {
      s = lines.GoTo(records[i]);
      if (!s.ok() || !Begins(lines.Text("KODE"), item_)) continue;
      const std::string item = lines.Text("KODE");
      const double amount = LineValue(lines) * HeaderFactor(header);
      const double carton_size = cartons_.Number(item, &s);
      const double pack_size = packs_.Number(item, &s);
      double cartons = 0;
      if (s.ok()) s = performance::KONVERSIBOX(session_, item, lines.Number("QUANTITY"), carton_size, amount, &cartons);
      if (!s.ok()) break;
      const double packs = pack_size == 0 ? 0 : lines.Number("QUANTITY") / pack_size;
      const std::string line = Lookup(tables_["PATRON2"], "KODE", item, "PATRON");
      const auto [parent, parent_name] = ParentNode(tables_["PATRON4"], line);
      const int row = ++row_;
      sheet.SetValue(row, 1, frame::AsText(xbase::RTrim(customer)));
      sheet.SetValue(row, 2, Lookup(tables_["MASTCUS"], "RELASI", customer, "NAMA"));
      sheet.SetValue(row, 3, Lookup(tables_["MASTCUS"], "RELASI", customer, "KOTA"));
      sheet.SetValue(row, 4, frame::AsText(xbase::RTrim(number)));
      sheet.SetDate(row, 5, header.DateOf("TANGGAL"));
      sheet.SetDate(row, 6, header.DateOf("TANGGAL"));
      sheet.SetValue(row, 7, frame::AsText(xbase::RTrim(header.Text("SALES"))));
      sheet.SetValue(row, 8, frame::AsText(xbase::RTrim(item)));
      sheet.SetValue(row, 9, Lookup(tables_["MASTBRJ"], "KODE", item, "NAMA"));
      WriteNumbers(sheet, row, 10,
                   {sign * lines.Number("QUANTITY"), sign * cartons, sign * packs, 0, sign * amount, lines.Number("HARGA"),
                    lines.Number("DISCOUNT"), lines.Number("DISCOUNT2"), header.Number("DISCOUNT"),
                    header.Number("DISCOUNT2")});
      sheet.SetValue(row, 20, Lookup(tables_["MASTBRJ"], "KODE", item, "GOLONGAN"));
      sheet.SetValue(row, 21, document.sale ? "J" : "R");
      sheet.SetValue(row, 22, "'01");
      sheet.SetValue(row, 23, std::string(xbase::RTrim(lines.Text("GUDANG"))));
      sheet.SetValue(row, 24, Lookup(tables_["MASTCUS"], "RELASI", customer, "KELOMPOK"));
      if (document.sale) sheet.SetValue(row, 25, frame::AsText(xbase::RTrim(header.Text("NOMOR"))));
      sheet.SetValue(row, 26, frame::AsText(xbase::RTrim(line)));
      sheet.SetValue(row, 27, frame::AsText(parent));
      sheet.SetValue(row, 28, parent_name);
      sheet.SetValue(row, 29, Lookup(tables_["BMONITOR"], "INVOICE", number, "KODEBM"));
      totals_[0] += sign * cartons;
      totals_[1] += sign * packs;
      totals_[2] += sign * amount;
    }
    return s;
  }

  frame::Session& session_;
  const frame::OpenedTables& tables_;
  DocumentFilter filter_;
  std::string item_;
  int row_ = 4;
  double totals_[3] = {0, 0, 0};
  MasterLookup cartons_{tables_["MASTBRJ"], "DOS"};
  MasterLookup packs_{tables_["MASTBRJ"], "PAK"};
};

}  // namespace

xbase::Status NETITEM(frame::Session& session, const Args&) {
  const frame::OpenedTables tables =
      OpenTables(session, {{"SRTJLN1"}, {"SRTJLN2"}, {"RTJUAL1"}, {"RTJUAL2"}, {"MASTCUS"}, {"MASTBRJ"},
                           {"KONVERT", "konvert"}, {"PATRON2", "PATRON2", false, "PATRON22"}, {"PATRON4"}, {"BMONITOR"}});
  if (!tables) return xbase::Status::OK();
  DocumentFilter filter = ThisMonth(session, true);
  std::string item(10, ' ');
  while (AskInBox(session, {"Net Item Sales by Customer Detail"},
                  {{"From     :", &filter.from},
                   {"To       :", &filter.to},
                   {"Customer :", &filter.customer, "@!"},
                   {"Salesman :", &filter.salesman, "@!"},
                   {"ItemCode :", &item, "@!"},
                   {"Type     :", &filter.type, "@!"}}) &&
         !filter.from.empty() && !filter.to.empty()) {
    NetItems(session, tables, filter, item).Write();
  }
  return session.tables().CloseAll();
}

}  // namespace recaps
