#include "cli/json/model_json.h"
#include "commands.h"
#include "open_game.h"

#include <QJsonDocument>

#include <ostream>

namespace tikaroo::cli {

int RunDump(const Arguments& args, std::ostream& out, std::ostream& err) {
    if (args.size() != 1) {
        err << "usage: tikaroo-cli dump FILE\n";
        return 2;
    }
    CGameRom rom;
    if (!OpenGame(args[0], rom, err)) return 1;
    out << QJsonDocument(ModelToJson(rom)).toJson(QJsonDocument::Compact).toStdString() << "\n";
    return 0;
}

} // namespace tikaroo::cli
