// The pages built alone, without the main window.

#include "app/SearchPage.h"
#include "app/SharedFilters.h"
#include "fakes/FakePlatform.h"

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

using namespace verbalia;

class PagesTest : public QObject {
    Q_OBJECT

private slots:
    void aSearchPageEmitsWhatTheWindowNeeds()
    {
        QTabWidget pages;
        FakeClipboard clipboard;
        SearchPage page(searchPageDescriptions()[letterPage], pages, clipboard);
        QSignalSpy run(&page, &SearchPage::runRequested), keyDown(&page, &SearchPage::criteriaKeyDown),
            reset(&page, &SearchPage::resetRequested), copy(&page, &SearchPage::copyRequested);
        page.run->click();
        QTest::keyClick(page.criteria->lineEdit(), Qt::Key_Return);
        page.reset->click();
        page.copy->click();
        QCOMPARE((std::vector{run.count(), reset.count(), copy.count()}), (std::vector<qsizetype>{1, 1, 1}));
        QCOMPARE(keyDown.value(0).value(0).toInt(), int(Qt::Key_Return));

        page.criteria->setEditText(QStringLiteral(" \tpot  "));
        QCOMPARE(page.takeCriteria(), std::string("pot"));
        QCOMPARE(page.criteria->currentText(), QStringLiteral("pot"));

        // The letter mode goes with the page's input; no mode need be chosen.
        QCOMPARE(page.letterMode(), LetterMode::ContainsAll);
        page.modes->set(page.modes->buttons[0], false);
        QCOMPARE(page.letterMode(), LetterMode::None);
        page.modes->set(page.modes->buttons[2], true);
        QCOMPARE(page.letterMode(), LetterMode::ExactCount);
    }

    void theSharedFiltersHandOutTheInput()
    {
        QWidget client;
        SharedFilters filters(&client);
        filters.lower->setValue(3);
        filters.upper->setValue(7);
        filters.exclusion->setText(QStringLiteral("Xy"));
        const SearchInput input = filters.input("ab", LetterMode::OnlyThese);
        QCOMPARE(input.criteria, std::string_view("ab"));
        QCOMPARE(input.exclusion, std::string_view("Xy"));
        QCOMPARE((std::pair{input.range.lower, input.range.upper}), (std::pair{3, 7}));
        QCOMPARE(input.letterMode, LetterMode::OnlyThese);
    }

    // Pasting into a one-line box keeps the pasted text's first line.
    void aOneLineBoxTakesThePastedTextsFirstLine()
    {
        QTabWidget pages;
        FakeClipboard clipboard;
        SearchPage page(searchPageDescriptions()[wildcardPage], pages, clipboard);
        SharedFilters filters(&pages);
        QGuiApplication::clipboard()->setText(QStringLiteral("ab\r\ncd\nef"));
        for (QLineEdit* edit : {page.criteria->lineEdit(), filters.exclusion}) {
            edit->setText(QStringLiteral("XYZ"));
            edit->setCursorPosition(2);
            edit->paste();
            QCOMPARE(edit->text(), QStringLiteral("XYabZ"));
        }
    }
};

QTEST_MAIN(PagesTest)
#include "pages_qtest.moc"
