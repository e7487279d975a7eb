// The File and Help menu commands in the window: their check marks, the
// start-up steps that apply them, and Restore Factory Defaults. Their
// messages are tested with the plain logic (desktop_integration_test).

#include "WindowControls.h"
#include "WindowFixture.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

using namespace verbalia;

namespace {

QAction* entry(TMainForm1& window, const char* name) { return window.findChild<QAction*>(QString::fromLatin1(name)); }

} // namespace

class DesktopCommandsTest : public QObject {
    Q_OBJECT

private slots:
    void alwaysOnTopTwiceReturnsWhereItWas()
    {
        WindowFixture fixture;
        fixture.writeFile("verbalia.ini", "[verbalia]\r\nAlways_on_Top_Option=1\r\n");
        TMainForm1& window = fixture.start();
        const bool& above = fixture.services.windowManager.keepAbove;
        QAction* onTop = entry(window, "Always_On_Top_Option");
        QVERIFY(onTop->isChecked() && above); // the stored mark is applied at start-up

        const QRect bounds = window.frameGeometry();
        onTop->trigger();
        QVERIFY(!onTop->isChecked() && !above);
        onTop->trigger();
        QVERIFY(onTop->isChecked() && above);
        QCOMPARE(window.frameGeometry(), bounds);
    }

    void autoRunMarkFollowsTheListAndSurvivesFailures()
    {
        WindowFixture fixture;
        FakeAutostartList& autostart = fixture.services.autostart;
        autostart.entries["verbalia"] = "/old/verbalia"; // the program was moved
        autostart.writesFail = true;
        fixture.messages.scriptAnswers({Answer::Yes}); // update the entry, which fails inside the list
        TMainForm1& window = fixture.start();
        QAction* autoRun = entry(window, "Auto_Run_at_Windows_Startup_Option");
        QVERIFY(autoRun->isChecked());
        QCOMPARE(fixture.messages.shown.back().text, std::string("Failed to set data for 'verbalia'"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Verbalia - v1.4f - 938 words.")); // start-up finished

        autostart.configFolderExists = false;
        autoRun->trigger();
        QVERIFY(autoRun->isChecked()); // kept when the command fails
        autostart.configFolderExists = true;
        autoRun->trigger();
        QVERIFY(!autoRun->isChecked());
        autostart.writesFail = false;
        autoRun->trigger();
        QVERIFY(autoRun->isChecked());
    }

    void restoreFactoryDefaultsKeepsHistoriesListAndAutostartEntry()
    {
        WindowFixture fixture;
        const std::string stored = "[verbalia]\r\nwindow_top_posn=100\r\nwindow_Width=700\r\nAlways_on_Top_Option=1\r\n"
                                   "Excluded_Letters_Edit=qz\r\nPageControl1=2\r\n";
        fixture.writeFile("verbalia.ini", stored);
        fixture.writeFile("verbalia.wcs", "a??le\r\n");
        fixture.writeFile("wordlist.dat", "apple\r\npie\r\n");
        fixture.services.autostart.entries["verbalia"] = fixture.pathOf("verbalia");
        TMainForm1& window = fixture.start();
        QAction* restore = entry(window, "Restore_Factory_Defaults_Option");
        auto* excluded = window.findChild<QLineEdit*>(QStringLiteral("Excluded_Letters_Edit"));

        fixture.messages.scriptAnswers({Answer::No});
        restore->trigger();
        QCOMPARE(fixture.messages.shown.back().kind, MessageKind::Warning);
        QCOMPARE(fixture.readFile("verbalia.ini"), stored);
        QCOMPARE(excluded->text(), QStringLiteral("qz"));

        // The phonetic results outlive a second start-up; the others are emptied.
        for (auto [page, criteria] : {std::pair{wildcardPage, "p*"}, {phoneticPage, "pie"}}) {
            const SearchControls controls = searchPage(window, page);
            controls.criteria->setEditText(QString::fromLatin1(criteria));
            controls.run->click();
            QVERIFY(fixture.runEnded());
            QCOMPARE(controls.results->model()->rowCount(), 1);
        }

        fixture.services.attributes.readOnly[fixture.pathOf("verbalia.ini")] = true;
        fixture.messages.scriptAnswers({Answer::Yes});
        restore->trigger();
        QCOMPARE(searchPage(window, wildcardPage).results->model()->rowCount(), 0);
        QCOMPARE(searchPage(window, phoneticPage).results->model()->rowCount(), 1);
        QVERIFY(searchPage(window, phoneticPage).status->text().isEmpty());
        QVERIFY(!fixture.fileExists("verbalia.ini"));
        QCOMPARE(window.frameGeometry(), QRect(5, 5, 620, 508));
        QCOMPARE(window.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->currentIndex(), 0);
        QVERIFY(excluded->text().isEmpty());
        QVERIFY(!entry(window, "Always_On_Top_Option")->isChecked());
        QVERIFY(!fixture.services.windowManager.keepAbove);
        QVERIFY(entry(window, "Auto_Run_at_Windows_Startup_Option")->isChecked());
        // This session's search was written before the history was read again.
        const QComboBox* history = window.findChild<QComboBox*>(QStringLiteral("Wildcard_Search_ComboBox"));
        QCOMPARE(history->itemText(0), QStringLiteral("p*"));
        QCOMPARE(history->itemText(1), QStringLiteral("a??le"));
        QCOMPARE(fixture.readFile("wordlist.dat"), std::string("apple\r\npie\r\n"));
    }

    // A changed list is offered for saving before the start-up reads it again.
    void restoreFactoryDefaultsOffersToSaveAChangedList()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "apple\r\npie\r\n");
        TMainForm1& window = fixture.start();
        fixture.messages.scriptAnswers({Answer::Yes, Answer::Yes, Answer::Yes}); // reset, restore, save
        control<QPushButton>(window, "Reset_Word_List_BitBtn")->click();
        // A failed save restores nothing: the start-up would load the old file.
        fixture.files.readOnlyFolders.insert(fixture.folder());
        entry(window, "Restore_Factory_Defaults_Option")->trigger();
        QVERIFY(fixture.runEnded());
        QCOMPARE(fixture.messages.shown.back().text, "Cannot create file " + fixture.pathOf("wordlist.dat"));
        QCOMPARE(window.knownWords().size(), 0u);
        QVERIFY(window.knownWordList().changed());

        fixture.files.readOnlyFolders.clear();
        fixture.messages.scriptAnswers({Answer::Yes, Answer::Yes}); // restore, save
        entry(window, "Restore_Factory_Defaults_Option")->trigger();
        QVERIFY(fixture.runEnded());
        QCOMPARE(fixture.messages.shown.back().kind, MessageKind::Confirm); // the close query's question
        QCOMPARE(fixture.readFile("wordlist.dat"), std::string());
        QCOMPARE(window.knownWords().size(), 0u);
    }

    // The window manager states a maximised window's frame (no border) until
    // it has restored the window; the placement keeps to the normal frame.
    void restoreFactoryDefaultsFromAMaximisedWindowPlacesTheNormalFrame()
    {
        WindowFixture fixture;
        fixture.frame.stated = FrameExtents{1, 20, 1, 5};
        TMainForm1& window = fixture.start();
        window.showMaximized();
        fixture.frame.stated = FrameExtents{0, 19, 0, 0};
        fixture.messages.scriptAnswers({Answer::Yes});
        entry(window, "Restore_Factory_Defaults_Option")->trigger();
        QVERIFY(!window.isMaximized());
        QCOMPARE(window.geometry(), QRect(6, 25, 618, 483));
    }

    void readmeOpensFromTheHelpMenu()
    {
        WindowFixture fixture;
        entry(fixture.start(), "View_Readme_file_Option")->trigger();
        QCOMPARE(fixture.services.viewer.opened,
                 std::vector<std::string>{fixture.pathOf("verbalia.txt")});
    }
};

QTEST_MAIN(DesktopCommandsTest)
#include "desktop_commands_qtest.moc"
