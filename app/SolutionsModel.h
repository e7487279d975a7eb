#pragma once

#include "lexicon/Phrases.h"
#include "solver/Answer.h"
#include "wordlist/WordStore.h"

#include <QAbstractTableModel>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace verbalia {

// The solver page's results: Word, Letters and Meaning. Rows come in the
// answer's order (commonest first); a header click sorts them by a column,
// and sorting by none brings that order back. A row's word is read from the
// list when it is shown, so an answer of many rows costs no copy of each
// word. A meaning (the word's first sense, on one line) is asked for when
// its row is first painted, looked up by the page away from the window's
// thread and kept.
class SolutionsModel final : public QAbstractTableModel {
public:
    enum Column { wordColumn, lettersColumn, meaningColumn, columns };
    // A row's meaning wanted or found: its place in the answer and its word or meaning.
    using RankedText = std::pair<std::size_t, std::string>;
    // What the rows' words are read from: the list they were answered from, and WordNet's phrases.
    struct Source {
        const WordStore* list = nullptr;
        std::shared_ptr<const std::vector<Phrase>> phrases;
    };

    explicit SolutionsModel(QObject* parent);

    // Replaces the rows, whose words are read from `source` until
    // keepTexts; the sort stays when it needs no meaning looked up.
    void setRows(std::vector<solver::AnswerRow> rows, Source source);
    void clearRows() { setRows({}, {}); }
    // Copies the rows' words: the list is about to change and is read no more.
    void keepTexts();
    std::size_t size() const { return m_rows.size(); }
    // The word or phrase of a row as shown.
    std::string text(int row) const { return std::string(textOf(m_shown[std::size_t(row)])); }

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
    std::string_view textOf(std::size_t rank) const;
    bool hasMeaning(std::size_t rank) const { return rank < m_meanings.size() && m_meanings[rank]; }
    void sortRows(int column, Qt::SortOrder order);

    std::vector<solver::AnswerRow> m_rows; // in the answer's order: a row's rank is its place here
    std::vector<std::uint32_t> m_shown;    // the ranks in the order shown
    Source m_source;
    std::vector<std::string> m_keptTexts;  // by rank, once the list is read no more
    std::vector<std::optional<std::string>> m_meanings; // by rank, made with the first meaning
    mutable std::vector<bool> m_meaningAsked;            // by rank
    mutable std::vector<RankedText> m_meaningsWanted;
    std::size_t m_generation = 0;
    int m_sortColumn = -1;
    Qt::SortOrder m_sortOrder = Qt::AscendingOrder;
};

} // namespace verbalia
