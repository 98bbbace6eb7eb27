// CD1TB: the print of one D1 order, its lines by product-line group with the group sums.
#include <algorithm>

#include "frame/code_pick.h"
#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "purchasing/d1_pages.h"
#include "purchasing/purchase_documents.h"
#include "purchasing/purchasing.h"
#include "purchasing/report_box.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace purchasing {

using frame::Pictured;

namespace {

constexpr int kWidth = 56;

struct OrderLine {
  std::string group, group_name, code, name;
  double cartons = 0, quantity = 0;
};

std::string Pair(double cartons, double quantity) { return Pictured(cartons, " 9,999,999") + Pictured(quantity, " 99,999,999"); }

// The lines (D1CBNG2 rows) of the order `number`, by group and item.
xbase::Status ReadOrder(frame::Session& session, xbase::WorkArea& rows, const std::string& number,
                        std::vector<OrderLine>* lines) {
  std::vector<uint32_t> records;
  xbase::Status s = rows.SetOrder(1);
  if (s.ok()) s = rows.SeekAll(number, &records);
  for (const uint32_t record : records) {
    if (s = rows.GoTo(record); !s.ok()) return s;
    OrderLine line;
    line.code = rows.Text("KODE");
    line.cartons = rows.Number("CARTON");
    line.quantity = rows.Number("QUANTITY");
    line.name = MasterText(session, "MASTBRJ", line.code, "NAMA", 20);
    ItemGroup(session, line.code, &line.group, &line.group_name);
    lines->push_back(std::move(line));
  }
  std::stable_sort(lines->begin(), lines->end(),
                   [](const OrderLine& a, const OrderLine& b) { return a.group + a.code < b.group + b.code; });
  return s;
}

void PrintOrder(frame::Session& session, const xbase::WorkArea& header, const std::vector<OrderLine>& lines,
                int per_page) {
  const std::string rule(kWidth, '=');
  double cartons = 0, quantity = 0;
  D1Pages pages({"D1 - Cabang : " + header.Text("KD_CB"), "      Nomor : " + header.Text("NOMOR"),
                 "    Tanggal : " + xbase::Dtoc(header.DateOf("TANGGAL")),
                 "  Tg. Kirim : " + xbase::Dtoc(header.DateOf("TGKIRIM")), rule,
                 "No. Kode       Nama                    Carton   Quantity", rule},
                per_page, [&] { return std::vector<std::string>{rule, std::string(kPageSumLead) + Pair(cartons, quantity)}; });
  double group_cartons = 0, group_quantity = 0;
  for (size_t k = 0; k < lines.size(); ++k) {
    const OrderLine& line = lines[k];
    if (k == 0 || line.group != lines[k - 1].group) {
      pages.Line("    " + line.group_name, "N");
      group_cartons = group_quantity = 0;
    }
    cartons += line.cartons;
    quantity += line.quantity;
    group_cartons += line.cartons;
    group_quantity += line.quantity;
    pages.Line(Pictured(static_cast<double>(k + 1), "999 ") + line.code + " " + line.name + Pair(line.cartons, line.quantity),
               "N");
    if (k + 1 == lines.size() || lines[k + 1].group != line.group) {
      pages.Line(std::string(kWidth, '-'), "N");
      pages.Line(std::string(kGroupSumLead) + Pair(group_cartons, group_quantity), "N");
    }
  }
  pages.Finish();
  pages.Print(session, "D1", kWidth);
}

}  // namespace

xbase::Status CD1TB(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables =
      frame::OpenTables(session, {{"D1CBNG1"}, {"D1CBNG2"}, {"MASTBRJ"}, {"PATRON2"}, {"PATRON"}, {"KELOMPOK"}});
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(session.console());
  xbase::WorkArea& header = tables["D1CBNG1"];
  std::string number(20, ' ');
  double per_page = 50;
  const auto number_valid = [&] {
    frame::PickSpec pick;
    pick.alias = "D1CBNG1";
    bool found = false;
    if (!frame::Checked(session, frame::PickAndSeek(session, pick, &number, &found))) return false;
    if (xbase::IsBlank(number) || found) return true;
    return pickers::Refuse(session, "Nomor " + std::string(xbase::AllTrim(number)) + " tidak terdaftar");
  };
  while (AskReport(session, "Cetak D1 Tambahan", kCyanBox,
                   {{8, "Nomor :", &number, "@!S18", number_valid}, {9, "Baris/Hal :", &per_page, "99"}}) &&
         !xbase::IsBlank(number)) {
    std::vector<OrderLine> lines;
    if (!frame::Checked(session, header.SetOrder(1)) || !frame::Checked(session, header.Seek(header.PadToField("NOMOR", number))) ||
        !header.found() || !frame::Checked(session, ReadOrder(session, tables["D1CBNG2"], header.Text("NOMOR"), &lines))) {
      continue;
    }
    PrintOrder(session, header, lines, static_cast<int>(per_page));
  }
  return session.tables().CloseAll();
}

}  // namespace purchasing
