#include "palette_pictures.h"

#include "nes_colors.h"
#include "picture_text.h"

#include <cstdio>
#include <string_view>

namespace tikaroo {

namespace {

constexpr std::uint32_t kPaletteFrame = 0x505050;
constexpr std::uint32_t kModifierFrame = 0xFFFFFF;
constexpr std::uint32_t kColourFrame = 0x808080;
constexpr std::uint32_t kModifierStartFrame = 0x00FF00;
constexpr std::uint32_t kRoomFrame = 0x808080;
constexpr std::int32_t kCaptionX = 7;
constexpr std::int32_t kPaletteCaptionY = 150;
constexpr std::int32_t kColourCaptionY = 142;
constexpr std::int32_t kSquare = 8; // one colour of a room's effect
constexpr std::int32_t kSquareInset = 2;

PictureBuffer DialogPicture(std::int32_t width, std::int32_t height) {
    PictureBuffer picture(width, height);
    picture.Fill(kDialogBackground);
    return picture;
}

void DrawCentredText(PictureBuffer& picture, PictureRect box, std::string_view text) {
    const std::int32_t x = box.left + (box.Width() - TextWidth(text) + 1) / 2;
    const std::int32_t y = box.top + (box.Height() - kTextLineHeight + 3) / 2;
    DrawText(picture, x, y, text, kDialogText);
}

void DrawColourBox(PictureBuffer& picture, PictureRect box, std::uint8_t colour, std::uint32_t frame) {
    picture.FillRect(box, NesColour(colour));
    picture.DrawRectangle(box, frame);
}

template <typename... Values>
std::string Format(const char* format, Values... values) {
    char text[64];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

} // namespace

PictureBuffer PaletteGridPicture(const PaletteGrid& colours, PaletteGridStyle style,
                                 const std::string& caption) {
    PictureBuffer picture = DialogPicture(kPaletteCanvasWidth, kPaletteCanvasHeight);
    const bool modifier = style == PaletteGridStyle::Modifier;
    for (std::size_t entry = 0; entry < colours.size(); ++entry) {
        const PictureRect box = kPaletteGrid.Box(static_cast<std::int32_t>(entry));
        if (modifier && !GridRowSet(colours, entry / kSubPaletteSize))
            DrawCentredText(picture, box, "X");
        else if (entry % kSubPaletteSize == 0)
            DrawCentredText(picture, box, "BG");
        else
            DrawColourBox(picture, box, colours[entry], modifier ? kModifierFrame : kPaletteFrame);
    }
    DrawText(picture, kCaptionX, kPaletteCaptionY, caption, kDialogText);
    return picture;
}

std::string PaletteCaption(std::size_t palette, std::size_t entry, std::uint8_t colour) {
    return Format("Palette: %d, Attr: %d,\r\nId: %d, Color: %02X", static_cast<int>(palette),
                  static_cast<int>(entry / kSubPaletteSize), static_cast<int>(entry % kSubPaletteSize),
                  colour);
}

std::string ModifierCaption(const PaletteGrid& grid, std::size_t entry) {
    if (!GridRowSet(grid, entry / kSubPaletteSize)) return "<NOT USED>";
    return Format("Attr: %d,\r\nId: %d, Color: %02X", static_cast<int>(entry / kSubPaletteSize),
                  static_cast<int>(entry % kSubPaletteSize), grid[entry]);
}

PictureBuffer ColourChooserPicture(std::uint8_t selected) {
    PictureBuffer picture = DialogPicture(kColourCanvasWidth, kColourCanvasHeight);
    for (std::int32_t colour = 0; colour < kColourGrid.Count(); ++colour)
        DrawColourBox(picture, kColourGrid.Box(colour), static_cast<std::uint8_t>(colour), kColourFrame);
    DrawText(picture, kCaptionX, kColourCaptionY, Format("Color: %02X", selected), kDialogText);
    return picture;
}

PictureBuffer UpdaterRoomsPicture(const RoomEffects& effects) {
    const PictureRect last = kUpdaterRoomGrid.Box(kUpdaterRoomGrid.Count() - 1);
    PictureBuffer picture = DialogPicture(last.right + kUpdaterRoomGrid.left, kUpdaterCanvasHeight);
    for (std::size_t room = 0; room < effects.size(); ++room) {
        const PictureRect box = kUpdaterRoomGrid.Box(static_cast<std::int32_t>(room));
        DrawCentredText(picture, {box.left, 0, box.right, box.top},
                        Format("#%d", static_cast<int>(room + 1)));
        picture.DrawRectangle(box, effects[room].modifier ? kModifierStartFrame : kRoomFrame);
        for (std::size_t entry = 0; entry < kPaletteColours; ++entry) {
            const std::uint8_t colour = effects[room].colours[entry];
            if (colour >= kNesColourCount) continue;
            const std::int32_t x =
                box.left + kSquareInset + kSquare * static_cast<std::int32_t>(entry % kSubPaletteSize);
            const std::int32_t y =
                box.top + kSquareInset + kSquare * static_cast<std::int32_t>(entry / kSubPaletteSize);
            picture.FillRect({x, y, x + kSquare, y + kSquare}, NesColour(colour));
        }
    }
    return picture;
}

} // namespace tikaroo
