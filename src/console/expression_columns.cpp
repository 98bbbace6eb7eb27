// Browse columns that show field expressions evaluated on a work area's current record.
#include "console/expression_columns.h"

#include "console/field_format.h"

namespace console {

xbase::Status ExpressionColumns(xbase::WorkArea& area, const std::vector<std::string>& expressions,
                                const std::vector<std::string>& heads,
                                std::vector<std::unique_ptr<xbase::Expression>>* compiled,
                                std::vector<RecordColumn>* columns) {
  compiled->clear();
  compiled->resize(expressions.size());
  columns->clear();
  for (size_t i = 0; i < expressions.size(); ++i) {
    xbase::Status status = xbase::Expression::Compile(expressions[i], &area, &(*compiled)[i]);
    if (!status.ok()) return status;
    xbase::Expression* expression = (*compiled)[i].get();
    columns->push_back({i < heads.size() ? heads[i] : expressions[i], [&area, expression] {
                          xbase::Value value;
                          return expression->Evaluate(area, &value).ok() ? FormatValue(value, "") : std::string();
                        }});
  }
  return xbase::Status::OK();
}

}  // namespace console
