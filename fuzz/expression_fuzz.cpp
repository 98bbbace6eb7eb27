// libFuzzer target over the expression compiler and evaluator: the input is an expression's text,
// compiled without fields and evaluated. A text that does not compile or evaluate is a refusal.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "xbase/expression.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::unique_ptr<xbase::Expression> expression;
  if (!xbase::Expression::Compile(text, nullptr, &expression).ok()) return 0;
  xbase::Value value;
  expression->Evaluate(&value).IgnoreError();
  return 0;
}
