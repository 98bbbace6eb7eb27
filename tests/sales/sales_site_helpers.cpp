// A sales data folder, a terminal that answers on its own and the keys a clerk types for a line.
#include "sales/sales_site_helpers.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "console/keys.h"
#include "sales/sales.h"
#include "sales/sales_order.h"
#include "schema/folder_check.h"
#include "schema/open_table.h"
#include "site/data_folder.h"
#include "site/demo_data.h"
#include "support/scripted_session.h"
#include "support/site_folder.h"
#include "xbase/number_text.h"
#include "xbase/search_path.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

using console::key::kEnter;
using console::key::kRight;
using support::Keys;
using support::Line;

// Opens a table of the folder with its indexes in a session of its own and finds `key` on `index`.
struct Reader {
  Reader(const std::string& dir, const std::string& table) : session(xbase::SearchPath({dir})) {
    const xbase::Status s = schema::UseWithIndexes(session, table, "", xbase::OpenMode::kShared, &area);
    if (!s.ok()) ADD_FAILURE() << table << ": " << s.ToString();
  }
  bool Seek(const std::string& index, const std::string& key) {
    return area != nullptr && area->SetOrder(index).ok() && area->Seek(key).ok() && area->found();
  }
  xbase::Session session;
  xbase::WorkArea* area = nullptr;
};

}  // namespace

SalesSite::SalesSite() : data_(root_.File("data")) { Make(); }

SalesSite::SalesSite(std::string data) : data_(std::move(data)) { Make(); }

void SalesSite::Make() {
  site::DataFolderOptions options;
  options.demo = true;
  options.today = kToday;
  const xbase::Status s = site::MakeDataFolder(data_, options, nullptr);
  EXPECT_TRUE(s.ok()) << s.ToString();
  // The demonstration company brings delivery notes of its own for the memos and an open order.
  for (const char* table : {"SRTJLN1", "SRTJLN2", "PIUTDBT", "SLSODR1", "SLSODR2"}) demo_rows_[table] = Records(table);
  Reader customers(data_, "MASTCUS");
  for (uint32_t recno = 1; customers.area != nullptr && recno <= customers.area->table().record_count(); ++recno) {
    if (!customers.area->GoTo(recno).ok()) break;
    demo_balances_[std::string(xbase::AllTrim(customers.area->Text("RELASI")))] = customers.area->Number("SALDO");
  }
}

void SalesSite::LogIn(frame::Session& session, std::string_view rights, const std::string& through) const {
  const std::string& data = through.empty() ? data_ : through;
  session.SetSearchPath(data);
  session.DRVDATA_ = data + "/";
  session.MMEMBER.nik = site::kDemoNik;
  session.MMEMBER.name = site::kDemoName;
  session.MMEMBER.rights = std::string(rights);
  session.MMEMBER.warehouse = site::kDemoWarehouse;
  session.ZTGPROSES = xbase::Date::FromYmd(2026, 12, 31);
  session.ZTGLBATAS = kToday;
  session.ZHARIBATAS = "10";
  session.ZHARICETAK = "10";
  session.POTONGPPN = 11;
  session.STP.date = session.ZTGPROSES;
}

std::string SalesSite::Field(const std::string& table, const std::string& index, const std::string& key,
                             const std::string& field) const {
  return support::SeekField(data_, table, index, key, field);
}

double SalesSite::Number(const std::string& table, const std::string& index, const std::string& key,
                         const std::string& field) const {
  Reader reader(data_, table);
  return reader.Seek(index, key) ? reader.area->Number(field) : 0;
}

std::vector<std::string> SalesSite::Fields(const std::string& table, const std::string& index, const std::string& key,
                                           const std::string& field) const {
  Reader reader(data_, table);
  std::vector<uint32_t> records;
  std::vector<std::string> values;
  if (reader.area == nullptr || !reader.area->SetOrder(index).ok() || !reader.area->SeekAll(key, &records).ok()) {
    return values;
  }
  for (uint32_t record : records) {
    xbase::Value value;
    if (!reader.area->GoTo(record).ok() || !reader.area->Get(field, &value).ok()) continue;
    values.push_back(value.is_number() ? std::string(xbase::AllTrim(xbase::Str(value.number(), 20, 2))) : value.text());
  }
  return values;
}

int UnattendedTerminal::ReadKey(int timeout_ms) {
  std::this_thread::sleep_for(std::chrono::milliseconds(std::min(timeout_ms, 5)));
  return console::key::kNone;
}

uint32_t SalesSite::Records(const std::string& table) const {
  Reader reader(data_, table);
  return reader.area == nullptr ? 0 : reader.area->table().record_count();
}

double SalesSite::BalanceMoved(const std::string& customer) const {
  const auto demo = demo_balances_.find(customer);
  return Number("MASTCUS", "MASTCUS1", customer, "SALDO") - (demo == demo_balances_.end() ? 0 : demo->second);
}

uint32_t SalesSite::Count(const std::string& table) const {
  const auto demo = demo_rows_.find(table);
  return Records(table) - (demo == demo_rows_.end() ? 0 : demo->second);
}

void SalesSite::Put(const std::string& table, const std::string& index, const std::string& key,
                    const std::string& field, const xbase::Value& value) const {
  Reader reader(data_, table);
  ASSERT_TRUE(reader.Seek(index, key)) << table << " " << key;
  ASSERT_TRUE(reader.area->Lock().ok());
  ASSERT_TRUE(reader.area->Put(field, value).ok());
  ASSERT_TRUE(reader.area->Unlock().ok());
}

void SalesSite::Add(const std::string& table, const std::vector<support::Row>& rows) const {
  Reader reader(data_, table);
  ASSERT_NE(reader.area, nullptr);
  support::AddRows(*reader.area, rows);
}

void SalesSite::ExpectSoundIndexes() const {
  const std::vector<std::string> faults = schema::CheckFolder(data_);
  EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
}

void OrderScreenTest::Run(const std::vector<int>& keys, std::string_view rights) { RunEntry(IJUAL, keys, rights); }

void OrderScreenTest::RunEntry(Entry entry, const std::vector<int>& keys, std::string_view rights) {
  rig.term.AddKeys(Keys({keys, {console::key::kEsc}}));
  site.LogIn(rig.session, rights);
  ASSERT_TRUE(entry(rig.session, {}).ok());
  EXPECT_EQ(rig.term.overruns(), 0) << console::ScriptedTerminal::Dump(rig.term.cells());
}

std::vector<int> HeaderKeys(std::string_view order, std::string_view customer, std::string_view type,
                            std::string_view salesman, std::string_view manager) {
  return Keys({Line(order), Line(customer), {kEnter, kEnter, kEnter, kEnter}, Line(type),
               Line(salesman), Line(manager), {kEnter, kEnter, kEnter, kEnter, kEnter, kEnter}});
}

std::vector<int> LineKeys(const LineInput& line) {
  std::vector<int> keys = line.warehouse.empty() ? std::vector<int>{kRight} : Line(line.warehouse);
  // After the code the cursor passes the name, which is not edited, to the cartons.
  keys = Keys({keys, Line(line.code), Line(std::to_string(line.cartons)),
               Line(std::to_string(line.packs)), Line(std::to_string(line.pieces)), {kRight}});
  keys = Keys({keys, line.delivered < 0 ? std::vector<int>{kRight} : Line(std::to_string(line.delivered)),
               {kRight, kRight, kRight, kEnter}});
  return keys;
}

std::vector<int> NoteHeaderKeys(std::string_view note, std::string_view order) {
  return Keys({Line(note), Line(order), std::vector<int>(15, kEnter)});
}

std::vector<int> RevisionHeaderKeys(std::string_view note) { return Keys({Line(note), std::vector<int>(15, kEnter)}); }

std::vector<int> FirstQuantityKeys(int quantity) {
  return Keys({std::vector<int>(6, kRight), Line(std::to_string(quantity))});
}

std::vector<int> SaveKeys(const std::vector<std::string>& notes) {
  std::vector<int> keys = {console::key::kF10};
  for (const std::string& note : notes) keys = Keys({keys, Line(note)});
  return Keys({keys, {kEnter}});
}

void SaveOrders(const SalesSite& site, char workstation, int orders, int pieces, bool sc0001_first,
                const std::string& through) {
  UnattendedTerminal terminal;
  console::ManualClock clock({kToday, 9 * 3600});
  console::Console con(terminal, clock);
  frame::ProcedureRegistry registry;
  frame::Session session(con, registry, std::string("WS-") + workstation);
  site.LogIn(session, "", through);
  ASSERT_TRUE(OPENDATA(session));
  for (int n = 1; n <= orders; ++n) {
    const std::string suffix = std::string(1, workstation) + std::to_string(n);
    SalesOrder order;
    order.header.order = xbase::PadR("SO-" + suffix, 15);
    order.header.customer = xbase::PadR("J0002", 10);
    order.header.note_date = kToday;
    std::vector<std::pair<const char*, int>> goods = {{"SC0002", pieces}, {"SC0001", 1}};
    if (sc0001_first) std::swap(goods[0], goods[1]);
    for (const auto& [code, count] : goods) {
      ADD_REC(&order.lines, 2, 0, "GDG01");
      const int line = static_cast<int>(order.lines.size());
      xbase::Value typed = xbase::Value::Text(xbase::PadR(code, 10));
      ASSERT_TRUE(CHKIJUAL(session, &typed, kCode, &order, line));
      order.lines.back()[kCode - 1] = typed;
      typed = xbase::Value::Num(count);
      ASSERT_TRUE(CHKIJUAL(session, &typed, kPieces, &order, line));
      order.lines.back()[kPieces - 1] = typed;
    }
    EXPECT_TRUE(WriteSalesOrder(session, order, {xbase::PadR("SJ-" + suffix, 20)}));
  }
  session.CloseTables();
}

}  // namespace sales
