// Requests to accept a delivery note paid with a giro dated past its terms (KIRIMAPP, form "PIUT+"), their approval
// and outcome.
#include "returns/late_payments.h"

#include <cmath>
#include <utility>
#include <vector>

#include "console/table_access.h"
#include "documents/field_values.h"
#include "documents/save_scope.h"
#include "frame/grid_cells.h"
#include "frame/status_display.h"
#include "returns/return_forms.h"
#include "returns/return_tables.h"
#include "xbase/date_functions.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace returns {

using frame::Pictured;

using documents::L;
using documents::T;

namespace {

using xbase::Value;

constexpr int kRequestsPerPage = 25;
const std::string kRule(177, '-');

std::vector<std::string> PageHeading() {
  return {"PENGAJUAN APPROVAL SURAT JALAN TERLAMBAT BAYAR", kRule,
          "NO APP NOMOR NOTA   TANGGAL    TG TEMPO   HARI       NILAI NO. GIRO        TG GIRO    HARI  STD SLSH "
          "NAMA RELASI               ALASAN TERLAMBAT                                  ",
          kRule};
}

}  // namespace

xbase::Status LoadLateRequests(xbase::WorkArea& late_requests, std::vector<LateRequest>* requests) {
  requests->clear();
  xbase::WorkArea& table = late_requests;
  xbase::Status s = table.SetOrder(1);
  if (s.ok()) s = table.GoTop();
  while (s.ok() && !table.eof()) {
    requests->push_back({table.Text("NOMOR"), table.Text("NO_GIRO"), table.DateOf("TG_GIRO"), table.Text("KET"),
                         table.Logical("APPROVAL")});
    s = table.Skip();
  }
  return s;
}

xbase::Status StoreApprovals(frame::Session& session, xbase::WorkArea& late_requests,
                             const std::vector<LateRequest>& requests, bool* stored) {
  *stored = false;
  xbase::WorkArea& table = late_requests;
  // Every request's row is locked before the first write: all approvals are stored or none.
  documents::SaveScope save(session.console());
  std::vector<uint32_t> rows(requests.size(), 0);
  xbase::Status s = table.SetOrder(1);
  for (size_t i = 0; s.ok() && i < requests.size(); ++i) {
    s = table.Seek(table.PadToField("FORM", kLateForm) + table.PadToField("NOMOR", requests[i].nota));
    if (s.ok() && table.found()) save.Update(table, rows[i] = table.recno());
  }
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return xbase::Status::OK();
  }
  s = save.BeginWrites();
  for (size_t i = 0; s.ok() && i < requests.size(); ++i) {
    if (rows[i] == 0) continue;
    s = table.GoTo(rows[i]);
    if (s.ok()) s = Rewrite(session, table, {{"APPROVAL", L(requests[i].approved)}});
  }
  s = save.CommitWrites(s);
  *stored = s.ok();
  return s;
}

xbase::Status FiguresOf(const frame::OpenedTables& tables, const std::string& nota, LateFigures* figures) {
  *figures = LateFigures{};
  bool found = false;
  xbase::WorkArea& invoice = tables["PIUTDBT"];
  xbase::Status s = SeekExact(invoice, "PIUTDBT1", "NOTA", nota, &found);
  if (!s.ok() || !found) return s;
  figures->customer = invoice.Text("RELASI");
  figures->date = invoice.DateOf("TANGGAL");
  figures->due = invoice.DateOf("TEMPO");
  figures->amount = invoice.Number("DEBET");
  xbase::WorkArea& customer = tables["MASTCUS"];
  if (s = SeekExact(customer, "MASTCUS1", "RELASI", figures->customer, &found); !s.ok()) {
    *figures = LateFigures{};
    return s;
  }
  if (found) {
    figures->name = customer.Text("NAMA");
    figures->town = customer.Text("KOTA");
    figures->standard = customer.Number("TEMPO") + customer.Number("TEMPO2") + customer.Number("TEMPO4");
  }
  return s;
}

xbase::Status LateRequestLines(const frame::OpenedTables& tables, const LateRequest& request, int n,
                               std::vector<std::string>* lines) {
  lines->clear();
  LateFigures f;
  if (xbase::Status s = FiguresOf(tables, request.nota, &f); !s.ok()) return s;
  const double days = f.due - f.date;
  const double giro_days = f.due - request.giro_date;
  const double late = days + std::fabs(giro_days) - f.standard;
  const std::string reason = xbase::PadR(request.reason, 100);
  *lines = {Pictured(n, "99") + "     " + xbase::PadR(xbase::Left(request.nota, 12), 12) + " " + xbase::Dtoc(f.date) +
                " " + xbase::Dtoc(f.due) + Pictured(days, " 9999") + Pictured(f.amount, " 999,999,999") + " " +
                xbase::PadR(xbase::Left(request.giro, 15), 15) + " " + xbase::Dtoc(request.giro_date) +
                Pictured(giro_days, " 9999") + Pictured(f.standard, " 9999") + Pictured(late, " 9999") + " " +
                xbase::PadR(xbase::Left(f.name, 25), 25) + " " + reason.substr(0, 50),
            std::string(127, ' ') + reason.substr(50)};
  return xbase::Status::OK();
}

bool CETAKPRINTER(frame::Session& session, const frame::OpenedTables& tables, const std::vector<LateRequest>& requests) {
  std::vector<std::string> lines;
  for (size_t i = 0; i < requests.size(); ++i) {
    if (i % kRequestsPerPage == 0) {
      const std::vector<std::string> heading = PageHeading();
      lines.insert(lines.end(), heading.begin(), heading.end());
    }
    std::vector<std::string> two;
    // The figures are printed: a request whose invoice or customer cannot be read stops the print.
    if (!frame::Checked(session, LateRequestLines(tables, requests[i], static_cast<int>(i + 1), &two))) return false;
    lines.insert(lines.end(), two.begin(), two.end());
  }
  lines.push_back(kRule);
  lines.push_back(std::string(xbase::AllTrim(session.STP.text[11])) + ", " + xbase::Dtoc(session.Today()));
  lines.push_back("  diajukan oleh                                       mengetahui                                  "
                  "                                     Disetujui oleh   ");
  lines.push_back("");
  lines.push_back("");
  lines.push_back("(    AAO       )                                  ( Branch Manager )                             "
                  "                               (  Finance & Acc. Manager ) ");
  frame::ReportLayout layout;
  layout.width = 177;
  layout.title = "rekap jual";
  layout.left_margin = 1;
  // Each page holds its heading and 25 requests of two lines.
  return PrintLines(session, lines, 4 + 2 * kRequestsPerPage, "C", layout);
}

xbase::Status ImportApprovals(frame::Session& session, const frame::OpenedTables& tables, int* done, bool* imported) {
  *done = 0;
  *imported = false;
  xbase::WorkArea& table = tables["KIRIMAPP"];
  xbase::WorkArea& invoices = tables["PIUTDBT"];
  // Each request whose invoice is here, with that invoice: all are locked before the first write, so
  // that every outcome is written and its request removed, or nothing is.
  std::vector<std::pair<uint32_t, uint32_t>> pairs;
  std::vector<uint32_t> records;
  documents::SaveScope save(session.console());
  xbase::Status s = table.SetOrder(1);
  if (s.ok()) s = table.SeekAll(table.PadToField("FORM", kLateForm), &records);
  for (size_t i = 0; s.ok() && i < records.size(); ++i) {
    if (s = table.GoTo(records[i]); !s.ok()) break;
    bool found = false;
    if (s = SeekExact(invoices, "PIUTDBT1", "NOTA", table.Text("NOMOR"), &found); !s.ok() || !found) continue;
    pairs.emplace_back(records[i], invoices.recno());
    save.Update(table, records[i]);
    if (table.Logical("APPROVAL")) save.Update(invoices, invoices.recno());
  }
  if (s.ok()) s = save.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return xbase::Status::OK();
  }
  s = save.BeginWrites();
  for (size_t i = 0; s.ok() && i < pairs.size(); ++i) {
    if (s = table.GoTo(pairs[i].first); !s.ok()) break;
    if (table.Logical("APPROVAL")) {
      s = invoices.GoTo(pairs[i].second);
      if (s.ok()) s = Rewrite(session, invoices, {{"CATATAN", T("SUDAH APPROVAL")}});
    }
    if (s.ok()) s = console::LOCK_REC(session.console(), table);
    if (s.ok()) s = table.Delete();
    const xbase::Status unlocked = table.Unlock();
    if (s.ok()) s = unlocked;
  }
  s = save.CommitWrites(s);
  *imported = s.ok();
  if (s.ok()) *done = static_cast<int>(pairs.size());
  return s;
}

}  // namespace returns
