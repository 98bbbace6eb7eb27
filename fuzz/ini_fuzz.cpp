// libFuzzer target over Palunda.ini: the input is the file's text, parsed, written out and parsed
// again, then read as the workstation's settings, whose wrong values are refused with a status.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/workstation_settings.h"
#include "xbase/ini_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const xbase::IniFile ini = xbase::IniFile::Parse(text);
  const xbase::IniFile again = xbase::IniFile::Parse(ini.Format());
  platform::WorkstationSettings settings;
  platform::ReadWorkstationSettings(again, "/nonexistent/palunda", &settings).IgnoreError();  // refused is fine
  return 0;
}
