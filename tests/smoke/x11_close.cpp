// Waits for a top-level X window whose title starts with the given text,
// prints the title, and asks the window to close as the close box would.
// Usage: x11_close TITLE-PREFIX SECONDS

#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

std::optional<std::string> title(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property)
{
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
    std::optional<std::string> result;
    if (reply && xcb_get_property_value_length(reply) > 0)
        result = std::string(static_cast<const char*>(xcb_get_property_value(reply)),
                             std::size_t(xcb_get_property_value_length(reply)));
    std::free(reply);
    return result;
}

} // namespace

int main(int argc, char* argv[])
{
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
    const xcb_atom_t netWmName = atom(connection, "_NET_WM_NAME");
    const xcb_atom_t protocols = atom(connection, "WM_PROTOCOLS");
    const xcb_atom_t deleteWindow = atom(connection, "WM_DELETE_WINDOW");

    while (std::chrono::steady_clock::now() < deadline) {
        xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr);
        const xcb_window_t* children = tree ? xcb_query_tree_children(tree) : nullptr;
        const int count = tree ? xcb_query_tree_children_length(tree) : 0;
        for (int i = 0; i < count; ++i) {
            std::optional<std::string> name = title(connection, children[i], netWmName);
            if (!name) name = title(connection, children[i], XCB_ATOM_WM_NAME);
            if (!name || name->compare(0, prefix.size(), prefix) != 0) continue;

            std::printf("%s\n", name->c_str());
            xcb_client_message_event_t message{};
            message.response_type = XCB_CLIENT_MESSAGE;
            message.format = 32;
            message.window = children[i];
            message.type = protocols;
            message.data.data32[0] = deleteWindow;
            message.data.data32[1] = XCB_CURRENT_TIME;
            xcb_send_event(connection, 0, children[i], XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
            xcb_flush(connection);
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
