// Filling the branch export set: the tables of the set made afresh in a folder and filled from the
// live tables, documents of a date range with their lines, and the masters.
#include <filesystem>
#include <string>
#include <vector>

#include "console/message.h"
#include "console/table_access.h"
#include "documents/key_merge.h"
#include "documents/record_writes.h"
#include "documents/stored_lines.h"
#include "documents/transfer_folder.h"
#include "exchange/exchange.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "schema/create_table.h"
#include "schema/export_set.h"
#include "xbase/ntx_orders.h"
#include "xbase/search_path.h"
#include "xbase/text_functions.h"

namespace exchange {
namespace {

// How the rows of a group's main table are chosen.
enum class Walk {
  kDated,    // rows dated in the range, on the date order
  kUpdated,  // every row in key order whose date lies in the range
  kEvery,    // every row in key order
};

// A line table copied with each row of its header: the rows of the header's key.
struct LineCopy {
  const char* live;
  const char* exported;
  bool first_only = false;  // only the first row of the key
  bool items = false;       // each line's goods go to exbbm
};

struct ExportGroup {
  const char* live;
  const char* exported;
  Walk walk;
  const char* date_order;  // the index on the date (kDated), or the key order
  const char* date_field;
  int key_fields;
  std::vector<LineCopy> lines;
};

// The groups in the order they are filled.
const std::vector<ExportGroup>& Groups() {
  static const std::vector<ExportGroup> groups = {
      {"MASTCUS", "exmcus", Walk::kUpdated, "MASTCUS1", "TG_UPDATE", 1, {{"RELASI_EXT", "exdb46", true}}},
      {"MASTSLS", "exmsls", Walk::kEvery, "MASTSLS1", nullptr, 1, {}},
      {"BPBELI1", "exbl1", Walk::kDated, "BPBELI12", "TANGGAL", 1, {{"BPBELI2", "exbl2", false, true}}},
      {"GIRODBT", "exgrd", Walk::kDated, "GIRODBT2", "TG_TERIMA", 1, {{"GIRO_PI", "exgpi"}, {"GIRO_RL", "exgrl"}}},
      {"GIROKR1", "exgk1", Walk::kDated, "GIROKR12", "TANGGAL", 1, {{"GIROKR2", "exgk2"}}},
      {"JUSTMEN", "exjsm", Walk::kDated, "JUSTMEN3", "TANGGAL", 1, {}},
      {"MTSDBT1", "exmd1", Walk::kDated, "MTSDBT12", "TANGGAL", 1, {{"MTSDBT2", "exmd2"}}},
      {"MTSKDT1", "exmk1", Walk::kDated, "MTSKDT12", "TANGGAL", 1, {{"MTSKDT2", "exmk2"}}},
      {"PIUTDBT", "expdb", Walk::kDated, "PIUTDBT2", "TANGGAL", 1, {}},
      {"PIUTJBL", "expjb", Walk::kDated, "PIUTJBL4", "TANGGAL", 1, {}},
      {"PIUTKR1", "expk1", Walk::kDated, "PIUTKR12", "TANGGAL", 2, {{"PIUTKR2", "expk2"}}},
      {"PPN_KEL", "exppn", Walk::kDated, "PPN_KEL5", "TANGGAL", 1, {}},
      {"PPN_RET", "exppr", Walk::kDated, "PPN_RET5", "TANGGAL", 1, {}},
      {"PRO_IN1", "expri1", Walk::kDated, "PRO_IN13", "TANGGAL", 1, {{"PRO_IN2", "expri2"}}},
      {"PRO_OT1", "expro1", Walk::kDated, "PRO_OT13", "TANGGAL", 1, {{"PRO_OT2", "expro2"}}},
      {"RTBELI1", "exrtb1", Walk::kDated, "RTBELI12", "TANGGAL", 1, {{"RTBELI2", "exrtb2"}}},
      {"RTJUAL1", "exrtj1", Walk::kDated, "RTJUAL12", "TANGGAL", 1, {{"RTJUAL2", "exrtj2"}, {"RTJUAL3", "exrtj3"}}},
      {"SLSODR1", "exsod1", Walk::kDated, "SLSODR12", "TANGGAL", 1, {{"SLSODR2", "exsod2"}}},
      {"SRTJLN1", "exsjl1", Walk::kDated, "SRTJLN12", "TANGGAL", 1, {{"SRTJLN2", "exsjl2"}, {"SRTJLN3", "exsjl3"}}},
      {"TAGIH1", "extgh1", Walk::kDated, "TAGIH12", "TANGGAL", 1, {{"TAGIH2", "extgh2"}}},
      {"DATABM", "exdtbm", Walk::kEvery, "DATABM", nullptr, 1, {}},
      {"BMONITOR", "exbmmo", Walk::kDated, "BMONITOR2", "TANGGAL", 1, {}},
      {"BPOT_HDR", "expot1", Walk::kDated, "BPOT_HDR2", "TANGGAL", 1, {{"BPOT_DTL", "expot2"}}},
      {"BPOT_BPT", "exbpot", Walk::kDated, "BPOT_BPT3", "TANGGAL", 1, {}},
      {"MEMADM1", "exdb38", Walk::kDated, "MEMADM12", "TANGGAL", 2, {{"MEMADM2", "exdb39"}}},
      {"MEMDRV1", "exdb40", Walk::kDated, "MEMDRV12", "TANGGAL", 2, {{"MEMDRV2", "exdb41"}}},
      {"MEMGDG1", "exdb42", Walk::kDated, "MEMGDG12", "TANGGAL", 2, {{"MEMGDG2", "exdb43"}}},
      {"MEMPJK1", "exdb44", Walk::kDated, "MEMPJK12", "TANGGAL", 2, {{"MEMPJK2", "exdb45"}}},
  };
  return groups;
}

// The goods fields an exbbm row takes from the goods master (not the quantity).
constexpr const char* kItemFields[] = {"KODE",   "GOLONGAN", "INDUK", "NAMA", "NAMA2", "SATUAN", "HARGA",
                                       "HARGA1", "HARGA2",   "PAK",   "DOS",  "LIMIT", "HPP",    "HARGA4"};

// One run of the export: the folder, the range and the open tables.
class Export {
 public:
  Export(frame::Session& session, std::string folder, xbase::Date first, xbase::Date last)
      : session_(session), folder_(std::move(folder)), first_(first), last_(last) {}

  xbase::Status Fill(const ExportGroup& group, bool* opened);

 private:
  frame::OpenedTables Open(const ExportGroup& group);
  xbase::Status Copy(xbase::WorkArea& from, xbase::WorkArea& to);
  xbase::Status CopyLines(const frame::OpenedTables& tables, const ExportGroup& group, xbase::WorkArea& header);
  xbase::Status ISIMASTER(const frame::OpenedTables& tables, std::string_view code);
  xbase::Status Start(const ExportGroup& group, xbase::WorkArea& area);
  bool InRange(const ExportGroup& group, const xbase::WorkArea& area) const;
  void Progress(std::string_view text) { session_.console().Say(23, 0, xbase::PadR(text, 60)); }

  frame::Session& session_;
  std::string folder_;
  xbase::Date first_;
  xbase::Date last_;
};

// Opens the live and transfer tables of the group; empty after a message.
frame::OpenedTables Export::Open(const ExportGroup& group) {
  std::vector<frame::TableUse> opened = {group.live, group.exported};
  if (!frame::OpenTable(session_, group.live)) return frame::OpenedTables();
  if (!documents::OpenTransferTable(session_, folder_, group.exported, true, false, nullptr)) {
    return frame::OpenedTables();
  }
  for (const LineCopy& lines : group.lines) {
    if (!frame::OpenTable(session_, lines.live)) return frame::OpenedTables();
    if (!documents::OpenTransferTable(session_, folder_, lines.exported, true, false, nullptr)) {
      return frame::OpenedTables();
    }
    opened.insert(opened.end(), {lines.live, lines.exported});
    if (!lines.items) continue;
    if (!frame::OpenTable(session_, "MASTBRJ")) return frame::OpenedTables();
    xbase::WorkArea* items = nullptr;
    if (!documents::OpenTransferTable(session_, folder_, "exbbm", true, false, &items)) return frame::OpenedTables();
    const std::string index = xbase::SearchPath({folder_}).NewFile("exbbm", "ntx");
    if (!frame::Checked(session_, items->orders().Create(index, {"kode"}))) return frame::OpenedTables();
    opened.insert(opened.end(), {"MASTBRJ", "exbbm"});
  }
  // Every table is open by now: the opener only hands them back, each on its first index.
  return frame::OpenTables(session_, opened);
}

xbase::Status Export::Copy(xbase::WorkArea& from, xbase::WorkArea& to) {
  xbase::Status s = console::APP_REC(session_.console(), to);
  if (s.ok()) s = documents::CopyFieldsByPosition(from, to);
  const xbase::Status unlocked = to.Unlock();
  return s.ok() ? unlocked : s;
}

xbase::Status Export::ISIMASTER(const frame::OpenedTables& tables, std::string_view code) {
  xbase::WorkArea& goods = tables["MASTBRJ"];
  xbase::WorkArea& items = tables["exbbm"];
  xbase::Status s = goods.Seek(goods.PadToField("KODE", code));
  if (s.ok() && goods.found()) s = items.Seek(items.PadToField("KODE", code));
  // Goods missing from the master have nothing to send.
  if (!s.ok() || !goods.found() || items.found()) return s;
  documents::FieldValues fields;
  for (const char* field : kItemFields) {
    xbase::Value value;
    if (s = goods.Get(field, &value); !s.ok()) return s;
    fields.emplace_back(field, value);
  }
  return documents::AppendRecord(session_.console(), items, fields);
}

xbase::Status Export::CopyLines(const frame::OpenedTables& tables, const ExportGroup& group, xbase::WorkArea& header) {
  for (const LineCopy& copy : group.lines) {
    xbase::WorkArea& lines = tables[copy.live];
    std::vector<uint32_t> rows;
    xbase::Status s = lines.SeekAll(documents::KeyIn(header, lines, group.key_fields), &rows);
    if (copy.first_only && rows.size() > 1) rows.erase(rows.begin() + 1, rows.end());
    for (uint32_t row : rows) {
      if (s.ok()) s = lines.GoTo(row);
      if (s.ok()) Progress(std::string("Proses tulis ") + copy.exported);
      if (s.ok()) s = Copy(lines, tables[copy.exported]);
      if (s.ok() && copy.items) s = ISIMASTER(tables, std::string(xbase::RTrim(lines.Text("KODE"))));
    }
    if (!s.ok()) return s;
  }
  return xbase::Status::OK();
}

xbase::Status Export::Start(const ExportGroup& group, xbase::WorkArea& area) {
  xbase::Status s = area.SetOrder(group.date_order);
  if (!s.ok() || group.walk != Walk::kDated) return s.ok() ? area.GoTop() : s;
  // The date order is either DTOS(date) or the date itself.
  const schema::TableDef* table = schema::FindTable(group.live);
  const schema::IndexDef& index = table->indexes[static_cast<size_t>(area.OrderNumber() - 1)];
  if (xbase::Lower(index.key).starts_with("dtos(")) return area.Seek(first_.Dtos(), true);
  return area.Seek(xbase::Value::FromDate(first_), true);
}

bool Export::InRange(const ExportGroup& group, const xbase::WorkArea& area) const {
  if (group.walk == Walk::kEvery) return true;
  const xbase::Date date = area.DateOf(group.date_field);
  return !date.empty() && !(date < first_) && !(last_ < date);
}

xbase::Status Export::Fill(const ExportGroup& group, bool* opened) {
  const frame::OpenedTables tables = Open(group);
  *opened = static_cast<bool>(tables);
  if (!tables) return xbase::Status::OK();
  xbase::WorkArea& live = tables[group.live];
  const std::string reading = "Proses Baca " + xbase::Lower(group.live) + ".....";
  xbase::Status s = Start(group, live);
  while (s.ok() && !live.eof()) {
    if (!InRange(group, live)) {
      if (group.walk == Walk::kDated) break;
      s = live.Skip();
      continue;
    }
    const uint32_t at = live.recno();
    Progress(reading);
    s = Copy(live, tables[group.exported]);
    if (s.ok()) Progress(std::string("Proses tulis ") + group.exported);
    if (s.ok()) s = CopyLines(tables, group, live);
    if (s.ok()) s = live.GoTo(at);
    if (s.ok()) s = live.Skip();
  }
  return s;
}

}  // namespace

xbase::Status CreateExportSet(const std::string& folder) {
  for (const schema::ExportTableDef& table : schema::ExportSet()) {
    for (const char* extension : {"dbf", "ntx"}) {
      std::string old;
      if (!xbase::FindInFolder(folder, xbase::WithExtension(table.file, extension), &old).ok()) continue;
      std::error_code failed;
      std::filesystem::remove(old, failed);
      if (failed) return xbase::Status::InvalidArgument(old, failed.message());
    }
    const std::vector<schema::FieldDef> fields = schema::ExportLayout(table);
    const schema::TableDef def{table.file, fields, {}};
    if (xbase::Status s = schema::CreateTable(def, folder); !s.ok()) return s;
  }
  return xbase::Status::OK();
}

bool PROSESKIRIMDATA(frame::Session& session, xbase::Date first, xbase::Date last, std::string_view folder) {
  console::Console& con = session.console();
  const std::string path = documents::TransferFolder(session, std::string(xbase::AllTrim(folder)));
  console::WARNING(con, "Tunggu Sedang buat file Laporan", "Gr+/r");
  if (!frame::Checked(session, CreateExportSet(path))) return false;
  Export run(session, path, first, last);
  for (const ExportGroup& group : Groups()) {
    bool opened = false;
    xbase::Status s = run.Fill(group, &opened);
    const xbase::Status closed = session.tables().CloseAll();
    if (s.ok()) s = closed;
    frame::ShowFailure(session, s);
    if (!s.ok() || !opened) return false;
  }
  return true;
}

}  // namespace exchange
