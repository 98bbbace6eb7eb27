// "Tabel GOLONGAN": the goods groups and the order reports list them in.
#include "masters/master_editor.h"
#include "masters/master_screens.h"

namespace masters {

xbase::Status TGOL(frame::Session& session, const std::vector<xbase::Value>&) {
  frame::EditorScreen screen =
      MasterEditor("Tabel GOLONGAN", {{"KODE", "KODE", "@!"}, {"Nama", "NAMA", "@!"}, {"URUTAN", "URUTAN", "999"}});
  screen.add.title = "Tambah GOLONGAN";
  screen.add.fields = {TextField(" KODE :", "KODE", 10), TextField(" NAMA :", "NAMA", 20),
                       {" URUT :", "URUTAN", "999", xbase::Value::Num(0)}};
  return frame::EditTable(session, "mastgol", screen);
}

}  // namespace masters
