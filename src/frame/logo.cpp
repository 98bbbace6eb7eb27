// The background of the main menu: the program's name in block letters.
#include "frame/logo.h"

#include <array>
#include <cstdint>


namespace frame {
namespace {

constexpr int kTopRow = 11;
constexpr uint8_t kBlock = 0xDB;  // full block of code page 437

// "PALUNDA", one '#' per block.
constexpr std::array<std::string_view, 7> kBanner = {
    "#####    ####   ##       ##  ##  ##  ##  #####    #### ",
    "##  ##  ##  ##  ##       ##  ##  ### ##  ##  ##  ##  ##",
    "##  ##  ##  ##  ##       ##  ##  ######  ##  ##  ##  ##",
    "#####   ######  ##       ##  ##  ## ###  ##  ##  ######",
    "##      ##  ##  ##       ##  ##  ##  ##  ##  ##  ##  ##",
    "##      ##  ##  ##       ##  ##  ##  ##  ##  ##  ##  ##",
    "##      ##  ##  ######    ####   ##  ##  #####   ##  ##",
};

}  // namespace

void LOGONE(console::Console& con) {
  const console::Attr attr = con.Colour("W/n");
  const int left = (console::kCols - static_cast<int>(kBanner[0].size())) / 2;
  for (size_t row = 0; row < kBanner.size(); ++row) {
    for (size_t col = 0; col < kBanner[row].size(); ++col) {
      if (kBanner[row][col] != ' ') con.Put(kTopRow + static_cast<int>(row), left + static_cast<int>(col), kBlock, attr);
    }
  }
}

void LOGO1(console::Console& con, std::string_view group) {
  if (group.starts_with("ADMIN")) LOGONE(con);
}

}  // namespace frame
