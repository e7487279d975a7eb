#include "QtDesktopOpener.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStandardPaths>

namespace verbalia {

void QtDesktopOpener::open(const std::string& address, std::function<void()> failed)
{
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        failed();
        return;
    }
    // Owned by the application, so an opener still waiting at exit is ended
    // with it instead of being left behind.
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished, process,
                     [process, failed](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0) failed();
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, process, [process, failed](QProcess::ProcessError error) {
        if (error != QProcess::FailedToStart) return;
        failed();
        process->deleteLater();
    });
    process->start(opener, {QString::fromLatin1(address)});
}

} // namespace verbalia
