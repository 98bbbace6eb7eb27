// "Tabel Data Property" over the stock adjustments.
#include "frame/open_table.h"
#include "masters/master_editor.h"
#include "masters/master_screens.h"

namespace masters {

xbase::Status BROJAST(frame::Session& session, const std::vector<xbase::Value>&) {
  xbase::WorkArea* area = nullptr;
  if (!frame::OpenTable(session, "justmen", false, "", &area)) return session.tables().CloseAll();
  frame::EditorScreen screen = MasterEditor(
      "Tabel Data Property", {{"NOMOR", "NOMOR", "@!s15"}, {"TANGGAL", "TANGGAL", ""}, {"KODE", "KODE", "@!"},
                              {"GUDANG", "GUDANG", "@!"}, {"QUANTITY", "QUANTITY", "9,999,999"},
                              {"HARGA", "HARGA", "9,999,999.99"}, {"HRG_RATA", "HRG_RATA", "9,999,999.99"}});
  screen.can_add = false;
  screen.options.footer = "Esc) Selesai, F4) Cari, ";
  // The goods and warehouse order controls, as the screen has always listed them.
  if (xbase::Status s = area->SetOrder("JUSTMEN2"); !s.ok()) return s;
  frame::RunEditorScreen(session, *area, screen);
  return session.tables().Close(area->alias());
}

}  // namespace masters
