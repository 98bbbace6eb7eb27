// The extended data of a customer: the group company and branch unit chosen from lists the administrator
// keeps in SETUP, the country, and the ledger accounts made from company and unit.
#include <algorithm>
#include <vector>

#include "console/box.h"
#include "console/get.h"
#include "console/message.h"
#include "frame/code_pick.h"
#include "frame/prompts.h"
#include "frame/status_display.h"
#include "masters/customer_form.h"
#include "pickers/picker_support.h"
#include "xbase/text_functions.h"

namespace masters {
namespace {

// SETUP rows of the group companies ("GRPPT" + a code of 5 characters) and of the branch and business
// units ("UNITCB" + a code of 4 characters); KET holds the name.
constexpr std::string_view kCompanyRows = "GRPPT";
constexpr std::string_view kUnitRows = "UNITCB";

constexpr std::string_view kColour = "W+/b";
constexpr int kTop = 5;
constexpr int kEditCol = 34;

struct Choice {
  std::string code;
  std::string name;
};

// The codes of the rows of `prefix` (the key past the prefix, `width` wide) with their names.
xbase::Status Choices(frame::Session& session, std::string_view prefix, size_t width, std::vector<Choice>* choices) {
  std::vector<pickers::SetupEntry> rows;
  const xbase::Status s = pickers::SetupRows(session, prefix, &rows);
  for (const pickers::SetupEntry& row : rows) {
    const std::string key(xbase::RTrim(row.key));
    choices->push_back({xbase::PadR(key.substr(std::min(key.size(), prefix.size())), static_cast<int>(width)),
                        std::string(xbase::AllTrim(row.ket))});
  }
  return s;
}

const Choice* Find(const std::vector<Choice>& choices, std::string_view code) {
  for (const Choice& choice : choices) {
    if (xbase::AllTrim(choice.code) == xbase::AllTrim(code)) return &choice;
  }
  return nullptr;
}

// A code of a fixed list: a code of the list is taken as it is; "?", an empty or an unknown code opens
// the list ("Nama  Keterangan"), whose choice gives the code. False after Esc or with an empty list.
bool ChooseCode(frame::Session& session, const std::vector<Choice>& choices, std::string* code) {
  if (code->find('?') == std::string::npos && !xbase::IsBlank(*code) && Find(choices, *code) != nullptr) return true;
  std::vector<std::string> items;
  for (const Choice& choice : choices) items.push_back(choice.code + " " + choice.name);
  const int chosen = pickers::ChoiceBox(session.console(), items, 7, 20, 19, 62, "6+/b", "Nama  Keterangan", 10);
  if (chosen == 0) return false;
  *code = choices[static_cast<size_t>(chosen - 1)].code;
  return true;
}

// GETCONTRYID: the country must be a code of `negaraId`.
bool GETCONTRYID(frame::Session& session, std::string* country) {
  frame::PickSpec pick;
  pick.alias = "negaraId";
  bool found = false;
  if (!frame::Checked(session, frame::PickAndSeek(session, pick, country, &found))) return false;
  if (found && !xbase::IsBlank(*country)) return true;
  console::PESAN(session.console(), "Country Id " + std::string(xbase::AllTrim(*country)) + " tidak terdaftar");
  return false;
}

void DrawBox(console::Console& con) {
  console::SHADOW(con, kTop, 10, kTop + 15, 72, kColour);
  static constexpr const char* kLabels[] = {
      "Code Id             :", "Cabang              :", "Country Id          :", "COA Piutang         :",
      "COA Terima Giro     :", "COA Kredit Memo     :", "COA Terima Retur    :", "COA Term Disc       :",
      "COA Disc. Available :", "COA Finc. Charge    :", "COA Write Off       :", "COA Giro Mundur     :",
      "COA Over Write Off  :", "COA Sales           :"};
  int row = kTop + 1;
  for (const char* label : kLabels) con.Say(row++, 12, label, con.Colour(kColour));
}

void ShowAccounts(console::Console& con, const Accounts& accounts) {
  for (size_t i = 0; i < accounts.size(); ++i) {
    con.Say(kTop + 4 + static_cast<int>(i), kEditCol, xbase::PadR(accounts[i], 30), con.Colour(kColour));
  }
}

}  // namespace

Accounts CREATECOA(std::string_view company, std::string_view unit) {
  const std::string c(xbase::Right(xbase::AllTrim(company), 3));
  const std::string b(xbase::AllTrim(unit));
  const auto account = [&](std::string_view head, std::string_view tail) {
    return std::string(head) + "-" + c + "-" + b + "-" + std::string(tail);
  };
  return {account("113110000", "0000-00"), account("113120000", "0000-00"), account("113150000", "0000-00"),
          account("113140000", "0000-00"), "",
          account("413030000", "0000-01"), account("801030000", "0000-00"), account("629903000", "B121-00"),
          account("113120000", "0000-00"), account("629903000", "B121-00"), account("411000000", "0000-01")};
}

bool EXTRLS(frame::Session& session, CustomerForm* form) {
  console::Console& con = session.console();
  console::ScreenKeeper keep(con);
  con.SetColour(kColour);
  DrawBox(con);
  std::vector<Choice> companies, units;
  xbase::Status s = Choices(session, kCompanyRows, 5, &companies);
  if (s.ok()) s = Choices(session, kUnitRows, 4, &units);
  if (!frame::Checked(session, s)) return false;
  std::string company = form->company;
  std::string unit = form->unit;
  std::string country = xbase::IsBlank(form->country) ? xbase::PadR("ID", 10) : form->country;
  const auto show_unit_name = [&] {
    const Choice* choice = Find(units, unit);
    con.Say(kTop + 2, kEditCol + 6, xbase::PadR(choice != nullptr ? choice->name : "", 16), con.Colour(kColour));
  };
  for (;;) {
    show_unit_name();
    ShowAccounts(con, form->accounts);
    console::GetList fields;
    fields.Add(kTop + 1, kEditCol, &company, "@!").valid = [&] { return ChooseCode(session, companies, &company); };
    fields.Add(kTop + 2, kEditCol, &unit, "@!").valid = [&] {
      const bool chosen = ChooseCode(session, units, &unit);
      show_unit_name();
      return chosen;
    };
    fields.Add(kTop + 3, kEditCol, &country, "@!").valid = [&] { return GETCONTRYID(session, &country); };
    if (fields.Read(con).escaped) return false;
    const Accounts accounts = CREATECOA(company, unit);
    ShowAccounts(con, accounts);
    if (frame::AnsweredYes(con, "Data sudah benar (Y/T)")) {
      form->company = company;
      form->unit = unit;
      form->country = country;
      form->accounts = accounts;
      return true;
    }
  }
}

}  // namespace masters
