// The day limits, the branch check and the document prefix of the forecast and D1 screens.
#include "console/alert.h"
#include "console/message.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "purchasing/plan_screens.h"
#include "xbase/text_functions.h"

namespace purchasing {

bool WithinDayLimit(frame::Session& session, int last_day, std::string_view alert) {
  if (session.Today().day() <= last_day) return true;
  console::Alert(session.console(), alert);
  return false;
}

bool KnownBranch(frame::Session& session, std::string_view branch) {
  bool known = false;
  if (!frame::Checked(session, pickers::SetupRow(session, xbase::AllTrim(branch), &known))) return false;
  if (known) return true;
  return pickers::Refuse(session, "Kode Cabang " + std::string(xbase::AllTrim(branch)) + " belum terdaftar");
}

bool PlanNumberPrefix(frame::Session& session, std::string_view branch, std::string* prefix) {
  std::string ket;
  bool found = false;
  const std::string key = "D1NU" + xbase::PadR(xbase::AllTrim(branch), 6);
  if (!frame::Checked(session, pickers::SetupRow(session, key, &found, nullptr, &ket))) return false;
  if (!found) {
    console::PESAN(session.console(), "Setup nomerator " + std::string(xbase::AllTrim(branch)) + " belum ada");
    return false;
  }
  *prefix = std::string(xbase::AllTrim(ket));
  return true;
}

}  // namespace purchasing
