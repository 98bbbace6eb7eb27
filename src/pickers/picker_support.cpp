// Small steps the lookups share: the refusal message, the SETUP rows of a key family and the
// choice box over them.
#include "pickers/picker_support.h"

#include "console/box.h"
#include "console/choice_list.h"
#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"

namespace pickers {

bool Refuse(frame::Session& session, std::string_view text) {
  console::PESAN(session.console(), text, "gr+/r");
  return false;
}

xbase::Status SetupRows(frame::Session& session, std::string_view prefix, std::vector<SetupEntry>* rows) {
  rows->clear();
  xbase::WorkArea* setup = nullptr;
  std::vector<uint32_t> records;
  xbase::Status s = frame::RequireArea(session, "setup", &setup);
  if (s.ok()) s = setup->SetOrder(1);
  if (s.ok()) s = setup->SeekAll(prefix, &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = setup->GoTo(records[i]); s.ok()) rows->push_back({setup->Text("SETUP"), setup->Text("KET")});
  }
  if (!s.ok()) rows->clear();
  return s;
}

xbase::Status SetupRow(frame::Session& session, std::string_view prefix, bool* found, std::string* key,
                       std::string* ket) {
  std::vector<SetupEntry> rows;
  const xbase::Status s = SetupRows(session, prefix, &rows);
  *found = !rows.empty();
  if (*found && key != nullptr) *key = rows.front().key;
  if (*found && ket != nullptr) *ket = rows.front().ket;
  return s;
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
