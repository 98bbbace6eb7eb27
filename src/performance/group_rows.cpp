// The fixed row lists of the group reports: item rows by name, " Sub Total" rows that add the item
// rows since the one before, and a total row at the end.
#include "performance/group_rows.h"

#include "xbase/text_functions.h"

namespace performance {
namespace {

// The retail chains whose service goods have groups of their own.
constexpr std::string_view kServiceChains[] = {"PRIMA", "MEGA",  "SURYA", "SINAR", "INDAH", "MULIA", "JAYA",  "RAYA",
                                               "AGUNG", "DUTA",  "GRAHA", "KARYA", "UTAMA", "LOKA",  "MITRA", "NUSA",
                                               "PUSAT", "RIA",   "SAKTI", "TIARA", "CITRA", "DEWI",  "ELOK"};

}  // namespace

GroupRows::GroupRows(std::vector<std::string> labels, std::string_view fallback) : labels_(std::move(labels)) {
  targets_.resize(labels_.size());
  const size_t total = labels_.size() - 1;
  size_t first = 0;
  for (size_t row = 0; row < total; ++row) {
    if (labels_[row] != kSubTotal) continue;
    for (size_t item = first; item < row; ++item) targets_[item].push_back(row);
    first = row + 1;
  }
  for (size_t row = 0; row < total; ++row) {
    if (labels_[row] == kSubTotal) continue;
    targets_[row].insert(targets_[row].begin(), row);
    targets_[row].push_back(total);
    if (labels_[row] == fallback) fallback_ = row;
  }
}

const std::vector<size_t>& GroupRows::RowsOf(std::string_view name) const {
  const std::string_view trimmed = xbase::AllTrim(name);
  for (size_t row = 0; row + 1 < labels_.size(); ++row) {
    if (labels_[row] != kSubTotal && labels_[row] == trimmed) return targets_[row];
  }
  return targets_[fallback_];
}

bool GroupRows::IsSum(size_t row) const { return row + 1 == labels_.size() || labels_[row] == kSubTotal; }

GroupRows SalesGroupRows() {
  std::vector<std::string> labels = {"SCHOOL", "WRITING", "GIFTWRAP", std::string(kSubTotal), "OFFICE", "ENVELOPE",
                                     "OTHERS", "COPYPAPER", std::string(kSubTotal), "JASA"};
  for (std::string_view chain : kServiceChains) labels.push_back("JASA-" + std::string(chain));
  labels.insert(labels.end(), {"JASA-K1", "JASA-K2", "LAIN-LAIN", std::string(kSubTotal), " **TOTAL**"});
  return GroupRows(std::move(labels), "LAIN-LAIN");
}

GroupRows FamilyRows() {
  return GroupRows({"K1", "K2", "K3", "K4", std::string(kSubTotal), "L1", "M41", "M43", "M44", std::string(kSubTotal),
                    " **TOTAL**"},
                   "M44");
}

}  // namespace performance
