// Negotiation minutes between branch and head office: the branch's copies, their merge, and the approvals sent back.
#include "returns/negotiation_exchange.h"

#include <filesystem>
#include <span>
#include <vector>

#include "console/message.h"
#include "console/table_access.h"
#include "documents/save_scope.h"
#include "documents/stored_lines.h"
#include "documents/transfer_folder.h"
#include "frame/grid_cells.h"
#include "frame/indek.h"
#include "frame/status_display.h"
#include "returns/negotiation.h"
#include "returns/negotiation_approval.h"
#include "returns/negotiation_records.h"
#include "returns/return_tables.h"
#include "schema/catalog.h"
#include "schema/create_table.h"
#include "xbase/ntx_orders.h"
#include "xbase/search_path.h"
#include "xbase/text_functions.h"

namespace returns {

using frame::Trimmed;

namespace {

// Removes the table and index file `name` of `folder`, whatever the case of their names.
xbase::Status RemoveFiles(const std::string& folder, std::string_view name) {
  for (const char* extension : {"dbf", "ntx"}) {
    std::string path;
    if (!xbase::FindInFolder(folder, xbase::WithExtension(name, extension), &path).ok()) continue;
    std::error_code error;
    std::filesystem::remove(path, error);
    if (error) return xbase::Status::IOError(path, error.message());
  }
  return xbase::Status::OK();
}

// Makes the files of a set anew in `folder`, the first `indexed` of them with their index.
xbase::Status CreateFiles(const std::string& folder, std::span<const TransferFile> files, size_t indexed) {
  for (size_t i = 0; i < files.size(); ++i) {
    const schema::TableDef* live = schema::FindTable(files[i].table);
    if (live == nullptr) return xbase::Status::NotFound(files[i].table, "not in the catalog");
    if (xbase::Status s = RemoveFiles(folder, files[i].file); !s.ok()) return s;
    const schema::IndexDef index[] = {{files[i].file, files[i].key}};
    const schema::TableDef table{files[i].file, live->fields, i < indexed ? std::span<const schema::IndexDef>(index)
                                                                          : std::span<const schema::IndexDef>()};
    if (xbase::Status s = schema::CreateTable(table, folder); !s.ok()) return s;
  }
  return xbase::Status::OK();
}

void CloseFiles(frame::Session& session, std::span<const TransferFile> files) {
  for (const TransferFile& file : files) {
    if (session.tables().Area(file.file) == nullptr) continue;
    frame::ShowFailure(session, session.tables().Close(file.file));
  }
}

TransferAreas OpenFiles(frame::Session& session, const std::string& folder, std::span<const TransferFile> files,
                        size_t indexed, bool exclusive) {
  TransferAreas areas;
  for (size_t i = 0; i < files.size(); ++i) {
    xbase::WorkArea* area = nullptr;
    if (!documents::OpenTransferTable(session, folder, files[i].file, exclusive, i < indexed, &area)) {
      CloseFiles(session, files);
      return {};
    }
    areas.push_back(*area);
  }
  return areas;
}

// A transfer file must have the fields of its table, in order, with their types and widths.
xbase::Status SameLayout(const xbase::WorkArea& area, const TransferFile& file) {
  const schema::TableDef* live = schema::FindTable(file.table);
  const auto& fields = area.table().fields();
  bool same = live != nullptr && fields.size() == live->fields.size();
  for (size_t i = 0; same && i < fields.size(); ++i) {
    const schema::FieldDef& want = live->fields[i];
    same = xbase::EqualsIgnoreCase(fields[i].name, want.name) && fields[i].type == want.type &&
           fields[i].length == want.width && fields[i].decimals == want.decimals;
  }
  if (same) return xbase::Status::OK();
  return xbase::Status::InvalidArgument("susunan field file " + std::string(file.file) + " tidak sesuai");
}

// Builds the reader's index of each file, with the indexing progress.
xbase::Status IndexFiles(frame::Session& session, const std::string& folder, std::span<const TransferFile> files,
                         const TransferAreas& areas) {
  for (size_t i = 0; i < files.size(); ++i) {
    const TransferFile& file = files[i];
    xbase::WorkArea& area = areas[i];
    if (xbase::Status s = SameLayout(area, file); !s.ok()) return s;
    frame::IndexProgress progress;
    frame::JINDEX(session.console(), file.file, area.table().record_count(), &progress);
    xbase::Status s = area.orders().Create(xbase::SearchPath({folder}).NewFile(file.file, "ntx"), {file.key});
    if (s.ok()) s = area.SetOrder(1);
    if (!s.ok()) return xbase::Status::IOError(file.file, s.message());
  }
  return xbase::Status::OK();
}

// Appends a copy of the current row of `from` (the same layout) to `to`.
xbase::Status CopyRow(console::Console& con, const xbase::WorkArea& from, xbase::WorkArea& to) {
  if (xbase::Status s = console::APP_REC(con, to); !s.ok()) return s;
  const xbase::Status s = documents::CopyFieldsByPosition(from, to);
  const xbase::Status released = to.Unlock();
  return s.ok() ? released : s;
}

// Copies every live row of `number` of the live table `from` on `order` into `to`, in that order.
xbase::Status CopyRows(frame::Session& session, xbase::WorkArea& from, std::string_view order, std::string_view number,
                       xbase::WorkArea& to) {
  std::vector<uint32_t> rows;
  xbase::Status s = from.SetOrder(order);
  if (s.ok()) s = from.SeekAll(from.PadToField("NOMOR", xbase::RTrim(number)), &rows);
  for (size_t i = 0; s.ok() && i < rows.size(); ++i) {
    if (s = from.GoTo(rows[i]); s.ok()) s = CopyRow(session.console(), from, to);
  }
  return s;
}

void Progress(frame::Session& session, std::string_view text) { session.console().Say(23, 0, xbase::PadR(text, 60)); }

// The incoming minutes, read whole before anything is written.
xbase::Status ReadIncomingMinutes(frame::Session& session, const TransferAreas& files, std::vector<Minute>* minutes) {
  xbase::WorkArea& headers = files[0];
  std::vector<xbase::WorkArea*> lists;
  for (size_t i = 1; i < files.size(); ++i) lists.push_back(&files[i].get());
  Progress(session, "Proses Baca ebac1.....");
  std::vector<uint32_t> rows;
  xbase::Status s = headers.GoTop();
  for (; s.ok() && !headers.eof(); s = headers.Skip()) rows.push_back(headers.recno());
  if (!s.ok()) return xbase::Status::Corruption("ebac1", s.message());
  std::string last;
  for (uint32_t row : rows) {
    if (s = headers.GoTo(row); !s.ok()) return xbase::Status::Corruption("ebac1 baris " + std::to_string(row), s.message());
    const std::string number = headers.Text("NOMOR");
    if (xbase::IsBlank(number) || number == last) continue;
    last = number;
    Minute minute;
    if (s = ReadMinute(headers, lists, &minute); !s.ok()) return s;
    minutes->push_back(std::move(minute));
  }
  return xbase::Status::OK();
}

// Merges one minute all or nothing, every row it changes locked first. A lock given up or a failed
// write leaves the minute as it was and is returned naming it.
xbase::Status MergeMinute(frame::Session& session, const frame::OpenedTables& tables, const Minute& incoming) {
  Progress(session, "Proses tulis BAC NEGO " + Trimmed(incoming.number));
  documents::SaveScope save(session.console());
  xbase::Status s = NameMinute(save, session, tables, incoming.number);
  if (s.ok()) s = save.Lock();
  if (s.ok()) s = save.BeginWrites();
  if (s.ok()) s = WriteMinute(session, tables, incoming);
  s = save.CommitWrites(s);
  if (s.ok()) return s;
  return xbase::Status::IOError("BAC NEGO " + Trimmed(incoming.number) + " tidak terimpor: " + s.message() +
                                "; tidak ada yang tersimpan");
}

// The approvals of the open confirmation files, read whole and each minute checked before anything
// is written.
xbase::Status ReadConfirmations(const frame::OpenedTables& tables, const TransferAreas& files,
                                std::vector<MinuteApproval>* approvals) {
  const xbase::WorkArea& items = tables["MASTBRJ"];
  xbase::WorkArea& heads = files[0];
  xbase::WorkArea& goods = files[1];
  for (size_t i = 0; i < files.size(); ++i) {
    if (xbase::Status s = SameLayout(files[i], kConfirmationFiles[i]); !s.ok()) return s;
  }
  std::vector<uint32_t> rows;
  xbase::Status s = heads.SetOrder(0);
  if (s.ok()) s = heads.GoTop();
  for (; s.ok() && !heads.eof(); s = heads.Skip()) rows.push_back(heads.recno());
  if (!s.ok()) return xbase::Status::Corruption("app_bac1", s.message());
  for (uint32_t row : rows) {
    const std::string where = "app_bac1 baris " + std::to_string(row);
    if (s = heads.GoTo(row); !s.ok()) return xbase::Status::Corruption(where, s.message());
    MinuteApproval approval;
    if (s = MinuteApprovalRecord().Read(heads, &approval); !s.ok()) return xbase::Status::Corruption(where, s.message());
    if (xbase::IsBlank(approval.number)) continue;
    bool found = false;
    if (s = SeekMinute(tables, approval.number, &found); !s.ok()) return s;
    if (!found) return xbase::Status::InvalidArgument(where + ": Nomor " + Trimmed(approval.number) + " tidak ada");
    std::vector<uint32_t> lines;
    if (s = goods.SeekAll(goods.PadToField("NOMOR", xbase::RTrim(approval.number)), &lines); !s.ok()) {
      return xbase::Status::Corruption("app_bac2", s.message());
    }
    for (uint32_t line : lines) {
      if (s = goods.GoTo(line); !s.ok()) return xbase::Status::Corruption("app_bac2 baris " + std::to_string(line), s.message());
      if (s = ApprovedGoodsRecord().Read(goods, &approval.goods.emplace_back()); !s.ok()) {
        return xbase::Status::Corruption("app_bac2 baris " + std::to_string(line), s.message());
      }
      const size_t k = approval.goods.size() - 1;
      if (s = FitsGoodsMaster(items, approval.goods[k], k); !s.ok()) {
        return xbase::Status::InvalidArgument("app_bac2 baris " + std::to_string(line) + ": " + s.message());
      }
    }
    approvals->push_back(std::move(approval));
  }
  return xbase::Status::OK();
}

}  // namespace

xbase::Status CreateMinuteFiles(const std::string& folder) { return CreateFiles(folder, kMinuteFiles, 1); }

xbase::Status CreateConfirmationFiles(const std::string& folder) {
  return CreateFiles(folder, kConfirmationFiles, std::size(kConfirmationFiles));
}

TransferAreas OpenMinuteFiles(frame::Session& session, const std::string& folder) {
  return OpenFiles(session, folder, kMinuteFiles, 1, false);
}

TransferAreas OpenConfirmationFiles(frame::Session& session, const std::string& folder) {
  return OpenFiles(session, folder, kConfirmationFiles, std::size(kConfirmationFiles), false);
}

void CloseTransferFiles(frame::Session& session, bool confirmations) {
  if (confirmations) {
    CloseFiles(session, kConfirmationFiles);
  } else {
    CloseFiles(session, kMinuteFiles);
  }
}

xbase::Status SendMinute(frame::Session& session, const frame::OpenedTables& tables, const TransferAreas& files,
                         std::string_view number) {
  bool found = false;
  xbase::Status s = SeekMinute(tables, number, &found);
  if (!s.ok()) return s;
  if (!found) return xbase::Status::InvalidArgument("Nomor " + Trimmed(number) + " tidak ada");
  xbase::WorkArea& headers = files[0];
  bool sent = false;
  if (s = SeekExact(headers, "ebac1", "NOMOR", number, &sent); !s.ok()) return s;
  if (sent) return xbase::Status::InvalidArgument("BAC NEGO No. " + Trimmed(number) + " sudah ada di file kiriman");
  Progress(session, "Proses Baca bac_n1.....");
  if (s = CopyRow(session.console(), tables[kMinuteHeaders], headers); !s.ok()) return s;
  const std::pair<const char*, const char*> lists[] = {{kMinuteProducts, "BAC_N22"}, {kMinuteDetails, "BAC_N211"},
                                                       {kMinuteSchedule, "BAC_N221"}, {kMinutePayments, "BAC_N32"},
                                                       {kMinuteNotes, "BAC_N61"}};
  for (size_t i = 0; s.ok() && i < std::size(lists); ++i) {
    Progress(session, std::string("Proses tulis ") + kMinuteFiles[i + 1].file);
    s = CopyRows(session, tables[lists[i].first], lists[i].second, number, files[i + 1]);
  }
  Progress(session, "");
  return s;
}

xbase::Status ImportMinutes(frame::Session& session, const frame::OpenedTables& tables, const std::string& folder,
                            int* merged) {
  *merged = 0;
  const TransferAreas files = OpenFiles(session, folder, kMinuteFiles, 0, true);
  if (files.empty()) return xbase::Status::NotFound("file BAC NEGO di " + folder, "tidak dapat dibuka");
  std::vector<Minute> minutes;
  xbase::Status s = IndexFiles(session, folder, kMinuteFiles, files);
  if (s.ok()) s = ReadIncomingMinutes(session, files, &minutes);
  for (size_t i = 0; s.ok() && i < minutes.size(); ++i) {
    if (s = MergeMinute(session, tables, minutes[i]); s.ok()) ++*merged;
  }
  CloseFiles(session, kMinuteFiles);
  return s;
}

xbase::Status SendConfirmation(frame::Session& session, const frame::OpenedTables& tables, const TransferAreas& files,
                               std::string_view number) {
  xbase::WorkArea& approvals = tables[kMinuteApprovals];
  bool found = false;
  xbase::Status s = SeekExact(approvals, "BAC_NAP1", "NOMOR", number, &found);
  if (!s.ok()) return s;
  if (!found) return xbase::Status::InvalidArgument("Nomor " + Trimmed(number) + " tidak ada");
  if (s = CopyRow(session.console(), approvals, files[0]); !s.ok()) return s;
  return CopyRows(session, tables[kApprovedGoods], "BAC_NPP1", number, files[1]);
}

xbase::Status ApplyConfirmations(frame::Session& session, const frame::OpenedTables& tables, const TransferAreas& files,
                                 int* applied) {
  *applied = 0;
  std::vector<MinuteApproval> approvals;
  xbase::Status s = ReadConfirmations(tables, files, &approvals);
  for (size_t i = 0; s.ok() && i < approvals.size(); ++i) {
    Progress(session, "Proses konfirmasi BAC NEGO " + Trimmed(approvals[i].number));
    if (s = WriteApproval(session, tables, approvals[i]); s.ok()) ++*applied;
  }
  return s;
}

}  // namespace returns
