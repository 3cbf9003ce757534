// An interval timer on the user-interface thread that can be enabled and
// disabled, like the two timers of the main window.
#pragma once

#include <functional>
#include <memory>

class QTimer;

namespace platform {

class Timer {
public:
    Timer(int intervalMs, std::function<void()> onTick);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    // Enabling a running timer leaves its interval running; enabling a
    // stopped one starts a full interval.
    void setEnabled(bool enabled);
    bool isEnabled() const;
    int interval() const;

private:
    std::unique_ptr<QTimer> timer_;
};

}  // namespace platform
