// The drawing model on a real backing image: style-1 pixels of small
// hand-made grids, the goal disc, the shared closing steps, and the exactness
// that lets the game wipe a dot or a clock reading by drawing it again.
#include "platform/surface/image_surface.h"
#include "platform/surface/pixel_memory.h"
#include "render/maze_renderer.h"
#include "common/colour.h"
#include "common/cell_geometry.h"

#include "support/widget_helpers.h"

#include <QPainter>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>
#include <sys/mman.h>
#include <unistd.h>

namespace {

constexpr ColourWord kFore = RGB(255, 255, 192);
constexpr ColourWord kBack = RGB(32, 32, 96);
constexpr ColourWord kWindow = RGB(200, 0, 0);  // a background unlike both

QColor colourAt(const platform::ImageSurface& s, double x, double y)
{
    const qreal r = s.image().devicePixelRatio();
    return s.image().pixelColor(static_cast<int>(x * r), static_cast<int>(y * r));
}

// A W x H grid with every interior cell a passage, to be walled by hand.
std::unique_ptr<MazeGrid> openGrid(int W, int H)
{
    auto grid = std::make_unique<MazeGrid>();
    for (int y = 1; y < H; ++y)
        for (int x = 1; x < W; ++x)
            (*grid)(x, y) = 1;
    return grid;
}

struct Drawn {
    platform::ImageSurface surface;
    std::string name = "<No One>";
};

// Draws on a window whose own background is `window`; in the game it is the
// wall colour, here by default a third colour that shows what is drawn.
void draw(Drawn& d, const MazeGrid& grid, int W, int H, int goalY, int style, qreal ratio = 1.0,
          ColourWord window = kWindow)
{
    d.surface.resize(QSize(15 * W + 60, 15 * H + 75), ratio);
    d.surface.setBackColor(window);
    const MazeScene scene {grid, static_cast<std::int16_t>(W), static_cast<std::int16_t>(H),
                           static_cast<std::int16_t>(goalY), ClockReading {}, 0, d.name, kFore, kBack};
    drawInStyle(d.surface, scene, static_cast<std::int16_t>(style));
}

float c(int n)
{
    return cellCentre(static_cast<std::int16_t>(n));
}

}  // namespace

class TestRender : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void styleOneStrokes_data();
    void styleOneStrokes();
    void styleOneOutlineBand();
    void goalDiscIsCentredInColumnBeforeTheFrame_data();
    void goalDiscIsCentredInColumnBeforeTheFrame();
    void circleRedrawnInAnotherColourLeavesNoTrace_data();
    void circleRedrawnInAnotherColourLeavesNoTrace();
    void printedTextWipedByReprinting_data();
    void printedTextWipedByReprinting();
    void styleTwoWallSquaresMeetWithoutGaps();
    void styleThreeJoinsSideNeighboursOnly();
    void styleThreeLeavesNothingOfAnEarlierPicture();
    void closingStepsAreTheSameInEveryStyle();
    void unknownStyleDrawsNothing();
    void picturesMemoryIsSharedSafelyAndGivenBack_data();
    void picturesMemoryIsSharedSafelyAndGivenBack();
    void aWindowMadeSmallAgainGivesBackItsLargerPicture();
};

void TestRender::styleOneStrokes_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("ratio1") << 1.0;
    QTest::newRow("ratio1.15") << 1.15;
    QTest::newRow("ratio1.38") << 1.38;
    QTest::newRow("ratio2") << 2.0;
}

void TestRender::styleOneStrokes()
{
    QFETCH(qreal, ratio);
    // An 8 x 7 maze: an isolated wall at (2, 2); walls at (5, 2) and (6, 3)
    // touching only at a corner; a wall pair (4, 5)-(5, 5) touching by a side.
    const int W = 8, H = 7;
    auto grid = openGrid(W, H);
    MazeGrid& m = *grid;
    m(2, 2) = 0;
    m(5, 2) = 0;
    m(6, 3) = 0;
    m(4, 5) = 0;
    m(5, 5) = 0;

    Drawn d;
    draw(d, m, W, H, 3, 0, ratio);

    // Passage centres show the passage colour.
    QCOMPARE(colourAt(d.surface, c(3), c(3)), qColour(kFore));
    QCOMPARE(colourAt(d.surface, c(1), c(4)), qColour(kFore));
    // A wall with no wall among its eight neighbours gets no stroke.
    QCOMPARE(colourAt(d.surface, c(2), c(2)), qColour(kFore));
    // Corner-touching walls are joined by a diagonal through the corner.
    QCOMPARE(colourAt(d.surface, 15 * 6 + 15, 15 * 3 + 15), qColour(kBack));
    QCOMPARE(colourAt(d.surface, c(5), c(2)), qColour(kBack));
    // Side-touching walls: a bar between the centres; the cells beside the bar
    // keep the passage colour at their centres.
    QCOMPARE(colourAt(d.surface, 15 * 5 + 15, c(5)), qColour(kBack));
    QCOMPARE(colourAt(d.surface, c(4), c(4)), qColour(kFore));
    QCOMPARE(colourAt(d.surface, c(4), c(6)), qColour(kFore));
}

void TestRender::styleOneOutlineBand()
{
    const int W = 8, H = 7;
    auto grid = openGrid(W, H);
    Drawn d;
    draw(d, *grid, W, H, 3, 0);

    const float bottom = 15 * H + 30;
    const float right = 15 * W + 30;
    // Six pixels outside the maze rectangle are in the wall colour, the
    // window beyond them keeps its own background.
    QCOMPARE(colourAt(d.surface, 9, 60), qColour(kBack));
    QCOMPARE(colourAt(d.surface, 7, 60), qColour(kWindow));
    // (The high-score line starts at x = 30, so the top band is sampled
    // left of it.)
    QCOMPARE(colourAt(d.surface, 22, 9), qColour(kBack));
    QCOMPARE(colourAt(d.surface, 22, 7), qColour(kWindow));
    QCOMPARE(colourAt(d.surface, right + 5, 60), qColour(kBack));
    // The frame strokes reach out to the centres of the column beyond W.
    QCOMPARE(colourAt(d.surface, c(W + 1) + 5, c(3)), qColour(kBack));
    QCOMPARE(colourAt(d.surface, c(W + 1) + 7, c(3)), qColour(kWindow));
    QCOMPARE(colourAt(d.surface, 20, bottom + 5), qColour(kBack));
}

void TestRender::goalDiscIsCentredInColumnBeforeTheFrame_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<qreal>("ratio");
    for (int style : {0, 1, 2})
        for (qreal ratio : {1.0, 2.0})
            QTest::addRow("style%d_ratio%d", style + 1, static_cast<int>(ratio)) << style << ratio;
}

void TestRender::goalDiscIsCentredInColumnBeforeTheFrame()
{
    QFETCH(int, style);
    QFETCH(qreal, ratio);
    const int W = 8, H = 7, goalY = 4;
    auto grid = openGrid(W, H);
    Drawn d;
    draw(d, *grid, W, H, goalY, style, ratio);

    const QList<QPoint> blue = pixelsOf(d.surface.image(), qColour(kGoalColour));
    QVERIFY(!blue.isEmpty());
    const QPointF centre(c(W - 1) * ratio, c(goalY) * ratio);
    QPointF sum;
    for (const QPoint& p : blue) {
        QVERIFY2(QLineF(QPointF(p) + QPointF(0.5, 0.5), centre).length() <= 4.5 * ratio, "blue outside the disc");
        sum += QPointF(p) + QPointF(0.5, 0.5);
    }
    const QPointF mean = sum / blue.size();
    QVERIFY(qAbs(mean.x() - centre.x()) < 1.0 && qAbs(mean.y() - centre.y()) < 1.0);
}

void TestRender::circleRedrawnInAnotherColourLeavesNoTrace_data()
{
    QTest::addColumn<qreal>("ratio");
    QTest::newRow("ratio1") << 1.0;
    QTest::newRow("ratio2") << 2.0;
}

void TestRender::circleRedrawnInAnotherColourLeavesNoTrace()
{
    QFETCH(qreal, ratio);
    platform::ImageSurface s;
    s.resize(QSize(120, 120), ratio);
    s.setBackColor(kFore);
    for (int cell = 0; cell < 4; ++cell) {
        s.FillStyle = 0;
        s.FillColor = s.ForeColor = kPlayerColour;
        s.Circle(c(cell), c(cell + 1), 3.0f);
        const QList<QPoint> green = pixelsOf(s.image(), qColour(kPlayerColour));
        QVERIFY(!green.isEmpty());
        // The dot stays within its small square around the centre.
        for (const QPoint& p : green)
            QVERIFY(qAbs(p.x() + 0.5 - c(cell) * ratio) <= 4 * ratio && qAbs(p.y() + 0.5 - c(cell + 1) * ratio) <= 4 * ratio);
        s.FillColor = s.ForeColor = kFore;
        s.Circle(c(cell), c(cell + 1), 3.0f);
        QVERIFY(pixelsOf(s.image(), qColour(kPlayerColour)).isEmpty());
    }
}

void TestRender::printedTextWipedByReprinting_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("clockLine") << QString::fromStdString(clockLine({125, 7}));
    QTest::newRow("everyScript") << QStringLiteral("Highscore: 1020 by J\u00FCrgen \u0414\u043C\u0438\u0442\u0440\u0438\u0439 "
                                                   "\u03C9\u03BC\u03AD\u03B3\u03B1 \u738B\u4F1F \u3072\u308D \uD55C");
}

// Text in any script is printed as Qt draws it in the window's font (or the
// fallback that has the glyph), and reprinting it in the background colour
// leaves nothing of it.
void TestRender::printedTextWipedByReprinting()
{
    QFETCH(QString, text);
    platform::ImageSurface s;
    s.resize(QSize(700, 60), 1.0);
    s.setBackColor(kBack);
    const QImage blank = s.image().copy();
    s.ForeColor = kFore;
    s.CurrentX = 30;
    s.CurrentY = 1.5f;
    s.Print(text.toStdString());
    QImage expected = blank;
    {
        QPainter p(&expected);
        p.setFont(platform::ImageSurface::windowFont());
        p.setPen(qColour(kFore));
        p.drawText(QPointF(30, 1.5 + QFontMetrics(p.font()).ascent()), text);
    }
    QCOMPARE(s.image(), expected);
    s.ForeColor = kBack;
    s.CurrentX = 30;
    s.CurrentY = 1.5f;
    s.Print(text.toStdString());
    QCOMPARE(s.image(), blank);
}

void TestRender::unknownStyleDrawsNothing()
{
    const int W = 8, H = 7;
    auto grid = openGrid(W, H);
    Drawn d;
    draw(d, *grid, W, H, 3, 3);
    QCOMPARE(pixelsOf(d.surface.image(), qColour(kWindow)).size(),
             static_cast<qsizetype>(d.surface.image().width()) * d.surface.image().height());
}

void TestRender::styleTwoWallSquaresMeetWithoutGaps()
{
    const int W = 8, H = 7;
    auto grid = openGrid(W, H);
    MazeGrid& m = *grid;
    for (int x = 2; x <= 5; ++x)
        m(x, 3) = 0;
    Drawn d;
    draw(d, m, W, H, 5, 1);

    // The wall run (2, 3)..(5, 3) is one solid bar, edge to edge.
    for (int y = 15 * 3 + 15; y < 15 * 3 + 30; ++y)
        for (int x = 15 * 2 + 15; x < 15 * 5 + 30; ++x)
            QCOMPARE(colourAt(d.surface, x, y), qColour(kBack));
    // The passage cells beside it keep every pixel of their own square.
    for (int y = 15 * 2 + 15; y < 15 * 2 + 30; ++y)
        for (int x = 15 * 3 + 15; x < 15 * 3 + 30; ++x)
            QCOMPARE(colourAt(d.surface, x, y), qColour(kFore));
    // The frame squares cover the maze rectangle's edge, and nothing is drawn
    // beyond it.
    QCOMPARE(colourAt(d.surface, 15, 60), qColour(kBack));
    QCOMPARE(colourAt(d.surface, 14, 60), qColour(kWindow));
    QCOMPARE(colourAt(d.surface, 15 * W + 29, 60), qColour(kBack));
    QCOMPARE(colourAt(d.surface, 15 * W + 30, 60), qColour(kWindow));
}

void TestRender::styleThreeJoinsSideNeighboursOnly()
{
    // Passages: an isolated cell (2, 2); cells (5, 2) and (6, 3) touching at a
    // corner; a corridor (2, 5)-(4, 5).
    const int W = 8, H = 7;
    auto grid = std::make_unique<MazeGrid>();
    MazeGrid& m = *grid;
    m(2, 2) = 1;
    m(5, 2) = 1;
    m(6, 3) = 1;
    m(2, 5) = m(3, 5) = m(4, 5) = 1;
    Drawn d;
    draw(d, m, W, H, 5, 2, 1.0, kBack);

    QCOMPARE(colourAt(d.surface, c(2), c(2)), qColour(kBack));
    QCOMPARE(colourAt(d.surface, c(5), c(2)), qColour(kBack));
    QCOMPARE(colourAt(d.surface, 15 * 6 + 15, 15 * 3 + 15), qColour(kBack));
    QCOMPARE(colourAt(d.surface, c(3), c(5)), qColour(kFore));
    QCOMPARE(colourAt(d.surface, c(3), c(5) - 7), qColour(kBack));
}

void TestRender::styleThreeLeavesNothingOfAnEarlierPicture()
{
    // The wall (3, 3) has no wall neighbour: style 1 leaves it in the passage
    // colour, style 3 must show it in the wall colour.
    const int W = 8, H = 7;
    auto grid = openGrid(W, H);
    (*grid)(3, 3) = 0;
    Drawn fresh;
    draw(fresh, *grid, W, H, 4, 2, 1.0, kBack);
    QCOMPARE(colourAt(fresh.surface, c(3), c(3)), qColour(kBack));

    for (int earlier : {0, 1}) {
        Drawn d;
        draw(d, *grid, W, H, 4, earlier, 1.0, kBack);
        const MazeScene scene {*grid, W, H, 4, ClockReading {}, 0, d.name, kFore, kBack};
        Draw_Style3(d.surface, scene);
        QCOMPARE(d.surface.image(), fresh.surface.image());
    }
}

void TestRender::closingStepsAreTheSameInEveryStyle()
{
    const int W = 8, H = 7, goalY = 4;
    auto grid = openGrid(W, H);
    (*grid)(3, 3) = 0;
    (*grid)(4, 2) = 0;

    std::vector<QImage> images;
    for (int style : {0, 1, 2}) {
        Drawn d;
        d.surface.resize(QSize(15 * W + 60, 15 * H + 75), 1.0);
        d.surface.setBackColor(kBack);
        const MazeScene scene {*grid, W, H, goalY, ClockReading {3, 7}, 1234, d.name, kFore, kBack};
        drawInStyle(d.surface, scene, static_cast<std::int16_t>(style));
        images.push_back(d.surface.image());
    }
    const int width = images[0].width();
    const QRect highScoreLine(0, 0, width, 27);
    const QRect clockLine(0, 15 * H + 30, width, images[0].height() - (15 * H + 30));
    const QRect goal(static_cast<int>(c(W - 1)) - 4, static_cast<int>(c(goalY)) - 4, 9, 9);
    for (const QRect& area : {highScoreLine, clockLine, goal}) {
        QVERIFY(!pixelsOf(images[0].copy(area), qColour(area == goal ? kGoalColour : kFore)).isEmpty());
        QCOMPARE(images[1].copy(area), images[0].copy(area));
        QCOMPARE(images[2].copy(area), images[0].copy(area));
    }
}

// Whether the page holding `address` is still mapped into the process.
bool pageMapped(const uchar* address)
{
    const long page = sysconf(_SC_PAGESIZE);
    void* start = reinterpret_cast<void*>(reinterpret_cast<quintptr>(address) & ~static_cast<quintptr>(page - 1));
    unsigned char resident = 0;
    return mincore(start, 1, &resident) == 0;
}

// The bytes of the `length` from `address` (the start of a page) that are
// held in memory.
qsizetype residentBytes(const uchar* address, std::size_t length)
{
    const std::size_t page = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    std::vector<unsigned char> resident((length + page - 1) / page);
    if (mincore(const_cast<uchar*>(address), length, resident.data()) != 0)
        return -1;
    return static_cast<qsizetype>(page) * std::count_if(resident.begin(), resident.end(), [](unsigned char r) {
        return r & 1;
    });
}

// A picture's memory holds every pixel of it; a later picture that fits
// takes the same memory, but never while an image of the earlier one is
// still alive; and the memory is given back when the store and the last
// image from it have gone.
void TestRender::picturesMemoryIsSharedSafelyAndGivenBack_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QImage::Format>("format");
    QTest::addColumn<bool>("mapped");
    const bool maps = platform::PixelStore::mapsMemory();
    QTest::newRow("small") << QSize(40, 30) << QImage::Format_RGB32 << false;
    QTest::newRow("start_window") << QSize(666, 386) << QImage::Format_RGB32 << maps;
    QTest::newRow("start_window_dpr2") << QSize(1332, 772) << QImage::Format_ARGB32_Premultiplied << maps;
    QTest::newRow("odd_width") << QSize(1001, 77) << QImage::Format_RGB32 << maps;
    QTest::newRow("largest_window") << QSize(8000, 6000) << QImage::Format_RGB32 << maps;
}

void TestRender::picturesMemoryIsSharedSafelyAndGivenBack()
{
    QFETCH(QSize, size);
    QFETCH(QImage::Format, format);
    QFETCH(bool, mapped);
    auto store = std::make_unique<platform::PixelStore>();
    QVERIFY(store->image(QSize(0, 10), format).isNull());

    auto image = std::make_unique<QImage>(store->image(size, format));
    QVERIFY(!image->isNull());
    QCOMPARE(image->size(), size);
    QCOMPARE(image->format(), format);
    QCOMPARE(image->bytesPerLine(), size.width() * 4);
    QCOMPARE(store->mappedBytes() >= static_cast<std::size_t>(image->sizeInBytes()), mapped);
    const uchar* const bits = image->constBits();
    image->setPixel(0, 0, 0xff123456);
    image->setPixel(size.width() - 1, size.height() - 1, 0xff654321);
    QCOMPARE(image->constBits(), bits);

    // While a copy lives, a new picture must not write over it.
    auto kept = std::make_unique<QImage>(*image);
    image.reset();
    auto next = std::make_unique<QImage>(store->image(size - QSize(1, 1), format));
    const uchar* const nextBits = next->constBits();
    QVERIFY(nextBits != bits);
    next->fill(0xff000000);
    QCOMPARE(kept->pixel(0, 0), 0xff123456u);
    QCOMPARE(kept->pixel(size.width() - 1, size.height() - 1), 0xff654321u);
    kept.reset();
    if (mapped)
        QVERIFY2(!pageMapped(bits), "the first picture's memory was kept after its last image went");

    // With no image alive, a picture that fits takes the same memory.
    next.reset();
    auto again = std::make_unique<QImage>(store->image(size, format));
    if (mapped)
        QCOMPARE(again->constBits(), nextBits);

    // A much larger picture needs new memory; the old goes with its last
    // image, the new with the store and its last image.
    const QImage larger = store->image(QSize(size.width() * 3, size.height() * 3), format);
    QVERIFY(!larger.isNull());
    QVERIFY(pageMapped(again->constBits()));
    again.reset();
    if (mapped)
        QVERIFY2(!pageMapped(nextBits), "the smaller picture's memory was kept");
    store.reset();
    QVERIFY2(pageMapped(larger.constBits()), "the memory went while an image still used it");
}

// A window dragged large and back, again and again, holds no more than about
// twice its picture's memory each time it is back at its starting size.
void TestRender::aWindowMadeSmallAgainGivesBackItsLargerPicture()
{
    if (!platform::PixelStore::mapsMemory())
        QSKIP("pictures come from the usual allocator in this build");
    platform::PixelStore store;
    const QSize small(666, 386);
    const uchar* start = store.image(QSize(3000, 2000), QImage::Format_RGB32).constBits();
    const std::size_t smallBytes = std::size_t(small.width()) * 4 * small.height();
    for (const QSize larger : {QSize(3000, 2000), QSize(1400, 800), QSize(1000, 700), QSize(2000, 1000),
                               QSize(1300, 700), QSize(1600, 900)}) {
        QImage picture = store.image(larger, QImage::Format_RGB32);
        picture.fill(0xff102030);
        QCOMPARE(picture.constBits(), start);
        picture = QImage();
        picture = store.image(small, QImage::Format_RGB32);
        picture.fill(0xff302010);
        const qsizetype held = residentBytes(start, store.mappedBytes());
        QVERIFY2(held > 0 && std::size_t(held) <= 2 * smallBytes + 2 * 1024 * 1024,
                 qPrintable(QStringLiteral("%1 bytes held after %2 x %3").arg(held).arg(larger.width()).arg(larger.height())));
    }
}

QTEST_MAIN(TestRender)
#include "test_render.moc"
