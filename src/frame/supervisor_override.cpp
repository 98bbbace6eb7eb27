// The supervisor override: a supervisor whose rights hold a code gives NIK and password to let a
// user past a refusal.
#include "frame/supervisor_override.h"

#include <string>

#include "console/box.h"
#include "console/keys.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "xbase/keyed_read.h"
#include "xbase/password.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

constexpr int kTop = 15, kLeft = 22, kBottom = 19, kRight = 58;
constexpr int kEntryRow = 17, kEntryCol = 42;
constexpr int kMaxKeys = 10;

// The masked entry under `label`: up to ten keys, each but Enter taken as a character.
std::string MaskedEntry(console::Console& con, std::string_view label) {
  console::ISHADOW(con, kTop, kLeft, kBottom, kRight, "gr+/b", true, true);
  con.Say(kEntryRow, kLeft + 1, xbase::PadR(label, kRight - kLeft - 1), con.Colour("gr+/b"));
  std::string typed;
  while (static_cast<int>(typed.size()) < kMaxKeys) {
    con.Say(kEntryRow, kEntryCol, std::string(typed.size(), '*'), con.Colour("W+/b"));
    con.Say(kEntryRow, kEntryCol + static_cast<int>(typed.size()), "_", con.Colour("W+/r"));
    const int key = con.WaitKey();
    if (key == console::key::kEnter) break;
    typed += static_cast<char>(key);
  }
  return typed;
}

}  // namespace

bool PERMITION(Session& session, std::string_view code) {
  console::Console& con = session.console();
  xbase::WorkArea* users = nullptr;
  if (!Checked(session, RequireArea(session, "transak", &users))) return false;
  console::ScreenKeeper keep(con);
  con.ShowCursor(false);
  const std::string nik = xbase::PadR(MaskedEntry(con, "     Masukkan Nik :"), kMaxKeys);
  if (xbase::IsBlank(nik)) return false;
  bool found = false;
  xbase::Status s = users->SetOrder(1);
  if (s.ok()) s = xbase::SeekFound(*users, nik, &found);
  // A supervisor who cannot be read lets nobody past; the clerk is told why rather than refused silently.
  if (!Checked(session, s) || !found) return false;
  if (users->Text("KODEPROG").find(code) == std::string::npos) return false;
  const std::string stored = users->Text("PASS_ID");
  const std::string password = xbase::TransformPassword(MaskedEntry(con, "     Isi Password :"));
  const std::string_view typed_form = xbase::RTrim(password);
  return !typed_form.empty() && typed_form == xbase::RTrim(stored);
}

}  // namespace frame
