// Rewriting a document's stored lines in place, and the header step of the replace-by-key merge.
#include "documents/stored_lines.h"

#include <gtest/gtest.h>

#include <map>

#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "xbase/text_functions.h"

namespace documents {

using support::AddRows;
using support::N;
using support::Open;
using support::SessionRig;
using support::StoredText;
using support::T;
using support::TempDataFolder;

namespace {

// Lines of GIRO_RL for one instrument: customer and value; the running total is a map of customer to value.
class StoredLinesTest : public ::testing::Test {
 protected:
  StoredLinesTest() { rig.session.SetSearchPath(folder.path()); }

  // Rewrites the rows of instrument "G1" with `lines` (a blank customer is a line not kept).
  void Rewrite(const std::vector<std::pair<std::string, double>>& lines) {
    xbase::WorkArea& area = Open(rig.session, "GIRO_RL");
    std::vector<uint32_t> rows;
    ASSERT_TRUE(area.SetOrder("GIRO_RL1").ok());
    ASSERT_TRUE(StoredRows(rig.session.tables(), area, area.PadToField("NOMOR", "G1"), &rows).ok());
    LineRewrite how;
    how.keep = [&](size_t k) { return !lines[k].first.empty(); };
    how.reverse = [&] {
      totals[std::string(xbase::RTrim(area.Text("RELASI")))] -= area.Number("NILAI");
      return xbase::Status::OK();
    };
    how.write = [&](size_t k, bool appended) {
      xbase::Status s = appended ? area.Put("NOMOR", T("G1")) : xbase::Status::OK();
      if (s.ok()) s = area.Put("RELASI", T(lines[k].first));
      if (s.ok()) s = area.Put("NILAI", N(lines[k].second));
      return s;
    };
    how.apply = [&](size_t k) {
      totals[lines[k].first] += lines[k].second;
      return xbase::Status::OK();
    };
    ASSERT_TRUE(RewriteLines(rig.con, area, rows, lines.size(), how).ok());
    EXPECT_TRUE(area.table().locked_records().empty());
  }

  // The live rows as "customer=value" and the deleted ones as "-customer".
  std::vector<std::string> Rows() {
    xbase::WorkArea& area = Open(rig.session, "GIRO_RL");
    std::vector<std::string> rows;
    for (uint32_t r = 1; r <= area.table().record_count(); ++r) {
      const std::string customer = StoredText(area, r, "RELASI");
      rows.push_back(area.deleted() ? "-" + customer : customer + "=" + std::to_string(int(area.Number("NILAI"))));
    }
    return rows;
  }

  TempDataFolder folder{{"GIRO_RL", "GIRODBT"}};
  SessionRig rig;
  std::map<std::string, double> totals;
};

TEST_F(StoredLinesTest, ShorteningDeletesAndReversesThenLengtheningRecallsTheSameRows) {
  AddRows(Open(rig.session, "GIRO_RL"), {{{"NOMOR", T("G9")}, {"RELASI", T("Z")}, {"NILAI", N(7)}}});
  Rewrite({{"A", 10}, {"B", 20}, {"C", 30}});
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Z=7", "A=10", "B=20", "C=30"}));
  Rewrite({{"A", 11}});
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Z=7", "A=11", "-B", "-C"}));
  EXPECT_EQ(totals, (std::map<std::string, double>{{"A", 11}, {"B", 0}, {"C", 0}}));
  // Lengthening recalls rows 3 and 4 (nothing reversed twice) before anything is appended.
  Rewrite({{"A", 11}, {"", 5}, {"D", 40}, {"E", 50}});
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Z=7", "A=11", "-B", "D=40", "E=50"}));
  EXPECT_EQ(totals, (std::map<std::string, double>{{"A", 11}, {"B", 0}, {"C", 0}, {"D", 40}, {"E", 50}}));
  Rewrite({});
  EXPECT_EQ(Rows(), (std::vector<std::string>{"Z=7", "-A", "-B", "-D", "-E"}));
  EXPECT_EQ(totals, (std::map<std::string, double>{{"A", 0}, {"B", 0}, {"C", 0}, {"D", 0}, {"E", 0}}));
}

TEST_F(StoredLinesTest, MergedHeaderKeepsItsKeyAndTakesTheOtherFieldsByPosition) {
  xbase::WorkArea& live = Open(rig.session, "GIRODBT");
  AddRows(live, {{{"NOMOR", T("G1")}, {"KDCB", T("JKT001")}, {"DEBET", N(100)}}});
  ASSERT_TRUE(live.GoTo(1).ok());
  ASSERT_TRUE(live.Lock().ok());
  ASSERT_TRUE(live.Delete().ok());
  ASSERT_TRUE(live.Unlock().ok());
  // The incoming table only needs the same layout; a second handle on the live table stands in.
  xbase::WorkArea* incoming = nullptr;
  ASSERT_TRUE(rig.session.tables().Use("GIRODBT", "INCOMING", xbase::OpenMode::kShared, &incoming).ok());
  AddRows(*incoming, {{{"NOMOR", T("g1")}, {"KDCB", T("BDG001")}, {"DEBET", N(250)}}});
  ASSERT_TRUE(incoming->GoTo(2).ok());
  ASSERT_TRUE(live.GoTo(1).ok());
  ASSERT_TRUE(MergeHeaderRow(rig.con, live, true, *incoming, true).ok());
  EXPECT_EQ(StoredText(live, 1, "NOMOR"), "G1");
  EXPECT_FALSE(live.deleted());
  EXPECT_EQ(StoredText(live, 1, "KDCB"), "BDG001");
  EXPECT_EQ(live.Number("DEBET"), 250);
  ASSERT_TRUE(MergeHeaderRow(rig.con, live, false, *incoming, true).ok());
  EXPECT_EQ(StoredText(live, 3, "NOMOR"), "g1");
  EXPECT_EQ(live.table().record_count(), 3u);
}

}  // namespace
}  // namespace documents
