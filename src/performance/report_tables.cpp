// The tables a report works on, opened through frame::OpenTables, and the SETUP rows the reports
// keep their settings in.
#include "performance/report_tables.h"

#include "console/message.h"
#include "console/table_access.h"
#include "frame/open_table.h"
#include "xbase/keyed_read.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace performance {

std::vector<TableUse> Joined(std::initializer_list<std::vector<TableUse>> lists) {
  std::vector<TableUse> all;
  for (const std::vector<TableUse>& list : lists) all.insert(all.end(), list.begin(), list.end());
  return all;
}

xbase::WorkArea* Opened(frame::Session& session, std::string_view name) {
  const frame::OpenedTables tables = frame::OpenTables(session, {name});
  return tables ? &tables[name] : nullptr;
}

bool BeginsWith(std::string_view code, std::string_view prefix) {
  return code.starts_with(xbase::AllTrim(prefix));
}

namespace {

// Stands SETUP on the row of `key`; *found tells whether it is there, a row that cannot be read is the
// error.
xbase::Status SeekSetup(xbase::WorkArea& setup, std::string_view key, bool* found) {
  return xbase::SeekFound(setup, setup.PadToField("SETUP", key), found);
}

xbase::Status OpenedSetup(frame::Session& session, xbase::WorkArea** setup) {
  *setup = Opened(session, "SETUP");
  return *setup != nullptr ? xbase::Status::OK() : xbase::Status::IOError("SETUP", "tidak bisa dibuka");
}

}  // namespace

xbase::Status ReadSetupText(frame::Session& session, std::string_view key, std::string* text, bool* found) {
  text->clear();
  bool there = false;
  xbase::WorkArea* setup = nullptr;
  xbase::Status s = OpenedSetup(session, &setup);
  if (s.ok()) s = SeekSetup(*setup, key, &there);
  if (found != nullptr) *found = there;
  if (s.ok() && there) *text = std::string(xbase::RTrim(setup->Text("KET")));
  return s;
}

xbase::Status ReadSetupNumber(frame::Session& session, std::string_view key, double* number) {
  std::string text;
  const xbase::Status s = ReadSetupText(session, key, &text);
  *number = xbase::Val(text).value;
  return s;
}

xbase::Status StoreSetupText(frame::Session& session, std::string_view key, std::string_view text) {
  xbase::WorkArea* opened = nullptr;
  bool there = false;
  xbase::Status status = OpenedSetup(session, &opened);
  // A row that cannot be read is never taken for a missing one: that would append a second row.
  if (status.ok()) status = SeekSetup(*opened, key, &there);
  if (!status.ok()) return status;
  xbase::WorkArea& setup = *opened;
  if (there) {
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
