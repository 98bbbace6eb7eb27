// "Tabel Data Property": the table editor over the price list Price.dbf, without adding.
#include "console/get.h"
#include "frame/open_table.h"
#include "frame/table_screen.h"
#include "masters/master_editor.h"
#include "masters/master_screens.h"
#include "masters/price_list.h"
#include "xbase/text_functions.h"

namespace masters {

xbase::Status RHRG3(frame::Session& session, const Args&) {
  console::Console& con = session.console();
  if (!frame::OpenTable(session, "setup")) return session.tables().CloseAll();
  console::ScreenKeeper keep(con);
  con.Say(2, 2, "Dir : ");
  std::string folder = xbase::PadR(PresetFolder(session), 60);
  console::GetList form;
  form.Add(2, 8, &folder, "@!S30");
  xbase::WorkArea* prices = nullptr;
  if (form.Read(con).escaped || !OpenPriceList(session, folder, &prices)) return session.tables().CloseAll();
  constexpr const char* kMoney = "9,999,999.99";
  frame::EditorScreen screen = MasterEditor(
      "Tabel Data Property",
      {{"KODE", "KODE", "@!"}, {"GOLONGAN", "GOLONGAN", "@!"}, {"INDUK", "INDUK", "@!"}, {"NAMA", "NAMA", ""},
       {"NAMA2", "NAMA2", ""}, {"SATUAN", "SATUAN", ""}, {"JUMLAH", "JUMLAH", ""}, {"HARGA", "HARGA", kMoney},
       {"HARGA1", "HARGA1", kMoney}, {"HARGA2", "HARGA2", kMoney}, {"HPP", "HPP", kMoney},
       {"HARGA4", "HARGA4", kMoney}, {"PAK", "PAK", ""}, {"DOS", "DOS", ""}, {"LIMIT", "LIMIT", ""}});
  screen.can_add = false;
  screen.options.footer = "Esc) Selesai, F4) Cari, ";
  frame::RunEditorScreen(session, *prices, screen);
  return session.tables().CloseAll();
}

}  // namespace masters
