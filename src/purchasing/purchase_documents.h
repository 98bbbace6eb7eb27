// The goods receipts and purchase returns as the purchasing screens and reports read them: their
// tables, the figures of a line, the walk over a period, and the small helpers the screens share.
#ifndef PALUNDA_PURCHASING_PURCHASE_DOCUMENTS_H_
#define PALUNDA_PURCHASING_PURCHASE_DOCUMENTS_H_

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace purchasing {

// One kind of purchase document and its tables.
struct PurchaseKind {
  std::string_view header;
  std::string_view lines;
  std::string_view date_order;    // of the headers
  std::string_view number_order;  // of the lines, on the document number
  std::string_view number;        // the number field of both
};
inline constexpr PurchaseKind kReceipts = {"BPBELI1", "BPBELI2", "BPBELI12", "BPBELI21", "NO_BPB"};
inline constexpr PurchaseKind kReturns = {"RTBELI1", "RTBELI2", "RTBELI12", "RTBELI21", "NOMOR"};

// Calls visit(header, records) for every document of the kind dated from..to, in date order; the
// header stands on the document, `records` are its line records in key order. A visit that moves the
// header is put back.
xbase::Status ForEachDocument(frame::Session& session, const PurchaseKind& kind, xbase::Date from, xbase::Date to,
                              const std::function<xbase::Status(xbase::WorkArea& header, xbase::WorkArea& lines,
                                                                const std::vector<uint32_t>& records)>& visit);

// The factor of a discount in percent: (100 - percent) / 100.
double Off(double percent);
// QUANTITY x HARGA after the line's two discounts, of the current line.
double LineValue(const xbase::WorkArea& line);
// The two cash discounts of the current header as one factor.
double CashFactor(const xbase::WorkArea& header);

// One cash discount taken off a sum: its percent and the amount it takes.
struct CashCut {
  double percent;
  double amount;
};
// The cash discounts that are not 0, each taken off *total in turn (the second off what the first
// left); *total becomes the net.
std::vector<CashCut> TakeCashDiscounts(double* total, double cash1, double cash2);

// True when `code` begins with the trimmed `prefix` (an empty prefix takes every code).
bool Begins(std::string_view code, std::string_view prefix);

// `field` of the row of `key` in the open table `alias` (its controlling order), blanks of `width`
// when there is none.
std::string MasterText(frame::Session& session, std::string_view alias, std::string_view key, std::string_view field,
                       int width);

}  // namespace purchasing

#endif  // PALUNDA_PURCHASING_PURCHASE_DOCUMENTS_H_
