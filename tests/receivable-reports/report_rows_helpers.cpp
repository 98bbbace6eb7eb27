// Customers, receipts and codes written for the receivable report tests.
#include "receivable-reports/report_rows_helpers.h"

namespace receivable_reports::testing {

using support::N;
using support::T;

xbase::Date Day(int month, int day, int year) { return xbase::Date::FromYmd(year, month, day); }

support::TempDataFolder ReportsFolder() {
  return support::TempDataFolder({"MASTCUS", "MASTJNS", "MASTSLS", "TIPE", "OTL_GRP", "OTL_MBR", "SETUP", "PIUTDBT",
                                  "PIUTKR1", "PIUTKR2", "PIUTJBL", "GIRODBT", "GIROKDT", "GIROCAIR", "GIROKR2",
                                  "SRTJLN1", "SRTJLN2"});
}

void Rows::Customer(const std::string& code, const std::string& name, const std::string& city) {
  support::AddRows(support::Open(session_, "MASTCUS"), {{{"RELASI", T(code)}, {"NAMA", T(name)}, {"KOTA", T(city)}}});
}

void Rows::Invoice(const std::string& nota, const std::string& customer, xbase::Date date, double debet,
                   bool approved, const std::string& type, xbase::Date due, const std::string& ktr,
                   const std::string& sales) {
  support::AddRows(support::Open(session_, "PIUTDBT"),
                   {{{"NOTA", T(nota)}, {"TANGGAL", xbase::Value::FromDate(date)}, {"KDCB", T("JKT001")},
                     {"RELASI", T(customer)}, {"TIPE", T(type)}, {"SALES", T(sales)}, {"KTR", T(ktr)},
                     {"DEBET", N(debet)}, {"TEMPO", xbase::Value::FromDate(due.empty() ? date : due)},
                     {"APPROVAL", xbase::Value::Logical(approved)}}});
}

void Rows::Receipt(const std::string& number, xbase::Date date, const std::vector<Line>& lines) {
  support::AddRows(support::Open(session_, "PIUTKR1"),
                   {{{"KDCB", T("JKT001")}, {"NOMOR", T(number)}, {"TANGGAL", xbase::Value::FromDate(date)}}});
  std::vector<support::Row> rows;
  int urut = 0;
  for (const Line& line : lines) {
    rows.push_back({{"KDCB", T("JKT001")}, {"NOMOR", T(number)}, {"NOTA", T(line.nota)}, {"KD_TT", T(line.code)},
                    {"NO_BUKTI", T(line.instrument)}, {"KREDIT", N(line.amount)},
                    {"URUT", T(std::string(2, ' ') + std::to_string(++urut))}});
  }
  support::AddRows(support::Open(session_, "PIUTKR2"), rows);
}

void Rows::Journal(const std::string& nota, const std::string& number, xbase::Date date, const std::string& code,
                   const std::string& instrument, double debet, double kredit) {
  support::AddRows(support::Open(session_, "PIUTJBL"),
                   {{{"NOTA", T(nota)}, {"NOMOR", T(number)}, {"TANGGAL", xbase::Value::FromDate(date)},
                     {"KD_TT", T(code)}, {"NO_BUKTI", T(instrument)}, {"DEBET", N(debet)}, {"KREDIT", N(kredit)},
                     {"NOTES", T("JURNAL " + number)}}});
}

void Rows::Instrument(const std::string& number, const std::string& kind, const std::string& customer, double debet,
                      xbase::Date received, xbase::Date due, bool usable, const std::string& branch) {
  support::AddRows(support::Open(session_, "GIRODBT"),
                   {{{"NOMOR", T(number)}, {"KDCB", T(branch)}, {"KET", T(kind)},
                     {"TANGGAL", xbase::Value::FromDate(due)}, {"TG_TERIMA", xbase::Value::FromDate(received)},
                     {"RELASI", T(customer)}, {"DEBET", N(debet)}, {"NOTES", T("BANK " + number)},
                     {"REALISASI", xbase::Value::Logical(usable)}}});
}

void Rows::Code(const std::string& code, const std::string& option) {
  support::AddRows(support::Open(session_, "MASTJNS"), {{{"KODE", T(code)}, {"NAMA", T(code)}, {"OPSI", T(option)}}});
}

}  // namespace receivable_reports::testing
