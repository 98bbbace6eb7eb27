// The product lines in memory for the customer and salesman recaps: an item's line, its coverage
// column and its product group.
#ifndef PALUNDA_RECAPS_PRODUCT_LOOKUP_H_
#define PALUNDA_RECAPS_PRODUCT_LOOKUP_H_

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "frame/open_table.h"
#include "xbase/status.h"

namespace recaps {

// The product groups of the group reports (KEL of a line), in column order, with their headings.
struct ProductGroup {
  std::string_view kel;
  std::string_view heading;
};
inline constexpr std::array<ProductGroup, 8> kProductGroups = {{{"01", "SCHOOL"},
                                                                {"02", "OFFICE"},
                                                                {"03", "WRITTING"},
                                                                {"04", "ENVELOPES"},
                                                                {"05", "GIFTWRAPE"},
                                                                {"06", "OTHERS"},
                                                                {"07", "JASA"},
                                                                {"09", "EXPORT"}}};

struct ProductLine {
  std::string code;
  std::string name;
  std::string parent;  // INDUK
  std::string kel;
  std::string pareto;
  bool coverage = false;  // PP
};

class ProductLookup {
 public:
  // Reads PATRON and PATRON2 (both among `tables`).
  xbase::Status Load(const frame::OpenedTables& tables);
  // The item's line code (PATRON2), empty when it has none.
  std::string LineOf(const std::string& item) const;
  // CARIFIELDYANGSESUAI: the coverage column of an item: its line when the line is a coverage line,
  // else the line's parent; empty when the item has no line.
  std::string CoverageOf(const std::string& item) const;
  // The index into kProductGroups of the item's group, -1 outside the list.
  int GroupOf(const std::string& item) const;
  // The coverage lines in file order.
  std::vector<const ProductLine*> CoverageLines() const;
  const ProductLine* Line(const std::string& code) const;
  const std::vector<ProductLine>& lines() const { return lines_; }
  // The items of each line in PATRON2 order.
  const std::map<std::string, std::vector<std::string>>& line_items() const { return line_items_; }

 private:
  std::vector<ProductLine> lines_;
  std::map<std::string, size_t> by_code_;
  std::map<std::string, std::string> line_of_;
  std::map<std::string, std::vector<std::string>> line_items_;
};

}  // namespace recaps

#endif  // PALUNDA_RECAPS_PRODUCT_LOOKUP_H_
