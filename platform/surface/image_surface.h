// The main window's retained picture: a backing image at the window's device
// pixel ratio that every drawing goes into. Drawing is never antialiased, so
// a shape drawn again in another colour covers exactly the same pixels: the
// player's dot is wiped by its own shape, the clock by its own glyphs.
#pragma once

#include "platform/surface/cell_tiles.h"
#include "platform/surface/pixel_memory.h"
#include "render/surface.h"

#include <QFont>
#include <QImage>
#include <QRect>

#include <functional>

namespace platform {

class ImageSurface : public Surface {
public:
    ImageSurface();

    // A new picture of the given logical size, cleared to the background.
    void resize(QSize logicalSize, qreal devicePixelRatio);

    // The picture, with any clear that is still pending carried out.
    const QImage& image() const;
    QSize logicalSize() const { return logicalSize_; }

    // Told the logical rectangle of every change, to repaint just that.
    std::function<void(const QRect&)> onChanged;

    void setBackColor(ColourWord colour) override;
    void Cls() override;
    void Box(float x1, float y1, float x2, float y2) override;
    void Circle(float cx, float cy, float radius) override;
    void Print(const std::string& text) override;
    void drawCells(const CellGrid& grid) override;

    // The font of the window: "Courier New", bold, 15.75 pt (21 pixels).
    static QFont windowFont();

protected:
    // The picture to draw on, with any pending clear carried out, and the
    // call that reports what was drawn on it.
    QImage& canvas();
    void changed(const QRectF& area);

private:
    // Carries out a pending clear of the picture. The picture is the same
    // before and after, as far as anyone can look at it.
    void settle() const;

    PixelStore pixels_;
    mutable QImage image_;
    QSize logicalSize_;
    ColourWord backColor_ = 0;
    // The picture is cleared when it is next looked at or drawn on, and then
    // only where a grid of cells does not cover it anyway: at a new game
    // every pixel is written once.
    mutable bool clearPending_ = false;
    QRgb clearPixel_ = 0;
    QFont font_;
    CellTiles tiles_;
};


}  // namespace platform
