// The three search pages, each described once, and their own controls.

#include "SearchPage.h"

#include "Controls.h"
#include "search/PhoneticSearch.h"
#include "search/WildcardSearch.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

namespace verbalia {
namespace {

std::unique_ptr<LetterModes> createWildcardDetails(QWidget*, QGroupBox* group)
{
    hintLine(group, "Label3", 52, 21,
             "Hint: Use '?' (question mark) to represent a single letter, and '*' (asterisk) to represent one or more letters.");
    hintLine(group, "Label6", 72, 41,
             "You can use multiple '?' symbols. but only a single '*' symbol, and you cannot mix and match '?' with '*' in a single search in this version of the program..");
    hintLine(group, "Label5", 108, 21,
             "Example : a??i? will find all 5 letter words starting with 'a' and having a 4th letter of 'i'.  e.g. acrid.");
    hintLine(group, "Label7", 128, 21,
             "Example : ac*al will find all words starting with 'ac' and ending in 'al'.  e.g. accidental.");
    return nullptr;
}

std::unique_ptr<LetterModes> createLetterDetails(QWidget* sheet, QGroupBox* group)
{
    QLabel* exclusionCaption =
        label(group, "Excluded_Letters_Label", 12, 52, 232, 17, "Exclude words containing these letters :");
    label(group, "Label9", 24, 132, 236, 17, "i.e. find Anagrams of the supplied word.");
    auto modes = std::make_unique<LetterModes>(LetterModes{
        exclusionCaption,
        {radioButton(sheet, "Search_for_Words_with_these_and_other_letters_RadioButton", 78,
                     "Search for words containing at least 1 of each of these letters and any other letters."),
         radioButton(sheet, "Search_for_Words_with_only_these_Any_Number_RadioButton", 98,
                     "Search for words containing only these letters and at least 1 of each letter specified."),
         radioButton(sheet, "Search_for_Words_with_only_these_Specified_Number_RadioButton", 118,
                     "Search for words containing only these letters and only the specified number of each letter.")},
    });
    modes->buttons[0]->setChecked(true);
    return modes;
}

std::unique_ptr<LetterModes> createPhoneticDetails(QWidget*, QGroupBox* group)
{
    label(group, "Label15", 20, 58, 533, 21,
          "Example : Enter \"Mice\" to find all words that sound something like this word.");
    return nullptr;
}

} // namespace

const std::array<SearchPageDescription, searchPageCount>& searchPageDescriptions()
{
    static const std::array<SearchPageDescription, searchPageCount> pages{{
        {
            .sheet = "TabSheet1",
            .tabCaption = "Wildcard Word Search",
            .groupBox = "GroupBox4",
            .groupCaption = " Search for Words Satisfying these Wildcard Criteria : ",
            .criteriaLabel = "Label2",
            .criteriaCaption = "Search Criteria :",
            .criteriaLabelBounds = QRect(28, 24, 96, 17),
            .criteriaBox = "Wildcard_Search_ComboBox",
            .criteriaSetting = &SettingsValues::wildcardCriteria,
            .resetButton = "Reset_Wildcard_Search_Edit_BitBtn",
            .resultsView = "WildCard_Search_Results_MemoEx",
            .runButton = "Wildcard_Search_BitBtn",
            .runCaption = "Wildcard Search",
            .copyButton = "Clipboard_Copy_WildCard_Search_Results_BitBtn",
            .statusLabel = "Wildcard_Search_Label",
            .completion = " words found.",
            .historyFile = "verbalia.wcs",
            .resultsEmptiedAtStartUp = true,
            .resultsLowerCased = false,
            .searchName = "Wildcard search",
            .createDetails = createWildcardDetails,
            .prepare = [](const SearchInput& input) { return preparedScan(prepareWildcardSearch(input)); },
        },
        {
            .sheet = "TabSheet2",
            .tabCaption = "Word Letter Search",
            .groupBox = "GroupBox2",
            .groupCaption = " Search for Words Containing Specific Letters (in any order) : ",
            .criteriaLabel = "Label4",
            .criteriaCaption = "Search Criteria :",
            .criteriaLabelBounds = QRect(28, 24, 96, 17),
            .criteriaBox = "Words_With_These_Letters_Search_ComboBox",
            .criteriaSetting = &SettingsValues::letterCriteria,
            .resetButton = "Reset_Words_With_These_Letters_Search_Edit_BitBtn",
            .resultsView = "Words_With_These_Letters_Search_MemoEx",
            .runButton = "Search_for_Words_with_these_Letters_BitBtn",
            .runCaption = "Letter Search",
            .copyButton = "Clipboard_Copy_Words_With_These_Letters_Search_BitBtn",
            .statusLabel = "Search_for_Words_with_these_Letters_Label",
            .completion = " words found.",
            .historyFile = "verbalia.wwt",
            .resultsEmptiedAtStartUp = true,
            .resultsLowerCased = false,
            .searchName = "Letter search",
            .createDetails = createLetterDetails,
            .prepare = [](const SearchInput& input) {
                return preparedScan(prepareLetterSearch(input, input.letterMode));
            },
        },
        {
            .sheet = "TabSheet3",
            .tabCaption = "Phonetic Search",
            .groupBox = "GroupBox5",
            .groupCaption = " Search for Words which Sound Like a Particular Word : ",
            .criteriaLabel = "Label11",
            .criteriaCaption = "Base Word :",
            .criteriaLabelBounds = QRect(50, 24, 74, 17),
            .criteriaBox = "Phonetic_Search_ComboBox",
            .criteriaSetting = &SettingsValues::phoneticCriteria,
            .resetButton = "Reset_Phonetic_Search_Edit_BitBtn",
            .resultsView = "Phonetic_Search_MemoEx",
            .runButton = "Phonetic_Word_Search_BitBtn",
            .runCaption = "Phonetic Search",
            .copyButton = "Clipboard_Copy_Phonetic_Search_BitBtn",
            .statusLabel = "Phonetic_Search_Label",
            .completion = " words found that sound similar.",
            .historyFile = "verbalia.phs",
            .resultsEmptiedAtStartUp = false,
            .resultsLowerCased = true,
            .searchName = "Phonetic search",
            .createDetails = createPhoneticDetails,
            .prepare = [](const SearchInput& input) { return preparedScan(preparePhoneticSearch(input)); },
        },
    }};
    return pages;
}

LetterMode LetterModes::mode() const
{
    return buttons[0]->isChecked()   ? LetterMode::ContainsAll
           : buttons[1]->isChecked() ? LetterMode::OnlyThese
           : buttons[2]->isChecked() ? LetterMode::ExactCount
                                     : LetterMode::None;
}

void LetterModes::set(QRadioButton* button, bool checked) const
{
    if (checked) {
        button->setChecked(true);
    } else {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

} // namespace verbalia
