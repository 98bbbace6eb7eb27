// The list of the negotiation minutes of a period, each with its products and their details.
#include <string>

#include "frame/open_table.h"
#include "frame/question_box.h"
#include "frame/report_pages.h"
#include "frame/status_display.h"
#include "returns/negotiation.h"
#include "returns/negotiation_forms.h"
#include "returns/return_procedures.h"
#include "text/date_helpers.h"

namespace returns {

xbase::Status LSBAC(frame::Session& session, const Arguments&) {
  const frame::OpenedTables tables = OpenNegotiationTables(session);
  if (!tables) return xbase::Status::OK();
  MinuteListFilter filter;
  filter.from = text::TGLAWAL(session.Today());
  filter.to = text::TGLAKHIR(session.Today());
  filter.branch = std::string(6, ' ');
  double per_page = 50;
  while (frame::AskInBox(session, {"      LIST BAC NEGO      "},
                         {{"TANGGAL   :", &filter.from, ""},
                          {"s/d       :", &filter.to, ""},
                          {"CABANG    :", &filter.branch, "@!"},
                          {"BARIS/HAL :", &per_page, "999"}})) {
    filter.per_page = static_cast<int>(per_page);
    frame::ReportPages pages;
    if (!frame::Checked(session, MinuteListPages(tables, filter, &pages))) continue;
    frame::ReportLayout layout;
    layout.width = 86;
    layout.title = "LIST BAC NEGO";
    frame::PrintPages(session, pages, layout);
  }
  return frame::CloseTables(session, xbase::Status::OK());
}

}  // namespace returns
