// The instrument revision files that carry instruments between sites.
#include "receivables/transfer_files.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "console/message.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "receivables/receivables.h"
#include "schema/catalog.h"
#include "schema/create_table.h"
#include "xbase/text_functions.h"

namespace receivables {

xbase::WorkArea& RevisionAreas::operator[](std::string_view name) const {
  for (size_t i = 0; i < areas_.size(); ++i) {
    if (xbase::EqualsIgnoreCase(kRevisionFiles[i].name, name) && areas_[i] != nullptr) return *areas_[i];
  }
  std::fprintf(stderr, "palunda: revision file %.*s is not open\n", static_cast<int>(name.size()), name.data());
  std::abort();
}

bool OpenRevisionFiles(frame::Session& session, const std::string& folder, RevisionAreas* areas) {
  for (size_t i = 0; i < areas->areas_.size(); ++i) {
    if (!OpenTransferTable(session, folder, kRevisionFiles[i].name, true, true, &areas->areas_[i])) {
      CloseRevisionFiles(session);
      *areas = RevisionAreas();
      return false;
    }
  }
  return true;
}

frame::OpenedTables OpenRevisionTargets(frame::Session& session) {
  std::vector<frame::TableUse> tables = {{"SETUP", "setup"}};
  for (const RevisionFile& file : kRevisionFiles) tables.emplace_back(file.live);
  return frame::OpenTables(session, tables);
}

void CloseRevisionFiles(frame::Session& session) {
  for (const RevisionFile& file : kRevisionFiles) {
    if (session.tables().Area(file.name) == nullptr) continue;
    frame::ShowFailure(session, session.tables().Close(file.name));
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
