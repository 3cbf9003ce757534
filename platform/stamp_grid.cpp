#include "platform/stamp_grid.h"

#include <algorithm>
#include <cstring>

namespace platform {

namespace {

// The columns of the grid that show in the picture, and their visible part.
struct Column {
    int index;
    qsizetype targetOffset;  // bytes from the start of a picture row
    int from;                // first visible pixel of the cell
    int width;               // visible pixels
};

// One row of pixels of the given cells in a row of the grid. Where all
// cells are whole the width is a constant, so that each copy is a few
// vector moves rather than a call.
template <int Width>
void copyRow(uchar* target, const Stamp* const* row, const std::vector<Column>& columns, int y,
             const std::optional<QRgb>& cleared)
{
    for (const Column& column : columns) {
        const int pixels = Width > 0 ? Width : column.width;
        const Stamp& s = *row[column.index];
        const auto* from = reinterpret_cast<const quint32*>(s.bits + y * s.stride) + column.from;
        auto* to = reinterpret_cast<quint32*>(target + column.targetOffset);
        if (s.opaque) {
            std::memcpy(to, from, static_cast<std::size_t>(pixels) * 4);
            continue;
        }
        if (cleared)
            std::fill_n(to, pixels, *cleared);
        for (int i = 0; i < pixels; ++i)
            if (qAlpha(from[i]) != 0)
                to[i] = from[i] | 0xFF000000u;
    }
}

}  // namespace

Stamp::Stamp(QImage image, bool isOpaque)
    : pixels(std::move(image)), opaque(isOpaque), bits(pixels.constBits()), stride(pixels.bytesPerLine())
{
}

void copyStampGrid(QImage& picture, const std::vector<Stamp>& stamps, const std::vector<int>& ids, int columns,
                   QPoint origin, int cell, std::optional<QRgb> cleared)
{
    if (columns <= 0 || ids.empty())
        return;
    const int rows = static_cast<int>(ids.size()) / columns;
    // Whole cells, and the few the picture's edge cuts.
    std::vector<Column> whole;
    std::vector<Column> cut;
    for (int c = 0; c < columns; ++c) {
        const int left = origin.x() + c * cell;
        const int from = std::max(0, -left);
        const int to = std::min(cell, picture.width() - left);
        if (from >= to)
            continue;
        const Column column {c, static_cast<qsizetype>(left + from) * 4, from, to - from};
        (to - from == cell ? whole : cut).push_back(column);
    }

    uchar* const bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    std::vector<const Stamp*> row(static_cast<std::size_t>(columns));
    for (int r = 0; r < rows; ++r) {
        const int top = origin.y() + r * cell;
        const int fromY = std::max(0, -top);
        const int toY = std::min(cell, picture.height() - top);
        if (fromY >= toY)
            continue;
        const int* const rowIds = ids.data() + static_cast<std::ptrdiff_t>(r) * columns;
        for (int c = 0; c < columns; ++c)
            row[static_cast<std::size_t>(c)] = &stamps[static_cast<std::size_t>(rowIds[c])];
        for (int y = fromY; y < toY; ++y) {
            uchar* const target = bits + (top + y) * stride;
            if (cell == 15)
                copyRow<15>(target, row.data(), whole, y, cleared);
            else if (cell == 30)
                copyRow<30>(target, row.data(), whole, y, cleared);
            else
                copyRow<0>(target, row.data(), whole, y, cleared);
            copyRow<0>(target, row.data(), cut, y, cleared);
        }
    }
}

void fillOutside(QImage& picture, QRect area, QRgb pixel)
{
    const QRect inside = area & picture.rect();
    uchar* const bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    const int width = picture.width();
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<quint32*>(bits + y * stride);
        if (inside.isEmpty() || y < inside.top() || y > inside.bottom()) {
            std::fill_n(row, width, pixel);
            continue;
        }
        std::fill_n(row, inside.left(), pixel);
        std::fill_n(row + inside.right() + 1, width - inside.right() - 1, pixel);
    }
}

}  // namespace platform
