// FGOODS: the free-goods delivery note. The clerk names a sales type and a sales order; the order's
// delivery notes of that type earn an allowance, and the clerk picks goods up to it. F10 saves a note
// that moves stock but leaves no receivable.
#include <cmath>
#include <string>

#include "console/array_browse.h"
#include "console/field_format.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "frame/line_arrays.h"
#include "frame/line_editor.h"
#include "frame/open_table.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "sales/free_goods.h"
#include "sales/goods_lookup.h"
#include "xbase/number_text.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

namespace key = console::key;

constexpr char kAmount[] = "99,999,999,999.99";
const std::vector<std::string> kHeads = {"No.", "Gdng",   "Kode",   "Nama Barang", " Box",   "  Pak",
                                         "   Pcs", "    Qty", "      Harga", "Disc.1", "Disc.2", "         Nilai"};
const std::vector<std::string> kPictures = {"99.",     "@!",     "@!",     "@!",     "9999",   "99999",
                                            "999999",  "9999999", "99999999.99", "999.99", "999.99", "999,999,999.99"};

}  // namespace

frame::OpenedTables OpenFreeGoodsTables(frame::Session& session) {
  return frame::OpenTables(session, {"mastbrj", "STOKBRG", "SRTJLN1", "SRTJLN2", "SRTJLN3", "MASTCUS", "SLSODR1",
                                     "TRANSAK", "fgoods", "SETUP", "PERUSH", "tipe", "mastsls", "mastgdg"});
}

namespace {

void DrawForm(console::Console& con, console::Attr attr) {
  con.Clear(0, 0, 23, 79, attr);
  console::TENGAH(con, 1, "SURAT JALAN FREE GOODS", con.Pick("W+/b", "W+/n"));
  con.Say(2, 0, "Type   : ..                  SALES : ....Disc: ...... PLAFON :", attr);
  con.Say(3, 0, "No. PO : ...............   TANGGAL : ..........        NILAI :", attr);
  con.Say(4, 0, "No. SJ : ...............      TYPE : ../..   SJ : ...  FGOODS :", attr);
  con.Say(5, 0, std::string(80, '\xC4'), attr);
  con.Say(21, 0, std::string(80, '\xC4'), attr);
  con.Say(22, 0, "Isi / Box  :", attr);
  con.Say(23, 0, "Sisa Stock :             Box :", attr);
  con.Say(22, 57, "Total  :", attr);
}

std::string Amount(double value) { return xbase::Transform(xbase::Value::Num(value), kAmount); }

// What the order brings, beside the header fields.
void ShowOrder(console::Console& con, const FreeGoodsNote& note) {
  const console::Attr attr = con.colours().standard;
  con.Say(2, 37, xbase::PadR(note.salesman, 4), attr);
  con.Say(4, 37, xbase::PadR(note.type, 2), attr);
  con.Say(4, 40, xbase::PadR(note.free_type, 2), attr);
  con.Say(4, 50, xbase::Str(static_cast<double>(note.notes.size()), 3), attr);
  con.Say(2, 63, Amount(note.threshold), attr);
  con.Say(3, 63, Amount(note.total), attr);
  con.Say(4, 63, Amount(note.allowance), attr);
}

// The footer of the current line: pieces per carton, the stock left after it and the lines of the same
// goods above it, and the note's total.
void ShowFooter(frame::Session& session, const FreeGoodsNote& note, int line) {
  console::Console& con = session.console();
  const console::ValueRow& current = note.lines[static_cast<size_t>(line - 1)];
  Goods goods;
  StockRow stock;
  if (!xbase::IsBlank(FgWord(current, kFgCode))) {
    SeekGoods(session, FgWord(current, kFgCode), &goods);
    FindStock(session, FgWord(current, kFgWarehouse), FgWord(current, kFgCode), &stock);
  }
  double left = stock.quantity;
  for (int i = 0; i < line; ++i) {
    const console::ValueRow& each = note.lines[static_cast<size_t>(i)];
    if (FgWord(each, kFgWarehouse) == FgWord(current, kFgWarehouse) && FgWord(each, kFgCode) == FgWord(current, kFgCode)) {
      left -= FgFigure(each, kFgQuantity);
    }
  }
  const console::Attr attr = con.colours().standard;
  con.Say(22, 13, xbase::Str(goods.dos, 9), attr);
  con.Say(23, 13, xbase::Str(left, 9), attr);
  con.Say(23, 30, xbase::Str(goods.dos > 0 ? std::trunc(left / goods.dos) : 0, 9), attr);
  con.Say(22, 65, xbase::Transform(xbase::Value::Num(FreeGoodsTotal(note)), "999,999,999.99"), attr);
}

// The header; false when it was left with Esc or without an order number.
bool ReadHeader(frame::Session& session, FreeGoodsNote* note) {
  console::Console& con = session.console();
  console::GetList form;
  form.Add(2, 9, &note->type, "@!").valid = [&] {
    pickers::SaleType values;
    return pickers::CTIPE(session, &note->type, &values);
  };
  form.Add(3, 9, &note->order, "@!").valid = [&] {
    if (xbase::IsBlank(note->order)) return true;
    if (!FreeGoodsOrder(session, note)) return false;
    ShowOrder(con, *note);
    return true;
  };
  form.Add(4, 9, &note->number, "@!").valid = [&] { return FreeGoodsNumberFree(session, note->number); };
  form.Add(3, 37, &note->date, "");
  form.Add(2, 47, &note->discount, "999.99").valid = [&] {
    return (note->discount >= 0 && note->discount <= 100) ||
           pickers::Refuse(session, "Discount harus antara 0 sampai 100");
  };
  for (size_t i = 2; i < 5; ++i) form.fields()[i].when = [note] { return !xbase::IsBlank(note->order); };
  const console::ReadResult read = form.Read(con);
  return !read.escaped && !xbase::IsBlank(note->order);
}

// The line editor; true when the note was saved, false when it was left for the header.
bool EditLines(frame::Session& session, FreeGoodsNote* note) {
  console::Console& con = session.console();
  note->lines.clear();
  AddFreeGoodsLine(&note->lines, note->line_d1, note->line_d2);
  int idx = 1;
  bool saved = false;
  const console::KeyHelp help{{" F10", " Del"}, {") Exit", ") Hapus"}, "W+/b", "Gr+/b"};
  console::ArrayBrowse browse = console::BUATOBJECT(con, &note->lines, kHeads, kPictures, {6, 0, 20, 79},
                                                    std::string(con.Pick("W+/b,N/W", "W/n,N/W")), 24, help, &idx);
  for (int column : {kFgLineNo, kFgName, kFgValue}) browse.set_read_only(column, true);
  browse.set_read_only(kFgPrice, !session.MMEMBER.HasRight("EDP"));

  frame::LineEditorHooks hooks;
  hooks.check = [&](xbase::Value* typed) { return CheckFreeGoodsCell(session, typed, browse.column(), note, idx); };
  hooks.show = [&] { ShowFooter(session, *note, idx); };
  hooks.enter_on_last = [&] {
    const console::ValueRow& line = note->lines[static_cast<size_t>(idx - 1)];
    browse.set_column(kFgCode);
    browse.set_column(kFgWarehouse);
    if (xbase::IsBlank(FgWord(line, kFgCode)) || FgFigure(line, kFgQuantity) == 0) return;
    if (idx == browse.row_count()) AddFreeGoodsLine(&note->lines, FgFigure(line, kFgDisc1), FgFigure(line, kFgDisc2));
    browse.Skip(1);
  };
  hooks.other_key = [&](int pressed) {
    switch (pressed) {
      case key::kDel:
        if (browse.row_count() > 1) {
          frame::HAPUS_(static_cast<size_t>(idx), &note->lines);
          browse.Skip(0);
        }
        return false;
      case key::kEsc: return true;
      case key::kF10:
        if (std::trunc(FreeGoodsTotal(*note)) > std::trunc(note->allowance)) {
          return pickers::Refuse(session, "Total free goods maximal : " +
                                              xbase::Transform(xbase::Value::Num(note->allowance), "999,999,999.99"));
        }
        saved = SaveFreeGoods(session, *note);
        return saved;
      default: return false;
    }
  };
  frame::RunLineEditor(con, browse, kFgWarehouse, kFgValue, hooks);
  return saved;
}

}  // namespace

xbase::Status FGOODS(frame::Session& session, const std::vector<xbase::Value>&) {
  if (!OpenFreeGoodsTables(session)) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  FreeGoodsNote note;
  note.date = session.Today();
  DrawForm(con, con.colours().standard);
  for (;;) {
    if (!ReadHeader(session, &note)) break;
    const bool saved = EditLines(session, &note);
    DrawForm(con, con.colours().standard);
    ShowOrder(con, note);
    if (saved) note.number = std::string(20, ' ');
  }
  return frame::CloseTables(session, xbase::Status::OK());
}

}  // namespace sales
