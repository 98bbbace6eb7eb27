// The two printed forms of a tax invoice: the dot-matrix fill of the pre-printed form, and the whole
// form drawn with box characters for a page printer.
#include <string>
#include <vector>

#include "frame/grid_cells.h"
#include "sales/tax_invoice.h"
#include "xbase/number_text.h"
#include "xbase/date_functions.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace sales {

using frame::Trimmed;

namespace {

const std::string kEsc = "\x1B";
const std::string kCrLf = "\r\n";
constexpr char kDc2 = '\x12';
constexpr char kEject = '\x0C';
constexpr int kItemArea = 19;
constexpr char kFollowOn[] = "lanjutan dari halaman sebelumnya";
constexpr char kContinued[] = "dilanjutkan ke halaman berikutnya";

std::string Picture(double value, std::string_view picture) {
  return xbase::Transform(xbase::Value::Num(value), picture);
}

std::string Blanks(int count) { return std::string(static_cast<size_t>(std::max(count, 0)), ' '); }

// The rows of page `page` (from 1) of the lines.
std::vector<const TaxLine*> PageRows(const TaxInvoice& invoice, int page) {
  std::vector<const TaxLine*> rows;
  const size_t first = static_cast<size_t>((page - 1) * invoice.RowsPerPage());
  for (size_t i = first; i < invoice.lines.size() && i < first + static_cast<size_t>(invoice.RowsPerPage()); ++i) {
    rows.push_back(&invoice.lines[i]);
  }
  return rows;
}

// Box characters of code page 437.
constexpr char kH = '\xC4', kV = '\xB3';
constexpr char kTopLeft = '\xDA', kTopRight = '\xBF', kBottomLeft = '\xC0', kBottomRight = '\xD9';
constexpr char kLeftTee = '\xC3', kRightTee = '\xB4', kDownTee = '\xC2', kUpTee = '\xC1', kCross = '\xC5';
constexpr int kWidth = 78;  // inside the frame

std::string Rule(char left, char right, const std::vector<int>& stops = {}, char stop = kDownTee) {
  std::string line(kWidth, kH);
  for (int at : stops) line[static_cast<size_t>(at)] = stop;
  return left + line + right;
}

// A framed row: the text padded or cut to the frame.
std::string Framed(std::string_view text) {
  return kV + xbase::PadR(text, kWidth).substr(0, kWidth) + kV;
}

// Columns of the item table: number (4), name (37), quantity (11), price (rest).
const std::vector<int> kItemStops = {4, 42, 54};

std::string ItemRow(std::string_view number, std::string_view name, std::string_view quantity,
                    std::string_view amount) {
  std::string row = xbase::PadR(number, 4) + kV + xbase::PadR(name, 37) + kV + xbase::PadL(quantity, 11) + kV +
                    xbase::PadL(amount, kWidth - 55);
  return Framed(row);
}

// Totals: the label and, on the last page, the amount in a box at the right.
const std::vector<int> kTotalStops = {60};
std::string TotalRow(std::string_view label, const std::string& amount) {
  return Framed(" " + xbase::PadR(label, 59) + kV + xbase::PadL(amount, 17));
}

}  // namespace

std::vector<std::string> TaxInvoiceDotMatrix(const frame::CompanySetup& company, const TaxInvoice& invoice) {
  std::vector<std::string> pages;
  const int count = invoice.Pages();
  for (int page = 1; page <= count; ++page) {
    std::string out(1, kDc2);
    const auto row = [&out](const std::string& text) { out += text + kCrLf; };
    const auto empty = [&](int rows) {
      for (int i = 0; i < rows; ++i) row("");
    };
    empty(5);
    row(Blanks(64) + "Hal : " + std::to_string(page) + "/" + std::to_string(count));
    empty(1);
    row(Blanks(23) + kEsc + "w1" + kEsc + "E" + TaxSerial(invoice) + kEsc + "F" + kEsc + "w0");
    empty(3);
    for (int slot : {1, 2, 3, 4}) row(Blanks(20) + Trimmed(company.text[static_cast<size_t>(slot)]));
    empty(3);
    for (const std::string& line : {invoice.buyer, invoice.address1, invoice.address2}) {
      row(Blanks(20) + kEsc + "M" + Trimmed(line) + kEsc + "P");
    }
    row(Blanks(20) + TaxNumberText(invoice.npwp));
    empty(2);
    row(Blanks(48) + "Qty");
    int used = 0;
    if (page > 1) {
      row(std::string("    ") + kFollowOn + "...");
      ++used;
    }
    const size_t first = static_cast<size_t>((page - 1) * invoice.RowsPerPage());
    const std::vector<const TaxLine*> rows = PageRows(invoice, page);
    for (size_t i = 0; i < rows.size(); ++i) {
      row(" " + xbase::Str(static_cast<double>(first + i + 1), 2) + " " + kEsc + "M" + xbase::PadR(rows[i]->name, 45).substr(0, 45) +
          kEsc + "P" + Picture(rows[i]->quantity, " 9,999,999") + Blanks(13) + Picture(rows[i]->amount, "99,999,999,999"));
      ++used;
    }
    if (page < count) {
      row(std::string("    ") + kContinued + "..." + kEsc + "E");
      ++used;
    }
    empty(kItemArea - used);
    if (page == count) {
      row(Blanks(7) + std::string(19, 'X') + kEsc + "E" + Blanks(38) + Picture(invoice.Sum(), "99,999,999,999") + kEsc + "F");
      for (double amount : {invoice.reduction, 0.0, invoice.Base(), invoice.Tax()}) {
        row(Blanks(64) + Picture(amount, "99,999,999,999"));
      }
    }
    row(xbase::PadR(Trimmed(company.text[11]), 16).substr(0, 16) + Blanks(35) + xbase::Dtoc(invoice.date));
    empty(2);
    row(Blanks(64) + Trimmed(company.text[7]));
    row(Blanks(64) + Trimmed(company.text[8]));
    out += kEject;
    pages.push_back(std::move(out));
  }
  return pages;
}

std::vector<std::vector<std::string>> TaxInvoicePageForm(const frame::CompanySetup& company, const TaxInvoice& invoice) {
  std::vector<std::vector<std::string>> pages;
  const int count = invoice.Pages();
  for (int page = 1; page <= count; ++page) {
    std::vector<std::string> out;
    const bool last = page == count;
    out.push_back("Lembar ke-1 : Untuk Pembeli BKP / Penerima JKP");
    out.push_back(xbase::PadR("              sebagai bukti Pajak Masukan", 66) + "Hal : " + std::to_string(page) + "/" +
                  std::to_string(count));
    out.push_back(Rule(kTopLeft, kTopRight));
    out.push_back(Framed(Blanks(33) + "FAKTUR PAJAK"));
    out.push_back(Rule(kLeftTee, kRightTee));
    out.push_back(Framed(" Kode dan Nomor Seri Faktur Pajak : " + TaxSerial(invoice)));
    out.push_back(Rule(kLeftTee, kRightTee));
    out.push_back(Framed(" PENGUSAHA KENA PAJAK"));
    out.push_back(Framed(" NAMA    : " + Trimmed(company.text[1])));
    out.push_back(Framed(" ALAMAT  : " + Trimmed(company.text[2])));
    out.push_back(Framed("           " + Trimmed(company.text[3])));
    out.push_back(Framed(" N.P.W.P : " + Trimmed(company.text[4])));
    out.push_back(Rule(kLeftTee, kRightTee));
    out.push_back(Framed(" PEMBELI BARANG KENA PAJAK/PENERIMA JASA KENA PAJAK"));
    out.push_back(Framed(" NAMA    : " + Trimmed(invoice.buyer)));
    out.push_back(Framed(" ALAMAT  : " + Trimmed(invoice.address1)));
    out.push_back(Framed("           " + Trimmed(invoice.address2)));
    out.push_back(Framed(" N.P.W.P : " + TaxNumberText(invoice.npwp)));
    out.push_back(Rule(kLeftTee, kRightTee, kItemStops));
    out.push_back(ItemRow("No.", " Nama Barang Kena Pajak/Jasa Kena Pajak", "Kuantum ", "Harga Jual (Rp) "));
    out.push_back(Rule(kLeftTee, kRightTee, kItemStops, kCross));
    int used = 0;
    if (page > 1) {
      out.push_back(ItemRow("", std::string(kFollowOn) + "......", "", ""));
      ++used;
    }
    const size_t first = static_cast<size_t>((page - 1) * invoice.RowsPerPage());
    const std::vector<const TaxLine*> rows = PageRows(invoice, page);
    for (size_t i = 0; i < rows.size(); ++i) {
      out.push_back(ItemRow(" " + xbase::Str(static_cast<double>(first + i + 1), 2) + " ",
                            xbase::PadR(rows[i]->name, 35).substr(0, 35), Picture(rows[i]->quantity, "9,999,999 "),
                            Picture(rows[i]->amount, "9,999,999,999")));
      ++used;
    }
    // Every page has room for the follow-on row, so the totals stand on the same line of each sheet.
    for (; used < invoice.RowsPerPage() + 1; ++used) out.push_back(ItemRow("", "", "", ""));
    std::string rule = Rule(kLeftTee, kRightTee, kItemStops, kUpTee);
    rule[61] = kDownTee;
    out.push_back(rule);
    const auto amount = [last](double value) { return last ? Picture(value, "9,999,999,999") : std::string(); };
    out.push_back(TotalRow("Harga Jual/Penggantian/Uang Muka/Termin *)", amount(invoice.Sum())));
    out.push_back(TotalRow("Dikurangi Potongan Harga", amount(invoice.reduction)));
    out.push_back(TotalRow("Dikurangi Uang Muka yang telah diterima", amount(0)));
    out.push_back(TotalRow("Dasar Pengenaan Pajak", amount(invoice.Base())));
    out.push_back(TotalRow("PPN = " + Picture(invoice.vat, "99") + " % X Dasar Pengenaan Pajak", amount(invoice.Tax())));
    out.push_back(Rule(kLeftTee, kRightTee, {38}, kDownTee).replace(61, 1, 1, kH));
    const std::string place = xbase::PadR(Trimmed(company.text[11]), 12).substr(0, 12);
    const std::vector<std::string> luxury = {
        " Pajak Penjualan Atas Barang Mewah", " Tarif \xB3 DPP        \xB3 PPn BM", " ....% \xB3            \xB3",
        " ....% \xB3            \xB3", " ....% \xB3            \xB3", " ....% \xB3            \xB3", " Jumlah       \xB3",
    };
    const std::vector<std::string> signing = {" " + std::string(xbase::RTrim(place)) + ", Tgl. " + xbase::Dtoc(invoice.date),
                                              "", "", "", "", " Nama    " + Trimmed(company.text[7]),
                                              " Jabatan " + Trimmed(company.text[8])};
    for (size_t i = 0; i < luxury.size(); ++i) {
      out.push_back(kV + xbase::PadR(luxury[i], 38) + kV + xbase::PadR(signing[i], kWidth - 39) + kV);
    }
    out.push_back(Rule(kBottomLeft, kBottomRight, {38}, kUpTee));
    pages.push_back(std::move(out));
  }
  return pages;
}

}  // namespace sales
