// The solver's table: rows given by list index, their words read from the
// list until it is about to change, sorted by a column and back.

#include "app/SolutionsModel.h"
#include "platform/qt/QtText.h"

#include <QTest>

using namespace verbalia;

class SolutionsModelTest : public QObject {
    Q_OBJECT

    static QStringList shownIn(const SolutionsModel& model, int column)
    {
        QStringList shown;
        for (int row = 0; row < model.rowCount(); ++row) shown << model.index(row, column).data().toString();
        return shown;
    }

private slots:
    void sortsByAColumnAndBack_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<Qt::SortOrder>("order");
        QTest::addColumn<QStringList>("words");
        // The answer's order, then by folded word, then by letters with ties in the answer's order.
        QTest::newRow("answer") << -1 << Qt::AscendingOrder << QStringList{"tiger", "Émeu", "piece of cake", "ant"};
        QTest::newRow("word") << 0 << Qt::AscendingOrder << QStringList{"ant", "Émeu", "piece of cake", "tiger"};
        QTest::newRow("word down") << 0 << Qt::DescendingOrder << QStringList{"tiger", "piece of cake", "Émeu", "ant"};
        QTest::newRow("letters") << 1 << Qt::AscendingOrder << QStringList{"ant", "Émeu", "tiger", "piece of cake"};
    }

    void sortsByAColumnAndBack()
    {
        QFETCH(int, column);
        QFETCH(Qt::SortOrder, order);
        QFETCH(QStringList, words);
        WordStore list;
        list.assign(std::vector<std::string>{"ant", "\xC9meu", "tiger"}); // Windows-1252
        auto phrases = std::make_shared<const std::vector<Phrase>>(std::vector<Phrase>{{"piece of cake", "11 (5,2,4)"}});
        SolutionsModel model(nullptr);
        const auto row = [](std::size_t index, bool phrase = false) {
            return solver::AnswerRow{index, Level::none, phrase, std::nullopt};
        };
        model.setRows({row(2), row(1), row(0, true), row(0)}, {&list, phrases});
        model.sort(column, order);
        QCOMPARE(shownIn(model, SolutionsModel::wordColumn), words);
        model.sort(-1);
        QCOMPARE(shownIn(model, SolutionsModel::lettersColumn), (QStringList{"5", "4", "11 (5,2,4)", "3"}));
        // The list about to change: the rows keep their words, read no more from it.
        model.keepTexts();
        list.clear();
        model.sort(column, order);
        QCOMPARE(shownIn(model, SolutionsModel::wordColumn), words);
        QCOMPARE(toQString(model.words("|")), words.join('|'));
    }
};

QTEST_MAIN(SolutionsModelTest)
#include "solutions_model_qtest.moc"
