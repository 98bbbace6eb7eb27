// Printing through libcups to a private cupsd whose printers write into files.
#include "platform/cups_printers.h"

#include <gtest/gtest.h>

#include <memory>

#include "support/pdf_tools.h"
#include "support/private_cupsd.h"

namespace platform {
namespace {

using support::FileBytes;
using support::PdfInfo;
using support::PdfText;
using support::PrivateCupsd;

class CupsPrintersTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    server_ = new PrivateCupsd;
    if (!server_->Start({{"Laser", true, true, true}, {"Matrix", false, true, false}, {"Closed", true, false, false}},
                        &why_not_)) {
      delete server_;
      server_ = nullptr;
    }
  }
  static void TearDownTestSuite() {
    delete server_;
    server_ = nullptr;
  }
  void SetUp() override {
    if (server_ == nullptr) GTEST_SKIP() << "no private CUPS server: " << why_not_;
  }

  // A page of a report 136 columns wide inside a single-line box.
  static PrintPage ReportPage(int number) {
    const std::string across(134, '\xc4');
    std::string body = "\xb3 REKAP PENJUALAN CABANG Halaman " + std::to_string(number) + " dari 3";
    body += std::string(135 - body.size(), ' ') + "\xb3";
    return {{"\xda" + across + "\xbf", 0}, {body, 0}, {"\xc0" + across + "\xd9", 0}, {"Halaman : " + std::to_string(number) + "/3", 7}};
  }

  static inline PrivateCupsd* server_ = nullptr;
  static inline std::string why_not_;
};

TEST_F(CupsPrintersTest, ListsThePrintersWithTheDefault) {
  PrinterList list;
  ASSERT_TRUE(ListCupsPrinters(server_->socket(), &list).ok());
  EXPECT_EQ(list.names, (std::vector<std::string>{"Closed", "Laser", "Matrix"}));
  EXPECT_EQ(list.default_name, "Laser");
}

TEST_F(CupsPrintersTest, EachPageIsAJobOfItsOwnOnLegalPaperTurnedSideways) {
  CupsPagePrinter printer("Laser", server_->socket());
  Delivery delivery;
  const xbase::Status status =
      printer.Print("Rekap Cabang", {ReportPage(1), ReportPage(2), ReportPage(3)}, {136, 5, 5, 10, 10}, 2, &delivery);
  ASSERT_TRUE(status.ok()) << status.ToString();
  EXPECT_EQ(delivery.place, "Laser");
  ASSERT_EQ(delivery.jobs.size(), 3u);
  ASSERT_TRUE(server_->WaitForCompletion("Laser", delivery.jobs));

  for (int page = 1; page <= 3; ++page) {
    const std::string sent = server_->spooled(delivery.jobs[static_cast<std::size_t>(page - 1)]);
    EXPECT_EQ(PdfInfo(sent, "Pages"), "1");
    EXPECT_EQ(PdfInfo(sent, "Page size"), "1008 x 612 pts");
    const std::string text = PdfText(sent);
    EXPECT_NE(text.find("│ REKAP PENJUALAN CABANG Halaman " + std::to_string(page) + " dari 3"), std::string::npos) << text;
    EXPECT_NE(text.find("┌──────"), std::string::npos) << text;
    EXPECT_NE(text.find("──────┘"), std::string::npos) << text;
  }
  // The device holds the last job as the printer got it.
  const std::string printed = server_->device("Laser");
  EXPECT_EQ(PdfInfo(printed, "Pages"), "1");
  EXPECT_EQ(PdfInfo(printed, "Page size"), "1008 x 612 pts");
  EXPECT_NE(PdfText(printed).find("Halaman 3 dari 3"), std::string::npos);
}

TEST_F(CupsPrintersTest, ARawQueueGetsTheBytesUnchanged) {
  CupsRawPrinter printer("Matrix", server_->socket());
  const std::string bytes = "\x1b@\x0f\x1b" "ENOTA 0000000123\x12\x1b" "F\r\n\xc9\xcd\xbb\r\n\x0c";
  Delivery delivery;
  const xbase::Status status = printer.Send("Nota 123", bytes, &delivery);
  ASSERT_TRUE(status.ok()) << status.ToString();
  ASSERT_EQ(delivery.jobs.size(), 1u);
  EXPECT_EQ(delivery.Describe(), "Matrix (job " + std::to_string(delivery.jobs[0]) + ")");
  ASSERT_TRUE(server_->WaitForCompletion("Matrix", delivery.jobs));
  EXPECT_EQ(FileBytes(server_->spooled(delivery.jobs[0])), bytes);
}

TEST_F(CupsPrintersTest, APrinterThatRefusesJobsIsAFailure) {
  Delivery delivery{"unchanged", {}};
  CupsRawPrinter closed("Closed", server_->socket());
  const xbase::Status raw = closed.Send("Nota", "x", &delivery);
  EXPECT_TRUE(raw.IsIOError());
  EXPECT_EQ(raw.message().rfind("Closed: the printer refused the job: ", 0), 0u) << raw.message();

  CupsPagePrinter missing("Nowhere", server_->socket());
  const xbase::Status pages = missing.Print("Nota", {ReportPage(1), ReportPage(2)}, {136}, 1, &delivery);
  EXPECT_TRUE(pages.IsIOError());
  EXPECT_EQ(pages.message().rfind("Nowhere: page 1 of 2: Nowhere: the printer refused the job: ", 0), 0u)
      << pages.message();
  EXPECT_EQ(delivery.place, "unchanged");
}

TEST(CupsServerTest, AServerWithoutPrintersGivesAnEmptyList) {
  PrivateCupsd server;
  std::string why_not;
  if (!server.Start({}, &why_not)) GTEST_SKIP() << "no private CUPS server: " << why_not;
  PrinterList list{{"stale"}, "stale"};
  ASSERT_TRUE(ListCupsPrinters(server.socket(), &list).ok());
  EXPECT_TRUE(list.names.empty());
  EXPECT_EQ(list.default_name, "");
}

}  // namespace
}  // namespace platform
