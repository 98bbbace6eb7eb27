// Small steps the lookups share: the refusal message, the SETUP rows of a key family and the
// choice box over them.
#ifndef PALUNDA_FRAME_PICKER_SUPPORT_H_
#define PALUNDA_FRAME_PICKER_SUPPORT_H_

#include <string>
#include <string_view>
#include <vector>

#include "frame/session.h"
#include "xbase/status.h"

namespace frame {

// Shows `text` with PESAN in "gr+/r" and gives false.
bool Refuse(Session& session, std::string_view text);
// Gives true for an OK status; otherwise shows its message and gives false.
bool Checked(Session& session, const xbase::Status& status);

// True when the open `setup` holds a row whose key begins with `prefix`; *key and *ket (optional)
// receive the first such row's key and value.
bool SetupRow(Session& session, std::string_view prefix, std::string* key = nullptr, std::string* ket = nullptr);

// The rows of `setup` whose key begins with `prefix`, in key order: their keys and values.
struct SetupEntry {
  std::string key;
  std::string ket;
};
std::vector<SetupEntry> SetupRows(Session& session, std::string_view prefix);

}  // namespace frame

#endif  // PALUNDA_FRAME_PICKER_SUPPORT_H_
