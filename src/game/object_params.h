#pragma once

#include <cstdint>

namespace tikaroo {

// What the parameter bytes of an object mean, by its id.
enum class ObjectParamKind {
    None,          // no parameters
    Stone,         // no parameters; an odd x / 8 makes it a backward stone
    Beetle,        // 56: height, climb height, sleeping
    Height,        // 57: a height of 0-255
    Bridge,        // 58, 59: top of bridge and handler
    SensingBridge, // 62, 63: a bridge with a sensitivity distance
    Unchanged,     // 60, 61: kept as they are
};

ObjectParamKind ParamKindOf(std::uint8_t id);
// The objects list (0-2) that objects of this id belong to.
std::uint8_t HomeListOf(std::uint8_t id);

// The parameters unpacked; each field is in the range that its control shows.
struct ObjectParams {
    int height = 0;      // beetle 0-7, or 0-255 for id 57
    int climbHeight = 0; // 0-7
    bool sleeping = false;
    int topOfBridge = 0; // -16..15
    int handler = 0;     // 0-7
    int sensitivity = 0; // -128..127
};

ObjectParams UnpackObjectParams(std::uint8_t id, std::uint8_t param1, std::uint8_t param2);

struct PackedParams {
    std::uint8_t param1 = 0;
    std::uint8_t param2 = 0;
};

// The bytes of `params` for `id`; what the id does not use is kept from `old` or set to 0 as the game
// expects.
PackedParams PackObjectParams(std::uint8_t id, const ObjectParams& params, PackedParams old);

} // namespace tikaroo
