// The proforma routines the delivery notes share: the realisation of a line, the slow-moving target
// and the check of a new note number.
#include <string>

#include "documents/line_value.h"
#include "documents/shared_postings.h"
#include "frame/open_table.h"
#include "frame/order_scope.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "sales/sales.h"
#include "xbase/number_text.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

// True when `alias` holds `key` on index `order`.
bool Holds(frame::Session& session, std::string_view alias, std::string_view order, std::string_view field,
           std::string_view key, bool* held) {
  xbase::WorkArea* area = nullptr;
  if (!frame::Checked(session, frame::RequireArea(session, alias, &area))) return false;
  frame::OrderScope scope(*area);
  xbase::Status s = area->SetOrder(order);
  if (s.ok()) s = area->Seek(area->PadToField(field, xbase::RTrim(key)));
  *held = s.ok() && area->found();
  return frame::Checked(session, s);
}

}  // namespace

xbase::Status UPDATEEKSPROFORMA(frame::Session& session, std::string_view proforma, std::string_view code,
                                std::string_view, double added, double removed) {
  xbase::WorkArea* lines = nullptr;
  xbase::Status s = frame::RequireArea(session, "pro_in2", &lines);
  if (!s.ok()) return s;
  frame::OrderScope scope(*lines);
  s = lines->SetOrder("PRO_IN22");
  if (s.ok()) s = lines->Seek(lines->PadToField("NOMOR", proforma) + lines->PadToField("KODE", code));
  if (!s.ok() || !lines->found()) return s;
  return documents::MoveField(session.console(), *lines, "REALISASI", added, removed);
}

bool SYARATOK(frame::Session& session, const std::vector<TargetLine>& lines, std::string_view group,
              std::string_view type, double net, double d1, double d2) {
  std::string ket;
  bool found = false;
  const std::string key = "TYPE" + std::string(type) + std::string(xbase::AllTrim(group));
  if (!frame::Checked(session, pickers::SetupRow(session, key, &found, nullptr, &ket))) return false;
  if (!found) return true;
  const double percent = xbase::Val(ket).value;
  double slow = 0;
  for (const TargetLine& line : lines) {
    bool listed = false;
    if (xbase::IsBlank(line.code)) continue;
    if (!Holds(session, "pkt_yes", "PKT_YES", "KODE", line.code, &listed)) return false;
    if (listed) slow += line.value;
  }
  if (documents::AfterDiscounts(slow, d1, d2) >= net * percent / 100) return true;
  return pickers::Refuse(session, "Target SlowMoving " + xbase::Transform(xbase::Value::Num(percent), "999.99% ") +
                                      "tidak tercapai");
}

bool CEKEXIST(frame::Session& session, std::string_view number) {
  if (number.find('?') != std::string_view::npos) return pickers::Refuse(session, "Nomor Surat Jalan tidak boleh berisi ?");
  if (xbase::IsBlank(number)) return pickers::Refuse(session, "Nomor Surat Jalan harus diisi");
  bool held = false;
  if (!Holds(session, "pro_ot1", "PRO_OT11", "NOMOR", number, &held)) return false;
  if (held) return pickers::Refuse(session, "Suarat Jalan sudah terdaftar (Pro out)");
  if (!Holds(session, "srtjln1", "SRTJLN11", "INVOICE", number, &held)) return false;
  return !held || pickers::Refuse(session, "Suarat Jalan sudah terdaftar (Invoice)");
}

}  // namespace sales
