#include "MaintenancePage.h"

#include "Controls.h"
#include "LineListModel.h"
#include "RunController.h"
#include "WorkAreaEdit.h"
#include "platform/CodePage.h"
#include "platform/PlatformServices.h"
#include "platform/UnreadableFiles.h"
#include "platform/qt/QtText.h"
#include "wordlist/KnownWordList.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>

namespace verbalia {
namespace {

const char* const reloadQuestion =
    "The Known Word List has been changed.  Are you sure re-load the list and lose the changes made ?";
const char* const resetQuestion = "Reset the Known Word List ?  Are you sure ?";

std::string fileChangedQuestion(KnownWordList::FileChange change, const std::string& path)
{
    const char* const what = change == KnownWordList::FileChange::created
                                 ? " has been created by another program since the list was loaded."
                                 : " has been changed by another program since it was read.";
    return "The file " + codepage::fromUtf8(path) + what + "  Replace it with this list ?";
}

void processPendingEvents() { QCoreApplication::processEvents(); }

} // namespace

MaintenancePage::MaintenancePage(QTabWidget& pages, KnownWordList& list, std::function<void()> countChanged,
                                 const PlatformServices& services, UnreadableFiles& unreadableFiles)
    : sheet(new QWidget)
    , m_list(list)
    , m_unreadableFiles(unreadableFiles)
    , m_messages(services.messages)
    , m_clipboard(services.clipboard)
    , m_files(services.files)
    , m_fileDialog(services.fileDialog)
    , m_collation(services.collation)
    , m_numbers(services.numbers)
    , m_countChanged(std::move(countChanged))
{
    sheet->setObjectName(QStringLiteral("TabSheet4"));
    setParent(sheet);
    pages.addTab(sheet, QStringLiteral("Word List Maintenance"));
    QGroupBox* listGroup = groupBox(sheet, "GroupBox3", 0, 7, 241, 366, " Known Words List : ");
    Known_Words_Label = label(listGroup, "Known_Words_Label", 12, 20, 217, 17, "Known_Words_Label");
    Known_Words_Label->setAlignment(Qt::AlignCenter);
    Known_Words_MemoEx = lineView(listGroup, "Known_Words_MemoEx", 8, 40, 225, 209);
    Known_Word_List_Changed_CheckBox = hiddenCheckBox(listGroup, "Known_Word_List_Changed_CheckBox", 8, 40, 97, 17);
    Copy_Word_List_To_Clipboard_BitBtn = pictureButton(listGroup, "Copy_Word_List_To_Clipboard_BitBtn", 18, 252,
                                                       200, 27, "Copy to Clipboard", QStyle::SP_DialogSaveButton);
    Reset_Word_List_BitBtn = pictureButton(listGroup, "Reset_Word_List_BitBtn", 18, 280, 200, 27,
                                           "Reset Known Words", QStyle::SP_DialogResetButton);
    Save_Word_List_BitBtn = pictureButton(listGroup, "Save_Word_List_BitBtn", 18, 308, 200, 27, "Save Word List",
                                          QStyle::SP_DriveHDIcon);
    Load_Word_List_BitBtn = pictureButton(listGroup, "Load_Word_List_BitBtn", 18, 336, 200, 27, "Load Word List",
                                          QStyle::SP_DialogOpenButton);
    ProgressBar2 = progressBar(sheet, "ProgressBar2", 244, 60, 33, 193, Qt::Vertical);
    QGroupBox* workGroup = groupBox(sheet, "GroupBox1", 280, 8, 313, 365, " Temporary Work Area : ");
    Ignore_Words_With_Numbers_CheckBox = make<QCheckBox>(workGroup, "Ignore_Words_With_Numbers_CheckBox", 12, 20, 293, 17);
    Ignore_Words_With_Numbers_CheckBox->setText(QStringLiteral("Ignore Numbers and Words with Numbers"));
    Ignore_Words_With_Numbers_CheckBox->setChecked(true);
    Ignore_All_Non_Alphanumeric_Chars_CheckBox =
        make<QCheckBox>(workGroup, "Ignore_All_Non_Alphanumeric_Chars_CheckBox", 12, 40, 293, 17);
    Ignore_All_Non_Alphanumeric_Chars_CheckBox->setText(QStringLiteral("Ignore all Quotes, $, %, *, -, +, etc"));
    Ignore_All_Non_Alphanumeric_Chars_CheckBox->setChecked(true);
    Temp_Work_Area_Paste_MemoEx = make<WorkAreaEdit>(workGroup, "Temp_Work_Area_Paste_MemoEx", 8, 60, 297, 189);
    Temp_Work_Area_Paste_MemoEx->setFont(QFont(fixedFontFamily, 10));
    Temp_Work_Area_Paste_MemoEx->setPlainText(QStringLiteral(
        "- Type words, sentences, and \n  paragraphs in here, or,\n- Paste words, sentences, and \n"
        "  paragraphs from Clipboard\n  (see button below) , or,\n- Load words, sentences, and \n"
        "  paragraphs from file \n  (see button below) \nand you can add the words \nto the list of known words."));
    Temp_Work_Area_Reset_BitBtn = pictureButton(workGroup, "Temp_Work_Area_Reset_BitBtn", 24, 252, 200, 27,
                                                "Reset Work Area", QStyle::SP_DialogResetButton);
    Temp_Work_Area_Paste_BitBtn = pictureButton(workGroup, "Temp_Work_Area_Paste_BitBtn", 24, 280, 200, 27,
                                                "Paste from Clipboard", QStyle::SP_FileDialogDetailedView);
    Temp_Work_Area_Load_From_File_BitBtn = pictureButton(workGroup, "Temp_Work_Area_Load_From_File_BitBtn", 24, 308,
                                                         200, 27, "Load from File", QStyle::SP_DialogOpenButton);
    Add_Unique_Words_BitBtn = pictureButton(workGroup, "Add_Unique_Words_BitBtn", 24, 336, 200, 27,
                                            "Add Words to Known List", QStyle::SP_ArrowLeft);
    Known_Words_MemoEx->setAccessibleName(QStringLiteral("Known Words List"));
    Temp_Work_Area_Paste_MemoEx->setAccessibleName(QStringLiteral("Temporary Work Area"));

    auto* model = new LineListModel(m_list.words(), this);
    Known_Words_MemoEx->setModel(model);
    addCopySelectionCommand(Known_Words_MemoEx, m_clipboard);
    m_list.observe({
        .wordsAboutToChange = [model] { model->beginBulkUpdate(); },
        .wordsChanged = [model] { model->endBulkUpdate(); },
        .countChanged = [this] { if (!m_harvesting) m_countChanged(); },
        .changedFlagSet = [this](bool changed) { Known_Word_List_Changed_CheckBox->setChecked(changed); },
    });
    // The hidden check box is the flag as the window shows it; ticking it marks the list.
    connect(Known_Word_List_Changed_CheckBox, &QCheckBox::toggled, this, [this](bool changed) {
        if (changed != m_list.changed()) m_list.setChanged(changed);
    });
}

QString MaintenancePage::showCount()
{
    Known_Words_Label->setText(toQString(m_numbers.formatCount(std::int64_t(m_list.words().size())) + " words."));
    return Known_Words_Label->text();
}

void MaintenancePage::copyList() { Copy_View_To_Clipboard(Known_Words_MemoEx, m_clipboard); }

void MaintenancePage::resetList()
{
    if (m_messages.ask(MessageKind::Confirm, resetQuestion) != Answer::Yes) return;
    m_list.clear();
    processPendingEvents();
}

// A file the list could not read asks only whether to replace it: the
// question already says that it will be.
bool MaintenancePage::mayReplaceFile()
{
    if (m_unreadableFiles.contains(m_list.path())) return m_unreadableFiles.mayReplace(m_list.path(), m_messages);
    const KnownWordList::FileChange change = m_list.fileChangeSinceSeen();
    return change == KnownWordList::FileChange::none ||
           m_messages.ask(MessageKind::Confirm, fileChangedQuestion(change, m_list.path()), Answer::No) == Answer::Yes;
}

void MaintenancePage::saveList()
{
    // Another window may save the file between the question and the write:
    // then the question comes again.
    KnownWordList::SaveOutcome outcome = KnownWordList::SaveOutcome::fileChanged;
    while (outcome == KnownWordList::SaveOutcome::fileChanged) {
        if (!mayReplaceFile()) return;
        outcome = m_list.save();
    }
    if (outcome == KnownWordList::SaveOutcome::failed)
        m_messages.show(MessageKind::Error, "Cannot create file " + codepage::fromUtf8(m_list.path()));
}

void MaintenancePage::loadList()
{
    processPendingEvents();
    if (m_list.changed() && m_messages.ask(MessageKind::Confirm, reloadQuestion) != Answer::Yes) return;
    Known_Words_Label->clear();
    const ReadOutcome outcome = m_list.load();
    m_unreadableFiles.note(m_list.path(), outcome);
    if (outcome == ReadOutcome::unreadable) {
        m_messages.show(MessageKind::Error, "Cannot open file " + codepage::fromUtf8(m_list.path()));
        return;
    }
    if (outcome == ReadOutcome::partlyRead) m_messages.show(MessageKind::Warning, m_list.partlyReadMessage(m_numbers));
    processPendingEvents();
}

void MaintenancePage::resetWorkArea() { Temp_Work_Area_Paste_MemoEx->clear(); }

void MaintenancePage::pasteIntoWorkArea()
{
    Temp_Work_Area_Paste_MemoEx->clear();
    if (const std::optional<std::string> text = m_clipboard.text())
        Temp_Work_Area_Paste_MemoEx->setText(workAreaTextFromClipboard(*text));
}

void MaintenancePage::loadWorkAreaFromFile()
{
    const std::optional<std::string> path = m_fileDialog.chooseFileToOpen("Text Files|*.txt|All Files|*.*");
    if (path) {
        processPendingEvents();
        // A file that has gone meanwhile is passed over without a word.
        if (m_files.exists(*path)) {
            std::optional<std::string> bytes = m_files.readAll(*path);
            if (bytes) {
                decodeFile(*bytes);
                Temp_Work_Area_Paste_MemoEx->setText(workAreaTextFromFile(*bytes));
            } else {
                m_messages.show(MessageKind::Error, "Cannot open file " + codepage::fromUtf8(*path));
            }
        }
    }
    processPendingEvents();
}

void MaintenancePage::addUniqueWords(RunController& runs)
{
    processPendingEvents();
    const HarvestOptions options{Ignore_Words_With_Numbers_CheckBox->isChecked(),
                                 Ignore_All_Non_Alphanumeric_Chars_CheckBox->isChecked()};
    const std::string question =
        harvestQuestion(fromQString(Ignore_Words_With_Numbers_CheckBox->text()), options.ignoreNumbers,
                        fromQString(Ignore_All_Non_Alphanumeric_Chars_CheckBox->text()), options.ignoreSymbols);
    // Only No cancels.
    if (m_messages.ask(MessageKind::Confirm, question) == Answer::No) return;

    const std::vector<std::string> lines = Temp_Work_Area_Paste_MemoEx->lines();
    RunController::Run run(runs, Known_Words_MemoEx, ProgressBar2, lines.size());
    run.refreshOncePerFrame(m_countChanged);
    m_harvesting = true;
    const HarvestHooks hooks{
        [&run] { return run.halted(); },
        [&run](std::size_t line) { run.showProgress(line); },
        [&run](std::size_t) { run.letEventsThrough(); },
    };
    const HarvestOutcome outcome = m_list.harvest(m_collation, lines, options, hooks);
    m_harvesting = false;
    run.unlock(Add_Unique_Words_BitBtn);

    m_messages.show(MessageKind::Information, harvestReport(outcome, m_numbers));
    processPendingEvents();
    processPendingEvents();
    run.finish();
}

void MaintenancePage::applySettings(const SettingsValues& values)
{
    Ignore_Words_With_Numbers_CheckBox->setChecked(values.ignoreNumbers);
    Ignore_All_Non_Alphanumeric_Chars_CheckBox->setChecked(values.ignoreSymbols);
}

void MaintenancePage::collectSettings(SettingsValues& values) const
{
    values.ignoreNumbers = Ignore_Words_With_Numbers_CheckBox->isChecked();
    values.ignoreSymbols = Ignore_All_Non_Alphanumeric_Chars_CheckBox->isChecked();
}

std::vector<QWidget*> MaintenancePage::tabOrder() const
{
    return {Known_Words_MemoEx, Copy_Word_List_To_Clipboard_BitBtn, Reset_Word_List_BitBtn, Save_Word_List_BitBtn,
            Load_Word_List_BitBtn, Ignore_Words_With_Numbers_CheckBox, Ignore_All_Non_Alphanumeric_Chars_CheckBox,
            Temp_Work_Area_Paste_MemoEx, Temp_Work_Area_Reset_BitBtn, Temp_Work_Area_Paste_BitBtn,
            Temp_Work_Area_Load_From_File_BitBtn, Add_Unique_Words_BitBtn};
}

} // namespace verbalia
