// "Tabel Data BM": the area managers; a code typed in the add box brings its row.
#include "masters/master_editor.h"
#include "masters/master_screens.h"

namespace masters {

xbase::Status DTBM(frame::Session& session, const std::vector<xbase::Value>&) {
  frame::EditorScreen screen = MasterEditor(
      "Tabel Data BM", {{"KODE", "KODE", "@!"}, {"NAMA", "NAMA", "@!"}, {"CABANG", "CABANG", "@!"}, {"SALES", "SALES", "@!"}});
  screen.add.title = "Tambah Data BM";
  screen.add.fill_from_row = true;
  screen.add.fields = {TextField(" KODE     :", "KODE", 10), TextField(" NAMA     :", "NAMA", 30),
                       TextField(" CABANG   :", "CABANG", 6), TextField(" KD SALES :", "SALES", 4)};
  return frame::EditTable(session, "databm", screen);
}

}  // namespace masters
