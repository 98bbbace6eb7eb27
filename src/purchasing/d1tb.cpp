// D1TB: an additional D1 order of a branch for today, typed or corrected line by line.
#include "console/alert.h"
#include "console/array_browse.h"
#include "console/keys.h"
#include "console/message.h"
#include "frame/line_editor.h"
#include "frame/open_table.h"
#include "purchasing/additional_d1.h"
#include "purchasing/plan_screens.h"
#include "purchasing/purchase_documents.h"
#include "purchasing/purchasing.h"
#include "purchasing/report_box.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace purchasing {
namespace {

namespace key = console::key;

void ShowHeader(console::Console& con, const AdditionalD1& order) {
  con.Say(1, 1, "D1 TAMBAHAN    Cabang : " + order.branch + "   Nomor : " + order.number);
  con.Say(2, 1, "Tanggal : " + xbase::Dtoc(order.date) + "   Tg. Kirim : " + xbase::Dtoc(order.ship));
}

void Renumber(AdditionalD1* order) {
  for (size_t k = 0; k < order->lines.size(); ++k) {
    order->lines[k][kAddNo - 1] = xbase::Value::Num(static_cast<double>(k + 1), 3, 0);
  }
}

// The line editor of the order; returns when it was saved or left.
void EditLines(frame::Session& session, const frame::OpenedTables& tables, AdditionalD1* order) {
  console::Console& con = session.console();
  con.ClearScreen();
  ShowHeader(con, *order);
  int idx = 1;
  const console::KeyHelp help{{"Esc", " F10", " Del"}, {") Batal,", ") Simpan", ") Hapus"}, "W+/b", "Gr+/b"};
  console::ArrayBrowse browse =
      console::BUATOBJECT(con, &order->lines, {"No", "Kode", "Nama Barang", "/box", "Order", "Quantity"},
                          {"999", "@!", "@!", "9999999", "9,999,999", "99,999,999"}, {4, 0, 21, 79},
                          std::string(con.Pick("W+/b,N/W", "W/n,N/W")), 24, help, &idx);
  for (int column : {kAddNo, kAddName, kAddPerBox, kAddQuantity}) browse.set_read_only(column, true);
  frame::LineEditorHooks hooks;
  hooks.check = [&](xbase::Value* typed) {
    return CheckAdditionalCell(session, tables, order, idx, browse.column(), typed);
  };
  hooks.show = [&] { ShowHeader(con, *order); };
  hooks.enter_on_last = [&] {
    browse.set_column(kAddCode);
    if (xbase::IsBlank(order->lines[static_cast<size_t>(idx - 1)][kAddCode - 1].text())) return;
    if (idx == browse.row_count()) order->lines.push_back(BlankAdditionalLine(browse.row_count() + 1));
    browse.Skip(1);
  };
  hooks.other_key = [&](int pressed) {
    switch (pressed) {
      case key::kDel:
        if (browse.row_count() > 1) {
          order->lines.erase(order->lines.begin() + (idx - 1));
          Renumber(order);
          browse.Skip(0);
        }
        return false;
      case key::kEsc: return true;
      case key::kF10:
        if (console::Alert(con, "Yakin data Approval akan disimpan", {"Ya", "Tidak"}) != 1) return false;
        return SaveAdditionalD1(session, *order);
      default: return false;
    }
  };
  frame::RunLineEditor(con, browse, kAddCode, kAddOrder, hooks);
}

}  // namespace

xbase::Status D1TB(frame::Session& session, const std::vector<xbase::Value>&) {
  if (session.Today().day() <= 5) {
    console::Alert(session.console(), "D1 TAMBAHAN bisa diinput setelah tanggal 5");
    return xbase::Status::OK();
  }
  const frame::OpenedTables tables = frame::OpenTables(session, {{"SETUP"}, {"MASTBRJ"}, {"D1CBNG1"}, {"D1CBNG2"}});
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(session.console());
  std::string branch = "B218  ";
  AdditionalD1 order;
  const bool asked = AskReport(session, "D1 TAMBAHAN", kCyanBox,
                               {{8, "Kode Cabang :", &branch, "@!", [&] { return KnownBranch(session, branch); }}});
  if (asked && !xbase::IsBlank(branch) &&
      LoadAdditionalD1(session, tables, xbase::PadR(xbase::AllTrim(branch), 6), &order)) {
    EditLines(session, tables, &order);
  }
  return session.tables().CloseAll();
}

}  // namespace purchasing
