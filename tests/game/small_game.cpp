#include "small_game.h"

#include "game/table_readers.h"
#include "support/expanded_image.h"

namespace tikaroo::test {

void MakeSmallGame(CGameImage& image, GameTables& tables) {
    MakeExpandedImage(image);
    WriteMinimalGame(image);
    ReadAllTables(image, tables);
}

Bytes BitsToBytes(std::string_view bits) {
    Bytes bytes;
    int used = 0;
    for (const char bit : bits) {
        if (bit == ' ') continue;
        if (used == 0) bytes.push_back(0);
        if (bit == '1') bytes.back() |= static_cast<std::uint8_t>(0x80 >> used);
        used = (used + 1) % 8;
    }
    return bytes;
}

Bytes BytesAt(CGameImage& image, int bank, CpuPtr address, std::size_t count) {
    image.MapBank(bank);
    Bytes bytes;
    image.ReadBlock(address, count, bytes);
    return bytes;
}

} // namespace tikaroo::test
