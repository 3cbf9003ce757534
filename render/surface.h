// The drawing model of the main window: a retained picture with a pen, a fill
// and a text cursor. The renderers draw through this interface only, so the
// same code draws to the window, into a test image or into a benchmark.
#pragma once

#include "common/colour.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class Surface {
public:
    virtual ~Surface() = default;

    // Drawing state, set by each routine before it draws.
    ColourWord ForeColor = 0;        // lines, boxes, circle outlines, text
    std::int16_t DrawWidth = 1;      // pen width in pixels
    std::int16_t FillStyle = 1;      // 0 solid, 1 transparent (circles)
    ColourWord FillColor = 0;        // circle fill while FillStyle is 0
    float CurrentX = 0.0f;           // text cursor: top-left of the next line
    float CurrentY = 0.0f;

    virtual ColourWord BackColor() const = 0;
    // Setting the background clears the whole picture to it.
    virtual void setBackColor(ColourWord colour) = 0;

    // Clears the picture to the background colour.
    virtual void Cls() = 0;
    // A line from (x1, y1) to (x2, y2) in ForeColor, DrawWidth wide; wide
    // lines end in round caps.
    virtual void Line(float x1, float y1, float x2, float y2) = 0;
    // A box outline in ForeColor with the pen centred on its edges.
    virtual void Box(float x1, float y1, float x2, float y2) = 0;
    // A box filled with ForeColor, covering x1 <= x < x2 and y1 <= y < y2,
    // so that boxes of neighbouring cells meet without a gap.
    virtual void BoxFilled(float x1, float y1, float x2, float y2) = 0;
    // A circle outline in ForeColor, filled with FillColor when FillStyle is 0.
    virtual void Circle(float cx, float cy, float radius) = 0;
    // One line of single-byte text at the cursor, glyphs only, in ForeColor;
    // the cursor then moves to the start of the next line.
    virtual void Print(const std::string& text) = 0;

    // Stamps: small pictures drawn once and then copied, which lets a maze be
    // drawn cell by cell as fast as memory copies. A stamp is drawn by `draw`
    // on a scratch surface of width x height that starts transparent, and the
    // part keep = (x, y, w, h) is kept. An opaque stamp copies all its pixels;
    // another copies only those the drawing covered. Stamps are kept under a
    // key until the picture is resized or the palette changes.
    struct StampRecipe {
        int width = 0;
        int height = 0;
        int keepX = 0;
        int keepY = 0;
        int keepWidth = 0;
        int keepHeight = 0;
        bool opaque = true;
        std::function<void(Surface& scratch)> draw;
    };

    // Whether stamps can be used: a cell must cover whole device pixels.
    virtual bool stampsAvailable() const = 0;
    // Discards every stamp when the two colours differ from the last call.
    virtual void useStampPalette(ColourWord fore, ColourWord back) = 0;
    // The number of the stamp kept under `key`, or -1.
    virtual int findStamp(std::uint32_t key) const = 0;
    virtual int makeStamp(std::uint32_t key, const StampRecipe& recipe) = 0;
    // Copies a grid of stamps of pitch x pitch each, given row by row with
    // `columns` to a row: the one of column c and row r goes to
    // (x + pitch c, y + pitch r). Together they cover the grid's rectangle;
    // an opaque stamp replaces what the picture shows there, another is
    // copied onto it.
    virtual void placeStampGrid(const std::vector<int>& stamps, int columns, int x, int y, int pitch) = 0;
};
