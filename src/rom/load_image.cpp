#include "load_image.h"

#include "conversion.h"
#include "original_rom.h"
#include "rom_error.h"

namespace tikaroo {

namespace {
constexpr std::uint8_t kExpandedMapper = 4;

bool IsExpandedLayout(const CNesRom& rom) {
    return rom.mapper == kExpandedMapper && (rom.prgBanks.size() == 8 || rom.prgBanks.size() == 16) &&
           rom.chrData.size() == kExpandedChrBytes;
}

void ReadAndConvertOriginal(CGameImage& image, const std::string& path) {
    COriginalRom original;
    if (original.ReadRomFile(path) == 0 || original.ReadOriginal() == 0) throw RomError(errors::kCorruptFile);
    ConvertToExpanded(original, image);
    image.MapBank(0);
}
} // namespace

RomLayout DetectLayout(const CNesRom& rom) {
    if (IsExpandedLayout(rom)) return RomLayout::Expanded;
    if (HasOriginalShape(rom)) return RomLayout::Original;
    return RomLayout::Unknown;
}

const char* LayoutName(RomLayout layout) {
    switch (layout) {
    case RomLayout::Expanded:
        return "expanded";
    case RomLayout::Original:
        return "original";
    case RomLayout::Unknown:
        break;
    }
    return "unknown";
}

bool LoadGameImage(CGameImage& image, const std::string& path) {
    if (image.loaded != 0) return false;
    try {
        if (image.ReadRomFile(path) != 0 && IsExpandedLayout(image)) {
            image.SetUpExpanded();
            image.InstallEngineStubs();
            return true;
        }
        image.Reset();
        ReadAndConvertOriginal(image, path);
    } catch (...) {
        image.CloseRom();
        throw;
    }
    return true;
}

} // namespace tikaroo
