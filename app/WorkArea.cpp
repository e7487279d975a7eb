#include "WorkArea.h"

#include "Controls.h"
#include "RunController.h"
#include "WorkAreaEdit.h"
#include "platform/CodePage.h"
#include "platform/PlatformServices.h"
#include "platform/qt/QtText.h"
#include "wordlist/KnownWordList.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>

namespace verbalia {
namespace {

void processPendingEvents() { QCoreApplication::processEvents(); }

} // namespace

WorkArea::WorkArea(QWidget* sheet, KnownWordList& list, const PlatformServices& services, RunController& runs)
    : QObject(sheet)
    , m_list(list)
    , m_runs(runs)
    , m_messages(services.messages)
    , m_clipboard(services.clipboard)
    , m_files(services.files)
    , m_fileDialog(services.fileDialog)
    , m_collation(services.collation)
    , m_numbers(services.numbers)
{
    m_bar = progressBar(sheet, "ProgressBar2", 244, 60, 33, 193, Qt::Vertical);
    QGroupBox* group = groupBox(sheet, "GroupBox1", 280, 8, 313, 365, " Temporary Work Area : ");
    m_ignoreNumbers = make<QCheckBox>(group, "Ignore_Words_With_Numbers_CheckBox", 12, 20, 293, 17);
    m_ignoreNumbers->setText(QStringLiteral("Ignore Numbers and Words with Numbers"));
    m_ignoreNumbers->setChecked(true);
    m_ignoreSymbols = make<QCheckBox>(group, "Ignore_All_Non_Alphanumeric_Chars_CheckBox", 12, 40, 293, 17);
    m_ignoreSymbols->setText(QStringLiteral("Ignore all Quotes, $, %, *, -, +, etc"));
    m_ignoreSymbols->setChecked(true);
    m_edit = make<WorkAreaEdit>(group, "Temp_Work_Area_Paste_MemoEx", 8, 60, 297, 189);
    m_edit->setFont(QFont(fixedFontFamily, 10));
    m_edit->setPlainText(QStringLiteral(
        "- Type words, sentences, and \n  paragraphs in here, or,\n- Paste words, sentences, and \n"
        "  paragraphs from Clipboard\n  (see button below) , or,\n- Load words, sentences, and \n"
        "  paragraphs from file \n  (see button below) \nand you can add the words \nto the list of known words."));
    m_reset = pictureButton(group, "Temp_Work_Area_Reset_BitBtn", 24, 252, 200, 27, "Reset Work Area",
                            QStyle::SP_DialogResetButton);
    m_paste = pictureButton(group, "Temp_Work_Area_Paste_BitBtn", 24, 280, 200, 27, "Paste from Clipboard",
                            QStyle::SP_FileDialogDetailedView);
    m_load = pictureButton(group, "Temp_Work_Area_Load_From_File_BitBtn", 24, 308, 200, 27, "Load from File",
                           QStyle::SP_DialogOpenButton);
    m_add = pictureButton(group, "Add_Unique_Words_BitBtn", 24, 336, 200, 27, "Add Words to Known List",
                          QStyle::SP_ArrowLeft);
    m_edit->setAccessibleName(QStringLiteral("Temporary Work Area"));

    connect(m_reset, &QPushButton::clicked, this, &WorkArea::resetWorkArea);
    connect(m_paste, &QPushButton::clicked, this, &WorkArea::pasteIntoWorkArea);
    connect(m_load, &QPushButton::clicked, this, &WorkArea::loadWorkAreaFromFile);
    connect(m_add, &QPushButton::clicked, this, &WorkArea::addUniqueWords);
}

void WorkArea::resetWorkArea() { m_edit->clear(); }

void WorkArea::pasteIntoWorkArea()
{
    m_edit->clear();
    if (const std::optional<std::string> text = m_clipboard.text()) m_edit->setText(workAreaTextFromClipboard(*text));
}

void WorkArea::loadWorkAreaFromFile()
{
    const std::optional<std::string> path = m_fileDialog.chooseFileToOpen("Text Files|*.txt|All Files|*.*");
    if (path) {
        processPendingEvents();
        // A file that has gone meanwhile is passed over without a word.
        if (m_files.exists(*path)) {
            std::optional<std::string> bytes = m_files.readAll(*path);
            if (bytes) {
                decodeFile(*bytes);
                m_edit->setText(workAreaTextFromFile(*bytes));
            } else {
                m_messages.show(MessageKind::Error, "Cannot open file " + codepage::fromUtf8(*path));
            }
        }
    }
    processPendingEvents();
}

void WorkArea::addUniqueWords()
{
    processPendingEvents();
    const HarvestOptions options{m_ignoreNumbers->isChecked(), m_ignoreSymbols->isChecked()};
    const std::string question = harvestQuestion(fromQString(m_ignoreNumbers->text()), options.ignoreNumbers,
                                                 fromQString(m_ignoreSymbols->text()), options.ignoreSymbols);
    // Only No cancels.
    if (m_messages.ask(MessageKind::Confirm, question) == Answer::No) return;

    const std::vector<std::string> lines = m_edit->lines();
    emit harvestStarted();
    RunController::Run run(m_runs, *m_bar, lines.size());
    run.refreshOncePerFrame([this] { emit wordsAdded(); });
    const HarvestHooks hooks{
        [&run] { return run.halted(); },
        [&run](std::size_t line) { run.showProgress(line); },
        [&run](std::size_t) { run.letEventsThrough(); },
    };
    const HarvestOutcome outcome = m_list.harvest(m_collation, lines, options, hooks);
    emit harvestFinished();
    run.unlock(m_add);

    m_messages.show(MessageKind::Information, harvestReport(outcome, m_numbers));
    processPendingEvents();
    processPendingEvents();
    run.finish();
}

void WorkArea::applySettings(const SettingsValues& values)
{
    m_ignoreNumbers->setChecked(values.ignoreNumbers);
    m_ignoreSymbols->setChecked(values.ignoreSymbols);
}

void WorkArea::collectSettings(SettingsValues& values) const
{
    values.ignoreNumbers = m_ignoreNumbers->isChecked();
    values.ignoreSymbols = m_ignoreSymbols->isChecked();
}

std::vector<QWidget*> WorkArea::tabOrder() const
{
    return {m_ignoreNumbers, m_ignoreSymbols, m_edit, m_reset, m_paste, m_load, m_add};
}

} // namespace verbalia
