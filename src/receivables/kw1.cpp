// The invoice receipt entry: header with the proposed number and "Pembayaran ke" lines, then the
// invoices with their open balances and the running total.
#include <algorithm>
#include <string>

#include "console/array_browse.h"
#include "console/box.h"
#include "console/get.h"
#include "console/key_help.h"
#include "console/keys.h"
#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/line_arrays.h"
#include "frame/line_editor.h"
#include "frame/status_display.h"
#include "receivables/editor_keys.h"
#include "receivables/keyed_seek.h"
#include "receivables/kwitansi.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

namespace key = console::key;

constexpr const char* kColour = "W+/b";
constexpr console::Window kLinesWindow{9, 1, 19, 78};

void DrawScreen(console::Console& con) {
  const console::Attr attr = con.Colour(kColour);
  con.Clear(0, 0, 23, 79, attr);
  console::TENGAH(con, 0, "KWITANSI", kColour);
  const char* labels[] = {"No. Kwitansi  :", "Tanggal       :", "Terima Dari   :", "Pembayaran ke :"};
  for (int i = 0; i < 4; ++i) con.Say(2 + i, 2, labels[i], attr);
  console::DrawFrame(con, kLinesWindow.top - 1, 0, kLinesWindow.bottom + 1, 79, console::Line::kSingle, attr);
}

void ShowTotal(console::Console& con, const Kwitansi& receipt) {
  double total = 0;
  for (const console::ValueRow& line : receipt.lines) total += line[kKwAmount].number();
  con.Say(21, 40, "Total : " + xbase::Transform(xbase::Value::Num(total), "9,999,999,999.99"), con.Colour(kColour));
}

void EditLines(frame::Session& session, const frame::OpenedTables& tables, Kwitansi* receipt) {
  console::Console& con = session.console();
  int idx = 1;
  const console::KeyHelp help{{"Esc", " F10", " Del"}, {") Kembali,", ") Simpan", ") Hapus"}, "W+/b", "GR+/b"};
  console::ArrayBrowse browse =
      console::BUATOBJECT(con, &receipt->lines, {"No.", "Nota", "Tanggal", "          Jumlah"},
                          {"99.", "@!", "@!", "9,999,999,999.99"}, kLinesWindow, "W+/b,N/W", 23, help, &idx, 1);
  browse.set_read_only(kKwNo + 1, true);
  browse.set_read_only(kKwDate + 1, true);
  frame::LineEditorHooks hooks;
  hooks.check = [&](xbase::Value* value) {
    if (browse.column() != kKwNota + 1) return true;
    return CheckKwitansiInvoice(session, tables, receipt, static_cast<size_t>(idx - 1), value);
  };
  hooks.after_edit = [&](int column) {
    if (column == kKwNota + 1) {
      browse.set_column(kKwAmount + 1);
      return;
    }
    browse.set_column(kKwNota + 1);
    if (idx == static_cast<int>(receipt->lines.size())) {
      receipt->lines.push_back(BlankKwitansiLine(receipt->lines.size() + 1));
    }
    browse.Skip(1);
  };
  hooks.show = [&] { ShowTotal(con, *receipt); };
  hooks.other_key = [&](int pressed) {
    switch (pressed) {
      case key::kEsc: return true;
      case key::kF10:
        // A failure was told by the save.
        return AnsweredYes(con, "Yakin data akan disimpan (Y/T)") &&
               SaveInvoiceKwitansi(session, tables, *receipt).ok();
      case key::kDel:
        DeleteLine(&receipt->lines, &idx);
        return false;
      default: return false;
    }
  };
  frame::RunLineEditor(con, browse, kKwNota + 1, kKwAmount + 1, hooks);
}

}  // namespace

xbase::Status KW1(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = OpenKwitansiTables(session);
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  for (;;) {
    DrawScreen(con);
    Kwitansi receipt = ProposedKwitansi(session, tables, 40);
    console::GetList header;
    header.Add(2, 18, &receipt.number, "@!").valid = [&] {
      xbase::Status s = frame::PickCode(
          session, PickOf("kwit_1", {"nomor", "tanggal", "dari"}, {"Nomor", "tanggal", "dari"}), &receipt.number);
      bool found = false;
      if (s.ok()) s = LoadKwitansi(tables, &receipt, &found);
      return frame::Checked(session, s) && !xbase::IsBlank(receipt.number);
    };
    header.Add(3, 18, &receipt.date);
    header.Add(4, 18, &receipt.from, "@S50");
    for (size_t i = 0; i < 3; ++i) header.Add(5 + static_cast<int>(i), 18, &receipt.pay_to[i], "@S40");
    if (header.Read(con).escaped) break;
    EditLines(session, tables, &receipt);
  }
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace receivables
