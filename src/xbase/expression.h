// Expression: an xBase expression (index key, FOR condition, computed value) compiled once and
// evaluated many times over the current record of a table.
//
//   std::unique_ptr<Expression> key;
//   Status s = Expression::Compile("dtos(tanggal)+nomor", &table, &key);
//   Value v;
//   s = key->Evaluate(table, &v);   // v.text() == "20240301A0001"
//
// Field names are resolved once, at compile time, without regard to case ("alias->field" names the
// field); function names match without regard to case. Operators, weakest first: .OR.; .AND.;
// .NOT. and !; the comparisons = == != <> # < > <= >= $; + and -; * / %; ** and ^; unary - and +.
// On texts `=` (and its negations and the orderings) compare with EXACT off: only as many bytes as
// the right side has, so an empty right side matches anything; `==` compares exactly.
#ifndef PALUNDA_XBASE_EXPRESSION_H_
#define PALUNDA_XBASE_EXPRESSION_H_

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "xbase/date.h"
#include "xbase/record_context.h"
#include "xbase/status.h"
#include "xbase/value.h"

namespace xbase {

struct ExpressionNode;

struct ExpressionOptions {
  // Today's date for DATE(); the system clock when not set.
  std::function<Date()> today;
};

class Expression {
 public:
  // Compiles `text`. Names resolve against the fields of `fields`, which may be null when the
  // expression uses no fields. A syntax error or unknown name gives a status naming its position.
  static Status Compile(std::string_view text, const RecordContext* fields, std::unique_ptr<Expression>* result,
                        const ExpressionOptions& options = {});

  ~Expression();
  Expression(const Expression&) = delete;
  Expression& operator=(const Expression&) = delete;

  // Evaluates on the current record of `record`, a context with the field layout given at compile
  // time. A type error (such as text + number) gives a status naming its position. Reusing one
  // `result` across calls reuses its text buffer. One evaluation at a time per Expression.
  Status Evaluate(const RecordContext& record, Value* result);
  // Evaluates an expression that uses no fields.
  Status Evaluate(Value* result);

  // The text it was compiled from.
  const std::string& text() const { return text_; }

 private:
  Expression(std::string text, std::unique_ptr<ExpressionNode> root, ExpressionOptions options);

  std::string text_;
  std::unique_ptr<ExpressionNode> root_;
  ExpressionOptions options_;
};

// Compiles and evaluates `text` once, with no fields.
Status EvaluateText(std::string_view text, Value* result, const ExpressionOptions& options = {});

}  // namespace xbase

#endif  // PALUNDA_XBASE_EXPRESSION_H_
