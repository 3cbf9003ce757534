#include "platform/cell_tiles.h"

#include "platform/colours.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <tuple>

namespace platform {

namespace {

// The painter holds a ratio to 1/65536, so at most ratios that are not a
// whole number of quarters the cells fall in ever new places across the
// picture (at 115 % the near edges drift by a hundredth of a pixel every
// hundred cells): a tile would serve one cell. Past this many places the
// strokes are drawn whole instead, as the reference does.
constexpr std::size_t kMostPlaces = 16;

// The device coordinate of cell n's near edge: the painter maps a window
// pixel x to x times its scale, a number of 1/65536ths, so the product is
// exact.
double edge(int n, qreal scale)
{
    return static_cast<double>(kCellPitch * n + kCellPitch) * scale;
}

// A box filled over a cell's square covers the device pixels from the
// rounded near edge up to the rounded far one, halves rounded up.
int firstPixel(int n, qreal scale)
{
    return static_cast<int>(std::floor(edge(n, scale) + 0.5));
}

// Sets every pixel of the picture outside the area, which lies within it or
// is empty.
void fillOutside(QImage& picture, QRect inside, QRgb pixel)
{
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        if (y < inside.top() || y > inside.bottom()) {
            std::fill_n(row, picture.width(), pixel);
            continue;
        }
        std::fill_n(row, inside.left(), pixel);
        std::fill_n(row + inside.right() + 1, picture.width() - inside.right() - 1, pixel);
    }
}

}  // namespace

void CellTiles::keepFor(const CellGrid& grid, qreal scale)
{
    const std::array<QRgb, 3> colours {toQColor(grid.strokeColour).rgb(), toQColor(grid.fills[0]).rgb(),
                                       toQColor(grid.fills[1]).rgb()};
    if (std::tie(scale, grid.penWidth, colours) == std::tie(scale_, penWidth_, colours_))
        return;
    std::tie(scale_, penWidth_, colours_) = std::tie(scale, grid.penWidth, colours);
    placeAt_.clear();
    places_.clear();
    masks_.clear();
    tileWith_.clear();
    tiles_.clear();
}

std::vector<CellTiles::Span> CellTiles::spans(int cells, int limit)
{
    std::vector<Span> shown;
    for (int n = 0; n < cells; ++n) {
        const int start = firstPixel(n, scale_);
        if (start >= limit)
            break;
        const int end = firstPixel(n + 1, scale_);
        const auto [at, fresh] = placeAt_.try_emplace(edge(n, scale_) - start, places_.size());
        if (fresh)
            places_.push_back({n, start, end - start});
        shown.push_back({start, std::min(end, limit) - start, at->second});
    }
    return shown;
}

const std::vector<std::uint8_t>& CellTiles::mask(int stroke, std::uint32_t column, std::uint32_t row)
{
    const auto [at, fresh] = masks_.try_emplace(stroke | std::uint64_t {column} << 8 | std::uint64_t {row} << 36);
    if (!fresh)
        return at->second;
    // The stroke of the first cell that falls in these places, drawn just as
    // the whole picture would draw it and moved by whole device pixels.
    const Place& across = places_[column];
    const Place& down = places_[row];
    QImage drawn(across.size, down.size, QImage::Format_ARGB32);
    drawn.fill(0);
    QPainter painter(&drawn);
    painter.setTransform(QTransform(scale_, 0, 0, scale_, -across.start, -down.start));
    painter.setPen(penOf(colours_[0], penWidth_, Qt::RoundCap, Qt::RoundJoin));
    const CellStroke& k = kCellStrokes[stroke];
    painter.drawLine(QPointF(cellCentre(across.cell + k.x1), cellCentre(down.cell + k.y1)),
                     QPointF(cellCentre(across.cell + k.x2), cellCentre(down.cell + k.y2)));
    painter.end();
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            at->second.push_back(qAlpha(drawn.pixel(x, y)) != 0);
    return at->second;
}

const CellTiles::Tile& CellTiles::tile(CellLook look, std::uint32_t column, std::uint32_t row)
{
    const auto [at, fresh] = tiles_.try_emplace(look | std::uint64_t {column} << 16 | std::uint64_t {row} << 40);
    if (!fresh)
        return *at->second;
    const int fill = look >> kStrokeCount;
    Tile made {std::vector<QRgb>(static_cast<std::size_t>(places_[column].size * places_[row].size),
                                 fill ? colours_[fill] : 0),
               places_[column].size, fill != 0};
    for (int n = 0; n < kStrokeCount; ++n) {
        if (!(look & (1 << n)))
            continue;
        const std::vector<std::uint8_t>& covered = mask(n, column, row);
        for (std::size_t i = 0; i < covered.size(); ++i)
            if (covered[i])
                made.pixels[i] = colours_[0];
    }
    std::string content(reinterpret_cast<const char*>(&made.width), sizeof made.width);
    content += made.opaque ? 'o' : 't';
    content.append(reinterpret_cast<const char*>(made.pixels.data()), made.pixels.size() * sizeof(QRgb));
    at->second = &tileWith_.try_emplace(std::move(content), std::move(made)).first->second;
    return *at->second;
}

void CellTiles::copyRow(QImage& picture, const std::vector<Span>& columns, const Span& row, const CellLook* looks,
                        std::optional<QRgb> clearTo)
{
    std::vector<const Tile*> tiles(columns.size());
    for (std::size_t c = 0; c < columns.size(); ++c)
        tiles[c] = &tile(looks[c], columns[c].place, row.place);
    for (int y = 0; y < row.size; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(row.start + y));
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const QRgb* from = tiles[c]->pixels.data() + y * tiles[c]->width;
            QRgb* to = line + columns[c].start;
            if (tiles[c]->opaque) {
                std::memcpy(to, from, static_cast<std::size_t>(columns[c].size) * sizeof(QRgb));
                continue;
            }
            for (int i = 0; i < columns[c].size; ++i) {
                if (qAlpha(from[i]) != 0)
                    to[i] = from[i];
                else if (clearTo)
                    to[i] = *clearTo;
            }
        }
    }
}

void CellTiles::drawWhole(QImage& picture, const std::vector<Span>& columns, const std::vector<Span>& rows,
                          const CellGrid& grid, std::optional<QRgb> clearTo)
{
    // The fills first, then every stroke once, from its left end (or its
    // upper end when it goes straight down): the cell's own strokes to the
    // right, down, up-right and down-right.
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            const int fill = grid.looks[r * static_cast<std::size_t>(grid.columns) + c] >> kStrokeCount;
            if (fill == 0 && !clearTo)
                continue;
            for (int y = rows[r].start; y < rows[r].start + rows[r].size; ++y)
                std::fill_n(reinterpret_cast<QRgb*>(picture.scanLine(y)) + columns[c].start, columns[c].size,
                            fill ? colours_[fill] : *clearTo);
        }
    }
    QPainter painter(&picture);
    painter.setPen(penOf(colours_[0], penWidth_, Qt::RoundCap, Qt::RoundJoin));
    for (int y = 0; y < grid.rows; ++y) {
        for (int x = 0; x < grid.columns; ++x) {
            const CellLook look = grid.looks[static_cast<std::size_t>(y * grid.columns + x)];
            for (int n : {2, 3, 5, 6}) {
                const CellStroke& k = kCellStrokes[n];
                if (look & (1 << n))
                    painter.drawLine(QPointF(cellCentre(x), cellCentre(y)), QPointF(cellCentre(x + k.x2), cellCentre(y + k.y2)));
            }
        }
    }
}

void CellTiles::draw(QImage& picture, const CellGrid& grid, std::optional<QRgb> clearTo)
{
    keepFor(grid, QPainter(&picture).deviceTransform().m11());
    const std::vector<Span> columns = spans(grid.columns, picture.width());
    const std::vector<Span> rows = spans(grid.rows, picture.height());
    if (clearTo)
        fillOutside(picture, columns.empty() || rows.empty()
                                 ? QRect()
                                 : QRect(columns.front().start, rows.front().start,
                                         columns.back().start + columns.back().size - columns.front().start,
                                         rows.back().start + rows.back().size - rows.front().start),
                    *clearTo);
    if (places_.size() > kMostPlaces) {
        drawWhole(picture, columns, rows, grid, clearTo);
        return;
    }
    for (std::size_t r = 0; r < rows.size(); ++r)
        copyRow(picture, columns, rows[r], grid.looks.data() + r * static_cast<std::size_t>(grid.columns), clearTo);
}

}  // namespace platform
