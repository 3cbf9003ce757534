// The stamps of one picture and their copying into it a whole grid at a
// time. The stamps' pixels are kept row by row across all stamps: row y of
// every stamp lies side by side, so that one picture row of a grid reads
// its sources from one small block. The picture is written one row at a
// time across the grid, one pass over its memory, which at device pixel
// ratio 2 is most of what drawing a large maze costs.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>

#include <cstdint>
#include <optional>
#include <vector>

namespace platform {

class StampSheet {
public:
    // Forgets every stamp; the next one sets the stamps' size.
    void clear();

    // Adds a stamp of cell x cell device pixels, in the picture's format when
    // opaque, premultiplied with alpha otherwise, and returns its number.
    int add(const QImage& pixels, bool opaque);

    int count() const { return count_; }

    // Copies the stamps `ids` (row by row, `columns` to a row) into
    // `picture`, the first with its top-left corner at `origin`; cells beyond
    // the picture are clipped. An opaque stamp replaces the pixels; another
    // sets only those it covers. `cleared`, when given, is the pixel the
    // picture is to be taken as holding beneath the grid.
    void copyGrid(QImage& picture, const std::vector<int>& ids, int columns, QPoint origin,
                  std::optional<QRgb> cleared) const;

private:
    std::size_t offset(int stamp, int y) const
    {
        return (static_cast<std::size_t>(y) * capacity_ + static_cast<std::size_t>(stamp)) * cell_;
    }
    void reserve(int capacity);

    int cell_ = 0;
    int count_ = 0;
    int capacity_ = 0;
    std::vector<std::uint32_t> pixels_;  // cell_ rows of capacity_ x cell_ pixels
    std::vector<std::uint8_t> opaque_;
};

// Sets every pixel of `picture` outside `area` to `pixel`.
void fillOutside(QImage& picture, QRect area, QRgb pixel);

}  // namespace platform
