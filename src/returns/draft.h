// A return draft as its entry screen and its forms handle it: the header and the lines, the number's
// checks, the checks of a line's delivery note and goods line, and the save.
#ifndef PALUNDA_RETURNS_DRAFT_H_
#define PALUNDA_RETURNS_DRAFT_H_

#include <string>
#include <string_view>
#include <vector>

#include "documents/record_binding.h"
#include "documents/seen_records.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace returns {

// One draft line: goods from a delivery-note line.
struct DraftLine {
  std::string invoice = std::string(20, ' ');  // the delivery note the goods came with
  std::string code = std::string(10, ' ');
  std::string name = std::string(20, ' ');
  double boxes = 0, packs = 0, pieces = 0, quantity = 0;
  double price = 0, discount1 = 0, discount2 = 0;
  std::string urut = std::string(3, ' ');  // the delivery-note line's sequence
  double average_cost = 0;
  // quantity x price after the line's two discounts.
  double Value() const;
  bool HasGoods() const;
};

struct Draft {
  std::string number = std::string(20, ' ');
  xbase::Date date;
  std::string customer = std::string(10, ' ');
  std::string type = std::string(2, ' ');
  std::string salesman = std::string(4, ' ');
  std::string branch = std::string(6, ' ');
  double discount1 = 0, discount2 = 0;
  std::string warehouse = std::string(6, ' ');
  std::string code_id = std::string(4, ' ');
  std::string reason1 = std::string(50, ' ');
  std::string reason2 = std::string(50, ' ');
  bool is_new = true;
  std::vector<DraftLine> lines;
  // The stored header and line rows as the entry loaded them (none for a new draft), which its save
  // checks under its locks.
  documents::SeenRecords seen;
  // The sum of the line values, and that sum after the header's two discounts (line by line).
  double Gross() const;
  double Net() const;
};

// DRAFTR1 (and a request's App_rt1): the header; TG_INPUT and OPERATOR are written beside it by the
// first save, NILAI by each (and by the request's copy).
const documents::RecordBinding<Draft>& DraftHeadRecord();
// DRAFTR2 (and a request's App_rt2): a line; NOMOR (and in the draft URUTAN) are written beside it.
const documents::RecordBinding<DraftLine>& DraftLineRecord();

// The tables of the draft entry; false (all closed) when one cannot be opened.
frame::OpenedTables OpenDraftTables(frame::Session& session);

// True when instrument `number` of `instruments` (GIRODBT) is there and is not a return; such a number may
// never become a return.
bool NamesOtherInstrument(frame::Session& session, xbase::WorkArea& instruments, std::string_view number, bool* other);

// GETDRAFT: refuses (with its message) an empty number, a delivery-note number, the number of an
// instrument that is not a return, and a draft sent, approved or realised; loads a stored draft into
// *draft, or starts a new one under the number. Either way the stored rows of the number are kept as
// they read now, for the save's check.
bool GETDRAFT(frame::Session& session, const frame::OpenedTables& tables, std::string_view number, Draft* draft);

// The name of goods `code` in `goods` (MASTBRJ), 20 blanks when it is not there. The name is printed
// on the forms: goods that cannot be read are the error.
xbase::Status ReadGoodsName(xbase::WorkArea& goods, std::string_view code, std::string* name);

// The header of a draft, or of a request (the same first fields), from the current record; an error
// when the table lacks one of them.
xbase::Status ReadDraftHeader(const xbase::WorkArea& head, Draft* draft);
// The lines of `number` in `lines` (a draft's or a request's, on their first index), with the goods
// names from `goods` (MASTBRJ); goods that cannot be read are the error.
xbase::Status ReadDraftLines(xbase::WorkArea& goods, xbase::WorkArea& lines, std::string_view number, Draft* draft);

// Loads draft `number` of DRAFTR1/DRAFTR2 (names from MASTBRJ) of `tables`; *found tells whether it is there.
xbase::Status LoadDraft(const frame::OpenedTables& tables, std::string_view number, Draft* draft, bool* found);

// The check of a line's delivery note: it must exist, not be returned administratively, and share
// the draft's cash discounts and price type (taken from it while the draft has none).
bool CheckDraftNote(frame::Session& session, const frame::OpenedTables& tables, Draft* draft, std::string_view invoice);
// The goods line `urut` of the line's delivery note (or, with a blank `urut`, its first line of goods
// `code`): its sequence, code, price, discounts, average cost and name. False when there is none or
// it (or its goods) cannot be read, the failure shown.
bool TakeNoteLine(frame::Session& session, const frame::OpenedTables& tables, DraftLine* line, std::string_view urut,
                  std::string_view code = {});
// The quantity from boxes, packs and pieces with the sizes of the goods in `goods` (MASTBRJ); goods
// that cannot be read are the error and leave the quantity as it was.
xbase::Status CountPieces(xbase::WorkArea& goods, DraftLine* line);

// SAVEDRF without its question: the header written (appended when new), the stored lines rewritten
// in place from the lines with goods, rows left over deleted. Header and rows are locked before the
// first write (a lock given up writes nothing); a draft another workstation saved since GETDRAFT is
// refused, nothing written. A refusal or failure is shown and returned.
xbase::Status SaveDraft(frame::Session& session, const frame::OpenedTables& tables, Draft* draft);

}  // namespace returns

#endif  // PALUNDA_RETURNS_DRAFT_H_
