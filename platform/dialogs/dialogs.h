// The two modal dialogs the game asks the player with. Tests replace them
// with scripted answers, so that no dialog waits for a person.
#pragma once

#include <string>

class QWidget;

namespace platform {

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Shows the text with an OK button and waits until it is closed.
    virtual void MsgBox(const std::string& text, const std::string& title) = 0;

    // Asks for a line of text; an empty text when cancelled.
    virtual std::string InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;

    // A fault the player must know of: the same line goes to the standard
    // error stream, for whoever started the game from a terminal or a
    // script, and into a message box titled "Orvo".
    void reportProblem(const std::string& text);

protected:
    // Shows the line of reportProblem.
    virtual void problemBox(const std::string& text) { MsgBox(text, "Orvo"); }
};

// The real dialogs, modal over the given window (or over no window).
class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* owner = nullptr) : owner_(owner) {}

    void setOwner(QWidget* owner) { owner_ = owner; }

    void MsgBox(const std::string& text, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title,
                         const std::string& defaultText) override;

private:
    void problemBox(const std::string& text) override;

    QWidget* owner_;
};

}  // namespace platform
