#include "render/png_encoder.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tikaroo {
namespace {

std::uint32_t BigEndianAt(const std::vector<std::uint8_t>& bytes, std::size_t at) {
    return std::uint32_t{bytes[at]} << 24 | std::uint32_t{bytes[at + 1]} << 16 |
           std::uint32_t{bytes[at + 2]} << 8 | bytes[at + 3];
}

struct Decoded {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint32_t> pixels; // 0x00RRGGBB
};

// Reads back an 8-bit RGB PNG of unfiltered, Sub and Up rows, checking every chunk's CRC on the way.
Decoded DecodePng(const std::vector<std::uint8_t>& png) {
    Decoded decoded;
    std::vector<std::uint8_t> compressed;
    for (std::size_t at = 8; at + 12 <= png.size();) {
        const std::uint32_t size = BigEndianAt(png, at);
        const std::string type(png.begin() + static_cast<std::ptrdiff_t>(at + 4),
                               png.begin() + static_cast<std::ptrdiff_t>(at + 8));
        const std::uint8_t* data = png.data() + at + 8;
        EXPECT_EQ(crc32(0, data - 4, size + 4), BigEndianAt(png, at + 8 + size)) << type;
        if (type == "IHDR") {
            decoded.width = static_cast<std::int32_t>(BigEndianAt(png, at + 8));
            decoded.height = static_cast<std::int32_t>(BigEndianAt(png, at + 12));
        }
        if (type == "IDAT") compressed.insert(compressed.end(), data, data + size);
        at += 12 + size;
    }
    const std::size_t rowSize = 1 + 3 * static_cast<std::size_t>(decoded.width);
    std::vector<std::uint8_t> rows(rowSize * static_cast<std::size_t>(decoded.height));
    uLongf rowsSize = rows.size();
    EXPECT_EQ(uncompress(rows.data(), &rowsSize, compressed.data(), compressed.size()), Z_OK);
    for (std::size_t y = 0; y < static_cast<std::size_t>(decoded.height); ++y) {
        std::uint8_t* row = &rows[y * rowSize];
        for (std::size_t i = 1; i < rowSize; ++i) {
            if (row[0] == 1 && i > 3) row[i] = static_cast<std::uint8_t>(row[i] + row[i - 3]);
            if (row[0] == 2 && y > 0) row[i] = static_cast<std::uint8_t>(row[i] + row[i - rowSize]);
        }
        for (std::size_t i = 1; i < rowSize; i += 3)
            decoded.pixels.push_back(std::uint32_t{row[i]} << 16 | std::uint32_t{row[i + 1]} << 8 |
                                     row[i + 2]);
    }
    return decoded;
}

TEST(PngEncoder, WritesTheViewedPixelsBackExactlyWithEveryFilterAndLevel) {
    // Noise with runs, over more than one IDAT chunk when stored; the alpha byte is left out.
    PictureBuffer picture(400, 300);
    std::uint32_t seed = 1;
    for (std::int32_t y = 0; y < picture.Height(); ++y)
        for (std::int32_t x = 0; x < picture.Width(); ++x) {
            seed = seed * 1103515245 + 12345;
            picture.SetPixel(x, y, x % 16 < 8 ? 0xFF000000 | seed >> 8 : 0x123456);
        }
    const PictureRect area{3, 2, 397, 298};
    std::vector<std::uint8_t> png;
    for (const PngFilter filter : {PngFilter::None, PngFilter::Sub, PngFilter::Up}) {
        for (const int level : {0, kDefaultPngCompression, kSmallestPngCompression}) {
            SCOPED_TRACE(testing::Message() << "filter " << static_cast<int>(filter) << " level " << level);
            EncodePng(picture.View(area), {level, filter}, png);
            const Decoded decoded = DecodePng(png);
            ASSERT_EQ(decoded.width, area.Width());
            ASSERT_EQ(decoded.height, area.Height());
            for (std::int32_t y = 0; y < area.Height(); ++y)
                for (std::int32_t x = 0; x < area.Width(); ++x)
                    ASSERT_EQ(decoded.pixels[static_cast<std::size_t>(y * area.Width() + x)],
                              picture.Pixel(area.left + x, area.top + y) & 0xFFFFFF)
                        << x << "," << y;
        }
    }
    EncodePng(picture.View({10, 10, 10, 20}), {}, png);
    EXPECT_TRUE(png.empty());
}

} // namespace
} // namespace tikaroo
