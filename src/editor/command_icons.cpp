#include "command_icons.h"

#include <QPainter>
#include <QPixmap>
#include <QStyle>

#include <array>

namespace tikaroo {

namespace {

// Commands with a fitting standard picture use it; the others get a coloured badge with a short label.
struct IconRecipe {
    CommandIcon icon;
    QStyle::StandardPixmap standard;
    const char* label;
    QRgb colour;
};

constexpr auto kNoStandard = QStyle::SP_CustomBase;

constexpr std::array kRecipes = {
    IconRecipe{CommandIcon::Open, QStyle::SP_DialogOpenButton, "", 0},
    IconRecipe{CommandIcon::Save, QStyle::SP_DialogSaveButton, "", 0},
    IconRecipe{CommandIcon::Quit, QStyle::SP_DialogCloseButton, "", 0},
    IconRecipe{CommandIcon::DeleteObject, QStyle::SP_TrashIcon, "", 0},
    IconRecipe{CommandIcon::Undo, QStyle::SP_ArrowBack, "", 0},
    IconRecipe{CommandIcon::RunGame, QStyle::SP_MediaPlay, "", 0},
    IconRecipe{CommandIcon::About, QStyle::SP_MessageBoxInformation, "", 0},
    IconRecipe{CommandIcon::Settings, kNoStandard, "G", 0x4a7a3a},
    IconRecipe{CommandIcon::BonusArea, kNoStandard, "B", 0xb07818},
    IconRecipe{CommandIcon::LevelSettings, kNoStandard, "L", 0x3a5a9a},
    IconRecipe{CommandIcon::GraphicsSets, kNoStandard, "#", 0x7a3a8a},
    IconRecipe{CommandIcon::NewSet, kNoStandard, "+", 0x2a7a7a},
    IconRecipe{CommandIcon::ModifySet, kNoStandard, "S", 0x2a7a7a},
    IconRecipe{CommandIcon::Palette, kNoStandard, "P", 0xb03a3a},
    IconRecipe{CommandIcon::PaletteUpdater, kNoStandard, "U", 0xb03a3a},
    IconRecipe{CommandIcon::InsertObject, kNoStandard, "+", 0x3a8a3a},
    IconRecipe{CommandIcon::ModifyObject, kNoStandard, "O", 0x3a8a3a},
    IconRecipe{CommandIcon::ObjectsManager, kNoStandard, "M", 0x3a8a3a},
    IconRecipe{CommandIcon::SelectLevel, kNoStandard, "1", 0x5a5a5a},
    IconRecipe{CommandIcon::SelectRoom, kNoStandard, "R", 0x5a5a5a},
};

QIcon Badge(const char* label, QRgb colour) {
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(colour));
    painter.setPen(QColor(colour).darker(150));
    painter.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(20);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(pixmap.rect(), Qt::AlignCenter, QString::fromLatin1(label));
    return QIcon(pixmap);
}

} // namespace

QIcon CommandIconPicture(CommandIcon icon, const QStyle& style) {
    for (const IconRecipe& recipe : kRecipes) {
        if (recipe.icon != icon) continue;
        if (recipe.standard != kNoStandard) return style.standardIcon(recipe.standard);
        return Badge(recipe.label, recipe.colour);
    }
    return {};
}

} // namespace tikaroo
