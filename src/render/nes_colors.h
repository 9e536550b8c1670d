#pragma once

#include <array>
#include <cstdint>

namespace tikaroo {

// The 64 colours of the NES, indexed by NES colour number, as 0x00RRGGBB.
using NesColourTable = std::array<std::uint32_t, 64>;

// The built-in colours.
inline constexpr NesColourTable NesColorSet = {
    0x747474, 0x24188C, 0x0000A8, 0x44009C, 0x8C0074, 0xA80010, 0xA40000, 0x7C0800, // 00-07
    0x402C00, 0x004400, 0x005000, 0x003C14, 0x183C5C, 0x000000, 0x000000, 0x000000, // 08-0F
    0xBCBCBC, 0x0070EC, 0x2038EC, 0x8000F0, 0xBC00BC, 0xE40058, 0xD82800, 0xC84C0C, // 10-17
    0x887000, 0x009400, 0x00A800, 0x009038, 0x008088, 0x000000, 0x000000, 0x000000, // 18-1F
    0xFCFCFC, 0x3CBCFC, 0x5C94FC, 0xCC88FC, 0xF478FC, 0xFC74B4, 0xFC7460, 0xFC9838, // 20-27
    0xF0BC3C, 0x80D010, 0x4CDC48, 0x58F898, 0x00E8D8, 0x787878, 0x000000, 0x000000, // 28-2F
    0xFCFCFC, 0xA8E4FC, 0xC4D4FC, 0xD4C8FC, 0xFCC4FC, 0xFCC4D8, 0xFCBCB0, 0xFCD8A8, // 30-37
    0xFCE4A0, 0xE0FCA0, 0xA8F0BC, 0xB0FCCC, 0x9CFCF0, 0xC4C4C4, 0x000000, 0x000000, // 38-3F
};

// The colours every picture is drawn in: the built-in ones until others are chosen (a .pal file). The
// colours are chosen before drawing starts (drawing threads only read them); pictures drawn before a
// change keep their old colours until drawn again.
const NesColourTable& ActiveNesColours();
void SetActiveNesColours(const NesColourTable& colours);

// A read image may carry colour numbers above 0x3F; only the low six bits choose the colour.
inline std::uint32_t NesColour(std::uint8_t index) {
    return ActiveNesColours()[index & 0x3F];
}

} // namespace tikaroo
