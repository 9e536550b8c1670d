#include "commands.h"
#include "model_json.h"

#include "game/game_rom.h"

#include <QJsonDocument>

#include <exception>
#include <ostream>

namespace tikaroo::cli {

int RunDump(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: tikaroo-cli dump FILE\n";
        return 2;
    }
    CGameRom rom;
    try {
        rom.LoadRom(args[0]);
    } catch (const std::exception& error) {
        err << args[0] << ": " << error.what() << "\n";
        return 1;
    }
    if (rom.loaded == 0) {
        err << args[0] << ": the image could not be brought into the expanded layout\n";
        return 1;
    }
    out << QJsonDocument(ModelToJson(rom)).toJson(QJsonDocument::Compact).toStdString() << "\n";
    return 0;
}

} // namespace tikaroo::cli
