// "Tabel Sales": the salesmen.
#include "masters/master_editor.h"
#include "masters/master_screens.h"

namespace masters {

xbase::Status STK1D(frame::Session& session, const std::vector<xbase::Value>&) {
  frame::EditorScreen screen = MasterEditor(
      "Tabel Sales", {{"SALES", "SALES", "@!"}, {"NAMA", "NAMA", "@!"}, {"INDUK", "INDUK", "@!"},
                      {"K1K2", "KELOMPOK", "@!"}, {"JABATAN", "JABATAN", "@!"}, {"GRUP", "KD_LAMA", "@!"},
                      {"NIK", "NIK", "@!"}, {"OUT", "TG_OUT", ""}});
  screen.add.title = "Tambah Sales";
  screen.add.fields = {TextField(" KODE :", "SALES", 4), TextField(" NAMA :", "NAMA", 20),
                       TextField(" K1K2 :", "KELOMPOK", 2)};
  return frame::EditTable(session, "mastsls", screen);
}

}  // namespace masters
