#include "X11WindowFrame.h"

#include "Xcb.h"

#include <chrono>
#include <thread>

namespace verbalia {
namespace {

using xcb::atom;
using xcb::ReplyPtr;

// How long a window manager that takes part may take to state a frame.
constexpr std::chrono::milliseconds answerTime(2000);
constexpr std::chrono::milliseconds pollInterval(5);

std::optional<FrameExtents> statedExtents(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t extents)
{
    const ReplyPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16) return std::nullopt;
    // Left, right, top, bottom.
    const auto* value = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return FrameExtents{int(value[0]), int(value[2]), int(value[1]), int(value[3])};
}

// Whether the window manager says it answers the request (_NET_SUPPORTED).
bool answersRequests(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t request)
{
    const ReplyPtr<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection,
                               xcb_get_property(connection, 0, root, atom(connection, "_NET_SUPPORTED"),
                                                XCB_ATOM_ATOM, 0, 4096),
                               nullptr),
        &std::free);
    if (!reply || reply->format != 32) return false;
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < count; ++i)
        if (atoms[i] == request) return true;
    return false;
}

} // namespace

std::optional<FrameExtents> X11WindowFrame::extents(std::uintptr_t window, bool ask)
{
    xcb_connection_t* connection = xcb::connection();
    if (!connection || !window) return std::nullopt;
    const auto id = xcb_window_t(window);
    const xcb_atom_t frameExtents = atom(connection, "_NET_FRAME_EXTENTS");
    if (std::optional<FrameExtents> stated = statedExtents(connection, id, frameExtents); stated || !ask) return stated;

    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    if (!answersRequests(connection, root, request)) return std::nullopt;
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, root, XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    const auto deadline = std::chrono::steady_clock::now() + answerTime;
    while (std::chrono::steady_clock::now() < deadline) {
        if (std::optional<FrameExtents> stated = statedExtents(connection, id, frameExtents)) return stated;
        std::this_thread::sleep_for(pollInterval);
    }
    return std::nullopt;
}

} // namespace verbalia
