// Expression: an xBase expression compiled once and evaluated many times over the current record of a table.
#include "xbase/expression.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "xbase/expression_functions.h"
#include "xbase/expression_lexer.h"
#include "xbase/text_functions.h"

namespace xbase {

namespace {

// Decimals of a quotient or a power, as SET DECIMALS 2 gives them.
constexpr int kSetDecimals = 2;

// Deepest nesting of parentheses, calls and operators taken, so that parsing and evaluation stay
// well within the stack.
constexpr int kMaxDepth = 256;

enum class Op {
  kConstant, kField, kCall, kIif, kNegate, kNot, kAnd, kOr,
  kAdd, kSubtract, kMultiply, kDivide, kModulo, kPower,
  kEqual, kExactEqual, kNotEqual, kLess, kGreater, kLessEqual, kGreaterEqual, kContains,
};

const char* OpName(Op op) {
  switch (op) {
    case Op::kAdd: return "+";
    case Op::kSubtract: return "-";
    case Op::kMultiply: return "*";
    case Op::kDivide: return "/";
    case Op::kModulo: return "%";
    case Op::kPower: return "**";
    case Op::kEqual: return "=";
    case Op::kExactEqual: return "==";
    case Op::kNotEqual: return "!=";
    case Op::kLess: return "<";
    case Op::kGreater: return ">";
    case Op::kLessEqual: return "<=";
    case Op::kGreaterEqual: return ">=";
    case Op::kContains: return "$";
    case Op::kNegate: return "unary -";
    case Op::kNot: return ".NOT.";
    case Op::kAnd: return ".AND.";
    case Op::kOr: return ".OR.";
    default: return "?";
  }
}

}  // namespace

struct ExpressionNode {
  Op op = Op::kConstant;
  size_t position = 0;
  int depth = 1;  // levels of nodes from this one down
  int field = -1;
  const Builtin* builtin = nullptr;
  Value constant;
  std::vector<std::unique_ptr<ExpressionNode>> children;
  // Evaluation slots for children whose result does not go straight into the caller's slot.
  std::vector<Value> slots;
};

namespace {

using NodePtr = std::unique_ptr<ExpressionNode>;

NodePtr MakeNode(Op op, size_t position) {
  auto node = std::make_unique<ExpressionNode>();
  node->op = op;
  node->position = position;
  return node;
}

// A numeric literal: integers take 10 places, a decimal literal keeps its decimals.
Value NumberLiteral(std::string_view text) {
  const std::string digits(text);
  const size_t point = digits.find('.');
  const int decimals = point == std::string::npos ? 0 : static_cast<int>(digits.size() - point - 1);
  Value v;
  SetNumber(v, std::strtod(digits.c_str(), nullptr), decimals);
  return v;
}

// Recursive-descent parser, one function per level of precedence.
class Parser {
 public:
  Parser(std::string_view text, const RecordContext* fields) : lexer_(text), fields_(fields) {}

  Status Parse(NodePtr* root) {
    Status s = Advance();
    if (s.ok()) s = ParseOr(root);
    if (s.ok() && token_.kind != TokenKind::kEnd) s = SyntaxError(token_.position, "unexpected \"" + Shown() + "\"");
    return s;
  }

 private:
  Status Advance() { return lexer_.Next(&token_); }

  std::string Shown() const { return token_.kind == TokenKind::kEnd ? "end" : std::string(token_.text); }

  Status Expect(TokenKind kind, const char* what) {
    if (token_.kind != kind) {
      return SyntaxError(token_.position, std::string("expected ") + what + ", found \"" + Shown() + "\"");
    }
    return Advance();
  }

  using Level = Status (Parser::*)(NodePtr*);

  // One left-associative level: operand (operator operand)*.
  template <size_t N>
  Status ParseBinary(NodePtr* out, Level operand, const std::pair<TokenKind, Op> (&ops)[N]) {
    Status s = (this->*operand)(out);
    while (s.ok()) {
      const std::pair<TokenKind, Op>* match = nullptr;
      for (const auto& entry : ops) {
        if (entry.first == token_.kind) match = &entry;
      }
      if (match == nullptr) break;
      NodePtr node = MakeNode(match->second, token_.position);
      s = Advance();
      NodePtr right;
      if (s.ok()) s = (this->*operand)(&right);
      if (s.ok()) s = Adopt(*node, std::move(*out));
      if (s.ok()) s = Adopt(*node, std::move(right));
      if (!s.ok()) break;
      node->slots.resize(1);
      *out = std::move(node);
    }
    return s;
  }

  // Makes `child` the next operand of `parent`, refusing a tree deeper than kMaxDepth.
  static Status Adopt(ExpressionNode& parent, NodePtr child) {
    parent.depth = std::max(parent.depth, child->depth + 1);
    parent.children.push_back(std::move(child));
    return parent.depth > kMaxDepth ? TooDeep(parent.position) : Status::OK();
  }

  static Status TooDeep(size_t position) { return SyntaxError(position, "expression nested too deeply"); }

  // A whole expression, also inside parentheses and argument lists.
  Status ParseOr(NodePtr* out) {
    static constexpr std::pair<TokenKind, Op> kOps[] = {{TokenKind::kOr, Op::kOr}};
    if (++nesting_ > kMaxDepth) return TooDeep(token_.position);
    Status s = ParseBinary(out, &Parser::ParseAnd, kOps);
    --nesting_;
    return s;
  }

  Status ParseAnd(NodePtr* out) {
    static constexpr std::pair<TokenKind, Op> kOps[] = {{TokenKind::kAnd, Op::kAnd}};
    return ParseBinary(out, &Parser::ParseNot, kOps);
  }

  Status ParseNot(NodePtr* out) {
    if (token_.kind != TokenKind::kNot) return ParseComparison(out);
    return ParsePrefix(Op::kNot, &Parser::ParseNot, out);
  }

  Status ParseComparison(NodePtr* out) {
    static constexpr std::pair<TokenKind, Op> kOps[] = {
        {TokenKind::kEqual, Op::kEqual},         {TokenKind::kExactEqual, Op::kExactEqual},
        {TokenKind::kNotEqual, Op::kNotEqual},   {TokenKind::kLess, Op::kLess},
        {TokenKind::kGreater, Op::kGreater},     {TokenKind::kLessEqual, Op::kLessEqual},
        {TokenKind::kGreaterEqual, Op::kGreaterEqual}, {TokenKind::kContains, Op::kContains}};
    return ParseBinary(out, &Parser::ParseSum, kOps);
  }

  Status ParseSum(NodePtr* out) {
    static constexpr std::pair<TokenKind, Op> kOps[] = {{TokenKind::kPlus, Op::kAdd},
                                                        {TokenKind::kMinus, Op::kSubtract}};
    return ParseBinary(out, &Parser::ParseProduct, kOps);
  }

  Status ParseProduct(NodePtr* out) {
    static constexpr std::pair<TokenKind, Op> kOps[] = {
        {TokenKind::kStar, Op::kMultiply}, {TokenKind::kSlash, Op::kDivide}, {TokenKind::kPercent, Op::kModulo}};
    return ParseBinary(out, &Parser::ParsePower, kOps);
  }

  Status ParsePower(NodePtr* out) {
    static constexpr std::pair<TokenKind, Op> kOps[] = {{TokenKind::kPower, Op::kPower}};
    return ParseBinary(out, &Parser::ParseUnary, kOps);
  }

  Status ParseUnary(NodePtr* out) {
    while (token_.kind == TokenKind::kPlus) {
      Status s = Advance();
      if (!s.ok()) return s;
    }
    if (token_.kind != TokenKind::kMinus) return ParsePrimary(out);
    return ParsePrefix(Op::kNegate, &Parser::ParseUnary, out);
  }

  // A prefix operator at the current token applied to what `operand` parses after it.
  Status ParsePrefix(Op op, Level operand, NodePtr* out) {
    if (++nesting_ > kMaxDepth) return TooDeep(token_.position);
    NodePtr node = MakeNode(op, token_.position);
    Status s = Advance();
    NodePtr child;
    if (s.ok()) s = (this->*operand)(&child);
    if (s.ok()) s = Adopt(*node, std::move(child));
    if (!s.ok()) return s;
    --nesting_;
    *out = std::move(node);
    return s;
  }

  Status ParsePrimary(NodePtr* out) {
    const Token token = token_;
    switch (token.kind) {
      case TokenKind::kNumber:
        *out = MakeNode(Op::kConstant, token.position);
        (*out)->constant = NumberLiteral(token.text);
        return Advance();
      case TokenKind::kString:
        *out = MakeNode(Op::kConstant, token.position);
        (*out)->constant = Value::Text(std::string(token.text));
        return Advance();
      case TokenKind::kTrue:
      case TokenKind::kFalse:
        *out = MakeNode(Op::kConstant, token.position);
        (*out)->constant = Value::Logical(token.kind == TokenKind::kTrue);
        return Advance();
      case TokenKind::kLeftParen: {
        Status s = Advance();
        if (s.ok()) s = ParseOr(out);
        if (s.ok()) s = Expect(TokenKind::kRightParen, "\")\"");
        return s;
      }
      case TokenKind::kName: {
        Status s = Advance();
        if (!s.ok()) return s;
        if (token_.kind == TokenKind::kLeftParen) return ParseCall(token, out);
        if (token_.kind == TokenKind::kArrow) return ParseAliasedField(out);
        return ResolveField(token, out);
      }
      default:
        return SyntaxError(token.position, "expected a value, found \"" + Shown() + "\"");
    }
  }

  // "alias->field": the alias is not checked; the field resolves as usual.
  Status ParseAliasedField(NodePtr* out) {
    Status s = Advance();
    if (!s.ok()) return s;
    const Token field = token_;
    if (field.kind != TokenKind::kName) return SyntaxError(field.position, "expected a field name after \"->\"");
    s = Advance();
    return s.ok() ? ResolveField(field, out) : s;
  }

  Status ResolveField(const Token& name, NodePtr* out) {
    const int index = fields_ == nullptr ? -1 : fields_->FieldIndex(name.text);
    if (index < 0) return SyntaxError(name.position, "unknown name \"" + std::string(name.text) + "\"");
    *out = MakeNode(Op::kField, name.position);
    (*out)->field = index;
    return Status::OK();
  }

  Status ParseCall(const Token& name, NodePtr* out) {
    const bool iif = EqualsIgnoreCase(name.text, "IIF") || EqualsIgnoreCase(name.text, "IF");
    const Builtin* builtin = iif ? nullptr : FindBuiltin(name.text);
    if (!iif && builtin == nullptr) {
      return SyntaxError(name.position, "unknown function \"" + std::string(name.text) + "\"");
    }
    NodePtr node = MakeNode(iif ? Op::kIif : Op::kCall, name.position);
    node->builtin = builtin;
    Status s = Advance();  // past "("
    if (s.ok() && token_.kind != TokenKind::kRightParen) {
      while (s.ok()) {
        NodePtr arg;
        s = ParseOr(&arg);
        if (s.ok()) s = Adopt(*node, std::move(arg));
        if (!s.ok() || token_.kind != TokenKind::kComma) break;
        s = Advance();
      }
    }
    if (s.ok()) s = Expect(TokenKind::kRightParen, "\")\" or \",\"");
    if (!s.ok()) return s;
    const std::string upper = Upper(name.text);
    const size_t count = node->children.size();
    if (iif) {
      if (count != 3) return SyntaxError(name.position, upper + " takes 3 arguments");
      node->slots.resize(1);
    } else {
      const std::string_view signature(builtin->signature);
      const size_t required = static_cast<size_t>(std::count_if(
          signature.begin(), signature.end(), [](char c) { return !std::islower(static_cast<unsigned char>(c)); }));
      if (count < required || count > signature.size()) {
        return SyntaxError(name.position, upper + " takes " + ArgumentCount(required, signature.size()));
      }
      node->slots.resize(count);
    }
    *out = std::move(node);
    return s;
  }

  static std::string ArgumentCount(size_t low, size_t high) {
    if (low == high) return std::to_string(low) + (low == 1 ? " argument" : " arguments");
    return std::to_string(low) + " to " + std::to_string(high) + " arguments";
  }

  ExpressionLexer lexer_;
  const RecordContext* fields_;
  Token token_;
  int nesting_ = 0;  // ParseOr and prefix operators under way
};

// Evaluates the tree into slots owned by the nodes; the first error stops it.
class Evaluator {
 public:
  Evaluator(const RecordContext* record, const FunctionEnv& env) : record_(record), env_(env) {}

  bool Eval(ExpressionNode& node, Value& out) {
    switch (node.op) {
      case Op::kConstant:
        out = node.constant;
        return true;
      case Op::kField:
        out = record_->FieldValue(node.field);
        return true;
      case Op::kCall: return Call(node, out);
      case Op::kIif: {
        if (!EvalLogical(*node.children[0], node.slots[0])) return false;
        return Eval(*node.children[node.slots[0].logical() ? 1 : 2], out);
      }
      case Op::kNegate:
        if (!Eval(*node.children[0], out)) return false;
        if (!out.is_number()) return TypeError(node, out);
        out = Value::Num(-out.number() + 0.0, out.number_info().width, out.number_info().decimals);
        return true;
      case Op::kNot:
        if (!EvalLogical(*node.children[0], out)) return false;
        out = Value::Logical(!out.logical());
        return true;
      case Op::kAnd:
      case Op::kOr: {
        if (!EvalLogical(*node.children[0], out)) return false;
        if (out.logical() == (node.op == Op::kOr)) return true;
        return EvalLogical(*node.children[1], out);
      }
      default: return Binary(node, out);
    }
  }

  const Status& status() const { return status_; }

 private:
  bool Fail(const ExpressionNode& node, std::string detail) {
    status_ = Status::InvalidArgument("evaluation error at position " + std::to_string(node.position), detail);
    return false;
  }

  bool TypeError(const ExpressionNode& node, const Value& a) {
    return Fail(node, std::string(OpName(node.op)) + " cannot take type " + a.type_letter());
  }

  bool TypeError(const ExpressionNode& node, const Value& a, const Value& b) {
    return Fail(node, std::string(OpName(node.op)) + " cannot take types " + a.type_letter() + " and " +
                          b.type_letter());
  }

  bool EvalLogical(ExpressionNode& node, Value& out) {
    if (!Eval(node, out)) return false;
    if (!out.is_logical()) return Fail(node, std::string("expected a logical value, found type ") + out.type_letter());
    return true;
  }

  bool Call(ExpressionNode& node, Value& out) {
    const std::string_view signature(node.builtin->signature);
    for (size_t i = 0; i < node.children.size(); ++i) {
      if (!Eval(*node.children[i], node.slots[i])) return false;
      if (!MatchesSignature(node.slots[i], signature[i])) {
        return Fail(node, std::string(node.builtin->name) + ": argument " + std::to_string(i + 1) + " must be " +
                              SignatureTypeName(signature[i]));
      }
    }
    const char* error = node.builtin->call(std::span<Value>(node.slots), out, env_);
    if (error != nullptr) return Fail(node, std::string(node.builtin->name) + ": " + error);
    return true;
  }

  bool Binary(ExpressionNode& node, Value& out) {
    Value& right = node.slots[0];
    if (!Eval(*node.children[0], out) || !Eval(*node.children[1], right)) return false;
    if (out.type() == right.type()) {
      switch (out.type()) {
        case Value::Type::kText: return TextOp(node, out, right);
        case Value::Type::kNumber: return NumberOp(node, out, right);
        case Value::Type::kDate:
          if (node.op == Op::kSubtract) {
            SetNumber(out, out.date() - right.date(), 0);
            return true;
          }
          return Compare(node, out, out.date() <=> right.date());
        case Value::Type::kLogical:
          return Compare(node, out, out.logical() <=> right.logical());
        case Value::Type::kNil: break;
      }
    } else if (out.is_date() && right.is_number() && (node.op == Op::kAdd || node.op == Op::kSubtract)) {
      const int days = static_cast<int>(std::lround(right.number()));
      out = Value::FromDate(node.op == Op::kAdd ? out.date() + days : out.date() - days);
      return true;
    } else if (out.is_number() && right.is_date() && node.op == Op::kAdd) {
      out = Value::FromDate(right.date() + static_cast<int>(std::lround(out.number())));
      return true;
    }
    return TypeError(node, out, right);
  }

  bool Compare(const ExpressionNode& node, Value& out, std::strong_ordering order) {
    bool result = false;
    switch (node.op) {
      case Op::kEqual:
      case Op::kExactEqual: result = order == 0; break;
      case Op::kNotEqual: result = order != 0; break;
      case Op::kLess: result = order < 0; break;
      case Op::kGreater: result = order > 0; break;
      case Op::kLessEqual: result = order <= 0; break;
      case Op::kGreaterEqual: result = order >= 0; break;
      default: return TypeError(node, out, out);
    }
    out = Value::Logical(result);
    return true;
  }

  // Texts compare with EXACT off: the left side counts only as far as the right side goes.
  static std::strong_ordering CompareText(std::string_view left, std::string_view right) {
    const size_t n = std::min(left.size(), right.size());
    for (size_t i = 0; i < n; ++i) {
      const auto a = static_cast<unsigned char>(left[i]);
      const auto b = static_cast<unsigned char>(right[i]);
      if (a != b) return a <=> b;
    }
    return left.size() >= right.size() ? std::strong_ordering::equal : std::strong_ordering::less;
  }

  bool TextOp(const ExpressionNode& node, Value& out, Value& right) {
    switch (node.op) {
      case Op::kAdd:
      case Op::kSubtract:
        if (out.text().size() + right.text().size() > kMaxTextLength) {
          return Fail(node, kTextTooLong);
        }
        if (node.op == Op::kAdd) {
          out.mutable_text() += right.text();
        } else {
          SetText(out, ConcatMoveBlanks(out.text(), right.text()));
        }
        return true;
      case Op::kExactEqual: out = Value::Logical(out.text() == right.text()); return true;
      case Op::kContains: out = Value::Logical(At(out.text(), right.text()) > 0); return true;
      default: return Compare(node, out, CompareText(out.text(), right.text()));
    }
  }

  bool NumberOp(const ExpressionNode& node, Value& out, const Value& right) {
    const double a = out.number();
    const double b = right.number();
    const int da = std::max(out.number_info().decimals, 0);
    const int db = std::max(right.number_info().decimals, 0);
    double result = 0;
    int decimals = std::max(da, db);
    switch (node.op) {
      case Op::kAdd: result = a + b; break;
      case Op::kSubtract: result = a - b; break;
      case Op::kMultiply:
        result = a * b;
        decimals = da + db;
        break;
      case Op::kDivide:
      case Op::kModulo:
        if (b == 0.0) return Fail(node, "division by zero");
        result = node.op == Op::kDivide ? a / b : std::fmod(a, b);
        if (node.op == Op::kDivide) decimals = kSetDecimals;
        break;
      case Op::kPower:
        result = std::pow(a, b);
        decimals = kSetDecimals;
        break;
      case Op::kContains: return TypeError(node, out, right);
      default: {
        const std::partial_ordering order = a <=> b;
        const std::strong_ordering strong = order < 0   ? std::strong_ordering::less
                                            : order > 0 ? std::strong_ordering::greater
                                                        : std::strong_ordering::equal;
        return Compare(node, out, strong);
      }
    }
    if (!std::isfinite(result)) return Fail(node, std::string(OpName(node.op)) + " gives no finite number");
    SetNumber(out, result, decimals);
    return true;
  }

  const RecordContext* record_;
  const FunctionEnv& env_;
  Status status_;
};

// The context of an expression that uses no fields.
class NoFields : public RecordContext {
 public:
  int FieldIndex(std::string_view) const override { return -1; }
  Value FieldValue(int) const override { return Value(); }
};

}  // namespace

Expression::Expression(std::string text, std::unique_ptr<ExpressionNode> root, ExpressionOptions options)
    : text_(std::move(text)), root_(std::move(root)), options_(std::move(options)) {}

Expression::~Expression() = default;

Status Expression::Compile(std::string_view text, const RecordContext* fields, std::unique_ptr<Expression>* result,
                           const ExpressionOptions& options) {
  NodePtr root;
  Parser parser(text, fields);
  Status s = parser.Parse(&root);
  if (!s.ok()) return s;
  result->reset(new Expression(std::string(text), std::move(root), options));
  return Status::OK();
}

Status Expression::Evaluate(const RecordContext& record, Value* result) {
  const FunctionEnv env{&options_.today};
  Evaluator evaluator(&record, env);
  if (!evaluator.Eval(*root_, *result)) return evaluator.status();
  return Status::OK();
}

Status Expression::Evaluate(Value* result) {
  static const NoFields kNoFields;
  return Evaluate(kNoFields, result);
}

Status EvaluateText(std::string_view text, Value* result, const ExpressionOptions& options) {
  std::unique_ptr<Expression> expression;
  Status s = Expression::Compile(text, nullptr, &expression, options);
  if (s.ok()) s = expression->Evaluate(result);
  return s;
}

}  // namespace xbase
