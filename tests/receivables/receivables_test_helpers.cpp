// A data folder with settings, customers and settlement codes for the receivable tests.
#include "receivables/receivables_test_helpers.h"

#include <gtest/gtest.h>

#include "xbase/text_functions.h"

namespace receivables::testing {

std::vector<int> Typed(std::string_view text) { return console::ScriptedTerminal::Typed(text); }

const std::vector<std::string>& ReceivableTables() {
  static const std::vector<std::string> tables = {"SETUP",   "MASTCUS", "MASTJNS", "GIRODBT", "PIUTDBT", "PIUTJBL",
                                                  "PIUTKR1", "PIUTKR2", "GIROKR1", "GIROKR2", "OTL_MBR", "GIRO_RL",
                                                  "GIRO_PI", "GIROCAIR", "GIROKDT", "MASTACC", "PRO_IN1"};
  return tables;
}

support::TempDataFolder ReceivablesFolder() { return support::TempDataFolder(ReceivableTables()); }

void AddSetting(frame::Session& session, const std::string& key, const std::string& ket) {
  AddRows(Open(session, "SETUP"), {{{"SETUP", T(key)}, {"KET", T(ket)}}});
}

void AddInvoice(frame::Session& session, const std::string& nota, const std::string& customer, double debet,
                xbase::Date date, const std::string& type, const std::string& branch) {
  AddRows(Open(session, "PIUTDBT"), {{{"NOTA", T(nota)}, {"TANGGAL", Value::FromDate(date)}, {"KDCB", T(branch)},
                                      {"RELASI", T(customer)}, {"TIPE", T(type)}, {"DEBET", N(debet)},
                                      {"TEMPO", Value::FromDate(date + 30)}, {"CODE_ID", T("0")}}});
}

void AddInstrument(frame::Session& session, const std::string& nomor, const std::string& kind,
                   const std::string& customer, double debet, xbase::Date due, const std::string& notes, bool sent) {
  AddRows(Open(session, "GIRODBT"),
          {{{"NOMOR", T(nomor)}, {"KDCB", T(kBranch)}, {"KET", T(kind)}, {"TANGGAL", Value::FromDate(due)},
            {"TG_TERIMA", Value::FromDate(due)}, {"RELASI", T(customer)}, {"ACCOUNT", T("1102")},
            {"CODE_ID", T("0")}, {"DEBET", N(debet)}, {"NOTES", T(notes)},
            {"KIRIMAN", Value::Logical(sent)}, {"REALISASI", Value::Logical(true)}}});
}

void AddCustomer(frame::Session& session, const std::string& code, const std::string& name) {
  AddRows(Open(session, "MASTCUS"), {{{"RELASI", T(code)}, {"NAMA", T(name)}, {"KOTA", T("JAKARTA")}}});
}

void AddSettlementCodes(frame::Session& session) {
  for (const char* code : {"BL", "BS", "BT", "CL", "CS", "DB", "DC", "DV", "RA", "FS"}) {
    AddRows(Open(session, "MASTJNS"), {{{"KODE", T(code)}, {"NAMA", T(std::string("KODE ") + code)}}});
  }
  for (const char* code : {"BL", "BS", "BT", "CL", "CS", "RA"}) AddSetting(session, std::string("ISINOMOR") + code, "");
}

console::ValueRow Line(size_t n, const std::string& nota, const std::string& code, const std::string& instrument,
                       double amount) {
  console::ValueRow line = BlankLine(n);
  line[kNota] = Value::Text(xbase::PadR(nota, 20));
  line[kCode] = Value::Text(xbase::PadR(code, 2));
  line[kInstrument] = Value::Text(xbase::PadR(instrument, 20));
  line[kAmount] = Value::Num(amount, 16, 2);
  return line;
}

Receipt MakeReceipt(const std::vector<console::ValueRow>& lines, xbase::Date date, const std::string& number) {
  Receipt receipt;
  receipt.branch = kBranch;
  receipt.number = xbase::PadR(number, 10);
  receipt.is_new = number.empty();
  receipt.date = date;
  receipt.lines = lines;
  return receipt;
}

namespace {

double KreditOf(frame::Session& session, const std::string& table, const std::string& field, const std::string& key) {
  xbase::WorkArea& area = Open(session, table);
  EXPECT_TRUE(area.SetOrder(1).ok());
  EXPECT_TRUE(area.Seek(area.PadToField(field, key)).ok());
  EXPECT_TRUE(area.found()) << table << " " << key;
  return area.Number("KREDIT");
}

}  // namespace

double InvoiceKredit(frame::Session& session, const std::string& nota) {
  return KreditOf(session, "PIUTDBT", "NOTA", nota);
}

double InstrumentKredit(frame::Session& session, const std::string& nomor) {
  return KreditOf(session, "GIRODBT", "NOMOR", nomor);
}

double LinesNaming(frame::Session& session, const std::string& field, const std::string& value) {
  xbase::WorkArea& lines = Open(session, "PIUTKR2");
  double sum = 0;
  EXPECT_TRUE(lines.GoTop().ok());
  while (!lines.eof()) {
    if (xbase::RTrim(lines.Text(field)) == value) sum += lines.Number("KREDIT");
    EXPECT_TRUE(lines.Skip().ok());
  }
  return sum;
}

}  // namespace receivables::testing
