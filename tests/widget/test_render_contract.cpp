// The game's drawing, cell by cell from tiles, must give exactly the pixels
// of drawing every stroke whole: every style, many random mazes and sizes,
// several colour pairs, device pixel ratios 1, 1.25, 1.5, 1.75 and 2, on a
// fresh window, over an earlier picture and on one window that draws picture
// after picture; and small mazes at every desktop scale from 100 to 300 %
// in steps of 5 % and at common dots-per-inch settings, into pictures down
// to less than one cell. The stroke rule the reference shares with the game
// is held to one worked out here apart from it, near the edge of every
// stroke at every scale in steps of 1 %.
#include "common/random_source.h"
#include "maze/generator.h"
#include "platform/surface/image_surface.h"
#include "render/maze_renderer.h"
#include "support/reference_drawing.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <set>
#include <tuple>

namespace {

struct Palette {
    ColourWord fore;
    ColourWord back;
};

constexpr Palette kPalettes[] = {
    {RGB(255, 255, 192), RGB(32, 32, 96)},
    {RGB(0, 255, 0), RGB(0, 0, 255)},
    {RGB(0, 0, 0), RGB(255, 255, 255)},
};

struct Case {
    int width;
    int height;
    int extraWidth;   // client pixels beyond 15 x (W + 2)
    int extraHeight;  // beyond 15 x (H + 4)
};

// The window's size gives the maze, with up to 14 pixels to spare; a very
// large window keeps its size while the maze is bounded.
constexpr Case kCases[] = {
    {42, 21, 0, 0}, {42, 21, 14, 14}, {43, 22, 7, 3}, {57, 30, 0, 11}, {91, 47, 13, 0}, {126, 66, 5, 5},
};

MazeScene sceneOf(const MazeGrid& maze, const Case& c, std::int16_t goalY, const Palette& palette)
{
    static const std::string name = "<No One>";
    return MazeScene {maze,  static_cast<std::int16_t>(c.width), static_cast<std::int16_t>(c.height),
                      goalY, ClockReading {12, 34},                 1020, name, palette.fore, palette.back};
}

// The game's drawing and the reference on fresh pictures of one size.
bool freshPicturesAgree(const MazeScene& scene, int style, QSize client, qreal ratio)
{
    platform::ImageSurface fast;
    ReferenceSurface reference;
    for (platform::ImageSurface* s : std::initializer_list<platform::ImageSurface*> {&fast, &reference}) {
        s->setBackColor(scene.backColor);
        s->resize(client, ratio);
    }
    drawInStyle(fast, scene, static_cast<std::int16_t>(style));
    referenceDrawInStyle(reference, scene, static_cast<std::int16_t>(style));
    return fast.image() == reference.image();
}

void drawBoth(platform::ImageSurface& fast, ReferenceSurface& reference, const MazeScene& scene, int style)
{
    drawInStyle(fast, scene, static_cast<std::int16_t>(style));
    referenceDrawInStyle(reference, scene, static_cast<std::int16_t>(style));
}

// Where the top-left corner of a device pixel lies against a stroke:
// outside it, on its edge below the segment's nearest point (or level with
// it and to its right), on its edge above (or level and to its left), or
// inside. The stroke covers the pixel from OnEdgeAbove up.
enum class Corner { Outside, OnEdgeBelow, OnEdgeAbove, Inside };

// The stroke rule worked out from that definition, apart from covers(): the
// pen reaches over a disc around each end and the band between them. In
// 1/131072 device pixels the corner, the ends and the pen's half width are
// whole numbers, and 128 bits hold every product below.
Corner cornerAgainst(const Stroke& stroke, int x, int y)
{
    using Big = __int128;
    const Big px = Big {x} * 131072, py = Big {y} * 131072, radius = Big {stroke.penWidth} * stroke.scale;
    const Big ax = Big {stroke.ax} * 65536, ay = Big {stroke.ay} * 65536;
    const Big dx = Big {stroke.bx} * 65536 - ax, dy = Big {stroke.by} * 65536 - ay;
    Corner found = Corner::Outside;
    // One piece: the corner's squared distance from it, the square of the
    // room it has, and the way out of the piece at the corner.
    auto piece = [&found](Big distance, Big room, Big outX, Big outY) {
        if (distance == room)
            found = std::max(found, outY < 0 || (outY == 0 && outX < 0) ? Corner::OnEdgeAbove : Corner::OnEdgeBelow);
        else if (distance < room)
            found = Corner::Inside;
    };
    auto disc = [&](Big cx, Big cy) { piece((px - cx) * (px - cx) + (py - cy) * (py - cy), radius * radius, px - cx, py - cy); };
    disc(ax, ay);
    disc(ax + dx, ay + dy);
    const Big along = (px - ax) * dx + (py - ay) * dy, length = dx * dx + dy * dy;
    if (length > 0 && along >= 0 && along <= length) {
        // The corner's offset across the segment, times the segment's length.
        const Big across = (px - ax) * dy - (py - ay) * dx;
        piece(across * across, radius * radius * length, across * dy, -across * dx);
    }
    return found;
}

}  // namespace

class TestRenderContract : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void samePixelsAsTheReference_data();
    void samePixelsAsTheReference();
    void samePixelsAtEveryRatio_data();
    void samePixelsAtEveryRatio();
    void samePixelsOverAnEarlierPicture_data();
    void samePixelsOverAnEarlierPicture();
    void samePixelsOnOneLongLivedWindow_data();
    void samePixelsOnOneLongLivedWindow();
    void strokeRuleAsDefined_data();
    void strokeRuleAsDefined();
};

void TestRenderContract::samePixelsAsTheReference_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<qreal>("ratio");
    for (int style : {0, 1, 2})
        for (qreal ratio : {1.0, 1.25, 1.5, 1.75, 2.0})
            QTest::addRow("style%d_ratio%d", style + 1, qRound(100 * ratio)) << style << ratio;
}

void TestRenderContract::samePixelsAsTheReference()
{
    QFETCH(int, style);
    QFETCH(qreal, ratio);
    auto maze = std::make_unique<MazeGrid>();
    FastRandom random;
    std::int16_t goalY = 0;
    int seed = 0;
    for (const Case& c : kCases) {
        for (int mazeNumber = 0; mazeNumber < 4; ++mazeNumber) {
            const Palette& palette = kPalettes[static_cast<std::size_t>(seed % 3)];
            random.seedWith(static_cast<std::uint64_t>(++seed));
            digMaze(*maze, static_cast<std::int16_t>(c.width), static_cast<std::int16_t>(c.height),
                    static_cast<std::int16_t>(c.width * c.height), random, goalY);
            const QSize client(15 * (c.width + 2) + c.extraWidth, 15 * (c.height + 4) + c.extraHeight);
            QVERIFY2(freshPicturesAgree(sceneOf(*maze, c, goalY, palette), style, client, ratio),
                     qPrintable(QStringLiteral("maze %1x%2, seed %3").arg(c.width).arg(c.height).arg(seed)));
        }
    }
}

void TestRenderContract::samePixelsAtEveryRatio_data()
{
    QTest::addColumn<qreal>("ratio");
    QList<qreal> ratios {1.04, 1.33, 1.38, 104 / 96.0, 110 / 96.0, 116 / 96.0};
    for (int percent = 100; percent <= 300; percent += 5)
        ratios << percent / 100.0;
    for (qreal ratio : ratios)
        QTest::addRow("ratio%s", qPrintable(QString::number(ratio))) << ratio;
}

void TestRenderContract::samePixelsAtEveryRatio()
{
    // Small mazes in pictures that cut the cells anywhere, down to pictures
    // of less than one cell, where nothing of the maze shows.
    QFETCH(qreal, ratio);
    auto maze = std::make_unique<MazeGrid>();
    FastRandom random(static_cast<std::uint64_t>(ratio * 1000));
    std::int16_t goalY = 0;
    const Case c {12, 6, 0, 0};
    const QSize clients[] = {{15 * 14 + 7, 15 * 10 + 3}, {15 * 14, 15 * 10}, {14, 14}, {40, 200}, {300, 20}};
    for (int style = 0; style < 3; ++style) {
        for (const QSize& client : clients) {
            const Palette& palette = kPalettes[static_cast<std::size_t>(style)];
            digMaze(*maze, 12, 6, 72, random, goalY);
            QVERIFY2(freshPicturesAgree(sceneOf(*maze, c, goalY, palette), style, client, ratio),
                     qPrintable(QStringLiteral("style %1, picture %2x%3").arg(style + 1).arg(client.width()).arg(client.height())));
        }
    }
}

void TestRenderContract::samePixelsOverAnEarlierPicture_data()
{
    samePixelsAsTheReference_data();
}

void TestRenderContract::samePixelsOverAnEarlierPicture()
{
    // As when the window regains the focus: the picture is drawn again over
    // the last one without clearing, after another style and maze.
    QFETCH(int, style);
    QFETCH(qreal, ratio);
    auto earlier = std::make_unique<MazeGrid>();
    auto maze = std::make_unique<MazeGrid>();
    FastRandom random(99);
    std::int16_t goalY = 0;
    const std::string name = "Ann";
    digMaze(*earlier, 60, 30, 1800, random, goalY);
    const MazeScene before {*earlier, 60, 30, goalY, ClockReading {1, 2}, 50, name, RGB(200, 0, 0), RGB(0, 50, 0)};
    digMaze(*maze, 60, 30, 1800, random, goalY);
    const MazeScene scene {*maze, 60, 30, goalY, ClockReading {1, 2}, 50, name, RGB(255, 255, 192), RGB(32, 32, 96)};

    // Both draw the earlier picture the reference way.
    ReferenceSurface fast;
    ReferenceSurface reference;
    for (ReferenceSurface* s : {&fast, &reference}) {
        s->setBackColor(RGB(32, 32, 96));
        s->resize(QSize(15 * 62 + 9, 15 * 34 + 4), ratio);
        referenceDrawInStyle(*s, before, static_cast<std::int16_t>((style + 1) % 3));
    }
    drawBoth(fast, reference, scene, style);
    QVERIFY(fast.image() == reference.image());
    // And once more, as a second focus would.
    drawBoth(fast, reference, scene, style);
    QVERIFY(fast.image() == reference.image());
}

void TestRenderContract::samePixelsOnOneLongLivedWindow_data()
{
    // Now and then the window moves to a screen of the other ratio.
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<qreal>("otherRatio");
    QTest::newRow("ratio100") << 1.0 << 1.0;
    QTest::newRow("ratio200") << 2.0 << 2.0;
    QTest::newRow("ratio100_and_200") << 1.0 << 2.0;
    QTest::newRow("ratio125_and_150") << 1.25 << 1.5;
    QTest::newRow("ratio115_and_138") << 1.15 << 1.38;
}

void TestRenderContract::samePixelsOnOneLongLivedWindow()
{
    // As in a game: one window's picture goes through new mazes, resizes and
    // changes of style and colours (and of pixel ratio, in one row), with
    // whatever it keeps from picture to picture; each picture is checked
    // against a fresh reference drawing.
    QFETCH(qreal, ratio);
    QFETCH(qreal, otherRatio);
    auto maze = std::make_unique<MazeGrid>();
    FastRandom random(2024);
    std::int16_t goalY = 0;
    const std::string name = "Bo";
    platform::ImageSurface fast;
    QSize client;
    qreal clientRatio = 0;
    for (int picture = 0; picture < 30; ++picture) {
        const Case& c = kCases[static_cast<std::size_t>(picture / 4) % std::size(kCases)];
        const Palette& palette = kPalettes[static_cast<std::size_t>(picture / 3) % std::size(kPalettes)];
        const int style = picture % 3;
        digMaze(*maze, static_cast<std::int16_t>(c.width), static_cast<std::int16_t>(c.height),
                static_cast<std::int16_t>(c.width * c.height), random, goalY);
        const MazeScene scene {*maze,  static_cast<std::int16_t>(c.width), static_cast<std::int16_t>(c.height),
                               goalY,  ClockReading {0, static_cast<std::int16_t>(picture)}, 30, name, palette.fore, palette.back};
        const QSize size(15 * (c.width + 2) + c.extraWidth, 15 * (c.height + 4) + c.extraHeight);
        const qreal pictureRatio = picture % 10 >= 5 ? otherRatio : ratio;
        fast.setBackColor(palette.back);
        if (size != client || pictureRatio != clientRatio)
            fast.resize(size, pictureRatio);
        client = size;
        clientRatio = pictureRatio;
        ReferenceSurface reference;
        reference.setBackColor(palette.back);
        reference.resize(size, pictureRatio);
        drawBoth(fast, reference, scene, style);
        QVERIFY2(fast.image() == reference.image(), qPrintable(QStringLiteral("picture %1").arg(picture)));
    }
}

void TestRenderContract::strokeRuleAsDefined_data()
{
    QTest::addColumn<int>("penWidth");
    for (int penWidth : {12, 1})
        QTest::addRow("pen%d", penWidth) << penWidth;
}

void TestRenderContract::strokeRuleAsDefined()
{
    // Every scale from 100 to 300 % in steps of 1 % and at the odd
    // dots-per-inch settings above, the twelve strokes of a cell in every
    // place a cell takes on the device pixels there, every pixel whose
    // corner lies within a pixel of the pen's edge. Corners exactly on the
    // edge must come up on both sides, or the rule for them goes unchecked.
    QFETCH(int, penWidth);
    int onEdge[2] = {0, 0};
    QList<qreal> ratios {104 / 96.0, 110 / 96.0, 116 / 96.0};
    for (int percent = 100; percent <= 300; ++percent)
        ratios << percent / 100.0;
    for (qreal ratio : ratios) {
        const PixelScale scale = std::llround(ratio * 65536);
        auto first = [scale](int n) { return devicePixel(kCellPitch * n + kCellPitch, scale); };
        auto centre = [&first](int n) { return std::int64_t {first(n)} + first(n + 1); };
        // A cell's place: its size and its neighbours', whose centres its strokes join.
        std::set<std::tuple<int, int, int>> places;
        std::vector<int> cells;
        for (int n = 0; n < 130; ++n)
            if (places.emplace(first(n) - first(n - 1), first(n + 1) - first(n), first(n + 2) - first(n + 1)).second)
                cells.push_back(n);
        // Each stroke moved by whole pixels to start in pixel (0, 0): strokes
        // alike are checked once.
        std::set<std::array<std::int64_t, 4>> strokes;
        for (int column : cells)
            for (int row : cells)
                for (const CellStroke& k : kCellStrokes) {
                    const std::int64_t ax = centre(column + k.x1), ay = centre(row + k.y1);
                    strokes.insert({ax % 2, ay % 2, centre(column + k.x2) - ax + ax % 2, centre(row + k.y2) - ay + ay % 2});
                }
        const double radius = penWidth * scale / 131072.0;
        for (const auto& [ax, ay, bx, by] : strokes) {
            const Stroke s {ax, ay, bx, by, penWidth, scale};
            const double dx = (bx - ax) / 2.0, dy = (by - ay) / 2.0, reach = radius + 2;
            for (int y = static_cast<int>(std::floor(std::min(ay, by) / 2.0 - reach)); y <= std::max(ay, by) / 2.0 + reach; ++y) {
                for (int x = static_cast<int>(std::floor(std::min(ax, bx) / 2.0 - reach)); x <= std::max(ax, bx) / 2.0 + reach;) {
                    // The corner's distance from the pen's edge, roughly; it
                    // changes by at most one from pixel to pixel.
                    const double ux = x - ax / 2.0, uy = y - ay / 2.0;
                    const double t = std::clamp((ux * dx + uy * dy) / std::max(dx * dx + dy * dy, 1.0), 0.0, 1.0);
                    const double off = std::abs(std::sqrt((ux - t * dx) * (ux - t * dx) + (uy - t * dy) * (uy - t * dy)) - radius);
                    if (off > 1) {
                        x += static_cast<int>(std::ceil(off - 1));
                        continue;
                    }
                    const Corner corner = cornerAgainst(s, x, y);
                    if (corner == Corner::OnEdgeBelow || corner == Corner::OnEdgeAbove)
                        ++onEdge[corner == Corner::OnEdgeAbove];
                    if (covers(s, x, y) != (corner >= Corner::OnEdgeAbove))
                        QFAIL(qPrintable(QStringLiteral("ratio %1, stroke (%2, %3)-(%4, %5) half pixels, pixel (%6, %7)")
                                             .arg(ratio).arg(ax).arg(ay).arg(bx).arg(by).arg(x).arg(y)));
                    ++x;
                }
            }
        }
    }
    QVERIFY2(onEdge[0] > 0 && onEdge[1] > 0, qPrintable(QStringLiteral("%1 below, %2 above").arg(onEdge[0]).arg(onEdge[1])));
}

QTEST_MAIN(TestRenderContract)
#include "test_render_contract.moc"
