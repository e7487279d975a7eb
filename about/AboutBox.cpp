#include "AboutBox.h"

#include "AboutAddresses.h"
#include "AboutPictures.h"
#include "AboutTexts.h"
#include "platform/ProgramFolder.h"
#include "platform/qt/DialogFrame.h"
#include "platform/qt/QtText.h"
#include "text/ProgramTitle.h"
#include "text/ScrambledText.h"

#include <QDate>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <chrono>

namespace verbalia {
namespace {

constexpr QSize clientSize{622, 411};
constexpr int quoteMilliseconds = 10000;
constexpr int freeMemoryMilliseconds = 500;
constexpr int logoFrameMilliseconds = 100;

const QString bodyFontFamily = QStringLiteral("Times New Roman");

const char* const quotes[] = {
    "I hope this program makes your work a little simpler, your play a little better, or your day a bit easier.",
    "If you have any comments, suggestions, improvements, or feedback, please email me.",
    "Useful software needn't take up Gigabytes of disk space, and my catalog of software proves this.",
    "Please support my efforts with a PayPal donation.",
};

// The credit lines and the addresses, stored scrambled.
constexpr ScrambledText storedAuthor("Written by the Verbalia developers");
constexpr ScrambledText storedDevelopedUsing("Developed using C++ and Qt");
constexpr ScrambledText storedCopyright("Copyright \xA9 the Verbalia developers 2007-");
constexpr ScrambledText storedSoftwareStatus("Shareware: free to try, free to pass on");
constexpr ScrambledText storedComments("Comments and suggestions :");
constexpr ScrambledText storedWebPageCaption("Web page :");
constexpr ScrambledText storedMailbox(aboutAddresses::mailbox);
constexpr ScrambledText storedWebPage(aboutAddresses::webPage);
constexpr ScrambledText storedDonationPageStart(aboutAddresses::donationPageStart);
constexpr ScrambledText storedDonationPageEnd(aboutAddresses::donationPageEnd);

template <class Widget>
Widget* place(Widget* widget, const char* name, QRect bounds)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(bounds);
    return widget;
}

QLabel* label(QWidget* parent, const char* name, QRect bounds, const char* caption = "",
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto* result = place(new QLabel(QString::fromLatin1(caption), parent), name, bounds);
    result->setAlignment(alignment);
    return result;
}

ClickLabel* clickLabel(QWidget* parent, const char* name, QRect bounds)
{
    auto* result = place(new ClickLabel(parent), name, bounds);
    result->setTextFormat(Qt::PlainText);
    return result;
}

ClickLabel* picture(QWidget* parent, const char* name, QRect bounds, const char* drawing)
{
    ClickLabel* result = clickLabel(parent, name, bounds);
    result->setPixmap(renderPicture(QString::fromLatin1(drawing), bounds.size()));
    return result;
}

QFrame* bevel(QWidget* parent, const char* name, QRect bounds)
{
    auto* frame = place(new QFrame(parent), name, bounds);
    frame->setFrameShape(QFrame::Box);
    frame->setFrameShadow(QFrame::Sunken);
    return frame;
}

QTimer* timer(QObject* parent, const char* name, int milliseconds)
{
    auto* result = new QTimer(parent);
    result->setObjectName(QString::fromLatin1(name));
    result->setInterval(milliseconds);
    return result;
}

QString readable(std::string_view stored) { return toQString(Unscramble_Text(stored)); }

} // namespace

TAboutBox::TAboutBox(const PlatformServices& services, QWidget* parent)
    : QDialog(parent)
    , m_memory(services.memory)
    , m_desktop(services.desktop)
    , m_messages(services.messages)
{
    setObjectName(QStringLiteral("AboutBox"));
    frameAsDialog(*this, TitleButtons::None);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(clientSize);
    setFont(QFont(bodyFontFamily, 10));
    createControls();
    connectHandlers();
}

void TAboutBox::createControls()
{
    GroupBox2 = place(new QGroupBox(this), "GroupBox2", {0, 0, 622, 84});
    Tarnwick_Logo_Banner_Image = picture(GroupBox2, "Tarnwick_Logo_Banner_Image", {6, 8, 610, 68}, ":/about/banner.svg");

    GroupBox1 = place(new QGroupBox(this), "GroupBox1", {0, 84, 622, 327});
    Bevel1 = bevel(GroupBox1, "Bevel1", {24, 10, 132, 132});
    Tarnwick_Logo_GIFImage = place(new AnimatedPicture(logoFrames({120, 120}), logoFrameMilliseconds, GroupBox1),
                                   "Tarnwick_Logo_GIFImage", {30, 16, 120, 120});

    Product_Name_Label = label(GroupBox1, "Product_Name_Label", {196, 8, 416, 28});
    Product_Name_Label->setFont(QFont(bodyFontFamily, 16, QFont::Bold));
    Author_and_Date_Label = label(GroupBox1, "Author_and_Date_Label", {196, 38, 416, 18});
    Developed_Using_Label = label(GroupBox1, "Developed_Using_Label", {196, 56, 416, 18});
    Copyright_Label = label(GroupBox1, "Copyright_Label", {196, 74, 416, 18});
    Software_Status_Label = label(GroupBox1, "Software_Status_Label", {196, 92, 416, 18});

    PayPal_Donations_Label =
        clickLabel(GroupBox1, "PayPal_Donations_Label", {196, 116, 350, 48});
    PayPal_Donations_Label->setText(QStringLiteral(
        "Please support my efforts and encourage me to keep developing useful software by making a PayPal donation."));
    PayPal_Donations_Label->setAlignment(Qt::AlignCenter);
    PayPal_Donations_Label->setWordWrap(true);
    PayPal_Image = picture(GroupBox1, "PayPal_Image", {556, 116, 56, 48}, ":/about/donation.svg");
    PayPal_WEB_Address_Label = label(GroupBox1, "PayPal_WEB_Address_Label", {196, 116, 350, 18});
    PayPal_WEB_Address_Label->hide();

    Quote_From_Tarnwick_Label = label(GroupBox1, "Quote_From_Tarnwick_Label", {8, 148, 180, 110}, "",
                                      Qt::AlignCenter);
    Quote_From_Tarnwick_Label->setWordWrap(true);
    Quote_From_Tarnwick_Label->setFont(QFont(bodyFontFamily, 10, QFont::Normal, true));
    Quotes_From_Tarnwick_ListBox = place(new QListWidget(GroupBox1), "Quotes_From_Tarnwick_ListBox", {8, 148, 180, 40});
    for (const char* quote : quotes) Quotes_From_Tarnwick_ListBox->addItem(QString::fromLatin1(quote));
    Quotes_From_Tarnwick_ListBox->hide();

    Comments_Label = label(GroupBox1, "Comments_Label", {196, 176, 170, 22}, "", Qt::AlignRight | Qt::AlignVCenter);
    Email_Button = place(new QPushButton(GroupBox1), "Email_Button", {372, 174, 240, 26});
    Email_Address_Label = clickLabel(GroupBox1, "Email_Address_Label", {372, 176, 240, 22});
    WEB_Page_Label = label(GroupBox1, "WEB_Page_Label", {196, 204, 170, 22}, "", Qt::AlignRight | Qt::AlignVCenter);
    WEB_Button = place(new QPushButton(GroupBox1), "WEB_Button", {372, 202, 240, 26});
    WEB_Address_Label = clickLabel(GroupBox1, "WEB_Address_Label", {372, 204, 240, 22});
    for (ClickLabel* address : {Email_Address_Label, WEB_Address_Label}) {
        QFont underlined = address->font();
        underlined.setUnderline(true);
        address->setFont(underlined);
        address->setStyleSheet(QStringLiteral("color: #1a4fa0"));
    }

    Label3 = label(GroupBox1, "Label3", {8, 290, 150, 18}, "Free System Resources :");
    Free_Resources_Label = label(GroupBox1, "Free_Resources_Label", {160, 290, 50, 18}, "Free %");

    OKButton = place(new QPushButton(QStringLiteral("OK"), GroupBox1), "OKButton", {261, 282, 100, 32});
    OKButton->setDefault(true);
    OKButton->setAutoDefault(true);

    Label8 = label(GroupBox1, "Label8", {476, 238, 20, 16}, "by");
    Label9 = label(GroupBox1, "Label9", {498, 238, 20, 16}, "an");
    Bevel3 = bevel(GroupBox1, "Bevel3", {470, 236, 146, 86});
    Australian_Made_Logo = picture(GroupBox1, "Australian_Made_Logo", {477, 256, 132, 58}, ":/about/badge.svg");
    Australian_Made_Logo->setToolTip(QStringLiteral("Hey, don't poke me there !!"));
    Australian_Made_Label = clickLabel(GroupBox1, "Australian_Made_Label", {477, 294, 132, 18});
    Australian_Made_Label->setText(QStringLiteral("Australian Made Software"));
    Australian_Made_Label->setAlignment(Qt::AlignCenter);
    Australian_Made_Label->setStyleSheet(QStringLiteral("color: white; font-weight: bold; font-size: 8pt"));

    Quote_Change_Timer = timer(this, "Quote_Change_Timer", quoteMilliseconds);
    Free_Resources_Timer = timer(this, "Free_Resources_Timer", freeMemoryMilliseconds);
}

void TAboutBox::connectHandlers()
{
    connect(OKButton, &QPushButton::clicked, this, &TAboutBox::OKButtonClick);
    connect(Quote_Change_Timer, &QTimer::timeout, this, &TAboutBox::Quote_Change_TimerTimer);
    connect(Free_Resources_Timer, &QTimer::timeout, this, &TAboutBox::Free_Resources_TimerTimer);
    connect(WEB_Button, &QPushButton::clicked, this, &TAboutBox::WEB_ButtonClick);
    for (ClickLabel* link : {WEB_Address_Label, static_cast<ClickLabel*>(Tarnwick_Logo_GIFImage),
                             Tarnwick_Logo_Banner_Image, Australian_Made_Logo, Australian_Made_Label})
        connect(link, &ClickLabel::clicked, this, &TAboutBox::WEB_ButtonClick);
    connect(Email_Button, &QPushButton::clicked, this, &TAboutBox::Email_ButtonClick);
    connect(Email_Address_Label, &ClickLabel::clicked, this, &TAboutBox::Email_ButtonClick);
    connect(PayPal_Donations_Label, &ClickLabel::clicked, this, &TAboutBox::PayPal_Donations_LabelClick);
    connect(PayPal_Image, &ClickLabel::clicked, this, &TAboutBox::PayPal_ImageClick);
}

void TAboutBox::setTexts()
{
    setWindowTitle(QStringLiteral("About %1 ...").arg(QString::fromLatin1(programTitle)));
    Product_Name_Label->setText(QString::fromLatin1(programTitle));
    Author_and_Date_Label->setText(readable(storedAuthor.stored()) + QStringLiteral(", September 2007"));
    Developed_Using_Label->setText(readable(storedDevelopedUsing.stored()));
    Copyright_Label->setText(readable(storedCopyright.stored()) + QString::number(QDate::currentDate().year()));
    Software_Status_Label->setText(readable(storedSoftwareStatus.stored()));
    Comments_Label->setText(readable(storedComments.stored()));
    WEB_Page_Label->setText(readable(storedWebPageCaption.stored()));
    Email_Button->setText(readable(storedMailbox.stored()));
    WEB_Button->setText(readable(storedWebPage.stored()));
    PayPal_WEB_Address_Label->setText(readable(storedDonationPageStart.stored()) +
                                      readable(storedDonationPageEnd.stored()));
    setToolTip(QString());
}

// Centred on the screen rather than over the main window.
void TAboutBox::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        const QRect screenArea = screen()->availableGeometry();
        move(screenArea.center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::setVisible(visible);
}

void TAboutBox::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormActivate();
}

void TAboutBox::FormActivate()
{
    m_random.seed(std::uint32_t(std::chrono::steady_clock::now().time_since_epoch().count()));
    Quote_Change_Timer->start();
    Free_Resources_Timer->start();
    Tarnwick_Logo_GIFImage->start();
    Quote_Change_TimerTimer();
    Free_Resources_TimerTimer();

    Email_Button->setToolTip(QStringLiteral("Click to send an E-Mail to Tarnwick."));
    WEB_Button->setToolTip(QStringLiteral("Click to visit Tarnwick's WEB Page."));
    Email_Button->hide();
    WEB_Button->hide();
    for (auto [address, button] : {std::pair{Email_Address_Label, Email_Button}, {WEB_Address_Label, WEB_Button}}) {
        address->setToolTip(button->toolTip());
        address->move(address->x(), button->y());
        address->setText(button->text());
    }

    for (QWidget* link : std::initializer_list<QWidget*>{
             Email_Address_Label, WEB_Address_Label, Australian_Made_Label, Australian_Made_Logo,
             Tarnwick_Logo_GIFImage, Tarnwick_Logo_Banner_Image, Bevel3, Bevel1, PayPal_Donations_Label, PayPal_Image})
        link->setCursor(Qt::PointingHandCursor);
    Bevel3->lower();
    Bevel1->lower();

    // Key presses reach the box before the control with the focus.
    for (QWidget* control : findChildren<QWidget*>()) control->installEventFilter(this);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        FormKeyDown(Qt::Key_Escape);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TAboutBox::FormKeyDown(int key)
{
    if (key == Qt::Key_Escape) OKButtonClick();
}

// Every way of closing runs the close steps, the window manager's included.
void TAboutBox::reject() { OKButtonClick(); }

void TAboutBox::OKButtonClick()
{
    Quote_Change_Timer->stop();
    Free_Resources_Timer->stop();
    Tarnwick_Logo_GIFImage->stop();
    accept();
}

void TAboutBox::Quote_Change_TimerTimer()
{
    std::uniform_int_distribution<int> pick(0, Quotes_From_Tarnwick_ListBox->count() - 1);
    Quote_From_Tarnwick_Label->setText(Quotes_From_Tarnwick_ListBox->item(pick(m_random))->text());
}

void TAboutBox::Free_Resources_TimerTimer()
{
    if (const std::optional<MemoryFigures> memory = m_memory.read())
        Free_Resources_Label->setText(toQString(Free_Memory_Text(*memory)));
}

void TAboutBox::Open_Address(const std::string& address)
{
    if (address.empty()) return;
    m_desktop.open(address, [this, address] { m_messages.show(MessageKind::Error, addressNotOpenedMessage(address)); });
}

void TAboutBox::WEB_ButtonClick() { Open_Address(fromQString(WEB_Button->text())); }

// No mailbox configured means no mail link.
void TAboutBox::Email_ButtonClick()
{
    const std::string mailbox = fromQString(Email_Button->text());
    if (!mailbox.empty()) Open_Address(mailAddress(mailbox, executablePath()));
}

void TAboutBox::PayPal_Donations_LabelClick() { Open_Address(fromQString(PayPal_WEB_Address_Label->text())); }

void TAboutBox::PayPal_ImageClick() { PayPal_Donations_LabelClick(); }

} // namespace verbalia
