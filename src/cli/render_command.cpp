#include "commands.h"
#include "open_game.h"
#include "picture_export.h"
#include "progress_line.h"

#include "game/game_rom.h"
#include "object_pictures/embedded_object_pictures.h"
#include "render/level_renderer.h"
#include "render/marker_sheets.h"
#include "render/pal_file.h"
#include "render/png_encoder.h"

#include <QDir>
#include <QFile>
#include <QString>

#include <filesystem>
#include <optional>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

namespace tikaroo::cli {

namespace {

constexpr int kAreas = 8;
constexpr int kRounds = 4;

std::string LevelFileName(int slot) {
    return "level-" + std::to_string(slot / kRounds + 1) + "-" + std::to_string(slot % kRounds + 1) + ".png";
}

std::string BonusFileName(int index) {
    return "bonus-" + std::to_string(index + 1) + ".png";
}

// "3-2" is area 3, round 2: slot 9.
std::optional<PictureTarget> ParseLevel(const std::string& name) {
    std::smatch match;
    if (!std::regex_match(name, match, std::regex("([1-8])-([1-4])"))) return std::nullopt;
    const int slot = (std::stoi(match[1]) - 1) * kRounds + std::stoi(match[2]) - 1;
    return PictureTarget{{false, static_cast<std::uint8_t>(slot)}, LevelFileName(slot)};
}

std::optional<PictureTarget> ParseBonus(const std::string& number) {
    if (!std::regex_match(number, std::regex("[1-9]"))) return std::nullopt;
    const int index = std::stoi(number) - 1;
    return PictureTarget{{true, static_cast<std::uint8_t>(index)}, BonusFileName(index)};
}

const QCommandLineOption kLevelOption("level", "The level AREA-ROUND (1-1 .. 8-4).", "AREA-ROUND");
const QCommandLineOption kBonusOption("bonus", "The bonus level N (1-9).", "N");
const QCommandLineOption kAllOption("all", "Every level and bonus level, into the folder OUT.");
const QCommandLineOption kMapOption("map",
                                    "The clean map: the rooms side by side, no bands, lines or markers.");
const QCommandLineOption kCompressionOption("compression",
                                            "How hard to compress the PNG files: 0 (not at all) to 9 (the "
                                            "smallest files, about four times slower); 3 by default.",
                                            "0-9");
const QCommandLineOption kPalOption("pal", "Draws in the colours of a .pal file (192 or 1536 bytes).",
                                    "FILE");

struct Request {
    std::vector<PictureTarget> targets; // paths are file names until the output is known
    bool all = false;
    PictureSettings settings;
};

std::optional<int> ParseCompression(const VerbCall& call) {
    if (!call.parser.isSet(kCompressionOption)) return kDefaultPngCompression;
    const std::string level = call.parser.value(kCompressionOption).toStdString();
    if (std::regex_match(level, std::regex("[0-9]"))) return std::stoi(level);
    call.err << "render: compression '" << level << "' is not a number 0-9\n";
    return std::nullopt;
}

std::optional<Request> ParseRequest(const VerbCall& call) {
    const QCommandLineParser& parser = call.parser;
    Request request;
    request.all = parser.isSet(kAllOption);
    request.settings.map = parser.isSet(kMapOption);
    const std::optional<int> compression = ParseCompression(call);
    if (!compression) return std::nullopt;
    request.settings.png.compression = *compression;
    const QStringList levels = parser.values(kLevelOption);
    const QStringList bonuses = parser.values(kBonusOption);
    if (levels.size() + bonuses.size() != (request.all ? 0 : 1)) return std::nullopt;
    for (const QString& name : levels) {
        const std::optional<PictureTarget> target = ParseLevel(name.toStdString());
        if (!target) {
            call.err << "render: level '" << name.toStdString()
                     << "' is not AREA-ROUND with area 1-8 and round 1-4\n";
            return std::nullopt;
        }
        request.targets.push_back(*target);
    }
    for (const QString& number : bonuses) {
        const std::optional<PictureTarget> target = ParseBonus(number.toStdString());
        if (!target) {
            call.err << "render: bonus level '" << number.toStdString() << "' is not a number 1-9\n";
            return std::nullopt;
        }
        request.targets.push_back(*target);
    }
    if (request.all) {
        for (int slot = 0; slot < kAreas * kRounds; ++slot)
            request.targets.push_back({{false, static_cast<std::uint8_t>(slot)}, LevelFileName(slot)});
        for (int index = 0; index < static_cast<int>(kBonusLevelCount); ++index)
            request.targets.push_back({{true, static_cast<std::uint8_t>(index)}, BonusFileName(index)});
    }
    return request;
}

// Prints what became of one picture; false when it fails the command.
bool PrintOutcome(const VerbCall& call, const std::string& file, bool all, const PictureTarget& target,
                  const PictureOutcome& outcome) {
    using enum PictureOutcome::Result;
    switch (outcome.result) {
    case Written:
        call.out << "wrote " << target.path << std::endl;
        if (outcome.drawnCut) call.err << "warning: " << target.path << ": " << kDrawnCutText << "\n";
        return true;
    case NotSelected:
        call.err << file << ": " << outcome.error;
        // With --all, a bonus area that names no level costs only the bonus pictures, which come last.
        if (all && target.choice.bonus) {
            call.err << "; the bonus levels are skipped\n";
            return true;
        }
        call.err << "\n";
        return false;
    case NotDrawn:
        call.err << file << ": " << outcome.error << "\n";
        return false;
    case NotWritten:
        call.err << target.path << ": cannot write the picture\n";
        return false;
    }
    return false;
}

} // namespace

void DeclareRender(QCommandLineParser& parser) {
    parser.addPositionalArgument("FILE", "The image to open.");
    parser.addPositionalArgument("OUT", "The PNG file, or the folder for --all (or -o).", "[OUT]");
    parser.addOptions({kLevelOption, kBonusOption, kAllOption, kMapOption, kCompressionOption, kPalOption});
}

int RunRender(const VerbCall& call) {
    std::optional<Request> request = ParseRequest(call);
    if (!request) return call.Usage();
    const std::string file = call.Input(0);
    const std::string output = call.Output();
    if (call.parser.isSet(kPalOption)) {
        const std::string palPath = QFile::encodeName(call.parser.value(kPalOption)).toStdString();
        try {
            SetActiveNesColours(ReadPalFile(palPath));
        } catch (const PalFileError& error) {
            call.err << palPath << ": " << error.what() << "\n";
            return kExitFailure;
        }
    }

    CGameRom rom;
    if (!OpenGame(file, rom, call.err)) return kExitFailure;
    if (request->all && !QDir().mkpath(QFile::decodeName(QByteArray::fromStdString(output)))) {
        call.err << output << ": cannot create the folder\n";
        return kExitFailure;
    }
    for (PictureTarget& target : request->targets)
        target.path = request->all ? output + "/" + target.path : output;

    const MarkerSheetSet sheets = BuildMarkerSheets(EmbeddedObjectPictures());
    CProgressLine progress(call.err, request->all && call.errIsTerminal);
    std::size_t written = 0;
    int exitCode = 0;
    const auto report = [&](const PictureTarget& target, const PictureOutcome& outcome) {
        progress.Clear();
        if (!PrintOutcome(call, file, request->all, target, outcome)) exitCode = kExitFailure;
        if (outcome.result == PictureOutcome::Result::Written)
            progress.Show(++written, request->targets.size(), std::filesystem::path(target.path).filename());
    };
    WritePictures(rom, sheets, request->settings, request->targets, report);
    return exitCode;
}

} // namespace tikaroo::cli
