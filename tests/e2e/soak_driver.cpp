// The soak test's random player. Every action is one the player can make;
// Esc, which ends the game, is never pressed, and the goal is never sought:
// a finish reached by chance is answered like any other.
#include "e2e/soak_driver.h"

#include "e2e/screen_reading.h"

#include <QElapsedTimer>
#include <QPoint>
#include <QThread>

#include <algorithm>

namespace {

const QString kTitle = QStringLiteral("^Orvo$");
const QString kInfoTitle = QStringLiteral("^Info$");
const QString kOptionsTitle = QStringLiteral("^Options$");
const QString kScoreTitle = QStringLiteral("^You did it!$");
const QString kNameTitle = QStringLiteral("^High Score!$");
// Generous: the sanitizer build draws a maze of the largest window slowly.
constexpr int kWaitMs = 30000;

// The smallest client area the game accepts, and what it puts back instead
// of a smaller one: a maze needs 660 x 375 pixels, and the window springs
// back to the size it opened with.
constexpr QSize kLeast(660, 375);
constexpr QSize kOpening(666, 386);

// Places on the Info window, in client pixels.
constexpr QPoint kInfoCloseLabel(68, 345);
constexpr QPoint kInfoOptionsLabel(204, 345);
constexpr QPoint kInstructions(200, 120);

// Places on the Options window. Only the red bars are dragged on, so that
// neither colour can come near the green of the player's dot, which
// settle() looks for, as long as the colours the game starts with have
// green components far from the dot's.
constexpr QPoint kStyleLabels[] = {{56, 57}, {160, 57}, {264, 57}};
constexpr int kRedBars[] = {88, 248};  // background, foreground
constexpr int kBarTop = 81;
constexpr int kBarBottom = 184;
constexpr QPoint kOptionsCloseLabel(84, 217);

const QStringList kArrows {QStringLiteral("Left"), QStringLiteral("Right"), QStringLiteral("Up"),
                           QStringLiteral("Down")};

QString sizeText(QSize size)
{
    return QStringLiteral("%1 x %2").arg(size.width()).arg(size.height());
}

}  // namespace

SoakDriver::SoakDriver(const XSession& session, WindowId window, quint64 seed)
    : session_(session), window_(window), random_(seed), keys_(session)
{
}

int SoakDriver::uniform(int least, int most)
{
    return std::uniform_int_distribution<int>(least, most)(random_);
}

bool SoakDriver::chance(double p)
{
    return std::bernoulli_distribution(p)(random_);
}

void SoakDriver::pause(int leastMs, int mostMs)
{
    QThread::msleep(static_cast<unsigned long>(uniform(leastMs, mostMs)));
}

QString SoakDriver::tally() const
{
    QStringList parts;
    for (auto it = counts_.cbegin(); it != counts_.cend(); ++it)
        parts << QStringLiteral("%1 %2").arg(it.key()).arg(it.value());
    return parts.join(QStringLiteral(", "));
}

bool SoakDriver::step(QString* why)
{
    const int roll = uniform(0, 99);
    if (roll < 45)
        return act([this](QString* w) { return holdArrows(w); }, why);
    if (roll < 60)
        return act([this](QString* w) { return newMaze(w); }, why);
    if (roll < 75) {
        const auto exit = static_cast<InfoExit>(uniform(0, 4));
        return act([this, exit](QString* w) { return infoAndBack(exit, w); }, why);
    }
    const QSize size = randomSize();
    return act([this, size](QString* w) { return resizeWindow(size, w); }, why);
}

bool SoakDriver::act(const std::function<bool(QString*)>& action, QString* why)
{
    if (!answerDialogs(why))
        return false;
    if (!action(why)) {
        // A finish reached by chance takes the keys and the focus, and may
        // cut an action short; that is no fault of the game. A message
        // about a fault explains the failure better than the action does.
        const int finishes = count(QStringLiteral("finishes"));
        QString dialogs;
        if (!answerDialogs(&dialogs)) {
            *why = dialogs;
            return false;
        }
        if (count(QStringLiteral("finishes")) == finishes)
            return false;
        tick(QStringLiteral("actions cut short by a finish"));
        if (!closeSideWindows(why) || !session_.activate(window_))
            return false;
    }
    pause(0, 150);
    return true;
}

bool SoakDriver::holdArrows(QString* why)
{
    // Mostly one key, sometimes two or three at once; the keys may stay
    // down while the next action is made.
    QStringList keys = kArrows;
    std::shuffle(keys.begin(), keys.end(), random_);
    const int held = chance(0.6) ? 1 : chance(0.75) ? 2 : 3;
    keys = keys.mid(0, held);
    if (!keys_.change(keys)) {
        *why = QStringLiteral("the keys %1 could not be pressed").arg(keys.join(u'+'));
        return false;
    }
    tick(QStringLiteral("arrow holds"));
    pause(50, 700);
    if (chance(0.6) && !keys_.release()) {
        *why = QStringLiteral("the arrow keys could not be let go");
        return false;
    }
    return true;
}

bool SoakDriver::newMaze(QString* why)
{
    const QString key = chance(0.8) ? QStringLiteral("n") : QStringLiteral("shift+n");
    if (!session_.key(key)) {
        *why = QStringLiteral("N could not be pressed");
        return false;
    }
    tick(QStringLiteral("N presses"));
    pause(50, 300);
    return true;
}

bool SoakDriver::tour(QString* why)
{
    // As in step(), an action cut short by a finish reached by chance
    // counts as done.
    const std::function<bool(QString*)> actions[] = {
        [this](QString* w) { return resizeWindow(kLargest, w); },
        [this](QString* w) { return holdArrows(w); },
        [this](QString* w) { return newMaze(w); },
        [this](QString* w) { return infoAndBack(InfoExit::CloseLabel, w); },
        [this](QString* w) { return infoAndBack(InfoExit::Instructions, w); },
        [this](QString* w) { return infoAndBack(InfoExit::GameWindow, w); },
        [this](QString* w) { return infoAndBack(InfoExit::OptionsClosed, w); },
        [this](QString* w) { return infoAndBack(InfoExit::OptionsFrame, w); },
        [this](QString* w) { return resizeWindow(QSize(1, 1), w); },
    };
    for (const auto& action : actions) {
        if (!act(action, why))
            return false;
    }
    return true;
}

bool SoakDriver::infoAndBack(InfoExit exit, QString* why)
{
    // The Info window would get the key releases, so the keys are let go
    // while the game still listens.
    if (!keys_.release() || !session_.activate(window_) || !session_.key(QStringLiteral("i"))) {
        *why = QStringLiteral("the game window could not be activated for I");
        return false;
    }
    const std::optional<WindowId> info = session_.waitForWindow(kInfoTitle, kWaitMs);
    if (!info) {
        *why = QStringLiteral("no window titled Info appeared after I");
        return false;
    }
    tick(QStringLiteral("Info opened"));
    pause(0, 300);
    switch (exit) {
    case InfoExit::CloseLabel:
        if (!click(*info, kInfoCloseLabel)) {
            *why = QStringLiteral("Info's Close could not be clicked");
            return false;
        }
        break;
    case InfoExit::Instructions:
        if (!click(*info, kInstructions)) {
            *why = QStringLiteral("Info's instructions could not be clicked");
            return false;
        }
        break;
    case InfoExit::GameWindow:
        // Info closes as it loses the focus.
        if (!session_.activate(window_)) {
            *why = QStringLiteral("the game window could not be activated over Info");
            return false;
        }
        break;
    case InfoExit::OptionsClosed:
    case InfoExit::OptionsFrame:
        if (!options(*info, exit == InfoExit::OptionsClosed, why))
            return false;
        break;
    }
    return waitForNoWindow(kInfoTitle, why) && session_.activate(window_);
}

bool SoakDriver::options(WindowId info, bool byCloseLabel, QString* why)
{
    if (!click(info, kInfoOptionsLabel)) {
        *why = QStringLiteral("Info's Options could not be clicked");
        return false;
    }
    const std::optional<WindowId> shown = session_.waitForWindow(kOptionsTitle, kWaitMs);
    if (!shown) {
        *why = QStringLiteral("no window titled Options appeared");
        return false;
    }
    tick(QStringLiteral("Options opened"));
    for (int picks = uniform(0, 3); picks > 0; --picks) {
        if (chance(0.5)) {
            if (!click(*shown, kStyleLabels[uniform(0, 2)])) {
                *why = QStringLiteral("a style could not be clicked");
                return false;
            }
            tick(QStringLiteral("styles picked"));
        } else {
            const QString id = QString::number(*shown);
            const QString x = QString::number(kRedBars[uniform(0, 1)]);
            const CommandResult dragged = session_.run(
                QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QStringLiteral("--window"), id, x,
                 QString::number(uniform(kBarTop, kBarBottom)), QStringLiteral("mousedown"), QStringLiteral("1"),
                 QStringLiteral("mousemove"), QStringLiteral("--window"), id, x,
                 QString::number(uniform(kBarTop, kBarBottom)), QStringLiteral("mouseup"), QStringLiteral("1")});
            if (!dragged.ok()) {
                *why = QStringLiteral("a colour bar could not be dragged on");
                return false;
            }
            tick(QStringLiteral("colours picked"));
        }
        pause(30, 200);
    }
    if (byCloseLabel) {
        if (!click(*shown, kOptionsCloseLabel)) {
            *why = QStringLiteral("Options' Close could not be clicked");
            return false;
        }
        tick(QStringLiteral("Options closed by Close"));
    } else {
        // Alt+F4 closes whichever window is active: it must be Options.
        if (!session_.activate(*shown) || !isActive(*shown) || !session_.key(QStringLiteral("alt+F4"))) {
            *why = QStringLiteral("Options could not be closed by the window manager");
            return false;
        }
        tick(QStringLiteral("Options closed by the frame"));
    }
    return waitForNoWindow(kOptionsTitle, why);
}

QSize SoakDriver::randomSize()
{
    const int kind = uniform(0, 9);
    if (kind < 2)
        return {uniform(1, kLeast.width() - 1), uniform(1, kLeast.height() - 1)};
    if (kind < 3)
        return {uniform(1, kLeast.width() - 1), uniform(kLeast.height(), 1000)};
    if (kind < 4)
        return {uniform(kLeast.width(), 1800), uniform(1, kLeast.height() - 1)};
    if (kind < 8)
        return {uniform(kLeast.width(), 1920), uniform(kLeast.height(), 1080)};
    return {uniform(1920, kLargest.width()), uniform(1080, kLargest.height())};
}

bool SoakDriver::resizeWindow(QSize request, QString* why)
{
    // A side too short springs back to the opening size; the other stays.
    const QSize settled(request.width() < kLeast.width() ? kOpening.width() : request.width(),
                        request.height() < kLeast.height() ? kOpening.height() : request.height());
    if (!session_.resize(window_, request)) {
        *why = QStringLiteral("the window could not be resized to ") + sizeText(request);
        return false;
    }
    tick(settled == request ? QStringLiteral("resizes") : QStringLiteral("resizes too small"));
    if (!waitForClientSize(settled, why)) {
        *why = QStringLiteral("asked for %1: %2").arg(sizeText(request), *why);
        return false;
    }
    return true;
}

bool SoakDriver::settle(QSize client, QString* why)
{
    if (!keys_.release()) {
        *why = QStringLiteral("the arrow keys could not be let go");
        return false;
    }
    if (!answerDialogs(why) || !closeSideWindows(why))
        return false;
    if (!session_.activate(window_) || !session_.resize(window_, client)) {
        *why = QStringLiteral("the game window could not be activated and resized");
        return false;
    }
    if (!waitForClientSize(client, why))
        return false;
    QElapsedTimer clock;
    clock.start();
    do {
        const QImage image = session_.grab(window_);
        const std::optional<Dot> player = image.size() == client ? findDot(image, kPlayer) : std::nullopt;
        if (player && player->single)
            return true;
        *why = image.isNull() ? QStringLiteral("no screenshot of the game window could be taken")
                              : QStringLiteral("the green dot is ") + where(player);
        pollPause();
    } while (clock.elapsed() < kWaitMs);
    *why = QStringLiteral("at %1 the game showed no picture: %2").arg(sizeText(client), *why);
    return false;
}

bool SoakDriver::answerDialogs(QString* why)
{
    for (;;) {
        for (WindowId other : session_.findWindows(kTitle)) {
            if (other != window_) {
                *why = QStringLiteral("a message titled Orvo appeared beside the game window: the game met a fault");
                return false;
            }
        }
        const QList<WindowId> scores = session_.findWindows(kScoreTitle);
        const QList<WindowId> names = session_.findWindows(kNameTitle);
        if (scores.isEmpty() && names.isEmpty())
            return true;
        if (!keys_.release()) {
            *why = QStringLiteral("the arrow keys could not be let go");
            return false;
        }
        if (!scores.isEmpty()) {
            if (!session_.activate(scores.first()) || !session_.key(QStringLiteral("Return"))
                || !waitForNoWindow(kScoreTitle, why)) {
                *why = QStringLiteral("the score message of a finish could not be answered");
                return false;
            }
            tick(QStringLiteral("finishes"));
            // The name box follows at once when the score is a new high one;
            // otherwise the game takes the focus back.
            QElapsedTimer clock;
            clock.start();
            while (session_.findWindows(kNameTitle).isEmpty() && !isActive(window_)) {
                if (clock.elapsed() > kWaitMs) {
                    *why = QStringLiteral("after the score message neither the name box came nor the game");
                    return false;
                }
                pollPause();
            }
            continue;
        }
        if (!session_.activate(names.first()) || !session_.type(QStringLiteral("Soak"))
            || !session_.key(QStringLiteral("Return")) || !waitForNoWindow(kNameTitle, why)) {
            *why = QStringLiteral("the name box of a finish could not be answered");
            return false;
        }
        tick(QStringLiteral("names entered"));
    }
}

bool SoakDriver::closeSideWindows(QString* why)
{
    for (WindowId options : session_.findWindows(kOptionsTitle)) {
        if (!session_.activate(options) || !isActive(options) || !session_.key(QStringLiteral("alt+F4"))) {
            *why = QStringLiteral("an Options window left open could not be closed");
            return false;
        }
    }
    if (!waitForNoWindow(kOptionsTitle, why))
        return false;
    if (!session_.findWindows(kInfoTitle).isEmpty() && !session_.activate(window_)) {
        *why = QStringLiteral("the game window could not be activated over Info");
        return false;
    }
    return waitForNoWindow(kInfoTitle, why);
}

bool SoakDriver::waitForNoWindow(const QString& titlePattern, QString* why) const
{
    QElapsedTimer clock;
    clock.start();
    while (!session_.findWindows(titlePattern).isEmpty()) {
        if (clock.elapsed() > kWaitMs) {
            *why = QStringLiteral("a window titled %1 stayed open").arg(titlePattern);
            return false;
        }
        pollPause();
    }
    return true;
}

bool SoakDriver::waitForClientSize(QSize size, QString* why) const
{
    QElapsedTimer clock;
    clock.start();
    QSize seen;
    do {
        seen = session_.clientSize(window_);
        if (seen == size)
            return true;
        pollPause();
    } while (clock.elapsed() < kWaitMs);
    *why = QStringLiteral("the window stayed %1, not %2").arg(sizeText(seen), sizeText(size));
    return false;
}

bool SoakDriver::isActive(WindowId window) const
{
    const CommandResult active = session_.run(QStringLiteral("xdotool"), {QStringLiteral("getactivewindow")});
    return active.ok() && active.out.trimmed().toULongLong() == window;
}

bool SoakDriver::click(WindowId window, QPoint at) const
{
    return session_
        .run(QStringLiteral("xdotool"), {QStringLiteral("mousemove"), QStringLiteral("--window"),
                                         QString::number(window), QString::number(at.x()),
                                         QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1")})
        .ok();
}
