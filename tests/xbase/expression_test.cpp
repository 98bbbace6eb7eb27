// Evaluating the index keys and run-time expressions of the data folder.
#include "xbase/expression.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "memory_record.h"
#include "xbase/text_functions.h"
#include "xbase/value_text.h"

namespace xbase {
namespace {

// The value of `text` on `record` as the runtime shows it, or "ERROR: " and the message.
std::string Eval(std::string_view text, const MemoryRecord& record = {}, const ExpressionOptions& options = {}) {
  std::unique_ptr<Expression> expression;
  Status s = Expression::Compile(text, &record, &expression, options);
  Value result;
  if (s.ok()) s = expression->Evaluate(record, &result);
  return s.ok() ? ValueText(result) : "ERROR: " + s.message();
}

TEST(ExpressionTest, EvaluatesEveryIndexKeyOfTheDataFolder) {
  const std::vector<std::string> keys = {
      "DTOS(TANGGAL)", "Form+nomor", "Invoice", "KDCB+no_reff", "KDCB+nomor", "KDCB+nomor+urut", "Member_sj",
      "NOMOR", "NOTA+KDTT", "No_Sj", "Nomor", "Nomor+Invoice", "Relasi", "Tipe", "cabang", "cabang+kode",
      "cabang+periode", "cabang+periode+kode", "dtos(tanggal)", "dtos(tg_kirim)", "dtos(tg_terima)",
      "golongan+kode", "grup+kode", "gudang", "gudang+kode", "id", "id+kode", "invoice", "invoice+urut",
      "invoice+urutan", "kdcb", "kdcb+gudang", "kdcb+nomor", "kel+group", "kode", "kode+gudang", "logedpath",
      "member", "nama", "nik+grup+induk1+induk2", "nik+grup+kode", "no_bpb", "no_bpb+urutan", "no_bukti",
      "no_fg", "no_jos", "no_po", "no_reff+kode", "no_reff+nomor", "nomor", "nomor+code_id+relasi+nota",
      "nomor+kode", "nomor+relasi", "nomor+urut", "nomor+urutan", "nota", "npwp", "patron", "patron+kode",
      "periode", "pro_in+nomor", "relasi", "relasi+nomor", "relasi+periode", "relasi+periode+kode", "sales",
      "sales+periode+kode", "sales+relasi", "sales+relasi+periode+kode", "setup", "spvid", "spvid+kode",
      "suplier", "tanggal", "urutan", "user_id"};
  const std::vector<std::string> text_fields = {
      "cabang", "code_id", "form",   "golongan", "group", "grup",  "gudang", "id",      "induk1", "induk2",
      "invoice", "kdcb",   "kdtt",   "kel",      "kode",  "logedpath", "member", "member_sj", "nama", "nik",
      "no_bpb",  "no_bukti", "no_fg", "no_jos",  "no_po", "no_reff", "no_sj",  "nomor",   "nota",   "npwp",
      "patron",  "periode", "pro_in", "relasi",  "sales", "setup", "spvid",  "suplier", "tipe",   "urut",
      "urutan",  "user_id"};
  MemoryRecord record;
  for (const std::string& name : text_fields) record.Set(Upper(name), Value::Text(PadR(Upper(name), 10)));
  record.Set("TANGGAL", Value::FromDate(Date::FromYmd(2024, 3, 1)));
  record.Set("TG_TERIMA", Value::FromDate(Date::FromYmd(2023, 12, 31)));
  record.Set("TG_KIRIM", Value::FromDate(Date()));
  const std::string kDates[][2] = {{"TANGGAL", "20240301"}, {"TG_TERIMA", "20231231"}, {"TG_KIRIM", "        "}};
  for (const std::string& key : keys) {
    // The expected key: each field's bytes in turn, a date through DTOS.
    std::string expected;
    const std::string_view k(key);
    for (size_t start = 0; start <= k.size();) {
      const size_t plus = std::min(k.find('+', start), k.size());
      std::string term = Upper(k.substr(start, plus - start));
      if (term.rfind("DTOS(", 0) == 0) {
        term = term.substr(5, term.size() - 6);
        for (const auto& date : kDates) {
          if (date[0] == term) expected += date[1];
        }
      } else if (term == "TANGGAL") {
        expected += "01-03-2024";
      } else {
        expected += PadR(term, 10);
      }
      start = plus + 1;
    }
    EXPECT_EQ(Eval(key, record), expected) << key;
  }
}

TEST(ExpressionTest, BuildsTheKeysOfTheReferenceIndexesAndRunTimeKeys) {
  MemoryRecord record = {{"KODE", Value::Text("K001      ")},
                         {"NAMA", Value::Text("Toko Maju \xE0")},
                         {"TGL", Value::FromDate(Date::FromYmd(2024, 2, 29))},
                         {"QTY", Value::Num(-42, 6, 0)},
                         {"SALES", Value::Text("S1")},
                         {"RELASI", Value::Text("R001")},
                         {"BULAN", Value::Num(3, 2, 0)},
                         {"TG_KIRIM", Value::FromDate(Date())}};
  EXPECT_EQ(Eval("Upper( NAMA )", record), "TOKO MAJU \xE0");
  EXPECT_EQ(Eval("DToS( TGL ) + KODE", record), "20240229K001      ");
  EXPECT_EQ(Eval("Str( QTY, 6 ) + KODE", record), "   -42K001      ");
  EXPECT_EQ(Eval("sales+relasi+str(bulan,2)", record), "S1R001 3");
  EXPECT_EQ(Eval("dtos(tg_kirim)", record), "        ");
  EXPECT_EQ(Eval("cust->kode + M->Nama", record), "K001      Toko Maju \xE0");
  EXPECT_EQ(Eval("QTY", record), "   -42");
}

TEST(ExpressionTest, CompiledOnceFollowsTheCurrentRecord) {
  MemoryRecord record = {{"TANGGAL", Value::FromDate(Date::FromYmd(2024, 1, 5))}, {"NOMOR", Value::Text("A1")}};
  std::unique_ptr<Expression> key;
  ASSERT_TRUE(Expression::Compile("dtos(tanggal)+nomor", &record, &key).ok());
  Value v;
  ASSERT_TRUE(key->Evaluate(record, &v).ok());
  EXPECT_EQ(v.text(), "20240105A1");
  record.Set("NOMOR", Value::Text("B22"));
  record.Set("TANGGAL", Value::FromDate(Date::FromYmd(2025, 12, 31)));
  ASSERT_TRUE(key->Evaluate(record, &v).ok());
  EXPECT_EQ(v.text(), "20251231B22");
  EXPECT_EQ(key->text(), "dtos(tanggal)+nomor");
}

TEST(ExpressionTest, AppliesOperatorPrecedence) {
  EXPECT_EQ(Eval("1 + 2 * 3"), "         7");
  EXPECT_EQ(Eval("(1 + 2) * 3"), "         9");
  EXPECT_EQ(Eval("2 ** 3 ^ 2"), "        64.00");  // left to right
  EXPECT_EQ(Eval("-2 ^ 2"), "         4.00");      // unary minus binds first
  EXPECT_EQ(Eval("10 - 4 - 3"), "         3");
  EXPECT_EQ(Eval("7 % 3 * 2"), "         2");
  EXPECT_EQ(Eval("-7 % 3"), "        -1");
  EXPECT_EQ(Eval("1 + 2 = 3 .AND. 2 < 1 .OR. .T."), ".T.");
  EXPECT_EQ(Eval(".NOT. 1 = 2 .AND. .F."), ".F.");
  EXPECT_EQ(Eval("!.F. .AND. !(1 > 2)"), ".T.");
  EXPECT_EQ(Eval(".t. .or. 1/0 > 0"), ".T.");  // short circuit
  EXPECT_EQ(Eval("iif(1 > 2, 1/0, \"no\")"), "no");
  EXPECT_EQ(Eval("IF(.F., 1, 2) + 1"), "         3");
}

TEST(ExpressionTest, ComparesTextWithExactOffExceptDoubleEquals) {
  EXPECT_EQ(Eval("\"abc\" = \"ab\""), ".T.");
  EXPECT_EQ(Eval("\"abc\" = \"\""), ".T.");
  EXPECT_EQ(Eval("\"ab\" = \"abc\""), ".F.");
  EXPECT_EQ(Eval("\"abc\" == \"ab\""), ".F.");
  EXPECT_EQ(Eval("\"abc\" == \"abc\""), ".T.");
  EXPECT_EQ(Eval("\"abc\" != \"ab\""), ".F.");
  EXPECT_EQ(Eval("\"abc\" <> \"abd\""), ".T.");
  EXPECT_EQ(Eval("\"abc\" # \"abd\""), ".T.");
  EXPECT_EQ(Eval("\"ab\" < \"abc\""), ".T.");
  EXPECT_EQ(Eval("\"abc\" >= \"ab\""), ".T.");
  EXPECT_EQ(Eval("\"\xE0\" > \"z\""), ".T.");  // bytes compare unsigned
  EXPECT_EQ(Eval("\"jo\" $ 'Tajon'"), ".T.");
  EXPECT_EQ(Eval("[x] $ \"abc\""), ".F.");
  EXPECT_EQ(Eval("\"\" $ \"abc\""), ".F.");
}

TEST(ExpressionTest, ComputesWithTextDatesAndNumbers) {
  EXPECT_EQ(Eval("\"ab  \" - \"cd \""), "abcd   ");
  EXPECT_EQ(Eval("\"ab  \" + \"cd\""), "ab  cd");
  EXPECT_EQ(Eval("ctod(\"28-02-2024\") + 2"), "01-03-2024");
  EXPECT_EQ(Eval("1 + ctod(\"31-12-2023\")"), "01-01-2024");
  EXPECT_EQ(Eval("ctod(\"01-03-2024\") - 1"), "29-02-2024");
  EXPECT_EQ(Eval("ctod(\"01-03-2024\") - ctod(\"01-01-2024\")"), "        60");
  EXPECT_EQ(Eval("ctod(\"\") + 5"), "  -  -    ");
  EXPECT_EQ(Eval("1.5 * 2.25"), "         3.375");
  EXPECT_EQ(Eval("10 / 4"), "         2.50");
  EXPECT_EQ(Eval("1.50 + 1"), "         2.50");
  EXPECT_EQ(Eval("12345678901 + 1"), "         12345678902");
  EXPECT_EQ(Eval("ctod(\"01-03-2024\") > ctod(\"29-02-2024\")"), ".T.");
  EXPECT_EQ(Eval(".T. = .T."), ".T.");
}

TEST(ExpressionTest, CallsFunctionsWithoutRegardToCase) {
  EXPECT_EQ(Eval("SubStr('hello', 2, 3) + left('abc', 2) + RIGHT('abc', 1)"), "ellabc");
  EXPECT_EQ(Eval("padr('ab', 4) + padl('ab', 4, '0') + padc(7, 5)"), "ab  00ab  7  ");
  EXPECT_EQ(Eval("alltrim('  a b  ') + trim(' c ') + rtrim('d ') + ltrim(' e')"), "a b cde");
  EXPECT_EQ(Eval("upper('aB\xE0') + lower('Ab')"), "AB\xE0" "ab");
  EXPECT_EQ(Eval("at('b', 'abcb') + rat('b', 'abcb') * 10"), "        42");
  EXPECT_EQ(Eval("replicate('ab', 3) + space(2) + '|'"), "ababab  |");
  EXPECT_EQ(Eval("strtran('a.b.c', '.', '-')"), "a-b-c");
  EXPECT_EQ(Eval("len('abc  ')"), "         5");
  EXPECT_EQ(Eval("empty('  ') .and. empty(0) .and. empty(ctod('')) .and. !empty('x')"), ".T.");
  EXPECT_EQ(Eval("chr(65) + str(asc('a'), 3)"), "A 97");
  EXPECT_EQ(Eval("str(3.14159, 8, 2) + strzero(42, 5) + str(val('12.5') * 2, 6, 1)"), "    3.1400042  25.0");
  EXPECT_EQ(Eval("round(2.675, 2)"), "         2.68");
  EXPECT_EQ(Eval("round(1250, -2) + round(-1249, -2)"), "       100");
  EXPECT_EQ(Eval("int(-7.9) + abs(-3)"), "        -4");
  EXPECT_EQ(Eval("max(3, 7) + min(3, 7)"), "        10");
  EXPECT_EQ(Eval("dtoc(max(ctod('01-01-2024'), ctod('02-01-2024')))"), "02-01-2024");
  EXPECT_EQ(Eval("transform(1234.5, '@E 999,999.99')"), "  1.234,50");
  EXPECT_EQ(Eval("dtos(stod('20240229')) + dtoc(bom(ctod('15-02-2024'))) + dtoc(eom(ctod('15-02-2024')))"),
            "2024022901-02-202429-02-2024");
  EXPECT_EQ(Eval("str(year(ctod('15-02-2024'))) + str(month(ctod('15-02-2024'))) + str(day(ctod('15-02-2024')))"),
            " 2024  2 15");
  EXPECT_EQ(Eval("dow(ctod('08-12-2026'))"), "  3");
}

TEST(ExpressionTest, TakesTodayFromTheGivenClock) {
  ExpressionOptions options;
  options.today = [] { return Date::FromYmd(2026, 12, 8); };
  EXPECT_EQ(Eval("date()", {}, options), "08-12-2026");
  EXPECT_EQ(Eval("dtos(date() - 8)", {}, options), "20261130");
  EXPECT_FALSE(Eval("date()").empty());
}

TEST(ExpressionTest, ReportsSyntaxErrorsWithTheirPosition) {
  MemoryRecord record = {{"KODE", Value::Text("A")}};
  EXPECT_EQ(Eval("kode +", record), "ERROR: syntax error at position 7: expected a value, found \"end\"");
  EXPECT_EQ(Eval("(kode", record), "ERROR: syntax error at position 6: expected \")\", found \"end\"");
  EXPECT_EQ(Eval("kode kode", record), "ERROR: syntax error at position 6: unexpected \"kode\"");
  EXPECT_EQ(Eval("nama", record), "ERROR: syntax error at position 1: unknown name \"nama\"");
  EXPECT_EQ(Eval("1 + foo(2)", record), "ERROR: syntax error at position 5: unknown function \"foo\"");
  EXPECT_EQ(Eval("substr(kode)", record), "ERROR: syntax error at position 1: SUBSTR takes 2 to 3 arguments");
  EXPECT_EQ(Eval("iif(.t., 1)", record), "ERROR: syntax error at position 1: IIF takes 3 arguments");
  EXPECT_EQ(Eval("'abc", record), "ERROR: syntax error at position 1: text without its closing quote");
  EXPECT_EQ(Eval("1 .XOR. 2", record), "ERROR: syntax error at position 3: unknown word \".XOR.\"");
  EXPECT_EQ(Eval("kode & 1", record), "ERROR: syntax error at position 6: unexpected character \"&\"");
  EXPECT_EQ(Eval("", record), "ERROR: syntax error at position 1: expected a value, found \"end\"");
  EXPECT_EQ(Eval("kode->", record), "ERROR: syntax error at position 7: expected a field name after \"->\"");
}

TEST(ExpressionTest, RefusesExpressionsNestedTooDeeplyInsteadOfOverflowingTheStack) {
  const std::string parentheses = std::string(100000, '(') + "1" + std::string(100000, ')');
  EXPECT_EQ(Eval(parentheses), "ERROR: syntax error at position 257: expression nested too deeply");
  EXPECT_EQ(Eval(std::string(100000, '-') + "1"), "ERROR: syntax error at position 256: expression nested too deeply");
  EXPECT_EQ(Eval(std::string(100000, '!') + ".T."), "ERROR: syntax error at position 256: expression nested too deeply");
  std::string sum = "1";
  for (int i = 0; i < 100000; ++i) sum += "+1";
  EXPECT_EQ(Eval(sum), "ERROR: syntax error at position 512: expression nested too deeply");
  EXPECT_EQ(Eval(std::string(100000, '+') + "1"), "         1");
  std::string fine = "1";
  for (int i = 0; i < 200; ++i) fine += "+1";
  EXPECT_EQ(Eval("(" + fine + ")"), "       201");
}

TEST(ExpressionTest, ReportsTypeErrorsWhenEvaluated) {
  MemoryRecord record = {{"KODE", Value::Text("A")}, {"QTY", Value::Num(1, 6, 0)}};
  EXPECT_EQ(Eval("kode + qty", record), "ERROR: evaluation error at position 6: + cannot take types C and N");
  EXPECT_EQ(Eval("dtos(kode)", record), "ERROR: evaluation error at position 1: DTOS: argument 1 must be a date");
  EXPECT_EQ(Eval("qty / 0", record), "ERROR: evaluation error at position 5: division by zero");
  EXPECT_EQ(Eval("qty % 0", record), "ERROR: evaluation error at position 5: division by zero");
  EXPECT_EQ(Eval("(-qty) ^ 0.5", record), "ERROR: evaluation error at position 8: ** gives no finite number");
  EXPECT_EQ(Eval("-kode", record), "ERROR: evaluation error at position 1: unary - cannot take type C");
  EXPECT_EQ(Eval("qty .and. .t.", record), "ERROR: evaluation error at position 1: expected a logical value, found type N");
  EXPECT_EQ(Eval("max(qty, kode)", record),
            "ERROR: evaluation error at position 1: MAX: arguments must be two numbers or two dates");
  EXPECT_EQ(Eval("qty $ kode", record), "ERROR: evaluation error at position 5: $ cannot take types N and C");
  const std::string too_long = "the result would be longer than 1048576 bytes";
  EXPECT_EQ(Eval("space(1000000000000)", record), "ERROR: evaluation error at position 1: SPACE: " + too_long);
  EXPECT_EQ(Eval("replicate('ab', 600000)", record), "ERROR: evaluation error at position 1: REPLICATE: " + too_long);
  EXPECT_EQ(Eval("padr(kode, 2000000)", record), "ERROR: evaluation error at position 1: PADR: " + too_long);
  EXPECT_EQ(Eval("str(qty, 1000000000)", record), "ERROR: evaluation error at position 1: STR: " + too_long);
  EXPECT_EQ(Eval("space(1000000) + space(100000)", record), "ERROR: evaluation error at position 16: " + too_long);
  // Nested replacements multiply the length: the step past the limit is refused before it is built.
  EXPECT_EQ(Eval("len(strtran(space(1000), ' ', space(1000)))", record), "   1000000");
  EXPECT_EQ(Eval("strtran(strtran(space(1000), ' ', space(1000)), ' ', 'xx')", record),
            "ERROR: evaluation error at position 1: STRTRAN: " + too_long);
  EXPECT_EQ(Eval("len(strtran(strtran(space(1000), ' ', space(1000)), '  ', 'xxx', 1, 48575))", record),
            "   1048575");
  EXPECT_EQ(Eval("len(strtran(space(1000000), '  ', ' '))", record), "    500000");
  EXPECT_EQ(Eval("len(space(-5)) + len(substr(kode, -1000000000000000, 1000000000000000))", record), "         1");
}

}  // namespace
}  // namespace xbase

namespace xbase {
namespace {

TEST(ExpressionTest, GarbageGivesAStatusNeverACrash) {
  static const char* const kPieces[] = {
      "kode", "qty", "tgl", "(", ")", ",", "+", "-", "*", "/", "%", "**", "^", "=", "==", "!=", "<>", "#", "<",
      ">", "<=", ">=", "$", ".AND.", ".OR.", ".NOT.", "!", ".T.", ".F.", "1", "0", "2.5", "\"ab \"", "'x'",
      "[y]", "iif(", "str(", "substr(", "padr(", "dtos(", "ctod(", "transform(", "val(", "max(", "round(",
      "strtran(", "upper(", "eom(", "date()", "a->", "->", ".", "\"", "[", "@", " "};
  MemoryRecord record = {{"KODE", Value::Text("K1  ")},
                         {"QTY", Value::Num(-3, 6, 0)},
                         {"TGL", Value::FromDate(Date::FromYmd(2024, 2, 29))}};
  uint32_t seed = 12345;
  auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
  int compiled = 0;
  for (int i = 0; i < 20000; ++i) {
    std::string text;
    const int length = 1 + static_cast<int>(next() >> 16) % 12;
    for (int j = 0; j < length; ++j) text += kPieces[(next() >> 16) % std::size(kPieces)];
    std::unique_ptr<Expression> expression;
    const Status s = Expression::Compile(text, &record, &expression);
    if (!s.ok()) {
      EXPECT_TRUE(s.IsInvalidArgument()) << text;
      continue;
    }
    ++compiled;
    Value result;
    const Status e = expression->Evaluate(record, &result);
    EXPECT_TRUE(e.ok() || e.IsInvalidArgument()) << text;
  }
  EXPECT_GT(compiled, 300);
}

}  // namespace
}  // namespace xbase
