// The transfer rows of giros for other branches: written at the receiving branch from a split row,
// imported at the target branch as an instrument received on its behalf.
#include <string>

#include "console/table_access.h"
#include "receivables/other_branches.h"
#include "receivables/table_steps.h"
#include "receivables/transfer_files.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

using xbase::Value;

}  // namespace

xbase::Status WriteTransferRow(frame::Session& session, xbase::WorkArea& transfer, const xbase::WorkArea& split_row) {
  const std::string key = transfer.PadToField("FORM", kGiroTransferForm) +
                          transfer.PadToField("NOMOR", xbase::RTrim(split_row.Text("NOMOR"))) +
                          transfer.PadToField("KDCB", xbase::RTrim(split_row.Text("KDCB")));
  xbase::Status s = transfer.SetOrder(1);
  if (s.ok()) s = transfer.Seek(key);
  if (!s.ok()) return s;
  const bool found = transfer.found();
  s = found ? console::LOCK_REC(session.console(), transfer) : console::APP_REC(session.console(), transfer);
  if (s.ok() && !found) s = transfer.Put("FORM", Value::Text(kGiroTransferForm));
  if (s.ok() && !found) s = transfer.Put("NOMOR", Value::Text(split_row.Text("NOMOR")));
  if (s.ok() && !found) s = transfer.Put("KDCB", Value::Text(split_row.Text("KDCB")));
  if (s.ok()) s = transfer.Put("RELASI", Value::Text(split_row.Text("RELASI")));
  if (s.ok()) s = transfer.Put("TANGGAL", Value::FromDate(split_row.DateOf("TANGGAL")));
  if (s.ok()) s = transfer.Put("TG_TERIMA", Value::FromDate(split_row.DateOf("TG_TERIMA")));
  if (s.ok()) s = transfer.Put("KET", Value::Text(split_row.Text("KET")));
  if (s.ok()) s = transfer.Put("DEBET", Value::Num(split_row.Number("KREDIT")));
  if (s.ok()) s = transfer.Put("KREDIT", Value::Num(0));
  if (s.ok()) s = transfer.Put("CODE_ID", Value::Text(split_row.Text("CODE_ID")));
  return Unlocked(transfer, s);
}

xbase::Status ImportTransferRow(frame::Session& session, xbase::WorkArea& giros, const xbase::WorkArea& row) {
  xbase::Status s = giros.SetOrder("GIRODBT1");
  {
    // A row deleted here earlier is taken up again rather than doubled.
    xbase::ShowDeleted show(&session.tables());
    if (s.ok()) s = giros.Seek(giros.PadToField("NOMOR", xbase::RTrim(row.Text("NOMOR"))));
  }
  if (!s.ok()) return s;
  const bool found = giros.found();
  if (found) {
    s = console::LOCK_REC(session.console(), giros);
    if (s.ok() && giros.deleted()) s = giros.Recall();
  } else if (s = console::APP_REC(session.console(), giros); s.ok()) {
    s = giros.Put("NOMOR", Value::Text(row.Text("NOMOR")));
    if (s.ok()) s = giros.Put("TGINPUT", Value::FromDate(session.Today()));
    if (s.ok()) s = giros.Put("OPERATOR", Value::Text(session.MMEMBER.nik));
  }
  if (s.ok()) s = giros.Put("KDCB", Value::Text(row.Text("KDCB")));
  if (s.ok()) s = giros.Put("KET", Value::Text(row.Text("KET").substr(0, 4)));
  if (s.ok()) s = giros.Put("TANGGAL", Value::FromDate(row.DateOf("TANGGAL")));
  if (s.ok()) s = giros.Put("TG_TERIMA", Value::FromDate(row.DateOf("TG_TERIMA")));
  if (s.ok()) s = giros.Put("RELASI", Value::Text(row.Text("RELASI")));
  if (s.ok()) s = giros.Put("CODE_ID", Value::Text(row.Text("CODE_ID")));
  if (s.ok()) s = giros.Put("DEBET", Value::Num(row.Number("DEBET")));
  if (s.ok()) s = giros.Put("NOTES", Value::Text(row.Text("JURNAL")));
  if (s.ok()) s = giros.Put("KIRIMAN", Value::Logical(true));
  if (s.ok()) s = giros.Put("REALISASI", Value::Logical(true));
  return Unlocked(giros, s);
}

}  // namespace receivables
