// What the window makes of the user's input: text typed or pasted into its
// boxes, modes checked without a click, lines copied from its views.

#include "WindowFixture.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>

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
        const SearchPage& controls = searchPage(fixture.start(), std::size_t(page));
        controls.criteria->setEditText(typed);
        controls.run->click();

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
        const SearchPage& wildcard = searchPage(window, wildcardPage);
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        wildcard.criteria->setFocus();
        QTest::keyClicks(wildcard.criteria->lineEdit(), typed);
        QTest::keyClick(wildcard.criteria->lineEdit(), Qt::Key_Return);
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
        const SearchPage& wildcard = searchPage(window, wildcardPage);
        wildcard.criteria->setEditText(QStringLiteral("ab*"));
        wildcard.run->click();
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
};

QTEST_MAIN(UserInputTest)
#include "user_input_qtest.moc"
