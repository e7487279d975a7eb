#include "SolutionsModel.h"

#include "platform/qt/QtText.h"
#include "solver/Fold.h"

#include <algorithm>
#include <cstdlib>

namespace verbalia {

SolutionsModel::SolutionsModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void SolutionsModel::setRows(std::vector<solver::AnswerRow> rows)
{
    beginResetModel();
    ++m_generation;
    m_meaningsWanted.clear();
    m_rows.clear();
    m_rows.reserve(rows.size());
    for (std::size_t rank = 0; rank < rows.size(); ++rank) {
        const unsigned long letters = std::strtoul(rows[rank].letters.c_str(), nullptr, 10);
        m_rows.push_back({std::move(rows[rank]), rank, letters, {}, false});
    }
    if (m_sortColumn == meaningColumn) m_sortColumn = -1;
    sortRows(m_sortColumn, m_sortOrder);
    endResetModel();
}

std::string SolutionsModel::words(std::string_view separator) const
{
    std::string text;
    for (const Row& row : m_rows) {
        if (&row != m_rows.data()) text += separator;
        text += row.solution.text;
    }
    return text;
}

std::string SolutionsModel::words(const QModelIndexList& indices, std::string_view separator) const
{
    std::vector<int> rows;
    for (const QModelIndex& index : indices) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    std::string text;
    for (const int row : rows) {
        if (row != rows.front()) text += separator;
        text += m_rows[std::size_t(row)].solution.text;
    }
    return text;
}

std::vector<SolutionsModel::RankedText> SolutionsModel::takeMeaningsWanted() { return std::exchange(m_meaningsWanted, {}); }

std::vector<SolutionsModel::RankedText> SolutionsModel::rowsWithoutMeaning() const
{
    std::vector<RankedText> rows;
    for (const Row& row : m_rows)
        if (!row.meaning) rows.emplace_back(row.rank, row.solution.text);
    return rows;
}

void SolutionsModel::setMeanings(std::size_t generation, const std::vector<RankedText>& meanings)
{
    if (generation != m_generation || meanings.empty()) return;
    std::vector<std::size_t> rowOfRank(m_rows.size());
    for (std::size_t row = 0; row < m_rows.size(); ++row) rowOfRank[m_rows[row].rank] = row;
    std::size_t first = m_rows.size(), last = 0;
    for (const auto& [rank, meaning] : meanings) {
        const std::size_t row = rowOfRank[rank];
        m_rows[row].meaning = meaning;
        first = std::min(first, row);
        last = std::max(last, row);
    }
    emit dataChanged(index(int(first), meaningColumn), index(int(last), meaningColumn), {Qt::DisplayRole});
}

int SolutionsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int SolutionsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(columns); }

QVariant SolutionsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    const Row& row = m_rows[std::size_t(index.row())];
    if (role == Qt::ToolTipRole && index.column() == wordColumn)
        return row.solution.phrase ? QStringLiteral("a phrase from WordNet") : toQString(levelText(row.solution.level));
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case wordColumn: return toQString(row.solution.text);
    case lettersColumn: return toQString(row.solution.letters);
    case meaningColumn:
        if (row.meaning) return toQString(*row.meaning);
        if (!std::exchange(row.meaningAsked, true)) {
            m_meaningsWanted.emplace_back(row.rank, row.solution.text);
            if (m_meaningsWanted.size() == 1 && meaningsWanted) meaningsWanted();
        }
        return QString();
    default: return {};
    }
}

QVariant SolutionsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
    static const char* const captions[] = {"Word", "Letters", "Meaning"};
    return section >= 0 && section < columnCount() ? QString::fromLatin1(captions[section]) : QVariant();
}

void SolutionsModel::sort(int column, Qt::SortOrder order)
{
    if (column == meaningColumn && sortWantsMeanings &&
        std::any_of(m_rows.begin(), m_rows.end(), [](const Row& row) { return !row.meaning; })) {
        sortWantsMeanings(order);
        return;
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::size_t> ranks;
    for (const QModelIndex& index : before) ranks.push_back(m_rows[std::size_t(index.row())].rank);
    sortRows(column, order);
    std::vector<int> rowOfRank(m_rows.size());
    for (std::size_t row = 0; row < m_rows.size(); ++row) rowOfRank[m_rows[row].rank] = int(row);
    QModelIndexList after;
    for (std::size_t i = 0; i < ranks.size(); ++i)
        after.push_back(index(rowOfRank[ranks[i]], before[qsizetype(i)].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

// Equal keys keep the answer's order; a word without a meaning comes last
// either way.
void SolutionsModel::sortRows(int column, Qt::SortOrder order)
{
    m_sortColumn = column;
    m_sortOrder = order;
    const bool descending = order == Qt::DescendingOrder;
    const auto byRank = [](const Row& a, const Row& b) { return a.rank < b.rank; };
    switch (column) {
    case wordColumn: {
        std::vector<std::string> keys(m_rows.size());
        for (const Row& row : m_rows) keys[row.rank] = solver::folded(row.solution.text);
        std::stable_sort(m_rows.begin(), m_rows.end(), [&](const Row& a, const Row& b) {
            const std::string &x = keys[a.rank], &y = keys[b.rank];
            return descending ? y < x : x < y;
        });
        break;
    }
    case lettersColumn:
        std::stable_sort(m_rows.begin(), m_rows.end(), [descending](const Row& a, const Row& b) {
            return descending ? b.letterCount < a.letterCount : a.letterCount < b.letterCount;
        });
        break;
    case meaningColumn:
        std::stable_sort(m_rows.begin(), m_rows.end(), [&](const Row& a, const Row& b) {
            const std::string_view x = a.meaning ? *a.meaning : "", y = b.meaning ? *b.meaning : "";
            if (x.empty() || y.empty()) return !x.empty() && y.empty();
            return descending ? y < x : x < y;
        });
        break;
    default: std::sort(m_rows.begin(), m_rows.end(), byRank);
    }
}

} // namespace verbalia
