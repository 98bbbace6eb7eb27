// GL03: the results of gift-wrap or assembly work booked against the take-out lines they come from.
#include "console/alert.h"
#include "frame/code_pick.h"
#include "frame/grid_cells.h"
#include "frame/prompts.h"
#include "frame/status_display.h"
#include "pickers/pickers.h"
#include "stock/gift_wrap.h"
#include "stock/gift_wrap_forms.h"
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

enum Column { kNo = 1, kTakeOut, kRawCode, kResult, kWarehouse, kName, kQuantity, kPerUnit, kLine };

console::ValueRow Blank(int n) {
  return {xbase::Value::Num(n, 2, 0),               xbase::Value::Text(std::string(10, ' ')),
          xbase::Value::Text(std::string(10, ' ')), xbase::Value::Text(std::string(10, ' ')),
          xbase::Value::Text(std::string(6, ' ')),  xbase::Value::Text(std::string(20, ' ')),
          xbase::Value::Num(0, 7, 0),               xbase::Value::Num(1, 4, 0),
          xbase::Value::Text(std::string(3, ' '))};
}

class ResultsScreen {
 public:
  ResultsScreen(frame::Session& session, const frame::OpenedTables& tables) : session_(session), tables_(tables) {}

  void Run() {
    RunGiftWrapEntry(session_, "INPUT REALISASI PENGGULUNGAN/PERAKITA", "TANGGAL :", true, [this](const std::string& branch, xbase::Date date) {
      branch_ = branch;
      date_ = date;
      rows_ = {Blank(1)};
      RunGiftWrapGrid(session_, &rows_, Layout());
    });
  }

 private:
  GridLayout Layout() {
    GridLayout layout;
    layout.heads = {"NO.", "EX NOMOR", "EX KODE", "KODE JD", "GDG", "NAMA", " QUANTITY", "IN 1", ""};
    layout.pictures = {"99.", "@!", "@!", "@!", "@!", "@!", "9,999,999", "9999", ""};
    layout.top = 8;
    layout.bottom = 22;
    layout.editable = {kTakeOut, kWarehouse, kQuantity, kPerUnit};
    layout.blank = Blank;
    layout.check = [this](int column, int row, xbase::Value* typed) { return Check(column, row, typed); };
    layout.after_edit = [this, layout](int column, int row, console::ArrayBrowse& browse) {
      if (column != kPerUnit) {
        browse.set_column(NextEditable(layout, column));
        return;
      }
      const console::ValueRow& line = rows_[static_cast<size_t>(row - 1)];
      if (xbase::IsBlank(Cell(line, kTakeOut)) || Figure(line, kQuantity) == 0) {
        browse.set_column(kTakeOut);
        return;
      }
      if (row == browse.row_count()) rows_.push_back(Blank(row + 1));
      browse.Skip(1);
      browse.set_column(kTakeOut);
    };
    layout.save = [this] { return Save(); };
    return layout;
  }

  // Pieces the other rows already claim from the row's take-out line.
  double Claimed(int row) const {
    const console::ValueRow& line = rows_[static_cast<size_t>(row - 1)];
    double claimed = 0;
    for (size_t i = 0; i < rows_.size(); ++i) {
      if (static_cast<int>(i + 1) != row && Cell(rows_[i], kTakeOut) == Cell(line, kTakeOut) &&
          Cell(rows_[i], kLine) == Cell(line, kLine)) {
        claimed += Figure(rows_[i], kQuantity) * Figure(rows_[i], kPerUnit);
      }
    }
    return claimed;
  }

  bool Check(int column, int row, xbase::Value* typed) {
    console::ValueRow& line = rows_[static_cast<size_t>(row - 1)];
    bool found = false;
    switch (column) {
      case kTakeOut: {
        std::string number = typed->text();
        const bool picking = number.find('?') != std::string::npos;
        if (picking) {
          if (!PickDocument(session_, "kd_gl12", {"KDCB", "NOMOR", "KODE", "URUT", "QTY_LBR", "QTY_GL"},
                            {"KDCB", "NOMOR", "KODE", "URUT", "KELUAR", "MASUK"}, branch_, &number)) {
            return false;
          }
          line[kLine - 1] = xbase::Value::Text(tables_["kd_gl12"].Text("URUT"));
        }
        double open = 0;
        if (!frame::Checked(session_, OpenPieces(tables_, branch_, number, Cell(line, kLine), &open, &found)) || !found) {
          return false;
        }
        const xbase::WorkArea& take_out = tables_["kd_gl12"];
        *typed = xbase::Value::Text(xbase::PadR(number, 10));
        line[kRawCode - 1] = xbase::Value::Text(take_out.Text("KODE"));
        const std::string result = take_out.Text("KD_JADI");
        line[kResult - 1] = xbase::Value::Text(result);
        xbase::WorkArea& goods = tables_["mastbrj"];
        const bool known = xbase::LookUp(goods, goods.PadToField("KODE", result));  // only the name shown
        line[kName - 1] = xbase::Value::Text(Cut(known ? goods.Text("NAMA") : "", 20));
        double tariff = 0, packing = 0;
        if (!frame::Checked(session_, TariffOf(tables_, result, &tariff, &packing))) return false;
        line[kQuantity - 1] = xbase::Value::Num(packing == 0 ? 0 : static_cast<double>(static_cast<long>(open / packing)), 7, 0);
        line[kPerUnit - 1] = xbase::Value::Num(packing, 4, 0);
        return true;
      }
      case kWarehouse: {
        std::string code = typed->text();
        if (!pickers::CEKGUDANG(session_, &code, false)) return false;
        *typed = xbase::Value::Text(xbase::PadR(code, 6));
        return true;
      }
      case kQuantity:
      case kPerUnit: {
        if (column == kQuantity && typed->number() < 0) {
          *typed = xbase::Value::Num(0, 7, 0);
          return false;
        }
        if (column == kPerUnit && typed->number() < 1) {
          *typed = xbase::Value::Num(1, 4, 0);
          return false;
        }
        double open = 0;
        const xbase::Status s = OpenPieces(tables_, branch_, Cell(line, kTakeOut), Cell(line, kLine), &open, &found);
        if (!frame::Checked(session_, s)) return false;
        const double quantity = column == kQuantity ? typed->number() : Figure(line, kQuantity);
        const double per_unit = column == kPerUnit ? typed->number() : Figure(line, kPerUnit);
        return open - Claimed(row) - quantity * per_unit >= 0;
      }
      default: return true;
    }
  }

  bool Save() {
    if (!frame::AnsweredYes(session_.console(), frame::kConfirmSave)) return false;
    std::vector<ResultLine> lines;
    for (const console::ValueRow& row : rows_) {
      lines.push_back({Cell(row, kTakeOut), Cell(row, kLine), Cell(row, kResult), Cell(row, kWarehouse),
                       Figure(row, kQuantity), Figure(row, kPerUnit)});
    }
    std::string number;
    if (!frame::Checked(session_, SaveResults(session_, tables_, branch_, date_, lines, &number)) || number.empty()) {
      return false;
    }
    console::Alert(session_.console(), "Nomor hasil gulung ini adalah " + number);
    return true;
  }

  frame::Session& session_;
  const frame::OpenedTables& tables_;
  std::string branch_;
  xbase::Date date_;
  console::ValueTable rows_;
};

}  // namespace

xbase::Status GL03(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = frame::OpenTables(session, GiftWrapTables());
  if (!tables) return xbase::Status::OK();
  ResultsScreen(session, tables).Run();
  return session.tables().CloseAll();
}

}  // namespace stock
