// A collection list in memory: its tables, loading, the invoice check and the save.
#include <string>
#include <vector>

#include "console/alert.h"
#include "console/message.h"
#include "console/table_access.h"
#include "documents/named_records.h"
#include "documents/save_scope.h"
#include "documents/stored_lines.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "receivables/collections.h"
#include "receivables/keyed_seek.h"
#include "receivables/lettered_counter.h"
#include "receivables/table_steps.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using xbase::Value;

constexpr AliasedTable kCollectionTables[] = {
    {"TAGIH1", "Tagih1"}, {"TAGIH2", "Tagih2"}, {"MASTSLS", "mastsls"}, {"SETUP", "Setup"},
    {"MASTCUS", "mastcus"}, {"PIUTDBT", "PiutDbt"}};

const LetteredKind kListCounter{"NOTG", 1, 9, documents::kMissingAskAdmin, "TAGIHAN No. ", " Sudah terdaftar"};

void TakeInvoice(const xbase::WorkArea& invoice, console::ValueRow* line) {
  (*line)[kTgCustomer] = Value::Text(invoice.Text("RELASI"));
  (*line)[kTgDebet] = Value::Num(invoice.Number("DEBET"), 14, 2);
  (*line)[kTgDue] = Value::FromDate(invoice.DateOf("TEMPO"));
  (*line)[kTgInvoiceDate] = Value::FromDate(invoice.DateOf("TANGGAL"));
  (*line)[kTgCompany] = Value::Text(invoice.Text("CODE_ID"));
}

bool Counts(const console::ValueRow& line) {
  return !xbase::IsBlank(line[kTgNota].text()) && line[kTgAmount].number() != 0;
}

xbase::Status WriteHeader(frame::Session& session, xbase::WorkArea& header, const CollectionList& list) {
  bool found = false;
  xbase::Status s = SeekExact(header, "TAGIH11", "NOMOR", list.number, &found);
  if (!s.ok()) return s;
  if (found) {
    s = console::LOCK_REC(session.console(), header);
  } else if (s = console::APP_REC(session.console(), header); s.ok()) {
    s = header.Put("NOMOR", Value::Text(list.number));
    if (s.ok()) s = header.Put("KDCB", Value::Text(list.branch));
    if (s.ok()) s = header.Put("TGINPUT", Value::FromDate(session.Today()));
    if (s.ok()) s = header.Put("OPERATOR", Value::Text(session.MMEMBER.nik));
  }
  if (s.ok()) s = header.Put("TANGGAL", Value::FromDate(list.date));
  if (s.ok()) s = header.Put("PENAGIH", Value::Text(list.collector));
  return Unlocked(header, s);
}

xbase::Status WriteLines(frame::Session& session, xbase::WorkArea& lines, const CollectionList& list) {
  std::vector<uint32_t> rows;
  xbase::Status s = lines.SetOrder("TAGIH21");
  if (s.ok()) s = documents::StoredRows(session.tables(), lines, lines.PadToField("NOMOR", list.number), &rows);
  if (!s.ok()) return s;
  documents::LineRewrite how;
  how.keep = [&](size_t k) { return Counts(list.lines[k]); };
  how.write = [&](size_t k, bool appended) {
    const console::ValueRow& line = list.lines[k];
    xbase::Status w = appended ? lines.Put("NOMOR", Value::Text(list.number)) : xbase::Status::OK();
    if (w.ok()) w = lines.Put("RELASI", line[kTgCustomer]);
    if (w.ok()) w = lines.Put("CODE_ID", line[kTgCompany]);
    if (w.ok()) w = lines.Put("NOTA", line[kTgNota]);
    if (w.ok()) w = lines.Put("JUMLAH", Value::Num(line[kTgAmount].number()));
    return w;
  };
  return documents::RewriteLines(session.console(), lines, rows, list.lines.size(), how);
}

// The list's header and stored lines (a list not numbered yet has none), with both tables' append locks.
xbase::Status NameCollection(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                             const CollectionList& list) {
  xbase::WorkArea& header = tables["Tagih1"];
  xbase::WorkArea& lines = tables["Tagih2"];
  save.Append(header);
  save.Append(lines);
  if (xbase::IsBlank(list.number)) return xbase::Status::OK();
  xbase::Status s = documents::NameKeyedRecord(save, header, "TAGIH11", header.PadToField("NOMOR", list.number));
  if (s.ok())
    s = documents::NameStoredRows(save, session.tables(), lines, "TAGIH21", lines.PadToField("NOMOR", list.number));
  return s;
}

}  // namespace

frame::OpenedTables OpenCollectionTables(frame::Session& session) {
  return OpenTablesAs(session, kCollectionTables);
}

console::ValueRow BlankCollectionLine(size_t n) {
  return {Value::Num(static_cast<double>(n), 3, 0), Value::Text(std::string(20, ' ')),
          Value::Text(std::string(10, ' ')),        Value::Num(0, 14, 2),
          Value::Num(0, 14, 2),                     Value::FromDate(xbase::Date()),
          Value::FromDate(xbase::Date()),           Value::Text("    ")};
}

bool LoadCollection(frame::Session& session, const frame::OpenedTables& tables, CollectionList* list) {
  list->lines.clear();
  list->is_new = true;
  const size_t mark = list->number.find('?');
  if (mark != std::string::npos) {
    xbase::Status p = frame::PickCode(
        session, PickOf("Tagih1", {"nomor", "tanggal", "penagih", "kdcb"}, {"Nomor", "Tanggal", "Penagih", "Cabang"}),
        &list->number);
    if (!frame::Checked(session, p)) return false;
  }
  list->number = xbase::PadR(xbase::Upper(xbase::RTrim(list->number)), 10);
  bool found = false;
  xbase::Status s;
  xbase::WorkArea& header = tables["Tagih1"];
  if (!xbase::IsBlank(list->number)) s = SeekExact(header, "TAGIH11", "NOMOR", list->number, &found);
  if (s.ok() && found) {
    if (header.Text("KDCB") != xbase::PadR(xbase::RTrim(list->branch), 6)) {
      return pickers::Refuse(session, "kode cabang tidak sama");
    }
    list->is_new = false;
    list->date = header.DateOf("TANGGAL");
    list->collector = header.Text("PENAGIH");
    xbase::WorkArea& lines = tables["Tagih2"];
    xbase::WorkArea& invoices = tables["PiutDbt"];
    std::vector<uint32_t> rows;
    s = lines.SetOrder("TAGIH21");
    if (s.ok()) s = lines.SeekAll(list->number, &rows);
    for (size_t n = 0; s.ok() && n < rows.size(); ++n) {
      if (s = lines.GoTo(rows[n]); !s.ok()) break;
      console::ValueRow line = BlankCollectionLine(n + 1);
      line[kTgNota] = Value::Text(lines.Text("NOTA"));
      line[kTgCustomer] = Value::Text(lines.Text("RELASI"));
      line[kTgAmount] = Value::Num(lines.Number("JUMLAH"), 14, 2);
      line[kTgCompany] = Value::Text(lines.Text("CODE_ID"));
      bool invoice = false;
      s = SeekExact(invoices, "PIUTDBT1", "NOTA", lines.Text("NOTA"), &invoice);
      if (invoice) TakeInvoice(invoices, &line);
      list->lines.push_back(std::move(line));
    }
  }
  if (!frame::Checked(session, s)) return false;
  list->lines.push_back(BlankCollectionLine(list->lines.size() + 1));
  return true;
}

bool CheckCollectionInvoice(frame::Session& session, const frame::OpenedTables& tables, CollectionList* list,
                            size_t line, Value* value) {
  std::string nota = value->text();
  if (xbase::IsBlank(nota)) return true;
  bool found = false;
  xbase::Status s = frame::PickCode(
      session, PickOf("PiutDbt", {"nota", "relasi", "tanggal", "debet-kredit"}, {"Nota", "Relasi", "Tanggal", "Sisa"}),
      &nota);
  xbase::WorkArea& invoice = tables["PiutDbt"];
  if (s.ok()) s = SeekExact(invoice, "PIUTDBT1", "NOTA", nota, &found);
  nota = xbase::PadR(xbase::RTrim(nota), 20);
  if (!frame::Checked(session, s)) return false;
  if (!found) return pickers::Refuse(session, "Nota " + std::string(xbase::RTrim(nota)) + " tidak ada");
  for (size_t k = 0; k < list->lines.size(); ++k) {
    if (k != line && list->lines[k][kTgNota].text() == nota) {
      return pickers::Refuse(session, "Nota " + std::string(xbase::RTrim(nota)) +
                                          " ini telah diisikan pada urutan ke " + std::to_string(k + 1));
    }
  }
  *value = Value::Text(nota);
  console::ValueRow& row = list->lines[line];
  row[kTgNota] = *value;
  TakeInvoice(invoice, &row);
  row[kTgAmount] = Value::Num(invoice.Number("DEBET") - invoice.Number("KREDIT"), 14, 2);
  return true;
}

xbase::Status SaveCollection(frame::Session& session, const frame::OpenedTables& tables, CollectionList* list,
                             bool* saved) {
  *saved = false;
  list->branch = xbase::PadR(xbase::RTrim(list->branch), 6);
  const bool numbered = !xbase::IsBlank(list->number);
  documents::SaveScope save(session.console());
  xbase::Status s = numbered ? xbase::Status::OK() : NameLettered(save, tables["Setup"], kListCounter, list->branch);
  if (s.ok()) s = NameCollection(save, session, tables, *list);
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return xbase::Status::OK();
  }
  const auto write = [&](const std::string& number) {
    list->number = xbase::PadR(number, 10);
    xbase::Status w = WriteHeader(session, tables["Tagih1"], *list);
    return w.ok() ? WriteLines(session, tables["Tagih2"], *list) : w;
  };
  s = save.BeginWrites();
  if (numbered) {
    if (s.ok()) s = write(list->number);
    if (s = save.CommitWrites(s); !s.ok()) return s;
    *saved = true;
    list->is_new = false;
    return s;
  }
  const auto taken = [&](const std::string& number, bool* held) {
    return SeekExact(tables["Tagih1"], "TAGIH11", "NOMOR", number, held);
  };
  std::string number;
  if (s.ok()) s = NumberLettered(session, tables["Setup"], kListCounter, list->branch, taken, write, &number);
  s = save.CommitWrites(s);
  if (!s.ok() || number.empty()) {
    list->number = std::string(10, ' ');
    return s;
  }
  *saved = true;
  list->is_new = false;
  console::PESAN(session.console(), "TAGIHAN ini tersimpan dg Nomor " + number);
  return s;
}

}  // namespace receivables
