// "DATA GUDANG": the warehouses and the branch each belongs to.
#include "masters/master_editor.h"
#include "masters/master_screens.h"

namespace masters {

xbase::Status TGDG(frame::Session& session, const std::vector<xbase::Value>&) {
  frame::EditorScreen screen =
      MasterEditor("DATA GUDANG", {{"GUDANG", "GUDANG", "@!"}, {"KDCB", "KDCB", "@!"}, {"NAMA", "NAMA", ""}});
  screen.add.title = "TAMBAH GUDANG";
  screen.add.fields = {TextField(" KODE :", "GUDANG", 6), TextField(" KDCB :", "KDCB", 6),
                       TextField(" NAMA :", "NAMA", 20, "")};
  return frame::EditTable(session, "mastgdg", screen);
}

}  // namespace masters
