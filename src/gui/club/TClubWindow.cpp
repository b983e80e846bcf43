#include "gui/club/TClubWindow.h"

#include "club/CompetitionData.h"
#include "gui/club/PairGrid.h"
#include "gui/terminals/TTafelsForm.h"
#include "gui/terminals/TableService.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

TClubWindow::TClubWindow(velk::Dialogs& dialogs, const velk::Clock& clock, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), clock_(clock), companions_(dialogs),
      file_(club_, dialogs, clock), members_(dialogs) {
    club_.Companions = &companions_;
    setObjectName(QStringLiteral("ClubWindow"));
    setWindowTitle(QStringLiteral("Velk"));
    const QRect screen = QApplication::primaryScreen() ? QApplication::primaryScreen()->availableGeometry()
                                                       : QRect(0, 0, 1024, 768);
    resize(780, std::max(480, screen.height() - 80));
    file_.resetToEmpty();
    club_.ConfigRecord = velk::NewConfigRecord(true);
    buildMenus();
    buildToolBar();
    buildCentralArea();
    buildStatusBar();
    applyState();
}

TClubWindow::~TClubWindow() {
    // The server works on club_, which goes before the QObject children do.
    delete tablesForm_;
    delete tableService_;
    // The child windows die with the QWidget part, after the members they would report to.
    for (auto it = childWindows_.cbegin(); it != childWindows_.cend(); ++it) {
        it.key()->removeEventFilter(this);
        disconnect(it.key(), nullptr, this, nullptr);
    }
    childWindows_.clear();
}

void TClubWindow::buildCentralArea() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    competitionLabel_ = new QLabel(central);
    competitionLabel_->setObjectName(QStringLiteral("CompetitieLabel"));
    competitionLabel_->setFont(QFont(QStringLiteral("Courier New"), 9));
    layout->addWidget(competitionLabel_);

    pairPanel_ = new QWidget(central);
    pairPanel_->setObjectName(QStringLiteral("PairPanel"));
    auto* panel = new QVBoxLayout(pairPanel_);
    panel->setContentsMargins(0, 0, 0, 0);
    grid_ = new PairGrid(pairPanel_);
    grid_->setMinimumWidth(500);
    panel->addWidget(grid_, 1);

    auto* navigator = new QHBoxLayout;
    const char* glyphs[10] = {"|◀", "◀", "▶", "▶|", "+", "−", "✎", "✔", "✖", "⟳"};
    const char* names[10] = {"FIRST",  "PRIOR", "NEXT", "LAST",   "INSERT",
                             "DELETE", "EDIT",  "POST", "CANCEL", "REFRESH"};
    const char* hints[10] = {"Eerste record",  "Vorige record",        "Volgende record",    "Laatste record",
                             "Voeg record in", "Verwijder record",     "Editing van record", "Bewaar record",
                             "Schrap editing", "Ververs de hele lijst"};
    for (int i = 0; i < 10; ++i) {
        auto* b = new QToolButton(pairPanel_);
        b->setObjectName(QString::fromLatin1(names[i]));
        b->setText(QString::fromUtf8(glyphs[i]));
        b->setToolTip(QString::fromUtf8(hints[i]));
        b->setStatusTip(QString::fromUtf8(hints[i]));
        connect(b, &QToolButton::clicked, this, [this, i] { onNavigator(i); });
        navigator->addWidget(b);
    }
    navigator->addSpacing(12);
    groupMinus_ = new QPushButton(QStringLiteral("Groep -"), pairPanel_);
    groupMinus_->setObjectName(QStringLiteral("GroepMin"));
    groupPlus_ = new QPushButton(QStringLiteral("Groep +"), pairPanel_);
    groupPlus_->setObjectName(QStringLiteral("GroepPlus"));
    connect(groupMinus_, &QPushButton::clicked, this, [this] { onPage(-1); });
    connect(groupPlus_, &QPushButton::clicked, this, [this] { onPage(+1); });
    navigator->addWidget(groupMinus_);
    navigator->addWidget(groupPlus_);
    tellerLabel_ = new QLabel(pairPanel_);
    tellerLabel_->setObjectName(QStringLiteral("Teller"));
    navigator->addWidget(tellerLabel_);
    // A warning beside the grid while the club numbers are at hand: they tie the pairs to the
    // results of every session.
    clubNrLabel_ = new QLabel(QStringLiteral("Pas op ClubNr."), pairPanel_);
    clubNrLabel_->setObjectName(QStringLiteral("PasOpLabel"));
    clubNrLabel_->hide();
    navigator->addWidget(clubNrLabel_);
    navigator->addStretch(1);
    panel->addLayout(navigator);

    moveLabel_ = new QLabel(pairPanel_);
    moveLabel_->setObjectName(QStringLiteral("MoveLabel"));
    moveLabel_->hide();
    panel->addWidget(moveLabel_);

    searchPanel_ = new QWidget(pairPanel_);
    searchPanel_->setObjectName(QStringLiteral("SearchPanel"));
    auto* search = new QHBoxLayout(searchPanel_);
    search->addWidget(new QLabel(QStringLiteral("Zoeken op"), searchPanel_));
    searchColumn_ = new QButtonGroup(searchPanel_);
    auto* byNumber = new QRadioButton(QStringLiteral("ClubNr."), searchPanel_);
    auto* byName = new QRadioButton(QStringLiteral("Naam"), searchPanel_);
    byName->setChecked(true);
    searchColumn_->addButton(byNumber, 1);
    searchColumn_->addButton(byName, 4);
    search->addWidget(byNumber);
    search->addWidget(byName);
    searchEdit_ = new QLineEdit(searchPanel_);
    searchEdit_->setObjectName(QStringLiteral("SearchEdit"));
    search->addWidget(searchEdit_, 1);
    searchPanel_->hide();
    panel->addWidget(searchPanel_);
    connect(searchEdit_, &QLineEdit::textChanged, this, &TClubWindow::onSearchTextChanged);
    connect(searchEdit_, &QLineEdit::returnPressed, this, &TClubWindow::closeSearch);
    // Escape anywhere in the panel closes it as Enter does.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), searchPanel_);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, &TClubWindow::closeSearch);
    connect(searchColumn_, &QButtonGroup::idClicked, this, [this](int) {
        searchEdit_->clear();
        searchEdit_->setFocus();
    });

    layout->addWidget(pairPanel_, 1);
    setCentralWidget(central);

    connect(grid_, &PairGrid::saveRequested, this, &TClubWindow::onSave);
    connect(grid_, &PairGrid::sortGroupRequested, this, &TClubWindow::onSortCurrentGroup);
    connect(grid_, &PairGrid::insertRequested, this, &TClubWindow::onInsertPair);
    connect(grid_, &PairGrid::deleteRequested, this, &TClubWindow::onDeletePair);
    connect(grid_, &PairGrid::pageRequested, this, &TClubWindow::onPage);
    connect(grid_, &PairGrid::rowMoved, this, &TClubWindow::onRowMoved);
    connect(grid_, &QTableWidget::cellClicked, this, &TClubWindow::onGridCellClicked);
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int, int column) { clubNrLabel_->setVisible(column == PairGrid::ClubNrColumn); });
    connect(grid_, &PairGrid::editPairRequested, this, &TClubWindow::onEditPair);
    grid_->setFieldCheck([this](int pair, velk::PairField field, const std::string& typed) {
        return checkTypedField(pair, field, typed);
    });
}

void TClubWindow::buildStatusBar() {
    const char* names[5] = {"StatusHint", "StatusFile", "StatusDate", "StatusTime", "StatusFree"};
    for (int i = 0; i < 5; ++i) {
        statusPanels_[i] = new QLabel(this);
        statusPanels_[i]->setObjectName(QString::fromLatin1(names[i]));
        statusBar()->addWidget(statusPanels_[i], i == 0 ? 3 : (i == 1 ? 2 : 1));
    }
    clockTimer_ = new QTimer(this);
    connect(clockTimer_, &QTimer::timeout, this, &TClubWindow::tick);
    clockTimer_->start(1000);
    tick();
    updateStatus();
}

bool TClubWindow::event(QEvent* e) {
    // Hints of menus and buttons go to the first panel, which stays beside the others.
    if (e->type() == QEvent::StatusTip) {
        statusPanels_[0]->setText(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

void TClubWindow::tick() {
    const velk::DateTime now = clock_.now();
    statusPanels_[3]->setText(QStringLiteral("Tijd: %1:%2:%3")
                                  .arg(now.hour, 2, 10, QLatin1Char('0'))
                                  .arg(now.minute, 2, 10, QLatin1Char('0'))
                                  .arg(now.second, 2, 10, QLatin1Char('0')));
}

void TClubWindow::updateStatus() {
    statusPanels_[1]->setText(QStringLiteral("Bestand: ") + QString::fromStdString(club_.ClubFileName));
    statusPanels_[2]->setText(QString::fromStdString(club_.TodayText));
}

void TClubWindow::updateCompetitionLine() {
    competitionLabel_->setText(QString::fromStdString(file_.competitionLine()));
}

void TClubWindow::applyState() {
    const bool open = state_ != FileState::NoFile;
    applyMenuState();
    pairPanel_->setVisible(open && pairWindowVisible_);
    competitionLabel_->setVisible(open && action("CompetitionLine")->isChecked());
    const bool groups = club_.CompetitionHead.GroupCount >= 2;
    groupPlus_->setVisible(groups);
    groupMinus_->setVisible(groups);
    updateStatus();
    if (open)
        updateCompetitionLine();
}

void TClubWindow::trackWindow(QWidget* window, const QString& name, int tag, const QString& hint) {
    if (childWindows_.contains(window))
        return;
    childWindows_.insert(window, ChildWindow{name, tag, hint, nullptr});
    window->installEventFilter(this);
    connect(window, &QObject::destroyed, this, [this, window] {
        removeWindowItem(window);
        childWindows_.remove(window);
    });
    if (window->isVisible())
        addWindowItem(window);
}

bool TClubWindow::eventFilter(QObject* watched, QEvent* event) {
    // A menu shows no hint for a greyed item by itself: the reason it is greyed goes to the
    // status bar when the mouse is on it.
    if (auto* menu = qobject_cast<QMenu*>(watched); menu && event->type() == QEvent::MouseMove) {
        QAction* item = menu->actionAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (item && !item->isEnabled() && !item->statusTip().isEmpty())
            item->showStatusText(this);
    }
    auto* window = qobject_cast<QWidget*>(watched);
    if (window && childWindows_.contains(window)) {
        if (event->type() == QEvent::Show) {
            addWindowItem(window);
        } else if (event->type() == QEvent::Hide) {
            removeWindowItem(window);
            // What the window changed shows in the line and the menus.
            applyState();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TClubWindow::addWindowItem(QWidget* window) {
    ChildWindow& child = childWindows_[window];
    if (child.item)
        return;
    QAction* a = viewMenu_->addAction(child.name);
    a->setObjectName(QStringLiteral("Beeld_") + window->objectName());
    a->setData(child.tag);
    a->setStatusTip(child.hint);
    connect(a, &QAction::triggered, this, [window] {
        if (window->isVisible()) {
            window->raise();
            window->activateWindow();
        } else {
            window->close();
        }
    });
    child.item = a;
}

void TClubWindow::removeWindowItem(QWidget* window) {
    auto found = childWindows_.find(window);
    if (found == childWindows_.end() || !found->item)
        return;
    viewMenu_->removeAction(found->item);
    found->item->deleteLater();
    found->item = nullptr;
}

bool TClubWindow::hasUnsavedChanges() {
    copyGridToRecords();
    return file_.hasUnsavedChanges();
}

void TClubWindow::closeEvent(QCloseEvent* event) {
    if (state_ != FileState::NoFile && hasUnsavedChanges() &&
        dialogs_.askYesNo("Bestand nog redden\r gebruik dan <Sluit>")) {
        event->ignore();
        return;
    }
    stopTables();
    event->accept();
}

void TClubWindow::onToggleCompetitionLine() {
    competitionLabel_->setVisible(action("CompetitionLine")->isChecked());
}

void TClubWindow::onToggleMaximised() {
    QAction* a = action("Maximise");
    if (isMaximized()) {
        showNormal();
        a->setText(QStringLiteral("Maximaal scherm"));
    } else {
        showMaximized();
        a->setText(QStringLiteral("Normaal scherm"));
    }
}
