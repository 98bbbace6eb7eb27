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

// The cells of `line` read from a record, in the shapes of the blank line they were read onto:
// numbers keep its width and decimals, texts its length.
void Shape(console::ValueRow* line, const console::ValueRow& blank) {
  for (size_t i = 0; i < blank.size(); ++i) {
    xbase::Value& cell = (*line)[i];
    if (blank[i].is_number()) {
      cell = xbase::Value::Num(cell.number(), blank[i].number_info().width, blank[i].number_info().decimals);
    } else if (blank[i].is_text()) {
      cell = xbase::Value::Text(xbase::PadR(cell.text(), static_cast<int>(blank[i].text().size())));
    }
  }
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

// Stands `lines` (BPBELI2) on the receipt line of `receipt` at `position`; *found false when there is
// none.
xbase::Status SeekReceiptLine(xbase::WorkArea& lines, std::string_view receipt, std::string_view position, bool* found) {
  *found = false;
  xbase::Status s = lines.SetOrder("BPBELI23");
  if (s.ok()) {
    s = xbase::SeekFound(lines, lines.PadToField("NO_BPB", xbase::RTrim(receipt)) + lines.PadToField("URUTAN", position),
                         found);
  }
  return s;
}

// The position of the first line of `code` in the receipt, blank when it has none.
xbase::Status PositionOfCode(xbase::WorkArea& lines, std::string_view receipt, std::string_view code,
                             std::string* position) {
  *position = "   ";
  std::vector<uint32_t> records;
  xbase::Status s = lines.SetOrder("BPBELI23");
  if (s.ok()) s = lines.SeekAll(lines.PadToField("NO_BPB", xbase::RTrim(receipt)), &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = lines.GoTo(records[i]); s.ok() && xbase::RTrim(lines.Text("KODE")) == xbase::RTrim(code)) {
      *position = lines.Text("URUTAN");
      break;
    }
  }
  return s;
}

// The goods row of `code` current in `goods` (MASTBRJ); *found false when it is not registered.
xbase::Status SeekGoods(xbase::WorkArea& goods, std::string_view code, bool* found) {
  *found = false;
  xbase::Status s = goods.SetOrder(1);
  return s.ok() ? xbase::SeekFound(goods, goods.PadToField("KODE", xbase::RTrim(code)), found) : s;
}

// The warehouse row of `code` in `warehouse` current in `stock` (STOKBRG); *found false without one.
xbase::Status SeekStock(xbase::WorkArea& stock, std::string_view code, std::string_view warehouse, bool* found) {
  *found = false;
  xbase::Status s = stock.SetOrder("STOKBRG2");
  if (s.ok()) {
    s = xbase::SeekFound(stock, stock.PadToField("GUDANG", xbase::RTrim(warehouse)) + stock.PadToField("KODE", xbase::RTrim(code)),
                         found);
  }
  return s;
}

bool CheckReceipt(frame::Session& session, xbase::WorkArea& header, PurchaseReturn* ret, xbase::Value* value) {
  std::string number = value->text();
  frame::PickSpec pick;
  pick.alias = "bpbeli1";
  pick.expressions = {"NO_BPB", "TANGGAL", "SUPLIER"};
  pick.heads = {"No. BPB", "Tanggal", "Suplier"};
  if (xbase::Status s = frame::PickCode(session, pick, &number); !s.ok()) return Refuse(session, s.message());
  *value = xbase::Value::Text(xbase::PadR(number, 20));
  bool found = false;
  xbase::Status s = header.SetOrder("BPBELI11");
  if (s.ok()) s = xbase::SeekFound(header, header.PadToField("NO_BPB", xbase::RTrim(number)), &found);
  if (!frame::Checked(session, s)) return false;
  if (!found) return true;  // a receipt not on file stays as typed
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
  bool on_receipt = false;
  xbase::Status s;
  if (code.find('?') != std::string::npos) {
    frame::PickSpec pick;
    pick.alias = "bpbeli2";
    pick.expressions = {"URUTAN", "KODE", "QUANTITY", "HARGA", "NO_BPB"};
    pick.heads = {"Urut", "Kode", "Qty", "Harga", "No. BPB"};
    position = std::string(xbase::RTrim(receipt)) + "?";
    if (s = frame::PickCode(session, pick, &position); !s.ok()) return Refuse(session, s.message());
    s = SeekReceiptLine(source, receipt, position, &on_receipt);
    code = on_receipt ? source.Text("KODE") : "";
  } else if (s = SeekReceiptLine(source, receipt, position, &on_receipt);
             s.ok() && (!on_receipt || xbase::RTrim(source.Text("KODE")) != xbase::RTrim(code))) {
    s = PositionOfCode(source, receipt, code, &position);
  }
  if (!frame::Checked(session, s)) return false;
  if (xbase::IsBlank(code)) return false;
  xbase::WorkArea& goods = tables["mastbrj"];
  bool known = false;
  s = SeekGoods(goods, code, &known);
  if (s.ok()) s = SeekReceiptLine(source, receipt, position, &on_receipt);
  if (!frame::Checked(session, s)) return false;
  if (on_receipt) {
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
  bool found = false;
  if (!frame::Checked(session, SeekStock(stock, Cell(*line, kCode), code, &found))) return false;
  if (!found) {
    return Refuse(session, "Barang " + std::string(xbase::RTrim(Cell(*line, kCode))) + " tidak ada di gudang " +
                               std::string(xbase::RTrim(code)));
  }
  return true;
}

// The pieces line `row` may take out: the stock row, the pieces the stored return took (back when it
// is saved again), less the other lines of the same goods and warehouse.
xbase::Status Available(xbase::WorkArea& stock, const PurchaseReturn& ret, size_t row, double* available) {
  const console::ValueRow& line = ret.lines[row];
  const std::string key = StockKey(Cell(line, kCode), Cell(line, kWarehouse));
  bool found = false;
  if (xbase::Status s = SeekStock(stock, Cell(line, kCode), Cell(line, kWarehouse), &found); !s.ok()) return s;
  *available = found ? stock.Number("JUMLAH") : 0;
  if (const auto at = ret.stored.find(key); at != ret.stored.end()) *available += at->second;
  for (size_t k = 0; k < ret.lines.size(); ++k) {
    if (k != row && StockKey(Cell(ret.lines[k], kCode), Cell(ret.lines[k], kWarehouse)) == key) {
      *available -= Figure(ret.lines[k], kQuantity);
    }
  }
  return xbase::Status::OK();
}

// Sets the quantity of line `row`; refused with "Stock Tidak Cukup" beyond what the warehouse holds.
bool TakeQuantity(frame::Session& session, xbase::WorkArea& stock, PurchaseReturn* ret, size_t row, double quantity) {
  console::ValueRow& line = ret->lines[row];
  const double before = Figure(line, kQuantity);
  SetNumber(&line, kQuantity, quantity);
  double available = 0;
  if (!frame::Checked(session, Available(stock, *ret, row, &available))) {
    SetNumber(&line, kQuantity, before);
    return false;
  }
  if (quantity > available) {
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
  if (s = ReturnHeadRecord().Read(header, &loaded); !s.ok()) return s;
  loaded.number = header.Text("NOMOR");
  std::vector<uint32_t> records;
  s = lines.SetOrder("RTBELI21");
  if (s.ok()) s = lines.SeekAll(header.Text("NOMOR"), &records);
  for (size_t k = 0; s.ok() && k < records.size(); ++k) {
    if (s = lines.GoTo(records[k]); !s.ok()) break;
    const console::ValueRow blank = BlankReturnLine(static_cast<int>(k + 1), "");
    console::ValueRow line = blank;
    if (s = ReturnLineRecord().Read(lines, &line); !s.ok()) break;
    Shape(&line, blank);
    SetText(&line, kName, MasterText(session, "mastbrj", lines.Text("KODE"), "NAMA", 20), 20);
    Revalue(&line);
    loaded.stored[StockKey(lines.Text("KODE"), lines.Text("GUDANG"))] += lines.Number("QUANTITY");
    loaded.lines.push_back(std::move(line));
  }
  if (s.ok()) s = loaded.seen.Take(session.tables(), header, "RTBELI11", header.Text("NOMOR"));
  if (s.ok()) s = loaded.seen.Take(session.tables(), lines, "RTBELI21", header.Text("NOMOR"));
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
      bool found = false;
      if (!frame::Checked(session, SeekGoods(goods, Cell(line, kCode), &found))) {
        SetNumber(&line, column, before);
        return false;
      }
      if (found) {
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
