// bench_mapwait: starts a program and reports how long its window took to be
// mapped on the X display, and the memory the program holds a moment later.
//
//   bench_mapwait [--settle MS] [--timeout MS] TITLE program [arguments...]
//
// Prints one line: "mapped_ms <ms> rss_mb <MB> peak_mb <MB>". The clock
// starts just before the program is started and stops when the X server
// reports a top-level window titled TITLE as mapped (the window is then
// viewable, as `xdotool search --onlyvisible` would find it). Unlike
// `xdotool search --sync`, which looks again only every half second, this
// waits on the server's own notification. After the window is mapped, the
// program is given --settle milliseconds (default 500) to paint, its
// resident memory is read from /proc, and it is ended. What the program
// writes to its standard error is discarded.

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Options {
    int settleMs = 500;
    int timeoutMs = 20000;
    std::string title;
    char** command = nullptr;
};

bool parse(int argc, char** argv, Options& o) {
    int i = 1;
    for (; i + 1 < argc && argv[i][0] == '-'; i += 2) {
        if (std::strcmp(argv[i], "--settle") == 0)
            o.settleMs = std::atoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--timeout") == 0)
            o.timeoutMs = std::atoi(argv[i + 1]);
        else
            return false;
    }
    if (i + 1 >= argc) return false;
    o.title = argv[i];
    o.command = argv + i + 1;
    return true;
}

/// The window's title, from _NET_WM_NAME (UTF-8) or else WM_NAME.
std::string titleOf(Display* display, Window window) {
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string title;
    if (XGetWindowProperty(display, window, netName, 0, 1024, False, utf8, &type, &format, &count,
                           &after, &data) == Success &&
        data) {
        title.assign(reinterpret_cast<char*>(data), count);
        XFree(data);
    }
    char* name = nullptr;
    if (title.empty() && XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

pid_t start(char** command) {
    const pid_t pid = fork();
    if (pid == 0) {
        // The program's warnings would only clutter the figures.
        if (std::FILE* quiet = std::freopen("/dev/null", "w", stderr); !quiet) _exit(127);
        execvp(command[0], command);
        std::perror(command[0]);
        _exit(127);
    }
    return pid;
}

/// Waits for the X server to map a window titled `title`; false on timeout
/// or when the program ends first.
bool waitForMap(Display* display, const std::string& title, pid_t pid, int timeoutMs) {
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && titleOf(display, event.xmap.window) == title)
                return true;
        }
        if (waitpid(pid, nullptr, WNOHANG) == pid) return false;
        poll(&fd, 1, 20);
    }
    return false;
}

/// VmRSS and VmHWM of a process, in MB.
std::pair<double, double> memoryOf(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    double rss = 0, peak = 0;
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmRSS:", 0) == 0) rss = std::atof(line.c_str() + 6) / 1024.0;
        if (line.rfind("VmHWM:", 0) == 0) peak = std::atof(line.c_str() + 6) / 1024.0;
    }
    return {rss, peak};
}

/// The display, tried again for a moment: a server that has just seen a
/// client go away can refuse the next connection for a short while.
Display* openDisplay() {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (Display* display = XOpenDisplay(nullptr)) return display;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return nullptr;
}

void end(pid_t pid) {
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    if (!parse(argc, argv, o)) {
        std::fprintf(stderr, "usage: %s [--settle MS] [--timeout MS] TITLE program [args...]\n",
                     argv[0]);
        return 2;
    }
    Display* display = openDisplay();
    if (!display) {
        std::fprintf(stderr, "bench_mapwait: no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    const Clock::time_point begin = Clock::now();
    const pid_t pid = start(o.command);
    const bool mapped = waitForMap(display, o.title, pid, o.timeoutMs);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - begin).count();
    if (!mapped) {
        std::fprintf(stderr, "bench_mapwait: no window titled \"%s\"\n", o.title.c_str());
        end(pid);
        return 1;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(o.settleMs));
    const auto [rss, peak] = memoryOf(pid);
    std::printf("mapped_ms %.1f rss_mb %.1f peak_mb %.1f\n", ms, rss, peak);
    end(pid);
    XCloseDisplay(display);
    return 0;
}
