// The Options window: the drawing style and the two colours, each colour
// put together from three components picked with the mouse on gradient bars,
// or set from the keyboard on them as a drag to that height would. Every
// choice takes effect at once; "Close" also saves them to Style.dat, Esc
// closes the window as its frame's close button does.
#pragma once

#include "platform/window/side_window.h"
#include "side_windows/side_window_services.h"

#include <array>
#include <cstdint>
#include <optional>

namespace platform {
class PictureBox;
class ShapeFrame;
}

class Form3 final : public platform::SideWindowContent {
public:
    // Creates the window (running its Form_Load) and shows it, modal and
    // owned by the main window.
    static platform::SideWindowRef open(const SideWindowServices& services);

    // The component picked at height y (twips inside a bar of outer height
    // h) with the given buttons: left alone, and 0 < y < h. y / (h / 255),
    // rounded half to even.
    static std::optional<std::int16_t> pickedComponent(std::int16_t button, float y, float h);
    // A height inside a bar of outer height h at which the rule above picks
    // the component: where a drag would pick it.
    static float pickHeight(int component, float h);

    void Label1_Click(std::int16_t Index);
    void Label_Click();
    void Picture1_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void Picture2_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void Picture3_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void Picture5_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void Picture6_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void Picture7_MouseMove(std::int16_t Button, std::int16_t Shift, float X, float Y);

    platform::PictureBox* picture(int n) const { return pictures_[static_cast<std::size_t>(n)]; }
    platform::ShapeFrame* styleFrame(int i) const { return Shape2[static_cast<std::size_t>(i)]; }

private:
    enum class Channel { Red, Green, Blue };

    Form3(platform::SideWindow& window, const SideWindowServices& services);
    void Form_Load();
    void markStyle();
    void drawGradient(platform::PictureBox* bar, Channel channel);
    bool pickOn(platform::PictureBox* bar, Channel channel, std::int16_t& component, std::int16_t button, float y);
    void foreMoved(platform::PictureBox* bar, Channel channel, std::int16_t& component, std::int16_t button, float y);
    void backMoved(platform::PictureBox* bar, Channel channel, std::int16_t& component, std::int16_t button, float y);

    platform::SideWindow& window_;
    SideWindowServices services_;
    Module1& settings_;
    // Picture1 to Picture8 at their own numbers; element 0 is unused.
    std::array<platform::PictureBox*, 9> pictures_ {};
    std::array<platform::ShapeFrame*, 3> Shape2 {};
    std::array<platform::Label*, 3> styleLabels_ {};
};
