// The lookups of code fields: each checks a code typed in a form against its master table ("?"
// opens the pick list by code, "/" by name where the table has one), refuses it with a message
// where the rules say so, and hands back values of the record found. The caller has the table open
// under the alias named with each routine. A read that fails is shown on row 24 and refuses the code.
#ifndef PALUNDA_PICKERS_PICKERS_H_
#define PALUNDA_PICKERS_PICKERS_H_

#include <string>
#include <string_view>

#include "frame/session.h"
#include "xbase/status.h"

namespace pickers {

// The branch code of a customer (`setup`): the first 6 characters of KET of the first "CABANG" row
// whose key begins with "CABANG" + the code's first 4, 3, 2 or 1 characters, tried in that order; blank
// without one. A failed read of `setup` is given back.
[[nodiscard]] xbase::Status TENTUKANKODECABANG(frame::Session& session, std::string_view customer, std::string* branch);

// `mastcus`: true when the trimmed code is a customer ("Relasi tidak terdaftar" otherwise);
// *branch := its branch code.
bool LCGETCUSTOMER(frame::Session& session, std::string* code, std::string* branch);

// `mastbrj`: an empty code gives `allow`; otherwise *code_out := the code, true when it is a good.
bool GETKODEBRG(frame::Session& session, std::string* code, bool allow = true, std::string* code_out = nullptr);

// `mastgdg`: an empty code gives `allow`; a warehouse found gives true and *branch := KDCB.
bool CEKGUDANG(frame::Session& session, std::string* code, bool allow = true, std::string* branch = nullptr);

// `mastsls`: an empty code is refused; a salesman found gives true and *group := KELOMPOK.
bool CSALES(frame::Session& session, std::string* code, std::string* group = nullptr);

// The values a sale type hands back.
struct SaleType {
  bool editing = false;
  bool rounding = false;
  std::string price_field;  // "field->" + PRICE
};
// `Tipe` (and `setup`, `mastcus` for the customer's group): see the rules of each refusal.
bool CTIPE(frame::Session& session, std::string* type, SaleType* values, bool allow = false, bool editable_only = false,
           std::string_view customer = {});

// `perush`: an empty code gives `allow`; an unknown one is refused ("Kode Perusahaan Belum terdaftar")
// unless allowed. *name := NAMA (blank when unknown), shown at (row, col) when row >= 0.
bool CID(frame::Session& session, std::string* code, std::string* name, std::string_view colour, bool allow = false,
         int row = -1, int col = 0);

// `mastsup`: true when found (name and city handed back), else `otherwise`.
bool GETSUPLIER(frame::Session& session, std::string* code, bool otherwise, std::string* name = nullptr,
                std::string* city = nullptr);

// `setup`: the branch list of the "CABANG" rows; "?" picks from it. An empty code is valid only when
// allowed; another is valid when a branch line begins with it.
bool CARICABANG(frame::Session& session, std::string* code, bool allow_empty = false, std::string_view colour = "gr+/br");

// `Cabang`: true when found; name, salesman and customer of the branch handed back.
bool CARICABANG_(frame::Session& session, std::string* code, std::string* name = nullptr, std::string* sales = nullptr,
                 std::string* relasi = nullptr);

// `pareto`: true when found; *name := NAMA.
bool GETPARETO(frame::Session& session, std::string* code, std::string* name = nullptr);

// `databm`: true when the code is empty or an area manager.
bool CBMMGR(frame::Session& session, std::string* code);

// `patron`: true when found; name, KEL and PARETO handed back.
bool CARIPATRON(frame::Session& session, std::string* code, std::string* name = nullptr, std::string* kel = nullptr,
                std::string* pareto = nullptr);

// `stokbrg` (with `mastbrj` for the names): "?" in *code opens the pick list of the stock rows of
// `warehouse` in warehouse + code order ("GDG", "KODE", "NAMA", "STOCK"), from the text typed before
// the mark; the code of the row chosen replaces *code. False when the list could not be shown.
bool PickStock(frame::Session& session, std::string_view warehouse, std::string* code);

// `setup`: true when a key begins with the trimmed code.
bool GETCB(frame::Session& session, std::string_view code);

// `setup`: an empty group is accepted; "?" lists the outlet groups; true when "OUTLET" + the
// group's first 4 characters is a row.
bool GETCUSTOMKEL(frame::Session& session, std::string* group);

}  // namespace pickers

#endif  // PALUNDA_PICKERS_PICKERS_H_
