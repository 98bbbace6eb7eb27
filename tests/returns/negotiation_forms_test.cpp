// The minute form F-MK-013 and the list of minutes: exact lines, the check marks of the terms, the
// approved goods, and the page that ends with its continuation line.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "returns/negotiation.h"
#include "returns/negotiation_approval.h"
#include "returns/negotiation_forms.h"
#include "returns/negotiation_helpers.h"
#include "xbase/text_functions.h"

namespace returns {
namespace {

using namespace returns::testing;

bool Has(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

TEST(NegotiationFormsTest, TheFormShowsProductsDetailsTermsAndApprovedGoods) {
  Minute minute = TwoProductMinute(5);
  minute.number = "0000000042";
  minute.pph22_included = "T";
  minute.freight = "B";
  minute.commission = true;
  minute.commission_amount = 250000;
  MinuteApproval approval = PrefillApproval(minute, xbase::Date::FromYmd(2026, 12, 9));
  approval.goods[0].code = xbase::PadR("BRG01", 10);
  approval.goods[0].jos = xbase::PadR("J1", 10);
  approval.goods[0].dos = 2;
  const std::vector<std::string> lines = MinuteFormLines(minute, approval);
  EXPECT_EQ(lines[0], std::string(111, ' ').replace(0, 33, "BERITA ACARA NEGOSIASI (BAC NEGO)") + "  F-MK-013");
  EXPECT_TRUE(Has(lines, "| 1|PANEL LISTRIK                 |          |          2|UNIT  |     5,000,000|        10,000,000|"
                         "   12.50|           |"));
  EXPECT_TRUE(Has(lines, "|  |   -=Spesifikasi=-"));
  EXPECT_TRUE(Has(lines, "|  |   UKURAN     : 80 X 60 CM"));
  EXPECT_TRUE(Has(lines, "|  |TOTAL                         |          |          5|      |              |        13,000,000|"
                         "        |           |"));
  EXPECT_TRUE(Has(lines, "Harga Jual diatas termasuk PPN   : [\xFB] Sudah   [ ] Belum   [ ] Tidak Ada"));
  EXPECT_TRUE(Has(lines, "Harga Jual diatas termasuk PPH22 : [ ] Sudah   [ ] Belum   [\xFB] Tidak Ada"));
  EXPECT_TRUE(Has(lines, "Ongkos Kirim ditanggung          : [ ] Penjual [\xFB] Pembeli"));
  EXPECT_TRUE(Has(lines, "| 1|20-12-2026|        5|"));
  EXPECT_TRUE(Has(lines, "Komisi Pelanggan                 : [ ] Tidak   [\xFB] Ada, Sebesar :     250,000.00"));
  EXPECT_TRUE(Has(lines, "| 1|15-12-2026| 30.00|DP|                    |     3,900,000.00|UANG MUKA"));
  EXPECT_TRUE(Has(lines, "  SEGERA"));
  EXPECT_TRUE(Has(lines, "PROPERTY PRODUK"));
  EXPECT_TRUE(Has(lines, "|  1|J1        |BRG01     |PANEL LISTRIK        |    2|    0|     5,000,000|     5,000,000|"
                         "     5,000,000|     5,000,000|      2|   1.00|"));
}

TEST(NegotiationFormsTest, AFormOverAPageEndsThePageWithItsContinuation) {
  const std::vector<std::string> lines = {"a", "b", "c", "d", "e"};
  const frame::ReportPages pages = FormPages(lines, 3);
  ASSERT_EQ(pages.size(), 3u);
  EXPECT_EQ(pages[0].size(), 3u);
  EXPECT_EQ(pages[0][2].text, "dilanjutkan ke halaman berikutnya");
  EXPECT_EQ(pages[2].size(), 1u);
  EXPECT_EQ(pages[2][0].text, "e");
}

TEST(NegotiationFormsTest, TheListShowsTheMinutesOfThePeriodAndBranch) {
  NegotiationSite site;
  Minute minute = TwoProductMinute(5);
  ASSERT_TRUE(SaveMinute(site.rig.session, site.tables, &minute).ok());
  frame::ReportPages pages;
  MinuteListFilter filter{xbase::Date::FromYmd(2026, 12, 1), xbase::Date::FromYmd(2026, 12, 31), "JKT", 50};
  ASSERT_TRUE(MinuteListPages(site.tables, filter, &pages).ok());
  ASSERT_EQ(pages.size(), 1u);
  std::vector<std::string> texts;
  for (const frame::ReportLine& line : pages[0]) texts.push_back(line.text);
  EXPECT_EQ(texts[0], "LIST BAC NEGO Tanggal 01-12-2026 s/d 31-12-2026");
  EXPECT_EQ(texts[3], "  1. 0000000042 08-12-2026PT. MAJU JAYA                               ");
  EXPECT_EQ(texts[4], std::string(26, ' ') + "PANEL LISTRIK                                       2 UNIT");
  EXPECT_EQ(texts[5], std::string(28, ' ') + "UKURAN     : 80 X 60 CM");
  pages.clear();
  filter.branch = "BDG";
  ASSERT_TRUE(MinuteListPages(site.tables, filter, &pages).ok());
  EXPECT_EQ(pages[0].size(), 3u);
}

}  // namespace
}  // namespace returns
