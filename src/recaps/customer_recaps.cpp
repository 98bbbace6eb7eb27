// What the customer and salesman recaps share: the answers of their boxes, the unit figure of a recap
// row, and the labels of customers, outlet groups and salesmen.
#include "recaps/customer_recaps.h"

#include <algorithm>

#include "recaps/recap_posting.h"
#include "recaps/recap_tables.h"
#include "recaps/report_box.h"
#include "text/date_helpers.h"
#include "xbase/keyed_read.h"
#include "xbase/text_functions.h"

namespace recaps {

MonthRange Answers::Range() const {
  if (from.empty()) return {PeriodOf(to).substr(0, 4) + "01", PeriodOf(to)};
  return {PeriodOf(from), PeriodOf(to)};
}

double Answers::Figure(const xbase::WorkArea& row) const {
  const std::string field = unit == "V" ? "VAL" : "CRT";
  double figure = row.Number("JL_" + field);
  if (include_tn) figure += row.Number("TN_" + field);
  if (include_cd) figure += row.Number("CD_" + field);
  return figure;
}

std::string Answers::IncludedText() const {
  return std::string(include_tn ? " (INCLUDE TIDAK NORMAL)" : "") + (include_cd ? " (INCLUDE CROSS DOC)" : "");
}

bool AskAnswers(frame::Session& session, const std::string& title, unsigned fields, Answers* a,
                const std::string& group_label) {
  if (a->to.empty()) a->to = text::TGLAKHIR(session.Today());
  if ((fields & kAskRange) != 0 && a->from.empty()) a->from = text::TGLAWAL(a->to);
  std::vector<BoxField> box = {
      {"Cabang      :", &a->branch, "@!", [&session, a] { return BranchValid(session, &a->branch, &a->branch_name); }}};
  if ((fields & kAskCustomer) != 0) box.push_back({"Relasi      :", &a->customer, "@!"});
  if ((fields & kAskSalesman) != 0) box.push_back({"Sales       :", &a->salesman, "@!"});
  if ((fields & kAskGroupText) != 0) box.push_back({group_label, &a->group_text, "@!"});
  if ((fields & kAskMerge) != 0) box.push_back({"Kel. Relasi :", &a->merge, "Y"});
  if ((fields & kAskRange) != 0) {
    box.push_back({"periode     :", &a->from});
    box.push_back({"s/d         :", &a->to});
  } else {
    box.push_back({"periode s/d :", &a->to});
  }
  if ((fields & kAskUnit) != 0) {
    box.push_back({"Output [B/V]:", &a->unit, "!", [a] { return a->unit == "B" || a->unit == "V"; }});
  }
  if ((fields & kAskIncludes) != 0) {
    box.push_back({"Include TN  :", &a->include_tn, "Y"});
    box.push_back({"Cross Doc   :", &a->include_cd, "Y"});
  }
  if ((fields & kAskExcept) != 0) box.push_back({"Kecuali rls :", &a->except, "@!"});
  return AskInBox(session, {title}, std::move(box)) && !a->to.empty() &&
         ((fields & kAskRange) == 0 || !a->from.empty());
}

Labels::Label Labels::Customer(const std::string& code, bool merge) {
  std::map<std::string, Label>& known = customers_[merge ? 1 : 0];
  if (const auto at = known.find(code); at != known.end()) return at->second;
  Label label{code, code, "", ""};
  xbase::WorkArea& customers = tables_["MASTCUS"];
  const std::string trimmed(xbase::AllTrim(code));
  if (xbase::LookUp(customers, customers.PadToField("RELASI", trimmed))) {
    label.name = customers.Text("NAMA");
    label.city = customers.Text("KOTA");
  }
  xbase::WorkArea& members = tables_["OTL_MBR"];
  xbase::WorkArea& groups = tables_["OTL_GRP"];
  bool member = false;
  if (merge) {
    xbase::Status s = members.SetOrder("OTL_MBR2");
    if (s.ok()) s = xbase::SeekFound(members, members.PadToField("MEMBER", trimmed), &member);
    if (!s.ok()) {
      if (status_.ok()) status_ = s;
      return label;  // not kept: the next row of the customer reads again
    }
  }
  if (member) {
    const std::string group = members.Text("KODE");
    label = {"G" + group, group, "", ""};
    if (xbase::LookUp(groups, group)) {
      label.name = groups.Text("NAMA");
      label.city = groups.Text("KOTA");
    }
  }
  label.name = std::string(xbase::RTrim(label.name));
  label.city = std::string(xbase::RTrim(label.city));
  known.emplace(code, label);
  return label;
}

Labels::Label Labels::Salesman(const std::string& code, bool old_code) {
  std::map<std::string, Label>& known = salesmen_[old_code ? 1 : 0];
  if (const auto at = known.find(code); at != known.end()) return at->second;
  Label label{code, code, "", ""};
  xbase::WorkArea& salesmen = tables_["MASTSLS"];
  if (xbase::LookUp(salesmen, salesmen.PadToField("SALES", xbase::AllTrim(code)))) {
    label.name = std::string(xbase::RTrim(salesmen.Text("NAMA")));
    if (old_code && !xbase::IsBlank(salesmen.Text("KD_LAMA"))) {
      label.code = salesmen.Text("KD_LAMA");
      label.key = label.code;
    }
  }
  known.emplace(code, label);
  return label;
}

xbase::Status ActiveSalesmen(const frame::OpenedTables& tables, std::string_view prefix, std::string_view group,
                             std::vector<std::pair<std::string, std::string>>* salesmen) {
  xbase::WorkArea& area = tables["MASTSLS"];
  salesmen->clear();
  const std::string_view two = xbase::Left(xbase::AllTrim(group), 2);
  return ForEachRow(area, [&] {
    const std::string own_group(xbase::AllTrim(area.Text("KELOMPOK")));
    if (!Begins(area.Text("SALES"), prefix) || !area.DateOf("TG_OUT").empty()) return;
    if (!two.empty() && !own_group.empty() && !own_group.starts_with(two)) return;
    salesmen->push_back({area.Text("SALES"), std::string(xbase::RTrim(area.Text("NAMA")))});
  });
}

xbase::Status CoverageColumns::Load(const frame::OpenedTables& tables) {
  const xbase::Status s = products.Load(tables);
  columns.clear();
  for (const ProductLine* line : products.CoverageLines()) columns.push_back({line->code, line->name});
  return s;
}

std::string CoverageColumns::ColumnOf(const std::string& item) const {
  const std::string column = products.CoverageOf(item);
  const bool counted =
      std::any_of(columns.begin(), columns.end(), [&](const Matrix::Column& c) { return c.key == column; });
  return counted ? column : std::string();
}

frame::OpenedTables OpenLabelTables(frame::Session& session, std::vector<frame::TableUse> tables) {
  std::vector<frame::TableUse> all = {{"MASTCUS"}, {"MASTSLS"}, {"OTL_GRP"}, {"OTL_MBR"},
                                      {"PATRON"},  {"PATRON2"}, {"MASTBRJ"}, {"CABANG", "Cabang"}};
  all.insert(all.end(), tables.begin(), tables.end());
  return OpenTables(session, all);
}

}  // namespace recaps
