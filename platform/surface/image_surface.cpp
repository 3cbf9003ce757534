#include "platform/surface/image_surface.h"

#include "platform/surface/colours.h"
#include "platform/text/qt_text.h"

#include <QFontMetrics>
#include <QPainter>

namespace platform {

QFont ImageSurface::windowFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(21);
    font.setBold(true);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

ImageSurface::ImageSurface() : font_(windowFont()) {}

void ImageSurface::resize(QSize logicalSize, qreal devicePixelRatio)
{
    logicalSize_ = logicalSize;
    // The old picture goes first, so that the new one may take its memory.
    image_ = QImage();
    image_ = pixels_.image(logicalSize * devicePixelRatio, QImage::Format_RGB32);
    image_.setDevicePixelRatio(devicePixelRatio);
    Cls();
}

void ImageSurface::setBackColor(ColourWord colour)
{
    backColor_ = colour;
    Cls();
}

void ImageSurface::Cls()
{
    clearPending_ = !image_.isNull();
    clearPixel_ = toQColor(backColor_).rgb();
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

QImage& ImageSurface::canvas()
{
    settle();
    return image_;
}

void ImageSurface::Box(float x1, float y1, float x2, float y2)
{
    if (image_.isNull())
        return;
    settle();
    QPainter p(&image_);
    p.setPen(penOf(toQColor(ForeColor).rgb(), DrawWidth, Qt::SquareCap, Qt::MiterJoin));
    const QRectF box(QPointF(x1, y1), QPointF(x2, y2));
    p.drawRect(box);
    const qreal half = DrawWidth / 2.0 + 1;
    changed(box.adjusted(-half, -half, half, half));
}

void ImageSurface::Circle(float cx, float cy, float radius)
{
    if (image_.isNull())
        return;
    settle();
    QPainter p(&image_);
    p.setPen(penOf(toQColor(ForeColor).rgb(), DrawWidth, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(FillStyle == 0 ? QBrush(toQColor(FillColor)) : QBrush());
    p.drawEllipse(QPointF(cx, cy), radius, radius);
    const qreal reach = radius + DrawWidth + 1;
    changed(QRectF(cx - reach, cy - reach, 2 * reach, 2 * reach));
}

void ImageSurface::Print(const std::string& text)
{
    const QFontMetrics metrics(font_);
    if (!image_.isNull()) {
        settle();
        const QString line = qtText(text);
        QPainter p(&image_);
        p.setFont(font_);
        p.setPen(toQColor(ForeColor));
        p.drawText(QPointF(CurrentX, CurrentY + metrics.ascent()), line);
        const QRect ink = metrics.boundingRect(line);
        changed(QRectF(CurrentX + ink.left() - 2, CurrentY - 2, ink.width() + metrics.maxWidth() + 4,
                       metrics.height() + 4));
    }
    CurrentX = 0.0f;
    CurrentY += static_cast<float>(metrics.height());
}

void ImageSurface::drawCells(const CellGrid& grid)
{
    if (image_.isNull())
        return;
    std::optional<QRgb> clearTo;
    if (clearPending_)
        clearTo = clearPixel_;
    clearPending_ = false;
    tiles_.draw(image_, grid, clearTo);
    changed(QRectF(cellEdge(0), cellEdge(0), kCellPitch * grid.columns, kCellPitch * grid.rows));
}

void ImageSurface::changed(const QRectF& area)
{
    if (onChanged)
        onChanged(area.toAlignedRect());
}

}  // namespace platform
