#include "LineListModel.h"

#include "platform/qt/QtText.h"

#include <algorithm>
#include <vector>

namespace verbalia {

namespace {
// The most characters of a line that a view draws; a longer line is cut there
// and ends in an ellipsis. Drawing costs time and memory in proportion to the
// text, and no window is wide enough to show more.
constexpr std::size_t longestShown = 4000;
} // namespace

int LineListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_count());
}

QVariant LineListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || std::size_t(index.row()) >= m_count()) return {};
    if (role == Qt::ToolTipRole && m_toolTip) {
        const QString tip = m_toolTip(std::size_t(index.row()));
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    if (role != Qt::DisplayRole) return {};
    const std::string_view line = m_line(std::size_t(index.row()));
    if (line.size() <= longestShown) return toQString(line);
    return toQString(line.substr(0, longestShown)) + QChar(0x2026);
}

void LineListModel::beginAppend(std::size_t count)
{
    const int first = rowCount();
    beginInsertRows(QModelIndex(), first, first + int(count) - 1);
}

std::string LineListModel::text() const
{
    std::vector<std::size_t> rows(m_count());
    for (std::size_t row = 0; row < rows.size(); ++row) rows[row] = row;
    return joined(rows);
}

std::string LineListModel::text(const QModelIndexList& rows) const
{
    std::vector<std::size_t> ordered;
    ordered.reserve(std::size_t(rows.size()));
    for (const QModelIndex& index : rows) ordered.push_back(std::size_t(index.row()));
    std::sort(ordered.begin(), ordered.end());
    return joined(ordered);
}

std::string LineListModel::joined(const std::vector<std::size_t>& rows) const
{
    std::string text;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i > 0) text += "\r\n";
        text += m_line(rows[i]);
    }
    return text;
}

} // namespace verbalia
