// The tables a report works on, opened through frame::OpenTables, and the SETUP rows the reports
// keep their settings in.
#include "performance/report_tables.h"

#include "console/message.h"
#include "console/table_access.h"
#include "frame/open_table.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace performance {

std::vector<TableUse> Joined(std::initializer_list<std::vector<TableUse>> lists) {
  std::vector<TableUse> all;
  for (const std::vector<TableUse>& list : lists) all.insert(all.end(), list.begin(), list.end());
  return all;
}

xbase::WorkArea* Opened(frame::Session& session, std::string_view name) {
  xbase::WorkArea* area = session.tables().Area(name);
  if (area == nullptr && frame::OpenTable(session, name, false, name, &area) && !area->SetOrder(1).ok()) return nullptr;
  return area;
}

bool BeginsWith(std::string_view code, std::string_view prefix) {
  return code.starts_with(xbase::AllTrim(prefix));
}

namespace {

// Stands SETUP on the row of `key`; true when found.
bool SeekSetup(xbase::WorkArea& setup, std::string_view key) {
  return setup.Seek(setup.PadToField("SETUP", key)).ok() && setup.found();
}

}  // namespace

std::string SetupText(frame::Session& session, std::string_view key, bool* found) {
  xbase::WorkArea* setup = Opened(session, "SETUP");
  const bool there = setup != nullptr && SeekSetup(*setup, key);
  if (found != nullptr) *found = there;
  return there ? std::string(xbase::RTrim(setup->Text("KET"))) : std::string();
}

double SetupNumber(frame::Session& session, std::string_view key) {
  return xbase::Val(SetupText(session, key)).value;
}

xbase::Status StoreSetupText(frame::Session& session, std::string_view key, std::string_view text) {
  xbase::WorkArea* opened = Opened(session, "SETUP");
  if (opened == nullptr) return xbase::Status::IOError("SETUP", "tidak bisa dibuka");
  xbase::WorkArea& setup = *opened;
  xbase::Status status;
  if (SeekSetup(setup, key)) {
    status = console::LOCK_REC(session.console(), setup);
  } else {
    status = console::APP_REC(session.console(), setup);
    if (status.ok()) status = setup.Put("SETUP", xbase::Value::Text(std::string(key)));
  }
  if (status.ok()) status = setup.Put("KET", xbase::Value::Text(std::string(text)));
  const xbase::Status unlocked = setup.Unlock();
  return status.ok() ? unlocked : status;
}

double NumberAt(std::string_view text, int start, int width) {
  return xbase::Val(xbase::SubStr(text, start, width)).value;
}

}  // namespace performance
