#include "SolverPage.h"

#include "Controls.h"
#include "platform/Clipboard.h"
#include "platform/CodePage.h"
#include "platform/FileDialog.h"
#include "platform/MessageBoxes.h"
#include "platform/NumberFormat.h"
#include "platform/qt/QtText.h"
#include "text/TextHelpers.h"
#include "wordlist/KnownWordList.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTableView>

#include <algorithm>

namespace verbalia {

using solver::SolveMode;

namespace {

constexpr int designPoints = 10; // the table's font at the design size

// The Show choices, in the box's order: the rarest level each keeps.
constexpr std::array<std::optional<Level>, 5> showLimits{std::nullopt, Level::size70, Level::size50, Level::size35,
                                                          Level::size20};
const char* const showCaptions[] = {"All words", "Up to SCOWL 70", "Up to SCOWL 50", "Up to SCOWL 35",
                                    "Up to SCOWL 20"};

// A definition's first sense on one line, without its examples.
std::string firstSenseOf(const Definition& definition)
{
    if (!definition.found() || definition.groups.front().senses.empty()) return {};
    std::string gloss = definition.groups.front().senses.front().gloss;
    if (const std::size_t examples = gloss.find("; \""); examples != std::string::npos) gloss.erase(examples);
    std::replace_if(gloss.begin(), gloss.end(), [](char c) { return c == '\n' || c == '\r' || c == '\t'; }, ' ');
    return std::string(trimControls(gloss));
}

// The place (from 1) of the first character of the text that the list's
// code page lacks, or 0: such a character would be searched as '?'.
qsizetype firstForeignCharacter(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (fromQString(QString(text[i]), '\0') == std::string(1, '\0') && text[i] != QChar(0)) return i + 1;
    return 0;
}

QRadioButton* modeButton(QWidget* parent, const char* name, int left, int width, const char* caption)
{
    auto* button = make<QRadioButton>(parent, name, left, 50, width, 20);
    button->setText(QString::fromLatin1(caption));
    return button;
}

} // namespace

SolverPage::SolverPage(QTabWidget& pages, const KnownWordList& list, const PlatformServices& services)
    : m_list(list)
    , m_services(services)
    , m_sheet(new QWidget)
{
    m_sheet->setObjectName(QStringLiteral("TabSheet5"));
    setParent(m_sheet);
    pages.addTab(m_sheet, QStringLiteral("Crossword Solver"));
    QGroupBox* group = groupBox(m_sheet, "Solver_GroupBox", 4, 4, 589, 140, " Crossword Solver : ");
    QLabel* findCaption = label(group, "Solver_Find_Label", 10, 24, 64, 17, "Find :");
    m_find = criteriaBox(group, "Solver_Find_ComboBox", 78, 21, 284, 25);
    QLabel* showCaption = label(group, "Solver_Show_Label", 374, 24, 44, 17, "Show :");
    m_show = make<QComboBox>(group, "Solver_Show_ComboBox", 420, 21, 160, 25);
    for (const char* caption : showCaptions) m_show->addItem(QString::fromLatin1(caption));
    m_modes = {modeButton(group, "Solver_Pattern_RadioButton", 10, 85, "Pattern"),
               modeButton(group, "Solver_Anagram_RadioButton", 100, 90, "Anagram"),
               modeButton(group, "Solver_Made_From_RadioButton", 195, 105, "Made From")};
    m_modes[0]->setChecked(true);
    m_phrases = make<QCheckBox>(group, "Solver_Include_Phrases_CheckBox", 420, 50, 160, 20);
    m_phrases->setText(QStringLiteral("Include Phrases"));
    QLabel* meaningCaption = label(group, "Solver_Meaning_Label", 10, 78, 64, 17, "Meaning :");
    m_meaning = criteriaBox(group, "Solver_Meaning_ComboBox", 78, 75, 284, 25);
    hintLine(group, "Solver_Hint_Label", 104, 32,
             "Pattern: '?' or '.' a letter, '*' any letters, [abc] [a-f] [!abc] a letter of a set, '@' a vowel, "
             "'#' a consonant.  Phrases: (5,2,4), or spaces between words ('b?g c?t').  Anagram, Made From: '?' a "
             "blank.  Meaning: related words.");
    m_table = make<QTableView>(m_sheet, "Solver_Results_Table", 8, 148, 581, 186);
    m_status = make<QLabel>(m_sheet, "Solver_Status_Label", 8, 338, 300, 36);
    m_status->setWordWrap(true);
    m_status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_copy = pictureButton(m_sheet, "Solver_Copy_BitBtn", 314, 338, 136, 35, "Copy to Clipboard",
                           QStyle::SP_DialogSaveButton, 11);
    m_save = pictureButton(m_sheet, "Solver_Save_BitBtn", 454, 338, 135, 35, "Save As...", QStyle::SP_DriveHDIcon, 11);
    nameByLabel(m_find, findCaption);
    nameByLabel(m_show, showCaption);
    nameByLabel(m_meaning, meaningCaption);
    m_find->view()->setAccessibleName(QStringLiteral("Find history"));
    m_meaning->view()->setAccessibleName(QStringLiteral("Meaning history"));

    m_model = new SolutionsModel(this);
    // Asked during a paint: looked up once the paint is over.
    m_model->meaningsWanted = [this] {
        QMetaObject::invokeMethod(
            this, [this] { lookUpMeanings(m_model->takeMeaningsWanted(), std::nullopt); }, Qt::QueuedConnection);
    };
    m_model->sortWantsMeanings = [this](Qt::SortOrder order) { lookUpMeanings(m_model->rowsWithoutMeaning(), order); };
    m_table->setModel(m_model);
    m_table->setAccessibleName(QStringLiteral("Solutions"));
    m_table->setFont(QFont(bodyFontFamily, designPoints));
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(false);
    m_table->setShowGrid(false);
    m_table->setTabKeyNavigation(false);
    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    QHeaderView* header = m_table->horizontalHeader();
    header->setStretchLastSection(true);
    fitTableToFont();
    m_table->installEventFilter(this); // a new font when the window is rescaled
    header->setSortIndicatorClearable(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    m_table->setSortingEnabled(true);

    auto* copy = new QAction(QStringLiteral("&Copy"), m_table);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    auto* definition = new QAction(QStringLiteral("&Definition"), m_table);
    definition->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    definition->setShortcutContext(Qt::WidgetShortcut);
    m_table->addActions({copy, definition});
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copy, &QAction::triggered, this, &SolverPage::copySelection);
    connect(definition, &QAction::triggered, this, &SolverPage::defineCurrentRow);
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), m_table);
        enter->setContext(Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this, &SolverPage::defineCurrentRow);
    }
    connect(m_table, &QTableView::doubleClicked, this, &SolverPage::defineCurrentRow);

    m_typing.setSingleShot(true);
    m_typing.setTimerType(Qt::PreciseTimer);
    m_typing.setInterval(typingPause);
    connect(&m_typing, &QTimer::timeout, this, [this] {
        if (m_pendingShow) std::exchange(m_pendingShow, {})();
    });
    for (QComboBox* box : {m_find, m_meaning}) {
        connect(box, &QComboBox::editTextChanged, this, &SolverPage::scheduleRun);
        connect(box->lineEdit(), &QLineEdit::returnPressed, this, [this, box] {
            run();
            addToHistory(box, trimControls(fromQString(box->currentText())), false);
        });
    }
    for (QRadioButton* mode : m_modes)
        connect(mode, &QRadioButton::toggled, this, [this](bool checked) {
            if (checked) run();
        });
    connect(m_show, &QComboBox::currentIndexChanged, this, &SolverPage::run);
    connect(m_phrases, &QCheckBox::toggled, this, &SolverPage::run);
    connect(m_copy, &QPushButton::clicked, this, &SolverPage::copyResults);
    connect(m_save, &QPushButton::clicked, this, &SolverPage::saveResults);
    m_listWork.setMaxThreadCount(2);
    m_lexiconWork.setMaxThreadCount(2);
}

SolverPage::~SolverPage() { stopWork(); }

bool SolverPage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_table && event->type() == QEvent::FontChange) fitTableToFont();
    return QObject::eventFilter(watched, event);
}

// Rows and the first two columns follow the table's font, designed at 10 points.
void SolverPage::fitTableToFont()
{
    const double scale = m_table->font().pointSizeF() / designPoints;
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 4);
    m_table->horizontalHeader()->resizeSection(SolutionsModel::wordColumn, int(150 * scale));
    m_table->horizontalHeader()->resizeSection(SolutionsModel::lettersColumn, int(80 * scale));
}

void SolverPage::stopWork()
{
    m_typing.stop();
    m_stopping = true;
    for (const auto& cancel : {m_runCancel, m_buildCancel})
        if (cancel) cancel->store(true);
    m_listWork.waitForDone();
    m_lexiconWork.waitForDone();
}

void SolverPage::startUp()
{
    showStatus(QString());
    m_meaning->setEditText(QString());
    m_lexiconWork.start([this, files = &m_services.files, path = m_services.locations.sharedFolder + std::string(levelsFileName)] {
        LevelsLoad load = CommonnessLevels::load(*files, path);
        if (!load.levels) return;
        auto levels = std::make_shared<const CommonnessLevels>(std::move(*load.levels));
        QMetaObject::invokeMethod(
            this,
            [this, levels] {
                m_levels = levels;
                if (m_index) gradeList(); // else the build under way or the next one does it
                startRun(); // ordered by level
            },
            Qt::QueuedConnection);
    });
}

void SolverPage::holdList()
{
    m_listHeld = true;
    m_model->keepTexts();
    m_typing.stop();
    cancelRun();
    if (m_buildCancel) m_buildCancel->store(true);
    ++m_buildSerial;
    m_listWork.waitForDone();
    m_index.reset();
    m_levelsByIndex.reset();
}

void SolverPage::listChanged()
{
    m_listHeld = false;
    buildIndex();
    startRun();
}

// The index, then each word's level by its index when the levels are
// there (else gradeList follows the index), each taken as soon as it is
// made. A run that scans is started again on the index.
void SolverPage::buildIndex()
{
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    m_buildCancel = cancel;
    const std::uint64_t serial = ++m_buildSerial;
    m_listWork.start([this, cancel, serial, words = &m_list.words(), levels = m_levels] {
        std::shared_ptr<const solver::SolverIndex> index = solver::SolverIndex::build(*words, *cancel);
        if (!index) return;
        QMetaObject::invokeMethod(
            this,
            [this, index, serial, graded = levels != nullptr] {
                if (serial != m_buildSerial) return;
                m_index = index;
                if (!graded && m_levels) gradeList();
                if (m_runCancel && m_runScans) startRun();
                emit indexBuilt();
            },
            Qt::QueuedConnection);
        if (levels) gradeWords(*levels, *words, *cancel, serial);
    });
}

void SolverPage::gradeList()
{
    m_listWork.start([this, levels = m_levels, words = &m_list.words(), cancel = m_buildCancel, serial = m_buildSerial] {
        gradeWords(*levels, *words, *cancel, serial);
    });
}

void SolverPage::gradeWords(const CommonnessLevels& levels, const WordStore& words, const std::atomic<bool>& cancel,
                            std::uint64_t serial)
{
    std::optional<std::vector<Level>> byIndex = solver::levelsByIndex(words, levels, cancel);
    if (!byIndex) return;
    QMetaObject::invokeMethod(
        this,
        [this, serial, byIndex = std::make_shared<const std::vector<Level>>(std::move(*byIndex))] {
            if (serial == m_buildSerial) m_levelsByIndex = byIndex;
        },
        Qt::QueuedConnection);
}

// The answer is made during the pause and shown at its end.
void SolverPage::scheduleRun()
{
    m_typing.start();
    startRun();
}

void SolverPage::present(std::function<void()> show)
{
    auto shown = [this, show = std::move(show)] {
        show();
        emit answerShown();
    };
    if (m_typing.isActive()) m_pendingShow = std::move(shown);
    else shown();
}

void SolverPage::cancelRun()
{
    if (m_runCancel) m_runCancel->store(true);
    m_runCancel.reset();
    m_pendingShow = {};
    ++m_runSerial;
}

void SolverPage::run()
{
    m_typing.stop();
    startRun();
}

void SolverPage::startRun()
{
    cancelRun();
    if (m_listHeld) return; // listChanged runs it
    const QString typed = m_find->currentText();
    if (const qsizetype foreign = firstForeignCharacter(typed)) {
        present([this, message = QStringLiteral("Not understood: '%1' at %2.").arg(typed[foreign - 1]).arg(foreign)] {
            m_model->clearRows();
            showStatus(message);
        });
        return;
    }
    solver::AnswerRequest request;
    request.mode = m_modes[1]->isChecked() ? SolveMode::Anagram
                   : m_modes[2]->isChecked() ? SolveMode::MadeFrom
                                             : SolveMode::Pattern;
    request.query = std::string(trimControls(fromQString(typed)));
    request.upTo = showLimits[std::size_t(std::max(0, m_show->currentIndex()))];
    request.phrases = m_phrases->isChecked();
    request.meaning = std::string(trimControls(fromQString(m_meaning->currentText())));
    request.rowLimit = rowLimit;
    if (request.query.empty() && request.meaning.empty()) {
        present([this] {
            m_model->clearRows();
            showStatus(QString());
        });
        return;
    }
    // Phrases and meanings come from WordNet, read once when first wanted.
    const bool meaningWanted = !request.meaning.empty();
    if ((request.phrases && !m_phraseList) || (meaningWanted && !m_meaningIndex)) {
        readWordNet(request.phrases && !m_phraseList, meaningWanted && !m_meaningIndex);
        return;
    }
    auto cancel = std::make_shared<std::atomic<bool>>(false);
    m_runCancel = cancel;
    m_runScans = !m_index;
    const std::uint64_t serial = m_runSerial;
    m_listWork.start([this, request = std::move(request), cancel, serial, words = &m_list.words(), index = m_index,
                      levels = m_levels, phrases = m_phraseList, meanings = m_meaningIndex, byIndex = m_levelsByIndex] {
        const solver::AnswerData data{*words, index.get(), levels.get(), phrases.get(), meanings.get(), byIndex.get()};
        std::optional<solver::Answer> answer = solver::answer(request, data, *cancel);
        if (!answer) return;
        QMetaObject::invokeMethod(
            this,
            [this, serial, answer = std::make_shared<solver::Answer>(std::move(*answer)), phrases] {
                showAnswer(serial, answer, phrases);
            },
            Qt::QueuedConnection);
    });
}

// Reads what is wanted of the database on a worker, each part once; the
// query is answered when it has come.
void SolverPage::readWordNet(bool phrases, bool meanings)
{
    const std::optional<Definitions>& database = definitions();
    if (!database || !m_wordNetProblem.empty()) {
        present([this, message = toQString(database ? m_wordNetProblem
                                                     : definitionsMissingText(m_services.locations.definitionFolders))] {
            m_model->clearRows();
            showStatus(message);
        });
        return;
    }
    showStatus(QStringLiteral(" Reading WordNet ... "));
    const auto read = [this, files = &m_services.files, folder = database->folder()](auto load, auto keep) {
        m_lexiconWork.start([this, files, folder, load, keep] {
            auto loaded = load(*files, folder, m_stopping);
            QMetaObject::invokeMethod(
                this,
                [this, keep, loaded = std::make_shared<decltype(loaded)>(std::move(loaded))] {
                    if (!loaded->unreadable.empty())
                        m_wordNetProblem = "The file " + codepage::fromUtf8(loaded->unreadable) + " could not be read.";
                    else
                        keep(std::move(*loaded));
                    startRun();
                },
                Qt::QueuedConnection);
        });
    };
    if (phrases && !std::exchange(m_phrasesAsked, true))
        read(&readPhrases, [this](PhrasesLoad loaded) {
            m_phraseList = std::make_shared<const std::vector<Phrase>>(std::move(loaded.phrases));
        });
    if (meanings && !std::exchange(m_meaningsAsked, true))
        read(&MeaningIndex::build, [this](MeaningLoad loaded) {
            if (loaded.index) m_meaningIndex = std::make_shared<const MeaningIndex>(std::move(*loaded.index));
        });
}

void SolverPage::showAnswer(std::uint64_t serial, const std::shared_ptr<solver::Answer>& answer,
                            const std::shared_ptr<const std::vector<Phrase>>& phrases)
{
    if (serial != m_runSerial) return;
    m_runCancel.reset();
    present([this, answer, phrases] {
        showStatus(toQString(solver::answerLabel(*answer, m_services.numbers)));
        m_model->setRows(std::move(answer->rows), {&m_list.words(), phrases});
        QHeaderView* header = m_table->horizontalHeader();
        if (header->sortIndicatorSection() == SolutionsModel::meaningColumn)
            header->setSortIndicator(-1, Qt::AscendingOrder);
    });
}

void SolverPage::showStatus(const QString& text) { m_status->setText(text); }

const std::optional<Definitions>& SolverPage::definitions() const
{
    if (!m_definitions) m_definitions = openDefinitions(m_services.locations.definitionFolders, m_services.files);
    return *m_definitions;
}

// Meanings are looked up on a worker: those of the rows painted without
// one, or all that a sort by meaning lacks, the sort following. What comes
// for rows since replaced is dropped.
void SolverPage::lookUpMeanings(std::vector<SolutionsModel::RankedText> rows, std::optional<Qt::SortOrder> sortAfter)
{
    if (rows.empty() && !sortAfter) return;
    m_lexiconWork.start([this, database = definitions(), rows = std::move(rows), sortAfter,
                         generation = m_model->generation()]() mutable {
        for (auto& [rank, text] : rows) {
            if (m_stopping.load(std::memory_order_relaxed)) return;
            text = database ? firstSenseOf(database->lookup(text)) : std::string();
        }
        QMetaObject::invokeMethod(
            this,
            [this, meanings = std::make_shared<decltype(rows)>(std::move(rows)), sortAfter, generation] {
                m_model->setMeanings(generation, *meanings);
                if (sortAfter && generation == m_model->generation())
                    m_model->sort(SolutionsModel::meaningColumn, *sortAfter);
            },
            Qt::QueuedConnection);
    });
}

void SolverPage::copySelection()
{
    const QModelIndexList rows = m_table->selectionModel()->selectedRows();
    if (!rows.isEmpty()) m_services.clipboard.setText(m_model->words(rows, "\r\n"));
}

void SolverPage::copyResults()
{
    if (m_model->size() > 0) m_services.clipboard.setText(m_model->words("\r\n"));
}

void SolverPage::saveResults()
{
    const std::optional<std::string> path = m_services.fileDialog.chooseFileToSave("Text Files|*.txt|All Files|*.*");
    if (!path) return;
    std::string lines = m_model->words("\n");
    if (!lines.empty()) lines += '\n';
    if (!m_services.files.writeAll(*path, codepage::toUtf8(lines)))
        m_services.messages.show(MessageKind::Error, "Cannot create file " + codepage::fromUtf8(*path));
}

void SolverPage::defineCurrentRow()
{
    const QModelIndex row = rowActedOn(m_table);
    if (row.isValid()) emit definitionRequested(m_model->text(row.row()));
}

std::vector<KeptHistory> SolverPage::keptHistories() const
{
    return {{"verbalia.sol", m_find}, {"verbalia.mng", m_meaning}};
}

void SolverPage::applySettings(const SettingsValues& values)
{
    m_modes[std::size_t(std::clamp(values.solverMode, 0, 2))]->setChecked(true);
    m_show->setCurrentIndex(std::clamp(values.solverShow, 0, int(showLimits.size()) - 1));
    m_phrases->setChecked(values.solverPhrases);
    m_find->setEditText(toQString(values.solverCriteria));
}

void SolverPage::collectSettings(SettingsValues& values) const
{
    values.solverMode = int(std::find_if(m_modes.begin(), m_modes.end(), [](auto* b) { return b->isChecked(); }) -
                            m_modes.begin());
    values.solverShow = m_show->currentIndex();
    values.solverPhrases = m_phrases->isChecked();
    values.solverCriteria = fromQString(m_find->currentText());
}

std::vector<QWidget*> SolverPage::tabOrder() const
{
    return {m_find, m_show, m_modes[0], m_modes[1], m_modes[2], m_phrases, m_meaning, m_table, m_copy, m_save};
}

} // namespace verbalia
