// Saving a plan document (a forecast, a D1 plan or an additional D1 order): a header and its lines,
// written all at once under the locks of both tables.
#include "purchasing/plan_save.h"

#include <cstdint>

#include "console/table_access.h"
#include "documents/named_records.h"
#include "documents/save_scope.h"
#include "documents/stored_lines.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "xbase/number_text.h"
#include "xbase/session.h"

namespace purchasing {
namespace {

xbase::Status PutAll(xbase::WorkArea& area, const std::string& number, const documents::FieldValues& fields) {
  xbase::Status s = area.Put("NOMOR", xbase::Value::Text(number));
  for (const auto& [field, value] : fields) {
    if (s.ok()) s = area.Put(field, value);
  }
  return s;
}

// The header of the number and its stored line rows, with both tables' append locks.
xbase::Status NamePlan(documents::SaveScope& save, frame::Session& session, const PlanDocument& document,
                       xbase::WorkArea& header, xbase::WorkArea& lines) {
  save.Append(header);
  xbase::Status s = documents::NameKeyedRecord(save, header, 1, header.PadToField("NOMOR", document.number));
  if (s.ok()) {
    s = documents::NameStoredRows(save, session.tables(), lines, 1, lines.PadToField("NOMOR", document.number));
  }
  return s;
}

// The writes of a document whose records are locked.
xbase::Status WriteLocked(frame::Session& session, const PlanDocument& document, xbase::WorkArea& header,
                          xbase::WorkArea& lines) {
  console::Console& con = session.console();
  const std::string key = header.PadToField("NOMOR", document.number);
  xbase::Status s = header.SetOrder(1);
  if (s.ok()) s = header.Seek(key);
  if (s.ok()) s = header.found() ? console::LOCK_REC(con, header) : console::APP_REC(con, header);
  if (s.ok()) s = PutAll(header, document.number, document.header);
  if (s.ok()) s = header.Unlock();
  std::vector<uint32_t> stored;
  if (s.ok()) s = lines.SetOrder(1);
  if (s.ok()) s = documents::StoredRows(session.tables(), lines, lines.PadToField("NOMOR", document.number), &stored);
  xbase::ShowDeleted show(&session.tables());
  for (size_t n = 0; s.ok() && n < stored.size(); ++n) {
    s = lines.GoTo(stored[n]);
    if (s.ok()) s = console::LOCK_REC(con, lines);
    if (s.ok() && n < document.lines.size()) {
      if (lines.deleted()) s = lines.Recall();
      if (s.ok()) s = PutAll(lines, document.number, document.lines[n]);
    } else if (s.ok() && !lines.deleted()) {
      s = lines.Delete();
    }
    if (s.ok()) s = lines.Unlock();
  }
  for (size_t n = stored.size(); s.ok() && n < document.lines.size(); ++n) {
    s = console::APP_REC(con, lines);
    if (s.ok()) s = PutAll(lines, document.number, document.lines[n]);
    if (s.ok()) s = lines.Unlock();
  }
  return s;
}

}  // namespace

bool SavePlanDocument(frame::Session& session, const PlanDocument& document) {
  xbase::WorkArea* header = nullptr;
  xbase::WorkArea* lines = nullptr;
  xbase::Status found = frame::RequireArea(session, document.header_table, &header);
  if (found.ok()) found = frame::RequireArea(session, document.line_table, &lines);
  if (!frame::Checked(session, found)) return false;
  documents::SaveScope save(session.console());
  xbase::Status s = NamePlan(save, session, document, *header, *lines);
  if (s.ok()) s = save.Lock();
  if (!s.ok()) return documents::NothingSaved(session, s);
  s = save.BeginWrites();
  if (s.ok()) s = WriteLocked(session, document, *header, *lines);
  return frame::Checked(session, save.CommitWrites(s));
}

PlanDocument ForecastDocument(frame::Session& session, xbase::WorkArea& plan, const std::string& branch,
                              const std::string& number, xbase::Status* status) {
  PlanDocument document{"FC_CBNG1", "FC_CBNG2", number, {}, {}};
  const xbase::Value today = xbase::Value::FromDate(session.Today());
  xbase::Status s = plan.SetOrder(1);
  if (s.ok()) s = plan.GoTop();
  document.header = {{"CABANG", xbase::Value::Text(branch)},
                     {"TANGGAL", today},
                     {"TGLKIRIM", xbase::Value::FromDate(plan.DateOf("TG_KIRIM"))},
                     {"JUM_HK", xbase::Value::Num(plan.Number("HR_KERJA"))},
                     {"LEAD_TIME", xbase::Value::Num(plan.Number("LEAD_TIME"))},
                     {"BUFF_STOCK", xbase::Value::Num(plan.Number("BUF_STOCK"))},
                     {"TGLINPUT", today}};
  const auto number_of = [&](std::string_view field) { return xbase::Value::Num(plan.Number(field)); };
  while (s.ok() && !plan.eof()) {
    if (plan.Number("ESTM_JUAL") > 0) {
      document.lines.push_back({{"CABANG", xbase::Value::Text(branch)},
                                {"KODE", xbase::Value::Text(plan.Text("KODE"))},
                                {"PATRON", xbase::Value::Text(plan.Text("PATRON"))},
                                {"PER_BOX", number_of("ISI_BOK")},
                                {"KUM_JLTHL", number_of("OMZ_THLL")},
                                {"JUAL_TTGG", number_of("OMZ_TRTGI")},
                                {"TGT_BLINI", number_of("TGT_BLINI")},
                                {"AVG_SDBLI", number_of("OMZ_AVG")},
                                {"EST_JLBLI", number_of("ESTM_JUAL")},
                                {"STK_BLINI", number_of("STOCK_UPD")},
                                {"BRG_DIJLN", number_of("BRG_DIJLN")},
                                {"EST_AKHIR", number_of("ESTM_AKHR")}});
    }
    s = plan.Skip();
  }
  *status = s;
  return document;
}

PlanDocument D1Document(frame::Session& session, xbase::WorkArea& plan, const std::string& branch,
                        const std::string& number, xbase::Status* status) {
  PlanDocument document{"D1CBNG1", "D1CBNG2", number, {}, {}};
  const xbase::Value today = xbase::Value::FromDate(session.Today());
  xbase::Status s = plan.SetOrder(1);
  if (s.ok()) s = plan.GoTop();
  document.header = {{"KD_CB", xbase::Value::Text(branch)},
                     {"TANGGAL", today},
                     {"TGKIRIM", xbase::Value::FromDate(plan.DateOf("TG_KIRIM"))},
                     {"TGINPUT", today},
                     {"OPERATOR", xbase::Value::Text(session.MMEMBER.nik)}};
  while (s.ok() && !plan.eof()) {
    const double order = plan.Number("ORDERBLI");
    if (order > 0) {
      const double position = static_cast<double>(document.lines.size() + 1);
      document.lines.push_back({{"KODE", xbase::Value::Text(plan.Text("KODE"))},
                                {"URUTAN", xbase::Value::Text(xbase::Str(position, 3))},
                                {"CARTON", xbase::Value::Num(order)},
                                {"QUANTITY", xbase::Value::Num(order * plan.Number("ISI_BOK"))}});
    }
    s = plan.Skip();
  }
  *status = s;
  return document;
}

}  // namespace purchasing
