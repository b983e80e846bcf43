#pragma once

#include "gui/help/HelpPages.h"

#include <QWidget>

class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTabWidget;
class QTextBrowser;

// The help window: the contents, an index of keywords and a search on the left, the page on the
// right. One window serves the whole program; each request shows the page of its context.
class HelpWindow : public QWidget {
    Q_OBJECT

public:
    explicit HelpWindow(const QString& folder, QWidget* parent = nullptr);

    // Shows the page of `context`, or the contents when there is no such page, and brings the
    // window up. Opened from a modal window, it is modal itself so that it can be read and closed.
    void showContext(int context);
    void showContents();
    void showSearch();

    // The file shown ("226.html"), and its context (0 for a page without a number).
    QString shownFile() const;
    int shownContext() const;
    QString shownTitle() const;

    const HelpPages& pages() const { return pages_; }

private:
    void open(const QString& file);
    void bringUp();
    void fillIndex(const QString& filter);
    void runSearch();
    void openItem(QListWidgetItem* item);

    HelpPages pages_;
    QTabWidget* tabs_;
    QListWidget* contents_;
    QLineEdit* indexFilter_;
    QListWidget* index_;
    QLineEdit* searchEdit_;
    QListWidget* results_;
    QTextBrowser* browser_;
    bool placed_ = false;
};
