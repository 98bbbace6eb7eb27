// JJUAL: a further delivery note for an order saved earlier. The clerk types the note number and the
// order; what is still open on the order is offered as far as the stock goes, and F10 saves the note
// with its stock movements, the order's delivered quantities, the receivable and the customer balance.
#include <map>
#include <string>
#include <vector>

#include "console/message.h"
#include "documents/line_value.h"
#include "documents/posting_date.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "sales/goods_lookup.h"
#include "sales/note_header.h"
#include "sales/note_screen.h"
#include "sales/order_revision.h"
#include "sales/sales.h"
#include "sales/sales_order.h"
#include "sales/further_note.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {


constexpr char kTitle[] = "INPUT SURAT JALAN BARU";

// CHECKEXIST: a note number typed, without "?", and not yet held by a delivery note.
bool CHECKEXIST(frame::Session& session, std::string_view number) {
  if (xbase::IsBlank(number)) return pickers::Refuse(session, "Nomor Surat Jalan harus diisi");
  if (number.find('?') != std::string_view::npos) return pickers::Refuse(session, "Nomor Surat Jalan tidak boleh berisi ?");
  xbase::WorkArea* notes = nullptr;
  if (!frame::Checked(session, frame::RequireArea(session, "srtjln1", &notes))) return false;
  xbase::Status s = notes->SetOrder("SRTJLN11");
  if (s.ok()) s = notes->Seek(notes->PadToField("INVOICE", number));
  if (!frame::Checked(session, s)) return false;
  if (!notes->found()) return true;
  return pickers::Refuse(session, "Nomor Surat Jalan " + std::string(xbase::RTrim(number)) + " sudah terdaftar");
}

// CEKSTOCKBARANG: what may leave now of an open quantity: all of it when the stock covers it, else
// the stock when there is some, else nothing. `taken` is what earlier lines of the same goods were
// offered.
double CEKSTOCKBARANG(frame::Session& session, std::string_view code, std::string_view warehouse, double open,
                      double taken) {
  StockRow stock;
  if (!FindStock(session, warehouse, code, &stock)) return 0;
  const double free = stock.quantity - taken;
  if (free >= open) return open;
  return free > 0 ? free : 0;
}

// One open order line offered on the note.
void OfferLine(frame::Session& session, const xbase::WorkArea& line, double quantity, NoteDocument* doc) {
  AddNoteLine(&doc->lines, line.Number("DISCOUNT"), line.Number("DISCOUNT2"), line.Text("GUDANG"));
  console::ValueRow& offered = doc->lines.back();
  const std::string code = line.Text("KODE");
  Goods goods;
  xbase::WorkArea* master = SeekGoods(session, code, &goods);
  const documents::CartonSplit split = documents::SplitCartons(quantity, goods.dos, goods.pak);
  SetWord(&offered, note::kCode, code);
  SetWord(&offered, note::kName, line.Text("KTR"));
  SetFigure(&offered, note::kCartons, split.cartons);
  SetFigure(&offered, note::kPacks, split.packs);
  SetFigure(&offered, note::kPieces, split.pieces);
  SetFigure(&offered, note::kQuantity, quantity);
  SetFigure(&offered, note::kPrice, line.Number("HARGA"));
  SetWord(&offered, note::kOrderLine, line.Text("URUT"));
  SetFigure(&offered, note::kAverage, goods.found ? master->Number("HRG_RATA") : 0);
  RecomputeLine(&offered);
}

// LCGETSALESORDER: the order's header and what is still open on its lines, offered as far as the
// stock goes, then an empty line. An order that is not found is let through with an empty line.
bool LCGETSALESORDER(frame::Session& session, NoteDocument* doc, std::string* loaded_customer) {
  OrderHeader& header = doc->header;
  bool found = false;
  xbase::WorkArea* order = nullptr;
  if (!frame::Checked(session, PickOrder(session, &header.order, &found, &order))) return false;
  header.order = xbase::PadR(header.order, 15);
  doc->lines.clear();
  if (!found) {
    loaded_customer->clear();
    AddNoteLine(&doc->lines, 0, 0, session.MMEMBER.warehouse);
    return true;
  }
  if (!frame::Checked(session, LoadOrderHeader(*order, &header))) return false;
  *loaded_customer = header.customer;
  doc->due_date = session.Today();
  std::map<std::string, double> taken;  // offered so far, by warehouse + code
  const auto offer = [&](const xbase::WorkArea& line) {
    const double open = line.Number("QUANTITY") - line.Number("QTY_KIRIM");
    if (open <= 0) return xbase::Status::OK();
    const std::string key = line.Text("GUDANG") + line.Text("KODE");
    const double quantity = CEKSTOCKBARANG(session, line.Text("KODE"), line.Text("GUDANG"), open, taken[key]);
    taken[key] += quantity;
    OfferLine(session, line, quantity, doc);
    return xbase::Status::OK();
  };
  return frame::Checked(session, ReadOrderLines(session, header.order, doc, offer));
}

}  // namespace

xbase::Status JJUAL(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  if (MustCloseBooks(session)) return xbase::Status::OK();
  if (!OPENDATA(session)) return xbase::Status::OK();
  console::ScreenKeeper keep(con);
  const console::ColourSet colours = con.SetColour(NoteColours(con));
  NoteDocument doc;
  OrderHeader& header = doc.header;
  header.note_date = header.order_date = header.shipping_date = doc.due_date = session.Today();
  std::string loaded_customer;
  NoteHeaderChecks checks;
  checks.number = [&] { return CHECKEXIST(session, doc.invoice); };
  checks.order = [&] { return LCGETSALESORDER(session, &doc, &loaded_customer); };
  checks.note_date = [&] {
    xbase::Date accepted;
    return documents::CECKTANGGAL(session, header.note_date, true, {}, &accepted, 0);
  };
  checks.loaded_customer = &loaded_customer;
  DrawNoteForm(con, con.colours().standard, kTitle, NoteHeaderRows());
  for (;;) {
    if (!ReadNoteHeader(session, &doc, checks)) break;
    if (doc.lines.empty()) AddNoteLine(&doc.lines, 0, 0, session.MMEMBER.warehouse);
    NoteEditorHooks hooks;
    hooks.save = [&] { return SaveFurtherNote(session, doc); };
    hooks.may_delete = [&](int line) { return !xbase::IsBlank(Word(doc.lines[static_cast<size_t>(line - 1)], note::kWarehouse)); };
    EditNoteLines(session, &doc, hooks);
    ClearNoteLines(con, con.colours().standard);
  }
  con.set_colours(colours);
  return frame::CloseTables(session, xbase::Status::OK());
}

}  // namespace sales
