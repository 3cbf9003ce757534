// A small fixed-size window laid out in twips: yellow "Courier New" labels on
// a blue-violet background, rounded frames, picture areas and an image. It
// reports clicks on its labels and image, clicks elsewhere on it, and the
// loss of the focus. Its buttons and bars answer the keyboard too: Tab and
// Shift+Tab go from one to the next, and where the focus is shows once the
// keyboard has moved it. It keeps the object that handles its events alive
// for as long as it lives.
#pragma once

#include "common/colour.h"
#include "platform/window/twips.h"

#include <QLabel>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

namespace platform {

class PictureBox;
class ShapeFrame;

// A label with word-wrapped text that reports a click (a press
// and a release on it). A label that acts as a button or as one of a set of
// choices is reached by Tab and pressed by Space or Enter as by a click, and
// tells assistive technology so.
class Label final : public QLabel {
    Q_OBJECT

public:
    enum class Role { Text, PushButton, RadioButton };

    Label(QWidget* parent, std::function<void()> onClick);

    // CR LF in the text breaks the line.
    void setCaption(const std::string& text);
    const std::string& caption() const { return caption_; }

    void setRole(Role role);
    Role role() const { return role_; }
    // Whether a choice is the one chosen.
    void setChecked(bool checked);
    bool isChecked() const { return checked_; }
    // What a click does.
    void press();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::function<void()> onClick_;
    std::string caption_;
    Role role_ = Role::Text;
    bool checked_ = false;
};

// What a side window's handler object derives from, so that the window can
// own it.
class SideWindowContent {
public:
    virtual ~SideWindowContent() = default;
};

class SideWindow final : public QWidget {
    Q_OBJECT

public:
    enum class Align { Left, Centre };

    // A window with no owner opens modeless; one with an owner opens modal
    // over it.
    SideWindow(const std::string& caption, int clientWidthTwips, int clientHeightTwips, QWidget* owner = nullptr);
    ~SideWindow() override;

    Label* addLabel(Twips where, const std::string& text, Align align, std::function<void()> whenClicked);
    ShapeFrame* addShape(Twips where, ColourWord fillColour);
    PictureBox* addPicture(Twips where);
    Label* addImage(Twips where, const QString& resource, std::function<void()> whenClicked);

    void adopt(std::unique_ptr<SideWindowContent> content) { content_ = std::move(content); }
    SideWindowContent* content() const { return content_.get(); }

    // Closes the window now and destroys it once the event that asked for it
    // has been handled, so a handler of the window may unload it.
    void unload();

    std::function<void()> onClick;       // a click outside labels and image
    std::function<void()> onLostFocus;   // another window became active
    // Esc; without a handler it closes the window as its frame's close
    // button does.
    std::function<void()> onEscape;

    // Whether the keyboard has moved the focus, so that it shows.
    bool showsFocus() const { return showsFocus_; }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool next) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void placeFocusRing(QWidget* focused);

    std::unique_ptr<SideWindowContent> content_;
    bool unloading_ = false;
    bool showsFocus_ = false;
    QRect focusRing_;  // where the focus is outlined; empty while it is not shown
};

// A rounded frame with a yellow border 4 pixels wide, filled or not; it lets
// clicks through to the window beneath.
class ShapeFrame final : public QWidget {
    Q_OBJECT

public:
    ShapeFrame(QWidget* parent, QRect where, ColourWord fillColour);

    void setSolidFill(bool solid);
    bool solidFill() const { return solid_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    ColourWord fill_;
    bool solid_ = false;
};

// The font of the side windows' labels: "Courier New", bold, 14.25 pt.
QFont labelFont();

// A guarded reference to a side window that may have been unloaded.
using SideWindowRef = QPointer<SideWindow>;

}  // namespace platform
