// J1609: the realisations of every proforma counted again from its delivery notes, and each note's
// value again from the proforma's prices and discounts.
#include <cctype>
#include <functional>
#include <string>

#include "console/message.h"
#include "console/table_access.h"
#include "documents/line_value.h"
#include "documents/record_writes.h"
#include "documents/save_scope.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "sales/proforma.h"
#include "sales/sales.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

// Every visible record of the area in natural order, each handed to `step`.
xbase::Status EachRecord(xbase::WorkArea& area, const std::function<xbase::Status()>& step) {
  xbase::Status s = area.SetOrder(0);
  if (s.ok()) s = area.GoTop();
  while (s.ok() && !area.eof()) {
    s = step();
    if (s.ok()) s = area.Skip(1);
  }
  return s;
}

// The price of a proforma line after its discounts, and whether there is one.
xbase::Status LinePrice(xbase::WorkArea& lines, std::string_view proforma, std::string_view code, double* price) {
  xbase::Status s = lines.SetOrder("PRO_IN22");
  if (s.ok()) s = lines.Seek(lines.PadToField("NOMOR", proforma) + lines.PadToField("KODE", code));
  *price = s.ok() && lines.found()
               ? documents::LineValue(1, lines.Number("HARGA"), lines.Number("DISCOUNT"), lines.Number("DISCOUNT2"))
               : 0;
  return s;
}

xbase::Status Recount(frame::Session& session, const frame::OpenedTables& tables) {
  console::Console& con = session.console();
  xbase::WorkArea& headers = tables["pro_in1"];
  xbase::WorkArea& lines = tables["pro_in2"];
  xbase::WorkArea& notes = tables["pro_ot1"];
  xbase::WorkArea& note_lines = tables["pro_ot2"];
  xbase::Status s = EachRecord(lines, [&] {
    xbase::Status locked = console::LOCK_REC(con, lines);
    return locked.ok() ? documents::PutAndRelease(lines, {{"REALISASI", xbase::Value::Num(0)}}) : locked;
  });
  if (!s.ok()) return s;
  return EachRecord(notes, [&] {
    const std::string proforma = notes.Text("NO_REFF");
    double hd1 = 0, hd2 = 0;
    xbase::Status r = headers.SetOrder("PRO_IN11");
    if (r.ok()) r = headers.Seek(proforma);
    if (r.ok() && headers.found()) {
      hd1 = headers.Number("DISCOUNT");
      hd2 = headers.Number("DISCOUNT2");
    }
    std::vector<uint32_t> records;
    if (r.ok()) r = note_lines.SetOrder("PRO_OT21");
    if (r.ok()) r = note_lines.SeekAll(notes.Text("NOMOR"), &records);
    double value = 0;
    for (size_t i = 0; r.ok() && i < records.size(); ++i) {
      if (r = note_lines.GoTo(records[i]); !r.ok()) break;
      const double quantity = note_lines.Number("QUANTITY");
      double price = 0;
      r = LinePrice(lines, proforma, note_lines.Text("KODE"), &price);
      if (r.ok()) value += quantity * price;
      if (r.ok()) r = UPDATEEKSPROFORMA(session, proforma, note_lines.Text("KODE"), note_lines.Text("URUT"), quantity, 0);
    }
    if (r.ok()) r = console::LOCK_REC(con, notes);
    if (r.ok()) r = documents::PutAndRelease(notes, {{"NILAI_SJ", xbase::Value::Num(documents::AfterDiscounts(value, hd1, hd2))}});
    return r;
  });
}

}  // namespace

xbase::Status J1609(frame::Session& session, const std::vector<xbase::Value>&) {
  if (std::toupper(console::PESAN(session.console(), "yakin proforma akan direcek (Y/N)")) != 'Y') {
    return xbase::Status::OK();
  }
  const frame::OpenedTables tables = frame::OpenTables(session, {"pro_in1", "pro_in2", "pro_ot1", "pro_ot2"});
  if (!tables) return xbase::Status::OK();
  // Every proforma line and every note is rewritten: both tables whole, before the first write. Esc
  // at a table another workstation holds recounts nothing.
  documents::SaveScope save(session.console());
  save.Table(tables["pro_in2"]);
  save.Table(tables["pro_ot1"]);
  xbase::Status s = save.Lock();
  if (!s.ok()) {
    documents::NothingSaved(session, s);
    return session.tables().CloseAll();
  }
  s = save.BeginWrites();
  if (s.ok()) s = Recount(session, tables);
  s = save.CommitWrites(s);
  if (frame::Checked(session, s)) console::PESAN(session.console(), "Proses selesai");
  return session.tables().CloseAll();
}

}  // namespace sales
