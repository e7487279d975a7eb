#pragma once

#include "platform/PlatformServices.h"

#include <QDialog>

#include <random>
#include <string>

class QFrame;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace verbalia {

class AnimatedPicture;
class ClickLabel;

// The about box: product and credit lines, a quote that changes every ten
// seconds, the share of free memory refreshed twice a second, an animated
// logo, and links that hand the web page, a mail and the donation page to
// the desktop. It is created hidden at start; the main window's start-up
// sequence sets its texts, and OK, Enter or Escape closes it.
class TAboutBox : public QDialog {
    Q_OBJECT

public:
    // Uses the memory status, the desktop and the message boxes of the services.
    explicit TAboutBox(const PlatformServices& services, QWidget* parent = nullptr);

    // The caption, the credit lines and the addresses (the main window's
    // Set_Titles).
    void setTexts();

    void setVisible(bool visible) override;
    void reject() override;

public slots:
    void FormActivate();
    void OKButtonClick();
    void FormKeyDown(int key);
    void Quote_Change_TimerTimer();
    void Free_Resources_TimerTimer();
    void WEB_ButtonClick();
    void Email_ButtonClick();
    void PayPal_Donations_LabelClick();
    void PayPal_ImageClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    void Open_Address(const std::string& address);

    const MemoryStatus& m_memory;
    DesktopOpener& m_desktop;
    MessageBoxes& m_messages;
    std::mt19937 m_random;

    QGroupBox* GroupBox2 = nullptr;
    ClickLabel* Tarnwick_Logo_Banner_Image = nullptr;
    QGroupBox* GroupBox1 = nullptr;
    QFrame* Bevel1 = nullptr;
    AnimatedPicture* Tarnwick_Logo_GIFImage = nullptr;
    QLabel* Product_Name_Label = nullptr;
    QLabel* Author_and_Date_Label = nullptr;
    QLabel* Developed_Using_Label = nullptr;
    QLabel* Copyright_Label = nullptr;
    QLabel* Software_Status_Label = nullptr;
    ClickLabel* PayPal_Donations_Label = nullptr;
    ClickLabel* PayPal_Image = nullptr;
    QLabel* PayPal_WEB_Address_Label = nullptr;
    QLabel* Quote_From_Tarnwick_Label = nullptr;
    QListWidget* Quotes_From_Tarnwick_ListBox = nullptr;
    QLabel* Comments_Label = nullptr;
    QLabel* WEB_Page_Label = nullptr;
    QPushButton* Email_Button = nullptr;
    QPushButton* WEB_Button = nullptr;
    ClickLabel* Email_Address_Label = nullptr;
    ClickLabel* WEB_Address_Label = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Free_Resources_Label = nullptr;
    QPushButton* OKButton = nullptr;
    QFrame* Bevel3 = nullptr;
    ClickLabel* Australian_Made_Logo = nullptr;
    ClickLabel* Australian_Made_Label = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label9 = nullptr;
    QTimer* Quote_Change_Timer = nullptr;
    QTimer* Free_Resources_Timer = nullptr;
};

} // namespace verbalia
