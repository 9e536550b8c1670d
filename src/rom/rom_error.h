#pragma once

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

namespace tikaroo {

// Every failure of the model is one of these, carrying a short text that the window shows verbatim.
class RomError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

namespace errors {
inline constexpr const char* kCorruptFile = "CNROM file corrupt";
inline constexpr const char* kOriginalChrSize = "CHR data of an original image must be 32 KB";
inline constexpr const char* kInvalidPointer = "Invalid pointer operation";
inline constexpr const char* kChrLoadOutOfBank = "out of CHR bank while loading tiles";
inline constexpr const char* kChrStoreOutOfBank = "out of CHR bank while storing tiles";
inline constexpr const char* kTooManyTiles = "too many tiles requested to store";
inline constexpr const char* kBitfieldOutOfRange = "array bitfield is out of range";
inline constexpr const char* kNotEnoughMemory = "Not enough ROM memory";
inline constexpr const char* kWriteError = "Write error";
inline constexpr const char* kLineGeomOverflow = "LineGeom overflow";
inline constexpr const char* kTopLinesOverflow = "TopLines overflow";
inline constexpr const char* kBottomLinesOverflow = "BottomLines overflow";
inline constexpr const char* kBlocksOverflow = "Blocks overflow";
inline constexpr const char* kAttributesOverflow = "Attributes overflow";
inline constexpr const char* kInvalidTile = "Invalid tile requested";
inline constexpr const char* kInvalidSize = "Invalid size";
inline constexpr const char* kNoSuchLevel = "No such level";
inline constexpr const char* kBonusAreaLevelMissing = "The bonus area names a level that does not exist";

// Every text above: a model failure that carries any other text is a fault of the program.
inline constexpr std::array kAll = {
    kCorruptFile,      kOriginalChrSize,     kInvalidPointer,       kChrLoadOutOfBank,   kChrStoreOutOfBank,
    kTooManyTiles,     kBitfieldOutOfRange,  kNotEnoughMemory,      kWriteError,         kLineGeomOverflow,
    kTopLinesOverflow, kBottomLinesOverflow, kBlocksOverflow,       kAttributesOverflow, kInvalidTile,
    kInvalidSize,      kNoSuchLevel,         kBonusAreaLevelMissing};

inline bool IsModelErrorText(std::string_view text) {
    return std::find(kAll.begin(), kAll.end(), text) != kAll.end();
}
} // namespace errors

} // namespace tikaroo
