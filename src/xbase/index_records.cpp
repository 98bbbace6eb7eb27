// Walks an index for the records of a key prefix without reading them.
#include "xbase/index_records.h"

#include "xbase/ntx_index.h"
#include "xbase/ntx_order.h"
#include "xbase/ntx_orders.h"

namespace xbase {

Status IndexRecords(WorkArea& area, std::string_view prefix, std::vector<uint32_t>* records) {
  records->clear();
  NtxOrder* order = area.orders().controlling();
  if (order == nullptr) return Status::InvalidArgument(area.alias(), "index walk without a controlling index");
  // A pending change reaches the index before it is walked.
  Status s = area.table().Flush();
  NtxIndex& index = order->index();
  bool found = false;
  if (s.ok()) s = index.Seek(prefix, &found);
  while (s.ok() && found && !index.eof() && index.key().starts_with(prefix)) {
    uint32_t recno = 0;
    s = order->CurrentRecord(&recno);
    if (s.ok()) records->push_back(recno);
    if (s.ok()) s = index.Next();
  }
  return s;
}

}  // namespace xbase
