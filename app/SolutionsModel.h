#pragma once

#include "solver/Answer.h"

#include <QAbstractTableModel>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verbalia {

// The solver page's results: Word, Letters and Meaning. Rows come in the
// answer's order (commonest first); a header click sorts them by a column,
// and sorting by none brings that order back. A meaning (the word's first
// sense, on one line) is asked for when its row is first painted, looked up
// by the page away from the window's thread and kept.
class SolutionsModel final : public QAbstractTableModel {
public:
    enum Column { wordColumn, lettersColumn, meaningColumn, columns };
    // A row's meaning wanted or found: its place in the answer and its word or meaning.
    using RankedText = std::pair<std::size_t, std::string>;

    explicit SolutionsModel(QObject* parent);

    // Replaces the rows; the sort stays when it needs no meaning looked up.
    void setRows(std::vector<solver::AnswerRow> rows);
    const solver::AnswerRow& row(int index) const { return m_rows[std::size_t(index)].solution; }
    std::size_t size() const { return m_rows.size(); }

    // The words of all rows, or of the given ones, in the order shown,
    // joined by `separator`.
    std::string words(std::string_view separator) const;
    std::string words(const QModelIndexList& indices, std::string_view separator) const;

    // Counts the sets of rows given (setRows), so that meanings found for
    // an earlier set are dropped.
    std::size_t generation() const { return m_generation; }
    // The rows painted without a meaning since the last call, or all rows
    // without one; then their meanings, for rows of this generation.
    std::vector<RankedText> takeMeaningsWanted();
    std::vector<RankedText> rowsWithoutMeaning() const;
    void setMeanings(std::size_t generation, const std::vector<RankedText>& meanings);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // By a column (a meaning sort asks for the meanings it lacks first,
    // through sortWantsMeanings), or by none: the answer's order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Called when a painted row wants its meaning (once until
    // takeMeaningsWanted), and when a sort by meaning needs meanings not yet
    // known: the caller gives them (setMeanings) and sorts again.
    std::function<void()> meaningsWanted;
    std::function<void(Qt::SortOrder)> sortWantsMeanings;

private:
    struct Row {
        solver::AnswerRow solution;
        std::size_t rank; // its place in the answer
        unsigned long letterCount;
        std::optional<std::string> meaning;
        mutable bool meaningAsked = false;
    };
    void sortRows(int column, Qt::SortOrder order);

    std::vector<Row> m_rows;
    mutable std::vector<RankedText> m_meaningsWanted;
    std::size_t m_generation = 0;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

} // namespace verbalia
