// The text prints of D1 orders: pages that open with their heading lines and end, at the rows per page
// and at the end, with a rule and the running totals; and the product-line group of an item.
#ifndef PALUNDA_PURCHASING_D1_PAGES_H_
#define PALUNDA_PURCHASING_D1_PAGES_H_

#include <functional>
#include <string>
#include <vector>

#include "frame/report_engine.h"
#include "frame/session.h"

namespace purchasing {

// The text that begins the subtotal and total lines, up to the first figure.
inline constexpr std::string_view kGroupSumLead = "                           jumlah :";
inline constexpr std::string_view kPageSumLead = "                           JUMLAH :";

class D1Pages {
 public:
  // `page_end` gives the lines that close a page (the rule and the running totals).
  D1Pages(std::vector<std::string> headings, int rows_per_page, std::function<std::vector<std::string>()> page_end);

  // A body line with its control letters; the page closes once it holds the rows per page.
  void Line(std::string text, std::string controls);
  // Closes the last page.
  void Finish();

  const std::vector<std::vector<frame::ReportLine>>& pages() const { return pages_; }
  // The output dialog: `title`, `width` columns, left margin 3, no signature box; true when printed.
  bool Print(frame::Session& session, const std::string& title, int width) const;

 private:
  void ClosePage();

  std::vector<std::string> headings_;
  int rows_per_page_;
  std::function<std::vector<std::string>()> page_end_;
  std::vector<std::vector<frame::ReportLine>> pages_;
  int rows_ = 0;
  bool open_ = false;
};

// The product-line group of an item (its PATRON2 line's KEL, named in KELOMPOK): its code and name,
// blanks when the item has none. PATRON2, PATRON and KELOMPOK are open under their names.
void ItemGroup(frame::Session& session, const std::string& code, std::string* group, std::string* name);

}  // namespace purchasing

#endif  // PALUNDA_PURCHASING_D1_PAGES_H_
