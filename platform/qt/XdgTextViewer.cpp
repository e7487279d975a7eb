#include "XdgTextViewer.h"

#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace verbalia {
namespace {

QString opener() { return QStandardPaths::findExecutable(QStringLiteral("xdg-open")); }

} // namespace

bool XdgTextViewer::available() const { return !opener().isEmpty(); }

bool XdgTextViewer::open(const std::string& path)
{
    const QString program = opener();
    return !program.isEmpty() &&
           QProcess::startDetached(program, {QFile::decodeName(QByteArray::fromStdString(path))});
}

} // namespace verbalia
