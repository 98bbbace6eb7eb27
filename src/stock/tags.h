// Stock-taking tags: the counted lines of one tag number, stored in OPNAME position by position.
#ifndef PALUNDA_STOCK_TAGS_H_
#define PALUNDA_STOCK_TAGS_H_

#include <functional>
#include <string>
#include <vector>

#include "documents/record_binding.h"
#include "frame/session.h"
#include "xbase/work_area.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace stock {

struct TagLine {
  std::string code;
  std::string warehouse;
  std::string location;
  double cartons = 0;
  double packs = 0;
  double pieces = 0;
  double quantity = 0;  // counted pieces
};

// OPNAME: a line of a tag; NOMOR, TANGGAL, TGINPUT and NIK are written beside it.
const documents::RecordBinding<TagLine>& TagLineRecord();

// The number after the last tag (in number order) as ten digits, and that tag's date; "0000000001" and
// the empty date without tags, from OPNAME (`tags`).
xbase::Status NextTag(xbase::WorkArea& tags, std::string* number, xbase::Date* date);

// The lines and date of tag `number`; *found false when it has none.
xbase::Status LoadTag(xbase::WorkArea& tags, const std::string& number, std::vector<TagLine>* lines, xbase::Date* date,
                      bool* found);

// Stores the tag all or nothing: its rows are overwritten position by position with the lines that
// have a code or a quantity (dated `date`, stamped today and with the user); the other rows are
// deleted, further lines appended. Every stored row of the tag and the table's append lock are taken
// first; Esc at a lock held elsewhere, or a failed write, stores nothing and gives its status (shown
// by the caller).
xbase::Status SaveTag(frame::Session& session, xbase::WorkArea& tags, const std::string& number, xbase::Date date,
                      const std::vector<TagLine>& lines);

// Where an import of tags stopped: the workbook row its unstored tag begins at, and the tag's number.
struct TagStop {
  int row = 0;
  std::string tag;
};

// Reads the tags of the first sheet of the workbook at `path` from row 2 while column 1 is filled:
// consecutive rows of one tag number (column 2; a number made ten digits with leading zeros, as typed
// tags are) form a tag with date (3), code (4), warehouse (7), location (8), pieces (9) and cartons
// (10); each is stored as SaveTag does, as one save. `progress` is told each row and its tag. A
// workbook that cannot be read gives its status. A tag that cannot be stored stops the import with
// its status: the tags before it stay stored, *stop (optional) names it.
xbase::Status ImportTags(frame::Session& session, xbase::WorkArea& tags, const std::string& path,
                         const std::function<void(int row, const std::string& tag)>& progress = {},
                         TagStop* stop = nullptr);

}  // namespace stock

#endif  // PALUNDA_STOCK_TAGS_H_
