// What the gift-wrap print entries share: the box asking the branch and the document number, and the
// printed take-out and results forms.
#include "stock/gift_wrap_forms.h"

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/open_table.h"
#include "frame/prompts.h"
#include "frame/report_pages.h"
#include "frame/status_display.h"
#include "pickers/pickers.h"
#include "stock/report_text.h"
#include "xbase/date_functions.h"
#include "xbase/text_functions.h"

namespace stock {

bool PickDocument(frame::Session& session, std::string_view table, const std::vector<std::string>& expressions,
                  const std::vector<std::string>& heads, const std::string& branch, std::string* number) {
  const size_t mark = number->find('?');
  if (mark == std::string::npos) return true;
  frame::PickSpec pick;
  pick.alias = std::string(table);
  pick.expressions = expressions;
  pick.heads = heads;
  pick.result = 2;
  std::string seed = xbase::PadR(branch, 6) + number->substr(0, mark) + "?";
  if (!frame::Checked(session, frame::PickCode(session, pick, &seed))) return false;
  *number = xbase::PadR(xbase::AllTrim(seed), 10);
  return true;
}

bool AskBranchAndNumber(frame::Session& session, const std::string& title, std::string* branch, std::string* number,
                        const std::function<bool()>& branch_valid, const std::function<bool()>& number_valid) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string_view colour = con.Pick("W+/b,Gr+/r", "W+/n,n/w");
  console::ISHADOW(con, 8, 18, 14, 62, colour);
  console::TENGAH(con, 9, title, colour);
  con.Say(11, 22, "CABANG :", con.Colour(colour));
  con.Say(12, 22, "NOMOR  :", con.Colour(colour));
  console::GetList form;
  form.Add(11, 31, branch, "@!").valid = [&] { return xbase::IsBlank(*branch) || branch_valid(); };
  form.Add(12, 31, number, "@!").valid = [&] { return xbase::IsBlank(*branch) || number_valid(); };
  return !form.Read(con).escaped && !xbase::IsBlank(*branch);
}

void RunFormEntry(frame::Session& session, const frame::OpenedTables& tables, bool results) {
  console::Console& con = session.console();
  std::string branch(6, ' ');
  for (;;) {
    std::string number(10, ' ');
    xbase::Date date;
    std::vector<FormEntry> entries;
    const auto number_valid = [&] {
      if (!PickDocument(session, results ? "kd_gl21" : "kd_gl11", {"KDCB", "NOMOR", "TANGGAL", "TG_INPUT", "CETAK"},
                        {"Cabang", "Nomor", "Tanggal", "Tg Input", "Cetak"}, branch, &number)) {
        return false;
      }
      bool found = false;
      const xbase::Status s = results ? ResultEntries(tables, branch, number, &date, &entries, &found)
                                      : TakeOutEntries(tables, branch, number, &date, &entries, &found);
      if (!frame::Checked(session, s)) return false;
      if (!found) {
        console::PESAN(con, results ? "Nomor hasil gulung tidak ada" : "Nomor pemgambilan kertas kado lembaran tidak ada");
      }
      return found;
    };
    const auto branch_valid = [&] {
      return results ? pickers::CARICABANG(session, &branch) : pickers::GETCB(session, branch);
    };
    if (!AskBranchAndNumber(session, results ? " CETAK BUKTI PENYERAHAN HASIL GULUNG " : " CETAK BUKTI PENGAMBILAN ",
                            &branch, &number, branch_valid, number_valid)) {
      return;
    }
    if (!frame::AnsweredYes(con, "Cetak Form & Approval (Y/T)")) continue;
    bool posted = false;
    const xbase::Status s = results ? PostResults(session, tables, branch, number, date, entries, &posted)
                                    : PostTakeOut(session, tables, branch, number, date, entries, &posted);
    if (frame::Checked(session, s) && posted) PrintGiftWrapForm(session, results, number, date, entries);
  }
}

frame::ReportLayout GiftWrapLayout(int width) {
  frame::ReportLayout layout = StockLayout(width, "GULUNG KADO", 2);
  return layout;
}

bool PrintGiftWrapForm(frame::Session& session, bool results, const std::string& number, xbase::Date date,
                       const std::vector<FormEntry>& entries) {
  const int indent = results ? 53 : 49;
  const std::string rule(results ? 75 : 73, '-');
  frame::ReportPage page;
  const auto add = [&](std::string text, std::string controls = "N") { page.push_back({std::move(text), std::move(controls), 0}); };
  if (!results) add("");
  if (results) {
    add("BUKTI PENYERAHAN HASIL PENGGULUNGAN/PERAKITAN", "BN");
  } else {
    add("BUKTI PENGAMBILAN BARANG UNTUk DIGULUNG/DIRAKIT");
  }
  add(std::string(indent, ' ') + "NOMOR   : " + number, "BHN");
  add(std::string(indent, ' ') + "TANGGAL : " + xbase::Dtoc(date));
  add("");
  add(rule);
  add(results ? "NO. GDNG KODE       NAMA                  QUANTITY PER KETERANGAN          "
              : "NO. GDNG KODE         NAMA                  QUANTITY KETERANGAN          ");
  add(rule, results ? "N" : "H");
  int n = 0;
  for (const FormEntry& e : entries) {
    std::string line = Fig(++n, "999 ") + e.warehouse + " " + e.code + " " + Cut(e.name, 20);
    line += results ? Fig(e.quantity, " 9,999,999") + Fig(e.per_unit, " 999") : Fig(e.quantity, " 9,999,999 ") + e.remark;
    add(line);
  }
  add(rule);
  add("");
  add("      Mengetahui          Yang Menyerahkan          Yang Menerima      ");
  for (int i = 0; i < 3; ++i) add("");
  add(" (................)     (..................)     (..................)  ");
  return frame::PrintPages(session, {page}, GiftWrapLayout(94));
}

}  // namespace stock
