#pragma once

#include "rom/bytes.h"

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace tikaroo::art {

inline constexpr int kSide = 128;

// Which pixels of a 128x128 picture a shape covers.
class Mask {
public:
    Mask() : bits_(kSide * kSide, 0) {}
    // Covers the pixels whose centre satisfies `inside`.
    static Mask Where(const std::function<bool(double x, double y)>& inside);
    // The convex or concave polygon through `corners` (even-odd rule).
    static Mask Polygon(const std::vector<std::pair<double, double>>& corners);
    static Mask Rect(int left, int top, int width, int height);
    static Mask Ellipse(double centreX, double centreY, double radiusX, double radiusY);

    bool At(int x, int y) const { return x >= 0 && y >= 0 && x < kSide && y < kSide && bits_[Index(x, y)]; }
    void Set(int x, int y);
    Mask& Add(const Mask& other);
    // Every pixel within `radius` of a covered one: the shape with a round border around it.
    Mask Grown(int radius) const;

private:
    static std::size_t Index(int x, int y) { return static_cast<std::size_t>(y * kSide + x); }
    std::vector<std::uint8_t> bits_;
};

// A picture of colour numbers: 0 is transparent, k is the k-th colour added.
class IndexPicture {
public:
    IndexPicture() : pixels_(kSide * kSide, 0) {}
    // The colour number of `rgb`, added when new.
    std::uint8_t AddColour(std::uint32_t rgb);
    void Paint(const Mask& mask, std::uint8_t colour);
    // Paints the shape with a border of `border` pixels in another colour.
    void PaintOutlined(const Mask& shape, std::uint8_t fill, std::uint8_t outline, int border);

    const std::vector<std::uint32_t>& Colours() const { return colours_; }
    const Bytes& Pixels() const { return pixels_; }

private:
    std::vector<std::uint32_t> colours_;
    Bytes pixels_;
};

} // namespace tikaroo::art
