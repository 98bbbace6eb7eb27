// ProcedureCall: a menu entry's procedure text, such as `IJUAL()`, `lapbulan("A", 2)` or `INDEK`.
#include "xbase/procedure_call.h"

#include <cstdlib>
#include <string>

#include "xbase/expression_lexer.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace xbase {

namespace {

std::string Found(const Token& token) {
  if (token.kind == TokenKind::kEnd) return "end";
  std::string quoted(1, '"');
  quoted.append(token.text);
  quoted += '"';
  return quoted;
}

// Reads one literal argument starting at `token`; leaves `token` on the token after it.
Status ReadLiteral(ExpressionLexer& lexer, Token& token, Value* value) {
  bool negative = false;
  if (token.kind == TokenKind::kMinus) {
    negative = true;
    Status s = lexer.Next(&token);
    if (!s.ok()) return s;
    if (token.kind != TokenKind::kNumber) return SyntaxError(token.position, "expected a number after \"-\"");
  }
  switch (token.kind) {
    case TokenKind::kString: *value = Value::Text(std::string(token.text)); break;
    case TokenKind::kTrue:
    case TokenKind::kFalse: *value = Value::Logical(token.kind == TokenKind::kTrue); break;
    case TokenKind::kNumber: {
      const Number n = Val(token.text);
      *value = Value::Num(negative ? -n.value : n.value, n.width, n.decimals);
      break;
    }
    default: return SyntaxError(token.position, "expected a literal argument, found " + Found(token));
  }
  return lexer.Next(&token);
}

}  // namespace

Status ParseProcedureCall(std::string_view text, ProcedureCall* call) {
  call->name.clear();
  call->args.clear();
  ExpressionLexer lexer(text);
  Token token;
  Status s = lexer.Next(&token);
  if (!s.ok()) return s;
  if (token.kind != TokenKind::kName) return SyntaxError(token.position, "expected a procedure name, found " + Found(token));
  call->name = Upper(token.text);
  s = lexer.Next(&token);
  if (s.ok() && token.kind == TokenKind::kLeftParen) {
    s = lexer.Next(&token);
    while (s.ok() && token.kind != TokenKind::kRightParen) {
      Value value;
      s = ReadLiteral(lexer, token, &value);
      if (!s.ok()) break;
      call->args.push_back(std::move(value));
      if (token.kind == TokenKind::kComma) {
        s = lexer.Next(&token);
      } else if (token.kind != TokenKind::kRightParen) {
        s = SyntaxError(token.position, "expected \",\" or \")\", found " + Found(token));
      }
    }
    if (s.ok()) s = lexer.Next(&token);
  }
  if (s.ok() && token.kind != TokenKind::kEnd) s = SyntaxError(token.position, "unexpected " + Found(token));
  return s;
}

}  // namespace xbase
