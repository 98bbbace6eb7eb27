// The records of the sales documents bound to the structs and grid columns that hold them.
#include "sales/document_records.h"

#include <string_view>

#include "sales/note_lines.h"

namespace sales {

using documents::Bind;
using documents::NumberCell;
using documents::TextCell;

const documents::RecordBinding<OrderHeader>& OrderHeadRecord() {
  static const documents::RecordBinding<OrderHeader> kRecord = {
      Bind("RELASI", &OrderHeader::customer),   Bind("TANGGAL", &OrderHeader::order_date),
      Bind("TIPE", &OrderHeader::type),         Bind("SALES", &OrderHeader::salesman),
      Bind("KDCB", &OrderHeader::branch),       Bind("KTR1", &OrderHeader::remark1),
      Bind("KTR2", &OrderHeader::remark2),      Bind("DISCOUNT", &OrderHeader::discount1),
      Bind("DISCOUNT2", &OrderHeader::discount2), Bind("CODE_ID", &OrderHeader::code_id),
      Bind("INCLUDE", &OrderHeader::include)};
  return kRecord;
}

const documents::RecordBinding<console::ValueRow>& OrderLineRecord() {
  static const documents::RecordBinding<console::ValueRow> kRecord = {
      TextCell("KODE", kCode),          TextCell("GUDANG", kWarehouse),      NumberCell("Q_BOX", kCartons),
      NumberCell("Q_PAK", kPacks),      NumberCell("Q_PCS", kPieces),        NumberCell("QUANTITY", kQuantity),
      NumberCell("QTY_KIRIM", kDelivered), NumberCell("HARGA", kPrice),      NumberCell("DISCOUNT", kDisc1),
      NumberCell("DISCOUNT2", kDisc2),  TextCell("KTR", kName),              NumberCell("HRG_RATA", kAverage)};
  return kRecord;
}

namespace {

// The goods of a line in a note grid, with the field its order-line column is stored in.
documents::RecordBinding<console::ValueRow> NoteGridLine(std::string_view order_line) {
  return {TextCell("KODE", note::kCode),         TextCell("GUDANG", note::kWarehouse),
          NumberCell("Q_BOX", note::kCartons),   NumberCell("Q_PAK", note::kPacks),
          NumberCell("Q_PCS", note::kPieces),    NumberCell("QUANTITY", note::kQuantity),
          NumberCell("HARGA", note::kPrice),     NumberCell("DISCOUNT", note::kDisc1),
          NumberCell("DISCOUNT2", note::kDisc2), TextCell("KTR", note::kName),
          TextCell(order_line, note::kOrderLine), NumberCell("HRG_RATA", note::kAverage)};
}

}  // namespace

const documents::RecordBinding<console::ValueRow>& RevisedOrderLineRecord() {
  static const documents::RecordBinding<console::ValueRow> kRecord = NoteGridLine("URUT");
  return kRecord;
}

const documents::RecordBinding<console::ValueRow>& RevisedNoteLineRecord() {
  static const documents::RecordBinding<console::ValueRow> kRecord = NoteGridLine("URUTAN");
  return kRecord;
}

const documents::RecordBinding<NoteHead>& NoteHeadRecord() {
  static const documents::RecordBinding<NoteHead> kRecord = {
      Bind("INVOICE", &NoteHead::invoice),    Bind("TANGGAL", &NoteHead::date),
      Bind("NOMOR", &NoteHead::order),        Bind("RELASI", &NoteHead::customer),
      Bind("TIPE", &NoteHead::type),          Bind("SALES", &NoteHead::salesman),
      Bind("KDCB", &NoteHead::branch),        Bind("TEMPO", &NoteHead::tempo),
      Bind("TERM", &NoteHead::term),          Bind("PESAN", &NoteHead::order_date),
      Bind("KIRIM", &NoteHead::shipping_date), Bind("KTR1", &NoteHead::remark1),
      Bind("KTR2", &NoteHead::remark2),       Bind("DISCOUNT", &NoteHead::discount1),
      Bind("DISCOUNT2", &NoteHead::discount2), Bind("CODE_ID", &NoteHead::code_id),
      Bind("INCLUDE", &NoteHead::include)};
  return kRecord;
}

const documents::RecordBinding<NoteItem>& NoteItemRecord() {
  static const documents::RecordBinding<NoteItem> kRecord = {
      Bind("KODE", &NoteItem::code),
      Bind("GUDANG", &NoteItem::warehouse),
      Bind("Q_BOX", &NoteItem::split, &documents::CartonSplit::cartons),
      Bind("Q_PAK", &NoteItem::split, &documents::CartonSplit::packs),
      Bind("Q_PCS", &NoteItem::split, &documents::CartonSplit::pieces),
      Bind("QUANTITY", &NoteItem::quantity),
      Bind("HARGA", &NoteItem::price),
      Bind("DISCOUNT", &NoteItem::disc1),
      Bind("DISCOUNT2", &NoteItem::disc2),
      Bind("KTR", &NoteItem::name),
      Bind("URUTAN", &NoteItem::order_line),
      Bind("HRG_RATA", &NoteItem::average)};
  return kRecord;
}

}  // namespace sales
