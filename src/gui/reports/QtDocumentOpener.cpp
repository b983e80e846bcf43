#include "gui/reports/QtDocumentOpener.h"

#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace velk {

bool QtDocumentOpener::openInWordProcessor(const std::string& path) {
    const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (soffice.isEmpty())
        return false;
    return QProcess::startDetached(soffice, {QStringLiteral("--writer"), QString::fromStdString(path)});
}

bool QtDocumentOpener::openWithDesktop(const std::string& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

} // namespace velk
