#pragma once

#include "game/edit_graphic_set.h"
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

private:
    bool MainLevelShown() const;
};

} // namespace tikaroo
