#include "platform/window/timer.h"

#include <QTimer>

namespace platform {

Timer::Timer(int intervalMs, std::function<void()> onTick) : timer_(std::make_unique<QTimer>())
{
    timer_->setInterval(intervalMs);
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_.get(), &QTimer::timeout, std::move(onTick));
}

Timer::~Timer() = default;

void Timer::setEnabled(bool enabled)
{
    if (enabled && !timer_->isActive())
        timer_->start();
    else if (!enabled)
        timer_->stop();
}

bool Timer::isEnabled() const
{
    return timer_->isActive();
}

int Timer::interval() const
{
    return timer_->interval();
}

}  // namespace platform
