// "Tabel BBM": the editor of the fuel prices of TBBM.
#include "frame/tbbm.h"

#include <string>

#include "frame/table_screen.h"

namespace frame {

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
