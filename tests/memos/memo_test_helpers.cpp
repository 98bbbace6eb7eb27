// A data folder for the memo tests and ways to read back the rows a memo wrote.
#include "memos/memo_test_helpers.h"

#include "support/sample_customers.h"
#include "xbase/number_text.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace memos {

using support::AddRows;
using support::N;
using support::Open;
using support::T;

xbase::Date Day(int day, int month, int year) { return xbase::Date::FromYmd(year, month, day); }

MemoTest::MemoTest() {
  rig.session.SetSearchPath(folder.path());
  rig.session.MMEMBER.nik = "ADM01";
  // The posting window of the login: the process month of the rig's today.
  rig.session.ZTGLBATAS = rig.session.Today();
  rig.session.ZTGPROSES = xbase::Date::FromYmd(2026, 12, 31);
  support::AddSampleCustomers(rig.session);
  AddRows(Open(rig.session, "SETUP"), {{{"SETUP", T("B2")}, {"KET", T("CABANG DUA")}},
                                       {{"SETUP", T("MADMB2")}, {"KET", T("0000000041")}},
                                       {{"SETUP", T("MDRVB2")}, {"KET", T("7")}},
                                       {{"SETUP", T("MGDGB2")}, {"KET", T("")}},
                                       {{"SETUP", T("MPJKB2")}, {"KET", T("0000000012")}}});
  AddRows(Open(rig.session, "MASTBRJ"), {{{"KODE", T("BRG01")}, {"NAMA", T("BUKU TULIS")}, {"DOS", N(24)}, {"PAK", N(6)}},
                                         {{"KODE", T("BRG02")}, {"NAMA", T("PENSIL 2B")}, {"DOS", N(10)}}});
  AddRows(Open(rig.session, "KARYAWAN"), {{{"NIK", T("DRV01")}, {"NAMA", T("JOKO SUSILO")}}});
  AddNote("SJ0001", Day(1), "B2230001", Day(3), {{"BRG01", 2, 48, 1000}, {"BRG02", 3, 30, 500}}, 63000);
  AddNote("SJ0002", Day(2), "B2990005", Day(4), {{"BRG01", 4, 96, 1000}}, 96000);
  AddNote("SJ0003", Day(3), "B2990003", Day(5), {});
  EXPECT_TRUE(rig.session.tables().CloseAll().ok());
}

void MemoTest::AddNote(const std::string& invoice, xbase::Date date, const std::string& customer, xbase::Date shipping,
                       const std::vector<GoodsRow>& goods, double amount) {
  AddRows(Open(rig.session, "SRTJLN1"), {{{"INVOICE", T(invoice)}, {"TANGGAL", xbase::Value::FromDate(date)},
                                          {"RELASI", T(customer)}, {"KIRIM", xbase::Value::FromDate(shipping)},
                                          {"KDCB", T("B2")}, {"NOMOR", T("SO" + invoice)},
                                          {"PESAN", xbase::Value::FromDate(date - 1)}, {"KTR1", T("KET " + invoice)}}});
  int line = 0;
  for (const GoodsRow& item : goods) {
    AddRows(Open(rig.session, "SRTJLN2"), {{{"INVOICE", T(invoice)}, {"KODE", T(item.code)}, {"GUDANG", T("GDG01")},
                                            {"Q_BOX", N(item.cartons)}, {"QUANTITY", N(item.quantity)},
                                            {"HARGA", N(item.price)}, {"URUT", T(xbase::Str(++line, 3))}}});
  }
  if (amount != 0) {
    AddRows(Open(rig.session, "PIUTDBT"), {{{"NOTA", T(invoice)}, {"TANGGAL", xbase::Value::FromDate(date)},
                                            {"RELASI", T(customer)}, {"DEBET", N(amount)}}});
  }
}

void MemoTest::AddMemo(const std::string& header, const std::string& lines, const std::string& number,
                       xbase::Date date, bool approved, const std::vector<support::Row>& rows) {
  AddRows(Open(rig.session, header), {{{"KDCB", T("B2")}, {"NOMOR", T(number)}, {"TANGGAL", xbase::Value::FromDate(date)},
                                       {"APPROVAL", xbase::Value::Logical(approved)}}});
  for (support::Row row : rows) {
    row.insert(row.begin(), {{"KDCB", T("B2")}, {"NOMOR", T(number)}});
    AddRows(Open(rig.session, lines), {row});
  }
  EXPECT_TRUE(rig.session.tables().CloseAll().ok());
}

bool MemoTest::Run(xbase::Status (*entry)(frame::Session&, const std::vector<xbase::Value>&),
                   const std::vector<xbase::Value>& args) {
  EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  const xbase::Status s = entry(rig.session, args);
  EXPECT_TRUE(s.ok()) << s.ToString();
  return s.ok() && rig.session.tables().field_faults().empty();
}

xbase::WorkArea& MemoTest::Reopen(const std::string& table) {
  EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  return Open(rig.session, table);
}

std::vector<uint32_t> MemoTest::RowsWhere(const std::string& table, const std::string& key, const std::string& value) {
  xbase::WorkArea& area = Reopen(table);
  std::vector<uint32_t> records;
  for (uint32_t recno = 1; recno <= area.table().record_count(); ++recno) {
    if (support::StoredText(area, recno, key) == value) records.push_back(recno);
  }
  return records;
}

std::string MemoTest::Stored(const std::string& table, uint32_t recno, const std::string& field) {
  return support::StoredText(Reopen(table), recno, field);
}

}  // namespace memos

namespace memos {

std::string MemoTest::Setting(const std::string& key) {
  const std::vector<uint32_t> rows = RowsWhere("SETUP", "SETUP", key);
  return rows.empty() ? "(none)" : Stored("SETUP", rows.front(), "KET");
}

}  // namespace memos
