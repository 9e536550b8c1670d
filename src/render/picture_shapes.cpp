// The pen and brush drawing of PictureBuffer: wide lines, ellipses, frames and the focus rectangle.
#include "picture_buffer.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace tikaroo {

namespace {

constexpr std::int32_t kPenWidth = 3;

// Dash-dot-dot as on/off runs in steps along the line; every lit step stamps a 3x3 pen, so a
// one-step dot is a square dot and a five-step gap leaves three clear pixels.
constexpr std::array<std::int32_t, 6> kDashDotDotRuns = {9, 5, 1, 5, 1, 5};
constexpr std::int32_t kDashDotDotPeriod = 26;

bool PenLit(PenStyle style, std::int32_t step) {
    if (style == PenStyle::Solid) return true;
    std::int32_t position = step % kDashDotDotPeriod;
    for (std::size_t run = 0; run < kDashDotDotRuns.size(); ++run) {
        if (position < kDashDotDotRuns[run]) return run % 2 == 0;
        position -= kDashDotDotRuns[run];
    }
    return false;
}

} // namespace

void PictureBuffer::Stamp(std::int32_t x, std::int32_t y, std::uint32_t colour) {
    FillRect(
        {x - kPenWidth / 2, y - kPenWidth / 2, x - kPenWidth / 2 + kPenWidth, y - kPenWidth / 2 + kPenWidth},
        colour);
}

void PictureBuffer::DrawPolyline(std::span<const PicturePoint> points, std::uint32_t colour, PenStyle style) {
    std::int32_t step = 0;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        // Bresenham from one corner to the next; corners after the first are not stepped twice.
        std::int32_t x = points[i].x;
        std::int32_t y = points[i].y;
        const std::int32_t dx = std::abs(points[i + 1].x - x);
        const std::int32_t dy = -std::abs(points[i + 1].y - y);
        const std::int32_t sx = x < points[i + 1].x ? 1 : -1;
        const std::int32_t sy = y < points[i + 1].y ? 1 : -1;
        std::int32_t error = dx + dy;
        bool sharedCorner = i > 0;
        while (true) {
            if (!sharedCorner) {
                if (PenLit(style, step)) Stamp(x, y, colour);
                ++step;
            }
            sharedCorner = false;
            if (x == points[i + 1].x && y == points[i + 1].y) break;
            const std::int32_t doubled = 2 * error;
            if (doubled >= dy) {
                error += dy;
                x += sx;
            }
            if (doubled <= dx) {
                error += dx;
                y += sy;
            }
        }
    }
}

void PictureBuffer::DrawLine(PicturePoint from, PicturePoint to, std::uint32_t colour, PenStyle style) {
    const std::array<PicturePoint, 2> points = {from, to};
    DrawPolyline(points, colour, style);
}

namespace {

// Whether the centre of pixel (x, y) lies inside the ellipse inscribed in `bounds`.
bool InsideEllipse(PictureRect bounds, std::int32_t x, std::int32_t y) {
    if (x < bounds.left || y < bounds.top || x >= bounds.right || y >= bounds.bottom) return false;
    const double rx = bounds.Width() / 2.0;
    const double ry = bounds.Height() / 2.0;
    const double nx = (x + 0.5 - bounds.left - rx) / rx;
    const double ny = (y + 0.5 - bounds.top - ry) / ry;
    return nx * nx + ny * ny <= 1.0;
}

bool OnEllipseEdge(PictureRect bounds, std::int32_t x, std::int32_t y) {
    return !InsideEllipse(bounds, x - 1, y) || !InsideEllipse(bounds, x + 1, y) ||
           !InsideEllipse(bounds, x, y - 1) || !InsideEllipse(bounds, x, y + 1);
}

} // namespace

void PictureBuffer::FillEllipse(PictureRect bounds, std::uint32_t fill, std::uint32_t outline) {
    for (std::int32_t y = bounds.top; y < bounds.bottom; ++y) {
        for (std::int32_t x = bounds.left; x < bounds.right; ++x) {
            if (InsideEllipse(bounds, x, y)) SetPixel(x, y, OnEllipseEdge(bounds, x, y) ? outline : fill);
        }
    }
}

void PictureBuffer::DrawEllipse(PictureRect bounds, std::uint32_t outline) {
    for (std::int32_t y = bounds.top; y < bounds.bottom; ++y) {
        for (std::int32_t x = bounds.left; x < bounds.right; ++x) {
            if (InsideEllipse(bounds, x, y) && OnEllipseEdge(bounds, x, y)) SetPixel(x, y, outline);
        }
    }
}

void PictureBuffer::FillCircle(PicturePoint centre, std::int32_t diameter, std::uint32_t fill,
                               std::uint32_t outline) {
    const std::int32_t half = diameter / 2;
    FillEllipse({centre.x - half, centre.y - half, centre.x - half + diameter, centre.y - half + diameter},
                fill, outline);
}

void PictureBuffer::DrawRectangle(PictureRect rect, std::uint32_t colour, std::int32_t penWidth) {
    if (rect.Empty() || penWidth < 1) return;
    // The pen runs along the outline pixels left..right-1 and top..bottom-1, centred on them.
    const std::int32_t before = penWidth / 2;
    const PictureRect outer = {rect.left - before, rect.top - before, rect.right - 1 - before + penWidth,
                               rect.bottom - 1 - before + penWidth};
    const PictureRect inner = {outer.left + penWidth, outer.top + penWidth, outer.right - penWidth,
                               outer.bottom - penWidth};
    if (inner.Empty()) {
        FillRect(outer, colour);
        return;
    }
    FillRect({outer.left, outer.top, outer.right, inner.top}, colour);
    FillRect({outer.left, inner.bottom, outer.right, outer.bottom}, colour);
    FillRect({outer.left, inner.top, inner.left, inner.bottom}, colour);
    FillRect({inner.right, inner.top, outer.right, inner.bottom}, colour);
}

void PictureBuffer::DrawFocusRect(PictureRect rect) {
    if (rect.Empty()) return;
    const auto invert = [this](std::int32_t x, std::int32_t y) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_ && (x + y) % 2 == 0)
            SetPixel(x, y, Pixel(x, y) ^ 0x00FFFFFF);
    };
    // Each outline pixel once, so the corners are not inverted back.
    for (std::int32_t x = rect.left; x < rect.right; ++x) {
        invert(x, rect.top);
        if (rect.bottom - 1 > rect.top) invert(x, rect.bottom - 1);
    }
    for (std::int32_t y = rect.top + 1; y < rect.bottom - 1; ++y) {
        invert(rect.left, y);
        if (rect.right - 1 > rect.left) invert(rect.right - 1, y);
    }
}

} // namespace tikaroo
