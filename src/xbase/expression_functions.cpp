// The table of functions that expressions can call, and small helpers that set a Value in place.
#include "xbase/expression_functions.h"

#include <cctype>
#include <cmath>
#include <string>
#include <utility>

#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace xbase {

void SetText(Value& out, std::string_view text) {
  if (out.is_text()) {
    out.mutable_text().assign(text);
  } else {
    out = Value::Text(std::string(text));
  }
}

void SetNumber(Value& out, double value, int decimals) {
  const Number n = ComputedNumber(value, decimals);
  out = Value::Num(n.value, n.width, n.decimals);
}

bool MatchesSignature(const Value& value, char letter) {
  switch (std::toupper(static_cast<unsigned char>(letter))) {
    case 'C': return value.is_text();
    case 'N': return value.is_number();
    case 'D': return value.is_date();
    case 'L': return value.is_logical();
    default: return true;
  }
}

const char* SignatureTypeName(char letter) {
  switch (std::toupper(static_cast<unsigned char>(letter))) {
    case 'C': return "a text";
    case 'N': return "a number";
    case 'D': return "a date";
    case 'L': return "a logical";
    default: return "a value";
  }
}

namespace {

using Args = std::span<Value>;

// A number argument as a count or position: truncated, and held within +/- one billion.
int IntArg(const Value& v) {
  const double n = v.number();
  if (!(n > -1e9)) return std::isnan(n) ? 0 : -1000000000;
  return n < 1e9 ? static_cast<int>(n) : 1000000000;
}

bool TooLong(double length) { return length > static_cast<double>(kMaxTextLength); }

void SetInteger(Value& out, double value, int width) { out = Value::Num(value, width, 0); }

// The text that PADR and friends pad when given a number, a date or a logical.
std::string PadSource(const Value& v) {
  if (v.is_number()) return std::string(LTrim(Str(v.number_info())));
  return Transform(v, "");
}

// Text results computed from a view into an argument: swap the argument into `out` first so that
// the view's bytes stay alive while `out` takes them.
template <typename F>
const char* TextInPlace(Args args, Value& out, F transform) {
  std::swap(out, args[0]);
  std::string& text = out.mutable_text();
  const std::string_view kept = transform(std::string_view(text));
  const size_t offset = static_cast<size_t>(kept.data() - text.data());
  text.erase(0, offset);
  text.resize(kept.size());
  return nullptr;
}

const char* FnStr(Args a, Value& out, const FunctionEnv&) {
  if (a.size() > 1 && TooLong(IntArg(a[1]))) return kTextTooLong;
  const std::string text = a.size() == 1 ? Str(a[0].number_info())
                                         : Str(a[0].number(), IntArg(a[1]), a.size() > 2 ? IntArg(a[2]) : 0);
  SetText(out, text);
  return nullptr;
}

const char* FnStrZero(Args a, Value& out, const FunctionEnv&) {
  const Number f = DefaultFormat(a[0].number_info());
  const int width = a.size() > 1 ? IntArg(a[1]) : f.width;
  if (TooLong(width)) return kTextTooLong;
  const int decimals = a.size() > 2 ? IntArg(a[2]) : (a.size() > 1 ? 0 : f.decimals);
  SetText(out, StrZero(a[0].number(), width, decimals));
  return nullptr;
}

const char* FnVal(Args a, Value& out, const FunctionEnv&) {
  const Number n = Val(a[0].text());
  out = Value::Num(n.value, n.width, n.decimals);
  return nullptr;
}

const char* FnRound(Args a, Value& out, const FunctionEnv&) {
  const int decimals = IntArg(a[1]);
  SetNumber(out, Round(a[0].number(), decimals), decimals > 0 ? decimals : 0);
  return nullptr;
}

const char* FnInt(Args a, Value& out, const FunctionEnv&) {
  SetNumber(out, std::trunc(a[0].number()) + 0.0, 0);
  return nullptr;
}

const char* FnAbs(Args a, Value& out, const FunctionEnv&) {
  const Number& n = a[0].number_info();
  out = Value::Num(std::fabs(n.value), n.width, n.decimals);
  return nullptr;
}

// MAX and MIN take two numbers or two dates.
const char* MaxMin(Args a, Value& out, bool max) {
  if (a[0].type() != a[1].type() || !(a[0].is_number() || a[0].is_date())) {
    return "arguments must be two numbers or two dates";
  }
  const bool first_greater = a[0].is_number() ? a[0].number() > a[1].number() : a[0].date() > a[1].date();
  std::swap(out, a[first_greater == max ? 0 : 1]);
  return nullptr;
}

const char* FnMax(Args a, Value& out, const FunctionEnv&) { return MaxMin(a, out, true); }
const char* FnMin(Args a, Value& out, const FunctionEnv&) { return MaxMin(a, out, false); }

const char* FnTransform(Args a, Value& out, const FunctionEnv&) {
  SetText(out, Transform(a[0], a[1].text()));
  return nullptr;
}

char FillArg(Args a) { return a.size() > 2 && !a[2].text().empty() ? a[2].text()[0] : ' '; }

template <std::string (*Pad)(std::string_view, int, char)>
const char* FnPad(Args a, Value& out, const FunctionEnv&) {
  if (TooLong(IntArg(a[1]))) return kTextTooLong;
  if (a[0].is_text()) {
    SetText(out, Pad(a[0].text(), IntArg(a[1]), FillArg(a)));
  } else {
    SetText(out, Pad(PadSource(a[0]), IntArg(a[1]), FillArg(a)));
  }
  return nullptr;
}

const char* FnAllTrim(Args a, Value& out, const FunctionEnv&) { return TextInPlace(a, out, AllTrim); }
const char* FnRTrim(Args a, Value& out, const FunctionEnv&) { return TextInPlace(a, out, RTrim); }
const char* FnLTrim(Args a, Value& out, const FunctionEnv&) { return TextInPlace(a, out, LTrim); }

const char* FnLeft(Args a, Value& out, const FunctionEnv&) {
  const int count = IntArg(a[1]);
  return TextInPlace(a, out, [count](std::string_view t) { return Left(t, count); });
}

const char* FnRight(Args a, Value& out, const FunctionEnv&) {
  const int count = IntArg(a[1]);
  return TextInPlace(a, out, [count](std::string_view t) { return Right(t, count); });
}

const char* FnSubStr(Args a, Value& out, const FunctionEnv&) {
  const int start = IntArg(a[1]);
  const int count = a.size() > 2 ? std::max(IntArg(a[2]), 0) : -1;
  return TextInPlace(a, out, [start, count](std::string_view t) { return SubStr(t, start, count); });
}

// UPPER and LOWER.
template <void (*Change)(std::string&)>
const char* FnCase(Args a, Value& out, const FunctionEnv&) {
  std::swap(out, a[0]);
  Change(out.mutable_text());
  return nullptr;
}

// AT and RAT: a position from 1, or 0.
template <int (*Find)(std::string_view, std::string_view)>
const char* FnFind(Args a, Value& out, const FunctionEnv&) {
  SetNumber(out, Find(a[0].text(), a[1].text()), 0);
  return nullptr;
}

const char* FnReplicate(Args a, Value& out, const FunctionEnv&) {
  if (TooLong(static_cast<double>(a[0].text().size()) * IntArg(a[1]))) return kTextTooLong;
  SetText(out, Replicate(a[0].text(), IntArg(a[1])));
  return nullptr;
}

const char* FnSpace(Args a, Value& out, const FunctionEnv&) {
  if (TooLong(IntArg(a[0]))) return kTextTooLong;
  SetText(out, std::string(static_cast<size_t>(std::max(IntArg(a[0]), 0)), ' '));
  return nullptr;
}

const char* FnStrTran(Args a, Value& out, const FunctionEnv&) {
  const std::string_view replace = a.size() > 2 ? std::string_view(a[2].text()) : std::string_view();
  const int first = a.size() > 3 ? IntArg(a[3]) : 1;
  const int count = a.size() > 4 ? IntArg(a[4]) : -1;
  const std::string_view search = a[1].text();
  // Each replacement grows the text; nested calls would otherwise multiply it without bound.
  if (replace.size() > search.size() && !search.empty()) {
    const double replaced = StrTranCount(a[0].text(), search, first, count);
    if (TooLong(static_cast<double>(a[0].text().size()) + replaced * static_cast<double>(replace.size() - search.size()))) {
      return kTextTooLong;
    }
  }
  SetText(out, StrTran(a[0].text(), search, replace, first, count));
  return nullptr;
}

const char* FnLen(Args a, Value& out, const FunctionEnv&) {
  SetNumber(out, static_cast<double>(a[0].text().size()), 0);
  return nullptr;
}

const char* FnEmpty(Args a, Value& out, const FunctionEnv&) {
  const Value& v = a[0];
  bool empty = true;
  switch (v.type()) {
    case Value::Type::kNil: empty = true; break;
    case Value::Type::kText: empty = IsBlank(v.text()); break;
    case Value::Type::kNumber: empty = v.number() == 0.0; break;
    case Value::Type::kDate: empty = v.date().empty(); break;
    case Value::Type::kLogical: empty = !v.logical(); break;
  }
  out = Value::Logical(empty);
  return nullptr;
}

const char* FnChr(Args a, Value& out, const FunctionEnv&) {
  const char byte = static_cast<char>(static_cast<unsigned char>(static_cast<long>(a[0].number()) & 0xFF));
  SetText(out, std::string_view(&byte, 1));
  return nullptr;
}

const char* FnAsc(Args a, Value& out, const FunctionEnv&) {
  const std::string& t = a[0].text();
  SetNumber(out, t.empty() ? 0 : static_cast<unsigned char>(t[0]), 0);
  return nullptr;
}

const char* FnCtod(Args a, Value& out, const FunctionEnv&) {
  out = Value::FromDate(Ctod(a[0].text()));
  return nullptr;
}

const char* FnDtoc(Args a, Value& out, const FunctionEnv&) {
  SetText(out, Dtoc(a[0].date()));
  return nullptr;
}

const char* FnDtos(Args a, Value& out, const FunctionEnv&) {
  SetText(out, a[0].date().Dtos());
  return nullptr;
}

const char* FnStod(Args a, Value& out, const FunctionEnv&) {
  out = Value::FromDate(Date::FromDtos(a[0].text()));
  return nullptr;
}

const char* FnDate(Args, Value& out, const FunctionEnv& env) {
  out = Value::FromDate(env.today != nullptr && *env.today ? (*env.today)() : SystemToday());
  return nullptr;
}

// YEAR, MONTH, DAY and DOW: a part of a date as a number of `Width` places.
template <int (Date::*Part)() const, int Width>
const char* FnDatePart(Args a, Value& out, const FunctionEnv&) {
  SetInteger(out, (a[0].date().*Part)(), Width);
  return nullptr;
}

// BOM and EOM: a date from a date.
template <Date (*Move)(Date)>
const char* FnDateMove(Args a, Value& out, const FunctionEnv&) {
  out = Value::FromDate(Move(a[0].date()));
  return nullptr;
}

constexpr Builtin kBuiltins[] = {
    {"ABS", "N", FnAbs},
    {"ALLTRIM", "C", FnAllTrim},
    {"ASC", "C", FnAsc},
    {"AT", "CC", FnFind<At>},
    {"BOM", "D", FnDateMove<Bom>},
    {"CHR", "N", FnChr},
    {"CTOD", "C", FnCtod},
    {"DATE", "", FnDate},
    {"DAY", "D", FnDatePart<&Date::day, 3>},
    {"DOW", "D", FnDatePart<&Date::dow, 3>},
    {"DTOC", "D", FnDtoc},
    {"DTOS", "D", FnDtos},
    {"EMPTY", "*", FnEmpty},
    {"EOM", "D", FnDateMove<Eom>},
    {"INT", "N", FnInt},
    {"LEFT", "CN", FnLeft},
    {"LEN", "C", FnLen},
    {"LOWER", "C", FnCase<LowerInPlace>},
    {"LTRIM", "C", FnLTrim},
    {"MAX", "**", FnMax},
    {"MIN", "**", FnMin},
    {"MONTH", "D", FnDatePart<&Date::month, 3>},
    {"PADC", "*Nc", FnPad<PadC>},
    {"PADL", "*Nc", FnPad<PadL>},
    {"PADR", "*Nc", FnPad<PadR>},
    {"RAT", "CC", FnFind<RAt>},
    {"REPLICATE", "CN", FnReplicate},
    {"RIGHT", "CN", FnRight},
    {"ROUND", "NN", FnRound},
    {"RTRIM", "C", FnRTrim},
    {"SPACE", "N", FnSpace},
    {"STOD", "C", FnStod},
    {"STR", "Nnn", FnStr},
    {"STRTRAN", "CCcnn", FnStrTran},
    {"STRZERO", "Nnn", FnStrZero},
    {"SUBSTR", "CNn", FnSubStr},
    {"TRANSFORM", "*C", FnTransform},
    {"TRIM", "C", FnRTrim},
    {"UPPER", "C", FnCase<UpperInPlace>},
    {"VAL", "C", FnVal},
    {"YEAR", "D", FnDatePart<&Date::year, 5>},
};

}  // namespace

const Builtin* FindBuiltin(std::string_view name) {
  for (const Builtin& builtin : kBuiltins) {
    if (EqualsIgnoreCase(name, builtin.name)) return &builtin;
  }
  return nullptr;
}

}  // namespace xbase
