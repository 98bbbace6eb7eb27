// BRSIKI: the prints of a driver memo, chosen by the menu's argument: "S" its goods per delivery note,
// "D" its goods summed per goods code with the notes that carry them, "R" the TTSJ recap with each
// note's cartons, packs and pieces read from its goods lines.
#include <algorithm>
#include <map>

#include "frame/status_display.h"
#include "memos/delivery_notes.h"
#include "memos/driver_memo.h"
#include "memos/memo_entry.h"
#include "memos/memo_list_pages.h"
#include "memos/memo_lists.h"
#include "memos/memo_screens.h"
#include "pickers/pickers.h"
#include "text/date_helpers.h"
#include "xbase/text_functions.h"

namespace memos {
namespace {

// A goods line of a delivery note with its quantity split by the goods' sizes.
struct GoodsLine {
  std::string invoice;
  std::string code;
  std::string name;
  double quantity = 0;
  CartonSplit split;
};

// The goods lines of the driver memo's notes, in the order of the rows.
bool MemoGoods(frame::Session& session, const frame::OpenedTables& tables, const DriverMemoForm& memo,
               std::vector<GoodsLine>* lines) {
  xbase::WorkArea& goods = tables["Kartu"];
  xbase::WorkArea& items = tables["mastbrj"];
  for (const console::ValueRow& row : memo.rows) {
    const std::string invoice = CellText(row, kDriverNote);
    std::vector<uint32_t> records;
    if (xbase::IsBlank(invoice)) continue;
    if (!frame::Checked(session, NoteGoods(tables, invoice, &records))) return false;
    for (uint32_t record : records) {
      if (!frame::Checked(session, goods.GoTo(record))) return false;
      GoodsLine line{invoice, goods.Text("KODE"), std::string(20, ' '), goods.Number("QUANTITY"), {}};
      if (!frame::Checked(session, items.SetOrder(1)) || !frame::Checked(session, items.Seek(line.code))) {
        return false;
      }
      if (items.found()) {
        line.name = items.Text("NAMA");
        line.split = SplitQuantity(line.quantity, items.Number("DOS"), items.Number("PAK"));
      } else {
        line.split = SplitQuantity(line.quantity, 0, 0);
      }
      lines->push_back(std::move(line));
    }
  }
  return true;
}

std::string Figures(const CartonSplit& split, double quantity) {
  return " " + Figure(split.cartons, "999,999") + " " + Figure(split.packs, "999,999") + " " +
         Figure(split.pieces, "999,999") + " " + Figure(quantity, "9,999,999");
}

void Add(CartonSplit* sum, double* quantity, const GoodsLine& line) {
  sum->cartons += line.split.cartons;
  sum->packs += line.split.packs;
  sum->pieces += line.split.pieces;
  *quantity += line.quantity;
}

std::vector<std::string> Heading(const DriverMemoForm& memo, const char* columns) {
  const std::string rule(86, '-');
  return {"NOMOR   : " + memo.number, "TANGGAL : " + DateText(memo.date), rule, columns, rule};
}

ReportPages ByNote(const DriverMemoForm& memo, const std::vector<GoodsLine>& goods, int rows) {
  std::vector<GoodsLine> sorted = goods;
  std::stable_sort(sorted.begin(), sorted.end(), [](const GoodsLine& a, const GoodsLine& b) { return a.invoice < b.invoice; });
  std::vector<std::string> body;
  CartonSplit total, note_sum;
  double total_quantity = 0, note_quantity = 0;
  int number = 0;
  for (size_t i = 0; i < sorted.size(); ++i) {
    const bool first = i == 0 || sorted[i].invoice != sorted[i - 1].invoice;
    if (first) ++number;
    body.push_back((first ? Figure(number, "999") + " " + Cut(sorted[i].invoice, 15) : std::string(19, ' ')) + " " +
                   Cut(sorted[i].code, 10) + " " + Cut(sorted[i].name, 20) + Figures(sorted[i].split, sorted[i].quantity));
    Add(&note_sum, &note_quantity, sorted[i]);
    Add(&total, &total_quantity, sorted[i]);
    if (i + 1 == sorted.size() || sorted[i + 1].invoice != sorted[i].invoice) {
      body.push_back(Cut("    JUMLAH", 51) + Figures(note_sum, note_quantity));
      note_sum = {};
      note_quantity = 0;
    }
  }
  return Paginate(Heading(memo, "NO. NO. SJ          KODE       NAMA BARANG              BOX     PAK     PCS   QUANITY"),
                  body, rows, {std::string(86, '-'), Cut("T O T A L", 51) + Figures(total, total_quantity)}, "N");
}

ReportPages ByGoods(const DriverMemoForm& memo, const std::vector<GoodsLine>& goods, int rows) {
  std::map<std::string, std::vector<const GoodsLine*>> by_code;
  for (const GoodsLine& line : goods) by_code[line.code].push_back(&line);
  std::vector<std::string> body;
  CartonSplit total;
  double total_quantity = 0;
  int number = 0;
  for (const auto& [code, lines] : by_code) {
    CartonSplit sum;
    double quantity = 0;
    for (const GoodsLine* line : lines) Add(&sum, &quantity, *line);
    body.push_back(Figure(++number, "999") + " " + Cut(code, 10) + " " + Cut(lines.front()->name, 20) + " " +
                   std::string(15, ' ') + Figures(sum, quantity));
    for (const GoodsLine* line : lines) {
      body.push_back(std::string(36, ' ') + Cut(line->invoice, 15) + Figures(line->split, line->quantity));
    }
    Add(&total, &total_quantity, {"", "", "", quantity, sum});
  }
  return Paginate(Heading(memo, "NO. KODE       NAMA BARANG          NO SJ               BOX     PAK     PCS   QUANITY"),
                  body, rows, {std::string(86, '-'), Cut("T O T A L", 51) + Figures(total, total_quantity)}, "N");
}

}  // namespace

ReportPages DriverRecapPages(frame::Session& session, const frame::OpenedTables& tables, const DriverMemoForm& memo,
                             int rows) {
  std::vector<GoodsLine> goods;
  if (!MemoGoods(session, tables, memo, &goods)) return {};
  struct Row {
    std::string key;
    std::string text;
    CartonSplit split;
  };
  std::vector<Row> recap;
  for (const console::ValueRow& row : memo.rows) {
    const std::string invoice = CellText(row, kDriverNote);
    if (xbase::IsBlank(invoice)) continue;
    const xbase::Date planned = CellDate(row, kDriverPlanned);
    const std::string customer = CellText(row, kDriverCustomer);
    const std::string day = xbase::Upper(text::HARINYA(planned));
    Row line{DateText(planned) + day + customer, {}, {}};
    double quantity = 0;
    for (const GoodsLine& item : goods) {
      if (item.invoice == invoice) Add(&line.split, &quantity, item);
    }
    line.text = Cut(invoice, 15) + " " + DateText(CellDate(row, kDriverDate)) + " " +
                Cut(CustomerText(tables, customer, "NAMA"), 25) + " " +
                Cut(CustomerText(tables, customer, "KOTA"), 15) +
                " " + DateText(planned) + "/" + day + " " + Figure(line.split.cartons, "9999") + " " +
                Figure(line.split.packs, "9999") + " " + Figure(line.split.pieces, "999999");
    recap.push_back(std::move(line));
  }
  std::stable_sort(recap.begin(), recap.end(), [](const Row& a, const Row& b) { return a.key < b.key; });
  std::vector<std::string> body;
  CartonSplit total;
  for (const Row& row : recap) {
    body.push_back(Figure(static_cast<double>(body.size() + 1), "999") + " " + row.text);
    total.cartons += row.split.cartons;
    total.packs += row.split.packs;
    total.pieces += row.split.pieces;
  }
  const std::string rule(120, '=');
  return Paginate(
      {"PT. TIRTANDAKA" + std::string(69, ' ') + "TANDA TERIMA SURAT JALAN", std::string(101, ' ') + "(TTSJ)",
       "NOMOR     : " + memo.number, "TANGGAL   : " + DateText(memo.date),
       "DRIVER    : " + memo.driver + "- " + DriverName(session, memo.driver),
       "NO. MOBIL : " + memo.vehicle + " " + memo.departure, rule,
       "NO. NO. SJ          TG. SJ     NAMA TOKO                 KOTA            TG. KIRIM          BOX  PAK    PCS", rule},
      body, rows,
      {rule, Cut("TOTAL :", 104) + Figure(total.cartons, "9999") + " " + Figure(total.packs, "9999") + " " +
                 Figure(total.pieces, "999999"),
       "", "         YANG MENYERAHKAN                                   YANG MENERIMA",
       "   DIBUAT        MENGETAHUI       SATPAM             PENERIMA        MENGETAHUI", "", "", "",
       "(..........)   (..........)   (..........)       (..........)    (..........)"},
      "C");
}

ReportPages DriverGoodsPages(frame::Session& session, const frame::OpenedTables& tables, const DriverMemoForm& memo,
                             char kind, int rows) {
  std::vector<GoodsLine> goods;
  if (!MemoGoods(session, tables, memo, &goods)) return {};
  return kind == 'D' ? ByGoods(memo, goods, rows) : ByNote(memo, goods, rows);
}

xbase::Status BRSIKI(frame::Session& session, const Args& args) {
  const char kind = !args.empty() && args[0].is_text() && !args[0].text().empty() ? args[0].text()[0] : 'S';
  const char* title = kind == 'D' ? "CTK MEMO DRV by BARANG" : kind == 'R' ? "REKAP MEMO DIVER by SJ" : "CETAK MEMO DIVER by SJ";
  DriverMemoForm memo;
  double rows = 55;
  return RunReportBox(
      session, title, {"CABANG :", " NOMOR :", "BRS/HAL :"},
      [&](const frame::OpenedTables& tables, console::GetList& form, int row, int col) {
        form.Add(row, col, &memo.branch, "@!").valid = [&] { return pickers::GETCB(session, memo.branch); };
        form.Add(row + 1, col, &memo.number, "@!").valid = [&] { return LCGETSJKIRIM(session, tables, &memo); };
        form.Add(row + 2, col, &rows, "99");
      },
      [&](const frame::OpenedTables& tables) {
        if (xbase::IsBlank(memo.number)) return;
        const ReportPages pages = kind == 'R' ? DriverRecapPages(session, tables, memo, static_cast<int>(rows))
                                              : DriverGoodsPages(session, tables, memo, kind, static_cast<int>(rows));
        PrintPages(session, pages, MemoLayout(kind == 'R' ? 120 : 86));
      });
}

}  // namespace memos
