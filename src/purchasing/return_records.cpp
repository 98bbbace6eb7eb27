// The records of a purchase return bound to the struct and grid columns that hold them.
#include "purchasing/purchase_return.h"

namespace purchasing {

using documents::Bind;
using documents::NumberCell;
using documents::TextCell;

const documents::RecordBinding<PurchaseReturn>& ReturnHeadRecord() {
  static const documents::RecordBinding<PurchaseReturn> kRecord = {
      Bind("SUPLIER", &PurchaseReturn::supplier), Bind("KDCB", &PurchaseReturn::branch),
      Bind("TANGGAL", &PurchaseReturn::date),     Bind("NOTES", &PurchaseReturn::notes),
      Bind("DISCOUNT", &PurchaseReturn::cash1),   Bind("DISCOUNT2", &PurchaseReturn::cash2),
      Bind("CODE_ID", &PurchaseReturn::code_id)};
  return kRecord;
}

const documents::RecordBinding<console::ValueRow>& ReturnLineRecord() {
  static const documents::RecordBinding<console::ValueRow> kRecord = {
      TextCell("NO_BPB", kReceipt),       TextCell("KODE", kCode),         TextCell("GUDANG", kWarehouse),
      TextCell("URUTAN", kPosition),      NumberCell("Q_BOX", kBoxes),     NumberCell("Q_PAK", kPacks),
      NumberCell("Q_PCS", kPieces),       NumberCell("QUANTITY", kQuantity), NumberCell("HARGA", kPrice),
      NumberCell("DISCOUNT", kDisc1),     NumberCell("DISCOUNT2", kDisc2), NumberCell("HRG_RATA", kAverage)};
  return kRecord;
}

}  // namespace purchasing
