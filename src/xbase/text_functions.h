// The runtime's text functions. Text is bytes in the DOS code page; only ASCII letters change case.
#ifndef PALUNDA_XBASE_TEXT_FUNCTIONS_H_
#define PALUNDA_XBASE_TEXT_FUNCTIONS_H_

#include <string>
#include <string_view>

namespace xbase {

// PADR(text, width, fill): `text` cut or filled on the right to `width` bytes.
std::string PadR(std::string_view text, int width, char fill = ' ');
// PADL(text, width, fill): filled on the left; a longer text keeps its first `width` bytes.
std::string PadL(std::string_view text, int width, char fill = ' ');
// PADC(text, width, fill): centred, the odd fill byte on the right.
std::string PadC(std::string_view text, int width, char fill = ' ');

// TRIM/RTRIM(text): without trailing blanks.
std::string_view RTrim(std::string_view text);
// LTRIM(text): without leading blanks.
std::string_view LTrim(std::string_view text);
// ALLTRIM(text): without leading and trailing blanks.
std::string_view AllTrim(std::string_view text);

// LEFT(text, count).
std::string_view Left(std::string_view text, int count);
// RIGHT(text, count).
std::string_view Right(std::string_view text, int count);
// SUBSTR(text, start, count): `start` from 1, negative from the end; a negative `count` means to the end.
std::string_view SubStr(std::string_view text, int start, int count = -1);

// True when `a` and `b` differ at most in the case of ASCII letters (names of fields and functions).
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// UPPER(text) in place: ASCII letters only.
void UpperInPlace(std::string& text);
// LOWER(text) in place: ASCII letters only.
void LowerInPlace(std::string& text);
// UPPER(text).
std::string Upper(std::string_view text);
// LOWER(text).
std::string Lower(std::string_view text);

// AT(needle, haystack): position from 1 of the first occurrence, 0 when none (or `needle` is empty).
int At(std::string_view needle, std::string_view haystack);
// RAT(needle, haystack): position from 1 of the last occurrence, 0 when none.
int RAt(std::string_view needle, std::string_view haystack);

// REPLICATE(text, count).
std::string Replicate(std::string_view text, int count);

// STRTRAN(text, search, replace, first, count): replaces occurrences `first` (from 1) onwards,
// at most `count` of them (all when `count` is negative).
std::string StrTran(std::string_view text, std::string_view search, std::string_view replace = {}, int first = 1,
                    int count = -1);

// How many occurrences STRTRAN(text, search, replace, first, count) replaces.
size_t StrTranCount(std::string_view text, std::string_view search, int first = 1, int count = -1);

// EMPTY(text): true when `text` holds nothing but blanks, tabs, CR and LF.
bool IsBlank(std::string_view text);

// The `-` operator on texts: `left` without its trailing blanks, then `right`, then those blanks.
std::string ConcatMoveBlanks(std::string_view left, std::string_view right);

}  // namespace xbase

#endif  // PALUNDA_XBASE_TEXT_FUNCTIONS_H_
