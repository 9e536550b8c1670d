#include "cli/json/model_json.h"
#include "commands.h"
#include "open_game.h"

#include "rom/file_io.h"

#include <QJsonDocument>

#include <ostream>

namespace tikaroo::cli {

void DeclareDump(QCommandLineParser& parser) {
    parser.addPositionalArgument("FILE", "The image to open.");
    parser.addPositionalArgument("OUT", "Write the JSON there instead of printing it (or -o).", "[OUT.json]");
}

int RunDump(const VerbCall& call) {
    CGameRom rom;
    if (!OpenGame(call.Input(0), rom, call.err)) return kExitFailure;
    const QByteArray json = QJsonDocument(ModelToJson(rom)).toJson(QJsonDocument::Compact) + "\n";
    const std::string out = call.Output();
    if (out.empty()) {
        call.out << json.toStdString();
        return 0;
    }
    if (!WriteFileAtomically(out, Bytes(json.begin(), json.end()))) {
        call.err << out << ": cannot write the JSON\n";
        return kExitFailure;
    }
    return 0;
}

} // namespace tikaroo::cli
