#include "masters/record_form.h"

#include "console/message.h"
#include "console/table_access.h"
#include "masters/master_screens.h"
#include "xbase/text_functions.h"

namespace masters {

RecordForm::RecordForm(const xbase::WorkArea& area, int count) {
  const std::vector<xbase::DbfField>& fields = area.table().fields();
  for (int i = 0; i < count && i < static_cast<int>(fields.size()); ++i) {
    Slot slot;
    slot.type = fields[static_cast<size_t>(i)].type;
    slot.width = fields[static_cast<size_t>(i)].length;
    slots_.push_back(slot);
  }
  Clear();
}

console::GetField& RecordForm::Add(console::GetList* form, int index, int row, int col, std::string picture) {
  Slot& slot = slots_[static_cast<size_t>(index)];
  switch (slot.type) {
    case 'N': return form->Add(row, col, &slot.number, std::move(picture));
    case 'D': return form->Add(row, col, &slot.date, std::move(picture));
    case 'L': return form->Add(row, col, &slot.flag, std::move(picture));
    default: return form->Add(row, col, &slot.text, std::move(picture));
  }
}

void RecordForm::Clear() {
  for (Slot& slot : slots_) {
    slot.text = std::string(static_cast<size_t>(slot.type == 'C' ? slot.width : 0), ' ');
    slot.number = 0;
    slot.date = xbase::Date();
    slot.flag = false;
  }
}

std::vector<xbase::Value> RecordForm::values() const {
  std::vector<xbase::Value> values;
  for (const Slot& slot : slots_) {
    switch (slot.type) {
      case 'N': values.push_back(xbase::Value::Num(slot.number)); break;
      case 'D': values.push_back(xbase::Value::FromDate(slot.date)); break;
      case 'L': values.push_back(xbase::Value::Logical(slot.flag)); break;
      default: values.push_back(xbase::Value::Text(slot.text));
    }
  }
  return values;
}

void RecordForm::Load(const std::vector<xbase::Value>& values, int first) {
  for (size_t i = 0; i < values.size() && first + i < slots_.size(); ++i) {
    Slot& slot = slots_[first + i];
    const xbase::Value& value = values[i];
    if (value.is_text()) slot.text = xbase::PadR(value.text(), slot.width);
    if (value.is_number()) slot.number = value.number();
    if (value.is_date()) slot.date = value.date();
    if (value.is_logical()) slot.flag = value.logical();
  }
}

namespace {

// Writes fields 2 onward of the key's row, appending the row when the key is missing.
xbase::Status SaveValues(frame::Session& session, xbase::WorkArea& area, const std::vector<xbase::Value>& values) {
  xbase::Status s = area.Seek(values[0].text());
  if (!s.ok()) return s;
  if (!area.found()) {
    s = console::APP_REC(session.console(), area);
    if (s.ok()) s = area.Put(area.table().fields()[0].name, values[0]);
    if (s.ok() && area.FieldIndex("TG_INPUT") >= 0) {
      s = area.Put("TG_INPUT", xbase::Value::FromDate(session.Today()));
      if (s.ok() && area.FieldIndex("OPERATOR") >= 0) s = area.Put("OPERATOR", xbase::Value::Text(session.MMEMBER.nik));
    }
    const xbase::Status unlocked = area.Unlock();
    if (!s.ok() || !unlocked.ok()) return s.ok() ? unlocked : s;
  }
  s = console::LOCK_REC(session.console(), area);
  const std::vector<xbase::DbfField>& fields = area.table().fields();
  for (size_t i = 1; s.ok() && i < values.size() && i < fields.size(); ++i) s = area.Put(fields[i].name, values[i]);
  const xbase::Status unlocked = area.Unlock();
  return s.ok() ? unlocked : s;
}

xbase::Status DeleteKey(console::Console& con, xbase::WorkArea& area, const xbase::Value& key) {
  xbase::Status s = area.Seek(key.text());
  if (!s.ok() || !area.found()) return s;
  s = console::LOCK_REC(con, area);
  if (s.ok()) s = area.Delete();
  const xbase::Status unlocked = area.Unlock();
  return s.ok() ? unlocked : s;
}

}  // namespace

bool LCSIMPAN(frame::Session& session, const std::vector<xbase::Value>& values, std::string_view table) {
  console::Console& con = session.console();
  xbase::WorkArea* area = session.tables().Area(table);
  if (area == nullptr || values.empty()) return false;
  int answer = console::PESAN(con, "S)impan, H)apus");
  if (answer == 's' || answer == 'h') answer -= 'a' - 'A';
  if (answer != 'S' && answer != 'H') return false;
  const xbase::Status s = answer == 'S' ? SaveValues(session, *area, values) : DeleteKey(con, *area, values[0]);
  if (!s.ok()) console::PESAN(con, s.message());
  return true;
}

}  // namespace masters
