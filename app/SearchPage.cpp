#include "SearchPage.h"

#include "Controls.h"
#include "LineListModel.h"
#include "platform/qt/QtText.h"
#include "text/TextHelpers.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include <algorithm>

namespace verbalia {

SearchPage::SearchPage(const SearchPageDescription& description, QTabWidget& pages, Clipboard& clipboard)
    : description(description)
    , sheet(new QWidget)
{
    sheet->setObjectName(QString::fromLatin1(description.sheet));
    setParent(sheet);
    pages.addTab(sheet, QString::fromLatin1(description.tabCaption));
    QGroupBox* group = groupBox(sheet, description.groupBox, 4, 4, 589, 153, description.groupCaption);
    const QRect captionBounds = description.criteriaLabelBounds;
    QLabel* caption = label(group, description.criteriaLabel, captionBounds.x(), captionBounds.y(),
                            captionBounds.width(), captionBounds.height(), description.criteriaCaption);
    criteria = criteriaBox(group, description.criteriaBox, 132, 21, 361, 25);
    reset = resetButton(group, description.resetButton, 496, 20, "Reset the Search Criteria");
    description.createDetails(*this, group);
    results = lineView(sheet, description.resultsView, 8, 160, 369, 213);
    run = pictureButton(sheet, description.runButton, 388, 268, 200, 35, description.runCaption,
                        QStyle::SP_FileDialogContentsView);
    copy = pictureButton(sheet, description.copyButton, 388, 306, 200, 35, "Copy to Clipboard",
                         QStyle::SP_DialogSaveButton);
    status = statusLabel(sheet, description.statusLabel);
    m_statusPlace = status->geometry();
    nameByLabel(criteria, caption);
    const QString searchName = QString::fromLatin1(description.searchName);
    results->setAccessibleName(searchName + QStringLiteral(" results"));
    criteria->view()->setAccessibleName(searchName + QStringLiteral(" history"));

    results->setModel(new LineListModel(lines, this));
    connect(run, &QPushButton::clicked, this, &SearchPage::runRequested);
    connect(criteria->lineEdit(), &QLineEdit::returnPressed, this, [this] { emit criteriaKeyDown(Qt::Key_Return); });
    connect(reset, &QPushButton::clicked, this, &SearchPage::resetRequested);
    connect(copy, &QPushButton::clicked, this, &SearchPage::copyRequested);
    addCopySelectionCommand(results, clipboard);
    if (modes)
        for (QRadioButton* mode : modes->buttons)
            // However a mode becomes checked: a click, a key, an accessibility action.
            connect(mode, &QRadioButton::toggled, this, [this](bool checked) {
                if (checked) emit letterModeChanged();
            });
}

std::string SearchPage::takeCriteria()
{
    std::string trimmed(trimControls(fromQString(criteria->currentText())));
    criteria->setEditText(toQString(trimmed));
    return trimmed;
}

void SearchPage::showStatus(const QString& text, int pageHeight)
{
    status->setText(text);
    const int height = status->heightForWidth(m_statusPlace.width());
    if (text.isEmpty() || height <= m_statusPlace.height()) {
        status->setGeometry(m_statusPlace);
        return;
    }
    const int top = std::max(0, std::min(m_statusPlace.top(), pageHeight - height));
    status->setGeometry(m_statusPlace.left(), top, m_statusPlace.width(), height);
}

void SearchPage::takeStatusPlace(int pageHeight)
{
    m_statusPlace = status->geometry();
    showStatus(status->text(), pageHeight);
}

void SearchPage::resetCriteria()
{
    criteria->clear();
    criteria->setEditText(QString());
}

void SearchPage::clearResults()
{
    auto* model = static_cast<LineListModel*>(results->model());
    model->beginBulkUpdate();
    lines.clear();
    model->endBulkUpdate();
}

void SearchPage::applySettings(const SettingsValues& values)
{
    criteria->setEditText(toQString(values.*description.criteriaSetting));
    if (!modes) return;
    const bool checked[] = {values.containsAll, values.onlyThese, values.exactCount};
    for (std::size_t i = 0; i < modes->buttons.size(); ++i) {
        modes->set(modes->buttons[i], checked[i]);
        emit letterModeChanged();
    }
}

void SearchPage::collectSettings(SettingsValues& values) const
{
    values.*description.criteriaSetting = fromQString(criteria->currentText());
    if (!modes) return;
    values.containsAll = modes->buttons[0]->isChecked();
    values.onlyThese = modes->buttons[1]->isChecked();
    values.exactCount = modes->buttons[2]->isChecked();
}

std::vector<QWidget*> SearchPage::tabOrderBeforeFilters() const
{
    std::vector<QWidget*> order{criteria, reset};
    if (modes) order.insert(order.end(), modes->buttons.begin(), modes->buttons.end());
    return order;
}

std::vector<QWidget*> SearchPage::tabOrderAfterFilters() const { return {run, copy, results}; }

} // namespace verbalia
