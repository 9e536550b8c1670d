#include "sample_graphic_sets.h"

#include "sample_art.h"
#include "sample_geometry.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace tikaroo::sample {

namespace {

// Sub-palettes by the palette sets' convention: 0 ground, 1 water and sky, 2 leaves, 3 buildings.
constexpr BlockAttributes Whole(std::uint8_t palette) {
    return {palette, palette, palette, palette};
}

// A block: 16 tile kinds (sample_art.cpp) and its palettes, in stored order (bottom right first).
struct Role {
    char name;
    std::string_view kinds;
    BlockAttributes attributes;
};

constexpr std::array kRoles = {
    Role{' ', "                ", Whole(0)}, // sky
    Role{'g', "GGGGDDDDDDDDDDDD", Whole(0)}, // ground with its surface
    Role{'d', "DDDDDDDDDDDDDDDD", Whole(0)},
    Role{'~', "~~~~wwwwwwwwwwww", Whole(1)}, // water with waves
    Role{'w', "wwwwwwwwwwwwwwww", Whole(1)},
    Role{'c', "cccccccccccccccc", Whole(1)}, // cloud
    Role{'C', "CCCCCCCCCCCCCCCC", Whole(2)}, // tree top
    Role{'R', "RRRRRRRRRRRRRRRR", Whole(0)}, // trunk
    Role{'b', "bbbbbbbbbbbbbbbb", Whole(2)}, // bush
    Role{'P', "PPPPPPPP        ", Whole(3)}, // platform
    Role{'B', "BBBBBBBBBBBBBBBB", Whole(3)}, // brick wall
    Role{'S', "SSSSSSSSSSSSSSSS", Whole(3)}, // stone pillar
    Role{'K', "KKKKKKKKKKKKKKKK", Whole(2)}, // big tree top: left and right, upper and lower
    Role{'k', "kkkkkkkkkkkkkkkk", Whole(2)},
    Role{'J', "JJJJJJJJJJJJJJJJ", Whole(2)},
    Role{'j', "jjjjjjjjjjjjjjjj", Whole(2)},
    Role{'Y', "YYYYYYYYYYYYYYYY", Whole(0)}, // big trunk, left and right
    Role{'y', "yyyyyyyyyyyyyyyy", Whole(0)},
    Role{'1', "    GGGGDDDDDDDD", Whole(0)}, // ground rising in steps of 8 pixels
    Role{'2', "        GGGGDDDD", Whole(0)},
    Role{'3', "            GGGG", Whole(0)},
    Role{'s', "GG~~DDwwDDwwDDww", {1, 0, 1, 0}}, // shore: ground on the left, water on the right
    Role{'e', "DDwwDDwwDDwwDDww", {1, 0, 1, 0}},
};

// A column of a room: six blocks of rows 0-5 (a TopLines entry), five of rows 6-10 (BottomLines) and
// what it stands on ('g' ground at row 7, 'r' raised to row 6, '1'-'3' that many steps of 8 pixels
// below 'r', 'w' water).
struct Column {
    char name;
    std::string_view top;
    std::string_view bottom;
    char floor;
};

constexpr std::array kColumns = {
    Column{'.', "      ", " gddd", 'g'}, Column{'t', "     C", "Rgddd", 'g'}, // open ground, tree
    Column{'b', "      ", "bgddd", 'g'}, Column{'c', "   c  ", " gddd", 'g'}, // bush, cloud
    Column{'p', "     P", " gddd", 'g'}, Column{'q', "   P  ", " gddd", 'g'}, // low, high platform
    Column{'h', "      ", "gdddd", 'r'}, Column{'H', "    CR", "gdddd", 'r'}, // raised ground, tree
    Column{'~', "      ", " ~www", 'w'}, Column{'P', "     P", " ~www", 'w'}, // water, platform
    Column{'W', "  BBBB", "Bgddd", 'g'}, Column{'S', "  SSSS", "Sgddd", 'g'}, // wall, pillar
    Column{'[', "    KJ", "Ygddd", 'g'}, Column{']', "    kj", "ygddd", 'g'}, // big tree
    Column{'1', "      ", "1dddd", '1'}, Column{'2', "      ", "2dddd", '2'}, // slope
    Column{'3', "      ", "3dddd", '3'},                                      // slope foot
    Column{'(', "      ", " seee", 'g'},                                      // shore
};

using RoomPlan = std::array<std::string_view, kSampleSetRoomCount>;

// The dozen rooms of each graphic set, four columns each.
constexpr std::array<RoomPlan, kSampleGraphicSetCount> kRoomPlans = {{
    {"....", ".t..", "b..t", "c.c.", ".~~.", "..hH", "Hh..", ".pp.", "t.b.", "~PP~", ".qq.", ".[]t", "321h",
     "h123"},
    {"....", ".S..", "W..W", ".pp.", ".~~.", "..hh", "hh..", "S.qS", ".~P~", ".WW.", "q..q", "c..S", "321h",
     "h123"},
    {"....", ".t..", ".(~~", "~~..", "~~~~", "~PP~", ".b.t", "..hH", "hh..", "c.~.", ".p~p", "[](~", "321H",
     "H123"},
}};

template <typename T>
std::uint8_t IndexIn(std::vector<T>& list, const T& value) {
    auto found = std::find(list.begin(), list.end(), value);
    if (found == list.end()) found = list.insert(list.end(), value);
    return static_cast<std::uint8_t>(found - list.begin());
}

template <typename Table>
const auto& Named(const Table& table, char name) {
    const auto* found =
        std::find_if(table.begin(), table.end(), [name](const auto& e) { return e.name == name; });
    if (found == table.end())
        throw std::logic_error(std::string("sample graphic sets: unknown name '") + name + "'");
    return *found;
}

// Lines of block names become lines of block numbers; blocks are numbered in order of first use.
template <std::size_t N>
std::array<std::uint8_t, N> BlockNumbers(std::string_view names, std::vector<char>& blockNames) {
    std::array<std::uint8_t, N> numbers{};
    for (std::size_t i = 0; i < N; ++i) numbers[i] = IndexIn(blockNames, names[i]);
    return numbers;
}

GraphicSet BuildGraphicSet(std::uint8_t id, const RoomPlan& plan, TileSheet& sheet) {
    GraphicSet set;
    set.id = id;
    set.used = 1;
    set.lastRoom = static_cast<std::uint8_t>(plan.size() - 1);
    std::vector<char> columns;
    for (std::string_view room : plan) {
        SetRoom setRoom{};
        for (std::size_t c = 0; c < setRoom.size(); ++c) setRoom[c] = IndexIn(columns, room[c]);
        set.rooms.push_back(setRoom);
    }
    std::vector<std::string_view> tops;
    std::vector<std::string_view> bottoms;
    for (char name : columns) {
        const Column& column = Named(kColumns, name);
        const auto top = IndexIn(tops, column.top);
        const auto bottom = IndexIn(bottoms, column.bottom);
        set.lineGeom.push_back(static_cast<LineGeom>(top | bottom << 8));
    }
    std::vector<char> blockNames;
    for (std::string_view top : tops) set.topLines.push_back(BlockNumbers<6>(top, blockNames));
    for (std::string_view bottom : bottoms) set.bottomLines.push_back(BlockNumbers<5>(bottom, blockNames));
    for (char name : blockNames) {
        const Role& role = Named(kRoles, name);
        set.blocks.push_back(sheet.MakeBlock(role.kinds));
        set.attributes.push_back(role.attributes);
    }
    return set;
}

std::uint8_t RoomFloorGeom(std::string_view room, const LevelGeometryTables& geometry) {
    std::string floors;
    for (char name : room) floors += Named(kColumns, name).floor;
    return FloorGeomOf(floors, geometry);
}

// One 8 KB CHR bank: the sprite half stays empty (objects are drawn from the editor's own pictures),
// the background half holds the sheet drawn in the bank's theme.
void AppendChrBank(Bytes& chr, const TileSheet& sheet, Theme theme) {
    chr.insert(chr.end(), kChrBankHalf, 0);
    const Bytes background = sheet.PackedTiles(theme);
    chr.insert(chr.end(), background.begin(), background.end());
}

} // namespace

SampleGraphicSets MakeGraphicSets(const LevelGeometryTables& geometry) {
    SampleGraphicSets result;
    TileSheet sheet;
    for (std::size_t g = 0; g < kSampleGraphicSetCount; ++g) {
        result.sets[g] = BuildGraphicSet(static_cast<std::uint8_t>(g), kRoomPlans[g], sheet);
        for (std::size_t r = 0; r < kSampleSetRoomCount; ++r) {
            result.floorGeom[g][r] = RoomFloorGeom(kRoomPlans[g][r], geometry);
        }
    }
    for (int theme = 0; theme < kThemeCount; ++theme)
        AppendChrBank(result.chr, sheet, static_cast<Theme>(theme));
    return result;
}

} // namespace tikaroo::sample
