// A document's fields bound to its record: the checks of a bound field against its table, the read
// of one field, and the cells of line grids.
#include "documents/record_binding.h"

#include <filesystem>

#include "xbase/text_functions.h"

namespace documents {
namespace {

// The table of the area as the clerk knows it: its file name without folder and extension.
std::string TableName(const xbase::WorkArea& area) {
  return xbase::Upper(std::filesystem::path(area.table().path()).stem().string());
}

const xbase::Value& CellOf(const console::ValueRow& row, int column) { return row[static_cast<size_t>(column - 1)]; }

}  // namespace

xbase::Status CheckBoundField(const xbase::WorkArea& area, std::string_view field) {
  if (area.Field(field).valid()) return xbase::Status::OK();
  return xbase::Status::InvalidArgument("Field " + std::string(field) + " tidak ada di tabel " + TableName(area));
}

xbase::Status CheckFits(const xbase::WorkArea& area, std::string_view field, const xbase::Value& value) {
  if (xbase::Status s = CheckBoundField(area, field); !s.ok()) return s;
  const xbase::FieldHandle handle = area.Field(field);
  if (handle.type == 'N' && value.is_number() && !FitsField(area, field, value.number())) {
    return xbase::Status::InvalidArgument("Nilai " + std::string(field) + " terlalu besar untuk tabel " + TableName(area));
  }
  if (handle.type == 'C' && value.is_text() && value.text().size() > static_cast<size_t>(handle.length) &&
      !xbase::IsBlank(std::string_view(value.text()).substr(static_cast<size_t>(handle.length)))) {
    return xbase::Status::InvalidArgument("Isi " + std::string(field) + " terlalu panjang untuk tabel " + TableName(area));
  }
  return xbase::Status::OK();
}

xbase::Value ReadBoundField(const xbase::WorkArea& area, std::string_view field, FieldKind kind) {
  switch (kind) {
    case FieldKind::kText: return xbase::Value::Text(area.Text(field));
    case FieldKind::kNumber: return xbase::Value::Num(area.Number(field));
    case FieldKind::kDate: return xbase::Value::FromDate(area.DateOf(field));
    case FieldKind::kLogical: break;
  }
  return xbase::Value::Logical(area.Logical(field));
}

BoundField<console::ValueRow> TextCell(std::string_view field, int column) {
  return {field, FieldKind::kText,
          [column](const console::ValueRow& row) {
            const xbase::Value& cell = CellOf(row, column);
            return xbase::Value::Text(cell.is_text() ? cell.text() : std::string());
          },
          [column](console::ValueRow* row, const xbase::Value& value) { (*row)[static_cast<size_t>(column - 1)] = value; }};
}

BoundField<console::ValueRow> NumberCell(std::string_view field, int column) {
  return {field, FieldKind::kNumber,
          [column](const console::ValueRow& row) {
            const xbase::Value& cell = CellOf(row, column);
            return xbase::Value::Num(cell.is_number() ? cell.number() : 0);
          },
          [column](console::ValueRow* row, const xbase::Value& value) { (*row)[static_cast<size_t>(column - 1)] = value; }};
}

}  // namespace documents
