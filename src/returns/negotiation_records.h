// The records of a negotiation minute and its approval, each field bound once to the struct that
// holds it: the minute's header, products, schedule and payments, the approval's header and goods
// rows, and the fields an approved goods row gives the goods master.
#ifndef PALUNDA_RETURNS_NEGOTIATION_RECORDS_H_
#define PALUNDA_RETURNS_NEGOTIATION_RECORDS_H_

#include "documents/record_binding.h"
#include "returns/negotiation.h"
#include "returns/negotiation_approval.h"

namespace returns {

// BAC_N1 (and ebac1): the minute's header, its number with it.
const documents::RecordBinding<Minute>& MinuteHeadRecord();
// BAC_N2 (and ebac2): a product; NOMOR and URUTAN (its position) are written beside it.
const documents::RecordBinding<MinuteProduct>& MinuteProductRecord();
// BAC_N22 (and ebac22): a scheduled delivery; NOMOR and URUTAN are written beside it.
const documents::RecordBinding<ScheduledDelivery>& ScheduledDeliveryRecord();
// BAC_N3 (and ebac3): a payment; NOMOR and URUTAN are written beside it.
const documents::RecordBinding<MinutePayment>& MinutePaymentRecord();

// BAC_NAP (and app_bac1): the approval's header, its number with it.
const documents::RecordBinding<MinuteApproval>& MinuteApprovalRecord();
// BAC_NPP (and app_bac2): an approved goods row; NOMOR is written beside it.
const documents::RecordBinding<ApprovedGoods>& ApprovedGoodsRecord();
// MASTBRJ: what an approved goods row gives the goods master (the code, costs, date and operator
// are written beside it).
const documents::RecordBinding<ApprovedGoods>& ApprovedItemRecord();

}  // namespace returns

#endif  // PALUNDA_RETURNS_NEGOTIATION_RECORDS_H_
