// SaveReturn: a purchase return written whole (header, lines and stock), new or corrected in place.
#include "console/table_access.h"
#include "console/message.h"
#include "documents/document_counter.h"
#include "documents/field_values.h"
#include "documents/named_records.h"
#include "documents/save_scope.h"
#include "documents/record_writes.h"
#include "documents/stock_posting.h"
#include "documents/stored_lines.h"
#include "frame/status_display.h"
#include "purchasing/purchase_return.h"
#include "xbase/keyed_read.h"
#include "xbase/number_text.h"
#include "xbase/session.h"
#include "xbase/text_functions.h"

namespace purchasing {
namespace {

using documents::D;
using documents::T;

const documents::CounterKind kReturnCounter{"RTBL"};

const xbase::Value& Cell(const console::ValueRow& line, int column) { return line[static_cast<size_t>(column - 1)]; }

xbase::Status WriteHeader(frame::Session& session, xbase::WorkArea& header, const PurchaseReturn& ret,
                          const std::string& number) {
  console::Console& con = session.console();
  bool found = false;
  xbase::Status s = header.SetOrder("RTBELI11");
  if (s.ok()) s = xbase::SeekFound(header, header.PadToField("NOMOR", xbase::RTrim(number)), &found);
  documents::FieldValues values;
  if (s.ok()) {
    documents::FieldValues first;
    if (!found) first = {{"NOMOR", T(number)}, {"TG_INPUT", D(session.Today())}, {"OPERATOR", T(session.MMEMBER.nik)}};
    s = ReturnHeadRecord().CheckedValues(header, ret, std::move(first), &values);
  }
  if (!s.ok()) return s;
  s = found ? console::LOCK_REC(con, header) : console::APP_REC(con, header);
  if (!s.ok()) {
    header.Unlock().IgnoreError();  // the first failure is the one reported
    return s;
  }
  return documents::PutAndRelease(header, values);
}

xbase::Status WriteLines(frame::Session& session, xbase::WorkArea& rows, const PurchaseReturn& ret,
                         const std::string& number) {
  std::vector<uint32_t> stored;
  xbase::Status s = rows.SetOrder("RTBELI21");
  if (s.ok()) s = documents::StoredRows(session.tables(), rows, rows.PadToField("NOMOR", xbase::RTrim(number)), &stored);
  if (!s.ok()) return s;
  xbase::ShowDeleted show(&session.tables());
  const auto line = [&](size_t k) -> const console::ValueRow& { return ret.lines[k]; };
  documents::LineRewrite how;
  how.keep = [&](size_t k) { return !xbase::IsBlank(Cell(line(k), kCode).text()); };
  how.append = [&](size_t k) { return how.keep(k) && Cell(line(k), kQuantity).number() != 0; };
  how.reverse = [&] {
    return documents::UPMASTERBARANG(session, rows.Text("KODE"), rows.Text("GUDANG"), rows.Number("QUANTITY"), 0);
  };
  how.write = [&](size_t k, bool) {
    return ReturnLineRecord().Write(rows, line(k), {{"NOMOR", T(number)}, {"URUT", T(xbase::Str(static_cast<double>(k + 1), 3))}});
  };
  how.apply = [&](size_t k) {
    return documents::UPMASTERBARANG(session, Cell(line(k), kCode).text(), Cell(line(k), kWarehouse).text(), 0,
                                 Cell(line(k), kQuantity).number());
  };
  return documents::RewriteLines(session.console(), rows, stored, ret.lines.size(), how);
}

xbase::Status WriteReturn(frame::Session& session, const frame::OpenedTables& tables, const PurchaseReturn& ret,
                          const std::string& number) {
  xbase::Status s = WriteHeader(session, tables["rtbeli1"], ret, number);
  return s.ok() ? WriteLines(session, tables["rtbeli2"], ret, number) : s;
}

// The header, the stored line rows and the stock of every goods line old and new.
xbase::Status NameReturn(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                         const PurchaseReturn& ret) {
  xbase::WorkArea& header = tables["rtbeli1"];
  xbase::WorkArea& rows = tables["rtbeli2"];
  std::vector<uint32_t> stored;
  xbase::Status s;
  if (xbase::IsBlank(ret.number)) {
    save.Append(header);
    save.Append(rows);
  } else {
    s = documents::NameKeyedRecord(save, header, "RTBELI11", header.PadToField("NOMOR", xbase::RTrim(ret.number)));
    if (s.ok()) {
      s = documents::NameStoredRows(save, session.tables(), rows, "RTBELI21",
                                    rows.PadToField("NOMOR", xbase::RTrim(ret.number)), &stored);
    }
  }
  xbase::ShowDeleted show(&session.tables());
  for (size_t i = 0; s.ok() && i < stored.size(); ++i) {
    if (s = rows.GoTo(stored[i]); s.ok() && !rows.deleted()) {
      s = documents::NameStockMove(save, session, rows.Text("KODE"), rows.Text("GUDANG"));
    }
  }
  for (size_t k = 0; s.ok() && k < ret.lines.size(); ++k) {
    const console::ValueRow& line = ret.lines[k];
    if (!xbase::IsBlank(Cell(line, kCode).text())) {
      s = documents::NameStockMove(save, session, Cell(line, kCode).text(), Cell(line, kWarehouse).text());
    }
  }
  return s;
}

}  // namespace

xbase::Status SaveReturn(frame::Session& session, const frame::OpenedTables& tables, PurchaseReturn* ret) {
  xbase::WorkArea& setup = tables["setup"];
  const std::string branch = xbase::PadR(xbase::RTrim(ret->branch), 6);
  const bool numbered = !xbase::IsBlank(ret->number);
  documents::SaveScope save(session.console());
  xbase::Status s = numbered ? xbase::Status::OK() : documents::NameCounter(save, setup, kReturnCounter, branch);
  if (s.ok()) s = NameReturn(save, session, tables, *ret);
  if (s.ok()) s = save.Lock();
  if (s.ok() && numbered) {
    s = ret->seen.Unchanged(session.tables(), "Retur " + std::string(xbase::AllTrim(ret->number)) +
                                                  " diubah di komputer lain, panggil ulang datanya");
  }
  if (!s.ok()) {
    documents::NothingSaved(session, save, s);
    return s;
  }
  s = save.BeginWrites();
  if (s.ok() && numbered) {
    s = WriteReturn(session, tables, *ret, ret->number);
  } else if (s.ok()) {
    xbase::WorkArea& headers = tables["rtbeli1"];
    const auto taken = [&](const std::string& number, bool* held) {
      xbase::Status t = headers.SetOrder("RTBELI11");
      if (t.ok()) t = headers.Seek(headers.PadToField("NOMOR", number));
      *held = t.ok() && headers.found();
      return t;
    };
    const auto write = [&](const std::string& number) { return WriteReturn(session, tables, *ret, number); };
    s = documents::NumberDocument(session.console(), setup, kReturnCounter, branch, taken, write, &ret->number);
  }
  s = save.CommitWrites(s);
  if (!s.IsNotFound()) frame::ShowFailure(session, s);  // a missing counter had its alert
  return s;
}

}  // namespace purchasing
