// A data folder for the memo screens: the memo work set, the sample customers, a branch "B2" with
// its memo counters, goods, three delivery notes and a driver; and small ways to read memos back.
#ifndef PALUNDA_TESTS_MEMOS_MEMO_TEST_HELPERS_H_
#define PALUNDA_TESTS_MEMOS_MEMO_TEST_HELPERS_H_

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/data_folder.h"
#include "support/scripted_session.h"
#include "xbase/date.h"

namespace memos {

// The rig's days: 08-12-2026 is a Tuesday, 06-12-2026 and 13-12-2026 are Sundays.
xbase::Date Day(int day, int month = 12, int year = 2026);

// One goods line of a delivery note: goods code, cartons (Q_BOX) and quantity in pieces.
struct GoodsRow {
  std::string code;
  double cartons = 0;
  double quantity = 0;
  double price = 0;
};

class MemoTest : public ::testing::Test {
 protected:
  // Delivery notes: SJ0001 (ZETA JAYA, 01-12-2026, cartons 2 + 3), SJ0002 (DELTA, 02-12-2026, 4 cartons),
  // SJ0003 (BETA, 03-12-2026, no goods lines); goods BRG01 (DOS 24, PAK 6) and BRG02 (DOS 10, PAK 0);
  // branch "B2" with the counters MADM 41, MDRV 7, MGDG 0, MPJK 12; driver DRV01 JOKO SUSILO.
  MemoTest();

  void Keys(std::initializer_list<std::vector<int>> parts) { rig.term.AddKeys(support::Keys(parts)); }
  // Runs an entry procedure after closing the tables a check left open; true when it ended well.
  bool Run(xbase::Status (*entry)(frame::Session&, const std::vector<xbase::Value>&),
           const std::vector<xbase::Value>& args = {});
  // Closes the session's tables and opens `table` afresh for checking.
  xbase::WorkArea& Reopen(const std::string& table);
  // The rows of `table` whose field `key` (trimmed) equals `value`, deleted rows too: their record numbers.
  std::vector<uint32_t> RowsWhere(const std::string& table, const std::string& key, const std::string& value);
  // The text of `field` of record `recno` of `table`, trailing blanks cut.
  std::string Stored(const std::string& table, uint32_t recno, const std::string& field);

  // The KET of the SETUP row `key`.
  std::string Setting(const std::string& key);

  // Adds a delivery note header with its goods lines and receivable.
  void AddNote(const std::string& invoice, xbase::Date date, const std::string& customer, xbase::Date shipping,
               const std::vector<GoodsRow>& goods, double amount = 0);
  // Writes a memo straight into its tables: header (approved or not) and lines of delivery notes.
  void AddMemo(const std::string& header, const std::string& lines, const std::string& number, xbase::Date date,
               bool approved, const std::vector<support::Row>& rows);

  support::TempDataFolder folder{{"MASTBRJ", "SRTJLN1", "SRTJLN2", "MASTCUS", "RELASI_EXT", "MEMADM1", "MEMADM2",
                                  "MEMDRV1", "MEMDRV2", "MEMGDG1", "MEMGDG2", "MEMPJK1", "MEMPJK2", "SETUP",
                                  "KARYAWAN", "PIUTDBT", "TAGIH1", "TAGIH2", "PIUTKR1", "PIUTKR2"}};
  support::SessionRig rig;
};

}  // namespace memos

#endif  // PALUNDA_TESTS_MEMOS_MEMO_TEST_HELPERS_H_
