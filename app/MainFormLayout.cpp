// The window's controls at their design bounds (96 dpi, client 615 x 455).

#include "MainForm.h"

#include "LineListModel.h"
#include "WorkAreaEdit.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QRegularExpression>
#include <QStyle>
#include <QValidator>
#include <QTabWidget>

#include <algorithm>

namespace verbalia {
namespace {

const QString bodyFontFamily = QStringLiteral("Times New Roman");
const QString fixedFontFamily = QStringLiteral("Courier New");

template <class Widget>
Widget* place(Widget* widget, const char* name, int left, int top, int width, int height)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(left, top, width, height);
    return widget;
}

template <class Widget>
Widget* make(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    return place(new Widget(parent), name, left, top, width, height);
}

// A one-line label grows to fit its caption, as it was sized to at design.
QLabel* label(QWidget* parent, const char* name, int left, int top, int width, int height, const char* caption)
{
    auto* result = make<QLabel>(parent, name, left, top, width, height);
    result->setText(QString::fromLatin1(caption));
    result->resize(std::max(width, result->sizeHint().width()), height);
    return result;
}

QGroupBox* groupBox(QWidget* parent, const char* name, int left, int top, int width, int height, const char* caption)
{
    auto* result = make<QGroupBox>(parent, name, left, top, width, height);
    result->setTitle(QString::fromLatin1(caption));
    return result;
}

// A picture button: a small picture beside its caption, 12 pt unless stated.
QPushButton* pictureButton(QWidget* parent, const char* name, int left, int top, int width, int height,
                           const char* caption, QStyle::StandardPixmap picture, int points = 12)
{
    auto* button = make<QPushButton>(parent, name, left, top, width, height);
    button->setText(QString::fromLatin1(caption));
    button->setIcon(parent->style()->standardIcon(picture));
    button->setFont(QFont(bodyFontFamily, points));
    return button;
}

// The small captionless button that empties the box beside it.
QPushButton* resetButton(QWidget* parent, const char* name, int left, int top, const char* hint)
{
    auto* button = make<QPushButton>(parent, name, left, top, 29, 27);
    button->setIcon(parent->style()->standardIcon(QStyle::SP_LineEditClearButton));
    button->setToolTip(QString::fromLatin1(hint));
    button->setAccessibleName(QString::fromLatin1(hint));
    return button;
}

// Keeps a one-line box to one line: of text pasted or dropped into it, what
// follows the first line break is left out, as a one-line edit box does.
class OneLineValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& text, int& cursor) const override
    {
        static const QRegularExpression lineBreak(QStringLiteral("[\\r\\n]"));
        const qsizetype firstBreak = text.indexOf(lineBreak);
        if (firstBreak < 0) return Acceptable;
        // The insertion ends at the cursor; its first line ends at the break.
        text.remove(firstBreak, std::max<qsizetype>(cursor, firstBreak + 1) - firstBreak);
        text.remove(lineBreak);
        cursor = int(firstBreak);
        return Acceptable;
    }
};

// An editable drop-down box whose list is its search history: Enter runs the
// search and does not add the text to the list by itself. The text is what
// the user typed: no completion from the list, which Enter would take.
QComboBox* criteriaBox(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* box = make<QComboBox>(parent, name, left, top, width, height);
    box->setEditable(true);
    box->setCompleter(nullptr);
    box->setValidator(new OneLineValidator(box));
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxCount(INT_MAX);
    box->setEditText(QString::fromLatin1(name));
    return box;
}

// A length limit, changed by its arrows only.
QSpinBox* lengthSpinBox(QWidget* parent, const char* name, int left, int top, int value)
{
    auto* spin = make<QSpinBox>(parent, name, left, top, 45, 27);
    spin->setRange(1, 50);
    spin->setValue(value);
    spin->setFont(QFont(fixedFontFamily, 11));
    if (auto* edit = spin->findChild<QLineEdit*>()) edit->setReadOnly(true);
    return spin;
}

// A list view that shows it has the focus even with no row to mark: an
// empty list, or one without a current row, draws a frame in the highlight.
class FocusFramedListView : public QListView {
public:
    using QListView::QListView;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QListView::paintEvent(event);
        if (!hasFocus() || currentIndex().isValid()) return;
        QPainter painter(viewport());
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.drawRect(viewport()->rect().adjusted(1, 1, -1, -1));
    }
    void focusInEvent(QFocusEvent* event) override
    {
        QListView::focusInEvent(event);
        viewport()->update();
    }
    void focusOutEvent(QFocusEvent* event) override
    {
        QListView::focusOutEvent(event);
        viewport()->update();
    }
};

// A line view in the fixed-pitch font: results and the known word list.
QListView* lineView(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* view = make<FocusFramedListView>(parent, name, left, top, width, height);
    view->setFont(QFont(fixedFontFamily, 10));
    view->setUniformItemSizes(true);
    view->setWordWrap(false);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // A new font (the window rescaled) or new lines make the view place every
    // line again; on a 663k-line list that takes some 40 ms, so it is done in
    // steps between events and a live resize stays smooth.
    view->setLayoutMode(QListView::Batched);
    view->setBatchSize(20000);
    return view;
}

QRadioButton* radioButton(QWidget* parent, const char* name, int top, const char* caption)
{
    auto* button = make<QRadioButton>(parent, name, 10, top, 570, 20);
    button->setText(QString::fromLatin1(caption));
    return button;
}

QCheckBox* hiddenCheckBox(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* box = make<QCheckBox>(parent, name, left, top, width, height);
    box->hide();
    return box;
}

QLabel* hintLine(QWidget* parent, const char* name, int top, int height, const char* text)
{
    auto* line = make<QLabel>(parent, name, 7, top, 574, height);
    line->setText(QString::fromLatin1(text));
    line->setFont(QFont(bodyFontFamily, 10));
    line->setWordWrap(true);
    return line;
}

// A status label keeps its design width and wraps a long count onto a second line.
QLabel* statusLabel(QWidget* parent, const char* name)
{
    auto* status = make<QLabel>(parent, name, 388, 350, 200, 20);
    status->setText(QString::fromLatin1(name));
    status->setWordWrap(true);
    return status;
}

// An input without a caption of its own is named by its label.
void nameByLabel(QWidget* input, QLabel* caption)
{
    caption->setBuddy(input);
    input->setAccessibleName(caption->text());
}

QProgressBar* progressBar(QWidget* parent, const char* name, int left, int top, int width, int height,
                          Qt::Orientation orientation)
{
    auto* bar = make<QProgressBar>(parent, name, left, top, width, height);
    bar->setOrientation(orientation);
    bar->setRange(0, 100);
    bar->setTextVisible(false);
    bar->hide();
    return bar;
}

} // namespace

void TMainForm1::createControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("MainForm1_Client"));
    setCentralWidget(client);
    setFont(QFont(bodyFontFamily, 11));

    PageControl1 = make<QTabWidget>(client, "PageControl1", 5, 4, 605, 409);

    for (std::size_t i = 0; i < searchPageCount; ++i) createSearchPage(m_searchPages[i], searchPageDescriptions()[i]);

    // Page 4.
    TabSheet4 = new QWidget;
    TabSheet4->setObjectName(QStringLiteral("TabSheet4"));
    PageControl1->addTab(TabSheet4, QStringLiteral("Word List Maintenance"));
    GroupBox3 = groupBox(TabSheet4, "GroupBox3", 0, 7, 241, 366, " Known Words List : ");
    Known_Words_Label = label(GroupBox3, "Known_Words_Label", 12, 20, 217, 17, "Known_Words_Label");
    Known_Words_Label->setAlignment(Qt::AlignCenter);
    Known_Words_MemoEx = lineView(GroupBox3, "Known_Words_MemoEx", 8, 40, 225, 209);
    Known_Word_List_Changed_CheckBox = hiddenCheckBox(GroupBox3, "Known_Word_List_Changed_CheckBox", 8, 40, 97, 17);
    Copy_Word_List_To_Clipboard_BitBtn = pictureButton(GroupBox3, "Copy_Word_List_To_Clipboard_BitBtn", 18, 252,
                                                       200, 27, "Copy to Clipboard", QStyle::SP_DialogSaveButton);
    Reset_Word_List_BitBtn = pictureButton(GroupBox3, "Reset_Word_List_BitBtn", 18, 280, 200, 27,
                                           "Reset Known Words", QStyle::SP_DialogResetButton);
    Save_Word_List_BitBtn = pictureButton(GroupBox3, "Save_Word_List_BitBtn", 18, 308, 200, 27, "Save Word List",
                                          QStyle::SP_DriveHDIcon);
    Load_Word_List_BitBtn = pictureButton(GroupBox3, "Load_Word_List_BitBtn", 18, 336, 200, 27, "Load Word List",
                                          QStyle::SP_DialogOpenButton);
    ProgressBar2 = progressBar(TabSheet4, "ProgressBar2", 244, 60, 33, 193, Qt::Vertical);
    GroupBox1 = groupBox(TabSheet4, "GroupBox1", 280, 8, 313, 365, " Temporary Work Area : ");
    Ignore_Words_With_Numbers_CheckBox = make<QCheckBox>(GroupBox1, "Ignore_Words_With_Numbers_CheckBox", 12, 20, 293, 17);
    Ignore_Words_With_Numbers_CheckBox->setText(QStringLiteral("Ignore Numbers and Words with Numbers"));
    Ignore_Words_With_Numbers_CheckBox->setChecked(true);
    Ignore_All_Non_Alphanumeric_Chars_CheckBox =
        make<QCheckBox>(GroupBox1, "Ignore_All_Non_Alphanumeric_Chars_CheckBox", 12, 40, 293, 17);
    Ignore_All_Non_Alphanumeric_Chars_CheckBox->setText(QStringLiteral("Ignore all Quotes, $, %, *, -, +, etc"));
    Ignore_All_Non_Alphanumeric_Chars_CheckBox->setChecked(true);
    Temp_Work_Area_Paste_MemoEx = make<WorkAreaEdit>(GroupBox1, "Temp_Work_Area_Paste_MemoEx", 8, 60, 297, 189);
    Temp_Work_Area_Paste_MemoEx->setFont(QFont(fixedFontFamily, 10));
    Temp_Work_Area_Paste_MemoEx->setPlainText(QStringLiteral(
        "- Type words, sentences, and \n  paragraphs in here, or,\n- Paste words, sentences, and \n"
        "  paragraphs from Clipboard\n  (see button below) , or,\n- Load words, sentences, and \n"
        "  paragraphs from file \n  (see button below) \nand you can add the words \nto the list of known words."));
    Temp_Work_Area_Reset_BitBtn = pictureButton(GroupBox1, "Temp_Work_Area_Reset_BitBtn", 24, 252, 200, 27,
                                                "Reset Work Area", QStyle::SP_DialogResetButton);
    Temp_Work_Area_Paste_BitBtn = pictureButton(GroupBox1, "Temp_Work_Area_Paste_BitBtn", 24, 280, 200, 27,
                                                "Paste from Clipboard", QStyle::SP_FileDialogDetailedView);
    Temp_Work_Area_Load_From_File_BitBtn = pictureButton(GroupBox1, "Temp_Work_Area_Load_From_File_BitBtn", 24, 308,
                                                         200, 27, "Load from File", QStyle::SP_DialogOpenButton);
    Add_Unique_Words_BitBtn = pictureButton(GroupBox1, "Add_Unique_Words_BitBtn", 24, 336, 200, 27,
                                            "Add Words to Known List", QStyle::SP_ArrowLeft);

    // Controls of the window itself, over the pages.
    Limit_Word_Length_GroupBox =
        groupBox(client, "Limit_Word_Length_GroupBox", 392, 190, 205, 53, " Limit Length of Words Found : ");
    Label1 = label(Limit_Word_Length_GroupBox, "Label1", 8, 24, 38, 17, "From :");
    Lower_Length_SpinEdit = lengthSpinBox(Limit_Word_Length_GroupBox, "Lower_Length_SpinEdit", 56, 20, 1);
    Label8 = label(Limit_Word_Length_GroupBox, "Label8", 112, 24, 18, 17, "to :");
    Upper_Length_SpinEdit = lengthSpinBox(Limit_Word_Length_GroupBox, "Upper_Length_SpinEdit", 136, 20, 25);
    Excluded_Letters_GroupBox =
        groupBox(client, "Excluded_Letters_GroupBox", 392, 244, 205, 51, " Exclude words containing : ");
    Excluded_Letters_Edit = make<QLineEdit>(Excluded_Letters_GroupBox, "Excluded_Letters_Edit", 8, 20, 157, 25);
    Excluded_Letters_Edit->setText(QStringLiteral("Excluded_Letters_Edit"));
    Excluded_Letters_Edit->setValidator(new OneLineValidator(Excluded_Letters_Edit));
    Reset_Excluded_Letters_Edit_BitBtn = resetButton(Excluded_Letters_GroupBox, "Reset_Excluded_Letters_Edit_BitBtn",
                                                     168, 20, "Reset the list of excluded letters");
    ProgressBar1 = progressBar(client, "ProgressBar1", 88, 244, 209, 33, Qt::Horizontal);
    Halt_Processing_BitBtn = pictureButton(client, "Halt_Processing_BitBtn", 136, 416, 150, 35, "Halt / Abort",
                                           QStyle::SP_BrowserStop);
    Halt_Processing_BitBtn->setEnabled(false);
    Exit_BitBtn = pictureButton(client, "Exit_BitBtn", 337, 416, 150, 35, "Exit", QStyle::SP_DialogCloseButton, 14);
    Halt_Search_CheckBox = hiddenCheckBox(client, "Halt_Search_CheckBox", 160, 376, 193, 17);
    Scaling_ListBox = make<QListWidget>(client, "Scaling_ListBox", 652, 4, 25, 29);
    Scaling_ListBox->hide();

    // Inputs without a caption of their own are named by their labels.
    for (auto [caption, input] : {std::pair{Label1, static_cast<QWidget*>(Lower_Length_SpinEdit)},
                                   {Label8, Upper_Length_SpinEdit},
                                   {Excluded_Letters_Label, Excluded_Letters_Edit}})
        nameByLabel(input, caption);
    Known_Words_MemoEx->setAccessibleName(QStringLiteral("Known Words List"));
    Temp_Work_Area_Paste_MemoEx->setAccessibleName(QStringLiteral("Temporary Work Area"));
}

// The controls every search page has, with the page's own ones between the
// criteria and the results.
void TMainForm1::createSearchPage(SearchPage& page, const SearchPageDescription& description)
{
    page.description = &description;
    page.sheet = new QWidget;
    page.sheet->setObjectName(QString::fromLatin1(description.sheet));
    PageControl1->addTab(page.sheet, QString::fromLatin1(description.tabCaption));
    QGroupBox* group = groupBox(page.sheet, description.groupBox, 4, 4, 589, 153, description.groupCaption);
    const QRect captionBounds = description.criteriaLabelBounds;
    QLabel* caption = label(group, description.criteriaLabel, captionBounds.x(), captionBounds.y(),
                            captionBounds.width(), captionBounds.height(), description.criteriaCaption);
    page.criteria = criteriaBox(group, description.criteriaBox, 132, 21, 361, 25);
    page.reset = resetButton(group, description.resetButton, 496, 20, "Reset the Search Criteria");
    (this->*description.createDetails)(page.sheet, group);
    page.results = lineView(page.sheet, description.resultsView, 8, 160, 369, 213);
    page.run = pictureButton(page.sheet, description.runButton, 388, 268, 200, 35, description.runCaption,
                             QStyle::SP_FileDialogContentsView);
    page.copy = pictureButton(page.sheet, description.copyButton, 388, 306, 200, 35, "Copy to Clipboard",
                              QStyle::SP_DialogSaveButton);
    page.status = statusLabel(page.sheet, description.statusLabel);
    page.statusPlace = page.status->geometry();
    nameByLabel(page.criteria, caption);
    const QString searchName = QString::fromLatin1(description.searchName);
    page.results->setAccessibleName(searchName + QStringLiteral(" results"));
    page.criteria->view()->setAccessibleName(searchName + QStringLiteral(" history"));
}

void TMainForm1::createWildcardDetails(QWidget*, QGroupBox* group)
{
    hintLine(group, "Label3", 52, 21,
             "Hint: Use '?' (question mark) to represent a single letter, and '*' (asterisk) to represent one or more letters.");
    hintLine(group, "Label6", 72, 41,
             "You can use multiple '?' symbols. but only a single '*' symbol, and you cannot mix and match '?' with '*' in a single search in this version of the program..");
    hintLine(group, "Label5", 108, 21,
             "Example : a??i? will find all 5 letter words starting with 'a' and having a 4th letter of 'i'.  e.g. acrid.");
    hintLine(group, "Label7", 128, 21,
             "Example : ac*al will find all words starting with 'ac' and ending in 'al'.  e.g. accidental.");
}

void TMainForm1::createLetterDetails(QWidget* sheet, QGroupBox* group)
{
    Excluded_Letters_Label =
        label(group, "Excluded_Letters_Label", 12, 52, 232, 17, "Exclude words containing these letters :");
    label(group, "Label9", 24, 132, 236, 17, "i.e. find Anagrams of the supplied word.");
    Search_for_Words_with_these_and_other_letters_RadioButton =
        radioButton(sheet, "Search_for_Words_with_these_and_other_letters_RadioButton", 78,
                    "Search for words containing at least 1 of each of these letters and any other letters.");
    Search_for_Words_with_only_these_Any_Number_RadioButton =
        radioButton(sheet, "Search_for_Words_with_only_these_Any_Number_RadioButton", 98,
                    "Search for words containing only these letters and at least 1 of each letter specified.");
    Search_for_Words_with_only_these_Specified_Number_RadioButton =
        radioButton(sheet, "Search_for_Words_with_only_these_Specified_Number_RadioButton", 118,
                    "Search for words containing only these letters and only the specified number of each letter.");
    Search_for_Words_with_these_and_other_letters_RadioButton->setChecked(true);
}

void TMainForm1::createPhoneticDetails(QWidget*, QGroupBox* group)
{
    label(group, "Label15", 20, 58, 533, 21,
          "Example : Enter \"Mice\" to find all words that sound something like this word.");
}

void TMainForm1::createMenu()
{
    auto action = [this](QMenu* menu, const char* name, const char* caption, bool checkable = false) {
        QAction* entry = menu->addAction(QString::fromLatin1(caption));
        entry->setObjectName(QString::fromLatin1(name));
        entry->setCheckable(checkable);
        return entry;
    };
    auto separator = [](QMenu* menu, const char* name) {
        QAction* entry = menu->addSeparator();
        entry->setObjectName(QString::fromLatin1(name));
        return entry;
    };

    QMenuBar* MainMenu1 = menuBar();
    MainMenu1->setObjectName(QStringLiteral("MainMenu1"));
    FileMenu = MainMenu1->addMenu(QStringLiteral("&File"));
    FileMenu->setObjectName(QStringLiteral("FileMenu"));
    Always_On_Top_Option = action(FileMenu, "Always_On_Top_Option", "Always &On Top", true);
    Auto_Run_at_Windows_Startup_Option =
        action(FileMenu, "Auto_Run_at_Windows_Startup_Option", "&Auto-Run at Windows Startup", true);
    Restore_Factory_Defaults_Option = action(FileMenu, "Restore_Factory_Defaults_Option", "&Restore Factory Defaults");
    N2 = separator(FileMenu, "N2");
    ExitOption = action(FileMenu, "ExitOption", "E&xit");

    HelpMenu = MainMenu1->addMenu(QStringLiteral("&Help"));
    HelpMenu->setObjectName(QStringLiteral("HelpMenu"));
    View_Readme_file_Option = action(HelpMenu, "View_Readme_file_Option", "&View Readme file");
    View_Shareware_Catalog_Option = action(HelpMenu, "View_Shareware_Catalog_Option", "View &Shareware Catalog");
    N1 = separator(HelpMenu, "N1");
    AboutOption = action(HelpMenu, "AboutOption", "&About");
}

} // namespace verbalia
