// Lookups by key that hand back a field or an expression of the record found, the tax and cost-centre
// codes, the report headers kept in SETUP, and the small helpers of line editors.
#ifndef PALUNDA_PICKERS_LOOKUPS_H_
#define PALUNDA_PICKERS_LOOKUPS_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/value.h"
#include "xbase/work_area.h"

namespace pickers {

// What GETKELOMPOK gives for a goods code.
struct GoodsClass {
  std::string name;    // NAMA, 20 blanks when not found
  std::string group;   // "01".."09" by GOLONGAN, else "99"
  double cartons = 0;  // DOS
};
// Seeks the goods code in the open table `table`. A record that cannot be read (or a table not open)
// is the error, never goods without a carton size.
xbase::Status GETKELOMPOK(frame::Session& session, std::string_view code, std::string_view table, GoodsClass* goods);

// Field `field` of the record of `key` in the open table `table`, as text padded or cut to `width`;
// blanks when not found or when it cannot be read (it is only shown).
std::string GETFIELD(frame::Session& session, std::string_view key, std::string_view table, int width,
                     std::string_view field);

// *value: the value of `expression` on the record of `key` in the open table `table`, `otherwise` when
// not found. A record that cannot be read, or an expression that does not evaluate, is the error.
xbase::Status GENERALSEARCH(frame::Session& session, std::string_view key, std::string_view table,
                            std::string_view expression, const xbase::Value& otherwise, xbase::Value* value);

// The tax transaction type, detail and document codes (`jenis1`, `status`, `documen`): an empty code
// or one beginning with "?" opens the pick list; a code found shows its NAMA (60 characters) at
// row 6, 7 or 8, column 16, in `colour`.
bool GETJNSTRAN(frame::Session& session, std::string* code, std::string_view colour);
bool GETDTLTRAN(frame::Session& session, std::string* code, std::string_view colour);
bool GETDOCTRAN(frame::Session& session, std::string* code, std::string_view colour);

// `mastcos`: true when found (name and code handed back), else `otherwise`.
bool GETCOSTCENTER(frame::Session& session, std::string* code, bool otherwise, std::string* name = nullptr,
                   std::string* code_out = nullptr);
// `mastcos`: true when found or empty; a code found goes into (*lines)[index].
bool GETARCENTER(frame::Session& session, std::string* code, std::vector<std::string>* lines, size_t index);
// `logsetup`: true when found or empty; the first 10 characters of a folder found go into (*lines)[index].
bool GETARDIRECTORY(frame::Session& session, std::string* code, std::vector<std::string>* lines, size_t index);
// `mastcos` pick list; true, or when not required: true only for an empty code.
bool CARICENTER(frame::Session& session, std::string* code, bool required = true);

// Report headers: "?" in *name lists the reports of `prefix` (SETUP keys prefix + name + "02");
// then each row prefix + name + nn puts its trimmed KET, padded to the line's width, into
// (*headers)[nn - 1]. False when the list was left with Esc or was empty, or after showing a failed read.
bool GETLAPORAN(frame::Session& session, std::string* name, std::vector<std::string>* headers, std::string_view prefix);

// `Karyawan`: "?" or "/" picks an employee; one found puts its fields 2 to 24 into *values and
// passes them to `show` (the employee form draws them). Gives `result` whether found or not.
bool GETKARYAWAN(frame::Session& session, std::string* code, std::vector<xbase::Value>* values,
                 const std::function<void(const std::vector<xbase::Value>&)>& show, bool result);

// A read-only browse of `area` over the field expressions `columns` in a shadowed window with `title`
// on its top line, until Esc or Enter.
xbase::Status BROWSING(frame::Session& session, xbase::WorkArea& area, int top, int left, int bottom, int right,
                       const std::vector<std::string>& columns, std::string_view title, std::string_view colour);

// BUSYSIGN: the busy sign at (row, col) in "br+/b" by *step, which then grows by one (past 120 back to
// 1). Named so that it cannot clash with the test framework's TEST macro.
void BUSYSIGN(console::Console& con, int* step, int row, int col);

}  // namespace pickers

#endif  // PALUNDA_PICKERS_LOOKUPS_H_
