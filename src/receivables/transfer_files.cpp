#include "receivables/transfer_files.h"

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "console/table_access.h"
#include "frame/local_path.h"
#include "frame/open_table.h"
#include "pickers/picker_support.h"
#include "receivables/receivables.h"
#include "schema/catalog.h"
#include "schema/create_table.h"
#include "xbase/ntx_orders.h"
#include "xbase/search_path.h"
#include "xbase/text_functions.h"

namespace receivables {

std::string TransferFolder(const frame::Session& session, std::string_view typed) {
  return frame::LocalPath(session, typed);
}

std::string StoredTransferFolder(frame::Session& session, std::string_view fallback) {
  std::string stored;
  const bool found = pickers::SetupRow(session, "TMPFILEEXP", nullptr, &stored);
  return xbase::PadR(xbase::RTrim(found ? stored : std::string(fallback)), 60);
}

bool AskTransferFolder(console::Console& con, std::string_view colour, const FolderQuestion& question,
                       std::string* folder) {
  console::SHADOW(con, question.top, 10, question.bottom, 69, colour);
  console::TENGAH(con, question.top + 1, question.title, colour);
  const std::string label(question.label);
  con.Say(question.top + 3, 12, label, con.Colour(colour));
  console::GetList ask;
  ask.Add(question.top + 3, 13 + static_cast<int>(label.size()), folder, question.picture);
  return !ask.Read(con).escaped;
}

bool OpenTransferTable(frame::Session& session, const std::string& folder, std::string_view name, bool exclusive,
                       bool with_index, xbase::WorkArea** area) {
  const std::string table = folder + "/" + std::string(name);
  const auto index = [&](xbase::WorkArea* opened) {
    if (!with_index) return xbase::Status::OK();
    std::string path;
    xbase::Status s = xbase::FindInFolder(folder, xbase::WithExtension(name, "ntx"), &path);
    return s.ok() ? opened->orders().Open(path) : s;
  };
  return console::BUKAFILE(session.console(), session.tables(), table, exclusive, frame::kOpenWait, name, area, index);
}

bool OpenRevisionFiles(frame::Session& session, const std::string& folder) {
  for (const RevisionFile& file : kRevisionFiles) {
    if (!OpenTransferTable(session, folder, file.name, true, true, nullptr)) {
      CloseRevisionFiles(session);
      return false;
    }
  }
  return true;
}

bool OpenRevisionTargets(frame::Session& session) {
  if (!frame::OpenTable(session, "SETUP", false, "setup")) return false;
  for (const RevisionFile& file : kRevisionFiles) {
    if (!frame::OpenTable(session, file.live)) {
      session.CloseTables();
      return false;
    }
  }
  return true;
}

void CloseRevisionFiles(frame::Session& session) {
  for (const RevisionFile& file : kRevisionFiles) {
    if (session.tables().Area(file.name) == nullptr) continue;
    if (xbase::Status s = session.tables().Close(file.name); !s.ok()) console::PESAN(session.console(), s.message());
  }
}

namespace {

constexpr schema::FieldDef kGiroTransferFields[] = {
    {"FORM", 'C', 5, 0},      {"NOMOR", 'C', 20, 0},   {"KDCB", 'C', 6, 0},      {"RELASI", 'C', 10, 0},
    {"TANGGAL", 'D', 8, 0},   {"TG_TERIMA", 'D', 8, 0}, {"KET", 'C', 4, 0},       {"DEBET", 'N', 16, 2},
    {"KREDIT", 'N', 16, 2},   {"CODE_ID", 'C', 4, 0},  {"JURNAL", 'C', 20, 0}};
constexpr schema::IndexDef kGiroTransferIndex[] = {{kGiroTransfer, "form+nomor+kdcb"}};

}  // namespace

xbase::Status CreateGiroTransferFile(const std::string& folder) {
  const schema::TableDef table{kGiroTransfer, kGiroTransferFields, kGiroTransferIndex};
  return schema::CreateTable(table, folder);
}

xbase::Status CreateRevisionFiles(const std::string& folder) {
  for (const RevisionFile& file : kRevisionFiles) {
    const schema::TableDef* live = schema::FindTable(file.live);
    const schema::IndexDef index[] = {{file.name, "nomor"}};
    const schema::TableDef mirror{file.name, live->fields, index};
    if (xbase::Status s = schema::CreateTable(mirror, folder); !s.ok()) return s;
  }
  return xbase::Status::OK();
}

}  // namespace receivables
