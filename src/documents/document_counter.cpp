// The document counter: the SETUP row of a prefix and branch that gives each new document its number, locked until
// raised.
#include "documents/document_counter.h"

#include <cmath>

#include "console/alert.h"
#include "console/message.h"
#include "console/table_access.h"
#include "xbase/number_text.h"
#include "xbase/text_functions.h"

namespace documents {

namespace {

// The numeric value of a counter or number text, its letters before the digits left out.
double DigitsValue(const CounterKind& kind, std::string_view text) {
  std::string_view trimmed = xbase::AllTrim(text);
  if (trimmed.starts_with(kind.number_prefix)) trimmed.remove_prefix(kind.number_prefix.size());
  return xbase::Val(trimmed).value;
}

// Unlocks the counter row and hands on `status`.
xbase::Status Release(xbase::WorkArea& setup, xbase::Status status) {
  xbase::Status s = setup.Unlock();
  return status.ok() ? s : status;
}

}  // namespace

std::string NextNumber(const CounterKind& kind, std::string_view last) {
  if (kind.blank_padded) return kind.number_prefix + xbase::Str(DigitsValue(kind, last) + 1, kind.digits, 0);
  // 1 followed by the width's zeros, plus 1 and the value: its last `digits` characters.
  const double base = std::pow(10.0, kind.digits) + 1;
  const std::string text(xbase::AllTrim(xbase::Str(base + DigitsValue(kind, last), kind.digits + 2, 0)));
  return kind.number_prefix + std::string(xbase::Right(text, kind.digits));
}

xbase::Status NumberDocument(console::Console& con, xbase::WorkArea& setup, const CounterKind& kind,
                             std::string_view branch, const NumberTaken& taken, const WriteDocument& write,
                             std::string* number) {
  const std::string key = kind.prefix + std::string(branch);
  xbase::Status s = setup.SetOrder(1);
  if (s.ok()) s = setup.Seek(key);
  if (!s.ok()) return s;
  if (!setup.found()) {
    if (!kind.append_missing) {
      const std::string text = kind.missing.keyed ? kind.missing.before + key + kind.missing.after : kind.missing.before;
      if (!text.empty()) console::Alert(con, text, {"Batal"});
      return xbase::Status::NotFound("counter row", key);
    }
    if (s = console::APP_REC(con, setup); !s.ok()) return s;
    if (s = setup.Put("SETUP", xbase::Value::Text(key)); !s.ok()) return Release(setup, s);
  } else if (s = console::LOCK_REC(con, setup); !s.ok()) {
    return s;
  }
  // The row is locked (and re-read) from here until it is raised.
  const std::string last = setup.Text("KET");
  *number = NextNumber(kind, last);
  for (;;) {
    bool held = false;
    if (s = taken(*number, &held); !s.ok()) return Release(setup, s);
    if (!held) break;
    if (kind.taken == TakenNumber::kRefuse) {
      if (kind.taken_alert) {
        console::Alert(con, kind.taken_alert(*number), {"Batal"});
      } else if (!kind.taken_message.empty()) {
        console::PESAN(con, kind.taken_message);
      }
      return Release(setup, xbase::Status::InUse("document number", *number));
    }
    *number = NextNumber(kind, *number);
  }
  if (s = write(*number); !s.ok()) return Release(setup, s);
  if (DigitsValue(kind, last) < DigitsValue(kind, *number)) {
    s = setup.Put("KET", xbase::Value::Text(*number));
  }
  return Release(setup, s);
}

xbase::Status NameCounter(SaveScope& save, xbase::WorkArea& setup, const CounterKind& kind, std::string_view branch) {
  xbase::Status s = setup.SetOrder(1);
  if (s.ok()) s = setup.Seek(kind.prefix + std::string(branch));
  if (!s.ok()) return s;
  if (setup.found()) {
    save.Update(setup, setup.recno());
  } else if (kind.append_missing) {
    save.Append(setup);
  }
  return s;
}

xbase::Status RaiseCounter(console::Console& con, xbase::WorkArea& setup, std::string_view key,
                           std::string_view number) {
  xbase::Status s = setup.SetOrder(1);
  if (s.ok()) s = setup.Seek(setup.PadToField("SETUP", key));
  if (!s.ok()) return s;
  const bool found = setup.found();
  s = found ? console::LOCK_REC(con, setup) : console::APP_REC(con, setup);
  if (!s.ok()) return s;
  if (!found) s = setup.Put("SETUP", xbase::Value::Text(std::string(key)));
  if (s.ok() && (!found || xbase::Val(setup.Text("KET")).value < xbase::Val(number).value)) {
    s = setup.Put("KET", xbase::Value::Text(std::string(number)));
  }
  return Release(setup, s);
}

}  // namespace documents
