// The movement rule of the play tick on hand-made grids: the order of the
// four keys, diagonal steps, opposite keys, which flag values count, walls,
// the edges of the grid, and the centre of a cell on the window.
#include "maze/maze_grid.h"
#include "common/cell_geometry.h"
#include "play/movement.h"

#include <QPoint>
#include <QStringList>
#include <QtTest>

#include <cstdint>

namespace {

constexpr int kHeld = -1;

// A picture covers columns and rows from 0: '#' is a wall, '.' a passage,
// a digit a cell of that value and '@' the player's cell. Returns the
// player's cell.
QPoint paint(MazeGrid& maze, const QStringList& rows)
{
    QPoint player(-1, -1);
    for (int y = 0; y < rows.size(); ++y) {
        for (int x = 0; x < rows[y].size(); ++x) {
            const QChar c = rows[y][x];
            maze(x, y) = static_cast<std::int16_t>(c == u'#' ? 0 : c.isDigit() ? c.digitValue() : 1);
            if (c == u'@')
                player = QPoint(x, y);
        }
    }
    return player;
}

HeldKeys keys(int up, int left, int right, int down)
{
    HeldKeys k;
    k.up = static_cast<std::int16_t>(up);
    k.left = static_cast<std::int16_t>(left);
    k.right = static_cast<std::int16_t>(right);
    k.down = static_cast<std::int16_t>(down);
    return k;
}

} // namespace

class TestPlay : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void movement_data();
    void movement();
    void edgesOfTheGrid_data();
    void edgesOfTheGrid();
    void cellCentre_data();
    void cellCentre();
};

void TestPlay::movement_data()
{
    QTest::addColumn<QStringList>("picture");
    QTest::addColumn<int>("up");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("down");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QPoint>("expected");

    const QStringList corridor {
        "#######",
        "#.@...#",
        "#######",
    };
    QTest::newRow("noKeyStays") << corridor << 0 << 0 << 0 << 0 << 1 << QPoint(2, 1);
    QTest::newRow("rightOneCellPerTick") << corridor << 0 << 0 << kHeld << 0 << 1 << QPoint(3, 1);
    QTest::newRow("rightStopsBeforeWall") << corridor << 0 << 0 << kHeld << 0 << 10 << QPoint(5, 1);
    QTest::newRow("leftStopsBeforeWall") << corridor << 0 << kHeld << 0 << 0 << 10 << QPoint(1, 1);
    QTest::newRow("upIntoWallStays") << corridor << kHeld << 0 << 0 << 0 << 1 << QPoint(2, 1);
    QTest::newRow("downIntoWallStays") << corridor << 0 << 0 << 0 << kHeld << 1 << QPoint(2, 1);
    // Only -1 means held: in an open square any other flag leaves the
    // player where it is.
    const QStringList square {
        "#####",
        "#...#",
        "#.@.#",
        "#...#",
        "#####",
    };
    QTest::newRow("upFlagOne") << square << 1 << 0 << 0 << 0 << 1 << QPoint(2, 2);
    QTest::newRow("leftFlagOne") << square << 0 << 1 << 0 << 0 << 1 << QPoint(2, 2);
    QTest::newRow("rightFlagOne") << square << 0 << 0 << 1 << 0 << 1 << QPoint(2, 2);
    QTest::newRow("downFlagOne") << square << 0 << 0 << 0 << 1 << 1 << QPoint(2, 2);
    QTest::newRow("allFlagsMinusTwo") << square << -2 << -2 << -2 << -2 << 1 << QPoint(2, 2);
    QTest::newRow("otherValueBesideHeld") << square << 1 << 1 << kHeld << 0 << 1 << QPoint(3, 2);

    const QStringList shaft {
        "###",
        "#.#",
        "#.#",
        "#@#",
        "#.#",
        "###",
    };
    QTest::newRow("upStopsBeforeWall") << shaft << kHeld << 0 << 0 << 0 << 5 << QPoint(1, 1);
    QTest::newRow("downStopsBeforeWall") << shaft << 0 << 0 << 0 << kHeld << 5 << QPoint(1, 4);

    // Opposite keys: the second undoes the first, unless the first is blocked.
    QTest::newRow("leftRightInCorridorStays") << corridor << 0 << kHeld << kHeld << 0 << 3 << QPoint(2, 1);
    QTest::newRow("upDownInShaftStays") << shaft << kHeld << 0 << 0 << kHeld << 3 << QPoint(1, 3);
    QTest::newRow("leftRightWallOnLeftMovesRight") << QStringList {
        "######",
        "#@...#",
        "######",
    } << 0 << kHeld << kHeld << 0 << 1 << QPoint(2, 1);
    // One cell on, the left is open and the pair cancels out again.
    QTest::newRow("leftRightWallOnLeftThenStays") << QStringList {
        "######",
        "#@...#",
        "######",
    } << 0 << kHeld << kHeld << 0 << 3 << QPoint(2, 1);
    QTest::newRow("upDownWallAboveMovesDown") << QStringList {
        "###",
        "#@#",
        "#.#",
        "#.#",
        "###",
    } << kHeld << 0 << 0 << kHeld << 1 << QPoint(1, 2);

    // Diagonal steps: the second move is tested from where the first left the
    // player. Right of the start is a wall here, so only up-then-right gets
    // to (2, 1).
    QTest::newRow("upRightDiagonal") << QStringList {
        "####",
        "#..#",
        "#@##",
        "####",
    } << kHeld << 0 << kHeld << 0 << 1 << QPoint(2, 1);
    QTest::newRow("upRightAboveWalledOnlyRight") << QStringList {
        "####",
        "####",
        "#@.#",
        "#..#",
        "####",
    } << kHeld << 0 << kHeld << 0 << 1 << QPoint(2, 2);
    QTest::newRow("downLeftDiagonal") << QStringList {
        "####",
        "#.@#",
        "#.##",
        "####",
    } << 0 << kHeld << 0 << kHeld << 1 << QPoint(1, 2);
    QTest::newRow("diagonalEachTick") << QStringList {
        "#####",
        "#..##",
        "##..#",
        "###@#",
        "#####",
    } << kHeld << kHeld << 0 << 0 << 2 << QPoint(1, 1);

    // The order up, left, right, down decides where a pair of keys leads:
    // each row would end elsewhere if the two moves were swapped.
    QTest::newRow("upBeforeLeft") << QStringList {
        "####",
        "#..#",
        "##@#",
        "####",
    } << kHeld << kHeld << 0 << 0 << 1 << QPoint(1, 1);
    QTest::newRow("leftBeforeRight") << QStringList {
        "####",
        "#.@#",
        "####",
    } << 0 << kHeld << kHeld << 0 << 1 << QPoint(2, 1);
    QTest::newRow("rightBeforeDown") << QStringList {
        "####",
        "#@.#",
        "##.#",
        "####",
    } << 0 << 0 << kHeld << kHeld << 1 << QPoint(2, 2);
    QTest::newRow("upBeforeDownAtTop") << QStringList {
        "###",
        "#.#",
        "#@#",
        "###",
    } << kHeld << 0 << 0 << kHeld << 1 << QPoint(1, 2);
    // All four keys in an open square: up, left, right, down come back home.
    QTest::newRow("allFourKeysInOpenSquare") << QStringList {
        "####",
        "#..#",
        "#.@#",
        "####",
    } << kHeld << kHeld << kHeld << kHeld << 1 << QPoint(2, 2);
    // Any non-zero cell is open.
    QTest::newRow("anyNonZeroIsOpen") << QStringList {
        "#####",
        "#@5.#",
        "#####",
    } << 0 << 0 << kHeld << 0 << 1 << QPoint(2, 1);
}

void TestPlay::movement()
{
    QFETCH(QStringList, picture);
    QFETCH(int, up);
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(int, down);
    QFETCH(int, ticks);
    QFETCH(QPoint, expected);

    MazeGrid maze;
    const QPoint start = paint(maze, picture);

    auto x = static_cast<std::int16_t>(start.x());
    auto y = static_cast<std::int16_t>(start.y());
    const HeldKeys held = keys(up, left, right, down);
    for (int t = 0; t < ticks; ++t)
        movePlayer(maze, held, x, y);
    QCOMPARE(QPoint(x, y), expected);
}

void TestPlay::edgesOfTheGrid_data()
{
    // The player stands on the edge of the 1001 x 1001 grid with every cell
    // around open. Passages are also planted where a move past the edge
    // would alias into the grid, so a missing guard moves the player.
    QTest::addColumn<QPoint>("player");
    QTest::addColumn<int>("up");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("down");
    QTest::addColumn<QPoint>("expected");

    QTest::newRow("row0Up") << QPoint(5, 0) << kHeld << 0 << 0 << 0 << QPoint(5, 0);
    QTest::newRow("column0Left") << QPoint(0, 5) << 0 << kHeld << 0 << 0 << QPoint(0, 5);
    QTest::newRow("cornerUpLeft") << QPoint(0, 0) << kHeld << kHeld << 0 << 0 << QPoint(0, 0);
    QTest::newRow("column1000Right") << QPoint(1000, 5) << 0 << 0 << kHeld << 0 << QPoint(1000, 5);
    QTest::newRow("row1000Down") << QPoint(5, 1000) << 0 << 0 << 0 << kHeld << QPoint(5, 1000);
    QTest::newRow("farCornerRightDown") << QPoint(1000, 1000) << 0 << 0 << kHeld << kHeld
                                        << QPoint(1000, 1000);
    // Refused at the edge, the other key of a diagonal still moves.
    QTest::newRow("row0UpRight") << QPoint(5, 0) << kHeld << 0 << kHeld << 0 << QPoint(6, 0);
    QTest::newRow("column0LeftDown") << QPoint(0, 5) << 0 << kHeld << 0 << kHeld << QPoint(0, 6);
    QTest::newRow("column1000RightUp") << QPoint(1000, 5) << kHeld << 0 << kHeld << 0 << QPoint(1000, 4);
}

void TestPlay::edgesOfTheGrid()
{
    QFETCH(QPoint, player);
    QFETCH(int, up);
    QFETCH(int, left);
    QFETCH(int, right);
    QFETCH(int, down);
    QFETCH(QPoint, expected);

    MazeGrid maze;
    for (int i = 0; i < MazeGrid::kSize; ++i) {
        maze(0, i) = maze(1000, i) = 1;
        maze(i, 0) = maze(i, 1000) = 1;
        maze(1, i) = maze(999, i) = 1;
        maze(i, 1) = maze(i, 999) = 1;
    }

    auto x = static_cast<std::int16_t>(player.x());
    auto y = static_cast<std::int16_t>(player.y());
    movePlayer(maze, keys(up, left, right, down), x, y);
    QCOMPARE(QPoint(x, y), expected);
}

void TestPlay::cellCentre_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<float>("centre");

    QTest::newRow("frame") << 0 << 22.5f;
    QTest::newRow("first") << 1 << 37.5f;
    QTest::newRow("goalColumnAtInitialSize") << 41 << 637.5f;
    QTest::newRow("lastUsable") << 999 << 15007.5f;
    QTest::newRow("lastIndex") << 1000 << 15022.5f;
}

void TestPlay::cellCentre()
{
    QFETCH(int, n);
    QFETCH(float, centre);

    QCOMPARE(::cellCentre(n), centre);
}

QTEST_APPLESS_MAIN(TestPlay)
#include "test_play.moc"
