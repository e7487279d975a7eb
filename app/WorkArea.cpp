// The work area on the word list maintenance page, and the harvest of its
// words into the known word list.

#include "MainForm.h"

#include "WorkAreaEdit.h"
#include "platform/CodePage.h"
#include "platform/FileEncoding.h"
#include "platform/qt/QtText.h"
#include "wordlist/Harvest.h"

#include <QCheckBox>
#include <QLabel>
#include <QCoreApplication>
#include <QPushButton>

namespace verbalia {

void TMainForm1::Temp_Work_Area_Reset_BitBtnClick() { Temp_Work_Area_Paste_MemoEx->clear(); }

void TMainForm1::Temp_Work_Area_Paste_BitBtnClick()
{
    Temp_Work_Area_Paste_MemoEx->clear();
    if (const std::optional<std::string> text = m_services.clipboard.text())
        Temp_Work_Area_Paste_MemoEx->setText(workAreaTextFromClipboard(*text));
}

void TMainForm1::Temp_Work_Area_Load_From_File_BitBtnClick()
{
    const std::optional<std::string> path = m_services.fileDialog.chooseFileToOpen("Text Files|*.txt|All Files|*.*");
    if (path) {
        QCoreApplication::processEvents();
        // A file that has gone meanwhile is passed over without a word.
        if (m_services.files.exists(*path)) {
            std::optional<std::string> bytes = m_services.files.readAll(*path);
            if (bytes) {
                decodeFile(*bytes);
                Temp_Work_Area_Paste_MemoEx->setText(workAreaTextFromFile(*bytes));
            } else {
                m_services.messages.show(MessageKind::Error, "Cannot open file " + codepage::fromUtf8(*path));
            }
        }
    }
    QCoreApplication::processEvents();
}

void TMainForm1::Add_Unique_Words_BitBtnClick()
{
    QCoreApplication::processEvents();
    const HarvestOptions options{Ignore_Words_With_Numbers_CheckBox->isChecked(),
                                 Ignore_All_Non_Alphanumeric_Chars_CheckBox->isChecked()};
    const std::string question =
        harvestQuestion(fromQString(Ignore_Words_With_Numbers_CheckBox->text()), options.ignoreNumbers,
                        fromQString(Ignore_All_Non_Alphanumeric_Chars_CheckBox->text()), options.ignoreSymbols);
    // Only No cancels.
    if (m_services.messages.ask(MessageKind::Confirm, question) == Answer::No) return;

    const std::vector<std::string> lines = Temp_Work_Area_Paste_MemoEx->lines();
    RunController::Run run(*m_runs, Known_Words_MemoEx, ProgressBar2, lines.size());
    run.repaintOncePerFrame(Known_Words_Label);
    const HarvestHooks hooks{
        [&run] { return run.halted(); },
        [&run](std::size_t line) { run.showProgress(line); },
        [&run](std::size_t) { run.letEventsThrough(); },
    };
    const HarvestOutcome outcome = m_knownWords.harvest(m_services.collation, lines, options, hooks);
    run.unlock(Add_Unique_Words_BitBtn);

    m_services.messages.show(MessageKind::Information, harvestReport(outcome, m_services.numbers));
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    run.finish();
}

} // namespace verbalia
