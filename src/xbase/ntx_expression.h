// NtxKeyExpression: an index's key expression and FOR condition compiled over a table's fields, giving
// each record's key bytes as the index stores them.
#ifndef PALUNDA_XBASE_NTX_EXPRESSION_H_
#define PALUNDA_XBASE_NTX_EXPRESSION_H_

#include <memory>
#include <string>
#include <string_view>

#include "xbase/expression.h"
#include "xbase/ntx_header.h"
#include "xbase/record_context.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace xbase {

class NtxKeyExpression {
 public:
  // Compile `key` and `for_condition` (empty for none) over the fields of `record`, and learn the key's
  // type, size and decimals from its value on that record. `file` names the index in messages; an
  // expression that does not compile, or gives no key of 1 to 256 bytes, is InvalidArgument.
  static Status Compile(const std::string& file, std::string_view key, std::string_view for_condition,
                        const RecordContext& record, std::unique_ptr<NtxKeyExpression>* out);

  NtxKeyExpression(const NtxKeyExpression&) = delete;
  NtxKeyExpression& operator=(const NtxKeyExpression&) = delete;

  // The record's key, cut or padded to the key size; `included` is false when the FOR condition fails.
  Status KeyOf(const RecordContext& record, std::string* key, bool* included);
  // A value to seek, as key bytes: text as it is (a prefix), numbers, dates and logicals encoded.
  std::string SeekKey(const Value& value) const;
  // Fail, naming the file, when `header` was written for a key of another size or kind.
  Status Matches(const NtxHeader& header) const;

  char type() const { return type_; }
  int key_size() const { return key_size_; }
  int key_decimals() const { return key_decimals_; }
  const std::string& key_text() const { return key_->text(); }
  std::string for_text() const { return for_ ? for_->text() : std::string(); }

 private:
  NtxKeyExpression(std::string file, std::unique_ptr<Expression> key, std::unique_ptr<Expression> for_condition)
      : file_(std::move(file)), key_(std::move(key)), for_(std::move(for_condition)) {}
  Status Encode(const Value& value, std::string* key) const;

  std::string file_;
  std::unique_ptr<Expression> key_;
  std::unique_ptr<Expression> for_;
  char type_ = 'C';
  int key_size_ = 0;
  int key_decimals_ = 0;
  Value value_;
};

}  // namespace xbase

#endif  // PALUNDA_XBASE_NTX_EXPRESSION_H_
