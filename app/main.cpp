#include "app/core/CommandLine.h"
#include "MainForm.h"

#include "DesktopServices.h"
#include "about/AboutBox.h"
#include "platform/CodePage.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QFile>
#include <QIcon>
#include <QSessionManager>

#include <iostream>

int main(int argc, char* argv[])
{
    using namespace verbalia;
    // Options that need no window are done before Qt sees a display.
    if (const std::optional<int> status = runCommandLine({argv + 1, argv + argc}, std::cout, std::cerr)) return *status;
    QApplication application(argc, argv);
    application.setWindowIcon(QIcon(QFile::decodeName(QByteArray::fromStdString(programFolder() + "verbalia.png"))));

    DesktopServices services(programFolder(), executableName());
    MessageBoxes& messages = services.messages;
    // One window per program folder, and per word list file: two would each
    // save over the other's words.
    const std::string wordList = programFolder() + "wordlist.dat";
    if (const WindowLock lock = lockProgramFolder(programFolder(), wordList); lock != WindowLock::taken) {
        messages.show(MessageKind::Information,
                      (lock == WindowLock::folderHeld
                           ? "Verbalia is already running from the folder " + codepage::fromUtf8(programFolder())
                           : "Verbalia is already running with the word list " + codepage::fromUtf8(wordList)) +
                          "\r\n\r\nOnly one window at a time can use its word list.");
        return 0;
    }
    // Temporary files of saves that a crash cut short, and files that a crash
    // left half rewritten in place.
    services.files.removeLeftovers(programFolder());
    for (const InterruptedRewrite& rewrite : finishInterruptedRewrites())
        messages.show(MessageKind::Warning, rewrite.message());
    TMainForm1 mainForm(services.platform());
    services.messages.setParent(&mainForm);
    services.fileDialog.setParent(&mainForm);
    services.windowManager.setWindow(&mainForm);
    TAboutBox aboutBox(services.platform(), &mainForm);
    mainForm.setAboutBox(&aboutBox);

    // The end of the desktop session closes the window like its close box,
    // so the settings and a changed list are saved.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &mainForm, [&mainForm] { mainForm.close(); });

    // A close request during the start-up sequence (a message box's own
    // event loop lets one through) ends the window before the event loop runs.
    mainForm.show();
    if (!mainForm.isVisible()) return 0;
    return application.exec();
}
