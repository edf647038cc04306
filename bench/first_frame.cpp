// Times a program's first frame from the X server's side: it starts the command given, watches
// the root window for the first ordinary top-level window the command maps, and for the first
// drawing into it (the DAMAGE extension reports it). Prints, in milliseconds from the start of
// the command, "map paint pid", and leaves the program running for the caller to watch idle.
//
//   bench_first_frame <command> [arguments...]
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <memory>
#include <set>
#include <signal.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <command> [arguments...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t* x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "first_frame: no X display\n");
        return 2;
    }
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(x, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "first_frame: the X server has no DAMAGE extension\n");
        return 2;
    }
    std::free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    const Clock::time_point start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        // The caller reads this program's output; the command's own goes nowhere.
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDOUT_FILENO);
        dup2(nowhere, STDERR_FILENO);
        execvp(argv[1], argv + 1);
        std::perror("first_frame: exec");
        _exit(127);
    }

    // Every ordinary top-level window gets a damage object when it is made, before it can be
    // drawn into; the first one mapped is the program's window.
    std::set<xcb_window_t> watched;
    xcb_window_t shown = XCB_NONE;
    double mapped = -1;
    alarm(20);
    while (xcb_generic_event_t* raw = xcb_wait_for_event(x)) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(raw, &std::free);
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            auto* created = reinterpret_cast<xcb_create_notify_event_t*>(raw);
            if (created->parent != root || created->override_redirect) continue;
            xcb_damage_create(x, xcb_generate_id(x), created->window,
                              XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            watched.insert(created->window);
            xcb_flush(x);
        } else if (type == XCB_MAP_NOTIFY) {
            auto* map = reinterpret_cast<xcb_map_notify_event_t*>(raw);
            if (shown != XCB_NONE || !watched.count(map->window)) continue;
            shown = map->window;
            mapped = millisecondsSince(start);
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
            auto* drawn = reinterpret_cast<xcb_damage_notify_event_t*>(raw);
            if (drawn->drawable != shown) continue;
            std::printf("%.1f %.1f %d\n", mapped, millisecondsSince(start), static_cast<int>(pid));
            return 0;
        }
    }
    std::fprintf(stderr, "first_frame: the X connection closed\n");
    kill(pid, SIGTERM);
    return 1;
}
