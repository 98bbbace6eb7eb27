// GL05: the fee note paying the results of gift-wrap or assembly work at their tariffs.
#include "console/alert.h"
#include "console/message.h"
#include "frame/grid_cells.h"
#include "frame/prompts.h"
#include "frame/status_display.h"
#include "stock/fee_note.h"
#include "stock/gift_wrap.h"
#include "stock/gift_wrap_forms.h"
#include "stock/gift_wrap_grid.h"
#include "stock/report_text.h"
#include "stock/stock_screens.h"
#include "xbase/text_functions.h"

namespace stock {

using frame::Cell;
using frame::Figure;

namespace {

enum Column { kNo = 1, kResult, kCode, kName, kQuantity, kPerUnit, kTariff, kAmount, kDate };

console::ValueRow Blank(int n) {
  return {xbase::Value::Num(n, 2, 0),               xbase::Value::Text(std::string(10, ' ')),
          xbase::Value::Text(std::string(10, ' ')), xbase::Value::Text(std::string(20, ' ')),
          xbase::Value::Num(0, 6, 0),               xbase::Value::Num(0, 2, 0),
          xbase::Value::Num(0, 7, 2),               xbase::Value::Num(0, 12, 2),
          xbase::Value::FromDate({})};
}

class FeeNoteScreen {
 public:
  FeeNoteScreen(frame::Session& session, const frame::OpenedTables& tables) : session_(session), tables_(tables) {}

  void Run() {
    RunGiftWrapEntry(session_, "BUAT NOTA PEMBAYARAN PENGGULUNGAN/PERAKITAN", "TG KWITANSI :", false,
                     [this](const std::string& branch, xbase::Date date) {
      branch_ = branch;
      date_ = date;
      rows_ = {Blank(1)};
      GridLayout layout;
      layout.heads = {"NO.", "NO. HASIL", "KODE", "NAMA", "   QTY", " X", "  TARIF", "      JUMLAH", "TG. JADI"};
      layout.pictures = {"99.", "@!", "@!", "@!", "999999", "99", "9999.99", "9,999,999.99", ""};
      layout.top = 9;
      layout.bottom = 22;
      layout.editable = {kResult};
      layout.blank = Blank;
      layout.check = [this](int, int row, xbase::Value* typed) { return Check(row, typed); };
      layout.after_edit = [](int, int, console::ArrayBrowse& browse) {
        browse.GoBottom();
        browse.set_column(kResult);
      };
      layout.save = [this] { return Save(); };
      RunGiftWrapGrid(session_, &rows_, layout);
    });
  }

 private:
  bool Check(int row, xbase::Value* typed) {
    std::string number = typed->text();
    if (!PickDocument(session_, "kd_gl21", {"KDCB", "NOMOR", "TANGGAL", "NOTA_BYR"}, {"Cabang", "Nomor", "Tanggal", "Nota"},
                      branch_, &number)) {
      return false;
    }
    number = xbase::PadR(number, 10);
    for (const console::ValueRow& line : rows_) {
      if (Cell(line, kResult) == number) return false;
    }
    std::vector<FeeLine> lines;
    bool found = false;
    if (!frame::Checked(session_, ResultFeeLines(tables_, branch_, number, &lines, &found)) || !found) return false;
    std::string note;
    if (!frame::Checked(session_, FeeNoteOf(tables_, branch_, number, &note))) return false;
    if (!note.empty()) {
      console::Alert(session_.console(), "no. hasil " + std::string(xbase::RTrim(number)) +
                                             ", sudah dibuat nota pembayaran no. " + std::string(xbase::AllTrim(note)));
      return false;
    }
    *typed = xbase::Value::Text(number);
    int at = row;
    for (const FeeLine& line : lines) {
      console::ValueRow& cells = rows_[static_cast<size_t>(at - 1)];
      cells[kResult - 1] = xbase::Value::Text(number);
      cells[kCode - 1] = xbase::Value::Text(line.code);
      cells[kName - 1] = xbase::Value::Text(Cut(line.name, 20));
      cells[kQuantity - 1] = xbase::Value::Num(line.quantity, 6, 0);
      cells[kPerUnit - 1] = xbase::Value::Num(line.per_unit, 2, 0);
      cells[kTariff - 1] = xbase::Value::Num(line.tariff, 7, 2);
      cells[kAmount - 1] = xbase::Value::Num(line.quantity * line.tariff, 12, 2);
      cells[kDate - 1] = xbase::Value::FromDate(line.date);
      rows_.push_back(Blank(static_cast<int>(rows_.size() + 1)));
      ++at;
    }
    return true;
  }

  bool Save() {
    if (!frame::AnsweredYes(session_.console(), frame::kConfirmSave)) return false;
    std::vector<FeeLine> lines;
    for (const console::ValueRow& row : rows_) {
      lines.push_back({Cell(row, kResult), Cell(row, kCode), Cell(row, kName), Figure(row, kQuantity),
                       Figure(row, kPerUnit), Figure(row, kTariff), row[kDate - 1].date()});
    }
    std::string number;
    if (!frame::Checked(session_, SaveFeeNote(session_, tables_, branch_, date_, lines, &number)) || number.empty()) {
      return false;
    }
    console::PESAN(session_.console(), "Nomor Nota Pembayaran ini adalah " + number);
    return true;
  }

  frame::Session& session_;
  const frame::OpenedTables& tables_;
  std::string branch_;
  xbase::Date date_;
  console::ValueTable rows_;
};

}  // namespace

xbase::Status GL05(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = frame::OpenTables(session, GiftWrapTables());
  if (!tables) return xbase::Status::OK();
  FeeNoteScreen(session, tables).Run();
  return session.tables().CloseAll();
}

}  // namespace stock
