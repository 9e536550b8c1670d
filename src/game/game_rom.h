#pragma once

#include "game/edit_graphic_set.h"
#include "game/level_properties.h"
#include "game/level_set_edits.h"
#include "game/model.h"
#include "rom/game_image.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace tikaroo {

// The loaded game: the expanded ROM image with its CPU window and tiles, and every decoded table.
class CGameRom : public CGameImage, public GameTables {
public:
    // Opens `path` (an original-layout image is converted) and decodes the tables. Does nothing while an
    // image is held. Any error leaves the model empty (no tables, no image) and passes on.
    void LoadRom(const std::string& path);
    // Packs every table into the image and writes it to `path` (the current file when empty). A failed
    // build leaves the image as it was; the model keeps what the encoders changed (unused sets dropped,
    // lists sorted). Raises the failing step's text, or "Write error".
    void SaveRom(const std::string& path = {});

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

private:
    bool MainLevelShown() const;
};

} // namespace tikaroo
