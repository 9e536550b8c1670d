#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace tikaroo {

// The transparent colour of the overlay layer and of the marker sheets.
inline constexpr std::uint32_t kKeyColour = 0xFEFAFE;

// A rectangle of pixels; right and bottom are exclusive.
struct PictureRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    std::int32_t Width() const { return right - left; }
    std::int32_t Height() const { return bottom - top; }
    bool Empty() const { return right <= left || bottom <= top; }
    bool operator==(const PictureRect&) const = default;
};

// `over` mixed over `under` by `alpha` (0-255), each channel rounded to nearest; the result has alpha 0.
inline std::uint32_t MixPixel(std::uint32_t over, std::uint32_t under, std::uint32_t alpha) {
    // Red and blue side by side in one word, then green; x / 255 rounded is (x + 128 + ((x + 128) >> 8))
    // >> 8.
    const std::uint32_t inverse = 255 - alpha;
    std::uint32_t rb = (over & 0xFF00FF) * alpha + (under & 0xFF00FF) * inverse + 0x800080;
    rb = ((rb + ((rb >> 8) & 0xFF00FF)) >> 8) & 0xFF00FF;
    std::uint32_t g = ((over >> 8) & 0xFF) * alpha + ((under >> 8) & 0xFF) * inverse + 0x80;
    g = (g + (g >> 8)) & 0xFF00;
    return rb | g;
}

// The smallest rectangle holding both; an empty rectangle adds nothing.
PictureRect UnionOf(PictureRect a, PictureRect b);

struct PicturePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

enum class PenStyle { Solid, DashDotDot };

// Rows of pixels held elsewhere: `stride` pixels from the start of one row to the next.
struct PictureView {
    const std::uint32_t* pixels = nullptr;
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::size_t stride = 0;

    bool Empty() const { return width <= 0 || height <= 0; }
    const std::uint32_t* Row(std::int32_t y) const { return pixels + static_cast<std::size_t>(y) * stride; }
};

// A 32-bit picture, pixels 0x00RRGGBB, top row first, rows packed without padding: a
// QImage::Format_RGB32 (or Format_ARGB32) can wrap Data() with Stride() directly.
//
// The top byte of a pixel is its alpha. Every operation writes colours with alpha 0 and ignores the
// alpha it reads, except BlendFrom, which takes the source pixel's top byte as its opacity
// (0 transparent, 255 opaque). Pictures that serve as blend sources (the screen band masks) are
// filled through FillRect/SetPixel with an explicit alpha byte.
//
// Every drawing and copy operation clips to the picture; nothing is written outside it.
class PictureBuffer {
public:
    PictureBuffer() = default;
    // Zero-filled (black); a width or height of 0 (or less) gives an empty picture.
    PictureBuffer(std::int32_t width, std::int32_t height);

    std::int32_t Width() const { return width_; }
    std::int32_t Height() const { return height_; }
    bool Empty() const { return pixels_.empty(); }
    PictureRect Bounds() const { return {0, 0, width_, height_}; }
    std::size_t Stride() const { return static_cast<std::size_t>(width_) * sizeof(std::uint32_t); }

    std::uint32_t* Data() { return pixels_.data(); }
    const std::uint32_t* Data() const { return pixels_.data(); }
    // The area of the picture inside `area`, without copying it.
    PictureView View(PictureRect area) const;
    PictureView View() const { return View(Bounds()); }
    std::span<std::uint32_t> Row(std::int32_t y);
    std::span<const std::uint32_t> Row(std::int32_t y) const;
    std::uint32_t Pixel(std::int32_t x, std::int32_t y) const;
    void SetPixel(std::int32_t x, std::int32_t y, std::uint32_t value);

    // Recreates the picture black when its size differs; returns whether it did.
    bool Resize(std::int32_t width, std::int32_t height);
    // A black picture of this size, in the memory the picture holds when its size is the same.
    void Clear(std::int32_t width, std::int32_t height);

    void Fill(std::uint32_t colour);
    void FillRect(PictureRect rect, std::uint32_t colour);
    // Row y gets top + (bottom - top) * y / (height - 1), channel by channel.
    void FillVerticalGradient(std::uint32_t top, std::uint32_t bottom);

    // Copies the area `from` of `source` to (x, y).
    void CopyFrom(const PictureBuffer& source, PictureRect from, std::int32_t x, std::int32_t y);
    // The same, leaving out source pixels whose colour is `key`.
    void CopyKeyedFrom(const PictureBuffer& source, PictureRect from, std::int32_t x, std::int32_t y,
                       std::uint32_t key = kKeyColour);
    // The same, mixing each source pixel over the picture by the source pixel's alpha byte.
    void BlendFrom(const PictureBuffer& source, PictureRect from, std::int32_t x, std::int32_t y);

    // Connected lines of pen width 3 through `points`, the last point left out; a dash-dot-dot pattern
    // runs on across corners.
    void DrawPolyline(std::span<const PicturePoint> points, std::uint32_t colour, PenStyle style);
    void DrawLine(PicturePoint from, PicturePoint to, std::uint32_t colour, PenStyle style = PenStyle::Solid);
    // The ellipse inscribed in `bounds`: a one-pixel `outline` around a `fill` interior.
    void FillEllipse(PictureRect bounds, std::uint32_t fill, std::uint32_t outline);
    // Only the one-pixel outline of the inscribed ellipse.
    void DrawEllipse(PictureRect bounds, std::uint32_t outline);
    // A circle of `diameter` centred on `centre`, filled and outlined.
    void FillCircle(PicturePoint centre, std::int32_t diameter, std::uint32_t fill, std::uint32_t outline);
    // A hollow rectangle whose pen of `penWidth` is centred on the outline of `rect`.
    void DrawRectangle(PictureRect rect, std::uint32_t colour, std::int32_t penWidth = 1);
    // Inverts every other pixel along the outline of `rect` (drawn twice, it vanishes).
    void DrawFocusRect(PictureRect rect);

private:
    PictureRect ClippedToBounds(PictureRect rect) const;
    // The part of `from` (in `source`) that lands inside this picture at (x, y), with its target.
    struct ClippedCopy {
        PictureRect from;
        std::int32_t x = 0;
        std::int32_t y = 0;
    };
    ClippedCopy Clip(const PictureBuffer& source, PictureRect from, std::int32_t x, std::int32_t y) const;
    // Calls rowCopy(in, out, count) for every row of the clipped copy.
    template <typename RowCopy>
    void CopyRows(const PictureBuffer& source, PictureRect from, std::int32_t x, std::int32_t y,
                  RowCopy rowCopy);

    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    std::vector<std::uint32_t> pixels_;
};

} // namespace tikaroo
