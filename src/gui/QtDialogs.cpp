#include "gui/QtDialogs.h"

#include "gui/TBerichtForm.h"
#include "gui/TInputTextDlg.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QRegularExpression>

int QtDialogs::messageBox(const std::string& text, velk::MessageKind kind, std::uint16_t buttons,
                          int helpContext) {
    TBerichtForm form(
        QString::fromStdString(text), kind, buttons, helpContext, [this](int context) { showHelp(context); },
        parentWidget());
    return form.exec();
}

bool QtDialogs::inputText(const std::string& caption, const std::string& prompt, std::string& value,
                          int width) {
    TInputTextDlg dialog(QString::fromStdString(caption), QString::fromStdString(prompt),
                         QString::fromStdString(value), width, parentWidget());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    value = dialog.text().toStdString();
    return true;
}

std::optional<std::string> QtDialogs::openFileName(const velk::FileChoice& choice) {
    return chooseFile(choice, false);
}

std::optional<std::string> QtDialogs::saveFileName(const velk::FileChoice& choice) {
    return chooseFile(choice, true);
}

std::optional<std::string> QtDialogs::chooseFile(const velk::FileChoice& choice, bool save) {
    QFileDialog dialog(parentWidget(), QString::fromStdString(choice.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    if (save)
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    if (!choice.filter.empty())
        dialog.setNameFilter(QtFileFilter(choice.filter));
    QString suffix = QString::fromStdString(choice.defaultExtension);
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    const QString start = QString::fromStdString(choice.initialPath);
    if (!start.isEmpty()) {
        const QFileInfo info(start);
        if (info.isDir()) {
            dialog.setDirectory(start);
        } else {
            dialog.setDirectory(info.absolutePath());
            // A pattern such as "*.dba" is no name to propose.
            if (!info.fileName().contains(QLatin1Char('*')))
                dialog.selectFile(info.fileName());
        }
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().first().toStdString();
}

std::optional<velk::FontChoice> QtDialogs::chooseFont(const velk::FontChoice& current) {
    bool ok = false;
    const QFont chosen =
        QFontDialog::getFont(&ok, QFont(QString::fromStdString(current.name), current.size), parentWidget());
    if (!ok)
        return std::nullopt;
    return velk::FontChoice{chosen.family().toStdString(), chosen.pointSize()};
}

void QtDialogs::beep() {
    QApplication::beep();
}

void QtDialogs::showHelp(int helpContext) {
    if (helpHandler_)
        helpHandler_(helpContext);
}

void QtDialogs::showHelpSearch() {
    if (helpSearchHandler_)
        helpSearchHandler_();
    else
        showHelp(0);
}

QWidget* QtDialogs::parentWidget() const {
    return parent_ ? parent_.data() : QApplication::activeWindow();
}

QString QtDialogs::QtFileFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString patternText = i + 1 < parts.size() ? parts[i + 1] : description;
        // The patterns come after the "|"; a "(*.dba)" in the description would repeat them.
        static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
        description.remove(trailingPatterns);
        QStringList patterns;
        for (const QString& p :
             patternText.split(QRegularExpression(QStringLiteral("[;\\s]+")), Qt::SkipEmptyParts))
            for (const QString& variant : {p, p.toLower(), p.toUpper()})
                if (!patterns.contains(variant))
                    patterns << variant;
        if (description.isEmpty())
            description = patterns.join(QLatin1Char(' '));
        filters << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}
