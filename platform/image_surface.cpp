#include "platform/image_surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform {

namespace {

QPen penOf(ColourWord colour, int width, Qt::PenCapStyle cap, Qt::PenJoinStyle join)
{
    QPen pen(toQColor(colour));
    pen.setWidth(std::max(width, 1));
    pen.setCapStyle(cap);
    pen.setJoinStyle(join);
    return pen;
}

}  // namespace

QColor toQColor(ColourWord colour)
{
    return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

QFont ImageSurface::windowFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(21);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

ImageSurface::ImageSurface(Kind kind) : kind_(kind), font_(windowFont()) {}

ImageSurface::Painting::Painting(ImageSurface& surface)
{
    surface.settle();
    if (surface.kind_ == Kind::Transparent) {
        if (!surface.keptPainter_)
            surface.keptPainter_.emplace(&surface.image_);
        painter_ = &*surface.keptPainter_;
    } else {
        own_.emplace(&surface.image_);
        painter_ = &*own_;
    }
}

void ImageSurface::endPainting()
{
    keptPainter_.reset();
}

void ImageSurface::resize(QSize logicalSize, qreal devicePixelRatio)
{
    endPainting();
    // A stamp's pixels depend on the pixel ratio and the colours, never on
    // the picture's size, so a window dragged to a new size keeps them.
    if (devicePixelRatio != image_.devicePixelRatio())
        discardStamps();
    logicalSize_ = logicalSize;
    // The old picture goes first, so that the new one may take its memory.
    image_ = QImage();
    image_ = pixels_.image(logicalSize * devicePixelRatio,
                           kind_ == Kind::Opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    image_.setDevicePixelRatio(devicePixelRatio);
    shapes_.clear();
    Cls();
}

void ImageSurface::setBackColor(ColourWord colour)
{
    backColor_ = colour;
    Cls();
}

void ImageSurface::Cls()
{
    endPainting();
    if (kind_ == Kind::Opaque) {
        clearPending_ = !image_.isNull();
        clearPixel_ = toQColor(backColor_).rgb();
    } else {
        image_.fill(Qt::transparent);
    }
    changed(QRectF(QPointF(0, 0), logicalSize_));
}

void ImageSurface::settle() const
{
    if (!clearPending_)
        return;
    image_.fill(clearPixel_);
    clearPending_ = false;
}

const QImage& ImageSurface::image() const
{
    settle();
    return image_;
}

void ImageSurface::Line(float x1, float y1, float x2, float y2)
{
    if (image_.isNull())
        return;
    if (kind_ == Kind::Transparent) {
        fillShape(ShapeKey {Shape::Line, x1, y1, x2, y2, DrawWidth}, ForeColor);
        return;
    }
    Painting p(*this);
    p->setPen(penOf(ForeColor, DrawWidth, Qt::RoundCap, Qt::RoundJoin));
    p->drawLine(QPointF(x1, y1), QPointF(x2, y2));
    const qreal half = DrawWidth / 2.0 + 1;
    changed(QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)), QPointF(std::max(x1, x2), std::max(y1, y2)))
                .adjusted(-half, -half, half, half));
}

void ImageSurface::Box(float x1, float y1, float x2, float y2)
{
    if (image_.isNull())
        return;
    Painting p(*this);
    p->setPen(penOf(ForeColor, DrawWidth, Qt::SquareCap, Qt::MiterJoin));
    p->setBrush(Qt::NoBrush);
    const QRectF box(QPointF(x1, y1), QPointF(x2, y2));
    p->drawRect(box);
    const qreal half = DrawWidth / 2.0 + 1;
    changed(box.adjusted(-half, -half, half, half));
}

void ImageSurface::BoxFilled(float x1, float y1, float x2, float y2)
{
    if (image_.isNull())
        return;
    if (kind_ == Kind::Transparent) {
        fillShape(ShapeKey {Shape::BoxFilled, x1, y1, x2, y2, 0}, ForeColor);
        return;
    }
    Painting p(*this);
    const QRectF box = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    p->fillRect(box, toQColor(ForeColor));
    changed(box);
}

void ImageSurface::paintShape(QPainter& painter, const ShapeKey& key)
{
    const auto [shape, x1, y1, x2, y2, width] = key;
    // The colour does not matter: only which pixels are covered is kept.
    const ColourWord colour = 0;
    if (shape == Shape::Line) {
        painter.setPen(penOf(colour, width, Qt::RoundCap, Qt::RoundJoin));
        painter.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    } else {
        painter.fillRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(), toQColor(colour));
    }
}

void ImageSurface::fillShape(const ShapeKey& key, ColourWord colour)
{
    auto found = shapes_.find(key);
    if (found == shapes_.end()) {
        QImage mask(image_.size(), QImage::Format_ARGB32_Premultiplied);
        mask.setDevicePixelRatio(image_.devicePixelRatio());
        mask.fill(Qt::transparent);
        {
            QPainter painter(&mask);
            paintShape(painter, key);
        }
        std::vector<Span> spans;
        const QRect area = shapeArea_.isNull() ? mask.rect() : shapeArea_ & mask.rect();
        for (int y = area.top(); y <= area.bottom(); ++y) {
            const auto* row = reinterpret_cast<const quint32*>(mask.constScanLine(y));
            for (int x = area.left(); x <= area.right();) {
                if (qAlpha(row[x]) == 0) {
                    ++x;
                    continue;
                }
                const int start = x;
                while (x <= area.right() && qAlpha(row[x]) != 0)
                    ++x;
                spans.push_back(Span {y, start, x - start});
            }
        }
        found = shapes_.emplace(key, std::move(spans)).first;
    }
    // The pixels are written directly, so no painter may hold the image.
    endPainting();
    const quint32 pixel = toQColor(colour).rgb();
    uchar* const bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    for (const Span& span : found->second)
        std::fill_n(reinterpret_cast<quint32*>(bits + span.y * stride) + span.x, span.count, pixel);
}

void ImageSurface::Circle(float cx, float cy, float radius)
{
    if (image_.isNull())
        return;
    Painting p(*this);
    p->setPen(penOf(ForeColor, DrawWidth, Qt::RoundCap, Qt::RoundJoin));
    if (FillStyle == 0)
        p->setBrush(toQColor(FillColor));
    else
        p->setBrush(Qt::NoBrush);
    p->drawEllipse(QPointF(cx, cy), radius, radius);
    const qreal reach = radius + DrawWidth + 1;
    changed(QRectF(cx - reach, cy - reach, 2 * reach, 2 * reach));
}

void ImageSurface::Print(const std::string& text)
{
    const QFontMetrics metrics(font_);
    if (!image_.isNull()) {
        const QString line = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
        Painting p(*this);
        p->setFont(font_);
        p->setPen(toQColor(ForeColor));
        p->drawText(QPointF(CurrentX, CurrentY + metrics.ascent()), line);
        const QRect ink = metrics.boundingRect(line);
        changed(QRectF(CurrentX + ink.left() - 2, CurrentY - 2, ink.width() + metrics.maxWidth() + 4,
                       metrics.height() + 4));
    }
    CurrentX = 0.0f;
    CurrentY += static_cast<float>(metrics.height());
}

bool ImageSurface::stampsAvailable() const
{
    const qreal ratio = image_.devicePixelRatio();
    return !image_.isNull() && ratio == std::floor(ratio);
}

void ImageSurface::useStampPalette(ColourWord fore, ColourWord back)
{
    if (fore != stampFore_ || back != stampBack_)
        discardStamps();
    stampFore_ = fore;
    stampBack_ = back;
}

int ImageSurface::findStamp(std::uint32_t key) const
{
    const auto found = stampKeys_.find(key);
    return found == stampKeys_.end() ? -1 : found->second;
}

int ImageSurface::makeStamp(std::uint32_t key, const StampRecipe& recipe)
{
    // One scratch surface serves every stamp of this picture.
    const QSize size(recipe.width, recipe.height);
    const qreal ratio = image_.devicePixelRatio();
    if (!scratch_ || scratch_->logicalSize() != size || scratch_->image_.devicePixelRatio() != ratio) {
        scratch_ = std::make_unique<ImageSurface>(Kind::Transparent);
        scratch_->resize(size, ratio);
    } else {
        scratch_->Cls();
    }
    const QRect keep(qRound(recipe.keepX * ratio), qRound(recipe.keepY * ratio), qRound(recipe.keepWidth * ratio),
                     qRound(recipe.keepHeight * ratio));
    // Only the kept part is ever read, so shapes need not be drawn beyond it.
    if (scratch_->shapeArea_ != keep) {
        scratch_->shapeArea_ = keep;
        scratch_->shapes_.clear();
    }
    recipe.draw(*scratch_);
    scratch_->endPainting();
    QImage pixels = scratch_->image_.copy(keep);
    if (recipe.opaque)
        pixels.convertTo(QImage::Format_RGB32);
    const int stamp = stamps_.add(pixels, recipe.opaque);
    stampKeys_[key] = stamp;
    return stamp;
}

void ImageSurface::placeStampGrid(const std::vector<int>& stamps, int columns, int x, int y, int pitch)
{
    if (image_.isNull() || columns <= 0)
        return;
    const int ratio = static_cast<int>(image_.devicePixelRatio());
    const int rows = static_cast<int>(stamps.size()) / columns;
    const QRect grid(x * ratio, y * ratio, columns * pitch * ratio, rows * pitch * ratio);
    std::optional<QRgb> cleared;
    if (clearPending_) {
        fillOutside(image_, grid, clearPixel_);
        cleared = clearPixel_;
        clearPending_ = false;
    }
    stamps_.copyGrid(image_, stamps, columns, grid.topLeft(), cleared);
    changed(QRectF(x, y, columns * pitch, rows * pitch));
}

void ImageSurface::discardStamps()
{
    stamps_.clear();
    stampKeys_.clear();
}

void ImageSurface::changed(const QRectF& area)
{
    if (onChanged)
        onChanged(area.toAlignedRect());
}

}  // namespace platform
