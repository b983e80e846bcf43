#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// One page of the help folder: "NNN.html" is the page of help context NNN; index.html is the
// contents.
struct HelpPage {
    QString file; // name inside the help folder
    int context = 0;
    QString title;
    QStringList keywords; // from <meta name="keywords">, for the index
    QString text;         // the plain text, for the search
};

// The pages of the help folder, read once.
class HelpPages {
public:
    static constexpr const char* kContentsFile = "index.html";

    explicit HelpPages(const QString& folder);

    const QString& folder() const { return folder_; }
    const QList<HelpPage>& pages() const { return pages_; }
    // The page of a context; nullptr when there is none.
    const HelpPage* pageOf(int context) const;
    const HelpPage* pageNamed(const QString& file) const;
    // The pages the contents page links to, in its order, with the link texts.
    const QList<QPair<QString, QString>>& contents() const { return contents_; }
    // Every keyword (lower case) with the pages that name it.
    const QMap<QString, QStringList>& index() const { return index_; }
    // The pages whose title or text holds every word of `query`, case-insensitively; titles first.
    QStringList search(const QString& query) const;

private:
    QString folder_;
    QList<HelpPage> pages_;
    QList<QPair<QString, QString>> contents_;
    QMap<QString, QStringList> index_;
};
