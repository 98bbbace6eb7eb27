// The day limits, the branch check and the document prefix of the forecast and D1 screens.
#include "console/alert.h"
#include "console/message.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "purchasing/plan_screens.h"
#include "xbase/text_functions.h"

namespace purchasing {

bool WithinDayLimit(frame::Session& session, int last_day, std::string_view alert) {
  if (session.Today().day() <= last_day) return true;
  console::Alert(session.console(), alert);
  return false;
}

bool KnownBranch(frame::Session& session, std::string_view branch) {
  if (pickers::GETCB(session, branch)) return true;
  return pickers::Refuse(session, "Kode Cabang " + std::string(xbase::AllTrim(branch)) + " belum terdaftar");
}

bool PlanNumberPrefix(frame::Session& session, std::string_view branch, std::string* prefix) {
  std::string ket;
  if (!pickers::SetupRow(session, "D1NU" + xbase::PadR(xbase::AllTrim(branch), 6), nullptr, &ket)) {
    console::PESAN(session.console(), "Setup nomerator " + std::string(xbase::AllTrim(branch)) + " belum ada");
    return false;
  }
  *prefix = std::string(xbase::AllTrim(ket));
  return true;
}

}  // namespace purchasing
