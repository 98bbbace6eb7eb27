// The stock-taking figures of item and warehouse pairs, and the opname adjustment that books the difference.
#include "stock/opname.h"

#include <algorithm>
#include <functional>
#include <map>
#include <set>

#include "console/table_access.h"
#include "documents/record_writes.h"
#include "documents/save_scope.h"
#include "stock/movements.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"
#include "xbase/work_area.h"

namespace stock {
namespace {

using Key = std::pair<std::string, std::string>;

bool Begins(const std::string& text, std::string_view prefix) {
  prefix = xbase::RTrim(prefix);
  return text.compare(0, prefix.size(), prefix) == 0;
}

// The counted pieces per pair of the tags whose code and warehouse begin with the prefixes, in code +
// warehouse order.
xbase::Status Counts(const frame::OpenedTables& tables, std::string_view code, std::string_view warehouse,
                     std::map<Key, double>* counts) {
  xbase::WorkArea& tags = tables["OPNAME"];
  xbase::Status s = tags.SetOrder("OPNAME3");
  if (s.ok()) s = tags.GoTop();
  while (s.ok() && !tags.eof()) {
    const std::string item = tags.Text("KODE"), place = tags.Text("GUDANG");
    if (!xbase::IsBlank(item) && Begins(item, code) && Begins(place, warehouse)) {
      (*counts)[{item, place}] += tags.Number("JUMLAH");
    }
    s = tags.Skip();
  }
  return s;
}

}  // namespace

std::vector<frame::TableUse> OpnameTables() {
  std::vector<frame::TableUse> tables = {{"mastgdg"}, {"mastbrj"}, {"Stokbrg"}, {"opname"}, {"SETUP"}};
  for (const std::string_view name : MovementTables()) {
    if (name != "JUSTMEN") tables.push_back({name});
  }
  tables.push_back({"JUSTMEN"});
  return tables;
}

xbase::Status OpnamePairs(frame::Session& session, const frame::OpenedTables& tables, std::string_view code,
                          std::string_view warehouse, xbase::Date date, std::vector<OpnamePair>* pairs) {
  pairs->clear();
  std::map<Key, double> counts;
  xbase::Status s = Counts(tables, code, warehouse, &counts);
  std::vector<Movement> movements;
  const std::string prefix(xbase::RTrim(code));
  if (s.ok()) s = CollectMovements(session.tables(), {prefix, prefix, std::string(warehouse)}, &movements);
  std::map<Key, std::pair<size_t, size_t>> spans;
  for (size_t i = 0; i < movements.size();) {
    size_t end = i;
    while (end < movements.size() && movements[end].code == movements[i].code &&
           movements[end].warehouse == movements[i].warehouse) {
      ++end;
    }
    spans[{movements[i].code, movements[i].warehouse}] = {i, end};
    i = end;
  }
  xbase::WorkArea& stock = tables["Stokbrg"];
  xbase::WorkArea& goods = tables["mastbrj"];
  std::vector<Key> keys;
  std::set<Key> seen;
  if (s.ok()) s = stock.SetOrder("STOKBRG1");
  if (s.ok()) s = stock.Seek(prefix, true);
  while (s.ok() && !stock.eof() && Begins(stock.Text("KODE"), prefix)) {
    Key key{stock.Text("KODE"), stock.Text("GUDANG")};
    if (!xbase::IsBlank(key.first) && Begins(key.second, warehouse) && seen.insert(key).second) keys.push_back(key);
    s = stock.Skip();
  }
  for (const auto& [key, counted] : counts) {
    if (seen.insert(key).second) keys.push_back(key);
  }
  for (size_t k = 0; s.ok() && k < keys.size(); ++k) {
    OpnamePair pair;
    pair.code = keys[k].first;
    pair.warehouse = keys[k].second;
    if (const auto at = counts.find(keys[k]); at != counts.end()) pair.counted = at->second;
    s = goods.SetOrder("MASTBRJ1");
    if (s.ok()) s = goods.Seek(goods.PadToField("KODE", pair.code));
    if (s.ok() && goods.found()) {
      pair.name = goods.Text("NAMA");
      pair.price = goods.Number("HARGA4");
      pair.per_carton = goods.Number("DOS");
    }
    if (s.ok()) s = stock.Seek(pair.code + pair.warehouse);
    if (s.ok() && stock.found()) {
      pair.has_row = true;
      pair.average = stock.Number("HRG_RATA");
    }
    if (const auto at = spans.find(keys[k]); at != spans.end()) {
      // Adjustments come before receipts in the collected order, so the last of either wins.
      std::vector<const Movement*> priced;
      for (size_t i = at->second.first; i < at->second.second; ++i) {
        const Movement& m = movements[i];
        if (m.date <= date) {
          pair.at_date += Signed(m);
          if (m.source == kAdjustments || m.source == kReceipts) priced.push_back(&m);
        } else {
          pair.later += Signed(m);
        }
      }
      std::stable_sort(priced.begin(), priced.end(), [](const Movement* a, const Movement* b) { return a->source < b->source; });
      if (!priced.empty()) pair.average = priced.back()->average;
    }
    pairs->push_back(std::move(pair));
  }
  return s;
}

xbase::Date FirstTagDate(const frame::OpenedTables& tables) {
  xbase::WorkArea& tags = tables["OPNAME"];
  if (!tags.SetOrder("OPNAME2").ok() || !tags.GoTop().ok() || tags.eof()) return {};
  return tags.DateOf("TANGGAL");
}

xbase::Status AdjustToCount(frame::Session& session, const frame::OpenedTables& tables, std::string_view code,
                            std::string_view warehouse, xbase::Date date,
                            const std::function<void(const OpnamePair&)>& progress) {
  console::Console& con = session.console();
  xbase::WorkArea& adjustments = tables["JUSTMEN"];
  xbase::WorkArea& stock = tables["Stokbrg"];
  xbase::WorkArea& goods = tables["mastbrj"];
  xbase::WorkArea& setup = tables["SETUP"];
  // One save over every pair: the stock and goods tables whole, and the stock counted under their locks.
  documents::SaveScope save(con);
  save.Append(adjustments);
  save.Table(stock);
  save.Append(stock);
  save.Table(goods);
  xbase::Status s = setup.SetOrder(1);
  if (s.ok()) s = setup.Seek(setup.PadToField("SETUP", "ADJUSTMENT"));
  if (s.ok() && setup.found()) save.Update(setup, setup.recno());
  if (s.ok() && !setup.found()) save.Append(setup);
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return xbase::Status::OK();
  }
  std::vector<OpnamePair> pairs;
  s = OpnamePairs(session, tables, code, warehouse, date, &pairs);
  if (s.ok()) s = save.BeginWrites();
  std::set<std::string> items;
  for (size_t i = 0; s.ok() && i < pairs.size(); ++i) {
    const OpnamePair& pair = pairs[i];
    if (progress) progress(pair);
    const double variance = pair.counted - pair.at_date;
    if (variance != 0) {
      s = documents::AppendRecord(con, adjustments,
                                  {{"NOMOR", xbase::Value::Text("STOP" + date.Dtos())},
                                   {"TANGGAL", xbase::Value::FromDate(date)},
                                   {"KODE", xbase::Value::Text(pair.code)},
                                   {"GUDANG", xbase::Value::Text(pair.warehouse)},
                                   {"QUANTITY", xbase::Value::Num(variance)},
                                   {"HARGA", xbase::Value::Num(pair.price)},
                                   {"HRG_RATA", xbase::Value::Num(pair.average)},
                                   {"TGLINPUT", xbase::Value::FromDate(session.Today())},
                                   {"OPERATOR", xbase::Value::Text(session.MMEMBER.nik)}});
    }
    const documents::FieldValues fields = {{"JUMLAH", xbase::Value::Num(pair.counted + pair.later)},
                                           {"HRG_BELI", xbase::Value::Num(pair.average)},
                                           {"HRG_POKOK", xbase::Value::Num(pair.price)},
                                           {"HRG_RATA", xbase::Value::Num(pair.average)}};
    if (s.ok()) s = stock.SetOrder("STOKBRG1");
    if (s.ok()) s = stock.Seek(pair.code + pair.warehouse);
    if (s.ok() && stock.found()) {
      s = console::LOCK_REC(con, stock);
      if (s.ok()) s = documents::PutAndRelease(stock, fields);
    } else if (s.ok()) {
      documents::FieldValues all = {{"KODE", xbase::Value::Text(pair.code)}, {"GUDANG", xbase::Value::Text(pair.warehouse)}};
      all.insert(all.end(), fields.begin(), fields.end());
      s = documents::AppendRecord(con, stock, all);
    }
    items.insert(pair.code);
  }
  // The goods master's quantity follows its warehouse rows.
  for (auto item = items.begin(); s.ok() && item != items.end(); ++item) {
    std::vector<uint32_t> rows;
    s = stock.SetOrder("STOKBRG1");
    if (s.ok()) s = stock.SeekAll(*item, &rows);
    double total = 0;
    for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
      s = stock.GoTo(rows[i]);
      total += stock.Number("JUMLAH");
    }
    if (s.ok()) s = goods.SetOrder("MASTBRJ1");
    if (s.ok()) s = goods.Seek(*item);
    if (s.ok() && goods.found()) {
      s = console::LOCK_REC(con, goods);
      if (s.ok()) s = documents::PutAndRelease(goods, {{"JUMLAH", xbase::Value::Num(total)}});
    }
  }
  if (s.ok()) s = setup.SetOrder(1);
  if (s.ok()) s = setup.Seek(setup.PadToField("SETUP", "ADJUSTMENT"));
  const xbase::Value text = xbase::Value::Text(xbase::Dtoc(date));
  if (s.ok() && !setup.found()) {
    s = documents::AppendRecord(con, setup, {{"SETUP", xbase::Value::Text("ADJUSTMENT")}, {"KET", text}});
  } else if (s.ok() && (s = console::LOCK_REC(con, setup)).ok()) {
    s = documents::PutAndRelease(setup, {{"KET", text}});
  }
  return save.CommitWrites(s);
}

}  // namespace stock
