#pragma once

#include "bytes.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace tikaroo::bps {

inline constexpr std::string_view kMagic = "BPS1";
// Source, target and patch CRC-32, four bytes each, little-endian.
inline constexpr std::size_t kFooterSize = 12;

enum Action : std::uint8_t { kSourceRead = 0, kTargetRead = 1, kSourceCopy = 2, kTargetCopy = 3 };
inline constexpr unsigned kActionBits = 2;

// Numbers take 7 bits a byte, lowest first; the last byte has bit 7 set. Each value has one encoding.
void PutNumber(Bytes& out, std::uint64_t value);
std::size_t NumberSize(std::uint64_t value);
// A cursor move: the distance shifted left once, the low bit set for a move backwards.
std::uint64_t CursorMove(std::int64_t delta);

std::uint32_t Crc32(std::span<const std::uint8_t> bytes);
void PutCrc32(Bytes& out, std::uint32_t crc);

} // namespace tikaroo::bps
