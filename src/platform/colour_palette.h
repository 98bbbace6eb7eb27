// The spreadsheet's default palette of 56 colours, chosen by index.
#ifndef PALUNDA_PLATFORM_COLOUR_PALETTE_H_
#define PALUNDA_PLATFORM_COLOUR_PALETTE_H_

#include <cstdint>
#include <optional>

namespace platform {

inline constexpr int kPaletteSize = 56;

// The RGB value (0xRRGGBB) of colour `index`, 1 to 56; nothing for any other index.
std::optional<uint32_t> PaletteColour(int index);

}  // namespace platform

#endif  // PALUNDA_PLATFORM_COLOUR_PALETTE_H_
