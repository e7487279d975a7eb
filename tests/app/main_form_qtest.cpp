// The main window's start-up, page switch, length limits, close query and
// the known word list's buttons.

#include "WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>

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
        const SearchPageControls wildcard = searchPage(window, wildcardPage);
        const SearchPageControls phonetic = searchPage(window, phoneticPage);
        QCOMPARE(window.windowTitle(), QStringLiteral("Verbalia - v1.4f - 938 words."));
        QCOMPARE(window.Known_Words_Label->text(), QStringLiteral("938 words."));
        QCOMPARE(window.knownWords().size(), std::size_t(938));
        QCOMPARE(window.knownWords().at(0), std::string("a"));
        QCOMPARE(window.PageControl1->currentIndex(), 0);
        QCOMPARE(window.Lower_Length_SpinEdit->value(), 1);
        QCOMPARE(window.Upper_Length_SpinEdit->value(), 50);
        QVERIFY(!window.Known_Word_List_Changed_CheckBox->isChecked());
        QVERIFY(!window.Halt_Processing_BitBtn->isEnabled());
        QVERIFY(!window.ProgressBar1->isVisible());
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
        const SearchPageControls phonetic = searchPage(window, phoneticPage);
        QCOMPARE(window.PageControl1->geometry(), QRect(5, 4, 605, 409));
        QCOMPARE(window.Exit_BitBtn->geometry(), QRect(337, 416, 150, 35));
        QCOMPARE(window.Upper_Length_SpinEdit->geometry(), QRect(136, 20, 45, 27));
        QCOMPARE(window.Known_Words_MemoEx->geometry(), QRect(8, 40, 225, 209));
        QCOMPARE(window.Add_Unique_Words_BitBtn->geometry(), QRect(24, 336, 200, 27));
        QCOMPARE(window.Search_for_Words_with_only_these_Specified_Number_RadioButton->text(),
                 QStringLiteral("Search for words containing only these letters and only the specified number of each letter."));
        QCOMPARE(window.PageControl1->tabText(3), QStringLiteral("Word List Maintenance"));
        QCOMPARE(phonetic.criteria->geometry(), QRect(132, 21, 361, 25)); // found by its name
        QCOMPARE(phonetic.status->geometry().topLeft(), QPoint(388, 350));
        QCOMPARE(window.Exit_BitBtn->font().pointSize(), 14);
        QVERIFY(window.Known_Words_MemoEx->font().fixedPitch() ||
                window.Known_Words_MemoEx->font().family() == QStringLiteral("Courier New"));
    }

    void inputsAreNamedByTheirLabels()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        const SearchPageControls wildcard = searchPage(window, wildcardPage);
        const SearchPageControls phonetic = searchPage(window, phoneticPage);
        QCOMPARE(accessibleName(wildcard.criteria), QStringLiteral("Search Criteria :"));
        QCOMPARE(accessibleName(phonetic.criteria), QStringLiteral("Base Word :"));
        QCOMPARE(accessibleName(window.Lower_Length_SpinEdit), QStringLiteral("From :"));
        QCOMPARE(accessibleName(window.Upper_Length_SpinEdit), QStringLiteral("to :"));
        QCOMPARE(accessibleName(window.Excluded_Letters_Edit), QStringLiteral("Exclude words containing these letters :"));
    }

    void sharedGroupsHideOnTheMaintenancePageOnly()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        for (int page : {0, 1, 2, 3, 0}) {
            window.PageControl1->setCurrentIndex(page);
            QCOMPARE(window.Limit_Word_Length_GroupBox->isVisible(), page != 3);
            QCOMPARE(window.Excluded_Letters_GroupBox->isVisible(), page != 3);
            QVERIFY(window.Excluded_Letters_Edit->isEnabled());
        }
    }

    void lengthLimitsPushEachOther()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        window.Upper_Length_SpinEdit->setValue(25);
        window.Lower_Length_SpinEdit->setValue(30);
        QCOMPARE(window.Upper_Length_SpinEdit->value(), 30);
        window.Lower_Length_SpinEdit->setValue(5);
        window.Upper_Length_SpinEdit->setValue(3);
        QCOMPARE(window.Lower_Length_SpinEdit->value(), 3);
        QCOMPARE(window.Upper_Length_SpinEdit->value(), 3);
    }

    void loadsWordListFileByteForByte()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", std::string("apple\r\n\r\n  pie \rx\ty\nlast\0ignored", 28));
        TMainForm1& window = fixture.start();
        QCOMPARE(window.knownWords().size(), std::size_t(5));
        QCOMPARE(window.knownWords().at(1), std::string());
        QCOMPARE(window.knownWords().at(2), std::string("  pie "));
        QCOMPARE(window.knownWords().at(3), std::string("xy"));
        QCOMPARE(window.knownWords().at(4), std::string("last"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Verbalia - v1.4f - 5 words."));

        window.Save_Word_List_BitBtnClick();
        QCOMPARE(fixture.readFile("wordlist.dat"), std::string("apple\r\n\r\n  pie \r\nxy\r\nlast\r\n"));
    }

    void closeAsksOnlyWhenTheListChanged()
    {
        WindowFixture fixture;
        fixture.start();
        fixture.close();
        QVERIFY(fixture.messages.shown.empty());
        QVERIFY(!fixture.fileExists("wordlist.dat"));

        fixture.start().Known_Word_List_Changed_CheckBox->setChecked(true);
        fixture.messages.scriptAnswers({Answer::No});
        fixture.close();
        QCOMPARE(fixture.messages.shown.size(), std::size_t(1));
        QCOMPARE(fixture.messages.shown[0].kind, MessageKind::Confirm);
        QCOMPARE(fixture.messages.shown[0].text,
                 std::string("The Known Word List has been changed, but not saved.  Would you like to save the list "
                             "before exiting ?"));
        QVERIFY(!fixture.fileExists("wordlist.dat"));

        fixture.start().Known_Word_List_Changed_CheckBox->setChecked(true);
        fixture.messages.scriptAnswers({Answer::Yes});
        fixture.close();
        QCOMPARE(fixture.readFile("wordlist.dat").substr(0, 7), std::string("a\r\nable"));
    }

    void resetEmptiesTheListOnlyOnYes()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        fixture.messages.scriptAnswers({Answer::No});
        window.Reset_Word_List_BitBtn->click();
        QCOMPARE(window.knownWords().size(), std::size_t(938));
        QVERIFY(!window.Known_Word_List_Changed_CheckBox->isChecked());

        fixture.messages.scriptAnswers({Answer::Yes});
        window.Reset_Word_List_BitBtn->click();
        QCOMPARE(fixture.messages.shown.back().text, std::string("Reset the Known Word List ?  Are you sure ?"));
        QCOMPARE(window.knownWords().size(), std::size_t(0));
        QCOMPARE(window.Known_Words_Label->text(), QStringLiteral("0 words."));
        QVERIFY(window.Known_Word_List_Changed_CheckBox->isChecked());

        // Saving an empty list writes an empty file and clears the flag.
        window.Save_Word_List_BitBtn->click();
        QVERIFY(fixture.fileExists("wordlist.dat"));
        QCOMPARE(fixture.readFile("wordlist.dat"), std::string());
        QVERIFY(!window.Known_Word_List_Changed_CheckBox->isChecked());
    }

    void loadAsksBeforeLosingChanges()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        fixture.messages.scriptAnswers({Answer::Yes});
        window.Reset_Word_List_BitBtnClick();
        fixture.writeFile("wordlist.dat", "one\ntwo\n");

        fixture.messages.scriptAnswers({Answer::No});
        window.Load_Word_List_BitBtn->click();
        QCOMPARE(fixture.messages.shown.back().text,
                 std::string("The Known Word List has been changed.  Are you sure re-load the list and lose the changes made ?"));
        QCOMPARE(window.knownWords().size(), std::size_t(0));
        QCOMPARE(window.Known_Words_Label->text(), QStringLiteral("0 words."));

        fixture.messages.scriptAnswers({Answer::Yes});
        window.Load_Word_List_BitBtn->click();
        QCOMPARE(window.knownWords().size(), std::size_t(2));
        QVERIFY(!window.Known_Word_List_Changed_CheckBox->isChecked());
    }

    void loadWithoutAFileKeepsTheListAndClearsTheFlag()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        window.Known_Word_List_Changed_CheckBox->setChecked(true);
        fixture.messages.scriptAnswers({Answer::Yes});
        window.Load_Word_List_BitBtnClick();
        QCOMPARE(window.knownWords().size(), std::size_t(938));
        QVERIFY(!window.Known_Word_List_Changed_CheckBox->isChecked());
        QCOMPARE(window.Known_Words_Label->text(), QStringLiteral("938 words."));
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
        window.Reset_Word_List_BitBtnClick();

        fixture.files.readOnlyFolders.insert(fixture.folder());
        window.Save_Word_List_BitBtn->click();
        QCOMPARE(fixture.messages.shown.back().kind, MessageKind::Error);
        QCOMPARE(fixture.messages.shown.back().text, "Cannot create file " + fixture.pathOf("wordlist.dat"));
        QCOMPARE(fixture.readFile("wordlist.dat"), std::string("old\r\nlist\r\n"));
        QVERIFY(window.Known_Word_List_Changed_CheckBox->isChecked());
    }

    void saveIntoAFolderStandingAtTheFilesPlaceFails()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        std::filesystem::create_directory(fixture.pathOf("wordlist.dat"));
        window.Known_Word_List_Changed_CheckBox->setChecked(true);
        window.Save_Word_List_BitBtnClick();
        QCOMPARE(fixture.messages.shown.back().text, "Cannot create file " + fixture.pathOf("wordlist.dat"));
        QVERIFY(window.Known_Word_List_Changed_CheckBox->isChecked());
        QVERIFY(std::filesystem::is_directory(fixture.pathOf("wordlist.dat")));
    }

    void copyPutsTheWholeListOnTheClipboard()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "alpha\nbeta\ngamma\n");
        TMainForm1& window = fixture.start();
        window.Known_Words_MemoEx->selectAll();
        window.Copy_Word_List_To_Clipboard_BitBtn->click();
        QCOMPARE(fixture.clipboard.content.value_or(""), std::string("alpha\r\nbeta\r\ngamma"));
        QVERIFY(!window.Known_Words_MemoEx->selectionModel()->hasSelection());
        QVERIFY(!window.Known_Word_List_Changed_CheckBox->isChecked());

        fixture.clipboard.content = "before";
        fixture.messages.scriptAnswers({Answer::Yes});
        window.Reset_Word_List_BitBtnClick();
        window.Copy_Word_List_To_Clipboard_BitBtnClick();
        QCOMPARE(fixture.clipboard.content.value_or(""), std::string("before"));
    }
};

QTEST_MAIN(MainFormTest)
#include "main_form_qtest.moc"
