// Copying stamps into a picture a whole grid at a time. The picture is
// written row by row across the grid, one pass over its memory, which at
// device pixel ratio 2 is most of what drawing a large maze costs.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <optional>
#include <vector>

namespace platform {

// A stamp's pixels at the picture's device pixel ratio, in the picture's
// format when opaque, premultiplied with alpha otherwise.
struct Stamp {
    explicit Stamp(QImage image, bool isOpaque);

    QImage pixels;
    bool opaque;
    const uchar* bits;
    qsizetype stride;
};

// Copies the stamps `ids` (row by row, `columns` to a row) into `picture`,
// each cell x cell device pixels, the first with its top-left corner at
// `origin`; cells beyond the picture are clipped. An opaque stamp replaces
// the pixels; another sets only those it covers. `cleared`, when given, is
// the pixel the picture is to be taken as holding beneath the grid.
void copyStampGrid(QImage& picture, const std::vector<Stamp>& stamps, const std::vector<int>& ids, int columns,
                   QPoint origin, int cell, std::optional<QRgb> cleared);

// Sets every pixel of `picture` outside `area` to `pixel`.
void fillOutside(QImage& picture, QRect area, QRgb pixel);

}  // namespace platform
