#pragma once

#include "HistoryBox.h"
#include "SolutionsModel.h"
#include "app/core/SettingsTable.h"
#include "platform/PlatformServices.h"
#include "lexicon/MeaningIndex.h"
#include "lexicon/Phrases.h"
#include "solver/Answer.h"
#include "solver/SolverIndex.h"
#include "wordlist/Definitions.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableView;
class QWidget;

namespace verbalia {

class KnownWordList;
class WordStore;

// The crossword solver page: a pattern, an anagram or the letters to make
// words from, answered as it is typed (shown 150 ms after the last key, at
// once on Enter) on a worker, a run still going cancelled by the next; the
// answer is made while the pause lasts. The window is never locked for it. The list's words are folded into an index on a
// worker after every change of the list; until it is ready, runs scan.
class SolverPage final : public QObject {
    Q_OBJECT

public:
    // Makes the page as the page control's next tab, over the list it searches.
    SolverPage(QTabWidget& pages, const KnownWordList& list, const PlatformServices& services);
    ~SolverPage() override;

    // The start-up sequence: the commonness levels are read on a worker.
    void startUp();
    // Ends every worker's work and waits for it: the list or the page goes.
    void stopWork();

    std::vector<KeptHistory> keptHistories() const;
    void applySettings(const SettingsValues& values);
    void collectSettings(SettingsValues& values) const;

    std::vector<QWidget*> tabOrder() const;
    // Whether runs use the index of the list as it is (else they scan).
    bool indexReady() const { return m_index != nullptr; }

    // Milliseconds from the last key to the answer shown.
    static constexpr int typingPause = 150;
    // The most rows the table holds.
    static constexpr std::size_t rowLimit = 10000;

public slots:
    // Before the list changes (a load, a reset, a harvest, a removal): no
    // worker reads it until listChanged.
    void holdList();
    // After: the index is built again and the box's query answered again.
    void listChanged();
    // The box's query answered now.
    void run();
    void copyResults();
    void saveResults();

signals:
    // The word of a row, for its definition.
    void definitionRequested(const std::string& word);
    // After each answer shown (or message), and when the index comes, for tests and benchmarks.
    void answerShown();
    void indexBuilt();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void fitTableToFont();
    void scheduleRun();
    // Answers the box's query on a worker; what it shows waits for the end of the typing pause.
    void startRun();
    void cancelRun();
    // Shows at once, or at the end of the typing pause while it lasts.
    void present(std::function<void()> show);
    void buildIndex();
    // Each word's level by its index, made on a worker for the list as it
    // is, once both the index and the levels are there.
    void gradeList();
    void gradeWords(const CommonnessLevels& levels, const WordStore& words, const std::atomic<bool>& cancel,
                    std::uint64_t serial);
    void readWordNet(bool phrases, bool meanings);
    // The rows' words are read from the list and `phrases`, those it was answered from.
    void showAnswer(std::uint64_t serial, const std::shared_ptr<solver::Answer>& answer,
                    const std::shared_ptr<const std::vector<Phrase>>& phrases);
    void showStatus(const QString& text);
    void copySelection();
    void defineCurrentRow();
    void lookUpMeanings(std::vector<SolutionsModel::RankedText> rows, std::optional<Qt::SortOrder> sortAfter);
    // The database, opened at the first meaning wanted.
    const std::optional<Definitions>& definitions() const;

    const KnownWordList& m_list;
    const PlatformServices m_services;
    QWidget* m_sheet;
    QComboBox* m_find;
    QComboBox* m_show;
    std::array<QRadioButton*, 3> m_modes; // pattern, anagram, made from
    QCheckBox* m_phrases;
    QComboBox* m_meaning;
    QTableView* m_table;
    SolutionsModel* m_model;
    QLabel* m_status;
    QPushButton* m_copy;
    QPushButton* m_save;
    QTimer m_typing;
    std::function<void()> m_pendingShow; // the answer made during the typing pause

    std::shared_ptr<const solver::SolverIndex> m_index; // of the list as it is, when built
    std::shared_ptr<const CommonnessLevels> m_levels;
    std::shared_ptr<const std::vector<Level>> m_levelsByIndex; // of the list as it is, when made
    std::shared_ptr<const std::vector<Phrase>> m_phraseList;
    std::shared_ptr<const MeaningIndex> m_meaningIndex;
    bool m_phrasesAsked = false, m_meaningsAsked = false;
    std::string m_wordNetProblem; // a database file that could not be read
    mutable std::optional<std::optional<Definitions>> m_definitions;
    std::shared_ptr<std::atomic<bool>> m_runCancel, m_buildCancel;
    std::uint64_t m_runSerial = 0, m_buildSerial = 0;
    bool m_listHeld = false;
    bool m_runScans = false; // the run going has no index
    std::atomic<bool> m_stopping = false; // ends the reading of WordNet
    // Declared last, so destroyed first: their work still reaches a whole page.
    QThreadPool m_listWork;    // the index build and the runs: they read the list
    QThreadPool m_lexiconWork; // WordNet, the levels and the meanings shown: they do not
};

} // namespace verbalia
