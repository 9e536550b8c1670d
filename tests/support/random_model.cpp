#include "random_model.h"

#include <algorithm>
#include <numeric>
#include <set>

namespace tikaroo::test {

namespace {

class Dice {
public:
    explicit Dice(std::mt19937& engine) : random(engine) {}
    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
    std::uint8_t Byte(int low = 0, int high = 255) { return static_cast<std::uint8_t>(Int(low, high)); }
    bool Chance(int percent) { return Int(0, 99) < percent; }
    template <typename Container>
    auto Pick(const Container& items) {
        return items[static_cast<std::size_t>(Int(0, static_cast<int>(items.size()) - 1))];
    }
    template <typename Array>
    void Fill(Array& values, int high) {
        for (auto& value : values) value = Byte(0, high);
    }
    std::mt19937& random;
};

LevelRoom RandomRoom(Dice& dice, int setRooms) {
    return LevelRoom{
        dice.Byte(0, setRooms - 1), dice.Byte(0, 3), dice.Byte(0, 7), dice.Byte(0, 7), dice.Byte(0, 3),
        dice.Byte(0, 15),           dice.Byte(0, 15)};
}

void RandomLevelSets(Dice& dice, GameTables& tables, const std::array<int, kGraphicSetCount>& setRooms) {
    tables.levelSets.clear();
    const int count = dice.Int(1, 12);
    while (static_cast<int>(tables.levelSets.size()) < count) {
        LevelSet set;
        set.id = dice.Byte(0, 60);
        const int graphicSet = dice.Int(0, kGraphicSetCount - 1);
        set.attributes = static_cast<std::uint8_t>(dice.Int(0, 1) << 7 | graphicSet << 4 |
                                                   dice.Int(0, 1) << 3 | dice.Int(0, 6));
        set.music = dice.Byte(0, 14);
        dice.Fill(set.tops, 255);
        for (std::size_t i = 0; i < kRoomsPerLevelSet; ++i)
            set.rooms.push_back(RandomRoom(dice, setRooms[graphicSet]));
        tables.levelSets.emplace(set.id, set);
    }
}

ObjectsList RandomList(Dice& dice) {
    ObjectsList list;
    const int count = dice.Int(1, 10);
    for (int i = 0; i < count; ++i) {
        ObjectEntry object;
        object.id = dice.Byte(1, 63);
        // Every fifth object shares the x of the one before (often 0), the rest stand anywhere.
        object.x =
            (i > 0 && dice.Chance(20)) ? list.back().x : 8U * static_cast<std::uint32_t>(dice.Int(0, 1023));
        if (dice.Chance(10)) object.x = 0;
        if (object.id >= kFirstObjectWithParam1) object.param1 = dice.Byte();
        if (object.id >= kFirstObjectWithParam2) object.param2 = dice.Byte();
        list.push_back(object);
    }
    return list;
}

void RandomObjects(Dice& dice, Level& level, std::vector<ObjectsList>& earlier) {
    for (ObjectsList& list : level.objectLists) {
        if (dice.Chance(30)) {
            list.clear();
        } else if (!earlier.empty() && dice.Chance(15)) {
            list = dice.Pick(earlier);
        } else {
            list = RandomList(dice);
            earlier.push_back(list);
        }
    }
}

void RandomLevels(Dice& dice, GameTables& tables, int updaters) {
    std::vector<std::uint8_t> setIds;
    for (const auto& entry : tables.levelSets) setIds.push_back(entry.first);
    std::vector<ObjectsList> earlier;
    tables.levels.assign(kLevelSlotCount, Level{});
    for (std::size_t slot = 0; slot < kLevelSlotCount; ++slot) {
        Level& level = tables.levels[slot];
        level.levelSet = dice.Pick(setIds);
        level.eggValues = dice.Byte();
        if (slot == kBossSlot) continue; // palette set 0, no updater and no objects, as the image has it
        level.paletteSet = dice.Byte(0, 15);
        level.paletteUpdater =
            updaters > 0 && dice.Chance(60) ? dice.Byte(0, updaters - 1) : kNoPaletteUpdater;
        RandomObjects(dice, level, earlier);
    }
    tables.bonusLevels.assign(kBonusLevelCount, Level{});
    for (Level& bonus : tables.bonusLevels) {
        bonus.levelSet = tables.levels[kBossSlot].levelSet;
        bonus.eggValues = tables.levels[kBossSlot].eggValues;
        RandomObjects(dice, bonus, earlier);
    }
}

std::set<std::uint8_t> UsedLevelSets(const GameTables& tables) {
    std::set<std::uint8_t> used;
    for (const Level& level : tables.levels) used.insert(level.levelSet);
    return used;
}

// A load reads 4 rooms for a set that only slot 32 plays, and the highest setRoom as lastSetRoom.
void ShapeLevelSetsAsLoaded(GameTables& tables) {
    std::set<std::uint8_t> playable;
    for (std::size_t slot = 0; slot < kPlayableLevelCount; ++slot)
        playable.insert(tables.levels[slot].levelSet);
    LevelSet& bossSet = tables.levelSets.at(tables.levels[kBossSlot].levelSet);
    if (!playable.contains(bossSet.id)) bossSet.rooms.resize(kBossSlotRooms);
    for (auto& [id, set] : tables.levelSets) {
        set.lastSetRoom = 0;
        for (const LevelRoom& room : set.rooms) set.lastSetRoom = std::max(set.lastSetRoom, room.setRoom);
    }
}

template <typename Entry>
std::uint8_t Largest(const std::vector<Entry>& entries) {
    std::uint8_t largest = 0;
    for (const Entry& entry : entries)
        largest = std::max(largest, *std::max_element(entry.begin(), entry.end()));
    return largest;
}

// Random tables in which every entry up to the last is referenced from the table above.
GraphicSet RandomGraphicSet(Dice& dice, std::uint8_t id, std::uint8_t lastRoom) {
    GraphicSet set;
    set.id = id;
    set.used = 1;
    set.lastRoom = lastRoom;
    const int lineGeomCount = dice.Int(1, 64);
    set.rooms.resize(lastRoom + 1U);
    for (SetRoom& room : set.rooms) dice.Fill(room, lineGeomCount - 1);
    const int topLinesCount = dice.Int(1, 16);
    const int bottomLinesCount = dice.Int(1, 16);
    set.lineGeom.resize(Largest(set.rooms) + 1U);
    for (LineGeom& entry : set.lineGeom)
        entry =
            static_cast<LineGeom>(dice.Int(0, topLinesCount - 1) | dice.Int(0, bottomLinesCount - 1) << 8);
    std::uint8_t lastTop = 0;
    std::uint8_t lastBottom = 0;
    for (const LineGeom entry : set.lineGeom) {
        lastTop = std::max(lastTop, static_cast<std::uint8_t>(entry));
        lastBottom = std::max(lastBottom, static_cast<std::uint8_t>(entry >> 8));
    }
    const int blockCount = dice.Int(1, 48);
    set.topLines.resize(lastTop + 1U);
    for (TopLines& line : set.topLines) dice.Fill(line, blockCount - 1);
    set.bottomLines.resize(lastBottom + 1U);
    for (BottomLines& line : set.bottomLines) dice.Fill(line, blockCount - 1);
    const std::size_t blocks = std::max(Largest(set.topLines), Largest(set.bottomLines)) + 1U;
    set.blocks.resize(blocks);
    for (Block& block : set.blocks) dice.Fill(block, 255);
    set.attributes.resize(blocks);
    for (BlockAttributes& attributes : set.attributes) dice.Fill(attributes, 3);
    return set;
}

void RandomGraphicSets(Dice& dice, GameTables& tables) {
    std::array<int, kGraphicSetCount> lastRoom;
    lastRoom.fill(-1);
    for (const std::uint8_t id : UsedLevelSets(tables)) {
        const LevelSet& set = tables.levelSets.at(id);
        lastRoom[set.GraphicSetId()] = std::max<int>(lastRoom[set.GraphicSetId()], set.lastSetRoom);
    }
    tables.graphicSets.clear();
    for (std::uint8_t id = 0; id < kGraphicSetCount; ++id) {
        GraphicSet unused;
        unused.id = id;
        tables.graphicSets.emplace(
            id,
            lastRoom[id] < 0 ? unused : RandomGraphicSet(dice, id, static_cast<std::uint8_t>(lastRoom[id])));
    }
}

PaletteUpdater RandomUpdater(Dice& dice) {
    PaletteUpdater updater;
    std::vector<std::uint8_t> keys(kRoomsPerLevelSet);
    std::iota(keys.begin(), keys.end(), 0);
    std::shuffle(keys.begin(), keys.end(), dice.random);
    keys.resize(static_cast<std::size_t>(dice.Int(0, 5)));
    for (const std::uint8_t key : keys) {
        PaletteModifier modifier{key, dice.Byte(), {}};
        modifier.entries.resize(static_cast<std::size_t>(dice.Int(0, 4)));
        for (PaletteAttribute& entry : modifier.entries) dice.Fill(entry, 255);
        updater.modifiers.push_back(modifier);
    }
    return updater;
}

void RandomPalettes(Dice& dice, GameTables& tables, int updaters) {
    tables.paletteSets.assign(kPaletteSetCount, PaletteSet{});
    for (PaletteSet& set : tables.paletteSets)
        for (std::size_t i = 0; i < set.size(); ++i) set[i] = i % 4 == 0 ? 0x0F : dice.Byte(0, 63);
    dice.Fill(tables.otherPalettes, 255);
    tables.paletteUpdaters.clear();
    for (int id = 0; id < updaters; ++id)
        tables.paletteUpdaters.emplace(static_cast<std::uint8_t>(id), RandomUpdater(dice));
}

void RandomSettings(Dice& dice, GameTables& tables) {
    const auto speed = [&dice] { return dice.Byte(1, kMaxSpeed); };
    const auto flag = [&dice] { return static_cast<std::uint32_t>(dice.Int(0, 1)); };
    // A braced list draws its values in order, so the same seed gives the same settings.
    tables.gameSettings =
        GameSettings{speed(),           speed(),         speed(),         speed(),          dice.Byte(0, 127),
                     dice.Byte(0, 127), flag(),          flag(),          flag(),           dice.Byte(0, 7),
                     dice.Byte(0, 3),   dice.Byte(0, 3), dice.Byte(0, 2), dice.Byte(1, 10), dice.Byte(1, 9)};
    BonusArea& bonus = tables.bonusArea;
    bonus.area = dice.Byte(0, 31);
    bonus.beginFrom = dice.Byte(0, 3);
    bonus.length = dice.Byte(1, 64 - 16 * bonus.beginFrom);
}

} // namespace

void RandomizeModel(GameTables& tables, std::mt19937& random) {
    Dice dice(random);
    std::array<int, kGraphicSetCount> setRooms;
    for (int& rooms : setRooms) rooms = dice.Int(1, 40);
    const int updaters = dice.Int(0, static_cast<int>(kMaxPaletteUpdaters));
    RandomLevelSets(dice, tables, setRooms);
    RandomLevels(dice, tables, updaters);
    ShapeLevelSetsAsLoaded(tables);
    RandomGraphicSets(dice, tables);
    RandomPalettes(dice, tables, updaters);
    RandomSettings(dice, tables);
}

} // namespace tikaroo::test
