// MTSKD: warehouse and code-change mutations. The header box asks the number (blank for a new one),
// date, branch and both warehouses; the line editor takes the goods out of one code in the source
// warehouse and into a code in the destination; F10 saves both halves and moves the stock.
#include <cctype>

#include "console/alert.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "documents/posting_date.h"
#include "frame/code_pick.h"
#include "frame/grid_cells.h"
#include "frame/line_editor.h"
#include "frame/open_table.h"
#include "frame/prompts.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "stock/mutation.h"
#include "stock/report_text.h"
#include "stock/stock_screens.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"
#include "xbase/work_area.h"

namespace stock {

using frame::Cell;
using frame::Figure;
using frame::RemoveRow;

namespace {

namespace key = console::key;

constexpr char kTitle[] = "MUTASI ANTAR GUDANG / MUTASI GANTI KODE";
constexpr char kShortStock[] = "Stock Tidak Cukup";
const std::vector<std::string> kHeads = {"No", "Kd Asal", "Kd 7an", "BOX", "Pak", "Qty", "Keterangan", "", ""};
const std::vector<std::string> kPictures = {"99", "@!", "@!", "99999", "999999", "9999999", "@!s20", "", ""};

void DrawForm(console::Console& con, console::Attr attr) {
  con.Clear(0, 0, 23, 79, attr);
  console::TENGAH(con, 1, kTitle, con.Pick("W+/b", "W+/n"));
  con.Say(3, 2, "Nomor   :", attr);
  con.Say(4, 2, "Tanggal :", attr);
  con.Say(4, 36, "Cabang        :", attr);
  con.Say(5, 2, "Gudang  :", attr);
  con.Say(5, 36, "Gudang tujuan :", attr);
  con.Say(21, 2, "Nama Asal   :", attr);
  con.Say(21, 52, "Stock :", attr);
  con.Say(22, 2, "Nama Tujuan :", attr);
  con.Say(22, 52, "Stock :", attr);
}

// Makes the goods row of `code` current in the open `mastbrj`: *found false when there is none.
xbase::Status SeekGoods(const frame::OpenedTables& tables, const std::string& code, bool* found) {
  xbase::WorkArea& goods = tables["mastbrj"];
  xbase::Status s = goods.SetOrder("MASTBRJ1");
  if (s.ok()) s = xbase::SeekFound(goods, goods.PadToField("KODE", code), found);
  return s;
}

// Makes the warehouse row of `code` in `warehouse` current in the open `stokbrg`: *found false when
// there is none.
xbase::Status SeekStock(const frame::OpenedTables& tables, const std::string& code, const std::string& warehouse,
                        bool* found) {
  xbase::WorkArea& stock = tables["stokbrg"];
  xbase::Status s = stock.SetOrder("STOKBRG2");
  if (s.ok()) s = xbase::SeekFound(stock, stock.PadToField("GUDANG", warehouse) + stock.PadToField("KODE", code), found);
  return s;
}

class MutationScreen {
 public:
  MutationScreen(frame::Session& session, const frame::OpenedTables& tables)
      : session_(session), tables_(tables), con_(session.console()) {}

  void Run() {
    for (;;) {
      DrawForm(con_, con_.colours().standard);
      if (!ReadHeader()) return;
      EditLines();
    }
  }

 private:
  bool ReadHeader() {
    mutation_ = Mutation{std::string(10, ' '), session_.Today(), std::string(6, ' '), std::string(6, ' '),
                         std::string(6, ' '), {}};
    console::GetList first;
    first.Add(3, 12, &mutation_.number, "@!").valid = [&] { return NumberValid(); };
    if (first.Read(con_).escaped) return false;
    console::GetList form;
    form.Add(4, 12, &mutation_.date, "").valid = [&] { return documents::CEKTGKIRIM(session_, mutation_.date); };
    form.Add(4, 52, &mutation_.branch, "@!").valid = [&] {
      return xbase::IsBlank(mutation_.branch) || pickers::GETCB(session_, mutation_.branch);
    };
    form.Add(5, 12, &mutation_.source, "@!").valid = [&] { return pickers::CEKGUDANG(session_, &mutation_.source, false); };
    form.Add(5, 52, &mutation_.destination, "@!").valid = [&] {
      return pickers::CEKGUDANG(session_, &mutation_.destination, false);
    };
    return !form.Read(con_).escaped && !xbase::IsBlank(mutation_.branch);
  }

  bool NumberValid() {
    frame::PickSpec pick;
    pick.alias = "MTSKDT1";
    pick.expressions = {"KDCB", "NOMOR", "TANGGAL", "GUDANG", "CODE_ID"};
    if (!frame::Checked(session_, frame::PickCode(session_, pick, &mutation_.number))) return false;
    if (xbase::IsBlank(mutation_.number)) {
      mutation_.lines = {BlankMutationLine(1)};
      return true;
    }
    bool found = false;
    if (!frame::Checked(session_, LoadMutation(session_, tables_, &mutation_, &found))) return false;
    return found;
  }

  void EditLines() {
    int idx = 1;
    const console::KeyHelp help{{"Esc", " F10", " Del"}, {") Batal,", ") Simpan", ") Hapus"}, "W+/b", "Gr+/b"};
    console::ArrayBrowse browse = console::BUATOBJECT(con_, &mutation_.lines, kHeads, kPictures, {7, 0, 20, 79},
                                                      std::string(con_.Pick("W+/b,N/W", "W/n,N/W")), 24, help, &idx);
    browse.set_read_only(kMtNo, true);
    browse.set_hidden(kMtPrice, true);
    browse.set_hidden(kMtAverage, true);
    browse.set_column(kMtCodeOut);
    bool done = false;
    frame::LineEditorHooks hooks;
    hooks.check = [&](xbase::Value* typed) { return Check(browse.column(), idx, typed); };
    hooks.show = [&] { Footer(idx); };
    hooks.enter_on_last = [&] {
      browse.set_column(kMtCodeOut);
      if (idx == browse.row_count()) mutation_.lines.push_back(BlankMutationLine(idx + 1));
      browse.Skip(1);
    };
    hooks.other_key = [&](int pressed) {
      switch (pressed) {
        case key::kDel:
          if (browse.row_count() > 1 && !xbase::IsBlank(Cell(mutation_.lines[static_cast<size_t>(idx - 1)], kMtCodeOut))) {
            RemoveRow(&mutation_.lines, idx);
            browse.Skip(0);
          }
          return false;
        case key::kEsc: return true;
        case key::kF10: done = Save(); return done;
        default: return false;
      }
    };
    hooks.top_tone = 400;
    hooks.bottom_tone = 300;
    hooks.left_tone = 200;
    frame::RunLineEditor(con_, browse, kMtCodeOut, kMtNote, hooks);
  }

  bool Check(int column, int idx, xbase::Value* typed) {
    console::ValueRow& line = mutation_.lines[static_cast<size_t>(idx - 1)];
    switch (column) {
      case kMtCodeOut: return CodeOut(line, typed);
      case kMtCodeIn: return CodeIn(line, typed);
      case kMtBox:
      case kMtPak: {
        const double box = column == kMtBox ? typed->number() : Figure(line, kMtBox);
        const double pak = column == kMtPak ? typed->number() : Figure(line, kMtPak);
        bool known = false;
        double available = 0;
        if (!frame::Checked(session_, SeekGoods(tables_, Cell(line, kMtCodeOut), &known))) return false;
        xbase::WorkArea& goods = tables_["mastbrj"];
        const double pieces = known ? box * goods.Number("DOS") + pak * goods.Number("PAK") : 0;
        if (!frame::Checked(session_, AvailableStock(tables_, mutation_, idx, &available))) return false;
        if (pieces > available) {
          line[kMtQty - 1] = xbase::Value::Num(available, 7, 0);
          return pickers::Refuse(session_, kShortStock);
        }
        line[kMtQty - 1] = xbase::Value::Num(pieces, 7, 0);
        return true;
      }
      case kMtQty: {
        double available = 0;
        if (!frame::Checked(session_, AvailableStock(tables_, mutation_, idx, &available))) return false;
        return typed->number() <= available || pickers::Refuse(session_, kShortStock);
      }
      default: return true;
    }
  }

  bool CodeOut(console::ValueRow& line, xbase::Value* typed) {
    frame::PickSpec pick;
    pick.alias = "mastbrj";
    pick.expressions = {"KODE", "NAMA"};
    std::string code = typed->text();
    if (!frame::Checked(session_, frame::PickCode(session_, pick, &code))) return false;
    *typed = xbase::Value::Text(xbase::PadR(code, 10));
    if (xbase::IsBlank(code)) return true;
    bool known = false;
    if (!frame::Checked(session_, SeekGoods(tables_, code, &known))) return false;
    if (!known) return pickers::Refuse(session_, "Kode tidak ada " + code);
    const double price = tables_["mastbrj"].Number("HARGA4");
    xbase::WorkArea& stock = tables_["stokbrg"];
    bool stocked = false;
    // The row gives the line its average price: one that cannot be read is the error, never "not there".
    if (!frame::Checked(session_, SeekStock(tables_, code, mutation_.source, &stocked))) return false;
    if (!stocked) return pickers::Refuse(session_, "di gudang " + mutation_.source + " tidak ada kode barang " + code);
    line[kMtPrice - 1] = xbase::Value::Num(price, 12, 2);
    line[kMtAverage - 1] = xbase::Value::Num(stock.Number("HRG_RATA"), 14, 2);
    if (xbase::IsBlank(Cell(line, kMtCodeIn))) line[kMtCodeIn - 1] = *typed;
    return true;
  }

  bool CodeIn(const console::ValueRow& line, xbase::Value* typed) {
    const std::string code = typed->text();
    if (xbase::IsBlank(code)) return false;
    bool known = false;
    if (!frame::Checked(session_, SeekGoods(tables_, code, &known))) return false;
    if (!known) return pickers::Refuse(session_, "Kode tidak ada " + code);
    const double price = tables_["mastbrj"].Number("HARGA4");
    if (price != Figure(line, kMtPrice)) return pickers::Refuse(session_, "barang tidak sejenis ");
    return !(xbase::PadR(code, 10) == Cell(line, kMtCodeOut) && mutation_.source == mutation_.destination);
  }

  void Footer(int idx) {
    const console::ValueRow& line = mutation_.lines[static_cast<size_t>(idx - 1)];
    const console::Attr attr = con_.colours().standard;
    for (const auto& [row, column, warehouse] :
         {std::tuple{21, kMtCodeOut, mutation_.source}, std::tuple{22, kMtCodeIn, mutation_.destination}}) {
      const std::string code = Cell(line, column);
      bool known = false, stocked = false;
      // Only shown: a row that cannot be read shows blank, as a missing one does; the stock then shows
      // no figure rather than 0.
      if (!xbase::IsBlank(code)) SeekGoods(tables_, code, &known).IgnoreError();
      con_.Say(row, 16, Cut(known ? tables_["mastbrj"].Text("NAMA") : "", 30), attr);
      const bool read = !known || SeekStock(tables_, code, warehouse, &stocked).ok();
      const std::string figure = Fig(stocked ? tables_["stokbrg"].Number("JUMLAH") : 0, "99,999,999");
      con_.Say(row, 60, read ? figure : std::string(figure.size(), ' '), attr);
    }
  }

  bool Save() {
    if (!frame::AnsweredYes(con_, frame::kConfirmSave)) return false;
    // The date is checked again: the opname date may have moved since it was typed.
    if (!documents::CEKTGKIRIM(session_, mutation_.date)) return false;
    const bool fresh = xbase::IsBlank(mutation_.number);
    bool saved = false;
    if (!frame::Checked(session_, SaveMutation(session_, tables_, &mutation_, &saved)) || !saved) return false;
    if (fresh) console::Alert(con_, "Nomor Mutasi kode ini adalah : " + mutation_.number);
    return true;
  }

  frame::Session& session_;
  const frame::OpenedTables& tables_;
  console::Console& con_;
  Mutation mutation_;
};

}  // namespace

std::vector<frame::TableUse> MutationTables() {
  // The warehouse + code index leads, as the stock checks seek on it.
  return {{"mastgdg"}, {"Setup"},   {"mastbrj"}, {"stokbrg", {}, false, "STOKBRG2"},
          {"MTSKDT1"}, {"MTSKDT2"}, {"MTSDBT1"}, {"MTSDBT2"}};
}

xbase::Status MTSKD(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = frame::OpenTables(session, MutationTables());
  if (!tables) return xbase::Status::OK();
  MutationScreen(session, tables).Run();
  return session.tables().CloseAll();
}

}  // namespace stock
