#include "frame/settings_editor.h"

#include <string>

#include "frame/table_screen.h"

namespace frame {

xbase::Status TSETUP(Session& session, const std::vector<xbase::Value>&) {
  EditorScreen screen;
  screen.title = "Tabel Setup";
  screen.columns = {{"SETUP", "SETUP", "@!"}, {"KETERANGAN", "KET", "@s70"}};
  screen.options.window = {5, 2, 21, 77};
  screen.add.fields = {{"Setup :", "SETUP", "@!", xbase::Value::Text(std::string(10, ' '))},
                       {" Ket. :", "KET", "", xbase::Value::Text(std::string(60, ' '))}};
  return EditTable(session, "Setup", screen);
}

xbase::Status TBBM(Session& session, const std::vector<xbase::Value>&) {
  EditorScreen screen;
  screen.title = "Tabel BBM";
  screen.columns = {{"BBM", "BBM", "@!"}, {"HARGA", "HARGA", "999,999.99"}};
  screen.options.window = {5, 20, 15, 50};
  screen.options.footer = "Esc) Selesai, F2) Tambah, F4) Cari, ";
  screen.add.fields = {{"BBM   :", "BBM", "@!", xbase::Value::Text(std::string(14, ' '))},
                       {"Harga :", "HARGA", "99,999.99", xbase::Value::Num(0)}};
  return EditTable(session, "tbbm", screen);
}

}  // namespace frame
