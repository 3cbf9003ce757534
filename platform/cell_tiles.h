// Grids of cells drawn from tiles: the pixels of one look at one place on
// the device pixel grid, drawn once and then copied to every cell that shows
// that look there. Where a cell falls between device pixels repeats along a
// row every few cells (every cell at whole pixel ratios, every two or four
// at 1.25, 1.5 and 1.75), so a look needs a few tiles at most. The tiles
// depend on the grid's strokes and colours and on the pixel ratio, and are
// kept until one of them changes: a window dragged to a new size keeps them.
#pragma once

#include "render/surface.h"

#include <QImage>
#include <QRect>

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace platform {

class CellTiles {
public:
    // Draws the grid into the picture at the picture's pixel ratio. Where a
    // cell has no fill, what the picture holds shows through, or `beneath`
    // when given.
    void draw(QImage& picture, const CellGrid& grid, std::optional<QRgb> beneath);

    // The device pixels the grid's squares cover at the pixel ratio.
    static QRect deviceArea(const CellGrid& grid, qreal ratio);

private:
    struct Tile {
        int width = 0;
        bool opaque = true;
        std::vector<QRgb> pixels;  // 0 where nothing is drawn
    };
    using Mask = std::vector<std::uint8_t>;

    void keepFor(const CellGrid& grid, qreal ratio);
    // The number of the tile of a look at a phase, drawn when first asked for.
    std::size_t tile(const CellGrid& grid, CellLook look, int phaseX, int phaseY);
    const Mask& mask(const CellStroke& stroke, std::int16_t penWidth, int phaseX, int phaseY);

    qreal ratio_ = 0;
    int period_ = 1;
    // What the tiles were drawn for.
    bool drawn_ = false;
    std::vector<CellStroke> strokes_;
    std::int16_t penWidth_ = 0;
    QRgb strokePixel_ = 0;
    QRgb fillPixels_[2] = {0, 0};

    std::unordered_map<std::uint32_t, Mask> masks_;
    std::vector<Tile> tiles_;
    // Many looks give the same pixels, one stroke hiding another; they share
    // one tile, which keeps the tiles few enough to stay in the cache.
    std::unordered_map<std::string, std::int32_t> tileWith_;
    // Each look met is given a number, in order; tileOf_ holds the tiles of
    // look number k at the period_ x period_ phases from k period_^2 on.
    std::vector<std::int32_t> lookNumber_;
    std::vector<std::int32_t> tileOf_;
};

}  // namespace platform
