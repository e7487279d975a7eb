#include "WorkArea.h"

#include "Controls.h"
#include "RunController.h"
#include "WorkAreaEdit.h"
#include "platform/CodePage.h"
#include "platform/PlatformServices.h"
#include "platform/qt/QtText.h"
#include "wordlist/Harvest.h"
#include "wordlist/KnownWordList.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QProgressBar>
#include <QPushButton>

#include <iterator>
#include <utility>

namespace verbalia {

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
    buttonColumn(group, 24,
                 {{m_reset, "Temp_Work_Area_Reset_BitBtn", "Reset Work Area", QStyle::SP_DialogResetButton},
                  {m_paste, "Temp_Work_Area_Paste_BitBtn", "Paste from Clipboard", QStyle::SP_FileDialogDetailedView},
                  {m_load, "Temp_Work_Area_Load_From_File_BitBtn", "Load from File", QStyle::SP_DialogOpenButton},
                  {m_add, "Add_Unique_Words_BitBtn", "Add Words to Known List", QStyle::SP_ArrowLeft}});
    m_edit->setAccessibleName(QStringLiteral("Temporary Work Area"));

    connect(m_reset, &QPushButton::clicked, this, &WorkArea::resetWorkArea);
    connect(m_paste, &QPushButton::clicked, this, &WorkArea::pasteIntoWorkArea);
    connect(m_load, &QPushButton::clicked, this, &WorkArea::loadWorkAreaFromFile);
    connect(m_add, &QPushButton::clicked, this, &WorkArea::addUniqueWords);
    connect(this, &WorkArea::newWordsFound, this, &WorkArea::takeNewWords, Qt::QueuedConnection);
    m_adding.setSingleShot(true);
    m_adding.setInterval(0);
    connect(&m_adding, &QTimer::timeout, this, &WorkArea::addPendingWords);
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
}

void WorkArea::addUniqueWords()
{
    if (m_runs.running()) return;
    const HarvestOptions options{m_ignoreNumbers->isChecked(), m_ignoreSymbols->isChecked()};
    const std::string question = harvestQuestion(fromQString(m_ignoreNumbers->text()), options.ignoreNumbers,
                                                 fromQString(m_ignoreSymbols->text()), options.ignoreSymbols);
    // Only No cancels.
    if (m_messages.ask(MessageKind::Confirm, question) == Answer::No) return;

    std::vector<std::string> lines = m_edit->lines();
    emit harvestStarted();
    m_runs.begin(*m_bar, lines.size());
    m_list.beginHarvest();
    m_added = 0;
    m_finding = true;
    m_sinceCount.start();
    connect(&m_runs, &RunController::workFinished, this, [this] {
        m_finding = false;
        if (!m_adding.isActive()) addPendingWords();
    }, Qt::SingleShotConnection);
    // The worker only reads the list, which nothing else changes while the
    // window is locked, and only before it finds the first word.
    m_runs.startWorker([this, lines = std::move(lines), options, &words = m_list.words()] {
        auto found = std::make_shared<std::vector<std::string>>();
        FrameClock progressFrame, wordsFrame;
        const auto send = [&] {
            if (!found->empty()) emit newWordsFound(std::exchange(found, std::make_shared<std::vector<std::string>>()));
        };
        findNewWords(
            words, m_collation, lines, options, [this] { return m_runs.halted(); },
            [&](std::size_t line) {
                if (progressFrame.due()) m_runs.reportProgress(line);
            },
            [&](std::string word) {
                found->push_back(std::move(word));
                if (wordsFrame.due()) send();
            });
        send();
    });
}

void WorkArea::takeNewWords(const std::shared_ptr<std::vector<std::string>>& words)
{
    std::move(words->begin(), words->end(), std::back_inserter(m_pending));
    if (!m_adding.isActive()) m_adding.start();
}

void WorkArea::addPendingWords()
{
    constexpr qint64 sliceMs = 8, frameMs = 16;
    QElapsedTimer slice;
    slice.start();
    while (!m_pending.empty() && slice.elapsed() < sliceMs) {
        if (m_list.addFoundWord(m_collation, std::move(m_pending.front()))) ++m_added;
        m_pending.pop_front();
    }
    if (m_sinceCount.elapsed() >= frameMs) {
        emit wordsAdded();
        m_sinceCount.start();
    }
    if (!m_pending.empty())
        m_adding.start();
    else if (!m_finding)
        finishHarvest();
}

// The words found before a halt are added and stay.
void WorkArea::finishHarvest()
{
    m_list.endHarvest();
    emit wordsAdded();
    emit harvestFinished(m_added);
    m_runs.unlock(m_add);
    m_messages.show(MessageKind::Information, harvestReport({m_added, m_runs.halted(), {}}, m_numbers));
    m_runs.finish();
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
