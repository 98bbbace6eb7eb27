// CTKPOPEB "Cetak Order Pembelian": prints the purchase order of a PO number.
#include "purchasing/purchasing.h"
#include "purchasing/receipt_forms.h"

namespace purchasing {

xbase::Status CTKPOPEB(frame::Session& session, const std::vector<xbase::Value>&) {
  NumberPrint print{"CETAK ORDER PEMBELIAN", "Nomor PO", {}, "DTA_PEB2", "NO_PO", PurchaseOrderLines};
  print.pick.alias = "dta_peb";
  print.pick.expressions = {"NO_PO", "TG_PO", "NOMOR", "SUPLIER"};
  print.pick.heads = {"No. PO", "Tanggal", "No. PEB", "Suplier"};
  return RunNumberPrint(session, print);
}

}  // namespace purchasing
