// " DATA NOMOR NPWP": tax numbers with the taxpayer's name, address and city.
#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/table_access.h"
#include "frame/open_table.h"
#include "frame/prompts.h"
#include "frame/status_display.h"
#include "masters/master_screens.h"
#include "masters/record_form.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace masters {
namespace {

constexpr std::string_view kColour = "W+/b";
constexpr int kEditCol = 13;

struct TaxNumber {
  std::string npwp = std::string(15, ' ');
  std::string nama = std::string(65, ' ');
  std::string alamat1 = std::string(70, ' ');
  std::string alamat2 = std::string(70, ' ');
  std::string kota = std::string(15, ' ');
};

xbase::Status Save(frame::Session& session, xbase::WorkArea& numbers, const TaxNumber& number) {
  bool appended = false;
  xbase::Status s = LockRowOf(session.console(), numbers, "NPWP", number.npwp, &appended);
  const std::pair<const char*, xbase::Value> fields[] = {
      {"NAMA", xbase::Value::Text(number.nama)},       {"ALAMAT1", xbase::Value::Text(number.alamat1)},
      {"ALAMAT2", xbase::Value::Text(number.alamat2)}, {"KOTA", xbase::Value::Text(number.kota)},
      {"TG_INPUT", xbase::Value::FromDate(session.Today())}};
  for (const auto& [field, value] : fields) {
    if (s.ok()) s = numbers.Put(field, value);
  }
  const xbase::Status unlocked = numbers.Unlock();
  return s.ok() ? unlocked : s;
}

}  // namespace

xbase::Status TNPWP(frame::Session& session, const Args&) {
  console::Console& con = session.console();
  xbase::WorkArea* numbers = nullptr;
  if (!frame::OpenTable(session, "dt_npwp", false, "", &numbers)) return session.tables().CloseAll();
  console::ScreenKeeper keep(con);
  con.SetColour(kColour);
  for (;;) {
    console::SHADOW(con, 4, 1, 12, 78, kColour);
    con.Say(5, 3, " DATA NOMOR NPWP", con.Colour(kColour));
    const std::pair<int, const char*> labels[] = {{7, " Nomor  :"}, {8, " Nama   :"}, {9, " Alamat :"}, {11, " Kota   :"}};
    for (const auto& [row, label] : labels) con.Say(row, 3, label, con.Colour(kColour));
    TaxNumber number;
    console::GetList fields;
    fields.Add(7, kEditCol, &number.npwp, "@!").valid = [&] {
      bool found = false;
      // The fields typed over a stored number are saved over it: one that cannot be read is the error.
      if (!xbase::IsBlank(number.npwp) && !frame::Checked(session, xbase::SeekFound(*numbers, number.npwp, &found))) {
        return false;
      }
      if (found) {
        number.nama = numbers->Text("NAMA");
        number.alamat1 = numbers->Text("ALAMAT1");
        number.alamat2 = numbers->Text("ALAMAT2");
        number.kota = numbers->Text("KOTA");
        fields.Display(con);
      }
      return true;
    };
    fields.Add(8, kEditCol, &number.nama, "@S63");
    fields.Add(9, kEditCol, &number.alamat1, "@S63");
    fields.Add(10, kEditCol, &number.alamat2, "@S63");
    fields.Add(11, kEditCol, &number.kota);
    const console::ReadResult read = fields.Read(con);
    if ((read.escaped && read.field == 0) || xbase::IsBlank(number.npwp)) break;
    if (read.escaped) continue;
    const char answer = frame::AnswerKey(con, "S) simpan, H) hapus ");
    xbase::Status s;
    if (answer == 'S') s = Save(session, *numbers, number);
    if (answer == 'H') s = DeleteRowOf(con, *numbers, number.npwp);
    frame::ShowFailure(session, s);
  }
  return session.tables().CloseAll();
}

}  // namespace masters
