// The game's texts are UTF-8 in std::string; Qt's are QString. These two
// convert at the boundary and lose no character either way.
#pragma once

#include <QString>

#include <string>

namespace platform {

inline QString qtText(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string gameString(const QString& text)
{
    return text.toStdString();
}

}  // namespace platform
