// The pages built alone, without the main window: each runs its own work from
// its own controls and tells what happened through its signals.

#include "WindowControls.h"
#include "app/MaintenancePage.h"
#include "app/RunController.h"
#include "app/SharedFilters.h"
#include "app/WordLevels.h"
#include "fakes/FakeServices.h"
#include "fakes/TemporaryFolder.h"
#include "platform/UnreadableFiles.h"
#include "wordlist/KnownWordList.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>

#include <fstream>

using namespace verbalia;

namespace {

// What a page needs around it: a window with a page control, the run
// controls the window makes after its pages, and the fakes.
struct PageStand {
    TemporaryFolder folder;
    FakeServices services{folder.path()};
    KnownWordList list{services.files, folder.path() + "wordlist.dat"};
    UnreadableFiles unreadable;
    QWidget window;
    QTabWidget* pages = new QTabWidget(&window);
    RunController runs{window};
    WordLevels levels{services.files, folder.path() + "wordlist-levels.txt"};
    QPushButton* halt = new QPushButton(&window);
    QCheckBox* haltMirror = new QCheckBox(&window);
    QProgressBar* bar = new QProgressBar(&window);

    PageStand() { runs.attach(*halt, *haltMirror, *bar); }

    SearchPageServices searchServices()
    {
        return {services.clipboard, services.messages, services.numbers, list.words(), runs, levels};
    }
    void writeList(const std::string& words) const { std::ofstream(folder.path() + "wordlist.dat") << words; }
};

} // namespace

class PagesTest : public QObject {
    Q_OBJECT

private slots:
    void aSearchPageRunsItsOwnSearch()
    {
        PageStand stand;
        stand.writeList("opts\npot\npotto\nspot\nstop\ntop\n");
        stand.list.load();
        SearchPage page(searchPageDescriptions()[letterPage], *stand.pages, stand.searchServices());
        SharedFilters filters(&stand.window, page.exclusionCaption());
        page.setFilters(filters);
        const SearchControls controls = searchPage(*stand.pages, letterPage);
        QSignalSpy finished(&page, &SearchPage::searchFinished), exclusion(&page, &SearchPage::exclusionInUseChanged);

        auto* const exclusionBox = control<QLineEdit>(stand.window, "Excluded_Letters_Edit");
        exclusionBox->clear();
        controls.criteria->setEditText(QStringLiteral(" \tpot  "));
        controls.run->click();
        QTRY_COMPARE(finished.count(), 1);
        QCOMPARE(finished.value(0).value(0).toLongLong(), 6);
        QCOMPARE(controls.criteria->currentText(), QStringLiteral("pot"));
        QCOMPARE(controls.status->text(), QStringLiteral("6 words found."));

        // Enter runs it too, with the filters as they stand; copy and reset.
        exclusionBox->setText(QStringLiteral("S"));
        QTest::keyClick(controls.criteria, Qt::Key_Return);
        QTRY_COMPARE(finished.count(), 2);
        QCOMPARE(finished.value(1).value(0).toLongLong(), 3);
        QCOMPARE(exclusionBox->text(), QStringLiteral("s"));
        controls.copy->click();
        QCOMPARE(stand.services.clipboard.content.value_or(""), std::string("pot\r\npotto\r\ntop"));
        controls.reset->click();
        QVERIFY(controls.criteria->currentText().isEmpty());

        // The anagram mode puts the exclusion list out of use, however it is checked.
        control<QRadioButton>(*stand.pages, "Search_for_Words_with_only_these_Specified_Number_RadioButton")->click();
        QCOMPARE(exclusion.count(), 1);
        QCOMPARE(exclusion.value(0).value(0).toBool(), false);
        QVERIFY(!page.exclusionCaption()->isEnabled());
    }

    void theSharedFiltersHandOutTheInput()
    {
        QWidget client;
        QLabel caption(QStringLiteral("Exclude :"));
        SharedFilters filters(&client, &caption);
        control<QSpinBox>(client, "Upper_Length_SpinEdit")->setValue(7);
        control<QSpinBox>(client, "Lower_Length_SpinEdit")->setValue(9); // pulls the upper limit along
        control<QLineEdit>(client, "Excluded_Letters_Edit")->setText(QStringLiteral("Xy"));
        const SearchInput input = filters.input("ab", LetterMode::OnlyThese);
        QCOMPARE(input.criteria, std::string_view("ab"));
        QCOMPARE(input.exclusion, std::string_view("Xy"));
        QCOMPARE((std::pair{input.range.lower, input.range.upper}), (std::pair{9, 9}));
        QCOMPARE(input.letterMode, LetterMode::OnlyThese);
        control<QPushButton>(client, "Reset_Excluded_Letters_Edit_BitBtn")->click();
        QVERIFY(control<QLineEdit>(client, "Excluded_Letters_Edit")->text().isEmpty());
        QCOMPARE(control<QLineEdit>(client, "Excluded_Letters_Edit")->accessibleName(), caption.text());
    }

    // Pasting into a one-line box keeps the pasted text's first line.
    void aOneLineBoxTakesThePastedTextsFirstLine()
    {
        PageStand stand;
        SearchPage page(searchPageDescriptions()[wildcardPage], *stand.pages, stand.searchServices());
        QLabel caption;
        SharedFilters filters(stand.pages, &caption);
        QGuiApplication::clipboard()->setText(QStringLiteral("ab\r\ncd\nef"));
        for (QLineEdit* edit : {searchPage(*stand.pages, wildcardPage).criteria->lineEdit(),
                                control<QLineEdit>(*stand.pages, "Excluded_Letters_Edit")}) {
            edit->setText(QStringLiteral("XYZ"));
            edit->setCursorPosition(2);
            edit->paste();
            QCOMPARE(edit->text(), QStringLiteral("XYabZ"));
        }
    }

    // The list page shows the count as it changes; its work area's harvest
    // adds to the list and refreshes the count.
    void theWordListPageFollowsItsList()
    {
        PageStand stand;
        stand.writeList("apple\nzoo\n");
        MaintenancePage page(*stand.pages, stand.list, stand.services.platform(), stand.unreadable, stand.runs);
        QSignalSpy counts(&page, &MaintenancePage::countShown);
        control<QPushButton>(*stand.pages, "Load_Word_List_BitBtn")->click();
        QCOMPARE(counts.count(), 1);
        QCOMPARE(counts.value(0).value(0).toString(), QStringLiteral("2 words."));

        control<QPlainTextEdit>(*stand.pages, "Temp_Work_Area_Paste_MemoEx")->setPlainText(QStringLiteral("Pie apple"));
        stand.services.messages.scriptAnswers({Answer::Yes});
        control<QPushButton>(*stand.pages, "Add_Unique_Words_BitBtn")->click();
        QTRY_VERIFY(!stand.runs.running());
        QCOMPARE(counts.last().value(0).toString(), QStringLiteral("3 words."));
        QCOMPARE(std::string(stand.list.words().at(1)), std::string("pie"));
        QVERIFY(control<QCheckBox>(*stand.pages, "Known_Word_List_Changed_CheckBox")->isChecked());
        QCOMPARE(stand.services.messages.shown.back().text, std::string("1 words were added to the List of Known Words."));
    }
};

QTEST_MAIN(PagesTest)
#include "pages_qtest.moc"
