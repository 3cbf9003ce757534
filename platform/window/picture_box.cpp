#include "platform/window/picture_box.h"

#include "platform/surface/colours.h"
#include "platform/text/qt_text.h"
#include "platform/window/twips.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace platform {

namespace {

std::int16_t buttonBits(Qt::MouseButtons buttons)
{
    std::int16_t bits = 0;
    if (buttons & Qt::LeftButton)
        bits |= 1;
    if (buttons & Qt::RightButton)
        bits |= 2;
    if (buttons & Qt::MiddleButton)
        bits |= 4;
    return bits;
}

}  // namespace

PictureBox::PictureBox(QWidget* parent, QRect outerPixels)
    : QWidget(parent),
      image_(outerPixels.size() - QSize(2 * kBorder, 2 * kBorder), QImage::Format_RGB32)
{
    setGeometry(outerPixels);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    image_.fill(Qt::white);
}

void PictureBox::Line(float x1, float y1, float x2, float y2)
{
    QPainter p(&image_);
    p.setPen(QPen(toQColor(drawColor_), 0));
    p.scale(1.0 / kTwipsPerPixel, 1.0 / kTwipsPerPixel);
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    update();
}

void PictureBox::setBackColor(ColourWord colour)
{
    image_.fill(toQColor(colour));
    update();
}

int PictureBox::outerWidthTwips() const
{
    return width() * kTwipsPerPixel;
}

int PictureBox::outerHeightTwips() const
{
    return height() * kTwipsPerPixel;
}

void PictureBox::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QColor(64, 64, 64));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.drawImage(QPoint(kBorder, kBorder), image_);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event)
{
    if (!onMouseMove)
        return;
    const QPointF inside = event->position() - QPointF(kBorder, kBorder);
    onMouseMove(buttonBits(event->buttons()), 0, static_cast<float>(inside.x() * kTwipsPerPixel),
                static_cast<float>(inside.y() * kTwipsPerPixel));
}

void PictureBox::makeSlider(const std::string& name, int minimum, int maximum, int page, int value)
{
    slider_ = true;
    minimum_ = minimum;
    maximum_ = maximum;
    page_ = page;
    value_ = std::clamp(value, minimum, maximum);
    setAccessibleName(qtText(name));
    setFocusPolicy(Qt::TabFocus);
}

void PictureBox::setValue(int value)
{
    if (!slider_ || value == value_)
        return;
    value_ = value;
    QAccessibleValueChangeEvent event(this, value);
    QAccessible::updateAccessibility(&event);
}

void PictureBox::chooseValue(int value)
{
    if (slider_ && onValueChosen)
        onValueChosen(std::clamp(value, minimum_, maximum_));
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    if (!slider_ || (event->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier))) {
        QWidget::keyPressEvent(event);
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up: chooseValue(value_ - 1); break;
    case Qt::Key_Down: chooseValue(value_ + 1); break;
    case Qt::Key_PageUp: chooseValue(value_ - page_); break;
    case Qt::Key_PageDown: chooseValue(value_ + page_); break;
    case Qt::Key_Home: chooseValue(minimum_); break;
    case Qt::Key_End: chooseValue(maximum_); break;
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

}  // namespace platform
