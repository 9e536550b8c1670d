// The pen and brush drawing of PictureBuffer: wide lines, ellipses, frames and the focus rectangle.
#include "picture_buffer.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace tikaroo {

namespace {

constexpr std::int32_t kPenWidth = 3;

// Dash-dot-dot as on/off runs of pixels along the line: a dash, a gap, a dot, a gap, a dot, a gap.
constexpr std::array<std::int32_t, 6> kDashDotDotRuns = {12, 4, 3, 4, 3, 4};
constexpr std::int32_t kDashDotDotPeriod = 30;

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

// The pen is 3 pixels wide across the line with flat ends; as with the usual line drawing, each segment
// leaves out its end point, so a line from x to x + 128 covers exactly 128 columns. Inner corners get
// a square join.
void PictureBuffer::DrawPolyline(std::span<const PicturePoint> points, std::uint32_t colour, PenStyle style) {
    constexpr std::int32_t before = kPenWidth / 2;
    std::int32_t step = 0;
    for (std::size_t i = 0; i + 1 < points.size(); ++i) {
        const PicturePoint to = points[i + 1];
        std::int32_t x = points[i].x;
        std::int32_t y = points[i].y;
        const std::int32_t dx = std::abs(to.x - x);
        const std::int32_t dy = -std::abs(to.y - y);
        const std::int32_t sx = x < to.x ? 1 : -1;
        const std::int32_t sy = y < to.y ? 1 : -1;
        const bool xMajor = dx >= -dy;
        if (i > 0 && PenLit(style, step))
            FillRect({x - before, y - before, x - before + kPenWidth, y - before + kPenWidth}, colour);
        // Bresenham, one pixel of the pen's width across the line at every step.
        std::int32_t error = dx + dy;
        while (x != to.x || y != to.y) {
            if (PenLit(style, step)) {
                FillRect(xMajor ? PictureRect{x, y - before, x + 1, y - before + kPenWidth}
                                : PictureRect{x - before, y, x - before + kPenWidth, y + 1},
                         colour);
            }
            ++step;
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
