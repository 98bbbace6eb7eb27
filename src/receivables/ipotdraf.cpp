// The deduction request entry: header, lines, save, request after request until Esc.
#include <string>

#include "console/alert.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/status_display.h"
#include "pickers/pickers.h"
#include "receivables/deductions.h"
#include "xbase/text_functions.h"

namespace receivables {

xbase::Status IPOTDRAF(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = OpenDeductionTables(session);
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  DeductionRequest request;
  for (;;) {
    DrawDeductionScreen(con, "DRAFT PENGAJUAN POTONGAN PEMBAYARAN");
    request.number = std::string(10, ' ');
    request.date = session.Today();
    request.lines.clear();
    console::GetList header;
    header.Add(kDedHeaderRow, kDedBranchColumn, &request.branch, "@!").valid = [&] {
      return pickers::CARICABANG(session, &request.branch);
    };
    header.Add(kDedHeaderRow, kDedNumberColumn, &request.number, "@!").valid = [&] {
      bool found = false;
      request.number = xbase::PadR(xbase::Upper(xbase::RTrim(request.number)), 10);
      if (!frame::Checked(session, LoadRequest(session, tables, kRequestTables, &request, &found))) return false;
      if (!found) request.number = std::string(10, ' ');
      return true;
    };
    header.Add(kDedHeaderRow, kDedDateColumn, &request.date);
    header.Add(kDedHeaderRow, kDedCodeColumn, &request.code, "@!").valid = [&] {
      return DeductionCodeValid(session, tables, request.code);
    };
    if (header.Read(con).escaped || xbase::IsBlank(request.branch)) break;
    if (request.lines.empty()) request.lines.push_back(BlankDeductionLine(1));
    EditDeductionLines(session, tables, &request, false, [&] {
      if (console::Alert(con, "Yakin data akan disimpan", {"Ya", "Tidak"}) != 1) return false;
      bool saved = false;
      return frame::Checked(session, SaveRequest(session, tables, &request, &saved)) && saved;
    });
  }
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace receivables
