// A sales return registered as a payment instrument in GIRODBT, which a payment receipt spends with a
// return settlement code ("R..."): its kind is "RT" + that code.
#ifndef PALUNDA_RETURNS_RETURN_INSTRUMENT_H_
#define PALUNDA_RETURNS_RETURN_INSTRUMENT_H_

#include <string>
#include <string_view>

#include "frame/session.h"
#include "xbase/work_area.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace returns {

// The refusal of a return number held by an instrument of another kind, after "Nomor " + number.
inline constexpr const char* kTakenByInstrument = " sudah dipakai giro/transfer";

struct ReturnInstrument {
  std::string number;
  std::string branch;
  std::string code;  // the settlement code the return is spent with
  std::string customer;
  xbase::Date date;
  std::string notes;
  double value = 0;
  std::string code_id;
};

// True when `code` (trimmed) is a return code of the settlement kinds (MASTJNS, `kinds`): a code
// beginning with "R". Otherwise false after the message naming it.
bool IsReturnCode(frame::Session& session, xbase::WorkArea& kinds, std::string_view code);

// Appends the instrument when its number is new and writes it, in GIRODBT (`instruments`). A number
// held by an instrument of another kind is refused (with a message), never overwritten.
xbase::Status RegisterReturnInstrument(frame::Session& session, xbase::WorkArea& instruments,
                                       const ReturnInstrument& instrument);

}  // namespace returns

#endif  // PALUNDA_RETURNS_RETURN_INSTRUMENT_H_
