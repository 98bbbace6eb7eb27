// The records of a negotiation minute and its approval bound to the structs that hold them.
#include "returns/negotiation_records.h"

namespace returns {

using documents::Bind;

const documents::RecordBinding<Minute>& MinuteHeadRecord() {
  static const documents::RecordBinding<Minute> kRecord = {
      Bind("NOMOR", &Minute::number),          Bind("KDCB", &Minute::branch),
      Bind("TANGGAL", &Minute::date),          Bind("EX_NOMOR", &Minute::customer),
      Bind("NO_TAWAR1", &Minute::offer_head),  Bind("NO_TAWAR2", &Minute::offer_branch),
      Bind("NO_KALKUL", &Minute::calculation), Bind("PEMESAN", &Minute::company),
      Bind("KONTAK", &Minute::contact),        Bind("ALAMAT", &Minute::address),
      Bind("TELPON", &Minute::phone),          Bind("KOTA", &Minute::town),
      Bind("INC_PPN", &Minute::vat_included),  Bind("INC_PPH22", &Minute::pph22_included),
      Bind("PPN", &Minute::vat),               Bind("PPH22", &Minute::pph22),
      Bind("ONGKIR", &Minute::freight),        Bind("KOMISI", &Minute::commission),
      Bind("PERKOM", &Minute::commission_percent), Bind("NILKOM", &Minute::commission_amount),
      Bind("PEMBUAT", &Minute::maker),         Bind("MENGTAHUI", &Minute::acknowledger),
      Bind("SETUJU1", &Minute::approver1),     Bind("SETUJU2", &Minute::approver2),
      Bind("APPROVAL", &Minute::approved),     Bind("NO_PEC", &Minute::pec),
      Bind("TGINPUT", &Minute::entered),       Bind("OPERATOR", &Minute::entered_by)};
  return kRecord;
}

const documents::RecordBinding<MinuteProduct>& MinuteProductRecord() {
  static const documents::RecordBinding<MinuteProduct> kRecord = {
      Bind("NM_PRODUK", &MinuteProduct::name), Bind("MERK", &MinuteProduct::brand),
      Bind("QUANTITY", &MinuteProduct::quantity), Bind("SATUAN", &MinuteProduct::unit),
      Bind("HARGA", &MinuteProduct::price),    Bind("MARGIN", &MinuteProduct::margin),
      Bind("MARGIN2", &MinuteProduct::margin2), Bind("EX_BAC", &MinuteProduct::ex_bac),
      Bind("URUT", &MinuteProduct::urut)};
  return kRecord;
}

const documents::RecordBinding<ScheduledDelivery>& ScheduledDeliveryRecord() {
  static const documents::RecordBinding<ScheduledDelivery> kRecord = {
      Bind("TANGGAL", &ScheduledDelivery::date), Bind("QUANTITY", &ScheduledDelivery::quantity)};
  return kRecord;
}

const documents::RecordBinding<MinutePayment>& MinutePaymentRecord() {
  static const documents::RecordBinding<MinutePayment> kRecord = {
      Bind("TANGGAL", &MinutePayment::date),  Bind("PERSEN", &MinutePayment::percent),
      Bind("KTR", &MinutePayment::kind),      Bind("NO_BUKTI", &MinutePayment::proof),
      Bind("JUMLAH", &MinutePayment::amount), Bind("NOTES", &MinutePayment::notes)};
  return kRecord;
}

const documents::RecordBinding<MinuteApproval>& MinuteApprovalRecord() {
  static const documents::RecordBinding<MinuteApproval> kRecord = {
      Bind("NOMOR", &MinuteApproval::number), Bind("TANGGAL", &MinuteApproval::date),
      Bind("PROPERTY", &MinuteApproval::property), Bind("NOTES", &MinuteApproval::notes)};
  return kRecord;
}

const documents::RecordBinding<ApprovedGoods>& ApprovedGoodsRecord() {
  static const documents::RecordBinding<ApprovedGoods> kRecord = {
      Bind("NO_JOS", &ApprovedGoods::jos),      Bind("KODE", &ApprovedGoods::code),
      Bind("GOLONGAN", &ApprovedGoods::group),  Bind("INDUK", &ApprovedGoods::product),
      Bind("NAMA", &ApprovedGoods::name),       Bind("NAMA2", &ApprovedGoods::long_name),
      Bind("SATUAN", &ApprovedGoods::unit),     Bind("HARGA", &ApprovedGoods::price),
      Bind("HARGA1", &ApprovedGoods::price1),   Bind("HARGA2", &ApprovedGoods::price2),
      Bind("HARGA4", &ApprovedGoods::price4),   Bind("PAK", &ApprovedGoods::pak),
      Bind("DOS", &ApprovedGoods::dos),         Bind("QTY_ORDER", &ApprovedGoods::ordered)};
  return kRecord;
}

const documents::RecordBinding<ApprovedGoods>& ApprovedItemRecord() {
  static const documents::RecordBinding<ApprovedGoods> kRecord = {
      Bind("NAMA", &ApprovedGoods::name),     Bind("NAMA2", &ApprovedGoods::long_name),
      Bind("GOLONGAN", &ApprovedGoods::group), Bind("SATUAN", &ApprovedGoods::unit),
      Bind("HARGA", &ApprovedGoods::price),   Bind("HARGA1", &ApprovedGoods::price1),
      Bind("HARGA2", &ApprovedGoods::price2), Bind("HARGA4", &ApprovedGoods::price4),
      Bind("PAK", &ApprovedGoods::pak),       Bind("DOS", &ApprovedGoods::dos)};
  return kRecord;
}

}  // namespace returns
