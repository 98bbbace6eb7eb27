// The screen of a deduction request and its line editor, shared by the entry and the approval.
#include <algorithm>
#include <string>

#include "console/array_browse.h"
#include "console/box.h"
#include "console/key_help.h"
#include "console/keys.h"
#include "console/message.h"
#include "frame/line_arrays.h"
#include "frame/line_editor.h"
#include "receivables/deductions.h"
#include "receivables/editor_keys.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

namespace key = console::key;

constexpr const char* kScreenColour = "W+/b";
constexpr console::Window kLinesWindow{4, 1, 21, 78};

}  // namespace

void DrawDeductionScreen(console::Console& con, std::string_view title) {
  const console::Attr attr = con.Colour(kScreenColour);
  con.Clear(0, 0, 23, 79, attr);
  console::TENGAH(con, 0, title, kScreenColour);
  con.Say(kDedHeaderRow, 1, "Cabang : ......  Nomor : ..........  Tanggal : ..........  Kode Potongan : ..",
          attr);
  console::DrawFrame(con, kLinesWindow.top - 1, 0, kLinesWindow.bottom + 1, 79, console::Line::kSingle, attr);
}

void EditDeductionLines(frame::Session& session, const frame::OpenedTables& tables, DeductionRequest* request,
                        bool approval, const std::function<bool()>& save) {
  console::Console& con = session.console();
  int idx = 1;
  const console::KeyHelp help{{"Esc", " F10", " Del"}, {") Batal,", ") Simpan", ") Hapus"}, "W+/b", "GR+/b"};
  console::ArrayBrowse browse = console::BUATOBJECT(
      con, &request->lines, {" NO", "NOTA/INVOICE", "NILAI", "%", "NOMINAL", "BPT", "KET"},
      {"99", "@!", "99,999,999,999.99", "99.99", "999,999,999.99", "@!", "@!s38"}, kLinesWindow, "W+/b,N/W", 23,
      help, &idx, 1);
  const int first = approval ? kDedPercent + 1 : kDedNota + 1;
  const int last = approval ? kDedAmount + 1 : kDedNote + 1;
  for (int column = 1; column <= static_cast<int>(kDedNote) + 1; ++column) {
    const bool edited = column == kDedPercent + 1 || column == kDedAmount + 1 ||
                        (!approval && (column == kDedNota + 1 || column == kDedNote + 1));
    browse.set_read_only(column, !edited);
  }
  browse.set_column(first);
  frame::LineEditorHooks hooks;
  hooks.check = [&](xbase::Value* value) {
    return CheckDeductionCell(session, tables, request, static_cast<size_t>(idx - 1),
                              static_cast<size_t>(browse.column() - 1), value);
  };
  hooks.after_edit = [&](int column) {
    if (column < last) {
      browse.Navigate(key::kRight);
      return;
    }
    const console::ValueRow& line = request->lines[static_cast<size_t>(idx - 1)];
    browse.set_column(first);
    if (!DeductionCounts(line) || line[kDedDebet].number() == 0) return;
    if (idx == static_cast<int>(request->lines.size())) {
      if (approval) return;
      request->lines.push_back(BlankDeductionLine(request->lines.size() + 1));
    }
    browse.Skip(1);
  };
  hooks.other_key = [&](int pressed) {
    switch (pressed) {
      case key::kEsc: return true;
      case key::kF10:
        if (request->printed && !approval) {
          console::PESAN(con, "Pengajuan sudah dicetak, tidak dapat disimpan");
          return false;
        }
        return save();
      case key::kDel:
        if (!approval) DeleteLine(&request->lines, &idx);
        return false;
      default: return false;
    }
  };
  frame::RunLineEditor(con, browse, first, last, hooks);
}

}  // namespace receivables
