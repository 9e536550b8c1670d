#include "picture_buffer.h"

#include <algorithm>
#include <cstring>

namespace tikaroo {

namespace {

constexpr std::uint32_t kColourMask = 0x00FFFFFF;

std::uint32_t Channel(std::uint32_t pixel, int shift) {
    return (pixel >> shift) & 0xFF;
}

} // namespace

PictureRect UnionOf(PictureRect a, PictureRect b) {
    if (a.Empty()) return b;
    if (b.Empty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
}

PictureBuffer::PictureBuffer(std::int32_t width, std::int32_t height) {
    Resize(width, height);
}

PictureRect PictureBuffer::ClippedToBounds(PictureRect rect) const {
    return {std::max(rect.left, 0), std::max(rect.top, 0), std::min(rect.right, width_),
            std::min(rect.bottom, height_)};
}

PictureView PictureBuffer::View(PictureRect area) const {
    area = ClippedToBounds(area);
    if (area.Empty()) return {};
    return {Row(area.top).data() + area.left, area.Width(), area.Height(), static_cast<std::size_t>(width_)};
}

std::span<std::uint32_t> PictureBuffer::Row(std::int32_t y) {
    return {pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_),
            static_cast<std::size_t>(width_)};
}

std::span<const std::uint32_t> PictureBuffer::Row(std::int32_t y) const {
    return {pixels_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width_),
            static_cast<std::size_t>(width_)};
}

std::uint32_t PictureBuffer::Pixel(std::int32_t x, std::int32_t y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
    return Row(y)[static_cast<std::size_t>(x)];
}

void PictureBuffer::SetPixel(std::int32_t x, std::int32_t y, std::uint32_t value) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    Row(y)[static_cast<std::size_t>(x)] = value;
}

bool PictureBuffer::Resize(std::int32_t width, std::int32_t height) {
    if (width <= 0 || height <= 0) width = height = 0;
    if (width == width_ && height == height_) return false;
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
    return true;
}

void PictureBuffer::Clear(std::int32_t width, std::int32_t height) {
    if (!Resize(width, height)) Fill(0);
}

void PictureBuffer::Fill(std::uint32_t colour) {
    std::fill(pixels_.begin(), pixels_.end(), colour);
}

void PictureBuffer::FillRect(PictureRect rect, std::uint32_t colour) {
    rect = ClippedToBounds(rect);
    if (rect.Empty()) return;
    for (std::int32_t y = rect.top; y < rect.bottom; ++y) {
        auto row = Row(y);
        std::fill(row.begin() + rect.left, row.begin() + rect.right, colour);
    }
}

void PictureBuffer::FillVerticalGradient(std::uint32_t top, std::uint32_t bottom) {
    const std::int64_t span = std::max(height_ - 1, 1);
    for (std::int32_t y = 0; y < height_; ++y) {
        std::uint32_t colour = 0;
        for (int shift = 0; shift <= 16; shift += 8) {
            const std::int64_t from = Channel(top, shift);
            const std::int64_t to = Channel(bottom, shift);
            colour |= static_cast<std::uint32_t>(from + (to - from) * y / span) << shift;
        }
        auto row = Row(y);
        std::fill(row.begin(), row.end(), colour);
    }
}

PictureBuffer::ClippedCopy PictureBuffer::Clip(const PictureBuffer& source, PictureRect from, std::int32_t x,
                                               std::int32_t y) const {
    // Clip the source area to the source, moving the target along, then the target to this picture.
    const auto trim = [&](std::int32_t& start, std::int32_t& end, std::int32_t& target, std::int32_t limit,
                          std::int32_t targetLimit) {
        if (start < 0) {
            target -= start;
            start = 0;
        }
        end = std::min(end, limit);
        if (target < 0) {
            start -= target;
            target = 0;
        }
        end = std::min(end, start + (targetLimit - target));
    };
    trim(from.left, from.right, x, source.width_, width_);
    trim(from.top, from.bottom, y, source.height_, height_);
    return {from, x, y};
}

template <typename RowCopy>
void PictureBuffer::CopyRows(const PictureBuffer& source, PictureRect from, std::int32_t x, std::int32_t y,
                             RowCopy rowCopy) {
    const ClippedCopy copy = Clip(source, from, x, y);
    if (copy.from.Empty()) return;
    for (std::int32_t row = 0; row < copy.from.Height(); ++row) {
        rowCopy(&source.Row(copy.from.top + row)[static_cast<std::size_t>(copy.from.left)],
                &Row(copy.y + row)[static_cast<std::size_t>(copy.x)],
                static_cast<std::size_t>(copy.from.Width()));
    }
}

void PictureBuffer::CopyFrom(const PictureBuffer& source, PictureRect from, std::int32_t x, std::int32_t y) {
    // Rows overlap only within one picture; memcpy is the faster copy where they cannot.
    const bool self = &source == this;
    CopyRows(source, from, x, y, [self](const std::uint32_t* in, std::uint32_t* out, std::size_t count) {
        if (self)
            std::memmove(out, in, count * sizeof(std::uint32_t));
        else
            std::memcpy(out, in, count * sizeof(std::uint32_t));
    });
}

void PictureBuffer::CopyKeyedFrom(const PictureBuffer& source, PictureRect from, std::int32_t x,
                                  std::int32_t y, std::uint32_t key) {
    CopyRows(source, from, x, y, [key](const std::uint32_t* in, std::uint32_t* out, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            if ((in[i] & kColourMask) != key) out[i] = in[i];
        }
    });
}

void PictureBuffer::BlendFrom(const PictureBuffer& source, PictureRect from, std::int32_t x, std::int32_t y) {
    CopyRows(source, from, x, y, [](const std::uint32_t* in, std::uint32_t* out, std::size_t count) {
        for (std::size_t i = 0; i < count; ++i) {
            const std::uint32_t alpha = in[i] >> 24;
            if (alpha != 0) out[i] = MixPixel(in[i], out[i], alpha);
        }
    });
}

} // namespace tikaroo
