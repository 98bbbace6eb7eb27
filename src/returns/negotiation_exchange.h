// Negotiation minutes between branch and head office: the branch copies minutes into the files ebac1,
// ebac2, ebac21, ebac22, ebac3 and ebac6 (the layouts of the minute tables), the head office merges
// them and sends its approvals back in app_bac1 and app_bac2, which the branch applies to its own
// minutes and goods master.
#ifndef PALUNDA_RETURNS_NEGOTIATION_EXCHANGE_H_
#define PALUNDA_RETURNS_NEGOTIATION_EXCHANGE_H_

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace returns {

// A transfer file and the live table whose layout it has.
struct TransferFile {
  const char* file;
  const char* table;
  const char* key;  // the index a reader builds on it
};
inline constexpr TransferFile kMinuteFiles[] = {
    {"ebac1", "BAC_N1", "nomor"},          {"ebac2", "BAC_N2", "nomor"}, {"ebac21", "BAC_N21", "nomor+urutan"},
    {"ebac22", "BAC_N22", "nomor"},        {"ebac3", "BAC_N3", "nomor"}, {"ebac6", "BAC_N6", "nomor"}};
inline constexpr TransferFile kConfirmationFiles[] = {{"app_bac1", "BAC_NAP", "nomor"},
                                                      {"app_bac2", "BAC_NPP", "nomor"}};

// Makes the minute files in `folder` anew, empty (an earlier set is replaced), ebac1 with its index.
xbase::Status CreateMinuteFiles(const std::string& folder);
// Makes the confirmation files in `folder` anew, empty, each with its index on the number.
xbase::Status CreateConfirmationFiles(const std::string& folder);

// The open files of a set, in the set's order.
using TransferAreas = std::vector<std::reference_wrapper<xbase::WorkArea>>;

// Opens the files of a set in `folder`, shared, under their names, each with the index made with it
// (of the minute files only ebac1 has one); none (those opened closed again) after a message naming
// the file.
TransferAreas OpenMinuteFiles(frame::Session& session, const std::string& folder);
TransferAreas OpenConfirmationFiles(frame::Session& session, const std::string& folder);
// Closes whichever files of the set are open.
void CloseTransferFiles(frame::Session& session, bool confirmations);

// The `tables` below are the negotiation tables a screen opened (OpenNegotiationTables).

// Copies minute `number` (header and every row) into the minute files `files`; refused when there is
// no such minute ("Nomor " + number + " tidak ada") or the files hold it already.
xbase::Status SendMinute(frame::Session& session, const frame::OpenedTables& tables, const TransferAreas& files,
                         std::string_view number);

// Merges every minute of the minute files in `folder` into the live tables, each replacing the
// minute of its number (header fields 2 on, every list rewritten in place). Every file and row is read
// and checked before the first write: a file of another layout or a row that cannot be read stops the
// import, naming the file and row, with nothing merged. A minute whose writing fails is put back as it
// was and the import stops naming it. *merged counts the minutes merged.
xbase::Status ImportMinutes(frame::Session& session, const frame::OpenedTables& tables, const std::string& folder,
                            int* merged);

// Appends the approval of minute `number` and its goods rows to the confirmation files `files`;
// refused when the minute has no approval ("Nomor " + number + " tidak ada").
xbase::Status SendConfirmation(frame::Session& session, const frame::OpenedTables& tables, const TransferAreas& files,
                               std::string_view number);

// Applies every approval of the confirmation files `files`: the minute marked approved, its approval row
// written, its goods rows rewritten in place and taken into the goods master (_UPPROPERTY). Every row
// is read and each minute checked before the first write; one that is not there stops it, naming the
// file and row. *applied counts the approvals.
xbase::Status ApplyConfirmations(frame::Session& session, const frame::OpenedTables& tables, const TransferAreas& files,
                                 int* applied);

}  // namespace returns

#endif  // PALUNDA_RETURNS_NEGOTIATION_EXCHANGE_H_
