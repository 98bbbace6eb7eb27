// A sales return registered as a payment instrument in GIRODBT, which a payment receipt spends with a
// return settlement code ("R..."): its kind is "RT" + that code.
#include "returns/return_instrument.h"

#include "documents/field_values.h"
#include "documents/record_writes.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "returns/draft.h"
#include "returns/return_tables.h"
#include "xbase/text_functions.h"

namespace returns {

using documents::D;
using documents::L;
using documents::N;
using documents::T;

bool IsReturnCode(frame::Session& session, xbase::WorkArea& kinds, std::string_view code) {
  const std::string trimmed(xbase::AllTrim(code));
  bool found = false;
  if (trimmed.starts_with("R") && trimmed.size() <= 2 &&
      !frame::Checked(session, SeekExact(kinds, "MASTJNS1", "KODE", trimmed, &found))) {
    return false;
  }
  return found || pickers::Refuse(session, "Alasan 2 [" + trimmed + "] bukan kode jenis retur");
}

xbase::Status RegisterReturnInstrument(frame::Session& session, xbase::WorkArea& instruments,
                                       const ReturnInstrument& instrument) {
  bool other = false;
  if (!NamesOtherInstrument(session, instruments, instrument.number, &other)) {
    return xbase::Status::InvalidArgument("instrument", instrument.number);
  }
  if (other) {
    pickers::Refuse(session, "Nomor " + std::string(xbase::AllTrim(instrument.number)) + kTakenByInstrument);
    return xbase::Status::InUse("instrument", instrument.number);
  }
  const bool found = instruments.found();
  xbase::Status s;
  if (!found) {
    s = documents::AppendRecord(session.console(), instruments,
                                {{"NOMOR", T(instrument.number)}, {"TGINPUT", D(session.Today())},
                                 {"REALISASI", L(true)}, {"OPERATOR", T(session.MMEMBER.nik)}});
  }
  if (!s.ok()) return s;
  return Rewrite(session, instruments,
                 {{"KDCB", T(instrument.branch)}, {"KET", T("RT" + std::string(xbase::AllTrim(instrument.code)))},
                  {"RELASI", T(instrument.customer)}, {"TANGGAL", D(instrument.date)},
                  {"TG_TERIMA", D(instrument.date)}, {"NOTES", T(instrument.notes)},
                  {"DEBET", N(instrument.value)}, {"CODE_ID", T(instrument.code_id)}});
}

}  // namespace returns
