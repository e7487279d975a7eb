#include "LineListModel.h"

#include "platform/qt/QtText.h"

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
    if (role != Qt::DisplayRole || !index.isValid() || std::size_t(index.row()) >= m_count()) return {};
    const std::string_view line = m_line(std::size_t(index.row()));
    if (line.size() <= longestShown) return toQString(line);
    return toQString(line.substr(0, longestShown)) + QChar(0x2026);
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
