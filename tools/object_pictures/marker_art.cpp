#include "marker_art.h"

#include "hex_font.h"
#include "index_picture.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <stdexcept>
#include <string>

namespace tikaroo::art {
namespace {

// Where the marker's anchor (the object's position) falls inside the cell.
constexpr double kAnchorX = 64;
constexpr double kAnchorY = 66;
constexpr int kIdScale = 3;
constexpr int kIdTop = 40; // the id sits just above the anchor dot
constexpr int kLetterScale = 8;

constexpr std::uint32_t kTextColour = 0xFFFFFF;
constexpr std::uint32_t kTextOutline = 0x000000;
constexpr std::uint32_t kLetterColour = 0xFFD820;

// Bridges come last: they are coloured per tileset, the others by kFamilyColours.
enum class Family { Walker, Flyer, Hanging, Stone, Fruit, Item, Beetle, Climber, Platform, Bridge };

struct FamilyRange {
    std::uint8_t firstId;
    std::uint8_t lastId;
    Family family;
};

constexpr std::array<FamilyRange, 19> kFamilies{{
    {1, 3, Family::Walker},    {4, 5, Family::Stone},     {6, 8, Family::Walker},
    {9, 10, Family::Flyer},    {11, 11, Family::Hanging}, {12, 14, Family::Walker},
    {15, 15, Family::Flyer},   {16, 20, Family::Fruit},   {21, 24, Family::Item},
    {25, 31, Family::Walker},  {32, 37, Family::Flyer},   {38, 39, Family::Hanging},
    {40, 47, Family::Walker},  {48, 55, Family::Flyer},   {56, 56, Family::Beetle},
    {57, 57, Family::Climber}, {58, 59, Family::Bridge},  {60, 61, Family::Platform},
    {62, 63, Family::Bridge},
}};

struct Palette {
    std::uint32_t fill;
    std::uint32_t outline;
};

constexpr std::array<Palette, 9> kFamilyColours{{
    {0xE03C28, 0x581010}, // walkers
    {0xA050E0, 0x301050}, // flyers
    {0x30C8D8, 0x0C3C48}, // hanging
    {0x9C9C94, 0x383834}, // stones
    {0xF08418, 0x602808}, // fruits
    {0xF0C020, 0x604808}, // items
    {0x8C5A2C, 0x2C1808}, // beetle
    {0x48B848, 0x103C10}, // climber
    {0x3878E8, 0x0C2058}, // platforms
}};
constexpr std::uint32_t kLeafColour = 0x38B030;
// One plank colour per bridges tileset, so a level's bridges show which set they use.
constexpr std::array<Palette, kBridgeVariantCount> kBridgeColours{{
    {0xB07838, 0x40240C},
    {0x98A0A8, 0x303438},
    {0x60B050, 0x1C3C14},
    {0x5890E0, 0x142C58},
    {0xD05050, 0x4C1414},
    {0x40B8B0, 0x103C38},
    {0xB070D0, 0x381C48},
    {0xD8C080, 0x4C4020},
}};

Family FamilyOf(int id) {
    const auto range = std::find_if(kFamilies.begin(), kFamilies.end(),
                                    [id](const FamilyRange& r) { return id >= r.firstId && id <= r.lastId; });
    if (range == kFamilies.end()) throw std::logic_error("no marker family for object " + std::to_string(id));
    return range->family;
}

Mask RegularPolygon(int corners, double radius, double startAngle) {
    std::vector<std::pair<double, double>> points;
    for (int i = 0; i < corners; ++i) {
        const double angle = startAngle + 2 * std::numbers::pi * i / corners;
        points.emplace_back(kAnchorX + radius * std::cos(angle), kAnchorY + radius * std::sin(angle));
    }
    return Mask::Polygon(points);
}

Mask ShapeOf(Family family) {
    switch (family) {
    case Family::Walker:
        return Mask::Ellipse(kAnchorX, 64, 28, 28)
            .Add(Mask::Ellipse(50, 92, 9, 5))
            .Add(Mask::Ellipse(78, 92, 9, 5));
    case Family::Flyer:
        return Mask::Polygon({{64, 32}, {102, 66}, {64, 100}, {26, 66}});
    case Family::Hanging:
        return Mask::Polygon({{28, 34}, {100, 34}, {64, 102}}).Add(Mask::Rect(62, 6, 4, 28));
    case Family::Stone:
        return Mask::Ellipse(kAnchorX, 70, 32, 26);
    case Family::Fruit:
        return Mask::Ellipse(kAnchorX, 72, 25, 25).Add(Mask::Rect(63, 40, 3, 8));
    case Family::Item:
        return RegularPolygon(6, 31, 0);
    case Family::Beetle: {
        Mask beetle = Mask::Ellipse(kAnchorX, 70, 32, 22);
        for (const int y : {58, 69, 80}) beetle.Add(Mask::Rect(22, y, 84, 3));
        return beetle;
    }
    case Family::Climber: {
        Mask ladder = Mask::Rect(42, 28, 6, 74).Add(Mask::Rect(80, 28, 6, 74));
        for (const int y : {34, 50, 66, 82, 96}) ladder.Add(Mask::Rect(42, y, 44, 4));
        return ladder;
    }
    case Family::Platform:
        return Mask::Rect(24, 64, 80, 12);
    case Family::Bridge:
        break;
    }
    throw std::logic_error("bridges are drawn per tileset");
}

std::string Hex(int value, std::size_t digits) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text(digits, '0');
    for (std::size_t i = digits; i-- > 0; value >>= 4) text[i] = kDigits[value & 0xF];
    return text;
}

// White text with a black border, centred on x = kAnchorX.
void PaintLabel(IndexPicture& picture, const std::string& text, int top, int scale, int border) {
    const Mask mask = TextMask(text, static_cast<int>(kAnchorX) - TextWidth(text, scale) / 2, top, scale);
    const std::uint8_t fill = picture.AddColour(kTextColour);
    picture.PaintOutlined(mask, fill, picture.AddColour(kTextOutline), border);
}

void PaintShape(IndexPicture& picture, const Mask& shape, Palette colours) {
    const std::uint8_t fill = picture.AddColour(colours.fill);
    picture.PaintOutlined(shape, fill, picture.AddColour(colours.outline), 2);
}

IndexPicture DrawLetter(int letter) {
    IndexPicture picture;
    const std::string text(1, static_cast<char>('A' + letter));
    const int top = static_cast<int>(kAnchorY) - kGlyphHeight * kLetterScale / 2;
    const Mask mask =
        TextMask(text, static_cast<int>(kAnchorX) - TextWidth(text, kLetterScale) / 2, top, kLetterScale);
    const std::uint8_t fill = picture.AddColour(kLetterColour);
    picture.PaintOutlined(mask, fill, picture.AddColour(kTextOutline), 3);
    return picture;
}

IndexPicture DrawBridge(int id, int variant) {
    IndexPicture picture;
    const Palette colours = kBridgeColours[static_cast<std::size_t>(variant)];
    const std::uint8_t fill = picture.AddColour(colours.fill);
    const std::uint8_t outline = picture.AddColour(colours.outline);
    picture.PaintOutlined(Mask::Rect(12, 62, 104, 14), fill, outline, 2);
    for (int x = 25; x < 116; x += 13) picture.Paint(Mask::Rect(x, 62, 2, 14), outline);
    PaintLabel(picture, Hex(id, 2), kIdTop - 4, kIdScale, 2);
    if (variant > 0) PaintLabel(picture, Hex(variant, 1), 82, 2, 2); // the tileset number, under the plank
    return picture;
}

IndexPicture DrawObject(int id) {
    IndexPicture picture;
    const Family family = FamilyOf(id);
    PaintShape(picture, ShapeOf(family), kFamilyColours.at(static_cast<std::size_t>(family)));
    if (family == Family::Fruit) picture.Paint(Mask::Ellipse(84, 44, 11, 5), picture.AddColour(kLeafColour));
    PaintLabel(picture, Hex(id, 2), kIdTop, kIdScale, 2);
    return picture;
}

// The bridge object and tileset an alternative bridge picture stands for, if `slot` is one.
std::optional<std::pair<int, int>> BridgeVariantOf(int slot) {
    for (int variant = 1; variant < kBridgeVariantCount; ++variant) {
        const int id = slot - kBridgeVariantStride * variant;
        if (std::find(kBridgeObjectIds.begin(), kBridgeObjectIds.end(), id) != kBridgeObjectIds.end())
            return std::pair{id, variant};
    }
    return std::nullopt;
}

IndexPicture DrawSlot(int slot) {
    if (slot >= kFirstLetterPicture && slot < kFirstLetterPicture + kLetterPictureCount)
        return DrawLetter(slot - kFirstLetterPicture);
    if (const auto bridge = BridgeVariantOf(slot)) return DrawBridge(bridge->first, bridge->second);
    if (slot < 1 || slot > kLastObjectPicture)
        throw std::logic_error("no picture for slot " + std::to_string(slot));
    if (FamilyOf(slot) == Family::Bridge) return DrawBridge(slot, 0);
    return DrawObject(slot);
}

} // namespace

PictureRecord DrawObjectPicture(std::uint8_t slot) {
    const IndexPicture picture = DrawSlot(slot);
    return PictureRecord{slot, kSide, kSide, picture.Colours(), picture.Pixels()};
}

} // namespace tikaroo::art
