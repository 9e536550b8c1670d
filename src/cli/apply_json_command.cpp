#include "cli/json/json_at.h"
#include "cli/json/model_from_json.h"
#include "commands.h"
#include "open_game.h"
#include "read_input.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <exception>
#include <ostream>

namespace tikaroo::cli {

namespace {

// A dump of the largest model the image can hold stays far below this.
constexpr std::uintmax_t kMaxModelFileSize = std::uintmax_t{64} << 20;

} // namespace

void DeclareApplyJson(QCommandLineParser& parser) {
    parser.addPositionalArgument("BASE", "The image whose tables the model replaces.");
    parser.addPositionalArgument("MODEL", "The model in the JSON form dump writes (docs/model-json.md).");
    parser.addPositionalArgument("OUT", "Where to save the result (or -o).", "[OUT]");
}

int RunApplyJson(const VerbCall& call) {
    const std::string out = call.Output();
    const std::string modelPath = call.Input(1);
    CGameRom rom;
    if (!OpenGame(call.Input(0), rom, call.err)) return kExitFailure;
    Bytes text;
    if (!ReadInput(modelPath, kMaxModelFileSize, text, call.err)) return kExitFailure;
    QJsonParseError syntax{};
    const QJsonDocument document = QJsonDocument::fromJson(
        QByteArray(reinterpret_cast<const char*>(text.data()), static_cast<qsizetype>(text.size())), &syntax);
    if (syntax.error != QJsonParseError::NoError) {
        call.err << modelPath << ": not JSON at byte " << syntax.offset << ": "
                 << syntax.errorString().toStdString() << "\n";
        return kExitFailure;
    }
    try {
        rom.ReplaceTables(ModelFromJson(
            document.isObject() ? QJsonValue(document.object()) : QJsonValue(document.array()), rom));
    } catch (const ModelJsonError& error) {
        call.err << error.what() << "\n";
        return kExitFailure;
    }
    try {
        rom.SaveRom(out);
    } catch (const std::exception& error) {
        call.err << out << ": " << error.what() << "\n";
        return kExitFailure;
    }
    call.out << "saved " << out << "\n";
    return 0;
}

} // namespace tikaroo::cli
