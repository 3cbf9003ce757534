#include "side_windows/form3.h"

#include "common/texts.h"
#include "persist/data_files.h"
#include "platform/dialogs/dialogs.h"
#include "platform/window/game_window.h"
#include "platform/window/picture_box.h"

#include <cmath>

namespace {

using platform::SideWindow;
using platform::Twips;

constexpr ColourWord kMarkerFill = RGB(255, 128, 128);
constexpr ColourWord kPickLine = RGB(255, 255, 0);

// A text of the Options window in the player's language.
std::string text(const char* english)
{
    return translated("Form3", english);
}

}  // namespace

platform::SideWindowRef Form3::open(const SideWindowServices& services)
{
    auto* window = new SideWindow(text(QT_TRANSLATE_NOOP("Form3", "Options")), 4860, 3585,
                                  &services.mainWindow);
    std::unique_ptr<Form3> form(new Form3(*window, services));
    form->Form_Load();
    window->adopt(std::move(form));
    window->show();
    window->activateWindow();
    return window;
}

std::optional<std::int16_t> Form3::pickedComponent(std::int16_t button, float y, float h)
{
    if (button != 1 || !(y > 0) || !(y < h))
        return std::nullopt;
    // The default rounding mode sends a tie to the even neighbour.
    return static_cast<std::int16_t>(std::nearbyint(static_cast<double>(y) / (static_cast<double>(h) / 255.0)));
}

float Form3::pickHeight(int component, float h)
{
    // The middle of the component's step, but a quarter step inside the bar
    // at either end, as the rule takes neither edge.
    const double nudge = component == 0 ? 0.25 : component == 255 ? -0.25 : 0.0;
    return static_cast<float>((component + nudge) * (static_cast<double>(h) / 255.0));
}

Form3::Form3(SideWindow& window, const SideWindowServices& services)
    : window_(window), services_(services), settings_(services.settings)
{
    const auto left = SideWindow::Align::Left;
    window_.addLabel(Twips {120, 120, 1215, 375}, text(QT_TRANSLATE_NOOP("Form3", "Style:")), left,
                     [this] { Label1_Click(3); });
    const int frameLefts[] = {120, 1680, 3240};
    for (int i = 0; i < 3; ++i) {
        Shape2[static_cast<std::size_t>(i)] = window_.addShape(Twips {frameLefts[i], 600, 1455, 495}, kMarkerFill);
        //: A drawing style to choose; %1 is its number, 1 to 3.
        const std::string style = withArguments(text(QT_TRANSLATE_NOOP("Form3", "Style %1")), {std::to_string(i + 1)});
        styleLabels_[static_cast<std::size_t>(i)] = window_.addLabel(
            Twips {frameLefts[i] + 120, 675, 1215, 375}, style, left,
            [this, i] { Label1_Click(static_cast<std::int16_t>(i)); });
        styleLabels_[static_cast<std::size_t>(i)]->setRole(platform::Label::Role::RadioButton);
    }
    //: The colour of the walls and the background.
    const std::string back = text(QT_TRANSLATE_NOOP("Form3", "Back Color:"));
    window_.addLabel(Twips {120, 1200, 1215, 855}, back, left, [this] { Label1_Click(5); });
    pictures_[5] = window_.addPicture(Twips {1200, 1200, 255, 1575});
    pictures_[6] = window_.addPicture(Twips {1560, 1200, 255, 1575});
    pictures_[7] = window_.addPicture(Twips {1920, 1200, 255, 1575});
    pictures_[8] = window_.addPicture(Twips {120, 1920, 975, 855});
    //: The colour of the passages and of the main window's text.
    const std::string fore = text(QT_TRANSLATE_NOOP("Form3", "Fore Color:"));
    window_.addLabel(Twips {2520, 1200, 1215, 855}, fore, left, [this] { Label1_Click(4); });
    pictures_[1] = window_.addPicture(Twips {3600, 1200, 255, 1575});
    pictures_[2] = window_.addPicture(Twips {3960, 1200, 255, 1575});
    pictures_[3] = window_.addPicture(Twips {4320, 1200, 255, 1575});
    pictures_[4] = window_.addPicture(Twips {2520, 1920, 975, 855});
    window_.addShape(Twips {120, 3000, 2295, 495}, 0);
    window_.addLabel(Twips {240, 3075, 2055, 375}, text(QT_TRANSLATE_NOOP("Form3", "Close")), SideWindow::Align::Centre,
                     [this] { Label_Click(); })
        ->setRole(platform::Label::Role::PushButton);

    pictures_[1]->onMouseMove = [this](auto b, auto s, float x, float y) { Picture1_MouseMove(b, s, x, y); };
    pictures_[2]->onMouseMove = [this](auto b, auto s, float x, float y) { Picture2_MouseMove(b, s, x, y); };
    pictures_[3]->onMouseMove = [this](auto b, auto s, float x, float y) { Picture3_MouseMove(b, s, x, y); };
    pictures_[5]->onMouseMove = [this](auto b, auto s, float x, float y) { Picture5_MouseMove(b, s, x, y); };
    pictures_[6]->onMouseMove = [this](auto b, auto s, float x, float y) { Picture6_MouseMove(b, s, x, y); };
    pictures_[7]->onMouseMove = [this](auto b, auto s, float x, float y) { Picture7_MouseMove(b, s, x, y); };

    // A value asked for by a key or by assistive technology is picked as a
    // drag to its height picks it.
    for (int bar : {1, 2, 3, 5, 6, 7}) {
        platform::PictureBox* picture = pictures_[static_cast<std::size_t>(bar)];
        picture->onValueChosen = [this, picture](int component) {
            const float y = pickHeight(component, static_cast<float>(pictures_[1]->outerHeightTwips()));
            picture->onMouseMove(1, 0, 0.0f, y);
        };
    }
}

void Form3::Form_Load()
{
    //: How a screen reader names a colour bar: the red part of the walls' colour.
    const char* walls[] = {QT_TRANSLATE_NOOP("Form3", "Walls: red"), QT_TRANSLATE_NOOP("Form3", "Walls: green"),
                           QT_TRANSLATE_NOOP("Form3", "Walls: blue")};
    //: How a screen reader names a colour bar: the red part of the passages' colour.
    const char* passages[] = {QT_TRANSLATE_NOOP("Form3", "Passages: red"),
                              QT_TRANSLATE_NOOP("Form3", "Passages: green"),
                              QT_TRANSLATE_NOOP("Form3", "Passages: blue")};
    const std::int16_t* components[] = {&settings_.Fore_Red, &settings_.Fore_Green, &settings_.Fore_Blue,
                                        &settings_.Back_Red, &settings_.Back_Green, &settings_.Back_Blue};
    for (int i = 0; i < 6; ++i)
        pictures_[static_cast<std::size_t>(i < 3 ? 1 + i : 2 + i)]->makeSlider(
            text(i < 3 ? passages[i] : walls[i - 3]), 0, 255, 16, *components[i]);
    markStyle();
    drawGradient(pictures_[1], Channel::Red);
    drawGradient(pictures_[2], Channel::Green);
    drawGradient(pictures_[3], Channel::Blue);
    pictures_[4]->setBackColor(settings_.Fore_Color);
    drawGradient(pictures_[5], Channel::Red);
    drawGradient(pictures_[6], Channel::Green);
    drawGradient(pictures_[7], Channel::Blue);
    pictures_[8]->setBackColor(settings_.Back_Color);
}

void Form3::markStyle()
{
    for (std::size_t i = 0; i < 3; ++i) {
        Shape2[i]->setSolidFill(static_cast<int>(i) == settings_.Style_Index);
        styleLabels_[i]->setChecked(static_cast<int>(i) == settings_.Style_Index);
    }
}

void Form3::drawGradient(platform::PictureBox* bar, Channel channel)
{
    // Every bar is scaled by Picture1's size.
    const float h = static_cast<float>(pictures_[1]->outerHeightTwips());
    const float w = static_cast<float>(pictures_[1]->outerWidthTwips());
    for (int i = 0; i <= 255; ++i) {
        bar->setDrawColor(channel == Channel::Red ? RGB(i, 0, 0) : channel == Channel::Green ? RGB(0, i, 0) : RGB(0, 0, i));
        const float y = static_cast<float>(i) * (h / 255.0f);
        bar->Line(0, y, w, y);
    }
}

bool Form3::pickOn(platform::PictureBox* bar, Channel channel, std::int16_t& component, std::int16_t button, float y)
{
    const std::optional<std::int16_t> picked =
        pickedComponent(button, y, static_cast<float>(pictures_[1]->outerHeightTwips()));
    if (!picked)
        return false;
    drawGradient(bar, channel);  // wipes this bar's earlier pick line
    component = *picked;
    bar->setValue(component);
    bar->setDrawColor(kPickLine);
    bar->Line(0, y, static_cast<float>(pictures_[1]->outerWidthTwips()), y);
    return true;
}

void Form3::foreMoved(platform::PictureBox* bar, Channel channel, std::int16_t& component, std::int16_t button, float y)
{
    if (pickOn(bar, channel, component, button, y))
        settings_.Fore_Color = RGB(settings_.Fore_Red, settings_.Fore_Green, settings_.Fore_Blue);
    pictures_[4]->setBackColor(settings_.Fore_Color);
}

void Form3::backMoved(platform::PictureBox* bar, Channel channel, std::int16_t& component, std::int16_t button, float y)
{
    if (pickOn(bar, channel, component, button, y))
        settings_.Back_Color = RGB(settings_.Back_Red, settings_.Back_Green, settings_.Back_Blue);
    pictures_[8]->setBackColor(settings_.Back_Color);
    services_.backColorChanged();
}

void Form3::Picture1_MouseMove(std::int16_t Button, std::int16_t, float, float Y)
{
    foreMoved(pictures_[1], Channel::Red, settings_.Fore_Red, Button, Y);
}

void Form3::Picture2_MouseMove(std::int16_t Button, std::int16_t, float, float Y)
{
    foreMoved(pictures_[2], Channel::Green, settings_.Fore_Green, Button, Y);
}

void Form3::Picture3_MouseMove(std::int16_t Button, std::int16_t, float, float Y)
{
    foreMoved(pictures_[3], Channel::Blue, settings_.Fore_Blue, Button, Y);
}

void Form3::Picture5_MouseMove(std::int16_t Button, std::int16_t, float, float Y)
{
    backMoved(pictures_[5], Channel::Red, settings_.Back_Red, Button, Y);
}

void Form3::Picture6_MouseMove(std::int16_t Button, std::int16_t, float, float Y)
{
    backMoved(pictures_[6], Channel::Green, settings_.Back_Green, Button, Y);
}

void Form3::Picture7_MouseMove(std::int16_t Button, std::int16_t, float, float Y)
{
    backMoved(pictures_[7], Channel::Blue, settings_.Back_Blue, Button, Y);
}

void Form3::Label1_Click(std::int16_t Index)
{
    // The headings (3 to 5) do nothing; nothing is saved or redrawn here.
    if (Index < 0 || Index > 2)
        return;
    settings_.Style_Index = Index;
    markStyle();
}

void Form3::Label_Click()
{
    window_.unload();
    // The main window redraws in the new style and colours, and resumes its
    // clock, as it regains the focus.
    services_.mainWindow.showAndActivate();
    const StyleSettings chosen {settings_.Fore_Color, settings_.Back_Color, settings_.Style_Index};
    const platform::FileWrite written = services_.folder.write(kStyleFile, styleRecord(chosen));
    if (!written.ok)
        services_.dialogs.reportProblem(saveFailureMessage(kStyleFile, written.problem));
}
