// Dot-matrix bytes sent to a spool folder or a device.
#include "platform/raw_printer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/temp_folder.h"
#include "platform/cups_printers.h"
#include "platform/fake_printers.h"
#include "support/pdf_tools.h"

namespace platform {
namespace {

using support::FileBytes;

namespace fs = std::filesystem;

// 2024-03-05 14:07:09 in the test's local time.
std::time_t FixedTime() {
  std::tm when{};
  when.tm_year = 124;
  when.tm_mon = 2;
  when.tm_mday = 5;
  when.tm_hour = 14;
  when.tm_min = 7;
  when.tm_sec = 9;
  when.tm_isdst = -1;
  return std::mktime(&when);
}

const std::string kPage = "\x0f\x1b" "ENOTA 0001\x12\x1b" "F\r\n\xc4\xc4\xc4\r\n\x0c";

TEST(SpoolRawPrinterTest, EachJobIsANewFileHoldingExactlyItsBytes) {
  support::TempFolder folder;
  const std::string spool = (std::filesystem::path(folder.path()) / "antrian" / "cetak").string();
  SpoolRawPrinter printer(spool, FixedTime);
  Delivery first, second, third;
  ASSERT_TRUE(printer.Send("Nota Jual", kPage, &first).ok());
  ASSERT_TRUE(printer.Send("Nota Jual", "second", &second).ok());
  ASSERT_TRUE(printer.Send("", "", &third).ok());
  EXPECT_EQ(first.place, spool + "/Nota_Jual-20240305-140709.prn");
  EXPECT_EQ(second.place, spool + "/Nota_Jual-20240305-140709-2.prn");
  EXPECT_EQ(third.place, spool + "/laporan-20240305-140709.prn");
  EXPECT_TRUE(first.jobs.empty());
  EXPECT_EQ(FileBytes(first.place), kPage);
  EXPECT_EQ(FileBytes(second.place), "second");
  EXPECT_EQ(FileBytes(third.place), "");
}

TEST(SpoolRawPrinterTest, AFolderThatCannotBeMadeIsAFailureAndLeavesNothing) {
  support::TempFolder folder;
  std::ofstream(std::filesystem::path(folder.path()) / "file") << "x";
  SpoolRawPrinter printer((std::filesystem::path(folder.path()) / "file" / "spool").string(), FixedTime);
  Delivery delivery{"unchanged", {}};
  const xbase::Status status = printer.Send("Nota", kPage, &delivery);
  EXPECT_TRUE(status.IsIOError());
  EXPECT_EQ(status.message().rfind((std::filesystem::path(folder.path()) / "file" / "spool").string() + ": cannot make the folder", 0), 0u);
  EXPECT_EQ(delivery.place, "unchanged");
}

TEST(DeviceRawPrinterTest, WritesIntoTheDeviceAndNeverCreatesIt) {
  support::TempFolder folder;
  const std::string device = (std::filesystem::path(folder.path()) / "lp0").string();
  DeviceRawPrinter printer(device);
  Delivery delivery;
  const xbase::Status missing = printer.Send("Nota", kPage, &delivery);
  EXPECT_TRUE(missing.IsNotFound());
  EXPECT_EQ(missing.message(), device + ": no such printer device");
  EXPECT_FALSE(fs::exists(device));

  std::ofstream(device) << "";
  ASSERT_TRUE(printer.Send("Nota", kPage, &delivery).ok());
  ASSERT_TRUE(printer.Send("Nota", "2", &delivery).ok());
  EXPECT_EQ(delivery.Describe(), device);
  EXPECT_EQ(FileBytes(device), kPage + "2");
}

TEST(DeviceRawPrinterTest, ADeviceThatRefusesTheBytesIsAFailure) {
  DeviceRawPrinter full("/dev/full");
  Delivery delivery{"unchanged", {}};
  const xbase::Status status = full.Send("Nota", kPage, &delivery);
  EXPECT_TRUE(status.IsIOError());
  EXPECT_EQ(status.message(), "/dev/full: write failed: No space left on device");
  EXPECT_EQ(delivery.place, "unchanged");
}

TEST(RawPrinterTest, TheSettingChoosesThePrinter) {
  EXPECT_NE(dynamic_cast<DeviceRawPrinter*>(MakeRawPrinter({DotMatrixSink::Kind::kDevice, "/dev/lp0"}).get()), nullptr);
  EXPECT_NE(dynamic_cast<CupsRawPrinter*>(MakeRawPrinter({DotMatrixSink::Kind::kQueue, "LX300"}).get()), nullptr);
  EXPECT_NE(dynamic_cast<SpoolRawPrinter*>(MakeRawPrinter({DotMatrixSink::Kind::kSpool, "/tmp"}).get()), nullptr);
}

TEST(RawPrinterTest, AQueueOnAServerThatCannotBeReachedIsAFailure) {
  support::TempFolder folder;
  CupsRawPrinter printer("LX300", (std::filesystem::path(folder.path()) / "no.sock").string());
  Delivery delivery{"unchanged", {}};
  const xbase::Status status = printer.Send("Nota", kPage, &delivery);
  EXPECT_TRUE(status.IsIOError());
  EXPECT_NE(status.message().find("cannot reach the print server"), std::string::npos) << status.message();
  EXPECT_EQ(delivery.place, "unchanged");
}

TEST(FakeRawPrinterTest, KeepsJobsUntilToldToFail) {
  FakeRawPrinter printer;
  Delivery delivery;
  ASSERT_TRUE(printer.Send("A", "one", &delivery).ok());
  ASSERT_TRUE(printer.Send("B", "two", &delivery).ok());
  EXPECT_EQ(delivery.Describe(), "fake printer (job 2)");
  printer.FailWith(xbase::Status::IOError("LX300", "paper out"));
  EXPECT_EQ(printer.Send("C", "three", &delivery).message(), "LX300: paper out");
  ASSERT_EQ(printer.jobs().size(), 2u);
  EXPECT_EQ(printer.jobs()[1].title, "B");
  EXPECT_EQ(printer.AllBytes(), "onetwo");
}

}  // namespace
}  // namespace platform
