#include "room_background.h"

#include "room_geometry.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace tikaroo {

namespace {

constexpr std::size_t kStrips = 16;

bool IsDark(std::uint32_t pixel) {
    return (pixel >> 24) != 0;
}

// Writes `count` pixels of `in` to `out` darkened by the mask's pixel.
void CopyDarkened(const std::uint32_t* in, std::uint32_t* out, std::int32_t count, std::uint32_t pixel) {
    const std::uint32_t alpha = pixel >> 24;
    for (std::int32_t x = 0; x < count; ++x) out[x] = MixPixel(pixel, in[x], alpha);
}

} // namespace

BandMaskProfile ProfileOf(const PictureBuffer& mask) {
    BandMaskProfile profile;
    profile.height = mask.Height();
    profile.pixel = mask.Pixel(0, 0);
    const std::int32_t width = std::min<std::int32_t>(mask.Width(), kRoomWidth);
    for (std::int32_t x = 0; x < width; ++x) {
        std::int32_t y = 0;
        while (y < mask.Height() && IsDark(mask.Pixel(x, y))) ++y;
        profile.clearFrom[static_cast<std::size_t>(x)] = y;
        while (y < mask.Height() && !IsDark(mask.Pixel(x, y))) ++y;
        profile.darkFrom[static_cast<std::size_t>(x)] = y;
    }
    const auto [minClear, maxClear] = std::minmax_element(profile.clearFrom.begin(), profile.clearFrom.end());
    const auto [minDark, maxDark] = std::minmax_element(profile.darkFrom.begin(), profile.darkFrom.end());
    profile.firstMixedClear = *minClear;
    profile.lastMixedClear = *maxClear;
    profile.firstMixedDark = *minDark;
    profile.lastMixedDark = *maxDark;
    return profile;
}

namespace {

// Neighbouring strips with the same step, copied as one run.
struct StripRun {
    std::int32_t from = 0;
    std::int32_t to = 0;
    std::int32_t top = 0;
};

struct PreparedRoom {
    const RoomBackground* room = nullptr;
    std::array<StripRun, kStrips> runs{};
    std::size_t runCount = 0;
    // Rows outside these hold only the gradient: neither the room picture nor its mask reach them.
    std::int32_t firstRow = 0;
    std::int32_t endRow = 0;
};

PreparedRoom Prepare(const RoomBackground& room) {
    PreparedRoom prepared;
    prepared.room = &room;
    for (std::size_t c = 0; c < kStrips; ++c) {
        const std::int32_t top = room.top + room.stripOffsets[c];
        const auto x = static_cast<std::int32_t>(c) * kRoomStripWidth;
        if (prepared.runCount > 0 && prepared.runs[prepared.runCount - 1].top == top)
            prepared.runs[prepared.runCount - 1].to = x + kRoomStripWidth;
        else
            prepared.runs[prepared.runCount++] = {x, x + kRoomStripWidth, top};
    }
    const auto [lowest, highest] = std::minmax_element(room.stripOffsets.begin(), room.stripOffsets.end());
    prepared.firstRow = std::min(room.top + *lowest, room.maskTop);
    prepared.endRow = std::max(room.top + *highest + kRoomHeight, room.maskTop + room.mask->height);
    return prepared;
}

enum class MaskRow { Clear, Dark, Mixed };

MaskRow Classify(const BandMaskProfile& mask, std::int32_t maskRow) {
    if (maskRow < 0 || maskRow >= mask.height) return MaskRow::Clear;
    if ((maskRow >= mask.firstMixedClear && maskRow < mask.lastMixedClear) ||
        (maskRow >= mask.firstMixedDark && maskRow < mask.lastMixedDark))
        return MaskRow::Mixed;
    if (maskRow < mask.firstMixedClear || maskRow >= mask.lastMixedDark) return MaskRow::Dark;
    return MaskRow::Clear;
}

// One row of one room, `out` pointing at the room's first column.
void DrawRoomRow(std::uint32_t* out, std::int32_t y, std::uint32_t gradient, const PreparedRoom& prepared) {
    const RoomBackground& room = *prepared.room;
    const BandMaskProfile& mask = *room.mask;
    const std::int32_t maskRow = y - room.maskTop;
    const MaskRow state = Classify(mask, maskRow);
    const std::uint32_t alpha = mask.pixel >> 24;
    // Where the whole row is dark the gradient is darkened once.
    const std::uint32_t fill = state == MaskRow::Dark ? MixPixel(mask.pixel, gradient, alpha) : gradient;
    for (std::size_t i = 0; i < prepared.runCount; ++i) {
        const StripRun& run = prepared.runs[i];
        const std::int32_t pictureRow = y - run.top;
        if (pictureRow >= 0 && pictureRow < kRoomHeight && pictureRow < room.levelPicture->Height()) {
            const std::uint32_t* in = room.levelPicture->Row(pictureRow).data() + room.pictureX + run.from;
            if (state == MaskRow::Dark)
                CopyDarkened(in, out + run.from, run.to - run.from, mask.pixel);
            else
                std::memcpy(out + run.from, in,
                            static_cast<std::size_t>(run.to - run.from) * sizeof(std::uint32_t));
        } else {
            std::fill(out + run.from, out + run.to, fill);
        }
    }
    if (state != MaskRow::Mixed) return;
    for (std::int32_t x = 0; x < kRoomWidth; ++x) {
        const auto column = static_cast<std::size_t>(x);
        if (maskRow < mask.clearFrom[column] || maskRow >= mask.darkFrom[column])
            out[x] = MixPixel(mask.pixel, out[x], alpha);
    }
}

} // namespace

void DrawRoomBackgrounds(PictureBuffer& canvas, std::span<const std::uint32_t> gradient,
                         std::span<const RoomBackground> rooms) {
    const std::int32_t roomCount =
        std::min(static_cast<std::int32_t>(rooms.size()), canvas.Width() / kRoomWidth);
    std::vector<PreparedRoom> prepared;
    for (std::int32_t r = 0; r < roomCount; ++r)
        prepared.push_back(Prepare(rooms[static_cast<std::size_t>(r)]));
    const std::int32_t rows = std::min(canvas.Height(), static_cast<std::int32_t>(gradient.size()));
    for (std::int32_t y = 0; y < rows; ++y) {
        const std::uint32_t colour = gradient[static_cast<std::size_t>(y)];
        const auto row = canvas.Row(y);
        for (std::int32_t r = 0; r < roomCount; ++r) {
            const PreparedRoom& room = prepared[static_cast<std::size_t>(r)];
            std::uint32_t* out = row.data() + r * kRoomWidth;
            if (y >= room.firstRow && y < room.endRow)
                DrawRoomRow(out, y, colour, room);
            else
                std::fill(out, out + kRoomWidth, colour);
        }
        std::fill(row.begin() + roomCount * kRoomWidth, row.end(), colour);
    }
}

} // namespace tikaroo
