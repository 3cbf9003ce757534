#include "platform/surface/cell_tiles.h"

#include "platform/surface/colours.h"
#include "platform/surface/pixel_memory.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <tuple>

namespace platform {

namespace {

// Copies n pixels, at least four, four at a time: GCC writes each four as
// one vector store. The last four end at n, writing again some of what the
// ones before them wrote.
void copyPixels(QRgb* to, const QRgb* from, int n)
{
    int i = 0;
    for (; i + 4 < n; i += 4)
        std::memcpy(to + i, from + i, 4 * sizeof(QRgb));
    std::memcpy(to + n - 4, from + n - 4, 4 * sizeof(QRgb));
}

// Sets every pixel of the picture outside the area, which lies within it or
// is empty.
void fillOutside(QImage& picture, QRect inside, QRgb pixel)
{
    for (int y = 0; y < picture.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        if (y < inside.top() || y > inside.bottom()) {
            fillPixels(row, picture.width(), pixel);
            continue;
        }
        fillPixels(row, inside.left(), pixel);
        fillPixels(row + inside.right() + 1, picture.width() - inside.right() - 1, pixel);
    }
}

}  // namespace

void CellTiles::keepFor(const CellGrid& grid, PixelScale scale)
{
    const std::array<QRgb, 3> colours {toQColor(grid.strokeColour).rgb(), toQColor(grid.fills[0]).rgb(),
                                       toQColor(grid.fills[1]).rgb()};
    if (std::tie(scale, grid.penWidth, colours) == std::tie(scale_, penWidth_, colours_))
        return;
    std::tie(scale_, penWidth_, colours_) = std::tie(scale, grid.penWidth, colours);
    places_.clear();
    masks_.clear();
    tileWith_.clear();
    tiles_.clear();
    recent_.fill({});
}

std::vector<CellTiles::Span> CellTiles::spans(int cells, int limit)
{
    // Cell n's first device pixel is its near edge's; cell -1 is the margin.
    auto first = [this](int n) { return devicePixel(kCellPitch * n + kCellPitch, scale_); };
    auto size = [&first](int n) { return first(n + 1) - first(n); };
    std::vector<Span> shown;
    for (int n = 0; n < cells; ++n) {
        const int start = first(n);
        if (start >= limit)
            break;
        const Place place {size(n - 1), size(n), size(n + 1)};
        auto at = std::find(places_.begin(), places_.end(), place);
        if (at == places_.end())
            at = places_.insert(at, place);
        shown.push_back({start, std::min(place.size, limit - start), static_cast<std::uint32_t>(at - places_.begin())});
    }
    return shown;
}

const std::vector<std::uint8_t>& CellTiles::mask(int stroke, std::uint32_t column, std::uint32_t row)
{
    const auto [at, fresh] = masks_.try_emplace(stroke | std::uint64_t {column} << 8 | std::uint64_t {row} << 36);
    if (!fresh)
        return at->second;
    const Place& across = places_[column];
    const Place& down = places_[row];
    const CellStroke& k = kCellStrokes[stroke];
    const Stroke drawn {across.centre(k.x1), down.centre(k.y1), across.centre(k.x2), down.centre(k.y2), penWidth_,
                        scale_};
    for (int y = 0; y < down.size; ++y)
        for (int x = 0; x < across.size; ++x)
            at->second.push_back(covers(drawn, x, y));
    return at->second;
}

CellTiles::Tile& CellTiles::tile(CellLook look, std::uint32_t column, std::uint32_t row)
{
    const std::uint64_t key = look | std::uint64_t {column} << 16 | std::uint64_t {row} << 40;
    Recent& recent = recent_[key * 0x9E3779B97F4A7C15 >> 52];
    if (!recent.tile || recent.key != key)
        recent = {key, &keptTile(look, column, row)};
    return *recent.tile;
}

CellTiles::Tile& CellTiles::keptTile(CellLook look, std::uint32_t column, std::uint32_t row)
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

const QRgb* CellTiles::overClear(Tile& tile, QRgb clearTo)
{
    if (tile.overClear.empty() || tile.clearColour != clearTo) {
        tile.overClear = tile.pixels;
        for (QRgb& pixel : tile.overClear)
            if (qAlpha(pixel) == 0)
                pixel = clearTo;
        tile.clearColour = clearTo;
    }
    return tile.overClear.data();
}

void CellTiles::copyRow(QImage& picture, const std::vector<Span>& columns, const Span& row, const CellLook* looks,
                        std::optional<QRgb> clearTo)
{
    // Each cell's pixels, and whether they cover it whole: an opaque tile,
    // or any tile where the picture is being cleared.
    struct Cell { const QRgb* pixels; int width, start, size; bool whole; };
    std::vector<Cell> cells(columns.size());
    for (std::size_t c = 0; c < columns.size(); ++c) {
        Tile& found = tile(looks[c], columns[c].place, row.place);
        const bool whole = found.opaque || clearTo;
        cells[c] = {whole && !found.opaque ? overClear(found, *clearTo) : found.pixels.data(), found.width,
                    columns[c].start, columns[c].size, whole};
    }
    for (int y = 0; y < row.size; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(row.start + y));
        for (const Cell& cell : cells) {
            QRgb* to = line + cell.start;
            const QRgb* from = cell.pixels + y * cell.width;
            if (cell.whole && cell.size >= 4) {
                copyPixels(to, from, cell.size);
            } else if (cell.whole) {
                std::memcpy(to, from, static_cast<std::size_t>(cell.size) * sizeof(QRgb));
            } else {
                for (int i = 0; i < cell.size; ++i)
                    if (qAlpha(from[i]) != 0)
                        to[i] = from[i];
            }
        }
    }
}

void CellTiles::draw(QImage& picture, const CellGrid& grid, std::optional<QRgb> clearTo)
{
    keepFor(grid, std::llround(QPainter(&picture).deviceTransform().m11() * 65536));
    const std::vector<Span> columns = spans(grid.columns, picture.width());
    const std::vector<Span> rows = spans(grid.rows, picture.height());
    if (clearTo)
        fillOutside(picture, columns.empty() || rows.empty()
                                 ? QRect()
                                 : QRect(columns.front().start, rows.front().start,
                                         columns.back().start + columns.back().size - columns.front().start,
                                         rows.back().start + rows.back().size - rows.front().start),
                    *clearTo);
    for (std::size_t r = 0; r < rows.size(); ++r)
        copyRow(picture, columns, rows[r], grid.looks.data() + r * static_cast<std::size_t>(grid.columns), clearTo);
}

}  // namespace platform
