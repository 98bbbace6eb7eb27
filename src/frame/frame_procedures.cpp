#include "frame/frame_procedures.h"

#include "frame/change_folder.h"
#include "frame/company_setup.h"
#include "frame/copro.h"
#include "frame/session.h"
#include "frame/setup_table.h"

namespace frame {

void RegisterFrameProcedures(ProcedureRegistry& registry) {
  // KEMBALI: log off; the menu loop ends after this entry returns.
  registry.Register({"KEMBALI", "Keluar / Ganti User", kGroupSystem, [](Session& session, const auto&) {
                       session.OKEE = false;
                       return xbase::Status::OK();
                     }});
  registry.Register({"TSETUP", "Tabel Setup", kGroupSystem, TSETUP});
  registry.Register({"SETUP", "Set Up Perusahaan", kGroupSystem, SETUP});
  registry.Register({"GANTIDIR", "Ganti Direktori", kGroupSystem, GANTIDIR});
  registry.Register({"TBBM", "Tabel BBM", kGroupSystem, TBBM});
  registry.Register({"COPRO", "Copy Data", kGroupSystem, COPRO});
}

}  // namespace frame
