// ProcedureRegistry: the entry procedures that MENU rows call by their PROSEDUR text.
#include "frame/procedure_registry.h"

#include "xbase/procedure_call.h"
#include "xbase/text_functions.h"

namespace frame {

void ProcedureRegistry::Register(EntryInfo info) {
  info.name = xbase::Upper(info.name);
  for (EntryInfo& entry : entries_) {
    if (entry.name == info.name && entry.args == info.args) {
      entry = std::move(info);
      return;
    }
  }
  entries_.push_back(std::move(info));
}

const EntryInfo* ProcedureRegistry::Find(std::string_view name) const {
  const std::string wanted = xbase::Upper(name);
  for (const EntryInfo& entry : entries_) {
    if (entry.name == wanted) return &entry;
  }
  // Earlier data folders call a procedure of a leading underscore with the underscore at the end
  // ("SISAMEMO_()" for "_SISAMEMO()").
  if (wanted.size() > 1 && wanted.back() == '_' && wanted.front() != '_') {
    return Find("_" + wanted.substr(0, wanted.size() - 1));
  }
  return nullptr;
}

xbase::Status ProcedureRegistry::Run(Session& session, std::string_view call_text) const {
  xbase::ProcedureCall call;
  xbase::Status status = xbase::ParseProcedureCall(xbase::AllTrim(call_text), &call);
  if (!status.ok()) return status;
  const EntryInfo* entry = Find(call.name);
  if (entry == nullptr) return xbase::Status::NotFound("Prosedur " + call.name, "tidak dikenal");
  return entry->run(session, call.args);
}

}  // namespace frame
