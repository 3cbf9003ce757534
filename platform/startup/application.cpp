#include "platform/startup/application.h"

#include <QGuiApplication>
#include <QTime>

#include <chrono>

namespace platform {

void nameApplication()
{
    QCoreApplication::setApplicationName(QStringLiteral("orvo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ORVO_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(ORVO_APP_ID));
}

double secondsSinceMidnight()
{
    // QTime gives the local time of day to the millisecond; the system clock
    // adds the part below it, so two mazes made within one millisecond still
    // get different seeds.
    const auto sinceEpoch = std::chrono::system_clock::now().time_since_epoch();
    const auto belowMilli = std::chrono::duration_cast<std::chrono::nanoseconds>(sinceEpoch).count() % 1'000'000;
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0 + static_cast<double>(belowMilli) / 1e9;
}

void endProgram(int status)
{
    QCoreApplication::exit(status);
}

}  // namespace platform
