// Settings and search histories surviving a restart.

#include "WindowFixture.h"
#include "app/HistoryBox.h"

#include <QAction>
#include <QGuiApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QTabWidget>

using namespace verbalia;

namespace {

QStringList itemsOf(const QComboBox* box)
{
    QStringList items;
    for (int i = 0; i < box->count(); ++i) items << box->itemText(i);
    return items;
}

std::vector<std::string> textsOf(const FakeMessageBoxes& messages)
{
    std::vector<std::string> texts;
    for (const FakeMessageBoxes::Shown& shown : messages.shown) texts.push_back(shown.text);
    return texts;
}

std::vector<std::string> keysOf(const std::string& ini)
{
    std::vector<std::string> keys;
    std::size_t start = 0;
    while (start < ini.size()) {
        const std::size_t end = ini.find("\r\n", start);
        const std::string line = ini.substr(start, end - start);
        if (const std::size_t equals = line.find('='); equals != std::string::npos) keys.push_back(line.substr(0, equals));
        start = end == std::string::npos ? ini.size() : end + 2;
    }
    return keys;
}

// The settings file of a run that changes nothing.
const char* const FACTORY_INI =
    "[verbalia]\r\n"
    "WindowState_wsMaximized=0\r\n"
    "window_top_posn=5\r\n"
    "window_left_posn=5\r\n"
    "window_Width=620\r\n"
    "window_Height=508\r\n"
    "Always_on_Top_Option=0\r\n"
    "Auto_Run_at_Windows_Startup_Option=0\r\n"
    "Wildcard_Search_ComboBox=\r\n"
    "Words_With_These_Letters_Search_ComboBox=\r\n"
    "Phonetic_Search_ComboBox=\r\n"
    "Excluded_Letters_Edit=\r\n"
    "Ignore_Words_With_Numbers_CheckBox=1\r\n"
    "Ignore_All_Non_Alphanumeric_Chars_CheckBox=1\r\n"
    "Search_for_Words_with_these_and_other_letters_RadioButton=1\r\n"
    "Search_for_Words_with_only_these_Any_Number_RadioButton=0\r\n"
    "Search_for_Words_with_only_these_Specified_Number_RadioButton=0\r\n"
    "Lower_Length_SpinEdit=1\r\n"
    "Upper_Length_SpinEdit=50\r\n"
    "PageControl1=0\r\n"
    "Commonest_Words_First=0\r\n"
    "Solver_Mode=0\r\n"
    "Solver_Show=0\r\n"
    "Solver_Find_ComboBox=\r\n"
    "Solver_Include_Phrases=0\r\n";
// ... and of the run that changes every setting below.
const char* const CHANGED_INI =
    "[verbalia]\r\n"
    "WindowState_wsMaximized=1\r\n"
    "window_top_posn=58\r\n"
    "window_left_posn=38\r\n"
    "window_Width=704\r\n"
    "window_Height=524\r\n"
    "Always_on_Top_Option=1\r\n"
    "Auto_Run_at_Windows_Startup_Option=1\r\n"
    "Wildcard_Search_ComboBox=ac*\r\n"
    "Words_With_These_Letters_Search_ComboBox=typed, not run\r\n"
    "Phonetic_Search_ComboBox=Mice\r\n"
    "Excluded_Letters_Edit=qz\r\n"
    "Ignore_Words_With_Numbers_CheckBox=0\r\n"
    "Ignore_All_Non_Alphanumeric_Chars_CheckBox=0\r\n"
    "Search_for_Words_with_these_and_other_letters_RadioButton=0\r\n"
    "Search_for_Words_with_only_these_Any_Number_RadioButton=0\r\n"
    "Search_for_Words_with_only_these_Specified_Number_RadioButton=1\r\n"
    "Lower_Length_SpinEdit=3\r\n"
    "Upper_Length_SpinEdit=12\r\n"
    "PageControl1=4\r\n"
    "Commonest_Words_First=1\r\n"
    "Solver_Mode=2\r\n"
    "Solver_Show=3\r\n"
    "Solver_Find_ComboBox=pots\r\n"
    "Solver_Include_Phrases=1\r\n";

} // namespace

class SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void firstStartTakesTheFactoryDefaults()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        const SearchControls wildcard = searchPage(window, wildcardPage);
        QCOMPARE(window.frameGeometry(), QRect(5, 5, 620, 508));
        QVERIFY(wildcard.criteria->currentText().isEmpty());
        QVERIFY(control<QLineEdit>(window, "Excluded_Letters_Edit")->text().isEmpty());
        QVERIFY(control<QCheckBox>(window, "Ignore_Words_With_Numbers_CheckBox")->isChecked());
        QVERIFY(control<QCheckBox>(window, "Ignore_All_Non_Alphanumeric_Chars_CheckBox")->isChecked());
        QVERIFY(control<QRadioButton>(window, "Search_for_Words_with_these_and_other_letters_RadioButton")->isChecked());
        QVERIFY(!control<QAction>(window, "Always_On_Top_Option")->isChecked());
        QCOMPARE(wildcard.criteria->count(), 0);
        QVERIFY(!fixture.fileExists("verbalia.ini"));
    }

    void craftedSettingsAreReadAsStored()
    {
        WindowFixture fixture;
        fixture.writeFile("verbalia.ini",
                          "[Verbalia]\r\nLower_Length_SpinEdit=40\r\nupper_length_spinedit=10\r\n"
                          "Search_for_Words_with_these_and_other_letters_RadioButton=0\r\n"
                          "Search_for_Words_with_only_these_Any_Number_RadioButton=0\r\n"
                          "Search_for_Words_with_only_these_Specified_Number_RadioButton=0\r\n"
                          "PageControl1=3\r\nExcluded_Letters_Edit=qz\r\nwindow_Width=$200\r\n"
                          "Commonest_Words_First=1\r\n");
        TMainForm1& window = fixture.start();
        QCOMPARE(control<QSpinBox>(window, "Lower_Length_SpinEdit")->value(), 10);
        QCOMPARE(control<QSpinBox>(window, "Upper_Length_SpinEdit")->value(), 10);
        QVERIFY(!control<QRadioButton>(window, "Search_for_Words_with_these_and_other_letters_RadioButton")->isChecked());
        QVERIFY(!control<QRadioButton>(window, "Search_for_Words_with_only_these_Any_Number_RadioButton")->isChecked());
        QVERIFY(!control<QRadioButton>(window, "Search_for_Words_with_only_these_Specified_Number_RadioButton")->isChecked());
        QCOMPARE(control<QTabWidget>(window, "PageControl1")->currentIndex(), 3);
        QVERIFY(!control<QGroupBox>(window, "Limit_Word_Length_GroupBox")->isVisible());
        QCOMPARE(control<QLineEdit>(window, "Excluded_Letters_Edit")->text(), QStringLiteral("qz"));
        QCOMPARE(window.frameGeometry().width(), 512);
        QVERIFY(control<QAction>(window, "Commonest_Words_First_Option")->isChecked());
    }

    void pageOutOfRangeShowsNoPageUntilATabIsPicked()
    {
        WindowFixture fixture;
        fixture.writeFile("verbalia.ini", "[verbalia]\r\nPageControl1=0x1F\r\nLower_Length_SpinEdit=99\r\n");
        TMainForm1& window = fixture.start();
        auto* const PageControl1 = control<QTabWidget>(window, "PageControl1");
        auto* const Limit_Word_Length_GroupBox = control<QGroupBox>(window, "Limit_Word_Length_GroupBox");
        QCOMPARE(window.activePageIndex(), -1);
        QVERIFY(!PageControl1->currentWidget()->isVisible());
        QVERIFY(Limit_Word_Length_GroupBox->isVisible());
        QVERIFY(control<QGroupBox>(window, "Excluded_Letters_GroupBox")->isVisible());
        QCOMPARE(control<QSpinBox>(window, "Lower_Length_SpinEdit")->value(), 50);

        PageControl1->setCurrentIndex(3);
        QCOMPARE(window.activePageIndex(), 3);
        QVERIFY(control<QWidget>(window, "TabSheet4")->isVisible());
        QVERIFY(!Limit_Word_Length_GroupBox->isVisible());
    }

    void theLastCheckedModeWins()
    {
        WindowFixture fixture;
        fixture.writeFile("verbalia.ini",
                          "[verbalia]\r\nSearch_for_Words_with_only_these_Any_Number_RadioButton=1\r\n"
                          "Search_for_Words_with_only_these_Specified_Number_RadioButton=1\r\nPageControl1=1\r\n");
        TMainForm1& window = fixture.start();
        auto* const Search_for_Words_with_these_and_other_letters_RadioButton =
            control<QRadioButton>(window, "Search_for_Words_with_these_and_other_letters_RadioButton");
        auto* const Excluded_Letters_Edit = control<QLineEdit>(window, "Excluded_Letters_Edit");
        auto* const PageControl1 = control<QTabWidget>(window, "PageControl1");
        QVERIFY(!Search_for_Words_with_these_and_other_letters_RadioButton->isChecked());
        QVERIFY(!control<QRadioButton>(window, "Search_for_Words_with_only_these_Any_Number_RadioButton")->isChecked());
        QVERIFY(control<QRadioButton>(window, "Search_for_Words_with_only_these_Specified_Number_RadioButton")->isChecked());
        QVERIFY(!Excluded_Letters_Edit->isEnabled());
        QVERIFY(!control<QLabel>(window, "Excluded_Letters_Label")->isEnabled());

        // Other pages use the exclusion list whatever the mode.
        PageControl1->setCurrentIndex(0);
        QVERIFY(Excluded_Letters_Edit->isEnabled());
        PageControl1->setCurrentIndex(1);
        QVERIFY(!Excluded_Letters_Edit->isEnabled());
        Search_for_Words_with_these_and_other_letters_RadioButton->click();
        QVERIFY(Excluded_Letters_Edit->isEnabled());
    }

    void everyFieldSurvivesARestart()
    {
        WindowFixture fixture;
        QRect outerBounds;
        {
            TMainForm1& window = fixture.start();
            const SearchControls wildcard = searchPage(window, wildcardPage);
            const SearchControls letters = searchPage(window, letterPage);
            const SearchControls phonetic = searchPage(window, phoneticPage);
            window.setGeometry(40, 60, 700, 520);
            outerBounds = window.frameGeometry();
            wildcard.criteria->setEditText(QStringLiteral("a??i?"));
            addToHistory(wildcard.criteria, "ac*al", false);
            addToHistory(wildcard.criteria, "a??i?", false);
            addToHistory(phonetic.criteria, "Mice", false);
            letters.criteria->setEditText(QStringLiteral("stop"));
            phonetic.criteria->setEditText(QString::fromUtf8("Zoë"));
            control<QLineEdit>(window, "Excluded_Letters_Edit")->setText(QStringLiteral("xyz"));
            control<QCheckBox>(window, "Ignore_Words_With_Numbers_CheckBox")->setChecked(false);
            control<QRadioButton>(window, "Search_for_Words_with_only_these_Any_Number_RadioButton")->click();
            control<QSpinBox>(window, "Upper_Length_SpinEdit")->setValue(12);
            control<QSpinBox>(window, "Lower_Length_SpinEdit")->setValue(3);
            control<QRadioButton>(window, "Solver_Anagram_RadioButton")->click();
            control<QComboBox>(window, "Solver_Show_ComboBox")->setCurrentIndex(1);
            control<QComboBox>(window, "Solver_Find_ComboBox")->setEditText(QStringLiteral("?ats"));
            control<QTabWidget>(window, "PageControl1")->setCurrentIndex(4);
            QCOMPARE(wildcard.criteria->currentText(), QStringLiteral("a??i?"));
            fixture.close();
        }
        QCOMPARE(fixture.readFile("verbalia.wcs"), std::string("a??i?\r\nac*al\r\n"));
        QCOMPARE(fixture.readFile("verbalia.wwt"), std::string());
        QCOMPARE(keysOf(fixture.readFile("verbalia.ini")),
                 (std::vector<std::string>{"WindowState_wsMaximized", "window_top_posn", "window_left_posn",
                                           "window_Width", "window_Height", "Always_on_Top_Option",
                                           "Auto_Run_at_Windows_Startup_Option", "Wildcard_Search_ComboBox",
                                           "Words_With_These_Letters_Search_ComboBox", "Phonetic_Search_ComboBox",
                                           "Excluded_Letters_Edit", "Ignore_Words_With_Numbers_CheckBox",
                                           "Ignore_All_Non_Alphanumeric_Chars_CheckBox",
                                           "Search_for_Words_with_these_and_other_letters_RadioButton",
                                           "Search_for_Words_with_only_these_Any_Number_RadioButton",
                                           "Search_for_Words_with_only_these_Specified_Number_RadioButton",
                                           "Lower_Length_SpinEdit", "Upper_Length_SpinEdit", "PageControl1",
                                           "Commonest_Words_First",
                                           "Solver_Mode", "Solver_Show", "Solver_Find_ComboBox",
                                           "Solver_Include_Phrases"}));

        TMainForm1& window = fixture.start();
        const SearchControls wildcard = searchPage(window, wildcardPage);
        const SearchControls letters = searchPage(window, letterPage);
        const SearchControls phonetic = searchPage(window, phoneticPage);
        QCOMPARE(window.frameGeometry(), outerBounds);
        QCOMPARE(wildcard.criteria->currentText(), QStringLiteral("a??i?"));
        QCOMPARE(itemsOf(wildcard.criteria), (QStringList{"a??i?", "ac*al"}));
        QCOMPARE(itemsOf(phonetic.criteria), (QStringList{"Mice"}));
        QCOMPARE(letters.criteria->currentText(), QStringLiteral("stop"));
        QCOMPARE(phonetic.criteria->currentText(), QString::fromUtf8("Zoë"));
        QCOMPARE(control<QLineEdit>(window, "Excluded_Letters_Edit")->text(), QStringLiteral("xyz"));
        QVERIFY(!control<QCheckBox>(window, "Ignore_Words_With_Numbers_CheckBox")->isChecked());
        QVERIFY(control<QCheckBox>(window, "Ignore_All_Non_Alphanumeric_Chars_CheckBox")->isChecked());
        QVERIFY(control<QRadioButton>(window, "Search_for_Words_with_only_these_Any_Number_RadioButton")->isChecked());
        QCOMPARE(control<QSpinBox>(window, "Lower_Length_SpinEdit")->value(), 3);
        QCOMPARE(control<QSpinBox>(window, "Upper_Length_SpinEdit")->value(), 12);
        QCOMPARE(control<QTabWidget>(window, "PageControl1")->currentIndex(), 4);
        QVERIFY(!control<QGroupBox>(window, "Limit_Word_Length_GroupBox")->isVisible());
        QVERIFY(control<QRadioButton>(window, "Solver_Anagram_RadioButton")->isChecked());
        QCOMPARE(control<QComboBox>(window, "Solver_Show_ComboBox")->currentText(), QStringLiteral("Up to SCOWL 70"));
        QCOMPARE(control<QComboBox>(window, "Solver_Find_ComboBox")->currentText(), QStringLiteral("?ats"));
    }

    // The files a run leaves, byte for byte: one that changes nothing, and
    // one that changes every setting and adds to each history by a search.
    void aDefaultRunWritesTheFactoryFiles()
    {
        WindowFixture fixture;
        fixture.start();
        fixture.close();
        QCOMPARE(fixture.readFile("verbalia.ini"), std::string(FACTORY_INI));
        for (const char* history : {"verbalia.wcs", "verbalia.wwt", "verbalia.phs", "verbalia.sol", "verbalia.mng"})
            QCOMPARE(fixture.readFile(history), std::string());
        QVERIFY(!fixture.fileExists("wordlist.dat"));
    }

    void aRunThatChangesEverySettingWritesItAll()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "acrid\r\naphid\r\nmice\r\nstop\r\npots\r\n");
        fixture.writeFile("wordlist-levels.txt", "mice\t10\n");
        TMainForm1& window = fixture.start();
        window.setGeometry(40, 60, 700, 520);
        auto* const pages = control<QTabWidget>(window, "PageControl1");
        const auto search = [&](std::size_t page, const char* criteria) {
            pages->setCurrentIndex(int(page));
            const SearchControls controls = searchPage(window, page);
            controls.criteria->setEditText(QString::fromLatin1(criteria));
            controls.run->click();
            QTRY_VERIFY(!window.isRunning());
        };
        search(wildcardPage, "a??i?");
        search(wildcardPage, "ac*");
        search(letterPage, "stop");
        search(phoneticPage, "Mice");
        searchPage(window, letterPage).criteria->setEditText(QStringLiteral("typed, not run"));
        control<QLineEdit>(window, "Excluded_Letters_Edit")->setText(QStringLiteral("qz"));
        control<QCheckBox>(window, "Ignore_Words_With_Numbers_CheckBox")->setChecked(false);
        control<QCheckBox>(window, "Ignore_All_Non_Alphanumeric_Chars_CheckBox")->setChecked(false);
        control<QRadioButton>(window, "Search_for_Words_with_only_these_Specified_Number_RadioButton")->click();
        control<QSpinBox>(window, "Upper_Length_SpinEdit")->setValue(12);
        control<QSpinBox>(window, "Lower_Length_SpinEdit")->setValue(3);
        window.findChild<QAction*>(QStringLiteral("Always_On_Top_Option"))->trigger();
        window.findChild<QAction*>(QStringLiteral("Auto_Run_at_Windows_Startup_Option"))->trigger();
        window.findChild<QAction*>(QStringLiteral("Commonest_Words_First_Option"))->trigger();
        pages->setCurrentIndex(4);
        control<QRadioButton>(window, "Solver_Made_From_RadioButton")->click();
        control<QComboBox>(window, "Solver_Show_ComboBox")->setCurrentIndex(3);
        control<QCheckBox>(window, "Solver_Include_Phrases_CheckBox")->setChecked(true);
        auto* const find = control<QComboBox>(window, "Solver_Find_ComboBox");
        find->setEditText(QStringLiteral("pots"));
        QTest::keyClick(find->lineEdit(), Qt::Key_Return);
        window.showMaximized();
        fixture.close();
        QCOMPARE(fixture.readFile("verbalia.ini"), std::string(CHANGED_INI));
        QCOMPARE(fixture.readFile("verbalia.wcs"), std::string("ac*\r\na??i?\r\n"));
        QCOMPARE(fixture.readFile("verbalia.wwt"), std::string("stop\r\n"));
        QCOMPARE(fixture.readFile("verbalia.phs"), std::string("Mice\r\n"));
        QCOMPARE(fixture.readFile("verbalia.sol"), std::string("pots\r\n"));
        QCOMPARE(textsOf(fixture.messages),
                 (std::vector<std::string>{"This program (verbalia) will now run automatically at Windows Start-Up."}));
    }

    void aMaximisedWindowReopensMaximisedOverItsNormalBounds()
    {
        WindowFixture fixture;
        QRect normalBounds;
        {
            TMainForm1& window = fixture.start();
            window.setGeometry(30, 30, 640, 500);
            normalBounds = window.frameGeometry();
            window.showMaximized();
            QVERIFY(window.isMaximized());
            fixture.close();
        }
        const std::string ini = fixture.readFile("verbalia.ini");
        QVERIFY(ini.find("WindowState_wsMaximized=1\r\n") != std::string::npos);
        QVERIFY(ini.find("window_Width=" + std::to_string(normalBounds.width()) + "\r\n") != std::string::npos);
        QVERIFY(ini.find("window_top_posn=" + std::to_string(normalBounds.top()) + "\r\n") != std::string::npos);

        TMainForm1& window = fixture.start();
        QVERIFY(window.isMaximized());
        QCOMPARE(window.normalGeometry().size(), QSize(640, 500));
    }

    // The frame lands on the stored bounds, a top above the screen coming
    // down to it; an untouched window stores its bounds back, a moved one
    // where it went.
    void outerBoundsRoundTripAroundTheWindowManagersFrame()
    {
        WindowFixture fixture;
        fixture.frame.stated = FrameExtents{1, 20, 1, 5};
        fixture.writeFile("verbalia.ini", "[verbalia]\r\nwindow_top_posn=-300\r\nwindow_left_posn=40\r\n"
                                          "window_Width=620\r\nwindow_Height=508\r\n");
        const auto storedBounds = [&] {
            const std::string ini = fixture.readFile("verbalia.ini");
            const std::size_t from = ini.find("window_top_posn");
            return ini.substr(from, ini.find("WindowState_wsMaximized") - from);
        };
        QCOMPARE(fixture.start().geometry(), QRect(41, 20, 618, 483));
        fixture.close();
        QCOMPARE(storedBounds(), std::string("window_top_posn=0\r\nwindow_left_posn=40\r\nwindow_Width=620\r\nwindow_Height=508\r\n"));

        fixture.start().setGeometry(100, 120, 600, 400);
        fixture.close();
        QCOMPARE(storedBounds(), std::string("window_top_posn=100\r\nwindow_left_posn=99\r\nwindow_Width=602\r\nwindow_Height=425\r\n"));

        // Absurd bounds come onto the screen and are stored no larger than it.
        fixture.writeFile("verbalia.ini", "[verbalia]\r\nwindow_top_posn=10\r\nwindow_left_posn=5000\r\n"
                                          "window_Width=1000000000\r\nwindow_Height=1000000000\r\n");
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(screen.contains(fixture.start().geometry()));
        fixture.close();
        QCOMPARE(storedBounds(), "window_top_posn=" + std::to_string(screen.top()) + "\r\nwindow_left_posn=" +
                                     std::to_string(screen.left()) + "\r\nwindow_Width=" + std::to_string(screen.width()) +
                                     "\r\nwindow_Height=" + std::to_string(screen.height()) + "\r\n");
    }

    void historiesKeepTheirEntriesAndTheBoxText()
    {
        WindowFixture fixture;
        fixture.writeFile("verbalia.wcs", "cat\rdog\n\r\nbird");
        TMainForm1& window = fixture.start();
        const SearchControls wildcard = searchPage(window, wildcardPage);
        QCOMPARE(itemsOf(wildcard.criteria), (QStringList{"cat", "dog", "", "bird"}));
        QVERIFY(wildcard.criteria->currentText().isEmpty());

        wildcard.criteria->setEditText(QStringLiteral("typed"));
        addToHistory(wildcard.criteria, "CAT", false);
        QCOMPARE(itemsOf(wildcard.criteria), (QStringList{"cat", "dog", "", "bird"}));
        addToHistory(wildcard.criteria, "Bird", false);
        QCOMPARE(itemsOf(wildcard.criteria), (QStringList{"Bird", "cat", "dog", ""}));
        QCOMPARE(Find_History_Entry(historyOf(wildcard.criteria), "DOG", false), 2);
        QCOMPARE(Find_History_Entry(historyOf(wildcard.criteria), "DOG", true), -1);
        QCOMPARE(wildcard.criteria->currentText(), QStringLiteral("typed"));
    }

    // Each file is written on its own and each failure reported once.
    void unwritableSettingsAreReportedAndTheWindowStillCloses()
    {
        WindowFixture fixture;
        fixture.writeFile("verbalia.wcs", "kept\r\n");
        TMainForm1& window = fixture.start();
        window.knownWordList().setChanged(true);
        fixture.files.readOnlyFolders.insert(fixture.folder());
        fixture.messages.scriptAnswers({Answer::No});
        QVERIFY(window.close());
        QCOMPARE(textsOf(fixture.messages), (std::vector<std::string>{"Unable to write to " + fixture.pathOf("verbalia.ini"),
                                                  "Cannot create file " + fixture.pathOf("verbalia.wcs"),
                                                  "Cannot create file " + fixture.pathOf("verbalia.wwt"),
                                                  "Cannot create file " + fixture.pathOf("verbalia.phs"),
                                                  "Cannot create file " + fixture.pathOf("verbalia.sol"),
                                                  "Cannot create file " + fixture.pathOf("verbalia.mng"),
                                                  "The Known Word List has been changed, but not saved.  "
                                                  "Would you like to save the list before exiting ?"}));
        QVERIFY(!fixture.fileExists("verbalia.ini"));
        QCOMPARE(fixture.readFile("verbalia.wcs"), std::string("kept\r\n"));

        // A close no one waits on (a signal) shows no box that would hold it.
        fixture.window.reset();
        fixture.start();
        fixture.messages.shown.clear();
        fixture.window->closeUnasked();
        QVERIFY(!fixture.window->isVisible());
        QVERIFY(fixture.messages.shown.empty());
    }

    void anUnwritableHistoryCostsOnlyItself()
    {
        WindowFixture fixture;
        fixture.start();
        std::filesystem::create_directory(fixture.pathOf("verbalia.wwt"));
        fixture.close();
        QCOMPARE(fixture.messages.shown.size(), std::size_t(1));
        QCOMPARE(fixture.messages.shown[0].text, "Cannot create file " + fixture.pathOf("verbalia.wwt"));
        QVERIFY(fixture.readFile("verbalia.ini").find("PageControl1=") != std::string::npos);
        QVERIFY(fixture.fileExists("verbalia.wcs"));
        QVERIFY(fixture.fileExists("verbalia.phs"));
    }

    // A history unreadable at start-up, settings unreadable at close: each
    // keeps its bytes, and the close says so once for each.
    void unreadableSettingsAndHistoriesAreKept()
    {
        WindowFixture fixture;
        fixture.writeFile("verbalia.wcs", "stored\r\n");
        fixture.writeFile("verbalia.ini", "[verbalia]\r\nPageControl1=2\r\n");
        fixture.files.unreadableFiles.insert(fixture.pathOf("verbalia.wcs"));
        TMainForm1& window = fixture.start();
        QCOMPARE(window.activePageIndex(), 2);
        QVERIFY(fixture.messages.shown.empty());
        fixture.files.unreadableFiles.insert(fixture.pathOf("verbalia.ini"));
        fixture.close();
        QCOMPARE(textsOf(fixture.messages), (std::vector<std::string>{
                            "The file " + fixture.pathOf("verbalia.ini") + " could not be read, so it was not replaced.",
                            "The file " + fixture.pathOf("verbalia.wcs") + " could not be read, so it was not replaced."}));
        QCOMPARE(fixture.readFile("verbalia.wcs"), std::string("stored\r\n"));
        QCOMPARE(fixture.readFile("verbalia.ini"), std::string("[verbalia]\r\nPageControl1=2\r\n"));
        QVERIFY(fixture.fileExists("verbalia.wwt"));
    }
};

QTEST_MAIN(SettingsTest)
#include "settings_qtest.moc"
