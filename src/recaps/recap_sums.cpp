// Figures of recap rows summed in memory during a posting, then written into their recap table in
// one pass: the period's rows cleared, the sums put on the rows they belong to, missing rows appended.
#include "recaps/recap_sums.h"

#include "xbase/number_text.h"

namespace recaps {

RecapSums::RecapSums(xbase::WorkArea& area, std::vector<std::string> keys, std::vector<std::string> figures,
                     std::vector<std::string> cleared)
    : area_(area), keys_(std::move(keys)), figures_(std::move(figures)), cleared_(std::move(cleared)) {
  for (size_t i = 0; i < kTripleFields.size(); ++i) {
    decimals_[i] = area_.Field(figures_.front() + std::string(kTripleFields[i])).decimals;
  }
}

std::string RecapSums::KeyOf(const std::vector<std::string>& padded) const {
  std::string key;
  for (const std::string& part : padded) key += part;
  return key;
}

void RecapSums::Add(const std::vector<std::string>& key_values, size_t figure, double quantity, double cartons,
                    double value) {
  std::vector<std::string> padded;
  padded.reserve(keys_.size());
  for (size_t i = 0; i < keys_.size(); ++i) padded.push_back(area_.PadToField(keys_[i], key_values[i]));
  const std::string key = KeyOf(padded);
  auto [at, added] = index_.try_emplace(key, entries_.size());
  if (added) entries_.push_back({std::move(padded), std::vector<std::array<double, 3>>(figures_.size()), false});
  std::array<double, 3>& sums = entries_[at->second].sums[figure];
  const double parts[3] = {quantity, cartons, value};
  for (size_t i = 0; i < sums.size(); ++i) sums[i] = xbase::Round(sums[i] + parts[i], decimals_[i]);
}

xbase::Status RecapSums::PutSums(const Entry* entry) {
  xbase::Status s;
  for (const std::string& prefix : cleared_) {
    for (size_t i = 0; i < kTripleFields.size() && s.ok(); ++i) {
      double sum = 0;
      if (entry != nullptr) {
        for (size_t f = 0; f < figures_.size(); ++f) {
          if (figures_[f] == prefix) sum = entry->sums[f][i];
        }
      }
      s = area_.Put(prefix + std::string(kTripleFields[i]), xbase::Value::Num(sum));
    }
    if (!s.ok()) return s;
  }
  return s;
}

xbase::Status RecapSums::Write(std::string_view period_order, std::string_view period) {
  xbase::Status s = area_.SetOrder(period_order);
  if (s.ok()) s = area_.Seek(period, true);
  while (s.ok() && !area_.eof() && area_.Text("PERIODE").starts_with(period)) {
    std::vector<std::string> padded;
    for (const std::string& field : keys_) padded.push_back(area_.Text(field));
    Entry* entry = nullptr;
    if (const auto at = index_.find(KeyOf(padded)); at != index_.end() && !entries_[at->second].written) {
      entry = &entries_[at->second];
      entry->written = true;
    }
    s = PutSums(entry);
    if (s.ok()) s = area_.Skip();
  }
  for (Entry& entry : entries_) {
    if (!s.ok()) break;
    if (entry.written) continue;
    s = area_.Append();
    for (size_t i = 0; i < keys_.size() && s.ok(); ++i) s = area_.Put(keys_[i], xbase::Value::Text(entry.key_values[i]));
    if (s.ok()) s = PutSums(&entry);
    entry.written = true;
  }
  if (s.ok()) s = area_.Unlock();
  return s;
}

}  // namespace recaps
