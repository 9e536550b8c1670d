#include "png_encoder.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <stdexcept>

namespace tikaroo {

namespace {

constexpr std::array<std::uint8_t, 8> kSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kBytesPerPixel = 3;
// Compressed bytes per IDAT chunk; the sample's pictures fit in one at the fastest level.
constexpr std::size_t kIdatDataSize = std::size_t{1} << 18;
constexpr std::size_t kChunkHeaderSize = 8;

void PutBigEndian(std::uint8_t* out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(value >> (24 - 8 * i));
}

void AppendBigEndian(std::vector<std::uint8_t>& png, std::uint32_t value) {
    png.resize(png.size() + 4);
    PutBigEndian(png.data() + png.size() - 4, value);
}

// Ends the chunk whose header starts at `start`: its length from what follows, then its CRC.
void CloseChunk(std::vector<std::uint8_t>& png, std::size_t start) {
    const std::size_t dataSize = png.size() - start - kChunkHeaderSize;
    PutBigEndian(png.data() + start, static_cast<std::uint32_t>(dataSize));
    const std::uint8_t* typeAndData = png.data() + start + 4;
    AppendBigEndian(png, static_cast<std::uint32_t>(
                             crc32(crc32(0, nullptr, 0), typeAndData, static_cast<uInt>(dataSize + 4))));
}

std::size_t OpenChunk(std::vector<std::uint8_t>& png, const char (&type)[5]) {
    const std::size_t start = png.size();
    png.resize(start + kChunkHeaderSize);
    std::copy(type, type + 4, png.begin() + static_cast<std::ptrdiff_t>(start + 4));
    return start;
}

void AppendHeader(std::vector<std::uint8_t>& png, PictureView picture) {
    const std::size_t start = OpenChunk(png, "IHDR");
    AppendBigEndian(png, static_cast<std::uint32_t>(picture.width));
    AppendBigEndian(png, static_cast<std::uint32_t>(picture.height));
    constexpr std::uint8_t kDepth = 8, kTrueColour = 2, kDeflate = 0, kAdaptiveFilters = 0, kNoInterlace = 0;
    png.insert(png.end(), {kDepth, kTrueColour, kDeflate, kAdaptiveFilters, kNoInterlace});
    CloseChunk(png, start);
}

// A zlib stream written into as many IDAT chunks as it needs.
class IdatStream {
public:
    IdatStream(std::vector<std::uint8_t>& png, int compression) : png_(png) {
        if (deflateInit(&stream_, std::clamp(compression, 0, kSmallestPngCompression)) != Z_OK)
            throw std::bad_alloc();
    }
    ~IdatStream() { deflateEnd(&stream_); }
    IdatStream(const IdatStream&) = delete;
    IdatStream& operator=(const IdatStream&) = delete;

    void Write(const std::uint8_t* data, std::size_t size) { Deflate(data, size, Z_NO_FLUSH); }
    void Finish() {
        Deflate(nullptr, 0, Z_FINISH);
        png_.resize(png_.size() - stream_.avail_out);
        CloseChunk(png_, chunk_);
    }

private:
    void Deflate(const std::uint8_t* data, std::size_t size, int flush) {
        stream_.next_in = const_cast<Bytef*>(data);
        stream_.avail_in = static_cast<uInt>(size);
        for (;;) {
            if (stream_.avail_out == 0) NextChunk();
            const int result = deflate(&stream_, flush);
            if (result == Z_STREAM_ERROR) throw std::logic_error("zlib stream error");
            if (flush == Z_FINISH ? result == Z_STREAM_END : stream_.avail_out != 0) return;
        }
    }
    // Closes the full chunk (if any) and opens the next, handing its data room to zlib.
    void NextChunk() {
        if (open_) CloseChunk(png_, chunk_);
        chunk_ = OpenChunk(png_, "IDAT");
        open_ = true;
        png_.resize(png_.size() + kIdatDataSize);
        stream_.next_out = png_.data() + png_.size() - kIdatDataSize;
        stream_.avail_out = static_cast<uInt>(kIdatDataSize);
    }

    std::vector<std::uint8_t>& png_;
    z_stream stream_{};
    std::size_t chunk_ = 0;
    bool open_ = false;
};

// Channel by channel a - b, each modulo 256.
std::uint32_t ChannelDifference(std::uint32_t a, std::uint32_t b) {
    constexpr std::uint32_t kHigh = 0x80808080;
    return ((a | kHigh) - (b & ~kHigh)) ^ ((a ^ ~b) & kHigh);
}

// Writes the red, green and blue bytes of each pixel from `channels(x)`.
template <typename Channels>
void PutRgb(std::int32_t width, std::uint8_t* out, Channels channels) {
    for (std::int32_t x = 0; x < width; ++x, out += kBytesPerPixel) {
        const std::uint32_t pixel = channels(x);
        out[0] = static_cast<std::uint8_t>(pixel >> 16);
        out[1] = static_cast<std::uint8_t>(pixel >> 8);
        out[2] = static_cast<std::uint8_t>(pixel);
    }
}

// The filter byte, then the row's bytes less their prediction; `above` is null on the first row.
void FilterRow(PngFilter filter, const std::uint32_t* row, const std::uint32_t* above, std::int32_t width,
               std::uint8_t* out) {
    *out++ = static_cast<std::uint8_t>(filter);
    if (filter == PngFilter::Sub)
        PutRgb(width, out, [&](std::int32_t x) { return ChannelDifference(row[x], x > 0 ? row[x - 1] : 0); });
    else if (filter == PngFilter::Up && above != nullptr)
        PutRgb(width, out, [&](std::int32_t x) { return ChannelDifference(row[x], above[x]); });
    else
        PutRgb(width, out, [&](std::int32_t x) { return row[x]; });
}

} // namespace

void EncodePng(PictureView picture, PngSettings settings, std::vector<std::uint8_t>& png) {
    png.clear();
    if (picture.Empty()) return;
    png.assign(kSignature.begin(), kSignature.end());
    AppendHeader(png, picture);
    std::vector<std::uint8_t> filtered(1 +
                                       static_cast<std::size_t>(std::max(picture.width, 0)) * kBytesPerPixel);
    {
        IdatStream idat(png, settings.compression);
        for (std::int32_t y = 0; y < picture.height; ++y) {
            FilterRow(settings.filter, picture.Row(y), y > 0 ? picture.Row(y - 1) : nullptr, picture.width,
                      filtered.data());
            idat.Write(filtered.data(), filtered.size());
        }
        idat.Finish();
    }
    const std::size_t end = OpenChunk(png, "IEND");
    CloseChunk(png, end);
}

} // namespace tikaroo
