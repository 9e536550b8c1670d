#include "game/fixed_locations.h"
#include "game/table_encoding.h"
#include "sample_game.h"

#include <algorithm>
#include <map>
#include <stdexcept>

namespace tikaroo::sample {

namespace {

template <typename Values, typename Widths>
Bytes PackFields(const Values& values, const Widths& widths) {
    BitPacker packer;
    for (std::size_t i = 0; i < widths.size(); ++i) packer.Put(values[i], widths[i]);
    return packer.Packed();
}

Bytes PackRoom(const LevelRoom& r) {
    const std::array<std::uint8_t, 7> fields = {r.setRoom,    r.scroll,       r.background, r.floorShift,
                                                r.slideFloor, r.fruitsHeight, r.floorGeom};
    return PackFields(fields, encoding::kLevelRoomFieldBits);
}

Bytes EncodeObjectsList(const ObjectsList& list) {
    using namespace encoding;
    BitPacker packer;
    packer.Put(list.front().x / kObjectPositionUnit, kObjectsStartBits);
    for (std::size_t j = 0; j < list.size(); ++j) {
        const ObjectEntry& entry = list[j];
        packer.Put(entry.id, kObjectIdBits);
        if (entry.id >= kFirstObjectWithParam1) packer.Put(entry.param1, kObjectParamBits);
        if (entry.id >= kFirstObjectWithParam2) packer.Put(entry.param2, kObjectParamBits);
        const std::uint32_t here = entry.x / kObjectPositionUnit;
        const std::uint32_t next = j + 1 < list.size() ? list[j + 1].x / kObjectPositionUnit : 0;
        if (j + 1 < list.size() && next >= here && next - here < (1u << kObjectStepBits)) {
            packer.Put(0, kObjectLongFlagBits);
            packer.Put(next - here, kObjectStepBits);
        } else {
            if (j + 1 < list.size() && next == 0)
                throw std::logic_error("a sample object after the first at x 0");
            packer.Put(1, kObjectLongFlagBits);
            packer.Put(next, kObjectPositionBits); // a position of 0 ends the list
        }
    }
    return packer.Packed();
}

// Appends `bytes` to `fill` unless the same bytes are there already; returns their address.
CpuPtr AppendShared(TableFill& fill, PlacedBytes<CpuPtr>& placed, const Bytes& bytes) {
    const auto found = placed.find(bytes);
    if (found != placed.end()) return found->second;
    const CpuPtr address = fill.Append(bytes);
    placed.emplace(bytes, address);
    return address;
}

Bytes WordBytes(std::uint16_t word) {
    return {static_cast<std::uint8_t>(word & 0xFF), static_cast<std::uint8_t>(word >> 8)};
}

void AppendWord(Bytes& bytes, std::uint16_t word) {
    bytes.push_back(static_cast<std::uint8_t>(word & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(word >> 8));
}

// A table of one byte per item, at its place, with its pointer word at a fixed location.
template <typename Items, typename ByteOf>
void PutByteTable(ProgramImage& image, const TablePlace& place, CpuPtr pointer, const Items& items,
                  ByteOf byteOf) {
    Bytes bytes;
    for (const auto& item : items) bytes.push_back(byteOf(item));
    TableFill fill(image, place);
    image.PutPointer(pointer, place, fill.Append(bytes));
    fill.Finish();
}

void PutSettings(ProgramImage& image, const GameSettings& s, const BonusArea& bonus) {
    using namespace layout;
    if (s.safeMode != 0 || s.beginArea != 0 || s.beginRound != 0 || s.beginFrom != 0 || s.weapon != 0) {
        throw std::logic_error("the conversion clears safe mode, the start and the weapon");
    }
    image.PutByte("speed", kSpeed, s.speed);
    image.PutByte("extra speed", kExtraSpeed, s.extraSpeed);
    image.PutByte("skateboard speed", kSbSpeed, s.sbSpeed);
    image.PutByte("extra skateboard speed", kExtraSbSpeed, s.extraSbSpeed);
    image.PutByte("jump", kJump, static_cast<std::uint8_t>(-s.jump));
    image.PutByte("extra jump", kExtraJump, static_cast<std::uint8_t>(-s.extraJump));
    image.PutByte("holes", kHoles, s.holes ? kHolesOn : kHolesOff);
    image.PutByte("grab skateboards", kGrabSkateboards, s.grabSkateboards ? 1 : 0);
    image.PutByte("drops count", kDropsCount, s.dropsCount);
    image.PutByte("lives", kLives, s.lives);
    image.PutByte("bonus area number", kBonusAreaNumber, static_cast<std::uint8_t>(bonus.area >> 2));
    image.PutByte("bonus round number", kBonusRoundNumber, bonus.area & 3);
    image.PutByte("bonus begin from", kBonusBeginFrom, bonus.beginFrom);
    image.PutByte("bonus end", kBonusEnd, static_cast<std::uint8_t>(16 * bonus.beginFrom + bonus.length));
}

void PutGeometry(ProgramImage& image, const LevelGeometryTables& g) {
    using namespace layout;
    // The background masks run on into the background steps: one run of bytes.
    const auto overlap = static_cast<std::size_t>(kBgStepTable.address - kBgMaskTable.address);
    if (!std::equal(g.bgStepTable.begin(), g.bgStepTable.begin() + (g.bgMaskTable.size() - overlap),
                    g.bgMaskTable.begin() + overlap)) {
        throw std::logic_error("the background masks must end with the first background steps");
    }
    Bytes background(g.bgMaskTable.begin(), g.bgMaskTable.begin() + overlap);
    background.insert(background.end(), g.bgStepTable.begin(), g.bgStepTable.end());
    image.Put("background masks and steps", kBgMaskTable.address, background);
    image.Put("floor shifts", kFloorShiftTable.address,
              Bytes(g.floorShiftTable.begin(), g.floorShiftTable.end()));
    Bytes gaps(g.gapStartTable.begin(), g.gapStartTable.end());
    gaps.insert(gaps.end(), g.gapEndTable.begin(), g.gapEndTable.end());
    image.Put("gap starts and ends", kGapStartTable.address, gaps);
}

void PutObjectTypes(ProgramImage& image, const GameTables& tables) {
    Bytes descriptors;
    for (const ObjectType& type : tables.objectTypes) {
        descriptors.insert(descriptors.end(), type.descriptor.begin(), type.descriptor.end());
    }
    TableFill fill(image, kObjectTypes);
    fill.Append(descriptors);
    fill.Finish();
    std::size_t next = 0;
    for (const layout::FixedBytes& run : layout::kObjectImageConstants) {
        Bytes bytes;
        for (std::size_t i = 0; i < run.size; ++i)
            bytes.push_back(static_cast<std::uint8_t>(tables.objectImageConstants[next++]));
        image.Put("object image constants", run.address, bytes);
    }
}

void PutLevels(ProgramImage& image, const GameTables& tables) {
    using namespace layout;
    PutByteTable(image, kLevelSetIds, kLevelSetIdsPtr, tables.levels,
                 [](const Level& l) { return l.levelSet; });
    PutByteTable(image, kEggValues, kEggValuesPtr, tables.levels, [](const Level& l) { return l.eggValues; });
    const std::vector<Level> playable(tables.levels.begin(), tables.levels.begin() + kPlayableLevelCount);
    PutByteTable(image, kLevelPalettes, kLevelPalettesPtr, playable, [](const Level& l) {
        return static_cast<std::uint8_t>(l.paletteSet << 4 | l.paletteUpdater);
    });
}

void PutLevelSets(ProgramImage& image, const GameTables& tables) {
    using namespace layout;
    const auto& sets = tables.levelSets;
    if (sets.size() != 12 || sets.begin()->first != 0 || sets.rbegin()->first != 11) {
        throw std::logic_error("the conversion rebases exactly the level sets 0-11");
    }
    TableFill rooms(image, kLevelSetRooms);
    PlacedBytes<CpuPtr> placedRooms;
    Bytes roomPointers;
    Bytes tops;
    for (const auto& [id, set] : sets) {
        Bytes packed;
        for (const LevelRoom& room : set.rooms) {
            const Bytes bytes = PackRoom(room);
            packed.insert(packed.end(), bytes.begin(), bytes.end());
        }
        AppendWord(roomPointers, AppendShared(rooms, placedRooms, packed));
        tops.insert(tops.end(), set.tops.begin(), set.tops.end());
        if (set.attributes & 0x40) throw std::logic_error("the conversion changes attribute bit 6");
    }
    rooms.Finish();
    TableFill pointers(image, kLevelSetRoomPointers);
    image.PutPointer(kLevelSetRoomsPtr, kLevelSetRoomPointers, pointers.Append(roomPointers));
    pointers.Finish();

    TableFill topsFill(image, kLevelSetTops);
    const CpuPtr topsPointers = topsFill.Next();
    const auto topsStart = static_cast<CpuPtr>(topsPointers + 2 * sets.size());
    Bytes topsPointerBytes;
    for (std::size_t i = 0; i < sets.size(); ++i)
        AppendWord(topsPointerBytes, static_cast<std::uint16_t>(topsStart + 4 * i));
    topsFill.Append(topsPointerBytes);
    topsFill.Append(tops);
    topsFill.Finish();
    image.PutPointer(kLevelSetTopsPtr, kLevelSetTops, topsPointers);

    const auto setValues = [&sets](auto field) {
        std::vector<std::uint8_t> values;
        for (const auto& entry : sets) values.push_back(field(entry.second));
        return values;
    };
    const auto same = [](std::uint8_t b) { return b; };
    PutByteTable(image, kLevelSetAttributes, kLevelSetAttributesPtr,
                 setValues([](const LevelSet& s) { return s.attributes; }), same);
    PutByteTable(image, kLevelSetMusic, kLevelSetMusicPtr,
                 setValues([](const LevelSet& s) { return s.music; }), same);
}

Bytes EncodeGraphicSet(const GraphicSet& set, TableFill& fill) {
    Bytes descriptor;
    const auto append = [&](const Bytes& bytes) { AppendWord(descriptor, fill.Append(bytes)); };
    Bytes rooms, lineGeom, topLines, bottomLines, blocks, attributes;
    for (const SetRoom& room : set.rooms) {
        const Bytes bytes = PackFields(room, encoding::kSetRoomFieldBits);
        rooms.insert(rooms.end(), bytes.begin(), bytes.end());
    }
    for (LineGeom geom : set.lineGeom) AppendWord(lineGeom, geom);
    for (const TopLines& line : set.topLines) topLines.insert(topLines.end(), line.begin(), line.end());
    for (const BottomLines& line : set.bottomLines)
        bottomLines.insert(bottomLines.end(), line.begin(), line.end());
    for (const Block& block : set.blocks) blocks.insert(blocks.end(), block.begin(), block.end());
    for (const BlockAttributes& a : set.attributes)
        attributes.push_back(PackFields(a, encoding::kBlockAttributeFieldBits)[0]);
    for (const Bytes* table : {&rooms, &lineGeom, &topLines, &bottomLines, &blocks, &attributes})
        append(*table);
    return descriptor;
}

void PutGraphicSets(ProgramImage& image, const GameTables& tables) {
    Bytes descriptors;
    for (std::size_t g = 0; g < kGraphicSetTables.size(); ++g) {
        const GraphicSet& set = tables.graphicSets.at(static_cast<std::uint8_t>(g));
        TableFill fill(image, kGraphicSetTables[g]);
        const Bytes descriptor = EncodeGraphicSet(set, fill);
        fill.Finish();
        descriptors.insert(descriptors.end(), descriptor.begin(), descriptor.end());
    }
    TableFill fill(image, kGraphicSetDescriptors);
    image.PutPointer(layout::kGraphicSetDescriptorsPtr, kGraphicSetDescriptors, fill.Append(descriptors));
    fill.Finish();
}

void PutPalettes(ProgramImage& image, const GameTables& tables) {
    using namespace layout;
    TableFill others(image, kOtherPalettes);
    image.PutPointer(kOtherPalettesPtr, kOtherPalettes,
                     others.Append(Bytes(tables.otherPalettes.begin(), tables.otherPalettes.end())));
    others.Finish();

    Bytes sets;
    for (const PaletteSet& set : tables.paletteSets) {
        for (std::size_t i = 0; i < set.size(); ++i) {
            if (i % 4 != 0) sets.push_back(set[i]);
        }
    }
    TableFill setsFill(image, kPaletteSets);
    image.PutPointer(kPaletteSetsPtr, kPaletteSets, setsFill.Append(sets));
    setsFill.Finish();

    TableFill updaters(image, kUpdaters);
    Bytes low, high;
    for (const auto& [id, updater] : tables.paletteUpdaters) {
        if (id != low.size()) throw std::logic_error("sample palette updaters are numbered from 0");
        Bytes bytes;
        for (const PaletteModifier& modifier : updater.modifiers) {
            bytes.push_back(modifier.key);
            bytes.push_back(static_cast<std::uint8_t>(modifier.entries.size()));
            for (const PaletteAttribute& entry : modifier.entries)
                bytes.insert(bytes.end(), entry.begin(), entry.end());
        }
        bytes.push_back(encoding::kUpdaterEnd);
        const Bytes address = WordBytes(updaters.Append(bytes));
        low.push_back(address[0]);
        high.push_back(address[1]);
    }
    updaters.Finish();
    const auto same = [](std::uint8_t b) { return b; };
    PutByteTable(image, kUpdaterLowBytes, kPaletteUpdaterLowPtr, low, same);
    PutByteTable(image, kUpdaterHighBytes, kPaletteUpdaterHighPtr, high, same);
}

void PutObjects(ProgramImage& image, const GameTables& tables) {
    using namespace layout;
    TableFill streams(image, kObjectsStreams);
    PlacedBytes<CpuPtr> placed;
    const auto objectsTable = [&](const TablePlace& place, const std::vector<Level>& levels,
                                  std::size_t count) {
        Bytes pointers;
        for (std::size_t i = 0; i < count; ++i) {
            for (const ObjectsList& list : levels[i].objectLists) {
                AppendWord(pointers,
                           list.empty() ? 0 : AppendShared(streams, placed, EncodeObjectsList(list)));
            }
        }
        TableFill fill(image, place);
        fill.Append(pointers);
        fill.Finish();
    };
    objectsTable(kLevelObjectsTable, tables.levels, kPlayableLevelCount);
    objectsTable(kBonusObjectsTable, tables.bonusLevels, kBonusLevelCount);
    streams.Finish();
    const Bytes level = WordBytes(kLevelObjectsTable.address);
    const Bytes bonus = WordBytes(kBonusObjectsTable.address);
    const auto same = [](std::uint8_t b) { return b; };
    PutByteTable(image, kObjectsTableLowBytes, kObjectsTableLowPtr, Bytes{level[0], bonus[0]}, same);
    PutByteTable(image, kObjectsTableHighBytes, kObjectsTableHighPtr, Bytes{level[1], bonus[1]}, same);
}

} // namespace

ProgramImage EncodeProgram(const GameTables& tables) {
    ProgramImage image;
    PutSettings(image, tables.gameSettings, tables.bonusArea);
    PutGeometry(image, tables.geometry);
    PutObjectTypes(image, tables);
    PutLevels(image, tables);
    PutLevelSets(image, tables);
    PutGraphicSets(image, tables);
    PutPalettes(image, tables);
    PutObjects(image, tables);
    return image;
}

} // namespace tikaroo::sample
