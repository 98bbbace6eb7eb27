// The acknowledgement an instrument's customer takes home, printed raw on the dot matrix.
#include <string>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/dot_matrix_print.h"
#include "frame/open_table.h"
#include "frame/report_controls.h"
#include "frame/status_display.h"
#include "receivables/keyed_seek.h"
#include "receivables/tgiro.h"
#include "text/amount_in_words.h"
#include "xbase/date_functions.h"
#include "xbase/picture.h"
#include "xbase/text_functions.h"

namespace receivables {
namespace {

constexpr const char* kEndOfLine = "\r\n";

// Looks the typed number up ("?" picks in number order, "/" in received-date order); false after a
// message when it is not registered.
bool FindInstrument(frame::Session& session, xbase::WorkArea& instruments, std::string* number) {
  frame::PickSpec pick;
  pick.alias = "GIRODBT";
  pick.expressions = {"nomor", "tg_terima", "relasi", "debet"};
  pick.heads = {"Nomor", "Tg. Terima", "Relasi", "Nilai"};
  pick.by_name = true;
  bool found = false;
  xbase::Status s = frame::PickCode(session, pick, number);
  if (s.ok()) s = SeekExact(instruments, "GIRODBT1", "NOMOR", *number, &found);
  *number = xbase::PadR(*number, 20);
  if (!frame::Checked(session, s)) return false;
  if (found) return true;
  console::PESAN(session.console(), "giro / tranfer tidak ketemu");
  return false;
}

}  // namespace

std::string AcknowledgementBytes(const Acknowledgement& a) {
  std::string out;
  const auto line = [&](const std::string& text, bool spaced) {
    out += text + kEndOfLine;
    if (spaced) out += kEndOfLine;
  };
  line("     TANDA TERIMA GIRO/TRANFER", true);
  line("     Nomor Giro/ Tranfer  : " + a.number, true);
  line("     Tanggal Jatuh Tempo  : " + xbase::Dtoc(a.due), true);
  line("     Relasi               : " + a.notes, true);
  line("     Diterima Bank        : " + a.bank, true);
  line("     Nominal              : " + xbase::Transform(xbase::Value::Num(a.amount), " 9,999,999,999.99"), true);
  line("     Terbilang            : ", false);
  const text::AmountLines words = text::TERBILANG(a.amount, 2);
  for (const std::string& part : {words.first, words.second}) {
    if (!part.empty()) line(std::string(28, ' ') + frame::kCondensedOn + part + frame::kCondensedOff, false);
  }
  line("", false);
  line("", false);
  line("     Dibuat oleh                 Dicek oleh             Mengetahui", false);
  line("", false);
  line("", false);
  line("", false);
  line("    (             )            (              )     (              )", false);
  line("       Marketing                  Accounting           Accounting   ", false);
  line("", false);
  line(std::string("    ") + frame::kCondensedOn + "tgl. cetak : " + xbase::Dtoc(a.printed) + frame::kCondensedOff, false);
  out += frame::kFormFeed;
  return out;
}

xbase::Status GIROTT(frame::Session& session, const std::vector<xbase::Value>&) {
  console::Console& con = session.console();
  const frame::OpenedTables tables = frame::OpenTables(session, {"GIRODBT", {"MASTACC", "account"}});
  if (!tables) return xbase::Status::OK();
  xbase::WorkArea& instrument = tables["GIRODBT"];
  xbase::WorkArea& accounts = tables["account"];
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/n"));
  for (;;) {
    console::SHADOW(con, 9, 15, 13, 64, colour);
    console::TENGAH(con, 10, "Tanda Terima Giro/Tranfer", colour);
    con.Say(12, 17, "Nomor :", con.Colour(colour));
    std::string number(20, ' ');
    console::GetList form;
    form.Add(12, 25, &number, "@!").valid = [&] { return FindInstrument(session, instrument, &number); };
    if (form.Read(con).escaped || xbase::IsBlank(number)) break;
    Acknowledgement a{instrument.Text("NOMOR"), instrument.DateOf("TANGGAL"), instrument.Text("NOTES"), "",
                      instrument.Number("DEBET"), session.Today()};
    // The bank is printed: an account that cannot be read prints nothing (a missing one prints blank).
    bool found = false;
    if (!frame::Checked(session, SeekExact(accounts, "MASTACC1", "ACCOUNT", instrument.Text("ACCOUNT"), &found))) {
      continue;
    }
    if (found) a.bank = accounts.Text("DESCRIP");
    console::PESAN(con, "Siapkan printer, tekan sembarang tombol utuk cetak");
    frame::PrintRawForm(session, "GIROTT", AcknowledgementBytes(a));
  }
  session.CloseTables();
  return xbase::Status::OK();
}

}  // namespace receivables
