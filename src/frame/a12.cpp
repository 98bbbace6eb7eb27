// Menu rights: the administrator ticks the entries of a menu group that a user may run, and copies all
// rights of one user to another.
#include "frame/a12.h"

#include <functional>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "console/box.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "console/table_access.h"
#include "frame/code_pick.h"
#include "frame/login.h"
#include "frame/menu2.h"
#include "frame/open_table.h"
#include "frame/prompts.h"
#include "frame/record_marks.h"
#include "frame/save_scope.h"
#include "frame/status_display.h"
#include "frame/users.h"
#include "xbase/picture.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace frame {
namespace {

using console::Console;
namespace key = console::key;

constexpr int kValueCol = 35;
constexpr std::string_view kFormColour = "W+/bg";
constexpr std::string_view kFormMono = "W/w";
constexpr int kShortTone = 55;

std::string FormColour(const Console& con) { return std::string(con.Pick(kFormColour, kFormMono)); }

// A shadowed form: the lines from row `top` + 1, column 24.
void DrawForm(Console& con, int top, int bottom, const std::vector<std::string_view>& lines) {
  const std::string colour = FormColour(con);
  console::ISHADOW(con, top, 23, bottom, 57, colour);
  int row = top + 1;
  for (std::string_view line : lines) con.Say(row++, 24, line, con.Colour(colour));
}

// A NIK field at (row, column 35) with its check.
console::ReadResult ReadNik(Console& con, std::vector<std::pair<int, std::string*>> fields,
                            const std::function<bool(int row, std::string* nik)>& valid) {
  console::GetList form;
  for (auto& [row, nik] : fields) {
    console::GetField& field = form.Add(row, kValueCol, nik, "@!");
    field.colour = con.Pick("Gr+/bg,W+/r+", "W+/w,W/n");
    field.valid = [&valid, row = row, nik = nik] { return valid(row, nik); };
  }
  return form.Read(con);
}

// The user of the NIK field: "?" picks one; TRANSAK standing on him when he is there, else null.
const xbase::WorkArea* FindPickedUser(Session& session, std::string* nik) {
  PickSpec pick;
  pick.alias = "transak";
  pick.expressions = {"user_id", "user_nm"};
  pick.heads = {"Kode", "Nama"};
  bool found = false;
  const xbase::Status status = PickAndSeek(session, pick, nik, &found);
  frame::ShowFailure(session, status);
  *nik = xbase::PadR(*nik, 10);
  return status.ok() && found ? AreaOf(session, pick.alias) : nullptr;
}

// The key of a USERDAT row: NIK, group and code, each the width of its field.
std::string RightKey(const xbase::WorkArea& userdat, std::string_view nik, std::string_view grup,
                     std::string_view kode) {
  return userdat.PadToField("NIK", nik) + userdat.PadToField("GRUP", grup) + userdat.PadToField("KODE", kode);
}

// The USERDAT rows of a key, deleted ones too; *live is the first live one (0 when none).
xbase::Status RightRows(xbase::WorkArea& userdat, const std::string& key, std::vector<uint32_t>* rows, uint32_t* live) {
  *live = 0;
  xbase::Status s = userdat.SetOrder("USERDAT2");
  if (s.ok()) s = userdat.SeekAll(key, rows);
  for (size_t i = 0; s.ok() && i < rows->size() && *live == 0; ++i) {
    s = userdat.GoTo((*rows)[i]);
    if (s.ok() && !userdat.deleted()) *live = (*rows)[i];
  }
  return s;
}

// One right of a user.
struct Right {
  std::string grup, kode, induk1, induk2;
};

// Gives `nik` the right unless he has it: a deleted row of it is recalled, else a row is appended. Deleted
// rows must be visible.
xbase::Status Grant(Console& con, xbase::WorkArea& userdat, std::string_view nik, const Right& right) {
  std::vector<uint32_t> rows;
  uint32_t live = 0;
  xbase::Status s = RightRows(userdat, RightKey(userdat, nik, right.grup, right.kode), &rows, &live);
  if (!s.ok() || live != 0) return s;
  if (!rows.empty()) return RecallRecord(con, userdat, rows.front());
  s = console::APP_REC(con, userdat);
  const std::pair<const char*, const std::string*> fields[] = {
      {"GRUP", &right.grup}, {"INDUK1", &right.induk1}, {"INDUK2", &right.induk2}, {"KODE", &right.kode}};
  if (s.ok()) s = userdat.Put("NIK", xbase::Value::Text(std::string(nik)));
  for (const auto& [field, value] : fields) {
    if (s.ok()) s = userdat.Put(field, xbase::Value::Text(*value));
  }
  const xbase::Status unlocked = userdat.Unlock();
  return s.ok() ? unlocked : s;
}

// Takes the right from `nik`: every live row of it is deleted. Deleted rows must be visible.
xbase::Status Revoke(Console& con, xbase::WorkArea& userdat, std::string_view nik, const Right& right) {
  std::vector<uint32_t> rows;
  uint32_t live = 0;
  xbase::Status s = RightRows(userdat, RightKey(userdat, nik, right.grup, right.kode), &rows, &live);
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    s = userdat.GoTo(rows[i]);
    if (s.ok() && !userdat.deleted()) s = DeleteRecord(con, userdat, rows[i]);
  }
  return s;
}

// One row per MENU entry of the group in index order, ticked when the user holds its right.
xbase::Status RightsRows(xbase::WorkArea& menu, xbase::WorkArea& userdat, const std::string& nik,
                         const std::string& grup, console::ValueTable* rows) {
  std::vector<uint32_t> records;
  xbase::Status s = menu.SetOrder(1);
  if (s.ok()) s = menu.SeekAll(menu.PadToField("GRUP", grup), &records);
  std::map<std::string, std::string> parents;  // KODE -> INDUK
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    s = menu.GoTo(records[i]);
    parents.emplace(menu.Text("KODE"), menu.Text("INDUK"));
  }
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    s = menu.GoTo(records[i]);
    const std::string kode = menu.Text("KODE");
    const std::string induk = menu.Text("INDUK");
    const double lvl = menu.Number("LVL");
    // The top entry: a level-2 entry's parent, else its parent's parent.
    std::string top = induk;
    if (lvl != 2) {
      const auto parent = parents.find(induk);
      top = parent == parents.end() ? std::string(induk.size(), ' ') : parent->second;
    }
    std::vector<uint32_t> held;
    uint32_t live = 0;
    if (s.ok()) s = RightRows(userdat, RightKey(userdat, nik, grup, kode), &held, &live);
    rows->push_back({xbase::Value::Logical(live != 0), xbase::Value::Text(menu.Text("KETERANGAN")),
                     xbase::Value::Text(kode), xbase::Value::Text(induk), xbase::Value::Text(top),
                     xbase::Value::Num(lvl), xbase::Value::Text(menu.Text("GRUP")),
                     xbase::Value::Logical(!xbase::IsBlank(menu.Text("PROSEDUR")))});
  }
  return s;
}

// Writes rights rows of `nik` through `write`, all or nothing: every rights row of the user (deleted
// ones too, which a right given again recalls) and the table's append lock are taken first. A lock
// given up says "Tidak ada yang tersimpan"; a refusal or failure is shown here and returned.
xbase::Status SaveUserRights(Session& session, xbase::WorkArea& userdat, std::string_view nik,
                             const std::function<xbase::Status()>& write) {
  xbase::ShowDeleted show(&session.tables());
  SaveScope save(session.console());
  std::vector<uint32_t> rows;
  xbase::Status s = userdat.SetOrder("USERDAT2");
  if (s.ok()) s = userdat.SeekAll(userdat.PadToField("NIK", nik), &rows);
  for (const uint32_t row : rows) save.Update(userdat, row);
  save.Append(userdat);
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    NothingSaved(session, s);
    return s;
  }
  s = save.BeginWrites();
  if (s.ok()) s = write();
  s = save.CommitWrites(s);
  ShowFailure(session, s);
  return s;
}

// The ticks of the browse written for the user: a ticked row granted, an unticked one revoked.
xbase::Status SaveRights(Session& session, xbase::WorkArea& userdat, const std::string& nik,
                         const console::ValueTable& rows) {
  return SaveUserRights(session, userdat, nik, [&] {
    xbase::Status s;
    for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
      const console::ValueRow& row = rows[i];
      const Right right{row[kGroup].text(), row[kEntryCode].text(), row[kTopEntry].text(), row[kParent].text()};
      s = row[kGranted].logical() ? Grant(session.console(), userdat, nik, right)
                                    : Revoke(session.console(), userdat, nik, right);
    }
    return s;
  });
}

// Every live rights row of `from` given to `to`, except those `to` holds already.
xbase::Status CopyRights(Session& session, xbase::WorkArea& userdat, const std::string& from, const std::string& to) {
  std::vector<Right> rights;
  {
    std::vector<uint32_t> records;
    xbase::Status s = userdat.SetOrder("USERDAT2");
    if (s.ok()) s = userdat.SeekAll(userdat.PadToField("NIK", from), &records);
    for (size_t i = 0; s.ok() && i < records.size(); ++i) {
      s = userdat.GoTo(records[i]);
      if (s.ok() && !userdat.deleted()) {
        rights.push_back({userdat.Text("GRUP"), userdat.Text("KODE"), userdat.Text("INDUK1"), userdat.Text("INDUK2")});
      }
    }
    if (!Checked(session, s)) return s;
  }
  return SaveUserRights(session, userdat, to, [&] {
    xbase::Status s;
    for (size_t i = 0; s.ok() && i < rights.size(); ++i) s = Grant(session.console(), userdat, to, rights[i]);
    return s;
  });
}

// The rights form until it is left: a user, a group, the browse of the group's entries and their save.
xbase::Status SetRights(Session& session, xbase::WorkArea& menu, xbase::WorkArea& userdat) {
  Console& con = session.console();
  std::vector<std::string> groups;
  if (xbase::Status s = MenuGroups(menu, 1, "", &groups); !s.ok()) return s;
  for (;;) {
    DrawForm(con, 3, 9,
             {"           Set Hak Akses         ", "", "  Nik    : ..........", "  Nama   : ...................",
              "  Level  :"});
    std::string nik(10, ' ');
    const console::ReadResult read =
        ReadNik(con, {{6, &nik}}, [&](int, std::string* typed) { return GETUSER(session, typed); });
    if (read.escaped || xbase::IsBlank(nik)) return xbase::Status::OK();
    const std::optional<std::string> group = GETGRUP(session, groups);
    if (!group || xbase::IsBlank(*group)) return xbase::Status::OK();
    console::ValueTable rows;
    if (xbase::Status s = RightsRows(menu, userdat, nik, *group, &rows); !s.ok()) return s;
    // A save refused or failed (shown) brings the browse back with its ticks.
    bool saved = false;
    while (!saved && SETHAKAKSES(session, &rows)) saved = SaveRights(session, userdat, nik, rows).ok();
  }
}

// The copy form until it is left.
xbase::Status CopyForm(Session& session, xbase::WorkArea& userdat) {
  Console& con = session.console();
  for (;;) {
    DrawForm(con, 3, 13,
             {"           Copy Hak Akses        ", "", "  Asal", "  Nik    : ..........", "  Nama   :", "", "  Tujuan",
              "  Nik    : ..........", "  Nama   :"});
    std::string from(10, ' ');
    std::string to(10, ' ');
    const console::ReadResult read = ReadNik(con, {{7, &from}, {11, &to}}, [&](int row, std::string* typed) {
      return xbase::IsBlank(*typed) || GETUSER_(session, typed, row + 1, kValueCol);
    });
    if (read.escaped || xbase::IsBlank(from) || xbase::IsBlank(to)) return xbase::Status::OK();
    if (from == to || !AnsweredYes(con, kConfirmSave)) continue;
    if (CopyRights(session, userdat, from, to).ok()) console::PESAN(con, ".....berhasil.....");
  }
}

}  // namespace

xbase::Status A12(Session& session, const std::vector<xbase::Value>&) {
  if (!IsAdministrator(session.MMEMBER.nik)) return xbase::Status::OK();
  console::ScreenKeeper keep(session.console());
  xbase::Status status;
  xbase::WorkArea* menu = nullptr;
  xbase::WorkArea* userdat = nullptr;
  if (OpenTable(session, "Menu", false, {}, &menu) && OpenTable(session, "UserDat", false, {}, &userdat) &&
      OpenTable(session, "Transak")) {
    status = SetRights(session, *menu, *userdat);
  }
  return CloseTables(session, status);
}

bool SETHAKAKSES(Session& session, console::ValueTable* rows) {
  Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("gr+/bg", "w+/n*"));
  con.Clear(11, 1, 23, 78, con.Colour(colour));
  console::DrawFrame(con, 11, 1, 23, 78, console::Line::kSingle, con.Colour(colour));
  const console::KeyHelp help{{"", ") Batal", ") Simpan"}, {"Esc", " F10"}, colour, "Gr+/bg"};
  int idx = 1;
  console::ArrayBrowse browse =
      console::BUATOBJECT(con, rows, {"Ok", "Nama Menu", "Kode", "Induk2", "Induk1", "Lvl", "Grup", "Pil"},
                          {"Y", "", "", "", "", "999", "", "Y"}, {12, 2, 22, 77},
                          std::string(con.Pick("w+/bg,Gr+/bg,br/bg,br/bg,br/bg,br/bg,gr+/b+,W+/r",
                                               "w+/n*,w/n,w/n*,w/n*,w/n*,w/n*,w/n,W+/n")),
                          23, help, &idx);
  const auto grantable = [rows](int row) { return (*rows)[static_cast<size_t>(row - 1)][kGrantable].logical(); };
  browse.set_row_colours([grantable](int row) { return grantable(row) ? std::pair{7, 8} : std::pair{2, 4}; });
  const int last = static_cast<int>(rows->size());
  for (;;) {
    browse.Stabilize(con);
    browse.Hilite(con);
    const int key = con.WaitKey();
    if (key == key::kEsc) return false;
    if (key == key::kF10) {
      if (AnsweredYes(con, kConfirmSave)) return true;
    } else if (key == key::kEnter) {
      if (last > 0 && grantable(idx)) {
        xbase::Value& granted = (*rows)[static_cast<size_t>(idx - 1)][kGranted];
        granted = xbase::Value::Logical(!granted.logical());
        browse.Skip(1);
      }
    } else if (key == key::kF2 || key == key::kF3) {
      for (int row = 1; row <= last; ++row) {
        if (key == key::kF3 || grantable(row))
          (*rows)[static_cast<size_t>(row - 1)][kGranted] = xbase::Value::Logical(key == key::kF2);
      }
    } else if (key == key::kHome) {
      browse.GoTop();
    } else if (key == key::kEnd) {
      browse.GoBottom();
    } else {
      if (key == key::kDown && idx == last) con.Tone(300, kShortTone);
      if (key == key::kUp && idx == 1) con.Tone(400, kShortTone);
      if (key == key::kLeft && browse.column() == 1) con.Tone(200, kShortTone);
      console::KURSOR(browse, key);
    }
  }
}

xbase::Status COPYHAK(Session& session, const std::vector<xbase::Value>&) {
  console::ScreenKeeper keep(session.console());
  xbase::Status status;
  xbase::WorkArea* userdat = nullptr;
  if (OpenTable(session, "UserDat", false, {}, &userdat) && OpenTable(session, "Transak")) {
    status = CopyForm(session, *userdat);
  }
  return CloseTables(session, status);
}

bool GETUSER(Session& session, std::string* nik) {
  if (xbase::IsBlank(*nik)) return true;
  const xbase::WorkArea* transak = FindPickedUser(session, nik);
  if (transak == nullptr) {
    if (!xbase::IsBlank(*nik)) console::PESAN(session.console(), kUnknownUser);
    return xbase::IsBlank(*nik);
  }
  Console& con = session.console();
  const console::Attr attr = con.Colour(FormColour(con));
  con.Say(7, kValueCol, transak->Text("USER_NM"), attr);
  con.Say(8, kValueCol, xbase::Transform(xbase::Value::Num(transak->Number("LEVEL_ID")), "999"), attr);
  return true;
}

bool GETUSER_(Session& session, std::string* nik, int row, int col) {
  const xbase::WorkArea* transak = FindPickedUser(session, nik);
  if (transak == nullptr) return false;
  Console& con = session.console();
  con.Say(row, col, transak->Text("USER_NM"), con.Colour(FormColour(con)));
  return true;
}

}  // namespace frame
