// The split of an instrument among other branches: the instrument with its nominal, used total and
// rest, then one line per target branch.
#include <algorithm>
#include <string>

#include "console/alert.h"
#include "console/array_browse.h"
#include "console/box.h"
#include "console/get.h"
#include "console/key_help.h"
#include "console/keys.h"
#include "console/message.h"
#include "frame/line_arrays.h"
#include "frame/line_editor.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "receivables/editor_keys.h"
#include "receivables/other_branches.h"
#include "xbase/date_functions.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

namespace key = console::key;

constexpr const char* kColour = "W+/b";
constexpr console::Window kLinesWindow{7, 1, 20, 78};

std::string Money(double value) { return xbase::Transform(xbase::Value::Num(value), "9,999,999,999.99"); }

void DrawScreen(console::Console& con) {
  const console::Attr attr = con.Colour(kColour);
  con.Clear(0, 0, 23, 79, attr);
  console::TENGAH(con, 0, "Realisasi Giro/Transfer Cabang Lain", kColour);
  con.Say(2, 2, "Nomor   :", attr);
  con.Say(3, 2, "Cabang  :                Tanggal :             Tg. Terima :", attr);
  con.Say(4, 2, "Nominal :                  Realisasi :                 Saldo :", attr);
  console::DrawFrame(con, kLinesWindow.top - 1, 0, kLinesWindow.bottom + 1, 79, console::Line::kSingle, attr);
}

void ShowFigures(console::Console& con, const GiroSplit& split) {
  const console::Attr attr = con.Colour(kColour);
  const double rest = SplitRemaining(split);
  con.Say(4, 12, Money(split.nominal), attr);
  con.Say(4, 40, Money(split.nominal - rest), attr);
  con.Say(4, 64, Money(rest), attr);  // ends at column 79
}

void EditLines(frame::Session& session, const frame::OpenedTables& tables, GiroSplit* split) {
  console::Console& con = session.console();
  int idx = 1;
  const console::KeyHelp help{{"Esc", " F10", " Del"}, {") Kembali,", ") Simpan", ") Hapus"}, "W+/b", "GR+/b"};
  console::ArrayBrowse browse = console::BUATOBJECT(
      con, &split->lines, {"No.", "Cabang", "Nama Cabang", "Jumlah", "Relasi", "Keterangan"},
      {"99.", "@!", "@!", "999,999,999.99", "@!", "@!s20"}, kLinesWindow, "W+/b,N/W", 23, help, &idx, 1);
  browse.set_read_only(kSpNo + 1, true);
  browse.set_read_only(kSpBranchName + 1, true);
  frame::LineEditorHooks hooks;
  hooks.check = [&](xbase::Value* value) {
    return CheckSplitCell(session, tables, split, static_cast<size_t>(idx - 1),
                          static_cast<size_t>(browse.column() - 1), value);
  };
  hooks.after_edit = [&](int column) {
    if (column < static_cast<int>(kSpNote) + 1) {
      browse.Navigate(key::kRight);
      return;
    }
    const console::ValueRow& line = split->lines[static_cast<size_t>(idx - 1)];
    browse.set_column(kSpBranch + 1);
    if (xbase::IsBlank(line[kSpBranch].text()) || line[kSpAmount].number() == 0) return;
    if (idx == static_cast<int>(split->lines.size())) {
      split->lines.push_back(BlankSplitLine(split->lines.size() + 1, split->customer));
    }
    browse.Skip(1);
  };
  hooks.show = [&] { ShowFigures(con, *split); };
  hooks.other_key = [&](int pressed) {
    switch (pressed) {
      case key::kEsc: return true;
      case key::kF10: {
        if (console::Alert(con, "Yakin data akan disimpan", {"Ya", "Tidak"}) != 1) return false;
        bool saved = false;
        return frame::Checked(session, SaveSplit(session, tables, *split, &saved)) && saved;
      }
      case key::kDel:
        if (!xbase::IsBlank(split->lines[static_cast<size_t>(idx - 1)][kSpBranch].text())) {
          DeleteLine(&split->lines, &idx);
        }
        return false;
      default: return false;
    }
  };
  frame::RunLineEditor(con, browse, kSpBranch + 1, kSpNote + 1, hooks);
}

}  // namespace

xbase::Status GCBLAIN(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = OpenSplitTables(session);
  if (!tables) return xbase::Status::OK();
  const xbase::WorkArea& instrument = tables["GiroDbt"];
  console::ScreenKeeper keep(con);
  for (;;) {
    DrawScreen(con);
    GiroSplit split;
    console::GetList which;
    which.Add(2, 12, &split.number, "@!").valid = [&] {
      return xbase::IsBlank(split.number) || LoadSplit(session, tables, &split);
    };
    if (which.Read(con).escaped || xbase::IsBlank(split.number)) break;
    const console::Attr attr = con.Colour(kColour);
    con.Say(3, 12, split.branch, attr);
    con.Say(3, 37, xbase::Dtoc(instrument.DateOf("TANGGAL")), attr);
    con.Say(3, 62, xbase::Dtoc(instrument.DateOf("TG_TERIMA")), attr);
    EditLines(session, tables, &split);
  }
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace receivables
