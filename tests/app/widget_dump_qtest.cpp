// The whole window as a person and a screen reader meet it, written out and
// held to tests/app/widget_dump.txt: every widget (class, name, place in the
// tree, geometry, font, texts, accessible name and description, enabled and
// visible) on each page, during and after a search and a harvest, the focus
// chain of each page and the menus. A change of the window's code that shows
// nowhere keeps the file byte for byte.
//
// VERBALIA_UPDATE_GOLDEN=1 writes the file instead of comparing it.

#include "WindowFixture.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>

#include <fstream>
#include <functional>
#include <sstream>

using namespace verbalia;

namespace {

const char* const goldenFile = VERBALIA_SOURCE_DIR "/tests/app/widget_dump.txt";

QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    escaped.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    escaped.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    escaped.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    escaped.replace(QLatin1Char('"'), QLatin1String("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString nameOf(const QObject* object)
{
    if (!object) return QStringLiteral("-");
    return object->objectName().isEmpty() ? QStringLiteral("<%1>").arg(QLatin1String(object->metaObject()->className()))
                                          : object->objectName();
}

// What a widget shows as text, by its kind.
QStringList textsOf(const QWidget* widget, bool duringRun)
{
    QStringList texts;
    if (const auto* label = qobject_cast<const QLabel*>(widget)) texts << quoted(label->text());
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
        texts << quoted(button->text());
        if (button->isCheckable()) texts << (button->isChecked() ? QStringLiteral("checked") : QStringLiteral("unchecked"));
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) texts << quoted(edit->text());
    if (const auto* box = qobject_cast<const QComboBox*>(widget)) {
        texts << quoted(box->currentText());
        QStringList items;
        for (int i = 0; i < box->count(); ++i) items << quoted(box->itemText(i));
        texts << QStringLiteral("items[%1]").arg(items.join(QLatin1Char(',')));
    }
    if (const auto* group = qobject_cast<const QGroupBox*>(widget)) texts << quoted(group->title());
    if (const auto* edit = qobject_cast<const QPlainTextEdit*>(widget)) texts << quoted(edit->toPlainText());
    if (const auto* spin = qobject_cast<const QSpinBox*>(widget))
        texts << QStringLiteral("value %1 of %2..%3").arg(spin->value()).arg(spin->minimum()).arg(spin->maximum());
    if (const auto* bar = qobject_cast<const QProgressBar*>(widget))
        texts << QStringLiteral("range %1..%2").arg(bar->minimum()).arg(bar->maximum());
    if (const auto* tabs = qobject_cast<const QTabBar*>(widget)) {
        QStringList captions;
        for (int i = 0; i < tabs->count(); ++i) captions << quoted(tabs->tabText(i));
        texts << QStringLiteral("tabs[%1] current %2").arg(captions.join(QLatin1Char(','))).arg(tabs->currentIndex());
    }
    // During a run the view being filled may show some rows or none yet.
    if (const auto* view = qobject_cast<const QAbstractItemView*>(widget); view && view->model() && !duringRun)
        texts << QStringLiteral("rows %1").arg(view->model()->rowCount());
    if (!widget->toolTip().isEmpty()) texts << QStringLiteral("tip ") + quoted(widget->toolTip());
    return texts;
}

void dumpWidget(const QWidget* widget, int depth, bool duringRun, QTextStream& out)
{
    const QRect bounds = widget->geometry();
    out << QString(depth * 2, QLatin1Char(' ')) << widget->metaObject()->className() << ' ' << nameOf(widget)
        << " parent " << nameOf(widget->parent()) << " at " << bounds.x() << ',' << bounds.y() << ' '
        << bounds.width() << 'x' << bounds.height() << " font " << quoted(widget->font().toString())
        << (widget->isEnabled() ? " enabled" : " disabled") << (widget->isVisible() ? " visible" : " hidden")
        << (widget->isVisibleTo(widget->window()) ? "" : " (hidden itself)") << " name "
        << quoted(widget->accessibleName()) << " description " << quoted(widget->accessibleDescription());
    const QStringList texts = textsOf(widget, duringRun);
    if (!texts.isEmpty()) out << " texts " << texts.join(QLatin1Char(' '));
    out << '\n';
    for (const QObject* child : widget->children())
        if (const auto* inner = qobject_cast<const QWidget*>(child); inner && !inner->isWindow())
            dumpWidget(inner, depth + 1, duringRun, out);
}

void dumpFocusChain(const QWidget& window, QTextStream& out)
{
    out << "focus chain:";
    const QWidget* widget = &window;
    int steps = 0;
    do {
        if (widget->focusPolicy() & Qt::TabFocus && widget->isVisible() && widget->isEnabled())
            out << ' ' << nameOf(widget);
        widget = widget->nextInFocusChain();
    } while (widget && widget != &window && ++steps < 10000);
    out << '\n';
}

void dumpMenu(const QWidget* menu, int depth, QTextStream& out)
{
    for (const QAction* entry : menu->actions()) {
        out << QString(depth * 2, QLatin1Char(' ')) << "entry " << nameOf(entry) << ' ' << quoted(entry->text())
            << (entry->isSeparator() ? " separator" : "") << (entry->isEnabled() ? " enabled" : " disabled")
            << (entry->isVisible() ? " visible" : " hidden")
            << (entry->isCheckable() ? (entry->isChecked() ? " checked" : " unchecked") : "") << " shortcut "
            << quoted(entry->shortcut().toString()) << '\n';
        if (entry->menu()) dumpMenu(entry->menu(), depth + 1, out);
    }
}

// Everything a window shows, under a heading. Between runs, the views first
// lay out their rows (from posted events and zero timers); during a run,
// nothing more happens before the dump.
QString dump(const TMainForm1& window, const QString& heading, bool duringRun = false)
{
    if (!duringRun)
        for (int round = 0; round < 5; ++round) QCoreApplication::processEvents();
    QString text;
    QTextStream out(&text);
    out << "== " << heading << " ==\n";
    out << "window " << quoted(window.windowTitle()) << " client " << window.centralWidget()->width() << 'x'
        << window.centralWidget()->height() << '\n';
    dumpWidget(&window, 0, duringRun, out);
    dumpFocusChain(window, out);
    out << "menu bar " << (window.menuBar()->isEnabled() ? "enabled" : "disabled") << '\n';
    dumpMenu(window.menuBar(), 1, out);
    return text;
}

// The window as it stands once a run has started.
QString dumpDuringRun(const TMainForm1& window, const QString& heading, const std::function<void()>& start)
{
    start();
    return dump(window, heading, true);
}

std::string numberedWords(int count)
{
    std::string words;
    for (int i = 0; i < count; ++i) words += "w" + std::to_string(100000 + i) + "\r\n";
    return words;
}

} // namespace

class WidgetDumpTest : public QObject {
    Q_OBJECT

private slots:
    void theWindowIsAsItWas()
    {
        WindowFixture fixture;
        fixture.writeFile("wordlist.dat", numberedWords(500) + "apple\r\npie\r\n");
        TMainForm1& window = fixture.start();
        auto* const pages = control<QTabWidget>(window, "PageControl1");
        QString all;
        for (int page = 0; page < pages->count(); ++page) {
            pages->setCurrentIndex(page);
            all += dump(window, QStringLiteral("page %1").arg(page));
        }

        // A search: the lock during it, the results after it.
        pages->setCurrentIndex(int(wildcardPage));
        const SearchControls wildcard = searchPage(window, wildcardPage);
        wildcard.criteria->setEditText(QStringLiteral("w10000?"));
        all += dumpDuringRun(window, QStringLiteral("during a search"), [&] { wildcard.run->click(); });
        QTRY_VERIFY(!window.isRunning());
        all += dump(window, QStringLiteral("after a search"));

        // A harvest of known words, then one of new words, and their reports.
        pages->setCurrentIndex(3);
        auto* const workArea = control<QPlainTextEdit>(window, "Temp_Work_Area_Paste_MemoEx");
        auto* const add = control<QPushButton>(window, "Add_Unique_Words_BitBtn");
        workArea->setPlainText(QStringLiteral("apple\npie\nApple\nPie\napple pie\npie"));
        fixture.messages.scriptAnswers({Answer::Yes});
        all += dumpDuringRun(window, QStringLiteral("during a harvest"), [&] { add->click(); });
        QTRY_VERIFY(!window.isRunning());
        workArea->setPlainText(QStringLiteral("new words\nw100001 x"));
        fixture.messages.scriptAnswers({Answer::Yes});
        add->click();
        QTRY_VERIFY(!window.isRunning());
        all += dump(window, QStringLiteral("after a harvest"));
        for (const FakeMessageBoxes::Shown& shown : fixture.messages.shown)
            all += QStringLiteral("message ") + quoted(QString::fromStdString(shown.text)) + QLatin1Char('\n');

        const QByteArray bytes = all.toUtf8();
        if (qEnvironmentVariableIntValue("VERBALIA_UPDATE_GOLDEN")) {
            std::ofstream(goldenFile, std::ios::binary).write(bytes.constData(), bytes.size());
            QSKIP("golden file written");
        }
        std::ifstream in(goldenFile, std::ios::binary);
        QVERIFY2(in, "no golden file: run with VERBALIA_UPDATE_GOLDEN=1");
        std::ostringstream golden;
        golden << in.rdbuf();
        const QStringList expected = QString::fromUtf8(golden.str()).split(QLatin1Char('\n'));
        const QStringList actual = all.split(QLatin1Char('\n'));
        for (qsizetype line = 0; line < std::min(expected.size(), actual.size()); ++line)
            QVERIFY2(expected[line] == actual[line],
                     qPrintable(QStringLiteral("line %1:\n  golden: %2\n  now:    %3")
                                    .arg(line + 1)
                                    .arg(expected[line], actual[line])));
        QCOMPARE(actual.size(), expected.size());
    }
};

QTEST_MAIN(WidgetDumpTest)
#include "widget_dump_qtest.moc"
