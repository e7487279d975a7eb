// The three search pages, each described once; MainFormLayout.cpp builds them,
// MainForm.cpp connects them, Settings.cpp saves them and SearchRuns.cpp runs
// them from these descriptions.

#include "MainForm.h"

#include "search/LetterSearch.h"
#include "search/PhoneticSearch.h"
#include "search/WildcardSearch.h"

#include <QRadioButton>

namespace verbalia {

const std::array<SearchPageDescription, TMainForm1::searchPageCount>& TMainForm1::searchPageDescriptions()
{
    static const std::array<SearchPageDescription, searchPageCount> pages{{
        {
            "TabSheet1", "Wildcard Word Search",
            "GroupBox4", " Search for Words Satisfying these Wildcard Criteria : ",
            "Label2", "Search Criteria :", QRect(28, 24, 96, 17),
            "Wildcard_Search_ComboBox", &SettingsValues::wildcardCriteria,
            "Reset_Wildcard_Search_Edit_BitBtn", "WildCard_Search_Results_MemoEx",
            "Wildcard_Search_BitBtn", "Wildcard Search", "Clipboard_Copy_WildCard_Search_Results_BitBtn",
            "Wildcard_Search_Label", " words found.", "verbalia.wcs", true, "Wildcard search",
            &TMainForm1::createWildcardDetails,
            [](const TMainForm1&, const SearchInput& input) { return preparedScan(prepareWildcardSearch(input)); },
            &TMainForm1::Wildcard_Search_BitBtnClick, &TMainForm1::Wildcard_Search_ComboBoxKeyDown,
            &TMainForm1::Reset_Wildcard_Search_Edit_BitBtnClick,
            &TMainForm1::Clipboard_Copy_WildCard_Search_Results_BitBtnClick,
        },
        {
            "TabSheet2", "Word Letter Search",
            "GroupBox2", " Search for Words Containing Specific Letters (in any order) : ",
            "Label4", "Search Criteria :", QRect(28, 24, 96, 17),
            "Words_With_These_Letters_Search_ComboBox", &SettingsValues::letterCriteria,
            "Reset_Words_With_These_Letters_Search_Edit_BitBtn",
            "Words_With_These_Letters_Search_MemoEx",
            "Search_for_Words_with_these_Letters_BitBtn", "Letter Search",
            "Clipboard_Copy_Words_With_These_Letters_Search_BitBtn",
            "Search_for_Words_with_these_Letters_Label", " words found.", "verbalia.wwt", true, "Letter search",
            &TMainForm1::createLetterDetails,
            [](const TMainForm1& window, const SearchInput& input) {
                return preparedScan(prepareLetterSearch(input, window.letterMode()));
            },
            &TMainForm1::Search_for_Words_with_these_Letters_BitBtnClick,
            &TMainForm1::Words_With_These_Letters_Search_ComboBoxKeyDown,
            &TMainForm1::Reset_Words_With_These_Letters_Search_Edit_BitBtnClick,
            &TMainForm1::Clipboard_Copy_Words_With_These_Letters_Search_BitBtnClick,
        },
        {
            "TabSheet3", "Phonetic Search",
            "GroupBox5", " Search for Words which Sound Like a Particular Word : ",
            "Label11", "Base Word :", QRect(50, 24, 74, 17),
            "Phonetic_Search_ComboBox", &SettingsValues::phoneticCriteria,
            "Reset_Phonetic_Search_Edit_BitBtn", "Phonetic_Search_MemoEx",
            "Phonetic_Word_Search_BitBtn", "Phonetic Search", "Clipboard_Copy_Phonetic_Search_BitBtn",
            "Phonetic_Search_Label", " words found that sound similar.", "verbalia.phs", false, "Phonetic search",
            &TMainForm1::createPhoneticDetails,
            [](const TMainForm1&, const SearchInput& input) { return preparedScan(preparePhoneticSearch(input)); },
            &TMainForm1::Phonetic_Word_Search_BitBtnClick, &TMainForm1::Phonetic_Search_ComboBoxKeyDown,
            &TMainForm1::Reset_Phonetic_Search_Edit_BitBtnClick, &TMainForm1::Clipboard_Copy_Phonetic_Search_BitBtnClick,
        },
    }};
    return pages;
}

// The mode the radio buttons choose; none may be checked.
LetterMode TMainForm1::letterMode() const
{
    return Search_for_Words_with_these_and_other_letters_RadioButton->isChecked()       ? LetterMode::ContainsAll
           : Search_for_Words_with_only_these_Any_Number_RadioButton->isChecked()       ? LetterMode::OnlyThese
           : Search_for_Words_with_only_these_Specified_Number_RadioButton->isChecked() ? LetterMode::ExactCount
                                                                                         : LetterMode::None;
}

// The pages' handlers, under the names of their controls.

void TMainForm1::Wildcard_Search_BitBtnClick() { runSearch(m_searchPages[wildcardPage]); }
void TMainForm1::Search_for_Words_with_these_Letters_BitBtnClick() { runSearch(m_searchPages[letterPage]); }
void TMainForm1::Phonetic_Word_Search_BitBtnClick() { runSearch(m_searchPages[phoneticPage]); }

void TMainForm1::Wildcard_Search_ComboBoxKeyDown(int key) { criteriaKeyDown(m_searchPages[wildcardPage], key); }
void TMainForm1::Words_With_These_Letters_Search_ComboBoxKeyDown(int key)
{
    criteriaKeyDown(m_searchPages[letterPage], key);
}
void TMainForm1::Phonetic_Search_ComboBoxKeyDown(int key) { criteriaKeyDown(m_searchPages[phoneticPage], key); }

void TMainForm1::Reset_Wildcard_Search_Edit_BitBtnClick() { resetCriteria(m_searchPages[wildcardPage]); }
void TMainForm1::Reset_Words_With_These_Letters_Search_Edit_BitBtnClick()
{
    resetCriteria(m_searchPages[letterPage]);
}
void TMainForm1::Reset_Phonetic_Search_Edit_BitBtnClick() { resetCriteria(m_searchPages[phoneticPage]); }

void TMainForm1::Clipboard_Copy_WildCard_Search_Results_BitBtnClick()
{
    Copy_View_To_Clipboard(m_searchPages[wildcardPage].results);
}
void TMainForm1::Clipboard_Copy_Words_With_These_Letters_Search_BitBtnClick()
{
    Copy_View_To_Clipboard(m_searchPages[letterPage].results);
}
void TMainForm1::Clipboard_Copy_Phonetic_Search_BitBtnClick()
{
    Copy_View_To_Clipboard(m_searchPages[phoneticPage].results);
}

} // namespace verbalia
