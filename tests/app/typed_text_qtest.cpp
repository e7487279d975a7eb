// What the window makes of text the user types or pastes into its boxes.

#include "WindowFixture.h"

#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>

using namespace verbalia;

namespace {

template <class Control>
Control* control(const TMainForm1& window, const char* name)
{
    Control* found = window.findChild<Control*>(QLatin1String(name));
    if (!found) qFatal("no control %s", name);
    return found;
}

} // namespace

class TypedTextTest : public QObject {
    Q_OBJECT

private slots:
    // A character the code page lacks must neither act as a wildcard nor
    // vanish: the criteria checks see it and refuse it, or it matches nothing.
    void charactersOutsideTheCodePageAreNeverWildcards_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("refused");
        QTest::newRow("wildcard") << "Wildcard_Search_ComboBox" << "Wildcard_Search_BitBtn" << u"caf\u0109"_qs << true;
        QTest::newRow("wildcard, trailing") << "Wildcard_Search_ComboBox" << "Wildcard_Search_BitBtn"
                                            << u"\u0109???"_qs << false;
        QTest::newRow("letters") << "Words_With_These_Letters_Search_ComboBox"
                                 << "Search_for_Words_with_these_Letters_BitBtn" << u"caf\u0109"_qs << true;
    }

    void charactersOutsideTheCodePageAreNeverWildcards()
    {
        QFETCH(QString, box);
        QFETCH(QString, button);
        QFETCH(QString, typed);
        QFETCH(bool, refused);
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", "caf\xE9\ncafe\ncaf\n");
        TMainForm1& window = fixture.start();
        control<QComboBox>(window, qPrintable(box))->setEditText(typed);
        control<QPushButton>(window, qPrintable(button))->click();

        QCOMPARE(fixture.messages.shown.size(), std::size_t(refused ? 1 : 0));
        for (const char* results : {"WildCard_Search_Results_MemoEx", "Words_With_These_Letters_Search_MemoEx"})
            QCOMPARE(control<QListView>(window, results)->model()->rowCount(), 0);
    }
};

QTEST_MAIN(TypedTextTest)
#include "typed_text_qtest.moc"
