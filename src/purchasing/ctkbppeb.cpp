// CTKBPPEB "Cetak Bukti Penerimaan Barang": prints the goods receipt of a receipt number.
#include "purchasing/purchasing.h"
#include "purchasing/receipt_forms.h"

namespace purchasing {

xbase::Status CTKBPPEB(frame::Session& session, const std::vector<xbase::Value>&) {
  NumberPrint print{"CETAK BUKTI PENERIMAAN BARANG", "Nomor BPB", {}, "BPBELI11", "NO_BPB", GoodsReceiptLines};
  print.pick.alias = "bpbeli1";
  print.pick.expressions = {"NO_BPB", "TANGGAL", "SUPLIER", "GUDANG"};
  print.pick.heads = {"No. BPB", "Tanggal", "Suplier", "Gudang"};
  return RunNumberPrint(session, print);
}

}  // namespace purchasing
