// The pick list of a code field: "?" in the code opens it over the table's code order, "/" over its
// name order, seeded with the text typed before the mark; the code picked replaces the field.
#include "frame/code_pick.h"

#include <algorithm>

#include "console/keys.h"
#include "console/pick_list.h"
#include "frame/open_table.h"
#include "frame/order_scope.h"
#include "xbase/text_functions.h"

namespace frame {

xbase::Status PickerArea(Session& session, const PickSpec& pick, xbase::WorkArea** area) {
  return RequireArea(session, pick.alias, area);
}

xbase::Status PickCode(Session& session, const PickSpec& pick, std::string* code, bool* picked, bool* escaped) {
  if (picked != nullptr) *picked = false;
  if (escaped != nullptr) *escaped = false;
  size_t mark = code->find('?');
  int order = 1;
  if (mark == std::string::npos && pick.by_name) {
    mark = code->find('/');
    order = 2;
  }
  if (mark == std::string::npos) return xbase::Status::OK();
  xbase::WorkArea* area = nullptr;
  xbase::Status s = PickerArea(session, pick, &area);
  if (!s.ok()) return s;
  OrderScope scope(*area);
  if (s = area->SetOrder(order); !s.ok()) return s;

  console::PickListOptions options;
  options.top = pick.top;
  options.left = pick.left;
  options.bottom = pick.bottom;
  options.right = pick.right;
  options.expressions = pick.expressions;
  if (options.expressions.empty()) {
    for (const auto& field : area->table().fields()) options.expressions.push_back(field.name);
  }
  options.heads = pick.heads;
  options.result = pick.result;
  options.seek = std::string(xbase::RTrim(std::string_view(*code).substr(0, mark)));
  options.colour = pick.colour;
  options.mono = pick.mono;
  const auto seek = [&](std::string_view key) { return area->Seek(key, true).ok() && area->found(); };
  xbase::Value chosen;
  if (s = console::BANTUAN(session.console(), *area, options, seek, &chosen); !s.ok()) return s;
  *code = chosen.is_text() ? chosen.text() : std::string();
  if (picked != nullptr) *picked = true;
  if (escaped != nullptr) *escaped = session.console().last_key() == console::key::kEsc;
  return xbase::Status::OK();
}

xbase::Status SeekCode(Session& session, const PickSpec& pick, std::string_view code, bool* found) {
  *found = false;
  xbase::WorkArea* area = nullptr;
  xbase::Status s = PickerArea(session, pick, &area);
  if (s.ok()) s = area->SetOrder(1);
  if (s.ok()) s = area->Seek(code);
  *found = s.ok() && area->found();
  return s;
}

xbase::Status PickAndSeek(Session& session, const PickSpec& pick, std::string* code, bool* found,
                          xbase::WorkArea** area) {
  *found = false;
  xbase::Status s = PickCode(session, pick, code);
  if (s.ok()) s = SeekCode(session, pick, *code, found);
  if (s.ok() && area != nullptr) s = PickerArea(session, pick, area);
  return s;
}

}  // namespace frame
