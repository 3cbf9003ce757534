// The maze grid and its generator: the grid's bounds and clearing, the dig
// rule of Can_Dig on hand-made grids, the shape of mazes dug from many seeds,
// the chances of the walk against the walk drawn direction by direction, and
// the game's own random source.
#include "maze/generator.h"
#include "maze/maze_grid.h"
#include "support/literal_walk.h"
#include "support/maze_shape.h"
#include "support/scripted_random.h"

#include <QPoint>
#include <QStringList>
#include <QtTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <vector>

namespace {

// A picture covers columns 0..W and rows 0..H: '#' is a wall, '.' a passage,
// '@' the walker's cell (a passage) and 'o' the walker on a wall.
struct Picture {
    std::int16_t W = 0;
    std::int16_t H = 0;
    QPoint walker {-1, -1};
};

Picture paint(MazeGrid& maze, const QStringList& rows)
{
    Picture p;
    p.W = static_cast<std::int16_t>(rows.first().size() - 1);
    p.H = static_cast<std::int16_t>(rows.size() - 1);
    for (int y = 0; y < rows.size(); ++y) {
        for (int x = 0; x < rows[y].size(); ++x) {
            const QChar c = rows[y][x];
            maze(x, y) = (c == u'.' || c == u'@') ? 1 : 0;
            if (c == u'@' || c == u'o')
                p.walker = QPoint(x, y);
        }
    }
    return p;
}

// The passage cells of columns 0..W and rows 0..H, row by row.
QList<QPoint> passagesIn(const MazeGrid& maze, int W, int H)
{
    QList<QPoint> cells;
    for (int y = 0; y <= H; ++y)
        for (int x = 0; x <= W; ++x)
            if (maze(x, y) != 0)
                cells.append(QPoint(x, y));
    return cells;
}

void dirtyEverything(MazeGrid& maze)
{
    for (int y = 0; y < MazeGrid::kCleared; ++y)
        for (int x = 0; x < MazeGrid::kCleared; ++x)
            maze(x, y) = static_cast<std::int16_t>(1 + (x + y) % 5);
}

// Cell values 0 or 1 only, and the shape of a dug maze. `margin` extra
// columns and rows beyond the frame are searched for stray passages.
MazeShape checkShape(const MazeGrid& maze, int W, int H, int margin)
{
    for (int y = 0; y < MazeGrid::kSize; ++y)
        for (int x = 0; x < MazeGrid::kSize && x <= W + margin && y <= H + margin; ++x)
            if (maze(x, y) != 0 && maze(x, y) != 1)
                return {QStringLiteral("cell (%1, %2) holds %3").arg(x).arg(y).arg(maze(x, y)), 0};
    return mazeShape(
        W, H, [&maze](int x, int y) { return maze.at(x, y) != 0; }, std::min(margin, MazeGrid::kSize - 1 - std::min(W, H)));
}

QPoint expectedStart(const MazeGrid& maze)
{
    for (const QPoint p : {QPoint(1, 1), QPoint(2, 1), QPoint(1, 2)})
        if (maze(p.x(), p.y()) != 0)
            return p;
    return QPoint(1, 1);
}

} // namespace

class TestMaze : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void atOutsideTheGridIsWall_data();
    void atOutsideTheGridIsWall();
    void clearResetsTheBlockBelow1000();

    void canDig_data();
    void canDig();

    // The random source comes first: the generator's walk leans on it.
    void fastRandomStaysInRangeAndIsUniform_data();
    void fastRandomStaysInRangeAndIsUniform();
    void fastRandomReseeding();

    void generatedMazes_data();
    void generatedMazes();
    void sameChancesAsTheLiteralWalk();
    void sameSeedSameMaze();
};

void TestMaze::atOutsideTheGridIsWall_data()
{
    // A passage is planted where a careless index computation would land.
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("plantX");
    QTest::addColumn<int>("plantY");

    QTest::newRow("leftOfColumn0") << -1 << 5 << 1000 << 4;
    QTest::newRow("rightOfColumn1000") << 1001 << 5 << 0 << 6;
    QTest::newRow("aboveRow0") << 5 << -1 << 5 << 1000;
    QTest::newRow("belowRow1000") << 5 << 1001 << 5 << 0;
    QTest::newRow("farCorner") << 1001 << 1001 << 1000 << 1000;
}

void TestMaze::atOutsideTheGridIsWall()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, plantX);
    QFETCH(int, plantY);

    MazeGrid maze;
    maze(plantX, plantY) = 1;
    QCOMPARE(maze.at(plantX, plantY), std::int16_t(1));
    QCOMPARE(maze.at(x, y), std::int16_t(0));
}

void TestMaze::clearResetsTheBlockBelow1000()
{
    MazeGrid maze;
    dirtyEverything(maze);
    // Cells of index 1000 are outside the cleared block and must keep
    // whatever they hold.
    maze(1000, 3) = 7;
    maze(3, 1000) = 8;
    maze(1000, 1000) = 9;

    maze.clear();

    for (int y = 0; y < MazeGrid::kCleared; ++y)
        for (int x = 0; x < MazeGrid::kCleared; ++x)
            if (maze(x, y) != 0)
                QFAIL(qPrintable(QStringLiteral("(%1, %2) not cleared").arg(x).arg(y)));
    QCOMPARE(maze(1000, 3), std::int16_t(7));
    QCOMPARE(maze(3, 1000), std::int16_t(8));
    QCOMPARE(maze(1000, 1000), std::int16_t(9));
    QCOMPARE(maze(1000, 0), std::int16_t(0));
    QCOMPARE(maze(0, 1000), std::int16_t(0));
}

void TestMaze::canDig_data()
{
    QTest::addColumn<QStringList>("picture");
    QTest::addColumn<int>("expected");

    // A fresh grid: from (1, 1) right and down are allowed.
    QTest::newRow("emptyGridFromStart") << QStringList {
        "#####",
        "#o###",
        "#####",
        "#####",
        "#####",
    } << -1;
    // W = H = 2: every move from (1, 1) fails its range test.
    QTest::newRow("allOutOfRange") << QStringList {
        "###",
        "#@#",
        "###",
    } << 0;
    // Each diagonal passage blocks the two moves whose targets it touches.
    QTest::newRow("allFourBlocked") << QStringList {
        "#####",
        "#.#.#",
        "##@##",
        "#.#.#",
        "#####",
    } << 0;
    QTest::newRow("onlyLeftAllowed") << QStringList {
        "#####",
        "###.#",
        "##@##",
        "###.#",
        "#####",
    } << -1;
    QTest::newRow("onlyUpAllowed") << QStringList {
        "#####",
        "#####",
        "##@##",
        "#.#.#",
        "#####",
    } << -1;
    QTest::newRow("onlyRightAllowed") << QStringList {
        "#####",
        "#.###",
        "##@##",
        "#.###",
        "#####",
    } << -1;
    QTest::newRow("onlyDownAllowed") << QStringList {
        "#####",
        "#.#.#",
        "##@##",
        "#####",
        "#####",
    } << -1;
    // Cells two steps away in the direction of the move block it as well.
    QTest::newRow("blockedByFarCells") << QStringList {
        "#######",
        "###.###",
        "#######",
        "#.#@#.#",
        "#######",
        "###.###",
        "#######",
    } << 0;
    // Left and up are out of range; (2, 2) blocks both right and down.
    QTest::newRow("cornerBlocked") << QStringList {
        "#####",
        "#@###",
        "##.##",
        "#####",
        "#####",
    } << 0;
    // The passage to the right hangs off the walker's cell alone: stepping
    // back onto it is allowed. Down is blocked by (1, 3).
    QTest::newRow("ontoDeadEndPassage") << QStringList {
        "#####",
        "#@.##",
        "#####",
        "#.###",
        "#####",
    } << -1;
    // The same passage with a second neighbour is no dead end.
    QTest::newRow("ontoPassageWithSecondNeighbour") << QStringList {
        "#####",
        "#@..#",
        "#####",
        "#.###",
        "#####",
    } << 0;
    // Column W and row H are wall but lie out of range: the walker in the
    // corner (W - 1, H - 1) cannot move right or down even onto walls.
    QTest::newRow("rightAndBottomFrameOutOfRange") << QStringList {
        "####",
        "#.##",
        "##@#",
        "####",
    } << 0;
    QTest::newRow("onlyMoveIsIntoTheFrame") << QStringList {
        "####",
        "#.##",
        "#.@#",
        "####",
    } << 0;
}

void TestMaze::canDig()
{
    QFETCH(QStringList, picture);
    QFETCH(int, expected);

    MazeGrid maze;
    const Picture p = paint(maze, picture);
    const QList<QPoint> before = passagesIn(maze, p.W, p.H);

    const std::int16_t result = Can_Dig(maze, p.W, p.H, static_cast<std::int16_t>(p.walker.x()),
                                        static_cast<std::int16_t>(p.walker.y()));
    QCOMPARE(int(result), expected);
    QCOMPARE(passagesIn(maze, p.W, p.H), before);
}

void TestMaze::generatedMazes_data()
{
    QTest::addColumn<int>("W");
    QTest::addColumn<int>("H");
    QTest::addColumn<int>("digLimit");
    QTest::addColumn<int>("seeds");
    // 1: a walk this long always meets a dead end in the goal column; -1: it
    // cannot meet one, so the goal's row keeps its old value; 0: either.
    QTest::addColumn<int>("goal");

    QTest::newRow("initial42x21") << 42 << 21 << 882 << 200 << 1;
    QTest::newRow("size43x22") << 43 << 22 << 946 << 200 << 1;
    QTest::newRow("size60x30") << 60 << 30 << 1800 << 200 << 1;
    QTest::newRow("size126x66") << 126 << 66 << 8316 << 200 << 1;
    QTest::newRow("size254x129") << 254 << 129 << 32766 << 60 << 1;
    QTest::newRow("tiny3x3") << 3 << 3 << 9 << 200 << 0;
    QTest::newRow("narrow3x40") << 3 << 40 << 120 << 200 << 0;
    QTest::newRow("flat40x3") << 40 << 3 << 120 << 200 << 0;
    QTest::newRow("odd7x13") << 7 << 13 << 91 << 200 << 0;
    QTest::newRow("widest999x32") << 999 << 32 << 31968 << 20 << 0;
    QTest::newRow("tallest32x999") << 32 << 999 << 31968 << 20 << 0;
    // One step from (1, 1) ends the walk before any dead end.
    QTest::newRow("oneStep6x4") << 6 << 4 << 1 << 20 << -1;
    QTest::newRow("oneStepIntoTheGoalColumn3x4") << 3 << 4 << 1 << 20 << -1;
}

void TestMaze::generatedMazes()
{
    QFETCH(int, W);
    QFETCH(int, H);
    QFETCH(int, digLimit);
    QFETCH(int, seeds);
    QFETCH(int, goal);

    const auto w = static_cast<std::int16_t>(W);
    const auto h = static_cast<std::int16_t>(H);

    MazeGrid maze;
    dirtyEverything(maze);
    for (int seed = 1; seed <= seeds; ++seed) {
        // The game's own source, reseeded from a time of day as a new game does.
        FastRandom random;
        random.reseed(3600.0 + 0.25 * seed + W);
        std::int16_t goalY = -1;
        const DigOutcome out = digMaze(maze, w, h, static_cast<std::int16_t>(digLimit), random, goalY);
        const QString where = QStringLiteral("seed %1: ").arg(seed);

        // The first maze follows a dirty grid: search all of it for leftovers.
        const int margin = seed == 1 ? MazeGrid::kSize : 2;
        const MazeShape shape = checkShape(maze, W, H, margin);
        QVERIFY2(shape.problem.isEmpty(), qPrintable(where + shape.problem));
        // Every step digs at most one cell, and a long walk steps back onto
        // dead ends, so there are fewer passages than steps.
        QVERIFY2(shape.passages < std::max(digLimit, 2), qPrintable(where + QString::number(shape.passages)));

        const QPoint start(out.startX, out.startY);
        QCOMPARE(start, expectedStart(maze));
        QVERIFY2(maze(start.x(), start.y()) != 0, qPrintable(where + "start on a wall"));

        QVERIFY2(goal != 1 || goalY != -1, qPrintable(where + "no dead end met in the goal column"));
        QVERIFY2(goal != -1 || goalY == -1, qPrintable(where + "the goal's row changed"));
        if (goalY != -1) {
            QVERIFY2(goalY >= 1 && goalY <= H - 1, qPrintable(where + QString::number(goalY)));
            QVERIFY2(maze(W - 1, goalY) != 0, qPrintable(where + "goal on a wall"));
            QVERIFY2(Can_Dig(maze, w, h, w - 1, goalY) == 0, qPrintable(where + "goal not a dead end"));
        }
    }
    // Index 1000 is never written, whatever the size.
    for (int i = 0; i < MazeGrid::kSize; ++i) {
        QCOMPARE(maze(1000, i), std::int16_t(0));
        QCOMPARE(maze(i, 1000), std::int16_t(0));
    }
}

void TestMaze::sameChancesAsTheLiteralWalk()
{
    // How often each maze of a few tiny sizes (its passages and goal row)
    // comes out of the walk, against its chance worked out from the walk's
    // rules: a chi-square test, rare mazes pooled until 5 are expected, fails
    // by chance once in a million and all but surely when the walk takes its
    // first allowed move, or a jump its first passage, 5 % more often. Builds
    // unoptimised or sanitised dig 100 times slower: 1/64 finds gross faults.
#if defined(__OPTIMIZE__) && !defined(__SANITIZE_ADDRESS__)
    constexpr int kMazes = 100000;
#else
    constexpr int kMazes = 1563;
#endif
    MazeGrid maze;
    FastRandom random(7);
    double chiSquare = 0, degrees = 0;
    for (const auto& [W, H] : {std::pair<std::int16_t, std::int16_t> {4, 4}, {7, 3}, {6, 4}}) {
        std::map<TinyMaze, std::pair<double, double>> counts;  // expected, seen
        double total = 0;
        for (const auto& [tiny, chance] : literalWalkChances(W, H, W * H, 0)) {
            counts[tiny].first = chance * kMazes;
            total += chance;
        }
        QVERIFY2(std::abs(total - 1) < 1e-9, qPrintable(QString::number(total, 'g', 17)));
        for (int i = 0; i < kMazes; ++i) {
            std::int16_t goalY = 0;
            digMaze(maze, W, H, std::int16_t(W * H), random, goalY);
            std::uint64_t passages = 0;
            for (int cell = 0; cell < (W + 1) * (H + 1); ++cell)
                passages |= std::uint64_t {maze(cell % (W + 1), cell / (W + 1)) != 0} << cell;
            const auto found = counts.find({passages, goalY});
            QVERIFY2(found != counts.end(), "a maze the walk's rules cannot dig");
            ++found->second.second;
        }
        std::vector<std::pair<double, double>> mazes;
        for (const auto& [tiny, c] : counts)
            mazes.push_back(c);
        std::ranges::sort(mazes);
        std::pair<double, double> bin {};
        for (const auto& [e, o] : mazes) {
            bin = {bin.first + e, bin.second + o};
            if (bin.first >= 5) {
                chiSquare += (bin.second - bin.first) * (bin.second - bin.first) / bin.first;
                ++degrees;
                bin = {};
            }
        }
        --degrees;  // the counts add up to kMazes
    }
    // Wilson and Hilferty's chi-square quantile with 1e-6 above it; 4.753 is the normal one.
    const double a = 2 / (9 * degrees), limit = degrees * std::pow(1 - a + 4.753 * std::sqrt(a), 3);
    QVERIFY2(chiSquare < limit, qPrintable(QStringLiteral("%1 above %2").arg(chiSquare).arg(limit)));
}

void TestMaze::sameSeedSameMaze()
{
    // A maze can be replayed from its seed: the generator has no hidden
    // source of chance.
    auto dig = [](RandomSource& random, MazeGrid& maze) {
        std::int16_t goalY = -1;
        const DigOutcome out = digMaze(maze, 60, 30, 1800, random, goalY);
        return QList<QPoint> {QPoint(out.startX, out.startY), QPoint(0, goalY)} + passagesIn(maze, 60, 30);
    };
    MazeGrid maze;
    SeededRandom seeded(2024);
    seeded.reseed(0.0);
    const QList<QPoint> first = dig(seeded, maze);
    seeded.reseed(0.0);
    QCOMPARE(dig(seeded, maze), first);

    // The game's own source with the same seed draws the same numbers, so it
    // must dig the same maze.
    FastRandom fast(2024);
    QCOMPARE(dig(fast, maze), first);

    seeded.setSeed(2025);
    QVERIFY(dig(seeded, maze) != first);
}

void TestMaze::fastRandomStaysInRangeAndIsUniform_data()
{
    QTest::addColumn<double>("time");

    QTest::newRow("midnight") << 0.0;
    QTest::newRow("oneSecondPast") << 1.0;
    QTest::newRow("noonAndAQuarter") << 43200.25;
    QTest::newRow("lastSecond") << 86399.99;
}

void TestMaze::fastRandomStaysInRangeAndIsUniform()
{
    QFETCH(double, time);

    FastRandom random;
    random.reseed(time);
    constexpr int kDraws = 100000;
    constexpr int kBuckets = 10;
    int buckets[kBuckets] = {};
    int directions[4] = {};
    double sum = 0.0;
    for (int i = 0; i < kDraws; ++i) {
        const double r = random.next();
        if (!(r >= 0.0 && r < 1.0))
            QFAIL(qPrintable(QStringLiteral("draw %1 gave %2").arg(i).arg(r, 0, 'g', 17)));
        sum += r;
        ++buckets[static_cast<int>(r * kBuckets)];
        ++directions[static_cast<int>(std::floor(4 * r))];
    }
    // Far wider than chance allows for a uniform source, far narrower than
    // any skew that would bend the mazes.
    QVERIFY2(std::abs(sum / kDraws - 0.5) < 0.005, qPrintable(QString::number(sum / kDraws)));
    for (int b = 0; b < kBuckets; ++b)
        QVERIFY2(std::abs(buckets[b] - kDraws / kBuckets) < 600,
                 qPrintable(QStringLiteral("bucket %1 holds %2").arg(b).arg(buckets[b])));
    for (int d = 0; d < 4; ++d)
        QVERIFY2(std::abs(directions[d] - kDraws / 4) < 900,
                 qPrintable(QStringLiteral("direction %1 drawn %2 times").arg(d + 1).arg(directions[d])));
}

void TestMaze::fastRandomReseeding()
{
    auto sequence = [](FastRandom& random, double time) {
        random.reseed(time);
        QList<double> values;
        for (int i = 0; i < 64; ++i)
            values.append(random.next());
        return values;
    };

    FastRandom random;
    const QList<double> noon = sequence(random, 43200.5);
    QCOMPARE(sequence(random, 43200.5), noon);

    FastRandom other;
    QCOMPARE(sequence(other, 43200.5), noon);

    // Times a fraction of a second apart start different sequences.
    const QList<double> later = sequence(random, 43200.75);
    const QList<double> nextSecond = sequence(random, 43201.5);
    QVERIFY(later != noon);
    QVERIFY(nextSecond != noon);
    QVERIFY(nextSecond != later);
    QVERIFY(sequence(random, 0.0) != sequence(random, 1.0));
}

QTEST_APPLESS_MAIN(TestMaze)
#include "test_maze.moc"
