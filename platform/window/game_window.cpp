#include "platform/window/game_window.h"

#include "platform/text/qt_text.h"
#include "platform/window/key_codes.h"

#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>

namespace platform {

namespace {

std::int16_t shiftState(Qt::KeyboardModifiers modifiers)
{
    std::int16_t shift = 0;
    if (modifiers & Qt::ShiftModifier)
        shift |= 1;
    if (modifiers & Qt::ControlModifier)
        shift |= 2;
    if (modifiers & Qt::AltModifier)
        shift |= 4;
    return shift;
}

// A Wayland compositor never tells a program that its window was minimised
// or restored. A window minimised from its own title bar would stay
// minimised to Qt for ever, and the game would wait for a restore that
// never comes; there every resize deals a new maze.
bool minimisingIsReported()
{
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

}  // namespace

GameWindow::GameWindow(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_StaticContents);
    setFocusPolicy(Qt::StrongFocus);
    surface_.onChanged = [this](const QRect& area) { update(area); };
}

void GameWindow::showAndActivate()
{
    show();
    raise();
    activateWindow();
}

void GameWindow::setIconAfterFirstPaint(const QStringList& resources)
{
    pendingIcon_ = resources;
}

void GameWindow::setDescription(const std::string& text)
{
    setAccessibleDescription(qtText(text));
}

void GameWindow::setClientWidth(int width)
{
    resize(width, height());
}

void GameWindow::setClientHeight(int height)
{
    resize(width(), height);
}

void GameWindow::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect area = event->rect();
    const qreal ratio = surface_.image().devicePixelRatio();
    painter.drawImage(QRectF(area), surface_.image(),
                      QRectF(area.x() * ratio, area.y() * ratio, area.width() * ratio, area.height() * ratio));
    // After this event the picture goes to the screen; the icon follows.
    if (!pendingIcon_.isEmpty()) {
        QTimer::singleShot(0, this, [this, resources = pendingIcon_] {
            QIcon icon;
            for (const QString& resource : resources)
                icon.addFile(resource);
            setWindowIcon(icon);
        });
        pendingIcon_.clear();
    }
}

void GameWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A minimised window has no client area to play in.
    if (!isMinimized() || !minimisingIsReported())
        resized();
}

void GameWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Restoring a minimised window is a change of size to the player, though
    // the window system may send no resize for it.
    if (event->type() == QEvent::WindowStateChange
        && (static_cast<QWindowStateChangeEvent*>(event)->oldState() & Qt::WindowMinimized) && !isMinimized())
        resized();
}

void GameWindow::resized()
{
    surface_.resize(size(), devicePixelRatioF());
    if (onResize)
        onResize();
}

void GameWindow::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    if (onGotFocus)
        onGotFocus();
}

void GameWindow::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    if (onLostFocus)
        onLostFocus();
}

void GameWindow::keyPressEvent(QKeyEvent* event)
{
    const std::int16_t code = virtualKeyCode(event->key());
    if (code != 0 && onKeyDown)
        onKeyDown(code, shiftState(event->modifiers()));
}

void GameWindow::keyReleaseEvent(QKeyEvent* event)
{
    // A held key sends release and press pairs while it repeats; only the
    // real release lets go of it.
    if (event->isAutoRepeat())
        return;
    const std::int16_t code = virtualKeyCode(event->key());
    if (code != 0 && onKeyUp)
        onKeyUp(code, shiftState(event->modifiers()));
}

bool GameWindow::focusNextPrevChild(bool)
{
    // Tab is an ordinary key here, not a focus move.
    return false;
}

}  // namespace platform
