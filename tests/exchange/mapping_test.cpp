// The invoice transfer to the head office's MySQL database: the text of values, the figures of the
// lines, the statements of a document and its masters, and the batches sent through a recording link.
#include "exchange/mapping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "support/data_folder.h"
#include "support/scripted_session.h"

namespace exchange {
namespace {

using support::AddRows;
using support::N;
using support::Open;
using support::T;
using xbase::Date;
using xbase::Value;

// A statement as text with its values in place of the placeholders: texts and dates in quotes.
std::string Rendered(const SqlStatement& statement) {
  std::string out;
  size_t next = 0;
  for (const char c : statement.text) {
    if (c != '?' || next >= statement.values.size()) {
      out += c;
      continue;
    }
    const SqlValue& value = statement.values[next++];
    out += value.kind == SqlValue::Kind::kNumber ? value.text : "'" + value.text + "'";
  }
  return out;
}

// Records what it is asked; refuses statements holding `refuse` (as a duplicate key when `duplicate`),
// or the connection when `down`.
class RecordingLink : public SqlLink {
 public:
  explicit RecordingLink(std::string refuse = "", bool duplicate = false, bool down = false)
      : refuse_(std::move(refuse)), duplicate_(duplicate), down_(down) {}
  xbase::Status Connect() override {
    log.push_back("CONNECT");
    connected_ = !down_;
    return down_ ? xbase::Status::InvalidArgument("10.0.0.9", "Can't connect") : xbase::Status::OK();
  }
  bool connected() const override { return connected_; }
  xbase::Status Execute(const SqlStatement& statement) override {
    const std::string text = Rendered(statement);
    if (!text.starts_with("CREATE TABLE")) log.push_back(text);
    if (!refuse_.empty() && text.find(refuse_) != std::string::npos) {
      return duplicate_ ? xbase::Status::InUse("server", "Duplicate entry 'SJ1-INVOICE' for key 'PRIMARY'")
                        : xbase::Status::InvalidArgument("server", "Data too long for column 'relasi' at row 1");
    }
    return xbase::Status::OK();
  }
  void Close() override {
    log.push_back("CLOSE");
    connected_ = false;
  }

  std::vector<std::string> log;

 private:
  std::string refuse_;
  bool duplicate_;
  bool down_;
  bool connected_ = false;
};

TEST(SqlTextTest, ReplacedCharactersAndDates) {
  EXPECT_EQ(GANTIKARAKTER("O'NEIL, A&B \"X\" C:\\DATA   "), "O.NEIL_ A.B -X- C:/DATA");
  EXPECT_EQ(TANGGALTOSTRING(Date()), "1900/01/01");
  EXPECT_EQ(TANGGALTOSTRING(Date::FromYmd(2026, 12, 5)), "2026-12-05");
}

TEST(SqlTextTest, ARefusalTakesBackTheListButNotTheTransaction) {
  RecordingLink link("two");
  const xbase::Status s = QUERYCOMMAND(link, {{"one", {}}, {"two", {}}, {"three", {}}});
  EXPECT_FALSE(s.ok());
  EXPECT_NE(s.message().find("Data too long"), std::string::npos);
  EXPECT_EQ(link.log, (std::vector<std::string>{"SAVEPOINT batch", "one", "two", "ROLLBACK TO SAVEPOINT batch"}));
}

class MappingTest : public ::testing::Test {
 protected:
  MappingTest() {
    rig.session.SetSearchPath(folder.path());
    const Date day = Date::FromYmd(2026, 12, 3);
    AddRows(Open(rig.session, "SRTJLN1"), {{{"INVOICE", T("SJ1")},
                                            {"TANGGAL", Value::FromDate(day)},
                                            {"NOMOR", T("SO,1")},
                                            {"RELASI", T("C001")},
                                            {"TIPE", T("01")},
                                            {"SALES", T("S01")},
                                            {"KDCB", T("JKT001")},
                                            {"TEMPO", Value::FromDate(day)},
                                            {"TERM", N(30)},
                                            {"PESAN", Value::FromDate(day - 1)},
                                            {"KTR1", T("TOKO 'A'")},
                                            {"DISCOUNT", N(2)},
                                            {"CETAK", Value::Logical(true)}},
                                           {{"INVOICE", T("SJ2")},
                                            {"TANGGAL", Value::FromDate(day)},
                                            {"RELASI", T("C001")},
                                            {"CETAK", Value::Logical(false)}},
                                           {{"INVOICE", T("SJ3")},
                                            {"TANGGAL", Value::FromDate(day + 30)},
                                            {"RELASI", T("C001")},
                                            {"CETAK", Value::Logical(true)}}});
    AddRows(Open(rig.session, "SRTJLN2"), {{{"INVOICE", T("SJ1")},
                                            {"KODE", T("BRGA")},
                                            {"GUDANG", T("G1")},
                                            {"QUANTITY", N(3)},
                                            {"HARGA", N(10000)},
                                            {"DISCOUNT", N(10)},
                                            {"DISCOUNT2", N(5)},
                                            {"KTR", T("BONUS & DISKON")}},
                                           {{"INVOICE", T("SJ1")}, {"QUANTITY", N(2)}, {"HARGA", N(1000)}},
                                           {{"INVOICE", T("SJ1")},
                                            {"KODE", T("BRG3")},
                                            {"GUDANG", T("G1")},
                                            {"QUANTITY", N(1)},
                                            {"HARGA", N(5000)},
                                            {"DISCOUNT2", N(100)}}});
    AddRows(Open(rig.session, "RTJUAL1"), {{{"NOMOR", T("RT1")},
                                            {"TANGGAL", Value::FromDate(day + 1)},
                                            {"RELASI", T("C009")},
                                            {"KTR2", T("05 RUSAK")},
                                            {"CETAK", Value::Logical(true)}}});
    AddRows(
        Open(rig.session, "RTJUAL2"),
        {{{"NOMOR", T("RT1")}, {"INVOICE", T("SJ1")}, {"KODE", T("BRGA")}, {"QUANTITY", N(1)}, {"HARGA", N(10000)}}});
    AddRows(Open(rig.session, "MASTBRJ"), {{{"KODE", T("BRGA")},
                                            {"NAMA", T("PENA, BIRU")},
                                            {"HARGA", N(10000)},
                                            {"HPP", N(7500)},
                                            {"PAK", N(12)},
                                            {"DOS", N(144)}}});
    AddRows(Open(rig.session, "MASTCUS"), {{{"RELASI", T("C001")},
                                            {"NAMA", T("TB. SINAR")},
                                            {"ALAMAT", T("JL. A 1  ")},
                                            {"ALAMAT2", T("BLOK B")},
                                            {"NPWP", T("01.234")},
                                            {"TEMPO", N(30)},
                                            {"TEMPO2", N(15)},
                                            {"TEMPO3", N(999)},
                                            {"DISC", N(2.5)}}});
    AddRows(Open(rig.session, "RELASI_EXT"), {{{"RELASI", T("C001")}, {"CODE_ID", T("PL")}, {"KDCB", T("JKT1")}}});
    AddRows(Open(rig.session, "DT_NPWP"), {{{"NPWP", T("01.234")}, {"NAMA", T("PT SINAR")}, {"KOTA", T("BOGOR")}}});
    AddRows(Open(rig.session, "MASTSLS"), {{{"SALES", T("S01")}, {"NAMA", T("BUDI")}, {"NIK", T("N77")}}});
    EXPECT_TRUE(rig.session.tables().CloseAll().ok());
  }

  MappingResult Send(RecordingLink& link) {
    MappingResult result;
    EXPECT_TRUE(
        SendToDatabase(rig.session, Date::FromYmd(2026, 12, 1), Date::FromYmd(2026, 12, 31), link, &result).ok());
    return result;
  }

  support::TempDataFolder folder{{"SRTJLN1", "SRTJLN2", "RTJUAL1", "RTJUAL2", "PIUTDBT", "MASTBRJ", "MASTCUS",
                                  "RELASI_EXT", "MASTSLS", "DT_NPWP", "BPOT_BPT"}};
  support::SessionRig rig;
};

// The statement of the log that begins with `head`, or empty.
std::string Statement(const std::vector<std::string>& log, const std::string& head, int nth = 0) {
  for (const std::string& line : log) {
    if (line.starts_with(head) && nth-- == 0) return line;
  }
  return {};
}

TEST_F(MappingTest, EachPrintedDocumentOfTheRangeGoesInOneTransaction) {
  RecordingLink link;
  const MappingResult result = Send(link);
  const std::vector<std::string>& log = link.log;
  EXPECT_EQ(result.sent, 2);  // SJ1 and RT1: SJ2 is not printed, SJ3 lies after the range
  EXPECT_EQ(result.refused, 0);
  EXPECT_EQ(std::count(log.begin(), log.end(), "CONNECT"), 1);
  EXPECT_EQ(std::count(log.begin(), log.end(), "START TRANSACTION"), 2);
  EXPECT_EQ(std::count(log.begin(), log.end(), "COMMIT"), 2);
  const std::string header = Statement(log, "INSERT INTO sales_header");
  // Totals over all three lines: dpp 25137 + 1960 + 0, dppline 25650 + 2000 + 5000, discounts 513 + 40 + 5000.
  EXPECT_NE(header.find("VALUES ('SJ1','SO_1','C001','01','S01 ','2026-12-03','2027-01-02','2026-12-02','1900/01/01',"
                        "'TOKO .A.','',  2.00,  0.00,'JKT001','03','INVOICE','01',     27097,         0.00,"
                        "     27097.00,     32650,      5553,         0,'RP',         1,"),
            std::string::npos)
      << header;
  // The line without goods counts in the totals but is not sent; the line discounted 100% is.
  EXPECT_EQ(std::count_if(log.begin(), log.end(),
                          [](const std::string& line) { return line.starts_with("INSERT INTO sales_detail"); }),
            3);
  const std::string first = Statement(log, "INSERT INTO sales_detail");
  EXPECT_NE(first.find("VALUES ('SJ1                 ','BRGA      ','G1    ',        3,      10000.00, 10.00,  5.00,"
                       "'BONUS . DISKON','INVOICE',     25137,         0.00,     25137.00,      8550.00,     25650,"
                       "       513,"),
            std::string::npos)
      << first;
  EXPECT_NE(Statement(log, "INSERT INTO sales_detail", 1).find("'BRG3      '"), std::string::npos);
  const std::string customer = Statement(log, "INSERT INTO master_customer_id");
  EXPECT_NE(customer.find("'JL. A 1 BLOK B'"), std::string::npos) << customer;
  EXPECT_NE(customer.find("'30-0'"), std::string::npos) << customer;
  EXPECT_NE(customer.find("'OFFICE'"), std::string::npos);
  EXPECT_EQ(customer.find("addres_id=VALUES"), std::string::npos);
  EXPECT_FALSE(Statement(log, "INSERT INTO master_npwp").empty());
  EXPECT_NE(Statement(log, "INSERT INTO master_sales").find("'JKT1'"), std::string::npos);
  // The return: its own number, dates and transaction from its note; the customer is not known.
  EXPECT_NE(Statement(log, "INSERT INTO sales_header", 1).find("'RT1','RT1','C009'"), std::string::npos);
  EXPECT_NE(Statement(log, "INSERT INTO sales_header", 1).find("'RETURN','05'"), std::string::npos);
  EXPECT_TRUE(Statement(log, "INSERT INTO master_customer_id", 1).empty());
}

TEST_F(MappingTest, ARefusedDocumentIsTakenBackAndTheNextConnectsAfresh) {
  RecordingLink link("VALUES ('SJ1'");
  const MappingResult result = Send(link);
  EXPECT_EQ(result.sent, 1);
  EXPECT_EQ(result.refused, 1);
  EXPECT_EQ(result.error, "server: Data too long for column 'relasi' at row 1");
  EXPECT_EQ(std::count(link.log.begin(), link.log.end(), "ROLLBACK"), 1);
  EXPECT_EQ(std::count(link.log.begin(), link.log.end(), "CONNECT"), 2);

  RecordingLink there("VALUES ('SJ1'", true);
  const MappingResult again = Send(there);
  EXPECT_EQ(again.sent, 1);
  EXPECT_EQ(again.already_there, 1);
  EXPECT_EQ(again.refused, 0);
  EXPECT_EQ(again.error, "");
  EXPECT_EQ(std::count(there.log.begin(), there.log.end(), "COMMIT"), 2);

  RecordingLink down("", false, true);
  const MappingResult none = Send(down);
  EXPECT_EQ(none.refused, 2);
  EXPECT_EQ(none.error, "10.0.0.9: Can't connect");
}

}  // namespace
}  // namespace exchange
