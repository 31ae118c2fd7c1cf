// Runs a program and times it from exec to its first top-level window shown:
// the first Expose after the window is mapped, which is when the toolkit
// paints. Then reads the child's peak RSS and ends it.
//   kestrum_bench_shown_watcher PROGRAM [ARGS...]
// Prints: shown_ms=<x> peak_rss_kib=<y>
// Meant for a private X server without a window manager, where a top-level's
// MapNotify reaches the root window's substructure listeners.
#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <set>
#include <signal.h>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <time.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock; // CLOCK_MONOTONIC

constexpr auto ShowTimeout = std::chrono::seconds(20);
constexpr auto PaintSettle = std::chrono::milliseconds(300);
constexpr auto TermGrace = std::chrono::seconds(3);

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <class T> using XcbReply = std::unique_ptr<T, FreeDeleter>;

std::int64_t MonotonicNs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t{ts.tv_sec} * 1'000'000'000 + ts.tv_nsec;
}

bool SelectEvents(xcb_connection_t* c, xcb_window_t window, uint32_t mask)
{
    const xcb_void_cookie_t cookie = xcb_change_window_attributes_checked(c, window, XCB_CW_EVENT_MASK, &mask);
    XcbReply<xcb_generic_error_t> error(xcb_request_check(c, cookie));
    return !error;
}

// Asks for the window's Expose events. False if it may already be mapped, in
// which case the Expose of its map went by before the request took effect.
bool ExposesReachUs(xcb_connection_t* c, xcb_window_t window)
{
    if (!SelectEvents(c, window, XCB_EVENT_MASK_EXPOSURE))
        return true; // already gone: not the window we are waiting for
    XcbReply<xcb_get_window_attributes_reply_t> attributes(
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
    return attributes && attributes->map_state == XCB_MAP_STATE_UNMAPPED;
}

// Starts the program; start_ns receives the time just before exec. Returns
// -1 if it could not be started.
pid_t Launch(char** argv, std::int64_t& start_ns)
{
    int channel[2];
    if (pipe2(channel, O_CLOEXEC) != 0)
        return -1;
    const pid_t pid = fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        close(channel[0]);
        const std::int64_t now = MonotonicNs();
        if (write(channel[1], &now, sizeof now) != sizeof now)
            _exit(127);
        execvp(argv[0], argv);
        const int error = errno;
        (void)!write(channel[1], &error, sizeof error);
        _exit(127);
    }
    close(channel[1]);
    // The pipe closes on exec: the timestamp, then either EOF or errno.
    bool ok = read(channel[0], &start_ns, sizeof start_ns) == sizeof start_ns;
    int error = 0;
    if (ok && read(channel[0], &error, sizeof error) == sizeof error) {
        std::fprintf(stderr, "cannot run %s: %s\n", argv[0], std::strerror(error));
        ok = false;
    }
    close(channel[0]);
    if (!ok) {
        waitpid(pid, nullptr, 0);
        return -1;
    }
    return pid;
}

long PeakRssKib(pid_t pid)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    std::FILE* f = std::fopen(path.c_str(), "r");
    if (!f)
        return -1;
    long kib = -1;
    char line[256];
    while (std::fgets(line, sizeof line, f))
        if (std::sscanf(line, "VmHWM: %ld kB", &kib) == 1)
            break;
    std::fclose(f);
    return kib;
}

bool Exited(pid_t pid)
{
    return waitpid(pid, nullptr, WNOHANG) == pid;
}

void Stop(pid_t pid)
{
    kill(pid, SIGTERM);
    const auto deadline = Clock::now() + TermGrace;
    while (Clock::now() < deadline) {
        if (Exited(pid))
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Waits for the first Expose of a mapped top-level window; returns its time,
// or -1 on timeout or if the child went away first.
std::int64_t WaitForShown(xcb_connection_t* c, xcb_window_t root, pid_t pid)
{
    const auto deadline = Clock::now() + ShowTimeout;
    std::set<xcb_window_t> mapped;
    std::set<xcb_window_t> late;
    pollfd pfd{xcb_get_file_descriptor(c), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (XcbReply<xcb_generic_event_t> event{xcb_poll_for_event(c)}) {
            switch (event->response_type & 0x7f) {
            case XCB_CREATE_NOTIFY: {
                auto* e = reinterpret_cast<xcb_create_notify_event_t*>(event.get());
                if (e->parent == root && !ExposesReachUs(c, e->window))
                    late.insert(e->window);
                break;
            }
            case XCB_MAP_NOTIFY: {
                auto* e = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
                if (e->event != root)
                    break;
                // Mapped before we could ask for its Expose: the map is the
                // closest we see, a fraction of a millisecond earlier.
                if (late.count(e->window)) {
                    std::fprintf(stderr, "note: window mapped before it was watched; timed to its map\n");
                    return MonotonicNs();
                }
                mapped.insert(e->window);
                break;
            }
            case XCB_EXPOSE: {
                auto* e = reinterpret_cast<xcb_expose_event_t*>(event.get());
                if (mapped.count(e->window))
                    return MonotonicNs();
                break;
            }
            default:
                break;
            }
        }
        if (xcb_connection_has_error(c)) {
            std::fprintf(stderr, "lost the X connection\n");
            return -1;
        }
        if (Exited(pid)) {
            std::fprintf(stderr, "the program exited before showing a window\n");
            return -2;
        }
        poll(&pfd, 1, 50);
    }
    std::fprintf(stderr, "no window shown within %lld s\n", static_cast<long long>(ShowTimeout.count()));
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "cannot connect to the X display\n");
        return 1;
    }
    fcntl(xcb_get_file_descriptor(c), F_SETFD, FD_CLOEXEC);
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    if (!SelectEvents(c, root, XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY)) {
        std::fprintf(stderr, "cannot watch the root window\n");
        return 1;
    }

    std::int64_t start = 0;
    const pid_t pid = Launch(argv + 1, start);
    if (pid < 0) {
        xcb_disconnect(c);
        return 1;
    }
    const std::int64_t shown = WaitForShown(c, root, pid);
    if (shown < 0) {
        if (shown == -1)
            Stop(pid);
        xcb_disconnect(c);
        return 1;
    }
    std::this_thread::sleep_for(PaintSettle);
    const long rss = PeakRssKib(pid);
    Stop(pid);
    xcb_disconnect(c);
    if (rss < 0) {
        std::fprintf(stderr, "cannot read the peak RSS of %d\n", static_cast<int>(pid));
        return 1;
    }
    std::printf("shown_ms=%.1f peak_rss_kib=%ld\n", static_cast<double>(shown - start) / 1e6, rss);
    return 0;
}
