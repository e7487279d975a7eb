// Keyboard and screen-reader use of the window: Tab order, page keys, Return
// on buttons, the names of the lists, visible focus, readable colours and
// the outcome a screen reader hears when focus returns after a run.

#include "WindowFixture.h"
#include "app/core/ReadableColours.h"

#include <algorithm>

#include <QApplication>
#include <QPushButton>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

using namespace verbalia;

namespace {

// Focus as a screen reader meets it: the control that gets it and the
// description it reads with it at that moment. (The offscreen platform sends
// no accessibility events; the real window's were checked on the bus.)
class FocusRecorder : public QObject {
public:
    struct Arrival {
        QObject* control;
        QString description;
    };
    std::vector<Arrival> arrivals;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* const widget = qobject_cast<QWidget*>(watched);
        if (widget && event->type() == QEvent::FocusIn) arrivals.push_back({widget, widget->accessibleDescription()});
        return false;
    }
};

TMainForm1& startActive(WindowFixture& fixture)
{
    TMainForm1& window = fixture.start();
    window.activateWindow();
    if (!QTest::qWaitForWindowActive(&window)) qFatal("the window did not become active");
    return window;
}

QTabWidget* pages(const TMainForm1& window) { return control<QTabWidget>(window, "PageControl1"); }

void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key), modifiers);
}

double contrast(const QColor& first, const QColor& second)
{
    return contrastRatio({first.red(), first.green(), first.blue()}, {second.red(), second.green(), second.blue()});
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private slots:
    // Tab walks each page from the tab bar as the controls stand on screen
    // and comes back to the tab bar; the idle halt button is passed over.
    void tabFollowsTheScreen_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("order"); // on the maintenance page; a search page's is built below
        QTest::newRow("wildcard") << 0 << QStringList{};
        QTest::newRow("letter") << 1 << QStringList{};
        QTest::newRow("phonetic") << 2 << QStringList{};
        // The work area passes Tab on instead of taking it as text.
        QTest::newRow("maintenance") << 3
                                     << QStringList{"Known_Words_MemoEx", "Copy_Word_List_To_Clipboard_BitBtn",
                                                    "Reset_Word_List_BitBtn", "Save_Word_List_BitBtn",
                                                    "Load_Word_List_BitBtn", "Ignore_Words_With_Numbers_CheckBox",
                                                    "Ignore_All_Non_Alphanumeric_Chars_CheckBox",
                                                    "Temp_Work_Area_Paste_MemoEx", "Temp_Work_Area_Reset_BitBtn",
                                                    "Temp_Work_Area_Paste_BitBtn",
                                                    "Temp_Work_Area_Load_From_File_BitBtn", "Add_Unique_Words_BitBtn",
                                                    "Exit_BitBtn"};
    }

    void tabFollowsTheScreen()
    {
        QFETCH(int, page);
        QFETCH(QStringList, order);
        WindowFixture fixture;
        TMainForm1& window = startActive(fixture);
        pages(window)->setCurrentIndex(page);
        pages(window)->tabBar()->setFocus();
        if (page < 3) {
            const SearchControls search = searchPage(window, std::size_t(page));
            order << search.criteria->objectName() << search.reset->objectName();
            if (page == letterPage) order << "Search_for_Words_with_these_and_other_letters_RadioButton";
            order << "Lower_Length_SpinEdit" << "Upper_Length_SpinEdit" << "Excluded_Letters_Edit"
                  << "Reset_Excluded_Letters_Edit_BitBtn" << search.run->objectName() << search.copy->objectName()
                  << search.results->objectName() << "Exit_BitBtn";
        }
        const QString workArea = control<QPlainTextEdit>(window, "Temp_Work_Area_Paste_MemoEx")->toPlainText();
        const auto walk = [&order](int key) {
            QStringList walked;
            for (int step = 0; step <= order.size(); ++step) {
                press(key);
                walked << QApplication::focusWidget()->objectName();
            }
            return walked;
        };
        const QString tabBar = pages(window)->tabBar()->objectName();
        QCOMPARE(walk(Qt::Key_Tab), order + QStringList{tabBar});
        QStringList backwards = QStringList{tabBar} + order;
        std::reverse(backwards.begin(), backwards.end());
        QCOMPARE(walk(Qt::Key_Backtab), backwards);
        QCOMPARE(control<QPlainTextEdit>(window, "Temp_Work_Area_Paste_MemoEx")->toPlainText(), workArea);
    }

    // The page keys work wherever the focus is, round the ends; an item view
    // or a text box keeps none of them for itself.
    void pageKeysSwitchPagesFromAnywhere_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("page");
        QTest::newRow("ctrl+tab from exit") << "Exit_BitBtn" << int(Qt::Key_Tab) << int(Qt::ControlModifier) << 1;
        QTest::newRow("ctrl+shift+tab from a length limit")
            << "Lower_Length_SpinEdit" << int(Qt::Key_Backtab) << int(Qt::ControlModifier | Qt::ShiftModifier) << 4;
        QTest::newRow("ctrl+pagedown from the results")
            << "WildCard_Search_Results_MemoEx" << int(Qt::Key_PageDown) << int(Qt::ControlModifier) << 1;
        QTest::newRow("ctrl+pageup from the criteria")
            << "Wildcard_Search_ComboBox" << int(Qt::Key_PageUp) << int(Qt::ControlModifier) << 4;
    }

    void pageKeysSwitchPagesFromAnywhere()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "acrid\n");
        TMainForm1& window = startActive(fixture);
        searchPage(window, wildcardPage).run->click();
        QVERIFY(fixture.runEnded());
        window.findChild<QWidget*>(focus)->setFocus();
        FocusRecorder arrivals;
        qApp->installEventFilter(&arrivals);
        press(key, Qt::KeyboardModifiers(modifiers));
        qApp->removeEventFilter(&arrivals);
        QTEST(pages(window)->currentIndex(), "page");
        // Focus left on the outgoing page goes straight into the new one.
        if (focus == "Wildcard_Search_ComboBox") {
            QCOMPARE(arrivals.arrivals.size(), std::size_t(1));
            QCOMPARE(arrivals.arrivals[0].control, control<QComboBox>(window, "Solver_Find_ComboBox"));
        }
    }

    // A run takes the focus straight to the halt button, where Escape halts
    // it, and gives it straight back to the criteria box at its end.
    void aRunHoldsTheFocusOnHaltWhereEscapeHaltsIt()
    {
        WindowFixture fixture;
        std::string words;
        for (int i = 0; i < 500; ++i) words += "w" + std::to_string(1000 + i) + "\n";
        fixture.writeFile("wordlist.dat", words);
        TMainForm1& window = startActive(fixture);
        const SearchControls wildcard = searchPage(window, wildcardPage);
        auto* const Halt_Processing_BitBtn = control<QPushButton>(window, "Halt_Processing_BitBtn");
        wildcard.criteria->setEditText(QStringLiteral("w*"));
        wildcard.criteria->setFocus();
        FocusRecorder focus;
        qApp->installEventFilter(&focus);
        press(Qt::Key_Return);
        QWidget* const focusDuringRun = QApplication::focusWidget();
        press(Qt::Key_Escape);
        QVERIFY(fixture.runEnded());
        qApp->removeEventFilter(&focus);
        QCOMPARE(focusDuringRun, Halt_Processing_BitBtn);
        QCOMPARE(wildcard.status->text(), QStringLiteral(" Search Aborted by User !"));
        QCOMPARE(focus.arrivals.size(), std::size_t(2));
        QCOMPARE(focus.arrivals[0].control, Halt_Processing_BitBtn);
        QCOMPARE(focus.arrivals[1].control, wildcard.criteria);
        QVERIFY(!Halt_Processing_BitBtn->isEnabled());
    }

    // At start the criteria box of the page shown has the focus: typing
    // searches at once. F1 opens the user guide from anywhere.
    void typingAtStartSearches_data()
    {
        QTest::addColumn<QString>("settings");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("typed");
        QTest::newRow("first page by default") << "" << 0 << "c?t";
        QTest::newRow("phonetic page kept") << "[verbalia]\r\nPageControl1=2\r\n" << 2 << "cot";
    }

    void typingAtStartSearches()
    {
        QFETCH(QString, settings);
        QFETCH(int, page);
        QFETCH(QString, typed);
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "cat\ncut\ndog\n");
        if (!settings.isEmpty()) fixture.writeFile("verbalia.ini", settings.toStdString());
        startActive(fixture);
        QTest::keyClicks(QApplication::focusWidget(), typed);
        press(Qt::Key_Return);
        QVERIFY(fixture.runEnded());
        QCOMPARE(searchPage(*fixture.window, std::size_t(page)).results->model()->index(0, 0).data().toString(),
                 QStringLiteral("cat"));

        press(Qt::Key_F1);
        QCOMPARE(fixture.services.viewer.opened, std::vector<std::string>{fixture.pathOf("verbalia.txt")});
    }

    // Return presses the focused button as Space does.
    void returnPressesTheFocusedButton()
    {
        WindowFixture fixture;
        TMainForm1& window = startActive(fixture);
        const SearchControls wildcard = searchPage(window, wildcardPage);
        wildcard.criteria->setEditText(QStringLiteral("acr*"));
        wildcard.run->setFocus();
        press(Qt::Key_Return);
        QVERIFY(fixture.runEnded());
        QCOMPARE(wildcard.status->text(), QStringLiteral("1 words found."));
    }

    // Each results list and history drop-down has a name of its own.
    void everyListHasAName()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        const char* const names[] = {"Wildcard search", "Letter search", "Phonetic search"};
        for (std::size_t page : {wildcardPage, letterPage, phoneticPage}) {
            const SearchControls controls = searchPage(window, page);
            QCOMPARE(controls.results->accessibleName(), QString::fromLatin1(names[page]) + " results");
            QCOMPARE(controls.criteria->view()->accessibleName(), QString::fromLatin1(names[page]) + " history");
        }
    }

    void anEmptyListShowsItHasTheFocus()
    {
        WindowFixture fixture;
        TMainForm1& window = startActive(fixture);
        QListView* results = searchPage(window, wildcardPage).results;
        const QImage unfocused = results->grab().toImage();
        results->setFocus();
        QVERIFY(results->grab().toImage() != unfocused);
    }

    // When focus comes back to the criteria box after a run or a refusal, a
    // screen reader reads the outcome with it.
    void focusReturnsWithTheOutcome_data()
    {
        QTest::addColumn<QString>("criteria");
        QTest::addColumn<QString>("outcome");
        QTest::newRow("run") << "a*" << "2 words found.";
        QTest::newRow("refusal") << "a*b*" << "You can only enter a single '*' (asterisk) wildcard for each search in this version of the program.";
    }

    void focusReturnsWithTheOutcome()
    {
        QFETCH(QString, criteria);
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "acrid\namid\nzebra\n");
        TMainForm1& window = startActive(fixture);
        const SearchControls wildcard = searchPage(window, wildcardPage);
        wildcard.criteria->setEditText(criteria);
        wildcard.run->setFocus();
        FocusRecorder focus;
        qApp->installEventFilter(&focus);
        press(Qt::Key_Return);
        QVERIFY(fixture.runEnded());
        qApp->removeEventFilter(&focus);
        QVERIFY(!focus.arrivals.empty());
        QCOMPARE(focus.arrivals.back().control, wildcard.criteria);
        QTEST(focus.arrivals.back().description, "outcome");
    }

    // Selected rows and highlighted menu entries read at 4.5:1 or better; a
    // disabled exclusion box keeps its out-of-use background and legible text.
    void coloursReadWell()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        std::vector<QPalette> palettes{searchPage(window, wildcardPage).results->palette()};
        for (QMenu* menu : window.findChildren<QMenu*>()) palettes.push_back(menu->palette());
        for (const QPalette& palette : palettes) {
            for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
                QVERIFY(contrast(palette.color(group, QPalette::Highlight),
                                 palette.color(group, QPalette::HighlightedText)) >= 4.5);
        }

        pages(window)->setCurrentIndex(letterPage);
        control<QRadioButton>(window, "Search_for_Words_with_only_these_Specified_Number_RadioButton")->click();
        auto* const Excluded_Letters_Edit = control<QLineEdit>(window, "Excluded_Letters_Edit");
        const QPalette outOfUse = Excluded_Letters_Edit->palette();
        QVERIFY(!Excluded_Letters_Edit->isEnabled());
        QCOMPARE(outOfUse.color(QPalette::Disabled, QPalette::Base), window.palette().color(QPalette::Inactive, QPalette::Mid));
        QVERIFY(contrast(outOfUse.color(QPalette::Disabled, QPalette::Text),
                         outOfUse.color(QPalette::Disabled, QPalette::Base)) >= 4.5);
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_qtest.moc"
