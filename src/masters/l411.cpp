// "Tabel Kode Perusahaan": the company codes.
#include <array>

#include "console/box.h"
#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "masters/master_screens.h"
#include "masters/record_form.h"
#include "xbase/text_functions.h"

namespace masters {
namespace {

constexpr std::string_view kColour = "W+/bg";
constexpr int kFieldCount = 6;
constexpr int kFirstRow = 8;
constexpr int kEditCol = 22;

}  // namespace

bool LCGETPERUSH(frame::Session& session, std::string* code, std::vector<xbase::Value>* values, std::string_view colour) {
  session.console().SetColour(colour);
  values->clear();
  if (xbase::IsBlank(*code)) return true;
  frame::PickSpec pick;
  pick.alias = "perush";
  bool found = false;
  xbase::WorkArea* companies = nullptr;
  if (!frame::PickAndSeek(session, pick, code, &found, &companies).ok() || !found) return true;
  for (int field = 1; field < kFieldCount; ++field) values->push_back(companies->FieldValue(field));
  return true;
}

xbase::Status L411(frame::Session& session, const Args&) {
  console::Console& con = session.console();
  xbase::WorkArea* companies = nullptr;
  if (!frame::OpenTable(session, "perush", false, "", &companies)) return session.tables().CloseAll();
  console::ScreenKeeper keep(con);
  con.SetColour(kColour);
  console::SHADOW(con, 5, 10, 15, 70, kColour);
  console::TENGAH(con, 6, "Tabel Kode Perusahaan", kColour);
  static constexpr std::array<const char*, kFieldCount> kLabels = {"  Kode   :", "  Induk  :", "  Nama   :",
                                                                   "  Alamat :", "",           "  Kota   :"};
  for (int i = 0; i < kFieldCount; ++i) con.Say(kFirstRow + i, 11, kLabels[static_cast<size_t>(i)], con.Colour(kColour));
  RecordForm form_values(*companies, kFieldCount);
  for (;;) {
    form_values.Clear();
    console::GetList form;
    for (int i = 0; i < kFieldCount; ++i) form_values.Add(&form, i, kFirstRow + i, kEditCol, i < 2 ? "@!" : "");
    form.fields()[0].valid = [&] {
      std::vector<xbase::Value> found;
      LCGETPERUSH(session, &form_values.text(0), &found, kColour);
      if (!found.empty()) form_values.Load(found, 1);
      form.Display(con);
      return true;
    };
    if (!SaveOrLeave(session, form.Read(con), form_values, *companies)) break;
  }
  return session.tables().CloseAll();
}

}  // namespace masters
