// What the return and approval screens share: opening their tables, exact seeks, the exchange folder
// of the return requests and the request files kept there.
#ifndef PALUNDA_RETURNS_RETURN_TABLES_H_
#define PALUNDA_RETURNS_RETURN_TABLES_H_

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "console/console.h"
#include "documents/record_writes.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/value.h"
#include "xbase/work_area.h"

namespace returns {

// The mark the head office writes into SETUJU of an approved request.
inline constexpr std::string_view kApprovalMarker = "APRV";
// The request files: headers and lines.
inline constexpr const char* kRequestHeaders = "App_rt1";
inline constexpr const char* kRequestLines = "App_rt2";

// A text of an entry screen at its place.
struct Label {
  int row;
  int col;
  const char* text;
};
// Clears the screen in the entry colours and shows the title (centred on row 0) and the labels.
void DrawEntryScreen(console::Console& con, std::string_view title, std::initializer_list<Label> labels);

// Seeks `text` (trailing blanks cut) padded to the width of `field` on index `order` of `area`;
// *found tells whether the area stands on it.
xbase::Status SeekExact(xbase::WorkArea& area, std::string_view order, std::string_view field, std::string_view text,
                        bool* found);

// *folder := the stored exchange folder (SETUP "DT-TAMPUNG" of the open `setup`, blank without one), 60
// wide for its entry field; or the failure of the read.
[[nodiscard]] xbase::Status StoredExchangeFolder(frame::Session& session, std::string* folder);

// Opens table `name` of `folder` (stored or typed, mapped to this machine) shared, with the index file
// of its name, under the alias `name`: its area, or null after a message naming the file.
xbase::WorkArea* OpenExchangeTable(frame::Session& session, std::string_view folder, const char* name);

// The request files of an exchange folder, open under their names.
struct RequestFiles {
  xbase::WorkArea& headers;
  xbase::WorkArea& lines;
};

// Opens the request files of `folder` (stored or typed, mapped to this machine) shared, each with
// the index file of its name, under their names; nothing (after a message naming the file) when one
// cannot be opened, the other closed again.
std::optional<RequestFiles> OpenRequestFiles(frame::Session& session, std::string_view folder);
// True when the request lines file is in `folder`.
bool RequestFilesThere(frame::Session& session, std::string_view folder);
// Closes the request files.
void CloseRequestFiles(frame::Session& session);

// The question on row 24 answered with "Y" (any case).
bool Confirmed(frame::Session& session, std::string_view question);

// Puts the fields on the current record, which the caller has locked; the first failure is returned.
xbase::Status PutFields(xbase::WorkArea& area, const documents::FieldValues& fields);

// Locks the current record of `area` (waiting for another workstation), writes the fields and
// releases the lock.
xbase::Status Rewrite(frame::Session& session, xbase::WorkArea& area, const documents::FieldValues& fields);

}  // namespace returns

#endif  // PALUNDA_RETURNS_RETURN_TABLES_H_
