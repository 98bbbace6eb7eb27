// RSLSODR: a saved sales order corrected: its header and its ordered lines. No stock or receivable
// moves; the delivered quantities stay with the lines they were delivered on.
#include <string>
#include <vector>

#include "console/alert.h"
#include "console/get.h"
#include "frame/open_table.h"
#include "pickers/picker_support.h"
#include "pickers/pickers.h"
#include "sales/note_header.h"
#include "sales/note_screen.h"
#include "sales/order_revision.h"
#include "sales/sales.h"
#include "sales/sales_order.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

constexpr char kTitle[] = "RALAT SALES ORDER";

const std::vector<std::string> kHeaderRows = {
    "No. Order  : ...............  Tanggal : ..........",
    "Customer   : ..........",
    "............................  Kd. Cab : ...... Tipe : ..  Sls : ....",
    "                              Disc. 1 : ...... Ket. : ....................",
    "                              Disk. 2 : ......        ....................",
    "                                              Code Id : ....   Include : ."};

bool ReadHeader(frame::Session& session, NoteDocument* doc, std::string* loaded_customer) {
  console::Console& con = session.console();
  OrderHeader* header = &doc->header;
  console::GetList form;
  auto add = [&](int row, int col, console::GetField::Target target, std::string picture,
                 std::function<bool()> valid = {}) { form.Add(row, col, target, std::move(picture)).valid = std::move(valid); };
  add(2, 13, &header->order, "@!", [&] {
    if (!LCGETSALESORDER(session, doc)) return false;
    *loaded_customer = header->customer;
    // The customer's group, price level and ceilings for the line checks; the order's values stay.
    CheckHeaderCustomer(session, header, true, true);
    return true;
  });
  add(3, 13, &header->customer, "@!", [&] {
    return CheckHeaderCustomer(session, header, true, xbase::AllTrim(*loaded_customer) == xbase::AllTrim(header->customer));
  });
  add(2, 40, &header->order_date, "");
  AddSaleFields(&form, session, header, false);
  return !form.Read(con).escaped && !doc->lines.empty();
}

// Del: a line that has deliveries stays.
bool MayDelete(frame::Session& session, const NoteDocument& doc, int line) {
  const console::ValueRow& row = doc.lines[static_cast<size_t>(line - 1)];
  const double delivered = DeliveredOn(doc, row);
  if (delivered == 0) return true;
  return pickers::Refuse(session, "Barang " + std::string(xbase::RTrim(note::Word(row, note::kCode))) + " sudah dikirim " +
                                      std::string(xbase::AllTrim(xbase::Str(delivered, 9))) + " pcs, tidak boleh dihapus");
}

bool Save(frame::Session& session, const NoteDocument& doc) {
  if (console::Alert(session.console(), "Yakin data akan disimpan ?", {"Ya", "Tidak"}) != 1) return false;
  return WriteOrderRevision(session, doc);
}

}  // namespace

xbase::Status RSLSODR(frame::Session& session, const std::vector<xbase::Value>&) {
  if (!OPENDATA(session)) return xbase::Status::OK();
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const console::ColourSet colours = con.SetColour(NoteColours(con));
  NoteDocument doc;
  doc.header.order_date = session.Today();
  std::string loaded_customer;
  DrawNoteForm(con, con.colours().standard, kTitle, kHeaderRows);
  for (;;) {
    if (!ReadHeader(session, &doc, &loaded_customer)) break;
    NoteEditorHooks hooks;
    hooks.save = [&] { return Save(session, doc); };
    hooks.may_delete = [&](int line) { return MayDelete(session, doc, line); };
    EditNoteLines(session, &doc, hooks);
    ClearNoteLines(con, con.colours().standard);
  }
  con.set_colours(colours);
  return frame::CloseTables(session, xbase::Status::OK());
}

}  // namespace sales
