// The proforma's records bound to the proforma and its line grid, the records of the notes made from
// it bound to the note and its grid, and the pick list of saved proformas that every proforma screen
// opens.
#include "frame/code_pick.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "sales/proforma.h"
#include "sales/proforma_note.h"
#include "xbase/text_functions.h"

namespace sales {

using documents::Bind;
using documents::NumberCell;
using documents::TextCell;

const documents::RecordBinding<Proforma>& ProformaHeadRecord() {
  static const documents::RecordBinding<Proforma> kRecord = {
      Bind("NOMOR", &Proforma::number),       Bind("TANGGAL", &Proforma::date),     Bind("RELASI", &Proforma::customer),
      Bind("SALES", &Proforma::salesman),     Bind("TIPE", &Proforma::type),        Bind("CODE_ID", &Proforma::code_id),
      Bind("DISCOUNT", &Proforma::discount1), Bind("DISCOUNT2", &Proforma::discount2), Bind("KTR", &Proforma::remark),
      Bind("KDCB", &Proforma::branch)};
  return kRecord;
}

const documents::RecordBinding<console::ValueRow>& ProformaLineRecord() {
  static const documents::RecordBinding<console::ValueRow> kRecord = {
      TextCell("KODE", kPfCode),          NumberCell("QUANTITY", kPfQuantity), NumberCell("HARGA", kPfPrice),
      NumberCell("DISCOUNT", kPfDisc1),   NumberCell("DISCOUNT2", kPfDisc2),   NumberCell("I_BOX", kPfCartons),
      NumberCell("I_PAK", kPfPacks),      NumberCell("I_PCS", kPfPieces)};
  return kRecord;
}

const documents::RecordBinding<ProformaNote>& ProformaNoteRecord() {
  static const documents::RecordBinding<ProformaNote> kRecord = {
      Bind("NOMOR", &ProformaNote::number), Bind("NO_REFF", &ProformaNote::proforma), Bind("TANGGAL", &ProformaNote::date),
      Bind("CODE_ID", &ProformaNote::code_id)};
  return kRecord;
}

const documents::RecordBinding<console::ValueRow>& ProformaNoteLineRecord() {
  static const documents::RecordBinding<console::ValueRow> kRecord = {
      TextCell("GUDANG", kPnWarehouse), TextCell("KODE", kPnCode),        TextCell("URUT", kPnLine),
      NumberCell("QUANTITY", kPnQuantity), NumberCell("I_BOX", kPnCartons), NumberCell("I_PAK", kPnPacks),
      NumberCell("I_PCS", kPnPieces),   TextCell("KD_KIRIM", kPnShipped)};
  return kRecord;
}

xbase::Status PickProforma(frame::Session& session, std::string* number, bool* found, xbase::WorkArea** header) {
  frame::PickSpec pick;
  pick.alias = "pro_in1";
  pick.expressions = {"NOMOR", "TANGGAL", "RELASI", "NILAI_PI"};
  pick.heads = {"Nomor", "Tanggal", "Relasi", "Nilai"};
  return frame::PickAndSeek(session, pick, number, found, header);
}

bool CheckProformaNumber(frame::Session& session, std::string* number) {
  if (xbase::IsBlank(*number)) return true;
  bool found = false;
  if (!frame::Checked(session, PickProforma(session, number, &found))) return false;
  return found || pickers::Refuse(session, "Nomor Proforma " + std::string(xbase::RTrim(*number)) + " tidak terdaftar");
}

}  // namespace sales
