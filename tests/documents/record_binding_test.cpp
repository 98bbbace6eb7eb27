// A document bound to its record: the round trip of every kind of field, a field the table lacks,
// and values too wide for their fields, each refused before anything is written.
#include "documents/record_binding.h"

#include <gtest/gtest.h>

#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "xbase/date.h"

namespace documents {

using support::Open;
using support::SessionRig;
using support::StoredText;
using support::TempDataFolder;

namespace {

struct Cashing {
  std::string number;
  xbase::Date date;
  bool empty = false;
  std::string notes;
};

struct Settled {
  std::string number;
  std::string customer;
  double value = 0;
};

const RecordBinding<Cashing> kCashing = {Bind("NOMOR", &Cashing::number), Bind("TANGGAL", &Cashing::date),
                                         Bind("KOSONG", &Cashing::empty), Bind("NOTES", &Cashing::notes)};
const RecordBinding<Settled> kSettled = {Bind("NOMOR", &Settled::number), Bind("RELASI", &Settled::customer),
                                         Bind("NILAI", &Settled::value)};

class RecordBindingTest : public ::testing::Test {
 protected:
  RecordBindingTest() { rig.session.SetSearchPath(folder.path()); }

  TempDataFolder folder{{"GIROCAIR", "GIRO_RL"}};
  SessionRig rig;
};

TEST_F(RecordBindingTest, WritesAndReadsBackEveryKindBesideTheExtraFields) {
  xbase::WorkArea& area = Open(rig.session, "GIROCAIR");
  const Cashing written{"G-1", xbase::Date::FromDtos("20260817"), true, "setor"};
  ASSERT_TRUE(kCashing.Append(rig.con, area, written).ok());
  EXPECT_TRUE(area.table().locked_records().empty());
  EXPECT_EQ(StoredText(area, 1, "NOMOR"), "G-1");
  EXPECT_EQ(area.DateOf("TANGGAL").Dtos(), "20260817");
  EXPECT_TRUE(area.Logical("KOSONG"));
  Cashing read;
  ASSERT_TRUE(kCashing.Read(area, &read).ok());
  EXPECT_EQ(read.number, "G-1" + std::string(17, ' '));
  EXPECT_EQ(read.date.Dtos(), "20260817");
  EXPECT_TRUE(read.empty);
  EXPECT_EQ(read.notes, "setor" + std::string(15, ' '));

  // An extra field takes its value after the bound ones: the later one stands.
  xbase::WorkArea& settled = Open(rig.session, "GIRO_RL");
  ASSERT_TRUE(kSettled.Append(rig.con, settled, {"G-1", "C1", 1250.5}, {{"RELASI", xbase::Value::Text("C2")}}).ok());
  EXPECT_EQ(StoredText(settled, 1, "RELASI"), "C2");
  EXPECT_EQ(settled.Number("NILAI"), 1250.5);
}

TEST_F(RecordBindingTest, AFieldTheTableLacksIsAnErrorNamingTableAndFieldAndNothingIsReadOrWritten) {
  xbase::WorkArea& area = Open(rig.session, "GIRO_RL");
  ASSERT_TRUE(kSettled.Append(rig.con, area, {"G-1", "C1", 10}).ok());
  const RecordBinding<Settled> wrong = {Bind("NOMOR", &Settled::number), Bind("NILAI_X", &Settled::value)};
  Settled read{"untouched", "", 7};
  xbase::Status s = wrong.Read(area, &read);
  EXPECT_EQ(s.message(), "Field NILAI_X tidak ada di tabel GIRO_RL");
  EXPECT_EQ(read.number, "untouched");
  EXPECT_EQ(read.value, 7);
  s = wrong.Append(rig.con, area, {"G-2", "", 5});
  EXPECT_EQ(s.message(), "Field NILAI_X tidak ada di tabel GIRO_RL");
  EXPECT_EQ(area.table().record_count(), 1u);
  EXPECT_EQ(wrong.Misfit(area, {"G-2", "", 5}), "NILAI_X");
  // SessionRig checks no getter was asked for the missing field.
}

TEST_F(RecordBindingTest, ValuesTooWideAreRefusedBeforeAnyFieldIsPut) {
  xbase::WorkArea& area = Open(rig.session, "GIRO_RL");
  ASSERT_TRUE(kSettled.Append(rig.con, area, {"G-1", "C1", 10}).ok());
  // NILAI is N(16, 2): 13 digits before the point fit, 14 do not.
  EXPECT_EQ(kSettled.Misfit(area, {"G-1", "C1", 9999999999999.99}), "");
  EXPECT_EQ(kSettled.Append(rig.con, area, {"G-2", "C1", 99999999999999.0}).message(),
            "Nilai NILAI terlalu besar untuk tabel GIRO_RL");
  EXPECT_EQ(area.table().record_count(), 1u);
  // RELASI is C(10): blanks past the width are cut as ever, anything else is refused.
  ASSERT_TRUE(area.GoTo(1).ok());
  ASSERT_TRUE(area.Lock().ok());
  EXPECT_EQ(kSettled.Write(area, {"G-9", "ABCDEFGHIJK", 20}).message(),
            "Isi RELASI terlalu panjang untuk tabel GIRO_RL");
  EXPECT_EQ(area.Text("NOMOR"), std::string("G-1") + std::string(17, ' '));
  EXPECT_EQ(area.Number("NILAI"), 10);
  ASSERT_TRUE(kSettled.Write(area, {"G-9", "ABCDEFGHIJ   ", 20}).ok());
  EXPECT_EQ(area.Text("RELASI"), "ABCDEFGHIJ");
  EXPECT_EQ(area.Number("NILAI"), 20);
  ASSERT_TRUE(area.Unlock().ok());
}

TEST_F(RecordBindingTest, GridCellsReadAsTheGridsHoldThemAndWriteOtherTypesBlank) {
  xbase::WorkArea& area = Open(rig.session, "GIRO_RL");
  const RecordBinding<console::ValueRow> line = {TextCell("RELASI", 2), NumberCell("NILAI", 3)};
  // A cell still of another type (an untouched grid column) is stored blank or 0.
  const console::ValueRow typed = {xbase::Value::Num(1), xbase::Value::Num(5), xbase::Value::Text("x")};
  ASSERT_TRUE(line.Append(rig.con, area, typed, {{"NOMOR", xbase::Value::Text("G-1")}}).ok());
  EXPECT_EQ(StoredText(area, 1, "RELASI"), "");
  EXPECT_EQ(area.Number("NILAI"), 0);
  ASSERT_TRUE(line.Append(rig.con, area, {xbase::Value::Num(1), xbase::Value::Text("C7"), xbase::Value::Num(42.5)},
                          {{"NOMOR", xbase::Value::Text("G-2")}}).ok());
  console::ValueRow read(3, xbase::Value::Num(0));
  ASSERT_TRUE(line.Read(area, &read).ok());
  EXPECT_EQ(read[1].text(), "C7" + std::string(8, ' '));
  EXPECT_EQ(read[2].number(), 42.5);
}

}  // namespace
}  // namespace documents
