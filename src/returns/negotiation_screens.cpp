// What the negotiation minute screens share: the question before a minute is left unsaved, and the
// save with its outcome told.
#include "returns/negotiation_screens.h"

#include <string>

#include "console/alert.h"
#include "frame/code_pick.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "xbase/text_functions.h"

namespace returns {

bool AskLeaveMinute(console::Console& con) {
  // Esc at the question leaves as "Ya" does: only "Tidak" goes back to the minute.
  return console::Alert(con, "yakin keluar dari BAC-NEGO", {"Ya", "Tidak"}) != 2;
}

bool TakePec(frame::Session& session, std::string* pec) {
  frame::PickSpec pick;
  pick.alias = "PEC";
  bool found = false;
  if (!frame::Checked(session, frame::PickAndSeek(session, pick, pec, &found))) return false;
  *pec = xbase::PadR(xbase::RTrim(*pec), 20);
  if (!found || xbase::IsBlank(*pec)) {
    return pickers::Refuse(session, "PEC No " + std::string(xbase::RTrim(*pec)) + ", belum terdaftar");
  }
  return true;
}

bool ToldSave(frame::Session& session, const xbase::Status& status) {
  if (status.ok()) return true;
  // The counter's refusals were shown in their alerts, a lock given up by the save.
  if (status.IsLocked()) return false;
  const std::string& message = status.message();
  if (message.starts_with("counter row") || message.starts_with("document number")) return false;
  return frame::Checked(session, status);
}

bool SaveAndTell(frame::Session& session, const frame::OpenedTables& tables, Minute* minute) {
  bool numbered = false;
  if (!ToldSave(session, SaveMinute(session, tables, minute, &numbered))) return false;
  if (numbered) console::Alert(session.console(), "Nomor Nomor NEGOSIASI PENAWARAN INI : " + minute->number);
  return true;
}

}  // namespace returns
