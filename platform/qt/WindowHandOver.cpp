#include "WindowHandOver.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace verbalia {
namespace {

const QByteArray request = "come forward\n";
const QByteArray answer = "ok\n";

QString socketPath(const std::string& folder) { return QString::fromStdString(handOverSocketName(folder)); }

} // namespace

std::string handOverSocketName(const std::string& folder)
{
    std::error_code error;
    const std::filesystem::path real = std::filesystem::canonical(folder, error);
    const std::string key = std::to_string(::getuid()) + ':' + (error ? folder : real.string());
    const QByteArray hash = QCryptographicHash::hash(QByteArray::fromStdString(key), QCryptographicHash::Sha256);
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QString place = runtime.isEmpty() ? QDir::tempPath() : QString::fromLocal8Bit(runtime);
    return (place + QStringLiteral("/verbalia-") + QString::fromLatin1(hash.toHex().left(24))).toStdString();
}

HandOver handOverToRunningWindow(const std::string& folder, QDeadlineTimer deadline, bool retry)
{
    const QString name = socketPath(folder);
    for (;;) {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (socket.waitForConnected(int(deadline.remainingTime()))) {
            socket.write(request);
            socket.waitForBytesWritten(int(deadline.remainingTime()));
            QByteArray got;
            while (!got.contains('\n') && socket.waitForReadyRead(int(deadline.remainingTime()))) got += socket.readAll();
            return got == answer ? HandOver::answered : HandOver::silent;
        }
        if (!retry || deadline.hasExpired()) return HandOver::nobody;
        QThread::msleep(50);
    }
}

WindowHandOverService::WindowHandOverService(const std::string& folder, std::function<void()> comeForward,
                                             QObject* parent)
    : QObject(parent)
    , m_server(new QLocalServer(this))
    , m_comeForward(std::move(comeForward))
{
    const QString name = socketPath(folder);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // Whoever holds the folder runs here: a socket still there is a killed program's.
    if (!m_server->listen(name) && m_server->serverError() == QAbstractSocket::AddressInUseError) {
        QLocalServer::removeServer(name);
        m_server->listen(name);
    }
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine()) return;
                if (socket->readLine() == request) {
                    m_comeForward();
                    socket->write(answer);
                }
                socket->disconnectFromServer();
            });
        }
    });
}

bool WindowHandOverService::listening() const { return m_server->isListening(); }

} // namespace verbalia
