#pragma once

#include "picture_buffer.h"

#include <cstdint>
#include <optional>

namespace tikaroo {

// Boxes of a dialog picture laid out in columns and rows, numbered row by row: where box i stands,
// which box a point hits, and where an arrow step leads. The dialogs put their selection frame on Box().
struct BoxGrid {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t stepX = 0; // from one box to the next
    std::int32_t stepY = 0;
    std::int32_t boxWidth = 0;
    std::int32_t boxHeight = 0;
    std::int32_t columns = 0;
    std::int32_t rows = 0;

    std::int32_t Count() const { return columns * rows; }
    PictureRect Box(std::int32_t index) const {
        const std::int32_t x = left + stepX * (index % columns);
        const std::int32_t y = top + stepY * (index / columns);
        return {x, y, x + boxWidth, y + boxHeight};
    }
    // The box whose column and row the point falls in (gaps included); none outside the grid.
    std::optional<std::int32_t> IndexAt(PicturePoint point) const {
        if (point.x < left || point.y < top) return std::nullopt;
        return Cell((point.x - left) / stepX, (point.y - top) / stepY);
    }
    // The box one arrow step away; none past an edge.
    std::optional<std::int32_t> Step(std::int32_t index, std::int32_t dx, std::int32_t dy) const {
        return Cell(index % columns + dx, index / columns + dy);
    }

private:
    std::optional<std::int32_t> Cell(std::int32_t column, std::int32_t row) const {
        if (column < 0 || row < 0 || column >= columns || row >= rows) return std::nullopt;
        return row * columns + column;
    }
};

} // namespace tikaroo
