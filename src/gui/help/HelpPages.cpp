#include "gui/help/HelpPages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextDocument>
#include <algorithm>

namespace {

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QString FirstMatch(const QString& html, const QRegularExpression& pattern) {
    const auto match = pattern.match(html);
    return match.hasMatch() ? match.captured(1).simplified() : QString();
}

} // namespace

HelpPages::HelpPages(const QString& folder) : folder_(folder) {
    static const QRegularExpression title(QStringLiteral("<title>(.*?)</title>"),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression keywords(
        QStringLiteral("<meta\\s+name=\"keywords\"\\s+content=\"([^\"]*)\""),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression link(QStringLiteral("<a\\s+href=\"([^\"#]+)\"[^>]*>(.*?)</a>"),
                                         QRegularExpression::CaseInsensitiveOption |
                                             QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));

    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.html")}, QDir::Files, QDir::Name)) {
        const QString html = ReadText(dir.filePath(name));
        HelpPage page;
        page.file = name;
        bool numbered = false;
        const int context = QFileInfo(name).completeBaseName().toInt(&numbered);
        page.context = numbered ? context : 0;
        page.title = FirstMatch(html, title);
        for (const QString& word : FirstMatch(html, keywords).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
            const QString key = word.trimmed().toLower();
            if (!key.isEmpty()) {
                page.keywords << key;
                index_[key] << name;
            }
        }
        QTextDocument document;
        document.setHtml(html);
        page.text = document.toPlainText();
        if (name == QLatin1String(kContentsFile)) {
            for (auto it = link.globalMatch(html); it.hasNext();) {
                const auto m = it.next();
                QString text = m.captured(2);
                text.remove(tags);
                contents_.append({m.captured(1), text.simplified()});
            }
        }
        pages_.append(page);
    }
}

const HelpPage* HelpPages::pageOf(int context) const {
    for (const HelpPage& page : pages_)
        if (context > 0 && page.context == context)
            return &page;
    return nullptr;
}

const HelpPage* HelpPages::pageNamed(const QString& file) const {
    for (const HelpPage& page : pages_)
        if (page.file == file)
            return &page;
    return nullptr;
}

QStringList HelpPages::search(const QString& query) const {
    const QStringList words = query.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return {};
    QStringList inTitle;
    QStringList inText;
    for (const HelpPage& page : pages_) {
        const QString all = page.title + QLatin1Char(' ') + page.text;
        const bool every = std::all_of(words.begin(), words.end(), [&](const QString& w) {
            return all.contains(w, Qt::CaseInsensitive);
        });
        if (!every)
            continue;
        const bool titled = std::any_of(words.begin(), words.end(), [&](const QString& w) {
            return page.title.contains(w, Qt::CaseInsensitive);
        });
        (titled ? inTitle : inText) << page.file;
    }
    return inTitle + inText;
}
