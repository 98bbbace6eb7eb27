// Value: a dynamic value of the runtime, for expressions, fields read by position and array browses.
#ifndef PALUNDA_XBASE_VALUE_H_
#define PALUNDA_XBASE_VALUE_H_

#include <string>
#include <utility>
#include <variant>

#include "xbase/date.h"

namespace xbase {

// A number with the width and decimals it carries for STR's default format (-1 when not known).
struct Number {
  double value = 0;
  int width = -1;
  int decimals = -1;
};

class Value {
 public:
  enum class Type { kNil, kText, kNumber, kDate, kLogical };

  Value() = default;
  static Value Text(std::string text) { return Value(Storage(std::in_place_type<std::string>, std::move(text))); }
  static Value Num(double value, int width = -1, int decimals = -1) {
    return Value(Storage(Number{value, width, decimals}));
  }
  static Value FromDate(Date date) { return Value(Storage(date)); }
  static Value Logical(bool flag) { return Value(Storage(flag)); }

  Type type() const { return static_cast<Type>(storage_.index()); }
  bool is_nil() const { return type() == Type::kNil; }
  bool is_text() const { return type() == Type::kText; }
  bool is_number() const { return type() == Type::kNumber; }
  bool is_date() const { return type() == Type::kDate; }
  bool is_logical() const { return type() == Type::kLogical; }

  // Accessors; each must be called only on a value of its type.
  const std::string& text() const { return std::get<std::string>(storage_); }
  std::string& mutable_text() { return std::get<std::string>(storage_); }
  double number() const { return std::get<Number>(storage_).value; }
  const Number& number_info() const { return std::get<Number>(storage_); }
  Date date() const { return std::get<Date>(storage_); }
  bool logical() const { return std::get<bool>(storage_); }

  // The type letter as VALTYPE gives it: "C", "N", "D", "L" or "U".
  char type_letter() const {
    static constexpr char kLetters[] = {'U', 'C', 'N', 'D', 'L'};
    return kLetters[storage_.index()];
  }

 private:
  using Storage = std::variant<std::monostate, std::string, Number, Date, bool>;
  explicit Value(Storage storage) : storage_(std::move(storage)) {}

  Storage storage_;
};

}  // namespace xbase

#endif  // PALUNDA_XBASE_VALUE_H_
