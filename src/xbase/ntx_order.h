// NtxOrder: an index file open on a work area. The area walks it as its controlling order, and every
// record the table writes updates it, for as long as it is open.
#ifndef PALUNDA_XBASE_NTX_ORDER_H_
#define PALUNDA_XBASE_NTX_ORDER_H_

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "xbase/dbf_table.h"
#include "xbase/ntx_expression.h"
#include "xbase/ntx_index.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace xbase {

// What a new index is built on.
struct NtxOrderSpec {
  std::string key;            // key expression
  std::string for_condition;  // empty for every record
  bool unique = false;
  bool descending = false;
};

class NtxOrder : public WorkAreaOrder, public TableObserver {
 public:
  // Open the index file at `path` over the table of `area`, in the table's open mode; the key
  // expression must compile over the table and give keys of the file's key size.
  static Status Open(const std::string& path, WorkArea* area, std::unique_ptr<NtxOrder>* out);
  // Build an index file at `path` over every record of `area`'s table, then open it.
  static Status Create(const std::string& path, WorkArea* area, const NtxOrderSpec& recipe,
                       std::unique_ptr<NtxOrder>* out);

  NtxOrder(const NtxOrder&) = delete;
  NtxOrder& operator=(const NtxOrder&) = delete;
  ~NtxOrder() override;

  // The file's name without folder and extension, in upper case: the order's name.
  const std::string& name() const { return name_; }
  NtxIndex& index() { return *index_; }
  const NtxKeyExpression& key() const { return *key_; }
  NtxKeyExpression& key() { return *key_; }

  // WorkAreaOrder.
  Status First(uint32_t* recno) override;
  Status Last(uint32_t* recno) override;
  Status Step(uint32_t recno, int direction, uint32_t* next) override;

  // TableObserver: a written record's old key goes and its new key comes, when they differ.
  Status RecordWritten(uint32_t recno, std::string_view before, std::string_view after) override;
  // Pack and zap: the index is built again from the table.
  Status TableRewritten() override;

  // The record of the index's current item (0 at the end); Corruption when it lies past the table's
  // last record.
  Status CurrentRecord(uint32_t* recno);

  // Build the index again over every record of the table.
  Status Rebuild();
  // The pages of the index built again over every record of the table, for a new file.
  Status BuildPages(std::vector<uint8_t>* pages);
  // The integrity check of the file, and every record's key present once (unless the FOR
  // condition or a unique index leaves it out); faults are added to `faults`.
  Status Check(std::vector<std::string>* faults);

 private:
  NtxOrder(std::string name, WorkArea* area, std::unique_ptr<NtxIndex> index, std::unique_ptr<NtxKeyExpression> key);
  // The keys of every record of the table, the current record kept.
  Status TableKeys(NtxKeys* keys);
  // Key of a record image; `included` false when the FOR condition leaves it out.
  Status ImageKey(std::string_view image, std::string* key, bool* included);
  // Put the index on record `recno` (the table's current record); `exact` false when it is not in
  // the index and the index stands on the item after where it would be.
  Status Position(uint32_t recno, bool* exact);

  std::string name_;
  WorkArea* area_;
  std::unique_ptr<NtxIndex> index_;
  std::unique_ptr<NtxKeyExpression> key_;
  std::string old_key_, new_key_;
};

}  // namespace xbase

#endif  // PALUNDA_XBASE_NTX_ORDER_H_
