// The free-goods rules of a sales type, as the SETUP rows hold them.
#include <cmath>
#include <string>

#include "pickers/picker_support.h"
#include "sales/free_goods.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

// The value of a row, when there is one.
bool Rule(frame::Session& session, const std::string& key, std::string* ket) {
  return pickers::SetupRow(session, key, nullptr, ket);
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

std::string JENISFREEGOOD(frame::Session& session, std::string_view type) {
  std::string ket;
  if (!Rule(session, "FGOODJNS" + std::string(type), &ket)) return "XXX";
  return xbase::PadR(ket, 3).substr(0, 3);
}

double JATAHFREEGOODS(frame::Session& session, std::string_view type, double count) {
  std::string ket;
  if (Rule(session, "FGOOD" + std::string(type) + "BOX", &ket)) {
    return StepPercent(count, Number(ket, 0, 4), Number(ket, 4, 3), Number(ket, 8, 3));
  }
  if (Rule(session, "FGOOD" + std::string(type) + "QTY", &ket)) {
    return StepPercent(count, Number(ket, 0, 7), Number(ket, 8, 3), Number(ket, 12, 3));
  }
  if (Rule(session, "FREEGOOD" + std::string(type), &ket)) return xbase::Val(ket).value;
  return 0;
}

double PLAFONFREGOODS(frame::Session& session, std::string_view group, std::string_view type) {
  std::string ket;
  if (!Rule(session, "FGDS" + std::string(type) + std::string(xbase::AllTrim(group)), &ket)) return 0;
  return xbase::Val(ket).value;
}

std::string LAWANTIPE(frame::Session& session, std::string_view type) {
  std::string ket;
  if (!Rule(session, "FREETYPE" + std::string(type), &ket) || xbase::IsBlank(ket)) return std::string(type);
  return std::string(xbase::AllTrim(ket));
}

double JATAHDISCOUNTFREEGOODS(frame::Session& session, std::string_view type) {
  std::string ket;
  return Rule(session, "FGOODISC" + std::string(type), &ket) ? xbase::Val(ket).value : 0;
}

bool CEKBARANGNYA(frame::Session& session, std::string_view code, std::string_view type, int length) {
  const std::string prefix(code.substr(0, std::min(code.size(), static_cast<size_t>(std::max(length, 0)))));
  // Type and prefix fill the whole key, so the first row of the key is the row itself.
  return pickers::SetupRow(session, std::string(type) + xbase::PadR(prefix, 8));
}

bool CECKSPECHBARANG(frame::Session& session, std::string_view type, const console::ValueTable& lines) {
  std::string ket;
  if (!Rule(session, "BARANG2" + std::string(type), &ket)) return true;
  const int length = static_cast<int>(xbase::Val(ket).value);
  for (const console::ValueRow& line : lines) {
    const std::string code(xbase::RTrim(FgWord(line, kFgCode)));
    if (code.empty() || CEKBARANGNYA(session, code, type, length)) continue;
    return pickers::Refuse(session, "Barang " + code + " tidak boleh diberikan sebagai free goods type " +
                                        std::string(type));
  }
  return true;
}

}  // namespace sales
