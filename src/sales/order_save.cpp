// The save of the order screen: the order number's check, the box of delivery-note numbers and their
// checks, the confirmation, then the write.
#include <string>
#include <vector>

#include "console/alert.h"
#include "console/box.h"
#include "console/get.h"
#include "console/keys.h"
#include "console/message.h"
#include "frame/open_table.h"
#include "frame/status_display.h"
#include "pickers/picker_support.h"
#include "sales/sales_order.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace sales {
namespace {

constexpr int kNoteNumberWidth = 20;
// The box holds ten numbers; further ones are asked below it, down to row 23.
constexpr int kMostNotes = 16;

bool Taken(frame::Session& session, std::string_view alias, std::string_view order, std::string_view field,
           std::string_view number, bool* taken) {
  xbase::WorkArea* area = nullptr;
  xbase::Status s = frame::RequireArea(session, alias, &area);
  if (s.ok()) s = area->SetOrder(order);
  if (s.ok()) s = area->Seek(area->PadToField(field, number));
  *taken = s.ok() && area->found();
  return frame::Checked(session, s);
}

}  // namespace

bool CEKORDEREXIST(frame::Session& session, std::string_view order) {
  if (order.find('?') != std::string_view::npos) return false;
  bool taken = false;
  if (!Taken(session, "slsodr1", "SLSODR11", "NOMOR", order, &taken)) return false;
  if (!taken) return true;
  return pickers::Refuse(session, "Nomor Sales Order " + std::string(xbase::RTrim(order)) + " sudah terdaftar");
}

bool CEKSURATJALAN(frame::Session& session, const std::vector<std::string>& notes) {
  for (size_t i = 0; i < notes.size(); ++i) {
    const std::string number(xbase::RTrim(notes[i]));
    if (number.empty()) return pickers::Refuse(session, "nomor sj ke " + std::to_string(i + 1) + " belum diisi");
    for (size_t first = 0; first < i; ++first) {
      if (xbase::RTrim(notes[first]) == number) {
        return pickers::Refuse(session, "nomor sj " + number + " telah diisikan pada urutan ke " +
                                            std::to_string(first + 1));
      }
    }
    bool taken = false;
    if (!Taken(session, "srtjln1", "SRTJLN11", "INVOICE", number, &taken)) return false;
    if (taken) return pickers::Refuse(session, "nomor sj " + number + " sudah digunakan");
    if (!Taken(session, "piutdbt", "PIUTDBT1", "NOTA", number, &taken)) return false;
    if (taken) return pickers::Refuse(session, "nomor sj " + number + " sudah ada di piutang");
  }
  return true;
}

std::vector<std::string> AskNoteNumbers(frame::Session& session, std::vector<std::string> numbers) {
  const int count = static_cast<int>(numbers.size());
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  const std::string colour(con.Pick("W+/b", "W+/w"));
  console::ISHADOW(con, 5, 20, 19, 59, colour);
  console::TENGAH(con, 6, "Data Surat Jalan", colour);
  for (std::string& number : numbers) number = xbase::PadR(number, kNoteNumberWidth);
  console::GetList form;
  for (int n = 1; n <= count; ++n) {
    con.Say(7 + n, 26, "Sj " + xbase::Str(n, 2) + " : ", con.Colour(colour));
    form.Add(7 + n, 34, &numbers[static_cast<size_t>(n - 1)], "@!");
  }
  form.Read(con);
  return numbers;
}

bool SIMPANDATA(frame::Session& session, const SalesOrder& order) {
  const int count = NotesNeeded(order.lines);
  if (count > kMostNotes) {
    return pickers::Refuse(session, "Paling banyak " + std::to_string(kMostNotes * kLinesPerNote) +
                                        " baris dikirim dalam satu order");
  }
  std::vector<std::string> notes;
  if (count > 0) {
    notes = AskNoteNumbers(session, std::vector<std::string>(static_cast<size_t>(count)));
    if (!CEKSURATJALAN(session, notes)) {
      // F10 pressed on the refusal's message asks for the numbers again rather than being lost.
      if (session.console().last_key() == console::key::kF10) session.console().PushKeys({console::key::kF10});
      return false;
    }
  }
  if (console::Alert(session.console(), "Yakin data akan disimpan ?", {"Ya", "Tidak"}) != 1) return false;
  return WriteSalesOrder(session, order, notes);
}

}  // namespace sales
