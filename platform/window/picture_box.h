// A picture area of a side window: a thin border around a drawing that it
// keeps (drawn once, shown on every repaint), with coordinates in twips
// measured from the top-left of the area inside the border. It reports every
// pointer movement over it, and every movement while a button pressed on it
// is held, with the buttons as a bit set (1 left, 2 right, 4 middle).
#pragma once

#include "common/colour.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>

namespace platform {

class PictureBox final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kBorder = 1;

    PictureBox(QWidget* parent, QRect outerPixels);

    void setDrawColor(ColourWord colour) { drawColor_ = colour; }
    // A one-pixel line in the drawing colour, between points in twips.
    void Line(float x1, float y1, float x2, float y2);
    // Repaints the whole area in the colour, discarding what was drawn.
    void setBackColor(ColourWord colour);

    int outerWidthTwips() const;
    int outerHeightTwips() const;

    // The drawing inside the border, for tests.
    const QImage& drawing() const { return image_; }

    std::function<void(std::int16_t button, std::int16_t shift, float x, float y)> onMouseMove;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage image_;
    ColourWord drawColor_ = 0;
};

}  // namespace platform
