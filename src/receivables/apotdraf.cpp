// The approval of deduction requests into the approval work files, for users with the right "/EDP".
#include <string>

#include "console/alert.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/save_scope.h"
#include "pickers/picker_support.h"
#include "receivables/deductions.h"
#include "xbase/text_functions.h"

namespace receivables {

xbase::Status APOTDRAF(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  if (!session.MMEMBER.HasRight("/EDP")) {
    console::PESAN(con, "anda tidak berhak menjalankan menu ini");
    return xbase::Status::OK();
  }
  const frame::OpenedTables tables = OpenDeductionTables(session, true);
  if (!tables) return xbase::Status::OK();
  xbase::Status s;
  if (console::Alert(con, "Hapus data Approval sebelumnya", {"tidak", "ya"}) == 2) {
    s = frame::ClearTables(con, {&tables["BPOT_AP1"], &tables["BPOT_AP2"]});
  }
  console::ScreenKeeper keep(con);
  while (s.ok()) {
    DrawDeductionScreen(con, "APPROVAL PENGAJUAN POTONGAN PEMBAYARAN");
    DeductionRequest request;
    console::GetList which;
    which.Add(kDedHeaderRow, kDedNumberColumn, &request.number, "@!").valid = [&] {
      return FindRequest(session, tables, &request);
    };
    if (which.Read(con).escaped || xbase::IsBlank(request.number)) break;
    con.Say(kDedHeaderRow, kDedBranchColumn, request.branch, con.Colour("W+/b"));
    console::GetList header;
    header.Add(kDedHeaderRow, kDedDateColumn, &request.date);
    header.Add(kDedHeaderRow, kDedCodeColumn, &request.code, "@!").valid = [&] {
      return DeductionCodeValid(session, tables, request.code);
    };
    if (header.Read(con).escaped) continue;
    EditDeductionLines(session, tables, &request, true, [&] {
      if (console::Alert(con, "Yakin data akan disimpan", {"Ya", "Tidak"}) != 1) return false;
      s = SaveApproval(session, tables, request);
      return true;
    });
  }
  return frame::CloseTables(session, s);
}

}  // namespace receivables
