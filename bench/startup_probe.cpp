// Times a program's start: from launching it to the window manager mapping
// its first window, which for the game already holds the first maze (it is
// drawn while the window is being shown). Prints the median of the runs in
// milliseconds.
//
//   startup_probe RUNS PROGRAM [ARGS...]     (needs DISPLAY)
#include <X11/Xlib.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

// Waits for the next map on the root window (the new window's frame) and
// returns the milliseconds since `start`, or a negative number on time-out.
double waitForMap(Display* display, Clock::time_point start)
{
    const int fd = ConnectionNumber(display);
    while (Clock::now() - start < std::chrono::seconds(10)) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify)
                return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        timeval wait {0, 10000};
        select(fd + 1, &fds, nullptr, nullptr, &wait);
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);

    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        XSync(display, True);
        const Clock::time_point start = Clock::now();
        const pid_t child = fork();
        if (child == 0) {
            execv(argv[2], argv + 2);
            _exit(127);
        }
        const double ms = waitForMap(display, start);
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
        if (ms < 0) {
            std::fprintf(stderr, "%s showed no window\n", argv[2]);
            return 1;
        }
        times.push_back(ms);
    }
    std::sort(times.begin(), times.end());
    std::printf("%.1f\n", times[times.size() / 2]);
    XCloseDisplay(display);
    return 0;
}
