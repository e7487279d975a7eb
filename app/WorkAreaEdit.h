#pragma once

#include <QPlainTextEdit>

#include <string>
#include <string_view>
#include <vector>

namespace verbalia {

// The work area's editable text view: monospaced, no wrapping, tab width 8.
// Its text is read in the code page, a character the code page lacks as '?'.
// Text pasted or dropped into it arrives as "Paste from Clipboard" brings it:
// with uniform line ends and each tab as eight spaces. The Tab key moves the
// focus on, so the text holds no tab.
class WorkAreaEdit final : public QPlainTextEdit {
public:
    explicit WorkAreaEdit(QWidget* parent);

    // The lines, as 8-bit text; none when the text is empty, and no empty
    // last line after a final line end.
    std::vector<std::string> lines() const;

    // Replaces the text with 8-bit text whose lines end in LF.
    void setText(std::string_view text);

protected:
    void changeEvent(QEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
};

} // namespace verbalia
