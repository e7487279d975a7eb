// The layout baseline and the rescaling of every control to the client size.

#include "WindowFixture.h"
#include "app/core/LayoutBaseline.h"
#include "platform/qt/QtText.h"

#include <QLabel>
#include <QListWidget>

using namespace verbalia;

namespace {

QStringList baseline(const TMainForm1& window)
{
    QStringList lines;
    const auto* list = control<QListWidget>(window, "Scaling_ListBox");
    for (int i = 0; i < list->count(); ++i) lines.append(list->item(i)->text());
    return lines;
}

// The name at the end of a control's baseline line.
QString nameOf(const QString& line) { return line.section(QLatin1Char(' '), 5); }

} // namespace

class WindowScalingTest : public QObject {
    Q_OBJECT

private slots:
    void theBaselineHoldsTheDesignGeometryInCreationOrderOnce()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        const QStringList lines = baseline(window);
        QCOMPARE(lines.first(), QStringLiteral("615 455 W/H Mainform1"));
        QCOMPARE(lines.at(1), QStringLiteral("5 605 4 409 11 PageControl1"));
        QCOMPARE(nameOf(lines.at(2)), QStringLiteral("TabSheet1"));
        for (const char* line : {"337 150 416 35 14 Exit_BitBtn", "56 45 20 27 11 Lower_Length_SpinEdit",
                                 "8 369 160 213 10 Phonetic_Search_MemoEx", "652 25 4 29 11 Scaling_ListBox"})
            QVERIFY2(lines.contains(QString::fromLatin1(line)), line);
        const auto at = [&lines](const char* name) {
            for (int i = 0; i < lines.size(); ++i)
                if (nameOf(lines[i]) == QLatin1String(name)) return i;
            return -1;
        };
        QVERIFY(at("TabSheet1") > 0 && at("TabSheet1") < at("TabSheet2") && at("TabSheet3") < at("TabSheet4"));
        QVERIFY(at("TabSheet4") < at("Limit_Word_Length_GroupBox") && at("Label1") < at("Exit_BitBtn"));
        // The menu bar, its three menus and their ten entries (separators included) close the list.
        QCOMPARE(lines.mid(lines.size() - 14), QStringList(14, QStringLiteral("0")));
        QCOMPARE(lines.count(QStringLiteral("0")), 14);

        fixture.setClientSize(900, 700);
        window.FormShow(); // a second start-up sequence, as after Restore Factory Defaults
        QCOMPARE(baseline(window), lines);
    }

    void everyControlAndFontFollowsTheClientSizeAndReturnsExactly()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        const QStringList lines = baseline(window);
        // Twice the design; 1.5 times as wide; 0.99 (11 pt becomes 10 pt); tiny; the design again.
        for (const QSize wanted : {QSize(1230, 910), QSize(922, 455), QSize(609, 451), QSize(5, 5), QSize(615, 455)}) {
            const QSize client = fixture.setClientSize(wanted.width(), wanted.height());
            const ScaleFactors factors = *scaleFactors(fromQString(lines.first()), client.width(), client.height());
            for (const QString& line : lines.mid(1)) {
                if (line == QLatin1String("0")) continue;
                const auto* widget = control<QWidget>(window, qPrintable(nameOf(line)));
                const ControlGeometry expected = scaled(parseBaselineLine(fromQString(line)), factors);
                int width = expected.width;
                if (const auto* label = qobject_cast<const QLabel*>(widget); label && !label->wordWrap())
                    width = std::max(width, label->sizeHint().width()); // never narrower than its caption
                if (!nameOf(line).startsWith(QLatin1String("TabSheet"))) // placed by the page control
                    QCOMPARE(widget->geometry(), QRect(expected.left, expected.top, width, expected.height));
                QCOMPARE(widget->font().pointSize(), std::max(expected.fontSize, 1));
            }
        }
        QCOMPARE(window.centralWidget()->size(), QSize(615, 455));
        for (const QString& line : lines.mid(1)) { // back at the design size: the design bounds exactly
            if (line == QLatin1String("0") || nameOf(line).startsWith(QLatin1String("TabSheet"))) continue;
            const ControlGeometry design = parseBaselineLine(fromQString(line));
            QCOMPARE(control<QWidget>(window, qPrintable(nameOf(line)))->geometry(),
                     QRect(design.left, design.top, design.width, design.height));
        }
        QCOMPARE(window.font().pointSize(), 11); // the window's own font is never scaled

        const auto* pages = control<QWidget>(window, "PageControl1");
        const auto* exit = control<QWidget>(window, "Exit_BitBtn");
        const auto* from = control<QWidget>(window, "Label1");
        fixture.setClientSize(1230, 910);
        QCOMPARE(pages->geometry(), QRect(10, 8, 1210, 818));
        QCOMPARE(from->geometry(), QRect(16, 48, 82, 34)); // inside its group box
        QCOMPARE(from->font().pointSize(), 22);
        fixture.setClientSize(922, 455);
        QCOMPARE(exit->font().pointSize(), 14);
        QCOMPARE(exit->x(), 505);
        fixture.setClientSize(609, 451);
        QCOMPARE(from->font().pointSize(), 10);
    }

    void aCaptionLongerThanItsLabelStaysWholeThroughAResize()
    {
        WindowFixture fixture;
        TMainForm1& window = fixture.start();
        auto* status = control<QLabel>(window, "Phonetic_Search_Label");
        status->setText(QStringLiteral("662,575 words found that sound similar."));
        fixture.setClientSize(922, 680);
        fixture.setClientSize(615, 455);
        QVERIFY(status->width() >= status->sizeHint().width());
    }

    void aResizeBeforeTheBaselineChangesNothing()
    {
        WindowFixture fixture;
        TMainForm1 window(fixture.services.platform()); // never shown: no start-up sequence
        window.centralWidget()->resize(1230, 910);
        window.FormResize();
        QCOMPARE(control<QWidget>(window, "PageControl1")->geometry(), QRect(5, 4, 605, 409));
        QVERIFY(baseline(window).isEmpty());
    }
};

QTEST_MAIN(WindowScalingTest)
#include "window_scaling_qtest.moc"
