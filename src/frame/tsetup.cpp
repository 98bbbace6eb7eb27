#include "frame/tsetup.h"

#include "frame/settings_editor.h"

namespace frame {

xbase::Status TSETUP(Session& session, const std::vector<xbase::Value>&) {
  return RunSettingsEditor(session, "Setup", "Tabel Setup", {{"SETUP", "SETUP", "@!"}, {"KETERANGAN", "KET", "@s70"}},
                           {5, 2, 21, 77}, "Esc) Selesai, F2) Tambah Data, F4) Cari, ",
                           {{"Setup :", "SETUP", "@!", xbase::Value::Text(std::string(10, ' '))},
                            {" Ket. :", "KET", "", xbase::Value::Text(std::string(60, ' '))}});
}

}  // namespace frame
