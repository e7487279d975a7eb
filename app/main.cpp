#include "MainForm.h"

#include "about/AboutBox.h"
#include "platform/FileSystem.h"
#include "platform/IcuCollation.h"
#include "platform/IcuNumberFormat.h"
#include "platform/LaunchShowState.h"
#include "platform/ProgramFolder.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtMessageBoxes.h"

#include <QApplication>
#include <QSessionManager>

int main(int argc, char* argv[])
{
    using namespace verbalia;
    QApplication application(argc, argv);

    QtMessageBoxes messages;
    QtClipboard clipboard;
    DiskFileSystem files;
    IcuCollation collation;
    IcuNumberFormat numbers;
    DesktopLaunchShowState launch;

    TMainForm1 mainForm({messages, clipboard, files, collation, numbers, launch, programFolder()});
    messages.setParent(&mainForm);
    TAboutBox aboutBox(&mainForm);
    mainForm.setAboutBox(&aboutBox);

    // The end of the desktop session closes the window like its close box,
    // so the settings and a changed list are saved.
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &mainForm, [&mainForm] { mainForm.close(); });

    // The start-up sequence lets events through, so a close request can end
    // the window before the event loop runs.
    mainForm.show();
    if (!mainForm.isVisible()) return 0;
    return application.exec();
}
