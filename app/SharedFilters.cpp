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

SharedFilters::SharedFilters(QWidget* client, QLabel* exclusionCaption)
    : QObject(client)
{
    m_lengthGroup = groupBox(client, "Limit_Word_Length_GroupBox", 392, 190, 205, 53, " Limit Length of Words Found : ");
    QLabel* from = label(m_lengthGroup, "Label1", 8, 24, 38, 17, "From :");
    m_lower = lengthSpinBox(m_lengthGroup, "Lower_Length_SpinEdit", 56, 20, 1);
    QLabel* to = label(m_lengthGroup, "Label8", 112, 24, 18, 17, "to :");
    m_upper = lengthSpinBox(m_lengthGroup, "Upper_Length_SpinEdit", 136, 20, 25);
    m_exclusionGroup = groupBox(client, "Excluded_Letters_GroupBox", 392, 244, 205, 51, " Exclude words containing : ");
    m_exclusionBox = make<QLineEdit>(m_exclusionGroup, "Excluded_Letters_Edit", 8, 20, 157, 25);
    m_exclusionBox->setText(QStringLiteral("Excluded_Letters_Edit"));
    keepToOneLine(m_exclusionBox);
    m_resetExclusion = resetButton(m_exclusionGroup, "Reset_Excluded_Letters_Edit_BitBtn", 168, 20,
                                   "Reset the list of excluded letters");
    nameByLabel(m_lower, from);
    nameByLabel(m_upper, to);
    nameByLabel(m_exclusionBox, exclusionCaption);

    connect(m_lower, &QSpinBox::valueChanged, this, &SharedFilters::Lower_Length_SpinEditChange);
    connect(m_upper, &QSpinBox::valueChanged, this, &SharedFilters::Upper_Length_SpinEditChange);
    connect(m_resetExclusion, &QPushButton::clicked, m_exclusionBox, &QLineEdit::clear);
}

SearchInput SharedFilters::input(std::string_view criteria, LetterMode letterMode)
{
    m_exclusion = fromQString(m_exclusionBox->text());
    return {criteria, m_exclusion, LengthRange{m_lower->value(), m_upper->value()}, letterMode};
}

void SharedFilters::setExclusion(const std::string& text) { m_exclusionBox->setText(toQString(text)); }

void SharedFilters::setVisible(bool visible)
{
    m_lengthGroup->setVisible(visible);
    m_exclusionGroup->setVisible(visible);
}

void SharedFilters::setExclusionInUse(bool inUse)
{
    m_exclusionBox->setEnabled(inUse);
    m_exclusionBox->setPalette(inUse ? QPalette() : outOfUsePalette(m_exclusionBox->palette()));
}

void SharedFilters::Lower_Length_SpinEditChange()
{
    if (m_upper->value() < m_lower->value()) m_upper->setValue(m_lower->value());
}

void SharedFilters::Upper_Length_SpinEditChange()
{
    if (m_upper->value() < m_lower->value()) m_lower->setValue(m_upper->value());
}

void SharedFilters::applySettings(const SettingsValues& values)
{
    m_exclusionBox->setText(toQString(values.excludedLetters));
    setLengthLimit(m_lower, values.lowerLength);
    setLengthLimit(m_upper, values.upperLength);
}

void SharedFilters::collectSettings(SettingsValues& values) const
{
    values.excludedLetters = fromQString(m_exclusionBox->text());
    values.lowerLength = m_lower->value();
    values.upperLength = m_upper->value();
}

std::vector<QWidget*> SharedFilters::tabOrder() const
{
    return {m_lower, m_upper, m_exclusionBox, m_resetExclusion};
}

} // namespace verbalia
