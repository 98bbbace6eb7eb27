// ProcedureRegistry: the entry procedures that MENU rows call by their PROSEDUR text.
#ifndef PALUNDA_FRAME_PROCEDURE_REGISTRY_H_
#define PALUNDA_FRAME_PROCEDURE_REGISTRY_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/status.h"
#include "xbase/value.h"

namespace frame {

class Session;

// An entry procedure: runs one screen to its end. A non-OK status is shown on row 24 by the menu.
using EntryProcedure = std::function<xbase::Status(Session&, const std::vector<xbase::Value>& args)>;

// What the menu and the setup tool know of an entry procedure.
struct EntryInfo {
  std::string name;   // as PROSEDUR calls it, upper case
  std::string title;  // the menu text a new data folder gives it
  std::string group;  // the top menu entry it belongs under in a new data folder
  EntryProcedure run;
  std::string args;   // the arguments its menu entry passes, as PROSEDUR text (`"D"`); empty for none
  // The PROSEDUR text of its menu entry: the name and the arguments in brackets.
  std::string MenuCall() const { return name + "(" + args + ")"; }
};

class ProcedureRegistry {
 public:
  // Adds an entry procedure; a later entry of the same name and arguments replaces the earlier one
  // (one procedure may have several menu entries with different arguments).
  void Register(EntryInfo info);
  // The first entry of a name, without regard to case; null when unknown.
  const EntryInfo* Find(std::string_view name) const;
  // Every entry in the order of registration.
  const std::vector<EntryInfo>& entries() const { return entries_; }

  // Runs a PROSEDUR text such as `TSETUP()` or `LAPBULAN("A", 2)`; an unknown name or a text
  // that does not parse gives a status naming it.
  xbase::Status Run(Session& session, std::string_view call_text) const;

 private:
  std::vector<EntryInfo> entries_;
};

}  // namespace frame

#endif  // PALUNDA_FRAME_PROCEDURE_REGISTRY_H_
