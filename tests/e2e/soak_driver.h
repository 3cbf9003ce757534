// Random play for the soak test: held arrow keys, new mazes, the Info and
// Options windows opened and closed every way the player can, and window
// sizes from far too small to larger than the screen, all drawn from one
// seeded generator so that a run can be replayed.
#pragma once

#include "e2e/x_session.h"

#include <QMap>
#include <QSize>
#include <QString>

#include <functional>
#include <random>

class SoakDriver {
public:
    SoakDriver(const XSession& session, WindowId window, quint64 seed);

    // The largest window the play uses.
    static constexpr QSize kLargest {4000, 3000};

    // Every kind of action once, each way out of the side windows and the
    // largest and a too small window among them, so that the start of a
    // run has seen them all whatever the seed.
    bool tour(QString* why);

    // One random action, then a short pause. False, with `why`, when the
    // game did not answer as it should.
    bool step(QString* why);

    // Lets go of the keys, answers a finish's dialogs, closes any side
    // window and sizes the window to `client`; true once the game shows its
    // picture there with the player's dot on it.
    bool settle(QSize client, QString* why);

    // How many actions of each kind were made, e.g. "arrow holds 12, ...".
    QString tally() const;
    int count(const QString& kind) const { return counts_.value(kind); }

private:
    // How the Info window is left: by its Close, a click on its text, the
    // game window taking the focus, or for Options, closed by its Close or
    // by the window manager.
    enum class InfoExit { CloseLabel, Instructions, GameWindow, OptionsClosed, OptionsFrame };

    // Answers a finish first, then makes the action; an action cut short by
    // a finish reached by chance counts as done.
    bool act(const std::function<bool(QString*)>& action, QString* why);

    bool holdArrows(QString* why);
    bool newMaze(QString* why);
    bool infoAndBack(InfoExit exit, QString* why);
    bool options(WindowId info, bool byCloseLabel, QString* why);
    QSize randomSize();
    bool resizeWindow(QSize request, QString* why);

    // Answers the score message and the name box of a finish reached by
    // chance. False when some other window titled Orvo is open: a message
    // that the game meant for a fault.
    bool answerDialogs(QString* why);
    // Closes Info or Options if one was left open by an action cut short.
    bool closeSideWindows(QString* why);
    bool waitForNoWindow(const QString& titlePattern, QString* why) const;
    bool waitForClientSize(QSize size, QString* why) const;
    bool isActive(WindowId window) const;
    bool click(WindowId window, QPoint at) const;

    int uniform(int least, int most);
    bool chance(double p);
    void pause(int leastMs, int mostMs);
    void tick(const QString& kind) { ++counts_[kind]; }

    const XSession& session_;
    WindowId window_;
    std::mt19937_64 random_;
    KeyHold keys_;
    QMap<QString, int> counts_;
};
