// Indexes open on a work area: walks in every fixture order, seeks, and every write keeping all open
// indexes current, also from another process.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ntx_test_helpers.h"
#include "support/fixtures.h"
#include "support/temp_folder.h"
#include "xbase/ntx_orders.h"
#include "xbase/session.h"

namespace xbase {
namespace {

using xbase_test::ReadOrderFile;
using support::TempFolder;

// A code such as "A100001", built without operator+ on a temporary (which trips a compiler warning).
std::string Code(char letter, int number) {
  char text[16];
  std::snprintf(text, sizeof text, "%c%d", letter, number);
  return text;
}

const char* const kCustIndexes[] = {"CUST1", "CUST2", "CUST3", "CUST4", "CUST5", "CUST6", "CUST7", "CUST8"};

// The fixture table with all eight indexes, copied into `dir` and opened in `session`.
WorkArea* OpenCustomers(const TempFolder& dir, Session* session, OpenMode mode) {
  support::CopyFixture(dir, "xbase/CUST.dbf");
  support::CopyFixture(dir, "xbase/CUST.fpt");
  WorkArea* area = nullptr;
  Status s = session->Use("CUST", "", mode, &area);
  EXPECT_TRUE(s.ok()) << s.ToString();
  for (const char* name : kCustIndexes) {
    s = area->orders().Open(support::CopyFixture(dir, "xbase/" + std::string(name) + ".ntx"));
    EXPECT_TRUE(s.ok()) << s.ToString();
  }
  return area;
}

std::vector<uint32_t> Walk(WorkArea* area) {
  std::vector<uint32_t> records;
  Status s = area->GoTop();
  while (s.ok() && !area->eof()) {
    records.push_back(area->recno());
    s = area->Skip(1);
  }
  EXPECT_TRUE(s.ok()) << s.ToString();
  return records;
}

std::vector<uint32_t> WalkBack(WorkArea* area) {
  std::vector<uint32_t> records;
  Status s = area->GoBottom();
  while (s.ok() && !area->eof()) {
    records.insert(records.begin(), area->recno());
    s = area->Skip(-1);
    if (area->bof()) break;
  }
  return records;
}

std::set<uint32_t> DeletedCustomers() {
  std::ifstream in(support::Fixture("xbase/CUST.records.txt"));
  std::set<uint32_t> deleted;
  std::string line;
  while (std::getline(in, line)) {
    if (line[line.find('|') - 1] == '*') deleted.insert(static_cast<uint32_t>(std::stoul(line)));
  }
  return deleted;
}

void ExpectAllCurrent(WorkArea* area) {
  std::vector<std::string> faults;
  ASSERT_TRUE(area->orders().Check(&faults).ok());
  EXPECT_TRUE(faults.empty()) << faults.front();
}

TEST(NtxOrder, EveryOrderWalksAsItsFixtureWithDeletedShownOrHidden) {
  TempFolder dir;
  Session session(SearchPath({dir.path()}));
  WorkArea* area = OpenCustomers(dir, &session, OpenMode::kShared);
  const std::set<uint32_t> deleted = DeletedCustomers();
  ASSERT_EQ(deleted.size(), 54u);
  for (const char* name : kCustIndexes) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(area->orders().SetOrder(name).ok());
    const std::vector<uint32_t> all = ReadOrderFile(std::string(name) + ".order.txt").records;
    session.set_deleted_hidden(false);
    EXPECT_EQ(Walk(area), all);
    session.set_deleted_hidden(true);
    std::vector<uint32_t> live;
    for (uint32_t recno : all) {
      if (!deleted.count(recno)) live.push_back(recno);
    }
    EXPECT_EQ(Walk(area), live);
    EXPECT_EQ(WalkBack(area), live);
  }
  EXPECT_TRUE(area->orders().SetOrder("CUST9").IsNotFound());
  ASSERT_TRUE(area->orders().SetOrder("").ok());
  EXPECT_EQ(Walk(area).size(), 600u - deleted.size());
}

TEST(NtxOrder, IndexesBuiltOnTheTableWalkAsTheReferenceOnes) {
  TempFolder dir;
  Session session(SearchPath({dir.path()}));
  WorkArea* area = OpenCustomers(dir, &session, OpenMode::kShared);
  session.set_deleted_hidden(false);
  for (const char* name : kCustIndexes) {
    SCOPED_TRACE(name);
    ASSERT_TRUE(area->orders().SetOrder(name).ok());
    const NtxHeader& h = area->orders().controlling()->index().header();
    const NtxOrderSpec recipe{h.key_expression, h.for_condition, h.unique, h.descending};
    ASSERT_TRUE(area->orders().Create(dir.File(std::string("OUR") + name + ".ntx"), recipe).ok());
    EXPECT_EQ(Walk(area), ReadOrderFile(std::string(name) + ".order.txt").records);
  }
}

TEST(NtxOrder, SeeksExactPrefixAndSoftPassingHiddenRecords) {
  TempFolder dir;
  Session session(SearchPath({dir.path()}));
  WorkArea* area = OpenCustomers(dir, &session, OpenMode::kShared);
  NtxOrders& orders = area->orders();
  ASSERT_TRUE(orders.SetOrder("cust1").ok());
  ASSERT_TRUE(orders.Seek(Value::Text("C00001")).ok());
  EXPECT_TRUE(area->found());
  EXPECT_EQ(area->recno(), 1u);
  ASSERT_TRUE(orders.Seek(Value::Text("C0000")).ok());  // a prefix
  EXPECT_TRUE(area->found());
  ASSERT_TRUE(orders.Seek(Value::Text("C0000"), false, true).ok());  // the whole key: no such
  EXPECT_FALSE(area->found());
  EXPECT_TRUE(area->eof());
  ASSERT_TRUE(orders.Seek(Value::Text("C00006"), true).ok());  // soft: on to C00007
  EXPECT_FALSE(area->found());
  EXPECT_EQ(area->recno(), 542u);
  // C00012's first record (11) is deleted and hidden: the seek passes on to its next one (136).
  ASSERT_TRUE(orders.Seek(Value::Text("C00012")).ok());
  EXPECT_TRUE(area->found());
  EXPECT_EQ(area->recno(), 136u);
  // C00130 has only deleted record 198: hidden, the key is not found; shown, it is.
  ASSERT_TRUE(orders.Seek(Value::Text("C00130")).ok());
  EXPECT_FALSE(area->found());
  EXPECT_TRUE(area->eof());
  ASSERT_TRUE(orders.Seek(Value::Text("C00130"), true).ok());
  EXPECT_EQ(area->recno(), 285u);
  session.set_deleted_hidden(false);
  ASSERT_TRUE(orders.Seek(Value::Text("C00130")).ok());
  EXPECT_TRUE(area->found());
  EXPECT_EQ(area->recno(), 198u);
  ASSERT_TRUE(orders.SetOrder("CUST4").ok());
  ASSERT_TRUE(orders.Seek(Value::Num(-2067.44)).ok());
  EXPECT_TRUE(area->found());
  EXPECT_EQ(area->recno(), 1u);
}

TEST(NtxOrder, WorkAreaChoosesOrdersByNumberSeeksAndReadsTypedFields) {
  TempFolder dir;
  Session session(SearchPath({dir.path()}));
  WorkArea* area = OpenCustomers(dir, &session, OpenMode::kShared);
  ASSERT_TRUE(area->SetOrder(1).ok());
  EXPECT_EQ(area->OrderNumber(), 1);
  // C00012's records 11, 99 and 121 are deleted: the seek stands on 136.
  ASSERT_TRUE(area->Seek("C00012").ok());
  ASSERT_TRUE(area->found());
  EXPECT_EQ(area->recno(), 136u);
  EXPECT_EQ(area->Text("kode"), "C00012    ");
  EXPECT_EQ(area->Text("NAMA"), "PT Abadi 136" + std::string(28, ' '));
  EXPECT_DOUBLE_EQ(area->Number("SALDO"), 6151.27);
  EXPECT_DOUBLE_EQ(area->Number("QTY"), 22736);
  EXPECT_EQ(area->DateOf("TGL"), Date::FromYmd(2024, 9, 18));
  EXPECT_TRUE(area->Logical("AKTIF"));
  EXPECT_EQ(area->PadToField("KODE", "C1"), "C1        ");
  ASSERT_TRUE(area->GoTo(5).ok());
  EXPECT_EQ(area->Text("CATATAN").size(), 21u);
  EXPECT_TRUE(area->Text("CATATAN").starts_with("Catatan nomor 5\n"));

  std::vector<uint32_t> records;
  ASSERT_TRUE(area->SeekAll("C0001", &records).ok());
  EXPECT_EQ(records, (std::vector<uint32_t>{247, 433, 589, 136, 392, 155, 58, 193, 387, 13, 117, 68, 202, 206, 536,
                                            546, 163}));
  EXPECT_TRUE(area->eof());
  // The phantom record past the end reads blank.
  EXPECT_EQ(area->Text("KODE"), std::string(10, ' '));
  EXPECT_EQ(area->Number("SALDO"), 0);
  EXPECT_TRUE(area->DateOf("TGL").empty());
  EXPECT_FALSE(area->Logical("AKTIF"));
  ASSERT_TRUE(area->Seek("C0000X").ok());
  EXPECT_FALSE(area->found());
  EXPECT_TRUE(area->eof());
  ASSERT_TRUE(area->Seek("C00006", true).ok());
  EXPECT_EQ(area->recno(), 542u);

  ASSERT_TRUE(area->SetOrder("cust4").ok());
  EXPECT_EQ(area->OrderNumber(), 4);
  ASSERT_TRUE(area->Seek(Value::Num(6151.27)).ok());
  EXPECT_EQ(area->recno(), 136u);
  EXPECT_TRUE(area->SetOrder(9).IsNotFound());
  EXPECT_TRUE(area->SetOrder(-1).IsNotFound());
  EXPECT_EQ(area->OrderNumber(), 4);
  ASSERT_TRUE(area->SetOrder(0).ok());
  EXPECT_EQ(area->OrderNumber(), 0);
  EXPECT_TRUE(area->Seek("C00012").IsInvalidArgument());
  EXPECT_TRUE(area->SeekAll("C", &records).IsInvalidArgument());

  // Unknown fields and fields of another type read empty and are recorded once each.
  EXPECT_TRUE(session.field_faults().empty());
  EXPECT_EQ(area->Text("NOPE"), "");
  EXPECT_EQ(area->Text("nope"), "");
  EXPECT_EQ(area->Number("KODE"), 0);
  EXPECT_FALSE(area->Logical("SALDO"));
  EXPECT_TRUE(area->DateOf("AKTIF").empty());
  EXPECT_EQ(session.field_faults(), (std::vector<std::string>{"CUST->NOPE (no such field)", "CUST->KODE (another type)",
                                                               "CUST->SALDO (another type)", "CUST->AKTIF (another type)"}));
}

TEST(NtxOrder, EveryWriteKeepsEveryOpenIndexCurrent) {
  TempFolder dir;
  Session session(SearchPath({dir.path()}));
  WorkArea* area = OpenCustomers(dir, &session, OpenMode::kExclusive);
  session.set_deleted_hidden(false);
  for (int i = 0; i < 40; ++i) {
    ASSERT_TRUE(area->Append().ok());
    ASSERT_TRUE(area->Put("KODE", Value::Text(Code('N', 900 + i))).ok());
    ASSERT_TRUE(area->Put("NAMA", Value::Text(Code('T', i))).ok());
    ASSERT_TRUE(area->Put("SALDO", Value::Num(i * 12.5 - 200)).ok());
    ASSERT_TRUE(area->Put("AKTIF", Value::Logical(i % 2 == 0)).ok());
  }
  for (uint32_t recno = 1; recno <= 600; recno += 7) {
    ASSERT_TRUE(area->GoTo(recno).ok());
    ASSERT_TRUE(area->Put("KODE", Value::Text("C00001")).ok());
    ASSERT_TRUE(area->Put("TGL", Value::FromDate(Date::FromYmd(2024, 1, 1 + recno % 28))).ok());
    ASSERT_TRUE(area->Put("AKTIF", Value::Logical(recno % 3 == 0)).ok());
    ASSERT_TRUE(area->Put("QTY", Value::Num(-static_cast<double>(recno))).ok());
    ASSERT_TRUE(recno % 2 ? area->Delete().ok() : area->Recall().ok());
  }
  ASSERT_TRUE(area->Unlock().ok());
  ExpectAllCurrent(area);
  ASSERT_TRUE(area->orders().SetOrder("CUST1").ok());
  ASSERT_TRUE(area->orders().Seek(Value::Text("N939")).ok());
  EXPECT_EQ(area->recno(), 640u);

  ASSERT_TRUE(area->table().Pack().ok());
  ExpectAllCurrent(area);
  const uint32_t live = area->table().record_count();
  EXPECT_EQ(Walk(area).size(), live);
  ASSERT_TRUE(area->table().Zap().ok());
  ExpectAllCurrent(area);
  EXPECT_TRUE(Walk(area).empty());
}

TEST(NtxOrder, IndexNotFittingItsTableIsRefusedNamingTheFile) {
  TempFolder dir;
  Session session(SearchPath({dir.path()}));
  ASSERT_TRUE(session.CreateTable("SMALL", {DbfField{"KODE", 'C', 8, 0}, DbfField{"QTY", 'N', 5, 0}}).ok());
  WorkArea* area = nullptr;
  ASSERT_TRUE(session.Use("SMALL", "", OpenMode::kShared, &area).ok());
  const std::string cust1 = support::CopyFixture(dir, "xbase/CUST1.ntx");
  Status s = area->orders().Open(cust1);
  EXPECT_EQ(s.ToString(), "Corruption: " + cust1 + ": key expression KODE gives 8 bytes, the index holds keys of 10");
  const std::string cust2 = support::CopyFixture(dir, "xbase/CUST2.ntx");
  s = area->orders().Open(cust2);
  EXPECT_TRUE(s.IsCorruption());
  EXPECT_EQ(s.message().rfind(cust2 + ": key expression: ", 0), 0u) << s.message();
  EXPECT_EQ(area->orders().size(), 0u);
}

// An item whose record lies past the table's last record is corruption, met by a walk either way and
// by a seek, where it would otherwise read as the end of the table.
TEST(NtxOrder, ItemsPastTheLastRecordAreReportedNotWalkedAsTheEnd) {
  TempFolder dir;
  Session session(SearchPath({dir.path()}));
  ASSERT_TRUE(session.CreateTable("FEW", {DbfField{"KODE", 'C', 4, 0}}).ok());
  WorkArea* area = nullptr;
  ASSERT_TRUE(session.Use("FEW", "", OpenMode::kShared, &area).ok());
  for (const char* code : {"A", "B", "D"}) {
    ASSERT_TRUE(area->Append().ok());
    ASSERT_TRUE(area->Put("KODE", Value::Text(code)).ok());
  }
  ASSERT_TRUE(area->Unlock().ok());
  ASSERT_TRUE(area->orders().Create(dir.File("FEW1.ntx"), NtxOrderSpec{"KODE", "", false, false}).ok());
  ASSERT_TRUE(area->orders().controlling()->index().Insert("C", 9).ok());
  const std::string fault =
      dir.File("FEW.dbf") + ": record 9 of index " + dir.File("FEW1.ntx") + " is past the last record 3";
  ASSERT_TRUE(area->GoTop().ok());
  ASSERT_TRUE(area->Skip(1).ok());
  EXPECT_EQ(area->recno(), 2u);
  EXPECT_EQ(area->Skip(1).ToString(), "Corruption: " + fault);
  ASSERT_TRUE(area->GoBottom().ok());
  EXPECT_EQ(area->Skip(-1).ToString(), "Corruption: " + fault);
  EXPECT_EQ(area->orders().Seek(Value::Text("C")).ToString(), "Corruption: " + fault);
  ASSERT_TRUE(area->orders().Seek(Value::Text("D")).ok());
  EXPECT_EQ(area->recno(), 3u);
}

// One process appends 10,000 records and changes 5,000 keys through its open index while this one
// seeks each new key as soon as it is told of it.
TEST(NtxOrder, AnotherProcessFindsEveryKeyTheMomentItIsAdded) {
  TempFolder dir;
  {
    Session setup(SearchPath({dir.path()}));
    ASSERT_TRUE(setup.CreateTable("LIVE", {DbfField{"KODE", 'C', 12, 0}, DbfField{"QTY", 'N', 8, 0}}).ok());
    WorkArea* area = nullptr;
    ASSERT_TRUE(setup.Use("LIVE", "", OpenMode::kExclusive, &area).ok());
    ASSERT_TRUE(area->orders().Create(dir.File("LIVE1.ntx"), NtxOrderSpec{"KODE", "", false, false}).ok());
  }
  int pipe_fds[2];
  ASSERT_EQ(pipe(pipe_fds), 0);
  const pid_t child = fork();
  if (child == 0) {
    close(pipe_fds[0]);
    Session writer(SearchPath({dir.path()}));
    WorkArea* area = nullptr;
    bool ok = writer.Use("LIVE", "", OpenMode::kShared, &area).ok() && area->orders().Open(dir.File("LIVE1.ntx")).ok();
    char line[32];
    for (int i = 1; ok && i <= 10000; ++i) {
      ok = area->Append().ok() && area->Put("KODE", Value::Text(Code('A', 100000 + i))).ok() &&
           area->Unlock().ok();
      const int n = std::snprintf(line, sizeof line, "A%d\n", 100000 + i);
      ok = ok && write(pipe_fds[1], line, n) == n;
    }
    for (uint32_t recno = 2; ok && recno <= 10000; recno += 2) {
      ok = area->GoTo(recno).ok() && area->Lock(LockWait::kWait).ok() &&
           area->Put("KODE", Value::Text(Code('B', static_cast<int>(100000 + recno)))).ok() && area->Unlock().ok();
      const int n = std::snprintf(line, sizeof line, "B%d\n", 100000 + recno);
      ok = ok && write(pipe_fds[1], line, n) == n;
    }
    close(pipe_fds[1]);
    _exit(ok ? 0 : 1);
  }
  close(pipe_fds[1]);
  Session reader(SearchPath({dir.path()}));
  WorkArea* area = nullptr;
  ASSERT_TRUE(reader.Use("LIVE", "", OpenMode::kShared, &area).ok());
  ASSERT_TRUE(area->orders().Open(dir.File("LIVE1.ntx")).ok());
  FILE* told = fdopen(pipe_fds[0], "r");
  char line[32];
  int sought = 0, missed = 0;
  while (std::fgets(line, sizeof line, told) != nullptr) {
    const std::string key(line, std::strlen(line) - 1);
    const Status s = area->orders().Seek(Value::Text(key));
    ASSERT_TRUE(s.ok()) << s.ToString();
    if (!area->found()) ++missed;
    ++sought;
  }
  std::fclose(told);
  int status = 0;
  ASSERT_EQ(waitpid(child, &status, 0), child);
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(sought, 15000);
  EXPECT_EQ(missed, 0);
  ASSERT_TRUE(area->orders().Seek(Value::Text("A100002")).ok());
  EXPECT_FALSE(area->found());
  ExpectAllCurrent(area);
}

}  // namespace
}  // namespace xbase
