#include "support/scripted_dialogs.h"

void ScriptedDialogs::MsgBox(const std::string& text, const std::string& title)
{
    shown.push_back({"message", text, title, {}});
    if (whileOpen)
        whileOpen();
}

std::string ScriptedDialogs::InputBox(const std::string& prompt, const std::string& title,
                                      const std::string& defaultText)
{
    shown.push_back({"input", prompt, title, defaultText});
    if (whileOpen)
        whileOpen();
    if (answers.empty())
        return {};
    std::string answer = answers.front();
    answers.pop_front();
    return answer;
}
