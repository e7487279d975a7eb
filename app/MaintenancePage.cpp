#include "MaintenancePage.h"

#include "Controls.h"
#include "LineListModel.h"
#include "WorkArea.h"
#include "platform/CodePage.h"
#include "platform/PlatformServices.h"
#include "platform/UnreadableFiles.h"
#include "platform/qt/QtText.h"
#include "wordlist/KnownWordList.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
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

} // namespace

MaintenancePage::MaintenancePage(QTabWidget& pages, KnownWordList& list, const PlatformServices& services,
                                 UnreadableFiles& unreadableFiles, RunController& runs)
    : m_list(list)
    , m_unreadableFiles(unreadableFiles)
    , m_messages(services.messages)
    , m_clipboard(services.clipboard)
    , m_numbers(services.numbers)
    , m_sheet(new QWidget)
{
    m_sheet->setObjectName(QStringLiteral("TabSheet4"));
    setParent(m_sheet);
    pages.addTab(m_sheet, QStringLiteral("Word List Maintenance"));
    QGroupBox* listGroup = groupBox(m_sheet, "GroupBox3", 0, 7, 241, 366, " Known Words List : ");
    m_countLabel = label(listGroup, "Known_Words_Label", 12, 20, 217, 17, "Known_Words_Label");
    m_countLabel->setAlignment(Qt::AlignCenter);
    m_view = lineView(listGroup, "Known_Words_MemoEx", 8, 40, 225, 209);
    m_changedMirror = hiddenCheckBox(listGroup, "Known_Word_List_Changed_CheckBox", 8, 40, 97, 17);
    m_copy = pictureButton(listGroup, "Copy_Word_List_To_Clipboard_BitBtn", 18, 252, 200, 27, "Copy to Clipboard",
                           QStyle::SP_DialogSaveButton);
    m_reset = pictureButton(listGroup, "Reset_Word_List_BitBtn", 18, 280, 200, 27, "Reset Known Words",
                            QStyle::SP_DialogResetButton);
    m_save = pictureButton(listGroup, "Save_Word_List_BitBtn", 18, 308, 200, 27, "Save Word List",
                           QStyle::SP_DriveHDIcon);
    m_load = pictureButton(listGroup, "Load_Word_List_BitBtn", 18, 336, 200, 27, "Load Word List",
                           QStyle::SP_DialogOpenButton);
    m_workArea = new WorkArea(m_sheet, list, services, runs);
    m_view->setAccessibleName(QStringLiteral("Known Words List"));

    auto* model = new LineListModel(m_list.words(), this);
    m_view->setModel(model);
    addCopySelectionCommand(m_view, m_clipboard);
    addDefinitionCommand(m_view, [this](const std::string& word) { emit definitionRequested(word); });
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
    connect(m_workArea, &WorkArea::harvestFinished, this, [this] {
        holdList(false);
        emit listChanged();
    });
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
