#include "object_params.h"

#include <array>

namespace tikaroo {

namespace {

struct IdRange {
    std::uint8_t first;
    std::uint8_t last;
    ObjectParamKind kind;
};

constexpr std::array kKinds = {
    IdRange{4, 5, ObjectParamKind::Stone},       IdRange{56, 56, ObjectParamKind::Beetle},
    IdRange{57, 57, ObjectParamKind::Height},    IdRange{58, 59, ObjectParamKind::Bridge},
    IdRange{60, 61, ObjectParamKind::Unchanged}, IdRange{62, 63, ObjectParamKind::SensingBridge},
};

// Fruits go in the second list, bridges and their handlers in the third.
constexpr IdRange kSecondList{16, 21, ObjectParamKind::None};
constexpr std::uint8_t kFirstOfThirdList = 58;

// Beetle: bits 7-5 height, 4-2 climb height, 1 sleeping. Bridges: bits 7-3 top (signed), 2-0 handler.
constexpr int kHeightShift = 5;
constexpr int kClimbShift = 2;
constexpr int kSleepingBit = 0x02;
constexpr int kTopShift = 3;
constexpr int kThreeBits = 0x07;
constexpr int kFiveBits = 0x1F;

int SignedFiveBits(int value) {
    return value > 15 ? value - 32 : value;
}

std::uint8_t Byte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

} // namespace

ObjectParamKind ParamKindOf(std::uint8_t id) {
    for (const IdRange& range : kKinds)
        if (id >= range.first && id <= range.last) return range.kind;
    return ObjectParamKind::None;
}

std::uint8_t HomeListOf(std::uint8_t id) {
    if (id >= kSecondList.first && id <= kSecondList.last) return 1;
    return id >= kFirstOfThirdList ? 2 : 0;
}

ObjectParams UnpackObjectParams(std::uint8_t id, std::uint8_t param1, std::uint8_t param2) {
    ObjectParams params;
    params.handler = param1 & kThreeBits;
    params.topOfBridge = SignedFiveBits(param1 >> kTopShift);
    params.sensitivity = static_cast<std::int8_t>(param2);
    params.sleeping = (param1 & kSleepingBit) != 0;
    params.climbHeight = (param1 >> kClimbShift) & kThreeBits;
    params.height = ParamKindOf(id) == ObjectParamKind::Height ? param1 : param1 >> kHeightShift;
    return params;
}

PackedParams PackObjectParams(std::uint8_t id, const ObjectParams& params, PackedParams old) {
    const std::uint8_t bridge =
        Byte((params.topOfBridge & kFiveBits) << kTopShift | (params.handler & kThreeBits));
    switch (ParamKindOf(id)) {
    case ObjectParamKind::Beetle:
        return {Byte((params.height & kThreeBits) << kHeightShift |
                     (params.climbHeight & kThreeBits) << kClimbShift | (params.sleeping ? kSleepingBit : 0)),
                0};
    case ObjectParamKind::Height:
        return {Byte(params.height), 0};
    case ObjectParamKind::Bridge:
        return {bridge, old.param2};
    case ObjectParamKind::SensingBridge:
        return {bridge, Byte(params.sensitivity)};
    default:
        return old;
    }
}

} // namespace tikaroo
