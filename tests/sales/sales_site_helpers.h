// The sales screens' tests run on a demonstration data folder made as palunda-setup --demo makes it,
// with a session of the demo cashier, and type their orders through the scripted terminal.
#ifndef PALUNDA_TESTS_SALES_SALES_SITE_HELPERS_H_
#define PALUNDA_TESTS_SALES_SALES_SITE_HELPERS_H_

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "console/terminal.h"
#include "frame/session.h"
#include "support/scripted_session.h"
#include "support/data_folder.h"
#include "support/temp_folder.h"
#include "xbase/value.h"

namespace sales {

// The day the folder is made and the orders are typed.
inline const xbase::Date kToday = xbase::Date::FromYmd(2026, 12, 8);

class SalesSite {
 public:
  SalesSite();
  // The folder made at `data` instead of a temporary folder of its own.
  explicit SalesSite(std::string data);
  SalesSite(const SalesSite&) = delete;
  SalesSite& operator=(const SalesSite&) = delete;

  const std::string& data() const { return data_; }

  // Gives `session` the demo cashier's login (home warehouse GDG01, the rights given) and the folder's
  // login-wide values: process month December 2026, last start 08-12-2026, 10 days each way, VAT 11 %.
  // `through` is the folder's path as this workstation reaches it, when not data().
  void LogIn(frame::Session& session, std::string_view rights = "", const std::string& through = "") const;

  // The text of `field` of the record that index `index` finds for `key`; "<not found>" without one.
  std::string Field(const std::string& table, const std::string& index, const std::string& key,
                    const std::string& field) const;
  // The number of `field` of that record (0 without one).
  double Number(const std::string& table, const std::string& index, const std::string& key,
                const std::string& field) const;
  // `field` of every visible record whose key on `index` begins with `key`, in key order; numbers
  // with two decimals.
  std::vector<std::string> Fields(const std::string& table, const std::string& index, const std::string& key,
                                  const std::string& field) const;
  // How far a customer's balance moved from what the demonstration company's receivables gave it.
  double BalanceMoved(const std::string& customer) const;
  // The records of a table beyond those the demonstration company brought.
  uint32_t Count(const std::string& table) const;
  // Writes `value` into `field` of the record that `index` finds for `key`.
  void Put(const std::string& table, const std::string& index, const std::string& key, const std::string& field,
           const xbase::Value& value) const;
  // Appends rows to a table.
  void Add(const std::string& table, const std::vector<support::Row>& rows) const;
  // Every index file of the folder passes the check and holds exactly its table's keys.
  void ExpectSoundIndexes() const;

 private:
  // Makes the demonstration folder at data_.
  void Make();
  uint32_t Records(const std::string& table) const;

  support::TempFolder root_;
  std::string data_;
  std::map<std::string, uint32_t> demo_rows_;  // the records of each table in the new folder
  std::map<std::string, double> demo_balances_;  // each customer's SALDO in the new folder
};

// A workstation's terminal where nobody types: a wait for a key passes a moment and ends without one,
// so a save that meets another workstation's lock waits for it.
class UnattendedTerminal : public console::Terminal {
 public:
  void Present(const console::CellGrid&, const console::Cursor&) override {}
  int ReadKey(int timeout_ms) override;
  void Tone(int, int) override {}
  bool IsColour() const override { return true; }
};

// One workstation: saves `orders` orders of `pieces` of SC0002 and one SC0001 each, from GDG01, the
// goods in the order given, reaching the folder through `through` (the site's own path when empty).
void SaveOrders(const SalesSite& site, char workstation, int orders, int pieces, bool sc0001_first,
                const std::string& through = "");

// A test of the order screen on a demonstration folder.
class OrderScreenTest : public ::testing::Test {
 protected:
  // Runs the screen as the demo cashier with the keys, then Esc to leave it.
  void Run(const std::vector<int>& keys, std::string_view rights = "");
  // Runs another entry of the subsystem the same way.
  using Entry = xbase::Status (*)(frame::Session&, const std::vector<xbase::Value>&);
  void RunEntry(Entry entry, const std::vector<int>& keys, std::string_view rights = "");

  SalesSite site;
  support::SessionRig rig;
};

// The keys of an order header: number, customer, the three dates as they stand, branch as filled,
// type, salesman, sales manager (empty: none), discounts and remarks as filled, company, include.
std::vector<int> HeaderKeys(std::string_view order, std::string_view customer, std::string_view type,
                            std::string_view salesman, std::string_view manager = "");

// One order line typed from the warehouse column of a new line to the first column of the next:
// the warehouse when given, the code, cartons, packs and pieces, the delivered quantity when given.
struct LineInput {
  std::string code;
  int cartons = 0;
  int packs = 0;
  int pieces = 0;
  std::string warehouse;  // empty: the line keeps the one it was given
  int delivered = -1;     // -1: the proposal stands
};
std::vector<int> LineKeys(const LineInput& line);

// The header of a further note: its number, the order, then the rest as the order filled it.
std::vector<int> NoteHeaderKeys(std::string_view note, std::string_view order);
// The header of a note's revision: its number, then the rest as loaded.
std::vector<int> RevisionHeaderKeys(std::string_view note);
// From the first line's warehouse to its quantity, and the quantity typed.
std::vector<int> FirstQuantityKeys(int quantity);

// F10, the delivery-note numbers, and "Ya".
std::vector<int> SaveKeys(const std::vector<std::string>& notes);

}  // namespace sales

#endif  // PALUNDA_TESTS_SALES_SALES_SITE_HELPERS_H_
