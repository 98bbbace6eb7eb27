// The posting-date window: whether a transaction date may still be posted, measured against the
// process month, the last start date, the day limits and the last stock-opname adjustment.
#include "documents/posting_date.h"

#include "console/message.h"
#include "xbase/date_functions.h"
#include "xbase/number_text.h"

namespace documents {
namespace {

constexpr char kSupervisor[] = "/SPV";

int DayLimit(const std::string& text) { return static_cast<int>(xbase::Val(text).value); }

int YearMonth(xbase::Date date) { return date.year() * 100 + date.month(); }

// Refuses a date on or before the last adjustment with `message`.
bool AfterAdjustment(frame::Session& session, xbase::Date date, const std::string& message) {
  if (date > session.TGAJUSMENT) return true;
  console::PESAN(session.console(), message, "gr+/r");
  return false;
}

// The window of CEKTGKIRIM: the process date up to the day limit after it, or from the process month
// up to the day limit after the last start date.
bool InWindow(const frame::Session& session, xbase::Date date) {
  const int limit = DayLimit(session.ZHARIBATAS);
  if (session.ZTGPROSES < session.ZTGLBATAS) return date >= session.ZTGPROSES && date <= session.ZTGPROSES + limit;
  return YearMonth(date) >= YearMonth(session.ZTGPROSES) && date <= session.ZTGLBATAS + limit;
}

}  // namespace

bool CEKTGKIRIM(frame::Session& session, xbase::Date date) {
  if (session.MMEMBER.HasRight(kSupervisor)) return true;
  if (!InWindow(session, date)) return false;
  return AfterAdjustment(session, date, "Tg transaksi harus lebih besar dari Tg adjusment");
}

bool CheckPostingDate(frame::Session& session, xbase::Date date) {
  if (session.MMEMBER.HasRight(kSupervisor) || InWindow(session, date)) return CEKTGKIRIM(session, date);
  console::PESAN(session.console(), "Tanggal " + xbase::Dtoc(date) + " di luar periode posting");
  return false;
}

bool CECKTANGGAL(frame::Session& session, xbase::Date date, bool mode, xbase::Date earliest, xbase::Date* result,
                 int add_days) {
  if (!session.MMEMBER.HasRight(kSupervisor)) {
    const int limit = DayLimit(session.ZHARIBATAS);
    if (mode) {
      if (date > session.ZTGLBATAS + limit || date < session.ZTGLBATAS - DayLimit(session.ZHARICETAK)) return false;
    } else if (date < earliest || date > session.ZTGPROSES + limit) {
      return false;
    }
    if (!AfterAdjustment(session, date,
                         "Tg transaksi harus lebih besar dari Tg stock Opname (" + xbase::Dtoc(session.TGAJUSMENT) +
                             ")")) {
      return false;
    }
  }
  *result = date + add_days;
  return true;
}

bool CHECKTGL(frame::Session& session, xbase::Date date) {
  if (YearMonth(date) == YearMonth(session.STP.date)) return true;
  console::PESAN(session.console(), "isian tanggal harus sesuai dengan tgl proses",
                 session.console().Pick("Gr+/r", "/w"));
  return false;
}

}  // namespace documents
