#include "app/HistoryBox.h"

#include "platform/qt/QtText.h"

#include <QComboBox>

namespace verbalia {

History historyOf(const QComboBox* box)
{
    History history;
    history.reserve(std::size_t(box->count()));
    for (int i = 0; i < box->count(); ++i) history.push_back(fromQString(box->itemText(i)));
    return history;
}

void setHistory(QComboBox* box, const History& history)
{
    const QString text = box->currentText();
    QStringList items;
    items.reserve(qsizetype(history.size()));
    for (const std::string& entry : history) items.push_back(toQString(entry));
    box->clear();
    box->addItems(items);
    box->setCurrentIndex(-1);
    box->setEditText(text);
}

void addToHistory(QComboBox* box, std::string_view text, bool exact)
{
    const History before = historyOf(box);
    History after = before;
    Add_To_History(after, text, exact);
    if (after != before) setHistory(box, after);
}

} // namespace verbalia
