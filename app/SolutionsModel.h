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
// sense, on one line) is looked up when its row is first painted and kept.
class SolutionsModel final : public QAbstractTableModel {
public:
    enum Column { wordColumn, lettersColumn, meaningColumn, columns };
    // The first sense of a word, on one line; empty when it has none.
    using MeaningOf = std::function<std::string(std::string_view word)>;

    SolutionsModel(MeaningOf meaningOf, QObject* parent);

    // Replaces the rows; the sort stays when it needs no meaning looked up.
    void setRows(std::vector<solver::AnswerRow> rows);
    const solver::AnswerRow& row(int index) const { return m_rows[std::size_t(index)].solution; }
    std::size_t size() const { return m_rows.size(); }

    // The words of all rows, or of the given ones, in the order shown,
    // joined by `separator`.
    std::string words(std::string_view separator) const;
    std::string words(const QModelIndexList& indices, std::string_view separator) const;

    // The words whose meanings are not known yet, and those meanings given
    // (in the same order), so that a sort by meaning looks none up here.
    std::vector<std::string> wordsWithoutMeaning() const;
    void setMeanings(const std::vector<std::string>& meanings);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // By a column (a meaning sort asks for the meanings it lacks first,
    // through meaningsWanted), or by none: the answer's order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    // Called when a sort by meaning needs meanings not yet looked up; the
    // caller gives them (setMeanings) and sorts again.
    std::function<void(Qt::SortOrder)> meaningsWanted;

private:
    struct Row {
        solver::AnswerRow solution;
        std::size_t rank; // its place in the answer
        unsigned long letterCount;
        mutable std::optional<std::string> meaning;
    };
    const std::string& meaningOf(const Row& row) const;
    void sortRows(int column, Qt::SortOrder order);

    MeaningOf m_meaningOf;
    std::vector<Row> m_rows;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

} // namespace verbalia
