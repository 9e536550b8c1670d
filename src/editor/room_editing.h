#pragma once

#include "game/game_rom.h"

#include <Qt>

#include <cstddef>
#include <deque>
#include <optional>

namespace tikaroo {

// The room keys of the canvas, the room clipboard and the undo and redo lists of room changes. Every
// change goes through the model's StoreRoom; the window runs it on its change path.
class CRoomEditing {
public:
    static constexpr std::size_t kUndoLimit = 100;

    // The fields a key of the canvas gives shown room `room`: plus and minus (`delta`) step setRoom,
    // Q/A, W/S, E/D, R/F, T/G and Y/H step the other fields, Space pastes the copied room. None for any
    // other key and for Ctrl+Space, which copies the room.
    std::optional<LevelRoom> FieldsForKey(const CGameRom& rom, std::size_t room, int key, int delta,
                                          Qt::KeyboardModifiers modifiers);
    // Stores the fields and keeps what they replaced; a new change forgets what was undone.
    bool Store(CGameRom& rom, std::size_t room, const LevelRoom& fields);

    // Take back the newest change, or redo the newest undone one; the room they stored, or none.
    std::optional<std::size_t> Undo(CGameRom& rom);
    std::optional<std::size_t> Redo(CGameRom& rom);
    bool CanUndo() const { return !undoList.empty(); }
    bool CanRedo() const { return !redoList.empty(); }

    // Another level is shown: nothing of this one is kept.
    void Reset();

private:
    struct Record {
        std::size_t room = 0;
        LevelRoom fields; // as they were before the change
    };

    std::optional<std::size_t> Restore(CGameRom& rom, std::deque<Record>& from, std::deque<Record>& to);

    std::optional<LevelRoom> clipboard;
    std::deque<Record> undoList; // oldest first
    std::deque<Record> redoList;
};

} // namespace tikaroo
