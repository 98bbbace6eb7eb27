// The fixed row lists of the group reports: item rows by name, " Sub Total" rows that add the item
// rows since the one before, and a total row at the end.
#ifndef PALUNDA_PERFORMANCE_GROUP_ROWS_H_
#define PALUNDA_PERFORMANCE_GROUP_ROWS_H_

#include <string>
#include <string_view>
#include <vector>

namespace performance {

inline constexpr std::string_view kSubTotal = " Sub Total";

class GroupRows {
 public:
  // `labels` in order, the last being the total; an unknown name counts under `fallback`.
  GroupRows(std::vector<std::string> labels, std::string_view fallback);

  // The rows a name's figures go to: its own (the fallback's when unknown), its sub-total when it
  // has one, and the total.
  const std::vector<size_t>& RowsOf(std::string_view name) const;
  const std::vector<std::string>& labels() const { return labels_; }
  size_t size() const { return labels_.size(); }
  // True for a sub-total or the total.
  bool IsSum(size_t row) const;

 private:
  std::vector<std::string> labels_;
  std::vector<std::vector<size_t>> targets_;  // by row
  size_t fallback_ = 0;
};

// The goods-group rows of the sales report by salesman and product group.
GroupRows SalesGroupRows();
// The product-family rows (K1 .. M44) of the group reports.
GroupRows FamilyRows();

}  // namespace performance

#endif  // PALUNDA_PERFORMANCE_GROUP_ROWS_H_
