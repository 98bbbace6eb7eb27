// The product lines in memory for the customer and salesman recaps: an item's line, its coverage
// column and its product group.
#include "recaps/product_lookup.h"

#include "recaps/recap_report.h"
#include "xbase/text_functions.h"

namespace recaps {

xbase::Status ProductLookup::Load(const frame::OpenedTables& tables) {
  xbase::WorkArea& patron = tables["PATRON"];
  xbase::WorkArea& members = tables["PATRON2"];
  lines_.clear();
  by_code_.clear();
  line_of_.clear();
  line_items_.clear();
  xbase::Status s = ForEachRow(patron, [&] {
    by_code_.emplace(patron.Text("KODE"), lines_.size());
    lines_.push_back({patron.Text("KODE"), std::string(xbase::RTrim(patron.Text("NAMA"))), patron.Text("INDUK"),
                      patron.Text("KEL"), patron.Text("PARETO"), patron.Logical("PP")});
  });
  if (s.ok()) {
    s = ForEachRow(members, [&] {
      line_of_.emplace(members.Text("KODE"), members.Text("PATRON"));
      line_items_[members.Text("PATRON")].push_back(members.Text("KODE"));
    });
  }
  return s;
}

std::string ProductLookup::LineOf(const std::string& item) const {
  const auto at = line_of_.find(item);
  return at == line_of_.end() ? std::string() : at->second;
}

const ProductLine* ProductLookup::Line(const std::string& code) const {
  const auto at = by_code_.find(code);
  return at == by_code_.end() ? nullptr : &lines_[at->second];
}

std::string ProductLookup::CoverageOf(const std::string& item) const {
  const std::string line = LineOf(item);
  const ProductLine* found = Line(line);
  if (found == nullptr) return line;
  return found->coverage ? line : found->parent;
}

int ProductLookup::GroupOf(const std::string& item) const {
  const ProductLine* line = Line(LineOf(item));
  if (line == nullptr) return -1;
  for (size_t i = 0; i < kProductGroups.size(); ++i) {
    if (xbase::RTrim(line->kel) == kProductGroups[i].kel) return static_cast<int>(i);
  }
  return -1;
}

std::vector<const ProductLine*> ProductLookup::CoverageLines() const {
  std::vector<const ProductLine*> coverage;
  for (const ProductLine& line : lines_) {
    if (line.coverage) coverage.push_back(&line);
  }
  return coverage;
}

}  // namespace recaps
