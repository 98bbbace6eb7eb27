// Damaging tables and indexes under an open screen, for the tests of read failures.
#include "support/damaged_tables.h"

#include <filesystem>
#include <utility>

#include <gtest/gtest.h>

#include "support/files.h"
#include "xbase/text_functions.h"

namespace support {

std::string CutWithinRecord(const std::string& folder, const std::string& table, uint32_t recno) {
  std::string path;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    if (xbase::Upper(entry.path().filename().string()) == xbase::Upper(table) + ".DBF") path = entry.path().string();
  }
  EXPECT_FALSE(path.empty()) << table << " in " << folder;
  if (path.empty()) return path;
  const std::string bytes = ReadFile(path);
  const auto word = [&](size_t at) {
    return static_cast<uint64_t>(static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8);
  };
  const uint64_t header = word(8), record = word(10);
  std::filesystem::resize_file(path, header + (recno - 1) * record + record / 2);
  return path;
}

namespace {

// Fills the pages of the table's index files after their headers; with `move_version` the header's
// version (the two bytes at offset 2) moves on as a writer's would.
void Damage(const std::string& folder, const std::string& table, bool move_version) {
  int damaged = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string name = xbase::Upper(entry.path().filename().string());
    if (!name.starts_with(xbase::Upper(table)) || !name.ends_with(".NTX")) continue;
    std::string bytes = ReadFile(entry.path().string());
    if (bytes.size() <= 1024) continue;
    if (move_version && ++bytes[2] == '\0') ++bytes[3];
    WriteFile(entry.path().string(), bytes.substr(0, 1024) + std::string(bytes.size() - 1024, '\xFF'));
    ++damaged;
  }
  EXPECT_GT(damaged, 0) << "no index of " << table << " in " << folder;
}

}  // namespace

void DamageIndexPages(const std::string& folder, const std::string& table) { Damage(folder, table, false); }

void DamageOpenIndexPages(const std::string& folder, const std::string& table) { Damage(folder, table, true); }

int DamagingTerminal::ReadKey(int timeout_ms) {
  if (damage_ && read_ == keys_before_) std::exchange(damage_, nullptr)();
  ++read_;
  return ScriptedTerminal::ReadKey(timeout_ms);
}

}  // namespace support
