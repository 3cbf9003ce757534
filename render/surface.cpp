#include "render/surface.h"

#include <cassert>

namespace {

// Where covers is exact, as its declaration states.
constexpr bool exactFor(const Stroke& s, int x, int y)
{
    auto within = [](std::int64_t halfPixels) { return halfPixels >= -16384 && halfPixels <= 16384; };
    return within(s.ax) && within(s.ay) && within(s.bx) && within(s.by) && within(2 * std::int64_t {x})
        && within(2 * std::int64_t {y}) && s.penWidth >= 0 && s.penWidth <= 1024 && s.scale > 0 && s.scale <= 1 << 20;
}

}  // namespace

bool covers(const Stroke& stroke, int x, int y)
{
    assert(exactFor(stroke, x, y));
    const std::int64_t dx = stroke.bx - stroke.ax, dy = stroke.by - stroke.ay;
    const std::int64_t length = dx * dx + dy * dy;
    // From the start to the pixel's top-left corner, in half pixels.
    const std::int64_t ux = 2 * x - stroke.ax, uy = 2 * y - stroke.ay;
    const std::int64_t along = ux * dx + uy * dy;
    // The offset from the nearest point of the segment to the corner, and
    // the square of the distance, both times `times`.
    std::int64_t qx = ux, qy = uy, times = 1;
    if (length != 0 && along >= length) {
        qx = ux - dx;
        qy = uy - dy;
    } else if (length != 0 && along > 0) {
        qx = ux * length - along * dx;
        qy = uy * length - along * dy;
        times = length;
    }
    const std::int64_t cross = ux * dy - uy * dx;
    const std::int64_t distance = times == 1 ? qx * qx + qy * qy : cross * cross;
    // The radius in half pixels is penWidth x scale / 65536.
    const std::int64_t radius = stroke.penWidth * stroke.scale;
    const __int128 left = static_cast<__int128>(distance) << 32;
    const __int128 right = static_cast<__int128>(radius * radius) * times;
    return left < right || (left == right && (qy < 0 || (qy == 0 && qx < 0)));
}
