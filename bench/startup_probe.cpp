// Times a program's start-up on an X display: from exec to its first window mapped, then from an
// Enter key to its second window mapped. Used by startup.sh; prints "title_ms ok_ms pid".
// Usage: startup_probe [--press-after MS] FIRST-TITLE SECOND-TITLE -- COMMAND [ARGS...]
// Enter is pressed MS milliseconds (default 0) after the first window has the focus: a person
// looks at a window before pressing its button.
#include <xcb/xcb.h>

#include <cerrno>
#include <cstdlib>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto pollPeriod = std::chrono::milliseconds(1);
constexpr auto giveUpAfter = std::chrono::seconds(30);

struct Display {
    xcb_connection_t *connection;
    xcb_window_t root;
    xcb_atom_t activeWindow;
};

xcb_atom_t atom(xcb_connection_t *c, std::string_view name)
{
    auto *reply = xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, name.size(), name.data()), nullptr);
    const xcb_atom_t a = reply ? reply->atom : XCB_NONE;
    free(reply);
    return a;
}

std::vector<xcb_window_t> children(xcb_connection_t *c, xcb_window_t parent)
{
    std::vector<xcb_window_t> out;
    if (auto *tree = xcb_query_tree_reply(c, xcb_query_tree(c, parent), nullptr)) {
        const xcb_window_t *kids = xcb_query_tree_children(tree);
        out.assign(kids, kids + xcb_query_tree_children_length(tree));
        free(tree);
    }
    return out;
}

// A viewable window titled exactly `title`, among the root's children and theirs (the window
// manager's frames hold the programs' windows).
std::optional<xcb_window_t> viewableWindow(const Display &d, std::string_view title)
{
    std::vector<xcb_window_t> candidates = children(d.connection, d.root);
    for (xcb_window_t top : std::vector(candidates))
        for (xcb_window_t inner : children(d.connection, top))
            candidates.push_back(inner);
    for (xcb_window_t w : candidates) {
        auto name = xcb_get_property(d.connection, 0, w, XCB_ATOM_WM_NAME, XCB_ATOM_ANY, 0, 256);
        auto attributes = xcb_get_window_attributes(d.connection, w);
        auto *nameReply = xcb_get_property_reply(d.connection, name, nullptr);
        auto *attributesReply = xcb_get_window_attributes_reply(d.connection, attributes, nullptr);
        bool match = nameReply && attributesReply && attributesReply->map_state == XCB_MAP_STATE_VIEWABLE
                     && std::string_view(static_cast<const char *>(xcb_get_property_value(nameReply)),
                                         xcb_get_property_value_length(nameReply))
                            == title;
        free(nameReply);
        free(attributesReply);
        if (match)
            return w;
    }
    return std::nullopt;
}

xcb_window_t activeWindow(const Display &d)
{
    auto *reply = xcb_get_property_reply(
        d.connection, xcb_get_property(d.connection, 0, d.root, d.activeWindow, XCB_ATOM_WINDOW, 0, 1), nullptr);
    xcb_window_t w = XCB_NONE;
    if (reply && xcb_get_property_value_length(reply) == sizeof(xcb_window_t))
        std::memcpy(&w, xcb_get_property_value(reply), sizeof w);
    free(reply);
    return w;
}

template <class Probe> auto waitFor(Probe probe)
{
    const auto deadline = Clock::now() + giveUpAfter;
    for (;;) {
        if (auto found = probe())
            return found;
        if (Clock::now() > deadline)
            return decltype(probe())();
        std::this_thread::sleep_for(pollPeriod);
    }
}

double millisecondsBetween(Clock::time_point a, Clock::time_point b)
{
    return std::chrono::duration<double, std::milli>(b - a).count();
}

// Runs a command to its end, as its own process group's leader.
pid_t launch(char **argv)
{
    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        execvp(argv[0], argv);
        std::fprintf(stderr, "startup_probe: cannot run %s: %s\n", argv[0], std::strerror(errno));
        _exit(127);
    }
    return pid;
}

int giveUp(pid_t program, const char *what)
{
    std::fprintf(stderr, "startup_probe: %s\n", what);
    if (program > 0)
        kill(-program, SIGTERM);
    return 1;
}

}  // namespace

int main(int argc, char **argv)
{
    int pressAfterMs = 0;
    if (argc > 2 && std::string_view(argv[1]) == "--press-after") {
        pressAfterMs = std::atoi(argv[2]);
        argc -= 2;
        argv += 2;
    }
    if (argc < 5 || std::string_view(argv[3]) != "--") {
        std::fprintf(stderr, "usage: startup_probe [--press-after MS] FIRST-TITLE SECOND-TITLE -- COMMAND [ARGS...]\n");
        return 2;
    }
    const std::string_view firstTitle = argv[1], secondTitle = argv[2];
    int screenNumber = 0;
    Display d{xcb_connect(nullptr, &screenNumber), XCB_NONE, XCB_NONE};
    if (xcb_connection_has_error(d.connection))
        return giveUp(0, "no display");
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(d.connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    d.root = screens.data->root;
    d.activeWindow = atom(d.connection, "_NET_ACTIVE_WINDOW");

    const auto started = Clock::now();
    const pid_t program = launch(argv + 4);
    const auto first = waitFor([&] { return viewableWindow(d, firstTitle); });
    const auto firstMapped = Clock::now();
    if (!first)
        return giveUp(program, "the first window never showed");

    // The key must reach the first window: wait until the window manager has given it the focus.
    if (!waitFor([&] { return activeWindow(d) == *first; }))
        return giveUp(program, "the first window never got the focus");
    std::this_thread::sleep_for(std::chrono::milliseconds(pressAfterMs));
    char xdotool[] = "xdotool", key[] = "key", enter[] = "Return";
    char *press[] = {xdotool, key, enter, nullptr};
    const pid_t presser = launch(press);
    int status = 0;
    waitpid(presser, &status, 0);
    const auto pressed = Clock::now();  // xdotool has handed the key to the X server
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return giveUp(program, "xdotool could not press Enter");

    const auto second = waitFor([&] { return viewableWindow(d, secondTitle); });
    const auto secondMapped = Clock::now();
    if (!second)
        return giveUp(program, "the second window never showed");

    std::printf("%.1f %.1f %d\n", millisecondsBetween(started, firstMapped), millisecondsBetween(pressed, secondMapped),
                int(program));
    xcb_disconnect(d.connection);
    return 0;
}
