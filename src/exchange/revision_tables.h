// The transfer tables of delivery-note revisions, dtsj1 (headers), dtsj2 (lines) and dtsj3, each with
// an index file of its own name on the invoice number; their layouts are those of the export set's
// delivery-note tables.
#ifndef PALUNDA_EXCHANGE_REVISION_TABLES_H_
#define PALUNDA_EXCHANGE_REVISION_TABLES_H_

#include <string>
#include <string_view>
#include <vector>

#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/status.h"

namespace exchange {

inline constexpr const char* kRevisionTables[] = {"dtsj1", "dtsj2", "dtsj3"};

// The folder preset of the revision screens.
inline constexpr std::string_view kRevisionFolder = "c:\\data\\palunda";

// Opens the three tables of `folder` (exclusively when asked) with their indexes. What comes back holds
// them and the data folder's tables `live`, which the screen has opened before. Empty (the three
// closed again) after a message naming the one that failed.
frame::OpenedTables OpenRevisionTables(frame::Session& session, const std::string& folder, bool exclusive,
                                       const std::vector<frame::TableUse>& live = {});

}  // namespace exchange

#endif  // PALUNDA_EXCHANGE_REVISION_TABLES_H_
