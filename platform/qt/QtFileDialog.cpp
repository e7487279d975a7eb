#include "QtFileDialog.h"

#include <QFile>
#include <QFileDialog>

namespace verbalia {

std::optional<std::string> QtFileDialog::chooseFileToOpen(const std::string& filter)
{
    const QString path = QFileDialog::getOpenFileName(m_parent, QString(), QString(),
                                                      QString::fromLatin1(dialogNameFilters(filter)));
    if (path.isEmpty()) return std::nullopt;
    return QFile::encodeName(path).toStdString();
}

} // namespace verbalia
