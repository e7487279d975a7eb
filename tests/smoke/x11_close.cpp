// Waits for a top-level X window whose title starts with the given text,
// prints the title, and asks the window to close as the close box would.
// Usage: x11_close TITLE-PREFIX SECONDS

#include "X11Windows.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

int main(int argc, char* argv[])
{
    using namespace verbalia;
    if (argc != 3) {
        std::fprintf(stderr, "usage: x11_close TITLE-PREFIX SECONDS\n");
        return 64;
    }
    const std::string prefix = argv[1];
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[2]));

    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "x11_close: cannot connect to the X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const x11::WindowAtoms atoms(connection);

    while (std::chrono::steady_clock::now() < deadline) {
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr);
        const xcb_window_t* children = tree ? xcb_query_tree_children(tree) : nullptr;
        const int count = tree ? xcb_query_tree_children_length(tree) : 0;
        for (int i = 0; i < count; ++i) {
            const std::optional<std::string> name = x11::title(connection, children[i], atoms);
            if (!name || name->compare(0, prefix.size(), prefix) != 0) continue;

            std::printf("%s\n", name->c_str());
            x11::askToClose(connection, children[i], atoms);
            std::free(tree);
            xcb_disconnect(connection);
            return 0;
        }
        std::free(tree);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    std::fprintf(stderr, "x11_close: no window titled '%s...' appeared\n", prefix.c_str());
    xcb_disconnect(connection);
    return 1;
}
