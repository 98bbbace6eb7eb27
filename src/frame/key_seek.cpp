#include "frame/key_seek.h"

#include <algorithm>
#include <memory>

#include "schema/catalog.h"
#include "xbase/expression.h"
#include "xbase/text_functions.h"
#include "xbase/value_text.h"

namespace frame {
namespace {

// Every visible record with its key, in key order.
xbase::Status AllKeys(xbase::WorkArea& area, std::string_view key_expression, std::vector<KeyedRecord>* records) {
  std::unique_ptr<xbase::Expression> key;
  xbase::Status s = xbase::Expression::Compile(key_expression, &area, &key);
  if (!s.ok()) return s;
  records->clear();
  xbase::Value value;
  for (uint32_t recno = 1; recno <= area.table().record_count(); ++recno) {
    if (s = area.GoTo(recno); !s.ok()) return s;
    if (area.hidden()) continue;
    if (s = key->Evaluate(area, &value); !s.ok()) return s;
    records->push_back({xbase::ValueText(value), recno});
  }
  std::stable_sort(records->begin(), records->end(),
                   [](const KeyedRecord& a, const KeyedRecord& b) { return a.key < b.key; });
  return area.GoTo(0);
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
  xbase::Status s = AllKeys(area, key_expression, records);
  std::erase_if(*records, [&](const KeyedRecord& r) { return !r.key.starts_with(prefix); });
  return s;
}

xbase::Status SeekKey(xbase::WorkArea& area, std::string_view key_expression, std::string_view key, bool* found,
                      bool soft) {
  std::vector<KeyedRecord> records;
  xbase::Status s = AllKeys(area, key_expression, &records);
  if (!s.ok()) return s;
  // The first key whose leading part (as long as the sought key) is not below it.
  auto at = std::find_if(records.begin(), records.end(),
                         [&](const KeyedRecord& r) { return std::string_view(r.key).substr(0, key.size()) >= key; });
  *found = at != records.end() && at->key.starts_with(key);
  area.set_found(*found);
  if (!*found && (!soft || at == records.end())) return area.GoTo(0);
  s = area.GoTo(at->recno);
  area.set_found(*found);
  return s;
}

}  // namespace frame
