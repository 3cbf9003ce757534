// A picture area of a side window: a thin border around a drawing that it
// keeps (drawn once, shown on every repaint), with coordinates in twips
// measured from the top-left of the area inside the border. It reports every
// pointer movement over it, and every movement while a button pressed on it
// is held, with the buttons as a bit set (1 left, 2 right, 4 middle).
// A picture that stands for a value the player sets (a colour bar) is also a
// slider to the keyboard and to assistive technology: they ask for a value,
// and the game sets it as a drag would.
#pragma once

#include "common/colour.h"

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

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

    // Makes the picture a slider named `name` over minimum..maximum with
    // the given value; Tab reaches it. Up and Down ask for one step less or
    // more, Page Up and Page Down for `page` steps, Home and End for the
    // ends: the picture is drawn with the least value at its top.
    void makeSlider(const std::string& name, int minimum, int maximum, int page, int value);
    // The value it stands for, as the game has set it; none for a picture
    // that is no slider.
    std::optional<int> value() const { return slider_ ? std::optional<int>(value_) : std::nullopt; }
    void setValue(int value);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    // Asks the game for the value, brought within the range.
    void chooseValue(int value);
    std::function<void(int value)> onValueChosen;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QImage image_;
    ColourWord drawColor_ = 0;
    bool slider_ = false;
    int minimum_ = 0;
    int maximum_ = 0;
    int page_ = 1;
    int value_ = 0;
};

}  // namespace platform
