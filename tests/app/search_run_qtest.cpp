// Search runs through the window: refusals, completed and halted runs, the
// lock, the menu and close requests during a run, and the shared buttons.

#include "WindowFixture.h"
#include "platform/qt/QtText.h"

#include <QAction>
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
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableView>


using namespace verbalia;

namespace {

QStringList linesOf(const QListView* view)
{
    QStringList lines;
    for (int row = 0; row < view->model()->rowCount(); ++row) lines << view->model()->index(row, 0).data().toString();
    return lines;
}

std::string numberedWords(int count)
{
    std::string words;
    for (int i = 0; i < count; ++i) words += "w" + std::to_string(100000 + i) + "\r\n";
    return words;
}

// Shows the page and types its criteria and the exclusion list.
SearchControls typeCriteria(TMainForm1& window, int page, const QString& criteria, const QString& exclusion)
{
    control<QTabWidget>(window, "PageControl1")->setCurrentIndex(page);
    const SearchControls controls = searchPage(window, std::size_t(page));
    controls.criteria->setEditText(criteria);
    control<QLineEdit>(window, "Excluded_Letters_Edit")->setText(exclusion);
    return controls;
}

// The words and levels of the core's tests: subtle 10, hurtle and turtle 35,
// auntie 55, bustee, buttle and guttae 80, cuttoe none.
void writeLevelledList(const WindowFixture& fixture, bool withLevels)
{
    const auto copy = [&fixture](const char* from, const char* to) {
        std::ifstream in(std::string(VERBALIA_SOURCE_DIR "/tests/lexicon/") + from, std::ios::binary);
        fixture.writeFile(to, std::string(std::istreambuf_iterator<char>(in), {}));
    };
    copy("words.txt", "wordlist.dat");
    if (withLevels) copy("levels.txt", "wordlist-levels.txt");
}

} // namespace

class SearchRunTest : public QObject {
    Q_OBJECT

private slots:
    // Each page refuses criteria its search cannot take, changing nothing but
    // the criteria and exclusion texts it writes back.
    void aRefusalChangesOnlyTheWrittenBackTexts_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("criteria");
        QTest::addColumn<QString>("exclusion");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("criteriaAfter");
        QTest::addColumn<QString>("exclusionAfter");
        const QString holdExcluded("The search criteria contain letter(s) that are in the list of excluded letters.");
        QTest::newRow("wildcard") << int(wildcardPage) << "  l?ve \t" << "E" << holdExcluded << "l?ve" << "e";
        QTest::newRow("letters") << int(letterPage) << " Pot " << "P" << holdExcluded << "Pot" << "p";
        QTest::newRow("phonetic") << int(phoneticPage) << "m1ce" << ""
                                  << "Only alphabetic letters A-Z or a-z are allowed in the search criteria." << "m1ce"
                                  << "";
    }

    void aRefusalChangesOnlyTheWrittenBackTexts()
    {
        QFETCH(int, page);
        QFETCH(QString, criteria);
        QFETCH(QString, exclusion);
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "love\nlane\n");
        TMainForm1& window = fixture.start();
        const SearchControls controls = typeCriteria(window, page, criteria, exclusion);
        auto* const Excluded_Letters_Edit = control<QLineEdit>(window, "Excluded_Letters_Edit");
        controls.status->setText(QStringLiteral("earlier"));
        controls.run->click();
        QVERIFY(fixture.runEnded());

        QCOMPARE(fixture.messages.shown.size(), std::size_t(1));
        QCOMPARE(fixture.messages.shown[0].kind, MessageKind::Information);
        QTEST(QString::fromStdString(fixture.messages.shown[0].text), "message");
        QTEST(controls.criteria->currentText(), "criteriaAfter");
        QTEST(Excluded_Letters_Edit->text(), "exclusionAfter");
        QCOMPARE(controls.status->text(), QStringLiteral("earlier"));
        QCOMPARE(controls.criteria->count(), 0);
        QVERIFY(!control<QProgressBar>(window, "ProgressBar1")->isVisible());
        QVERIFY(controls.run->isEnabled());
    }

    // A run on each page from Enter to the counted results, then the page's
    // copy and reset buttons, then a run that finds nothing.
    void aCompletedRunListsAndCountsItsWords_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("words");
        QTest::addColumn<QString>("criteria");
        QTest::addColumn<QString>("exclusion");
        QTest::addColumn<QStringList>("found");
        QTest::addColumn<QString>("status");
        QTest::addColumn<QString>("findsNothing");
        QTest::newRow("wildcard") << int(wildcardPage) << "acrid\nacid\namid\naphid\nAcrid\n" << "A??I?" << ""
                                  << QStringList{"acrid", "aphid"} << "2 words found." << "zz*";
        QTest::newRow("letters") << int(letterPage) << "opts\npot\npotto\nspot\nstop\ntop\n" << "Pot" << "S"
                                 << QStringList{"pot", "potto", "top"} << "3 words found." << "zzz";
        QTest::newRow("phonetic") << int(phoneticPage) << "Mass\nmice\nmoss\nmuse\nmy\nnice\n" << "MICE" << ""
                                  << QStringList{"mass", "mice", "moss", "muse"} // lower-cased
                                  << "4 words found that sound similar." << "Zebra";
    }

    void aCompletedRunListsAndCountsItsWords()
    {
        QFETCH(int, page);
        QFETCH(QString, words);
        QFETCH(QString, criteria);
        QFETCH(QString, exclusion);
        QFETCH(QStringList, found);
        QFETCH(QString, status);
        QFETCH(QString, findsNothing);
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", words.toStdString());
        TMainForm1& window = fixture.start();
        const SearchControls controls = typeCriteria(window, page, criteria, exclusion);
        auto* const Excluded_Letters_Edit = control<QLineEdit>(window, "Excluded_Letters_Edit");
        QTest::keyClick(controls.criteria->lineEdit(), Qt::Key_Return);
        QVERIFY(fixture.runEnded());

        QVERIFY(fixture.messages.shown.empty());
        QCOMPARE(linesOf(controls.results), found);
        QCOMPARE(controls.status->text(), status);
        QCOMPARE(controls.criteria->currentText(), criteria);
        QCOMPARE(controls.criteria->count(), 1);
        QCOMPARE(controls.criteria->itemText(0), criteria);
        QCOMPARE(Excluded_Letters_Edit->text(), exclusion.toLower());
        QVERIFY(!control<QPushButton>(window, "Halt_Processing_BitBtn")->isEnabled());
        QVERIFY(!control<QProgressBar>(window, "ProgressBar1")->isVisible());
        for (QWidget* unlocked :
             std::initializer_list<QWidget*>{controls.run, control<QPushButton>(window, "Exit_BitBtn"), controls.criteria,
                                             control<QSpinBox>(window, "Lower_Length_SpinEdit"), Excluded_Letters_Edit,
                                             controls.results})
            QVERIFY2(unlocked->isEnabled(), qPrintable(unlocked->objectName()));
        QVERIFY(window.menuBar()->isEnabled());

        controls.results->selectAll();
        controls.copy->click();
        QCOMPARE(QString::fromStdString(fixture.clipboard.content.value_or("")), found.join(QStringLiteral("\r\n")));
        QVERIFY(!controls.results->selectionModel()->hasSelection());

        // Reset empties the box and its history; the results stay.
        controls.reset->click();
        control<QPushButton>(window, "Reset_Excluded_Letters_Edit_BitBtn")->click();
        QVERIFY(controls.criteria->currentText().isEmpty());
        QCOMPARE(controls.criteria->count(), 0);
        QVERIFY(Excluded_Letters_Edit->text().isEmpty());
        QCOMPARE(linesOf(controls.results), found);
        QCOMPARE(controls.status->text(), status);

        // A run that finds nothing still counts.
        controls.criteria->setEditText(findsNothing);
        controls.run->click();
        QVERIFY(fixture.runEnded());
        QVERIFY(controls.status->text().startsWith(QStringLiteral("0 words found")));
        QCOMPARE(controls.criteria->itemText(0), findsNothing);
    }

    // The longest status text, a five-digit count of similar sounds, stays
    // whole on its page at the design size and at a wider window.
    void aLongCountStaysWholeOnItsPage()
    {
        std::string words; // 3,125 words that all sound like "mice"
        for (int n = 0; n < 3125; ++n) {
            std::string vowels;
            for (int digit = n, i = 0; i < 5; ++i, digit /= 5) vowels += "aeiou"[digit % 5];
            words += "m" + vowels + "s\n";
        }
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", words);
        TMainForm1& window = fixture.start();
        const SearchControls controls = searchPage(window, phoneticPage);
        control<QTabWidget>(window, "PageControl1")->setCurrentIndex(phoneticPage);
        controls.criteria->setEditText(QStringLiteral("mice"));
        controls.run->click();
        QVERIFY(fixture.runEnded());
        QCOMPARE(controls.status->text(), QStringLiteral("3,125 words found that sound similar."));

        for (const QSize client : {QSize(615, 455), QSize(922, 455)}) {
            fixture.setClientSize(client.width(), client.height());
            const QRect status = controls.status->geometry();
            const QSize needed = controls.status->wordWrap()
                                     ? QSize(status.width(), controls.status->heightForWidth(status.width()))
                                     : controls.status->sizeHint();
            QVERIFY2(needed.width() <= status.width() && needed.height() <= status.height(), "text cut");
            QVERIFY(controls.status->parentWidget()->rect().contains(status));
            QVERIFY(status.top() >= controls.copy->geometry().bottom());
        }
    }

    void theWindowIsLockedWhileARunScans()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", numberedWords(500));
        TMainForm1& window = fixture.start();
        const SearchControls wildcard = searchPage(window, wildcardPage);
        auto* const Exit_BitBtn = control<QPushButton>(window, "Exit_BitBtn");
        wildcard.criteria->setEditText(QStringLiteral("*"));
        wildcard.run->click();
        QVERIFY(window.isRunning());
        QVERIFY(control<QPushButton>(window, "Halt_Processing_BitBtn")->isEnabled());
        QVERIFY(control<QProgressBar>(window, "ProgressBar1")->isVisible());
        QVERIFY(wildcard.status->isEnabled());
        QCOMPARE(wildcard.status->text(), QStringLiteral(" Searching ... "));
        QVERIFY(!wildcard.run->isEnabled());
        QVERIFY(!Exit_BitBtn->isEnabled());
        QVERIFY(!control<QSpinBox>(window, "Upper_Length_SpinEdit")->isEnabled());
        QVERIFY(!control<QPushButton>(window, "Load_Word_List_BitBtn")->isEnabled());
        QVERIFY(!window.menuBar()->isEnabled());
        QVERIFY(fixture.runEnded());
        QCOMPARE(wildcard.status->text(), QStringLiteral("500 words found."));
        QCOMPARE(linesOf(wildcard.results).size(), 500);
        QVERIFY(window.menuBar()->isEnabled());
        QVERIFY(Exit_BitBtn->isEnabled());
    }

    // What was found before the halt stays, in list order.
    void aHaltKeepsThePartialResults()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", numberedWords(100000));
        TMainForm1& window = fixture.start();
        const SearchControls wildcard = searchPage(window, wildcardPage);
        auto* const Halt_Processing_BitBtn = control<QPushButton>(window, "Halt_Processing_BitBtn");
        wildcard.criteria->setEditText(QStringLiteral("w*"));
        wildcard.run->click();
        Halt_Processing_BitBtn->click();
        QVERIFY(fixture.runEnded());

        QCOMPARE(wildcard.status->text(), QStringLiteral(" Search Aborted by User !"));
        const QStringList found = linesOf(wildcard.results);
        QVERIFY(found.size() <= 100000);
        for (qsizetype i = 0; i < found.size(); ++i)
            QCOMPARE(found[i], QStringLiteral("w%1").arg(100000 + i));
        QVERIFY(!Halt_Processing_BitBtn->isEnabled());
        QVERIFY(wildcard.run->isEnabled());
    }

    void aCloseRequestDuringARunWaitsForItToStop()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", numberedWords(1000));
        TMainForm1& window = fixture.start();
        const SearchControls wildcard = searchPage(window, wildcardPage);
        window.knownWordList().setChanged(true);
        fixture.messages.scriptAnswers({Answer::No});
        wildcard.criteria->setEditText(QStringLiteral("w*"));
        wildcard.run->click();
        window.close();
        QVERIFY(window.isVisible());
        QTRY_VERIFY(!window.isVisible());

        QCOMPARE(wildcard.status->text(), QStringLiteral(" Search Aborted by User !"));
        QVERIFY(fixture.fileExists("verbalia.ini"));
        QCOMPARE(fixture.messages.shown.size(), std::size_t(1));
        QVERIFY(fixture.messages.shown[0].question);
    }

    // View > Commonest Words First: a run lists its matches by level, then in
    // list order, each row's tooltip naming its level; the count is as before.
    void commonestWordsFirst_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("criteria");
        QTest::addColumn<bool>("on");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("tips");
        const QStringList ordered{"subtle", "hurtle", "turtle", "auntie", "bustee", "buttle", "guttae", "cuttoe"};
        const QStringList tips{"SCOWL size 10", "SCOWL size 35", "SCOWL size 35", "SCOWL size 55",
                               "SCOWL size 80", "SCOWL size 80", "SCOWL size 80", "not in SCOWL"};
        QTest::newRow("wildcard") << int(wildcardPage) << "?u?t?e" << true << ordered << tips;
        QTest::newRow("letters") << int(letterPage) << "tu" << true << ordered << tips;
        QTest::newRow("off") << int(wildcardPage) << "?u?t?e" << false
                             << QStringList{"auntie", "bustee", "buttle", "cuttoe", "guttae", "hurtle", "subtle", "turtle"}
                             << QStringList{"", "", "", "", "", "", "", ""};
    }

    void commonestWordsFirst()
    {
        QFETCH(int, page);
        QFETCH(QString, criteria);
        QFETCH(bool, on);
        WindowFixture fixture;
        writeLevelledList(fixture, true);
        TMainForm1& window = fixture.start();
        auto* const option = control<QAction>(window, "Commonest_Words_First_Option");
        QVERIFY(option->isEnabled() && !option->isChecked());
        if (on) option->trigger();
        const SearchControls controls = typeCriteria(window, page, criteria, QString());
        controls.run->click();
        QVERIFY(fixture.runEnded());
        QTEST(linesOf(controls.results), "rows");
        QStringList tips;
        for (int row = 0; row < controls.results->model()->rowCount(); ++row)
            tips << controls.results->model()->index(row, 0).data(Qt::ToolTipRole).toString();
        QTEST(tips, "tips");
        QCOMPARE(controls.status->text(), QStringLiteral("8 words found."));
    }

    // Without a levels file, or with a damaged one, the choice is out of use,
    // its tooltip saying why, and the results come in list order.
    void withoutLevelsTheChoiceIsOutOfUse_data()
    {
        QTest::addColumn<QString>("levels"); // none: no file
        QTest::addColumn<QString>("problem");
        QTest::newRow("missing") << QString() << " was not found.";
        QTest::newRow("damaged") << "subtle 10\n" << " is damaged: ";
    }

    void withoutLevelsTheChoiceIsOutOfUse()
    {
        QFETCH(QString, levels);
        QFETCH(QString, problem);
        WindowFixture fixture;
        writeLevelledList(fixture, false);
        if (!levels.isNull()) fixture.writeFile("wordlist-levels.txt", levels.toStdString());
        fixture.writeFile("verbalia.ini", "[verbalia]\r\nCommonest_Words_First=1\r\n");
        TMainForm1& window = fixture.start();
        auto* const option = control<QAction>(window, "Commonest_Words_First_Option");
        QTRY_VERIFY(!option->isEnabled());
        QVERIFY(option->isChecked());
        const QString file = QStringLiteral("The word levels file ") + QString::fromStdString(fixture.pathOf("wordlist-levels.txt"));
        QVERIFY2(option->toolTip().startsWith(file + problem), qPrintable(option->toolTip()));
        const SearchControls wildcard = typeCriteria(window, wildcardPage, QStringLiteral("?u?t?e"), QString());
        wildcard.run->click();
        QVERIFY(fixture.runEnded());
        QCOMPARE(linesOf(wildcard.results).value(0), QStringLiteral("auntie"));
    }

    void theExactCountModeFindsAnagramsWithoutTheExclusionList()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "opts\npot\npotto\nspot\nstop\ntop\n");
        TMainForm1& window = fixture.start();
        const SearchControls letters = typeCriteria(window, letterPage, QStringLiteral("stop"), QStringLiteral("s"));
        auto* const Excluded_Letters_Edit = control<QLineEdit>(window, "Excluded_Letters_Edit");
        control<QRadioButton>(window, "Search_for_Words_with_only_these_Specified_Number_RadioButton")->click();
        QVERIFY(!Excluded_Letters_Edit->isEnabled());
        QTest::keyClick(letters.criteria->lineEdit(), Qt::Key_Enter);
        QVERIFY(fixture.runEnded());
        QCOMPARE(linesOf(letters.results), (QStringList{"opts", "spot", "stop"}));
        QCOMPARE(Excluded_Letters_Edit->text(), QStringLiteral("s"));
    }

    // The solver answers as the query is typed, without Enter and without
    // locking the window; Enter keeps the query in the history.
    void theSolverAnswersAsTyped_data()
    {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("words");
        QTest::addColumn<QString>("status");
        QTest::newRow("pattern") << "Solver_Pattern_RadioButton" << "a??i?" << QStringList{"acrid", "Aphid", "April"}
                                 << "3 solutions.";
        QTest::newRow("blank") << "Solver_Anagram_RadioButton" << "c?t" << QStringList{"act", "cat", "çat"}
                               << "3 solutions.";
        QTest::newRow("lengths") << "Solver_Made_From_RadioButton" << "tac"
                                 << QStringList{"act", "at", "cat", "çat"} << "4 solutions: 2 letters 1, 3 letters 3.";
        QTest::newRow("not understood") << "Solver_Pattern_RadioButton" << "a[b" << QStringList{}
                                        << "Not understood: '[' at 2 has no closing ']'.";
    }

    void theSolverAnswersAsTyped()
    {
        QFETCH(QString, mode);
        QFETCH(QString, typed);
        QFETCH(QStringList, words);
        QFETCH(QString, status);
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "acrid\nact\nAphid\nApril\nat\ncat\ntact\n\xE7" "at\n"); // Windows-1252
        TMainForm1& window = fixture.start();
        control<QTabWidget>(window, "PageControl1")->setCurrentIndex(4);
        control<QRadioButton>(window, qPrintable(mode))->click();
        auto* const find = control<QComboBox>(window, "Solver_Find_ComboBox");
        auto* const table = control<QTableView>(window, "Solver_Results_Table");
        QTest::keyClicks(find->lineEdit(), typed);
        QTRY_COMPARE(control<QLabel>(window, "Solver_Status_Label")->text(), status);
        QStringList shown;
        for (int row = 0; row < table->model()->rowCount(); ++row) shown << table->model()->index(row, 0).data().toString();
        QCOMPARE(shown, words);
        QVERIFY(!window.isRunning());
        QCOMPARE(find->count(), 0);
        QTest::keyClick(find->lineEdit(), Qt::Key_Return);
        QCOMPARE(find->itemText(0), typed);
        if (words.isEmpty()) return;

        table->setFocus();
        table->selectRow(0);
        QTest::keyClick(table, Qt::Key_D, Qt::ControlModifier);
        auto* const definition = control<QPlainTextEdit>(window, "Definition_Text");
        QTRY_VERIFY(definition->window()->isVisible());
        QVERIFY(definition->toPlainText().startsWith(words[0].toLower()));
        table->selectAll();
        QTest::keyClick(table, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(toQString(fixture.clipboard.content.value_or("")), words.join(QStringLiteral("\r\n")));
        fixture.fileDialog.choices.push_back(fixture.pathOf("solutions.txt"));
        control<QPushButton>(window, "Solver_Save_BitBtn")->click();
        QCOMPARE(fixture.readFile("solutions.txt"), (words.join(QLatin1Char('\n')) + QLatin1Char('\n')).toStdString());
    }

    // Meanings and phrases come from WordNet (here the excerpt the lexicon
    // tests read), read on a worker when first wanted.
    void theSolverFindsByMeaningAndPhrases_data()
    {
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("meaning");
        QTest::addColumn<bool>("phrases");
        QTest::addColumn<QStringList>("rows"); // word and letters, row by row
        QTest::newRow("pattern and meaning") << "?r?s?w?r?" << "puzzle" << false << QStringList{"crossword", "9"};
        QTest::newRow("reverse dictionary") << "" << "puzzles" << false
                                            << QStringList{"teaser", "6", "crossword", "9", "jigsaw", "6"};
        QTest::newRow("enumeration") << "(5,2,4)" << "" << true << QStringList{"piece of cake", "11 (5,2,4)"};
    }

    void theSolverFindsByMeaningAndPhrases()
    {
        QFETCH(QString, find);
        QFETCH(QString, meaning);
        QFETCH(bool, phrases);
        QFETCH(QStringList, rows);
        WindowFixture fixture;
        std::filesystem::copy(VERBALIA_SOURCE_DIR "/tests/lexicon/wordnet", fixture.pathOf("wordnet"));
        fixture.writeFile("wordlist.dat", "crossword\ncrosswort\njigsaw\nteaser\ntiger\n");
        TMainForm1& window = fixture.start();
        control<QTabWidget>(window, "PageControl1")->setCurrentIndex(4);
        control<QCheckBox>(window, "Solver_Include_Phrases_CheckBox")->setChecked(phrases);
        control<QComboBox>(window, "Solver_Meaning_ComboBox")->setEditText(meaning);
        QTest::keyClicks(control<QComboBox>(window, "Solver_Find_ComboBox")->lineEdit(), find);
        auto* const table = control<QTableView>(window, "Solver_Results_Table");
        QTRY_COMPARE(table->model()->rowCount(), int(rows.size() / 2));
        QStringList shown;
        for (int row = 0; row < table->model()->rowCount(); ++row)
            shown << table->model()->index(row, 0).data().toString() << table->model()->index(row, 1).data().toString();
        QCOMPARE(shown, rows);
        QTRY_VERIFY(!table->model()->index(0, 2).data().toString().isEmpty()); // its first sense, once painted
    }
};

QTEST_MAIN(SearchRunTest)
#include "search_run_qtest.moc"
