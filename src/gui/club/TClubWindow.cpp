#include "gui/club/TClubWindow.h"

#include "club/CompetitionData.h"
#include "gui/club/PairGrid.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDateTime>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

TClubWindow::TClubWindow(velk::Dialogs& dialogs, const velk::Clock& clock, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), clock_(clock), companions_(dialogs),
      file_(club_, dialogs, clock) {
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

TClubWindow::~TClubWindow() = default;

QAction* TClubWindow::addItem(QMenu* menu, const QString& caption, const QString& name,
                              void (TClubWindow::*slot)(), const QString& hint) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    if (!hint.isEmpty())
        a->setStatusTip(hint);
    if (slot)
        connect(a, &QAction::triggered, this, slot);
    else
        a->setEnabled(false); // its window comes with a later release
    actions_.insert(name, a);
    return a;
}

void TClubWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    QMenu* file = bar->addMenu(QStringLiteral("&Bestand"));
    addItem(file, QStringLiteral("&Nieuwe Competitie"), "NewCompetition", &TClubWindow::onNewCompetition,
            QStringLiteral("Maak een nieuw competitiebestand"));
    addItem(file, QStringLiteral("Nieuwe Comp.Zitting"), "NewSession", &TClubWindow::onNewSession,
            QStringLiteral("Nieuwe zitting van de competitie"));
    addItem(file, QStringLiteral("Nieuwe Drive/Zitring"), "NewDrive", &TClubWindow::onNewDrive,
            QStringLiteral("Maak een nieuw bestand voor een drive of zitting"));
    addItem(file, QStringLiteral("&Openen"), "Open", &TClubWindow::onOpen,
            QStringLiteral("Open een Bridgebestand"));
    addItem(file, QStringLiteral("&Bewaren"), "Save", &TClubWindow::onSave,
            QStringLiteral("Bewaar het Bridgebestand"));
    addItem(file, QStringLiteral("Bewaren &als..."), "SaveAs", &TClubWindow::onSaveAs,
            QStringLiteral("Bewaar het Bridgebestand onder een andere naam"));
    addItem(file, QStringLiteral("&Clubdata"), "ClubData", &TClubWindow::onClubData,
            QStringLiteral("Competitie gegevens wijzigen"));
    addItem(file, QStringLiteral("&Volgende Competitie"), "NextCompetition", &TClubWindow::onNextCompetition,
            QStringLiteral("Promotie en degradatie, volgende competitie"));
    addItem(file, QStringLiteral("&Importeren"), "Import", &TClubWindow::onImport,
            QStringLiteral("Importeren van alle Velk bestanden"));
    addItem(file, QStringLiteral("E&xporteren"), "Export", &TClubWindow::onExport,
            QStringLiteral("Exporteren van alle Velk bestanden"));
    addItem(file, QStringLiteral("&Afdrukken Clublijst"), "PrintClubList", &TClubWindow::onPrintClubList,
            QStringLiteral("Afdrukken van de parenlijst"));
    file->addSeparator();
    addItem(file, QStringLiteral("&Einde"), "Quit", &TClubWindow::onQuit, QStringLiteral("Einde programma"));

    QMenu* edit = bar->addMenu(QStringLiteral("Be&werken"));
    addItem(edit, QStringLiteral("&Toevoegen"), "InsertPair", &TClubWindow::onInsertPair,
            QStringLiteral("Paar toevoegen"));
    addItem(edit, QStringLiteral("&Verwijderen"), "DeletePair", &TClubWindow::onDeletePair,
            QStringLiteral("Paar verwijderen"));
    addItem(edit, QStringLiteral("&Sorteren"), "SortPairs", &TClubWindow::onSortPairs,
            QStringLiteral("Sorteren van de paren"));
    addItem(edit, QStringLiteral("&Zoeken"), "Search", &TClubWindow::onSearch,
            QStringLiteral("Zoeken van een paar"));
    addItem(edit, QStringLiteral("&Verplaatsen"), "MoveHelp", &TClubWindow::onMoveHelp,
            QStringLiteral("Verplaatsen van een paar"));

    QMenu* session = bar->addMenu(QStringLiteral("&Zitting"));
    addItem(session, QStringLiteral("&Kiezen"), "ChooseSession", &TClubWindow::onChooseSession,
            QStringLiteral("Kies een zitting"));
    addItem(session, QStringLiteral("Openen"), "OpenPoints", nullptr, QStringLiteral("Punten en invallers"));
    addItem(session, QStringLiteral("&Corrigeren"), "Correct", nullptr,
            QStringLiteral("Procenten corrigeren"));
    addItem(session, QStringLiteral("&Verwijderen"), "DeleteSession", &TClubWindow::onDeleteSession,
            QStringLiteral("Verwijder de laatste zitting"));
    addItem(session, QStringLiteral("&Rangorde in 'Lijnen'"), "TwoLines", &TClubWindow::onTwoLines,
            QStringLiteral("Rangorde in twee lijnen (NZ en OW)"));

    QMenu* schedules = bar->addMenu(QStringLiteral("&Schema's"));
    addItem(schedules, QStringLiteral("Schema &Lezen"), "ReadSchedule", &TClubWindow::onReadSchedule,
            QStringLiteral("Lees een schema voor de groepen van de zitting"));
    addItem(schedules, QStringLiteral("Schema &Nieuw/Wijzigen "), "EditSchedule",
            &TClubWindow::onEditSchedule);
    addItem(schedules, QStringLiteral("Schema &Uitvoer"), "ScheduleOutput");
    addItem(schedules, QStringLiteral("Schema Vernummeren"), "RenumberSchedule",
            &TClubWindow::onRenumberSchedule);
    addItem(schedules, QStringLiteral("Schema &Samenstellen"), "ComposeScheduleHelp",
            &TClubWindow::onComposeScheduleHelp);

    QMenu* scores = bar->addMenu(QStringLiteral("S&cores"));
    QMenu* entry = scores->addMenu(QStringLiteral("&Invoer"));
    addItem(entry, QStringLiteral("per spel met schema"), "ScoreEntryPerBoard");
    addItem(entry, QStringLiteral("per ronde met schema"), "ScoreEntryPerRound");
    addItem(scores, QStringLiteral("&Uitvoer"), "ScoreOutput");
    addItem(scores, QStringLiteral("Verwerken M.P.in Competitie"), "CopyMatchPoints",
            &TClubWindow::onCopyMatchPoints, QStringLiteral("Matchpunten van de zitting in de competitie"));
    addItem(scores, QStringLiteral("Kopie  M.P naar andere &Groep"), "CopyGroupScores",
            &TClubWindow::onCopyGroupScores, QStringLiteral("Scores van een groep naar een andere groep"));
    addItem(scores, QStringLiteral("Verificatie Slem's"), "SlamCheck");
    QMenu* data = scores->addMenu(QStringLiteral("Score &Data"));
    addItem(data, QStringLiteral("&Alle Scores bestand"), "ScoreTableList");
    addItem(data, QStringLiteral("Arbittraal Scores"), "ArbitralScoreList");
    addItem(data, QStringLiteral("Contract / Score bestand"), "ContractScoreList");

    QMenu* output = bar->addMenu(QStringLiteral("&Uitvoer"));
    addItem(output, QStringLiteral("&Punten"), "OutputPoints");
    addItem(output, QStringLiteral("P&rocenten"), "OutputPercentages");
    addItem(output, QStringLiteral("&Matchpunten"), "OutputMatchPoints");
    addItem(output, QStringLiteral("Frequentie staten"), "OutputFrequencies");
    addItem(output, QStringLiteral("&Totalen Competities"), "OutputTotals");
    addItem(output, QStringLiteral("Totaal aantal Slems"), "OutputSlams");
    addItem(output, QStringLiteral("P&aren"), "OutputPairs");

    viewMenu_ = bar->addMenu(QStringLiteral("Beel&d"));
    QAction* line =
        addItem(viewMenu_, QStringLiteral("Zittingparameters"), "CompetitionLine",
                &TClubWindow::onToggleCompetitionLine, QStringLiteral("Toon de zittingparameters"));
    line->setCheckable(true);
    addItem(viewMenu_, QStringLiteral("Maximaal scherm"), "Maximise", &TClubWindow::onToggleMaximised,
            QStringLiteral("Maximaal of normaal scherm"));
    viewMenu_->addSeparator();

    QMenu* options = bar->addMenu(QStringLiteral("&Opties"));
    addItem(options, QStringLiteral("Lettertype"), "ScreenFont", &TClubWindow::onScreenFont,
            QStringLiteral("Lettertype van het scherm"));
    addItem(options, QStringLiteral("Persoon&Gegevens"), "OptionsPersonal");
    addItem(options, QStringLiteral("&PrintOpties"), "OptionsPrint");
    addItem(options, QStringLiteral("Slembonus"), "OptionsSlamBonus");
    addItem(options, QStringLiteral("&Instellingen"), "OptionsSettings");

    QMenu* db = bar->addMenu(QStringLiteral("&Databeheer"));
    QMenu* members = db->addMenu(QStringLiteral("Club Leden"));
    addItem(members, QStringLiteral("Nieuw"), "MembersNew");
    addItem(members, QStringLiteral("Openen"), "MembersOpen");
    addItem(db, QStringLiteral("Paren Samenstellen"), "ComposePairs");
    addItem(db, QStringLiteral("Kaartix  Scores"), "ImportScores");
    addItem(db, QStringLiteral("Kaartixleden"), "ImportMembers");

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    addItem(help, QStringLiteral("Gebruik Help"), "HelpUse");
    addItem(help, QStringLiteral("Inhoud Help"), "HelpContents");
    addItem(help, QStringLiteral("Zoeken in Help"), "HelpSearch");
    addItem(help, QStringLiteral("&Gebruik VELK"), "HelpVelk");
    addItem(help, QStringLiteral("Calculator"), "Calculator");
    addItem(help, QStringLiteral("&Info"), "About", &TClubWindow::onAbout, QStringLiteral("Over Velk"));
}

void TClubWindow::buildToolBar() {
    QToolBar* tools = addToolBar(QStringLiteral("Knoppen"));
    tools->setObjectName(QStringLiteral("ToolBar"));
    tools->setMovable(false);
    auto button = [&](const QString& name, QStyle::StandardPixmap icon, const QString& hint,
                      void (TClubWindow::*slot)()) {
        QAction* a = tools->addAction(style()->standardIcon(icon), hint);
        a->setObjectName(name);
        a->setStatusTip(hint);
        connect(a, &QAction::triggered, this, slot);
        actions_.insert(name, a);
        return a;
    };
    button("NewSpdBtn", QStyle::SP_FileIcon, QStringLiteral("Nieuw bestand"), &TClubWindow::onNewAsk);
    button("OpenSpdBtn", QStyle::SP_DialogOpenButton, QStringLiteral("Openen"), &TClubWindow::onOpen);
    button("SaveSpdBtn", QStyle::SP_DialogSaveButton, QStringLiteral("Bewaren"), &TClubWindow::onSave);
    button("SaveAsSpdBtn", QStyle::SP_DriveFDIcon, QStringLiteral("Bewaren als"), &TClubWindow::onSaveAs);
    button("PrintSpdBtn", QStyle::SP_FileDialogDetailedView, QStringLiteral("Afdrukken Clublijst"),
           &TClubWindow::onPrintClubList);
    button("SearchSpdBtn", QStyle::SP_FileDialogContentsView, QStringLiteral("Zoeken"),
           &TClubWindow::onSearch);
    button("SortSpdBtn", QStyle::SP_ArrowDown, QStringLiteral("Sorteren"), &TClubWindow::onSortPairs);
    button("SluitSpdBtn", QStyle::SP_DialogCloseButton, QStringLiteral("Sluiten met bewaren"),
           &TClubWindow::onClose);
    button("SchrapSpdBtn", QStyle::SP_TitleBarShadeButton, QStringLiteral("Sluiten van Parenvenster"),
           &TClubWindow::onTogglePairWindow);
    tools->addSeparator();
    button("NewSessionSpdBtn", QStyle::SP_FileDialogNewFolder, QStringLiteral("Nieuwe zitting"),
           &TClubWindow::onNewSession);
    QAction* points =
        tools->addAction(style()->standardIcon(QStyle::SP_DirOpenIcon), QStringLiteral("Zitting openen"));
    points->setObjectName(QStringLiteral("OpenSessionSpdBtn"));
    points->setEnabled(false);
    actions_.insert(points->objectName(), points);
    button("ChooseSessionSpdBtn", QStyle::SP_FileDialogListView, QStringLiteral("Kies zitting"),
           &TClubWindow::onChooseSession);
    QAction* correct =
        tools->addAction(style()->standardIcon(QStyle::SP_BrowserReload), QStringLiteral("Corrigeren"));
    correct->setObjectName(QStringLiteral("CorrectSpdBtn"));
    correct->setEnabled(false);
    actions_.insert(correct->objectName(), correct);
    button("DeleteSessionSpdBtn", QStyle::SP_TrashIcon, QStringLiteral("Verwijder laatste zitting"),
           &TClubWindow::onDeleteSession);
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
    connect(searchEdit_, &QLineEdit::returnPressed, this, [this] {
        searchPanel_->hide();
        grid_->setFocus();
    });
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
    connect(grid_, &PairGrid::keyPressed, this, [this] { dirtyFlag_ = false; });
    connect(grid_, &PairGrid::rowMoved, this, &TClubWindow::onRowMoved);
    connect(grid_, &QTableWidget::cellClicked, this, &TClubWindow::onGridCellClicked);
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
    static const char* const alwaysOn[] = {"NewCompetition", "NewDrive",  "Open",       "Import",    "Quit",
                                           "About",          "NewSpdBtn", "OpenSpdBtn", "ScreenFont"};
    static const char* const fileItems[] = {"NewSession",
                                            "Save",
                                            "SaveAs",
                                            "ClubData",
                                            "NextCompetition",
                                            "Export",
                                            "PrintClubList",
                                            "InsertPair",
                                            "DeletePair",
                                            "SortPairs",
                                            "Search",
                                            "MoveHelp",
                                            "ChooseSession",
                                            "DeleteSession",
                                            "TwoLines",
                                            "SaveSpdBtn",
                                            "SaveAsSpdBtn",
                                            "PrintSpdBtn",
                                            "SearchSpdBtn",
                                            "SortSpdBtn",
                                            "SluitSpdBtn",
                                            "SchrapSpdBtn",
                                            "NewSessionSpdBtn",
                                            "ChooseSessionSpdBtn",
                                            "DeleteSessionSpdBtn",
                                            "CompetitionLine",
                                            "ReadSchedule",
                                            "RenumberSchedule",
                                            "CopyMatchPoints",
                                            "CopyGroupScores"};
    for (const char* name : alwaysOn)
        if (QAction* a = actions_.value(QString::fromLatin1(name)))
            a->setEnabled(true);
    for (const char* name : fileItems)
        if (QAction* a = actions_.value(QString::fromLatin1(name)))
            a->setEnabled(open);
    // New and open wait until the open file is closed.
    for (const char* name : {"NewCompetition", "NewDrive", "Open", "NewSpdBtn", "OpenSpdBtn"})
        actions_.value(QString::fromLatin1(name))->setEnabled(!open);
    const bool canAddSession = open && club_.IsCompetition &&
                               club_.SessionCount() < club_.CompetitionHead.SessionsPerCompetition &&
                               state_ != FileState::Wizard;
    actions_.value("NewSession")->setEnabled(canAddSession);
    actions_.value("NewSessionSpdBtn")->setEnabled(canAddSession);
    actions_.value("NextCompetition")
        ->setEnabled(open && club_.IsCompetition && state_ == FileState::Open &&
                     club_.SessionCount() >= club_.CompetitionHead.SessionsPerCompetition);
    actions_.value("ChooseSession")
        ->setText(state_ == FileState::Wizard ? QStringLiteral("&Select data") : QStringLiteral("&Kiezen"));
    QAction* totals = actions_.value("OutputTotals");
    if (open && club_.CompetitionHead.CalcMethod == velk::CalcTopIntegral) {
        totals->setText(QStringLiteral("&Totaal Topintegraal"));
        totals->setStatusTip(QStringLiteral("Uitslag TopIntegraal op rangorde"));
    } else if (open) {
        totals->setText(QStringLiteral("&Totalen van Competities"));
        totals->setStatusTip(QStringLiteral("Overzicht van jaartotaal"));
    }
    pairPanel_->setVisible(open && pairWindowVisible_);
    competitionLabel_->setVisible(open && actions_.value("CompetitionLine")->isChecked());
    const bool groups = club_.CompetitionHead.GroupCount >= 2;
    groupPlus_->setVisible(groups);
    groupMinus_->setVisible(groups);
    updateStatus();
    if (open)
        updateCompetitionLine();
}

void TClubWindow::addWindowItem(QWidget* window, const QString& name, int tag, const QString& hint) {
    if (windowItems_.contains(window))
        return;
    QAction* a = viewMenu_->addAction(name);
    a->setData(tag);
    a->setStatusTip(hint);
    connect(a, &QAction::triggered, this, [window] {
        if (window->isVisible())
            window->activateWindow();
        else
            window->close();
    });
    windowItems_.insert(window, a);
}

void TClubWindow::removeWindowItem(QWidget* window) {
    if (QAction* a = windowItems_.take(window)) {
        viewMenu_->removeAction(a);
        a->deleteLater();
    }
}

void TClubWindow::closeEvent(QCloseEvent* event) {
    if (state_ != FileState::NoFile && !dirtyFlag_ &&
        dialogs_.askYesNo("Bestand nog redden\r gebruik dan <Sluit>")) {
        event->ignore();
        return;
    }
    event->accept();
}

void TClubWindow::onToggleCompetitionLine() {
    competitionLabel_->setVisible(actions_.value("CompetitionLine")->isChecked());
}

void TClubWindow::onToggleMaximised() {
    QAction* a = actions_.value("Maximise");
    if (isMaximized()) {
        showNormal();
        a->setText(QStringLiteral("Maximaal scherm"));
    } else {
        showMaximized();
        a->setText(QStringLiteral("Normaal scherm"));
    }
}
