// The invoice transfer against a real MariaDB server of this test program's own (made once for the
// program, on a socket in a temporary folder), logged in as a user with only the rights README names.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "console/keys.h"
#include "exchange/exchange.h"
#include "exchange/mapping.h"
#include "support/data_folder.h"
#include "support/private_mariadb.h"
#include "support/scripted_session.h"

namespace exchange {
namespace {

using support::AddRows;
using support::N;
using support::Open;
using support::T;
using xbase::Date;
using xbase::Value;

using Rows = std::vector<std::string>;

// Hands every statement to the server's link; kills the server before the statement that `kill_at`
// picks, as a crash between the statements of a document would.
class KillingLink : public SqlLink {
 public:
  KillingLink(std::unique_ptr<SqlLink> link, support::PrivateMariaDb* server,
              std::function<bool(const SqlStatement&)> kill_at)
      : link_(std::move(link)), server_(server), kill_at_(std::move(kill_at)) {}
  xbase::Status Connect() override { return link_->Connect(); }
  bool connected() const override { return link_->connected(); }
  xbase::Status Execute(const SqlStatement& statement) override {
    if (kill_at_(statement)) server_->Kill();
    return link_->Execute(statement);
  }
  void Close() override { link_->Close(); }

 private:
  std::unique_ptr<SqlLink> link_;
  support::PrivateMariaDb* server_;
  std::function<bool(const SqlStatement&)> kill_at_;
};

class MySqlServerTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { server_ = new support::PrivateMariaDb; }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }

  void SetUp() override {
    std::string why;
    if (!running_) running_ = server_->Start(&why);
    ASSERT_TRUE(running_) << "no private MariaDB server: " << why;
    // The transfer's user has only the rights README names, on a database made empty for each case.
    ASSERT_TRUE(server_->Run({"DROP DATABASE IF EXISTS mapping_clipper", "CREATE DATABASE mapping_clipper",
                              "CREATE USER IF NOT EXISTS transfer@localhost IDENTIFIED BY 'rahasia'",
                              "GRANT CREATE, SELECT, INSERT, UPDATE ON mapping_clipper.* TO transfer@localhost"},
                             &why))
        << why;
    settings.server = "localhost";
    settings.socket = server_->socket();
    settings.user = "transfer";
    settings.password = "rahasia";
    settings.timeout_seconds = 5;
    AddDocuments();
  }

  // Two printed invoices (one with a zero-quantity line) and a printed return in December, an
  // unprinted invoice; codes and texts hold quotes, backslashes, semicolons and comment marks.
  void AddDocuments() {
    rig.session.SetSearchPath(folder.path());
    const Date day = Date::FromYmd(2026, 12, 3);
    AddRows(Open(rig.session, "SRTJLN1"), {{{"INVOICE", T("SJ'1;--")},
                                            {"TANGGAL", Value::FromDate(day)},
                                            {"NOMOR", T("SO\\1")},
                                            {"RELASI", T("C'1;--")},
                                            {"TIPE", T("01")},
                                            {"SALES", T("S'1")},
                                            {"KDCB", T("JK'T1")},
                                            {"TEMPO", Value::FromDate(day)},
                                            {"TERM", N(30)},
                                            {"PESAN", Value::FromDate(day - 1)},
                                            {"KTR1", T("x'); DROP TABLE y;--")},
                                            {"DISCOUNT", N(2)},
                                            {"CETAK", Value::Logical(true)}},
                                           {{"INVOICE", T("SJ2")},
                                            {"TANGGAL", Value::FromDate(day)},
                                            {"RELASI", T("C002")},
                                            {"CETAK", Value::Logical(false)}},
                                           {{"INVOICE", T("SJ3")},
                                            {"TANGGAL", Value::FromDate(day + 2)},
                                            {"RELASI", T("C002")},
                                            {"TEMPO", Value::FromDate(day + 2)},
                                            {"PESAN", Value::FromDate(day + 1)},
                                            {"KIRIM", Value::FromDate(day + 2)},
                                            {"CETAK", Value::Logical(true)}}});
    AddRows(Open(rig.session, "SRTJLN2"), {{{"INVOICE", T("SJ'1;--")},
                                            {"KODE", T("B'\\;--")},
                                            {"GUDANG", T("G'1")},
                                            {"QUANTITY", N(3)},
                                            {"HARGA", N(10000)},
                                            {"DISCOUNT", N(10)},
                                            {"DISCOUNT2", N(5)},
                                            {"KTR", T("a\\b'c")}},
                                           {{"INVOICE", T("SJ'1;--")},
                                            {"KODE", T("BRG2")},
                                            {"QUANTITY", N(0)},
                                            {"HARGA", N(5000)}},
                                           {{"INVOICE", T("SJ3")},
                                            {"KODE", T("BRG2")},
                                            {"GUDANG", T("G1")},
                                            {"QUANTITY", N(2)},
                                            {"HARGA", N(5000)}},
                                           {{"INVOICE", T("SJ3")},
                                            {"KODE", T("BRG2")},
                                            {"GUDANG", T("G2")},
                                            {"QUANTITY", N(1)},
                                            {"HARGA", N(5000)}}});
    AddRows(Open(rig.session, "RTJUAL1"), {{{"NOMOR", T("RT1")},
                                            {"TANGGAL", Value::FromDate(day + 3)},
                                            {"RELASI", T("C002")},
                                            {"KTR2", T("05 RUSAK")},
                                            {"CETAK", Value::Logical(true)}}});
    AddRows(Open(rig.session, "RTJUAL2"), {{{"NOMOR", T("RT1")},
                                            {"INVOICE", T("SJ3")},
                                            {"KODE", T("BRG2")},
                                            {"GUDANG", T("G1")},
                                            {"QUANTITY", N(1)},
                                            {"HARGA", N(5000)}}});
    AddRows(Open(rig.session, "MASTBRJ"), {{{"KODE", T("B'\\;--")},
                                            {"NAMA", T("PENA 'BIRU'; --")},
                                            {"SATUAN", T("PC'S")},
                                            {"HARGA", N(10000)},
                                            {"HPP", N(7500)},
                                            {"PAK", N(12)},
                                            {"DOS", N(144)}},
                                           {{"KODE", T("BRG2")}, {"NAMA", T("BUKU\\TULIS")}, {"HARGA", N(5000)}}});
    AddRows(Open(rig.session, "MASTCUS"), {{{"RELASI", T("C'1;--")},
                                            {"NAMA", T("O'NEIL\"; DROP TABLE x; --")},
                                            {"ALAMAT", T("JL. A 1")},
                                            {"NPWP", T("01.2'3")},
                                            {"TEMPO", N(30)},
                                            {"TEMPO2", N(15)},
                                            {"TEMPO3", N(999)}},
                                           {{"RELASI", T("C002")},
                                            {"NAMA", T("TB. MAJU")},
                                            {"TEMPO", N(30)},
                                            {"TEMPO2", N(15)},
                                            {"TEMPO3", N(30)}}});
    AddRows(Open(rig.session, "RELASI_EXT"), {{{"RELASI", T("C'1;--")}, {"CODE_ID", T("P'L")}, {"KDCB", T("JK'T")}},
                                              {{"RELASI", T("C002")}, {"CODE_ID", T("PL")}, {"KDCB", T("JKT")}}});
    AddRows(Open(rig.session, "DT_NPWP"), {{{"NPWP", T("01.2'3")}, {"NAMA", T("PT 'SINAR'")}, {"KOTA", T("BOGOR")}}});
    AddRows(Open(rig.session, "MASTSLS"), {{{"SALES", T("S'1")}, {"NAMA", T("BUDI")}, {"NIK", T("N\\77")}}});
    ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  }

  MappingResult Send(SqlLink& link) {
    MappingResult result;
    EXPECT_TRUE(SendToDatabase(rig.session, Date::FromYmd(2026, 12, 1), Date::FromYmd(2026, 12, 31), link, &result).ok());
    return result;
  }
  MappingResult Send() { return Send(*MariaDbLink(settings)); }

  static Rows Query(const std::string& query) { return server_->Rows(query, "mapping_clipper"); }

  static inline support::PrivateMariaDb* server_ = nullptr;
  static inline bool running_ = false;
  platform::MySqlSettings settings;
  support::TempDataFolder folder{{"SRTJLN1", "SRTJLN2", "RTJUAL1", "RTJUAL2", "PIUTDBT", "MASTBRJ", "MASTCUS",
                                  "RELASI_EXT", "MASTSLS", "DT_NPWP", "BPOT_BPT"}};
  support::SessionRig rig;
};

TEST_F(MySqlServerTest, TablesAreMadeAndPrintedDocumentsStoredWithTheirFigures) {
  const MappingResult result = Send();
  EXPECT_EQ(result.sent, 3) << result.error;  // SJ'1;--, SJ3 and RT1; SJ2 is not printed
  EXPECT_EQ(result.refused, 0);
  EXPECT_EQ(result.masters_refused, 0);
  EXPECT_EQ(Query("SHOW TABLES"), (Rows{"master_barang_jadi", "master_customer_id", "master_npwp", "master_sales",
                                        "sales_detail", "sales_header"}));
  EXPECT_EQ(Query("SELECT invoice, doctype, tanggal, tgl_tempo, tgl_order, tgl_kirim, discount, nilaiDpp, dppline, "
                  "tradeDiscount, amount, currencyId, nilaiKurs, transaction_id FROM sales_header ORDER BY tanggal"),
            (Rows{"SJ.1;--|INVOICE|2026-12-03|2027-01-02|2026-12-02|1900-01-01|2.00|25137.00|25650.00|513.00|25137.00|"
                  "RP|1.0000|01",
                  "SJ3|INVOICE|2026-12-05|2026-12-05|2026-12-04|2026-12-05|0.00|15000.00|15000.00|0.00|15000.00|RP|"
                  "1.0000|01",
                  "RT1|RETURN|2026-12-06|2026-12-06|2026-12-06|2026-12-06|0.00|5000.00|5000.00|0.00|5000.00|RP|"
                  "1.0000|05"}));
  // The zero-quantity line counts in the totals above but is not sent.
  EXPECT_EQ(Query("SELECT invoice, kd_barang, kd_gudang, quantity, harga, priceTax, totalPriceTax, nilaiDpp "
                  "FROM sales_detail ORDER BY id"),
            (Rows{"SJ'1;--             |B'\\;--    |G'1   |3.00|10000.00|8550.00|25650.00|25137.00",
                  "SJ3                 |BRG2      |G1    |2.00|5000.00|5000.00|10000.00|10000.00",
                  "SJ3                 |BRG2      |G2    |1.00|5000.00|5000.00|5000.00|5000.00",
                  "RT1                 |BRG2      |G1    |1.00|5000.00|5000.00|5000.00|5000.00"}));
  EXPECT_EQ(Query("SELECT customer_id, payment_term, addres_id FROM master_customer_id ORDER BY customer_id"),
            (Rows{"C.1;--|30-0|OFFICE", "C002|30-45|OFFICE"}));
}

TEST_F(MySqlServerTest, QuotesBackslashesAndCommentMarksAreStoredAsSentAndRunNothing) {
  const Rows before = Query("SHOW GLOBAL STATUS WHERE Variable_name IN ('Com_drop_table', 'Com_delete')");
  ASSERT_EQ(Send().sent, 3);
  EXPECT_EQ(Query("SHOW GLOBAL STATUS WHERE Variable_name IN ('Com_drop_table', 'Com_delete')"), before);
  // Codes go as stored; numbers, names and notes through the character replacement.
  EXPECT_EQ(Query("SELECT invoice, no_order, relasi, kode_sales, kode_cabang, ktr1 FROM sales_header "
                  "WHERE doctype = 'INVOICE' ORDER BY tanggal LIMIT 1"),
            (Rows{"SJ.1;--|SO/1|C.1;--|S'1 |JK'T1 |x.); DROP TABLE y;--"}));
  EXPECT_EQ(Query("SELECT notes FROM sales_detail ORDER BY id LIMIT 1"), (Rows{"a/b.c"}));
  EXPECT_EQ(Query("SELECT kode, nama, satuan FROM master_barang_jadi ORDER BY kode"),
            (Rows{"B'\\;--    |PENA .BIRU.; --|PC'S  ", "BRG2      |BUKU/TULIS|      "}));
  EXPECT_EQ(Query("SELECT company_id, branch_id, short_name, npwp_id FROM master_customer_id ORDER BY customer_id "
                  "LIMIT 1"),
            (Rows{"P'L  |JK'T|O.NEIL-; DROP TABLE x; --|01.2'3         "}));
  EXPECT_EQ(Query("SELECT npwp, nama FROM master_npwp"), (Rows{"01.2'3         |PT .SINAR."}));
  EXPECT_EQ(Query("SELECT kode_sales, no_induk, branch_id FROM master_sales"), (Rows{"S'1 |N\\77      |JK'T"}));
}

TEST_F(MySqlServerTest, ASecondRunKeepsOneCopyCountsAlreadyThereAndUpdatesTheMasters) {
  ASSERT_EQ(Send().sent, 3);
  xbase::WorkArea& salesmen = Open(rig.session, "MASTSLS");
  ASSERT_TRUE(salesmen.GoTo(1).ok());
  ASSERT_TRUE(salesmen.Lock().ok());
  ASSERT_TRUE(salesmen.Put("NAMA", T("BUDI S")).ok());
  ASSERT_TRUE(rig.session.tables().CloseAll().ok());
  const MappingResult again = Send();
  EXPECT_EQ(again.sent, 0);
  EXPECT_EQ(again.already_there, 3);
  EXPECT_EQ(again.refused, 0);
  EXPECT_EQ(again.error, "");
  EXPECT_EQ(Query("SELECT COUNT(*) FROM sales_header"), (Rows{"3"}));
  EXPECT_EQ(Query("SELECT COUNT(*) FROM sales_detail"), (Rows{"4"}));
  EXPECT_EQ(Query("SELECT nama FROM master_sales"), (Rows{"BUDI S"}));
  EXPECT_EQ(ResultLines(again), (Rows{"Terkirim       : 0", "Sudah ada      : 3", "Ditolak        : 0",
                                      "Master ditolak : 0"}));
}

TEST_F(MySqlServerTest, RefusedMastersAreTakenBackAndTheDocumentGoesAllTheSame) {
  std::string why;
  // A salesman table made by hand with a name column too narrow for the salesman's name.
  ASSERT_TRUE(server_->Run({"CREATE TABLE mapping_clipper.master_sales (kode_sales VARCHAR(4) PRIMARY KEY, "
                            "nama VARCHAR(2), no_induk VARCHAR(10), branch_id VARCHAR(4))"},
                           &why))
      << why;
  const MappingResult result = Send();
  EXPECT_EQ(result.sent, 3);
  EXPECT_EQ(result.masters_refused, 1);
  EXPECT_NE(result.error.find("Data too long for column 'nama'"), std::string::npos) << result.error;
  // The first invoice's goods and customer went back with its salesman; the later documents' stayed.
  EXPECT_EQ(Query("SELECT customer_id FROM master_customer_id"), (Rows{"C002"}));
  EXPECT_EQ(Query("SELECT kode FROM master_barang_jadi"), (Rows{"BRG2      "}));
  EXPECT_EQ(Query("SELECT COUNT(*) FROM sales_detail"), (Rows{"4"}));
}

TEST_F(MySqlServerTest, AServerStoppedHalfWayLeavesWholeDocumentsOnly) {
  // The server dies while the second invoice's line is being sent: its header is not kept, and the
  // return after it finds no server.
  KillingLink link(MariaDbLink(settings), server_, [](const SqlStatement& statement) {
    return statement.text.starts_with("INSERT INTO sales_detail") && statement.values[0].text.starts_with("SJ3");
  });
  const MappingResult result = Send(link);
  running_ = false;
  EXPECT_EQ(result.sent, 1);
  EXPECT_EQ(result.refused, 2);
  EXPECT_FALSE(result.error.empty());
  std::string why;
  running_ = server_->Start(&why);
  ASSERT_TRUE(running_) << why;
  EXPECT_EQ(Query("SELECT invoice FROM mapping_clipper.sales_header"), (Rows{"SJ.1;--"}));
  EXPECT_EQ(Query("SELECT DISTINCT invoice FROM mapping_clipper.sales_detail"), (Rows{"SJ'1;--             "}));
}

TEST_F(MySqlServerTest, TheScreenShowsTheCountsAndTheWholeFirstRefusal) {
  settings.password = "salah";
  platform::WorkstationSettings workstation;
  workstation.mysql = settings;
  rig.session.services().Configure(workstation);
  rig.term.AddKeys({console::key::kEnter, console::key::kEnter, ' '});
  ASSERT_TRUE(MAPPING(rig.session, {}).ok());
  EXPECT_TRUE(support::Shown(rig.term, "Ditolak        : 3"));
  // The refusal is wrapped inside the box, nothing of it cut.
  EXPECT_TRUE(support::Shown(rig.term, "Penolakan pertama: localhost: Access denied for user "));
  EXPECT_TRUE(support::Shown(rig.term, "'transfer'@'localhost' (using password: YES)"));
}

}  // namespace
}  // namespace exchange
