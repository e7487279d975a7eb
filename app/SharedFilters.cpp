#include "SharedFilters.h"

#include "Controls.h"
#include "platform/qt/QtText.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QSpinBox>

#include <algorithm>

namespace verbalia {
namespace {

// An input out of use: the button-face background, its text still legible.
QPalette outOfUsePalette(QPalette palette)
{
    const QColor face = palette.color(QPalette::Inactive, QPalette::Mid);
    palette.setColor(QPalette::Base, face);
    palette.setColor(QPalette::Disabled, QPalette::Text,
                     readableColour(palette.color(QPalette::Disabled, QPalette::Text), face));
    return palette;
}

// Sets a limit within 1..50; its change handler runs even when the value
// stays the same.
void setLengthLimit(QSpinBox* spin, int value)
{
    const int limited = std::clamp(value, spin->minimum(), spin->maximum());
    if (spin->value() == limited)
        emit spin->valueChanged(limited);
    else
        spin->setValue(limited);
}

} // namespace

SharedFilters::SharedFilters(QWidget* client)
    : QObject(client)
{
    lengthGroup = groupBox(client, "Limit_Word_Length_GroupBox", 392, 190, 205, 53, " Limit Length of Words Found : ");
    QLabel* from = label(lengthGroup, "Label1", 8, 24, 38, 17, "From :");
    lower = lengthSpinBox(lengthGroup, "Lower_Length_SpinEdit", 56, 20, 1);
    QLabel* to = label(lengthGroup, "Label8", 112, 24, 18, 17, "to :");
    upper = lengthSpinBox(lengthGroup, "Upper_Length_SpinEdit", 136, 20, 25);
    exclusionGroup = groupBox(client, "Excluded_Letters_GroupBox", 392, 244, 205, 51, " Exclude words containing : ");
    exclusion = make<QLineEdit>(exclusionGroup, "Excluded_Letters_Edit", 8, 20, 157, 25);
    exclusion->setText(QStringLiteral("Excluded_Letters_Edit"));
    keepToOneLine(exclusion);
    resetExclusion = resetButton(exclusionGroup, "Reset_Excluded_Letters_Edit_BitBtn", 168, 20,
                                 "Reset the list of excluded letters");
    nameByLabel(lower, from);
    nameByLabel(upper, to);
}

SearchInput SharedFilters::input(std::string_view criteria, LetterMode letterMode)
{
    m_exclusion = fromQString(exclusion->text());
    return {criteria, m_exclusion, LengthRange{lower->value(), upper->value()}, letterMode};
}

void SharedFilters::setExclusion(const std::string& text) { exclusion->setText(toQString(text)); }

void SharedFilters::setVisible(bool visible)
{
    lengthGroup->setVisible(visible);
    exclusionGroup->setVisible(visible);
}

void SharedFilters::setExclusionInUse(bool inUse)
{
    exclusion->setEnabled(inUse);
    exclusion->setPalette(inUse ? QPalette() : outOfUsePalette(exclusion->palette()));
}

void SharedFilters::lowerChanged()
{
    if (upper->value() < lower->value()) upper->setValue(lower->value());
}

void SharedFilters::upperChanged()
{
    if (upper->value() < lower->value()) lower->setValue(upper->value());
}

void SharedFilters::applySettings(const SettingsValues& values)
{
    exclusion->setText(toQString(values.excludedLetters));
    setLengthLimit(lower, values.lowerLength);
    setLengthLimit(upper, values.upperLength);
}

void SharedFilters::collectSettings(SettingsValues& values) const
{
    values.excludedLetters = fromQString(exclusion->text());
    values.lowerLength = lower->value();
    values.upperLength = upper->value();
}

std::vector<QWidget*> SharedFilters::tabOrder() const { return {lower, upper, exclusion, resetExclusion}; }

} // namespace verbalia
