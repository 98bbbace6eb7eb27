// Merging a branch export set into the head office's live tables, file group by file group, each
// document replaced by its key (documents::MergeByKey) with the effects of its lines.
#include <string>
#include <vector>

#include "console/message.h"
#include "documents/key_merge.h"
#include "documents/shared_postings.h"
#include "documents/stock_posting.h"
#include "documents/transfer_folder.h"
#include "exchange/exchange.h"
#include "frame/indek.h"
#include "frame/import_stop.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "memos/memos.h"
#include "purchasing/purchasing.h"
#include "receivables/receivables.h"
#include "xbase/ntx_orders.h"
#include "xbase/number_text.h"
#include "xbase/search_path.h"
#include "xbase/text_functions.h"

namespace exchange {
namespace {

// What a merged line does to the running totals of the head office.
enum class Effect {
  kNone,
  kReceipt,         // goods receipt: stock and average cost (UPSTOCK)
  kAdjustment,      // stock adjustment at its price (UPSTOCKGUDANG)
  kStockIn,         // the line's quantity comes into stock
  kStockOut,        // the line's quantity leaves stock
  kSettlement,      // payment-receipt line: settled totals of invoice and instrument
  kJournal,         // reversing-journal row: settled total of the invoice
  kDeliveryOutcome,  // warehouse memo line: the delivery outcome onto the admin memo
  kReceivable        // receivable (a header without lines): the customer's balance by its DEBET
};

struct LinePair {
  const char* incoming;
  const char* live;
  const char* order = nullptr;  // the live index on the key when it is not the first
};

// One file group of the set, in the order merged.
struct ImportGroup {
  const char* incoming;  // the header (or single) export table; null when the lines stand alone
  const char* live;
  const char* key;  // the key expression of the incoming tables' index; null: walked in stored order
  int key_fields;
  std::vector<LinePair> lines;
  Effect effect = Effect::kNone;
  bool see_deleted = true;
  std::vector<const char*> postings = {};  // live tables the effect posts to
  bool memo = false;
  std::vector<const char*> running = {};  // header totals the head office's own lines move
};

const std::vector<ImportGroup>& Groups() {
  static const std::vector<const char*> kStock = {"MASTBRJ", "STOKBRG"};
  static const std::vector<ImportGroup> groups = {
      {"exdtbm", "DATABM", nullptr, 1, {}},
      {"exbmmo", "BMONITOR", nullptr, 1, {}},
      {"exbpot", "BPOT_BPT", nullptr, 1, {}},
      {"expot1", "BPOT_HDR", "nomor", 1, {{"expot2", "BPOT_DTL"}}},
      {"exmsls", "MASTSLS", nullptr, 1, {}, Effect::kNone, false},
      // The balance is the head office's own, moved by the receivables merged.
      {"exmcus", "MASTCUS", nullptr, 1, {}, Effect::kNone, false, {}, false, {"SALDO"}},
      {"exdb46", "RELASI_EXT", nullptr, 1, {}, Effect::kNone, false},
      {"exbl1", "BPBELI1", "no_bpb", 1, {{"exbl2", "BPBELI2"}}, Effect::kReceipt, true, kStock},
      {"exgrd",
       "GIRODBT",
       "nomor",
       1,
       {{"exgpi", "GIRO_PI"}, {"exgrl", "GIRO_RL"}},
       Effect::kNone,
       true,
       {},
       false,
       {"KREDIT"}},
      {"exgk1", "GIROKR1", "nomor", 1, {{"exgk2", "GIROKR2"}}},
      {nullptr, nullptr, "nomor", 1, {{"exjsm", "JUSTMEN"}}, Effect::kAdjustment, true, {"STOKBRG"}},
      {"exmd1", "MTSDBT1", "nomor", 1, {{"exmd2", "MTSDBT2"}}, Effect::kStockIn, true, kStock},
      {"exmk1", "MTSKDT1", "nomor", 1, {{"exmk2", "MTSKDT2"}}, Effect::kStockOut, true, kStock},
      {"expdb", "PIUTDBT", "nota", 1, {}, Effect::kReceivable, true, {"MASTCUS"}, false, {"KREDIT"}},
      {nullptr, nullptr, "nota", 1, {{"expjb", "PIUTJBL", "PIUTJBL2"}}, Effect::kJournal, true, {"PIUTDBT", "GIRODBT"}},
      {"expk1", "PIUTKR1", "kdcb+nomor", 2, {{"expk2", "PIUTKR2"}}, Effect::kSettlement, true, {"PIUTDBT", "GIRODBT"}},
      {"expri1", "PRO_IN1", "nomor", 1, {{"expri2", "PRO_IN2"}}},
      {"expro1", "PRO_OT1", "nomor", 1, {{"expro2", "PRO_OT2"}}},
      {"exrtb1", "RTBELI1", "nomor", 1, {{"exrtb2", "RTBELI2"}}, Effect::kStockOut, true, kStock},
      {"exrtj1", "RTJUAL1", "nomor", 1, {{"exrtj2", "RTJUAL2"}}, Effect::kStockIn, true, kStock},
      {"exsod1", "SLSODR1", "nomor", 1, {{"exsod2", "SLSODR2"}}},
      {"exsjl1", "SRTJLN1", "invoice", 1, {{"exsjl2", "SRTJLN2"}}, Effect::kStockOut, true, kStock},
      {"exdb38", "MEMADM1", "kdcb+nomor", 2, {{"exdb39", "MEMADM2"}}, Effect::kNone, true, {}, true},
      {"exdb40", "MEMDRV1", "kdcb+nomor", 2, {{"exdb41", "MEMDRV2"}}, Effect::kNone, true, {}, true},
      {"exdb42",
       "MEMGDG1",
       "kdcb+nomor",
       2,
       {{"exdb43", "MEMGDG2"}},
       Effect::kDeliveryOutcome,
       true,
       {"MEMADM2"},
       true},
      {"exdb44", "MEMPJK1", "kdcb+nomor", 2, {{"exdb45", "MEMPJK2"}}, Effect::kNone, true, {}, true},
  };
  return groups;
}

// The goods sent with the goods receipts, for goods new to the head office.
constexpr const char* kSentGoods = "exbbm";

std::string Trimmed(const xbase::WorkArea& area, std::string_view field) {
  return std::string(xbase::RTrim(area.Text(field)));
}

// One run of the import over one folder.
class Import {
 public:
  Import(frame::Session& session, std::string folder) : session_(session), folder_(std::move(folder)) {}

  // Opens the group's tables and merges it; false when a table could not be opened or a write failed.
  bool Merge(const ImportGroup& group);

 private:
  bool OpenIncoming(const char* name, const char* key);
  documents::MergedLines Lines(const ImportGroup& group, const LinePair& pair);
  void Progress(std::string_view text) { session_.console().Say(23, 0, xbase::PadR(text, 60)); }
  xbase::WorkArea* Area(std::string_view alias) { return session_.tables().Area(alias); }

  frame::Session& session_;
  std::string folder_;
};

bool Import::OpenIncoming(const char* name, const char* key) {
  xbase::WorkArea* area = nullptr;
  if (!documents::OpenTransferTable(session_, folder_, name, true, false, &area)) return false;
  if (key == nullptr) return true;
  frame::IndexProgress progress;
  frame::JINDEX(session_.console(), name, area->table().record_count(), &progress);
  xbase::Status s = area->orders().Create(xbase::SearchPath({folder_}).NewFile(name, "ntx"), {key});
  if (s.ok()) s = area->SetOrder(1);
  frame::ShowFailure(session_, s);
  return s.ok();
}

documents::MergedLines Import::Lines(const ImportGroup& group, const LinePair& pair) {
  documents::MergedLines lines;
  lines.incoming = Area(pair.incoming);
  lines.live = Area(pair.live);
  const xbase::WorkArea* header = group.incoming != nullptr ? Area(group.incoming) : nullptr;
  // The routines run after this returns: they reach the session through the run, not a local.
  frame::Session* session = &session_;
  const auto move_stock = [session](const xbase::WorkArea& line, double in, double out) {
    return documents::UPMASTERBARANG(*session, Trimmed(line, "KODE"), Trimmed(line, "GUDANG"), in, out);
  };
  switch (group.effect) {
    case Effect::kNone:
    case Effect::kReceivable: break;
    case Effect::kReceipt:
      lines.reverse = [session, header](const xbase::WorkArea& line) {
        double average = 0;
        return purchasing::UPSTOCK(*session, Trimmed(line, "GUDANG"), Trimmed(line, "KODE"), 0, line.Number("QUANTITY"),
                                   line.Number("HARGA"), line.Number("DISCOUNT"), line.Number("DISCOUNT2"),
                                   header->Number("DISCOUNT"), header->Number("DISCOUNT2"), &average, kSentGoods);
      };
      lines.apply = [session, header](const xbase::WorkArea& line, xbase::WorkArea& live, size_t) {
        double average = 0;
        xbase::Status s =
            purchasing::UPSTOCK(*session, Trimmed(line, "GUDANG"), Trimmed(line, "KODE"), line.Number("QUANTITY"), 0,
                                line.Number("HARGA"), line.Number("DISCOUNT"), line.Number("DISCOUNT2"),
                                header->Number("DISCOUNT"), header->Number("DISCOUNT2"), &average, kSentGoods);
        return s.ok() ? live.Put("HRG_RATA", xbase::Value::Num(average)) : s;
      };
      break;
    case Effect::kAdjustment:
      lines.reverse = [session](const xbase::WorkArea& line) {
        return purchasing::UPSTOCKGUDANG(*session, Trimmed(line, "KODE"), Trimmed(line, "GUDANG"), 0,
                                         line.Number("QUANTITY"), line.Number("HARGA"));
      };
      lines.apply = [session](const xbase::WorkArea& line, xbase::WorkArea&, size_t) {
        return purchasing::UPSTOCKGUDANG(*session, Trimmed(line, "KODE"), Trimmed(line, "GUDANG"),
                                         line.Number("QUANTITY"), 0, line.Number("HARGA"));
      };
      break;
    case Effect::kStockIn:
    case Effect::kStockOut: {
      const bool in = group.effect == Effect::kStockIn;
      lines.reverse = [move_stock, in](const xbase::WorkArea& line) {
        const double q = line.Number("QUANTITY");
        return in ? move_stock(line, 0, q) : move_stock(line, q, 0);
      };
      lines.apply = [move_stock, in](const xbase::WorkArea& line, xbase::WorkArea&, size_t) {
        const double q = line.Number("QUANTITY");
        return in ? move_stock(line, q, 0) : move_stock(line, 0, q);
      };
      break;
    }
    case Effect::kSettlement:
      lines.reverse = [session](const xbase::WorkArea& line) {
        return receivables::UPDATEPIUTANGDANGIRO(*session, Trimmed(line, "NOTA"), Trimmed(line, "NO_BUKTI"),
                                                 line.Number("KREDIT"), 0);
      };
      lines.apply = [session](const xbase::WorkArea& line, xbase::WorkArea&, size_t) {
        return receivables::UPDATEPIUTANGDANGIRO(*session, Trimmed(line, "NOTA"), Trimmed(line, "NO_BUKTI"), 0,
                                                 line.Number("KREDIT"));
      };
      break;
    case Effect::kJournal:
      // Rows without a date or without an amount carry nothing; the kept rows are numbered afresh.
      lines.drop = [](const xbase::WorkArea& line) {
        return line.DateOf("TANGGAL").empty() || line.Number("DEBET") + line.Number("KREDIT") == 0;
      };
      lines.reverse = [session](const xbase::WorkArea& line) {
        return receivables::UPDATEPIUTANGDANGIRO(*session, Trimmed(line, "NOTA"), Trimmed(line, "NO_BUKTI"),
                                                 line.Number("DEBET"), line.Number("KREDIT"));
      };
      lines.apply = [session](const xbase::WorkArea& line, xbase::WorkArea& live, size_t k) {
        xbase::Status s = live.Put("URUT", xbase::Value::Text(xbase::Str(static_cast<double>(k + 1), 3, 0)));
        if (s.ok()) {
          s = receivables::UPDATEPIUTANGDANGIRO(*session, Trimmed(line, "NOTA"), Trimmed(line, "NO_BUKTI"),
                                                line.Number("KREDIT"), line.Number("DEBET"));
        }
        return s;
      };
      break;
    case Effect::kDeliveryOutcome:
      lines.apply = [session](const xbase::WorkArea& line, xbase::WorkArea&, size_t) {
        return memos::UPDATEMEMOACC(*session, Trimmed(line, "INVOICE"), line.DateOf("TG_KIRIM"),
                                    Trimmed(line, "JAM_KIRIM"), Trimmed(line, "NOTES"), line.Logical("TERKIRIM"));
      };
      break;
  }
  // A memo line without a delivery note holds no place.
  if (group.memo) lines.absent = [](const xbase::WorkArea& line) { return Trimmed(line, "INVOICE").empty(); };
  return lines;
}

bool Import::Merge(const ImportGroup& group) {
  const char* first = group.incoming != nullptr ? group.incoming : group.lines.front().incoming;
  if (group.incoming != nullptr && !OpenIncoming(group.incoming, group.key)) return false;
  for (const LinePair& pair : group.lines) {
    if (!OpenIncoming(pair.incoming, group.key)) return false;
  }
  if (group.effect == Effect::kReceipt && !OpenIncoming(kSentGoods, "kode")) return false;
  if (group.live != nullptr && !frame::OpenTable(session_, group.live)) return false;
  for (const LinePair& pair : group.lines) {
    xbase::WorkArea* live = nullptr;
    if (!frame::OpenTable(session_, pair.live, false, {}, &live)) return false;
    if (pair.order == nullptr) continue;
    if (!frame::Checked(session_, live->SetOrder(pair.order))) return false;
  }
  for (const char* table : group.postings) {
    if (!frame::OpenTable(session_, table)) return false;
  }
  documents::KeyMerge merge;
  merge.incoming = group.incoming != nullptr ? Area(group.incoming) : nullptr;
  merge.live = group.live != nullptr ? Area(group.live) : nullptr;
  merge.key_fields = group.key_fields;
  merge.see_deleted = group.see_deleted;
  merge.running = group.running;
  for (const LinePair& pair : group.lines) merge.lines.push_back(Lines(group, pair));
  if (merge.live != nullptr) merge.written.push_back(merge.live);
  for (const documents::MergedLines& lines : merge.lines) merge.written.push_back(lines.live);
  for (const char* table : group.postings) merge.written.push_back(Area(table));
  if (group.effect == Effect::kReceivable) {
    frame::Session* session = &session_;
    merge.reverse_header = [session](const xbase::WorkArea& live) {
      return documents::UPSALDOMASTCUS(*session, Trimmed(live, "RELASI"), 0, live.Number("DEBET"));
    };
    merge.apply_header = [session](const xbase::WorkArea& live) {
      return documents::UPSALDOMASTCUS(*session, Trimmed(live, "RELASI"), live.Number("DEBET"), 0);
    };
  }
  const std::string reading = "Proses Baca " + std::string(first) + ".....";
  const std::string writing =
      "Proses tulis " + xbase::Lower(group.live != nullptr ? group.live : group.lines.front().live);
  merge.progress = [&](std::string_view) {
    Progress(reading);
    Progress(writing);
  };
  documents::MergeStop stop;
  xbase::Status s = documents::MergeByKey(session_.console(), session_.tables(), merge, nullptr, &stop);
  // The documents before this one are merged whole; of this one nothing is written.
  if (!s.ok()) frame::ShowImportStop(session_, s, first, stop.row, stop.key, "dokumen ini tidak tersimpan");
  return s.ok();
}

}  // namespace

bool PROSESIMPORDATA(frame::Session& session, std::string_view folder) {
  Import run(session, documents::TransferFolder(session, std::string(xbase::AllTrim(folder))));
  for (const ImportGroup& group : Groups()) {
    const bool merged = run.Merge(group);
    const xbase::Status closed = session.tables().CloseAll();
    frame::ShowFailure(session, closed);
    if (!merged || !closed.ok()) return false;
  }
  return true;
}

}  // namespace exchange
