#include "SolutionsModel.h"

#include "platform/qt/QtText.h"
#include "solver/Fold.h"

#include <algorithm>
#include <numeric>

namespace verbalia {

SolutionsModel::SolutionsModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void SolutionsModel::setRows(std::vector<solver::AnswerRow> rows, Source source)
{
    beginResetModel();
    ++m_generation;
    m_meaningsWanted.clear();
    m_rows = std::move(rows);
    m_source = std::move(source);
    m_keptTexts.clear();
    m_meanings.clear();
    m_meaningAsked.assign(m_rows.size(), false);
    if (m_sortColumn == meaningColumn) m_sortColumn = -1;
    sortRows(m_sortColumn, m_sortOrder);
    endResetModel();
}

void SolutionsModel::keepTexts()
{
    if (!m_source.list) return;
    m_keptTexts.reserve(m_rows.size());
    for (std::size_t rank = 0; rank < m_rows.size(); ++rank) m_keptTexts.emplace_back(textOf(rank));
    m_source.list = nullptr;
}

std::string_view SolutionsModel::textOf(std::size_t rank) const
{
    if (!m_source.list) return m_keptTexts[rank];
    return solver::rowText(m_rows[rank], *m_source.list, m_source.phrases.get());
}

std::string SolutionsModel::words(std::string_view separator) const
{
    std::string text;
    for (std::size_t row = 0; row < m_shown.size(); ++row) {
        if (row > 0) text += separator;
        text += textOf(m_shown[row]);
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
        text += textOf(m_shown[std::size_t(row)]);
    }
    return text;
}

std::vector<SolutionsModel::RankedText> SolutionsModel::takeMeaningsWanted() { return std::exchange(m_meaningsWanted, {}); }

std::vector<SolutionsModel::RankedText> SolutionsModel::rowsWithoutMeaning() const
{
    std::vector<RankedText> rows;
    for (std::size_t rank = 0; rank < m_rows.size(); ++rank)
        if (!hasMeaning(rank)) rows.emplace_back(rank, textOf(rank));
    return rows;
}

void SolutionsModel::setMeanings(std::size_t generation, const std::vector<RankedText>& meanings)
{
    if (generation != m_generation || meanings.empty()) return;
    m_meanings.resize(m_rows.size());
    std::vector<std::size_t> rowOfRank(m_rows.size());
    for (std::size_t row = 0; row < m_shown.size(); ++row) rowOfRank[m_shown[row]] = row;
    std::size_t first = m_rows.size(), last = 0;
    for (const auto& [rank, meaning] : meanings) {
        m_meanings[rank] = meaning;
        first = std::min(first, rowOfRank[rank]);
        last = std::max(last, rowOfRank[rank]);
    }
    emit dataChanged(index(int(first), meaningColumn), index(int(last), meaningColumn), {Qt::DisplayRole});
}

int SolutionsModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int SolutionsModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : int(columns); }

QVariant SolutionsModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid()) return {};
    const std::size_t rank = m_shown[std::size_t(index.row())];
    const solver::AnswerRow& row = m_rows[rank];
    if (role == Qt::ToolTipRole && index.column() == wordColumn)
        return row.phrase ? QStringLiteral("a phrase from WordNet") : toQString(levelText(row.level));
    if (role != Qt::DisplayRole) return {};
    switch (index.column()) {
    case wordColumn: return toQString(textOf(rank));
    case lettersColumn: return toQString(solver::rowLetters(row, textOf(rank), m_source.phrases.get()));
    case meaningColumn:
        if (hasMeaning(rank)) return toQString(*m_meanings[rank]);
        if (!m_meaningAsked[rank]) {
            m_meaningAsked[rank] = true;
            m_meaningsWanted.emplace_back(rank, textOf(rank));
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
    if (column == meaningColumn && sortWantsMeanings) {
        for (std::size_t rank = 0; rank < m_rows.size(); ++rank)
            if (!hasMeaning(rank)) {
                sortWantsMeanings(order);
                return;
            }
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::uint32_t> ranks;
    for (const QModelIndex& index : before) ranks.push_back(m_shown[std::size_t(index.row())]);
    sortRows(column, order);
    std::vector<int> rowOfRank(m_rows.size());
    for (std::size_t row = 0; row < m_shown.size(); ++row) rowOfRank[m_shown[row]] = int(row);
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
    m_shown.resize(m_rows.size());
    std::iota(m_shown.begin(), m_shown.end(), std::uint32_t(0));
    const bool descending = order == Qt::DescendingOrder;
    const auto byKeys = [this, descending](const auto& keys) {
        std::stable_sort(m_shown.begin(), m_shown.end(), [&keys, descending](std::uint32_t a, std::uint32_t b) {
            return descending ? keys[b] < keys[a] : keys[a] < keys[b];
        });
    };
    switch (column) {
    case wordColumn: {
        std::vector<std::string> keys(m_rows.size());
        for (std::size_t rank = 0; rank < m_rows.size(); ++rank) keys[rank] = solver::folded(textOf(rank));
        byKeys(keys);
        break;
    }
    case lettersColumn: {
        std::vector<std::size_t> keys(m_rows.size());
        for (std::size_t rank = 0; rank < m_rows.size(); ++rank) keys[rank] = solver::foldedLength(textOf(rank));
        byKeys(keys);
        break;
    }
    case meaningColumn:
        std::stable_sort(m_shown.begin(), m_shown.end(), [&](std::uint32_t a, std::uint32_t b) {
            const std::string_view x = hasMeaning(a) ? *m_meanings[a] : "", y = hasMeaning(b) ? *m_meanings[b] : "";
            if (x.empty() || y.empty()) return !x.empty() && y.empty();
            return descending ? y < x : x < y;
        });
        break;
    default: break;
    }
}

} // namespace verbalia
