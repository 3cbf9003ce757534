// The main window as the window system sees it: a sizable top-level window
// that shows its retained picture and reports resizes, focus and keys.
#pragma once

#include "platform/surface/image_surface.h"

#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <string>

namespace platform {

class GameWindow final : public QWidget {
    Q_OBJECT

public:
    explicit GameWindow(QWidget* parent = nullptr);

    ImageSurface& surface() { return surface_; }

    // Shows the window, brings it to the front and gives it the focus.
    void showAndActivate();

    // Sets the window's icon, one picture per size, once the first picture
    // has been painted: decoding them, and loading the image plug-ins that
    // takes, need not hold up the first picture.
    void setIconAfterFirstPaint(const QStringList& resources);

    // What assistive technology reads as the window's description.
    void setDescription(const std::string& text);

    void setClientWidth(int width);
    void setClientHeight(int height);

    std::function<void()> onResize;
    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;
    std::function<void(std::int16_t keyCode, std::int16_t shift)> onKeyDown;
    std::function<void(std::int16_t keyCode, std::int16_t shift)> onKeyUp;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    // A new picture of the window's size, and the resize handling told.
    void resized();

    ImageSurface surface_;
    QStringList pendingIcon_;
};

}  // namespace platform
