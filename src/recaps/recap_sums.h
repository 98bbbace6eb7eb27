// Figures of recap rows summed in memory during a posting, then written into their recap table in
// one pass: the period's rows cleared, the sums put on the rows they belong to, missing rows appended.
#ifndef PALUNDA_RECAPS_RECAP_SUMS_H_
#define PALUNDA_RECAPS_RECAP_SUMS_H_

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/status.h"
#include "xbase/work_area.h"

namespace recaps {

// The three fields of a figure: pieces, cartons, value.
inline constexpr std::array<std::string_view, 3> kTripleFields = {"QTY", "CRT", "VAL"};

class RecapSums {
 public:
  // `area` is a recap table open exclusively; `keys` its key fields in key order; `figures` the
  // prefixes of the figures this posting adds to ("TG_", "JL_"; at most two); `cleared` the prefixes
  // it clears in the rows of the period (the added ones among them).
  RecapSums(xbase::WorkArea& area, std::vector<std::string> keys, std::vector<std::string> figures,
            std::vector<std::string> cleared);

  // Adds pieces, cartons and value to figure `figure` (an index into the figures) of the row of
  // `key_values` (one for each key field, padded or cut to its width). Each sum is rounded to its
  // field's decimals after every addition, as storing it in the field would.
  void Add(std::initializer_list<std::string_view> key_values, size_t figure, double quantity, double cartons,
           double value);

  // Clears the figures of every row whose PERIODE begins with `period` (found through the index
  // file `period_order`), puts the sums on the first row of each key and appends a row, with its key
  // fields, for each key without one, in the order the keys were first added.
  xbase::Status Write(std::string_view period_order, std::string_view period);

 private:
  static constexpr size_t kMaxFigures = 2;
  using Sums = std::array<std::array<double, 3>, kMaxFigures>;

  // The row of the key in key_, or kNone; `slot` gets where the key is or would go in slots_.
  static constexpr uint32_t kNone = UINT32_MAX;
  uint32_t Find(size_t* slot) const;
  std::string_view KeyOfRow(uint32_t row) const { return std::string_view(keys_).substr(row * width_, width_); }
  void Grow();
  // Puts the sums of `row` (zeros for kNone) on the current record; on a record just `appended` every
  // figure, else those that differ from what is stored.
  xbase::Status PutSums(uint32_t row, bool appended);

  // A figure the posting clears: its three fields and which added figure it takes, if any.
  struct ClearedFigure {
    std::array<std::string, 3> names;
    std::array<xbase::FieldHandle, 3> fields;
    int figure = -1;  // index into figures_, or -1 for a figure only cleared
  };

  xbase::WorkArea& area_;
  std::vector<std::string> keys_fields_;
  std::vector<xbase::FieldHandle> key_handles_;
  std::vector<size_t> widths_;
  size_t width_ = 0;  // of a whole key
  std::vector<std::string> figures_;
  // Looked up once: a yearly posting puts a dozen figures on each of hundreds of thousands of rows.
  std::vector<ClearedFigure> cleared_;
  std::array<int, 3> decimals_{};
  std::string key_;  // the key being looked up, built in place
  // The rows in the order first added: their keys (the key fields padded to their widths, one after
  // the other, width_ bytes a row), sums and whether they were written. Held flat: a yearly posting
  // holds hundreds of thousands of rows.
  std::string keys_;
  std::vector<Sums> sums_;
  std::vector<bool> written_;
  std::vector<uint32_t> slots_;  // open addressing over the rows: row + 1, 0 for a free slot
};

}  // namespace recaps

#endif  // PALUNDA_RECAPS_RECAP_SUMS_H_
