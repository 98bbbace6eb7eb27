// GL01: goods taken out of a warehouse to be gift-wrapped or assembled, with the materials the work
// consumes. The take-out is saved without moving stock; its form (GL02) moves it.
#include <cmath>

#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/grid_cells.h"
#include "frame/prompts.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "stock/gift_wrap.h"
#include "stock/gift_wrap_grid.h"
#include "stock/repack.h"
#include "stock/report_text.h"
#include "stock/stock_screens.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"
#include "xbase/work_area.h"

namespace stock {

using frame::Cell;
using frame::Figure;

namespace {

enum Column { kNo = 1, kWarehouse, kCode, kName, kQuantity, kResult, kDisplay };

console::ValueRow Blank(int n) {
  console::ValueRow row = {xbase::Value::Num(n, 2, 0),               xbase::Value::Text(std::string(6, ' ')),
                           xbase::Value::Text(std::string(10, ' ')), xbase::Value::Text(std::string(20, ' ')),
                           xbase::Value::Num(0, 7, 0),               xbase::Value::Text(std::string(10, ' '))};
  for (int m = 0; m < 6; ++m) row.push_back(xbase::Value::Num(0, 5, 0));
  return row;
}

class TakeOutScreen {
 public:
  TakeOutScreen(frame::Session& session, const frame::OpenedTables& tables) : session_(session), tables_(tables) {}

  void Run() {
    RunGiftWrapEntry(session_, "PENGAMBILAN BARANG UNTUK DIGULUNG / DIRAKIT", "TANGGAL :", true, [this](const std::string& branch, xbase::Date date) {
      branch_ = branch;
      date_ = date;
      rows_ = {Blank(1)};
      RunGiftWrapGrid(session_, &rows_, Layout());
    });
  }

 private:
  GridLayout Layout() {
    GridLayout layout;
    layout.heads = {"NO.", "GDG", "KODE", "NAMA", "QUANTITY", "KD JADI", "DISP.", "PLSTK", "INNER", "LABEL", "STCK1", "STCK2"};
    layout.pictures = {"99.", "@!", "@!", "@!", "9,999,999", "@!", "99,999", "99,999", "99999", "99999", "99999", "99999"};
    layout.top = 7;
    layout.bottom = 19;
    layout.editable = {kWarehouse, kCode, kQuantity, kResult, 7, 8, 9, 10, 11, 12};
    layout.blank = Blank;
    layout.check = [this](int column, int row, xbase::Value* typed) { return Check(column, row, typed); };
    layout.after_edit = [this, layout](int column, int row, console::ArrayBrowse& browse) {
      if (column < kResult) {
        browse.set_column(NextEditable(layout, column));
        return;
      }
      const console::ValueRow& line = rows_[static_cast<size_t>(row - 1)];
      if (xbase::IsBlank(Cell(line, kCode)) || Figure(line, kQuantity) == 0) {
        browse.set_column(kCode);
        return;
      }
      if (row == browse.row_count()) rows_.push_back(Blank(row + 1));
      browse.Skip(1);
      browse.set_column(kWarehouse);
    };
    layout.show = [this](int) {
      console::Console& con = session_.console();
      con.Say(22, 2, "Nama hasil : " + Cut(result_name_, 30), con.colours().standard);
    };
    layout.save = [this] { return Save(); };
    return layout;
  }

  bool Check(int column, int row, xbase::Value* typed) {
    console::ValueRow& line = rows_[static_cast<size_t>(row - 1)];
    switch (column) {
      case kWarehouse: {
        std::string code = typed->text();
        if (!pickers::CEKGUDANG(session_, &code, false)) return false;
        *typed = xbase::Value::Text(xbase::PadR(code, 6));
        return true;
      }
      case kCode: {
        std::string code = typed->text();
        if (!pickers::PickStock(session_, Cell(line, kWarehouse), &code)) return false;
        bool stocked = false, material = false;
        if (!frame::Checked(session_, SeekStock(Cell(line, kWarehouse), code, &stocked))) return false;
        if (!stocked) {
          return pickers::Refuse(session_, "Kode " + std::string(xbase::RTrim(code)) + " digudang " +
                                               std::string(xbase::RTrim(Cell(line, kWarehouse))) + " tidak terdaftar");
        }
        if (!frame::Checked(session_, RepackMaterial(tables_, code, &material))) return false;
        if (!material) {
          return pickers::Refuse(session_, "Kode " + std::string(xbase::RTrim(code)) +
                                               " ini, tidak termasuk untuk porses gulung/Rakit ");
        }
        *typed = xbase::Value::Text(xbase::PadR(code, 10));
        xbase::WorkArea& goods = tables_["mastbrj"];
        const bool known = xbase::LookUp(goods, goods.PadToField("KODE", code));  // only the name shown
        line[kName - 1] = xbase::Value::Text(Cut(known ? goods.Text("NAMA") : "", 20));
        return true;
      }
      case kQuantity: {
        double available = 0;
        bool stocked = false;
        // The stock caps the quantity: a row that cannot be read is the error, never a stock of 0.
        if (!frame::Checked(session_, SeekStock(Cell(line, kWarehouse), Cell(line, kCode), &stocked))) return false;
        if (stocked) available = tables_["stokbrg"].Number("JUMLAH");
        for (size_t i = 0; i < rows_.size(); ++i) {
          if (static_cast<int>(i + 1) != row && Cell(rows_[i], kWarehouse) == Cell(line, kWarehouse) &&
              Cell(rows_[i], kCode) == Cell(line, kCode)) {
            available -= Figure(rows_[i], kQuantity);
          }
        }
        if (typed->number() > available) {
          *typed = xbase::Value::Num(0, 7, 0);
          return pickers::Refuse(session_, "Stock Tidak Cukup");
        }
        if (typed->number() < 0) {
          *typed = xbase::Value::Num(0, 7, 0);
          return false;
        }
        return FillMaterials(&line, Cell(line, kResult), typed->number());
      }
      case kResult: {
        std::string code = typed->text();
        frame::PickSpec pick;
        pick.alias = "mastbrj";
        pick.expressions = {"KODE", "GOLONGAN", "NAMA", "JUMLAH"};
        pick.heads = {"Kode", "Golongan", "Nama", "Jumlah"};
        if (!frame::Checked(session_, frame::PickCode(session_, pick, &code))) return false;
        xbase::WorkArea& goods = tables_["mastbrj"];
        bool known = false;
        if (!frame::Checked(session_, xbase::SeekFound(goods, goods.PadToField("KODE", code), &known))) return false;
        if (!known) {
          return pickers::Refuse(session_, "Kode " + std::string(xbase::RTrim(code)) + " tidak terdaftar");
        }
        result_name_ = goods.Text("NAMA");
        bool made = false;
        if (!frame::Checked(session_, ResultOf(tables_, Cell(line, kCode), code, &made))) return false;
        if (!made) {
          return pickers::Refuse(session_, "Kode " + std::string(xbase::RTrim(code)) +
                                               " ini, tidak termasuk untuk porses repack ");
        }
        *typed = xbase::Value::Text(xbase::PadR(code, 10));
        return FillMaterials(&line, code, Figure(line, kQuantity));
      }
      default: return true;
    }
  }

  // Makes the warehouse row of `code` current in `stokbrg`: *found false when there is none.
  xbase::Status SeekStock(const std::string& warehouse, const std::string& code, bool* found) {
    xbase::WorkArea& stock = tables_["stokbrg"];
    return xbase::SeekFound(stock, "STOKBRG2", stock.PadToField("GUDANG", warehouse) + stock.PadToField("KODE", code),
                            found);
  }

  // The line's materials for `quantity` pieces into `result`; false with the failure shown when the
  // packaging rules cannot be read.
  bool FillMaterials(console::ValueRow* line, const std::string& result, double quantity) {
    bool material = false;
    Materials m;
    xbase::Status s = RepackMaterial(tables_, Cell(*line, kCode), &material);
    if (s.ok() && material) s = MaterialsFor(tables_, Cell(*line, kCode), result, quantity, &m);
    if (!frame::Checked(session_, s)) return false;
    if (!material) return true;
    for (int i = 0; i < 6; ++i) (*line)[static_cast<size_t>(kDisplay - 1 + i)] = xbase::Value::Num(m.quantity[i], 5, 0);
    return true;
  }

  bool Save() {
    if (!frame::AnsweredYes(session_.console(), frame::kConfirmSave)) return false;
    std::vector<TakeOutLine> lines;
    for (const console::ValueRow& row : rows_) {
      TakeOutLine line{Cell(row, kWarehouse), Cell(row, kCode), Figure(row, kQuantity), Cell(row, kResult)};
      for (int m = 0; m < 6; ++m) line.materials[m] = Figure(row, kDisplay + m);
      lines.push_back(line);
    }
    std::string number;
    if (!frame::Checked(session_, SaveTakeOut(session_, tables_, branch_, date_, lines, &number)) || number.empty()) {
      return false;
    }
    console::PESAN(session_.console(), "Nomor pengambilan ini adalah " + number);
    return true;
  }

  frame::Session& session_;
  const frame::OpenedTables& tables_;
  std::string branch_;
  xbase::Date date_;
  std::string result_name_;
  console::ValueTable rows_;
};

}  // namespace

xbase::Status GL01(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = frame::OpenTables(session, GiftWrapTables());
  if (!tables) return xbase::Status::OK();
  TakeOutScreen(session, tables).Run();
  return session.tables().CloseAll();
}

}  // namespace stock
