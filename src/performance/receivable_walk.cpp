// The receivables of the incentive and receivable evaluations: each invoice's balance at the
// period start and its settlement lines of the period.
#include "performance/receivable_walk.h"

#include "console/message.h"
#include "frame/status_display.h"
#include "performance/report_tables.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

// The receipt date of a settlement line (PIUTKR1 by KDCB + NOMOR); empty when the receipt is gone.
xbase::Status ReceiptDate(xbase::WorkArea& receipts, const xbase::WorkArea& line, xbase::Date* date) {
  bool found = false;
  const xbase::Status s = xbase::SeekFound(receipts, line.Text("KDCB") + line.Text("NOMOR"), &found);
  *date = found ? receipts.DateOf("TANGGAL") : xbase::Date();
  return s;
}

// The option of a settlement code (MASTJNS), empty for a code not registered.
xbase::Status OptionOf(xbase::WorkArea& kinds, std::string_view code, std::string* option) {
  bool found = false;
  const xbase::Status s = xbase::SeekFound(kinds, code, &found);
  *option = found ? std::string(xbase::AllTrim(kinds.Text("OPSI"))) : std::string();
  return s;
}

xbase::Status Balance(const frame::OpenedTables& tables, const ReceivableFilter& filter, Receivable* receivable,
                      std::vector<Settlement>* settlements) {
  xbase::WorkArea& later = tables["PIUTJBL"];
  xbase::WorkArea& lines = tables["PIUTKR2"];
  xbase::WorkArea& receipts = tables["PIUTKR1"];
  xbase::WorkArea& kinds = tables["MASTJNS"];
  std::vector<uint32_t> records;
  xbase::Status status = later.SeekAll(later.PadToField("NOTA", receivable->invoice), &records);
  for (size_t i = 0; status.ok() && i < records.size(); ++i) {
    status = later.GoTo(records[i]);
    if (status.ok() && later.DateOf("TANGGAL") < filter.from) {
      receivable->opening += later.Number("DEBET") - later.Number("KREDIT");
    }
  }
  if (status.ok()) status = lines.SeekAll(lines.PadToField("NOTA", receivable->invoice), &records);
  for (size_t i = 0; status.ok() && i < records.size(); ++i) {
    status = lines.GoTo(records[i]);
    if (!status.ok()) break;
    xbase::Date date;
    if (status = ReceiptDate(receipts, lines, &date); !status.ok()) break;
    if (date.empty()) continue;
    if (date < filter.from) {
      receivable->opening -= lines.Number("KREDIT");
    } else if (date <= filter.to) {
      const std::string code = lines.Text("KD_TT");
      std::string option;
      if (status = OptionOf(kinds, code, &option); !status.ok()) break;
      settlements->push_back({code, option, lines.Number("KREDIT"), date});
    }
  }
  return status;
}

}  // namespace

bool Receivable::Reduced(const std::vector<std::string_view>& types) const {
  if (due.empty()) return true;
  for (std::string_view prefix : types) {
    if (type.starts_with(prefix)) return true;
  }
  return false;
}

bool TypeExcluded(std::string_view type, std::string_view excluded) {
  return !type.empty() && excluded.find(type) != std::string_view::npos;
}

bool CustomerExcluded(std::string_view customer, std::string_view excluded) {
  const std::string_view characters = xbase::AllTrim(excluded);
  return !customer.empty() && characters.find(customer.front()) != std::string_view::npos;
}

std::vector<frame::TableUse> ReceivableTableUses() {
  return {{"PIUTDBT", {}, false, "PIUTDBT3"},
          {"PIUTJBL", {}, false, "PIUTJBL2"},
          {"PIUTKR1", {}, false, "PIUTKR11"},
          {"PIUTKR2", {}, false, "PIUTKR22"},
          {"MASTJNS"}};
}

bool ForEachReceivable(frame::Session& session, const frame::OpenedTables& tables, const ReceivableFilter& filter,
                       const std::function<void(const Receivable&, const std::vector<Settlement>&)>& visit) {
  xbase::WorkArea& invoices = tables["PIUTDBT"];
  const std::string prefix(xbase::AllTrim(filter.customer));
  xbase::Status status = invoices.Seek(prefix, true);
  std::vector<Settlement> settlements;
  for (; status.ok() && !invoices.eof(); status = invoices.Skip()) {
    Receivable receivable;
    receivable.customer = invoices.Text("RELASI");
    if (!receivable.customer.starts_with(prefix)) break;
    receivable.invoice = std::string(xbase::RTrim(invoices.Text("NOTA")));
    receivable.type = invoices.Text("TIPE");
    receivable.salesman = invoices.Text("SALES");
    receivable.branch = invoices.Text("KDCB");
    receivable.date = invoices.DateOf("TANGGAL");
    receivable.due = invoices.DateOf("TEMPO");
    if (receivable.date > filter.to || !BeginsWith(receivable.type, filter.type) ||
        TypeExcluded(receivable.type, filter.excluded_types) ||
        CustomerExcluded(receivable.customer, filter.excluded_customers)) {
      continue;
    }
    receivable.opening = invoices.Number("DEBET");
    receivable.kind = receivable.date >= filter.from ? ReceivableKind::kPeriodCash
                      : receivable.due <= filter.to  ? ReceivableKind::kTarget
                                                     : ReceivableKind::kEarlierCash;
    settlements.clear();
    const uint32_t at = invoices.recno();
    status = Balance(tables, filter, &receivable, &settlements);
    if (!status.ok()) break;
    visit(receivable, settlements);
    status = invoices.GoTo(at);
  }
  frame::ShowFailure(session, status);
  return status.ok();
}

}  // namespace performance
