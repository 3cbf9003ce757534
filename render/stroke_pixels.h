// How a stroke of the maze shows on the device pixels, worked out exactly
// in whole numbers, so that a cell drawn on its own shows just what the
// whole stroke shows within it, at every scale.
#pragma once

#include <cstdint>

// The painter's scale from window pixels to device pixels, as it holds it:
// a whole number of 65536ths.
using PixelScale = std::int64_t;

// The first device pixel of a box whose edge lies at a whole window pixel:
// the edge's device coordinate rounded, halves up, as filled boxes take it.
constexpr int devicePixel(int logical, PixelScale scale)
{
    return static_cast<int>((logical * scale + 32768) >> 16);
}

// A stroke with round caps between two points given in half device pixels,
// so that the centre of any box of whole pixels is a whole number. The ends
// of the maze's strokes are the centres of their cells' boxes of pixels.
struct Stroke {
    std::int64_t ax, ay, bx, by;
    int penWidth;  // in window pixels
    PixelScale scale;
};

// Whether the stroke covers device pixel (x, y): the pixel's centre lies
// within half the pen width of the segment. A centre exactly on the edge
// counts when it lies above the segment, or level with it and to its left,
// as a filled box takes its top and left edges and not the others.
bool covers(const Stroke& stroke, int x, int y);
