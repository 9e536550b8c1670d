#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace tikaroo {

// A program and its arguments, started without a shell.
struct EmulatorLaunch {
    QString program;
    QStringList arguments;

    bool operator==(const EmulatorLaunch&) const = default;
};

// Splits the emulator command into words as a shell would (quotes group words; nothing else is special)
// and puts the ROM path in place of every "%f", each time inside one argument whatever it holds; a
// command without "%f" gets the path as its last argument. Nothing for an empty command.
std::optional<EmulatorLaunch> BuildEmulatorLaunch(const QString& command, const QString& romPath);

// Starts the game: through the command when there is one, else with the program the system associates
// with the file. False when nothing could be started.
bool LaunchGame(const QString& command, const QString& romPath);

} // namespace tikaroo
