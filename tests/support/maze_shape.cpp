#include "support/maze_shape.h"

#include <QPoint>

#include <vector>

MazeShape mazeShape(int W, int H, const std::function<bool(int x, int y)>& open, int margin)
{
    std::vector<QPoint> passages;
    int contacts = 0;
    for (int y = 0; y <= H + margin; ++y) {
        for (int x = 0; x <= W + margin; ++x) {
            if (!open(x, y))
                continue;
            if (x < 1 || x > W - 1 || y < 1 || y > H - 1)
                return {QStringLiteral("passage outside the frame at (%1, %2)").arg(x).arg(y), 0};
            if (open(x + 1, y) && open(x, y + 1) && open(x + 1, y + 1))
                return {QStringLiteral("2 x 2 block of passage at (%1, %2)").arg(x).arg(y), 0};
            passages.push_back(QPoint(x, y));
            contacts += open(x + 1, y) + open(x, y + 1);
        }
    }
    const int count = static_cast<int>(passages.size());
    if (count == 0)
        return {QStringLiteral("no passage at all"), 0};
    if (contacts != count - 1)
        return {QStringLiteral("%1 passages touch by a side %2 times: not a tree").arg(count).arg(contacts), 0};

    // Connected: every passage is reached from the first by side steps.
    std::vector<bool> seen(static_cast<std::size_t>(W + 1) * static_cast<std::size_t>(H + 1), false);
    auto index = [W](QPoint p) { return static_cast<std::size_t>(p.y()) * static_cast<std::size_t>(W + 1) + p.x(); };
    std::vector<QPoint> todo {passages.front()};
    seen[index(passages.front())] = true;
    int reached = 0;
    while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        ++reached;
        for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            const QPoint q = p + step;
            if (open(q.x(), q.y()) && !seen[index(q)]) {
                seen[index(q)] = true;
                todo.push_back(q);
            }
        }
    }
    if (reached != count)
        return {QStringLiteral("only %1 of %2 passages are joined").arg(reached).arg(count), 0};
    return {QString(), count};
}
