// Goods, groups, customers and notes written for the performance report tests.
#include "report_rig.h"

#include <sstream>

#include "console/keys.h"
#include "support/files.h"
#include "xbase/text_functions.h"

namespace performance {

using support::N;
using support::T;

namespace {

const std::vector<std::string> kTables = {
    "SRTJLN1", "SRTJLN2",   "RTJUAL1",   "RTJUAL2",   "MASTCUS", "MASTBRJ",  "MASTSLS", "DTSALES", "KONVERT",
    "PATRON",  "PATRON2",   "TGSALES",   "MSTARGET1", "MSTARGET2", "SPV_SALES", "SALES_MEM", "SETUP", "TARIFPA",
    "TIPE",    "CABANG",    "PIUTDBT",   "PIUTJBL",   "PIUTKR1", "PIUTKR2",  "MASTJNS", "OTL_GRP", "OTL_MBR",
    "TARGET",  "I_FOKUS",   "STOKBRG",   "BMONITOR",  "DATABM",  "PK_TOUR",  "MASTGOL"};

void Document(frame::Session& session, bool is_return, const std::string& number, xbase::Date date,
              const std::string& customer, const std::string& salesman, const std::vector<TestLine>& lines,
              const TestHeader& header) {
  support::Row row = {{is_return ? "NOMOR" : "INVOICE", T(number)}, {"TANGGAL", xbase::Value::FromDate(date)},
                      {"RELASI", T(customer)}, {"SALES", T(salesman)}, {"TIPE", T(header.type)},
                      {"KDCB", T(header.branch)}, {"DISCOUNT", N(header.discount1)}, {"DISCOUNT2", N(header.discount2)},
                      {"CETAK", xbase::Value::Logical(header.printed)}, {"BATAL", xbase::Value::Logical(header.cancelled)}};
  if (!is_return) {
    row.push_back({"RET_ADM", T(header.admin_return)});
    row.push_back({"NOMOR", T(header.order)});
  }
  support::AddRows(support::Open(session, is_return ? "RTJUAL1" : "SRTJLN1"), {row});
  int urut = 0;
  for (const TestLine& line : lines) {
    support::AddRows(support::Open(session, is_return ? "RTJUAL2" : "SRTJLN2"),
                     {{{is_return ? "NOMOR" : "INVOICE", T(number)}, {"KODE", T(line.code)}, {"QUANTITY", N(line.quantity)},
                       {"HARGA", N(line.price)}, {"DISCOUNT", N(line.discount1)}, {"DISCOUNT2", N(line.discount2)},
                       {"URUT", T(xbase::PadL(std::to_string(++urut), 3))}}});
  }
}

}  // namespace

xbase::Date D(int year, int month, int day) { return xbase::Date::FromYmd(year, month, day); }

ReportRig::ReportRig() : data(kTables) {
  rig.session.SetSearchPath(data.path());
  rig.session.TMPFILELAP_ = home.path();
  platform::WorkstationSettings settings;
  EXPECT_TRUE(platform::ReadWorkstationSettings(xbase::IniFile(), home.path(), &settings).ok());
  settings.reports_folder = reports.path();
  rig.session.services().Configure(std::move(settings));
}

ReportRig::~ReportRig() { EXPECT_TRUE(rig.session.tables().CloseAll().ok()); }

void ReportRig::Note(const std::string& number, xbase::Date date, const std::string& customer, const std::string& salesman,
                     const std::vector<TestLine>& lines, const TestHeader& header) {
  Document(rig.session, false, number, date, customer, salesman, lines, header);
}

void ReportRig::Return(const std::string& number, xbase::Date date, const std::string& customer,
                       const std::string& salesman, const std::vector<TestLine>& lines, const TestHeader& header) {
  Document(rig.session, true, number, date, customer, salesman, lines, header);
}

void ReportRig::Item(const std::string& code, const std::string& group, double carton_size, const std::string& name) {
  Add("MASTBRJ", {{"KODE", T(code)}, {"GOLONGAN", T(group)}, {"NAMA", T(name)}, {"DOS", N(carton_size)}});
}

void ReportRig::Member(const std::string& group, const std::string& item) {
  Add("PATRON2", {{"PATRON", T(group)}, {"KODE", T(item)}});
}

void ReportRig::Salesman(const std::string& code, const std::string& name, const std::string& title,
                         const std::string& superior, const std::string& old_code) {
  Add("MASTSLS", {{"SALES", T(code)}, {"NAMA", T(name)}, {"JABATAN", T(title)}, {"INDUK", T(superior)},
                  {"KD_LAMA", T(old_code)}});
}

void ReportRig::Customer(const std::string& code, const std::string& name, const std::string& group, double level) {
  Add("MASTCUS", {{"RELASI", T(code)}, {"NAMA", T(name)}, {"KELOMPOK", T(group)}, {"TERIMA", N(level)}, {"KOTA", T("JAKARTA")}});
}

platform::SheetData ReportRig::Sheet(const std::string& path, const std::string& name) {
  platform::XlsxReader reader;
  platform::SheetData sheet;
  EXPECT_TRUE(reader.Open(path).ok()) << path;
  const std::vector<std::string>& names = reader.sheet_names();
  for (size_t i = 0; i < names.size(); ++i) {
    if (name.empty() || names[i] == name) {
      EXPECT_TRUE(reader.ReadSheet(i, &sheet).ok());
      return sheet;
    }
  }
  ADD_FAILURE() << "no sheet " << name << " in " << path;
  return sheet;
}

std::vector<std::string> ReportRig::SheetNames(const std::string& path) {
  platform::XlsxReader reader;
  EXPECT_TRUE(reader.Open(path).ok()) << path;
  return reader.sheet_names();
}

void ReportRig::QueueCopy() {
  ++copies_made_;
  rig.term.AddKeys(support::Keys({{'C'}, support::Line("rep" + std::to_string(copies_made_) + ".t"),
                                  support::Line(copies_.path()), {'y'}, {console::key::kEsc}}));
}

std::string ReportRig::CopiedText() {
  return support::ReadFile(copies_.File("rep" + std::to_string(copies_made_) + ".t"));
}

double Number(const platform::SheetData& sheet, int row, int column) {
  const platform::SheetCell* cell = sheet.Find(row, column);
  EXPECT_TRUE(cell != nullptr && cell->kind == platform::SheetCell::Kind::kNumber)
      << sheet.name << " row " << row << " column " << column;
  return cell == nullptr ? -1 : cell->number;
}

std::string Text(const platform::SheetData& sheet, int row, int column) {
  const platform::SheetCell* cell = sheet.Find(row, column);
  return cell == nullptr ? std::string() : cell->text;
}

std::vector<std::string> LinesWith(const std::string& text, const std::string& part) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (line.find(part) != std::string::npos) lines.push_back(line);
  }
  return lines;
}

}  // namespace performance
