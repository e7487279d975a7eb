// Waits for a top-level X window whose title starts with the given text and
// reports: the wall-clock time in microseconds since the epoch at which the
// title appeared, the time at which the window was first mapped (shown), the
// owning process (_NET_WM_PID), and that process's peak and current resident
// memory in kB (VmHWM, VmRSS) read the moment the title appeared; then the
// title. Once the window is mapped it asks it to close as the close box would
// (the program handles no close request before its window is on screen).
//
// It listens rather than polls: creation and mapping of windows under the
// root, and title changes on each new top-level window. "ready" is printed
// once it listens, so that the program can be started after it without a
// race.
//
// Usage: x11_title_wait TITLE-PREFIX SECONDS
// Output: ready
//         TITLE_US MAPPED_US PID VMHWM_KB VMRSS_KB TITLE

#include "smoke/X11Windows.h"

#include <poll.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>

namespace {

using namespace verbalia;

std::int64_t wallClockMicroseconds()
{
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// A "Name:   1234 kB" field of /proc/PID/status, in kB; -1 when absent.
long statusKb(std::uint32_t pid, const std::string& name)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.compare(0, name.size() + 1, name + ":") == 0) return std::atol(line.c_str() + name.size() + 1);
    return -1;
}

std::uint32_t windowPid(xcb_connection_t* connection, xcb_window_t window, const x11::WindowAtoms& atoms)
{
    const std::optional<std::string> value = x11::property(connection, window, atoms.netWmPid);
    std::uint32_t pid = 0;
    if (value && value->size() >= sizeof pid) std::memcpy(&pid, value->data(), sizeof pid);
    return pid;
}

void listenForTitle(xcb_connection_t* connection, xcb_window_t window)
{
    const std::uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(connection, window, XCB_CW_EVENT_MASK, &mask);
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: x11_title_wait TITLE-PREFIX SECONDS\n");
        return 64;
    }
    const std::string prefix = argv[1];
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[2]));

    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "x11_title_wait: cannot connect to the X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const x11::WindowAtoms atoms(connection);

    const std::uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &rootMask);
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr);
    if (tree) {
        const xcb_window_t* children = xcb_query_tree_children(tree);
        for (int i = 0; i < xcb_query_tree_children_length(tree); ++i) listenForTitle(connection, children[i]);
    }
    std::free(tree);
    // A round trip: once answered, the server has taken every request above.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    std::printf("ready\n");
    std::fflush(stdout);

    // Set once the title matches.
    xcb_window_t window = XCB_WINDOW_NONE;
    std::int64_t titled = 0;
    std::uint32_t pid = 0;
    long peak = -1;
    long resident = -1;
    std::string name;

    const auto checkTitle = [&](xcb_window_t candidate, std::int64_t seen) {
        const std::optional<std::string> text = x11::title(connection, candidate, atoms);
        if (!text || text->compare(0, prefix.size(), prefix) != 0) return;
        window = candidate;
        titled = seen;
        pid = windowPid(connection, candidate, atoms);
        peak = pid ? statusKb(pid, "VmHWM") : -1;
        resident = pid ? statusKb(pid, "VmRSS") : -1;
        name = *text;
    };
    // Reports and closes the window.
    const auto finish = [&](std::int64_t mapped) {
        std::printf("%lld %lld %u %ld %ld %s\n", static_cast<long long>(titled), static_cast<long long>(mapped), pid,
                    peak, resident, name.c_str());
        std::fflush(stdout);
        x11::askToClose(connection, window, atoms);
        xcb_disconnect(connection);
        return 0;
    };
    const auto isMapped = [&](xcb_window_t candidate) {
        xcb_get_window_attributes_reply_t* reply = xcb_get_window_attributes_reply(
            connection, xcb_get_window_attributes(connection, candidate), nullptr);
        const bool mapped = reply && reply->map_state != XCB_MAP_STATE_UNMAPPED;
        std::free(reply);
        return mapped;
    };

    const xcb_atom_t legacyName = XCB_ATOM_WM_NAME;
    while (true) {
        xcb_generic_event_t* event = xcb_poll_for_event(connection);
        if (!event) {
            if (xcb_connection_has_error(connection)) break;
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) break;
            pollfd ready{xcb_get_file_descriptor(connection), POLLIN, 0};
            ::poll(&ready, 1, int(left.count()));
            continue;
        }
        const std::int64_t seen = wallClockMicroseconds();
        const std::uint8_t type = event->response_type & 0x7f;
        xcb_window_t mappedWindow = XCB_WINDOW_NONE;
        if (window == XCB_WINDOW_NONE && type == XCB_CREATE_NOTIFY) {
            const auto* created = reinterpret_cast<const xcb_create_notify_event_t*>(event);
            if (created->parent == root) {
                listenForTitle(connection, created->window);
                // The title may have been set before the listening began.
                checkTitle(created->window, seen);
            }
        } else if (window == XCB_WINDOW_NONE && type == XCB_PROPERTY_NOTIFY) {
            const auto* changed = reinterpret_cast<const xcb_property_notify_event_t*>(event);
            if (changed->state == XCB_PROPERTY_NEW_VALUE &&
                (changed->atom == atoms.netWmName || changed->atom == legacyName))
                checkTitle(changed->window, seen);
        } else if (type == XCB_MAP_NOTIFY) {
            mappedWindow = reinterpret_cast<const xcb_map_notify_event_t*>(event)->window;
        }
        std::free(event);

        if (window == XCB_WINDOW_NONE) continue;
        if (mappedWindow == window) return finish(seen);
        // Titled after it was mapped: it is on screen already.
        if (titled == seen && isMapped(window)) return finish(seen);
    }
    std::fprintf(stderr, "x11_title_wait: no window titled '%s...' appeared\n", prefix.c_str());
    xcb_disconnect(connection);
    return 1;
}
