// The entry procedures of the program, as the menu calls them and a new data folder lists them.
#include "frame/frame_procedures.h"

#include "frame/a12.h"
#include "frame/copro.h"
#include "frame/gantidir.h"
#include "frame/indek.h"
#include "frame/pass.h"
#include "frame/session.h"
#include "frame/setmrgn.h"
#include "frame/setup.h"
#include "frame/tbbm.h"
#include "frame/tsetup.h"
#include "frame/ttpbk.h"

namespace frame {

void RegisterFrameProcedures(ProcedureRegistry& registry) {
  // KEMBALI: log off; the menu loop ends after this entry returns.
  registry.Register({"KEMBALI", "Keluar / Ganti User", kMenuGroup, [](Session& session, const auto&) {
                       session.OKEE = false;
                       return xbase::Status::OK();
                     }});
  registry.Register({"TSETUP", "Tabel Setup", kMenuGroup, TSETUP});
  registry.Register({"SETUP", "Set Up Perusahaan", kMenuGroup, SETUP});
  registry.Register({"GANTIDIR", "Ganti Direktori", kMenuGroup, GANTIDIR});
  registry.Register({"TBBM", "Tabel BBM", kMenuGroup, TBBM});
  registry.Register({"COPRO", "Copy Data", kMenuGroup, COPRO});
  registry.Register({"SETMRGN", "Set Margin Printer", kMenuGroup, SETMRGN});
  registry.Register({"PASS", "Password Login", kMenuGroup, PASS});
  registry.Register({"A12", "Set Hak Akses", kMenuGroup, A12});
  registry.Register({"COPYHAK", "Copy Hak Akses", kMenuGroup, COPYHAK});
  registry.Register({"INDEK", "Index Ulang Data", kMenuGroup, INDEK});
  registry.Register({"TUTUPBUKU", "Tutup Buku Bulanan", kMenuGroup, TUTUPBUKU});
}

}  // namespace frame
