// bench-xwatch: times a program's start where the user sees it, at the X server. It starts the
// program itself and, from before the fork, watches the server: when each of the program's
// top-level windows is mapped, and when the first pixels are drawn into it (the XDamage
// extension). It only waits for the server's events and the program's end; nothing polls.
//
// usage: bench-xwatch [--windows N] [--end] -o RESULT -- PROGRAM [ARGUMENTS...]
//
// The run is complete once N windows (1 by default) of the program are mapped and each has drawn
// since the last of them was created, so a window that shows something else first (the frame shows
// the main menu before the work area) counts with what it draws after the last window arrived.
// With --end the watcher then reads the program's peak memory and ends it; otherwise the program
// ends itself. RESULT gets one "name=value" a line, times in microseconds since the fork:
// mapped_us, painted_us, exited_us, the program's processor time cpu_us (user and system), and
// with --end peak_rss_kb.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <string>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

long long nowUs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1000000LL + t.tv_nsec / 1000;
}

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "bench-xwatch: %s\n", what);
    std::exit(2);
}

struct Window {
    long long created = -1; // event number of its creation
    long long mappedUs = -1;
    bool destroyed = false;
    std::vector<std::pair<long long, long long>> damage; // event number, time
};

long long peakRssKb(pid_t pid)
{
    const std::string path = "/proc/" + std::to_string(pid) + "/status";
    FILE *f = std::fopen(path.c_str(), "r");
    if (!f)
        return -1;
    char line[256];
    long long kb = -1;
    while (std::fgets(line, sizeof line, f)) {
        if (std::sscanf(line, "VmHWM: %lld", &kb) == 1)
            break;
    }
    std::fclose(f);
    return kb;
}

} // namespace

int main(int argc, char *argv[])
{
    int wanted = 1;
    bool end = false;
    const char *resultPath = nullptr;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (!std::strcmp(argv[i], "--windows") && i + 1 < argc)
            wanted = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--end"))
            end = true;
        else if (!std::strcmp(argv[i], "-o") && i + 1 < argc)
            resultPath = argv[++i];
        else
            fail("usage: bench-xwatch [--windows N] [--end] -o RESULT -- PROGRAM [ARGUMENTS...]");
    }
    if (i + 1 >= argc || !resultPath)
        fail("usage: bench-xwatch [--windows N] [--end] -o RESULT -- PROGRAM [ARGUMENTS...]");
    char **program = argv + i + 1;

    xcb_connection_t *c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c))
        fail("cannot reach the X server");
    const int xfd = xcb_get_file_descriptor(c);
    fcntl(xfd, F_SETFD, FD_CLOEXEC);
    const xcb_setup_t *setup = xcb_get_setup(c);
    const xcb_window_t root = xcb_setup_roots_iterator(setup).data->root;
    const xcb_query_extension_reply_t *damageExt = xcb_get_extension_data(c, &xcb_damage_id);
    if (!damageExt || !damageExt->present)
        fail("the X server has no DAMAGE extension");
    free(xcb_damage_query_version_reply(c, xcb_damage_query_version(c, 1, 1), nullptr));
    // Every window created on the root comes to us; the selection is in force before the fork.
    const uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    if (xcb_generic_error_t *e = xcb_request_check(c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &rootMask))) {
        free(e);
        fail("cannot watch the root window");
    }
    // The window manager's windows and ours carry other resource bases than the program's.
    const uint32_t baseMask = ~setup->resource_id_mask;
    const uint32_t ownBase = xcb_generate_id(c) & baseMask;
    uint32_t wmBase = 0;
    {
        const char name[] = "_NET_SUPPORTING_WM_CHECK";
        xcb_intern_atom_reply_t *atom = xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof name - 1, name), nullptr);
        if (atom && atom->atom != XCB_ATOM_NONE) {
            xcb_get_property_reply_t *p = xcb_get_property_reply(c, xcb_get_property(c, 0, root, atom->atom, XCB_ATOM_WINDOW, 0, 1), nullptr);
            if (p && xcb_get_property_value_length(p) == 4)
                wmBase = *static_cast<uint32_t *>(xcb_get_property_value(p)) & baseMask;
            free(p);
        }
        free(atom);
    }

    const long long startUs = nowUs();
    // The bench programs time their own steps from here too, on the same clock.
    setenv("BRICKLOOM_BENCH_FORK_US", std::to_string(startUs).c_str(), 1);
    const pid_t pid = fork();
    if (pid < 0)
        fail("fork failed");
    if (pid == 0) {
        execvp(program[0], program);
        std::fprintf(stderr, "bench-xwatch: cannot start %s: %s\n", program[0], std::strerror(errno));
        _exit(127);
    }
    const int pidfd = int(syscall(SYS_pidfd_open, pid, 0));
    if (pidfd < 0)
        fail("pidfd_open failed");

    std::map<xcb_window_t, Window> windows;
    std::map<xcb_window_t, xcb_window_t> frameOf; // the window manager's frame -> the window in it
    std::vector<xcb_window_t> mapped; // in the order they were mapped
    long long eventNo = 0;
    long long mappedUs = -1, paintedUs = -1, exitedUs = -1, peakKb = -1;
    int status = 0;
    rusage usage{};
    bool complete = wanted == 0;

    const auto check = [&] {
        if (complete || int(mapped.size()) < wanted)
            return;
        long long lastCreated = 0, lastMapped = 0, lastPainted = 0;
        for (int k = 0; k < wanted; ++k)
            lastCreated = std::max(lastCreated, windows[mapped[k]].created);
        for (int k = 0; k < wanted; ++k) {
            const Window &w = windows[mapped[k]];
            long long painted = -1;
            for (const auto &[n, t] : w.damage) {
                if (n > lastCreated) {
                    painted = t;
                    break;
                }
            }
            if (painted < 0)
                return;
            lastPainted = std::max(lastPainted, painted);
            lastMapped = std::max(lastMapped, w.mappedUs);
        }
        complete = true;
        mappedUs = lastMapped - startUs;
        paintedUs = lastPainted - startUs;
        if (end) {
            peakKb = peakRssKb(pid);
            kill(pid, SIGTERM);
        }
    };

    const auto handle = [&](xcb_generic_event_t *ev) {
        const long long t = nowUs();
        ++eventNo;
        const uint8_t type = ev->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *e = reinterpret_cast<xcb_create_notify_event_t *>(ev);
            const uint32_t base = e->window & baseMask;
            if (e->parent == root && base != ownBase && base != wmBase) {
                windows[e->window].created = eventNo;
                const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
                xcb_change_window_attributes(c, e->window, XCB_CW_EVENT_MASK, &mask);
                // Every drawing is reported, however soon it follows the last one.
                xcb_damage_create(c, xcb_generate_id(c), e->window, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
                xcb_flush(c);
            }
        } else if (type == XCB_REPARENT_NOTIFY) {
            // The window manager puts a window into a frame of its own before mapping it.
            const auto *e = reinterpret_cast<xcb_reparent_notify_event_t *>(ev);
            if (windows.count(e->window) && e->parent != root)
                frameOf[e->parent] = e->window;
        } else if (type == XCB_MAP_NOTIFY) {
            // The window's own map may come before our watch on it does; its frame's, a child of the
            // root, always comes to us.
            const auto *e = reinterpret_cast<xcb_map_notify_event_t *>(ev);
            const auto framed = frameOf.find(e->window);
            auto w = windows.find(framed != frameOf.end() ? framed->second : e->window);
            if (w != windows.end() && w->second.mappedUs < 0) {
                w->second.mappedUs = t;
                mapped.push_back(w->first);
            }
        } else if (type == XCB_DESTROY_NOTIFY) {
            const auto *e = reinterpret_cast<xcb_destroy_notify_event_t *>(ev);
            if (auto w = windows.find(e->window); w != windows.end())
                w->second.destroyed = true;
        } else if (type == damageExt->first_event + XCB_DAMAGE_NOTIFY) {
            const auto *e = reinterpret_cast<xcb_damage_notify_event_t *>(ev);
            auto w = windows.find(e->drawable);
            if (w != windows.end())
                w->second.damage.emplace_back(eventNo, t);
        }
        free(ev);
        check();
    };

    for (;;) {
        pollfd fds[2] = {{xfd, POLLIN, 0}, {pidfd, POLLIN, 0}};
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            fail("poll failed");
        }
        while (xcb_generic_event_t *ev = xcb_poll_for_event(c))
            handle(ev);
        if (xcb_connection_has_error(c))
            fail("lost the X server");
        if (fds[1].revents & POLLIN) {
            exitedUs = nowUs() - startUs;
            wait4(pid, &status, 0, &usage);
            // The server may not have carried out the program's last requests yet; it has once it
            // has destroyed the windows we saw mapped, which it does after them.
            const auto pending = [&] {
                for (xcb_window_t id : mapped) {
                    if (!windows[id].destroyed)
                        return true;
                }
                return false;
            };
            while (!complete && pending()) {
                xcb_generic_event_t *ev = xcb_wait_for_event(c);
                if (!ev)
                    fail("lost the X server");
                handle(ev);
            }
            break;
        }
    }

    FILE *out = std::fopen(resultPath, "w");
    if (!out)
        fail("cannot write the result");
    if (mappedUs >= 0)
        std::fprintf(out, "mapped_us=%lld\npainted_us=%lld\n", mappedUs, paintedUs);
    std::fprintf(out, "exited_us=%lld\n", exitedUs);
    const auto us = [](const timeval &t) { return t.tv_sec * 1000000LL + t.tv_usec; };
    std::fprintf(out, "cpu_us=%lld\n", us(usage.ru_utime) + us(usage.ru_stime));
    if (peakKb >= 0)
        std::fprintf(out, "peak_rss_kb=%lld\n", peakKb);
    std::fclose(out);
    xcb_disconnect(c);
    if (!complete) {
        std::fprintf(stderr, "bench-xwatch: %s ended before %d window(s) of it were painted\n", program[0], wanted);
        for (const auto &[id, w] : windows)
            std::fprintf(stderr, "  window 0x%x: created as event %lld, mapped %s, %zu damage reports\n", id, w.created,
                         w.mappedUs < 0 ? "never" : "yes", w.damage.size());
        return 1;
    }
    const bool ended = end && WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM;
    return ended || (WIFEXITED(status) && WEXITSTATUS(status) == 0) ? 0 : 1;
}
