#include "commands.h"
#include "open_game.h"

#include "game/game_rom.h"
#include "game/level_selection.h"
#include "object_pictures/embedded_object_pictures.h"
#include "render/level_lookup.h"
#include "render/level_renderer.h"
#include "render/marker_sheets.h"
#include "render/room_geometry.h"
#include "render/room_layout.h"
#include "rom/rom_error.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QString>

#include <exception>
#include <optional>
#include <ostream>
#include <regex>
#include <string>
#include <vector>

namespace tikaroo::cli {

namespace {

constexpr int kAreas = 8;
constexpr int kRounds = 4;

// One picture to write: a main level slot or a bonus level, and its file name in --all mode.
struct Target {
    bool bonus = false;
    std::uint8_t index = 0; // level slot, or bonus level 0-8
    std::string fileName;
};

std::string LevelFileName(int slot) {
    return "level-" + std::to_string(slot / kRounds + 1) + "-" + std::to_string(slot % kRounds + 1) + ".png";
}

std::string BonusFileName(int index) {
    return "bonus-" + std::to_string(index + 1) + ".png";
}

// "3-2" is area 3, round 2: slot 9.
std::optional<Target> ParseLevel(const std::string& name) {
    std::smatch match;
    if (!std::regex_match(name, match, std::regex("([1-8])-([1-4])"))) return std::nullopt;
    const int slot = (std::stoi(match[1]) - 1) * kRounds + std::stoi(match[2]) - 1;
    return Target{false, static_cast<std::uint8_t>(slot), LevelFileName(slot)};
}

std::optional<Target> ParseBonus(const std::string& number) {
    if (!std::regex_match(number, std::regex("[1-9]"))) return std::nullopt;
    const int index = std::stoi(number) - 1;
    return Target{true, static_cast<std::uint8_t>(index), BonusFileName(index)};
}

const QCommandLineOption kLevelOption("level", "The level AREA-ROUND (1-1 .. 8-4).", "AREA-ROUND");
const QCommandLineOption kBonusOption("bonus", "The bonus level N (1-9).", "N");
const QCommandLineOption kAllOption("all", "Every level and bonus level, into the folder OUT.");
const QCommandLineOption kMapOption("map",
                                    "The clean map: the rooms side by side, no bands, lines or markers.");

struct Request {
    std::vector<Target> targets;
    bool all = false;
    bool map = false;
};

std::optional<Request> ParseRequest(const VerbCall& call) {
    const QCommandLineParser& parser = call.parser;
    Request request;
    request.all = parser.isSet(kAllOption);
    request.map = parser.isSet(kMapOption);
    const QStringList levels = parser.values(kLevelOption);
    const QStringList bonuses = parser.values(kBonusOption);
    if (levels.size() + bonuses.size() != (request.all ? 0 : 1)) return std::nullopt;
    for (const QString& name : levels) {
        const std::optional<Target> target = ParseLevel(name.toStdString());
        if (!target) {
            call.err << "render: level '" << name.toStdString()
                     << "' is not AREA-ROUND with area 1-8 and round 1-4\n";
            return std::nullopt;
        }
        request.targets.push_back(*target);
    }
    for (const QString& number : bonuses) {
        const std::optional<Target> target = ParseBonus(number.toStdString());
        if (!target) {
            call.err << "render: bonus level '" << number.toStdString() << "' is not a number 1-9\n";
            return std::nullopt;
        }
        request.targets.push_back(*target);
    }
    if (request.all) {
        for (int slot = 0; slot < kAreas * kRounds; ++slot)
            request.targets.push_back({false, static_cast<std::uint8_t>(slot), LevelFileName(slot)});
        for (int index = 0; index < static_cast<int>(kBonusLevelCount); ++index)
            request.targets.push_back({true, static_cast<std::uint8_t>(index), BonusFileName(index)});
    }
    return request;
}

// The clean map of the shown rooms: the level picture, for a bonus level only the bonus area's rooms.
PictureBuffer MapOf(const CLevelRenderer& renderer, const GameTables& tables) {
    const PictureBuffer& picture = renderer.LevelPicture();
    const Level* level = ShownLevel(tables);
    const LevelSet* levelSet = level != nullptr ? LevelSetOf(tables, *level) : nullptr;
    if (levelSet == nullptr) return {};
    const ShownRooms shown = RoomsShown(tables, *levelSet);
    const auto left = static_cast<std::int32_t>(shown.first) * kRoomWidth;
    PictureBuffer map(static_cast<std::int32_t>(shown.count) * kRoomWidth, picture.Height());
    map.CopyFrom(picture, {left, 0, left + map.Width(), picture.Height()}, 0, 0);
    return map;
}

bool WritePng(const PictureBuffer& picture, const std::string& path) {
    if (picture.Empty()) return false;
    const QImage image(reinterpret_cast<const uchar*>(picture.Data()), picture.Width(), picture.Height(),
                       static_cast<qsizetype>(picture.Stride()), QImage::Format_RGB32);
    return image.save(QFile::decodeName(QByteArray::fromStdString(path)), "PNG");
}

} // namespace

void DeclareRender(QCommandLineParser& parser) {
    parser.addPositionalArgument("FILE", "The image to open.");
    parser.addPositionalArgument("OUT", "The PNG file, or the folder for --all (or -o).", "[OUT]");
    parser.addOptions({kLevelOption, kBonusOption, kAllOption, kMapOption});
}

int RunRender(const VerbCall& call) {
    const std::optional<Request> request = ParseRequest(call);
    if (!request) return call.Usage();
    const std::string file = call.Input(0);
    const std::string output = call.Output();

    CGameRom rom;
    if (!OpenGame(file, rom, call.err)) return kExitFailure;
    if (request->all && !QDir().mkpath(QFile::decodeName(QByteArray::fromStdString(output)))) {
        call.err << output << ": cannot create the folder\n";
        return kExitFailure;
    }
    const MarkerSheetSet sheets = BuildMarkerSheets(EmbeddedObjectPictures());
    CLevelRenderer renderer;
    renderer.SetMarkerSheets(&sheets.markerSheet, &sheets.selectedMarkerSheet);

    for (const Target& target : request->targets) {
        try {
            SelectLevel(rom, {target.bonus, target.index});
        } catch (const RomError& error) {
            call.err << file << ": " << error.what();
            // With --all, a bonus area that names no level costs only the bonus pictures, which come last.
            if (request->all && target.bonus) {
                call.err << "; the bonus levels are skipped\n";
                break;
            }
            call.err << "\n";
            return kExitFailure;
        }
        try {
            if (request->map)
                renderer.PrepareLevel(rom, rom);
            else
                renderer.SelectLevel(rom, rom);
        } catch (const std::exception& error) {
            call.err << file << ": " << error.what() << "\n";
            return kExitFailure;
        }
        const std::string path = request->all ? output + "/" + target.fileName : output;
        // Not a conditional expression: that would copy the canvas.
        const bool written =
            request->map ? WritePng(MapOf(renderer, rom), path) : WritePng(renderer.Canvas(), path);
        if (!written) {
            call.err << path << ": cannot write the picture\n";
            return kExitFailure;
        }
        call.out << "wrote " << path << "\n";
        if (!request->map && renderer.DrawnCut())
            call.err << "warning: " << path << ": " << kDrawnCutText << "\n";
    }
    return 0;
}

} // namespace tikaroo::cli
