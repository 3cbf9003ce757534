// The Info window: the instructions, a credit line and the logo. Any click
// but on "Options", Esc, or the loss of the focus, closes it; "Options" opens
// the Options window. "Close" and "Options" are buttons to the keyboard too.
#pragma once

#include "platform/window/side_window.h"
#include "side_windows/side_window_services.h"

#include <string>

class Form2 final : public platform::SideWindowContent {
public:
    // Creates the window (running its Form_Load) and shows it, modeless and
    // with no owner.
    static platform::SideWindowRef open(const SideWindowServices& services);

    // "Instructions:", CR LF, and the instructions themselves.
    static std::string instructionsText();

    void Form_Click() { close(); }
    void Form_LostFocus() { close(); }
    void Image1_Click() { close(); }
    void Label1_Click() { close(); }
    void Label2_Click() { close(); }
    void Label3_Click() { close(); }
    void Label4_Click();

private:
    Form2(platform::SideWindow& window, const SideWindowServices& services);
    void Form_Load();
    void close();

    platform::SideWindow& window_;
    SideWindowServices services_;
    platform::Label* Label2 = nullptr;
};
