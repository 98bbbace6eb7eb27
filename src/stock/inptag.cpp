// INPTAG: the lines of one stock-taking tag typed in: item, warehouse, location and the count in
// cartons, packs and pieces.
#include "console/alert.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "documents/save_scope.h"
#include "frame/code_pick.h"
#include "frame/grid_cells.h"
#include "frame/line_editor.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "stock/stock_screens.h"
#include "stock/tags.h"
#include "xbase/keyed_read.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"
#include "xbase/work_area.h"

namespace stock {

using frame::Cell;
using frame::Figure;
using frame::RemoveRow;

namespace {

namespace key = console::key;

enum Column { kNo = 1, kCode, kName, kWarehouse, kLocation, kBox, kPak, kPcs, kQty };
const std::vector<std::string> kHeads = {" No", "KODE", "NAMA", "GD", "LINE", " BOX", " PAK", "   PCS", "      QYT"};
const std::vector<std::string> kPictures = {"99", "@!", "@!", "@!", "@!", "9999", "9999", "999999", "999999999"};

console::ValueRow BlankLine(int n, const std::string& warehouse, const std::string& location) {
  return {xbase::Value::Num(n, 2, 0),        xbase::Value::Text(std::string(10, ' ')),
          xbase::Value::Text(std::string(20, ' ')), xbase::Value::Text(xbase::PadR(warehouse, 4)),
          xbase::Value::Text(xbase::PadR(location, 6)), xbase::Value::Num(0, 4, 0),
          xbase::Value::Num(0, 4, 0),        xbase::Value::Num(0, 6, 0),
          xbase::Value::Num(0, 9, 0)};
}

class TagScreen {
 public:
  TagScreen(frame::Session& session, const frame::OpenedTables& tables)
      : session_(session), tables_(tables), con_(session.console()) {}

  void Run() {
    if (!frame::Checked(session_, NextTag(tables_["opname"], &proposed_, &date_))) return;
    for (;;) {
      const console::Attr attr = con_.colours().standard;
      con_.Clear(0, 0, 23, 79, attr);
      console::TENGAH(con_, 1, "Input Tag Stock Opname", con_.Pick("W+/b", "W+/n"));
      con_.Say(3, 2, "Nomor Tag :", attr);
      con_.Say(4, 2, "Tanggal   :", attr);
      number_ = proposed_;
      console::GetList form;
      form.Add(3, 14, &number_, "@!").valid = [&] { return NumberValid(); };
      form.Add(4, 14, &date_, "");
      if (form.Read(con_).escaped || xbase::IsBlank(number_)) return;
      EditLines();
    }
  }

 private:
  bool NumberValid() {
    frame::PickSpec pick;
    pick.alias = "opname";
    pick.expressions = {"NOMOR", "KODE", "GUDANG", "LOKASI", "JUMLAH"};
    pick.heads = {"Nomor", "Kode", "Gudang", "Lokasi", "Jumlah"};
    if (!frame::Checked(session_, frame::PickCode(session_, pick, &number_))) return false;
    lines_.clear();
    std::vector<TagLine> stored;
    bool found = false;
    if (!frame::Checked(session_, LoadTag(tables_["opname"], number_, &stored, &date_, &found))) return false;
    xbase::WorkArea& goods = tables_["mastbrj"];
    for (const TagLine& tag : stored) {
      console::ValueRow line = BlankLine(static_cast<int>(lines_.size() + 1), tag.warehouse, tag.location);
      line[kCode - 1] = xbase::Value::Text(tag.code);
      if (xbase::LookUp(goods, goods.PadToField("KODE", tag.code))) {  // only the name shown
        line[kName - 1] = xbase::Value::Text(goods.Text("NAMA"));
      }
      line[kBox - 1] = xbase::Value::Num(tag.cartons, 4, 0);
      line[kPak - 1] = xbase::Value::Num(tag.packs, 4, 0);
      line[kPcs - 1] = xbase::Value::Num(tag.pieces, 6, 0);
      line[kQty - 1] = xbase::Value::Num(tag.quantity, 9, 0);
      lines_.push_back(std::move(line));
    }
    const std::string warehouse = lines_.empty() ? "" : Cell(lines_.back(), kWarehouse);
    const std::string location = lines_.empty() ? "" : Cell(lines_.back(), kLocation);
    lines_.push_back(BlankLine(static_cast<int>(lines_.size() + 1), warehouse, location));
    return true;
  }

  void EditLines() {
    int idx = 1;
    const console::KeyHelp help{{"Esc", " F10", " Del"}, {") Batal,", ") Simpan", ") Hapus"}, "W+/b", "Gr+/b"};
    console::ArrayBrowse browse = console::BUATOBJECT(con_, &lines_, kHeads, kPictures, {6, 0, 21, 79},
                                                      std::string(con_.Pick("W+/b,N/W", "W/n,N/W")), 24, help, &idx);
    browse.set_read_only(kNo, true);
    browse.set_read_only(kName, true);
    browse.set_column(kCode);
    frame::LineEditorHooks hooks;
    hooks.check = [&](xbase::Value* typed) { return Check(browse.column(), lines_[static_cast<size_t>(idx - 1)], typed); };
    hooks.enter_on_last = [&] {
      const console::ValueRow& line = lines_[static_cast<size_t>(idx - 1)];
      browse.set_column(kCode);
      if (xbase::IsBlank(Cell(line, kCode)) || Figure(line, kQty) == 0) return;
      if (idx == browse.row_count()) {
        lines_.push_back(BlankLine(idx + 1, Cell(line, kWarehouse), Cell(line, kLocation)));
      }
      browse.Skip(1);
    };
    hooks.other_key = [&](int pressed) {
      switch (pressed) {
        case key::kDel:
          if (browse.row_count() > 1) {
            RemoveRow(&lines_, idx);
            browse.Skip(0);
          }
          return false;
        case key::kEsc: return true;
        case key::kF10: return Save();
        default: return false;
      }
    };
    frame::RunLineEditor(con_, browse, kCode, kQty, hooks);
  }

  bool Check(int column, console::ValueRow& line, xbase::Value* typed) {
    switch (column) {
      case kCode: {
        std::string code = typed->text();
        if (!pickers::GETKODEBRG(session_, &code)) {
          return pickers::Refuse(session_, "Kode " + std::string(xbase::RTrim(code)) + " tidak terdaftar");
        }
        *typed = xbase::Value::Text(xbase::PadR(code, 10));
        xbase::WorkArea& goods = tables_["mastbrj"];
        // Only the name shown: one that cannot be read shows blank.
        const bool known = !xbase::IsBlank(code) && xbase::LookUp(goods, goods.PadToField("KODE", code));
        line[kName - 1] = xbase::Value::Text(xbase::PadR(known ? goods.Text("NAMA") : "", 20));
        return true;
      }
      case kWarehouse: {
        std::string code = typed->text();
        if (!pickers::CEKGUDANG(session_, &code, false)) {
          return pickers::Refuse(session_, "Kode gudang " + std::string(xbase::RTrim(code)) + " tidak terdaftar");
        }
        *typed = xbase::Value::Text(xbase::PadR(code, 4));
        return true;
      }
      case kBox:
      case kPak:
      case kPcs: {
        xbase::WorkArea& goods = tables_["mastbrj"];
        bool known = false;
        // The carton and pack sizes make the quantity counted: an item that cannot be read is the error.
        if (!frame::Checked(session_, xbase::SeekFound(goods, goods.PadToField("KODE", Cell(line, kCode)), &known))) {
          return false;
        }
        const double box = column == kBox ? typed->number() : Figure(line, kBox);
        const double pak = column == kPak ? typed->number() : Figure(line, kPak);
        const double pcs = column == kPcs ? typed->number() : Figure(line, kPcs);
        const double pieces = known ? box * goods.Number("DOS") + pak * goods.Number("PAK") + pcs : pcs;
        line[kQty - 1] = xbase::Value::Num(pieces, 9, 0);
        return true;
      }
      default: return true;
    }
  }

  bool Save() {
    if (console::Alert(con_, "yakin akan disimpan", {"Ya", "Tidak"}) != 1) {
      console::Alert(con_, "gagal disimpan");
      return false;
    }
    std::vector<TagLine> tags;
    for (const console::ValueRow& line : lines_) {
      tags.push_back({Cell(line, kCode), Cell(line, kWarehouse), Cell(line, kLocation), Figure(line, kBox),
                      Figure(line, kPak), Figure(line, kPcs), Figure(line, kQty)});
    }
    // Nothing of a tag that could not be stored is written; the clerk stays on it.
    if (const xbase::Status s = SaveTag(session_, tables_["opname"], number_, date_, tags); !s.ok()) return documents::NothingSaved(session_, s);
    proposed_ = std::string(
        xbase::Right("10000000000" + std::string(xbase::AllTrim(xbase::Str(xbase::Val(number_).value + 1, 12, 0))), 10));
    return true;
  }

  frame::Session& session_;
  const frame::OpenedTables& tables_;
  console::Console& con_;
  std::string proposed_;
  std::string number_;
  xbase::Date date_;
  console::ValueTable lines_;
};

}  // namespace

xbase::Status INPTAG(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = frame::OpenTables(session, {{"mastgdg"}, {"mastbrj"}, {"Stokbrg"}, {"opname"}});
  if (!tables) return xbase::Status::OK();
  TagScreen(session, tables).Run();
  return session.tables().CloseAll();
}

}  // namespace stock
