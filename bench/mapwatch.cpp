// Starts a program and reports, from outside it, when each of its top-level
// windows becomes viewable on the X display, when something is first drawn
// into it, and when the program ends:
//
//   quillo-mapwatch PROGRAM [ARGS...]
//     map MS WINDOW WIDTH HEIGHT    a window of the program's process tree
//     paint MS WINDOW WIDTH HEIGHT  its first drawing (X Damage)
//     exit STATUS MS                the program ended (STATUS as the shell's $?)
//
// MS counts from just before the fork. The watcher listens to the root
// window's substructure before it forks, so no mapping can slip past it: a
// window manager's frame is mapped after the client inside it, and a window
// without a manager is itself a child of the root. Polling tools such as
// xdotool's --sync sleep half a second between looks, far too coarse here.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <string>

namespace {

double millisecondsSince(const timespec &start)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec - start.tv_sec) * 1e3 + double(now.tv_nsec - start.tv_nsec) / 1e6;
}

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> owned(T *reply)
{
    return Reply<T>(reply, &std::free);
}

xcb_atom_t atom(xcb_connection_t *x, const char *name)
{
    const auto reply = owned(xcb_intern_atom_reply(
        x, xcb_intern_atom(x, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::optional<pid_t> windowPid(xcb_connection_t *x, xcb_window_t window, xcb_atom_t pidAtom)
{
    const auto reply = owned(xcb_get_property_reply(
        x, xcb_get_property(x, 0, window, pidAtom, XCB_ATOM_CARDINAL, 0, 1), nullptr));
    if (!reply || xcb_get_property_value_length(reply.get()) < 4)
        return std::nullopt;
    return static_cast<pid_t>(*static_cast<const uint32_t *>(xcb_get_property_value(reply.get())));
}

pid_t parentOf(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    // The command name may hold spaces and parentheses; the fields after the
    // last ')' are plain.
    const auto close = line.rfind(')');
    if (close == std::string::npos)
        return 0;
    char state = 0;
    int parent = 0;
    return std::sscanf(line.c_str() + close + 1, " %c %d", &state, &parent) == 2 ? parent : 0;
}

// The program may run under /usr/bin/time or unshare, which fork or exec it.
bool descendsFrom(pid_t pid, pid_t ancestor)
{
    for (int depth = 0; depth < 4 && pid > 1; ++depth, pid = parentOf(pid)) {
        if (pid == ancestor)
            return true;
    }
    return false;
}

// The client window of ours at or below a mapped child of the root.
std::optional<xcb_window_t> ownClient(xcb_connection_t *x, xcb_window_t window, xcb_atom_t pidAtom,
                                      pid_t child, int depth = 0)
{
    if (const auto pid = windowPid(x, window, pidAtom))
        return descendsFrom(*pid, child) ? std::optional(window) : std::nullopt;
    if (depth == 3)
        return std::nullopt;
    const auto tree = owned(xcb_query_tree_reply(x, xcb_query_tree(x, window), nullptr));
    if (!tree)
        return std::nullopt;
    const xcb_window_t *children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        if (const auto client = ownClient(x, children[i], pidAtom, child, depth + 1))
            return client;
    }
    return std::nullopt;
}

int exitStatus(int status)
{
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t *const x = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "mapwatch: cannot open the display\n");
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(x));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const xcb_atom_t pidAtom = atom(x, "_NET_WM_PID");
    const xcb_query_extension_reply_t *const damage = xcb_get_extension_data(x, &xcb_damage_id);
    if (!damage || !damage->present) {
        std::fprintf(stderr, "mapwatch: the X server has no Damage extension\n");
        return 2;
    }
    std::free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), nullptr));
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    // A round trip: the server has taken the mask before the program starts.
    std::free(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));

    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t child = fork();
    if (child < 0) {
        std::perror("mapwatch: fork");
        return 2;
    }
    if (child == 0) {
        close(xcb_get_file_descriptor(x));
        execvp(argv[1], argv + 1);
        std::perror("mapwatch: exec");
        _exit(127);
    }

    const auto report = [x](const char *what, double at, xcb_window_t window) {
        const auto geometry = owned(xcb_get_geometry_reply(x, xcb_get_geometry(x, window), nullptr));
        std::printf("%s %.3f 0x%x %d %d\n", what, at, window, geometry ? geometry->width : 0,
                    geometry ? geometry->height : 0);
        std::fflush(stdout);
    };
    std::set<xcb_window_t> mapped;
    std::set<xcb_window_t> painted;
    pollfd display{xcb_get_file_descriptor(x), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(x)) {
            const auto owner = owned(event);
            const double at = millisecondsSince(start);
            const uint8_t type = event->response_type & 0x7f;
            if (type == XCB_CREATE_NOTIFY) {
                // Watched from its creation, before it can be drawn into; a
                // window that is not the program's (a frame) is ignored when
                // it reports. Errors for windows already gone are events too,
                // and skipped.
                const auto *created = reinterpret_cast<const xcb_create_notify_event_t *>(event);
                xcb_damage_create(x, xcb_generate_id(x), created->window,
                                  XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                xcb_flush(x);
            } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY) {
                const auto *drawn = reinterpret_cast<const xcb_damage_notify_event_t *>(event);
                const xcb_window_t window = drawn->drawable;
                if (!painted.insert(window).second)
                    continue;
                if (const auto pid = windowPid(x, window, pidAtom); pid && descendsFrom(*pid, child))
                    report("paint", at, window);
            } else if (type == XCB_MAP_NOTIFY) {
                const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event);
                const auto client = ownClient(x, map->window, pidAtom, child);
                if (client && mapped.insert(*client).second)
                    report("map", at, *client);
            }
        }
        if (xcb_connection_has_error(x)) {
            std::fprintf(stderr, "mapwatch: lost the display\n");
            break;
        }
        int status = 0;
        const pid_t done = waitpid(child, &status, WNOHANG);
        if (done == child) {
            std::printf("exit %d %.3f\n", exitStatus(status), millisecondsSince(start));
            std::fflush(stdout);
            xcb_disconnect(x);
            return 0;
        }
        // Short naps only while nothing arrives: the end is seen within 5 ms.
        if (poll(&display, 1, 5) < 0 && errno != EINTR)
            break;
    }
    int status = 0;
    waitpid(child, &status, 0);
    std::printf("exit %d %.3f\n", exitStatus(status), millisecondsSince(start));
    xcb_disconnect(x);
    return 0;
}
