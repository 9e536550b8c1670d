#pragma once

#include "game/edit_graphic_set.h"
#include "game/level_properties.h"
#include "game/level_set_edits.h"
#include "game/model.h"
#include "rom/game_image.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tikaroo {

// An object found on the canvas: where it stands in the shown objects lists, and a copy of it.
struct ObjectHit {
    std::uint32_t list = 0;
    std::uint32_t index = 0;
    ObjectEntry entry;
};

// Objects take positions below this level x: the image keeps 10 bits of x / 8.
inline constexpr std::uint32_t kObjectXLimit = 1024 * 8;

// The loaded game: the expanded ROM image with its CPU window and tiles, and every decoded table.
class CGameRom : public CGameImage, public GameTables {
public:
    // Opens `path` (an original-layout image is converted) and decodes the tables. Does nothing while an
    // image is held. Any error leaves the model empty (no tables, no image) and passes on.
    void LoadRom(const std::string& path);
    // Packs every table into the image and writes it to `path` (the current file when empty). A failed
    // build leaves the image as it was; the model keeps what the save changed (unused sets dropped,
    // objects lists sorted by x with the selection still on its object). Raises the failing step's
    // text, or "Write error".
    void SaveRom(const std::string& path = {});

    // Writes the game as a save to `path` would, but beginning at the shown main level from its first
    // checkpoint, so that an emulator starts there (run_copy.cpp). This model, its image and its file stay
    // as they are. False, writing nothing, unless one of the 32 main levels is shown; raises as the save
    // does.
    bool SaveCopyBeginningHere(const std::string& path) const;

    // The seven graphic sets (ids 0-6) in their editable form; nothing while a bonus level is shown.
    std::optional<EditGraphicSets> ExpandGraphicSets() const;
    // Stores seven edited sets back: their tiles into the CHR, their grids and blocks as shared tables
    // (equal rooms, columns, lines and blocks kept once), and renumbers the level rooms that named a
    // merged or removed room. False, changing nothing, unless seven sets of at most 64 rooms are given
    // and a main level is shown.
    bool ApplyGraphicSets(const EditGraphicSets& sets);

    // Takes every table a save writes from `tables`: levels, bonus levels, level sets, graphic sets,
    // palette sets, updaters, other palettes, settings and bonus area. What only the image holds (object
    // types, level geometry) stays; the fields derived from the tables are worked out again and the view
    // goes back to the first level.
    void ReplaceTables(GameTables tables);

    // Colours (palette_edits.cpp). Each refuses (false or nothing, the model unchanged) while no ROM is
    // loaded or a bonus level is shown.
    using OtherPaletteList = std::array<PaletteSet, sizeof(OtherPalettes) / sizeof(PaletteSet)>;
    // Refused unless there are as many sets as the model holds.
    bool SetPaletteSets(const std::vector<PaletteSet>& sets);
    std::optional<OtherPaletteList> GetOtherPalettes() const;
    bool SetOtherPalettes(const OtherPaletteList& palettes);
    // The updaters by id: the updater of id i at position i.
    std::optional<std::vector<PaletteUpdater>> PaletteUpdaterList() const;
    // The updaters become the list's entries with id = position; a main level slot naming an id that no
    // longer exists gets kNoPaletteUpdater. Refused when an id would reach kNoPaletteUpdater.
    bool SetPaletteUpdaters(const std::vector<PaletteUpdater>& updaters);

    // Levels, level sets and the bonus area (level_set_edits.cpp, level_properties.cpp,
    // bonus_area_move.cpp). Each refuses (false or nothing, the model unchanged) while no ROM is loaded
    // or a bonus level is shown, and when its input is out of range.

    // Every level set with what the dialogs show of it.
    std::optional<LevelSetSummary> CollectLevelSetSummary() const;
    // Stores a set's music and attributes; the set keeps its graphic set.
    bool UpdateLevelSet(std::uint8_t id, std::uint8_t music, std::uint8_t attributes);
    // Adds a set of 64 empty rooms under the smallest free id and returns that id.
    std::optional<std::uint8_t> CreateLevelSet(std::uint8_t music, std::uint8_t attributes);

    // The current level's egg values, sets and updater, and the tops of its level set.
    std::optional<LevelProperties> GetLevelProperties() const;
    // Stores them; the tops go to the set the level has before it takes `properties.levelSet`.
    bool SetLevelProperties(const LevelProperties& properties);

    // Moves the bonus area; when its start moves, every bonus-level object moves with it. Refuses a move
    // that would take an object out of the level.
    bool SetBonusArea(const BonusArea& area);

    // Rooms of the current level, by their place on the canvas (room_editing.cpp).
    // The room's seven fields; all 0 in bonus mode and for a room that does not exist.
    LevelRoom ReadRoom(std::size_t room) const;
    // Stores the fields, brought into their ranges (NormaliseRoom). Refused (false) without an image, in
    // bonus mode and for a room beyond the level set.
    bool StoreRoom(std::size_t room, const LevelRoom& fields);

    // The objects of the shown level or bonus level, at canvas points (object_editing.cpp). The canvas x
    // c stands for the level x c + ObjectsOrigin(). Every change refuses (false) what it cannot do.
    std::uint32_t ObjectsOrigin() const;
    // The objects whose marker point lies within 8 pixels both ways, list by list in list order.
    std::vector<ObjectHit> FindObjectsAt(std::int32_t x, std::int32_t y) const;
    // The selected object, or nullptr when none is selected or the selection names nothing.
    const ObjectEntry* SelectedObject() const;
    bool SelectObject(std::size_t list, std::size_t index);
    // Appends `entry` to `list` at the canvas x `canvasX` (rounded down to a multiple of 8) and selects
    // it. Refused without an image and for a list beyond the third or a level x of kObjectXLimit or more.
    bool InsertObject(std::size_t list, ObjectEntry entry, std::int32_t canvasX);
    // Inserts a copy of the selected object into its own list.
    bool DuplicateSelectedObject(std::int32_t canvasX);
    // Moves the selected object to canvas x `canvasX` (rounded down to a multiple of 8), keeping its place
    // in its list; false when it stays where it is or the place is off the canvas.
    bool MoveSelectedObject(std::int32_t canvasX);
    bool SetSelectedObjectParams(std::uint8_t param1, std::uint8_t param2);
    // Removes the selected object and clears the selection.
    bool DeleteSelectedObject();

    // Replaces the objects lists of every level and bonus level (objects_lists.cpp); refused unless there
    // are exactly 32 levels and 9 bonus levels.
    bool StoreObjectsLists(const std::vector<ObjectLists>& levelLists,
                           const std::vector<ObjectLists>& bonusLists);
    std::vector<ObjectLists> LevelObjectsLists() const;
    std::vector<ObjectLists> BonusObjectsLists() const;

private:
    bool MainLevelShown() const;
    // Sorts every objects list by x, as the save stores them; the selection follows its object.
    void SortObjectsLists();
};

} // namespace tikaroo
