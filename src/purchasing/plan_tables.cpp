// The monthly work tables of the branch forecast ("fcs") and the D1 plan ("D1"), and the dates the plans are made for.
#include "purchasing/plan_tables.h"

#include <filesystem>
#include <system_error>
#include <vector>

#include "console/message.h"
#include "console/table_access.h"
#include "frame/indek.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "xbase/date_functions.h"
#include "xbase/dbf_field.h"
#include "xbase/ntx_orders.h"
#include "xbase/text_functions.h"

namespace purchasing {
namespace {

// Index files: the table's name + "1" on product line + item, + "2" on the item.
constexpr const char* kIndexKeys[] = {"patron+kode", "kode"};

std::vector<xbase::DbfField> PlanFields(PlanKind kind) {
  std::vector<xbase::DbfField> fields = {{"KODE", 'C', 10}, {"PATRON", 'C', 10}, {"NAMA", 'C', 20}, {"ISI_BOK", 'N', 7}};
  const std::vector<const char*> figures =
      kind == PlanKind::kForecast
          ? std::vector<const char*>{"OMZ_THLL", "OMZ_THINI", "OMZ_TRTGI", "TGT_BLINI", "OMZ_AVG", "ESTM_JUAL", "HR_KERJA",
                                     "LEAD_TIME", "BUF_STOCK", "STOCK_UPD", "BRG_DIJLN", "ESTM_AKHR"}
          : std::vector<const char*>{"STOCK",    "OMTHLKUM", "TGBLNINI", "TGBLNKUM", "OMBLITHI", "OMTHIKUM",
                                     "RT2OMBLN", "ACUANODR", "ORDERBLI", "ORDEROLD"};
  for (const char* name : figures) fields.push_back({name, 'N', 9});
  fields.push_back({"KDCB", 'C', 6});
  fields.push_back({"TG_KIRIM", 'D', 8});
  return fields;
}

std::string IndexName(const std::string& name, int number) { return name + std::to_string(number); }

// Takes the old table and its index files away once no other workstation has it open.
bool RemoveOld(frame::Session& session, const std::string& name) {
  xbase::WorkArea* old = nullptr;
  if (!console::BUKAFILE(session.console(), session.tables(), name, true, frame::kOpenWait, kPlanAlias, &old)) return false;
  std::string path = old->table().path();
  if (!frame::Checked(session, session.tables().Close(kPlanAlias))) return false;
  std::error_code error;
  std::filesystem::remove(path, error);
  for (int number = 1; !error && number <= 2; ++number) {
    std::string index;
    if (session.tables().search_path().Find(IndexName(name, number), "ntx", &index).ok()) {
      std::filesystem::remove(index, error);
    }
  }
  if (!error) return true;
  console::PESAN(session.console(), "File " + name + " tidak dapat dihapus: " + error.message());
  return false;
}

}  // namespace

std::string PeriodStamp(xbase::Date today) { return today.Dtos().substr(0, 6) + "05"; }

std::string PlanTableName(PlanKind kind, std::string_view branch, xbase::Date today) {
  return std::string(kind == PlanKind::kForecast ? "fcs" : "D1") + std::string(xbase::AllTrim(branch)) + PeriodStamp(today);
}

xbase::Date PlanShipDate(xbase::Date today) { return xbase::Eom(today) + 15; }

xbase::Date AdditionalShipDate(xbase::Date today) {
  const xbase::Date month_end = xbase::Eom(today);
  return (today.day() < 16 ? month_end : xbase::Eom(month_end + 1)) + 15;
}

xbase::Date PlanCutOff(xbase::Date today) { return xbase::Bom(today) - 1; }

bool PlanTableExists(frame::Session& session, std::string_view name) {
  std::string path;
  return session.tables().search_path().Find(name, "dbf", &path).ok();
}

xbase::Status MakePlanTable(xbase::Session& tables, PlanKind kind, const std::string& name,
                            const std::function<void(const std::string& index)>& indexing) {
  xbase::Status s = tables.CreateTable(name, PlanFields(kind));
  xbase::WorkArea* made = nullptr;
  if (s.ok()) s = tables.Use(name, kPlanAlias, xbase::OpenMode::kExclusive, &made);
  for (int number = 1; s.ok() && number <= 2; ++number) {
    if (indexing) indexing(IndexName(name, number));
    s = made->orders().Create(tables.search_path().NewFile(IndexName(name, number), "ntx"), {kIndexKeys[number - 1]});
  }
  if (made != nullptr) {
    const xbase::Status closed = tables.Close(kPlanAlias);
    if (s.ok()) s = closed;
  }
  return s;
}

xbase::Status OpenPlanIndexes(const xbase::Session& tables, const std::string& name, xbase::WorkArea* area) {
  for (int number = 1; number <= 2; ++number) {
    std::string path;
    xbase::Status s = tables.search_path().Find(IndexName(name, number), "ntx", &path);
    if (s.ok()) s = area->orders().Open(path);
    if (!s.ok()) return s;
  }
  return area->SetOrder(1);
}

bool CreatePlanTable(frame::Session& session, PlanKind kind, const std::string& name, xbase::WorkArea** area) {
  if (PlanTableExists(session, name) && !RemoveOld(session, name)) return false;
  console::ScreenKeeper keep(session.console());  // the progress boxes go when the indexes are built
  const auto indexing = [&](const std::string& index) {
    frame::IndexProgress progress;
    frame::JINDEX(session.console(), index, 0, &progress);  // a new table: no records to count
  };
  if (!frame::Checked(session, MakePlanTable(session.tables(), kind, name, indexing))) return false;
  return OpenPlanTable(session, name, area);
}

bool OpenPlanTable(frame::Session& session, const std::string& name, xbase::WorkArea** area) {
  xbase::Session& tables = session.tables();
  return console::BUKAFILE(session.console(), tables, name, false, frame::kOpenWait, kPlanAlias, area,
                           [&](xbase::WorkArea* opened) { return OpenPlanIndexes(tables, name, opened); });
}

}  // namespace purchasing
