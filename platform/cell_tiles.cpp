#include "platform/cell_tiles.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform {

namespace {

// A ratio whose cells never fall alike within this many is served as if
// they did after it, which may move an edge by a pixel; whole and quarter
// ratios, and every ratio of a whole number of dots per inch, repeat sooner.
constexpr int kLongestPeriod = 64;

// Cell n covers the device pixels from start(n) to start(n + 1) - 1, as a
// box filled over its square does: each edge is rounded to the nearest
// pixel.
int start(int n, qreal ratio)
{
    return qRound(static_cast<qreal>(kCellPitch * n + kCellPitch) * ratio);
}

// The smallest number of cells after which cells fall alike on the pixels.
int periodOf(qreal ratio)
{
    for (int n = 1; n < kLongestPeriod; ++n) {
        const qreal pixels = kCellPitch * n * ratio;
        if (std::abs(pixels - std::round(pixels)) < 1e-9)
            return n;
    }
    return kLongestPeriod;
}

QRgb opaque(ColourWord colour)
{
    return qRgb(redOf(colour), greenOf(colour), blueOf(colour));
}

float centre(int n)
{
    return static_cast<float>(kCellPitch * n + kCellPitch) + kCellPitch / 2.0f;
}

// One picture row of a row of cells side by side: a cell's tile is `width`
// pixels wide and its pixels are copied unless it lets what lies beneath
// show through. The widths are fixed at whole pixel ratios, where copies of
// a width known here are a few vector moves each.
struct Run {
    const QRgb* pixels;  // null for a tile that lets what lies beneath show
    int stride;          // the tile's width
    int width;           // what shows of it
};

template <int Width>
void copyRun(QRgb* target, const std::vector<Run>& runs, int row)
{
    for (const Run& run : runs) {
        if constexpr (Width > 0) {
            if (run.pixels)
                std::memcpy(target, run.pixels + row * Width, Width * sizeof(QRgb));
            target += Width;
        } else {
            if (run.pixels)
                std::memcpy(target, run.pixels + row * run.stride, static_cast<std::size_t>(run.width) * sizeof(QRgb));
            target += run.width;
        }
    }
}

}  // namespace

QRect CellTiles::deviceArea(const CellGrid& grid, qreal ratio)
{
    const int left = start(grid.firstColumn, ratio);
    const int top = start(grid.firstRow, ratio);
    return QRect(QPoint(left, top), QPoint(start(grid.firstColumn + grid.columns, ratio) - 1,
                                           start(grid.firstRow + grid.rows, ratio) - 1));
}

void CellTiles::keepFor(const CellGrid& grid, qreal ratio)
{
    if (ratio != ratio_) {
        ratio_ = ratio;
        period_ = periodOf(ratio);
        masks_.clear();
        drawn_ = false;
    }
    const bool sameStrokes = std::equal(strokes_.begin(), strokes_.end(), grid.strokes.begin(), grid.strokes.end(),
                                        [](const CellStroke& a, const CellStroke& b) {
                                            return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
                                        });
    const QRgb strokePixel = opaque(grid.strokeColour);
    const QRgb fills[2] = {opaque(grid.fills[0]), opaque(grid.fills[1])};
    if (drawn_ && sameStrokes && grid.penWidth == penWidth_ && strokePixel == strokePixel_
        && fills[0] == fillPixels_[0] && fills[1] == fillPixels_[1])
        return;
    drawn_ = true;
    strokes_.assign(grid.strokes.begin(), grid.strokes.end());
    penWidth_ = grid.penWidth;
    strokePixel_ = strokePixel;
    fillPixels_[0] = fills[0];
    fillPixels_[1] = fills[1];
    tiles_.clear();
    tileWith_.clear();
    lookNumber_.assign(kLookCount, -1);
    tileOf_.clear();
}

const CellTiles::Mask& CellTiles::mask(const CellStroke& stroke, std::int16_t penWidth, int phaseX, int phaseY)
{
    const std::uint32_t key = static_cast<std::uint32_t>((stroke.x1 + 1) | (stroke.y1 + 1) << 2
                                                         | (stroke.x2 + 1) << 4 | (stroke.y2 + 1) << 6)
        | static_cast<std::uint32_t>(penWidth & 0xFF) << 8 | static_cast<std::uint32_t>(phaseX) << 16
        | static_cast<std::uint32_t>(phaseY) << 24;
    auto found = masks_.find(key);
    if (found != masks_.end())
        return found->second;

    // The stroke of a cell that lies like the tile's, drawn just as the
    // picture would draw it and moved by whole pixels onto a small image.
    const int left = start(phaseX, ratio_);
    const int top = start(phaseY, ratio_);
    QImage scratch(start(phaseX + 1, ratio_) - left, start(phaseY + 1, ratio_) - top,
                   QImage::Format_ARGB32_Premultiplied);
    scratch.fill(Qt::transparent);
    {
        QPainter painter(&scratch);
        painter.setTransform(QTransform(ratio_, 0, 0, ratio_, -left, -top));
        QPen pen(Qt::black);
        pen.setWidth(penWidth);
        pen.setCapStyle(Qt::RoundCap);
        pen.setJoinStyle(Qt::RoundJoin);
        painter.setPen(pen);
        painter.drawLine(QPointF(centre(phaseX + stroke.x1), centre(phaseY + stroke.y1)),
                         QPointF(centre(phaseX + stroke.x2), centre(phaseY + stroke.y2)));
    }
    Mask covered(static_cast<std::size_t>(scratch.width()) * static_cast<std::size_t>(scratch.height()));
    for (int y = 0; y < scratch.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
        for (int x = 0; x < scratch.width(); ++x)
            covered[static_cast<std::size_t>(y * scratch.width() + x)] = qAlpha(row[x]) != 0;
    }
    return masks_.emplace(key, std::move(covered)).first->second;
}

std::size_t CellTiles::tile(const CellGrid& grid, CellLook look, int phaseX, int phaseY)
{
    const std::size_t phases = static_cast<std::size_t>(period_ * period_);
    std::int32_t& number = lookNumber_[look];
    if (number < 0) {
        number = static_cast<std::int32_t>(tileOf_.size() / phases);
        tileOf_.resize(tileOf_.size() + phases, -1);
    }
    std::int32_t& index = tileOf_[static_cast<std::size_t>(number) * phases + static_cast<std::size_t>(phaseY * period_ + phaseX)];
    if (index >= 0)
        return static_cast<std::size_t>(index);

    Tile made;
    made.width = start(phaseX + 1, ratio_) - start(phaseX, ratio_);
    const int height = start(phaseY + 1, ratio_) - start(phaseY, ratio_);
    const int fill = look >> kFillShift;
    made.opaque = fill != 0;
    made.pixels.assign(static_cast<std::size_t>(made.width * height), fill ? fillPixels_[fill - 1] : 0);
    for (std::size_t n = 0; n < grid.strokes.size(); ++n) {
        if (!(look & (1u << n)))
            continue;
        const Mask& covered = mask(grid.strokes[n], grid.penWidth, phaseX, phaseY);
        for (std::size_t i = 0; i < covered.size(); ++i)
            if (covered[i])
                made.pixels[i] = strokePixel_;
    }
    // The same pixels in rows of another width are another tile.
    std::string content(reinterpret_cast<const char*>(&made.width), sizeof made.width);
    content.append(reinterpret_cast<const char*>(made.pixels.data()), made.pixels.size() * sizeof(QRgb));
    const auto [same, fresh] = tileWith_.emplace(std::move(content), static_cast<std::int32_t>(tiles_.size()));
    if (fresh)
        tiles_.push_back(std::move(made));
    index = same->second;
    return static_cast<std::size_t>(index);
}

void CellTiles::draw(QImage& picture, const CellGrid& grid, std::optional<QRgb> beneath)
{
    keepFor(grid, picture.devicePixelRatio());
    // The columns that show, and where; the picture's edge may cut the last.
    std::vector<int> lefts;
    std::vector<int> widths;
    for (int c = 0; c < grid.columns; ++c) {
        const int n = grid.firstColumn + c;
        const int left = start(n, ratio_);
        if (left >= picture.width())
            break;
        lefts.push_back(left);
        widths.push_back(std::min(start(n + 1, ratio_), picture.width()) - left);
    }
    const std::size_t shown = lefts.size();
    // At a whole pixel ratio every cell is as wide as every other.
    const bool alike = std::all_of(widths.begin(), widths.end(), [&](int w) { return w == widths.front(); });

    std::vector<std::size_t> rowTiles(shown);
    std::vector<Run> runs(shown);
    std::vector<std::size_t> seeThrough;
    for (int r = 0; r < grid.rows; ++r) {
        const int n = grid.firstRow + r;
        const int top = start(n, ratio_);
        const int bottom = std::min(start(n + 1, ratio_), picture.height());
        // Found before any is copied: finding a tile may draw it, which may
        // move the others.
        for (std::size_t c = 0; c < shown; ++c) {
            const CellLook look = grid.looks[static_cast<std::size_t>(r * grid.columns) + c];
            rowTiles[c] = tile(grid, look, (grid.firstColumn + static_cast<int>(c)) % period_, n % period_);
        }
        seeThrough.clear();
        for (std::size_t c = 0; c < shown; ++c) {
            const Tile& t = tiles_[rowTiles[c]];
            runs[c] = Run {t.opaque ? t.pixels.data() : nullptr, t.width, widths[c]};
            if (!t.opaque)
                seeThrough.push_back(c);
        }
        for (int y = top; y < bottom; ++y) {
            QRgb* const target = reinterpret_cast<QRgb*>(picture.scanLine(y)) + lefts.front();
            const int row = y - top;
            if (alike && widths.front() == 15)
                copyRun<15>(target, runs, row);
            else if (alike && widths.front() == 30)
                copyRun<30>(target, runs, row);
            else
                copyRun<0>(target, runs, row);
            for (const std::size_t c : seeThrough) {
                const Tile& t = tiles_[rowTiles[c]];
                const QRgb* from = t.pixels.data() + row * t.width;
                QRgb* to = target + (lefts[c] - lefts.front());
                for (int i = 0; i < widths[c]; ++i) {
                    if (from[i] != 0)
                        to[i] = from[i];
                    else if (beneath)
                        to[i] = *beneath;
                }
            }
        }
    }
}

}  // namespace platform
