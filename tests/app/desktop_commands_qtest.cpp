// The File and Help menu commands that talk to the desktop, and the start-up
// steps that apply them.

#include "WindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

using namespace verbalia;

namespace {

QAction* entry(TMainForm1& window, const char* name) { return window.findChild<QAction*>(QString::fromLatin1(name)); }

std::vector<std::string> shownTexts(const FakeMessageBoxes& messages)
{
    std::vector<std::string> texts;
    for (const auto& box : messages.shown) texts.push_back(box.text);
    return texts;
}

} // namespace

class DesktopCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void alwaysOnTopTwiceReturnsWhereItWas()
    {
        WindowFixture fixture;
        fixture.writeFile("verbalia.ini", "[verbalia]\r\nAlways_on_Top_Option=1\r\n");
        TMainForm1& window = fixture.start();
        FakeWindowManager& manager = fixture.services.get<FakeWindowManager>();
        QAction* onTop = entry(window, "Always_On_Top_Option");
        QVERIFY(onTop->isChecked() && manager.keepAbove); // the stored mark is applied at start-up

        const QRect bounds = window.frameGeometry();
        onTop->trigger();
        QVERIFY(!onTop->isChecked() && !manager.keepAbove);
        onTop->trigger();
        QVERIFY(onTop->isChecked() && manager.keepAbove);
        QCOMPARE(window.frameGeometry(), bounds);
    }

    void autoRunMenuKeepsItsMarkOnFailure()
    {
        WindowFixture fixture;
        FakeAutostartList& autostart = fixture.services.get<FakeAutostartList>();
        autostart.configFolderExists = false;
        fixture.writeFile("verbalia.ini", "[verbalia]\r\nAuto_Run_at_Windows_Startup_Option=1\r\n");
        TMainForm1& window = fixture.start();
        QAction* autoRun = entry(window, "Auto_Run_at_Windows_Startup_Option");
        QVERIFY(!autoRun->isChecked()); // the list decides, not the settings

        autoRun->trigger();
        QVERIFY(!autoRun->isChecked());
        QCOMPARE(fixture.messages.shown.size(), std::size_t(1));
        QCOMPARE(fixture.messages.shown[0].kind, MessageKind::Error);

        autostart.configFolderExists = true;
        autoRun->trigger();
        QVERIFY(autoRun->isChecked());
        autostart.entries.clear(); // removed by someone else
        autoRun->trigger();
        QVERIFY(!autoRun->isChecked());
        QCOMPARE(fixture.messages.shown.back().text,
                 std::string("This program (verbalia) will now no-longer run automatically at Windows Start-Up."));
    }

    // An entry differing in letter case is the program's own; one pointing
    // elsewhere is asked about, and the mark stays checked whatever happens,
    // even when updating the entry fails inside the list.
    void autoRunAtStartUpFollowsTheList()
    {
        struct Case {
            bool elsewhere;
            Answer answer;
            bool writesFail;
            std::size_t boxes;
        };
        for (const Case& c : {Case{false, Answer::No, false, 0}, Case{true, Answer::No, false, 1},
                              Case{true, Answer::Yes, true, 2}}) {
            WindowFixture fixture;
            FakeAutostartList& autostart = fixture.services.get<FakeAutostartList>();
            std::string path = c.elsewhere ? "/old/verbalia" : fixture.pathOf("verbalia");
            for (char& letter : path) letter = char(std::toupper(static_cast<unsigned char>(letter)));
            autostart.entries["verbalia"] = path;
            autostart.writesFail = c.writesFail;
            fixture.messages.scriptAnswers({c.answer});
            TMainForm1& window = fixture.start();
            QVERIFY(entry(window, "Auto_Run_at_Windows_Startup_Option")->isChecked());
            QCOMPARE(fixture.messages.shown.size(), c.boxes);
            if (c.writesFail) QCOMPARE(fixture.messages.shown[1].text, std::string("Failed to set data for 'verbalia'"));
            QCOMPARE(window.windowTitle(), QStringLiteral("Verbalia - v1.4f - 938 words.")); // start-up finished
        }
    }

    void restoreFactoryDefaults()
    {
        WindowFixture fixture;
        const std::string stored = "[verbalia]\r\nwindow_top_posn=100\r\nwindow_left_posn=120\r\nwindow_Width=700\r\n"
                                   "window_Height=600\r\nAlways_on_Top_Option=1\r\nExcluded_Letters_Edit=qz\r\n"
                                   "PageControl1=2\r\n";
        fixture.writeFile("verbalia.ini", stored);
        fixture.writeFile("verbalia.wcs", "a??le\r\n");
        fixture.writeFile("wordlist.dat", "apple\r\npie\r\n");
        FakeAutostartList& autostart = fixture.services.get<FakeAutostartList>();
        autostart.entries["verbalia"] = fixture.pathOf("verbalia");
        FakeFileAttributes& attributes = fixture.services.get<FakeFileAttributes>();
        TMainForm1& window = fixture.start();
        QAction* restore = entry(window, "Restore_Factory_Defaults_Option");
        auto* excluded = window.findChild<QLineEdit*>(QStringLiteral("Excluded_Letters_Edit"));

        fixture.messages.scriptAnswers({Answer::No});
        restore->trigger();
        QCOMPARE(fixture.messages.shown.back().kind, MessageKind::Warning);
        QCOMPARE(fixture.readFile("verbalia.ini"), stored);
        QCOMPARE(excluded->text(), QStringLiteral("qz"));

        attributes.held.insert(fixture.pathOf("verbalia.ini")); // open in another program: kept and read again
        fixture.messages.scriptAnswers({Answer::Yes});
        restore->trigger();
        QCOMPARE(fixture.readFile("verbalia.ini"), stored);
        QCOMPARE(excluded->text(), QStringLiteral("qz"));

        attributes.held.clear();
        attributes.readOnly[fixture.pathOf("verbalia.ini")] = true;
        fixture.messages.scriptAnswers({Answer::Yes});
        restore->trigger();
        QVERIFY(!fixture.fileExists("verbalia.ini"));
        QCOMPARE(window.frameGeometry(), QRect(5, 5, 620, 508));
        QCOMPARE(window.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->currentIndex(), 0);
        QVERIFY(excluded->text().isEmpty());
        QVERIFY(!entry(window, "Always_On_Top_Option")->isChecked());
        QVERIFY(!fixture.services.get<FakeWindowManager>().keepAbove);
        QVERIFY(entry(window, "Auto_Run_at_Windows_Startup_Option")->isChecked());
        QCOMPARE(window.findChild<QComboBox*>(QStringLiteral("Wildcard_Search_ComboBox"))->itemText(0), QStringLiteral("a??le"));
        QCOMPARE(fixture.readFile("wordlist.dat"), std::string("apple\r\npie\r\n"));
        QCOMPARE(autostart.entries["verbalia"], fixture.pathOf("verbalia"));
    }

    void readmeAndCatalog()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        entry(window, "View_Readme_file_Option")->trigger();
        entry(window, "View_Shareware_Catalog_Option")->trigger();
        QCOMPARE(fixture.services.get<FakeTextViewer>().opened, std::vector<std::string>{fixture.pathOf("verbalia.txt")});
        QCOMPARE(shownTexts(fixture.messages),
                 std::vector<std::string>{"Tarnwick's Shareware Catalog is not in the same directory as Verbalia - v1.4f.  "
                                          "The required file 'catalog.txt' was included in the distribution ZIP file.  "
                                          "Please unzip this file and try again."});
    }
};

QTEST_MAIN(DesktopCommandsTest)
#include "desktop_commands_qtest.moc"
