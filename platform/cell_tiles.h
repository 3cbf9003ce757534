// Grids of cells drawn from tiles: the pixels of one look at one place on
// the device pixel grid, drawn once by Qt's painter and copied to every cell
// that shows that look there. The tiles depend on the grid's strokes and
// colours and on the picture's pixel ratio, and are kept until one of them
// changes: a window dragged to a new size keeps them.
#pragma once

#include "render/surface.h"

#include <QImage>

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace platform {


class CellTiles {
public:
    // Draws the grid into the picture. Where a cell has no fill, what the
    // picture holds shows through; when the picture is being cleared to
    // `clearTo`, that colour shows there instead, and it fills the picture
    // around the cells as well.
    void draw(QImage& picture, const CellGrid& grid, std::optional<QRgb> clearTo);

private:
    // Where a cell falls on the device pixels along one axis: a place is
    // the first cell met that falls there, its first device pixel and its
    // size.
    struct Place { int cell, start, size; };
    // The cells of one axis that show: each one's first device pixel, its
    // size as it shows (the picture's edge may cut the last) and its place.
    struct Span { int start, size; std::uint32_t place; };
    // A tile's pixels are 0 where nothing is drawn, unless it is opaque.
    struct Tile { std::vector<QRgb> pixels; int width; bool opaque; };

    void keepFor(const CellGrid& grid, qreal scale);
    std::vector<Span> spans(int cells, int limit);
    const Tile& tile(CellLook look, std::uint32_t column, std::uint32_t row);
    // The pixels of a cell in these places that one stroke covers.
    const std::vector<std::uint8_t>& mask(int stroke, std::uint32_t column, std::uint32_t row);
    void drawWhole(QImage& picture, const std::vector<Span>& columns, const std::vector<Span>& rows,
                   const CellGrid& grid, std::optional<QRgb> clearTo);
    void copyRow(QImage& picture, const std::vector<Span>& columns, const Span& row, const CellLook* looks,
                 std::optional<QRgb> clearTo);

    // What the tiles were drawn for: the scale, the pen's width and the
    // strokes' and the two fills' colours.
    qreal scale_ = 0;
    std::int16_t penWidth_ = 0;
    std::array<QRgb, 3> colours_ {};
    // A place is known by where its cell's near edge falls within its first
    // device pixel, which the painter's scale gives exactly.
    std::map<double, std::uint32_t> placeAt_;
    std::vector<Place> places_;
    std::unordered_map<std::uint64_t, std::vector<std::uint8_t>> masks_;
    // Many looks give the same pixels, one stroke hiding another; they share
    // a tile, which keeps the tiles few enough to stay in the cache.
    std::unordered_map<std::string, Tile> tileWith_;
    std::unordered_map<std::uint64_t, const Tile*> tiles_;
};

}  // namespace platform
