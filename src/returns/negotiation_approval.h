// The head office's approval of a negotiation minute: the goods the deal needs (new or changed goods
// codes with their names, sizes and prices), stored with the approval and taken into the goods
// master, at head office by the approval and at the branch by its confirmation.
#ifndef PALUNDA_RETURNS_NEGOTIATION_APPROVAL_H_
#define PALUNDA_RETURNS_NEGOTIATION_APPROVAL_H_

#include <string>
#include <string_view>
#include <vector>

#include "frame/open_table.h"
#include "frame/session.h"
#include "returns/negotiation.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace returns {

// One goods row of an approval.
struct ApprovedGoods {
  std::string jos = std::string(10, ' ');
  std::string code = std::string(10, ' ');
  std::string group = std::string(10, ' ');
  std::string product = std::string(10, ' ');  // INDUK: the minute's product position, 2 digits
  std::string name = std::string(20, ' ');
  std::string long_name = std::string(50, ' ');
  std::string unit = std::string(6, ' ');
  double price = 0, price1 = 0, price2 = 0, price4 = 0;
  double pak = 0, dos = 0;
  double ordered = 0;
  bool Filled() const;
};

struct MinuteApproval {
  std::string number = std::string(10, ' ');
  xbase::Date date;
  std::string notes = std::string(50, ' ');
  bool property = false;
  std::vector<ApprovedGoods> goods;
};

// The message of a user without "EDP" at the head office's approvals.
inline constexpr std::string_view kNotEntitled = "anda tidak berhak menjalankan menu ini";

// True when the user may approve at head office ("EDP" in the rights); otherwise shows why.
bool MayApprove(frame::Session& session);

// A new approval of the minute: dated `date`, one goods row a product (the product's position, the
// first 20 characters of its name as the name, the name as the long name, its unit, its selling
// price as all four prices, its quantity as the quantity ordered).
MinuteApproval PrefillApproval(const Minute& minute, xbase::Date date);

// The stored approval of minute `number` (BAC_NAP and its BAC_NPP rows); *found tells whether there is one.
xbase::Status LoadApproval(const frame::OpenedTables& tables, std::string_view number, MinuteApproval* approval,
                           bool* found);

// The checks of goods row k: a JOS number in another minute's approval or in JOS ("nomor jos " + number
// + " sudah terdaftar") or twice in the list ("nomor JOS " + number + " telah diisikan pada urutan ke " +
// row), a group that is not one, prices and sizes too wide for the goods master. `tables` are the
// negotiation tables the screen opened (OpenNegotiationTables), here and below.
xbase::Status CheckApprovedGoods(const frame::OpenedTables& tables, const MinuteApproval& approval, size_t k);

// A price or size of goods row k too wide for the goods master (`items`).
xbase::Status FitsGoodsMaster(const xbase::WorkArea& items, const ApprovedGoods& goods, size_t k);

// SIMPANAPPROVAL without its question: every row checked, then the goods rows rewritten in place by
// position (those with a goods code), each taken into the goods master (UPPROPERTY), the approval row
// written (goods approved when a row was written) and the minute marked approved.
xbase::Status SaveApproval(frame::Session& session, const frame::OpenedTables& tables, MinuteApproval approval);

// The writes of an approval, checked before: the head office's save and the branch's confirmation.
xbase::Status WriteApproval(frame::Session& session, const frame::OpenedTables& tables, const MinuteApproval& approval);

// UPPROPERTY: the goods code is appended to MASTBRJ with its names, group, unit, prices, sizes, the
// purchase and average cost (both the fourth price), today and the user; an existing item takes the
// names, group, unit, prices and sizes with "APPBAC" as operator and keeps its costs, which only stock
// postings move. An item the row would not change is left as it is. `items` is the goods master.
xbase::Status UPPROPERTY(frame::Session& session, xbase::WorkArea& items, const ApprovedGoods& goods);

// _UPPROPERTY: UPPROPERTY for the row of the confirmation file the area stands on.
xbase::Status UPPROPERTY_(frame::Session& session, xbase::WorkArea& items, const xbase::WorkArea& row);

}  // namespace returns

#endif  // PALUNDA_RETURNS_NEGOTIATION_APPROVAL_H_
