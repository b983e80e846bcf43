#include "gui/help/HelpWindow.h"

#include "core/HelpContext.h"
#include "gui/WindowPlacement.h"
#include "gui/help/HelpKeys.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int kFileRole = Qt::UserRole;

QListWidgetItem* PageItem(const QString& text, const QString& file, QListWidget* list) {
    auto* item = new QListWidgetItem(text, list);
    item->setData(kFileRole, file);
    return item;
}

} // namespace

HelpWindow::HelpWindow(const QString& folder, QWidget* parent) : QWidget(parent, Qt::Window), pages_(folder) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(QStringLiteral("Velk Help"));
    SetHelpContext(this, velk::HelpContext::UsingHelp);

    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("HelpTabs"));
    contents_ = new QListWidget;
    contents_->setObjectName(QStringLiteral("ContentsList"));
    for (const auto& [file, text] : pages_.contents())
        PageItem(text, file, contents_);
    tabs_->addTab(contents_, QStringLiteral("&Inhoud"));

    auto* indexPage = new QWidget;
    auto* indexLayout = new QVBoxLayout(indexPage);
    indexFilter_ = new QLineEdit;
    indexFilter_->setObjectName(QStringLiteral("IndexFilter"));
    indexFilter_->setPlaceholderText(QStringLiteral("Trefwoord"));
    index_ = new QListWidget;
    index_->setObjectName(QStringLiteral("IndexList"));
    indexLayout->addWidget(indexFilter_);
    indexLayout->addWidget(index_);
    tabs_->addTab(indexPage, QStringLiteral("In&dex"));

    auto* searchPage = new QWidget;
    auto* searchLayout = new QVBoxLayout(searchPage);
    auto* searchRow = new QHBoxLayout;
    searchEdit_ = new QLineEdit;
    searchEdit_->setObjectName(QStringLiteral("SearchEdit"));
    searchEdit_->setPlaceholderText(QStringLiteral("Woorden"));
    auto* searchButton = new QPushButton(QStringLiteral("&Zoek"));
    searchButton->setObjectName(QStringLiteral("SearchBtn"));
    searchRow->addWidget(searchEdit_);
    searchRow->addWidget(searchButton);
    results_ = new QListWidget;
    results_->setObjectName(QStringLiteral("ResultList"));
    searchLayout->addLayout(searchRow);
    searchLayout->addWidget(results_);
    tabs_->addTab(searchPage, QStringLiteral("&Zoeken"));

    browser_ = new QTextBrowser;
    browser_->setObjectName(QStringLiteral("PageBrowser"));
    browser_->setOpenExternalLinks(true);
    browser_->setSearchPaths({folder});

    auto* buttons = new QHBoxLayout;
    auto* back = new QPushButton(QStringLiteral("&Terug"));
    back->setObjectName(QStringLiteral("BackBtn"));
    auto* forward = new QPushButton(QStringLiteral("&Vooruit"));
    forward->setObjectName(QStringLiteral("ForwardBtn"));
    auto* home = new QPushButton(QStringLiteral("In&houd"));
    home->setObjectName(QStringLiteral("HomeBtn"));
    auto* close = new QPushButton(QStringLiteral("&Sluit"));
    close->setObjectName(QStringLiteral("CloseBtn"));
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(home);
    buttons->addStretch();
    buttons->addWidget(close);

    auto* right = new QWidget;
    auto* rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addLayout(buttons);
    rightLayout->addWidget(browser_);

    auto* splitter = new QSplitter;
    splitter->addWidget(tabs_);
    splitter->addWidget(right);
    splitter->setStretchFactor(1, 3);
    splitter->setSizes({300, 700});
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(splitter);

    fillIndex({});
    for (QListWidget* list : {contents_, index_, results_}) {
        connect(list, &QListWidget::itemActivated, this, &HelpWindow::openItem);
        connect(list, &QListWidget::itemClicked, this, &HelpWindow::openItem);
    }
    connect(indexFilter_, &QLineEdit::textChanged, this, &HelpWindow::fillIndex);
    connect(searchEdit_, &QLineEdit::returnPressed, this, &HelpWindow::runSearch);
    connect(searchButton, &QPushButton::clicked, this, &HelpWindow::runSearch);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(home, &QPushButton::clicked, this,
            [this] { open(QString::fromLatin1(HelpPages::kContentsFile)); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    back->setEnabled(false);
    forward->setEnabled(false);
}

void HelpWindow::showContext(int context) {
    const HelpPage* page = pages_.pageOf(context);
    open(page ? page->file : QString::fromLatin1(HelpPages::kContentsFile));
    tabs_->setCurrentWidget(contents_);
    bringUp();
}

void HelpWindow::showContents() {
    showContext(0);
}

void HelpWindow::showSearch() {
    if (shownFile().isEmpty())
        open(QString::fromLatin1(HelpPages::kContentsFile));
    tabs_->setCurrentIndex(2);
    bringUp();
    searchEdit_->setFocus();
    searchEdit_->selectAll();
}

QString HelpWindow::shownFile() const {
    return QFileInfo(browser_->source().toLocalFile()).fileName();
}

int HelpWindow::shownContext() const {
    const HelpPage* page = pages_.pageNamed(shownFile());
    return page ? page->context : 0;
}

QString HelpWindow::shownTitle() const {
    return browser_->documentTitle();
}

void HelpWindow::open(const QString& file) {
    browser_->setSource(QUrl::fromLocalFile(QDir(pages_.folder()).absoluteFilePath(file)));
    for (int i = 0; i < contents_->count(); ++i)
        if (contents_->item(i)->data(kFileRole).toString() == file)
            contents_->setCurrentRow(i);
}

void HelpWindow::bringUp() {
    // A window opened while a modal one is up cannot be used unless it is modal as well.
    QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality wanted = modal && modal != this ? Qt::ApplicationModal : Qt::NonModal;
    if (windowModality() != wanted) {
        hide();
        setWindowModality(wanted);
    }
    if (!placed_) {
        // The first time up: on the screen, over the window the help was asked from.
        ResizeWithinScreen(this, QSize(1000, 640));
        CentreOnParent(this, parentWidget() ? parentWidget() : QApplication::activeWindow());
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

void HelpWindow::fillIndex(const QString& filter) {
    index_->clear();
    const QString wanted = filter.trimmed().toLower();
    for (auto it = pages_.index().begin(); it != pages_.index().end(); ++it) {
        if (!wanted.isEmpty() && !it.key().startsWith(wanted))
            continue;
        for (const QString& file : it.value()) {
            const HelpPage* page = pages_.pageNamed(file);
            const QString text =
                it.value().size() > 1 && page ? it.key() + QStringLiteral(" — ") + page->title : it.key();
            PageItem(text, file, index_);
        }
    }
}

void HelpWindow::runSearch() {
    results_->clear();
    for (const QString& file : pages_.search(searchEdit_->text())) {
        const HelpPage* page = pages_.pageNamed(file);
        PageItem(page && !page->title.isEmpty() ? page->title : file, file, results_);
    }
    if (results_->count() == 0)
        new QListWidgetItem(QStringLiteral("Niets gevonden"), results_);
}

void HelpWindow::openItem(QListWidgetItem* item) {
    const QString file = item ? item->data(kFileRole).toString() : QString();
    if (!file.isEmpty())
        open(file);
}
