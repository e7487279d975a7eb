// The Qt side of the desktop services, against the real desktop edges: a
// stand-in xdg-open on the PATH, and the application's clipboard.

#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtDesktopOpener.h"
#include "platform/qt/XdgTextViewer.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace verbalia {
namespace {

// A stand-in xdg-open, the only program on the PATH while it lives, that runs
// the given shell commands.
class StandInOpener {
public:
    explicit StandInOpener(const char* commands) : m_savedPath(qgetenv("PATH"))
    {
        QFile script(path());
        script.open(QIODevice::WriteOnly);
        script.write(QByteArray("#!/bin/sh\nPATH=/usr/bin:/bin\n") + commands);
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", m_folder.path().toUtf8());
    }
    ~StandInOpener() { qputenv("PATH", m_savedPath); }

    QString path() const { return m_folder.filePath(QStringLiteral("xdg-open")); }

private:
    QTemporaryDir m_folder;
    QByteArray m_savedPath;
};

} // namespace

class QtServicesTest : public QObject {
    Q_OBJECT

private slots:
    // The opener records the arguments it was given.
    void theTextViewerOpensThePathAsOneArgument()
    {
        StandInOpener opener("printf '%s\\n' \"$#\" \"$1\" > \"$0.args.tmp\"\nmv \"$0.args.tmp\" \"$0.args\"\n");
        XdgTextViewer viewer;
        QVERIFY(viewer.available());
        const std::string path = QFileInfo(opener.path()).path().toStdString() + "/read me; \"now\" it's $HOME.txt";
        QVERIFY(viewer.open(path));
        QTRY_VERIFY(QFile::exists(opener.path() + QStringLiteral(".args")));
        QFile args(opener.path() + QStringLiteral(".args"));
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(args.readAll().toStdString(), "1\n" + path + "\n");

        qputenv("PATH", "/nonexistent");
        QVERIFY(!viewer.available());
        QVERIFY(!viewer.open(path));
    }

    // xdg-open ends with an error when no browser or mail program answers.
    void anAddressFailsWhenTheOpenerEndsWithAnError()
    {
        for (const auto& [commands, fails] : {std::pair{"exit 0\n", false}, {"exit 3\n", true}}) {
            StandInOpener opener(commands);
            bool failed = false;
            QtDesktopOpener().open("https://example.org/", [&] { failed = true; });
            QTRY_VERIFY(qApp->findChildren<QProcess*>().isEmpty()); // the opener has ended
            QCOMPARE(failed, fails);
        }
        StandInOpener opener("");
        qputenv("PATH", "/nonexistent");
        bool failed = false;
        QtDesktopOpener().open("https://example.org/", [&] { failed = true; }); // no xdg-open at all
        QVERIFY(failed);
    }

    void theClipboardGetsTheDesktopsLineEnds()
    {
        QtClipboard clipboard;
        clipboard.setText("one\r\ntwo\r\n");
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("one\ntwo\n"));
    }
};

} // namespace verbalia

QTEST_MAIN(verbalia::QtServicesTest)
#include "qt_services_qtest.moc"
