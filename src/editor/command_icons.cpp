#include "command_icons.h"

#include <array>

namespace tikaroo {

namespace {

struct IconFile {
    CommandIcon icon;
    const char* name; // of the picture in the icons resource
};

// The project's own pictures, drawn as SVG so that they stay sharp at every scale.
constexpr std::array kIconFiles = {
    IconFile{CommandIcon::Open, "open"},
    IconFile{CommandIcon::Save, "save"},
    IconFile{CommandIcon::Quit, "quit"},
    IconFile{CommandIcon::Settings, "game_settings"},
    IconFile{CommandIcon::BonusArea, "bonus_area"},
    IconFile{CommandIcon::LevelSettings, "level_settings"},
    IconFile{CommandIcon::GraphicsSets, "graphics_sets"},
    IconFile{CommandIcon::NewSet, "new_set"},
    IconFile{CommandIcon::ModifySet, "modify_set"},
    IconFile{CommandIcon::Palette, "palette"},
    IconFile{CommandIcon::PaletteUpdater, "palette_updater"},
    IconFile{CommandIcon::InsertObject, "insert_object"},
    IconFile{CommandIcon::ModifyObject, "modify_object"},
    IconFile{CommandIcon::DeleteObject, "delete_object"},
    IconFile{CommandIcon::ObjectsManager, "objects_manager"},
    IconFile{CommandIcon::Undo, "undo"},
    IconFile{CommandIcon::SelectLevel, "select_level"},
    IconFile{CommandIcon::SelectRoom, "select_room"},
    IconFile{CommandIcon::RunGame, "run_game"},
    IconFile{CommandIcon::RunFromLevel, "run_from_level"},
    IconFile{CommandIcon::About, "about"},
    IconFile{CommandIcon::Preferences, "preferences"},
    IconFile{CommandIcon::ZoomIn, "zoom_in"},
    IconFile{CommandIcon::ZoomOut, "zoom_out"},
    IconFile{CommandIcon::ActualSize, "zoom_actual"},
    IconFile{CommandIcon::ShowGrid, "show_grid"},
};

} // namespace

QIcon CommandIconPicture(CommandIcon icon) {
    for (const IconFile& file : kIconFiles)
        if (file.icon == icon)
            return QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(file.name)));
    return {};
}

QIcon ApplicationIcon() {
    return QIcon(QStringLiteral(":/icons/tikaroo.svg"));
}

} // namespace tikaroo
