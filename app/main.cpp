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
    // One window per program folder: two would each save over the other's words.
    if (!lockProgramFolder(programFolder())) {
        messages.show(MessageKind::Information, "Verbalia is already running from the folder " +
                                                    codepage::fromUtf8(programFolder()) +
                                                    "\r\n\r\nOnly one window at a time can use its word list.");
        return 0;
    }
    // Temporary files of saves that a crash cut short, and files that a crash
    // left half rewritten in place.
    services.files.removeLeftovers(programFolder());
    for (const InterruptedRewrite& rewrite : finishInterruptedRewrites()) {
        const std::string file = codepage::fromUtf8(rewrite.path);
        messages.show(MessageKind::Warning,
                      rewrite.restored ? "The last save of " + file +
                                             " was cut short.  The file has been restored as it was before that save."
                                       : "The last save of " + file + " was cut short, and the file could not be "
                                             "restored.  Its content from before that save is kept in:\r\n\r\n" +
                                             codepage::fromUtf8(rewrite.copy));
    }
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
