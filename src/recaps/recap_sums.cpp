// Figures of recap rows summed in memory during a posting, then written into their recap table in
// one pass: the period's rows cleared, the sums put on the rows they belong to, missing rows appended.
#include "recaps/recap_sums.h"

#include <algorithm>
#include <functional>

#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace recaps {

RecapSums::RecapSums(xbase::WorkArea& area, std::vector<std::string> keys, std::vector<std::string> figures,
                     std::vector<std::string> cleared)
    : area_(area), keys_fields_(std::move(keys)), figures_(std::move(figures)) {
  figures_.resize(std::min(figures_.size(), kMaxFigures));
  for (const std::string& field : keys_fields_) {
    key_handles_.push_back(area_.Field(field));
    widths_.push_back(area_.PadToField(field, "").size());
    width_ += widths_.back();
  }
  for (const std::string& prefix : cleared) {
    ClearedFigure figure;
    for (size_t i = 0; i < kTripleFields.size(); ++i) {
      figure.names[i] = prefix + std::string(kTripleFields[i]);
      figure.fields[i] = area_.Field(figure.names[i]);
    }
    for (size_t f = 0; f < figures_.size(); ++f) {
      if (figures_[f] == prefix) figure.figure = static_cast<int>(f);
    }
    cleared_.push_back(std::move(figure));
  }
  for (size_t i = 0; i < kTripleFields.size(); ++i) {
    decimals_[i] = area_.Field(figures_.front() + std::string(kTripleFields[i])).decimals;
  }
  slots_.assign(1024, 0);
}

uint32_t RecapSums::Find(size_t* slot) const {
  const size_t mask = slots_.size() - 1;
  for (size_t at = std::hash<std::string_view>{}(key_) & mask;; at = (at + 1) & mask) {
    if (slots_[at] == 0 || KeyOfRow(slots_[at] - 1) == key_) {
      *slot = at;
      return slots_[at] == 0 ? kNone : slots_[at] - 1;
    }
  }
}

void RecapSums::Grow() {
  slots_.assign(slots_.size() * 2, 0);
  const size_t mask = slots_.size() - 1;
  for (uint32_t row = 0; row < sums_.size(); ++row) {
    size_t at = std::hash<std::string_view>{}(KeyOfRow(row)) & mask;
    while (slots_[at] != 0) at = (at + 1) & mask;
    slots_[at] = row + 1;
  }
}

void RecapSums::Add(std::initializer_list<std::string_view> key_values, size_t figure, double quantity,
                    double cartons, double value) {
  key_.clear();
  size_t field = 0;
  for (const std::string_view text : key_values) {
    const size_t width = widths_[field++];
    const std::string_view kept = text.substr(0, width);
    key_.append(kept).append(width - kept.size(), ' ');
  }
  size_t slot = 0;
  uint32_t row = Find(&slot);
  if (row == kNone) {
    row = static_cast<uint32_t>(sums_.size());
    keys_ += key_;
    sums_.emplace_back();
    written_.push_back(false);
    slots_[slot] = row + 1;
    // At most half the slots taken keeps the probes short.
    if (2 * sums_.size() > slots_.size()) Grow();
  }
  std::array<double, 3>& sums = sums_[row][figure];
  const double parts[3] = {quantity, cartons, value};
  for (size_t i = 0; i < sums.size(); ++i) sums[i] = xbase::Round(sums[i] + parts[i], decimals_[i]);
}

xbase::Status RecapSums::PutSums(uint32_t row, bool appended) {
  xbase::DbfTable& table = area_.table();
  xbase::Status s;
  for (const ClearedFigure& cleared : cleared_) {
    for (size_t i = 0; i < kTripleFields.size() && s.ok(); ++i) {
      const double sum = row != kNone && cleared.figure >= 0 ? sums_[row][static_cast<size_t>(cleared.figure)][i] : 0;
      // A figure already stored is left alone (a blank one is not: it is written as 0), so that a row
      // whose figures all stand is not written again.
      const xbase::FieldHandle& field = cleared.fields[i];
      if (!field.valid()) {
        s = area_.Put(cleared.names[i], xbase::Value::Num(sum));
        continue;
      }
      const std::string_view stored = table.Bytes(field);
      const bool stands = !appended && !xbase::IsBlank(stored) && field.type == 'N' && table.Number(field) == sum;
      if (!stands) s = table.Put(field, xbase::Value::Num(sum));
    }
    if (!s.ok()) return s;
  }
  return s;
}

xbase::Status RecapSums::Write(std::string_view period_order, std::string_view period) {
  xbase::Status s = area_.SetOrder(period_order);
  if (s.ok()) s = area_.Seek(period, true);
  while (s.ok() && !area_.eof() && area_.Text("PERIODE").starts_with(period)) {
    key_.clear();
    for (const xbase::FieldHandle& field : key_handles_) {
      if (field.valid()) key_ += area_.table().Bytes(field);
    }
    size_t slot = 0;
    uint32_t row = Find(&slot);
    if (row != kNone && written_[row]) row = kNone;
    if (row != kNone) written_[row] = true;
    s = PutSums(row, false);
    if (s.ok()) s = area_.Skip();
  }
  for (uint32_t row = 0; row < sums_.size() && s.ok(); ++row) {
    if (written_[row]) continue;
    s = area_.Append();
    for (size_t i = 0, offset = 0; i < keys_fields_.size() && s.ok(); offset += widths_[i++]) {
      s = area_.Put(keys_fields_[i], xbase::Value::Text(std::string(KeyOfRow(row).substr(offset, widths_[i]))));
    }
    if (s.ok()) s = PutSums(row, true);
    written_[row] = true;
  }
  if (s.ok()) s = area_.Unlock();
  return s;
}

}  // namespace recaps
