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
#include <set>

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
    MessageBoxes& messages = services.messages;
    // The folders a system install keeps the user's files in, made at the first start.
    const std::set<std::string> userFolders = {where.dataFolder, where.configFolder, where.stateFolder};
    for (const std::string& folder : userFolders) makeFolders(folder);
    // One window per data folder, and per word list file: two would each
    // save over the other's words.
    const std::string wordList = where.wordList();
    if (const WindowLock lock = lockProgramFolder(where.dataFolder, wordList); lock != WindowLock::taken) {
        messages.show(MessageKind::Information,
                      (lock == WindowLock::folderHeld
                           ? "Verbalia is already running from the folder " + codepage::fromUtf8(where.dataFolder)
                           : "Verbalia is already running with the word list " + codepage::fromUtf8(wordList)) +
                          "\r\n\r\nOnly one window at a time can use its word list.");
        return 0;
    }
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

    // The end of the desktop session closes the window like its close box,
    // so the settings and a changed list are saved.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &mainForm, [&mainForm] { mainForm.close(); });

    // A close request during the start-up sequence (a message box's own
    // event loop lets one through) ends the window before the event loop runs.
    mainForm.show();
    if (!mainForm.isVisible()) return 0;
    return application.exec();
}
