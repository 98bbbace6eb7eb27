// Lookups by key that hand back a field or an expression of the record found, the tax and cost-centre
// codes, the report headers kept in SETUP, and the small helpers of line editors.
#include "pickers/lookups.h"

#include <array>
#include <memory>
#include <utility>

#include "console/area_source.h"
#include "console/box.h"
#include "console/expression_columns.h"
#include "console/keys.h"
#include "console/message.h"
#include "console/record_browse.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "xbase/expression.h"
#include "xbase/keyed_read.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"
#include "xbase/value_text.h"

namespace pickers {
namespace {

// Seeks `key` on the first index of the open table `table`: *area on the record when found, else null.
// A table not open or a record that cannot be read is the error.
xbase::Status FindRecord(frame::Session& session, std::string_view key, std::string_view table,
                         xbase::WorkArea** area) {
  *area = nullptr;
  xbase::WorkArea* open = nullptr;
  bool found = false;
  xbase::Status s = frame::RequireArea(session, table, &open);
  if (s.ok()) s = open->SetOrder(1);
  if (s.ok()) s = xbase::SeekFound(*open, key, &found);
  if (s.ok() && found) *area = open;
  return s;
}

frame::PickSpec CostCentres(int left) {
  frame::PickSpec pick;
  pick.alias = "mastcos";
  pick.top = 8;
  pick.bottom = 18;
  pick.left = left;
  pick.right = 69;
  pick.expressions = {"kode", "nama", "grup", "level", "induk"};
  return pick;
}

bool TaxCode(frame::Session& session, std::string* code, std::string_view colour, const char* table, int row) {
  frame::PickSpec pick;
  pick.alias = table;
  if (xbase::IsBlank(*code) || code->starts_with('?')) *code = "?";
  bool found = false;
  xbase::WorkArea* area = nullptr;
  if (!frame::Checked(session, frame::PickAndSeek(session, pick, code, &found, &area)) || !found) return false;
  console::Console& con = session.console();
  con.Say(row, 16, xbase::Left(area->Text("NAMA"), 60), con.Colour(colour));
  return true;
}

}  // namespace

xbase::Status GETKELOMPOK(frame::Session& session, std::string_view code, std::string_view table, GoodsClass* goods) {
  static constexpr std::array<std::pair<std::string_view, const char*>, 9> kGroups = {{{"SCHOOL", "01"},
                                                                                       {"OFFICE", "02"},
                                                                                       {"WRITING", "03"},
                                                                                       {"ENVELOPE", "04"},
                                                                                       {"GIFTWRAP", "05"},
                                                                                       {"OTHER", "06"},
                                                                                       {"TISSUE", "07"},
                                                                                       {"JASA", "08"},
                                                                                       {"EXPORT", "09"}}};
  *goods = {std::string(20, ' '), "99", 0};
  xbase::WorkArea* area = nullptr;
  const xbase::Status s = FindRecord(session, code, table, &area);
  if (area == nullptr) return s;
  *goods = {area->Text("NAMA"), "99", area->Number("DOS")};
  const std::string golongan(xbase::RTrim(area->Text("GOLONGAN")));
  for (const auto& [name, group] : kGroups) {
    if (golongan == name) goods->group = group;
  }
  return s;
}

std::string GETFIELD(frame::Session& session, std::string_view key, std::string_view table, int width,
                     std::string_view field) {
  xbase::WorkArea* area = nullptr;
  xbase::Value value;
  // A name only shown: a table not open shows blank, as a key not found does.
  if (!frame::RequireArea(session, table, &area).ok() || !area->SetOrder(1).ok() || !xbase::LookUp(*area, key) || !area->Get(field, &value).ok()) {
    return std::string(static_cast<size_t>(width), ' ');
  }
  return xbase::PadR(xbase::ValueText(value), width);
}

xbase::Status GENERALSEARCH(frame::Session& session, std::string_view key, std::string_view table,
                            std::string_view expression, const xbase::Value& otherwise, xbase::Value* value) {
  *value = otherwise;
  xbase::WorkArea* area = nullptr;
  xbase::Status s = FindRecord(session, key, table, &area);
  if (area == nullptr) return s;
  std::unique_ptr<xbase::Expression> compiled;
  xbase::Value evaluated;
  s = xbase::Expression::Compile(expression, area, &compiled);
  if (s.ok()) s = compiled->Evaluate(*area, &evaluated);
  if (s.ok()) *value = evaluated;
  return s;
}

bool GETJNSTRAN(frame::Session& session, std::string* code, std::string_view colour) {
  return TaxCode(session, code, colour, "jenis1", 6);
}
bool GETDTLTRAN(frame::Session& session, std::string* code, std::string_view colour) {
  return TaxCode(session, code, colour, "status", 7);
}
bool GETDOCTRAN(frame::Session& session, std::string* code, std::string_view colour) {
  return TaxCode(session, code, colour, "documen", 8);
}

bool GETCOSTCENTER(frame::Session& session, std::string* code, bool otherwise, std::string* name, std::string* code_out) {
  bool found = false;
  xbase::WorkArea* area = nullptr;
  if (!frame::Checked(session, frame::PickAndSeek(session, CostCentres(5), code, &found, &area)) || !found) return otherwise;
  if (name != nullptr) *name = area->Text("NAMA");
  if (code_out != nullptr) *code_out = *code;
  return true;
}

bool GETARCENTER(frame::Session& session, std::string* code, std::vector<std::string>* lines, size_t index) {
  bool found = false;
  if (!frame::Checked(session, frame::PickAndSeek(session, CostCentres(5), code, &found))) return false;
  if (found && index < lines->size()) (*lines)[index] = *code;
  return found || xbase::IsBlank(*code);
}

bool GETARDIRECTORY(frame::Session& session, std::string* code, std::vector<std::string>* lines, size_t index) {
  frame::PickSpec pick;
  pick.alias = "logsetup";
  pick.expressions = {"logedpath", "logeddate"};
  bool found = false;
  if (!frame::Checked(session, frame::PickAndSeek(session, pick, code, &found))) return false;
  if (found && index < lines->size()) (*lines)[index] = std::string(xbase::Left(*code, 10));
  return found || xbase::IsBlank(*code);
}

bool CARICENTER(frame::Session& session, std::string* code, bool required) {
  frame::PickSpec pick = CostCentres(10);
  pick.expressions = {"KODE", "NAMA"};
  if (!frame::Checked(session, frame::PickCode(session, pick, code))) return false;
  return required || xbase::IsBlank(*code);
}

bool GETLAPORAN(frame::Session& session, std::string* name, std::vector<std::string>* headers, std::string_view prefix) {
  std::vector<SetupEntry> rows;
  if (name->find('?') != std::string::npos) {
    if (!frame::Checked(session, SetupRows(session, prefix, &rows))) return false;
    std::vector<std::string> items;
    for (const SetupEntry& row : rows) {
      const std::string_view key = xbase::RTrim(row.key);
      if (!key.ends_with("02") || key.size() < prefix.size() + 2) continue;
      const std::string_view report = key.substr(prefix.size(), key.size() - prefix.size() - 2);
      items.push_back(xbase::PadR(report, 7) + std::string(8, ' ') + row.ket);
    }
    const int choice = ChoiceBox(session.console(), items, 7, 9, 21, 70, "6+/b", "Nama Laporan   Header I", 10);
    if (choice == 0) return false;
    *name = items[static_cast<size_t>(choice - 1)].substr(0, 7);
  }
  const std::string family = std::string(prefix) + xbase::PadR(*name, 7);
  if (!frame::Checked(session, SetupRows(session, family, &rows))) return false;
  for (const SetupEntry& row : rows) {
    const int line = static_cast<int>(xbase::Val(xbase::SubStr(row.key, static_cast<int>(family.size()) + 1, 2)).value);
    if (line >= 1 && line <= static_cast<int>(headers->size())) {
      std::string& header = (*headers)[static_cast<size_t>(line - 1)];
      header = xbase::PadR(xbase::AllTrim(row.ket), static_cast<int>(header.size()));
    }
  }
  return true;
}

bool GETKARYAWAN(frame::Session& session, std::string* code, std::vector<xbase::Value>* values,
                 const std::function<void(const std::vector<xbase::Value>&)>& show, bool result) {
  frame::PickSpec pick;
  pick.alias = "Karyawan";
  pick.by_name = true;
  bool found = false;
  xbase::WorkArea* employees = nullptr;
  if (!frame::Checked(session, frame::PickAndSeek(session, pick, code, &found, &employees)) || !found) return result;
  const xbase::WorkArea& area = *employees;
  values->assign(23, xbase::Value());
  for (int field = 1; field < 24 && field < area.table().field_count(); ++field) {
    (*values)[static_cast<size_t>(field - 1)] = area.FieldValue(field);
  }
  if (show) show(*values);
  return result;
}

xbase::Status BROWSING(frame::Session& session, xbase::WorkArea& area, int top, int left, int bottom, int right,
                       const std::vector<std::string>& columns, std::string_view title, std::string_view colour) {
  std::vector<std::unique_ptr<xbase::Expression>> compiled;
  std::vector<console::RecordColumn> shown;
  if (xbase::Status s = console::ExpressionColumns(area, columns, {}, &compiled, &shown); !s.ok()) return s;
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  console::ISHADOW(con, top, left, bottom, right, colour);
  console::TENGAH(con, top, title, colour);
  xbase::Status fault = area.GoTop();
  if (!fault.ok()) return fault;
  console::RecordBrowse browse(console::AreaSource(area, &fault), std::move(shown),
                               {top + 1, left + 1, bottom - 1, right - 1}, std::string(colour));
  for (;;) {
    browse.Stabilize(con);
    if (!fault.ok()) return fault;
    const int key = con.WaitKey();
    if (key == console::key::kEsc || key == console::key::kEnter) return xbase::Status::OK();
    browse.Navigate(key);
  }
}

void BUSYSIGN(console::Console& con, int* step, int row, int col) {
  const int n = *step;
  const char* sign = n < 30 ? "-" : (n > 30 && n < 60) ? "\\" : (n > 60 && n < 90) ? "|" : n > 90 ? "/" : nullptr;
  if (sign != nullptr) con.Say(row, col, sign, con.Colour("br+/b"));
  *step = n + 1 > 120 ? 1 : n + 1;
}

}  // namespace pickers
