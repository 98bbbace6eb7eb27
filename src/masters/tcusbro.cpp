// The customer browse: the customers in code or name order, with the printed list "DAFTAR KODE RELASI"
// and the workbook "DAFTAR RELASI per TANGGAL" (Ctrl+P). The code is not typed over here: the
// customer's notes, receivables and balance are kept under it.
#include <algorithm>

#include "console/alert.h"
#include "console/box.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "masters/customer_list.h"
#include "masters/master_editor.h"
#include "masters/master_screens.h"
#include "frame/report_engine.h"
#include "frame/spreadsheet.h"
#include "xbase/ntx_orders.h"
#include "xbase/text_functions.h"

namespace masters {
namespace {

constexpr std::string_view kColour = "W+/b";

// The box "DAFTAR RELASI": the first code, the name the customers' names begin with and the lines of a
// printed page. False after Esc.
bool AskList(frame::Session& session, std::string* start, std::string* name, double* lines) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  console::SHADOW(con, 8, 20, 14, 60, kColour);
  console::TENGAH(con, 9, "DAFTAR RELASI", kColour);
  con.Say(11, 22, "      KODE :", con.Colour(kColour));
  con.Say(12, 22, "      Nama :", con.Colour(kColour));
  con.Say(13, 22, "   Brs/Hal :", con.Colour(kColour));
  console::GetList fields;
  fields.Add(11, 35, start, "@!");
  fields.Add(12, 35, name, "@!S20");
  fields.Add(13, 35, lines, "999");
  return !fields.Read(con).escaped;
}

// "Monitor": the list through the report engine's output dialog.
void PrintList(frame::Session& session, const std::vector<ListedCustomer>& customers, int lines_per_page) {
  frame::ReportWriter report(session);
  if (!report.Start()) return;
  for (const frame::ReportPage& page :
       CustomerListPages(customers, xbase::AllTrim(session.STP.text[1]), session.Today(), lines_per_page)) {
    if (!report.NewPage()) return;
    for (const frame::ReportLine& line : page) {
      if (!report.Line(line.text, line.controls)) return;
    }
  }
  frame::ReportLayout layout;
  layout.width = kCustomerListWidth;
  layout.title = "REKAP JUAL";
  layout.job = "DAFTAR KODE RELASI";
  layout.left_margin = 2;
  layout.signature_box = false;
  report.Print(layout);
}

// "Excel": the workbook, written into the reports folder and opened with the viewer.
void WriteWorkbook(frame::Session& session, const std::vector<ListedCustomer>& customers) {
  console::WARNING(session.console(), "Tunggu Sedang buat file Laporan", "Gr+/r");
  frame::SpreadsheetExport book(session, CustomerWorkbookTitle(session.Today()));
  FillCustomerSheet(book.ActiveSheet(), customers, session.Today());
  book.Show();
}

// CETAKRELASI: the list of the customers asked for, on the monitor (the report engine) or as a workbook.
void CETAKRELASI(frame::Session& session) {
  console::Console& con = session.console();
  std::string start(9, ' ');
  std::string name(40, ' ');
  double lines = session.margins.lines_landscape;
  if (!AskList(session, &start, &name, &lines)) return;
  const int output = console::Alert(con, "Output", {"Monitor", "Excel"});
  if (output == 0) return;
  std::vector<ListedCustomer> customers;
  if (!frame::Checked(session, ListedCustomers(session, start, name, &customers))) return;
  if (output == 1) PrintList(session, customers, static_cast<int>(lines));
  if (output == 2) WriteWorkbook(session, customers);
}

}  // namespace

xbase::Status TCUSBRO(frame::Session& session, const Args&) {
  const frame::OpenedTables tables = frame::OpenTables(session, {"setup", "dt_npwp", "mastcus"});
  if (!tables) return xbase::Status::OK();
  xbase::WorkArea& customers = tables["mastcus"];
  frame::EditorScreen screen = MasterEditor(
      "DAFTAR RELASI", {{"RELASI", "RELASI", "@!", false}, {"NAMA", "NAMA", ""},   {"HARGA", "TERIMA", "9999"},
                        {"TEMPO", "TEMPO", "999"},    {"ALAMAT", "ALAMAT", ""},   {"ALAMAT2", "ALAMAT2", ""},
                        {"KOTA", "KOTA", ""},         {"TELP", "TELP", ""},       {"FAX", "FAX", ""},
                        {"Kontak1", "KONTAK1", ""},   {"Kontak2", "KONTAK2", ""}, {"NPWP", "NPWP", ""},
                        {"OVER", "OUTLET", "@!"}});
  screen.can_add = false;
  screen.options.footer = "Esc) Selesai, F2) Ganti Index, F4) Cari, CTRL-P) cetak, ";
  screen.other_key = [&](int key) {
    if (key == console::key::kF2) {
      // The next index order: code, name, and back to code.
      const int orders = static_cast<int>(customers.orders().size());
      const xbase::Status s = customers.SetOrder(customers.OrderNumber() % std::max(1, orders) + 1);
      frame::ShowFailure(session, s);
      return true;
    }
    if (key == console::key::kCtrlP) {
      CETAKRELASI(session);
      return true;
    }
    return false;
  };
  frame::RunEditorScreen(session, customers, screen);
  return session.tables().CloseAll();
}

}  // namespace masters
