// The folder check behind `dbtool verify`: recomputes balances, settled totals, stock and counters and
// names each difference (and sets the derived values when asked to repair).
#include "site/folder_verify.h"

#include <cmath>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <string_view>
#include <utility>

#include "frame/open_table.h"
#include "schema/catalog.h"
#include "schema/folder_check.h"
#include "schema/open_table.h"
#include "schema/rebuild_indexes.h"
#include "site/site_counters.h"
#include "stock/regeneration.h"
#include "xbase/number_text.h"
#include "xbase/search_path.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace site {
namespace {

using Totals = std::map<std::string, double>;

std::string Trimmed(const xbase::WorkArea& area, std::string_view field) {
  return std::string(xbase::AllTrim(area.Text(field)));
}

// A figure as the messages show it: two decimals, none when they are zero.
std::string Figure(double value) {
  std::string text(xbase::AllTrim(xbase::Str(value, 24, 2)));
  if (text.ends_with(".00")) text.resize(text.size() - 3);
  return text;
}

bool Differs(double stored, double derived) { return std::fabs(stored - derived) >= 0.005; }

// Every visible record of the area in natural order.
xbase::Status EachRecord(xbase::WorkArea& area, const std::function<xbase::Status()>& visit) {
  xbase::Status s = area.SetOrder(0);
  if (s.ok()) s = area.GoTop();
  while (s.ok() && !area.eof()) {
    s = visit();
    if (s.ok()) s = area.Skip();
  }
  return s;
}

// The value of a document number or counter: its digits after any leading letters.
double NumberValue(std::string_view text) {
  text = xbase::AllTrim(text);
  while (!text.empty() && !(text.front() >= '0' && text.front() <= '9')) text.remove_prefix(1);
  return xbase::Val(text).value;
}

// The tables the checks read, besides those of the stock replay.
constexpr const char* kValueTables[] = {"MASTCUS", "PIUTDBT", "PIUTKR2", "PIUTJBL", "GIRODBT",
                                        "GIROKDT", "MASTBRJ", "STOKBRG", "SETUP"};

class Verification {
 public:
  Verification(xbase::Session& tables, bool repair, std::vector<std::string>* out)
      : tables_(tables), repair_(repair), out_(out) {}

  xbase::Status Run() {
    xbase::Status s = Balances();
    if (s.ok()) s = Settled();
    if (s.ok()) s = Stock();
    if (s.ok()) s = GoodsTotals();
    if (s.ok()) s = Counters();
    return s;
  }

 private:
  xbase::WorkArea& Area(std::string_view name) { return *tables_.Area(name); }

  // Names a stored value that differs from what it derives from; on a repair sets it.
  xbase::Status Found(xbase::WorkArea& area, std::string_view field, const std::string& row, double derived,
                      const char* source) {
    const double stored = area.Number(field);
    if (!Differs(stored, derived)) return xbase::Status::OK();
    out_->push_back(row + ": " + std::string(field) + " " + Figure(stored) + ", " + source + " " + Figure(derived));
    return repair_ ? area.Put(field, xbase::Value::Num(derived)) : xbase::Status::OK();
  }

  // A customer's balance is the sum of its receivables' amounts.
  xbase::Status Balances() {
    xbase::WorkArea& receivables = Area("PIUTDBT");
    Totals owed;
    xbase::Status s = EachRecord(receivables, [&] {
      owed[Trimmed(receivables, "RELASI")] += receivables.Number("DEBET");
      return xbase::Status::OK();
    });
    xbase::WorkArea& customers = Area("MASTCUS");
    if (s.ok()) {
      s = EachRecord(customers, [&] {
        const std::string code = Trimmed(customers, "RELASI");
        return Found(customers, "SALDO", "MASTCUS " + code, owed[code], "receivables");
      });
    }
    return s;
  }

  // The settled totals of invoices and instruments: receipt lines add their amount, reversing-journal
  // lines debit minus credit, instrument splits their amount to the instrument.
  xbase::Status Settled() {
    Totals invoices, instruments;
    xbase::WorkArea& receipt_lines = Area("PIUTKR2");
    xbase::Status s = EachRecord(receipt_lines, [&] {
      const double amount = receipt_lines.Number("KREDIT");
      invoices[Trimmed(receipt_lines, "NOTA")] += amount;
      instruments[Trimmed(receipt_lines, "NO_BUKTI")] += amount;
      return xbase::Status::OK();
    });
    xbase::WorkArea& journal = Area("PIUTJBL");
    if (s.ok()) {
      s = EachRecord(journal, [&] {
        const double amount = journal.Number("DEBET") - journal.Number("KREDIT");
        invoices[Trimmed(journal, "NOTA")] += amount;
        instruments[Trimmed(journal, "NO_BUKTI")] += amount;
        return xbase::Status::OK();
      });
    }
    xbase::WorkArea& splits = Area("GIROKDT");
    if (s.ok()) {
      s = EachRecord(splits, [&] {
        instruments[Trimmed(splits, "NOMOR")] += splits.Number("KREDIT");
        return xbase::Status::OK();
      });
    }
    xbase::WorkArea& receivables = Area("PIUTDBT");
    if (s.ok()) {
      s = EachRecord(receivables, [&] {
        const std::string nota = Trimmed(receivables, "NOTA");
        return Found(receivables, "KREDIT", "PIUTDBT " + nota, invoices[nota], "settlement lines");
      });
    }
    xbase::WorkArea& registered = Area("GIRODBT");
    if (s.ok()) {
      s = EachRecord(registered, [&] {
        const std::string number = Trimmed(registered, "NOMOR");
        return Found(registered, "KREDIT", "GIRODBT " + number, instruments[number], "settlement lines");
      });
    }
    return s;
  }

  // Each warehouse row against the movements of its goods there, by the regeneration's arithmetic; a
  // repair regenerates the goods that differ and empties rows that no movement feeds.
  xbase::Status Stock() {
    std::vector<stock::ReplayedStock> replayed;
    xbase::Status s = stock::ReplayStock(tables_, "", "", &replayed);
    std::map<std::pair<std::string, std::string>, const stock::ReplayedStock*> moved;
    for (const stock::ReplayedStock& item : replayed) {
      moved[{std::string(xbase::AllTrim(item.code)), std::string(xbase::AllTrim(item.warehouse))}] = &item;
    }
    std::set<std::pair<std::string, std::string>> rows;
    std::vector<const stock::ReplayedStock*> regenerate;
    xbase::WorkArea& stock_rows = Area("STOKBRG");
    if (s.ok()) {
      s = EachRecord(stock_rows, [&] {
        const std::pair<std::string, std::string> key = {Trimmed(stock_rows, "KODE"), Trimmed(stock_rows, "GUDANG")};
        rows.insert(key);
        const auto it = moved.find(key);
        const std::string row = "STOKBRG " + key.first + " " + key.second;
        if (it == moved.end()) return Found(stock_rows, "JUMLAH", row, 0, "movements");
        const double stored = stock_rows.Number("JUMLAH");
        if (!Differs(stored, it->second->quantity)) return xbase::Status::OK();
        out_->push_back(row + ": JUMLAH " + Figure(stored) + ", movements " + Figure(it->second->quantity));
        regenerate.push_back(it->second);
        return xbase::Status::OK();
      });
    }
    for (const auto& [key, item] : moved) {
      if (!s.ok() || rows.count(key) != 0 || !Differs(0, item->quantity)) continue;
      out_->push_back("STOKBRG " + key.first + " " + key.second + ": no row, movements " + Figure(item->quantity));
      regenerate.push_back(item);
    }
    for (size_t i = 0; s.ok() && repair_ && i < regenerate.size(); ++i) {
      s = stock::Regenerate(tables_, regenerate[i]->code, regenerate[i]->warehouse);
    }
    return s;
  }

  // A goods total is the sum of its warehouse rows.
  xbase::Status GoodsTotals() {
    Totals held;
    xbase::WorkArea& stock_rows = Area("STOKBRG");
    xbase::Status s = EachRecord(stock_rows, [&] {
      held[Trimmed(stock_rows, "KODE")] += stock_rows.Number("JUMLAH");
      return xbase::Status::OK();
    });
    xbase::WorkArea& goods = Area("MASTBRJ");
    if (s.ok()) {
      s = EachRecord(goods, [&] {
        const std::string code = Trimmed(goods, "KODE");
        return Found(goods, "JUMLAH", "MASTBRJ " + code, held[code], "warehouse rows");
      });
    }
    return s;
  }

  // A branch's counter is at least the highest number its documents use: those of the branch whose
  // number begins with the counter's letters.
  xbase::Status Counters() {
    xbase::WorkArea& setup = Area("SETUP");
    xbase::Status s;
    for (const SiteCounter& kind : SiteCounters()) {
      if (kind.numbered == nullptr || !s.ok()) continue;
      std::map<std::string, std::vector<std::string>> numbers;  // by branch
      xbase::WorkArea& documents = Area(kind.numbered);
      s = EachRecord(documents, [&] {
        numbers[Trimmed(documents, "KDCB")].push_back(Trimmed(documents, "NOMOR"));
        return xbase::Status::OK();
      });
      if (s.ok()) {
        s = EachRecord(setup, [&] {
          const std::string key = setup.Text("SETUP");
          if (!key.starts_with(kind.prefix)) return xbase::Status::OK();
          const std::string branch(xbase::AllTrim(std::string_view(key).substr(std::string_view(kind.prefix).size())));
          const std::string counter = Trimmed(setup, "KET");
          const std::string letters = counter.substr(0, counter.find_first_of("0123456789"));
          std::string highest;
          for (const std::string& number : numbers[branch]) {
            if (!number.starts_with(letters) || number.size() == letters.size()) continue;
            if (highest.empty() || NumberValue(number) > NumberValue(highest)) highest = number;
          }
          if (highest.empty() || NumberValue(counter) >= NumberValue(highest)) return xbase::Status::OK();
          out_->push_back("SETUP " + std::string(xbase::RTrim(key)) + ": KET " + counter + ", highest number used " +
                          highest);
          return repair_ ? setup.Put("KET", xbase::Value::Text(highest)) : xbase::Status::OK();
        });
      }
    }
    return s;
  }

  xbase::Session& tables_;
  bool repair_;
  std::vector<std::string>* out_;
};

// Every table the checks read.
std::vector<std::string> CheckedTables() {
  std::vector<std::string> names(std::begin(kValueTables), std::end(kValueTables));
  for (const frame::TableUse& use : stock::RegenerationTables()) names.emplace_back(use.name);
  for (const SiteCounter& kind : SiteCounters()) {
    if (kind.numbered != nullptr) names.emplace_back(kind.numbered);
  }
  std::set<std::string> seen;
  std::vector<std::string> unique;
  for (const std::string& name : names) {
    if (seen.insert(xbase::Upper(name)).second) unique.push_back(xbase::Upper(name));
  }
  return unique;
}

xbase::Status OpenChecked(xbase::Session& tables, xbase::OpenMode mode) {
  xbase::Status s;
  for (const std::string& name : CheckedTables()) {
    xbase::WorkArea* area = nullptr;
    if (s.ok()) s = schema::UseWithIndexes(tables, name, "", mode, &area);
  }
  return s;
}

xbase::Status CheckValues(const std::string& folder, bool repair, std::vector<std::string>* out) {
  xbase::Session tables(xbase::SearchPath({folder}));
  xbase::Status s = OpenChecked(tables, repair ? xbase::OpenMode::kExclusive : xbase::OpenMode::kShared);
  if (s.ok()) s = Verification(tables, repair, out).Run();
  const xbase::Status closed = tables.CloseAll();
  return s.ok() ? closed : s;
}

// Nobody else is in the folder: every table of the catalog opens exclusively.
xbase::Status FolderFree(const std::string& folder) {
  xbase::Session tables(xbase::SearchPath({folder}));
  xbase::Status s;
  for (const schema::TableDef* table : schema::AllTables()) {
    xbase::WorkArea* area = nullptr;
    if (s.ok()) s = tables.Use(table->name, "", xbase::OpenMode::kExclusive, &area);
  }
  const xbase::Status closed = tables.CloseAll();
  return s.ok() ? closed : s;
}

}  // namespace

xbase::Status VerifyFolder(const std::string& folder, std::vector<std::string>* differences) {
  differences->clear();
  for (const schema::TableDef* table : schema::AllTables()) {
    const std::vector<std::string> faults = schema::CheckTable(folder, *table);
    differences->insert(differences->end(), faults.begin(), faults.end());
  }
  return CheckValues(folder, false, differences);
}

xbase::Status RepairFolder(const std::string& folder, std::vector<std::string>* repaired) {
  repaired->clear();
  xbase::Status s = FolderFree(folder);
  // The values are read through the indexes: those go first.
  for (const schema::TableDef* table : schema::AllTables()) {
    if (!s.ok()) break;
    const std::vector<std::string> faults = schema::CheckTable(folder, *table);
    if (faults.empty()) continue;
    repaired->insert(repaired->end(), faults.begin(), faults.end());
    s = schema::RebuildIndexes(*table, folder);
  }
  return s.ok() ? CheckValues(folder, true, repaired) : s;
}

}  // namespace site
