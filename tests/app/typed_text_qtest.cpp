// What the window makes of text the user types or pastes into its boxes.

#include "WindowFixture.h"

using namespace verbalia;

class TypedTextTest : public QObject {
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
        const SearchPageControls controls = searchPage(fixture.start(), SearchPageIndex(page));
        controls.criteria->setEditText(typed);
        controls.run->click();

        QCOMPARE(fixture.messages.shown.size(), std::size_t(refused ? 1 : 0));
        QCOMPARE(controls.results->model()->rowCount(), 0);
    }
};

QTEST_MAIN(TypedTextTest)
#include "typed_text_qtest.moc"
