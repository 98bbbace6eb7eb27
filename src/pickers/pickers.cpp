// The lookups of code fields: a code typed in a form checked against its master table, with its pick lists.
#include "pickers/pickers.h"

#include <algorithm>
#include <vector>

#include "console/box.h"
#include "console/choice_list.h"
#include "frame/code_pick.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "xbase/text_functions.h"

namespace pickers {
namespace {

frame::PickSpec PickerOf(std::string alias, bool by_name = false) {
  frame::PickSpec pick;
  pick.alias = std::move(alias);
  pick.by_name = by_name;
  return pick;
}

// The small pickers' list: rows 8 to 18 in "gr+/br" over the given columns.
frame::PickSpec SmallSpec(std::string alias, std::vector<std::string> expressions, int left = 5, int right = 69) {
  frame::PickSpec pick = PickerOf(std::move(alias));
  pick.top = 8;
  pick.bottom = 18;
  pick.left = left;
  pick.right = right;
  pick.colour = "gr+/br";
  pick.expressions = std::move(expressions);
  return pick;
}

// Picks and seeks; the area found is handed back when the code is a record of the table.
bool Find(frame::Session& session, const frame::PickSpec& pick, std::string* code, xbase::WorkArea** area) {
  bool found = false;
  if (!frame::Checked(session, frame::PickAndSeek(session, pick, code, &found))) return false;
  return found && frame::PickerArea(session, pick, area).ok();
}

void Assign(std::string* out, std::string value) {
  if (out != nullptr) *out = std::move(value);
}

}  // namespace

xbase::Status TENTUKANKODECABANG(frame::Session& session, std::string_view customer, std::string* branch) {
  *branch = std::string(6, ' ');
  for (int length = 4; length >= 1; --length) {
    if (static_cast<int>(customer.size()) < length) continue;
    std::string ket;
    bool found = false;
    const xbase::Status s =
        SetupRow(session, "CABANG" + std::string(customer.substr(0, static_cast<size_t>(length))), &found, nullptr, &ket);
    if (!s.ok() || found) {
      if (found) *branch = xbase::PadR(xbase::Left(ket, 6), 6);
      return s;
    }
  }
  return xbase::Status::OK();
}

bool LCGETCUSTOMER(frame::Session& session, std::string* code, std::string* branch) {
  const frame::PickSpec pick = PickerOf("mastcus", true);
  if (!frame::Checked(session, frame::PickCode(session, pick, code))) return false;
  bool found = false;
  if (!frame::Checked(session, frame::SeekCode(session, pick, xbase::AllTrim(*code), &found))) return false;
  if (!found) return Refuse(session, "Relasi tidak terdaftar");
  std::string found_branch;
  if (!frame::Checked(session, TENTUKANKODECABANG(session, *code, &found_branch))) return false;
  Assign(branch, found_branch);
  return true;
}

bool GETKODEBRG(frame::Session& session, std::string* code, bool allow, std::string* code_out) {
  const frame::PickSpec pick = PickerOf("mastbrj", true);
  if (!frame::Checked(session, frame::PickCode(session, pick, code))) return false;
  if (xbase::IsBlank(*code)) return allow;
  Assign(code_out, *code);
  bool found = false;
  if (!frame::Checked(session, frame::SeekCode(session, pick, *code, &found))) return false;
  return found || allow;
}

bool CEKGUDANG(frame::Session& session, std::string* code, bool allow, std::string* branch) {
  frame::PickSpec pick = PickerOf("mastgdg", true);
  pick.left = 10;
  pick.right = 70;
  if (!frame::Checked(session, frame::PickCode(session, pick, code))) return false;
  if (xbase::IsBlank(*code)) return allow;
  xbase::WorkArea* area = nullptr;
  if (!Find(session, pick, code, &area)) return allow;
  Assign(branch, area->Text("KDCB"));
  return true;
}

bool CSALES(frame::Session& session, std::string* code, std::string* group) {
  frame::PickSpec pick = SmallSpec("mastsls", {"SALES", "NAMA", "KELOMPOK"}, 20, 60);
  pick.heads = {"Sales", "Nama", "K1K2"};
  if (!frame::Checked(session, frame::PickCode(session, pick, code))) return false;
  if (xbase::IsBlank(*code)) return false;
  xbase::WorkArea* area = nullptr;
  if (!Find(session, pick, code, &area)) return false;
  Assign(group, area->Text("KELOMPOK"));
  return true;
}

bool CTIPE(frame::Session& session, std::string* type, SaleType* values, bool allow, bool editable_only,
           std::string_view customer) {
  frame::PickSpec pick = SmallSpec("Tipe", {"Tipe", "NM_tipe", "Editing"}, 20, 60);
  pick.heads = {"Tipe", "Nm_tipe"};
  if (!frame::Checked(session, frame::PickCode(session, pick, type))) return false;
  if (xbase::IsBlank(*type)) return allow;
  bool result = allow;
  xbase::WorkArea* area = nullptr;
  if (Find(session, pick, type, &area)) {
    const bool editable = area->Logical("EDITING");
    result = !(editable_only && !editable);
    if (result) {
      values->editing = editable;
      values->rounding = area->Logical("BULAT");
      values->price_field = "field->" + std::string(xbase::RTrim(area->Text("PRICE")));
    }
  }
  // A type kept for free goods, or a package type of the customer's group, is refused.
  bool ruled = false;
  if (!frame::Checked(session, SetupRow(session, "FREEEEEE" + *type, &ruled)) || ruled) return false;
  if (!customer.empty()) {
    xbase::WorkArea* customers = nullptr;
    std::string code(customer);
    if (Find(session, PickerOf("mastcus"), &code, &customers)) {
      const xbase::Status s = SetupRow(session, "TYPE" + *type + customers->Text("KELOMPOK"), &ruled);
      if (!frame::Checked(session, s)) return false;
      if (ruled) return Refuse(session, "Paket YES distributor gunakan PROFORMA");
    }
  }
  return result;
}

bool CID(frame::Session& session, std::string* code, std::string* name, std::string_view colour, bool allow, int row,
         int col) {
  console::Console& con = session.console();
  con.SetColour(colour);
  if (xbase::IsBlank(*code)) return allow;
  frame::PickSpec pick = SmallSpec("perush", {"kode", "nama", "Kota"});
  pick.heads = {"Kode", "Nama", "Kota"};
  xbase::WorkArea* area = nullptr;
  const bool found = Find(session, pick, code, &area);
  if (!found && !allow) return Refuse(session, "Kode Perusahaan Belum terdaftar");
  const std::string found_name = found ? area->Text("NAMA") : std::string(40, ' ');
  Assign(name, found_name);
  if (row >= 0) con.Say(row, col, xbase::AllTrim(found_name));
  return true;
}

bool GETSUPLIER(frame::Session& session, std::string* code, bool otherwise, std::string* name, std::string* city) {
  xbase::WorkArea* area = nullptr;
  if (!Find(session, PickerOf("mastsup", true), code, &area)) return otherwise;
  Assign(name, area->Text("NAMA"));
  Assign(city, area->Text("KOTA"));
  return true;
}

bool CARICABANG(frame::Session& session, std::string* code, bool allow_empty, std::string_view colour) {
  if (xbase::IsBlank(*code) && allow_empty) return true;
  std::vector<SetupEntry> rows;
  if (!frame::Checked(session, SetupRows(session, "CABANG", &rows))) return false;
  std::vector<std::string> lines;
  for (const SetupEntry& row : rows) lines.push_back(xbase::PadR(row.ket, 25));
  std::sort(lines.begin(), lines.end());
  if (code->find('?') != std::string::npos) {
    console::Console& con = session.console();
    console::ScreenKeeper keep(con);
    con.SetColour(colour);
    console::ISHADOW(con, 5, 20, 18, 60, colour);
    console::ISHADOW(con, 6, 21, 8, 59, colour, false, true);
    con.Say(7, 22, "Nama     Keterangan");
    console::ISHADOW(con, 9, 21, 17, 59, colour, false, true);
    if (lines.empty()) return false;
    const int choice = console::AChoice(con, 10, 22, 16, 58, lines);
    if (choice == 0) return false;
    *code = lines[static_cast<size_t>(choice - 1)].substr(0, 6);
  }
  const std::string_view typed = xbase::AllTrim(*code);
  if (typed.empty()) return allow_empty;
  return std::any_of(lines.begin(), lines.end(), [&](const std::string& line) { return line.starts_with(typed); });
}

bool CARICABANG_(frame::Session& session, std::string* code, std::string* name, std::string* sales, std::string* relasi) {
  xbase::WorkArea* area = nullptr;
  if (!Find(session, SmallSpec("Cabang", {"kode", "induk", "Nama"}), code, &area)) return false;
  Assign(name, area->Text("NAMA"));
  Assign(sales, area->Text("SALES"));
  Assign(relasi, area->Text("RELASI"));
  return true;
}

bool GETPARETO(frame::Session& session, std::string* code, std::string* name) {
  xbase::WorkArea* area = nullptr;
  if (!Find(session, SmallSpec("pareto", {"kode", "Nama"}), code, &area)) return false;
  Assign(name, area->Text("NAMA"));
  return true;
}

bool CBMMGR(frame::Session& session, std::string* code) {
  const frame::PickSpec pick = SmallSpec("databm", {"KODE", "NAMA", "CABANG", "SALES"}, 20, 70);
  if (!frame::Checked(session, frame::PickCode(session, pick, code))) return false;
  if (xbase::IsBlank(*code)) return true;
  xbase::WorkArea* area = nullptr;
  return Find(session, pick, code, &area);
}

bool CARIPATRON(frame::Session& session, std::string* code, std::string* name, std::string* kel, std::string* pareto) {
  xbase::WorkArea* area = nullptr;
  if (!Find(session, SmallSpec("patron", {"kode", "induk", "Nama"}), code, &area)) return false;
  Assign(name, area->Text("NAMA"));
  Assign(kel, area->Text("KEL"));
  Assign(pareto, area->Text("PARETO"));
  return true;
}

bool GETCB(frame::Session& session, std::string_view code) {
  bool found = false;
  return frame::Checked(session, SetupRow(session, xbase::AllTrim(code), &found)) && found;
}

bool GETCUSTOMKEL(frame::Session& session, std::string* group) {
  if (xbase::IsBlank(*group)) return true;
  if (group->find('?') != std::string::npos) {
    std::vector<SetupEntry> rows;
    if (!frame::Checked(session, SetupRows(session, "OUTLET", &rows))) return false;
    std::vector<std::string> items;
    for (const SetupEntry& row : rows) {
      items.push_back(std::string(xbase::Right(row.key, 4)) + " " + xbase::PadR(xbase::Left(row.ket, 36), 36));
    }
    const int choice = ChoiceBox(session.console(), items, 10, 25, 20, 75, "6+/b",
                                 "KEL. JATUH TEMPO  KELOMPOK OUTLET      ", 13);
    if (choice == 0) return false;
    *group = items[static_cast<size_t>(choice - 1)].substr(0, 4);
  }
  bool found = false;
  return frame::Checked(session, SetupRow(session, "OUTLET" + std::string(xbase::Left(*group, 4)), &found)) && found;
}

}  // namespace pickers
