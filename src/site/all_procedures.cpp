// The one registry of every entry procedure, for the program and for palunda-setup alike.
#include "site/all_procedures.h"

#include "exchange/exchange.h"
#include "frame/frame_procedures.h"
#include "masters/masters.h"
#include "memos/memos.h"
#include "performance/performance.h"
#include "purchasing/purchasing.h"
#include "recaps/recaps.h"
#include "receivable-reports/receivable_reports.h"
#include "receivables/receivables.h"
#include "returns/returns.h"
#include "sales/sales.h"
#include "stock/stock.h"

namespace site {

void RegisterAllProcedures(frame::ProcedureRegistry& registry) {
  frame::RegisterFrameProcedures(registry);
  masters::RegisterMastersProcedures(registry);
  sales::RegisterSalesProcedures(registry);
  stock::RegisterStockProcedures(registry);
  receivables::RegisterReceivablesProcedures(registry);
  purchasing::RegisterPurchasingProcedures(registry);
  returns::RegisterReturnsProcedures(registry);
  memos::RegisterMemosProcedures(registry);
  exchange::RegisterExchangeProcedures(registry);
  receivable_reports::RegisterReceivableReportsProcedures(registry);
  performance::RegisterPerformanceProcedures(registry);
  recaps::RegisterRecapsProcedures(registry);
}

}  // namespace site
