// Waits for a top-level X window whose title starts with the given text,
// prints the title, and asks the window to close as the close box would.
//
// Usage: x11_close TITLE-PREFIX SECONDS [OPTION...]
//   --shown-for MS              close MS milliseconds after the window is on screen
//   --through-window-manager    ask the window manager to close it, as a task bar does
//   --print-client-area         print the window's client area on the screen before
//                               closing it: LEFT TOP WIDTH HEIGHT
//        x11_close --await-window-manager SECONDS
//   waits until a window manager runs.

#include "X11Windows.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

using namespace verbalia;
using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds pollInterval(20);

struct Options {
    std::string prefix;
    int seconds = 0;
    int shownForMs = -1; // close at once when the title appears
    bool throughWindowManager = false;
    bool printClientArea = false;
    bool awaitWindowManager = false;
};

std::optional<Options> parse(int argc, char* argv[])
{
    Options options;
    if (argc == 3 && std::string(argv[1]) == "--await-window-manager") {
        options.awaitWindowManager = true;
        options.seconds = std::atoi(argv[2]);
        return options;
    }
    if (argc < 3) return std::nullopt;
    options.prefix = argv[1];
    options.seconds = std::atoi(argv[2]);
    for (int i = 3; i < argc; ++i) {
        const std::string option = argv[i];
        if (option == "--shown-for" && i + 1 < argc) options.shownForMs = std::atoi(argv[++i]);
        else if (option == "--through-window-manager") options.throughWindowManager = true;
        else if (option == "--print-client-area") options.printClientArea = true;
        else return std::nullopt;
    }
    return options;
}

bool isViewable(xcb_connection_t* connection, xcb_window_t window)
{
    xcb_get_window_attributes_reply_t* reply =
        xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr);
    const bool viewable = reply && reply->map_state == XCB_MAP_STATE_VIEWABLE;
    std::free(reply);
    return viewable;
}

void printClientArea(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window)
{
    xcb_translate_coordinates_reply_t* origin =
        xcb_translate_coordinates_reply(connection, xcb_translate_coordinates(connection, window, root, 0, 0), nullptr);
    xcb_get_geometry_reply_t* size = xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr);
    if (origin && size) std::printf("%d %d %d %d\n", origin->dst_x, origin->dst_y, size->width, size->height);
    std::free(origin);
    std::free(size);
}

} // namespace

int main(int argc, char* argv[])
{
    const std::optional<Options> options = parse(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: x11_close TITLE-PREFIX SECONDS [--shown-for MS] [--through-window-manager] "
                             "[--print-client-area]\n       x11_close --await-window-manager SECONDS\n");
        return 64;
    }
    const auto deadline = Clock::now() + std::chrono::seconds(options->seconds);

    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "x11_close: cannot connect to the X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const x11::WindowAtoms atoms(connection);
    const auto finish = [connection](int status) {
        xcb_disconnect(connection);
        return status;
    };

    if (options->awaitWindowManager) {
        while (Clock::now() < deadline) {
            if (x11::property(connection, root, atoms.supportingWmCheck)) return finish(0);
            std::this_thread::sleep_for(pollInterval);
        }
        std::fprintf(stderr, "x11_close: no window manager started\n");
        return finish(1);
    }

    xcb_window_t window = XCB_WINDOW_NONE;
    while (window == XCB_WINDOW_NONE && Clock::now() < deadline) {
        for (const xcb_window_t candidate : x11::topLevelWindows(connection, root, atoms)) {
            const std::optional<std::string> name = x11::title(connection, candidate, atoms);
            if (!name || name->compare(0, options->prefix.size(), options->prefix) != 0) continue;
            std::printf("%s\n", name->c_str());
            window = candidate;
            break;
        }
        if (window == XCB_WINDOW_NONE) std::this_thread::sleep_for(pollInterval);
    }
    if (window == XCB_WINDOW_NONE) {
        std::fprintf(stderr, "x11_close: no window titled '%s...' appeared\n", options->prefix.c_str());
        return finish(1);
    }

    if (options->shownForMs >= 0) {
        while (!isViewable(connection, window)) {
            if (Clock::now() >= deadline) {
                std::fprintf(stderr, "x11_close: the window never came on screen\n");
                return finish(1);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(options->shownForMs));
    }
    if (options->printClientArea) printClientArea(connection, root, window);
    std::fflush(stdout);
    if (options->throughWindowManager)
        x11::askWindowManagerToClose(connection, root, window, atoms);
    else
        x11::askToClose(connection, window, atoms);
    return finish(0);
}
