#include "platform/dialogs/dialogs.h"

#include "platform/text/qt_text.h"

#include <QInputDialog>
#include <QMessageBox>

#include <iostream>

namespace platform {

void Dialogs::reportProblem(const std::string& text)
{
    // The terminal gets the message in its own encoding.
    std::cerr << qtText(text).toLocal8Bit().constData() << std::endl;
    problemBox(text);
}

void QtDialogs::problemBox(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Orvo"), qtText(text), QMessageBox::Ok,
                    owner_);
    box.exec();
}

void QtDialogs::MsgBox(const std::string& text, const std::string& title)
{
    QMessageBox box(QMessageBox::NoIcon, qtText(title), qtText(text), QMessageBox::Ok, owner_);
    box.exec();
}

std::string QtDialogs::InputBox(const std::string& prompt, const std::string& title,
                                const std::string& defaultText)
{
    bool accepted = false;
    const QString answer = QInputDialog::getText(owner_, qtText(title), qtText(prompt),
                                                 QLineEdit::Normal, qtText(defaultText), &accepted);
    return accepted ? gameString(answer) : std::string();
}

}  // namespace platform
