#include "app/core/CommandLine.h"
#include "MainForm.h"

#include "DesktopServices.h"
#include "about/AboutBox.h"
#include "platform/CodePage.h"
#include "platform/ProgramFolder.h"
#include "platform/qt/WindowHandOver.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QSessionManager>
#include <QSocketNotifier>

#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <iostream>
#include <memory>
#include <set>
#include <unistd.h>

namespace {

// The window while the event loop runs, for a process that ends without a
// close (the display gone makes Qt call exit()).
verbalia::TMainForm1* runningWindow = nullptr;

// SIGTERM, SIGHUP and SIGINT reach the window's thread through a pipe.
int signalPipe[2] = {-1, -1};

void signalled(int)
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
}

bool catchEndSignals()
{
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return false;
    struct sigaction action {};
    action.sa_handler = signalled;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : {SIGTERM, SIGHUP, SIGINT}) ::sigaction(signal, &action, nullptr);
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace verbalia;
    // Options that need no window are done before Qt sees a display.
    if (const std::optional<int> status = runCommandLine({argv + 1, argv + argc}, std::cout, std::cerr)) return *status;
    std::optional<FileLocations> locations = fileLocations();
    if (!locations) {
        std::cerr << "verbalia: no home folder: HOME is not set and the user database names none\n";
        return 1;
    }
    QApplication application(argc, argv);
    application.setWindowIcon(QIcon(QFile::decodeName(QByteArray::fromStdString(locations->icon))));

    DesktopServices services(std::move(*locations), executableName());
    const FileLocations& where = services.locations;
    QtMessageBoxes& messages = services.messages;
    // The folders a system install keeps the user's files in, made at the first start.
    const std::set<std::string> userFolders = {where.dataFolder, where.configFolder, where.stateFolder};
    for (const std::string& folder : userFolders) makeFolders(folder);
    // A second start brings the window running from its folder to the front
    // and ends. The locks are the safety net: one window per data folder,
    // and per word list file, as two would each save over the other's words.
    const QDeadlineTimer answerDeadline(2000);
    HandOver handOver = handOverToRunningWindow(where.dataFolder, answerDeadline, false);
    if (handOver == HandOver::answered) return 0;
    const std::string wordList = where.wordList();
    if (const WindowLock lock = lockProgramFolder(where.dataFolder, wordList); lock != WindowLock::taken) {
        // A window starting up holds the folder before it listens.
        if (lock == WindowLock::folderHeld && handOver == HandOver::nobody)
            handOver = handOverToRunningWindow(where.dataFolder, answerDeadline, true);
        if (handOver == HandOver::answered) return 0;
        // Seen even over a window kept above the others.
        messages.setKeepAbove(true);
        messages.show(MessageKind::Information,
                      (lock == WindowLock::folderHeld
                           ? "Verbalia is already running from the folder " + codepage::fromUtf8(where.dataFolder)
                           : "Verbalia is already running with the word list " + codepage::fromUtf8(wordList)) +
                          "\r\n\r\nOnly one window at a time can use its word list.");
        return 0;
    }
    // Listening before the start-up's messages: a start meanwhile ends at once.
    WindowHandOverService handOverService(where.dataFolder, [&services] { services.windowManager.bringToFront(); });
    if (const std::optional<std::string> problem = provideWordList(where))
        messages.show(MessageKind::Warning, codepage::fromUtf8(*problem));
    // Temporary files of saves that a crash cut short, and files that a crash
    // left half rewritten in place.
    for (const std::string& folder : userFolders) services.files.removeLeftovers(folder);
    for (const InterruptedRewrite& rewrite : finishInterruptedRewrites())
        messages.show(MessageKind::Warning, rewrite.message());
    TMainForm1 mainForm(services.platform());
    services.messages.setParent(&mainForm);
    services.fileDialog.setParent(&mainForm);
    services.windowManager.setWindow(&mainForm);
    TAboutBox aboutBox(services.platform(), &mainForm);
    mainForm.setAboutBox(&aboutBox);

    // A close that cannot be refused asks nothing and keeps a changed list
    // in the state folder: the end of the desktop session, a signal, a quit
    // that passes the close by, the display gone.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &mainForm, &TMainForm1::closeUnasked);
    QObject::connect(&application, &QCoreApplication::aboutToQuit, &mainForm, &TMainForm1::processEnding);
    std::unique_ptr<QSocketNotifier> endSignals;
    if (catchEndSignals()) {
        endSignals = std::make_unique<QSocketNotifier>(signalPipe[0], QSocketNotifier::Read);
        QObject::connect(endSignals.get(), &QSocketNotifier::activated, &mainForm, [&mainForm] {
            char byte;
            while (::read(signalPipe[0], &byte, 1) > 0) {}
            mainForm.closeUnasked();
            // Ends a message box's event loop too.
            QCoreApplication::exit(0);
        });
    }
    runningWindow = &mainForm;
    std::atexit([] {
        if (runningWindow) runningWindow->processEnding();
    });

    // A close request during the start-up sequence (a message box's own
    // event loop lets one through) ends the window before the event loop runs.
    mainForm.show();
    const int status = mainForm.isVisible() ? application.exec() : 0;
    runningWindow = nullptr;
    return status;
}
