// Browse columns that show field expressions evaluated on a work area's current record.
#ifndef PALUNDA_CONSOLE_EXPRESSION_COLUMNS_H_
#define PALUNDA_CONSOLE_EXPRESSION_COLUMNS_H_

#include <memory>
#include <string>
#include <vector>

#include "console/record_browse.h"
#include "xbase/expression.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace console {

// Compiles `expressions` over the area into *compiled (which must outlive the columns) and makes one
// column each, headed by heads[i] or, past the heads given, the expression itself.
xbase::Status ExpressionColumns(xbase::WorkArea& area, const std::vector<std::string>& expressions,
                                const std::vector<std::string>& heads,
                                std::vector<std::unique_ptr<xbase::Expression>>* compiled,
                                std::vector<RecordColumn>* columns);

}  // namespace console

#endif  // PALUNDA_CONSOLE_EXPRESSION_COLUMNS_H_
