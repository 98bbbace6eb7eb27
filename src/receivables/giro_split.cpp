// An instrument split among other branches: loading, the cell checks, and the save that keeps the
// instrument's used total in step with the split rows.
#include <string>
#include <vector>

#include "console/message.h"
#include "console/table_access.h"
#include "documents/named_records.h"
#include "documents/save_scope.h"
#include "documents/stored_lines.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "receivables/keyed_seek.h"
#include "receivables/other_branches.h"
#include "receivables/receivables.h"
#include "receivables/table_steps.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using xbase::Value;

constexpr AliasedTable kSplitTables[] = {
    {"GIRODBT", "GiroDbt"}, {"GIROKDT", "GIROKDT"}, {"MASTCUS", "Mastcus"}, {"SETUP", "setup"}};

constexpr const char* kAboveRest = "Jumlah melebihi saldo giro ";

bool Counts(const console::ValueRow& line) {
  return !xbase::IsBlank(line[kSpBranch].text()) && line[kSpAmount].number() != 0;
}

// The stored split rows of an instrument, live ones only, and the sum of their amounts.
xbase::Status StoredSplit(xbase::WorkArea& split, std::string_view number, std::vector<uint32_t>* rows, double* total) {
  *total = 0;
  xbase::Status s = split.SetOrder("GIROKDT1");
  if (s.ok()) s = split.SeekAll(split.PadToField("NOMOR", xbase::RTrim(number)), rows);
  for (size_t i = 0; s.ok() && i < rows->size(); ++i) {
    if (s = split.GoTo((*rows)[i]); s.ok()) *total += split.Number("KREDIT");
  }
  return s;
}

std::string Money(double value) {
  return std::string(xbase::AllTrim(xbase::Transform(Value::Num(value), "9,999,999,999.99")));
}

}  // namespace

frame::OpenedTables OpenSplitTables(frame::Session& session) {
  return OpenTablesAs(session, kSplitTables);
}

console::ValueRow BlankSplitLine(size_t n, std::string_view customer) {
  return {Value::Num(static_cast<double>(n), 2, 0), Value::Text("      "), Value::Text(std::string(20, ' ')),
          Value::Num(0, 14, 2), Value::Text(xbase::PadR(customer, 10)), Value::Text(std::string(20, ' '))};
}

bool BranchName(frame::Session& session, xbase::WorkArea& setup, std::string_view code, std::string* name, bool tell) {
  bool found = false;
  xbase::Status s = SeekExact(setup, "SETUP", "SETUP", "MTCB" + xbase::PadR(xbase::RTrim(code), 6), &found);
  if (!frame::Checked(session, s)) return false;
  if (!found) {
    return tell && pickers::Refuse(session, "Cabang " + std::string(xbase::RTrim(code)) + " tidak terdaftar");
  }
  *name = xbase::PadR(setup.Text("KET").substr(0, 20), 20);
  return true;
}

bool LoadSplit(frame::Session& session, const frame::OpenedTables& tables, GiroSplit* split) {
  frame::PickSpec pick = PickOf("GiroDbt", {"nomor", "kdcb", "tg_terima", "relasi", "debet"},
                                {"Nomor", "Cabang", "Tg. Terima", "Relasi", "Nominal"});
  bool found = false;
  xbase::Status s = frame::PickCode(session, pick, &split->number);
  xbase::WorkArea& instrument = tables["GiroDbt"];
  if (s.ok()) s = SeekExact(instrument, "GIRODBT1", "NOMOR", split->number, &found);
  split->number = xbase::PadR(xbase::RTrim(split->number), 20);
  if (!frame::Checked(session, s)) return false;
  if (!found) return pickers::Refuse(session, "Nomor " + std::string(xbase::RTrim(split->number)) + " tidak ada");
  if (instrument.Logical("KIRIMAN")) return pickers::Refuse(session, "ini giro kiriman cabang lain");
  split->branch = instrument.Text("KDCB");
  split->customer = instrument.Text("RELASI");
  split->nominal = instrument.Number("DEBET");
  const double used = instrument.Number("KREDIT");
  std::vector<uint32_t> rows;
  double stored = 0;
  xbase::WorkArea& area = tables["GIROKDT"];
  if (!frame::Checked(session, StoredSplit(area, split->number, &rows, &stored))) return false;
  split->used_elsewhere = used - stored;
  split->lines.clear();
  for (uint32_t row : rows) {
    if (!frame::Checked(session, area.GoTo(row))) return false;
    console::ValueRow line = BlankSplitLine(split->lines.size() + 1, area.Text("RELASI"));
    line[kSpBranch] = Value::Text(area.Text("KDCB"));
    std::string name(20, ' ');
    BranchName(session, tables["setup"], area.Text("KDCB"), &name, false);
    line[kSpBranchName] = Value::Text(name);
    line[kSpAmount] = Value::Num(area.Number("KREDIT"), 14, 2);
    line[kSpNote] = Value::Text(area.Text("NOTES"));
    split->lines.push_back(std::move(line));
  }
  split->lines.push_back(BlankSplitLine(split->lines.size() + 1, split->customer));
  return true;
}

double SplitRemaining(const GiroSplit& split) {
  double lines = 0;
  for (const console::ValueRow& line : split.lines) {
    if (!xbase::IsBlank(line[kSpBranch].text())) lines += line[kSpAmount].number();
  }
  return split.nominal - split.used_elsewhere - lines;
}

bool CheckSplitCell(frame::Session& session, const frame::OpenedTables& tables, GiroSplit* split, size_t line,
                    size_t column, Value* value) {
  console::ValueRow& row = split->lines[line];
  switch (column) {
    case kSpBranch: {
      std::string code = value->text();
      const bool picking = code.find('?') != std::string::npos;
      if (!pickers::CARICABANG(session, &code)) {
        // A pick list left with Esc needs no word; a typed code that is no branch does.
        if (!picking) pickers::Refuse(session, "Cabang " + std::string(xbase::AllTrim(code)) + " tidak terdaftar");
        return false;
      }
      code = xbase::PadR(xbase::RTrim(code), 6);
      if (code == xbase::PadR(xbase::RTrim(split->branch), 6)) {
        return pickers::Refuse(session, "tidak boleh cabang sendiri");
      }
      std::string name;
      if (!BranchName(session, tables["setup"], code, &name)) return false;
      *value = Value::Text(code);
      row[kSpBranchName] = Value::Text(name);
      return true;
    }
    case kSpAmount: {
      const double free = SplitRemaining(*split) + row[kSpAmount].number();
      if (value->number() > free + 0.001) {
        return pickers::Refuse(session, kAboveRest + Money(free));
      }
      return true;
    }
    case kSpCustomer: {
      std::string code = value->text();
      bool found = false;
      xbase::Status s = frame::PickCode(session, PickOf("Mastcus", {"relasi", "nama", "kota"}, {"Kode", "Nama", "Kota"}),
                                        &code);
      xbase::WorkArea& customers = tables["Mastcus"];
      if (s.ok()) s = SeekExact(customers, "MASTCUS1", "RELASI", code, &found);
      if (!frame::Checked(session, s)) return false;
      if (!found) return pickers::Refuse(session, "Relasi " + std::string(xbase::RTrim(code)) + " tidak ada");
      *value = Value::Text(xbase::PadR(xbase::RTrim(code), 10));
      row[kSpNote] = Value::Text(xbase::PadR(customers.Text("NAMA"), 20).substr(0, 20));
      return true;
    }
    default:
      return true;
  }
}

namespace {

// Under the locks, with no message: the instrument still there and the split within what the stored
// figures, which another workstation may have moved, leave free.
xbase::Status CheckUnderLocks(const frame::OpenedTables& tables, const GiroSplit& split) {
  xbase::WorkArea& instrument = tables["GiroDbt"];
  bool found = false;
  xbase::Status s = SeekExact(instrument, "GIRODBT1", "NOMOR", split.number, &found);
  if (!s.ok()) return s;
  if (!found) return xbase::Status::InvalidArgument("Nomor " + std::string(xbase::RTrim(split.number)) + " tidak ada lagi");
  std::vector<uint32_t> live;
  double stored = 0;
  const double nominal = instrument.Number("DEBET");
  const double used = instrument.Number("KREDIT");
  if (s = StoredSplit(tables["GIROKDT"], split.number, &live, &stored); !s.ok()) return s;
  GiroSplit fresh = split;
  fresh.nominal = nominal;
  fresh.used_elsewhere = used - stored;
  if (SplitRemaining(fresh) < -0.001) {
    return xbase::Status::InvalidArgument(kAboveRest + Money(nominal - fresh.used_elsewhere));
  }
  return s;
}

// The instrument's row and the stored split rows.
xbase::Status NameSplit(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                        const GiroSplit& split) {
  xbase::WorkArea& instrument = tables["GiroDbt"];
  bool found = false;
  xbase::Status s = SeekExact(instrument, "GIRODBT1", "NOMOR", split.number, &found);
  if (s.ok() && found) save.Update(instrument, instrument.recno());
  xbase::WorkArea& rows = tables["GIROKDT"];
  if (s.ok()) s = documents::NameStoredRows(save, session.tables(), rows, "GIROKDT1", rows.PadToField("NOMOR", split.number));
  return s;
}

// The split rows rewritten in place, the instrument's settled total moved with them.
xbase::Status WriteSplit(frame::Session& session, const frame::OpenedTables& tables, const GiroSplit& split) {
  xbase::WorkArea& instrument = tables["GiroDbt"];
  bool found = false;
  xbase::Status s = SeekExact(instrument, "GIRODBT1", "NOMOR", split.number, &found);
  if (!s.ok()) return s;
  const std::string kind = instrument.Text("KET");
  const xbase::Date received = instrument.DateOf("TG_TERIMA");
  const std::string account = instrument.Text("ACCOUNT");
  const std::string company = instrument.Text("CODE_ID");
  xbase::WorkArea& rows_area = tables["GIROKDT"];
  std::vector<uint32_t> rows;
  if (s = rows_area.SetOrder("GIROKDT1"); !s.ok()) return s;
  s = documents::StoredRows(session.tables(), rows_area, rows_area.PadToField("NOMOR", split.number), &rows);
  if (!s.ok()) return s;
  documents::LineRewrite how;
  how.keep = [&](size_t k) { return Counts(split.lines[k]); };
  how.reverse = [&] { return UPDATEGIRODBT(session, split.number, rows_area.Number("KREDIT"), 0); };
  how.write = [&](size_t k, bool appended) {
    const console::ValueRow& line = split.lines[k];
    xbase::Status w = appended ? rows_area.Put("NOMOR", Value::Text(split.number)) : xbase::Status::OK();
    if (w.ok() && appended) w = rows_area.Put("TANGGAL", Value::FromDate(session.Today()));
    if (w.ok()) w = rows_area.Put("KDCB", line[kSpBranch]);
    if (w.ok()) w = rows_area.Put("RELASI", line[kSpCustomer]);
    if (w.ok()) w = rows_area.Put("KET", Value::Text(kind));
    if (w.ok()) w = rows_area.Put("TG_TERIMA", Value::FromDate(received));
    if (w.ok()) w = rows_area.Put("ACCOUNT", Value::Text(account));
    if (w.ok()) w = rows_area.Put("CODE_ID", Value::Text(company));
    if (w.ok()) w = rows_area.Put("KREDIT", Value::Num(line[kSpAmount].number()));
    if (w.ok()) w = rows_area.Put("NOTES", line[kSpNote]);
    return w;
  };
  how.apply = [&](size_t k) { return UPDATEGIRODBT(session, split.number, 0, split.lines[k][kSpAmount].number()); };
  return documents::RewriteLines(session.console(), rows_area, rows, split.lines.size(), how);
}

}  // namespace

xbase::Status SaveSplit(frame::Session& session, const frame::OpenedTables& tables, const GiroSplit& split,
                        bool* saved) {
  *saved = false;
  documents::SaveScope save(session.console());
  xbase::Status s = NameSplit(save, session, tables, split);
  if (s.ok()) s = save.Lock();
  if (s.ok()) s = CheckUnderLocks(tables, split);
  if (!s.ok()) {
    save.Release().IgnoreError();  // the refusal is what is told
    documents::NothingSaved(session, s);
    return xbase::Status::OK();
  }
  s = save.BeginWrites();
  if (s.ok()) s = WriteSplit(session, tables, split);
  s = save.CommitWrites(s);
  *saved = s.ok();
  return s;
}

}  // namespace receivables
