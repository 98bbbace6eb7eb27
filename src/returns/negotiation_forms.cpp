// The printed forms of the negotiation minutes: the minute itself (F-MK-013) with its approved goods,
// and the list of the minutes of a period.
#include "returns/negotiation_forms.h"

#include <algorithm>

#include "frame/grid_cells.h"
#include "returns/return_tables.h"
#include "text/word_wrap.h"
#include "xbase/date_functions.h"
#include "xbase/number_text.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace returns {

using frame::Cell;
using frame::Pictured;
using frame::Trimmed;

namespace {

using xbase::Value;

std::string Cell(std::string_view text, int width) { return xbase::PadR(xbase::RTrim(text), width); }
std::string Row(size_t n, int width) { return xbase::Str(static_cast<double>(n), width); }

// A box of a choice: the console's check mark when it is the one chosen.
std::string Box(bool chosen) { return chosen ? "[\xFB]" : "[ ]"; }

// A dashed line under a table head: "-" for every character, "+" where the head has "|".
std::string Rule(std::string_view head) {
  std::string rule(head);
  for (char& c : rule) c = c == '|' ? '+' : '-';
  return rule;
}

constexpr const char* kProductHead =
    "|No| Nama Produk / Perkerjaan     |   Merk   |  Quantity |Satuan|   Harga Jual |            Total | Margin | Eks BAC   |";
constexpr const char* kScheduleHead = "|NO|TANGGAL   | QUANTITY|";
constexpr const char* kPaymentHead = "|No|Tanggal   |  %   |JN| Nomor Bukti        |        Jumlah   |Keterangan";
constexpr const char* kPropertyHead1 =
    "|NO.|NO.JOS    |PRODUK                          |    ISI    |                     HARGA SATUAN                      | JUMLAH ORDER  |";
constexpr const char* kPropertyHead2 =
    "|   |          |KODE      |NAMA                 |  BOX|  PAK|         HARGA|        HARGA1|        HARGA2|        HARGA4|    Qty|    Box|";

void AddHeader(const Minute& m, std::vector<std::string>* lines) {
  const auto add = [&](std::string line) { lines->push_back(std::move(line)); };
  add(xbase::PadR("BERITA ACARA NEGOSIASI (BAC NEGO)", kMinuteFormWidth - 10) + "  F-MK-013");
  add(xbase::PadR("CUSTOMER JASA", kMinuteFormWidth - 10) + " Revisi 00");
  add("");
  add("No. BAC NEGO                 : " + Cell(m.number, 20) + "Tanggal : " + xbase::Dtoc(m.date) + "   Cabang : " +
      Trimmed(m.branch));
  add("No. PEC                      : " + Trimmed(m.pec));
  add("No. Surat Penawaran Pusat    : " + Cell(m.offer_head, 20) + "No. Surat Penawaran Cabang : " + Trimmed(m.offer_branch));
  add("No. Kalkulasi Harga          : " + Trimmed(m.calculation));
  add("Customer                     : " + Cell(m.customer, 11) + Trimmed(m.company));
  add("Kontak                       : " + Trimmed(m.contact));
  const std::vector<std::string> address = text::PENGGALANKATA(Trimmed(m.address), 80, 0);
  for (size_t i = 0; i < std::max<size_t>(address.size(), 1); ++i) {
    add((i == 0 ? "Alamat                       : " : std::string(31, ' ')) + (i < address.size() ? address[i] : ""));
  }
  add("Kota                         : " + Cell(m.town, 20) + "Telpon : " + Trimmed(m.phone));
  add("");
}

void AddProducts(const Minute& m, std::vector<std::string>* lines) {
  lines->push_back(Rule(kProductHead));
  lines->push_back(kProductHead);
  lines->push_back(Rule(kProductHead));
  for (size_t k = 0; k < m.products.size(); ++k) {
    const MinuteProduct& p = m.products[k];
    lines->push_back("|" + Row(k + 1, 2) + "|" + Cell(p.name, 30) + "|" + Cell(p.brand, 10) + "|" +
                     Pictured(p.quantity, "999,999,999") + "|" + Cell(p.unit, 6) + "|" + Pictured(p.price, "99,999,999,999") +
                     "|" + Pictured(p.Total(), "99,999,999,999,999") + "|  " + Pictured(p.margin, "999.99") + "| " +
                     Cell(p.ex_bac, 10) + "|");
    if (p.details.empty()) continue;
    lines->push_back("|  |   -=Spesifikasi=-");
    for (const std::string& detail : p.details) {
      const std::string label(xbase::RTrim(xbase::Left(detail, kDetailLabelWidth)));
      const std::vector<std::string> wrapped =
          text::PENGGALANKATA(Trimmed(xbase::SubStr(detail, kDetailLabelWidth + 1)), 90, 0);
      for (size_t i = 0; i < std::max<size_t>(wrapped.size(), 1); ++i) {
        const std::string lead = i == 0 ? xbase::PadR(label, kDetailLabelWidth) + " : " : std::string(kDetailLabelWidth + 3, ' ');
        lines->push_back("|  |   " + lead + (i < wrapped.size() ? wrapped[i] : ""));
      }
    }
  }
  lines->push_back(Rule(kProductHead));
  lines->push_back("|  |" + Cell("TOTAL", 30) + "|" + std::string(10, ' ') + "|" + Pictured(m.OrderedQuantity(), "999,999,999") +
                   "|" + std::string(6, ' ') + "|" + std::string(14, ' ') + "|" +
                   Pictured(m.OrderedValue(), "99,999,999,999,999") + "|" + std::string(8, ' ') + "|" +
                   std::string(11, ' ') + "|");
  lines->push_back(Rule(kProductHead));
  lines->push_back("");
}

void AddTerms(const Minute& m, std::vector<std::string>* lines) {
  const auto included = [](const std::string& code) {
    return Box(code == "S") + " Sudah   " + Box(code == "B") + " Belum   " + Box(code == "T") + " Tidak Ada";
  };
  lines->push_back("Harga Jual diatas termasuk PPN   : " + included(m.vat_included));
  lines->push_back("Harga Jual diatas termasuk PPH22 : " + included(m.pph22_included));
  lines->push_back("Ongkos Kirim ditanggung          : " + Box(m.freight == "P") + " Penjual " + Box(m.freight == "B") +
                   " Pembeli");
  lines->push_back("");
}

void AddSchedule(const Minute& m, std::vector<std::string>* lines) {
  lines->push_back(Rule(kScheduleHead));
  lines->push_back(kScheduleHead);
  lines->push_back(Rule(kScheduleHead));
  for (size_t k = 0; k < m.schedule.size(); ++k) {
    lines->push_back("|" + Row(k + 1, 2) + "|" + xbase::PadR(xbase::Dtoc(m.schedule[k].date), 10) + "|" +
                     Pictured(m.schedule[k].quantity, "9,999,999") + "|");
  }
  lines->push_back(Rule(kScheduleHead));
  lines->push_back("");
  std::string commission = "Komisi Pelanggan                 : " + Box(!m.commission) + " Tidak   " + Box(m.commission) + " Ada";
  if (m.commission && m.commission_amount != 0) commission += ", Sebesar : " + Pictured(m.commission_amount, "999,999,999.99");
  lines->push_back(commission);
  lines->push_back("");
}

void AddPayments(const Minute& m, std::vector<std::string>* lines) {
  const std::string rule = Rule(kPaymentHead) + std::string(40, '-');
  lines->push_back(rule);
  lines->push_back(kPaymentHead);
  lines->push_back(rule);
  double total = 0;
  for (size_t k = 0; k < m.payments.size(); ++k) {
    const MinutePayment& p = m.payments[k];
    total += p.amount;
    lines->push_back("|" + Row(k + 1, 2) + "|" + xbase::PadR(xbase::Dtoc(p.date), 10) + "|" + Pictured(p.percent, "999.99") +
                     "|" + Cell(p.kind, 2) + "|" + Cell(p.proof, 20) + "|" + Pictured(p.amount, "99,999,999,999.99") + "|" +
                     Trimmed(p.notes));
  }
  lines->push_back(rule);
  lines->push_back("|  |TOTAL     |      |  |" + std::string(20, ' ') + "|" + Pictured(total, "99,999,999,999.99") + "|");
  lines->push_back(rule);
  lines->push_back("");
}

void AddNotesAndSignatures(const Minute& m, std::vector<std::string>* lines) {
  lines->push_back("Catatan :");
  lines->push_back("(Berisi penjelasan detail yang harus disampaikan ke bagian terkait dapat berupa produk, pembayaran, biaya-biaya,");
  lines->push_back("atau perhitungan-perhitungan sebagai catatan, dan transaksi-transaksi diluar ketentuan di atas)");
  for (const std::string& note : m.notes) {
    for (const std::string& line : text::PENGGALANKATA(Trimmed(note), 110, 0)) lines->push_back("  " + line);
  }
  lines->push_back("");
  lines->push_back("       DIBUAT OLEH               MENGETAHUI                    DICEK                            DISETUJUI");
  for (int i = 0; i < 4; ++i) lines->push_back("");
  const std::string bracket = "(" + std::string(17, ' ') + ")";
  lines->push_back("   " + bracket + "       " + bracket + "       " + bracket + "    " + bracket + "  " + bracket);
  lines->push_back("      Negisiator VZ            BM/DBM/MGR JASA               Kalkulasi               Mgr Jasa           Fin. & Acc Mgr   ");
  lines->push_back("");
  lines->push_back("LEMBAR   : 1. Jasa Pusat,  2. Divisi Accounting,  3. Arsip");
  lines->push_back("Lampiran : 1. Copy PO.");
  lines->push_back("           2. Copy Surat Penawaran Harga dari Divisi Jasa Pusat");
  lines->push_back("           3. Copy Surat Penawaran Harga dari Cabang ke Customer");
  lines->push_back("           4. NPWP dan SPPKP Customer (khusus customer PKP)");
  lines->push_back("");
}

void AddProperty(const MinuteApproval& approval, std::vector<std::string>* lines) {
  lines->push_back("PROPERTY PRODUK");
  lines->push_back(Rule(kPropertyHead1));
  lines->push_back(kPropertyHead1);
  lines->push_back(kPropertyHead2);
  lines->push_back(Rule(kPropertyHead2));
  for (size_t k = 0; k < approval.goods.size(); ++k) {
    const ApprovedGoods& g = approval.goods[k];
    const double cartons = g.dos != 0 ? g.ordered / g.dos : 0;
    lines->push_back("|" + Row(k + 1, 3) + "|" + Cell(g.jos, 10) + "|" + Cell(g.code, 10) + "|" + Cell(g.name, 21) + "|" +
                     Pictured(g.dos, "99999") + "|" + Pictured(g.pak, "99999") + "|" + Pictured(g.price, "99,999,999,999") +
                     "|" + Pictured(g.price1, "99,999,999,999") + "|" + Pictured(g.price2, "99,999,999,999") + "|" +
                     Pictured(g.price4, "99,999,999,999") + "|" + Pictured(g.ordered, "9999999") + "|" +
                     Pictured(cartons, "9999.99") + "|");
  }
  lines->push_back(Rule(kPropertyHead2));
}

}  // namespace

std::vector<std::string> MinuteFormLines(const Minute& minute, const MinuteApproval& approval) {
  std::vector<std::string> lines;
  AddHeader(minute, &lines);
  AddProducts(minute, &lines);
  AddTerms(minute, &lines);
  AddSchedule(minute, &lines);
  AddPayments(minute, &lines);
  AddNotesAndSignatures(minute, &lines);
  AddProperty(approval, &lines);
  return lines;
}

frame::ReportPages FormPages(const std::vector<std::string>& lines, int per_page) {
  frame::ReportPages pages;
  const size_t room = static_cast<size_t>(std::max(per_page - 1, 1));
  size_t n = 0;
  do {
    frame::ReportPage page;
    for (size_t on_page = 0; on_page < room && n < lines.size(); ++on_page, ++n) page.push_back({lines[n], "C"});
    if (n < lines.size()) page.push_back({"dilanjutkan ke halaman berikutnya", "C"});
    pages.push_back(std::move(page));
  } while (n < lines.size());
  return pages;
}

xbase::Status MinuteListPages(const frame::OpenedTables& tables, const MinuteListFilter& filter, frame::ReportPages* pages) {
  std::vector<std::string> rows;
  xbase::WorkArea& heads = tables[kMinuteHeaders];
  const std::string branch(xbase::AllTrim(filter.branch));
  std::vector<std::string> numbers;
  xbase::Status s = heads.SetOrder("BAC_N12");
  if (s.ok()) s = heads.Seek(filter.from.Dtos(), true);
  for (; s.ok() && !heads.eof() && heads.DateOf("TANGGAL") <= filter.to; s = heads.Skip()) {
    if (xbase::Left(heads.Text("KDCB"), static_cast<int>(branch.size())) == branch) numbers.push_back(heads.Text("NOMOR"));
  }
  for (size_t i = 0; s.ok() && i < numbers.size(); ++i) {
    Minute m;
    bool found = false;
    if (s = LoadMinute(tables, numbers[i], &m, &found); !s.ok() || !found) continue;
    rows.push_back(Row(i + 1, 3) + ". " + Cell(m.number, 10) + " " + xbase::PadR(xbase::Dtoc(m.date), 10) + Cell(m.company, 44));
    for (const MinuteProduct& p : m.products) {
      rows.push_back(std::string(26, ' ') + Cell(p.name, 44) + " " + Pictured(p.quantity, "99999999") + " " + Trimmed(p.unit));
      for (const std::string& detail : p.details) {
        const std::string label(xbase::RTrim(xbase::Left(detail, kDetailLabelWidth)));
        for (const std::string& line : text::PENGGALANKATA(Trimmed(xbase::SubStr(detail, kDetailLabelWidth + 1)), 60, 0)) {
          rows.push_back(std::string(28, ' ') + xbase::PadR(label, kDetailLabelWidth) + " : " + line);
        }
      }
    }
  }
  if (!s.ok()) return s;
  const std::string title = "LIST BAC NEGO Tanggal " + xbase::Dtoc(filter.from) + " s/d " + xbase::Dtoc(filter.to);
  const std::string head = " NO. NO. BAC    TANGGAL   NAMA                                         QUANTITY SATUAN";
  const size_t room = static_cast<size_t>(std::max(filter.per_page, 1));
  size_t n = 0;
  do {
    frame::ReportPage page{{title, "B"}, {head, ""}, {std::string(head.size(), '-'), ""}};
    for (size_t on_page = 0; on_page < room && n < rows.size(); ++on_page, ++n) page.push_back({rows[n], ""});
    pages->push_back(std::move(page));
  } while (n < rows.size());
  return s;
}

}  // namespace returns
