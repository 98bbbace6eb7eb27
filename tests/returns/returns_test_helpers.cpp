// A data folder for the return tests and the live rows of its tables.
#include "returns/returns_test_helpers.h"

#include "console/scripted_terminal.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace returns::testing {

std::vector<std::string> ReturnTables() {
  return {"SETUP",   "MASTBRJ", "STOKBRG", "SRTJLN1", "SRTJLN2", "SRTJLN3",  "MASTCUS", "SLSODR1", "SLSODR2",
          "PIUTDBT", "PERUSH",  "TIPE",    "MASTSLS", "MASTGDG", "RTJUAL1",  "RTJUAL2", "RTJUAL3", "PIUTKR1",
          "PIUTKR2", "PPN_KEL", "GIRODBT", "MASTJNS", "DRAFTR1", "DRAFTR2",  "KIRIMAPP", "RELASI_EXT",
          "OTL_GRP", "OTL_MBR", "PIUTJBL", "GIROKR1", "GIROKR2", "GIRO_RL",  "GIRO_PI", "GIROCAIR", "GIROKDT",
          "MASTACC", "PRO_IN1"};
}

std::vector<std::string> RecordsOf(xbase::Session& session, const std::string& table) {
  std::vector<std::string> rows;
  xbase::WorkArea* area = session.Area(table);
  if (area == nullptr) {
    ADD_FAILURE() << table << " not open";
    return rows;
  }
  xbase::ShowDeleted all(&session);
  EXPECT_TRUE(area->SetOrder(0).ok());
  xbase::Status s = area->GoTop();
  for (; s.ok() && !area->eof(); s = area->Skip()) {
    std::string row = area->deleted() ? "*" : "";
    for (int i = 0; i < area->table().field_count(); ++i) {
      const xbase::Value value = area->FieldValue(i);
      if (i > 0) row += "|";
      if (value.is_text()) {
        row += std::string(xbase::RTrim(value.text()));
      } else if (value.is_number()) {
        const double number = value.number();
        row += number == static_cast<double>(static_cast<long long>(number)) ? std::to_string(static_cast<long long>(number))
                                                                           : std::to_string(number);
      } else if (value.is_logical()) {
        row += value.logical() ? "T" : "F";
      } else {
        row += value.date().Dtos();
      }
    }
    rows.push_back(row);
  }
  EXPECT_TRUE(s.ok()) << s.ToString();
  return rows;
}

ReturnsTest::ReturnsTest() {
  rig.session.SetSearchPath(folder.path());
  rig.session.MMEMBER.nik = "ADMIN01";
  rig.session.ZTGLBATAS = kDay;
  // The screens' tables stand open as the entry procedures leave them.
  for (const std::string& table : ReturnTables()) Open(rig.session, table);
  AddRows(Open(rig.session, "MASTBRJ"),
          {{{"KODE", T("BRG01")}, {"NAMA", T("SABUN CAIR 500ML")}, {"DOS", N(12)}, {"PAK", N(6)}, {"JUMLAH", N(50)}}});
  AddRows(Open(rig.session, "STOKBRG"), {{{"KODE", T("BRG01")}, {"GUDANG", T("GDG01")}, {"JUMLAH", N(50)}}});
  AddRows(Open(rig.session, "MASTCUS"), {{{"RELASI", T("C0001")}, {"NAMA", T("TOKO MAJU")}, {"KOTA", T("BOGOR")},
                                          {"TEMPO", N(30)}, {"TEMPO2", N(0)}, {"TEMPO3", N(15)}, {"TEMPO4", N(0)}}});
  for (const char* code : {"BL", "BS", "R1", "R2", "RA"}) {
    AddRows(Open(rig.session, "MASTJNS"), {{{"KODE", T(code)}, {"NAMA", T(std::string("KODE ") + code)}}});
  }
  for (const char* code : {"BL", "BS", "R1", "R2"}) AddSetting(std::string("ISINOMOR") + code, "");
}

void ReturnsTest::AddNote(const std::string& invoice, xbase::Date date, bool printed, double quantity, double price,
                          double d1, double d2, double debet, double header_discount) {
  AddRows(Open(rig.session, "SRTJLN1"),
          {{{"INVOICE", T(invoice)}, {"TANGGAL", Value::FromDate(date)}, {"RELASI", T("C0001")}, {"TIPE", T("01")},
            {"SALES", T("S001")}, {"KDCB", T(kBranch)}, {"CODE_ID", T("0")}, {"INCLUDE", Value::Logical(true)},
            {"DISCOUNT", N(header_discount)},
            {"CETAK", Value::Logical(printed)}}});
  AddRows(Open(rig.session, "SRTJLN2"),
          {{{"INVOICE", T(invoice)}, {"KODE", T("BRG01")}, {"GUDANG", T("GDG01")}, {"QUANTITY", N(quantity)},
            {"HARGA", N(price)}, {"DISCOUNT", N(d1)}, {"DISCOUNT2", N(d2)}, {"KTR", T("BONUS")},
            {"URUTAN", T("  1")}, {"URUT", T("  1")}, {"HRG_RATA", N(700)}}});
  AddRows(Open(rig.session, "PIUTDBT"), {{{"NOTA", T(invoice)}, {"TANGGAL", Value::FromDate(date)}, {"KDCB", T(kBranch)},
                                          {"RELASI", T("C0001")}, {"DEBET", N(debet)}, {"TEMPO", Value::FromDate(date + 30)}}});
}

void ReturnsTest::AddSetting(const std::string& key, const std::string& ket) {
  AddRows(Open(rig.session, "SETUP"), {{{"SETUP", T(key)}, {"KET", T(ket)}}});
}

double ReturnsTest::Stock() { return Number("STOKBRG", "GUDANG", "GDG01", "JUMLAH"); }

std::vector<uint32_t> ReturnsTest::LiveRows(const std::string& table) {
  xbase::WorkArea& area = Open(rig.session, table);
  std::vector<uint32_t> rows;
  EXPECT_TRUE(area.SetOrder(0).ok());
  xbase::Status s = area.GoTop();
  for (; s.ok() && !area.eof(); s = area.Skip()) rows.push_back(area.recno());
  EXPECT_TRUE(s.ok()) << s.ToString();
  return rows;
}

std::string ReturnsTest::Field(const std::string& table, const std::string& key, const std::string& value,
                               const std::string& field) {
  xbase::WorkArea& area = Open(rig.session, table);
  for (uint32_t row : LiveRows(table)) {
    EXPECT_TRUE(area.GoTo(row).ok());
    if (xbase::AllTrim(area.Text(key)) == value) return support::StoredText(area, row, field);
  }
  return "<none>";
}

double ReturnsTest::Number(const std::string& table, const std::string& key, const std::string& value,
                           const std::string& field) {
  xbase::WorkArea& area = Open(rig.session, table);
  for (uint32_t row : LiveRows(table)) {
    EXPECT_TRUE(area.GoTo(row).ok());
    if (xbase::AllTrim(area.Text(key)) == value) return area.Number(field);
  }
  return -1;
}

bool ReturnsTest::Flag(const std::string& table, const std::string& key, const std::string& value,
                       const std::string& field) {
  xbase::WorkArea& area = Open(rig.session, table);
  for (uint32_t row : LiveRows(table)) {
    EXPECT_TRUE(area.GoTo(row).ok());
    if (xbase::AllTrim(area.Text(key)) == value) return area.Logical(field);
  }
  return false;
}

std::string ReturnsTest::Message() {
  const auto& screens = rig.term.screens();
  return screens.empty() ? "" : std::string(xbase::AllTrim(console::ScriptedTerminal::Text(screens.back(), 24)));
}

}  // namespace returns::testing
