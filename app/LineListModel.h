#pragma once

#include <QAbstractListModel>

#include <functional>
#include <string>
#include <vector>

namespace verbalia {

// A read-only list model over lines held elsewhere (the known word list, a
// results list): nothing is copied, a row is converted when it is painted.
// Views get at most the first few thousand characters of a very long line,
// followed by an ellipsis; text() keeps every byte.
class LineListModel final : public QAbstractListModel {
public:
    template <class Lines>
    LineListModel(const Lines& lines, QObject* parent)
        : QAbstractListModel(parent)
        , m_count([&lines] { return lines.size(); })
        , m_line([&lines](std::size_t row) -> std::string_view { return lines.at(row); })
    {
    }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // The lines joined by CR LF, as they go to the clipboard: all of them, or
    // those of the given rows in list order.
    std::string text() const;
    std::string text(const QModelIndexList& rows) const;

    // Brackets a change of the lines: views read nothing in between and show
    // the new lines once at the end.
    void beginBulkUpdate() { beginResetModel(); }
    void endBulkUpdate() { endResetModel(); }
    // What a row's tooltip says; nothing (an empty text) for none.
    void setToolTips(std::function<QString(std::size_t row)> toolTip) { m_toolTip = std::move(toolTip); }

    // Brackets lines appended at the end: views add their rows.
    void beginAppend(std::size_t count);
    void endAppend() { endInsertRows(); }

private:
    std::string joined(const std::vector<std::size_t>& rows) const;

    std::function<std::size_t()> m_count;
    std::function<std::string_view(std::size_t)> m_line;
    std::function<QString(std::size_t)> m_toolTip;
};

} // namespace verbalia
