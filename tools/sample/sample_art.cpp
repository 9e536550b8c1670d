#include "sample_art.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace tikaroo::sample {

namespace {

// An 8x8 picture: '.' is pixel value 0 (not drawn), '1'-'3' the colours of the sub-palette. By the
// palettes' convention 1 is the base colour, 2 the shade and 3 the highlight.
using Pattern = std::array<std::string_view, 8>;

std::uint8_t PatternPixel(const Pattern& pattern, int x, int y) {
    const char c = pattern[static_cast<std::size_t>(y & 7)][static_cast<std::size_t>(x & 7)];
    return c == '.' ? 0 : static_cast<std::uint8_t>(c - '0');
}

// The top of the ground in each theme: grass, a stone slab, a dune with tufts, an iron grating.
constexpr std::array<Pattern, kThemeCount> kGroundTop = {{
    {"3...3...", "3.3.33.3", "33333333", "33333333", "31333133", "11311111", "11111211", "12111111"},
    {"33333333", "31111113", "11111112", "22222222", "11123111", "11121111", "11121111", "22222222"},
    {"........", "..3.....", ".3333...", "33111133", "11111111", "11112111", "11111111", "21111111"},
    {"33333333", "12121212", "21212121", "22222222", "11123111", "11121111", "11121111", "22222222"},
}};

// What lies under it: soil with pebbles, castle bricks, sand, dark bricks.
constexpr std::array<Pattern, kThemeCount> kGround = {{
    {"11111111", "11231111", "11221111", "11111111", "11111231", "11111221", "12111111", "11111111"},
    {"31111112", "11111112", "11111112", "22222222", "11123111", "11121111", "11121111", "22222222"},
    {"11111111", "11121111", "11111111", "11111112", "11111111", "12111111", "11111111", "11111211"},
    {"31111112", "11111112", "11111112", "22222222", "11123111", "11121111", "11121111", "22222222"},
}};

constexpr Pattern kBrick = {"31111112", "11111112", "11111112", "22222222",
                            "11123111", "11121111", "11121111", "22222222"};
constexpr Pattern kWaterTop = {"........", "..3333..", ".322223.", "32111123",
                               "11111111", "11111111", "11221111", "11111111"};
constexpr Pattern kWater = {"11111111", "11111111", "11122111", "12211221",
                            "11111111", "11111111", "21111112", "11111111"};

// Round shapes (tree tops, bushes, clouds) are heaps of discs; a later disc covers an earlier one.
struct Disc {
    int cx, cy, r;
};
struct DiscColours {
    std::uint8_t body, rim, light;
};

template <std::size_t N>
std::uint8_t DiscsPixel(const std::array<Disc, N>& discs, DiscColours colours, int x, int y) {
    std::uint8_t value = 0;
    for (const Disc& disc : discs) {
        const int dx = x - disc.cx;
        const int dy = y - disc.cy;
        const int d2 = dx * dx + dy * dy;
        if (d2 > disc.r * disc.r) continue;
        if (dx + dy > disc.r * 3 / 4) {
            value = colours.rim; // the lower right edge is in shade
        } else if (dx + dy < -disc.r / 2 && 4 * d2 > disc.r * disc.r) {
            value = colours.light; // the upper left edge catches the light
        } else {
            value = colours.body;
        }
    }
    return value;
}

constexpr std::array<Disc, 5> kCanopy = {{{16, 10, 9}, {8, 18, 8}, {24, 18, 8}, {12, 25, 7}, {20, 25, 7}}};
constexpr std::array<Disc, 3> kBush = {{{8, 27, 6}, {24, 27, 6}, {16, 24, 8}}};
// A big tree top of 64 x 64 pixels over two columns and two rows of blocks.
constexpr std::array<Disc, 7> kBigCanopy = {
    {{32, 14, 13}, {17, 27, 12}, {47, 27, 12}, {32, 32, 13}, {22, 48, 12}, {42, 48, 12}, {32, 52, 10}}};
constexpr std::array<Disc, 4> kCloud = {{{9, 19, 6}, {17, 14, 8}, {25, 19, 6}, {16, 21, 6}}};
constexpr DiscColours kLeaves = {1, 2, 3};
constexpr DiscColours kCloudColours = {3, 2, 3};

// A tree trunk in the middle of the block (or of two blocks), with bark lines, widening at the foot.
std::uint8_t TrunkPixel(int x, int y, int halfWidth, int centre = 16) {
    const int left = centre - halfWidth;
    const int right = centre - 1 + halfWidth;
    if (x < left || x > right) return 0;
    if (x == right) return 2;
    const bool bark = (x == centre - 2 && y % 8 < 5) || (x == centre + 1 && (y + 4) % 8 < 3);
    return bark ? 2 : 1;
}

// A plank 12 pixels thick with rounded ends, joints every 8 pixels and a shaded underside.
std::uint8_t PlatformPixel(int x, int y) {
    if (y > 11) return 0;
    const bool end = x == 0 || x == 31;
    if (end && (y == 0 || y == 11)) return 0;
    if (y == 0) return 3;
    if (y >= 9 || x % 8 == 7) return 2;
    return (x % 16 == 3 && (y == 4 || y == 5)) ? 3 : 1;
}

// Square stones of 16 pixels with a lit top left and a shaded bottom right edge.
std::uint8_t StonePixel(int x, int y) {
    const int u = x % 16;
    const int v = y % 16;
    if (u == 15 || v == 15) return 2;
    if (u == 0 || v == 0) return 3;
    return (u > 5 && u < 10 && u - v == 2) ? 2 : 1; // a small crack
}

// One tile kind: how it paints block pixel (x, y), 0-31 each, in a theme. Shapes larger than a block
// are painted in several kinds, each showing the part at (dx, dy) of the shape.
struct Kind {
    char name;
    std::uint8_t (*paint)(Theme theme, int x, int y);
    int dx = 0;
    int dy = 0;
};

std::uint8_t BigCanopy(Theme, int x, int y) {
    return DiscsPixel(kBigCanopy, kLeaves, x, y);
}
std::uint8_t BigRoots(Theme, int x, int y) {
    return TrunkPixel(x, y, 5 + std::max(0, y - 21) / 2, 32);
}

std::size_t ThemeIndex(Theme theme) {
    return static_cast<std::size_t>(theme);
}

constexpr std::array kKinds = {
    Kind{' ', [](Theme, int, int) -> std::uint8_t { return 0; }},
    Kind{'G', [](Theme t, int x, int y) { return PatternPixel(kGroundTop[ThemeIndex(t)], x, y); }},
    Kind{'D', [](Theme t, int x, int y) { return PatternPixel(kGround[ThemeIndex(t)], x, y); }},
    Kind{'B', [](Theme, int x, int y) { return PatternPixel(kBrick, x, y); }},
    Kind{'~', [](Theme, int x, int y) { return PatternPixel(kWaterTop, x, y); }},
    Kind{'w', [](Theme, int x, int y) { return PatternPixel(kWater, x, y); }},
    Kind{'C', [](Theme, int x, int y) { return DiscsPixel(kCanopy, kLeaves, x, y); }},
    Kind{'b', [](Theme, int x, int y) { return DiscsPixel(kBush, kLeaves, x, y); }},
    Kind{'c', [](Theme, int x, int y) { return DiscsPixel(kCloud, kCloudColours, x, y); }},
    Kind{'R', [](Theme, int x, int y) { return TrunkPixel(x, y, 4 + std::max(0, y - 23) / 2); }},
    Kind{'P', [](Theme, int x, int y) { return PlatformPixel(x, y); }},
    Kind{'S', [](Theme, int x, int y) { return StonePixel(x, y); }},
    Kind{'K', BigCanopy},
    Kind{'k', BigCanopy, 32},
    Kind{'J', BigCanopy, 0, 32},
    Kind{'j', BigCanopy, 32, 32},
    Kind{'Y', BigRoots},
    Kind{'y', BigRoots, 32},
};

const Kind& FindKind(char name) {
    const auto* kind =
        std::find_if(kKinds.begin(), kKinds.end(), [name](const Kind& k) { return k.name == name; });
    if (kind == kKinds.end())
        throw std::logic_error(std::string("sample art has no tile kind '") + name + "'");
    return *kind;
}

} // namespace

TileSheet::TileSheet() {
    TileOf(' ', 0, 0); // tile 0 is the empty tile
}

std::uint8_t TileSheet::TileOf(char kind, int column, int row) {
    const Kind& painter = FindKind(kind);
    Look look{};
    for (int theme = 0; theme < kThemeCount; ++theme) {
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                look[static_cast<std::size_t>(theme)][static_cast<std::size_t>(8 * y + x)] = painter.paint(
                    static_cast<Theme>(theme), painter.dx + 8 * column + x, painter.dy + 8 * row + y);
            }
        }
    }
    if (const auto found = numbers.find(look); found != numbers.end()) return found->second;
    if (tiles.size() == kBackgroundTileCount) throw std::logic_error("sample art needs more than 256 tiles");
    const auto number = static_cast<std::uint8_t>(tiles.size());
    tiles.push_back(look);
    numbers.emplace(look, number);
    return number;
}

Block TileSheet::MakeBlock(std::string_view kinds) {
    if (kinds.size() != 16) throw std::logic_error("a sample block needs 16 tile kinds");
    Block block{};
    for (std::size_t i = 0; i < 16; ++i) {
        block[i] = TileOf(kinds[i], static_cast<int>(i % 4), static_cast<int>(i / 4));
    }
    return block;
}

Bytes TileSheet::PackedTiles(Theme theme) const {
    Bytes packed(kBackgroundTileCount * kPackedTileSize, 0);
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        EncodeTile(tiles[i][ThemeIndex(theme)], packed.data() + i * kPackedTileSize);
    }
    return packed;
}

} // namespace tikaroo::sample
