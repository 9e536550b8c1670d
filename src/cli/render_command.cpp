#include "commands.h"
#include "open_game.h"

#include "game/game_rom.h"
#include "object_pictures/embedded_object_pictures.h"
#include "render/level_lookup.h"
#include "render/level_renderer.h"
#include "render/marker_sheets.h"
#include "render/room_geometry.h"
#include "render/room_layout.h"

#include <QDir>
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
constexpr const char* kUsage =
    "usage: tikaroo-cli render FILE (--level AREA-ROUND | --bonus N) [--map] -o OUT.png\n"
    "       tikaroo-cli render FILE --all [--map] -o DIR\n";

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

struct Request {
    std::string file;
    std::vector<Target> targets;
    bool all = false;
    bool map = false;
    std::string output;
};

std::optional<Request> ParseRequest(const Arguments& args, std::ostream& err) {
    Request request;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "--all") {
            request.all = true;
        } else if (arg == "--map") {
            request.map = true;
        } else if (arg == "-o" && hasValue) {
            request.output = args[++i];
        } else if (arg == "--level" && hasValue) {
            const std::optional<Target> target = ParseLevel(args[++i]);
            if (!target) {
                err << "render: level '" << args[i] << "' is not AREA-ROUND with area 1-8 and round 1-4\n";
                return std::nullopt;
            }
            request.targets.push_back(*target);
        } else if (arg == "--bonus" && hasValue) {
            const std::optional<Target> target = ParseBonus(args[++i]);
            if (!target) {
                err << "render: bonus level '" << args[i] << "' is not a number 1-9\n";
                return std::nullopt;
            }
            request.targets.push_back(*target);
        } else if (request.file.empty() && !arg.starts_with("-")) {
            request.file = arg;
        } else {
            err << kUsage;
            return std::nullopt;
        }
    }
    if (request.file.empty() || request.output.empty() || request.all == !request.targets.empty() ||
        request.targets.size() > 1) {
        err << kUsage;
        return std::nullopt;
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
    return image.save(QString::fromStdString(path), "PNG");
}

} // namespace

int RunRender(const Arguments& args, std::ostream& out, std::ostream& err) {
    const std::optional<Request> request = ParseRequest(args, err);
    if (!request) return 2;
    if (request->all && !QDir().mkpath(QString::fromStdString(request->output))) {
        err << request->output << ": cannot create the folder\n";
        return 1;
    }

    CGameRom rom;
    if (!OpenGame(request->file, rom, err)) return 1;
    const MarkerSheetSet sheets = BuildMarkerSheets(EmbeddedObjectPictures());
    CLevelRenderer renderer;
    renderer.SetMarkerSheets(&sheets.markerSheet, &sheets.selectedMarkerSheet);

    for (const Target& target : request->targets) {
        if (target.bonus)
            ViewBonusLevel(rom, target.index);
        else
            ViewLevel(rom, target.index);
        try {
            if (request->map)
                renderer.PrepareLevel(rom, rom);
            else
                renderer.SelectLevel(rom, rom);
        } catch (const std::exception& error) {
            err << request->file << ": " << error.what() << "\n";
            return 1;
        }
        const std::string path = request->all ? request->output + "/" + target.fileName : request->output;
        // Not a conditional expression: that would copy the canvas.
        const bool written =
            request->map ? WritePng(MapOf(renderer, rom), path) : WritePng(renderer.Canvas(), path);
        if (!written) {
            err << path << ": cannot write the picture\n";
            return 1;
        }
        out << "wrote " << path << "\n";
    }
    return 0;
}

} // namespace tikaroo::cli
