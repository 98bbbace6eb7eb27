// The checks of a receipt line's cells: the invoice, the settlement code, the instrument and its
// rule matrix, and the amount's bounds.
#include <algorithm>
#include <string>

#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/grid_cells.h"
#include "pickers/picker_support.h"
#include "receivables/keyed_seek.h"
#include "receivables/receipt.h"
#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace receivables {

using frame::Trimmed;

namespace {

using xbase::Value;

std::string Trimmed(std::string_view text) { return std::string(xbase::AllTrim(text)); }

bool Refuse(frame::Session& session, const std::string& message) {
  console::PESAN(session.console(), message);
  return false;
}

// "?" in a cell: the code picked from the table's list replaces it; false when the list was left with Esc.
bool Picked(frame::Session& session, frame::PickSpec pick, Value* value) {
  std::string code = value->text();
  if (code.find('?') == std::string::npos) return true;
  bool escaped = false;
  if (xbase::Status s = frame::PickCode(session, pick, &code, nullptr, &escaped); !s.ok()) {
    return Refuse(session, s.message());
  }
  *value = Value::Text(xbase::PadR(code, static_cast<int>(value->text().size())));
  return !escaped;
}

bool CheckInvoice(frame::Session& session, const frame::OpenedTables& tables, Value* value, Receipt* receipt,
                  size_t line) {
  if (!Picked(session, PickOf("Piutdbt", {"nota", "tanggal", "relasi", "debet", "kredit"},
                            {"Nota", "Tanggal", "Relasi", "Debet", "Kredit"}),
              value)) {
    return false;
  }
  bool found = false;
  if (xbase::Status s = SeekExact(tables["Piutdbt"], "PIUTDBT1", "NOTA", value->text(), &found); !s.ok()) {
    return Refuse(session, s.message());
  }
  if (!found) return false;
  xbase::WorkArea& invoice = tables["Piutdbt"];
  if (invoice.DateOf("TANGGAL") > receipt->date) {
    return Refuse(session, "Tanggal Nota " + xbase::Dtoc(invoice.DateOf("TANGGAL")) + " > dari tanggal TT " +
                               xbase::Dtoc(receipt->date));
  }
  if (xbase::PadR(invoice.Text("KDCB"), 6) != xbase::PadR(receipt->branch, 6)) {
    return Refuse(session, "kode cabang tidak sama");
  }
  TakeInvoiceData(invoice, &receipt->lines[line]);
  return true;
}

bool CheckCode(frame::Session& session, const frame::OpenedTables& tables, Value* value, Receipt* receipt,
               size_t line) {
  if (!Picked(session, PickOf("mastjns", {"kode", "nama"}, {"Kode", "Nama"}), value)) return false;
  const std::string code = xbase::PadR(value->text(), 2);
  bool found = false;
  if (xbase::IsBlank(code)) return false;
  if (xbase::Status s = SeekExact(tables["mastjns"], "MASTJNS1", "KODE", code, &found); !s.ok()) {
    return Refuse(session, s.message());
  }
  if (!found) return false;
  // A code with "KHUSUS_" rows settles only notes of the types they name.
  std::vector<pickers::SetupEntry> special;
  if (xbase::Status s = pickers::SetupRows(session, "KHUSUS_" + code, &special); !s.ok()) {
    return Refuse(session, s.message());
  }
  const std::string type = Trimmed(LineText(receipt->lines[line], kType));
  const bool allowed = special.empty() || std::any_of(special.begin(), special.end(), [&](const auto& row) {
                         return type.starts_with(Trimmed(row.ket));
                       });
  if (allowed) {
    // A code that takes no instrument carries no number (not one copied from the line above).
    bool needs = false;
    if (xbase::Status s = NeedsInstrument(session, code, &needs); !s.ok()) return Refuse(session, s.message());
    if (!needs) receipt->lines[line][kInstrument] = Value::Text(std::string(20, ' '));
    return true;
  }
  *value = Value::Text("  ");
  return Refuse(session, "Tipe SURAT JALAN tidak sesuai ");
}

// SATUGRUP: *same true when both customers are members of outlet groups with the same code.
xbase::Status SameGroup(const frame::OpenedTables& tables, std::string_view first, std::string_view second,
                        bool* same) {
  *same = false;
  std::string groups[2];
  const std::string_view customers[2] = {first, second};
  for (int i = 0; i < 2; ++i) {
    bool found = false;
    const xbase::Status s = SeekExact(tables["otl_mbr"], "OTL_MBR2", "MEMBER", customers[i], &found);
    if (!s.ok() || !found) return s;
    groups[i] = tables["otl_mbr"].Text("KODE");
  }
  *same = groups[0] == groups[1];
  return xbase::Status::OK();
}

// KELOMPOKNYA: *listed true when the customer is listed for the instrument in GIRO_RL.
xbase::Status Listed(const frame::OpenedTables& tables, std::string_view instrument, std::string_view customer,
                     bool* listed) {
  xbase::WorkArea& list = tables["giro_rl"];
  const std::string key =
      list.PadToField("NOMOR", xbase::RTrim(instrument)) + list.PadToField("RELASI", xbase::RTrim(customer));
  return SeekKey(list, "GIRO_RL2", key, listed);
}

// What a settlement code asks of its instrument.
struct InstrumentRule {
  std::string kind;          // the instrument's KET
  std::string wrong_kind;    // the refusal of another kind
  bool voucher = false;      // a deduction paid by a voucher: no customer rule
  bool exempt_sent = false;  // an instrument received for another branch pays any customer
  bool lists_customers = false;  // the refusal names the instrument's customer and the line's
};

InstrumentRule RuleOf(const std::string& code) {
  if (code[0] == 'C') return {"CSHO", "bukan untuk CASH"};
  if (code == "BT") return {"TRSO", "ini bukan untuk pelunasan BT", false, true, true};
  if (code == "BL" || code == "BS") return {"GIRO", "bukan untuk BS / BL", false, true};
  if (code[0] == 'R') return {"RT" + code, "bukan untuk RETUR " + code, false, true};
  return {"VCHR", "bukan untuk potongan", true};
}

bool CheckInstrument(frame::Session& session, const frame::OpenedTables& tables, Value* value, Receipt* receipt,
                     size_t line) {
  console::ValueRow& row = receipt->lines[line];
  const std::string code = xbase::PadR(LineText(row, kCode), 2);
  bool needs = false;
  if (xbase::Status s = NeedsInstrument(session, code, &needs); !s.ok()) return Refuse(session, s.message());
  if (!needs) {
    *value = Value::Text(std::string(value->text().size(), ' '));
    return true;
  }
  if (!Picked(session, PickOf("GIRODBT", {"nomor", "ket", "relasi", "tanggal", "debet", "kredit"},
                            {"Nomor", "Jenis", "Relasi", "Tanggal", "Debet", "Kredit"}),
              value)) {
    return false;
  }
  const int width = static_cast<int>(value->text().size());
  const auto cleared = [&](const std::string& message) {
    *value = Value::Text(std::string(static_cast<size_t>(width), ' '));
    return Refuse(session, message);
  };
  const std::string number = Trimmed(value->text());
  if (number.empty()) return cleared("Pos Nomor ini harus diisi");
  bool found = false;
  if (xbase::Status s = SeekExact(tables["GIRODBT"], "GIRODBT1", "NOMOR", number, &found); !s.ok()) {
    return Refuse(session, s.message());
  }
  if (!found) return cleared("Nomor belum didata");
  xbase::WorkArea& instrument = tables["GIRODBT"];
  if (!instrument.Logical("REALISASI")) return Refuse(session, "Nomor " + number + " ini tidak aktif");
  const InstrumentRule rule = RuleOf(code);
  if (Trimmed(instrument.Text("KET")) != rule.kind) {
    return rule.voucher ? cleared(rule.wrong_kind) : Refuse(session, rule.wrong_kind);
  }
  if (rule.voucher) {
    if (code != "DV" && !instrument.Text("NOTES").starts_with(code)) return cleared("bukan untuk potongan " + code);
  } else if (!(rule.exempt_sent && instrument.Logical("KIRIMAN"))) {
    const std::string owner = Trimmed(instrument.Text("RELASI"));
    const std::string customer = Trimmed(LineText(row, kCustomer));
    // Whether the customer may pay with another's instrument: a membership that cannot be read is the
    // error, never a refusal.
    bool may_pay = owner == customer;
    xbase::Status s;
    if (!may_pay) s = SameGroup(tables, owner, customer, &may_pay);
    if (s.ok() && !may_pay) s = Listed(tables, number, customer, &may_pay);
    if (!s.ok()) return Refuse(session, s.message());
    if (!may_pay) {
      return cleared(rule.lists_customers ? "relasi tidak sesuai" + owner + " " + customer
                                          : "relasi " + customer + " tidak termasuk dalam kelompok");
    }
  }
  const xbase::Date due = instrument.DateOf("TANGGAL");
  const bool same_month = due.year() == receipt->date.year() && due.month() == receipt->date.month();
  if (code[0] == 'B' && !session.MMEMBER.HasRight("/EDP") && receipt->date < due && !same_month) {
    return Refuse(session, "Tanggal TT harus >= tanggal Jatuh Tempo BG");
  }
  row[kDue] = Value::FromDate(due);
  return true;
}

std::string Amount(double value) {
  return Trimmed(xbase::Transform(Value::Num(value), "999,999,999.99"));
}

bool CheckAmount(frame::Session& session, const Value& value, const Receipt& receipt, size_t line,
                 const PanelFigures& figures) {
  const double amount = value.number();
  const std::string code = xbase::PadR(LineText(receipt.lines[line], kCode), 2);
  bool needs = false;
  if (xbase::Status s = NeedsInstrument(session, code, &needs); !s.ok()) return Refuse(session, s.message());
  if (needs) {
    if (xbase::Round(amount, 2) > xbase::Round(figures.instrument_remaining, 2)) {
      return Refuse(session, "Sisa nilai tinggal " + Amount(figures.instrument_remaining));
    }
    return true;
  }
  // "MAXDC" + the branch's first 2 + "_" + code bounds the amount: "+" a figure, "%" a share of the balance.
  const std::string bound_key = "MAXDC" + std::string(xbase::Left(xbase::PadR(receipt.branch, 6), 2)) + "_" + code;
  std::string ket;
  bool found = false;
  if (xbase::Status s = pickers::SetupRow(session, bound_key, &found, nullptr, &ket); !s.ok()) {
    return Refuse(session, s.message());
  }
  if (!found) return true;
  const double figure = xbase::Val(xbase::SubStr(ket, 3, 15)).value;
  double bound = 0;
  if (ket.starts_with("+")) {
    bound = figure;
  } else if (ket.starts_with("%")) {
    // The invoice's open balance for this line is the base of a percentage.
    bound = figure * figures.invoice_balance / 100;
  } else {
    return true;
  }
  if (amount > bound) return Refuse(session, "Maximal nilai " + code + " " + Amount(bound));
  return true;
}

}  // namespace

xbase::Status NeedsInstrument(frame::Session& session, std::string_view code, bool* needs) {
  return pickers::SetupRow(session, "ISINOMOR" + xbase::PadR(code, 2), needs);
}

bool VALIDASIENTRY(frame::Session& session, const frame::OpenedTables& tables, Value* value, size_t column,
                   Receipt* receipt, size_t line, const PanelFigures& figures) {
  // The line being typed counts with the value typed: the 101st amount is refused, edits of the
  // lines already counted are not.
  int counted = 0;
  for (size_t i = 0; i < receipt->lines.size(); ++i) {
    const double amount = i == line && column == kAmount ? value->number() : LineAmount(receipt->lines[i]);
    if (amount != 0) ++counted;
  }
  if (counted > session.MAXBARIS) {
    return Refuse(session, "Maximal Baris per TT hanya :" + xbase::Str(session.MAXBARIS, 3));
  }
  switch (column) {
    case kNota: return CheckInvoice(session, tables, value, receipt, line);
    case kCode: return CheckCode(session, tables, value, receipt, line);
    case kInstrument: return CheckInstrument(session, tables, value, receipt, line);
    case kAmount: return CheckAmount(session, *value, *receipt, line, figures);
    default: return true;
  }
}

bool CheckLinesAgain(frame::Session& session, const frame::OpenedTables& tables, Receipt* receipt) {
  for (size_t line = 0; line < receipt->lines.size(); ++line) {
    if (!LineCounts(receipt->lines[line])) continue;
    for (const ReceiptColumn column : {kNota, kCode, kInstrument, kAmount}) {
      PanelFigures figures;
      if (column == kAmount) {
        if (xbase::Status s = INFORMASI(session, tables, *receipt, line, &figures, false); !s.ok()) {
          return Refuse(session, s.message());
        }
      }
      Value value = receipt->lines[line][column];
      if (!VALIDASIENTRY(session, tables, &value, column, receipt, line, figures)) return false;
      receipt->lines[line][column] = value;
    }
  }
  return true;
}

}  // namespace receivables
