// ExpressionLexer: splits the text of an expression into tokens, each with its position.
#include "xbase/expression_lexer.h"

#include <cctype>
#include <string>

#include "xbase/text_functions.h"

namespace xbase {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsNameChar(char c) { return IsNameStart(c) || IsDigit(c); }

}  // namespace

Status SyntaxError(size_t position, std::string_view detail) {
  return Status::InvalidArgument("syntax error at position " + std::to_string(position), detail);
}

bool ExpressionLexer::OperandExpected() const {
  switch (last_) {
    case TokenKind::kNumber:
    case TokenKind::kString:
    case TokenKind::kName:
    case TokenKind::kTrue:
    case TokenKind::kFalse:
    case TokenKind::kRightParen:
      return false;
    default:
      return true;
  }
}

Status ExpressionLexer::ReadDotted(Token* token) {
  // ".5" is a number; otherwise a dotted word such as .T. or .AND.
  const size_t start = pos_;
  if (pos_ + 1 < text_.size() && IsDigit(text_[pos_ + 1])) {
    ++pos_;
    while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
    token->kind = TokenKind::kNumber;
    token->text = text_.substr(start, pos_ - start);
    return Status::OK();
  }
  const size_t close = text_.find('.', start + 1);
  if (close == std::string_view::npos) return SyntaxError(start + 1, "unexpected \".\"");
  const std::string_view word = text_.substr(start + 1, close - start - 1);
  static constexpr struct {
    const char* word;
    TokenKind kind;
  } kWords[] = {{"T", TokenKind::kTrue},   {"Y", TokenKind::kTrue}, {"F", TokenKind::kFalse},
                {"N", TokenKind::kFalse},  {"AND", TokenKind::kAnd}, {"OR", TokenKind::kOr},
                {"NOT", TokenKind::kNot}};
  for (const auto& entry : kWords) {
    if (EqualsIgnoreCase(word, entry.word)) {
      pos_ = close + 1;
      token->kind = entry.kind;
      token->text = text_.substr(start, pos_ - start);
      return Status::OK();
    }
  }
  return SyntaxError(start + 1, "unknown word \"." + std::string(word) + ".\"");
}

Status ExpressionLexer::Next(Token* token) {
  while (pos_ < text_.size() && (text_[pos_] == ' ' || text_[pos_] == '\t')) ++pos_;
  token->position = pos_ + 1;
  token->text = {};
  Status status;
  if (pos_ >= text_.size()) {
    token->kind = TokenKind::kEnd;
  } else {
    const char c = text_[pos_];
    const char next = pos_ + 1 < text_.size() ? text_[pos_ + 1] : '\0';
    const size_t start = pos_;
    auto single = [&](TokenKind kind, size_t length) {
      token->kind = kind;
      token->text = text_.substr(start, length);
      pos_ += length;
    };
    if (IsDigit(c)) {
      while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
      if (pos_ + 1 < text_.size() && text_[pos_] == '.' && IsDigit(text_[pos_ + 1])) {
        ++pos_;
        while (pos_ < text_.size() && IsDigit(text_[pos_])) ++pos_;
      }
      token->kind = TokenKind::kNumber;
      token->text = text_.substr(start, pos_ - start);
    } else if (IsNameStart(c)) {
      while (pos_ < text_.size() && IsNameChar(text_[pos_])) ++pos_;
      token->kind = TokenKind::kName;
      token->text = text_.substr(start, pos_ - start);
    } else if (c == '"' || c == '\'' || (c == '[' && OperandExpected())) {
      const char close = c == '[' ? ']' : c;
      const size_t end = text_.find(close, start + 1);
      if (end == std::string_view::npos) return SyntaxError(start + 1, "text without its closing quote");
      token->kind = TokenKind::kString;
      token->text = text_.substr(start + 1, end - start - 1);
      pos_ = end + 1;
    } else if (c == '.') {
      status = ReadDotted(token);
    } else if (c == '*' && next == '*') {
      single(TokenKind::kPower, 2);
    } else if (c == '=' && next == '=') {
      single(TokenKind::kExactEqual, 2);
    } else if ((c == '!' && next == '=') || (c == '<' && next == '>')) {
      single(TokenKind::kNotEqual, 2);
    } else if (c == '<' && next == '=') {
      single(TokenKind::kLessEqual, 2);
    } else if (c == '>' && next == '=') {
      single(TokenKind::kGreaterEqual, 2);
    } else if (c == '-' && next == '>') {
      single(TokenKind::kArrow, 2);
    } else {
      static constexpr struct {
        char c;
        TokenKind kind;
      } kSingles[] = {{'+', TokenKind::kPlus},       {'-', TokenKind::kMinus},      {'*', TokenKind::kStar},
                      {'/', TokenKind::kSlash},      {'%', TokenKind::kPercent},    {'^', TokenKind::kPower},
                      {'=', TokenKind::kEqual},      {'#', TokenKind::kNotEqual},   {'<', TokenKind::kLess},
                      {'>', TokenKind::kGreater},    {'$', TokenKind::kContains},   {'!', TokenKind::kNot},
                      {'(', TokenKind::kLeftParen},  {')', TokenKind::kRightParen}, {',', TokenKind::kComma}};
      bool found = false;
      for (const auto& entry : kSingles) {
        if (entry.c == c) {
          single(entry.kind, 1);
          found = true;
          break;
        }
      }
      if (!found) return SyntaxError(start + 1, "unexpected character \"" + std::string(1, c) + "\"");
    }
  }
  if (status.ok()) last_ = token->kind;
  return status;
}

}  // namespace xbase
