// Times programs' starts: from launching a program until its window is mapped
// and until the program has first drawn into that window, which for the game
// is the first maze. Several programs are run in turn, one run each per
// round, so that they share whatever else the machine is doing; one round
// before the timed ones fills the file cache. Prints one line per program:
// the program, then the medians of "mapped" and "drawn" in milliseconds.
//
//   startup_probe RUNS PROGRAM [PROGRAM...]     (needs DISPLAY with DAMAGE)
//
// The first drawing is seen through the X server's DAMAGE extension: a damage
// object is made on every window as soon as it is created, and the window
// the window manager takes in (reparents into its frame) is the program's
// window; its first damage after it is mapped is the first picture. The
// frames the window manager draws are never reparented, so they do not
// count. With ORVO_PROBE_TRACE set, every run is printed as well, with the
// monotonic clock's reading at launch.
#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// Xlib's internals, for sending the extension's two requests by hand; they
// define min and max as macros.
#include <X11/Xlib.h>
#include <X11/Xlibint.h>
#undef min
#undef max

namespace {

using Clock = std::chrono::steady_clock;

// The DAMAGE extension's requests and event, version 1.1, as on the wire.
constexpr CARD8 kDamageQueryVersion = 0;
constexpr CARD8 kDamageCreate = 1;
constexpr CARD8 kReportNonEmpty = 3;

struct QueryVersionRequest {
    CARD8 reqType;
    CARD8 damageReqType;
    CARD16 length;
    CARD32 majorVersion;
    CARD32 minorVersion;
};

struct QueryVersionReply {
    BYTE type;
    BYTE pad1;
    CARD16 sequenceNumber;
    CARD32 length;
    CARD32 majorVersion;
    CARD32 minorVersion;
    CARD32 pad[4];
};

struct CreateRequest {
    CARD8 reqType;
    CARD8 damageReqType;
    CARD16 length;
    CARD32 damage;
    CARD32 drawable;
    CARD8 level;
    CARD8 pad1;
    CARD16 pad2;
};

struct NotifyEvent {
    CARD8 type;
    CARD8 level;
    CARD16 sequenceNumber;
    CARD32 drawable;
};

int damageEvent = -1;

// Xlib drops the events it cannot convert; a damage report becomes an
// XAnyEvent of the extension's event type that names the drawable.
Bool convertDamage(Display*, XEvent* out, xEvent* wire)
{
    const auto* notify = reinterpret_cast<const NotifyEvent*>(wire);
    out->xany.type = notify->type & 0x7F;
    out->xany.window = notify->drawable;
    return True;
}

bool startDamage(Display* display, int& opcode)
{
    int firstError = 0;
    if (!XQueryExtension(display, "DAMAGE", &opcode, &damageEvent, &firstError))
        return false;
    LockDisplay(display);
    auto* request = static_cast<QueryVersionRequest*>(
        _XGetRequest(display, static_cast<CARD8>(opcode), sizeof(QueryVersionRequest)));
    request->damageReqType = kDamageQueryVersion;
    request->majorVersion = 1;
    request->minorVersion = 1;
    QueryVersionReply reply;
    const Status ok = _XReply(display, reinterpret_cast<xReply*>(&reply), 0, xTrue);
    UnlockDisplay(display);
    if (!ok)
        return false;
    XESetWireToEvent(display, damageEvent, convertDamage);
    return true;
}

void watchDrawing(Display* display, int opcode, Window window)
{
    LockDisplay(display);
    auto* request
        = static_cast<CreateRequest*>(_XGetRequest(display, static_cast<CARD8>(opcode), sizeof(CreateRequest)));
    request->damageReqType = kDamageCreate;
    request->damage = static_cast<CARD32>(XAllocID(display));
    request->drawable = static_cast<CARD32>(window);
    request->level = kReportNonEmpty;
    UnlockDisplay(display);
    XFlush(display);
}

// A window can be gone before its damage object is made; that is no fault.
int ignoreErrors(Display*, XErrorEvent*)
{
    return 0;
}

struct Times {
    double mapped = -1;
    double drawn = -1;
};

double since(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Follows the new windows until the managed one is mapped and drawn in.
Times watchStart(Display* display, int opcode, Clock::time_point start)
{
    Times times;
    Window managed = None;
    struct FirstDamage {
        Window window;
        double ms;
    };
    std::vector<FirstDamage> damaged;
    const int fd = ConnectionNumber(display);
    while (Clock::now() - start < std::chrono::seconds(10)) {
        while (XPending(display) > 0) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == CreateNotify && !event.xcreatewindow.override_redirect)
                watchDrawing(display, opcode, event.xcreatewindow.window);
            else if (event.type == ReparentNotify && managed == None)
                managed = event.xreparent.window;
            else if (event.type == MapNotify && times.mapped < 0)
                times.mapped = since(start);
            else if (event.type == damageEvent)
                damaged.push_back({event.xany.window, since(start)});
            if (managed == None || times.mapped < 0)
                continue;
            const auto drawn = std::find_if(damaged.begin(), damaged.end(),
                                            [&](const FirstDamage& d) { return d.window == managed; });
            if (drawn != damaged.end()) {
                times.drawn = std::max(drawn->ms, times.mapped);
                return times;
            }
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        timeval wait {0, 10000};
        select(fd + 1, &fds, nullptr, nullptr, &wait);
    }
    return times;
}

bool runOnce(Display* display, int opcode, const char* program, Times& times)
{
    XSync(display, True);
    timespec launch;
    clock_gettime(CLOCK_MONOTONIC, &launch);
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    times = watchStart(display, opcode, start);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    if (std::getenv("ORVO_PROBE_TRACE"))
        std::fprintf(stderr, "launch %ld.%06ld mapped %.1f drawn %.1f %s\n", static_cast<long>(launch.tv_sec),
                     launch.tv_nsec / 1000, times.mapped, times.drawn, program);
    if (times.drawn < 0) {
        std::fprintf(stderr, "%s showed no drawn window; trying again\n", program);
        return false;
    }
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM [PROGRAM...]\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int programs = argc - 2;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no display\n");
        return 2;
    }
    int opcode = 0;
    if (!startDamage(display, opcode)) {
        std::fprintf(stderr, "the display has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);

    std::vector<std::vector<double>> mapped(static_cast<std::size_t>(programs));
    std::vector<std::vector<double>> drawn(static_cast<std::size_t>(programs));
    for (int round = -1; round < runs; ++round) {
        for (int p = 0; p < programs; ++p) {
            // Now and then a busy machine lets a start slip past the watch
            // (the window drawn before its damage object was made); such a
            // run is made again, a few times at most.
            Times times;
            int attempts = 1;
            while (!runOnce(display, opcode, argv[2 + p], times)) {
                if (++attempts > 3)
                    return 1;
            }
            if (round < 0)
                continue;
            mapped[static_cast<std::size_t>(p)].push_back(times.mapped);
            drawn[static_cast<std::size_t>(p)].push_back(times.drawn);
        }
    }
    for (int p = 0; p < programs; ++p)
        std::printf("%s %.1f %.1f\n", argv[2 + p], median(mapped[static_cast<std::size_t>(p)]),
                    median(drawn[static_cast<std::size_t>(p)]));
    XCloseDisplay(display);
    return 0;
}
