#include "frame/frame_procedures.h"

#include "frame/session.h"

namespace frame {

void RegisterFrameProcedures(ProcedureRegistry& registry) {
  // KEMBALI: log off; the menu loop ends after this entry returns.
  registry.Register({"KEMBALI", "Keluar / Ganti User", kGroupSystem, [](Session& session, const auto&) {
                       session.OKEE = false;
                       return xbase::Status::OK();
                     }});
}

}  // namespace frame
