#include "status_texts.h"

namespace tikaroo {

QString WindowTitle(const QString& romFileName, const ViewState& view) {
    const QString level =
        view.bonusMode
            ? QStringLiteral("Bonus %1").arg(view.currentBonusLevel + 1)
            : QStringLiteral("Level %1-%2").arg(view.currentLevel / 4 + 1).arg(view.currentLevel % 4 + 1);
    return QStringLiteral("%1 [%2] - %3").arg(QString::fromLatin1(kProgramTitle), romFileName, level);
}

QString SaveErrorText(const QString& path, const char* error) {
    return QStringLiteral(
               "Unable to save file '%1'.\nIt is possible that write disk error or loader error.\n\n"
               "Loader returned error: '%2'")
        .arg(path, QString::fromLocal8Bit(error));
}

QString RoomStatusText(int clickX, int room, const LevelRoom& levelRoom) {
    return QStringLiteral("[objLeft: %1] Room[%2]: %3(+/-), Floor geom(Q+/A-): %4, Scroll(W+/S-): %5, "
                          "Bg(E+/D-): %6, Floor shifted(R+/F-): %7, Slide floor(T+/G-): %8, "
                          "Fruits height(Y+/H-): %9")
        .arg(clickX / 8)
        .arg(room + 1)
        .arg(levelRoom.setRoom + 1)
        .arg(levelRoom.floorGeom)
        .arg(levelRoom.scroll)
        .arg(levelRoom.background)
        .arg(levelRoom.floorShift)
        .arg(levelRoom.slideFloor)
        .arg(SignedNibble(levelRoom.fruitsHeight));
}

QString ObjectStatusText(const ObjectEntry& entry, int list) {
    return QString::asprintf("[objLeft: %u] Object: 0x%02X, List: %d, Param1: 0x%02X, Param2: 0x%02X",
                             entry.x / 8, entry.id, list + 1, entry.param1, entry.param2);
}

} // namespace tikaroo
