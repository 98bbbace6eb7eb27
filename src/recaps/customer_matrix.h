// The customer recaps by product group and by month: a customer (outlet groups merged) a row, figures
// of this year and last year, or of the months.
#ifndef PALUNDA_RECAPS_CUSTOMER_MATRIX_H_
#define PALUNDA_RECAPS_CUSTOMER_MATRIX_H_

#include <functional>
#include <string>
#include <vector>

#include "frame/session.h"
#include "recaps/customer_recaps.h"
#include "recaps/matrix_sheet.h"
#include "recaps/product_lookup.h"

namespace recaps {

struct CustomerMatrix {
  std::string box_title;
  std::string recap_table;  // RKP_CUS or RKP_RLS
  std::string file_title;
  std::string heading;      // the first title line, followed by the branch code
  std::vector<Matrix::Column> columns;
  std::vector<std::string> subs;
  MatrixLayout layout;
  // Adds the current recap row of a period (both years are offered) to its customer's row.
  std::function<void(Matrix&, Matrix::Row&, const xbase::WorkArea& recap, const Windows&, const Answers&,
                     const ProductLookup&)>
      add;
};

// Runs the report's box until Esc, a workbook per answer.
xbase::Status RunCustomerMatrix(frame::Session& session, const CustomerMatrix& report);

// The months as matrix columns ("01" ... "12" under "JANUARI" ... "DESEMBER").
std::vector<Matrix::Column> MonthColumns();

}  // namespace recaps

#endif  // PALUNDA_RECAPS_CUSTOMER_MATRIX_H_
