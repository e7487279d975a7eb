#include "SearchPage.h"

#include "Controls.h"
#include "HistoryBox.h"
#include "LineListModel.h"
#include "RunController.h"
#include "SharedFilters.h"
#include "WordLevels.h"
#include "platform/MessageBoxes.h"
#include "platform/NumberFormat.h"
#include "platform/qt/QtText.h"
#include "text/TextHelpers.h"
#include "wordlist/WordStore.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QThreadPool>

#include <algorithm>
#include <utility>

namespace verbalia {

SearchPage::SearchPage(const SearchPageDescription& description, QTabWidget& pages,
                       const SearchPageServices& services)
    : m_description(description)
    , m_pages(pages)
    , m_services(services)
    , m_sheet(new QWidget)
{
    m_sheet->setObjectName(QString::fromLatin1(description.sheet));
    setParent(m_sheet);
    pages.addTab(m_sheet, QString::fromLatin1(description.tabCaption));
    QGroupBox* group = groupBox(m_sheet, description.groupBox, 4, 4, 589, 153, description.groupCaption);
    const QRect captionBounds = description.criteriaLabelBounds;
    QLabel* caption = label(group, description.criteriaLabel, captionBounds.x(), captionBounds.y(),
                            captionBounds.width(), captionBounds.height(), description.criteriaCaption);
    m_criteria = criteriaBox(group, description.criteriaBox, 132, 21, 361, 25);
    m_reset = resetButton(group, description.resetButton, 496, 20, "Reset the Search Criteria");
    m_modes = description.createDetails(m_sheet, group);
    m_results = lineView(m_sheet, description.resultsView, 8, 160, 369, 213);
    m_run = pictureButton(m_sheet, description.runButton, 388, 268, 200, 35, description.runCaption,
                          QStyle::SP_FileDialogContentsView);
    m_copy = pictureButton(m_sheet, description.copyButton, 388, 306, 200, 35, "Copy to Clipboard",
                           QStyle::SP_DialogSaveButton);
    m_status = statusLabel(m_sheet, description.statusLabel);
    m_statusPlace = m_status->geometry();
    nameByLabel(m_criteria, caption);
    const QString searchName = QString::fromLatin1(description.searchName);
    m_results->setAccessibleName(searchName + QStringLiteral(" results"));
    m_criteria->view()->setAccessibleName(searchName + QStringLiteral(" history"));

    auto* model = new LineListModel(m_lines, this);
    model->setToolTips([this](std::size_t row) {
        return m_services.levels.commonestFirst() && m_rowLevels ? toQString(levelText(m_rowLevels->of(row)))
                                                                 : QString();
    });
    m_results->setModel(model);
    addCopySelectionCommand(m_results, m_services.clipboard);
    addDefinitionCommand(m_results, [this](const std::string& word) { emit definitionRequested(word); });
    connect(this, &SearchPage::matchesFound, this, &SearchPage::showMatches, Qt::QueuedConnection);
    connect(this, &SearchPage::matchesOrdered, this, &SearchPage::showOrdered, Qt::QueuedConnection);
    connect(m_run, &QPushButton::clicked, this, &SearchPage::search);
    connect(m_criteria->lineEdit(), &QLineEdit::returnPressed, this, &SearchPage::search);
    connect(m_reset, &QPushButton::clicked, this, &SearchPage::resetCriteria);
    connect(m_copy, &QPushButton::clicked, this, &SearchPage::copyResults);
    if (m_modes)
        for (QRadioButton* mode : m_modes->buttons)
            // However a mode becomes checked: a click, a key, an accessibility action.
            connect(mode, &QRadioButton::toggled, this, [this](bool checked) {
                if (checked) applyLetterMode();
            });
}

std::string SearchPage::takeCriteria()
{
    std::string trimmed(trimControls(fromQString(m_criteria->currentText())));
    m_criteria->setEditText(toQString(trimmed));
    return trimmed;
}

// A screen reader reads a control's description with it when focus arrives:
// the criteria box carries the outcome of the page's last run or refusal,
// set just before the focus returns to it.
void SearchPage::tellOutcome(const QString& outcome) { m_criteria->setAccessibleDescription(outcome.trimmed()); }

void SearchPage::search()
{
    RunController& runs = m_services.runs;
    if (runs.running()) return;
    const std::string criteria = takeCriteria();
    PreparedScan prepared = m_description.prepare(m_filters->input(criteria, letterMode()));
    if (prepared.exclusion) m_filters->setExclusion(*prepared.exclusion);
    if (!prepared.scan) {
        m_services.messages.show(MessageKind::Information, prepared.refusal);
        tellOutcome(toQString(prepared.refusal));
        m_criteria->setFocus();
        return;
    }

    // The last run's lines are freed on another thread: a few million take a while.
    auto* model = static_cast<LineListModel*>(m_results->model());
    model->beginBulkUpdate();
    QThreadPool::globalInstance()->start([lastLines = m_lines.take()] {});
    m_rowLevels.reset();
    model->endBulkUpdate();
    runs.begin(runs.searchBar(), m_services.words.size());
    addToHistory(m_criteria, criteria, false);
    m_status->setEnabled(true);
    showStatus(QStringLiteral(" Searching ... "));
    connect(&runs, &RunController::workFinished, this, &SearchPage::finishSearch, Qt::SingleShotConnection);
    // The list cannot change while the window is locked. The halt is seen
    // after each slice of words; the bar moves, and the matches go to the
    // view, at most once a frame. Listed commonest first, they are ordered
    // once the run ends, halted or not.
    runs.startWorker([this, &runs, &words = m_services.words, scan = std::move(prepared.scan),
                      ordering = m_services.levels.ordering()] {
        constexpr std::size_t slice = 4096;
        const std::size_t count = words.size();
        auto found = std::make_shared<std::vector<std::string>>();
        LineBatches sent;
        const auto send = [&] {
            sent.append(found);
            emit matchesFound(std::exchange(found, std::make_shared<std::vector<std::string>>()));
        };
        FrameClock frame;
        for (std::size_t index = 0; index < count && !runs.halted();) {
            const std::size_t end = std::min(index + slice, count);
            scan(words, index, end, *found);
            index = end;
            if (!frame.due()) continue;
            runs.reportProgress(index);
            if (!found->empty()) send();
        }
        if (!found->empty()) send();
        if (ordering && sent.size() > 0)
            if (std::shared_ptr<LevelOrder> order = orderOf(sent)) emit matchesOrdered(std::move(order));
    });
}

void SearchPage::showMatches(const std::shared_ptr<const std::vector<std::string>>& lines)
{
    auto* model = static_cast<LineListModel*>(m_results->model());
    model->beginAppend(lines->size());
    m_lines.append(lines);
    model->endAppend();
}

std::shared_ptr<LevelOrder> SearchPage::orderOf(const LineBatches& lines) const
{
    const CommonnessLevels* levels = m_services.levels.levels();
    if (!levels) return nullptr;
    std::vector<std::string_view> words(lines.size());
    for (std::size_t i = 0; i < words.size(); ++i) words[i] = lines.received(i);
    if (m_description.resultsLowerCased) words = wordsOfLowerCased(words, m_services.words);
    return std::make_shared<LevelOrder>(levelOrder(words, *levels));
}

void SearchPage::showOrdered(const std::shared_ptr<LevelOrder>& order)
{
    auto* model = static_cast<LineListModel*>(m_results->model());
    model->beginBulkUpdate();
    m_lines.setOrder(std::move(order->rows));
    m_rowLevels = order->levels;
    model->endBulkUpdate();
}

void SearchPage::finishSearch()
{
    RunController& runs = m_services.runs;
    showStatus(runs.halted() ? QStringLiteral(" Search Aborted by User !")
                             : toQString(m_services.numbers.formatCount(std::int64_t(m_lines.size())) +
                                         m_description.completion));
    tellOutcome(m_status->text());
    runs.unlock(m_criteria);
    emit searchFinished(qsizetype(m_lines.size()));
    runs.finish();
}

void SearchPage::showStatus(const QString& text)
{
    m_status->setText(text);
    const int height = m_status->heightForWidth(m_statusPlace.width());
    if (text.isEmpty() || height <= m_statusPlace.height()) {
        m_status->setGeometry(m_statusPlace);
        return;
    }
    // Only the page on show is laid out at once; every page has its size.
    const int pageHeight = m_pages.currentWidget()->height();
    const int top = std::max(0, std::min(m_statusPlace.top(), pageHeight - height));
    m_status->setGeometry(m_statusPlace.left(), top, m_statusPlace.width(), height);
}

void SearchPage::takeStatusPlace()
{
    m_statusPlace = m_status->geometry();
    showStatus(m_status->text());
}

void SearchPage::startUp()
{
    if (m_description.resultsEmptiedAtStartUp) clearResults();
    showStatus(QString());
}

void SearchPage::pageChanged(bool shown)
{
    if (!m_modes) return;
    m_modes->exclusionCaption->setEnabled(true);
    if (shown) applyLetterMode();
}

void SearchPage::applyLetterMode()
{
    const LetterMode mode = letterMode();
    if (mode == LetterMode::None) return;
    const bool inUse = mode != LetterMode::ExactCount;
    m_modes->exclusionCaption->setEnabled(inUse);
    emit exclusionInUseChanged(inUse);
}

void SearchPage::resetCriteria()
{
    m_criteria->clear();
    m_criteria->setEditText(QString());
}

void SearchPage::copyResults() { Copy_View_To_Clipboard(m_results, m_services.clipboard); }

void SearchPage::clearResults()
{
    auto* model = static_cast<LineListModel*>(m_results->model());
    model->beginBulkUpdate();
    m_lines.take();
    m_rowLevels.reset();
    model->endBulkUpdate();
}

void SearchPage::applySettings(const SettingsValues& values)
{
    m_criteria->setEditText(toQString(values.*m_description.criteriaSetting));
    if (!m_modes) return;
    const bool checked[] = {values.containsAll, values.onlyThese, values.exactCount};
    for (std::size_t i = 0; i < m_modes->buttons.size(); ++i) {
        m_modes->set(m_modes->buttons[i], checked[i]);
        applyLetterMode();
    }
}

void SearchPage::collectSettings(SettingsValues& values) const
{
    values.*m_description.criteriaSetting = fromQString(m_criteria->currentText());
    if (!m_modes) return;
    values.containsAll = m_modes->buttons[0]->isChecked();
    values.onlyThese = m_modes->buttons[1]->isChecked();
    values.exactCount = m_modes->buttons[2]->isChecked();
}

std::vector<QWidget*> SearchPage::tabOrderBeforeFilters() const
{
    std::vector<QWidget*> order{m_criteria, m_reset};
    if (m_modes) order.insert(order.end(), m_modes->buttons.begin(), m_modes->buttons.end());
    return order;
}

std::vector<QWidget*> SearchPage::tabOrderAfterFilters() const { return {m_run, m_copy, m_results}; }

} // namespace verbalia
