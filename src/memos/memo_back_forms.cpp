// The forms of the memo back (F-GD-010) and of the receivables memo (F-PT-010), which share their frame.
#include "memos/delivery_notes.h"
#include "memos/memo_entry.h"
#include "memos/memo_forms.h"
#include "memos/memo_report.h"
#include "xbase/text_functions.h"

namespace memos {
namespace {

// What differs between the two forms.
struct FormText {
  const char* first_line;
  const char* second_line;
  const char* addressee;
  std::vector<const char*> opening;
  const char* columns;
  const char* receiver;
  int width;
};

const FormText kBackForm{
    "PT. TIRTANDAKA                         M E M O R A N D U M                              F-GD-010",
    "ISO 9001                                     GUDANG                                    Revisi 00",
    "Kepada : Bag. Marketing",
    {"Berikut ini kami serahkan kembali Sj. Asli dengan perincian seperti tersebut dibawah ini sebagai",
     "bukti bahwa barang sudah diterima "},
    "No. No. Surat Jalan      Tg. Sj     Tg. Kirim  Keterangan                                        ",
    "                                                                          BAG. MARKETING",
    97};

const FormText kTaxForm{
    "PT. TIRTANDAKA                    M E M O R A N D U M                         F-PT-010",
    "ISO 9001                                PAJAK                                Revisi 00",
    "Kepada : Bag. Piutang",
    {"Berikut ini kami serahkan Surat Jalan dengan perincian seperti tersebut dibawah ini :"},
    "No. No. Surat Jalan      Tg. Sj     Tg. Kirim              Nilai Keterangan                              ",
    "                                                                          BAG. PIUTANG",
    105};

// The form around its body lines; `after_note` follows the note's rule.
frame::ReportPage FormLines(const FormText& form, const MemoForm& memo, const std::vector<std::string>& body,
                            const std::vector<std::string>& after_note) {
  const std::string rule(static_cast<size_t>(form.width), '-');
  std::vector<std::string> lines = {form.first_line, form.second_line, "", "NOMOR : " + memo.number,
                                    "TANGGAL: " + DateText(memo.date), "", form.addressee};
  lines.insert(lines.end(), form.opening.begin(), form.opening.end());
  lines.insert(lines.end(), {rule, form.columns, rule});
  lines.insert(lines.end(), body.begin(), body.end());
  lines.insert(lines.end(), {"Keterangan : " + memo.note, rule});
  lines.insert(lines.end(), after_note.begin(), after_note.end());
  lines.insert(lines.end(),
               {"Atas perhatian dan kerjasamanya, kami sampaikan terima kasih.", "", "",
                "   Yang menyerahkan                                                       Yang menerima     ", "", "",
                "  (                 )                                                    (              )    ",
                form.receiver, "", "Distribusi : Lbr 1. Marketing,  Lbr 2. Arsip"});
  return PageOf(lines, "S");
}

}  // namespace

frame::ReportPage BackMemoLines(const frame::OpenedTables& tables, const MemoForm& memo) {
  std::vector<std::string> body;
  for (const console::ValueRow& row : memo.rows) {
    if (xbase::IsBlank(CellText(row, kBackNote))) continue;
    body.push_back(Figure(CellNumber(row, kBackNo), "999") + " " + CellText(row, kBackNote) + " " +
                   DateText(CellDate(row, kBackDate)) + " " + DateText(CellDate(row, kBackReal)) + " " +
                   (CellFlag(row, kBackSent) ? "TERKIRIM  " : "TIDAK KRM ") + " " +
                   CustomerText(tables, CellText(row, kBackCustomer), "NAMA") + CellText(row, kBackReason));
  }
  return FormLines(kBackForm, memo, body, {});
}

frame::ReportPage TaxMemoLines(frame::Session&, const MemoForm& memo) {
  std::vector<std::string> body;
  double total = 0;
  for (const console::ValueRow& row : memo.rows) {
    if (xbase::IsBlank(CellText(row, kTaxNote))) continue;
    total += CellNumber(row, kTaxAmount);
    body.push_back(Figure(CellNumber(row, kTaxNo), "999") + " " + CellText(row, kTaxNote) + " " +
                   DateText(CellDate(row, kTaxDate)) + " " + DateText(CellDate(row, kTaxShipping)) + " " +
                   Figure(CellNumber(row, kTaxAmount), "99,999,999,999.99") + " " + CellText(row, kTaxName));
  }
  return FormLines(kTaxForm, memo, body,
                   {"                                     JUMLAH : " + Figure(total, "999,999,999,999.99")});
}

}  // namespace memos
