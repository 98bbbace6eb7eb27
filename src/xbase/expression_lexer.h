// ExpressionLexer: splits the text of an expression into tokens, each with its position.
#ifndef PALUNDA_XBASE_EXPRESSION_LEXER_H_
#define PALUNDA_XBASE_EXPRESSION_LEXER_H_

#include <cstddef>
#include <string>
#include <string_view>

#include "xbase/status.h"

namespace xbase {

enum class TokenKind {
  kEnd,
  kNumber,      // 12, 1.50, .5
  kString,      // "text", 'text', [text]
  kName,        // a field or function name
  kTrue,        // .T. .Y.
  kFalse,       // .F. .N.
  kAnd,         // .AND.
  kOr,          // .OR.
  kNot,         // .NOT. !
  kPlus,
  kMinus,
  kStar,
  kSlash,
  kPercent,
  kPower,       // ** ^
  kEqual,       // =
  kExactEqual,  // ==
  kNotEqual,    // != <> #
  kLess,
  kGreater,
  kLessEqual,
  kGreaterEqual,
  kContains,    // $
  kLeftParen,
  kRightParen,
  kComma,
  kArrow,       // ->
};

struct Token {
  TokenKind kind = TokenKind::kEnd;
  std::string_view text;  // the token as written; a string's contents without its quotes
  size_t position = 0;    // 1-based column of its first character
};

class ExpressionLexer {
 public:
  explicit ExpressionLexer(std::string_view text) : text_(text) {}

  // Reads the next token; a character that starts no token gives an error naming its position.
  Status Next(Token* token);

 private:
  // True when a value (not an operator) may come next, so that "[" opens a string.
  bool OperandExpected() const;
  Status ReadDotted(Token* token);

  std::string_view text_;
  size_t pos_ = 0;
  TokenKind last_ = TokenKind::kEnd;  // kEnd before the first token
};

// A syntax error at `position` of an expression.
Status SyntaxError(size_t position, std::string_view detail);

}  // namespace xbase

#endif  // PALUNDA_XBASE_EXPRESSION_LEXER_H_
