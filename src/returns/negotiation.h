// A negotiation minute (BAC NEGO) as its screens, prints and transfer files handle it: the header with
// the customer and the terms, the products with their details, the delivery schedule, the
// payments and the notes; loading one, the checks before a save, and the save that rewrites each
// list in place.
#ifndef PALUNDA_RETURNS_NEGOTIATION_H_
#define PALUNDA_RETURNS_NEGOTIATION_H_

#include <string>
#include <string_view>
#include <vector>

#include "documents/save_scope.h"
#include "frame/open_table.h"
#include "frame/session.h"
#include "xbase/date.h"
#include "xbase/status.h"
#include "xbase/work_area.h"

namespace returns {

// The minute tables, in the order a save writes them.
inline constexpr const char* kMinuteHeaders = "BAC_N1";
inline constexpr const char* kMinuteProducts = "BAC_N2";
inline constexpr const char* kMinuteDetails = "BAC_N21";
inline constexpr const char* kMinuteSchedule = "BAC_N22";
inline constexpr const char* kMinutePayments = "BAC_N3";
inline constexpr const char* kMinuteNotes = "BAC_N6";
inline constexpr const char* kMinuteApprovals = "BAC_NAP";
inline constexpr const char* kApprovedGoods = "BAC_NPP";

// Widths of the texts of a detail: a label and its text.
inline constexpr int kDetailLabelWidth = 10;
inline constexpr int kDetailTextWidth = 90;
// The notes a minute holds.
inline constexpr size_t kMinuteNoteLines = 10;

// One product or work of the order, with its details (each a 10-character label and a
// 90-character text).
struct MinuteProduct {
  std::string ex_bac = std::string(10, ' ');  // the minute the product was copied from
  std::string name = std::string(30, ' ');
  std::string brand = std::string(10, ' ');
  double quantity = 0;
  std::string unit = std::string(6, ' ');
  double price = 0;
  double margin = 0;
  double margin2 = 0;
  std::string urut = std::string(3, ' ');
  std::vector<std::string> details;
  double Total() const { return quantity * price; }
  bool Filled() const;
};

struct ScheduledDelivery {
  xbase::Date date;
  double quantity = 0;
  bool Filled() const { return !date.empty() || quantity != 0; }
};

struct MinutePayment {
  xbase::Date date;
  double percent = 0;
  std::string kind = std::string(2, ' ');
  std::string proof = std::string(20, ' ');
  double amount = 0;
  std::string notes = std::string(50, ' ');
  bool Filled() const;
};

struct Minute {
  std::string number = std::string(10, ' ');
  std::string branch = std::string(6, ' ');
  xbase::Date date;
  std::string customer = std::string(10, ' ');
  std::string offer_head = std::string(10, ' ');    // the head office's offer letter
  std::string offer_branch = std::string(10, ' ');  // the branch's offer letter
  std::string calculation = std::string(10, ' ');
  std::string company = std::string(50, ' ');
  std::string contact = std::string(50, ' ');
  std::string address = std::string(100, ' ');
  std::string phone = std::string(50, ' ');
  std::string town = std::string(15, ' ');
  std::string vat_included = "S";    // "S" Sudah, "B" Belum, "T" Tidak Ada
  std::string pph22_included = "S";
  double vat = 0;
  double pph22 = 0;
  std::string freight = "P";  // "P" Penjual, "B" Pembeli
  bool commission = false;
  double commission_percent = 0;
  double commission_amount = 0;
  std::string maker = std::string(10, ' ');
  std::string acknowledger = std::string(10, ' ');
  std::string approver1 = std::string(10, ' ');
  std::string approver2 = std::string(10, ' ');
  bool approved = false;
  std::string pec = std::string(20, ' ');
  xbase::Date entered;
  std::string entered_by = std::string(10, ' ');
  std::vector<MinuteProduct> products;
  std::vector<ScheduledDelivery> schedule;
  std::vector<MinutePayment> payments;
  std::vector<std::string> notes;
  bool is_new = true;

  double OrderedQuantity() const;
  double OrderedValue() const;
  double ScheduledQuantity() const;
};

// BUKADATANEGO: the minute tables with the lookups (SETUP, KARYAWAN, MASTCUS, PEC, MASTBRJ, MASTGOL,
// JOS), and BAC_N2 and BAC_N21 a second time as eks1 and eks2 for copying products of earlier
// minutes; false (all closed) when one cannot be opened. The `tables` below are the ones it opened.
frame::OpenedTables OpenNegotiationTables(frame::Session& session);

// Stands BAC_N1 on minute `number`; *found tells whether it is there.
xbase::Status SeekMinute(const frame::OpenedTables& tables, std::string_view number, bool* found);

// Loads minute `number` with every list (live rows in their order); *found tells whether it is there.
xbase::Status LoadMinute(const frame::OpenedTables& tables, std::string_view number, Minute* minute, bool* found);

// Reads the minute whose header the area `headers` stands on from tables of the minute layouts (the
// live ones or transfer files), each on its first index: products, details, schedule, payments
// and notes in that order. A detail row whose product position names no product is refused.
xbase::Status ReadMinute(const xbase::WorkArea& headers, const std::vector<xbase::WorkArea*>& lists, Minute* minute);

// A minute number typed in a field: "?" picks one from BAC_N1, and the number comes back padded to 10.
// False when the pick could not be read (told on row 24).
bool PickMinuteNumber(frame::Session& session, std::string* number);

// A minute number typed for a print or a copy: picked as above; a blank number passes, a stored
// minute is loaded into *minute, another number is refused ("Nomor ... tidak ada").
bool TakeStoredMinute(frame::Session& session, const frame::OpenedTables& tables, std::string* number, Minute* minute);

// GETNEGOSIASI: "?" picks a minute; a stored one is loaded, an approved one refused ("BAC NEGO Sudah
// diapproval"); an empty number starts a new minute with one empty row in every list. False after a
// refusal.
bool GETNEGOSIASI(frame::Session& session, const frame::OpenedTables& tables, std::string* number, Minute* minute);

// The order's checks before a save: a schedule over the ordered quantity is refused.
xbase::Status CheckSchedule(const Minute& minute);
// The amount of a payment of `percent` of the order's value.
double PaymentAmount(const Minute& minute, double percent);

// The message of a schedule over the ordered quantity.
inline constexpr std::string_view kScheduleOverOrder = "jumlah kirim lebih besar dari jumlah order";

// SIMPANDATA without its question: a new minute is numbered from SETUP "NEGO" + branch (a missing row
// or a number in use refused with its alert), the header written (appended when new), and every list
// rewritten in place by position. *number_given is set when a new number was taken. Every row it
// changes is locked before the first write; a lock given up writes nothing, is told, and returns Locked.
xbase::Status SaveMinute(frame::Session& session, const frame::OpenedTables& tables, Minute* minute,
                         bool* number_given = nullptr);

// Writes the minute under its number as it is: the header (every field but the number when it is
// there, deleted or not; else appended whole) and every list rewritten in place by position. The
// import and the duplication use it as the save does.
xbase::Status WriteMinute(frame::Session& session, const frame::OpenedTables& tables, const Minute& minute);

// A new minute holding everything of `old` but its number: dated `today`, not approved.
Minute DuplicateOf(const Minute& old, xbase::Date today);

// Names in `save` the header of `number` (deleted too) and its stored rows in every list, with every
// table's append lock; a minute numbered by the save (`number` empty) has nothing stored.
xbase::Status NameMinute(documents::SaveScope& save, frame::Session& session, const frame::OpenedTables& tables,
                         const std::string& number);

// Copies product `urutan` of minute `ex_number` (eks1 and eks2) into *product: name, brand,
// unit, price, margins and details; the product keeps the minute it came from. False when
// there is no such product.
bool CopyEarlierProduct(frame::Session& session, const frame::OpenedTables& tables, std::string_view ex_number,
                        std::string_view urutan, MinuteProduct* product);

}  // namespace returns

#endif  // PALUNDA_RETURNS_NEGOTIATION_H_
