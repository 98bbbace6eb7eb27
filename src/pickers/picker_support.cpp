// Small steps the lookups share: the refusal message, the SETUP rows of a key family and the
// choice box over them.
#include "pickers/picker_support.h"

#include "console/box.h"
#include "console/choice_list.h"
#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/status_display.h"

namespace pickers {

bool Refuse(frame::Session& session, std::string_view text) {
  console::PESAN(session.console(), text, "gr+/r");
  return false;
}

std::vector<SetupEntry> SetupRows(frame::Session& session, std::string_view prefix) {
  std::vector<SetupEntry> entries;
  xbase::WorkArea* setup = nullptr;
  std::vector<uint32_t> records;
  xbase::Status s = frame::RequireArea(session, "setup", &setup);
  if (s.ok()) s = setup->SetOrder(1);
  if (s.ok()) s = setup->SeekAll(prefix, &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = setup->GoTo(records[i]); s.ok()) entries.push_back({setup->Text("SETUP"), setup->Text("KET")});
  }
  if (!frame::Checked(session, s)) entries.clear();
  return entries;
}

bool SetupRow(frame::Session& session, std::string_view prefix, std::string* key, std::string* ket) {
  const std::vector<SetupEntry> rows = SetupRows(session, prefix);
  if (rows.empty()) return false;
  if (key != nullptr) *key = rows.front().key;
  if (ket != nullptr) *ket = rows.front().ket;
  return true;
}

int ChoiceBox(console::Console& con, const std::vector<std::string>& items, int top, int left, int bottom, int right,
              std::string_view colour, std::string_view head, int list_top) {
  if (items.empty()) return 0;
  console::ScreenKeeper keep(con);
  con.SetColour(colour);
  console::SHADOW(con, top, left, bottom, right, colour);
  con.Say(top + 1, left + 1, head);
  con.Fill(list_top - 1, left + 1, list_top - 1, right - 1, 0xC4, con.Colour(colour));
  return console::AChoice(con, list_top, left + 1, bottom - 1, right - 1, items);
}

}  // namespace pickers
