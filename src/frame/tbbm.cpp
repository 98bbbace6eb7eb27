#include "frame/tbbm.h"

#include "frame/settings_editor.h"

namespace frame {

xbase::Status TBBM(Session& session, const std::vector<xbase::Value>&) {
  return RunSettingsEditor(session, "tbbm", "Tabel BBM", {{"BBM", "BBM", "@!"}, {"HARGA", "HARGA", "999,999.99"}},
                           {5, 20, 15, 50}, "Esc) Selesai, F2) Tambah, F4) Cari, ",
                           {{"BBM   :", "BBM", "@!", xbase::Value::Text(std::string(14, ' '))},
                            {"Harga :", "HARGA", "99,999.99", xbase::Value::Num(0)}});
}

}  // namespace frame
