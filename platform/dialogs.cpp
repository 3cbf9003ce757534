#include "platform/dialogs.h"

#include <QInputDialog>
#include <QMessageBox>

#include <iostream>

namespace platform {

QString fromLatin1(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

std::string toLatin1(const QString& text)
{
    // One "?" for each character beyond Latin-1, even one that Qt holds as a
    // pair of UTF-16 units.
    std::string bytes;
    for (const char32_t c : text.toUcs4())
        bytes += c <= 0xFF ? static_cast<char>(c) : '?';
    return bytes;
}

void Dialogs::reportProblem(const std::string& text)
{
    // The message is UTF-8; the terminal gets it in its own encoding.
    std::cerr << QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toLocal8Bit().constData()
              << std::endl;
    problemBox(text);
}

void QtDialogs::problemBox(const std::string& text)
{
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Orvo"), QString::fromStdString(text), QMessageBox::Ok,
                    owner_);
    box.exec();
}

void QtDialogs::MsgBox(const std::string& text, const std::string& title)
{
    QMessageBox box(QMessageBox::NoIcon, fromLatin1(title), fromLatin1(text), QMessageBox::Ok, owner_);
    box.exec();
}

std::string QtDialogs::InputBox(const std::string& prompt, const std::string& title,
                                const std::string& defaultText)
{
    bool accepted = false;
    const QString answer = QInputDialog::getText(owner_, fromLatin1(title), fromLatin1(prompt),
                                                 QLineEdit::Normal, fromLatin1(defaultText), &accepted);
    return accepted ? toLatin1(answer) : std::string();
}

}  // namespace platform
