// OMZDIS: net turnover per outlet group of a kind (distributor, wholesaler, national or local SPO).
#include <algorithm>
#include <map>

#include "console/alert.h"
#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/spreadsheet.h"
#include "frame/status_display.h"
#include "performance/omzdis.h"
#include "performance/report_form.h"
#include "performance/report_tables.h"
#include "performance/sheet_layout.h"
#include "performance/turnover.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

void SortByAchievement(std::vector<TurnoverRow>* rows) {
  std::stable_sort(rows->begin(), rows->end(),
                   [](const TurnoverRow& a, const TurnoverRow& b) { return a.Achievement() > b.Achievement(); });
}

}  // namespace

std::string GroupTurnoverTitle(std::string_view kind) {
  std::string_view name = " LAIN-LAIN";
  if (kind == "D") name = " DISTRIBUTOR ";
  if (kind == "G") name = " GROSIR ";
  if (kind == "S") name = " SPO NASIONAL ";
  if (kind == "L") name = " SPO LOKAL";
  return "OMZET NETTO -=" + std::string(name) + "=- ( dalam ribuan )";
}

bool CHKGRP(frame::Session& session, std::string* code, std::string* name, std::string* city, std::string* kind) {
  if (xbase::IsBlank(*code)) return true;
  frame::PickSpec pick;
  pick.alias = "OTL_GRP";
  pick.expressions = {"KODE", "NAMA", "KOTA", "JENIS"};
  pick.heads = {"Kode", "Nama", "Kota", "Jenis"};
  bool found = false;
  xbase::WorkArea* groups = nullptr;
  const xbase::Status status = frame::PickAndSeek(session, pick, code, &found, &groups);
  if (!status.ok() || !found) {
    console::PESAN(session.console(), status.ok() ? "Kode " + std::string(xbase::AllTrim(*code)) + " tidak terdaftar"
                                                  : status.message());
    return false;
  }
  *name = groups->Text("NAMA");
  *city = groups->Text("KOTA");
  *kind = groups->Text("JENIS");
  return true;
}

bool GroupTurnover(frame::Session& session, const TurnoverParams& params, std::vector<TurnoverRow>* rows) {
  const frame::OpenedTables tables = OpenTurnoverTables(session);
  if (!tables) return false;
  std::map<std::string, TurnoverRow> customers;
  if (!CollectTurnover(session, tables, params, [](const std::string& customer, const std::string&) { return customer; }, false,
                       &customers)) {
    return false;
  }
  xbase::WorkArea& groups = tables["OTL_GRP"];
  xbase::WorkArea& members = tables["OTL_MBR"];
  std::vector<TurnoverRow> found;
  std::vector<uint32_t> records;
  xbase::Status status = groups.Seek(std::string(xbase::AllTrim(params.prefix)), true);
  for (; status.ok() && !groups.eof() && BeginsWith(groups.Text("KODE"), params.prefix); status = groups.Skip()) {
    if (xbase::AllTrim(groups.Text("JENIS")) != xbase::AllTrim(params.kind)) continue;
    TurnoverRow row;
    row.code = groups.Text("KODE");
    row.name = groups.Text("NAMA");
    row.branch = groups.Text("KDCB");
    row.target = groups.Number("TARGET");
    status = members.SeekAll(row.code, &records);
    for (size_t i = 0; status.ok() && i < records.size(); ++i) {
      status = members.GoTo(records[i]);
      const auto member = customers.find(members.Text("MEMBER"));
      if (!status.ok() || member == customers.end()) continue;
      const TurnoverRow& own = member->second;
      row.gross += own.gross;
      for (size_t d = 0; d < own.deductions.size(); ++d) row.deductions[d] += own.deductions[d];
      row.total_deductions += own.total_deductions;
      row.net += own.net;
      row.non_bb += own.non_bb;
      row.base_bb += own.base_bb;
    }
    found.push_back(std::move(row));
  }
  if (!frame::Checked(session, status)) return false;
  SortByAchievement(&found);
  std::stable_sort(found.begin(), found.end(), [](const TurnoverRow& a, const TurnoverRow& b) { return a.branch < b.branch; });
  rows->clear();
  std::copy_if(found.begin(), found.end(), std::back_inserter(*rows), [](const TurnoverRow& row) { return row.gross != 0; });
  return true;
}

bool PrintGroupTurnover(frame::Session& session, const TurnoverParams& params, const std::vector<TurnoverRow>& rows) {
  TurnoverColumns columns;
  columns.title = GroupTurnoverTitle(xbase::AllTrim(params.kind));
  columns.label_head = "RELASI";
  columns.non_bb = true;
  columns.by_branch = true;
  return PrintTurnover(session, params, columns, rows);
}

bool GroupTurnoverBook(frame::Session& session, const TurnoverParams& params, const std::vector<TurnoverRow>& rows,
                       std::string* path) {
  frame::SpreadsheetExport book(session, "OMZET NETTO GROUP RELASI");
  platform::Worksheet& sheet = book.ActiveSheet();
  Titles(sheet, {GroupTurnoverTitle(xbase::AllTrim(params.kind)),
                 "TANGGAL : " + xbase::Dtoc(params.from) + " s/d " + xbase::Dtoc(params.to)});
  int column = 1;
  for (const char* head : {"NO", "CABANG", "RELASI", "NAMA", "TARGET", "OMZET BRUTO"}) TallHead(sheet, column++, head);
  SpanHead(sheet, column, "POTONGAN PIUTANG",
           {"NORMAL", "SAMPEL", "FREEGOODS", "KURANG BRG", "BEDA HRG", "KOMISI", "TRADE", "SUBSIDI", "VOUCHER"});
  column += 9;
  for (const char* head : {"PPN", "TOTAL POTONGAN", "OMZET NETTO", "OMZET NON BB", "DASAR BB", "%"}) {
    TallHead(sheet, column++, head);
  }
  const int last = column - 1;
  FinishHeads(sheet, last);
  int line = kFirstDataRow;
  for (const TurnoverRow& row : rows) {
    sheet.SetNumber(line, 1, line - kFirstDataRow + 1);
    sheet.SetValue(line, 2, frame::AsText(xbase::RTrim(row.branch)));
    sheet.SetValue(line, 3, frame::AsText(xbase::RTrim(row.code)));
    sheet.SetValue(line, 4, std::string(xbase::RTrim(row.name)));
    std::vector<double> figures = {row.target, row.gross};
    figures.insert(figures.end(), row.deductions.begin(), row.deductions.end());
    figures.insert(figures.end(), {row.total_deductions, row.net, row.non_bb, row.base_bb, row.Achievement()});
    for (size_t i = 0; i < figures.size(); ++i) sheet.SetNumber(line, 5 + static_cast<int>(i), figures[i]);
    ++line;
  }
  if (line > kFirstDataRow) sheet.SetBorders(Block(kFirstDataRow, 1, line - 1, last), frame::kBorderWeight);
  sheet.SetNumberFormat(Columns(5, last), frame::kAmountFormat);
  sheet.AutoFit(Columns(1, last));
  return book.Show(path);
}

xbase::Status OMZDIS(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = OpenTurnoverTables(session);
  if (!tables) return xbase::Status();
  console::ScreenKeeper keep(session.console());
  TurnoverParams params;
  params.prefix = Blank(10);
  params.from = params.to = session.Today();
  std::string name, city, kind;
  for (;;) {
    ReportForm form(session, "-OMSET NETTO GROUP RELASI-",
                    {"KODE GROUP        :", "KELOMPOK [D/S/G/L]:", "TANGGAL           :", "s/d TANGGAL       :",
                     "Faktur Pajak      :"});
    form.Field(0, &params.prefix, "@!").valid = [&] { return CHKGRP(session, &params.prefix, &name, &city, &kind); };
    form.Field(1, &params.kind, "!");
    form.Period(2, 3, &params.from, &params.to, false);
    form.Field(4, &params.tax_invoice, "Y");
    if (!form.Read()) break;
    std::vector<TurnoverRow> rows;
    if (!GroupTurnover(session, params, &rows)) break;
    if (console::Alert(session.console(), "Transfer ke EXCELL", {"Ya", "Tidak"}) == 1) {
      GroupTurnoverBook(session, params, rows);
    }
    PrintGroupTurnover(session, params, rows);
  }
  return session.tables().CloseAll();
}

}  // namespace performance
