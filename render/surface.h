// The drawing model of the main window: a retained picture with a pen, a fill
// and a text cursor. The renderers draw through this interface only, so the
// same code draws to the window, into a test image or into a benchmark.
#pragma once

#include "common/colour.h"

#include <cstdint>
#include <string>

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
};
