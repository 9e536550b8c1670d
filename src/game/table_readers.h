#pragma once

#include "model.h"
#include "rom/game_image.h"

#include <cstddef>

// The readers that decode the game's tables from an image of the expanded layout into the model.
// Each one leaves bank 0 mapped; a pointer outside the window raises "Invalid pointer operation".
namespace tikaroo {

// Decodes every table, in the order the tables depend on each other: level geometry tables, game
// settings and bonus area, object types, levels and their level sets, bonus levels, graphic sets,
// palettes. Clears the tables first.
void ReadAllTables(CGameImage& image, GameTables& tables);

void ReadLevelGeometry(CGameImage& image, GameTables& tables);
void ReadGameSettings(CGameImage& image, GameTables& tables);
void ReadBonusArea(CGameImage& image, GameTables& tables);

// The 72 object type descriptors and the seven object image constants.
void ReadObjectTypes(CGameImage& image, GameTables& tables);

// Levels 0-32 with the level sets they name, then the bonus levels; each with its objects lists.
void ReadLevels(CGameImage& image, GameTables& tables);
// Reads the level set `id` as the level at `slot` first meets it.
void ReadLevelSet(CGameImage& image, GameTables& tables, std::size_t slot, std::uint8_t id);

// The three objects lists of main slot `index` or of bonus level `index`; index 32 and above has none.
void ReadObjects(CGameImage& image, Level& level, std::size_t index, bool bonus);

// Marks the graphic sets the level sets use, sizes them, and adds the unused ones of ids 0-6.
void MarkGraphicSetUsage(GameTables& tables);
// Fills the tables of a used graphic set; an unused one stays empty.
void ReadGraphicSet(CGameImage& image, GraphicSet& graphicSet);

// The other palettes, the 16 palette sets and the palette updaters the levels name.
void ReadPalettes(CGameImage& image, GameTables& tables);

} // namespace tikaroo
