// The drawing model of the main window: a retained picture with a pen, a fill
// and a text cursor, and grids of cells drawn from their looks. The
// renderers draw through this interface only, so the same code draws to the
// window, into a test image or into a benchmark.
#pragma once

#include "common/cell_geometry.h"
#include "common/colour.h"

#include <cstdint>
#include <string>
#include <vector>

// The strokes between neighbouring centres that reach into a cell's square,
// counted from the cell: from its centre to each of its eight neighbours (the
// side ones first: left, up, right, down), and between two of its side
// neighbours, across one of its corners.
struct CellStroke { std::int8_t x1, y1, x2, y2; };
constexpr CellStroke kCellStrokes[] = {
    {0, 0, -1, 0},  {0, 0, 0, -1}, {0, 0, 1, 0},  {0, 0, 0, 1},  {0, 0, -1, -1}, {0, 0, 1, -1},
    {0, 0, 1, 1},   {0, 0, -1, 1}, {-1, 0, 0, -1}, {0, -1, 1, 0}, {1, 0, 0, 1},   {0, 1, -1, 0},
};
constexpr int kStrokeCount = 12;

// What one cell shows: bit n for kCellStrokes[n], and above them its fill,
// drawn first: none (the cell keeps what lies beneath it), or one of the
// grid's two fill colours.
using CellLook = std::uint16_t;
constexpr CellLook kFillNone = 0;
constexpr CellLook kFillFirst = 1 << kStrokeCount;
constexpr CellLook kFillSecond = 2 << kStrokeCount;

// The painter's scale from window pixels to device pixels, as it holds it:
// a whole number of 65536ths. Strokes are worked out on the device pixels
// in whole numbers, so that a cell drawn alone shows exactly what the whole
// stroke shows within it, at every scale.
using PixelScale = std::int64_t;

// The first device pixel of a box whose edge lies at a whole window pixel:
// the edge's device coordinate rounded, halves up, as filled boxes take it.
constexpr int devicePixel(int logical, PixelScale scale)
{
    return static_cast<int>((logical * scale + 32768) >> 16);
}

// A stroke with round caps between two points given in half device pixels,
// so that the centre of any box of whole pixels is a whole number. The ends
// of the maze's strokes are the centres of their cells' boxes of pixels. The
// pen's width is in window pixels.
struct Stroke { std::int64_t ax, ay, bx, by; int penWidth; PixelScale scale; };

// Whether the stroke covers device pixel (x, y): the pixel's top-left corner
// lies within half the pen width of the segment. Strokes thus sit half a
// pixel right of and below the pixels' centres, as Qt's painter sets down
// lines without smoothing at 100 %. A corner exactly on the edge counts
// when it lies above the segment's nearest point, or level with it and to
// its left.
// Exact, and asserted in debug builds, for ends and pixel corners within
// 8192 device pixels of the origin (ax, ay, bx, by, 2x and 2y from -16384
// to 16384), a pen 0 to 1024 pixels wide and a scale above 0 up to 16
// (1 << 20): the products then stay within 64 bits and the last comparison
// within 128.
bool covers(const Stroke& stroke, int x, int y);

// Cells of columns 0.. and rows 0.., each drawn within its own square: its
// fill covers the square, and of its strokes, drawn in strokeColour
// penWidth wide with round caps, only the part within the square is drawn.
// A cell whose look names every stroke that reaches into its square
// therefore shows exactly what drawing those strokes whole shows.
struct CellGrid {
    int columns = 0;
    int rows = 0;
    std::int16_t penWidth = 1;
    ColourWord strokeColour = 0;
    ColourWord fills[2] = {0, 0};
    std::vector<CellLook> looks;  // row by row
};

class Surface {
public:
    virtual ~Surface() = default;

    // Drawing state, set by each routine before it draws.
    ColourWord ForeColor = 0;        // box and circle outlines, text
    std::int16_t DrawWidth = 1;      // pen width in pixels
    std::int16_t FillStyle = 1;      // 0 solid, 1 transparent (circles)
    ColourWord FillColor = 0;        // circle fill while FillStyle is 0
    float CurrentX = 0.0f;           // text cursor: top-left of the next line
    float CurrentY = 0.0f;

    // Setting the background clears the whole picture to it.
    virtual void setBackColor(ColourWord colour) = 0;

    // Clears the picture to the background colour.
    virtual void Cls() = 0;
    // A box outline in ForeColor with the pen centred on its edges.
    virtual void Box(float x1, float y1, float x2, float y2) = 0;
    // A circle outline in ForeColor, filled with FillColor when FillStyle is 0.
    virtual void Circle(float cx, float cy, float radius) = 0;
    // One line of text at the cursor, glyphs only, in ForeColor;
    // the cursor then moves to the start of the next line.
    virtual void Print(const std::string& text) = 0;
    // Draws the grid's cells; the drawing state is left as it was.
    virtual void drawCells(const CellGrid& grid) = 0;
};
