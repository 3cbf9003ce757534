#include "platform/window/side_window.h"

#include "platform/surface/colours.h"
#include "platform/text/qt_text.h"
#include "platform/window/accessible_controls.h"
#include "platform/window/picture_box.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace platform {

namespace {

const QColor kWindowColour(128, 128, 255);
const QColor kYellow(255, 255, 0);

// How far the focus outline lies outside the control, or outside the frame
// the control sits in.
constexpr int kFocusRingGap = 3;

}  // namespace

Label::Label(QWidget* parent, std::function<void()> onClick) : QLabel(parent), onClick_(std::move(onClick)) {}

void Label::setCaption(const std::string& text)
{
    caption_ = text;
    setText(qtText(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void Label::setRole(Role role)
{
    role_ = role;
    // Tab reaches it, a click does not take the focus: a mouse player's
    // window never shows where the focus is.
    setFocusPolicy(role == Role::Text ? Qt::NoFocus : Qt::TabFocus);
}

void Label::setChecked(bool checked)
{
    if (checked == checked_)
        return;
    checked_ = checked;
    QAccessible::State changed;
    changed.checked = true;
    QAccessibleStateChangeEvent event(this, changed);
    QAccessible::updateAccessibility(&event);
}

void Label::press()
{
    if (onClick_)
        onClick_();
}

void Label::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool pressKey = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (role_ == Role::Text || !pressKey || (event->modifiers() & ~Qt::KeyboardModifiers(Qt::KeypadModifier))) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    press();
}

void Label::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (rect().contains(event->position().toPoint()) && onClick_)
        onClick_();
}

QFont labelFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(19);
    font.setBold(true);
    return font;
}

SideWindow::SideWindow(const std::string& caption, int clientWidthTwips, int clientHeightTwips, QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                         | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
{
    setWindowTitle(qtText(caption));
    setFixedSize(clientWidthTwips / kTwipsPerPixel, clientHeightTwips / kTwipsPerPixel);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kWindowColour);
    palette.setColor(QPalette::WindowText, kYellow);
    setPalette(palette);
    setAutoFillBackground(true);
    setFont(labelFont());
    if (owner)
        setWindowModality(Qt::ApplicationModal);
    installAccessibleControls();
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { placeFocusRing(now); });
}

// The window stops following the focus before QWidget's own destructor
// hides it, which moves the focus while this part of it is already gone.
SideWindow::~SideWindow()
{
    disconnect(qApp, &QApplication::focusChanged, this, nullptr);
}

Label* SideWindow::addLabel(Twips where, const std::string& text, Align align, std::function<void()> whenClicked)
{
    auto* label = new Label(this, std::move(whenClicked));
    label->setGeometry(where.pixels());
    label->setCaption(text);
    label->setWordWrap(true);
    label->setAlignment((align == Align::Centre ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

ShapeFrame* SideWindow::addShape(Twips where, ColourWord fillColour)
{
    return new ShapeFrame(this, where.pixels(), fillColour);
}

PictureBox* SideWindow::addPicture(Twips where)
{
    return new PictureBox(this, where.pixels());
}

Label* SideWindow::addImage(Twips where, const QString& resource, std::function<void()> whenClicked)
{
    auto* image = new Label(this, std::move(whenClicked));
    const QPixmap pixmap(resource);
    image->setPixmap(pixmap);
    image->setGeometry(QRect(where.pixels().topLeft(), pixmap.size()));
    return image;
}

void SideWindow::unload()
{
    if (unloading_)
        return;
    unloading_ = true;
    hide();
    deleteLater();
}

void SideWindow::mouseReleaseEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint()) && onClick)
        onClick();
}

void SideWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && !isActiveWindow() && !unloading_ && isVisible()
        && onLostFocus)
        onLostFocus();
}

void SideWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Escape || event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    if (onEscape)
        onEscape();
    else
        close();
}

bool SideWindow::focusNextPrevChild(bool next)
{
    // Only Tab and Shift+Tab come here: from now on the focus shows. The
    // window's activation gives the focus to its first control without
    // showing it.
    showsFocus_ = true;
    const bool moved = QWidget::focusNextPrevChild(next);
    placeFocusRing(focusWidget());
    return moved;
}

void SideWindow::placeFocusRing(QWidget* focused)
{
    QRect ring;
    if (showsFocus_ && focused && focused->parentWidget() == this && focused->focusPolicy() != Qt::NoFocus) {
        // A control in a frame is outlined around the frame, which would
        // otherwise cross the outline.
        QRect box = focused->geometry();
        for (const ShapeFrame* frame : findChildren<ShapeFrame*>(Qt::FindDirectChildrenOnly))
            if (frame->geometry().contains(box.center()))
                box = box.united(frame->geometry());
        ring = box.adjusted(-kFocusRingGap, -kFocusRingGap, kFocusRingGap, kFocusRingGap);
    }
    if (ring == focusRing_)
        return;
    update(focusRing_);
    focusRing_ = ring;
    update(focusRing_);
}

void SideWindow::paintEvent(QPaintEvent*)
{
    if (focusRing_.isNull())
        return;
    QPainter p(this);
    p.setPen(QPen(kYellow, 2, Qt::DotLine));
    p.drawRect(QRectF(focusRing_).adjusted(1, 1, -1, -1));
}

ShapeFrame::ShapeFrame(QWidget* parent, QRect where, ColourWord fillColour) : QWidget(parent), fill_(fillColour)
{
    setGeometry(where);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeFrame::setSolidFill(bool solid)
{
    solid_ = solid;
    update();
}

void ShapeFrame::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kYellow, 4));
    p.setBrush(solid_ ? QBrush(toQColor(fill_)) : QBrush(Qt::NoBrush));
    p.drawRoundedRect(QRectF(rect()).adjusted(2, 2, -2, -2), 8, 8);
}

}  // namespace platform
