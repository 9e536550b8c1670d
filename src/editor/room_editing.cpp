#include "room_editing.h"

#include <array>

namespace tikaroo {

namespace {

struct FieldKey {
    int key;
    std::uint8_t LevelRoom::*field;
    int step;
};

// Each field has a key in the top row that adds 1 and the key below it that takes 1.
constexpr std::array kFieldKeys = {
    FieldKey{Qt::Key_Q, &LevelRoom::floorGeom, 1},    FieldKey{Qt::Key_A, &LevelRoom::floorGeom, -1},
    FieldKey{Qt::Key_W, &LevelRoom::scroll, 1},       FieldKey{Qt::Key_S, &LevelRoom::scroll, -1},
    FieldKey{Qt::Key_E, &LevelRoom::background, 1},   FieldKey{Qt::Key_D, &LevelRoom::background, -1},
    FieldKey{Qt::Key_R, &LevelRoom::floorShift, 1},   FieldKey{Qt::Key_F, &LevelRoom::floorShift, -1},
    FieldKey{Qt::Key_T, &LevelRoom::slideFloor, 1},   FieldKey{Qt::Key_G, &LevelRoom::slideFloor, -1},
    FieldKey{Qt::Key_Y, &LevelRoom::fruitsHeight, 1}, FieldKey{Qt::Key_H, &LevelRoom::fruitsHeight, -1},
};

// Steps wrap through 8 bits (0 - 1 gives 255); storing brings them back into range.
void Step(std::uint8_t& value, int step) {
    value = static_cast<std::uint8_t>(value + step);
}

} // namespace

std::optional<LevelRoom> CRoomEditing::FieldsForKey(const CGameRom& rom, std::size_t room, int key, int delta,
                                                    Qt::KeyboardModifiers modifiers) {
    LevelRoom fields = rom.ReadRoom(room);
    if (delta != 0) {
        Step(fields.setRoom, delta);
        return fields;
    }
    if (key == Qt::Key_Space) {
        if (!modifiers.testFlag(Qt::ControlModifier)) return clipboard.value_or(fields);
        clipboard = fields;
        return std::nullopt;
    }
    for (const FieldKey& fieldKey : kFieldKeys) {
        if (fieldKey.key == key) {
            Step(fields.*fieldKey.field, fieldKey.step);
            return fields;
        }
    }
    return std::nullopt;
}

bool CRoomEditing::Store(CGameRom& rom, std::size_t room, const LevelRoom& fields) {
    const LevelRoom before = rom.ReadRoom(room);
    if (!rom.StoreRoom(room, fields)) return false;
    undoList.push_back({room, before});
    while (undoList.size() > kUndoLimit) undoList.pop_front();
    redoList.clear();
    return true;
}

// Each record restores its own room, whatever happened to the room since.
std::optional<std::size_t> CRoomEditing::Restore(CGameRom& rom, std::deque<Record>& from,
                                                 std::deque<Record>& to) {
    if (from.empty()) return std::nullopt;
    const Record record = from.back();
    from.pop_back();
    to.push_back({record.room, rom.ReadRoom(record.room)});
    if (!rom.StoreRoom(record.room, record.fields)) return std::nullopt;
    return record.room;
}

std::optional<std::size_t> CRoomEditing::Undo(CGameRom& rom) {
    return Restore(rom, undoList, redoList);
}

std::optional<std::size_t> CRoomEditing::Redo(CGameRom& rom) {
    return Restore(rom, redoList, undoList);
}

void CRoomEditing::Reset() {
    clipboard.reset();
    undoList.clear();
    redoList.clear();
}

} // namespace tikaroo
