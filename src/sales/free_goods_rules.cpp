// The free-goods rules of a sales type, as the SETUP rows hold them.
#include <cmath>
#include <string>

#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "sales/free_goods.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

// The value of a row, when there is one.
xbase::Status Rule(frame::Session& session, const std::string& key, bool* found, std::string* ket) {
  return pickers::SetupRow(session, key, found, nullptr, ket);
}

double Number(std::string_view ket, size_t from, size_t length) {
  if (from >= ket.size()) return 0;
  return xbase::Val(ket.substr(from, length)).value;
}

// Percent A when the count is a whole multiple of the step, else percent B.
double StepPercent(double count, double step, double percent_a, double percent_b) {
  return step > 0 && std::fmod(count, step) == 0 ? percent_a : percent_b;
}

}  // namespace

xbase::Status JENISFREEGOOD(frame::Session& session, std::string_view type, std::string* kind) {
  std::string ket;
  bool found = false;
  const xbase::Status s = Rule(session, "FGOODJNS" + std::string(type), &found, &ket);
  *kind = found ? xbase::PadR(ket, 3).substr(0, 3) : "XXX";
  return s;
}

xbase::Status JATAHFREEGOODS(frame::Session& session, std::string_view type, double count, double* percent) {
  *percent = 0;
  std::string ket;
  bool found = false;
  // A failed read finds nothing, so the rules after it are not read.
  xbase::Status s = Rule(session, "FGOOD" + std::string(type) + "BOX", &found, &ket);
  if (found) {
    *percent = StepPercent(count, Number(ket, 0, 4), Number(ket, 4, 3), Number(ket, 8, 3));
    return s;
  }
  if (s.ok()) s = Rule(session, "FGOOD" + std::string(type) + "QTY", &found, &ket);
  if (found) {
    *percent = StepPercent(count, Number(ket, 0, 7), Number(ket, 8, 3), Number(ket, 12, 3));
    return s;
  }
  if (s.ok()) s = Rule(session, "FREEGOOD" + std::string(type), &found, &ket);
  if (found) *percent = xbase::Val(ket).value;
  return s;
}

xbase::Status PLAFONFREGOODS(frame::Session& session, std::string_view group, std::string_view type, double* threshold) {
  std::string ket;
  bool found = false;
  const xbase::Status s = Rule(session, "FGDS" + std::string(type) + std::string(xbase::AllTrim(group)), &found, &ket);
  *threshold = found ? xbase::Val(ket).value : 0;
  return s;
}

xbase::Status LAWANTIPE(frame::Session& session, std::string_view type, std::string* free_type) {
  std::string ket;
  bool found = false;
  const xbase::Status s = Rule(session, "FREETYPE" + std::string(type), &found, &ket);
  *free_type = found && !xbase::IsBlank(ket) ? std::string(xbase::AllTrim(ket)) : std::string(type);
  return s;
}

xbase::Status JATAHDISCOUNTFREEGOODS(frame::Session& session, std::string_view type, double* discount) {
  std::string ket;
  bool found = false;
  const xbase::Status s = Rule(session, "FGOODISC" + std::string(type), &found, &ket);
  *discount = found ? xbase::Val(ket).value : 0;
  return s;
}

xbase::Status CEKBARANGNYA(frame::Session& session, std::string_view code, std::string_view type, int length,
                           bool* allowed) {
  const std::string prefix(code.substr(0, std::min(code.size(), static_cast<size_t>(std::max(length, 0)))));
  // Type and prefix fill the whole key, so the first row of the key is the row itself.
  return pickers::SetupRow(session, std::string(type) + xbase::PadR(prefix, 8), allowed);
}

bool CECKSPECHBARANG(frame::Session& session, std::string_view type, const console::ValueTable& lines) {
  std::string ket;
  bool restricted = false;
  if (!frame::Checked(session, Rule(session, "BARANG2" + std::string(type), &restricted, &ket))) return false;
  if (!restricted) return true;
  const int length = static_cast<int>(xbase::Val(ket).value);
  for (const console::ValueRow& line : lines) {
    const std::string code(xbase::RTrim(FgWord(line, kFgCode)));
    bool allowed = false;
    if (code.empty()) continue;
    if (!frame::Checked(session, CEKBARANGNYA(session, code, type, length, &allowed))) return false;
    if (allowed) continue;
    return pickers::Refuse(session, "Barang " + code + " tidak boleh diberikan sebagai free goods type " +
                                        std::string(type));
  }
  return true;
}

}  // namespace sales
