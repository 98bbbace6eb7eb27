// The salesman rotation of a branch and period: which salesman held which position under which leader.
// The period's rows are edited as a grid and written back row by row; each salesman's row in MASTSLS
// follows unless it was changed for a later period.
#include <algorithm>

#include "console/array_browse.h"
#include "console/box.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "console/table_access.h"
#include "documents/named_records.h"
#include "documents/save_scope.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/prompts.h"
#include "frame/status_display.h"
#include "masters/master_screens.h"
#include "pickers/pickers.h"
#include "xbase/keyed_read.h"
#include "xbase/number_text.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace masters {
namespace {

using xbase::Value;
namespace key = console::key;

constexpr std::string_view kColour = "W+/b";
// The grid's columns: number, code, name, position, leader, group, class.
enum Column { kNumber = 0, kCode, kName, kPosition, kLeader, kGroup, kClass };
constexpr std::array<int, 7> kWidths = {3, 4, 20, 4, 4, 4, 2};
constexpr std::array<const char*, 6> kRowFields = {"KDSALES", "NAMA", "JABATAN", "ATASAN", "GRUP", "KELOMPOK"};
constexpr std::array<const char*, 6> kMasterFields = {"SALES", "NAMA", "JABATAN", "INDUK", "KD_LAMA", "KELOMPOK"};

console::ValueRow EmptyRow(size_t number) {
  console::ValueRow row = {Value::Num(static_cast<double>(number), 3, 0)};
  for (size_t i = 1; i < kWidths.size(); ++i) row.push_back(Value::Text(std::string(static_cast<size_t>(kWidths[i]), ' ')));
  return row;
}

std::string Cell(const console::ValueRow& row, Column column) { return row[column].text(); }
bool HasCode(const console::ValueRow& row) { return !xbase::IsBlank(Cell(row, kCode)); }

void Renumber(console::ValueTable* rows) {
  for (size_t i = 0; i < rows->size(); ++i) (*rows)[i][kNumber] = Value::Num(static_cast<double>(i + 1), 3, 0);
}

std::string PeriodKey(const xbase::WorkArea& rotation, const std::string& branch, xbase::Date date) {
  return rotation.PadToField("KDCB", branch) + date.Dtos();
}

// The period's stored rows in key order (deleted ones too when they are shown).
xbase::Status PeriodRows(xbase::WorkArea& rotation, const std::string& branch, xbase::Date date,
                         std::vector<uint32_t>* records) {
  xbase::Status s = rotation.SetOrder("DTSALES");
  return s.ok() ? rotation.SeekAll(PeriodKey(rotation, branch, date), records) : s;
}

xbase::Status LoadPeriod(xbase::WorkArea& rotation, const std::string& branch, xbase::Date date, console::ValueTable* rows) {
  std::vector<uint32_t> records;
  xbase::Status s = PeriodRows(rotation, branch, date, &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = rotation.GoTo(records[i]); !s.ok()) break;
    console::ValueRow row = EmptyRow(rows->size() + 1);
    for (size_t f = 0; f < kRowFields.size(); ++f) row[f + 1] = Value::Text(rotation.Text(kRowFields[f]));
    rows->push_back(std::move(row));
  }
  rows->push_back(EmptyRow(rows->size() + 1));
  return s;
}

// The grid's values into the current row of `area` (DTSALES or MASTSLS field names).
xbase::Status PutRow(xbase::WorkArea& area, const std::array<const char*, 6>& fields, const console::ValueRow& row) {
  xbase::Status s;
  for (size_t f = 0; s.ok() && f < fields.size(); ++f) s = area.Put(fields[f], row[f + 1]);
  return s;
}

xbase::Status Finish(xbase::WorkArea& area, xbase::Status s) {
  const xbase::Status unlocked = area.Unlock();
  return s.ok() ? unlocked : s;
}

// LCUPDATESALES: a new salesman is added; a known one takes the period's values unless his row was
// changed for a later period. The row keeps the period's date as the date of its last change, so that
// saving an earlier period afterwards leaves it alone.
xbase::Status LCUPDATESALES(console::Console& con, xbase::WorkArea& salesmen, const console::ValueRow& row, xbase::Date date) {
  xbase::Status s = salesmen.SetOrder(1);
  if (s.ok()) s = salesmen.Seek(salesmen.PadToField("SALES", Cell(row, kCode)));
  if (!s.ok()) return s;
  if (salesmen.found()) {
    if (salesmen.DateOf("TG_UPDATE") > date) return s;
    s = console::LOCK_REC(con, salesmen);
  } else {
    s = console::APP_REC(con, salesmen);
  }
  if (s.ok()) s = PutRow(salesmen, kMasterFields, row);
  if (s.ok()) s = salesmen.Put("TG_UPDATE", Value::FromDate(date));
  return Finish(salesmen, s);
}

// The stored rows of the period (deleted ones too), the salesman row of every grid row with a code,
// and both tables' append locks.
xbase::Status NamePeriod(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                         const std::string& branch, xbase::Date date, const console::ValueTable& rows) {
  xbase::WorkArea& rotation = tables["dtsales"];
  xbase::WorkArea& salesmen = tables["mastsls"];
  std::vector<uint32_t> records;
  xbase::Status s;
  {
    xbase::ShowDeleted show_deleted(&session.tables());
    s = PeriodRows(rotation, branch, date, &records);
  }
  save.Append(rotation);
  save.Append(salesmen);
  for (uint32_t record : records) save.Update(rotation, record);
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (HasCode(rows[i])) {
      s = documents::NameKeyedRecord(save, salesmen, 1, salesmen.PadToField("SALES", Cell(rows[i], kCode)));
    }
  }
  return s;
}

// The writes of SIMPANDTSALES.
xbase::Status WritePeriod(frame::Session& session, const frame::OpenedTables& tables, const std::string& branch,
                          xbase::Date date, const console::ValueTable& rows) {
  console::Console& con = session.console();
  xbase::WorkArea& rotation = tables["dtsales"];
  xbase::WorkArea& salesmen = tables["mastsls"];
  std::vector<uint32_t> records;
  {
    xbase::ShowDeleted show_deleted(&session.tables());
    if (xbase::Status s = PeriodRows(rotation, branch, date, &records); !s.ok()) return s;
  }
  for (size_t i = 0; i < std::max(records.size(), rows.size()); ++i) {
    const bool has_code = i < rows.size() && HasCode(rows[i]);
    xbase::Status s;
    if (i < records.size()) {
      s = rotation.GoTo(records[i]);
      if (s.ok() && (has_code || !rotation.deleted())) s = console::LOCK_REC(con, rotation);
      if (s.ok() && has_code && rotation.deleted()) s = rotation.Recall();
      if (s.ok() && has_code) s = PutRow(rotation, kRowFields, rows[i]);
      if (s.ok() && !has_code && !rotation.deleted()) s = rotation.Delete();
      s = Finish(rotation, s);
    } else if (has_code) {
      s = console::APP_REC(con, rotation);
      if (s.ok()) s = rotation.Put("KDCB", Value::Text(branch));
      if (s.ok()) s = rotation.Put("TANGGAL", Value::FromDate(date));
      if (s.ok()) s = PutRow(rotation, kRowFields, rows[i]);
      s = Finish(rotation, s);
    }
    if (s.ok() && has_code) s = LCUPDATESALES(con, salesmen, rows[i], date);
    if (!s.ok()) return s;
  }
  return xbase::Status::OK();
}

// SIMPANDTSALES: the stored rows of the period (deleted ones too) are paired with the grid's rows in
// order and overwritten, recalled or deleted; grid rows beyond them are appended. Every row it changes
// is locked before the first write; a lock given up writes nothing, says so, and *saved stays false.
xbase::Status SIMPANDTSALES(frame::Session& session, const frame::OpenedTables& tables, const std::string& branch,
                            xbase::Date date, const console::ValueTable& rows, bool* saved) {
  *saved = false;
  documents::SaveScope save(session.console());
  xbase::Status s = NamePeriod(save, session, tables, branch, date, rows);
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return xbase::Status::OK();
  }
  s = save.BeginWrites();
  if (s.ok()) s = WritePeriod(session, tables, branch, date, rows);
  s = save.CommitWrites(s);
  *saved = s.ok();
  return s;
}

// The grid of one period, edited until Esc (nothing saved) or a confirmed F10.
class RotationGrid {
 public:
  RotationGrid(frame::Session& session, const frame::OpenedTables& tables, std::string branch, xbase::Date date)
      : session_(session), tables_(tables), con_(session.console()), branch_(std::move(branch)), date_(date) {}

  xbase::Status Run() {
    if (xbase::Status s = LoadPeriod(tables_["dtsales"], branch_, date_, &rows_); !s.ok()) return s;
    const console::KeyHelp help{{"Esc", " F10", " Del"}, {") Batal,", ") Simpan", ") Hapus"}, "W+/b", "Gr+/b"};
    console::ArrayBrowse browse = console::BUATOBJECT(con_, &rows_, {"NO.", "KODE", "NAMA", "JBTN", "LEAD", "GRUP", "KL"},
                                                      {"999", "@!", "@!", "@!", "@!", "@!", "@!"}, {6, 16, 21, 63},
                                                      "W+/b,Gr+/r", 23, help, &idx_);
    browse.set_column(kCode + 1);
    for (;;) {
      browse.Stabilize(con_);
      browse.Hilite(con_);
      const int key = con_.WaitKey();
      if (key == key::kEsc) return xbase::Status::OK();
      if (key == key::kF10) {
        if (frame::AnsweredYes(con_, "yakin data akan disimpan (y/t)")) {
          bool saved = false;
          const xbase::Status s = SIMPANDTSALES(session_, tables_, branch_, date_, rows_, &saved);
          if (!s.ok() || saved) return s;  // a save refused leaves the grid to edit on
        }
      } else if (key == key::kDel) {
        Remove();
      } else if (key == key::kEnter || (key >= 32 && key <= 255)) {
        if (key != key::kEnter) con_.PushKeys({key});
        if (Edit(browse)) Advance(browse);
      } else {
        Move(browse, key);
      }
    }
  }

 private:
  console::ValueRow& Current() { return rows_[static_cast<size_t>(idx_ - 1)]; }
  void Tone() { con_.Tone(880, 55); }

  // The cursor keeps between the code and leader columns; a tone at the grid's ends.
  void Move(console::ArrayBrowse& browse, int key) {
    const int column = browse.column() - 1;
    const bool at_edge = (key == key::kLeft && column <= kCode) || (key == key::kRight && column >= kLeader) ||
                         (key == key::kUp && idx_ == 1) || (key == key::kDown && idx_ == static_cast<int>(rows_.size()));
    if (at_edge) {
      Tone();
      return;
    }
    if (!browse.Navigate(key)) return;
    browse.set_column(std::clamp(browse.column(), kCode + 1, kLeader + 1));
  }

  // After a cell, the next one to the right; after the leader, the next row's code (a new empty row at
  // the end).
  void Advance(console::ArrayBrowse& browse) {
    if (browse.column() - 1 < kLeader) {
      browse.set_column(browse.column() + 1);
      return;
    }
    if (idx_ == static_cast<int>(rows_.size())) rows_.push_back(EmptyRow(rows_.size() + 1));
    ++idx_;
    browse.set_column(kCode + 1);
  }

  void Remove() {
    if (!HasCode(Current())) return;
    rows_.erase(rows_.begin() + (idx_ - 1));
    if (rows_.empty() || HasCode(rows_.back())) rows_.push_back(EmptyRow(rows_.size() + 1));
    Renumber(&rows_);
    idx_ = std::min(idx_, static_cast<int>(rows_.size()));
  }

  bool Edit(console::ArrayBrowse& browse) {
    const int column = browse.column() - 1;
    if (column == kCode) return EditCode(browse);
    if (column == kLeader) {
      const bool edited = browse.EditCell(con_, [this](Value* typed) { return CheckLeader(typed->text()); });
      if (xbase::RTrim(Cell(Current(), kPosition)) == "BM") Current()[kLeader] = Value::Text(std::string(4, ' '));
      return edited || con_.last_key() != key::kEsc;
    }
    return browse.EditCell(con_) || con_.last_key() != key::kEsc;
  }

  // CHKISI of the code: "?" picks a salesman; a code of another row is refused; a known salesman fills
  // the row from MASTSLS and then from his own row of the same period date.
  bool EditCode(console::ArrayBrowse& browse) {
    for (;;) {
      const Value before = Current()[kCode];
      if (!browse.EditCell(con_)) return con_.last_key() != key::kEsc;
      std::string code = Current()[kCode].text();
      if (code.find('?') != std::string::npos) {
        frame::PickSpec pick;
        pick.alias = "mastsls";
        pick.expressions = {"sales", "nama", "jabatan", "induk", "kd_lama"};
        pick.heads = {"Kode", "Nama", "Jbtn", "Lead", "Grup"};
        bool escaped = false;
        if (!frame::PickCode(session_, pick, &code, nullptr, &escaped).ok() || escaped) {
          Current()[kCode] = before;
          return false;
        }
      }
      code = xbase::PadR(xbase::Upper(code), kWidths[kCode]);
      Current()[kCode] = Value::Text(code);
      if (xbase::IsBlank(code)) return true;
      for (size_t i = 0; i < rows_.size(); ++i) {
        if (static_cast<int>(i) != idx_ - 1 && Cell(rows_[i], kCode) == code) {
          console::PESAN(con_, "Kode " + code + " sudah ada diurutan " + xbase::Str(static_cast<double>(i + 1), 4));
          Current()[kCode] = before;
          code.clear();
          break;
        }
      }
      if (code.empty()) continue;
      if (Fill(code)) return true;
      Current()[kCode] = before;
      return false;
    }
  }

  // Fills the row of `code` from the salesman and his rotation row of the date; a row that cannot be
  // read leaves the code refused (its fields would be saved), after the failure is shown.
  bool Fill(const std::string& code) {
    xbase::WorkArea& salesmen = tables_["mastsls"];
    xbase::WorkArea& rotation = tables_["dtsales"];
    bool known = false, rotated = false;
    xbase::Status s = salesmen.SetOrder(1);
    if (s.ok()) s = xbase::SeekFound(salesmen, code, &known);
    if (!frame::Checked(session_, s)) return false;
    if (!known) return true;
    console::ValueRow row = Current();
    for (size_t f = 1; f < kMasterFields.size(); ++f) row[f + 1] = Value::Text(salesmen.Text(kMasterFields[f]));
    s = rotation.SetOrder("DTSALES2");
    if (s.ok()) s = xbase::SeekFound(rotation, code + date_.Dtos(), &rotated);
    if (!frame::Checked(session_, s)) return false;
    if (rotated) {
      for (size_t f = 1; f < kRowFields.size(); ++f) row[f + 1] = Value::Text(rotation.Text(kRowFields[f]));
    }
    Current() = std::move(row);
    return true;
  }

  // The leader: empty, or a salesman other than the row's own; an area manager ("BM") has none.
  bool CheckLeader(const std::string& typed) {
    const std::string leader = xbase::PadR(xbase::Upper(typed), kWidths[kLeader]);
    if (xbase::IsBlank(leader) || xbase::RTrim(Cell(Current(), kPosition)) == "BM") return true;
    if (leader == Cell(Current(), kCode)) {
      console::PESAN(con_, "Atasan " + std::string(xbase::RTrim(leader)) + " adalah sales itu sendiri");
      return false;
    }
    xbase::WorkArea& salesmen = tables_["mastsls"];
    bool known = false;
    xbase::Status s = salesmen.SetOrder(1);
    if (s.ok()) s = xbase::SeekFound(salesmen, leader, &known);
    if (!frame::Checked(session_, s)) return false;
    if (known) return true;
    console::PESAN(con_, "Atasan " + std::string(xbase::RTrim(leader)) + " tidak terdaftar");
    return false;
  }

 private:
  frame::Session& session_;
  const frame::OpenedTables& tables_;
  console::Console& con_;
  std::string branch_;
  xbase::Date date_;
  console::ValueTable rows_;
  int idx_ = 1;
};

// The branch: "?" picks a stored period (its branch and date); the code must be a branch of SETUP.
bool CARIDATADULU(frame::Session& session, const frame::OpenedTables& tables, std::string* branch, xbase::Date* date) {
  if (branch->find('?') != std::string::npos) {
    frame::PickSpec pick;
    pick.alias = "dtsales";
    pick.expressions = {"kdcb", "Tanggal", "KdSales", "Nama", "Jabatan", "Atasan", "Grup", "kelompok"};
    bool picked = false, escaped = false;
    if (!frame::PickCode(session, pick, branch, &picked, &escaped).ok() || escaped) return false;
    *date = tables["dtsales"].DateOf("TANGGAL");
  }
  return xbase::IsBlank(*branch) || pickers::CARICABANG(session, branch);
}

}  // namespace

xbase::Status ROTASI(frame::Session& session, const Args&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = frame::OpenTables(session, {"Setup", "mastSls", "DtSales"});
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  con.SetColour(kColour);
  for (;;) {
    console::SHADOW(con, 1, 14, 22, 65, kColour);
    con.Say(3, 16, "Cabang  :", con.Colour(kColour));
    con.Say(4, 16, "Tanggal :", con.Colour(kColour));
    std::string branch(6, ' ');
    xbase::Date date;
    console::GetList fields;
    fields.Add(3, 26, &branch, "@!").valid = [&] {
      const bool valid = CARIDATADULU(session, tables, &branch, &date);
      fields.Display(con);
      return valid;
    };
    fields.Add(4, 26, &date);
    if (fields.Read(con).escaped || xbase::IsBlank(branch) || date.empty()) break;
    RotationGrid grid(session, tables, xbase::PadR(branch, 6), date);
    frame::ShowFailure(session, grid.Run());
  }
  return session.tables().CloseAll();
}

}  // namespace masters
