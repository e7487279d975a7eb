#pragma once

// Finding a top-level X window by its title and asking it to close as its
// close box would, for the tools that drive the real program under an X
// server, with or without a window manager.

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace verbalia::x11 {

inline xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}

// The atoms that naming and closing a window take.
struct WindowAtoms {
    explicit WindowAtoms(xcb_connection_t* connection)
        : netWmName(atom(connection, "_NET_WM_NAME"))
        , netWmPid(atom(connection, "_NET_WM_PID"))
        , protocols(atom(connection, "WM_PROTOCOLS"))
        , deleteWindow(atom(connection, "WM_DELETE_WINDOW"))
        , clientList(atom(connection, "_NET_CLIENT_LIST"))
        , closeWindow(atom(connection, "_NET_CLOSE_WINDOW"))
        , supportingWmCheck(atom(connection, "_NET_SUPPORTING_WM_CHECK"))
    {
    }

    xcb_atom_t netWmName;
    xcb_atom_t netWmPid;
    xcb_atom_t protocols;
    xcb_atom_t deleteWindow;
    xcb_atom_t clientList;
    xcb_atom_t closeWindow;
    xcb_atom_t supportingWmCheck;
};

// The raw bytes of a window property, or nothing when it is unset or empty.
inline std::optional<std::string> property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name)
{
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr);
    std::optional<std::string> result;
    if (reply && xcb_get_property_value_length(reply) > 0)
        result = std::string(static_cast<const char*>(xcb_get_property_value(reply)),
                             std::size_t(xcb_get_property_value_length(reply)));
    std::free(reply);
    return result;
}

// The window's title: the UTF-8 name when set, else the legacy one.
inline std::optional<std::string> title(xcb_connection_t* connection, xcb_window_t window, const WindowAtoms& atoms)
{
    std::optional<std::string> name = property(connection, window, atoms.netWmName);
    return name ? name : property(connection, window, XCB_ATOM_WM_NAME);
}

// The programs' top-level windows: the window manager's list of the windows
// it manages when one runs (their frames are the root's children then), else
// the root's children.
inline std::vector<xcb_window_t> topLevelWindows(xcb_connection_t* connection, xcb_window_t root,
                                                 const WindowAtoms& atoms)
{
    std::vector<xcb_window_t> windows;
    if (const std::optional<std::string> managed = property(connection, root, atoms.clientList)) {
        windows.resize(managed->size() / sizeof(xcb_window_t));
        std::memcpy(windows.data(), managed->data(), windows.size() * sizeof(xcb_window_t));
    }
    xcb_query_tree_reply_t* tree = xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr);
    if (tree) {
        const xcb_window_t* children = xcb_query_tree_children(tree);
        windows.insert(windows.end(), children, children + xcb_query_tree_children_length(tree));
    }
    std::free(tree);
    return windows;
}

// A round trip: once answered, the server has taken every request before it.
// A server may drop the requests still unread from a client that
// disconnects, so a tool that sends a message waits for this first.
inline void sync(xcb_connection_t* connection)
{
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

// Sends WM_DELETE_WINDOW, the close box's request, to the window itself.
inline void askToClose(xcb_connection_t* connection, xcb_window_t window, const WindowAtoms& atoms)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atoms.protocols;
    message.data.data32[0] = atoms.deleteWindow;
    message.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(connection, 0, window, XCB_EVENT_MASK_NO_EVENT, reinterpret_cast<const char*>(&message));
    sync(connection);
}

// Asks the window manager to close the window (_NET_CLOSE_WINDOW), as a
// task bar or pager does; the manager then sends the close box's request.
inline void askWindowManagerToClose(xcb_connection_t* connection, xcb_window_t root, xcb_window_t window,
                                    const WindowAtoms& atoms)
{
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atoms.closeWindow;
    message.data.data32[0] = XCB_CURRENT_TIME;
    message.data.data32[1] = 2; // from a pager
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    sync(connection);
}

} // namespace verbalia::x11
