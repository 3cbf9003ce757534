// Dialogs that answer themselves: every message is recorded, every input box
// takes the next scripted answer. Tests can also run code while a dialog is
// "open", to see what the game does meanwhile.
#pragma once

#include "platform/dialogs/dialogs.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

class ScriptedDialogs final : public platform::Dialogs {
public:
    struct Shown {
        std::string kind;  // "message" or "input"
        std::string text;
        std::string title;
        std::string defaultText;
    };

    void MsgBox(const std::string& text, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;

    std::deque<std::string> answers;   // for the input boxes, in order
    std::function<void()> whileOpen;   // runs inside each dialog
    std::vector<Shown> shown;
};
