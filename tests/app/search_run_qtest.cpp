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
        const SearchPageControls wildcard = searchPage(window, wildcardPage);
        wildcard.criteria->setEditText(QStringLiteral("  l?ve \t"));
        window.Excluded_Letters_Edit->setText(QStringLiteral("E"));
        wildcard.status->setText(QStringLiteral("earlier"));
        wildcard.run->click();

        QCOMPARE(fixture.messages.shown.size(), std::size_t(1));
        QCOMPARE(fixture.messages.shown[0].kind, MessageKind::Information);
        QCOMPARE(fixture.messages.shown[0].text,
                 std::string("The search criteria contain letter(s) that are in the list of excluded letters."));
        QCOMPARE(wildcard.criteria->currentText(), QStringLiteral("l?ve"));
        QCOMPARE(window.Excluded_Letters_Edit->text(), QStringLiteral("e"));
        QCOMPARE(wildcard.status->text(), QStringLiteral("earlier"));
        QCOMPARE(wildcard.criteria->count(), 0);
        QVERIFY(!window.ProgressBar1->isVisible());
        QVERIFY(wildcard.run->isEnabled());
    }

    void aCompletedRunListsAndCountsItsWords()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "acrid\nacid\namid\naphid\nAcrid\n");
        TMainForm1& window = fixture.start();
        const SearchPageControls wildcard = searchPage(window, wildcardPage);
        wildcard.criteria->setEditText(QStringLiteral("A??I?"));
        QTest::keyClick(wildcard.criteria->lineEdit(), Qt::Key_Return);

        QVERIFY(fixture.messages.shown.empty());
        QCOMPARE(linesOf(wildcard.results), (QStringList{"acrid", "aphid"}));
        QCOMPARE(wildcard.status->text(), QStringLiteral("2 words found."));
        QCOMPARE(wildcard.criteria->currentText(), QStringLiteral("A??I?"));
        QCOMPARE(wildcard.criteria->count(), 1);
        QCOMPARE(wildcard.criteria->itemText(0), QStringLiteral("A??I?"));
        QVERIFY(!window.Halt_Processing_BitBtn->isEnabled());
        QVERIFY(!window.ProgressBar1->isVisible());
        for (QWidget* control : std::initializer_list<QWidget*>{
                 wildcard.run, window.Exit_BitBtn, wildcard.criteria,
                 window.Lower_Length_SpinEdit, window.Excluded_Letters_Edit, wildcard.results})
            QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
        QVERIFY(window.menuBar()->isEnabled());

        // A run that finds nothing still counts.
        wildcard.criteria->setEditText(QStringLiteral("zz*"));
        window.Wildcard_Search_BitBtnClick();
        QCOMPARE(wildcard.status->text(), QStringLiteral("0 words found."));
        QCOMPARE(wildcard.criteria->itemText(0), QStringLiteral("zz*"));
    }

    void theWindowIsLockedWhileARunScans()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", numberedWords(500));
        TMainForm1& window = fixture.start();
        const SearchPageControls wildcard = searchPage(window, wildcardPage);
        bool checked = false;
        duringRun(3, [&] {
            checked = true;
            QVERIFY(window.isRunning());
            QVERIFY(window.Halt_Processing_BitBtn->isEnabled());
            QVERIFY(window.ProgressBar1->isVisible());
            QVERIFY(wildcard.status->isEnabled());
            QCOMPARE(wildcard.status->text(), QStringLiteral(" Searching ... "));
            QVERIFY(!wildcard.run->isEnabled());
            QVERIFY(!window.Exit_BitBtn->isEnabled());
            QVERIFY(!window.Upper_Length_SpinEdit->isEnabled());
            QVERIFY(!window.Load_Word_List_BitBtn->isEnabled());
            QVERIFY(!window.menuBar()->isEnabled());
        });
        wildcard.criteria->setEditText(QStringLiteral("*"));
        window.Wildcard_Search_BitBtnClick();
        QVERIFY(checked);
        QCOMPARE(wildcard.status->text(), QStringLiteral("500 words found."));
        QVERIFY(window.menuBar()->isEnabled());
        QVERIFY(window.Exit_BitBtn->isEnabled());
    }

    void aHaltKeepsThePartialResults()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", numberedWords(1000));
        TMainForm1& window = fixture.start();
        const SearchPageControls wildcard = searchPage(window, wildcardPage);
        duringRun(5, [&] { window.Halt_Processing_BitBtn->click(); });
        wildcard.criteria->setEditText(QStringLiteral("w*"));
        window.Wildcard_Search_BitBtnClick();

        QCOMPARE(wildcard.status->text(), QStringLiteral(" Search Aborted by User !"));
        const QStringList found = linesOf(wildcard.results);
        QVERIFY(!found.isEmpty());
        QVERIFY(found.size() < 1000);
        QCOMPARE(found.size() % 11, 1); // one word tested after the step whose events brought the halt
        QCOMPARE(found.front(), QStringLiteral("w100000"));
        QVERIFY(!window.Halt_Processing_BitBtn->isEnabled());
        QVERIFY(wildcard.run->isEnabled());
    }

    void aCloseRequestDuringARunWaitsForItToStop()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", numberedWords(1000));
        TMainForm1& window = fixture.start();
        const SearchPageControls wildcard = searchPage(window, wildcardPage);
        window.Known_Word_List_Changed_CheckBox->setChecked(true);
        fixture.messages.scriptAnswers({Answer::No});
        bool stillOpen = false;
        duringRun(4, [&] {
            window.close();
            stillOpen = window.isVisible();
        });
        wildcard.criteria->setEditText(QStringLiteral("w*"));
        window.Wildcard_Search_BitBtnClick();

        QVERIFY(stillOpen);
        QVERIFY(!window.isVisible());
        QCOMPARE(wildcard.status->text(), QStringLiteral(" Search Aborted by User !"));
        QVERIFY(fixture.fileExists("verbalia.ini"));
        QCOMPARE(fixture.messages.shown.size(), std::size_t(1));
        QVERIFY(fixture.messages.shown[0].question);
    }

    void copyPutsEveryResultLineOnTheClipboard()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "ab\nabc\nabcd\n");
        TMainForm1& window = fixture.start();
        const SearchPageControls wildcard = searchPage(window, wildcardPage);
        wildcard.criteria->setEditText(QStringLiteral("ab*"));
        window.Wildcard_Search_BitBtnClick();
        wildcard.results->selectAll();
        wildcard.copy->click();
        QCOMPARE(fixture.clipboard.content.value_or(""), std::string("ab\r\nabc\r\nabcd"));
        QVERIFY(!wildcard.results->selectionModel()->hasSelection());
    }

    void resetButtonsEmptyTheirBoxesAndKeepTheResults()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "ab\nabc\n");
        TMainForm1& window = fixture.start();
        const SearchPageControls wildcard = searchPage(window, wildcardPage);
        wildcard.criteria->setEditText(QStringLiteral("ab?"));
        window.Wildcard_Search_BitBtnClick();
        window.Excluded_Letters_Edit->setText(QStringLiteral("q"));
        wildcard.reset->click();
        window.Reset_Excluded_Letters_Edit_BitBtn->click();
        QVERIFY(wildcard.criteria->currentText().isEmpty());
        QCOMPARE(wildcard.criteria->count(), 0);
        QVERIFY(window.Excluded_Letters_Edit->text().isEmpty());
        QCOMPARE(linesOf(wildcard.results), (QStringList{"abc"}));
        QCOMPARE(wildcard.status->text(), QStringLiteral("1 words found."));
    }

    void letterModesFollowTheRadioButtons()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "opts\npot\npotto\nspot\nstop\ntop\n");
        TMainForm1& window = fixture.start();
        const SearchPageControls letters = searchPage(window, letterPage);
        window.PageControl1->setCurrentIndex(1);
        letters.criteria->setEditText(QStringLiteral("Pot"));
        window.Excluded_Letters_Edit->setText(QStringLiteral("S"));
        letters.run->click();
        QCOMPARE(linesOf(letters.results), (QStringList{"pot", "potto", "top"}));
        QCOMPARE(letters.status->text(), QStringLiteral("3 words found."));

        window.Search_for_Words_with_only_these_Specified_Number_RadioButton->click();
        QVERIFY(!window.Excluded_Letters_Edit->isEnabled());
        letters.criteria->setEditText(QStringLiteral("stop"));
        QTest::keyClick(letters.criteria->lineEdit(), Qt::Key_Enter);
        QCOMPARE(linesOf(letters.results), (QStringList{"opts", "spot", "stop"}));
        QCOMPARE(window.Excluded_Letters_Edit->text(), QStringLiteral("s"));
    }

    void phoneticRunsListLowerCaseWords()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "Mass\nmice\nmoss\nmuse\nmy\nnice\n");
        TMainForm1& window = fixture.start();
        const SearchPageControls phonetic = searchPage(window, phoneticPage);
        window.PageControl1->setCurrentIndex(2);
        phonetic.criteria->setEditText(QStringLiteral("MICE"));
        phonetic.run->click();
        QCOMPARE(linesOf(phonetic.results), (QStringList{"mass", "mice", "moss", "muse"}));
        QCOMPARE(phonetic.status->text(), QStringLiteral("4 words found that sound similar."));
        QCOMPARE(phonetic.criteria->itemText(0), QStringLiteral("MICE"));

        phonetic.criteria->setEditText(QStringLiteral("m1ce"));
        window.Phonetic_Word_Search_BitBtnClick();
        QCOMPARE(fixture.messages.shown.back().text,
                 std::string("Only alphabetic letters A-Z or a-z are allowed in the search criteria."));
    }
};

QTEST_MAIN(SearchRunTest)
#include "search_run_qtest.moc"
