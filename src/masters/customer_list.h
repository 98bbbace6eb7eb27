// The customer list of the customer browse: the customers chosen, the pages of the printed list
// "DAFTAR KODE RELASI" and the sheet of the workbook "DAFTAR RELASI per TANGGAL".
#ifndef PALUNDA_MASTERS_CUSTOMER_LIST_H_
#define PALUNDA_MASTERS_CUSTOMER_LIST_H_

#include <string>
#include <string_view>
#include <vector>

#include "frame/report_engine.h"
#include "frame/session.h"
#include "platform/workbook.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace masters {

// A customer as the list shows it.
struct ListedCustomer {
  std::string code, name, address, address2, city, phone, fax, contact, npwp, group, group_name;
  double price_list = 0, term = 0, discount = 0, ceiling = 0;
};

// The customers of the open `mastcus` from code `start` on, in code order, whose name begins with the
// trimmed `name` (all when empty); the group names come from the open `setup` ("OUTLET" + group, KET
// from position 15). A failed read of either is given back.
xbase::Status ListedCustomers(frame::Session& session, std::string_view start, std::string_view name,
                              std::vector<ListedCustomer>* customers);

// The width of the printed list.
inline constexpr int kCustomerListWidth = 214;

// The pages of "DAFTAR KODE RELASI": a head of six lines on every page, then up to `lines_per_page` - 6
// customers a page, condensed; the count closes the last page.
std::vector<frame::ReportPage> CustomerListPages(const std::vector<ListedCustomer>& customers, std::string_view company,
                                                xbase::Date today, int lines_per_page);

// The title of the workbook: "DAFTAR RELASI per TANGGAL " + today.
std::string CustomerWorkbookTitle(xbase::Date today);
// The sheet of the workbook: the title in row 1, the column heads in row 4, a customer a row from row 5.
void FillCustomerSheet(platform::Worksheet& sheet, const std::vector<ListedCustomer>& customers, xbase::Date today);

}  // namespace masters

#endif  // PALUNDA_MASTERS_CUSTOMER_LIST_H_
