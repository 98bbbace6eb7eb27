// Forms whose fields are a table's fields by position: the edit variables of the values, and the
// save or delete that ends such a form (LCSIMPAN).
#include "masters/record_form.h"

#include "console/message.h"
#include "console/table_access.h"
#include "frame/prompts.h"
#include "frame/status_display.h"
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

xbase::Status LockRowOf(console::Console& con, xbase::WorkArea& area, std::string_view key_field, std::string_view key,
                        bool* appended) {
  xbase::Status s = area.SetOrder(1);
  if (s.ok()) s = area.Seek(area.PadToField(key_field, key));
  if (!s.ok()) return s;
  *appended = !area.found();
  if (!*appended) return console::LOCK_REC(con, area);
  s = console::APP_REC(con, area);
  return s.ok() ? area.Put(key_field, xbase::Value::Text(std::string(key))) : s;
}

xbase::Status DeleteRowOf(console::Console& con, xbase::WorkArea& area, std::string_view key) {
  xbase::Status s = area.Seek(key);
  if (!s.ok() || !area.found()) return s;
  s = console::LOCK_REC(con, area);
  if (s.ok()) s = area.Delete();
  const xbase::Status unlocked = area.Unlock();
  return s.ok() ? unlocked : s;
}

namespace {

// Writes fields 2 onward of the key's row, appending the row (with its entry stamp) when the key is
// missing.
xbase::Status SaveValues(frame::Session& session, xbase::WorkArea& area, const std::vector<xbase::Value>& values) {
  bool appended = false;
  xbase::Status s = LockRowOf(session.console(), area, area.table().fields()[0].name, values[0].text(), &appended);
  if (s.ok() && appended && area.FieldIndex("TG_INPUT") >= 0) {
    s = area.Put("TG_INPUT", xbase::Value::FromDate(session.Today()));
    if (s.ok() && area.FieldIndex("OPERATOR") >= 0) s = area.Put("OPERATOR", xbase::Value::Text(session.MMEMBER.nik));
  }
  const std::vector<xbase::DbfField>& fields = area.table().fields();
  for (size_t i = 1; s.ok() && i < values.size() && i < fields.size(); ++i) s = area.Put(fields[i].name, values[i]);
  const xbase::Status unlocked = area.Unlock();
  return s.ok() ? unlocked : s;
}

}  // namespace

bool LCSIMPAN(frame::Session& session, const std::vector<xbase::Value>& values, xbase::WorkArea& area) {
  console::Console& con = session.console();
  if (values.empty()) return false;
  const char answer = frame::AnswerKey(con, "S)impan, H)apus");
  if (answer != 'S' && answer != 'H') return false;
  const xbase::Status s = answer == 'S' ? SaveValues(session, area, values) : DeleteRowOf(con, area, values[0].text());
  frame::ShowFailure(session, s);
  return true;
}

bool SaveOrLeave(frame::Session& session, const console::ReadResult& read, const RecordForm& form,
                 xbase::WorkArea& area) {
  const std::vector<xbase::Value> values = form.values();
  if ((read.escaped && read.field == 0) || xbase::IsBlank(values[0].text())) return false;
  if (!read.escaped) LCSIMPAN(session, values, area);
  return true;
}

}  // namespace masters
