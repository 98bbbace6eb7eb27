// The chosen salesmen of the reports that split sales into columns per salesman and "SALES LAIN",
// and the lists of them kept in SETUP per customer prefix.
#include "performance/chosen_salesmen.h"

#include "performance/report_tables.h"
#include "xbase/text_functions.h"

namespace performance {
namespace {

constexpr int kCodeWidth = 4;
constexpr int kCodes = 14;

std::string Key(std::string_view prefix, std::string_view key) {
  return std::string(key) + std::string(xbase::AllTrim(prefix));
}

}  // namespace

int ChosenColumn(const std::vector<std::string>& chosen, std::string_view salesman) {
  const std::string_view code = xbase::AllTrim(salesman);
  for (size_t i = 0; i < chosen.size(); ++i) {
    const std::string_view choice = xbase::AllTrim(chosen[i]);
    if (!choice.empty() && code.starts_with(choice)) return static_cast<int>(i);
  }
  return -1;
}

xbase::Status SETDEFAULTSALES(frame::Session& session, std::string_view prefix, std::string_view key,
                              std::vector<std::string>* codes) {
  std::string ket;
  const xbase::Status s = ReadSetupText(session, Key(prefix, key), &ket);
  ket = xbase::PadR(ket, kCodeWidth * kCodes);
  codes->clear();
  for (int i = 0; i < kCodes; ++i) codes->emplace_back(xbase::SubStr(ket, i * kCodeWidth + 1, kCodeWidth));
  return s;
}

xbase::Status SIMPANSETDEFAULTSALES(frame::Session& session, const std::vector<std::string>& codes,
                                    std::string_view prefix, std::string_view key) {
  std::string ket;
  for (const std::string& code : codes) ket += xbase::PadR(code, kCodeWidth);
  return StoreSetupText(session, Key(prefix, key), ket);
}

std::string NAMASALES(frame::Session& session, std::string_view code) {
  xbase::WorkArea* salesmen = Opened(session, "MASTSLS");
  const std::string trimmed(xbase::AllTrim(code));
  if (trimmed.empty() || salesmen == nullptr || !salesmen->Seek(salesmen->PadToField("SALES", trimmed)).ok() ||
      !salesmen->found()) {
    return trimmed;
  }
  return trimmed + " (" + std::string(xbase::RTrim(salesmen->Text("NAMA"))) + ")";
}

}  // namespace performance
