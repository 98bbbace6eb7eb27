// The regeneration of stock quantities and moving average costs from every movement line.
#include "stock/regeneration.h"

#include <cmath>
#include <set>
#include <string>

#include "stock/movements.h"
#include "xbase/value.h"
#include "xbase/work_area.h"

namespace stock {
namespace {

double Cents(double value) { return std::round(value * 100) / 100; }

// Puts a number on the current record when it differs from what is stored.
xbase::Status PutNumber(xbase::WorkArea& area, std::string_view field, double value) {
  if (area.Number(field) == Cents(value)) return xbase::Status::OK();
  return area.Put(field, xbase::Value::Num(value));
}

class Regeneration {
 public:
  // Without `replayed` the figures are written back; with it they only go there.
  Regeneration(xbase::Session& tables, std::vector<ReplayedStock>* replayed) : tables_(tables), replayed_(replayed) {}

  // Item by item, so that only one item's movements are held at a time.
  xbase::Status Run(std::string_view code, std::string_view warehouse,
                    const std::function<void(const std::string&, const std::string&)>& progress) {
    const std::string prefix(code);
    MovementReader reader(tables_, {prefix, prefix, std::string(warehouse)});
    std::vector<std::string> codes;
    xbase::Status s = replayed_ == nullptr ? FindWritten() : xbase::Status::OK();
    if (s.ok()) s = reader.Codes(&codes);
    std::vector<Movement> movements;
    for (size_t c = 0; s.ok() && c < codes.size(); ++c) {
      s = reader.Item(codes[c], &movements);
      for (size_t first = 0; s.ok() && first < movements.size();) {
        size_t end = first;
        while (end < movements.size() && movements[end].warehouse == movements[first].warehouse) ++end;
        if (progress) progress(movements[first].code, movements[first].warehouse);
        s = Replay(movements, first, end);
        first = end;
      }
    }
    for (auto item = items_.begin(); s.ok() && item != items_.end(); ++item) s = GoodsTotal(*item);
    return s;
  }

 private:
  // The areas the figures are written to: every movement line table, STOKBRG and MASTBRJ. One the
  // caller did not open is an error naming it, before anything is written.
  xbase::Status FindWritten() {
    stock_ = tables_.Area("STOKBRG");
    goods_ = tables_.Area("MASTBRJ");
    if (stock_ == nullptr || goods_ == nullptr) return xbase::Status::NotFound("STOKBRG/MASTBRJ", "table not open");
    for (const MovementSource& source : MovementSources()) {
      lines_.push_back(tables_.Area(source.lines));
      if (lines_.back() == nullptr) return xbase::Status::NotFound(source.lines, "table not open");
    }
    return xbase::Status::OK();
  }

  xbase::Status Replay(const std::vector<Movement>& movements, size_t first, size_t end) {
    double quantity = 0, average = 0;
    xbase::Status s;
    for (size_t i = first; s.ok() && i < end; ++i) {
      const Movement& m = movements[i];
      if (m.source == kReceipts) {
        if (quantity + m.in > 0) average = (quantity * average + m.in * m.price) / (quantity + m.in);
      } else if (average == 0) {
        average = m.average;
      }
      quantity += m.in - m.out;
      if (average > 0 && replayed_ == nullptr) s = WriteBack(m, average);
    }
    if (replayed_ != nullptr) {
      replayed_->push_back({movements[first].code, movements[first].warehouse, quantity, average});
      return s;
    }
    if (s.ok()) s = WarehouseRow(movements[first].code, movements[first].warehouse, quantity, average);
    return s;
  }

  // The running average into the source line (and the price of an adjustment).
  xbase::Status WriteBack(const Movement& m, double average) {
    xbase::WorkArea& lines = *lines_[m.source];
    xbase::Status s = lines.GoTo(m.recno);
    if (s.ok()) s = PutNumber(lines, "HRG_RATA", average);
    if (s.ok() && m.source == kAdjustments) s = PutNumber(lines, "HARGA", average);
    return s;
  }

  xbase::Status WarehouseRow(const std::string& code, const std::string& warehouse, double quantity, double average) {
    xbase::WorkArea& stock = *stock_;
    xbase::Status s = stock.SetOrder("STOKBRG1");
    if (s.ok()) s = stock.Seek(stock.PadToField("KODE", code) + stock.PadToField("GUDANG", warehouse));
    if (s.ok() && !stock.found()) {
      s = stock.Append();
      if (s.ok()) s = stock.Put("KODE", xbase::Value::Text(code));
      if (s.ok()) s = stock.Put("GUDANG", xbase::Value::Text(warehouse));
    }
    if (s.ok()) s = PutNumber(stock, "JUMLAH", quantity);
    if (s.ok()) s = PutNumber(stock, "HRG_RATA", average);
    xbase::WorkArea& goods = *goods_;
    if (s.ok()) s = goods.SetOrder("MASTBRJ1");
    if (s.ok()) s = goods.Seek(goods.PadToField("KODE", code));
    if (s.ok() && goods.found()) s = PutNumber(goods, "HRG_RATA", average);
    items_.insert(code);
    return s;
  }

  // The goods master's quantity: the sum of the item's warehouse rows.
  xbase::Status GoodsTotal(const std::string& code) {
    xbase::WorkArea& stock = *stock_;
    xbase::WorkArea& goods = *goods_;
    std::vector<uint32_t> rows;
    xbase::Status s = stock.SetOrder("STOKBRG1");
    if (s.ok()) s = stock.SeekAll(stock.PadToField("KODE", code), &rows);
    double total = 0;
    for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
      s = stock.GoTo(rows[i]);
      total += stock.Number("JUMLAH");
    }
    if (s.ok()) s = goods.Seek(goods.PadToField("KODE", code));
    if (s.ok() && goods.found()) s = PutNumber(goods, "JUMLAH", total);
    return s;
  }

  xbase::Session& tables_;
  std::vector<ReplayedStock>* replayed_;
  xbase::WorkArea* stock_ = nullptr;
  xbase::WorkArea* goods_ = nullptr;
  std::vector<xbase::WorkArea*> lines_;  // by movement source
  std::set<std::string> items_;
};

}  // namespace

std::vector<frame::TableUse> RegenerationTables() {
  std::vector<frame::TableUse> tables = {{"MASTGDG"}, {"MASTBRJ", {}, true}, {"STOKBRG", {}, true}};
  // The line tables are rewritten and held exclusively; their headers are only read.
  for (const MovementSource& source : MovementSources()) {
    tables.push_back({source.lines, {}, true});
    if (!source.header.empty()) tables.push_back({source.header});
  }
  return tables;
}

xbase::Status ReplayStock(xbase::Session& tables, std::string_view code, std::string_view warehouse,
                          std::vector<ReplayedStock>* out) {
  out->clear();
  return Regeneration(tables, out).Run(code, warehouse, {});
}

xbase::Status Regenerate(xbase::Session& tables, std::string_view code, std::string_view warehouse,
                         const std::function<void(const std::string& code, const std::string& warehouse)>& progress) {
  return Regeneration(tables, nullptr).Run(code, warehouse, progress);
}

}  // namespace stock
