// Search runs through the window: refusals, completed and halted runs, the
// lock, the menu and close requests during a run, and the shared buttons.

#include "WindowFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>

#include <functional>

using namespace verbalia;

namespace {

QStringList linesOf(const QListView* view)
{
    QStringList lines;
    for (int row = 0; row < view->model()->rowCount(); ++row) lines << view->model()->index(row, 0).data().toString();
    return lines;
}

// Runs the action once the run has let events through `rounds` times.
void duringRun(int rounds, std::function<void()> action)
{
    QTimer::singleShot(0, [rounds, action] {
        if (rounds <= 1)
            action();
        else
            duringRun(rounds - 1, action);
    });
}

std::string numberedWords(int count)
{
    std::string words;
    for (int i = 0; i < count; ++i) words += "w" + std::to_string(100000 + i) + "\r\n";
    return words;
}

} // namespace

class SearchRunTest : public QObject {
    Q_OBJECT

private slots:
    void aRefusalChangesOnlyTheWrittenBackTexts()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "love\nlane\n");
        TMainForm1& window = fixture.start();
        window.Wildcard_Search_ComboBox->setEditText(QStringLiteral("  l?ve \t"));
        window.Excluded_Letters_Edit->setText(QStringLiteral("E"));
        window.Wildcard_Search_Label->setText(QStringLiteral("earlier"));
        window.Wildcard_Search_BitBtn->click();

        QCOMPARE(fixture.messages.shown.size(), std::size_t(1));
        QCOMPARE(fixture.messages.shown[0].kind, MessageKind::Information);
        QCOMPARE(fixture.messages.shown[0].text,
                 std::string("The search criteria contain letter(s) that are in the list of excluded letters."));
        QCOMPARE(window.Wildcard_Search_ComboBox->currentText(), QStringLiteral("l?ve"));
        QCOMPARE(window.Excluded_Letters_Edit->text(), QStringLiteral("e"));
        QCOMPARE(window.Wildcard_Search_Label->text(), QStringLiteral("earlier"));
        QCOMPARE(window.Wildcard_Search_ComboBox->count(), 0);
        QVERIFY(!window.ProgressBar1->isVisible());
        QVERIFY(window.Wildcard_Search_BitBtn->isEnabled());
    }

    void aCompletedRunListsAndCountsItsWords()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "acrid\nacid\namid\naphid\nAcrid\n");
        TMainForm1& window = fixture.start();
        window.Wildcard_Search_ComboBox->setEditText(QStringLiteral("A??I?"));
        QTest::keyClick(window.Wildcard_Search_ComboBox->lineEdit(), Qt::Key_Return);

        QVERIFY(fixture.messages.shown.empty());
        QCOMPARE(linesOf(window.WildCard_Search_Results_MemoEx), (QStringList{"acrid", "aphid"}));
        QCOMPARE(window.Wildcard_Search_Label->text(), QStringLiteral("2 words found."));
        QCOMPARE(window.Wildcard_Search_ComboBox->currentText(), QStringLiteral("A??I?"));
        QCOMPARE(window.Wildcard_Search_ComboBox->count(), 1);
        QCOMPARE(window.Wildcard_Search_ComboBox->itemText(0), QStringLiteral("A??I?"));
        QVERIFY(!window.Halt_Processing_BitBtn->isEnabled());
        QVERIFY(!window.ProgressBar1->isVisible());
        for (QWidget* control : std::initializer_list<QWidget*>{
                 window.Wildcard_Search_BitBtn, window.Exit_BitBtn, window.Wildcard_Search_ComboBox,
                 window.Lower_Length_SpinEdit, window.Excluded_Letters_Edit, window.WildCard_Search_Results_MemoEx})
            QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
        QVERIFY(window.menuBar()->isEnabled());

        // A run that finds nothing still counts.
        window.Wildcard_Search_ComboBox->setEditText(QStringLiteral("zz*"));
        window.Wildcard_Search_BitBtnClick();
        QCOMPARE(window.Wildcard_Search_Label->text(), QStringLiteral("0 words found."));
        QCOMPARE(window.Wildcard_Search_ComboBox->itemText(0), QStringLiteral("zz*"));
    }

    void theWindowIsLockedWhileARunScans()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", numberedWords(500));
        TMainForm1& window = fixture.start();
        bool checked = false;
        duringRun(3, [&] {
            checked = true;
            QVERIFY(window.isRunning());
            QVERIFY(window.Halt_Processing_BitBtn->isEnabled());
            QVERIFY(window.ProgressBar1->isVisible());
            QVERIFY(window.Wildcard_Search_Label->isEnabled());
            QCOMPARE(window.Wildcard_Search_Label->text(), QStringLiteral(" Searching ... "));
            QVERIFY(!window.Wildcard_Search_BitBtn->isEnabled());
            QVERIFY(!window.Exit_BitBtn->isEnabled());
            QVERIFY(!window.Upper_Length_SpinEdit->isEnabled());
            QVERIFY(!window.Load_Word_List_BitBtn->isEnabled());
            QVERIFY(!window.menuBar()->isEnabled());
        });
        window.Wildcard_Search_ComboBox->setEditText(QStringLiteral("*"));
        window.Wildcard_Search_BitBtnClick();
        QVERIFY(checked);
        QCOMPARE(window.Wildcard_Search_Label->text(), QStringLiteral("500 words found."));
        QVERIFY(window.menuBar()->isEnabled());
        QVERIFY(window.Exit_BitBtn->isEnabled());
    }

    void aHaltKeepsThePartialResults()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", numberedWords(1000));
        TMainForm1& window = fixture.start();
        duringRun(5, [&] { window.Halt_Processing_BitBtn->click(); });
        window.Wildcard_Search_ComboBox->setEditText(QStringLiteral("w*"));
        window.Wildcard_Search_BitBtnClick();

        QCOMPARE(window.Wildcard_Search_Label->text(), QStringLiteral(" Search Aborted by User !"));
        const QStringList found = linesOf(window.WildCard_Search_Results_MemoEx);
        QVERIFY(!found.isEmpty());
        QVERIFY(found.size() < 1000);
        QCOMPARE(found.size() % 11, 1); // one word tested after the step whose events brought the halt
        QCOMPARE(found.front(), QStringLiteral("w100000"));
        QVERIFY(!window.Halt_Processing_BitBtn->isEnabled());
        QVERIFY(window.Wildcard_Search_BitBtn->isEnabled());
    }

    void aCloseRequestDuringARunWaitsForItToStop()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", numberedWords(1000));
        TMainForm1& window = fixture.start();
        window.Known_Word_List_Changed_CheckBox->setChecked(true);
        fixture.messages.scriptAnswers({Answer::No});
        bool stillOpen = false;
        duringRun(4, [&] {
            window.close();
            stillOpen = window.isVisible();
        });
        window.Wildcard_Search_ComboBox->setEditText(QStringLiteral("w*"));
        window.Wildcard_Search_BitBtnClick();

        QVERIFY(stillOpen);
        QVERIFY(!window.isVisible());
        QCOMPARE(window.Wildcard_Search_Label->text(), QStringLiteral(" Search Aborted by User !"));
        QVERIFY(fixture.fileExists("verbalia.ini"));
        QCOMPARE(fixture.messages.shown.size(), std::size_t(1));
        QVERIFY(fixture.messages.shown[0].question);
    }

    void copyPutsEveryResultLineOnTheClipboard()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "ab\nabc\nabcd\n");
        TMainForm1& window = fixture.start();
        window.Wildcard_Search_ComboBox->setEditText(QStringLiteral("ab*"));
        window.Wildcard_Search_BitBtnClick();
        window.WildCard_Search_Results_MemoEx->selectAll();
        window.Clipboard_Copy_WildCard_Search_Results_BitBtn->click();
        QCOMPARE(fixture.clipboard.content.value_or(""), std::string("ab\r\nabc\r\nabcd"));
        QVERIFY(!window.WildCard_Search_Results_MemoEx->selectionModel()->hasSelection());
    }

    void resetButtonsEmptyTheirBoxesAndKeepTheResults()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "ab\nabc\n");
        TMainForm1& window = fixture.start();
        window.Wildcard_Search_ComboBox->setEditText(QStringLiteral("ab?"));
        window.Wildcard_Search_BitBtnClick();
        window.Excluded_Letters_Edit->setText(QStringLiteral("q"));
        window.Reset_Wildcard_Search_Edit_BitBtn->click();
        window.Reset_Excluded_Letters_Edit_BitBtn->click();
        QVERIFY(window.Wildcard_Search_ComboBox->currentText().isEmpty());
        QCOMPARE(window.Wildcard_Search_ComboBox->count(), 0);
        QVERIFY(window.Excluded_Letters_Edit->text().isEmpty());
        QCOMPARE(linesOf(window.WildCard_Search_Results_MemoEx), (QStringList{"abc"}));
        QCOMPARE(window.Wildcard_Search_Label->text(), QStringLiteral("1 words found."));
    }

    void letterModesFollowTheRadioButtons()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "opts\npot\npotto\nspot\nstop\ntop\n");
        TMainForm1& window = fixture.start();
        window.PageControl1->setCurrentIndex(1);
        window.Words_With_These_Letters_Search_ComboBox->setEditText(QStringLiteral("Pot"));
        window.Excluded_Letters_Edit->setText(QStringLiteral("S"));
        window.Search_for_Words_with_these_Letters_BitBtn->click();
        QCOMPARE(linesOf(window.Words_With_These_Letters_Search_MemoEx), (QStringList{"pot", "potto", "top"}));
        QCOMPARE(window.Search_for_Words_with_these_Letters_Label->text(), QStringLiteral("3 words found."));

        window.Search_for_Words_with_only_these_Specified_Number_RadioButton->click();
        QVERIFY(!window.Excluded_Letters_Edit->isEnabled());
        window.Words_With_These_Letters_Search_ComboBox->setEditText(QStringLiteral("stop"));
        QTest::keyClick(window.Words_With_These_Letters_Search_ComboBox->lineEdit(), Qt::Key_Enter);
        QCOMPARE(linesOf(window.Words_With_These_Letters_Search_MemoEx), (QStringList{"opts", "spot", "stop"}));
        QCOMPARE(window.Excluded_Letters_Edit->text(), QStringLiteral("s"));
    }

    void phoneticRunsListLowerCaseWords()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "Mass\nmice\nmoss\nmuse\nmy\nnice\n");
        TMainForm1& window = fixture.start();
        window.PageControl1->setCurrentIndex(2);
        window.Phonetic_Search_ComboBox->setEditText(QStringLiteral("MICE"));
        window.Phonetic_Word_Search_BitBtn->click();
        QCOMPARE(linesOf(window.Phonetic_Search_MemoEx), (QStringList{"mass", "mice", "moss", "muse"}));
        QCOMPARE(window.Phonetic_Search_Label->text(), QStringLiteral("4 words found that sound similar."));
        QCOMPARE(window.Phonetic_Search_ComboBox->itemText(0), QStringLiteral("MICE"));

        window.Phonetic_Search_ComboBox->setEditText(QStringLiteral("m1ce"));
        window.Phonetic_Word_Search_BitBtnClick();
        QCOMPARE(fixture.messages.shown.back().text,
                 std::string("Only alphabetic letters A-Z or a-z are allowed in the search criteria."));
    }
};

QTEST_MAIN(SearchRunTest)
#include "search_run_qtest.moc"
