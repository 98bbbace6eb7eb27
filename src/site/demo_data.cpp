// The demonstration company of a new data folder, written subsystem by subsystem.
#include "site/demo_data.h"

#include "xbase/text_functions.h"

namespace site {

xbase::Status AddDemoData(FolderWriter& writer, const DataFolderOptions& options, const frame::ProcedureRegistry& registry,
                          xbase::Date today) {
  const DemoContext demo{writer, options, registry, today, xbase::PadR(options.branch, 6)};
  // Each subsystem's rows in turn; a later subsystem may refer to the rows of an earlier one.
  xbase::Status s = AddMastersDemo(demo);
  if (s.ok()) s = AddStockDemo(demo);
  if (s.ok()) s = AddSalesDemo(demo);
  if (s.ok()) s = AddReceivablesDemo(demo);
  if (s.ok()) s = AddReturnsDemo(demo);
  if (s.ok()) s = AddPurchasingDemo(demo);
  if (s.ok()) s = AddMemosDemo(demo);
  if (s.ok()) s = AddExchangeDemo(demo);
  if (s.ok()) s = AddPerformanceDemo(demo);
  if (s.ok()) s = AddRecapsDemo(demo);
  if (s.ok()) s = AddFrameDemo(demo);
  return s;
}

}  // namespace site
