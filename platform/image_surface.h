// The main window's retained picture: a backing image at the window's device
// pixel ratio that every drawing goes into. Drawing is never antialiased, so
// a shape drawn again in another colour covers exactly the same pixels: the
// player's dot is wiped by its own shape, the clock by its own glyphs.
#pragma once

#include "platform/pixel_memory.h"
#include "platform/stamp_sheet.h"
#include "render/surface.h"

#include <QFont>
#include <QImage>
#include <QRect>

#include <QPainter>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace platform {

class ImageSurface final : public Surface {
public:
    // A transparent surface starts clear of any colour; stamps are drawn on
    // one.
    enum class Kind { Opaque, Transparent };

    explicit ImageSurface(Kind kind = Kind::Opaque);

    // A new picture of the given logical size, cleared to the background.
    void resize(QSize logicalSize, qreal devicePixelRatio);

    // The picture, with any clear that is still pending carried out.
    const QImage& image() const;
    QSize logicalSize() const { return logicalSize_; }

    // Told the logical rectangle of every change, to repaint just that.
    std::function<void(const QRect&)> onChanged;

    ColourWord BackColor() const override { return backColor_; }
    void setBackColor(ColourWord colour) override;
    void Cls() override;
    void Line(float x1, float y1, float x2, float y2) override;
    void Box(float x1, float y1, float x2, float y2) override;
    void BoxFilled(float x1, float y1, float x2, float y2) override;
    void Circle(float cx, float cy, float radius) override;
    void Print(const std::string& text) override;

    bool stampsAvailable() const override;
    void useStampPalette(ColourWord fore, ColourWord back) override;
    int findStamp(std::uint32_t key) const override;
    int makeStamp(std::uint32_t key, const StampRecipe& recipe) override;
    void placeStampGrid(const std::vector<int>& stamps, int columns, int x, int y, int pitch) override;

    // The font of the window: "Courier New", bold, 15.75 pt (21 pixels).
    static QFont windowFont();

private:
    // The painter of one drawing operation. A transparent (scratch) surface
    // keeps one open from operation to operation, since a stamp may be drawn
    // by several operations in a row; the window's picture opens one per
    // call.
    class Painting {
    public:
        explicit Painting(ImageSurface& surface);
        QPainter* operator->() { return painter_; }

    private:
        std::optional<QPainter> own_;
        QPainter* painter_;
    };

    // A transparent surface draws each distinct line and filled box once,
    // on a clear image of its own size, and keeps the pixels it covered as
    // spans; drawing it again in any colour sets those pixels. Drawing is
    // never antialiased, so this gives exactly the pixels the painter would.
    enum class Shape { Line, BoxFilled };
    using ShapeKey = std::tuple<Shape, float, float, float, float, int>;
    struct Span {
        int y;
        int x;
        int count;
    };
    void fillShape(const ShapeKey& key, ColourWord colour);
    static void paintShape(QPainter& painter, const ShapeKey& key);

    void changed(const QRectF& area);
    void discardStamps();
    void endPainting();
    // Carries out a pending clear of the window's picture. The picture is
    // the same before and after, as far as anyone can look at it.
    void settle() const;

    Kind kind_;
    PixelStore pixels_;
    mutable QImage image_;
    QSize logicalSize_;
    ColourWord backColor_ = 0;
    // The window's picture is cleared when it is next looked at or drawn on,
    // and then only where a grid of stamps does not cover it anyway: at a
    // new game every pixel is written once.
    mutable bool clearPending_ = false;
    QRgb clearPixel_ = 0;
    QFont font_;
    StampSheet stamps_;
    std::unordered_map<std::uint32_t, int> stampKeys_;
    ColourWord stampFore_ = -1;
    ColourWord stampBack_ = -1;
    std::optional<QPainter> keptPainter_;
    std::unique_ptr<ImageSurface> scratch_;
    std::map<ShapeKey, std::vector<Span>> shapes_;
    // Where shapes are filled in, in device pixels; null means everywhere.
    // The kept spans lie within it.
    QRect shapeArea_;
};

QColor toQColor(ColourWord colour);

}  // namespace platform
