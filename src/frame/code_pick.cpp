#include "frame/code_pick.h"

#include <algorithm>

#include "console/keys.h"
#include "console/pick_list.h"
#include "frame/key_seek.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

// The records of an area in the order of a key, held while a pick list walks them.
class KeyOrder : public xbase::WorkAreaOrder {
 public:
  explicit KeyOrder(std::vector<KeyedRecord> records) : records_(std::move(records)) {}

  xbase::Status First(uint32_t* recno) override {
    *recno = records_.empty() ? 0 : records_.front().recno;
    return xbase::Status::OK();
  }
  xbase::Status Last(uint32_t* recno) override {
    *recno = records_.empty() ? 0 : records_.back().recno;
    return xbase::Status::OK();
  }
  xbase::Status Step(uint32_t recno, int direction, uint32_t* next) override {
    auto at = std::find_if(records_.begin(), records_.end(), [&](const KeyedRecord& r) { return r.recno == recno; });
    *next = 0;
    if (at == records_.end()) return xbase::Status::OK();
    if (direction > 0 && at + 1 != records_.end()) *next = (at + 1)->recno;
    if (direction < 0 && at != records_.begin()) *next = (at - 1)->recno;
    return xbase::Status::OK();
  }

 private:
  std::vector<KeyedRecord> records_;
};

// Makes `order` the area's controlling order while it lives.
class OrderScope {
 public:
  OrderScope(xbase::WorkArea& area, xbase::WorkAreaOrder* order) : area_(area), saved_(area.order()) {
    area_.set_order(order);
  }
  ~OrderScope() { area_.set_order(saved_); }
  OrderScope(const OrderScope&) = delete;
  OrderScope& operator=(const OrderScope&) = delete;

 private:
  xbase::WorkArea& area_;
  xbase::WorkAreaOrder* saved_;
};

}  // namespace

xbase::Status PickerArea(Session& session, const PickSpec& pick, xbase::WorkArea** area) {
  *area = session.tables().Area(pick.alias);
  return *area != nullptr ? xbase::Status::OK() : xbase::Status::InvalidArgument("table not open", pick.alias);
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
  const std::string key_expression = IndexKey(pick.table, order);
  std::vector<KeyedRecord> records;
  if (s = KeysWithPrefix(*area, key_expression, "", &records); !s.ok()) return s;
  KeyOrder keys(std::move(records));
  OrderScope scope(*area, &keys);

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
  options.seek = std::string(xbase::RTrim(std::string_view(*code).substr(0, mark)));
  options.colour = pick.colour;
  options.mono = pick.mono;
  const auto seek = [&](std::string_view key) {
    bool found = false;
    return SeekKey(*area, key_expression, key, &found, true).ok() && found;
  };
  xbase::Value chosen;
  if (s = console::BANTUAN(session.console(), *area, options, seek, &chosen); !s.ok()) return s;
  *code = chosen.is_text() ? chosen.text() : std::string();
  if (picked != nullptr) *picked = true;
  if (escaped != nullptr) *escaped = session.console().last_key() == console::key::kEsc;
  return xbase::Status::OK();
}

xbase::Status SeekCode(Session& session, const PickSpec& pick, std::string_view code, bool* found) {
  xbase::WorkArea* area = nullptr;
  xbase::Status s = PickerArea(session, pick, &area);
  if (!s.ok()) return s;
  return SeekKey(*area, IndexKey(pick.table), code, found);
}

xbase::Status PickAndSeek(Session& session, const PickSpec& pick, std::string* code, bool* found) {
  *found = false;
  xbase::Status s = PickCode(session, pick, code);
  return s.ok() ? SeekCode(session, pick, *code, found) : s;
}

std::string Text(xbase::WorkArea& area, std::string_view field) {
  xbase::Value value;
  if (area.eof() || !area.Get(field, &value).ok() || !value.is_text()) return {};
  return value.text();
}

double Number(xbase::WorkArea& area, std::string_view field) {
  xbase::Value value;
  if (area.eof() || !area.Get(field, &value).ok() || !value.is_number()) return 0;
  return value.number();
}

}  // namespace frame
