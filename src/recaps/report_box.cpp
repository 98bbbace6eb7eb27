// The checks of the fields the boxes of the recap screens share.
#include "recaps/report_box.h"

#include <cctype>

#include "console/message.h"
#include "pickers/pickers.h"
#include "xbase/text_functions.h"

namespace recaps {

bool BranchValid(frame::Session& session, std::string* code, std::string* name) {
  name->clear();
  if (xbase::IsBlank(*code)) return true;
  if (!pickers::CARICABANG_(session, code, name)) return false;
  *name = std::string(xbase::RTrim(*name));
  return true;
}

bool Confirmed(frame::Session& session, std::string_view question) {
  const int key = console::PESAN(session.console(), question);
  return key >= 0 && key < 256 && std::toupper(key) == 'Y';
}

}  // namespace recaps
