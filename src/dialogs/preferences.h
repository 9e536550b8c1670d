#pragma once

#include <QString>

namespace tikaroo {

// What the user sets in Edit > Preferences; the editor keeps it between runs.
struct Preferences {
    // Starts the game: "%f" stands for the ROM file. Empty: the program the system associates with it.
    QString emulatorCommand;
    // A .pal file whose colours every picture is drawn in; empty for the built-in colours.
    QString colourFile;
    // Save keeps the file it replaces as NAME.nes.bak.
    bool keepBackup = true;

    bool operator==(const Preferences&) const = default;
};

} // namespace tikaroo
