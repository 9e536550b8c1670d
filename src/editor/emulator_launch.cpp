#include "emulator_launch.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

namespace tikaroo {

namespace {
const QString kRomPlaceholder = QStringLiteral("%f");
} // namespace

std::optional<EmulatorLaunch> BuildEmulatorLaunch(const QString& command, const QString& romPath) {
    QStringList words = QProcess::splitCommand(command);
    if (words.isEmpty()) return std::nullopt;
    bool pathPlaced = false;
    for (QString& word : words) {
        if (!word.contains(kRomPlaceholder)) continue;
        word.replace(kRomPlaceholder, romPath);
        pathPlaced = true;
    }
    if (!pathPlaced) words.append(romPath);
    const QString program = words.takeFirst();
    return EmulatorLaunch{program, words};
}

bool LaunchGame(const QString& command, const QString& romPath) {
    const std::optional<EmulatorLaunch> launch = BuildEmulatorLaunch(command, romPath);
    if (!launch) return QDesktopServices::openUrl(QUrl::fromLocalFile(romPath));
    return QProcess::startDetached(launch->program, launch->arguments);
}

} // namespace tikaroo
