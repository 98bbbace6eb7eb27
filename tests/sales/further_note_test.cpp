// The due date of a further delivery note: the sale type's days, else the customer's, and never a
// guess when the type or the customer cannot be read.
#include <gtest/gtest.h>

#include "sales/further_note.h"
#include "support/damaged_tables.h"
#include "support/data_folder.h"
#include "support/scripted_session.h"

namespace sales {
namespace {

using support::AddRows;
using support::N;
using support::Open;
using support::T;

const xbase::Date kNoteDate = xbase::Date::FromYmd(2026, 12, 8);

class FurtherNoteDueDateTest : public ::testing::Test {
 protected:
  FurtherNoteDueDateTest() {
    rig.session.SetSearchPath(folder.path());
    AddRows(Open(rig.session, "TIPE"), {{{"TIPE", T("01")}, {"TEMPO", N(14)}}, {{"TIPE", T("02")}, {"TEMPO", N(0)}}});
    AddRows(Open(rig.session, "MASTCUS"), {{{"RELASI", T("J0001")}, {"TEMPO", N(30)}}});
    Open(rig.session, "SETUP");
    header.customer = "J0001     ";
    header.note_date = kNoteDate;
    header.term = 45;
  }

  support::TempDataFolder folder{{"TIPE", "MASTCUS", "SETUP"}};
  support::SessionRig rig;
  OrderHeader header;
  xbase::Date tempo;
  double term = -1;
};

TEST_F(FurtherNoteDueDateTest, TheTypesDaysElseTheCustomers) {
  header.type = "01";
  ASSERT_TRUE(FurtherNoteDueDate(rig.session, header, &tempo, &term));
  EXPECT_EQ(tempo.Dtos(), "20261222");
  EXPECT_EQ(term, 45);

  header.type = "02";
  ASSERT_TRUE(FurtherNoteDueDate(rig.session, header, &tempo, &term));
  EXPECT_EQ(tempo.Dtos(), "20270107");
  EXPECT_EQ(term, 0);
}

// A type table not open, or a type that cannot be read, used to leave the customer's days as the due
// date; now the note is not saved and row 24 says why.
TEST_F(FurtherNoteDueDateTest, ATypeThatCannotBeReadStopsTheSave) {
  header.type = "01";
  ASSERT_TRUE(rig.session.tables().Close("TIPE").ok());
  rig.term.AddKeys({' '});
  EXPECT_FALSE(FurtherNoteDueDate(rig.session, header, &tempo, &term));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "table not open: tipe"));

  support::DamageIndexPages(folder.path(), "TIPE");
  Open(rig.session, "TIPE");
  rig.term.AddKeys({' '});
  EXPECT_FALSE(FurtherNoteDueDate(rig.session, header, &tempo, &term));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "TIPE"));
}

TEST_F(FurtherNoteDueDateTest, ACustomerTableNotOpenIsNamed) {
  header.type = "02";
  ASSERT_TRUE(rig.session.tables().Close("MASTCUS").ok());
  rig.term.AddKeys({' '});
  EXPECT_FALSE(FurtherNoteDueDate(rig.session, header, &tempo, &term));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "table not open: mastcus"));
}

// A type without days takes its due date from SETUP ("TGJT" / "HARI" + type + group): SETUP not open or
// not readable stops the save, never the customer's days.
TEST_F(FurtherNoteDueDateTest, ASetupThatCannotBeReadStopsTheSave) {
  header.type = "02";
  header.group = "GROS";
  AddRows(Open(rig.session, "SETUP"), {{{"SETUP", T("HARI02GROS")}, {"KET", T("45")}}});
  ASSERT_TRUE(FurtherNoteDueDate(rig.session, header, &tempo, &term));
  EXPECT_EQ(tempo.Dtos(), "20270122");

  support::DamageOpenIndexPages(folder.path(), "SETUP");
  rig.term.AddKeys({' '});
  EXPECT_FALSE(FurtherNoteDueDate(rig.session, header, &tempo, &term));
  EXPECT_EQ(rig.term.keys_left(), 0u);
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "SETUP.ntx: page at 1024: item count 65535 above 50"));

  ASSERT_TRUE(rig.session.tables().Close("SETUP").ok());
  rig.term.AddKeys({' '});
  EXPECT_FALSE(FurtherNoteDueDate(rig.session, header, &tempo, &term));
  EXPECT_TRUE(support::ShownOnRow(rig.term, 24, "table not open: setup"));
}

}  // namespace
}  // namespace sales
