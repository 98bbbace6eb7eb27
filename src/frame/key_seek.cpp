#include "frame/key_seek.h"

#include <cctype>

#include "schema/catalog.h"
#include "xbase/ntx_order.h"
#include "xbase/ntx_orders.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

// A key expression as written, without blanks and in upper case, to compare two spellings.
std::string Normalised(std::string_view expression) {
  std::string out;
  for (const char c : expression) {
    if (c != ' ') out.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
  }
  return out;
}

// The open index of the area built on `key_expression`, made the controlling order.
xbase::Status ControlBy(xbase::WorkArea& area, std::string_view key_expression, xbase::NtxOrder** order) {
  const std::string wanted = Normalised(key_expression);
  xbase::NtxOrders& orders = area.orders();
  for (size_t i = 0; i < orders.size(); ++i) {
    xbase::NtxOrder& candidate = orders.at(i);
    if (Normalised(candidate.key().key_text()) == wanted) {
      *order = &candidate;
      return orders.SetOrder(candidate.name());
    }
  }
  return xbase::Status::InvalidArgument(area.alias(), "no open index on " + std::string(key_expression));
}

}  // namespace

std::string IndexKey(std::string_view table, int order) {
  const schema::TableDef* def = schema::FindTable(table);
  if (def == nullptr || order < 1 || order > static_cast<int>(def->indexes.size())) return {};
  return def->indexes[order - 1].key;
}

std::string PadToField(const xbase::WorkArea& area, std::string_view field, std::string_view text) {
  const int index = area.table().FieldIndex(field);
  if (index < 0) return std::string(text);
  return xbase::PadR(text, area.table().fields()[static_cast<size_t>(index)].length);
}

xbase::Status KeysWithPrefix(xbase::WorkArea& area, std::string_view key_expression, std::string_view prefix,
                             std::vector<KeyedRecord>* records) {
  records->clear();
  xbase::NtxOrder* before = area.orders().controlling();
  xbase::NtxOrder* order = nullptr;
  xbase::Status s = ControlBy(area, key_expression, &order);
  if (s.ok()) s = area.orders().Seek(xbase::Value::Text(std::string(prefix)));
  std::string key;
  bool included = false;
  while (s.ok() && !area.eof()) {
    s = order->key().KeyOf(area, &key, &included);
    if (!s.ok() || !key.starts_with(prefix)) break;
    records->push_back({key, area.recno()});
    s = area.Skip(1);
  }
  const xbase::Status restored = area.orders().SetOrder(before != nullptr ? before->name() : std::string());
  if (s.ok()) s = area.GoTo(0);
  return s.ok() ? restored : s;
}

xbase::Status SeekKey(xbase::WorkArea& area, std::string_view key_expression, std::string_view key, bool* found,
                      bool soft) {
  xbase::NtxOrder* order = nullptr;
  xbase::Status s = ControlBy(area, key_expression, &order);
  if (s.ok()) s = area.orders().Seek(xbase::Value::Text(std::string(key)), soft);
  *found = s.ok() && area.found();
  return s;
}

}  // namespace frame
