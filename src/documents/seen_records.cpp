// Stored records as a screen read them, compared again under its save's locks.
#include "documents/seen_records.h"

#include "documents/stored_lines.h"
#include "frame/order_scope.h"

namespace documents {
namespace {

// What is compared of the current record: its deletion mark and `fields`, or every byte of it.
xbase::Status Image(const xbase::WorkArea& area, const std::vector<std::string>& fields, std::string* image) {
  const std::string_view record = area.table().record();
  if (fields.empty()) {
    *image = std::string(record);
    return xbase::Status::OK();
  }
  *image = std::string(record.substr(0, 1));
  for (const std::string& name : fields) {
    const xbase::FieldHandle field = area.Field(name);
    if (!field.valid()) return xbase::Status::NotFound(area.alias() + "->" + name);
    image->append(record.substr(static_cast<size_t>(field.offset), static_cast<size_t>(field.length)));
  }
  return xbase::Status::OK();
}

}  // namespace

xbase::Status SeenRecords::Read(xbase::Session& tables, xbase::WorkArea& area, Key* key) {
  frame::OrderScope kept(area);
  const uint32_t standing = area.recno();
  std::vector<uint32_t> rows;
  xbase::Status s = area.SetOrder(key->order);
  if (s.ok()) s = StoredRows(tables, area, key->key, &rows);
  key->records.clear();
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    std::string image;
    s = area.GoTo(rows[i]);
    if (s.ok()) s = Image(area, key->fields, &image);
    if (s.ok()) key->records.emplace_back(rows[i], std::move(image));
  }
  const xbase::Status back = area.GoTo(standing);
  return s.ok() ? back : s;
}

xbase::Status SeenRecords::Take(xbase::Session& tables, xbase::WorkArea& area, std::string_view order,
                                std::string_view key, std::vector<std::string> fields) {
  int number = 0;
  {
    frame::OrderScope kept(area);
    if (xbase::Status s = area.SetOrder(order); !s.ok()) return s;
    number = area.OrderNumber();
  }
  return Take(tables, area, number, key, std::move(fields));
}

xbase::Status SeenRecords::Take(xbase::Session& tables, xbase::WorkArea& area, int order, std::string_view key,
                                std::vector<std::string> fields) {
  Key seen{area.alias(), order, std::string(key), std::move(fields), {}};
  const xbase::Status s = Read(tables, area, &seen);
  if (s.ok()) keys_.push_back(std::move(seen));
  return s;
}

xbase::Status SeenRecords::Unchanged(xbase::Session& tables, std::string_view refusal) const {
  for (const Key& seen : keys_) {
    xbase::WorkArea* area = tables.Area(seen.alias);
    if (area == nullptr) return xbase::Status::NotFound(seen.alias, "not open");
    Key now = seen;
    if (xbase::Status s = Read(tables, *area, &now); !s.ok()) return s;
    if (now.records != seen.records) return xbase::Status::InvalidArgument(refusal);
  }
  return xbase::Status::OK();
}

}  // namespace documents
