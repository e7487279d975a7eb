#include "LineListModel.h"

#include "platform/qt/QtText.h"

namespace verbalia {

int LineListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_count());
}

QVariant LineListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid() || std::size_t(index.row()) >= m_count()) return {};
    return toQString(m_line(std::size_t(index.row())));
}

std::string LineListModel::text() const
{
    std::string joined;
    const std::size_t count = m_count();
    for (std::size_t row = 0; row < count; ++row) {
        if (row > 0) joined += "\r\n";
        joined += m_line(row);
    }
    return joined;
}

} // namespace verbalia
