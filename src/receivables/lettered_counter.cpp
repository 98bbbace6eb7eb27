// Document numbers of the receivables screens whose counter row keeps letters before the digits
// (deduction requests, BPT vouchers, collection lists): the letters are those stored in the row.
#include "receivables/lettered_counter.h"

#include "documents/named_records.h"
#include "pickers/picker_support.h"
#include "receivables/keyed_seek.h"
#include "xbase/text_functions.h"

namespace receivables {

xbase::Status NumberLettered(frame::Session& session, xbase::WorkArea& setup, const LetteredKind& kind,
                             std::string_view branch, const documents::NumberTaken& taken,
                             const documents::WriteDocument& write, std::string* number) {
  const std::string padded = xbase::PadR(xbase::RTrim(branch), 6);
  std::string ket;
  bool found = false;
  xbase::Status s = SeekKey(setup, "SETUP", kind.prefix + padded, &found);
  if (!s.ok()) return s;
  if (found) ket = setup.Text("KET");
  documents::CounterKind counter;
  counter.prefix = kind.prefix;
  counter.digits = kind.digits;
  counter.number_prefix = ket.substr(0, static_cast<size_t>(kind.letters));
  counter.taken = documents::TakenNumber::kRefuse;
  counter.missing = kind.missing;
  counter.taken_alert = [&kind](const std::string& taken_number) {
    return kind.taken_before + taken_number + kind.taken_after;
  };
  s = documents::NumberDocument(session.console(), setup, counter, padded, taken, write, number);
  if (!s.IsNotFound() && !s.IsInUse()) return s;
  number->clear();
  return xbase::Status::OK();
}

xbase::Status NameLettered(documents::SaveScope& save, xbase::WorkArea& setup, const LetteredKind& kind,
                           std::string_view branch) {
  return documents::NameKeyedRecord(save, setup, "SETUP", kind.prefix + xbase::PadR(xbase::RTrim(branch), 6));
}

}  // namespace receivables
