// The main window's start-up, page switch, length limits, close query and
// the known word list's buttons.

#include "WindowFixture.h"
#include "about/AboutBox.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

#include <filesystem>
#include <fstream>
#include <iterator>

using namespace verbalia;

namespace {

// The name a screen reader gives the input: its own accessible name, the
// text of the label whose buddy it is.
QString accessibleName(QWidget* input)
{
    for (QLabel* label : input->window()->findChildren<QLabel*>()) {
        if (label->buddy() == input)
            return label->text() == input->accessibleName() ? label->text() : QStringLiteral("<differs>");
    }
    return QStringLiteral("<no label>");
}

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithTheBuiltInListAndDesignDefaults()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        const SearchControls wildcard = searchPage(window, wildcardPage);
        const SearchControls phonetic = searchPage(window, phoneticPage);
        QCOMPARE(window.windowTitle(), QStringLiteral("Verbalia - v1.4f - 938 words."));
        QCOMPARE(control<QLabel>(window, "Known_Words_Label")->text(), QStringLiteral("938 words."));
        QCOMPARE(window.knownWords().size(), std::size_t(938));
        QCOMPARE(std::string(window.knownWords().at(0)), std::string("a"));
        QCOMPARE(control<QTabWidget>(window, "PageControl1")->currentIndex(), 0);
        QCOMPARE(control<QSpinBox>(window, "Lower_Length_SpinEdit")->value(), 1);
        QCOMPARE(control<QSpinBox>(window, "Upper_Length_SpinEdit")->value(), 50);
        QVERIFY(!control<QCheckBox>(window, "Known_Word_List_Changed_CheckBox")->isChecked());
        QVERIFY(!control<QPushButton>(window, "Halt_Processing_BitBtn")->isEnabled());
        QVERIFY(!control<QProgressBar>(window, "ProgressBar1")->isVisible());
        QVERIFY(wildcard.status->text().isEmpty());
        QVERIFY(phonetic.status->text().isEmpty());
        QCOMPARE(window.frameGeometry(), QRect(5, 5, 620, 508));
        QVERIFY(fixture.messages.shown.empty());
    }

    void opensInTheStateTheLauncherAsked()
    {
        WindowFixture fixture;
        fixture.launch.state = ShowState::Maximized;
        QVERIFY(fixture.start().isMaximized());
    }

    void controlsStandAtTheirDesignBounds()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        QCOMPARE(fixture.setClientSize(615, 455), QSize(615, 455));
        const SearchControls phonetic = searchPage(window, phoneticPage);
        auto* const PageControl1 = control<QTabWidget>(window, "PageControl1");
        auto* const Exit_BitBtn = control<QPushButton>(window, "Exit_BitBtn");
        auto* const Known_Words_MemoEx = control<QListView>(window, "Known_Words_MemoEx");
        QCOMPARE(PageControl1->geometry(), QRect(5, 4, 605, 409));
        QCOMPARE(Exit_BitBtn->geometry(), QRect(337, 416, 150, 35));
        QCOMPARE(control<QSpinBox>(window, "Upper_Length_SpinEdit")->geometry(), QRect(136, 20, 45, 27));
        QCOMPARE(Known_Words_MemoEx->geometry(), QRect(8, 40, 225, 209));
        QCOMPARE(control<QPushButton>(window, "Add_Unique_Words_BitBtn")->geometry(), QRect(24, 336, 200, 27));
        QCOMPARE(control<QRadioButton>(window, "Search_for_Words_with_only_these_Specified_Number_RadioButton")->text(),
                 QStringLiteral("Search for words containing only these letters and only the specified number of each letter."));
        QCOMPARE(PageControl1->tabText(3), QStringLiteral("Word List Maintenance"));
        QCOMPARE(PageControl1->tabText(4), QStringLiteral("Crossword Solver"));
        QCOMPARE(phonetic.criteria->geometry(), QRect(132, 21, 361, 25)); // found by its name
        QCOMPARE(phonetic.status->geometry().topLeft(), QPoint(388, 350));
        QCOMPARE(Exit_BitBtn->font().pointSize(), 14);
        QVERIFY(Known_Words_MemoEx->font().fixedPitch() ||
                Known_Words_MemoEx->font().family() == QStringLiteral("Courier New"));
    }

    void inputsAreNamedByTheirLabels()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        const SearchControls wildcard = searchPage(window, wildcardPage);
        const SearchControls phonetic = searchPage(window, phoneticPage);
        QCOMPARE(accessibleName(wildcard.criteria), QStringLiteral("Search Criteria :"));
        QCOMPARE(accessibleName(phonetic.criteria), QStringLiteral("Base Word :"));
        QCOMPARE(accessibleName(control<QSpinBox>(window, "Lower_Length_SpinEdit")), QStringLiteral("From :"));
        QCOMPARE(accessibleName(control<QSpinBox>(window, "Upper_Length_SpinEdit")), QStringLiteral("to :"));
        QCOMPARE(accessibleName(control<QLineEdit>(window, "Excluded_Letters_Edit")), QStringLiteral("Exclude words containing these letters :"));
    }

    void sharedGroupsHideOnTheListAndSolverPages()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        for (int page : {0, 1, 2, 3, 4, 0}) {
            control<QTabWidget>(window, "PageControl1")->setCurrentIndex(page);
            QCOMPARE(control<QGroupBox>(window, "Limit_Word_Length_GroupBox")->isVisible(), page < 3);
            QCOMPARE(control<QGroupBox>(window, "Excluded_Letters_GroupBox")->isVisible(), page < 3);
            QVERIFY(control<QLineEdit>(window, "Excluded_Letters_Edit")->isEnabled());
        }
    }

    void lengthLimitsPushEachOther()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        auto* const Upper_Length_SpinEdit = control<QSpinBox>(window, "Upper_Length_SpinEdit");
        auto* const Lower_Length_SpinEdit = control<QSpinBox>(window, "Lower_Length_SpinEdit");
        Upper_Length_SpinEdit->setValue(25);
        Lower_Length_SpinEdit->setValue(30);
        QCOMPARE(Upper_Length_SpinEdit->value(), 30);
        Lower_Length_SpinEdit->setValue(5);
        Upper_Length_SpinEdit->setValue(3);
        QCOMPARE(Lower_Length_SpinEdit->value(), 3);
        QCOMPARE(Upper_Length_SpinEdit->value(), 3);
    }

    void loadsWordListFileByteForByte()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", std::string("apple\r\n\r\n  pie \rx\ty\nlast\0ignored", 28));
        TMainForm1& window = fixture.start();
        QCOMPARE(window.knownWords().size(), std::size_t(5));
        QCOMPARE(std::string(window.knownWords().at(1)), std::string());
        QCOMPARE(std::string(window.knownWords().at(2)), std::string("  pie "));
        QCOMPARE(std::string(window.knownWords().at(3)), std::string("xy"));
        QCOMPARE(std::string(window.knownWords().at(4)), std::string("last"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Verbalia - v1.4f - 5 words."));
        // The NUL byte is said at load, and the save asks before dropping what follows it.
        QCOMPARE(fixture.messages.shown.size(), std::size_t(1));
        QCOMPARE(fixture.messages.shown[0].kind, MessageKind::Warning);

        fixture.messages.scriptAnswers({Answer::Yes});
        QVERIFY(fixture.save());
        QCOMPARE(fixture.messages.shown.size(), std::size_t(2));
        QCOMPARE(fixture.readFile("wordlist.dat"), std::string("apple\r\n\r\n  pie \r\nxy\r\nlast\r\n"));
    }

    // Debian's large list is UTF-8 with LF line ends: it shows and searches
    // with its accents and is saved back byte for byte. A Windows-1252 list
    // with CR LF keeps its bytes.
    void listsAreSavedInTheEncodingTheyCameIn()
    {
        const std::string debianList = "/usr/share/dict/british-english-insane";
        std::ifstream in(debianList, std::ios::binary);
        QVERIFY2(in, "install wbritish-insane");
        const std::string original{std::istreambuf_iterator<char>(in), {}};
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", original);
        TMainForm1& window = fixture.start();
        const SearchControls wildcard = searchPage(window, wildcardPage);
        wildcard.criteria->setEditText(QStringLiteral("?rd?che"));
        wildcard.run->click();
        QVERIFY(fixture.runEnded());
        const QAbstractItemModel* results = wildcard.results->model();
        QCOMPARE(results->rowCount(), 2);
        QCOMPARE(results->index(1, 0).data().toString(), QStringLiteral("Ard\u00E8che"));
        QVERIFY(fixture.save());
        QVERIFY(fixture.readFile("wordlist.dat") == original);

        fixture.close();
        fixture.writeFile("wordlist.dat", "caf\xE9\r\nna\xEFve\r\n");
        fixture.start();
        QVERIFY(fixture.save());
        QCOMPARE(fixture.readFile("wordlist.dat"), std::string("caf\xE9\r\nna\xEFve\r\n"));
    }

    // A UTF-8 text harvested into a UTF-8 list: "café" is one word, saved in UTF-8.
    void aUtf8TextIsHarvestedIntoAUtf8List()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "ant\nz\xC3\xA8" "bre\n");
        fixture.writeFile("text.txt", "un caf\xC3\xA9\n");
        TMainForm1& window = fixture.start();
        fixture.fileDialog.choices = {fixture.pathOf("text.txt")};
        control<QPushButton>(window, "Temp_Work_Area_Load_From_File_BitBtn")->click();
        control<QCheckBox>(window, "Ignore_All_Non_Alphanumeric_Chars_CheckBox")->setChecked(false);
        fixture.messages.scriptAnswers({Answer::Yes});
        control<QPushButton>(window, "Add_Unique_Words_BitBtn")->click();
        QVERIFY(fixture.runEnded());
        QVERIFY(fixture.save());
        QCOMPARE(fixture.readFile("wordlist.dat"), std::string("ant\ncaf\xC3\xA9\nun\nz\xC3\xA8" "bre\n"));
    }

    void closeAsksOnlyWhenTheListChanged()
    {
        WindowFixture fixture;
        fixture.start();
        fixture.close();
        QVERIFY(fixture.messages.shown.empty());
        QVERIFY(!fixture.fileExists("wordlist.dat"));

        fixture.start().knownWordList().setChanged(true);
        fixture.messages.scriptAnswers({Answer::No});
        fixture.close();
        QCOMPARE(fixture.messages.shown.size(), std::size_t(1));
        QCOMPARE(fixture.messages.shown[0].kind, MessageKind::Confirm);
        QCOMPARE(fixture.messages.shown[0].text,
                 std::string("The Known Word List has been changed, but not saved.  Would you like to save the list "
                             "before exiting ?"));
        QVERIFY(!fixture.fileExists("wordlist.dat"));

        fixture.start().knownWordList().setChanged(true);
        fixture.messages.scriptAnswers({Answer::Yes});
        fixture.close();
        QCOMPARE(fixture.readFile("wordlist.dat").substr(0, 7), std::string("a\r\nable"));
    }

    // The close question's answers, and what stands in the save's way: the
    // window closes only once the list is saved or the user let it go.
    void aCloseKeepsTheWindowUntilTheListIsSafe_data()
    {
        QTest::addColumn<QString>("answers"); // Y, N, C: Yes, No, Cancel
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QString>("fileAfter");
        QTest::newRow("saved") << "Y" << "" << true << "beta\r\n";
        QTest::newRow("save failed") << "Y" << "read-only" << false << "alpha\r\nbeta\r\n";
        QTest::newRow("replace declined") << "YN" << "changed" << false << "other\r\n";
        QTest::newRow("replace agreed") << "YY" << "changed" << true << "beta\r\n";
        QTest::newRow("unreadable kept") << "YN" << "unreadable" << false << "alpha\r\nbeta\r\n";
        QTest::newRow("not saved") << "N" << "" << true << "alpha\r\nbeta\r\n";
        QTest::newRow("cancelled") << "C" << "" << false << "alpha\r\nbeta\r\n";
    }

    void aCloseKeepsTheWindowUntilTheListIsSafe()
    {
        QFETCH(QString, answers);
        QFETCH(QString, obstacle);
        QFETCH(bool, closes);
        QFETCH(QString, fileAfter);
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "alpha\r\nbeta\r\n");
        if (obstacle == "unreadable") fixture.files.unreadableFiles.insert(fixture.pathOf("wordlist.dat"));
        TMainForm1& window = fixture.start();
        window.knownWordList().remove({0});
        const std::size_t words = window.knownWords().size();
        if (obstacle == "read-only") fixture.files.readOnlyFolders.insert(fixture.folder());
        if (obstacle == "changed") fixture.writeFile("wordlist.dat", "other\r\n");
        for (QChar answer : answers)
            fixture.messages.scriptAnswers({answer == 'Y' ? Answer::Yes : answer == 'N' ? Answer::No : Answer::Cancel});

        QCOMPARE(fixture.tryClose(), closes);
        QCOMPARE(fixture.readFile("wordlist.dat"), fileAfter.toStdString());
        if (obstacle == "read-only")
            QCOMPARE(fixture.messages.shown.back().text, "Cannot create file " + fixture.pathOf("wordlist.dat"));
        if (!closes) {
            QCOMPARE(window.knownWords().size(), words);
            QVERIFY(control<QCheckBox>(window, "Known_Word_List_Changed_CheckBox")->isChecked());
            QVERIFY(control<QPushButton>(window, "Save_Word_List_BitBtn")->isEnabled());
        }
    }

    // The save runs on the worker, the window locked with the list's bar
    // busy; a close meanwhile waits for it, then asks nothing more.
    void aSaveLocksTheWindowAndACloseWaitsForIt()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        window.knownWordList().remove({0});
        control<QPushButton>(window, "Save_Word_List_BitBtn")->click();
        QVERIFY(window.isRunning() && !window.menuBar()->isEnabled());
        QVERIFY(!control<QProgressBar>(window, "ProgressBar2")->isHidden());
        window.close();
        QVERIFY(window.isVisible());
        QTRY_VERIFY(!window.isVisible());
        QVERIFY(fixture.messages.shown.empty());
        QVERIFY(fixture.readFile("wordlist.dat").starts_with("able\r\n"));
    }

    // A close that cannot ask (a signal, the session's end) keeps the words
    // a save would write; the next start says where, once.
    void aCloseThatCannotAskKeepsTheListForTheNextStart()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "alpha\nbeta\n");
        fixture.start().knownWordList().remove({0});
        fixture.window->closeUnasked();
        QVERIFY(!fixture.window->isVisible());
        QVERIFY(fixture.messages.shown.empty());
        QCOMPARE(fixture.readFile("wordlist.dat"), std::string("alpha\nbeta\n"));
        std::vector<std::string> kept;
        for (const auto& file : std::filesystem::directory_iterator(fixture.pathOf("state")))
            kept.push_back(file.path().filename().string());
        QCOMPARE(kept.size(), std::size_t(1));
        QVERIFY(kept[0].starts_with("unsaved-20") && kept[0].ends_with(".dat") && kept[0].size() == 27);
        QCOMPARE(fixture.readFile("state/" + kept[0]), std::string("beta\n"));

        fixture.window.reset();
        fixture.start();
        QCOMPARE(fixture.messages.shown.size(), std::size_t(1));
        QCOMPARE(fixture.messages.shown[0].text, "Words that were not saved when Verbalia last closed are in " +
                                                     fixture.pathOf("state/" + kept[0]) + ".");
        fixture.close();
        // Two kept within a second each keep a file of their own.
        const std::optional<std::string> one = fixture.services.unsavedLists.keep("one\n");
        const std::optional<std::string> two = fixture.services.unsavedLists.keep("two\n");
        QVERIFY(one && two && *one != *two);
        fixture.start();
        QCOMPARE(fixture.messages.shown.size(), std::size_t(3));
        QVERIFY(fixture.messages.shown[2].text.find(*two) != std::string::npos);
        fixture.close();
        fixture.start();
        QCOMPARE(fixture.messages.shown.size(), std::size_t(3));

        // An unchanged list, or one the close query let go, leaves nothing;
        // nor does a state folder that cannot be written, without a word.
        fixture.window->processEnding();
        fixture.window.reset();
        fixture.start().knownWordList().setChanged(true);
        fixture.files.readOnlyFolders.insert(fixture.pathOf("state/"));
        fixture.window->processEnding();
        fixture.window.reset();
        QCOMPARE(std::distance(std::filesystem::directory_iterator(fixture.pathOf("state")), {}), 4);
    }

    void resetEmptiesTheListOnlyOnYes()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        auto* const Reset_Word_List_BitBtn = control<QPushButton>(window, "Reset_Word_List_BitBtn");
        auto* const Known_Word_List_Changed_CheckBox = control<QCheckBox>(window, "Known_Word_List_Changed_CheckBox");
        fixture.messages.scriptAnswers({Answer::No});
        Reset_Word_List_BitBtn->click();
        QCOMPARE(window.knownWords().size(), std::size_t(938));
        QVERIFY(!Known_Word_List_Changed_CheckBox->isChecked());

        fixture.messages.scriptAnswers({Answer::Yes});
        Reset_Word_List_BitBtn->click();
        QCOMPARE(fixture.messages.shown.back().text, std::string("Reset the Known Word List ?  Are you sure ?"));
        QCOMPARE(window.knownWords().size(), std::size_t(0));
        QCOMPARE(control<QLabel>(window, "Known_Words_Label")->text(), QStringLiteral("0 words."));
        QVERIFY(Known_Word_List_Changed_CheckBox->isChecked());

        // Saving an empty list writes an empty file and clears the flag.
        QVERIFY(fixture.save());
        QVERIFY(fixture.fileExists("wordlist.dat"));
        QCOMPARE(fixture.readFile("wordlist.dat"), std::string());
        QVERIFY(!Known_Word_List_Changed_CheckBox->isChecked());
    }

    void loadAsksBeforeLosingChanges()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        auto* const Load_Word_List_BitBtn = control<QPushButton>(window, "Load_Word_List_BitBtn");
        fixture.messages.scriptAnswers({Answer::Yes});
        control<QPushButton>(window, "Reset_Word_List_BitBtn")->click();
        fixture.writeFile("wordlist.dat", "one\ntwo\n");

        fixture.messages.scriptAnswers({Answer::No});
        Load_Word_List_BitBtn->click();
        QCOMPARE(fixture.messages.shown.back().text,
                 std::string("The Known Word List has been changed.  Are you sure re-load the list and lose the changes made ?"));
        QCOMPARE(window.knownWords().size(), std::size_t(0));
        QCOMPARE(control<QLabel>(window, "Known_Words_Label")->text(), QStringLiteral("0 words."));

        fixture.messages.scriptAnswers({Answer::Yes});
        Load_Word_List_BitBtn->click();
        QCOMPARE(window.knownWords().size(), std::size_t(2));
        QVERIFY(!control<QCheckBox>(window, "Known_Word_List_Changed_CheckBox")->isChecked());
    }

    void loadWithoutAFileKeepsTheListAndClearsTheFlag()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        auto* const Known_Word_List_Changed_CheckBox = control<QCheckBox>(window, "Known_Word_List_Changed_CheckBox");
        window.knownWordList().setChanged(true);
        fixture.messages.scriptAnswers({Answer::Yes});
        control<QPushButton>(window, "Load_Word_List_BitBtn")->click();
        QCOMPARE(window.knownWords().size(), std::size_t(938));
        QVERIFY(!Known_Word_List_Changed_CheckBox->isChecked());
        QCOMPARE(control<QLabel>(window, "Known_Words_Label")->text(), QStringLiteral("938 words."));
    }

    void unreadableFileIsReportedAndLosesNothing()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "one\n");
        fixture.files.unreadableFiles.insert(fixture.pathOf("wordlist.dat"));
        TMainForm1& window = fixture.start();
        QCOMPARE(fixture.messages.shown.size(), std::size_t(1));
        QCOMPARE(fixture.messages.shown[0].kind, MessageKind::Error);
        QCOMPARE(fixture.messages.shown[0].text, "Cannot open file " + fixture.pathOf("wordlist.dat"));
        QCOMPARE(window.knownWords().size(), std::size_t(938));
    }

    void failedSaveKeepsTheOldFileAndTheFlag()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "old\r\nlist\r\n");
        TMainForm1& window = fixture.start();
        fixture.messages.scriptAnswers({Answer::Yes});
        control<QPushButton>(window, "Reset_Word_List_BitBtn")->click();

        fixture.files.readOnlyFolders.insert(fixture.folder());
        QVERIFY(fixture.save());
        QCOMPARE(fixture.messages.shown.back().kind, MessageKind::Error);
        QCOMPARE(fixture.messages.shown.back().text, "Cannot create file " + fixture.pathOf("wordlist.dat"));
        QCOMPARE(fixture.readFile("wordlist.dat"), std::string("old\r\nlist\r\n"));
        QVERIFY(control<QCheckBox>(window, "Known_Word_List_Changed_CheckBox")->isChecked());
    }

    // The Save button and the close query's save alike.
    void anUnreadableListIsReplacedOnlyAfterAYes()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "unseen\r\n");
        fixture.files.unreadableFiles.insert(fixture.pathOf("wordlist.dat"));
        TMainForm1& window = fixture.start();
        auto* const Known_Word_List_Changed_CheckBox = control<QCheckBox>(window, "Known_Word_List_Changed_CheckBox");
        window.knownWordList().setChanged(true);
        const std::string question =
            "The file " + fixture.pathOf("wordlist.dat") + " could not be read, and saving will replace it.  Replace it ?";
        fixture.messages.scriptAnswers({Answer::No});
        QVERIFY(fixture.save());
        QCOMPARE(fixture.messages.shown.back().text, question);
        QCOMPARE(fixture.messages.shown.back().defaultAnswer, Answer::No);
        QCOMPARE(fixture.readFile("wordlist.dat"), std::string("unseen\r\n"));
        QVERIFY(Known_Word_List_Changed_CheckBox->isChecked());

        fixture.messages.scriptAnswers({Answer::Yes, Answer::Yes}); // save before exiting, replace
        fixture.close();
        QCOMPARE(fixture.messages.shown.back().text, question);
        QVERIFY(fixture.readFile("wordlist.dat").starts_with("a\r\nable\r\n"));
    }

    void aFileChangedOnDiskIsReplacedOnlyAfterAYes_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("change");
        QTest::newRow("rewritten") << "one\r\n" << " has been changed by another program since it was read.";
        QTest::newRow("created") << "" << " has been created by another program since the list was loaded.";
    }

    void aFileChangedOnDiskIsReplacedOnlyAfterAYes()
    {
        QFETCH(QString, before);
        QFETCH(QString, change);
        WindowFixture fixture;
        if (!before.isEmpty()) fixture.writeFile("wordlist.dat", before.toStdString());
        TMainForm1& window = fixture.start();
        auto* const Known_Word_List_Changed_CheckBox = control<QCheckBox>(window, "Known_Word_List_Changed_CheckBox");
        window.knownWordList().setChanged(true);
        fixture.writeFile("wordlist.dat", "another program's\r\nwords\r\n");

        fixture.messages.scriptAnswers({Answer::No});
        QVERIFY(fixture.save());
        QCOMPARE(fixture.messages.shown.back().text,
                 "The file " + fixture.pathOf("wordlist.dat") + change.toStdString() + "  Replace it with this list ?");
        QCOMPARE(fixture.messages.shown.back().defaultAnswer, Answer::No);
        QCOMPARE(fixture.readFile("wordlist.dat"), std::string("another program's\r\nwords\r\n"));
        QVERIFY(Known_Word_List_Changed_CheckBox->isChecked());

        fixture.messages.scriptAnswers({Answer::Yes});
        QVERIFY(fixture.save());
        QVERIFY(!Known_Word_List_Changed_CheckBox->isChecked());
        QVERIFY(fixture.readFile("wordlist.dat") != "another program's\r\nwords\r\n");
        const std::size_t asked = fixture.messages.shown.size();
        QVERIFY(fixture.save()); // what it wrote itself is no change
        QCOMPARE(fixture.messages.shown.size(), asked);
    }

    void saveIntoAFolderStandingAtTheFilesPlaceFails()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        auto* const Known_Word_List_Changed_CheckBox = control<QCheckBox>(window, "Known_Word_List_Changed_CheckBox");
        std::filesystem::create_directory(fixture.pathOf("wordlist.dat"));
        window.knownWordList().setChanged(true);
        QVERIFY(fixture.save());
        QCOMPARE(fixture.messages.shown.back().text, "Cannot create file " + fixture.pathOf("wordlist.dat"));
        QVERIFY(Known_Word_List_Changed_CheckBox->isChecked());
        QVERIFY(std::filesystem::is_directory(fixture.pathOf("wordlist.dat")));
    }

    void copyPutsTheWholeListOnTheClipboard()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "alpha\nbeta\ngamma\n");
        TMainForm1& window = fixture.start();
        auto* const Known_Words_MemoEx = control<QListView>(window, "Known_Words_MemoEx");
        Known_Words_MemoEx->selectAll();
        control<QPushButton>(window, "Copy_Word_List_To_Clipboard_BitBtn")->click();
        QCOMPARE(fixture.clipboard.content.value_or(""), std::string("alpha\r\nbeta\r\ngamma"));
        QVERIFY(!Known_Words_MemoEx->selectionModel()->hasSelection());
        QVERIFY(!control<QCheckBox>(window, "Known_Word_List_Changed_CheckBox")->isChecked());

        fixture.clipboard.content = "before";
        fixture.messages.scriptAnswers({Answer::Yes});
        control<QPushButton>(window, "Reset_Word_List_BitBtn")->click();
        control<QPushButton>(window, "Copy_Word_List_To_Clipboard_BitBtn")->click();
        QCOMPARE(fixture.clipboard.content.value_or(""), std::string("before"));
    }

    void veryLongLinesAreCutOnlyWhereTheyAreDrawn()
    {
        WindowFixture fixture;
        const std::string longLine(10'000'000, 'w');
        fixture.writeFile("wordlist.dat", longLine + "\r\nshort\r\n");
        TMainForm1& window = fixture.start();
        control<QTabWidget>(window, "PageControl1")->setCurrentIndex(3);
        auto* const Known_Words_MemoEx = control<QListView>(window, "Known_Words_MemoEx");
        QCOMPARE(Known_Words_MemoEx->grab().isNull(), false);
        const QString shown = Known_Words_MemoEx->model()->index(0, 0).data().toString();
        QVERIFY(shown.size() < 10000);
        QVERIFY(shown.endsWith(QChar(0x2026)));
        QCOMPARE(Known_Words_MemoEx->model()->index(1, 0).data().toString(), QStringLiteral("short"));

        control<QPushButton>(window, "Copy_Word_List_To_Clipboard_BitBtn")->click();
        QCOMPARE(fixture.clipboard.content.value_or(""), longLine + "\r\nshort");
        QVERIFY(fixture.save());
        QCOMPARE(fixture.readFile("wordlist.dat"), longLine + "\r\nshort\r\n");
    }

    void helpAboutShowsTheAboutBoxModally()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        TAboutBox aboutBox(fixture.services.platform(), &window);
        window.setAboutBox(&aboutBox);
        window.findChild<QAction*>(QStringLiteral("AboutOption"))->trigger();
        QVERIFY(aboutBox.isVisible());
        QCOMPARE(aboutBox.windowModality(), Qt::ApplicationModal);
        aboutBox.OKButtonClick();
    }
};

QTEST_MAIN(MainFormTest)
#include "main_form_qtest.moc"
