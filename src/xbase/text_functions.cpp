// The runtime's text functions. Text is bytes in the DOS code page; only ASCII letters change case.
#include "xbase/text_functions.h"

#include <algorithm>

namespace xbase {

std::string PadR(std::string_view text, int width, char fill) {
  if (width <= 0) return {};
  std::string out(Left(text, width));
  out.resize(static_cast<size_t>(width), fill);
  return out;
}

std::string PadL(std::string_view text, int width, char fill) {
  if (width <= 0) return {};
  const std::string_view kept = Left(text, width);
  std::string out(static_cast<size_t>(width) - kept.size(), fill);
  out.append(kept);
  return out;
}

std::string PadC(std::string_view text, int width, char fill) {
  if (width <= 0) return {};
  const std::string_view kept = Left(text, width);
  const size_t before = (static_cast<size_t>(width) - kept.size()) / 2;
  std::string out(before, fill);
  out.append(kept);
  out.resize(static_cast<size_t>(width), fill);
  return out;
}

std::string_view RTrim(std::string_view text) {
  const size_t end = text.find_last_not_of(' ');
  return end == std::string_view::npos ? std::string_view() : text.substr(0, end + 1);
}

std::string_view LTrim(std::string_view text) {
  const size_t start = text.find_first_not_of(' ');
  return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

std::string_view AllTrim(std::string_view text) { return LTrim(RTrim(text)); }

std::string_view Left(std::string_view text, int count) {
  if (count <= 0) return {};
  return text.substr(0, std::min(text.size(), static_cast<size_t>(count)));
}

std::string_view Right(std::string_view text, int count) {
  if (count <= 0) return {};
  const size_t n = std::min(text.size(), static_cast<size_t>(count));
  return text.substr(text.size() - n);
}

std::string_view SubStr(std::string_view text, int start, int count) {
  const long size = static_cast<long>(text.size());
  long from = start > 0 ? start - 1 : (start < 0 ? size + start : 0);
  if (from < 0) from = 0;
  if (from >= size) return {};
  if (count < 0) return text.substr(static_cast<size_t>(from));
  return text.substr(static_cast<size_t>(from), static_cast<size_t>(count));
}

namespace {

char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

}  // namespace

bool EqualsIgnoreCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiUpper(a[i]) != AsciiUpper(b[i])) return false;
  }
  return true;
}

void UpperInPlace(std::string& text) {
  for (char& c : text) c = AsciiUpper(c);
}

void LowerInPlace(std::string& text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
}

std::string Upper(std::string_view text) {
  std::string out(text);
  UpperInPlace(out);
  return out;
}

std::string Lower(std::string_view text) {
  std::string out(text);
  LowerInPlace(out);
  return out;
}

int At(std::string_view needle, std::string_view haystack) {
  if (needle.empty()) return 0;
  const size_t pos = haystack.find(needle);
  return pos == std::string_view::npos ? 0 : static_cast<int>(pos) + 1;
}

int RAt(std::string_view needle, std::string_view haystack) {
  if (needle.empty()) return 0;
  const size_t pos = haystack.rfind(needle);
  return pos == std::string_view::npos ? 0 : static_cast<int>(pos) + 1;
}

std::string Replicate(std::string_view text, int count) {
  std::string out;
  if (count <= 0) return out;
  out.reserve(text.size() * static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) out.append(text);
  return out;
}

size_t StrTranCount(std::string_view text, std::string_view search, int first, int count) {
  if (search.empty() || count == 0) return 0;
  size_t seen = 0;
  for (size_t hit = text.find(search); hit != std::string_view::npos; hit = text.find(search, hit + search.size())) {
    ++seen;
  }
  const size_t skipped = first > 1 ? static_cast<size_t>(first - 1) : 0;
  const size_t replaced = seen > skipped ? seen - skipped : 0;
  return count < 0 ? replaced : std::min(replaced, static_cast<size_t>(count));
}

std::string StrTran(std::string_view text, std::string_view search, std::string_view replace, int first,
                    int count) {
  if (search.empty() || count == 0) return std::string(text);
  if (first < 1) first = 1;
  std::string out;
  out.reserve(text.size());
  int seen = 0;
  int replaced = 0;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t hit = text.find(search, pos);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(pos, hit - pos));
    ++seen;
    if (seen >= first && (count < 0 || replaced < count)) {
      out.append(replace);
      ++replaced;
    } else {
      out.append(search);
    }
    pos = hit + search.size();
  }
  out.append(text.substr(std::min(pos, text.size())));
  return out;
}

bool IsBlank(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

std::string ConcatMoveBlanks(std::string_view left, std::string_view right) {
  const std::string_view kept = RTrim(left);
  std::string out;
  out.reserve(left.size() + right.size());
  out.append(kept);
  out.append(right);
  out.append(left.size() - kept.size(), ' ');
  return out;
}

}  // namespace xbase
