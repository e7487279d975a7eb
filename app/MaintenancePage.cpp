#include "MaintenancePage.h"

#include "Controls.h"
#include "LineListModel.h"
#include "RunController.h"
#include "WorkArea.h"
#include "platform/CodePage.h"
#include "platform/PlatformServices.h"
#include "platform/UnreadableFiles.h"
#include "platform/qt/QtText.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>

#include <string_view>
#include <unordered_set>
#include <utility>

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

} // namespace

MaintenancePage::MaintenancePage(QTabWidget& pages, KnownWordList& list, const PlatformServices& services,
                                 UnreadableFiles& unreadableFiles, RunController& runs)
    : m_list(list)
    , m_unreadableFiles(unreadableFiles)
    , m_messages(services.messages)
    , m_clipboard(services.clipboard)
    , m_numbers(services.numbers)
    , m_sheet(new QWidget)
    , m_runs(runs)
{
    m_sheet->setObjectName(QStringLiteral("TabSheet4"));
    setParent(m_sheet);
    pages.addTab(m_sheet, QStringLiteral("Word List Maintenance"));
    QGroupBox* listGroup = groupBox(m_sheet, "GroupBox3", 0, 7, 241, 366, " Known Words List : ");
    m_countLabel = label(listGroup, "Known_Words_Label", 12, 20, 217, 17, "Known_Words_Label");
    m_countLabel->setAlignment(Qt::AlignCenter);
    m_view = lineView(listGroup, "Known_Words_MemoEx", 8, 40, 225, 209);
    m_changedMirror = hiddenCheckBox(listGroup, "Known_Word_List_Changed_CheckBox", 8, 40, 97, 17);
    buttonColumn(listGroup, 18,
                 {{m_copy, "Copy_Word_List_To_Clipboard_BitBtn", "Copy to Clipboard", QStyle::SP_DialogSaveButton},
                  {m_reset, "Reset_Word_List_BitBtn", "Reset Known Words", QStyle::SP_DialogResetButton},
                  {m_save, "Save_Word_List_BitBtn", "Save Word List", QStyle::SP_DriveHDIcon},
                  {m_load, "Load_Word_List_BitBtn", "Load Word List", QStyle::SP_DialogOpenButton}});
    m_workArea = new WorkArea(m_sheet, list, services, runs);
    m_view->setAccessibleName(QStringLiteral("Known Words List"));

    auto* model = new LineListModel(m_list.words(), this);
    m_view->setModel(model);
    addCopySelectionCommand(m_view, m_clipboard);
    addDefinitionCommand(m_view, [this](const std::string& word) { emit definitionRequested(word); });
    addEditCommands();
    m_list.observe({
        .wordsAboutToChange =
            [this, model] {
                emit listAboutToChange();
                model->beginBulkUpdate();
            },
        .wordsChanged =
            [this, model] {
                model->endBulkUpdate();
                emit listChanged();
            },
        .countChanged = [this] { if (!m_harvesting) Show_Known_Word_Count(); },
        .changedFlagSet = [this](bool changed) { m_changedMirror->setChecked(changed); },
    });
    connect(m_copy, &QPushButton::clicked, this, &MaintenancePage::copyList);
    connect(m_reset, &QPushButton::clicked, this, &MaintenancePage::resetList);
    connect(m_save, &QPushButton::clicked, this, &MaintenancePage::saveList);
    connect(m_load, &QPushButton::clicked, this, &MaintenancePage::loadList);
    connect(m_workArea, &WorkArea::harvestStarted, this, [this] {
        emit listAboutToChange();
        holdList(true);
    });
    connect(m_workArea, &WorkArea::wordsAdded, this, &MaintenancePage::Show_Known_Word_Count);
    connect(m_workArea, &WorkArea::harvestFinished, this, [this](qsizetype added) {
        holdList(false);
        emit listChanged();
        if (added > 0) selectHarvestedWords();
    });
}

// Remove from List (Delete) and Undo (Ctrl+Z) in the view's context menu;
// each is enabled only when it has something to do.
void MaintenancePage::addEditCommands()
{
    auto* remove = new QAction(QStringLiteral("&Remove from List"), m_view);
    remove->setShortcut(QKeySequence::Delete);
    remove->setShortcutContext(Qt::WidgetShortcut);
    auto* undo = new QAction(QStringLiteral("&Undo"), m_view);
    undo->setShortcut(QKeySequence::Undo);
    undo->setShortcutContext(Qt::WidgetShortcut);
    m_view->addActions({remove, undo});
    connect(remove, &QAction::triggered, this, &MaintenancePage::removeSelectedWords);
    connect(undo, &QAction::triggered, this, [this] { m_list.undo(); });
    const auto update = [this, remove, undo] {
        remove->setEnabled(m_view->selectionModel()->hasSelection());
        undo->setEnabled(m_list.canUndo());
    };
    connect(m_view->selectionModel(), &QItemSelectionModel::selectionChanged, this, update);
    connect(m_view->model(), &QAbstractItemModel::modelReset, this, update);
    // A save or a load without a file forgets what could be undone.
    connect(m_changedMirror, &QCheckBox::toggled, this, update);
    update();
}

void MaintenancePage::removeSelectedWords()
{
    const QModelIndexList rows = m_view->selectionModel()->selectedRows();
    if (rows.isEmpty()) return;
    std::vector<std::size_t> indices;
    indices.reserve(std::size_t(rows.size()));
    for (const QModelIndex& row : rows) indices.push_back(std::size_t(row.row()));
    const int first = int(*std::min_element(indices.begin(), indices.end()));
    m_list.remove(std::move(indices));
    const QModelIndex next = m_view->model()->index(std::min(first, m_view->model()->rowCount() - 1), 0);
    if (next.isValid()) m_view->setCurrentIndex(next);
}

void MaintenancePage::selectHarvestedWords()
{
    std::unordered_set<std::string_view> added;
    for (const std::string& word : m_list.harvestedWords()) added.insert(word);
    QItemSelection selection;
    const QAbstractItemModel& model = *m_view->model();
    std::size_t row = 0;
    m_list.words().forEach(0, m_list.words().size(), [&](std::string_view word) {
        if (added.contains(word)) {
            const QModelIndex index = model.index(int(row), 0);
            selection.select(index, index);
        }
        ++row;
    });
    if (selection.isEmpty()) return;
    const QModelIndex first = selection.first().topLeft();
    m_view->selectionModel()->setCurrentIndex(first, QItemSelectionModel::NoUpdate);
    m_view->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    // The view lays a new list out in batches between events, and a row not
    // laid out yet cannot be scrolled to: this once, all at once.
    const QListView::LayoutMode mode = m_view->layoutMode();
    m_view->setLayoutMode(QListView::SinglePass);
    m_view->doItemsLayout();
    m_view->setLayoutMode(mode);
    m_view->scrollTo(first);
}

void MaintenancePage::Show_Known_Word_Count()
{
    m_countLabel->setText(toQString(m_numbers.formatCount(std::int64_t(m_list.words().size())) + " words."));
    emit countShown(m_countLabel->text());
}

// The view shows its lines as they were until the harvest ends: it is
// neither told of each change nor repainted from lines that changed under it.
void MaintenancePage::holdList(bool held)
{
    auto* model = static_cast<LineListModel*>(m_view->model());
    m_harvesting = held;
    if (held) {
        m_view->setUpdatesEnabled(false);
        model->beginBulkUpdate();
    } else {
        model->endBulkUpdate();
        m_view->setUpdatesEnabled(true);
    }
}

void MaintenancePage::copyList() { Copy_View_To_Clipboard(m_view, m_clipboard); }

void MaintenancePage::resetList()
{
    if (m_messages.ask(MessageKind::Confirm, resetQuestion) != Answer::Yes) return;
    m_list.clear();
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

void MaintenancePage::saveListThen(std::function<void(bool saved)> then)
{
    if (m_runs.running()) return;
    if (!mayReplaceFile()) {
        if (then) then(false);
        return;
    }
    // The focus goes back where it was: the Save button, or where the close
    // query or Restore Factory Defaults found it.
    QPointer<QWidget> focus = QApplication::focusWidget();
    if (!focus) focus = m_save;
    m_runs.begin(m_workArea->runBar(), 0);
    m_saving = true;
    connect(&m_runs, &RunController::workFinished, this, [this, focus, then = std::move(then)]() mutable {
        m_saving = false;
        m_runs.unlock(focus ? focus.data() : m_save);
        const KnownWordList::SaveOutcome outcome = m_list.saveEnded(m_written);
        // Another window may save the file between the question and the
        // write: then the question comes again.
        if (outcome == KnownWordList::SaveOutcome::fileChanged) {
            saveListThen(std::move(then));
            return;
        }
        if (outcome == KnownWordList::SaveOutcome::failed)
            m_messages.show(MessageKind::Error, "Cannot create file " + codepage::fromUtf8(m_list.path()));
        if (then) then(outcome == KnownWordList::SaveOutcome::saved);
        m_runs.finish();
    }, Qt::SingleShotConnection);
    m_runs.startWorker([this, write = m_list.saveWrite()] { m_written = write(); });
}

void MaintenancePage::settleAbandonedSave()
{
    if (std::exchange(m_saving, false)) m_list.saveEnded(m_written);
}

void MaintenancePage::loadList()
{
    if (m_list.changed() && m_messages.ask(MessageKind::Confirm, reloadQuestion) != Answer::Yes) return;
    m_countLabel->clear();
    const ReadOutcome outcome = m_list.load();
    m_unreadableFiles.note(m_list.path(), outcome);
    if (outcome == ReadOutcome::unreadable) {
        m_messages.show(MessageKind::Error, "Cannot open file " + codepage::fromUtf8(m_list.path()));
        return;
    }
    if (outcome == ReadOutcome::partlyRead) m_messages.show(MessageKind::Warning, m_list.partlyReadMessage(m_numbers));
}

void MaintenancePage::applySettings(const SettingsValues& values) { m_workArea->applySettings(values); }

void MaintenancePage::collectSettings(SettingsValues& values) const { m_workArea->collectSettings(values); }

std::vector<QWidget*> MaintenancePage::tabOrder() const
{
    std::vector<QWidget*> order{m_view, m_copy, m_reset, m_save, m_load};
    for (QWidget* control : m_workArea->tabOrder()) order.push_back(control);
    return order;
}

} // namespace verbalia
