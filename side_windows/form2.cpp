#include "side_windows/form2.h"

#include "side_windows/form3.h"

#include "common/texts.h"

namespace {

using platform::SideWindow;
using platform::Twips;

// A text of the Info window in the player's language.
std::string text(const char* english)
{
    return translated("Form2", english);
}

}  // namespace

std::string Form2::instructionsText()
{
    //: The first line of the Info window, a heading.
    return text(QT_TRANSLATE_NOOP("Form2", "Instructions:")) + "\r\n"
        + text(QT_TRANSLATE_NOOP("Form2",
            "You are the green dot. Get to the blue dot as fast as you can. Use the Arrow keys to navigate "
            "through the Maze. The longer you take, the less points you earn. The bigger the Maze(The Window) "
            "is, the more points you earn."));
}

platform::SideWindowRef Form2::open(const SideWindowServices& services)
{
    auto* window = new SideWindow(text(QT_TRANSLATE_NOOP("Form2", "Info")), 6165, 5550);
    std::unique_ptr<Form2> form(new Form2(*window, services));
    form->Form_Load();
    window->adopt(std::move(form));
    window->show();
    window->activateWindow();
    return window;
}

Form2::Form2(SideWindow& window, const SideWindowServices& services) : window_(window), services_(services)
{
    Label2 = window_.addLabel(Twips {120, 120, 5895, 3375}, "", SideWindow::Align::Left, [this] { Label2_Click(); });
    window_.addImage(Twips {3000, 2880, 3135, 1770}, QStringLiteral(":/pictures/logo.jpg"), [this] { Image1_Click(); });
    window_.addLabel(Twips {120, 3360, 2895, 1695}, text(QT_TRANSLATE_NOOP("Form2", "Orvo, made by the Orvo project.")),
                     SideWindow::Align::Left,
                     [this] { Label1_Click(); });
    window_.addShape(Twips {120, 4920, 1935, 495}, 0);
    window_.addLabel(Twips {240, 5000, 1575, 375}, text(QT_TRANSLATE_NOOP("Form2", "Close")), SideWindow::Align::Centre,
                     [this] { Label3_Click(); })
        ->setRole(platform::Label::Role::PushButton);
    window_.addShape(Twips {2160, 4920, 1935, 495}, 0);
    window_.addLabel(Twips {2280, 5000, 1575, 375}, text(QT_TRANSLATE_NOOP("Form2", "Options")),
                     SideWindow::Align::Centre, [this] { Label4_Click(); })
        ->setRole(platform::Label::Role::PushButton);
    window_.onClick = [this] { Form_Click(); };
    window_.onLostFocus = [this] { Form_LostFocus(); };
    window_.onEscape = [this] { close(); };
}

void Form2::Form_Load()
{
    Label2->setCaption(instructionsText());
}

void Form2::Label4_Click()
{
    // The Options window takes the focus, and this window then closes itself
    // on losing it.
    Form3::open(services_);
}

void Form2::close()
{
    window_.unload();
}
