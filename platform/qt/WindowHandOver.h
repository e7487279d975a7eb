#pragma once

#include <QDeadlineTimer>
#include <QObject>

#include <functional>
#include <string>

class QLocalServer;

namespace verbalia {

// What a second start found on the program folder's local socket.
enum class HandOver {
    answered, // a window running from the folder took the request
    nobody,   // no window listens there
    silent,   // one listens but gave no answer in time
};

// The local socket through which a second start of the program hands over
// to the window running from the same folder. Its name is a hash of the
// folder's real path and the user, in the user's runtime folder.
std::string handOverSocketName(const std::string& folder);

// A second start's side: asks the window running from the folder to come
// to the front, waiting for its answer until the deadline. With `retry`, a
// folder where nobody listens yet is asked again until then (a window just
// starting, that holds the folder but is not yet listening).
HandOver handOverToRunningWindow(const std::string& folder, QDeadlineTimer deadline, bool retry);

// The running window's side: listens on the folder's socket, taking over a
// socket left by a program that was killed, and calls comeForward for each
// request before it answers.
class WindowHandOverService final : public QObject {
public:
    WindowHandOverService(const std::string& folder, std::function<void()> comeForward, QObject* parent = nullptr);
    bool listening() const;

private:
    QLocalServer* m_server;
    std::function<void()> m_comeForward;
};

} // namespace verbalia
