// Writing one half of a mutation: the out half (MTSKDT1/MTSKDT2) takes goods out of stock, the in half
// (MTSDBT1/MTSDBT2) puts them in. Shared by the mutation screen and the gift-wrap forms.
#ifndef PALUNDA_STOCK_MUTATION_STORE_H_
#define PALUNDA_STOCK_MUTATION_STORE_H_

#include <optional>
#include <string>
#include <vector>

#include "documents/record_binding.h"
#include "documents/record_writes.h"
#include "documents/save_scope.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"

namespace stock {

enum class Half { kOut, kIn };

// The header and line tables of a half.
std::string_view HeaderTable(Half half);
std::string_view LineTable(Half half);

// One line of a half.
struct MutationRow {
  std::string code;
  std::string warehouse;
  double cartons = 0;
  double packs = 0;
  double quantity = 0;
  std::string note;
  double price = 0;
  double average = 0;
};

// The header of a half: the branch, the date and the warehouse the goods leave or enter.
struct MutationHead {
  std::string branch;
  xbase::Date date;
  std::string warehouse;
};

// MTSKDT1/MTSDBT1: a half's header; NOMOR, TG_INPUT and OPERATOR are written beside it when it is
// appended, the gift-wrap forms' company code and printed mark beside it by them.
const documents::RecordBinding<MutationHead>& MutationHeadRecord();
// MTSKDT2/MTSDBT2: a line of a half; NOMOR is written beside it.
const documents::RecordBinding<MutationRow>& MutationLineRecord();

// Rewrites the half of mutation `number`. With rows, its header is found or appended (an appended one
// gets NOMOR, TG_INPUT today and OPERATOR the user's NIK) and takes `header`; without any, a stored
// header is deleted. The stored lines are paired with `rows` by position (empty entries free their
// row): a live row's stock is put back first, then the row is overwritten and its stock moved with
// UPMASTERBARANG; surplus rows are put back and deleted. `tables` holds both halves' tables under their
// names; `stokbrg` and `mastbrj` are open too.
xbase::Status WriteMutationHalf(frame::Session& session, const frame::OpenedTables& tables, Half half,
                                const std::string& number, const documents::FieldValues& header,
                                const std::vector<std::optional<MutationRow>>& rows);

// Every record WriteMutationHalf changes, named in a save: the header (or an append), the stored
// lines (and an append), and the stock each stored line and each new row moves.
xbase::Status NameMutationHalf(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                               Half half, const std::string& number,
                               const std::vector<std::optional<MutationRow>>& rows);

// The lines of a half of mutation `number`, in stored order; *found tells whether its header is there
// and *header_area stands on it.
xbase::Status ReadMutationHalf(const frame::OpenedTables& tables, Half half, const std::string& number, bool* found,
                               std::vector<MutationRow>* rows);

}  // namespace stock

#endif  // PALUNDA_STOCK_MUTATION_STORE_H_
