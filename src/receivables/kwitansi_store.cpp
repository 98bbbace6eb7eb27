// Receipts in their tables: the proposal of a new one, loading, the invoice check, the saves of both
// kinds and the removal of printed ones.
#include <algorithm>
#include <functional>
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
#include "receivables/keyed_seek.h"
#include "receivables/kwitansi.h"
#include "receivables/table_steps.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using xbase::Value;

constexpr AliasedTable kKwitansiTables[] = {
    {"KWIT_1", "kwit_1"}, {"KWIT_2", "kwit_2"}, {"KWIT_3", "kwit_3"}, {"SETUP", "Setup"}, {"PIUTDBT", "piutdbt"}};

bool HasInvoice(const console::ValueRow& line) { return !xbase::IsBlank(line[kKwNota].text()); }

// The open balance of an invoice over all its receivable rows, and its date.
xbase::Status OpenBalance(xbase::WorkArea& invoices, std::string_view nota, double* balance, xbase::Date* date) {
  *balance = 0;
  std::vector<uint32_t> rows;
  xbase::Status s = invoices.SetOrder("PIUTDBT1");
  if (s.ok()) s = invoices.SeekAll(invoices.PadToField("NOTA", xbase::RTrim(nota)), &rows);
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = invoices.GoTo(rows[i]); !s.ok()) break;
    *balance += invoices.Number("DEBET") - invoices.Number("KREDIT");
    if (i == 0) *date = invoices.DateOf("TANGGAL");
  }
  return s;
}

// The stored row of `number` in `alias` (by its index of the same name): locked when there, appended
// with NOMOR when not.
xbase::Status RowOf(frame::Session& session, const frame::OpenedTables& tables, std::string_view alias,
                    std::string_view number) {
  xbase::WorkArea& area = tables[alias];
  bool found = false;
  xbase::Status s = SeekExact(tables[alias], alias, "NOMOR", number, &found);
  if (!s.ok()) return s;
  if (found) return console::LOCK_REC(session.console(), area);
  s = console::APP_REC(session.console(), area);
  return s.ok() ? area.Put("NOMOR", Value::Text(std::string(number))) : s;
}

xbase::Status WriteHeader(frame::Session& session, const frame::OpenedTables& tables, const Kwitansi& receipt) {
  xbase::WorkArea& header = tables["kwit_1"];
  xbase::Status s = RowOf(session, tables, "kwit_1", receipt.number);
  if (s.ok()) s = header.Put("TANGGAL", Value::FromDate(receipt.date));
  if (s.ok()) s = header.Put("DARI", Value::Text(receipt.from));
  for (size_t i = 0; s.ok() && i < 3; ++i)
    s = header.Put("KET" + std::to_string(i + 1), Value::Text(receipt.pay_to[i]));
  return Unlocked(header, s);
}

// Sets SETUP row `key` to `value` (appended when missing) when `raise` says so for its stored text.
xbase::Status SetSetting(frame::Session& session, const frame::OpenedTables& tables, const std::string& key,
                         const std::string& value, const std::function<bool(const std::string& stored)>& raise) {
  xbase::WorkArea& setup = tables["Setup"];
  bool found = false;
  xbase::Status s = SeekExact(tables["Setup"], "SETUP", "SETUP", key, &found);
  if (!s.ok() || (found && !raise(setup.Text("KET")))) return s;
  s = found ? console::LOCK_REC(session.console(), setup) : console::APP_REC(session.console(), setup);
  if (s.ok() && !found) s = setup.Put("SETUP", Value::Text(key));
  if (s.ok()) s = setup.Put("KET", Value::Text(value));
  return Unlocked(setup, s);
}

std::string Setting(xbase::WorkArea& setup, const std::string& key, const std::string& fallback) {
  bool found = false;
  if (!SeekExact(setup, "SETUP", "SETUP", key, &found).ok() || !found) return fallback;
  return std::string(xbase::RTrim(setup.Text("KET")));
}

// Deletes every row of `number` in `alias`.
xbase::Status DeleteRows(frame::Session& session, const frame::OpenedTables& tables, std::string_view alias,
                         std::string_view number) {
  xbase::WorkArea& area = tables[alias];
  std::vector<uint32_t> rows;
  xbase::Status s = area.SetOrder(alias);
  if (s.ok()) s = area.SeekAll(area.PadToField("NOMOR", xbase::RTrim(number)), &rows);
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = area.GoTo(rows[i]); s.ok()) s = console::LOCK_REC(session.console(), area);
    if (s.ok()) s = Unlocked(area, area.Delete());
  }
  return s;
}

}  // namespace

frame::OpenedTables OpenKwitansiTables(frame::Session& session) {
  return OpenTablesAs(session, kKwitansiTables);
}

console::ValueRow BlankKwitansiLine(size_t n) {
  return {Value::Num(static_cast<double>(n), 2, 0), Value::Text(std::string(20, ' ')),
          Value::FromDate(xbase::Date()), Value::Num(0, 16, 2)};
}

Kwitansi ProposedKwitansi(frame::Session& session, const frame::OpenedTables& tables, int width) {
  Kwitansi receipt;
  receipt.number = xbase::PadR(Setting(tables["Setup"], "KWITANSI2", ""), 7);
  receipt.date = session.Today();
  for (size_t i = 0; i < 3; ++i) {
    receipt.pay_to[i] =
        xbase::PadR(Setting(tables["Setup"], "KWITANSI3" + std::to_string(i + 1), ""), width).substr(0, width);
    receipt.pay_to[i] = xbase::PadR(receipt.pay_to[i], 40);
  }
  for (std::string& line : receipt.purpose) line = std::string(60, ' ');
  receipt.lines.push_back(BlankKwitansiLine(1));
  return receipt;
}

xbase::Status LoadKwitansi(const frame::OpenedTables& tables, Kwitansi* receipt, bool* found) {
  receipt->number = xbase::PadR(xbase::RTrim(receipt->number), 7);
  receipt->lines.clear();
  receipt->stored = false;
  xbase::Status s = SeekExact(tables["kwit_1"], "KWIT_1", "NOMOR", receipt->number, found);
  if (s.ok() && *found) {
    const xbase::WorkArea& header = tables["kwit_1"];
    receipt->stored = true;
    receipt->date = header.DateOf("TANGGAL");
    receipt->from = header.Text("DARI");
    receipt->printed = header.Logical("CETAK");
    for (size_t i = 0; i < 3; ++i) receipt->pay_to[i] = header.Text("KET" + std::to_string(i + 1));
    xbase::WorkArea& lines = tables["kwit_2"];
    std::vector<uint32_t> rows;
    s = lines.SetOrder("KWIT_2");
    if (s.ok()) s = lines.SeekAll(receipt->number, &rows);
    for (size_t n = 0; s.ok() && n < rows.size(); ++n) {
      if (s = lines.GoTo(rows[n]); !s.ok()) break;
      console::ValueRow line = BlankKwitansiLine(n + 1);
      line[kKwNota] = Value::Text(lines.Text("NOTA"));
      double balance = 0;
      xbase::Date date;
      s = OpenBalance(tables["piutdbt"], lines.Text("NOTA"), &balance, &date);
      line[kKwDate] = Value::FromDate(date);
      line[kKwAmount] = Value::Num(balance, 16, 2);
      receipt->lines.push_back(std::move(line));
    }
    bool purpose = false;
    if (s.ok()) s = SeekExact(tables["kwit_3"], "KWIT_3", "NOMOR", receipt->number, &purpose);
    for (size_t i = 0; s.ok() && i < 5; ++i) {
      receipt->purpose[i] = purpose ? tables["kwit_3"].Text("NOTES" + std::to_string(i + 1))
                                    : std::string(60, ' ');
    }
  }
  receipt->lines.push_back(BlankKwitansiLine(receipt->lines.size() + 1));
  return s;
}

bool CheckKwitansiInvoice(frame::Session& session, const frame::OpenedTables& tables, Kwitansi* receipt, size_t line,
                          Value* value) {
  std::string nota = value->text();
  if (xbase::IsBlank(nota)) return true;
  bool found = false;
  xbase::Status s =
      frame::PickCode(session, PickOf("piutdbt", {"nota", "tanggal", "relasi"}, {"nota", "tanggal", "relasi"}), &nota);
  if (s.ok()) s = SeekExact(tables["piutdbt"], "PIUTDBT1", "NOTA", nota, &found);
  if (!frame::Checked(session, s)) return false;
  if (!found) return pickers::Refuse(session, "Nota " + std::string(xbase::RTrim(nota)) + " tidak ada");
  double balance = 0;
  xbase::Date date;
  if (!frame::Checked(session, OpenBalance(tables["piutdbt"], nota, &balance, &date))) return false;
  *value = Value::Text(xbase::PadR(xbase::RTrim(nota), 20));
  console::ValueRow& row = receipt->lines[line];
  row[kKwNota] = *value;
  row[kKwDate] = Value::FromDate(date);
  row[kKwAmount] = Value::Num(balance, 16, 2);
  return true;
}

namespace {

// The SETUP rows an invoice receipt sets.
std::vector<std::string> SettingKeys() { return {"KWITANSI2", "KWITANSI31", "KWITANSI32", "KWITANSI33"}; }

// The header rows of the number (all of them: an emptied receipt deletes them) and the rows of the
// number in `others`, with every table's append lock; and the SETUP rows of `settings`.
xbase::Status NameKwitansi(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                           const Kwitansi& receipt, std::initializer_list<const char*> others,
                           const std::vector<std::string>& settings) {
  xbase::WorkArea& header = tables["kwit_1"];
  xbase::Status s =
      documents::NameStoredRows(save, session.tables(), header, "kwit_1", header.PadToField("NOMOR", receipt.number));
  for (const char* alias : others) {
    xbase::WorkArea& area = tables[alias];
    if (s.ok())
      s = documents::NameStoredRows(save, session.tables(), area, alias, area.PadToField("NOMOR", receipt.number));
  }
  xbase::WorkArea& setup = tables["Setup"];
  for (size_t i = 0; s.ok() && i < settings.size(); ++i) {
    s = documents::NameKeyedRecord(save, setup, "SETUP", setup.PadToField("SETUP", settings[i]));
  }
  return s;
}

// Runs `write` as one save over what `name` names: a lock given up writes nothing and is told.
xbase::Status SaveWhole(frame::Session& session, const std::function<xbase::Status(documents::SaveScope&)>& name,
                        const std::function<xbase::Status()>& write) {
  documents::SaveScope save(session.console());
  xbase::Status s = name(save);
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return s;
  }
  s = save.BeginWrites();
  if (s.ok()) s = write();
  s = save.CommitWrites(s);
  frame::ShowFailure(session, s);
  return s;
}

xbase::Status WriteInvoiceKwitansi(frame::Session& session, const frame::OpenedTables& tables,
                                   const Kwitansi& receipt) {
  xbase::WorkArea& lines = tables["kwit_2"];
  std::vector<uint32_t> rows;
  xbase::Status s = lines.SetOrder("KWIT_2");
  if (s.ok()) s = documents::StoredRows(session.tables(), lines, receipt.number, &rows);
  if (!s.ok()) return s;
  documents::LineRewrite how;
  how.keep = [&](size_t k) { return HasInvoice(receipt.lines[k]); };
  how.write = [&](size_t k, bool appended) {
    xbase::Status w = appended ? lines.Put("NOMOR", Value::Text(receipt.number)) : xbase::Status::OK();
    if (w.ok()) w = lines.Put("NOTA", receipt.lines[k][kKwNota]);
    if (w.ok()) w = lines.Put("FORM", Value::Text(std::string(5, ' ')));
    return w;
  };
  if (s = documents::RewriteLines(session.console(), lines, rows, receipt.lines.size(), how); !s.ok()) return s;
  if (std::any_of(receipt.lines.begin(), receipt.lines.end(), HasInvoice)) {
    s = WriteHeader(session, tables, receipt);
  } else {
    s = DeleteRows(session, tables, "kwit_1", receipt.number);
  }
  if (s.ok()) {
    s = SetSetting(session, tables, "KWITANSI2", receipt.number,
                   [&](const std::string& stored) { return stored.substr(0, 7) < receipt.number; });
  }
  for (size_t i = 0; s.ok() && i < 3; ++i) {
    s = SetSetting(session, tables, "KWITANSI3" + std::to_string(i + 1), receipt.pay_to[i],
                   [](const std::string&) { return true; });
  }
  return s;
}

xbase::Status WriteFreeKwitansi(frame::Session& session, const frame::OpenedTables& tables, const Kwitansi& receipt) {
  xbase::Status s = WriteHeader(session, tables, receipt);
  if (!s.ok()) return s;
  xbase::WorkArea& purpose = tables["kwit_3"];
  s = RowOf(session, tables, "kwit_3", receipt.number);
  for (size_t i = 0; s.ok() && i < 5; ++i) {
    s = purpose.Put("NOTES" + std::to_string(i + 1), Value::Text(receipt.purpose[i]));
  }
  return Unlocked(purpose, s);
}

}  // namespace

xbase::Status SaveInvoiceKwitansi(frame::Session& session, const frame::OpenedTables& tables, const Kwitansi& receipt) {
  return SaveWhole(
      session,
      [&](documents::SaveScope& save) {
        return NameKwitansi(save, session, tables, receipt, {"kwit_2"}, SettingKeys());
      },
      [&] { return WriteInvoiceKwitansi(session, tables, receipt); });
}

xbase::Status SaveFreeKwitansi(frame::Session& session, const frame::OpenedTables& tables, const Kwitansi& receipt) {
  return SaveWhole(
      session, [&](documents::SaveScope& save) { return NameKwitansi(save, session, tables, receipt, {"kwit_3"}, {}); },
      [&] { return WriteFreeKwitansi(session, tables, receipt); });
}

xbase::Status RemovePrintedKwitansi(frame::Session& session, const frame::OpenedTables& tables, int* removed) {
  *removed = 0;
  xbase::WorkArea& header = tables["kwit_1"];
  std::vector<std::string> printed;
  xbase::Status s = header.SetOrder(0);
  if (s.ok()) s = header.GoTop();
  while (s.ok() && !header.eof()) {
    if (header.Logical("CETAK")) printed.push_back(header.Text("NOMOR"));
    s = header.Skip();
  }
  for (size_t i = 0; s.ok() && i < printed.size(); ++i) {
    for (const char* alias : {"kwit_2", "kwit_3", "kwit_1"}) {
      if (s.ok()) s = DeleteRows(session, tables, alias, printed[i]);
    }
    if (s.ok()) ++*removed;
  }
  return s;
}

}  // namespace receivables
