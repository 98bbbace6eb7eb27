// The BPT voucher entry: one deduction against one invoice, numbered from "DBPT" + branch.
#include <string>

#include "console/alert.h"
#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/table_access.h"
#include "documents/named_records.h"
#include "documents/save_scope.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "receivables/deductions.h"
#include "receivables/keyed_seek.h"
#include "receivables/lettered_counter.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using xbase::Value;

const LetteredKind kVoucherCounter{"DBPT", 3, 7, documents::kMissingNomerator, "BPT Nomor", " Sudah terdaftar"};

xbase::Status WriteVoucher(frame::Session& session, const frame::OpenedTables& tables, const BptVoucher& voucher) {
  xbase::WorkArea& row = tables["BPOT_BPT"];
  bool found = false;
  xbase::Status s = SeekExact(tables["BPOT_BPT"], "BPOT_BPT1", "NOMOR", voucher.number, &found);
  if (!s.ok()) return s;
  if (voucher.value == 0) {
    if (!found) return s;
    if (s = console::LOCK_REC(session.console(), row); s.ok()) s = row.Delete();
  } else if (found) {
    s = console::LOCK_REC(session.console(), row);
  } else if (s = console::APP_REC(session.console(), row); s.ok()) {
    s = row.Put("NOMOR", Value::Text(voucher.number));
    if (s.ok()) s = row.Put("KDCB", Value::Text(voucher.branch));
    if (s.ok()) s = row.Put("TGINPUT", Value::FromDate(session.Today()));
    if (s.ok()) s = row.Put("OPERATOR", Value::Text(session.MMEMBER.nik));
  }
  if (s.ok() && voucher.value != 0) {
    s = row.Put("TANGGAL", Value::FromDate(voucher.date));
    if (s.ok()) s = row.Put("NOTA", Value::Text(voucher.nota));
    if (s.ok()) s = row.Put("KDTT", Value::Text(voucher.code));
    if (s.ok()) s = row.Put("TARIF", Value::Num(voucher.percent));
    if (s.ok()) s = row.Put("NILAI", Value::Num(voucher.value));
    if (s.ok()) s = row.Put("NOTES", Value::Text(voucher.notes));
  }
  const xbase::Status unlocked = row.Unlock();
  return s.ok() ? unlocked : s;
}

// The voucher typed: stored ones load, an unknown number is cleared.
bool LoadVoucher(frame::Session& session, const frame::OpenedTables& tables, BptVoucher* voucher) {
  bool found = false;
  voucher->number = xbase::PadR(xbase::Upper(xbase::RTrim(voucher->number)), 10);
  if (xbase::IsBlank(voucher->number)) return true;
  if (!frame::Checked(session, SeekExact(tables["BPOT_BPT"], "BPOT_BPT1", "NOMOR", voucher->number, &found))) {
    return false;
  }
  if (!found) {
    voucher->number = std::string(10, ' ');
    return true;
  }
  const xbase::WorkArea& row = tables["BPOT_BPT"];
  voucher->branch = row.Text("KDCB");
  voucher->date = row.DateOf("TANGGAL");
  voucher->nota = row.Text("NOTA");
  voucher->code = row.Text("KDTT");
  voucher->percent = row.Number("TARIF");
  voucher->value = row.Number("NILAI");
  voucher->notes = row.Text("NOTES");
  voucher->printed = row.Logical("CETAK");
  return true;
}

// The invoice of the voucher: stored, and for a new voucher not yet covered for the code.
bool CheckInvoice(frame::Session& session, const frame::OpenedTables& tables, BptVoucher* voucher,
                  double* invoice_amount) {
  bool found = false;
  xbase::Status s = frame::PickCode(
      session, PickOf("Piutdbt", {"nota", "relasi", "tanggal"}, {"Invoice", "Relasi", "Tanggal"}), &voucher->nota);
  if (s.ok()) s = SeekExact(tables["Piutdbt"], "PIUTDBT1", "NOTA", voucher->nota, &found);
  voucher->nota = xbase::PadR(xbase::RTrim(voucher->nota), 20);
  if (!frame::Checked(session, s)) return false;
  if (!found) return pickers::Refuse(session, "Nota " + std::string(xbase::RTrim(voucher->nota)) + " tidak ada");
  *invoice_amount = tables["Piutdbt"].Number("DEBET");
  if (!xbase::IsBlank(voucher->number)) return true;
  s = SeekKey(tables["BPOT_BPT"], "BPOT_BPT2", voucher->nota + voucher->code, &found);
  if (!frame::Checked(session, s)) return false;
  if (!found) return true;
  return pickers::Refuse(session, "NOTA " + std::string(xbase::RTrim(voucher->nota)) + " - " + voucher->code +
                                      ", sudah dipakai di nomor " + tables["BPOT_BPT"].Text("NOMOR"));
}

}  // namespace

xbase::Status SaveVoucher(frame::Session& session, const frame::OpenedTables& tables, BptVoucher* voucher,
                          bool* saved) {
  *saved = false;
  const bool numbered = !xbase::IsBlank(voucher->number);
  if (!numbered && voucher->value == 0) return xbase::Status::OK();
  // The counter row and the voucher's row are locked before either is written.
  documents::SaveScope save(session.console());
  xbase::WorkArea& row = tables["BPOT_BPT"];
  xbase::Status s = numbered
                        ? documents::NameKeyedRecord(save, row, "BPOT_BPT1", row.PadToField("NOMOR", voucher->number))
                        : NameLettered(save, tables["Setup"], kVoucherCounter, voucher->branch);
  if (!numbered) save.Append(row);
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return xbase::Status::OK();
  }
  s = save.BeginWrites();
  if (numbered) {
    if (s.ok()) s = WriteVoucher(session, tables, *voucher);
    if (s = save.CommitWrites(s); !s.ok()) return s;
    *saved = true;
    return s;
  }
  const auto taken = [&](const std::string& number, bool* held) {
    return SeekExact(tables["BPOT_BPT"], "BPOT_BPT1", "NOMOR", number, held);
  };
  const auto write = [&](const std::string& number) {
    voucher->number = xbase::PadR(number, 10);
    return WriteVoucher(session, tables, *voucher);
  };
  std::string number;
  if (s.ok()) s = NumberLettered(session, tables["Setup"], kVoucherCounter, voucher->branch, taken, write, &number);
  s = save.CommitWrites(s);
  if (!s.ok() || number.empty()) {
    voucher->number = std::string(10, ' ');
    return s;
  }
  *saved = true;
  console::Alert(session.console(), "Nomor BPT : " + number);
  return s;
}

xbase::Status BPT1(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = OpenDeductionTables(session);
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  const console::Attr attr = con.Colour(colour);
  BptVoucher voucher;
  xbase::Status s;
  while (s.ok()) {
    console::SHADOW(con, 4, 8, 17, 71, colour);
    con.Say(5, 9, " PT. KORVANI DELTAMARA SENTRA   BPT               F-MK-003 ", attr);
    con.Say(6, 9, " ISO 9001                                        Revisi 00 ", attr);
    const char* labels[] = {"Cabang    :", "Nomor     :", "Tanggal   :", "Kode Pot. :", "Nomor SJ  :",
                            "Nilai SJ  :", "Tarif     :", "Nilai     :", "Notes     :"};
    for (int i = 0; i < 9; ++i) con.Say(8 + i, 11, labels[i], attr);
    const std::string branch = voucher.branch;
    voucher = BptVoucher();
    voucher.branch = branch;
    voucher.date = session.Today();
    double invoice_amount = 0;
    console::GetList form;
    form.Add(8, 23, &voucher.branch, "@!").valid = [&] { return pickers::CARICABANG(session, &voucher.branch); };
    form.Add(9, 23, &voucher.number, "@!").valid = [&] { return LoadVoucher(session, tables, &voucher); };
    form.Add(10, 23, &voucher.date);
    form.Add(11, 23, &voucher.code, "@!").valid = [&] { return DeductionCodeValid(session, tables, voucher.code); };
    form.Add(12, 23, &voucher.nota, "@!").valid = [&] {
      if (!CheckInvoice(session, tables, &voucher, &invoice_amount)) return false;
      con.Say(13, 23, xbase::Transform(Value::Num(invoice_amount), "999,999,999.99"), attr);
      return true;
    };
    form.Add(14, 23, &voucher.percent, "999.99").valid = [&] {
      if (voucher.percent != 0) voucher.value = invoice_amount * voucher.percent / 100;
      return true;
    };
    form.Add(15, 23, &voucher.value, "999,999,999.99");
    form.Add(16, 23, &voucher.notes, "@S40");
    if (form.Read(con).escaped || xbase::IsBlank(voucher.branch)) break;
    if (console::Alert(con, "yakin data bpt akan disimpan", {"ya", "tidak"}) != 1) continue;
    bool saved = false;
    s = SaveVoucher(session, tables, &voucher, &saved);
  }
  return frame::CloseTables(session, s);
}

}  // namespace receivables
