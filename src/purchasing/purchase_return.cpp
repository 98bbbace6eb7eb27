// A purchase return: its header and lines as the return screen keeps them, the checks of its line
// cells, and its save, which takes the goods out of stock line by line.
#include "purchasing/purchase_return.h"

#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/grid_cells.h"
#include "frame/status_display.h"
#include "pickers/pickers.h"
#include "purchasing/purchase_documents.h"
#include "xbase/keyed_read.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace purchasing {

using frame::Cell;
using frame::Figure;

namespace {

void SetText(console::ValueRow* line, int column, std::string_view text, int width) {
  (*line)[static_cast<size_t>(column - 1)] = xbase::Value::Text(xbase::PadR(text, width));
}
void SetNumber(console::ValueRow* line, int column, double value) {
  xbase::Value& cell = (*line)[static_cast<size_t>(column - 1)];
  cell = xbase::Value::Num(value, cell.number_info().width, cell.number_info().decimals);
}

// The line's value: quantity x price after both discounts.
void Revalue(console::ValueRow* line) {
  SetNumber(line, kValue, Figure(*line, kQuantity) * Figure(*line, kPrice) * Off(Figure(*line, kDisc1)) *
                              Off(Figure(*line, kDisc2)));
}

bool Refuse(frame::Session& session, const std::string& text) {
  console::PESAN(session.console(), text);
  return false;
}

std::string StockKey(std::string_view code, std::string_view warehouse) {
  return xbase::PadR(xbase::RTrim(code), 10) + xbase::PadR(xbase::RTrim(warehouse), 6);
}

// Stands `lines` (BPBELI2) on the receipt line of `receipt` at `position`; false when there is none.
bool SeekReceiptLine(xbase::WorkArea& lines, std::string_view receipt, std::string_view position) {
  return lines.SetOrder("BPBELI23").ok() &&
         lines.Seek(lines.PadToField("NO_BPB", xbase::RTrim(receipt)) + lines.PadToField("URUTAN", position)).ok() &&
         lines.found();
}

// The position of the first line of `code` in the receipt, blank when it has none.
std::string PositionOfCode(xbase::WorkArea& lines, std::string_view receipt, std::string_view code) {
  std::vector<uint32_t> records;
  if (!lines.SetOrder("BPBELI23").ok() || !lines.SeekAll(lines.PadToField("NO_BPB", xbase::RTrim(receipt)), &records).ok()) {
    return "   ";
  }
  for (const uint32_t record : records) {
    if (lines.GoTo(record).ok() && xbase::RTrim(lines.Text("KODE")) == xbase::RTrim(code)) return lines.Text("URUTAN");
  }
  return "   ";
}

bool CheckReceipt(frame::Session& session, xbase::WorkArea& header, PurchaseReturn* ret, xbase::Value* value) {
  std::string number = value->text();
  frame::PickSpec pick;
  pick.alias = "bpbeli1";
  pick.expressions = {"NO_BPB", "TANGGAL", "SUPLIER"};
  pick.heads = {"No. BPB", "Tanggal", "Suplier"};
  if (xbase::Status s = frame::PickCode(session, pick, &number); !s.ok()) return Refuse(session, s.message());
  *value = xbase::Value::Text(xbase::PadR(number, 20));
  if (!header.SetOrder("BPBELI11").ok() || !header.Seek(header.PadToField("NO_BPB", xbase::RTrim(number))).ok() ||
      !header.found()) {
    return true;  // a receipt not on file stays as typed
  }
  if (ret->cash1 == 0 && ret->cash2 == 0) {
    ret->cash1 = header.Number("DISCOUNT");
    ret->cash2 = header.Number("DISCOUNT2");
    ret->branch = header.Text("KDCB");
    ret->code_id = header.Text("CODE_ID");
    return true;
  }
  // The return's cash discounts must be the receipt's, both of them.
  if (header.Number("DISCOUNT") != ret->cash1 || header.Number("DISCOUNT2") != ret->cash2) {
    return Refuse(session, "Cash discount, tidak sama");
  }
  return true;
}

bool CheckCode(frame::Session& session, const frame::OpenedTables& tables, console::ValueRow* line,
               xbase::Value* value) {
  xbase::WorkArea& source = tables["bpbeli2"];
  std::string code = value->text();
  const std::string receipt = Cell(*line, kReceipt);
  std::string position = Cell(*line, kPosition);
  if (code.find('?') != std::string::npos) {
    frame::PickSpec pick;
    pick.alias = "bpbeli2";
    pick.expressions = {"URUTAN", "KODE", "QUANTITY", "HARGA", "NO_BPB"};
    pick.heads = {"Urut", "Kode", "Qty", "Harga", "No. BPB"};
    position = std::string(xbase::RTrim(receipt)) + "?";
    if (xbase::Status s = frame::PickCode(session, pick, &position); !s.ok()) return Refuse(session, s.message());
    code = SeekReceiptLine(source, receipt, position) ? source.Text("KODE") : "";
  } else if (!SeekReceiptLine(source, receipt, position) || xbase::RTrim(source.Text("KODE")) != xbase::RTrim(code)) {
    position = PositionOfCode(source, receipt, code);
  }
  if (xbase::IsBlank(code)) return false;
  xbase::WorkArea& goods = tables["mastbrj"];
  const bool known = goods.SetOrder(1).ok() && goods.Seek(goods.PadToField("KODE", xbase::RTrim(code))).ok() && goods.found();
  if (SeekReceiptLine(source, receipt, position)) {
    SetText(line, kWarehouse, source.Text("GUDANG"), 6);
    SetNumber(line, kPrice, source.Number("HARGA"));
    SetNumber(line, kDisc1, source.Number("DISCOUNT"));
    SetNumber(line, kDisc2, source.Number("DISCOUNT2"));
    SetNumber(line, kAverage, source.Number("HRG_RATA"));
    SetText(line, kPosition, position, 3);
  } else if (!known) {
    return Refuse(session, "Kode barang " + std::string(xbase::RTrim(code)) + " tidak terdaftar");
  } else {
    SetText(line, kPosition, "", 3);
  }
  *value = xbase::Value::Text(xbase::PadR(code, 10));
  SetText(line, kName, known ? goods.Text("NAMA") : "", 20);
  Revalue(line);
  return true;
}

bool CheckWarehouse(frame::Session& session, xbase::WorkArea& stock, console::ValueRow* line, xbase::Value* value) {
  std::string code = value->text();
  if (!pickers::CEKGUDANG(session, &code, false)) {
    if (xbase::IsBlank(code)) return false;
    return Refuse(session, "Gudang " + std::string(xbase::RTrim(code)) + " tidak terdaftar");
  }
  *value = xbase::Value::Text(xbase::PadR(code, 6));
  if (!stock.SetOrder("STOKBRG2").ok() ||
      !stock.Seek(stock.PadToField("GUDANG", xbase::RTrim(code)) + stock.PadToField("KODE", xbase::RTrim(Cell(*line, kCode)))).ok() ||
      !stock.found()) {
    return Refuse(session, "Barang " + std::string(xbase::RTrim(Cell(*line, kCode))) + " tidak ada di gudang " +
                               std::string(xbase::RTrim(code)));
  }
  return true;
}

// The pieces line `row` may take out: the stock row, the pieces the stored return took (back when it
// is saved again), less the other lines of the same goods and warehouse.
double Available(xbase::WorkArea& stock, const PurchaseReturn& ret, size_t row) {
  const console::ValueRow& line = ret.lines[row];
  const std::string key = StockKey(Cell(line, kCode), Cell(line, kWarehouse));
  double available = 0;
  if (stock.SetOrder("STOKBRG2").ok() &&
      stock.Seek(stock.PadToField("GUDANG", xbase::RTrim(Cell(line, kWarehouse))) +
                 stock.PadToField("KODE", xbase::RTrim(Cell(line, kCode)))).ok() &&
      stock.found()) {
    available = stock.Number("JUMLAH");
  }
  if (const auto at = ret.stored.find(key); at != ret.stored.end()) available += at->second;
  for (size_t k = 0; k < ret.lines.size(); ++k) {
    if (k != row && StockKey(Cell(ret.lines[k], kCode), Cell(ret.lines[k], kWarehouse)) == key) {
      available -= Figure(ret.lines[k], kQuantity);
    }
  }
  return available;
}

// Sets the quantity of line `row`; refused with "Stock Tidak Cukup" beyond what the warehouse holds.
bool TakeQuantity(frame::Session& session, xbase::WorkArea& stock, PurchaseReturn* ret, size_t row, double quantity) {
  console::ValueRow& line = ret->lines[row];
  const double before = Figure(line, kQuantity);
  SetNumber(&line, kQuantity, quantity);
  if (quantity > Available(stock, *ret, row)) {
    SetNumber(&line, kQuantity, before);
    return Refuse(session, "Stock Tidak Cukup");
  }
  Revalue(&line);
  return true;
}

}  // namespace

console::ValueRow BlankReturnLine(int position, std::string_view warehouse) {
  return {xbase::Value::Num(position, 3, 0),      xbase::Value::Text(std::string(20, ' ')),
          xbase::Value::Text(std::string(10, ' ')), xbase::Value::Text(xbase::PadR(warehouse, 6)),
          xbase::Value::Num(0, 7, 0),             xbase::Value::Num(0, 7, 0),
          xbase::Value::Num(0, 7, 0),             xbase::Value::Num(0, 9, 0),
          xbase::Value::Num(0, 14, 2),            xbase::Value::Num(0, 6, 2),
          xbase::Value::Num(0, 6, 2),             xbase::Value::Num(0, 14, 2),
          xbase::Value::Text("   "),              xbase::Value::Num(0, 14, 2),
          xbase::Value::Text(std::string(20, ' '))};
}

frame::OpenedTables OpenReturnTables(frame::Session& session) {
  return frame::OpenTables(session, {"MASTBRJ", "STOKBRG", "BPBELI1", "BPBELI2", "MASTSUP", "RTBELI1", "RTBELI2",
                                     "SETUP", "PERUSH", "MASTGDG"});
}

xbase::Status LoadReturn(frame::Session& session, const frame::OpenedTables& tables, const std::string& number,
                         PurchaseReturn* ret, bool* found) {
  xbase::WorkArea& header = tables["rtbeli1"];
  xbase::WorkArea& lines = tables["rtbeli2"];
  xbase::Status s = header.SetOrder("RTBELI11");
  if (s.ok()) s = xbase::SeekFound(header, header.PadToField("NOMOR", xbase::RTrim(number)), found);
  if (!s.ok() || !*found) return s;
  // Read whole into a local: a return whose lines could not all be read is not offered, since saving
  // it would free the stored lines left out and put their goods back into stock.
  PurchaseReturn loaded;
  loaded.number = header.Text("NOMOR");
  loaded.supplier = header.Text("SUPLIER");
  loaded.branch = header.Text("KDCB");
  loaded.date = header.DateOf("TANGGAL");
  loaded.notes = header.Text("NOTES");
  loaded.cash1 = header.Number("DISCOUNT");
  loaded.cash2 = header.Number("DISCOUNT2");
  loaded.code_id = header.Text("CODE_ID");
  std::vector<uint32_t> records;
  s = lines.SetOrder("RTBELI21");
  if (s.ok()) s = lines.SeekAll(header.Text("NOMOR"), &records);
  for (size_t k = 0; s.ok() && k < records.size(); ++k) {
    if (s = lines.GoTo(records[k]); !s.ok()) break;
    console::ValueRow line = BlankReturnLine(static_cast<int>(k + 1), lines.Text("GUDANG"));
    SetText(&line, kReceipt, lines.Text("NO_BPB"), 20);
    SetText(&line, kCode, lines.Text("KODE"), 10);
    for (const auto& [column, field] : {std::pair{kBoxes, "Q_BOX"}, {kPacks, "Q_PAK"}, {kPieces, "Q_PCS"},
                                        {kQuantity, "QUANTITY"}, {kPrice, "HARGA"}, {kDisc1, "DISCOUNT"},
                                        {kDisc2, "DISCOUNT2"}, {kAverage, "HRG_RATA"}}) {
      SetNumber(&line, column, lines.Number(field));
    }
    SetText(&line, kPosition, lines.Text("URUTAN"), 3);
    SetText(&line, kName, MasterText(session, "mastbrj", lines.Text("KODE"), "NAMA", 20), 20);
    Revalue(&line);
    loaded.stored[StockKey(lines.Text("KODE"), lines.Text("GUDANG"))] += lines.Number("QUANTITY");
    loaded.lines.push_back(std::move(line));
  }
  if (!s.ok()) return s;
  loaded.lines.push_back(BlankReturnLine(static_cast<int>(loaded.lines.size() + 1), session.MMEMBER.warehouse));
  *ret = std::move(loaded);
  return s;
}

bool CheckReturnCell(frame::Session& session, const frame::OpenedTables& tables, PurchaseReturn* ret, int row,
                     int column, xbase::Value* value) {
  const size_t index = static_cast<size_t>(row - 1);
  console::ValueRow& line = ret->lines[index];
  xbase::WorkArea& stock = tables["stokbrg"];
  switch (column) {
    case kReceipt: return CheckReceipt(session, tables["bpbeli1"], ret, value);
    case kCode: return CheckCode(session, tables, &line, value);
    case kWarehouse: return CheckWarehouse(session, stock, &line, value);
    case kBoxes:
    case kPacks:
    case kPieces: {
      if (value->number() < 0) return false;
      const double before = Figure(line, column);
      SetNumber(&line, column, value->number());
      xbase::WorkArea& goods = tables["mastbrj"];
      double dos = 0, pak = 0;
      if (goods.SetOrder(1).ok() && goods.Seek(goods.PadToField("KODE", xbase::RTrim(Cell(line, kCode)))).ok() &&
          goods.found()) {
        dos = goods.Number("DOS");
        pak = goods.Number("PAK");
      }
      const double pieces = Figure(line, kBoxes) * dos + Figure(line, kPacks) * pak + Figure(line, kPieces);
      if (!TakeQuantity(session, stock, ret, index, pieces)) {
        SetNumber(&line, column, before);
        return false;
      }
      return true;
    }
    case kQuantity:
      if (value->number() < 0) {
        *value = xbase::Value::Num(0, 9, 0);
        return false;
      }
      return TakeQuantity(session, stock, ret, index, value->number());
    default: return true;
  }
}

double ReturnGross(const PurchaseReturn& ret) {
  double sum = 0;
  for (const console::ValueRow& line : ret.lines) sum += Figure(line, kValue);
  return sum;
}

double ReturnNet(const PurchaseReturn& ret) { return ReturnGross(ret) * Off(ret.cash1) * Off(ret.cash2); }

}  // namespace purchasing
