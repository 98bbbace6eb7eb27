// What the gift-wrap print entries share: the box asking the branch and the document number, and the
// printed take-out and results forms.
#ifndef PALUNDA_STOCK_GIFT_WRAP_FORMS_H_
#define PALUNDA_STOCK_GIFT_WRAP_FORMS_H_

#include <functional>
#include <string>
#include <vector>

#include "frame/report_engine.h"
#include "frame/session.h"
#include "stock/gift_wrap.h"
#include "xbase/date.h"

namespace stock {

// The pick list of a gift-wrap document table: "?" in the number lists the rows of `table` from the
// branch + the text typed before the mark; the number of the row chosen replaces the field.
bool PickDocument(frame::Session& session, std::string_view table, const std::vector<std::string>& expressions,
                  const std::vector<std::string>& heads, const std::string& branch, std::string* number);

// The box `title` with "CABANG :" and "NOMOR :"; `branch_valid` and `number_valid` check the fields.
// False after Esc or an empty branch.
bool AskBranchAndNumber(frame::Session& session, const std::string& title, std::string* branch, std::string* number,
                        const std::function<bool()>& branch_valid, const std::function<bool()>& number_valid);

// The printed form of a take-out (results when `results`): what leaves (or enters) stock. True when it
// reached a printer.
bool PrintGiftWrapForm(frame::Session& session, bool results, const std::string& number, xbase::Date date,
                       const std::vector<FormEntry>& entries);

// The print entry of take-outs (results when `results`) over the gift-wrap tables the screen opened:
// the box " CETAK BUKTI ..." again and again until Esc; a known number whose "Cetak Form & Approval
// (Y/T)" is answered Y has its mutation written and its stock moved, then its form printed.
void RunFormEntry(frame::Session& session, const frame::OpenedTables& tables, bool results);

// The report layout of the gift-wrap prints, `width` columns.
frame::ReportLayout GiftWrapLayout(int width);

}  // namespace stock

#endif  // PALUNDA_STOCK_GIFT_WRAP_FORMS_H_
