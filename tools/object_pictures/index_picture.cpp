#include "index_picture.h"

#include <algorithm>
#include <stdexcept>

namespace tikaroo::art {

Mask Mask::Where(const std::function<bool(double x, double y)>& inside) {
    Mask mask;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            if (inside(x + 0.5, y + 0.5)) mask.Set(x, y);
    return mask;
}

Mask Mask::Polygon(const std::vector<std::pair<double, double>>& corners) {
    return Where([&corners](double x, double y) {
        bool inside = false;
        for (std::size_t i = 0, j = corners.size() - 1; i < corners.size(); j = i++) {
            const auto [xi, yi] = corners[i];
            const auto [xj, yj] = corners[j];
            if ((yi > y) != (yj > y) && x < xi + (y - yi) * (xj - xi) / (yj - yi)) inside = !inside;
        }
        return inside;
    });
}

Mask Mask::Rect(int left, int top, int width, int height) {
    Mask mask;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x) mask.Set(x, y);
    return mask;
}

Mask Mask::Ellipse(double centreX, double centreY, double radiusX, double radiusY) {
    return Where([=](double x, double y) {
        const double dx = (x - centreX) / radiusX;
        const double dy = (y - centreY) / radiusY;
        return dx * dx + dy * dy <= 1.0;
    });
}

void Mask::Set(int x, int y) {
    if (x >= 0 && y >= 0 && x < kSide && y < kSide) bits_[Index(x, y)] = 1;
}

Mask& Mask::Add(const Mask& other) {
    for (std::size_t i = 0; i < bits_.size(); ++i) bits_[i] |= other.bits_[i];
    return *this;
}

Mask Mask::Grown(int radius) const {
    Mask grown;
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x) {
            if (!At(x, y)) continue;
            for (int dy = -radius; dy <= radius; ++dy)
                for (int dx = -radius; dx <= radius; ++dx)
                    if (dx * dx + dy * dy <= radius * radius + radius) grown.Set(x + dx, y + dy);
        }
    return grown;
}

std::uint8_t IndexPicture::AddColour(std::uint32_t rgb) {
    const auto known = std::find(colours_.begin(), colours_.end(), rgb);
    if (known != colours_.end()) return static_cast<std::uint8_t>(known - colours_.begin() + 1);
    colours_.push_back(rgb);
    if (colours_.size() > 6) throw std::logic_error("an object picture has at most six colours");
    return static_cast<std::uint8_t>(colours_.size());
}

void IndexPicture::Paint(const Mask& mask, std::uint8_t colour) {
    for (int y = 0; y < kSide; ++y)
        for (int x = 0; x < kSide; ++x)
            if (mask.At(x, y)) pixels_[static_cast<std::size_t>(y * kSide + x)] = colour;
}

void IndexPicture::PaintOutlined(const Mask& shape, std::uint8_t fill, std::uint8_t outline, int border) {
    Paint(shape.Grown(border), outline);
    Paint(shape, fill);
}

} // namespace tikaroo::art
