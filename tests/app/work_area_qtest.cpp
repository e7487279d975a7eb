// The work area's buttons and the harvest of its words into the known word
// list: the question, the run with its bar and halt, close requests during it.

#include "WindowFixture.h"

#include <QCheckBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QListView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBlock>

#include <algorithm>


using namespace verbalia;

namespace {

QStringList entries(const TMainForm1& window)
{
    QStringList all;
    window.knownWords().forEach(0, window.knownWords().size(),
                                [&all](std::string_view word) { all << QString::fromStdString(std::string(word)); });
    return all;
}

struct MaintenanceControls {
    explicit MaintenanceControls(TMainForm1& window)
        : workArea(control<QPlainTextEdit>(window, "Temp_Work_Area_Paste_MemoEx"))
        , add(control<QPushButton>(window, "Add_Unique_Words_BitBtn"))
        , bar(control<QProgressBar>(window, "ProgressBar2"))
        , halt(control<QPushButton>(window, "Halt_Processing_BitBtn"))
    {
        control<QTabWidget>(window, "PageControl1")->setCurrentIndex(3);
    }
    QPlainTextEdit* workArea;
    QPushButton* add;
    QProgressBar* bar;
    QPushButton* halt;
};

// Lines of one new word each: qaaa, qaab, …
QString newWordLines(int count, char first = 'q')
{
    std::string lines;
    for (int i = 0; i < count; ++i)
        lines += {first, char('a' + i / 676 % 26), char('a' + i / 26 % 26), char('a' + i % 26), '\n'};
    return QString::fromLatin1(lines);
}

} // namespace

class WorkAreaTest : public QObject {
    Q_OBJECT

private slots:
    void theHarvestAddsEachNewWordOnceAtItsPlace()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "apple\nbanana\nzoo\n");
        TMainForm1& window = fixture.start();
        MaintenanceControls page(window);
        QCOMPARE(page.workArea->document()->blockCount(), 10);
        QCOMPARE(page.workArea->document()->firstBlock().text(), QStringLiteral("- Type words, sentences, and "));

        page.workArea->setPlainText(QStringLiteral("Apple pie\npie PIE pie, 42"));
        control<QCheckBox>(window, "Ignore_All_Non_Alphanumeric_Chars_CheckBox")->setChecked(false);
        fixture.messages.scriptAnswers({Answer::Yes});
        page.add->click();
        QVERIFY(fixture.runEnded());

        QCOMPARE(entries(window), (QStringList{"apple", "banana", "pie", "pie,", "zoo"}));
        QCOMPARE(window.windowTitle(), QStringLiteral("Verbalia - v1.4f - 5 words."));
        QVERIFY(control<QCheckBox>(window, "Known_Word_List_Changed_CheckBox")->isChecked());
        QCOMPARE(page.workArea->toPlainText(), QStringLiteral("Apple pie\npie PIE pie, 42"));
        QCOMPARE(fixture.messages.shown.size(), std::size_t(2));
        QCOMPARE(fixture.messages.shown[0].text,
                 std::string("Add all words contained in the Temporary Work Area to the List of Known Words, using "
                             "these criteria :\r\n\r\n - Ignore Numbers and Words with Numbers\r\n\r\n"
                             " - Allow (i.e. preserve) all Quotes, $, %, *, -, +, etc\r\n\r\nAre you sure ?"));
        QCOMPARE(fixture.messages.shown[1].text, std::string("2 words were added to the List of Known Words."));
        QVERIFY(!page.bar->isVisible());
        QVERIFY(!page.halt->isEnabled());
        QVERIFY(page.add->isEnabled());
        // The list and its count are repainted again as they change.
        QVERIFY(control<QWidget>(window, "Known_Words_MemoEx")->updatesEnabled());
        QVERIFY(control<QWidget>(window, "Known_Words_Label")->updatesEnabled());

        // No changes nothing.
        page.add->click();
        QVERIFY(fixture.runEnded());
        QCOMPARE(fixture.messages.shown.size(), std::size_t(3));
        QCOMPARE(entries(window).size(), 5);
    }

    // However the text came in, a harvest keeps the letters of Windows-1252
    // and skips the words the list holds as written; what it added is then
    // selected in the list, the first made current.
    void harvestedWordsKeepTheirAccentsAndAreSelected_data()
    {
        QTest::addColumn<QString>("source");
        for (const char* source : {"typed", "pasted", "UTF-8 file", "Windows-1252 file"}) QTest::newRow(source) << source;
    }

    void harvestedWordsKeepTheirAccentsAndAreSelected()
    {
        QFETCH(QString, source);
        const QString sentence = u"na\u00efve fa\u00e7ade Ard\u00e8che O'Brien's don't cr\u00e8me br\u00fbl\u00e9e"_qs;
        WindowFixture fixture;
        // Enough lines before them that the view must scroll to show them.
        std::string list;
        for (int i = 0; i < 5000; ++i) list += "a" + std::to_string(10000 + i) + "\r\n";
        fixture.writeFile("wordlist.dat", list + "Ard\xC3\xA8" "che\r\ndon't\r\nO'Brien's\r\nzebra\r\n");
        TMainForm1& window = fixture.start();
        MaintenanceControls page(window);
        page.workArea->clear();
        if (source == "typed") {
            for (QChar typed : sentence) QTest::sendKeyEvent(QTest::Click, page.workArea, Qt::Key_unknown, typed, {});
        } else if (source == "pasted") {
            QGuiApplication::clipboard()->setText(sentence);
            page.workArea->paste();
        } else {
            const QByteArray bytes = source == "UTF-8 file" ? sentence.toUtf8() : sentence.toLatin1();
            fixture.writeFile("text.txt", bytes.toStdString());
            fixture.fileDialog.choices = {fixture.pathOf("text.txt")};
            control<QPushButton>(window, "Temp_Work_Area_Load_From_File_BitBtn")->click();
        }
        QCOMPARE(page.workArea->toPlainText(), sentence);
        fixture.messages.scriptAnswers({Answer::Yes});
        page.add->click();
        QVERIFY(fixture.runEnded());

        QCOMPARE(fixture.messages.shown.back().text, std::string("4 words were added to the List of Known Words."));
        auto* known = control<QListView>(window, "Known_Words_MemoEx");
        QModelIndexList rows = known->selectionModel()->selectedRows();
        std::sort(rows.begin(), rows.end());
        QStringList selected;
        for (const QModelIndex& row : rows) selected << row.data().toString();
        QCOMPARE(selected.join(' '), u"br\u00fbl\u00e9e cr\u00e8me fa\u00e7ade na\u00efve"_qs);
        QCOMPARE(known->currentIndex(), rows.value(0));
        QVERIFY(known->viewport()->rect().contains(known->visualRect(rows.value(0))));
        QCOMPARE(known->model()->rowCount(), 5008);
    }

    void theBarMovesOnAndAHaltKeepsTheWordsAdded()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        MaintenanceControls page(window);
        page.workArea->setPlainText(newWordLines(250));
        QList<int> shown;
        connect(page.bar, &QProgressBar::valueChanged, this, [&](int value) {
            if (page.bar->isVisible()) shown << value;
        });
        // The title follows the count at most once a frame, not once a word
        // (each change is work for the window manager), and ends exact.
        int titles = 0;
        connect(&window, &QWidget::windowTitleChanged, this, [&titles] { ++titles; });
        fixture.messages.scriptAnswers({Answer::Yes});
        page.add->click();
        QVERIFY(page.bar->isVisible() && page.halt->isEnabled() && !page.add->isEnabled() &&
                !window.menuBar()->isEnabled());
        QVERIFY(fixture.runEnded());
        QCOMPARE(page.bar->maximum(), 250);
        QVERIFY(std::is_sorted(shown.begin(), shown.end()));
        QVERIFY(shown.empty() || shown.back() <= 249);
        QCOMPARE(entries(window).size(), 938 + 250);
        QVERIFY2(titles < 25, qPrintable(QString::number(titles)));
        QCOMPARE(window.windowTitle(), QStringLiteral("Verbalia - v1.4f - 1,188 words."));

        // The words found before the halt are added and stay, in the text's order.
        page.workArea->setPlainText(newWordLines(250, 'x'));
        fixture.messages.scriptAnswers({Answer::Yes});
        page.add->click();
        page.halt->click();
        QVERIFY(fixture.runEnded());
        QCOMPARE(fixture.messages.shown.back().text, std::string("Ading words aborted as requested."));
        const QStringList all = entries(window);
        const QStringList offered = newWordLines(250, 'x').split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        const qsizetype added = all.size() - (938 + 250);
        for (qsizetype i = 0; i < offered.size(); ++i) QCOMPARE(all.contains(offered[i]), i < added);
        QVERIFY(!page.halt->isEnabled());
        QVERIFY(page.add->isEnabled());
        QVERIFY(window.menuBar()->isEnabled());
        QCOMPARE(window.windowTitle().toStdString(),
                 "Verbalia - v1.4f - " + fixture.services.numbers.formatCount(all.size()) + " words.");
    }

    // The close query then offers to save the words added up to the halt.
    void aCloseRequestDuringAHarvestHaltsItAndClosesAfter()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "");
        TMainForm1& window = fixture.start();
        MaintenanceControls page(window);
        page.workArea->setPlainText(newWordLines(300));
        window.knownWordList().setChanged(true); // asked at close whatever the halt left
        fixture.messages.scriptAnswers({Answer::Yes, Answer::Yes});
        page.add->click();
        window.close();
        QVERIFY(window.isVisible());
        QTRY_VERIFY(!window.isVisible());

        QCOMPARE(fixture.messages.shown.size(), std::size_t(3));
        QCOMPARE(fixture.messages.shown[1].text, std::string("Ading words aborted as requested."));
        QVERIFY(fixture.messages.shown[2].question);
        const std::string saved = fixture.readFile("wordlist.dat");
        QCOMPARE(saved, newWordLines(int(saved.size() / 6)).replace(QLatin1String("\n"), QLatin1String("\r\n")).toStdString());
    }

    void pasteLoadAndReset()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        MaintenanceControls page(window);
        const auto text = [&] { return page.workArea->toPlainText(); };

        fixture.clipboard.content = "a\tb\r\nc\rd";
        control<QPushButton>(window, "Temp_Work_Area_Paste_BitBtn")->click();
        QCOMPARE(text(), QStringLiteral("a        b\nc\nd"));
        fixture.clipboard.content.reset();
        control<QPushButton>(window, "Temp_Work_Area_Paste_BitBtn")->click();
        QCOMPARE(text(), QString());

        // Text pasted with the keyboard arrives the same way.
        QGuiApplication::clipboard()->setText(QStringLiteral("e\tf\r\n"));
        page.workArea->paste();
        QCOMPARE(text(), QStringLiteral("e        f\n"));

        auto* const load = control<QPushButton>(window, "Temp_Work_Area_Load_From_File_BitBtn");
        fixture.writeFile("text.txt", std::string("x\ty\r\ncaf\xC3\xA9\0w", 12));
        fixture.fileDialog.choices = {fixture.pathOf("text.txt"), std::nullopt, fixture.pathOf("gone.txt"),
                                      fixture.pathOf("text.txt")};
        load->click();
        QCOMPARE(text(), QString::fromUtf8("x        y\ncaf\u00e9"));
        QCOMPARE(fixture.fileDialog.filters.back(), std::string("Text Files|*.txt|All Files|*.*"));
        load->click(); // cancelled
        load->click(); // no longer there
        QCOMPARE(text(), QString::fromUtf8("x        y\ncaf\u00e9"));
        QVERIFY(fixture.messages.shown.empty());
        fixture.files.unreadableFiles = {fixture.pathOf("text.txt")};
        page.workArea->setPlainText(QStringLiteral("kept"));
        load->click();
        QCOMPARE(text(), QStringLiteral("kept"));
        QCOMPARE(fixture.messages.shown.back().text, "Cannot open file " + fixture.pathOf("text.txt"));

        control<QPushButton>(window, "Temp_Work_Area_Reset_BitBtn")->click();
        QCOMPARE(text(), QString());
        fixture.messages.scriptAnswers({Answer::Yes});
        page.add->click();
        QVERIFY(fixture.runEnded());
        QCOMPARE(fixture.messages.shown.back().text, std::string("0 words were added to the List of Known Words."));
    }
};

QTEST_MAIN(WorkAreaTest)
#include "work_area_qtest.moc"
