#include "platform/stamp_sheet.h"

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

}  // namespace

void StampSheet::clear()
{
    cell_ = 0;
    count_ = 0;
    capacity_ = 0;
    pixels_.clear();
    opaque_.clear();
}

void StampSheet::reserve(int capacity)
{
    std::vector<std::uint32_t> grown(static_cast<std::size_t>(cell_) * static_cast<std::size_t>(capacity) * cell_);
    for (int y = 0; y < cell_ && count_ > 0; ++y)
        std::memcpy(grown.data() + static_cast<std::size_t>(y) * capacity * cell_, pixels_.data() + offset(0, y),
                    static_cast<std::size_t>(count_) * cell_ * 4);
    pixels_ = std::move(grown);
    capacity_ = capacity;
}

int StampSheet::add(const QImage& pixels, bool opaque)
{
    if (count_ == 0)
        cell_ = pixels.width();
    Q_ASSERT(pixels.width() == cell_ && pixels.height() == cell_);
    if (count_ == capacity_)
        reserve(std::max(64, 2 * capacity_));
    for (int y = 0; y < cell_; ++y)
        std::memcpy(pixels_.data() + offset(count_, y), pixels.constScanLine(y), static_cast<std::size_t>(cell_) * 4);
    opaque_.push_back(opaque ? 1 : 0);
    return count_++;
}

namespace {

// One row of pixels of the given cells in a row of the grid, one by one.
void copyCells(uchar* target, const std::uint32_t* sources, std::size_t sourcePitch, const int* ids,
               const std::uint8_t* opaque, const std::vector<Column>& columns, const std::optional<QRgb>& cleared)
{
    for (const Column& column : columns) {
        const int id = ids[column.index];
        const std::uint32_t* from = sources + static_cast<std::size_t>(id) * sourcePitch + column.from;
        auto* to = reinterpret_cast<std::uint32_t*>(target + column.targetOffset);
        if (opaque[id]) {
            std::memcpy(to, from, static_cast<std::size_t>(column.width) * 4);
            continue;
        }
        if (cleared)
            std::fill_n(to, column.width, *cleared);
        for (int i = 0; i < column.width; ++i)
            if (qAlpha(from[i]) != 0)
                to[i] = from[i] | 0xFF000000u;
    }
}

constexpr std::size_t kNotCopied = ~std::size_t {0};

// One row of pixels of a run of whole cells side by side, `Width` pixels
// each: the copies are of a constant width, a few vector moves each. A cell
// whose offset is kNotCopied is left to copyCells.
template <int Width>
void copyRun(std::uint32_t* target, const std::uint32_t* sources, const std::vector<std::size_t>& offsets, int width)
{
    const int pixels = Width > 0 ? Width : width;
    for (const std::size_t offset : offsets) {
        if (offset != kNotCopied)
            std::memcpy(target, sources + offset, static_cast<std::size_t>(pixels) * 4);
        target += pixels;
    }
}

}  // namespace

void StampSheet::copyGrid(QImage& picture, const std::vector<int>& ids, int columns, QPoint origin,
                          std::optional<QRgb> cleared) const
{
    if (columns <= 0 || ids.empty() || count_ == 0)
        return;
    const int cell = cell_;
    const int rows = static_cast<int>(ids.size()) / columns;
    // The whole cells form one run side by side; the picture's edge may cut
    // a few at either end.
    int firstWhole = -1;
    int wholeCount = 0;
    std::vector<Column> cut;
    for (int c = 0; c < columns; ++c) {
        const int left = origin.x() + c * cell;
        const int from = std::max(0, -left);
        const int to = std::min(cell, picture.width() - left);
        if (from >= to)
            continue;
        if (to - from < cell) {
            cut.push_back(Column {c, static_cast<qsizetype>(left + from) * 4, from, to - from});
            continue;
        }
        if (firstWhole < 0)
            firstWhole = c;
        ++wholeCount;
    }

    uchar* const bits = picture.bits();
    const qsizetype stride = picture.bytesPerLine();
    const std::size_t pitch = static_cast<std::size_t>(cell);
    std::vector<std::size_t> offsets(static_cast<std::size_t>(wholeCount));
    std::vector<Column> oneByOne;
    for (int r = 0; r < rows; ++r) {
        const int top = origin.y() + r * cell;
        const int fromY = std::max(0, -top);
        const int toY = std::min(cell, picture.height() - top);
        if (fromY >= toY)
            continue;
        const int* const rowIds = ids.data() + static_cast<std::ptrdiff_t>(r) * columns;
        // Opaque whole cells go in the run; the rest are copied one by one.
        oneByOne = cut;
        for (int k = 0; k < wholeCount; ++k) {
            const int c = firstWhole + k;
            const int id = rowIds[c];
            if (opaque_[static_cast<std::size_t>(id)]) {
                offsets[static_cast<std::size_t>(k)] = static_cast<std::size_t>(id) * pitch;
            } else {
                offsets[static_cast<std::size_t>(k)] = kNotCopied;
                oneByOne.push_back(Column {c, static_cast<qsizetype>(origin.x() + c * cell) * 4, 0, cell});
            }
        }
        for (int y = fromY; y < toY; ++y) {
            uchar* const target = bits + (top + y) * stride;
            const std::uint32_t* const sources = pixels_.data() + offset(0, y);
            if (wholeCount > 0) {
                auto* run = reinterpret_cast<std::uint32_t*>(target) + origin.x() + firstWhole * cell;
                if (cell == 15)
                    copyRun<15>(run, sources, offsets, cell);
                else if (cell == 30)
                    copyRun<30>(run, sources, offsets, cell);
                else
                    copyRun<0>(run, sources, offsets, cell);
            }
            copyCells(target, sources, pitch, rowIds, opaque_.data(), oneByOne, cleared);
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
