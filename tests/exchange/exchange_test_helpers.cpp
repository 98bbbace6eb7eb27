// Rows of the exchange tests' tables as text, and the rows of a branch's set written for an import.
#include "exchange/exchange_test_helpers.h"

#include <gtest/gtest.h>

#include "xbase/ntx_orders.h"
#include "xbase/number_text.h"
#include "xbase/search_path.h"
#include "xbase/text_functions.h"

namespace exchange::testing {
namespace {

// The trimmed text of field `i` of the current record.
std::string FieldText(const xbase::WorkArea& area, int i) {
  xbase::Value value;
  if (!area.table().Get(area.table().Handle(i), &value).ok()) return "?";
  switch (value.type()) {
    case xbase::Value::Type::kNumber: return std::string(xbase::AllTrim(xbase::Str(value.number_info())));
    case xbase::Value::Type::kDate: return std::string(xbase::AllTrim(value.date().Dtos()));
    case xbase::Value::Type::kLogical: return value.logical() ? "T" : "F";
    default: return std::string(xbase::AllTrim(value.text()));
  }
}

std::string RowText(const xbase::WorkArea& area, const std::vector<int>& fields) {
  std::string text = area.deleted() ? "-" : "";
  for (size_t f = 0; f < fields.size(); ++f) text += (f == 0 ? "" : "|") + FieldText(area, fields[f]);
  return text;
}

std::vector<std::string> AllRows(xbase::WorkArea& area, const std::vector<int>& fields) {
  std::vector<std::string> rows;
  for (uint32_t r = 1; r <= area.table().record_count(); ++r) {
    EXPECT_TRUE(area.GoTo(r).ok());
    rows.push_back(RowText(area, fields));
  }
  return rows;
}

}  // namespace

void AddSetRows(const std::string& folder, const std::string& name, const std::vector<support::Row>& rows) {
  xbase::Session session(xbase::SearchPath({folder}));
  xbase::WorkArea* area = nullptr;
  ASSERT_TRUE(session.Use(name, "", xbase::OpenMode::kShared, &area).ok()) << name;
  // A table with an index file of its own name keeps it current.
  std::string index;
  if (xbase::FindInFolder(folder, xbase::WithExtension(name, "ntx"), &index).ok()) {
    ASSERT_TRUE(area->orders().Open(index).ok()) << index;
  }
  support::AddRows(*area, rows);
  ASSERT_TRUE(session.CloseAll().ok());
}

std::vector<std::string> SetRows(const std::string& folder, const std::string& name) {
  xbase::Session session(xbase::SearchPath({folder}));
  xbase::WorkArea* area = nullptr;
  EXPECT_TRUE(session.Use(name, "", xbase::OpenMode::kShared, &area).ok()) << name;
  if (area == nullptr) return {};
  std::vector<int> fields;
  for (int i = 0; i < area->table().field_count(); ++i) fields.push_back(i);
  std::vector<std::string> rows = AllRows(*area, fields);
  EXPECT_TRUE(session.CloseAll().ok());
  return rows;
}

std::vector<std::string> LiveRows(frame::Session& session, const std::string& table,
                                  const std::vector<std::string>& fields) {
  xbase::WorkArea& area = support::Open(session, table);
  std::vector<int> indexes;
  for (const std::string& field : fields) indexes.push_back(area.table().FieldIndex(field));
  std::vector<std::string> rows = AllRows(area, indexes);
  EXPECT_TRUE(session.tables().CloseAll().ok());
  return rows;
}

}  // namespace exchange::testing
