// Grids of cells drawn from tiles: the pixels of one look in one place on
// the device pixel grid, drawn once and copied to every cell that shows that
// look there. The tiles depend on the grid's strokes and colours and on the
// picture's pixel ratio, and are kept until one of them changes: a window
// dragged to a new size keeps them.
#pragma once

#include "render/surface.h"

#include <QImage>

#include <array>
#include <cstdint>
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
    // What a cell shows along one axis depends on its size in device pixels
    // and on the sizes of the cells before and after it, whose centres its
    // strokes join: together they are its place.
    struct Place {
        int before, size, after;
        bool operator==(const Place&) const = default;
        // In half pixels from the cell's first pixel: the centre of the cell
        // (step 0) or of the one before or after it.
        int centre(int step) const { return step < 0 ? -before : step == 0 ? size : 2 * size + after; }
    };
    // The cells of one axis that show: each one's first device pixel, its
    // size as it shows (the picture's edge may cut the last) and its place.
    struct Span { int start, size; std::uint32_t place; };
    // A tile's pixels are 0 where nothing is drawn, unless it is opaque.
    // Where a picture is being cleared, the tile over the clear colour is
    // made once and kept.
    struct Tile {
        std::vector<QRgb> pixels;
        int width;
        bool opaque;
        std::vector<QRgb> overClear {};
        QRgb clearColour = 0;
    };

    void keepFor(const CellGrid& grid, PixelScale scale);
    std::vector<Span> spans(int cells, int limit);
    // A cell's tile, and the same from the kept tiles, made the first time.
    Tile& tile(CellLook look, std::uint32_t column, std::uint32_t row);
    Tile& keptTile(CellLook look, std::uint32_t column, std::uint32_t row);
    // The pixels of a cell in these places that one stroke covers.
    const std::vector<std::uint8_t>& mask(int stroke, std::uint32_t column, std::uint32_t row);
    void copyRow(QImage& picture, const std::vector<Span>& columns, const Span& row, const CellLook* looks,
                 std::optional<QRgb> clearTo);
    static const QRgb* overClear(Tile& tile, QRgb clearTo);

    // What the tiles were drawn for: the scale, the pen's width and the
    // strokes' and the two fills' colours.
    PixelScale scale_ = 0;
    std::int16_t penWidth_ = 0;
    std::array<QRgb, 3> colours_ {};
    std::vector<Place> places_;
    std::unordered_map<std::uint64_t, std::vector<std::uint8_t>> masks_;
    // Many looks give the same pixels, one stroke hiding another; they share
    // a tile, which keeps the tiles few enough to stay in the cache.
    std::unordered_map<std::string, Tile> tileWith_;
    std::unordered_map<std::uint64_t, Tile*> tiles_;
    // The tiles last found, in a table indexed by a hash of their keys: most
    // cells find theirs here, for less than the map's lookup costs. It has
    // room for the few thousand keys of a grid at a fractional scale.
    struct Recent { std::uint64_t key; Tile* tile; };
    std::array<Recent, 4096> recent_ {};
};

}  // namespace platform
