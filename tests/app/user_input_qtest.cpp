// What the window makes of the user's input: text typed or pasted into its
// boxes, modes checked without a click, lines copied from its views and the
// definitions of their words.

#include "WindowFixture.h"
#include "wordlist/DefinitionsExcerpt.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QDialog>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include <filesystem>

using namespace verbalia;

class UserInputTest : public QObject {
    Q_OBJECT

private slots:
    // A character the code page lacks must neither act as a wildcard nor
    // vanish: the criteria checks see it and refuse it, or it matches nothing.
    void charactersOutsideTheCodePageAreNeverWildcards_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::newRow("wildcard") << int(wildcardPage) << u"caf\u0109"_qs << true;
        QTest::newRow("wildcard, leading") << int(wildcardPage) << u"\u0109???"_qs << false;
        QTest::newRow("letters") << int(letterPage) << u"caf\u0109"_qs << true;
    }

    void charactersOutsideTheCodePageAreNeverWildcards()
    {
        QFETCH(int, page);
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "caf\xE9\ncafe\ncaf\n");
        const SearchControls controls = searchPage(fixture.start(), std::size_t(page));
        controls.criteria->setEditText(typed);
        controls.run->click();
        QVERIFY(fixture.runEnded());

        QCOMPARE(fixture.messages.shown.size(), std::size_t(refused ? 1 : 0));
        QCOMPARE(controls.results->model()->rowCount(), 0);
    }

    // Enter searches what was typed, whatever the history holds.
    void theHistoryNeverCompletesTypedCriteria_data()
    {
        QTest::addColumn<QString>("history");
        QTest::addColumn<QString>("typed");
        QTest::newRow("prefix") << "ab*" << "a";
        QTest::newRow("prefix in another case") << "catalogue" << "Cat";
        QTest::newRow("another case") << "Mice" << "MICE";
    }

    void theHistoryNeverCompletesTypedCriteria()
    {
        QFETCH(QString, history);
        QFETCH(QString, typed);
        WindowFixture fixture;
        fixture.writeFile("verbalia.wcs", history.toStdString() + "\r\n");
        TMainForm1& window = fixture.start();
        const SearchControls wildcard = searchPage(window, wildcardPage);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        wildcard.criteria->setFocus();
        QTest::keyClicks(wildcard.criteria->lineEdit(), typed);
        QTest::keyClick(wildcard.criteria->lineEdit(), Qt::Key_Return);
        QVERIFY(fixture.runEnded());
        QCOMPARE(wildcard.criteria->currentText(), typed);
    }

    // The exclusion box follows the letter-search mode however it is checked.
    void theModeHandlerRunsWithoutAClick()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        control<QTabWidget>(window, "PageControl1")->setCurrentIndex(letterPage);
        auto* edit = control<QLineEdit>(window, "Excluded_Letters_Edit");
        auto* exact = control<QRadioButton>(window, "Search_for_Words_with_only_these_Specified_Number_RadioButton");
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(exact);
        accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(exact->isChecked());
        QVERIFY(!edit->isEnabled());
        control<QRadioButton>(window, "Search_for_Words_with_these_and_other_letters_RadioButton")->setChecked(true);
        QVERIFY(edit->isEnabled());
    }

    // Ctrl+C and the context menu's Copy take the selected rows, in list order.
    void copyTakesTheSelectedRowsInListOrder()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "ab\nabc\nabcd\nabcde\n");
        TMainForm1& window = fixture.start();
        const SearchControls wildcard = searchPage(window, wildcardPage);
        wildcard.criteria->setEditText(QStringLiteral("ab*"));
        wildcard.run->click();
        QVERIFY(fixture.runEnded());
        QAbstractItemModel* model = wildcard.results->model();
        QItemSelectionModel* selection = wildcard.results->selectionModel();
        selection->select(model->index(3, 0), QItemSelectionModel::Select);
        selection->select(model->index(0, 0), QItemSelectionModel::Select);
        selection->select(model->index(2, 0), QItemSelectionModel::Select);
        selection->setCurrentIndex(model->index(2, 0), QItemSelectionModel::NoUpdate);

        // Through the window system, as a key press arrives.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        wildcard.results->setFocus();
        QTest::keyClick(window.windowHandle(), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(fixture.clipboard.content, std::optional<std::string>("ab\r\nabcd\r\nabcde"));
        fixture.clipboard.content.reset();
        QCOMPARE(wildcard.results->contextMenuPolicy(), Qt::ActionsContextMenu);
        wildcard.results->actions().value(0)->trigger();
        QCOMPARE(fixture.clipboard.content, std::optional<std::string>("ab\r\nabcd\r\nabcde"));
    }

    // The context menu's Definition (the menu opened with Shift+F10) and
    // Ctrl+D show the meaning of the current row's word, in one window titled
    // with the word, and leave the focus in the list: Down, Ctrl+D steps on.
    void definitionOfTheCurrentRow()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "crossword\ngeese\n");
        std::filesystem::create_directory_symlink(definitionsExcerptFolder(), fixture.pathOf("wordnet"));
        TMainForm1& window = fixture.start();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const SearchControls wildcard = searchPage(window, wildcardPage);
        wildcard.criteria->setEditText(QStringLiteral("*"));
        wildcard.run->click();
        QVERIFY(fixture.runEnded());
        QCOMPARE(wildcard.results->actions().size(), 2);
        QVERIFY(!wildcard.results->actions()[1]->isEnabled()); // a new list has no current row
        wildcard.results->setCurrentIndex(wildcard.results->model()->index(0, 0));
        wildcard.results->setFocus();
        // The menu blocks until it closes: its entries are read and D chosen once it is open.
        QStringList entries;
        auto* menuWatch = new QTimer(&window);
        connect(menuWatch, &QTimer::timeout, menuWatch, [menuWatch, &entries] {
            QWidget* menu = QApplication::activePopupWidget();
            if (!menu) return;
            menuWatch->stop();
            for (const QAction* entry : menu->actions()) entries.append(entry->isEnabled() ? entry->text() : "");
            QTest::keyClick(menu, Qt::Key_D);
            menu->close(); // when D chose nothing
        });
        menuWatch->start(10);
        QTest::keyClick(window.windowHandle(), Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(entries, (QStringList{"&Copy", "&Definition"}));
        auto* text = control<QPlainTextEdit>(window, "Definition_Text");
        QTRY_VERIFY(text->window()->isVisible());
        QVERIFY(!text->window()->isModal());
        QCOMPARE(text->window()->windowTitle(), QStringLiteral("Definition of crossword"));
        QVERIFY(text->toPlainText().contains("a puzzle in which words corresponding to numbered clues are to be "
                                             "found and written in to squares in the puzzle"));
        QCOMPARE(QApplication::focusWidget(), wildcard.results);

        // Asked again before the first is shown, only the last request shows.
        QTest::keyClick(window.windowHandle(), Qt::Key_Down);
        QTest::keyClick(window.windowHandle(), Qt::Key_D, Qt::ControlModifier);
        QTest::keyClick(window.windowHandle(), Qt::Key_Up);
        QTest::keyClick(window.windowHandle(), Qt::Key_D, Qt::ControlModifier);
        QTest::keyClick(window.windowHandle(), Qt::Key_Down);
        QTest::keyClick(window.windowHandle(), Qt::Key_D, Qt::ControlModifier);
        QTRY_COMPARE(text->window()->windowTitle(), QStringLiteral("Definition of geese"));
        QTest::qWait(50);
        QCOMPARE(text->window()->windowTitle(), QStringLiteral("Definition of geese"));
        QVERIFY(text->toPlainText().startsWith("geese\nnoun, base form goose\n"));
        QCOMPARE(QApplication::focusWidget(), wildcard.results);

        QTest::keyClick(text, Qt::Key_Escape);
        QVERIFY(!text->window()->isVisible());
        control<QTabWidget>(window, "PageControl1")->setCurrentIndex(3);
        auto* known = control<QListView>(window, "Known_Words_MemoEx");
        known->setCurrentIndex(known->model()->index(0, 0));
        known->setFocus();
        QTest::keyClick(window.windowHandle(), Qt::Key_D, Qt::ControlModifier);
        QTRY_COMPARE(text->window()->windowTitle(), QStringLiteral("Definition of crossword"));
        QVERIFY(text->window()->isVisible());
        QCOMPARE(window.findChildren<QDialog*>("Definition_Window").size(), 1);
    }

    // Delete and the context menu's Remove from List take the selected words
    // out, unasked; Ctrl+Z and Undo put them back, the last removal first,
    // the changed flag following whether the list differs from the file.
    void removedWordsComeBackWithUndo()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "alpha\r\nbeta\r\ngamma\r\ndelta\r\n");
        TMainForm1& window = fixture.start();
        control<QTabWidget>(window, "PageControl1")->setCurrentIndex(3);
        auto* known = control<QListView>(window, "Known_Words_MemoEx");
        auto* changed = control<QCheckBox>(window, "Known_Word_List_Changed_CheckBox");
        const QList<QAction*> commands = known->actions();
        QCOMPARE(commands.size(), 4);
        QAction* remove = commands[2];
        QAction* undo = commands[3];
        QCOMPARE(remove->text(), QStringLiteral("&Remove from List"));
        QCOMPARE(undo->text(), QStringLiteral("&Undo"));
        QVERIFY(!remove->isEnabled() && !undo->isEnabled());
        const auto words = [&window] {
            QStringList all;
            window.knownWords().forEach(0, window.knownWords().size(),
                                        [&all](std::string_view word) { all << QString::fromLatin1(word); });
            return all.join(' ');
        };
        const auto select = [known](int row) {
            known->selectionModel()->select(known->model()->index(row, 0), QItemSelectionModel::Select);
        };

        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        known->setFocus();
        select(1);
        select(3);
        QTest::keyClick(window.windowHandle(), Qt::Key_Delete);
        QCOMPARE(words(), QStringLiteral("alpha gamma"));
        QCOMPARE(window.windowTitle(), QStringLiteral("Verbalia - v1.4f - 2 words."));
        QVERIFY(changed->isChecked() && undo->isEnabled());
        // The word now at the first one's place is next.
        QCOMPARE(known->selectionModel()->selectedRows(), QModelIndexList{known->model()->index(1, 0)});
        remove->trigger();
        QCOMPARE(words(), QStringLiteral("alpha"));

        QTest::keyClick(window.windowHandle(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(words(), QStringLiteral("alpha gamma"));
        QVERIFY(changed->isChecked());
        undo->trigger();
        QCOMPARE(words(), QStringLiteral("alpha beta gamma delta"));
        QVERIFY(!changed->isChecked() && !undo->isEnabled());
        QVERIFY(fixture.messages.shown.empty());

        // What was saved is the list undo goes back to.
        select(0);
        remove->trigger();
        QVERIFY(fixture.save());
        QVERIFY(!changed->isChecked() && !undo->isEnabled());
        QCOMPARE(fixture.readFile("wordlist.dat"), std::string("beta\r\ngamma\r\ndelta\r\n"));
    }
};

QTEST_MAIN(UserInputTest)
#include "user_input_qtest.moc"
