// RD1CB: the D1 orders of a branch shipped in a period, per item by the kind of order, against what the
// logistics department delivered in the period, and what is still pending.
#include <algorithm>
#include <array>
#include <map>

#include "console/message.h"
#include "frame/grid_cells.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "purchasing/d1_pages.h"
#include "purchasing/plan_screens.h"
#include "purchasing/purchase_documents.h"
#include "purchasing/purchasing.h"
#include "purchasing/report_box.h"
#include "text/date_helpers.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace purchasing {

using frame::Pictured;

namespace {

constexpr int kWidth = 161;

// The column pairs (cartons, pieces) of a row.
enum Pair { kLastMonthExtra, kPlanned, kExtra, kTotal, kDelivered, kPending, kPairs };
using Figures = std::array<double, 2 * kPairs>;

struct RecapRow {
  std::string group, group_name, code, name;
  Figures figures{};
};

void Add(Figures* figures, int pair, double cartons, double pieces) {
  (*figures)[static_cast<size_t>(2 * pair)] += cartons;
  (*figures)[static_cast<size_t>(2 * pair + 1)] += pieces;
}

std::string FigureText(const Figures& figures) {
  std::string text;
  for (size_t k = 0; k < figures.size(); ++k) text += Pictured(figures[k], k % 2 == 0 ? " 9,999,999" : " 99,999,999");
  return text;
}

// The pair an order requested on `date` counts in: an order of a month before m0's is "D1 TAMBAHAN BL
// LALU"; otherwise one of the first five days of its month is "D1 TERRENCANA", any later one "D1 TAMBAHAN".
int OrderPair(xbase::Date date, xbase::Date m0) {
  if (date < m0) return kLastMonthExtra;
  return date.day() <= 5 ? kPlanned : kExtra;
}

class Recap {
 public:
  Recap(frame::Session& session, const frame::OpenedTables& tables, std::string branch, xbase::Date from, xbase::Date to)
      : session_(session), tables_(tables), branch_(std::move(branch)), from_(from), to_(to),
        m0_(text::TGLAWAL(text::TGLAWAL(from) - 1)) {}

  xbase::Status Gather() {
    xbase::Status s = AddOrders();
    return s.ok() ? AddDeliveries() : s;
  }
  const std::map<std::string, RecapRow>& rows() const { return rows_; }

 private:
  RecapRow& Row(const std::string& code) {
    auto [at, added] = rows_.try_emplace(code);
    if (added) {
      at->second.code = code;
      at->second.name = MasterText(session_, "MASTBRJ", code, "NAMA", 20);
      ItemGroup(session_, code, &at->second.group, &at->second.group_name);
    }
    return at->second;
  }

  // The orders of the branch shipped in the period, from the first ship date from the start on.
  xbase::Status AddOrders() {
    xbase::WorkArea& headers = tables_["D1CBNG1"];
    xbase::WorkArea& lines = tables_["D1CBNG2"];
    xbase::Status s = headers.SetOrder("D1CBNG13");
    if (s.ok()) s = lines.SetOrder(1);
    if (s.ok()) s = headers.Seek(from_.Dtos(), true);
    std::vector<uint32_t> records;
    while (s.ok() && !headers.eof() && headers.DateOf("TGKIRIM") <= to_) {
      if (headers.Text("KD_CB") == branch_) {
        const int pair = OrderPair(headers.DateOf("TANGGAL"), m0_);
        s = lines.SeekAll(headers.Text("NOMOR"), &records);
        for (size_t k = 0; s.ok() && k < records.size(); ++k) {
          s = lines.GoTo(records[k]);
          if (!s.ok()) break;
          RecapRow& row = Row(lines.Text("KODE"));
          for (const int counted : {pair, static_cast<int>(kTotal), static_cast<int>(kPending)}) {
            Add(&row.figures, counted, lines.Number("CARTON"), lines.Number("QUANTITY"));
          }
        }
      }
      if (s.ok()) s = headers.Skip();
    }
    return s;
  }

  // What the goods receipts dated in the period brought of the items ordered.
  xbase::Status AddDeliveries() {
    xbase::WorkArea& goods = tables_["MASTBRJ"];
    return ForEachDocument(session_, kReceipts, from_, to_,
                           [&](xbase::WorkArea&, xbase::WorkArea& lines, const std::vector<uint32_t>& records) {
      for (const uint32_t record : records) {
        if (xbase::Status s = lines.GoTo(record); !s.ok()) return s;
        const auto at = rows_.find(lines.Text("KODE"));
        if (at == rows_.end()) continue;
        if (xbase::Status s = goods.Seek(at->first); !s.ok()) return s;
        const double pieces = lines.Number("QUANTITY");
        const double dos = goods.found() ? goods.Number("DOS") : 0;
        const double cartons = dos == 0 ? 0 : pieces / dos;
        Add(&at->second.figures, kDelivered, cartons, pieces);
        Add(&at->second.figures, kPending, -cartons, -pieces);
      }
      return xbase::Status::OK();
    });
  }

  frame::Session& session_;
  const frame::OpenedTables& tables_;
  const std::string branch_;
  const xbase::Date from_, to_, m0_;
  std::map<std::string, RecapRow> rows_;
};

void PrintRecap(frame::Session& session, const std::string& branch, xbase::Date from, xbase::Date to,
                const std::map<std::string, RecapRow>& found, int per_page) {
  std::vector<RecapRow> rows;
  for (const auto& [code, row] : found) rows.push_back(row);
  std::stable_sort(rows.begin(), rows.end(),
                   [](const RecapRow& a, const RecapRow& b) { return a.group + a.code < b.group + b.code; });
  const std::string rule(kWidth, '=');
  Figures running{};
  D1Pages pages(
      {"REKAP & PENDING D1 CABANG : " + branch, "PERIODE PENGIRIMAN : " + xbase::Dtoc(from) + " s/D " + xbase::Dtoc(to),
       rule,
       "NO.|KODE      |NAMA                | D1 TAMBAHAN BL LALU|    D1 TERRENCANA   |    D1 TAMBAHAN     |      TOTAL D1 "
       "     |   KIRIMAN LOGISTIK |      PENDING D1    ",
       "   |          |                    |   CARTON   QUANTITY|  CARTON    QUANTITY|   CARTON   QUANTITY|   CARTON   QU"
       "ANTITY|   CARTON   QUANTITY|   CARTON   QUANTITY",
       rule},
      per_page, [&] { return std::vector<std::string>{rule, std::string(kPageSumLead) + FigureText(running)}; });
  Figures group{};
  for (size_t k = 0; k < rows.size(); ++k) {
    const RecapRow& row = rows[k];
    if (k == 0 || row.group != rows[k - 1].group) {
      pages.Line("    " + row.group_name, "N");
      group = Figures{};
    }
    for (size_t f = 0; f < group.size(); ++f) {
      group[f] += row.figures[f];
      running[f] += row.figures[f];
    }
    pages.Line(Pictured(static_cast<double>(k + 1), "999 ") + row.code + " " + row.name + FigureText(row.figures), "C");
    if (k + 1 == rows.size() || rows[k + 1].group != row.group) {
      pages.Line(std::string(kWidth, '-'), "C");
      pages.Line(std::string(kGroupSumLead) + FigureText(group), "C");
    }
  }
  pages.Finish();
  pages.Print(session, "D1", kWidth);
}

}  // namespace

xbase::Status RD1CB(frame::Session& session, const std::vector<xbase::Value>&) {
  const frame::OpenedTables tables = frame::OpenTables(session, {{"SETUP"}, {"D1CBNG1"}, {"D1CBNG2"}, {"BPBELI1"},
                                                                 {"BPBELI2"}, {"MASTBRJ"}, {"PATRON2"}, {"PATRON"},
                                                                 {"KELOMPOK"}});
  if (!tables) return xbase::Status::OK();
  console::ScreenKeeper keep(session.console());
  std::string branch(6, ' ');
  xbase::Date from = text::TGLAWAL(session.Today()), to = text::TGLAKHIR(session.Today());
  double per_page = 50;
  for (;;) {
    const bool asked = AskReport(session, "Rekap & Pending D1", kCyanBox,
                                 {{8, "Kode Cabang :", &branch, "@!", [&] { return KnownBranch(session, branch); }},
                                  {9, "Tanggal Kirim :", &from, "",
                                   [&] {
                                     to = text::TGLAKHIR(from);
                                     session.console().Say(10, 41, xbase::Dtoc(to));
                                     return true;
                                   }},
                                  {10, "s/d Tanggal :", &to},
                                  {11, "Baris/Hal :", &per_page, "99"}});
    if (!asked || xbase::IsBlank(branch)) break;
    Recap recap(session, tables, xbase::PadR(xbase::AllTrim(branch), 6), from, to);
    if (!frame::Checked(session, recap.Gather())) continue;
    if (recap.rows().empty()) {
      console::PESAN(session.console(), "Data D1 tidak ada");
      continue;
    }
    PrintRecap(session, branch, from, to, recap.rows(), static_cast<int>(per_page));
  }
  return session.tables().CloseAll();
}

}  // namespace purchasing
