// The stock movement recap with turnover: per item the opening stock, the movements, the closing stock and the
// turnover.
#include "stock/movement_recap.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "stock/movements.h"
#include "xbase/text_functions.h"
#include "xbase/work_area.h"

namespace stock {
namespace {

struct Figures {
  std::array<double, kRecapColumns> pieces{};
  xbase::Date reference;
};

// The figures of one item from its movements (every warehouse, in code + warehouse + date order).
Figures FiguresOf(const RecapAsk& ask, const std::vector<Movement>& movements, size_t first, size_t end) {
  Figures f;
  std::array<bool, 7> seen{};
  for (size_t i = first; i < end; ++i) {
    const Movement& m = movements[i];
    if (!seen[m.source] && f.reference.empty()) f.reference = m.date;
    seen[m.source] = true;
    if (!m.warehouse.starts_with(ask.warehouse)) continue;
    if (m.source == kReceipts && m.date > f.reference) f.reference = m.date;
    const double quantity = Signed(m);
    if (m.date < ask.from) {
      f.pieces[kOpening] += quantity;
      f.pieces[kClosing] += quantity;
      continue;
    }
    if (m.date > ask.to) continue;
    f.pieces[kClosing] += quantity;
    const bool this_month = m.date.year() == ask.to.year() && m.date.month() == ask.to.month();
    switch (m.source) {
      case kAdjustments: f.pieces[kAdjustment] += quantity; break;
      case kReceipts: f.pieces[kBranchIn] += m.in; break;
      case kPurchaseReturns: f.pieces[kBranchOut] += m.out; break;
      case kDeliveries:
      case kSalesReturns:
        f.pieces[kSalesToDate] -= quantity;
        if (this_month) f.pieces[kSalesOfMonth] -= quantity;
        break;
      case kMutationsIn: f.pieces[kProductionIn] += m.in; break;
      case kMutationsOut: f.pieces[kProductionOut] += m.out; break;
      default: break;
    }
  }
  return f;
}

}  // namespace

xbase::Status MovementRecap(frame::Session& session, const frame::OpenedTables& tables, const RecapAsk& ask,
                            std::vector<RecapGroup>* groups) {
  groups->clear();
  std::vector<Movement> movements;
  xbase::Status s = CollectMovements(session.tables(), {ask.code, ask.code, ""}, &movements);
  std::map<std::string, std::pair<size_t, size_t>> spans;
  for (size_t i = 0; i < movements.size();) {
    size_t end = i;
    while (end < movements.size() && movements[end].code == movements[i].code) ++end;
    spans[movements[i].code] = {i, end};
    i = end;
  }
  std::map<std::string, std::vector<RecapRow>> by_group;
  xbase::WorkArea& goods = tables["MASTBRJ"];
  if (s.ok()) s = goods.SetOrder("MASTBRJ1");
  if (s.ok()) s = goods.Seek(ask.code, true);
  while (s.ok() && !goods.eof() && goods.Text("KODE").starts_with(ask.code)) {
    RecapRow row{goods.Text("KODE"), goods.Text("NAMA"), goods.Number("HARGA4")};
    Figures f;
    if (const auto at = spans.find(row.code); at != spans.end()) f = FiguresOf(ask, movements, at->second.first, at->second.second);
    double listed = 0;
    for (const RecapColumn c : {kOpening, kProductionIn, kProductionOut, kBranchIn, kBranchOut, kSalesToDate,
                                kSalesOfMonth, kClosing}) {
      listed += std::fabs(f.pieces[c]);
    }
    if (listed != 0) {
      const double divisor = ask.pieces ? 1 : goods.Number("DOS");
      for (int c = 0; c < kRecapColumns; ++c) row.quantity[c] = divisor == 0 ? 0 : f.pieces[c] / divisor;
      row.value = f.pieces[kClosing] * row.price;
      row.monthly_sales = row.quantity[kSalesToDate] / ask.to.month();
      row.storage_months = f.pieces[kClosing] == 0 ? 0 : (ask.to - f.reference) / 30.0;
      row.turnover = row.monthly_sales == 0 ? 0 : row.quantity[kClosing] / row.monthly_sales;
      by_group[goods.Text("GOLONGAN")].push_back(row);
    }
    s = goods.Skip();
  }
  xbase::WorkArea& kinds = tables["MASTGOL"];
  if (s.ok()) s = kinds.SetOrder("MASTGOL2");
  if (s.ok()) s = kinds.GoTop();
  while (s.ok() && !kinds.eof()) {
    if (auto at = by_group.find(kinds.Text("KODE")); at != by_group.end()) {
      std::stable_sort(at->second.begin(), at->second.end(),
                       [](const RecapRow& a, const RecapRow& b) { return a.turnover > b.turnover; });
      groups->push_back({kinds.Text("KODE"), kinds.Text("NAMA"), std::move(at->second)});
      by_group.erase(at);
    }
    s = kinds.Skip();
  }
  return s;
}

}  // namespace stock
