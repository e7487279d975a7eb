#include "QtFileDialog.h"

#include <QFile>
#include <QFileDialog>

namespace verbalia {
namespace {

using Ask = QString (*)(QWidget*, const QString&, const QString&, const QString&, QString*, QFileDialog::Options);

std::optional<std::string> choose(Ask ask, QWidget* parent, const std::string& filter)
{
    const QString path = ask(parent, QString(), QString(), QString::fromLatin1(dialogNameFilters(filter)), nullptr, {});
    if (path.isEmpty()) return std::nullopt;
    return QFile::encodeName(path).toStdString();
}

} // namespace

std::optional<std::string> QtFileDialog::chooseFileToOpen(const std::string& filter)
{
    return choose(&QFileDialog::getOpenFileName, m_parent, filter);
}

std::optional<std::string> QtFileDialog::chooseFileToSave(const std::string& filter)
{
    return choose(&QFileDialog::getSaveFileName, m_parent, filter);
}

} // namespace verbalia
