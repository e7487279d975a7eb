#include "platform/qt/XdgTextViewer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace verbalia {

class XdgTextViewerTest : public QObject {
    Q_OBJECT

private slots:
    // A stand-in opener on the PATH records the arguments it was given.
    void opensThePathAsOneArgument()
    {
        QTemporaryDir folder;
        const QString opener = folder.filePath(QStringLiteral("xdg-open"));
        QFile script(opener);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\nPATH=/usr/bin:/bin\nprintf '%s\\n' \"$#\" \"$1\" > \"$0.args.tmp\"\n"
                     "mv \"$0.args.tmp\" \"$0.args\"\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray savedPath = qgetenv("PATH");

        qputenv("PATH", folder.path().toUtf8());
        XdgTextViewer viewer;
        QVERIFY(viewer.available());
        const std::string path = folder.path().toStdString() + "/read me; \"now\" it's $HOME.txt";
        QVERIFY(viewer.open(path));
        QTRY_VERIFY(QFile::exists(opener + QStringLiteral(".args")));
        QFile args(opener + QStringLiteral(".args"));
        QVERIFY(args.open(QIODevice::ReadOnly));
        QCOMPARE(args.readAll().toStdString(), "1\n" + path + "\n");

        qputenv("PATH", "/nonexistent");
        QVERIFY(!viewer.available());
        QVERIFY(!viewer.open(path));
        qputenv("PATH", savedPath);
    }
};

} // namespace verbalia

QTEST_GUILESS_MAIN(verbalia::XdgTextViewerTest)
#include "xdg_text_viewer_qtest.moc"
