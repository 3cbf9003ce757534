// The two modal dialogs the game asks the player with. Tests replace them
// with scripted answers, so that no dialog waits for a person.
#pragma once

#include <string>

class QString;
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
    // script, and into a message box titled "Orvo". Unlike the game's own
    // single-byte texts, the line is UTF-8: it names files by their paths
    // as the system writes them.
    void reportProblem(const std::string& text);

protected:
    // Shows the UTF-8 line of reportProblem.
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

// Texts are single bytes; Qt's are Unicode. These convert at the boundary;
// a character beyond Latin-1 becomes "?".
QString fromLatin1(const std::string& text);
std::string toLatin1(const QString& text);

}  // namespace platform
