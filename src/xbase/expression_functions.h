// The table of functions that expressions can call, and small helpers that set a Value in place.
#ifndef PALUNDA_XBASE_EXPRESSION_FUNCTIONS_H_
#define PALUNDA_XBASE_EXPRESSION_FUNCTIONS_H_

#include <cstddef>
#include <functional>
#include <span>
#include <string_view>

#include "xbase/date.h"
#include "xbase/value.h"

namespace xbase {

// The longest text an expression builds (1 MiB); a longer result is an evaluation error.
constexpr size_t kMaxTextLength = 1 << 20;
// The message of that error.
inline constexpr const char* kTextTooLong = "the result would be longer than 1048576 bytes";

// What a function may need besides its arguments.
struct FunctionEnv {
  const std::function<Date()>* today = nullptr;
};

struct Builtin {
  const char* name;
  // One letter per argument: C text, N number, D date, L logical, * any; lower case when optional.
  const char* signature;
  // Computes the result into `out` from arguments of the signature's types; returns an error
  // message, or nullptr on success.
  const char* (*call)(std::span<Value> args, Value& out, const FunctionEnv& env);
};

// The function called `name` (without regard to case), or null when there is none.
const Builtin* FindBuiltin(std::string_view name);

// True when `value` has the type of signature letter `letter` ('*' takes any).
bool MatchesSignature(const Value& value, char letter);

// The name of a signature letter's type for messages, such as "a number".
const char* SignatureTypeName(char letter);

// Sets `out` to a text, reusing its buffer when it already holds one.
void SetText(Value& out, std::string_view text);

// Sets `out` to a computed number with `decimals`, at the runtime's default width.
void SetNumber(Value& out, double value, int decimals);

}  // namespace xbase

#endif  // PALUNDA_XBASE_EXPRESSION_FUNCTIONS_H_
