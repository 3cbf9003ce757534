#include "platform/image_surface.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

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

ImageSurface::ImageSurface() : font_(windowFont()) {}

void ImageSurface::resize(QSize logicalSize, qreal devicePixelRatio)
{
    logicalSize_ = logicalSize;
    image_ = QImage(logicalSize * devicePixelRatio, QImage::Format_RGB32);
    image_.setDevicePixelRatio(devicePixelRatio);
    image_.fill(toQColor(backColor_));
    changed(QRectF(QPointF(0, 0), logicalSize));
}

void ImageSurface::setBackColor(ColourWord colour)
{
    backColor_ = colour;
    Cls();
}

void ImageSurface::Cls()
{
    image_.fill(toQColor(backColor_));
    changed(QRectF(QPointF(0, 0), logicalSize_));
}

void ImageSurface::Line(float x1, float y1, float x2, float y2)
{
    if (image_.isNull())
        return;
    QPainter p(&image_);
    p.setPen(penOf(ForeColor, DrawWidth, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    const qreal half = DrawWidth / 2.0 + 1;
    changed(QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)), QPointF(std::max(x1, x2), std::max(y1, y2)))
                .adjusted(-half, -half, half, half));
}

void ImageSurface::Box(float x1, float y1, float x2, float y2)
{
    if (image_.isNull())
        return;
    QPainter p(&image_);
    p.setPen(penOf(ForeColor, DrawWidth, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const QRectF box(QPointF(x1, y1), QPointF(x2, y2));
    p.drawRect(box);
    const qreal half = DrawWidth / 2.0 + 1;
    changed(box.adjusted(-half, -half, half, half));
}

void ImageSurface::BoxFilled(float x1, float y1, float x2, float y2)
{
    if (image_.isNull())
        return;
    QPainter p(&image_);
    const QRectF box = QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized();
    p.fillRect(box, toQColor(ForeColor));
    changed(box);
}

void ImageSurface::Circle(float cx, float cy, float radius)
{
    if (image_.isNull())
        return;
    QPainter p(&image_);
    p.setPen(penOf(ForeColor, DrawWidth, Qt::RoundCap, Qt::RoundJoin));
    if (FillStyle == 0)
        p.setBrush(toQColor(FillColor));
    else
        p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(cx, cy), radius, radius);
    const qreal reach = radius + DrawWidth + 1;
    changed(QRectF(cx - reach, cy - reach, 2 * reach, 2 * reach));
}

void ImageSurface::Print(const std::string& text)
{
    const QFontMetrics metrics(font_);
    if (!image_.isNull()) {
        const QString line = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
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

void ImageSurface::changed(const QRectF& area)
{
    if (onChanged)
        onChanged(area.toAlignedRect());
}

}  // namespace platform
