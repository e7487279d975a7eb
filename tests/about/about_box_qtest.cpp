// The about box over a fake memory status and a fake desktop.

#include "AboutAddresses.h"
#include "about/AboutBox.h"
#include "about/AboutPictures.h"
#include "about/AboutTexts.h"
#include "fakes/FakeServices.h"

#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <iterator>
#include <memory>
#include <set>

using namespace verbalia;

namespace {

const QStringList quotes = {
    "I hope this program makes your work a little simpler, your play a little better, or your day a bit easier.",
    "If you have any comments, suggestions, improvements, or feedback, please email me.",
    "Useful software needn't take up Gigabytes of disk space, and my catalog of software proves this.",
    "Please support my efforts with a PayPal donation.",
};

struct AboutFixture {
    AboutFixture()
    {
        box.setTexts();
        box.show();
    }

    template <class Control = QWidget>
    Control* control(const char* name) const
    {
        auto* found = box.findChild<Control*>(QString::fromLatin1(name));
        if (!found) qFatal("no control %s", name);
        return found;
    }
    QString text(const char* name) const { return control<QLabel>(name)->text(); }
    AnimatedPicture* logo() const { return control<AnimatedPicture>("Tarnwick_Logo_GIFImage"); }

    // The box is open and everything it runs while open is running.
    bool running() const
    {
        return box.isVisible() && control<QTimer>("Quote_Change_Timer")->isActive() &&
               control<QTimer>("Free_Resources_Timer")->isActive() && logo()->isRunning();
    }
    bool stopped() const
    {
        return !box.isVisible() && !control<QTimer>("Quote_Change_Timer")->isActive() &&
               !control<QTimer>("Free_Resources_Timer")->isActive() && !logo()->isRunning();
    }

    FakeServices services{"/nonexistent/"};
    FakeMemoryStatus& memory = services.get<FakeMemoryStatus>();
    FakeDesktopOpener& desktop = services.get<FakeDesktopOpener>();
    FakeMessageBoxes& messages = services.get<FakeMessageBoxes>();
    TAboutBox box{services.platform()};
};

} // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT

private slots:
    void isAFixedDialogWithoutTitleBarButtonsAndItsTexts()
    {
        AboutFixture about;
        QCOMPARE(about.box.size(), QSize(622, 411));
        QCOMPARE(about.box.minimumSize(), about.box.maximumSize());
        QVERIFY(!(about.box.windowFlags() &
                  (Qt::WindowCloseButtonHint | Qt::WindowMinMaxButtonsHint | Qt::WindowContextHelpButtonHint)));
        QCOMPARE(about.box.windowTitle(), QStringLiteral("About Verbalia - v1.4f ..."));
        QCOMPARE(about.text("Product_Name_Label"), QStringLiteral("Verbalia - v1.4f"));
        QVERIFY(about.text("Author_and_Date_Label").endsWith(QStringLiteral(", September 2007")));
        QVERIFY(about.text("Copyright_Label").endsWith(QString::number(QDate::currentDate().year())));
        QVERIFY(about.text("Copyright_Label").contains(QChar(0xA9)));
        QCOMPARE(about.text("Email_Address_Label"), QString::fromLatin1(aboutAddresses::mailbox));
        QCOMPARE(about.text("WEB_Address_Label"), QString::fromLatin1(aboutAddresses::webPage));
        for (const char* hidden : {"Email_Button", "WEB_Button", "PayPal_WEB_Address_Label",
                                   "Quotes_From_Tarnwick_ListBox"})
            QVERIFY2(about.control(hidden)->isHidden(), hidden);
        QCOMPARE(about.logo()->frameCount(), 8);
        QCOMPARE(about.logo()->frameMilliseconds(), 100);
    }

    void theCreditWordingIsNotReadableInTheExecutable()
    {
        std::ifstream self("/proc/self/exe", std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(self), {}};
        QVERIFY(bytes.size() > 1000);
        QVERIFY(bytes.find(std::string("Written by the ") + "Verbalia developers") == std::string::npos);
    }

    void openingShowsAQuoteAndTheFreeMemoryAtOnceAndStartsItsTimers()
    {
        AboutFixture about;
        QVERIFY(quotes.contains(about.text("Quote_From_Tarnwick_Label")));
        QCOMPARE(about.text("Free_Resources_Label"), QStringLiteral("50%"));
        QVERIFY(about.running());
        QCOMPARE(about.control<QTimer>("Quote_Change_Timer")->interval(), 10000);
        QCOMPARE(about.control<QTimer>("Free_Resources_Timer")->interval(), 500);
        QCOMPARE(about.control("Email_Address_Label")->y(), about.control("Email_Button")->y());
        QCOMPARE(about.control("WEB_Address_Label")->toolTip(), QStringLiteral("Click to visit Tarnwick's WEB Page."));
        QCOMPARE(about.control("PayPal_Image")->cursor().shape(), Qt::PointingHandCursor);
    }

    void theTimersShowARandomQuoteAndTheMemoryNow()
    {
        AboutFixture about;
        std::set<QString> seen;
        for (int i = 0; i < 200; ++i) {
            about.box.Quote_Change_TimerTimer();
            seen.insert(about.text("Quote_From_Tarnwick_Label"));
        }
        QCOMPARE(seen, std::set<QString>(quotes.begin(), quotes.end()));

        about.memory.figures = MemoryFigures{1000, 100, 1000, 150};
        about.box.Free_Resources_TimerTimer();
        QCOMPARE(about.text("Free_Resources_Label"), QStringLiteral("13%"));
        about.memory.figures.reset(); // unreadable: the last figure stays
        about.box.Free_Resources_TimerTimer();
        QCOMPARE(about.text("Free_Resources_Label"), QStringLiteral("13%"));

        const int first = about.logo()->currentFrame();
        for (int i = 0; i < 8; ++i) about.logo()->showNextFrame();
        QCOMPARE(about.logo()->currentFrame(), first);
    }

    void okEnterAndEscapeFromAnyControlCloseAndStopEverything()
    {
        AboutFixture about;
        QTest::mouseClick(about.control("OKButton"), Qt::LeftButton);
        QVERIFY(about.stopped());
        about.box.show();
        QVERIFY(about.running());
        QTest::keyClick(&about.box, Qt::Key_Return);
        QVERIFY(about.stopped());
        for (QWidget* control : about.box.findChildren<QWidget*>()) {
            about.box.show();
            if (!control->isVisible()) continue;
            QTest::keyClick(control, Qt::Key_Escape);
            QVERIFY2(about.stopped(), qPrintable(control->objectName()));
        }
    }

    void everyLinkHandsItsAddressToTheDesktop()
    {
        AboutFixture about;
        const std::string webPage = aboutAddresses::webPage;
        const std::string donationPage = std::string(aboutAddresses::donationPageStart) + aboutAddresses::donationPageEnd;
        const std::string mail =
            "mailto:" + std::string(aboutAddresses::mailbox) + "?subject=Shareware%3A%20about_box_qtest";
        const std::pair<const char*, std::string> links[] = {
            {"WEB_Address_Label", webPage},           {"Tarnwick_Logo_GIFImage", webPage},
            {"Tarnwick_Logo_Banner_Image", webPage},  {"Australian_Made_Logo", webPage},
            {"Australian_Made_Label", webPage},       {"Email_Address_Label", mail},
            {"PayPal_Donations_Label", donationPage}, {"PayPal_Image", donationPage},
        };
        for (const auto& [name, address] : links) {
            about.desktop.opened.clear();
            QTest::mouseClick(about.control(name), Qt::LeftButton);
            QCOMPARE(about.desktop.opened, std::vector<std::string>{address});
        }

        about.desktop.opened.clear();
        about.control<QPushButton>("WEB_Button")->setText(QString());
        QTest::mouseClick(about.control("WEB_Address_Label"), Qt::LeftButton);
        QVERIFY(about.desktop.opened.empty());
    }

    void anAddressNoProgramOpensIsAnError()
    {
        AboutFixture about;
        about.desktop.answers = false;
        QTest::mouseClick(about.control("PayPal_Image"), Qt::LeftButton);
        QCOMPARE(about.messages.shown.size(), 1u);
        QCOMPARE(about.messages.shown[0].kind, MessageKind::Error);
        QCOMPARE(about.messages.shown[0].text, addressNotOpenedMessage(about.desktop.opened.at(0)));
    }

    // Minimising would hide the box with the main window and leave nothing
    // on screen to bring them back.
    void aMinimisedBoxComesBack()
    {
        AboutFixture about;
        about.box.setWindowState(Qt::WindowMinimized);
        QTRY_VERIFY(!about.box.isMinimized());
        QVERIFY(about.box.isVisible());
    }
};

QTEST_MAIN(AboutBoxTest)
#include "about_box_qtest.moc"
