// Figures of recap rows summed in memory during a posting, then written into their recap table in
// one pass: the period's rows cleared, the sums put on the rows they belong to, missing rows appended.
#ifndef PALUNDA_RECAPS_RECAP_SUMS_H_
#define PALUNDA_RECAPS_RECAP_SUMS_H_

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "xbase/status.h"
#include "xbase/work_area.h"

namespace recaps {

// The three fields of a figure: pieces, cartons, value.
inline constexpr std::array<std::string_view, 3> kTripleFields = {"QTY", "CRT", "VAL"};

class RecapSums {
 public:
  // `area` is a recap table open exclusively; `keys` its key fields in key order; `figures` the
  // prefixes of the figures this posting adds to ("TG_", "JL_"); `cleared` the prefixes it clears in
  // the rows of the period (the added ones among them).
  RecapSums(xbase::WorkArea& area, std::vector<std::string> keys, std::vector<std::string> figures,
            std::vector<std::string> cleared);

  // Adds pieces, cartons and value to figure `figure` (an index into the figures) of the row of
  // `key_values`. Each sum is rounded to its field's decimals after every addition, as storing it in
  // the field would.
  void Add(const std::vector<std::string>& key_values, size_t figure, double quantity, double cartons, double value);

  // Clears the figures of every row whose PERIODE begins with `period` (found through the index
  // file `period_order`), puts the sums on the first row of each key and appends a row, with its key
  // fields, for each key without one, in the order the keys were first added.
  xbase::Status Write(std::string_view period_order, std::string_view period);

 private:
  struct Entry {
    std::vector<std::string> key_values;
    std::vector<std::array<double, 3>> sums;
    bool written = false;
  };
  std::string KeyOf(const std::vector<std::string>& padded) const;
  xbase::Status PutSums(const Entry* entry);

  xbase::WorkArea& area_;
  std::vector<std::string> keys_;
  std::vector<std::string> figures_;
  std::vector<std::string> cleared_;
  std::array<int, 3> decimals_{};
  std::vector<Entry> entries_;
  std::unordered_map<std::string, size_t> index_;
};

}  // namespace recaps

#endif  // PALUNDA_RECAPS_RECAP_SUMS_H_
