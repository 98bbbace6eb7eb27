// A scratch folder for the fuzz targets that read their input from a file, and writing the input there.
#ifndef PALUNDA_FUZZ_SCRATCH_FILES_H_
#define PALUNDA_FUZZ_SCRATCH_FILES_H_

#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace fuzz {

// A scratch folder in memory when the machine has one, removed at exit.
inline const std::string& Folder() {
  static const std::string* folder = [] {
    const std::filesystem::path base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
    std::string pattern = (base / "palunda-fuzz-XXXXXX").string();
    auto* made = new std::string(::mkdtemp(pattern.data()));
    std::atexit([] {
      std::error_code ignored;
      std::filesystem::remove_all(Folder(), ignored);
    });
    return made;
  }();
  return *folder;
}

inline void Write(const std::string& path, const uint8_t* data, size_t size) {
  FILE* file = std::fopen(path.c_str(), "wb");
  if (file == nullptr) std::abort();
  if (size > 0 && std::fwrite(data, 1, size, file) != size) std::abort();
  std::fclose(file);
}

}  // namespace fuzz

#endif  // PALUNDA_FUZZ_SCRATCH_FILES_H_
