// The document counter: next numbers, taken numbers skipped or refused, missing rows, and two
// workstations numbering at the same moment.
#include "documents/document_counter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <set>
#include <thread>

#include "console/keys.h"
#include "console/scripted_terminal.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"

namespace documents {

using support::AddRows;
using support::Open;
using support::SessionRig;
using support::Shown;
using support::StoredText;
using support::T;
using support::TempDataFolder;

namespace {

CounterKind Receipts() {
  CounterKind kind;
  kind.prefix = "NOTT";
  return kind;
}

TEST(DocumentCounterTest, NextNumberKeepsTheWidthAndTheLetters) {
  EXPECT_EQ(NextNumber(Receipts(), "99"), "0000000100");
  EXPECT_EQ(NextNumber(Receipts(), ""), "0000000001");
  EXPECT_EQ(NextNumber(Receipts(), "0000000100"), "0000000101");
  CounterKind instrument = Receipts();
  instrument.digits = 12;
  EXPECT_EQ(NextNumber(instrument, "999999"), "000001000000");
  CounterKind lettered = Receipts();
  lettered.number_prefix = "RT";
  lettered.digits = 6;
  EXPECT_EQ(NextNumber(lettered, "RT000041"), "RT000042");
  EXPECT_EQ(NextNumber(lettered, "7"), "RT000008");
}

class NumberDocumentTest : public ::testing::Test {
 protected:
  NumberDocumentTest() {
    rig.session.SetSearchPath(folder.path());
    AddRows(setup(), {{{"SETUP", T("NOTT000101")}, {"KET", T("5")}}, {{"SETUP", T("MADM000101")}, {"KET", T("77")}}});
  }
  xbase::WorkArea& setup() { return Open(rig.session, "SETUP"); }

  // Numbers a document of `kind` for branch 000101, with `held` the numbers already taken.
  xbase::Status Number(const CounterKind& kind, const std::set<std::string>& held, std::string* number) {
    return NumberDocument(
        rig.con, setup(), kind, "000101",
        [&](const std::string& n, bool* taken) {
          *taken = held.contains(n);
          return xbase::Status::OK();
        },
        [&](const std::string& n) {
          written.push_back(n);
          return write_status;
        },
        number);
  }

  TempDataFolder folder{{"SETUP"}};
  SessionRig rig;
  std::vector<std::string> written;
  xbase::Status write_status;
};

TEST_F(NumberDocumentTest, TakesTheNextNumberAndRaisesTheCounter) {
  std::string number;
  ASSERT_TRUE(Number(Receipts(), {}, &number).ok());
  EXPECT_EQ(number, "0000000006");
  EXPECT_EQ(written, std::vector<std::string>{"0000000006"});
  EXPECT_EQ(StoredText(setup(), 1, "KET"), "0000000006");
  EXPECT_EQ(StoredText(setup(), 2, "KET"), "77");
  EXPECT_TRUE(setup().table().locked_records().empty());
}

TEST_F(NumberDocumentTest, SkippingKindPassesTakenNumbers) {
  std::string number;
  ASSERT_TRUE(Number(Receipts(), {"0000000006", "0000000007"}, &number).ok());
  EXPECT_EQ(number, "0000000008");
  EXPECT_EQ(StoredText(setup(), 1, "KET"), "0000000008");
}

TEST_F(NumberDocumentTest, RefusingKindSavesNothingOnATakenNumber) {
  CounterKind kind = Receipts();
  kind.taken = TakenNumber::kRefuse;
  kind.taken_message = "Nomor sudah terdaftar";
  std::string number;
  const xbase::Status s = Number(kind, {"0000000006"}, &number);
  EXPECT_FALSE(s.ok());
  EXPECT_TRUE(written.empty());
  EXPECT_EQ(StoredText(setup(), 1, "KET"), "5");
  EXPECT_TRUE(Shown(rig.term, "Nomor sudah terdaftar"));
  EXPECT_TRUE(setup().table().locked_records().empty());
}

TEST_F(NumberDocumentTest, MissingRowStopsTheSaveWithTheKindsMessage) {
  CounterKind kind = Receipts();
  kind.prefix = "NOPI";
  std::string number;
  EXPECT_FALSE(Number(kind, {}, &number).ok());
  EXPECT_TRUE(written.empty());
  EXPECT_EQ(setup().table().record_count(), 2u);
  EXPECT_TRUE(Shown(rig.term, "Setup NOPI000101 belum dibuat, hub. admin"));
  EXPECT_TRUE(Shown(rig.term, "Batal"));

  kind.missing = kMissingNomeratorComma;
  EXPECT_FALSE(Number(kind, {}, &number).ok());
  EXPECT_TRUE(Shown(rig.term, "Setup Nomerator NOPI000101, belum dibuat, Hubungi Admin"));
}

TEST_F(NumberDocumentTest, AppendingKindCreatesTheMissingRow) {
  CounterKind kind = Receipts();
  kind.prefix = "MGDG";
  kind.append_missing = true;
  std::string number;
  ASSERT_TRUE(Number(kind, {}, &number).ok());
  EXPECT_EQ(number, "0000000001");
  EXPECT_EQ(StoredText(setup(), 3, "SETUP"), "MGDG000101");
  EXPECT_EQ(StoredText(setup(), 3, "KET"), "0000000001");
}

TEST_F(NumberDocumentTest, FailedWriteLeavesTheCounterAsItWas) {
  write_status = xbase::Status::IOError("disk full");
  std::string number;
  EXPECT_FALSE(Number(Receipts(), {}, &number).ok());
  EXPECT_EQ(StoredText(setup(), 1, "KET"), "5");
  EXPECT_TRUE(setup().table().locked_records().empty());
}

TEST_F(NumberDocumentTest, CounterLoweredByHandStartsFromItsValueAndIsRaisedPastTakenNumbers) {
  std::string number;
  ASSERT_TRUE(Number(Receipts(), {"0000000006", "0000000007", "0000000008"}, &number).ok());
  EXPECT_EQ(number, "0000000009");
  EXPECT_EQ(StoredText(setup(), 1, "KET"), "0000000009");
}

// Nobody presses a key at this workstation while it waits: each read waits out its time.
class UnattendedTerminal : public console::ScriptedTerminal {
 public:
  int ReadKey(int timeout_ms) override {
    std::this_thread::sleep_for(std::chrono::milliseconds(timeout_ms));
    return console::key::kNone;
  }
};

TEST(DocumentCounterConcurrencyTest, TwoWorkstationsSavingAtOnceGetDifferentNumbers) {
  TempDataFolder folder{{"SETUP"}};
  SessionRig first;
  SessionRig second;
  first.session.SetSearchPath(folder.path());
  second.session.SetSearchPath(folder.path());
  AddRows(Open(first.session, "SETUP"), {{{"SETUP", T("NOTT000101")}, {"KET", T("5")}}});
  xbase::WorkArea& first_setup = Open(first.session, "SETUP");
  xbase::WorkArea& second_setup = Open(second.session, "SETUP");

  std::atomic<bool> first_holds{false};
  std::string first_number;
  std::string second_number;
  const auto none_taken = [](const std::string&, bool* taken) {
    *taken = false;
    return xbase::Status::OK();
  };
  // The first save reads the counter and takes its time writing the document.
  std::thread first_save([&] {
    EXPECT_TRUE(NumberDocument(
                    first.con, first_setup, Receipts(), "000101", none_taken,
                    [&](const std::string&) {
                      first_holds = true;
                      std::this_thread::sleep_for(std::chrono::milliseconds(300));
                      return xbase::Status::OK();
                    },
                    &first_number)
                    .ok());
  });
  while (!first_holds) std::this_thread::yield();
  UnattendedTerminal unattended;
  console::Console waiting(unattended, second.clock);
  EXPECT_TRUE(NumberDocument(
                  waiting, second_setup, Receipts(), "000101", none_taken,
                  [](const std::string&) { return xbase::Status::OK(); }, &second_number)
                  .ok());
  first_save.join();
  EXPECT_EQ(first_number, "0000000006");
  EXPECT_EQ(second_number, "0000000007");
  EXPECT_EQ(StoredText(second_setup, 1, "KET"), "0000000007");
}

}  // namespace
}  // namespace documents
