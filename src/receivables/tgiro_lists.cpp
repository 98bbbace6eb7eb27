// The two lists of an instrument: the proformas it pays and the further customers who may use it.
#include <string>
#include <vector>

#include "console/array_browse.h"
#include "console/box.h"
#include "console/keys.h"
#include "console/message.h"
#include "documents/named_records.h"
#include "documents/stored_lines.h"
#include "frame/code_pick.h"
#include "frame/line_arrays.h"
#include "frame/status_display.h"
#include "receivables/keyed_seek.h"
#include "receivables/tgiro.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

namespace key = console::key;
using xbase::Value;

constexpr const char* kListColour = "W+/bg,N/W";
constexpr console::Window kListWindow{17, 2, 22, 77};

// Proforma list elements: No, proforma, customer, name, value; customer list: No, customer, name, value.
enum ProformaColumn : size_t { kProNo, kProNumber, kProCustomer, kProName, kProValue };
enum CustomerColumn : size_t { kRlNo, kRlCustomer, kRlName, kRlValue };

console::ValueRow BlankProforma(size_t n) {
  return {Value::Num(static_cast<double>(n), 2, 0), Value::Text(std::string(20, ' ')),
          Value::Text(std::string(10, ' ')), Value::Text(std::string(40, ' ')), Value::Num(0, 16, 2)};
}

console::ValueRow BlankCustomer(size_t n) {
  return {Value::Num(static_cast<double>(n), 2, 0), Value::Text(std::string(10, ' ')),
          Value::Text(std::string(40, ' ')), Value::Num(0, 16, 2)};
}

// The name of a customer in `customers`, 40 wide (blank when unknown).
std::string CustomerName(xbase::WorkArea& customers, std::string_view code) {
  bool found = false;
  const bool ok = SeekExact(customers, "MASTCUS1", "RELASI", code, &found).ok();
  return xbase::PadR(ok && found ? customers.Text("NAMA") : "", 40);
}

// A list editor's columns and checks.
struct ListSpec {
  std::string title;
  std::vector<std::string> heads;
  std::vector<std::string> pictures;
  size_t first_column;  // the first typed column (from 0)
  size_t last_column;   // the last typed column
  std::function<console::ValueRow(size_t n)> blank;
  // Checks a typed cell of `line`, which it may fill; false refuses.
  std::function<bool(xbase::Value* value, size_t column, console::ValueRow* line)> check;
  // True when a finished line adds a new one after the last.
  std::function<bool(const console::ValueRow& line)> complete;
  // True when the typed cell ends the editor (a cleared proforma number).
  std::function<bool(const console::ValueRow& line, size_t column)> ends;
};

// Edits a list: a printable key starts editing, Enter edits and moves on (finishing the last line
// adds one), Del removes a line and numbers the rest again, Esc or F10 ends.
void EditList(frame::Session& session, console::ValueTable* rows, const ListSpec& layout) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  console::ISHADOW(con, kListWindow.top - 1, kListWindow.left - 1, kListWindow.bottom + 1, kListWindow.right + 1,
                   "W+/bg");
  if (!layout.title.empty()) console::TENGAH(con, kListWindow.top - 1, layout.title, "W+/bg");
  int idx = 1;
  console::ArrayBrowse browse(rows, layout.heads, layout.pictures, kListWindow, kListColour, 1, &idx);
  browse.set_column(static_cast<int>(layout.first_column) + 1);
  for (;;) {
    browse.Stabilize(con);
    browse.Hilite(con);
    const int pressed = con.WaitKey();
    const size_t column = static_cast<size_t>(browse.column() - 1);
    if (pressed == key::kEsc || pressed == key::kF10) return;
    if (pressed == key::kDel) {
      frame::HAPUS_(static_cast<size_t>(idx), rows);
      idx = std::min(idx, static_cast<int>(rows->size()));
      continue;
    }
    const bool typed = pressed >= 32 && pressed <= 255;
    if (pressed != key::kEnter && !typed) {
      const bool sideways = pressed == key::kLeft || pressed == key::kRight;
      if (sideways && layout.first_column == layout.last_column) {
        con.Tone(800, 55);
      } else {
        browse.Navigate(pressed);
      }
      const int wanted = std::clamp(browse.column() - 1, static_cast<int>(layout.first_column),
                                    static_cast<int>(layout.last_column));
      browse.set_column(wanted + 1);
      continue;
    }
    if (typed) con.PushKeys({pressed});
    console::ValueRow& line = (*rows)[static_cast<size_t>(idx - 1)];
    bool escaped = false;
    browse.EditCell(con, [&](Value* value) { return layout.check(value, column, &line); }, &escaped);
    if (escaped) continue;
    if (layout.ends && layout.ends(line, column)) return;
    if (column < layout.last_column) {
      browse.set_column(static_cast<int>(column) + 2);
      continue;
    }
    browse.set_column(static_cast<int>(layout.first_column) + 1);
    if (!layout.complete(line)) continue;
    if (idx == static_cast<int>(rows->size())) rows->push_back(layout.blank(rows->size() + 1));
    browse.Skip(1);
  }
}

// "?" picks from the list; the code found (padded to its width) is checked against the table. A
// failed pick or read is shown on row 24.
bool PickedAndFound(frame::Session& session, xbase::WorkArea& area, const frame::PickSpec& pick,
                    std::string_view order, std::string_view field, Value* value) {
  std::string code = value->text();
  const int width = static_cast<int>(code.size());
  bool found = false;
  xbase::Status s = frame::PickCode(session, pick, &code);
  if (s.ok()) s = SeekExact(area, order, field, code, &found);
  *value = Value::Text(xbase::PadR(code, width));
  return frame::Checked(session, s) && found;
}

ListSpec ProformaSpec(frame::Session& session, const frame::OpenedTables& tables) {
  ListSpec layout;
  layout.heads = {"No.", "Proformaa", "Relasi", "Nama", "            Nilai"};
  layout.pictures = {"99", "@!S15", "@!", "@!s25", "99,999,999,999.99"};
  layout.first_column = layout.last_column = kProNumber;
  layout.blank = BlankProforma;
  layout.check = [&session, &tables](Value* value, size_t, console::ValueRow* line) {
    if (xbase::IsBlank(value->text())) return true;
    const frame::PickSpec pick = PickOf("pro_in1", {"nomor", "relasi", "nilai_pi"}, {"Nomor", "relasi", "nilai"});
    xbase::WorkArea& proforma = tables["pro_in1"];
    if (!PickedAndFound(session, proforma, pick, "PRO_IN11", "NOMOR", value)) return false;
    (*line)[kProCustomer] = Value::Text(proforma.Text("RELASI"));
    (*line)[kProValue] = Value::Num(proforma.Number("NILAI_PI"), 16, 2);
    (*line)[kProName] = Value::Text(CustomerName(tables["Mastcus"], proforma.Text("RELASI")));
    return true;
  };
  layout.complete = [](const console::ValueRow& line) { return !xbase::IsBlank(line[kProNumber].text()); };
  layout.ends = [](const console::ValueRow& line, size_t) { return xbase::IsBlank(line[kProNumber].text()); };
  return layout;
}

ListSpec CustomerSpec(frame::Session& session, xbase::WorkArea& customers) {
  ListSpec layout;
  layout.title = "-= ISI DATA RELASI =-";
  layout.heads = {"No.", "Relasi", "Nama", "         Nilai"};
  layout.pictures = {"99", "@!", "@!", "999,999,999.99"};
  layout.first_column = kRlCustomer;
  layout.last_column = kRlValue;
  layout.blank = BlankCustomer;
  layout.check = [&session, &customers](Value* value, size_t column, console::ValueRow* line) {
    if (column != kRlCustomer) return true;
    const frame::PickSpec pick = PickOf("Mastcus", {"relasi", "nama", "kota"}, {"Relasi", "Nama", "Kota"});
    if (!PickedAndFound(session, customers, pick, "MASTCUS1", "RELASI", value)) return false;
    (*line)[kRlName] = Value::Text(xbase::PadR(customers.Text("NAMA"), 40));
    return true;
  };
  layout.complete = [](const console::ValueRow& line) { return !xbase::IsBlank(line[kRlCustomer].text()); };
  return layout;
}

// Rewrites the rows of `number` in `area` (first index on NOMOR) from the list's lines.
xbase::Status SaveList(frame::Session& session, xbase::WorkArea& area, std::string_view number,
                       const console::ValueTable& lines, const std::function<bool(size_t)>& keep,
                       const std::function<bool(size_t)>& append,
                       const std::function<xbase::Status(xbase::WorkArea&, const console::ValueRow&)>& write) {
  std::vector<uint32_t> rows;
  xbase::Status s = area.SetOrder(1);
  const std::string key = area.PadToField("NOMOR", xbase::RTrim(number));
  if (s.ok()) s = documents::StoredRows(session.tables(), area, key, &rows);
  if (!s.ok()) return s;
  documents::LineRewrite how;
  how.keep = keep;
  how.append = append;
  how.write = [&](size_t k, bool) {
    xbase::Status w = area.Put("NOMOR", Value::Text(key));
    return w.ok() ? write(area, lines[k]) : w;
  };
  return documents::RewriteLines(session.console(), area, rows, lines.size(), how);
}

}  // namespace

xbase::Status LoadInstrumentLists(const frame::OpenedTables& tables, std::string_view number, InstrumentLists* lists) {
  lists->proformas.clear();
  lists->customers.clear();
  xbase::Status s;
  if (!xbase::IsBlank(number)) {
    xbase::WorkArea& pays = tables["giro_pi"];
    xbase::WorkArea& may = tables["giro_rl"];
    xbase::WorkArea& customers = tables["Mastcus"];
    std::vector<uint32_t> rows;
    if (s = pays.SetOrder(1); s.ok()) s = pays.SeekAll(pays.PadToField("NOMOR", xbase::RTrim(number)), &rows);
    for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
      if (s = pays.GoTo(rows[i]); !s.ok()) break;
      console::ValueRow line = BlankProforma(i + 1);
      line[kProNumber] = Value::Text(pays.Text("PRO_IN"));
      line[kProCustomer] = Value::Text(pays.Text("RELASI"));
      line[kProName] = Value::Text(CustomerName(customers, pays.Text("RELASI")));
      line[kProValue] = Value::Num(pays.Number("NILAI_PRO"), 16, 2);
      lists->proformas.push_back(std::move(line));
    }
    if (s.ok()) s = may.SetOrder(1);
    if (s.ok()) s = may.SeekAll(may.PadToField("NOMOR", xbase::RTrim(number)), &rows);
    for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
      if (s = may.GoTo(rows[i]); !s.ok()) break;
      console::ValueRow line = BlankCustomer(i + 1);
      line[kRlCustomer] = Value::Text(may.Text("RELASI"));
      line[kRlName] = Value::Text(CustomerName(customers, may.Text("RELASI")));
      line[kRlValue] = Value::Num(may.Number("NILAI"), 16, 2);
      lists->customers.push_back(std::move(line));
    }
  }
  lists->proformas.push_back(BlankProforma(lists->proformas.size() + 1));
  lists->customers.push_back(BlankCustomer(lists->customers.size() + 1));
  return s;
}

void EditInstrumentLists(frame::Session& session, const frame::OpenedTables& tables, InstrumentLists* lists) {
  EditList(session, &lists->proformas, ProformaSpec(session, tables));
  EditList(session, &lists->customers, CustomerSpec(session, tables["Mastcus"]));
}

xbase::Status NameInstrumentLists(documents::SaveScope& save, frame::Session& session,
                                  const frame::OpenedTables& tables, std::string_view number) {
  xbase::Status s;
  for (const char* alias : {"giro_pi", "giro_rl"}) {
    xbase::WorkArea& area = tables[alias];
    save.Append(area);
    if (s.ok() && !xbase::IsBlank(number)) {
      s = documents::NameStoredRows(save, session.tables(), area, 1, area.PadToField("NOMOR", xbase::RTrim(number)));
    }
  }
  return s;
}

xbase::Status SaveInstrumentLists(frame::Session& session, const frame::OpenedTables& tables, std::string_view number,
                                  const InstrumentLists& lists) {
  const auto& pays = lists.proformas;
  const auto proforma = [&](size_t k) { return !xbase::IsBlank(pays[k][kProNumber].text()); };
  xbase::Status s = SaveList(
      session, tables["giro_pi"], number, pays, proforma,
      [&](size_t k) { return proforma(k) && pays[k][kProValue].number() != 0; },
      [](xbase::WorkArea& area, const console::ValueRow& line) {
        xbase::Status w = area.Put("PRO_IN", line[kProNumber]);
        if (w.ok()) w = area.Put("RELASI", line[kProCustomer]);
        if (w.ok()) w = area.Put("NILAI_PRO", Value::Num(line[kProValue].number()));
        return w;
      });
  if (!s.ok()) return s;
  const auto& may = lists.customers;
  const auto customer = [&](size_t k) { return !xbase::IsBlank(may[k][kRlCustomer].text()); };
  return SaveList(session, tables["giro_rl"], number, may, customer, customer,
                  [](xbase::WorkArea& area, const console::ValueRow& line) {
                    xbase::Status w = area.Put("RELASI", line[kRlCustomer]);
                    if (w.ok()) w = area.Put("NILAI", Value::Num(line[kRlValue].number()));
                    return w;
                  });
}

}  // namespace receivables
