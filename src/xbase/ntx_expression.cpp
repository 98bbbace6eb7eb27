// NtxKeyExpression: an index's key expression and FOR condition compiled over a table's fields, giving
// each record's key bytes as the index stores them.
#include "xbase/ntx_expression.h"

#include "xbase/ntx_key.h"

namespace xbase {

namespace {

// Width of a number without a stored width, as STR shows it by default.
constexpr int kDefaultNumberWidth = 10;

}  // namespace

Status NtxKeyExpression::Compile(const std::string& file, std::string_view key, std::string_view for_condition,
                                 const RecordContext& record, std::unique_ptr<NtxKeyExpression>* out) {
  std::unique_ptr<Expression> key_expression, for_expression;
  Status s = Expression::Compile(key, &record, &key_expression);
  if (!s.ok()) return Status::InvalidArgument(file, "key expression: " + s.message());
  if (!for_condition.empty()) {
    s = Expression::Compile(for_condition, &record, &for_expression);
    if (!s.ok()) return Status::InvalidArgument(file, "FOR condition: " + s.message());
  }
  std::unique_ptr<NtxKeyExpression> result(
      new NtxKeyExpression(file, std::move(key_expression), std::move(for_expression)));
  Value value;
  s = result->key_->Evaluate(record, &value);
  if (!s.ok()) return Status::InvalidArgument(file, "key expression: " + s.message());
  switch (value.type()) {
    case Value::Type::kText:
      result->type_ = 'C';
      result->key_size_ = static_cast<int>(value.text().size());
      break;
    case Value::Type::kNumber:
      result->type_ = 'N';
      result->key_size_ = value.number_info().width > 0 ? value.number_info().width : kDefaultNumberWidth;
      result->key_decimals_ = std::max(0, value.number_info().decimals);
      break;
    case Value::Type::kDate:
      result->type_ = 'D';
      result->key_size_ = 8;
      break;
    case Value::Type::kLogical:
      result->type_ = 'L';
      result->key_size_ = 1;
      break;
    case Value::Type::kNil:
      return Status::InvalidArgument(file, "key expression " + std::string(key) + " gives no value");
  }
  if (result->key_size_ < 1 || result->key_size_ > kNtxMaxKeySize) {
    return Status::InvalidArgument(file, "key expression " + std::string(key) + " gives a key of " +
                                        std::to_string(result->key_size_) + " bytes");
  }
  *out = std::move(result);
  return Status::OK();
}

Status NtxKeyExpression::Encode(const Value& value, std::string* key) const {
  if (value.type_letter() != type_) {
    return Status::InvalidArgument(file_, std::string("key expression gives type ") + value.type_letter() +
                                              " where the index holds " + type_);
  }
  *key = SeekKey(value);
  key->resize(key_size_, ' ');
  return Status::OK();
}

std::string NtxKeyExpression::SeekKey(const Value& value) const {
  switch (value.type()) {
    case Value::Type::kText: return value.text().substr(0, key_size_);
    case Value::Type::kNumber: return NtxNumericKey(value.number(), key_size_, key_decimals_);
    case Value::Type::kDate: return NtxDateKey(value.date());
    case Value::Type::kLogical: return NtxLogicalKey(value.logical());
    case Value::Type::kNil: break;
  }
  return std::string();
}

Status NtxKeyExpression::KeyOf(const RecordContext& record, std::string* key, bool* included) {
  *included = true;
  if (for_) {
    Status s = for_->Evaluate(record, &value_);
    if (!s.ok()) return Status::InvalidArgument(file_, "FOR condition: " + s.message());
    *included = value_.is_logical() && value_.logical();
    if (!*included) return Status::OK();
  }
  Status s = key_->Evaluate(record, &value_);
  if (!s.ok()) return Status::InvalidArgument(file_, "key expression: " + s.message());
  return Encode(value_, key);
}

Status NtxKeyExpression::Matches(const NtxHeader& header) const {
  if (header.key_size != key_size_) {
    return Status::Corruption(file_, "key expression " + key_->text() + " gives " + std::to_string(key_size_) +
                                         " bytes, the index holds keys of " + std::to_string(header.key_size));
  }
  return Status::OK();
}

}  // namespace xbase
