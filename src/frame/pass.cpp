// Users and passwords: the administrator adds, corrects and deletes users; every other user changes his
// own password. The menu shows the entry as "Tambah/Edit User" or "Ganti Password".
#include "frame/pass.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "console/box.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "console/secret_entry.h"
#include "console/table_access.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "frame/prompts.h"
#include "frame/record_marks.h"
#include "frame/save_scope.h"
#include "frame/users.h"
#include "xbase/password.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

using console::Console;

constexpr std::string_view kNotAnEmployee = " karyawan tidak terdaftar";
constexpr std::string_view kNotEntitledUser = "Anda tidak berhak mengubah user tersebut";
constexpr std::string_view kNotEntitledPassword = "Anda tidak berhak mengubah password user tersebut";
constexpr std::string_view kPasswordsDiffer = "Ulangi, Password tidak sama....";

// The form: labels at column 21, values at column 38.
constexpr int kLabelCol = 21;
constexpr int kValueCol = 38;
constexpr int kNikRow = 8, kNameRow = 9, kLevelRow = 10, kRightsRow = 11, kTranRow = 12;
constexpr int kOldPasswordRow = 13, kNewPasswordRow = 14, kConfirmRow = 15;

// The values of a user that the form edits.
struct UserValues {
  double level = 0;
  std::string rights = std::string(50, ' ');
  std::string tran = std::string(3, ' ');
};

class UserScreen {
 public:
  UserScreen(Session& session, xbase::WorkArea& transak, xbase::WorkArea& userdat, xbase::WorkArea& karyawan)
      : session_(session),
        con_(session.console()),
        colour_(con_.Pick("W+/bg", "W/w")),
        transak_(transak),
        userdat_(userdat),
        karyawan_(karyawan) {}

  // The administrator's form: a NIK, then the correction or deletion of a user or the adding of an employee.
  xbase::Status Administer() {
    for (;;) {
      TAMPIL();
      std::string nik(10, ' ');
      console::GetList form;
      form.Add(kNikRow, kValueCol, &nik, "@!").colour = con_.Pick("Gr+/bg,W+/r+", "W+/w,W/n");
      if (form.Read(con_).escaped || xbase::IsBlank(nik)) return xbase::Status::OK();
      bool known = false;
      if (xbase::Status s = SeekUser(transak_, nik, &known); !s.ok()) return s;
      if (known) {
        Show(kNameRow, transak_.Text("USER_NM"));
        const char answer = AnswerKey(con_, " K)oreksi, H)apus, B)atal");
        if (answer == 'K') return Correct(nik);
        if (answer == 'H' && xbase::RTrim(nik) != kAdministrator) {
          if (AnsweredYes(con_, "yakin user akan dihapus (Y/T)")) return DeleteUser(nik);
        }
        continue;
      }
      xbase::Status s = karyawan_.SetOrder(1);
      if (s.ok()) s = karyawan_.Seek(karyawan_.PadToField("NIK", nik));
      if (!s.ok()) return s;
      if (!karyawan_.found()) {
        console::PESAN(con_, kNotAnEmployee);
        continue;
      }
      return AddUser(nik, std::string(xbase::Left(karyawan_.Text("NAMA"), 20)));
    }
  }

  // A user other than the administrator changes his own password, knowing the old one.
  xbase::Status ChangeOwnPassword() {
    const Member& member = session_.MMEMBER;
    bool found = false;
    if (xbase::Status s = SeekUser(transak_, member.nik, &found); !s.ok()) return s;
    if (!found) {
      console::PESAN(con_, kUnknownUser);
      return xbase::Status::OK();
    }
    TAMPIL();
    Show(kNikRow, member.nik);
    Show(kNameRow, transak_.Text("USER_NM"));
    Show(kLevelRow, Level(transak_.Number("LEVEL_ID")));
    Show(kRightsRow, std::string(20, '*'));
    Show(kTranRow, transak_.Text("GUDANG"));
    for (;;) {
      const std::string old = console::GETPASS(con_, kOldPasswordRow, kValueCol, colour_);
      if (con_.last_key() == console::key::kEsc) return xbase::Status::OK();
      if (!SamePassword(transak_.Text("PASS_ID"), xbase::TransformPassword(old))) {
        console::PESAN(con_, kNotEntitledPassword);
        return xbase::Status::OK();
      }
      const std::optional<std::string> typed = NewPassword(" Password Baru :", false);
      if (!typed) continue;
      if (AnswerKey(con_, " S)impan, B)atal") != 'S') return xbase::Status::OK();
      const std::string stored = xbase::TransformPassword(*typed);
      xbase::Status s = console::LOCK_REC(con_, transak_);
      if (s.ok()) s = transak_.Put("PASS_ID", xbase::Value::Text(stored));
      s = Unlocked(s);
      if (s.ok()) session_.MMEMBER.password = stored;
      return s;
    }
  }

 private:
  // The form of one user.
  void TAMPIL() {
    console::ISHADOW(con_, 5, kLabelCol - 1, 16, kLabelCol + 38, colour_);
    con_.Say(6, kLabelCol, "               User Login             ", con_.Colour(colour_));
    const std::string_view labels[] = {" Nik Karyawan  :", " Nama Karyawan :", " Level         :",
                                       " Kode Program  :", " Transak Id    :", " Password Lama :"};
    int row = kNikRow;
    for (std::string_view label : labels) con_.Say(row++, kLabelCol, label, con_.Colour(colour_));
  }

  void Show(int row, std::string_view text) { con_.Say(row, kValueCol, text, con_.Colour(colour_)); }

  static std::string Level(double level) { return xbase::Transform(xbase::Value::Num(level), "999"); }

  // Level, rights text and transaction id typed at rows 10 to 12; false after Esc.
  bool EditValues(UserValues* values) {
    console::GetList form;
    const std::string field_colour(con_.Pick("Gr+/bg,W+/r+", "W+/w,W/n"));
    form.Add(kLevelRow, kValueCol, &values->level, "999").colour = field_colour;
    form.Add(kRightsRow, kValueCol, &values->rights, "@S20").colour = field_colour;
    form.Add(kTranRow, kValueCol, &values->tran, "@!").colour = field_colour;
    return !form.Read(con_).escaped;
  }

  // A new password typed twice, the first under `label`; while the two differ or are empty it is asked again
  // when `again`, else nothing is given. Nothing after Esc.
  std::optional<std::string> NewPassword(std::string_view label, bool again) {
    for (;;) {
      con_.Say(kNewPasswordRow, kLabelCol, label, con_.Colour(colour_));
      con_.Say(kConfirmRow, kLabelCol, " Yakinkan Pass :", con_.Colour(colour_));
      const std::string first = console::GETPASS(con_, kNewPasswordRow, kValueCol, colour_);
      if (con_.last_key() == console::key::kEsc) return std::nullopt;
      const std::string second = console::GETPASS(con_, kConfirmRow, kValueCol, colour_);
      if (con_.last_key() == console::key::kEsc) return std::nullopt;
      if (!first.empty() && first == second) return first;
      console::PESAN(con_, kPasswordsDiffer);
      if (!again) return std::nullopt;
    }
  }

  // The correction of a user: level, rights and transaction id, and a new password; the administrator's own
  // record needs its current password first.
  xbase::Status Correct(const std::string& nik) {
    UserValues values{transak_.Number("LEVEL_ID"), transak_.Text("KODEPROG"), transak_.Text("TRAN_ID")};
    if (!EditValues(&values)) return xbase::Status::OK();
    if (xbase::RTrim(nik) == kAdministrator) {
      const std::string old = console::GETPASS(con_, kOldPasswordRow, kValueCol, colour_);
      if (!SamePassword(transak_.Text("PASS_ID"), xbase::TransformPassword(old))) {
        console::PESAN(con_, kNotEntitledUser);
        return xbase::Status::OK();
      }
    }
    const std::optional<std::string> typed = NewPassword(" Password Baru :", true);
    if (!typed || AnswerKey(con_, " S)impan, B)atal") != 'S') return xbase::Status::OK();
    const std::string stored = xbase::TransformPassword(*typed);
    xbase::Status s = console::LOCK_REC(con_, transak_);
    if (s.ok()) s = transak_.Put("KODEPROG", xbase::Value::Text(values.rights));
    if (s.ok()) s = transak_.Put("TRAN_ID", xbase::Value::Text(values.tran));
    if (s.ok()) s = transak_.Put("LEVEL_ID", xbase::Value::Num(values.level));
    if (s.ok()) s = transak_.Put("PASS_ID", xbase::Value::Text(stored));
    s = Unlocked(s);
    if (s.ok() && nik == session_.MMEMBER.nik) session_.MMEMBER.password = stored;
    return s;
  }

  // A new user for the employee `nik`, named by the employee's name.
  xbase::Status AddUser(const std::string& nik, const std::string& name) {
    Show(kNameRow, name);
    UserValues values;
    if (!EditValues(&values)) return xbase::Status::OK();
    const std::optional<std::string> typed = NewPassword(" Password      :", true);
    if (!typed || AnswerKey(con_, " S)impan, B)atal") != 'S') return xbase::Status::OK();
    xbase::Status s = console::APP_REC(con_, transak_);
    if (s.ok()) s = transak_.Put("USER_ID", xbase::Value::Text(nik));
    if (s.ok()) s = transak_.Put("PASS_ID", xbase::Value::Text(xbase::TransformPassword(*typed)));
    if (s.ok()) s = transak_.Put("USER_NM", xbase::Value::Text(name));
    if (s.ok()) s = transak_.Put("KODEPROG", xbase::Value::Text(values.rights));
    if (s.ok()) s = transak_.Put("LEVEL_ID", xbase::Value::Num(values.level));
    if (s.ok()) s = transak_.Put("TRAN_ID", xbase::Value::Text(values.tran));
    return Unlocked(s);
  }

  // The user TRANSAK stands on and all his rights rows are deleted, all or nothing; a lock given up or
  // a failed write is shown here and the user stays.
  xbase::Status DeleteUser(const std::string& nik) {
    SaveScope save(con_);
    save.Update(transak_, transak_.recno());
    std::vector<uint32_t> rights;
    xbase::Status s = userdat_.SetOrder("USERDAT2");
    if (s.ok()) s = userdat_.SeekAll(userdat_.PadToField("NIK", nik), &rights);
    for (const uint32_t right : rights) save.Update(userdat_, right);
    if (s.ok()) s = save.Lock();
    if (!s.ok()) {
      NothingSaved(session_, s);
      return xbase::Status::OK();
    }
    s = save.BeginWrites();
    if (s.ok()) s = DeleteRecord(con_, transak_, transak_.recno());
    for (size_t i = 0; s.ok() && i < rights.size(); ++i) s = DeleteRecord(con_, userdat_, rights[i]);
    ShowFailure(session_, save.CommitWrites(s));
    return xbase::Status::OK();
  }

  // `s`, or the failure of releasing TRANSAK's lock.
  xbase::Status Unlocked(const xbase::Status& s) {
    const xbase::Status unlocked = transak_.Unlock();
    return s.ok() ? unlocked : s;
  }

  Session& session_;
  Console& con_;
  std::string colour_;
  xbase::WorkArea& transak_;
  xbase::WorkArea& userdat_;
  xbase::WorkArea& karyawan_;
};

}  // namespace

xbase::Status PASS(Session& session, const std::vector<xbase::Value>&) {
  Console& con = session.console();
  console::ScreenKeeper keep(con);
  xbase::Status status;
  xbase::WorkArea* userdat = nullptr;
  xbase::WorkArea* transak = nullptr;
  xbase::WorkArea* karyawan = nullptr;
  if (OpenTable(session, "UserDat", false, {}, &userdat) && OpenTable(session, "Transak", false, {}, &transak) &&
      OpenTable(session, "karyawan", false, {}, &karyawan)) {
    UserScreen screen(session, *transak, *userdat, *karyawan);
    status = IsAdministrator(session.MMEMBER.nik) ? screen.Administer() : screen.ChangeOwnPassword();
  }
  return CloseTables(session, status);
}

}  // namespace frame
