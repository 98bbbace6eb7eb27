// The tax invoice: the number it proposes, the merged lines and the reduction, the serial, the pages
// of a group, the record and the counter after a print (and not after a failed one), and a reprint.
#include <gtest/gtest.h>

#include "console/keys.h"
#include "sales/sales_site_helpers.h"
#include "sales/tax_invoice.h"
#include "support/data_folder.h"
#include "support/other_workstation.h"
#include "support/scripted_session.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

using support::N;
using support::Shown;
using support::T;

xbase::Value Day(int day) { return xbase::Value::FromDate(xbase::Date::FromYmd(2026, 12, day)); }

class TaxInvoiceTest : public ::testing::Test {
 protected:
  TaxInvoiceTest() {
    site.Put("SETUP", "SETUP", "NOMORPAJAK", "KET", T("2100000041"));
    // Two lines of SC0001 at one price and one at another, with 10 % off the note.
    Note("SJ-T1", "J0003", 10, {{"SC0001", 100, 3330}, {"SC0001", 50, 3330}, {"SC0001", 20, 3000}});
    Note("SJ-T2", "J0003", 0, {{"SC0002", 10, 5550}});
  }

  struct Item {
    const char* code;
    double quantity;
    double price;
  };
  void Note(const std::string& number, const std::string& customer, double discount, const std::vector<Item>& items) {
    site.Add("SRTJLN1", {{{"INVOICE", T(number)}, {"TANGGAL", Day(8)}, {"NOMOR", T("SO-" + number)},
                          {"RELASI", T(customer)}, {"SALES", T("S001")}, {"KDCB", T("JKT001")},
                          {"DISCOUNT", N(discount)}}});
    for (const Item& item : items) {
      site.Add("SRTJLN2", {{{"INVOICE", T(number)}, {"KODE", T(item.code)}, {"QUANTITY", N(item.quantity)},
                            {"HARGA", N(item.price)}}});
    }
  }

  void Open() {
    site.LogIn(rig.session);
    ASSERT_TRUE(OpenTaxInvoiceTables(rig.session));
  }

  TaxInvoice Load(const std::string& note) {
    TaxInvoice invoice;
    invoice.note = xbase::PadR(note, 20);
    EXPECT_TRUE(LoadTaxInvoice(rig.session, &invoice));
    return invoice;
  }

  SalesSite site;
  support::SessionRig rig;
};

TEST_F(TaxInvoiceTest, TheNoteProposesTheNextNumberAndMergesItsLinesByNetPrice) {
  Open();
  const TaxInvoice invoice = Load("SJ-T1");
  EXPECT_EQ(invoice.proposed, "2100000042");
  EXPECT_EQ(invoice.number, "2100000042");
  EXPECT_FALSE(invoice.reprint);
  EXPECT_EQ(invoice.vat, 11);
  EXPECT_EQ(xbase::RTrim(invoice.buyer), "CV. MAJU JAYA GROSIR");
  EXPECT_EQ(TaxNumberText(invoice.npwp), "01.345.678.9-012.000");
  ASSERT_EQ(invoice.lines.size(), 2u);
  EXPECT_EQ(invoice.lines[0].quantity, 150);
  EXPECT_NEAR(invoice.lines[0].amount, 450000, 1e-6);
  EXPECT_EQ(invoice.lines[1].quantity, 20);
  EXPECT_NEAR(invoice.lines[1].amount, 54054.054054, 1e-5);
  EXPECT_NEAR(invoice.reduction, 50405.405405, 1e-5);
  EXPECT_NEAR(invoice.Base(), 453648.648648, 1e-5);
  EXPECT_NEAR(invoice.Tax(), 49901.351351, 1e-5);
  EXPECT_EQ(TaxSerial(invoice), "010.902-21.00000042");
  TaxInvoice replacement = invoice;
  replacement.document = "7";
  replacement.detail = "2";
  EXPECT_EQ(TaxSerial(replacement), "021.902-21.00000042");
}

// The note's lines table not open used to end the load without a word; now row 24 names it.
TEST_F(TaxInvoiceTest, ALinesTableNotOpenIsNamed) {
  Open();
  ASSERT_TRUE(rig.session.tables().Close("SRTJLN2").ok());
  rig.term.AddKeys({' '});
  TaxInvoice invoice;
  invoice.note = xbase::PadR("SJ-T1", 20);
  EXPECT_FALSE(LoadTaxInvoice(rig.session, &invoice));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "table not open: srtjln2"));
  EXPECT_TRUE(invoice.lines.empty());
}

TEST_F(TaxInvoiceTest, UpdateOnlyRecordsAndRaisesTheCounterOnlyUpwards) {
  Open();
  const TaxInvoice first = Load("SJ-T1");
  {
    // Esc while another workstation appends a tax invoice: no record, the counter as it was.
    support::OtherWorkstation other(site.data());
    other.HoldAppend("PPN_KEL");
    rig.term.AddKeys({'U', console::key::kEsc, ' ', ' '});
    EXPECT_FALSE(ProcessTaxInvoice(rig.session, first));
    EXPECT_TRUE(Shown(rig.term, "Mencoba menambah record file PPN_KEL.Dbf, tekan [Esc]=batal...."));
    EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "Tidak ada yang tersimpan"));
    EXPECT_EQ(rig.term.keys_left(), 0u);
    EXPECT_EQ(site.Field("PPN_KEL", "PPN_KEL1", "SJ-T1", "NOMOR"), "<not found>");
    EXPECT_EQ(site.Field("SETUP", "SETUP", "NOMORPAJAK", "KET").substr(0, 10), "2100000041");
  }
  rig.term.AddKeys({'U'});
  ASSERT_TRUE(ProcessTaxInvoice(rig.session, first));
  TaxInvoice second = Load("SJ-T2");
  EXPECT_EQ(second.proposed, "2100000043");
  second.number = "2100000010";
  rig.term.AddKeys({'U'});
  ASSERT_TRUE(ProcessTaxInvoice(rig.session, second));
  rig.session.CloseTables();

  EXPECT_EQ(site.Field("PPN_KEL", "PPN_KEL1", "SJ-T1", "NOMOR"), "2100000042");
  EXPECT_EQ(site.Number("PPN_KEL", "PPN_KEL1", "SJ-T1", "DPP"), 453648.65);
  EXPECT_EQ(site.Number("PPN_KEL", "PPN_KEL1", "SJ-T1", "PPN"), 49901.35);
  EXPECT_EQ(site.Field("PPN_KEL", "PPN_KEL1", "SJ-T1", "NPWP"), "013456789012000");
  EXPECT_EQ(site.Field("PPN_KEL", "PPN_KEL1", "SJ-T1", "NO_PO"), xbase::PadR("SO-SJ-T1", 15));
  EXPECT_EQ(site.Field("PPN_KEL", "PPN_KEL1", "SJ-T1", "ID_NOM"), "902");
  EXPECT_EQ(site.Field("PPN_KEL", "PPN_KEL1", "SJ-T2", "NOMOR"), "2100000010");
  EXPECT_EQ(site.Field("SETUP", "SETUP", "NOMORPAJAK", "KET").substr(0, 10), "2100000042");
}

TEST_F(TaxInvoiceTest, AFailedPrintRecordsNothingAndAPrintedOneIsRecorded) {
  Open();
  const TaxInvoice invoice = Load("SJ-T1");
  rig.dot_matrix->FailWith(xbase::Status::IOError("/dev/usb/lp0", "no paper"));
  rig.term.AddKeys({'C', ' '});
  EXPECT_FALSE(ProcessTaxInvoice(rig.session, invoice));
  EXPECT_EQ(rig.session.tables().Area("ppn_kel")->table().record_count(), 0u);

  rig.dot_matrix->FailWith(xbase::Status::OK());
  rig.term.AddKeys({'C'});
  ASSERT_TRUE(ProcessTaxInvoice(rig.session, invoice));
  ASSERT_EQ(rig.dot_matrix->jobs().size(), 1u);
  const std::string& bytes = rig.dot_matrix->jobs()[0].bytes;
  EXPECT_EQ(rig.dot_matrix->jobs()[0].title, "FAKTUR PAJAK");
  EXPECT_NE(bytes.find(std::string(23, ' ') + "\x1Bw1\x1B" "E010.902-21.00000042\x1B" "F\x1Bw0\r\n"), std::string::npos);
  EXPECT_NE(bytes.find(std::string(64, ' ') + "Hal : 1/1\r\n"), std::string::npos);
  EXPECT_NE(bytes.find(std::string(20, ' ') + "01.345.678.9-012.000\r\n"), std::string::npos);
  EXPECT_NE(bytes.find("  1 \x1BMBUKU TULIS 38 LBR"), std::string::npos);
  const size_t item = bytes.find("  1 \x1BM");
  ASSERT_NE(item, std::string::npos);
  EXPECT_EQ(bytes.substr(item, bytes.find("\r\n", item) - item), "  1 \x1BM" + xbase::PadR("BUKU TULIS 38 LBR", 45) +
                                                                    "\x1BP       150" + std::string(13, ' ') + "       450,000");
  EXPECT_NE(bytes.find(std::string(64, ' ') + "       453,649\r\n"), std::string::npos);
  rig.session.CloseTables();
  EXPECT_EQ(site.Field("PPN_KEL", "PPN_KEL1", "SJ-T1", "NOMOR"), "2100000042");
}

TEST_F(TaxInvoiceTest, AReprintKeepsItsNumberAndMayNotTakeAnother) {
  Open();
  rig.term.AddKeys({'U'});
  ASSERT_TRUE(ProcessTaxInvoice(rig.session, Load("SJ-T1")));
  rig.term.AddKeys({'U'});
  ASSERT_TRUE(ProcessTaxInvoice(rig.session, Load("SJ-T2")));

  rig.term.AddKeys({'U'});  // "Ulang"
  TaxInvoice again = Load("SJ-T1");
  EXPECT_TRUE(Shown(rig.term, "Sudah dibuat faktur [2100000042/08-12-2026]"));
  EXPECT_TRUE(again.reprint);
  EXPECT_EQ(again.number, "2100000042");
  again.number = "2100000043";
  rig.term.AddKeys({' '});
  EXPECT_FALSE(TaxNumberFree(rig.session, &again));
  EXPECT_TRUE(Shown(rig.term, "Nomor 2100000043 sudah dipakai......."));
  EXPECT_EQ(again.number, "2100000042");
  rig.term.AddKeys({'B'});  // "Batal" refuses the reprint
  TaxInvoice refused;
  refused.note = xbase::PadR("SJ-T1", 20);
  EXPECT_FALSE(LoadTaxInvoice(rig.session, &refused));
}

TEST_F(TaxInvoiceTest, AReprintReadsBackEveryFormFieldTheRecordKeeps) {
  Open();
  TaxInvoice typed = Load("SJ-T1");
  typed.number = "2100000050";
  typed.invoice = xbase::PadR("INV-77", 20);
  typed.order = xbase::PadR("PO-77", 15);
  typed.date = xbase::Date::FromYmd(2026, 12, 9);
  typed.shipping = xbase::Date::FromYmd(2026, 12, 11);
  typed.kind = "3";
  typed.detail = "2";
  typed.document = "7";
  typed.prefix = "915";
  rig.term.AddKeys({'U'});
  ASSERT_TRUE(ProcessTaxInvoice(rig.session, typed));
  EXPECT_EQ(site.Field("PPN_KEL", "PPN_KEL1", "SJ-T1", "RELASI").substr(0, 5), "J0003");
  EXPECT_EQ(site.Field("PPN_KEL", "PPN_KEL1", "SJ-T1", "CABANG").substr(0, 6), "JKT001");
  EXPECT_EQ(site.Field("PPN_KEL", "PPN_KEL1", "SJ-T1", "TD"), ".T.");

  rig.term.AddKeys({'U'});  // "Ulang"
  const TaxInvoice again = Load("SJ-T1");
  EXPECT_TRUE(again.reprint);
  EXPECT_EQ(again.number, "2100000050");
  EXPECT_EQ(again.proposed, "2100000050");
  EXPECT_EQ(again.invoice, typed.invoice);
  EXPECT_EQ(again.order, typed.order);
  EXPECT_EQ(again.date, typed.date);
  EXPECT_EQ(again.shipping, typed.shipping);
  EXPECT_EQ(again.salesman.substr(0, 4), "S001");
  EXPECT_EQ(again.kind, "3");
  EXPECT_EQ(again.detail, "2");
  EXPECT_EQ(again.document, "7");
  EXPECT_EQ(again.prefix, "915");
  EXPECT_EQ(TaxSerial(again), "021.915-21.00000050");
}

TEST_F(TaxInvoiceTest, AGroupHeadPrintsItsMembersSeventeenRowsAPage) {
  const char* const kCodes[] = {"SC0001", "SC0002", "SC0003", "SC0004", "SC0005"};
  std::vector<Item> first, second;
  for (int i = 0; i < 10; ++i) first.push_back({kCodes[i % 5], 1, 1110.0 * (i + 1)});
  for (int i = 0; i < 10; ++i) second.push_back({kCodes[i % 5], 2, 111.0 * (i + 1)});
  Note("SJ-M1", "J0003", 0, first);
  Note("SJ-M2", "J0003", 0, second);
  Note("SJ-G", "J0003", 0, {});
  site.Add("GRUPSJ2", {{{"INVOICE", T("SJ-G")}, {"MEMBER_SJ", T("SJ-M1")}}, {{"INVOICE", T("SJ-G")}, {"MEMBER_SJ", T("SJ-M2")}}});
  Open();
  const TaxInvoice invoice = Load("SJ-G");
  EXPECT_TRUE(invoice.group);
  ASSERT_EQ(invoice.lines.size(), 20u);
  EXPECT_EQ(invoice.Pages(), 2);
  const std::vector<std::string> pages = TaxInvoiceDotMatrix(rig.session.STP, invoice);
  ASSERT_EQ(pages.size(), 2u);
  EXPECT_NE(pages[0].find(" 17 \x1BM"), std::string::npos);
  EXPECT_EQ(pages[0].find(" 18 \x1BM"), std::string::npos);
  EXPECT_NE(pages[0].find("    dilanjutkan ke halaman berikutnya...\x1B" "E"), std::string::npos);
  EXPECT_NE(pages[1].find("    lanjutan dari halaman sebelumnya...\r\n 18 \x1BM"), std::string::npos);
  EXPECT_NE(pages[1].find("Hal : 2/2"), std::string::npos);
  const std::vector<std::vector<std::string>> form = TaxInvoicePageForm(rig.session.STP, invoice);
  ASSERT_EQ(form.size(), 2u);
  EXPECT_EQ(form[0].size(), form[1].size());
  EXPECT_EQ(form[0][5], "\xB3" + xbase::PadR(" Kode dan Nomor Seri Faktur Pajak : 010.902-21.00000042", 78) + "\xB3");
  EXPECT_EQ(form[1][21], "\xB3    \xB3" + xbase::PadR("lanjutan dari halaman sebelumnya......", 37) + "\xB3" + std::string(11, ' ') +
                             "\xB3" + std::string(23, ' ') + "\xB3");
}

}  // namespace
}  // namespace sales
