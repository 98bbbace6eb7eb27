// CFPJK: the tax invoice of a delivery note. The clerk types the note; the form proposes the next
// tax-invoice number (or loads the stored one for a reprint), prints on a page printer or on the dot
// matrix, and only then records the tax invoice and raises the counter.
#include <string>

#include "console/alert.h"
#include "console/box.h"
#include "console/form_backdrop.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/dot_matrix_print.h"
#include "frame/open_table.h"
#include "frame/page_print.h"
#include "pickers/lookups.h"
#include "sales/tax_invoice.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

constexpr char kColour[] = "W+/b,N/W";

}  // namespace

frame::OpenedTables OpenTaxInvoiceTables(frame::Session& session) {
  return frame::OpenTables(session, {"SRTJLN1", "SRTJLN2", "MASTCUS", "MASTBRJ", "DT_NPWP", "PPN_KEL", "GRUPSJ2",
                                     "SETUP", "JENIS1", "STATUS", "DOCUMEN"});
}

namespace {

void DrawForm(console::Console& con) {
  const std::string_view colour = con.Pick(kColour, "W+/n,n/w");
  console::ClearBehindForm(con);
  console::ISHADOW(con, 2, 1, 22, 78, colour);
  console::TENGAH(con, 3, "MENCETAK FAKTUR PAJAK", colour);
  const console::Attr attr = con.Colour(colour);
  static const std::pair<int, const char*> kLabels[] = {
      {5, " No. SJ   :"},  {6, " Jns Tran :"}, {7, " Dtl Tran :"},  {8, " Doc Tran :"},
      {10, " No. FP   :"}, {11, " No. Inv  :"}, {12, " No. Po   :"}, {13, " Tg. FP   :"},
      {15, " Nama WP  :"}, {16, " Alamat   :"}, {18, " N.P.W.P  :"}};
  for (const auto& [row, label] : kLabels) con.Say(row, 2, label, attr);
  con.Say(10, 40, "Kd Nomor :", attr);
  con.Say(13, 40, "Tg. Kirim:", attr);
}

// The buyer and the figures of the note loaded.
void ShowNote(console::Console& con, const TaxInvoice& invoice) {
  const console::Attr attr = con.Colour(con.Pick(kColour, "W+/n,n/w"));
  con.Say(15, 14, xbase::PadR(invoice.buyer, 60).substr(0, 60), attr);
  con.Say(16, 14, invoice.address1, attr);
  con.Say(17, 14, invoice.address2, attr);
  con.Say(18, 14, xbase::PadR(invoice.npwp, 20), attr);
  con.Say(20, 3,
          "DPP : " + xbase::Transform(xbase::Value::Num(invoice.Base()), "99,999,999,999.99") + "   PPN : " +
              xbase::Transform(xbase::Value::Num(invoice.Tax()), "99,999,999,999.99") + "   Hal : " +
              std::to_string(invoice.Pages()),
          attr);
}

// The form; false when it was left with Esc or without a note.
bool ReadForm(frame::Session& session, TaxInvoice* invoice) {
  console::Console& con = session.console();
  const std::string colour(con.Pick(kColour, "W+/n,n/w"));
  console::GetList form;
  form.Add(5, 14, &invoice->note, "@!").valid = [&] {
    if (xbase::IsBlank(invoice->note)) return true;
    if (!LoadTaxInvoice(session, invoice)) return false;
    form.Display(con);
    ShowNote(con, *invoice);
    return true;
  };
  form.Add(6, 14, &invoice->kind, "!").valid = [&] { return pickers::GETJNSTRAN(session, &invoice->kind, colour); };
  form.Add(7, 14, &invoice->detail, "!").valid = [&] { return pickers::GETDTLTRAN(session, &invoice->detail, colour); };
  form.Add(8, 14, &invoice->document, "!").valid = [&] {
    return pickers::GETDOCTRAN(session, &invoice->document, colour);
  };
  form.Add(10, 14, &invoice->number, "9999999999").valid = [&] { return TaxNumberFree(session, invoice); };
  form.Add(11, 14, &invoice->invoice, "@!");
  form.Add(12, 14, &invoice->order, "@!");
  form.Add(13, 14, &invoice->date, "");
  form.Add(13, 51, &invoice->shipping, "");
  form.Add(10, 51, &invoice->prefix, "999");
  for (size_t i = 1; i < form.fields().size(); ++i) {
    form.fields()[i].when = [invoice] { return !xbase::IsBlank(invoice->note); };
  }
  const console::ReadResult read = form.Read(con);
  return !read.escaped && !xbase::IsBlank(invoice->note);
}

}  // namespace

bool ProcessTaxInvoice(frame::Session& session, const TaxInvoice& invoice) {
  switch (console::Alert(session.console(), "PROSES FAKTUR PAJAK",
                         {"Windows Print", "Cetak Dot Matrik", "Update saja", "batal"})) {
    case 1:
      if (!frame::DirectPrintPages(session, TaxInvoicePageForm(session.STP, invoice), false)) return false;
      break;
    case 2:
      if (!frame::PrintRawPages(session, "FAKTUR PAJAK", TaxInvoiceDotMatrix(session.STP, invoice))) return false;
      break;
    case 3: break;
    default: return false;
  }
  return RecordTaxInvoice(session, invoice);
}

xbase::Status CFPJK(frame::Session& session, const std::vector<xbase::Value>&) {
  if (!OpenTaxInvoiceTables(session)) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  for (;;) {
    TaxInvoice invoice;
    invoice.date = invoice.shipping = session.Today();
    DrawForm(con);
    if (!ReadForm(session, &invoice)) break;
    ProcessTaxInvoice(session, invoice);
  }
  return frame::CloseTables(session, xbase::Status::OK());
}

}  // namespace sales
