// A document's fields bound to its record: each field named once, with where the document keeps
// its value. One routine reads the current record into the document, one writes the document into
// the record; a field the table lacks, or a value too wide for its field, is an error naming the table
// and the field, never a silent blank or a cut value.
//
//   const documents::RecordBinding<OrderHeader> kOrderHead = {
//       documents::Bind("RELASI", &OrderHeader::customer),
//       documents::Bind("TANGGAL", &OrderHeader::order_date),
//       documents::Bind("DISCOUNT", &OrderHeader::discount1)};
//   s = kOrderHead.Read(orders, &header);
//   s = documents::AppendRecord(con, orders, kOrderHead.Values(header, {{"TG_INPUT", D(today)}}));
#ifndef PALUNDA_DOCUMENTS_RECORD_BINDING_H_
#define PALUNDA_DOCUMENTS_RECORD_BINDING_H_

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "console/array_browse.h"
#include "documents/record_writes.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"
#include "xbase/work_area.h"

namespace documents {

// The kinds of value a bound field holds.
enum class FieldKind { kText, kNumber, kDate, kLogical };

// One field of a record and where a document of type Doc keeps its value.
template <typename Doc>
struct BoundField {
  std::string_view field;
  FieldKind kind;
  std::function<xbase::Value(const Doc&)> get;
  std::function<void(Doc*, const xbase::Value&)> set;
};

// The checks of one bound field against the table of `area`: a field the table lacks, and a value
// too wide for it (a number its width cannot show, a text whose non-blank part passes it).
xbase::Status CheckBoundField(const xbase::WorkArea& area, std::string_view field);
xbase::Status CheckFits(const xbase::WorkArea& area, std::string_view field, const xbase::Value& value);
// The current record's value of `field` as a value of `kind`.
xbase::Value ReadBoundField(const xbase::WorkArea& area, std::string_view field, FieldKind kind);

template <typename Doc>
class RecordBinding {
 public:
  RecordBinding(std::initializer_list<BoundField<Doc>> fields) : fields_(fields) {}

  // The current record of `area` into `doc`; nothing is read when the table lacks a bound field.
  xbase::Status Read(const xbase::WorkArea& area, Doc* doc) const {
    for (const BoundField<Doc>& bound : fields_) {
      if (xbase::Status s = CheckBoundField(area, bound.field); !s.ok()) return s;
    }
    for (const BoundField<Doc>& bound : fields_) bound.set(doc, ReadBoundField(area, bound.field, bound.kind));
    return xbase::Status::OK();
  }

  // The bound fields of `doc`, then `extra`, in that order: what AppendRecord and PutAndRelease take.
  FieldValues Values(const Doc& doc, FieldValues extra = {}) const {
    FieldValues values;
    values.reserve(fields_.size() + extra.size());
    for (const BoundField<Doc>& bound : fields_) values.emplace_back(bound.field, bound.get(doc));
    values.insert(values.end(), std::make_move_iterator(extra.begin()), std::make_move_iterator(extra.end()));
    return values;
  }

  // The bound fields of `doc`, then `extra`, each checked against the table of `area`.
  xbase::Status CheckedValues(const xbase::WorkArea& area, const Doc& doc, FieldValues extra, FieldValues* values) const {
    *values = Values(doc, std::move(extra));
    return CheckAll(area, *values);
  }

  // Every value checked against the table, then put on the current record (locked by the caller);
  // nothing is put when one does not fit.
  xbase::Status Write(xbase::WorkArea& area, const Doc& doc, FieldValues extra = {}) const {
    return PutChecked(area, Values(doc, std::move(extra)));
  }

  // As Write, on a new record (APP_REC), its lock released afterwards.
  xbase::Status Append(console::Console& con, xbase::WorkArea& area, const Doc& doc, FieldValues extra = {}) const {
    const FieldValues values = Values(doc, std::move(extra));
    if (xbase::Status s = CheckAll(area, values); !s.ok()) return s;
    return AppendRecord(con, area, values);
  }

  // The first bound field whose value in `doc` the table of `area` lacks or cannot hold; empty when
  // all fit.
  std::string_view Misfit(const xbase::WorkArea& area, const Doc& doc) const {
    for (const BoundField<Doc>& bound : fields_) {
      if (!CheckFits(area, bound.field, bound.get(doc)).ok()) return bound.field;
    }
    return {};
  }

 private:
  static xbase::Status CheckAll(const xbase::WorkArea& area, const FieldValues& values) {
    for (const auto& [field, value] : values) {
      if (xbase::Status s = CheckFits(area, field, value); !s.ok()) return s;
    }
    return xbase::Status::OK();
  }

  static xbase::Status PutChecked(xbase::WorkArea& area, const FieldValues& values) {
    xbase::Status s = CheckAll(area, values);
    for (auto it = values.begin(); s.ok() && it != values.end(); ++it) s = area.Put(it->first, it->second);
    return s;
  }

  std::vector<BoundField<Doc>> fields_;
};

// A member of the document.
template <typename Doc>
BoundField<Doc> Bind(std::string_view field, std::string Doc::*member) {
  return {field, FieldKind::kText, [member](const Doc& doc) { return xbase::Value::Text(doc.*member); },
          [member](Doc* doc, const xbase::Value& value) { doc->*member = value.text(); }};
}
template <typename Doc>
BoundField<Doc> Bind(std::string_view field, double Doc::*member) {
  return {field, FieldKind::kNumber, [member](const Doc& doc) { return xbase::Value::Num(doc.*member); },
          [member](Doc* doc, const xbase::Value& value) { doc->*member = value.number(); }};
}
template <typename Doc>
BoundField<Doc> Bind(std::string_view field, xbase::Date Doc::*member) {
  return {field, FieldKind::kDate, [member](const Doc& doc) { return xbase::Value::FromDate(doc.*member); },
          [member](Doc* doc, const xbase::Value& value) { doc->*member = value.date(); }};
}
template <typename Doc>
BoundField<Doc> Bind(std::string_view field, bool Doc::*member) {
  return {field, FieldKind::kLogical, [member](const Doc& doc) { return xbase::Value::Logical(doc.*member); },
          [member](Doc* doc, const xbase::Value& value) { doc->*member = value.logical(); }};
}
// A number kept in a part of the document (an item's carton split).
template <typename Doc, typename Part>
BoundField<Doc> Bind(std::string_view field, Part Doc::*part, double Part::*member) {
  return {field, FieldKind::kNumber, [part, member](const Doc& doc) { return xbase::Value::Num(doc.*part.*member); },
          [part, member](Doc* doc, const xbase::Value& value) { doc->*part.*member = value.number(); }};
}

// A cell of a line grid (columns counted from 1): a text or a number; a cell of another type is
// written as a blank text or 0, as the grids read them.
BoundField<console::ValueRow> TextCell(std::string_view field, int column);
BoundField<console::ValueRow> NumberCell(std::string_view field, int column);

}  // namespace documents

#endif  // PALUNDA_DOCUMENTS_RECORD_BINDING_H_
