// The main window's menus and tool bar: one table of every item with its place, handler, hint and
// availability; the menus, the buttons and their enabled state are built from it.
#include "gui/club/TClubWindowMenus.h"

#include "gui/club/TClubWindow.h"
#include "reports/ReportWriters.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <cstring>
#include <map>

namespace {

using W = TClubWindow;
using A = Availability;
using Kind = MenuEntry::Kind;

struct Place {
    const char* menu;
    const char* submenu = nullptr;
};
constexpr Place kFile{"&Bestand"};
constexpr Place kEdit{"Be&werken"};
constexpr Place kSession{"&Zitting"};
constexpr Place kSchedules{"&Schema's"};
constexpr Place kScores{"S&cores"};
constexpr Place kScoreEntry{"S&cores", "&Invoer"};
constexpr Place kScoreData{"S&cores", "Score &Data"};
constexpr Place kScheduleOutput{"&Schema's", "Schema &Uitvoer"};
constexpr Place kScoreOutput{"S&cores", "&Uitvoer"};
constexpr Place kOutput{"&Uitvoer"};
constexpr Place kPoints{"&Uitvoer", "&Punten"};
constexpr Place kPercentages{"&Uitvoer", "P&rocenten"};
constexpr Place kMatchPoints{"&Uitvoer", "&Matchpunten"};
constexpr Place kTotals{"&Uitvoer", "&Totalen Competities"};
// Open child windows add themselves below this menu's items.
constexpr Place kView{"Beel&d"};
constexpr Place kOptions{"&Opties"};
constexpr Place kData{"&Databeheer"};
constexpr Place kMembers{"&Databeheer", "Club Leden"};
constexpr Place kHelp{"&Help"};

constexpr const char* kNotYetBuilt = "Nog niet beschikbaar in deze versie";
constexpr const char* kResultWindowOpen = "Niet beschikbaar zolang het uitslagvenster open is";
constexpr const char* kScoreWindowOpen = "Niet beschikbaar zolang het scorevenster open is";
constexpr const char* kTablesRunning = "Niet beschikbaar zolang de tafelserver draait";

constexpr MenuEntry Item(Place place, const char* caption, const char* name, MenuEntry::Handler handler,
                         const char* hint, Availability availability,
                         MenuEntry::Condition condition = nullptr) {
    MenuEntry entry;
    entry.menu = place.menu;
    entry.submenu = place.submenu;
    entry.caption = caption;
    entry.name = name;
    entry.handler = handler;
    entry.hint = hint;
    entry.availability = availability;
    entry.condition = condition;
    return entry;
}
// An item whose window comes with a later release.
constexpr MenuEntry Later(Place place, const char* caption, const char* name, const char* hint = nullptr) {
    return Item(place, caption, name, nullptr, hint, A::NotYetBuilt);
}
// An item that opens report `kind` in the result window.
constexpr MenuEntry Report(Place place, const char* caption, const char* name, MenuEntry::Handler handler,
                           int kind, const char* hint = nullptr, Availability availability = A::WithFile) {
    MenuEntry entry = Item(place, caption, name, handler, hint, availability, &W::resultWindowClosed);
    entry.report = kind;
    return entry;
}
constexpr MenuEntry Checkable(MenuEntry entry) {
    entry.checkable = true;
    return entry;
}
constexpr MenuEntry Separator(Place place) {
    MenuEntry entry;
    entry.kind = Kind::Separator;
    entry.menu = place.menu;
    entry.submenu = place.submenu;
    return entry;
}
constexpr MenuEntry Button(QStyle::StandardPixmap icon, const char* text, const char* name,
                           MenuEntry::Handler handler, Availability availability) {
    MenuEntry entry;
    entry.kind = Kind::Button;
    entry.caption = text;
    entry.name = name;
    entry.handler = handler;
    entry.hint = text;
    entry.availability = availability;
    entry.icon = icon;
    return entry;
}
// A button that repeats the menu item `mirrors`.
constexpr MenuEntry Mirror(QStyle::StandardPixmap icon, const char* text, const char* name,
                           const char* mirrors) {
    MenuEntry entry = Button(icon, text, name, nullptr, A::Always);
    entry.mirrors = mirrors;
    return entry;
}
constexpr MenuEntry ButtonSeparator() {
    MenuEntry entry;
    entry.kind = Kind::ButtonSeparator;
    return entry;
}

QString Text(const char* text) {
    return text ? QString::fromUtf8(text) : QString();
}

} // namespace

std::span<const MenuEntry> TClubWindow::menuTable() {
    static const MenuEntry table[] = {
        Item(kFile, "&Nieuwe Competitie", "NewCompetition", &W::onNewCompetition,
             "Maak een nieuw competitiebestand", A::WithoutFile),
        Item(kFile, "Nieuwe Comp.Zitting", "NewSession", &W::onNewSession, "Nieuwe zitting van de competitie",
             A::WithFile, &W::canAddSession),
        Item(kFile, "Nieuwe Drive/Zitring", "NewDrive", &W::onNewDrive,
             "Maak een nieuw bestand voor een drive of zitting", A::WithoutFile),
        Item(kFile, "&Openen", "Open", &W::onOpen, "Open een Bridgebestand", A::WithoutFile),
        Item(kFile, "&Bewaren", "Save", &W::onSave, "Bewaar het Bridgebestand", A::WithFile),
        Item(kFile, "Bewaren &als...", "SaveAs", &W::onSaveAs,
             "Bewaar het Bridgebestand onder een andere naam", A::WithFile),
        Item(kFile, "&Clubdata", "ClubData", &W::onClubData, "Competitie gegevens wijzigen", A::WithFile),
        Item(kFile, "&Volgende Competitie", "NextCompetition", &W::onNextCompetition,
             "Promotie en degradatie, volgende competitie", A::WithFile, &W::competitionComplete),
        Item(kFile, "&Importeren", "Import", &W::onImport, "Importeren van alle Velk bestanden", A::Always),
        Item(kFile, "E&xporteren", "Export", &W::onExport, "Exporteren van alle Velk bestanden", A::WithFile),
        Item(kFile, "&Afdrukken Clublijst", "PrintClubList", &W::onPrintClubList,
             "Afdrukken van de parenlijst", A::WithFile),
        Separator(kFile),
        Item(kFile, "&Einde", "Quit", &W::onQuit, "Einde programma", A::Always),

        Item(kEdit, "&Toevoegen", "InsertPair", &W::onInsertPair, "Paar toevoegen", A::WithFile),
        Item(kEdit, "&Verwijderen", "DeletePair", &W::onDeletePair, "Paar verwijderen", A::WithFile),
        Item(kEdit, "&Sorteren", "SortPairs", &W::onSortPairs, "Sorteren van de paren", A::WithFile),
        Item(kEdit, "&Zoeken", "Search", &W::onSearch, "Zoeken van een paar", A::WithFile),
        Item(kEdit, "&Verplaatsen", "MoveHelp", &W::onMoveHelp, "Verplaatsen van een paar", A::WithFile),

        Item(kSession, "&Kiezen", "ChooseSession", &W::onChooseSession, "Kies een zitting", A::WithFile),
        Item(kSession, "Openen", "OpenPoints", &W::onOpenPoints, "Punten en invallers", A::WithSession,
             &W::scoreEntryClosed),
        Item(kSession, "&Corrigeren", "Correct", &W::onCorrect, "Procenten corrigeren", A::WithSession,
             &W::scoreEntryClosed),
        Item(kSession, "&Verwijderen", "DeleteSession", &W::onDeleteSession, "Verwijder de laatste zitting",
             A::WithFile, &W::tablesStopped),
        Item(kSession, "&Rangorde in 'Lijnen'", "TwoLines", &W::onTwoLines,
             "Rangorde in twee lijnen (NZ en OW)", A::WithFile),

        Item(kSchedules, "Schema &Lezen", "ReadSchedule", &W::onReadSchedule,
             "Lees een schema voor de groepen van de zitting", A::WithFile, &W::tablesStopped),
        Item(kSchedules, "Schema &Nieuw/Wijzigen ", "EditSchedule", &W::onEditSchedule, nullptr, A::Always),
        Report(kScheduleOutput, "&GidsBriefjes", "GidsBriefjes", &W::onReport<11>, 11),
        Report(kScheduleOutput, "&StartPosities", "StartPosities", &W::onReport<12>, 12),
        Report(kScheduleOutput, "Schema per &Ronde", "SchemaPerRonde", &W::onReport<13>, 13),
        Report(kScheduleOutput, "Schema per &Tafel", "SchemaPerTafel", &W::onReport<14>, 14),
        Report(kScheduleOutput, "&Compleet schema", "CompleetSchema", &W::onReport<15>, 15),
        Report(kScheduleOutput, "&N Z-spelers", "NZSpelers", &W::onReport<16>, 16),
        Report(kScheduleOutput, "&Ontmoetingen", "Ontmoetingen", &W::onReport<18>, 18),
        Item(kSchedules, "Schema Vernummeren", "RenumberSchedule", &W::onRenumberSchedule, nullptr,
             A::WithFile, &W::tablesStopped),
        Item(kSchedules, "Schema &Samenstellen", "ComposeScheduleHelp", &W::onComposeScheduleHelp, nullptr,
             A::Always),

        Item(kScoreEntry, "per spel met schema", "ScoreEntryPerBoard", &W::onScoreEntryPerBoard,
             "Scores invoeren per spel", A::WithFile, &W::scoreEntryClosed),
        Item(kScoreEntry, "per ronde met schema", "ScoreEntryPerRound", &W::onScoreEntryPerRound,
             "Scores invoeren per tafel", A::WithFile, &W::scoreEntryClosed),
        Report(kScoreOutput, "spelllen", "spellen1", &W::onReport<21>, 21),
        Report(kScoreOutput, "paren", "paren1", &W::onReport<23>, 23),
        Report(kScoreOutput, "arbitrale scores", "ArbitraleScores", &W::onReport<24>, 24),
        Report(kScoreOutput, "blanco scores", "BlancoScores", &W::onReport<25>, 25),
        Report(kScoreOutput, "fragment. scores", "FragmentScores", &W::onReport<26>, 26),
        Report(kScoreOutput, "draaiborden", "Draaiborden", &W::onReport<27>, 27),
        Report(kScoreOutput, "verdachte scores ", "VerdachteScores", &W::onReport<28>, 28),
        Report(kScoreOutput, "afwijkend kwetsb.", "AfwijkendKwetsb", &W::onReport<29>, 29),
        Item(kScores, "&Verwerken M.P.in Competitie", "CopyMatchPoints", &W::onCopyMatchPoints,
             "Matchpunten van de zitting in de competitie", A::WithFile),
        Item(kScores, "Kopie  M.P naar andere &Groep", "CopyGroupScores", &W::onCopyGroupScores,
             "Scores van een groep naar een andere groep", A::WithFile),
        Item(kScores, "Verificatie Slem's", "SlamCheck", &W::onSlamCheck, "Controle van de slemcontracten",
             A::WithSession, &W::scoreEntryClosed),
        Item(kScores, "Tafels (telefoon)…", "Tafels", &W::onTables,
             "Scores van de tafels per telefoon invoeren", A::WithSession, &W::scoreEntryClosed),
        Report(kScoreData, "&Alle Scores bestand", "ScoreTableList", &W::onReport<41>, 41, nullptr,
               A::Always),
        Report(kScoreData, "Arbittraal Scores", "ArbitralScoreList", &W::onReport<42>, 42, nullptr,
               A::Always),
        Report(kScoreData, "Contract / Score bestand", "ContractScoreList", &W::onReport<43>, 43, nullptr,
               A::Always),

        Report(kPoints, "Sorteer op GroepNr", "Sor1", &W::onReport<1>, 1, "Punten van de zitting op nummer"),
        Report(kPoints, "Sorteer op Rang", "SorteeropRangorde1", &W::onReport<2>, 2,
               "Punten van de zitting op rangorde"),
        Report(kPercentages, "Sorteer op GroepNr.", "SorteeropClubNr1", &W::onReport<3>, 3,
               "Procenten van de zitting op nummer"),
        Report(kPercentages, "Sorteer op Rang", "SorteeropRangorde2", &W::onReport<4>, 4,
               "Procenten van de zitting op rangorde"),
        Report(kMatchPoints, "Tellijsten", "Tellijsten", &W::onReport<31>, 31),
        Report(kMatchPoints, "M.P.'n per paar", "MPPerPaar", &W::onReport<32>, 32),
        Report(kMatchPoints, "M.P.'n totaal per paar", "MPTotaalPerPaar", &W::onReport<33>, 33),
        Report(kMatchPoints, "M.P.'n per spel", "MPPerSpel", &W::onReport<34>, 34),
        Report(kMatchPoints, "M.P.'n alle paren", "MPAlleParen", &W::onReport<37>, 37,
               "Kopieert Matchpunten oor ALLE paren naar HTML bestand"),
        Report(kOutput, "Frequentie staten", "OutputFrequencies", &W::onReport<35>, 35),
        Report(kOutput, "Spelverdeling", "OutputHands", &W::onReport<44>, 44,
               "Spelverdelingen, dubbel-dummy en par met de resultaten per spel"),
        Report(kTotals, "Sorteer op ClubNummer", "Sortopclubnum", &W::onReport<5>, 5),
        Report(kTotals, "Sorteer op Plaats", "Sortopplaats", &W::onReport<6>, 6),
        Report(kTotals, "ZomerDrives", "ZomerDrive", &W::onReport<17>, 17),
        Report(kOutput, "Totaal aantal Slems", "OutputSlams", &W::onReport<20>, 20),
        Report(kOutput, "P&aren", "OutputPairs", &W::onReport<7>, 7, "Lijst van de paren"),
        Item(kOutput, "Publiceren als website…", "PublishSite", &W::onPublishSite,
             "De uitslag van de zitting als website, met de spellen, de paren en het seizoen",
             A::WithSession),

        Checkable(Item(kView, "Zittingparameters", "CompetitionLine", &W::onToggleCompetitionLine,
                       "Toon de zittingparameters", A::WithFile)),
        Item(kView, "Maximaal scherm", "Maximise", &W::onToggleMaximised, "Maximaal of normaal scherm",
             A::Always),
        Separator(kView),

        Item(kOptions, "Lettertype", "ScreenFont", &W::onScreenFont, "Lettertype van het scherm", A::Always),
        Item(kOptions, "Persoon&Gegevens", "OptionsPersonal", &W::onOptionsPersonal,
             "Gegevens van de eigenaar, afgedrukt bij de overzichten", A::Always),
        Item(kOptions, "&PrintOpties", "OptionsPrint", &W::onOptionsPrint, "Marges, printer en lettertype",
             A::Always),
        Item(kOptions, "Slembonus", "OptionsSlamBonus", &W::onOptionsSlamBonus,
             "Punten voor elk gemaakt slemcontract", A::Always),
        Item(kOptions, "&Instellingen", "OptionsSettings", &W::onOptionsSettings,
             "Instellingen voor invoer en scherm", A::Always),

        Item(kMembers, "Nieuw", "MembersNew", &W::onMembersNew, "Nieuw ledenbestand", A::Always),
        Item(kMembers, "Openen", "MembersOpen", &W::onMembersOpen, "Open Leden bestand", A::Always),
        Item(kData, "Paren Samenstellen", "ComposePairs", &W::onComposePairs,
             "Paarnamen uit de leden samenstellen", A::WithFile),
        Item(kData, "Kaartix  Scores", "ImportScores", &W::onImportScores,
             "Scores van een Kaartix-zitting overnemen in de open zitting", A::WithSession,
             &W::tablesStopped),
        Item(kData, "Kaartixleden", "ImportMembers", &W::onImportMembers, "Leden overnemen uit Kaartix",
             A::Always),

        Item(kHelp, "Gebruik Help", "HelpUse", &W::onHelpUse, "Werken met de help", A::Always),
        Item(kHelp, "Inhoud Help", "HelpContents", &W::onHelpContents, "Inhoud van de help", A::Always),
        Item(kHelp, "Zoeken in Help", "HelpSearch", &W::onHelpSearch, "Zoeken in de help", A::Always),
        Item(kHelp, "&Gebruik VELK", "HelpVelk", &W::onHelpVelk, "Gebruik van Velk", A::Always),
        Item(kHelp, "Calculator", "Calculator", &W::onCalculator, "Rekenmachine", A::Always),
        Item(kHelp, "&Info", "About", &W::onAbout, "Over Velk", A::Always),

        Button(QStyle::SP_FileIcon, "Nieuw bestand", "NewSpdBtn", &W::onNewAsk, A::WithoutFile),
        Mirror(QStyle::SP_DialogOpenButton, "Openen", "OpenSpdBtn", "Open"),
        Mirror(QStyle::SP_DialogSaveButton, "Bewaren", "SaveSpdBtn", "Save"),
        Mirror(QStyle::SP_DriveFDIcon, "Bewaren als", "SaveAsSpdBtn", "SaveAs"),
        Mirror(QStyle::SP_FileDialogDetailedView, "Afdrukken Clublijst", "PrintSpdBtn", "PrintClubList"),
        Mirror(QStyle::SP_FileDialogContentsView, "Zoeken", "SearchSpdBtn", "Search"),
        Mirror(QStyle::SP_ArrowDown, "Sorteren", "SortSpdBtn", "SortPairs"),
        Button(QStyle::SP_DialogCloseButton, "Sluiten met bewaren", "SluitSpdBtn", &W::onClose, A::WithFile),
        Button(QStyle::SP_TitleBarShadeButton, "Sluiten van Parenvenster", "SchrapSpdBtn",
               &W::onTogglePairWindow, A::WithFile),
        ButtonSeparator(),
        Mirror(QStyle::SP_FileDialogNewFolder, "Nieuwe zitting", "NewSessionSpdBtn", "NewSession"),
        Mirror(QStyle::SP_DirOpenIcon, "Zitting openen", "OpenSessionSpdBtn", "OpenPoints"),
        Mirror(QStyle::SP_FileDialogListView, "Kies zitting", "ChooseSessionSpdBtn", "ChooseSession"),
        Mirror(QStyle::SP_BrowserReload, "Corrigeren", "CorrectSpdBtn", "Correct"),
        Mirror(QStyle::SP_TrashIcon, "Verwijder laatste zitting", "DeleteSessionSpdBtn", "DeleteSession"),
    };
    return table;
}

const MenuEntry& MenuEntryNamed(const char* name) {
    for (const MenuEntry& entry : TClubWindow::menuTable())
        if (entry.name && std::strcmp(entry.name, name) == 0)
            return entry;
    qFatal("TClubWindow: no menu item or button named \"%s\"", name);
}

const MenuEntry& RuleOf(const MenuEntry& entry) {
    if (!entry.mirrors)
        return entry;
    const MenuEntry& item = MenuEntryNamed(entry.mirrors);
    if (item.kind != Kind::Item)
        qFatal("TClubWindow: button \"%s\" repeats \"%s\", which is not a menu item", entry.name,
               entry.mirrors);
    return item;
}

bool IsBuilt(const MenuEntry& entry) {
    const MenuEntry& rule = RuleOf(entry);
    if (rule.availability == A::NotYetBuilt)
        return false;
    return rule.report == 0 || velk::HasReportWriter(static_cast<velk::ReportKind>(rule.report));
}

QString StatusTipOf(const MenuEntry& entry, const QString& hint) {
    if (IsBuilt(entry))
        return hint;
    const QString note = QString::fromUtf8(kNotYetBuilt);
    return hint.isEmpty() ? note : hint + QStringLiteral(" (") + note.toLower() + QLatin1Char(')');
}

QAction* TClubWindow::action(const QString& objectName) const {
    QAction* found = actions_.value(objectName);
    if (!found)
        qFatal("TClubWindow: no menu item or button named \"%s\"", qPrintable(objectName));
    return found;
}

void TClubWindow::addEntry(QAction* action, const MenuEntry& entry) {
    const MenuEntry& rule = RuleOf(entry);
    if ((rule.handler == nullptr) != (rule.availability == A::NotYetBuilt))
        qFatal("TClubWindow: \"%s\" needs a handler exactly when it is built", entry.name);
    if (actions_.contains(QString::fromLatin1(entry.name)))
        qFatal("TClubWindow: \"%s\" is in the menu table twice", entry.name);
    action->setObjectName(QString::fromLatin1(entry.name));
    const QString tip = StatusTipOf(entry, Text(entry.hint));
    if (!tip.isEmpty())
        action->setStatusTip(tip);
    action->setCheckable(entry.checkable);
    if (rule.handler) {
        connect(action, &QAction::triggered, this, rule.handler);
        // Whatever the item changed shows at once in the competition line and the status bar.
        connect(action, &QAction::triggered, this, &TClubWindow::applyState);
    }
    action->setEnabled(IsBuilt(entry));
    actions_.insert(action->objectName(), action);
}

void TClubWindow::buildMenus() {
    // Menus and submenus appear where the table first names them.
    std::map<std::string, QMenu*> menus;
    auto menuOf = [&](const MenuEntry& entry) {
        QMenu*& top = menus[entry.menu];
        if (!top)
            top = menuBar()->addMenu(Text(entry.menu));
        if (!entry.submenu)
            return top;
        QMenu*& sub = menus[std::string(entry.menu) + '\n' + entry.submenu];
        if (!sub)
            sub = top->addMenu(Text(entry.submenu));
        return sub;
    };
    for (const MenuEntry& entry : menuTable()) {
        if (entry.kind == Kind::Separator) {
            menuOf(entry)->addSeparator();
        } else if (entry.kind == Kind::Item) {
            QMenu* menu = menuOf(entry);
            // A greyed item says on the status bar why it is greyed.
            menu->installEventFilter(this);
            addEntry(menu->addAction(Text(entry.caption)), entry);
        }
    }
    viewMenu_ = menus.at(kView.menu);
    totalsMenu_ = menus.at(std::string(kTotals.menu) + '\n' + kTotals.submenu);
}

void TClubWindow::buildToolBar() {
    QToolBar* tools = addToolBar(QStringLiteral("Knoppen"));
    tools->setObjectName(QStringLiteral("ToolBar"));
    tools->setMovable(false);
    for (const MenuEntry& entry : menuTable()) {
        if (entry.kind == Kind::ButtonSeparator)
            tools->addSeparator();
        else if (entry.kind == Kind::Button)
            addEntry(tools->addAction(style()->standardIcon(entry.icon), Text(entry.caption)), entry);
    }
}

bool TClubWindow::isAvailable(const MenuEntry& entry) const {
    const MenuEntry& rule = RuleOf(entry);
    const bool open = state_ != FileState::NoFile;
    bool available = false;
    switch (rule.availability) {
    case A::Always:
        available = true;
        break;
    case A::WithFile:
        available = open;
        break;
    case A::WithoutFile:
        available = !open;
        break;
    case A::WithSession:
        available = open && club_.CurrentSession >= 1;
        break;
    case A::NotYetBuilt:
        available = false;
        break;
    }
    return available && IsBuilt(entry) && (!rule.condition || (this->*rule.condition)());
}

bool TClubWindow::canAddSession() const {
    return club_.IsCompetition && club_.SessionCount() < club_.CompetitionHead.SessionsPerCompetition &&
           state_ != FileState::Wizard;
}

bool TClubWindow::competitionComplete() const {
    return club_.IsCompetition && state_ == FileState::Open &&
           club_.SessionCount() >= club_.CompetitionHead.SessionsPerCompetition;
}

QString TClubWindow::whyNotAvailable(const MenuEntry& entry) const {
    const MenuEntry& rule = RuleOf(entry);
    if (!rule.condition || (this->*rule.condition)())
        return {};
    if (rule.condition == &W::resultWindowClosed)
        return Text(kResultWindowOpen);
    if (rule.condition == &W::scoreEntryClosed)
        return Text(kScoreWindowOpen);
    if (rule.condition == &W::tablesStopped)
        return Text(kTablesRunning);
    return {};
}

void TClubWindow::applyMenuState() {
    for (const MenuEntry& entry : menuTable()) {
        if (!entry.name)
            continue;
        QAction* item = action(QString::fromLatin1(entry.name));
        const bool available = isAvailable(entry);
        item->setEnabled(available);
        const QString why = available ? QString() : whyNotAvailable(entry);
        item->setStatusTip(why.isEmpty() ? StatusTipOf(entry, Text(entry.hint)) : why);
    }
    // The captions that follow the state.
    action("ChooseSession")
        ->setText(state_ == FileState::Wizard ? QStringLiteral("&Select data") : QStringLiteral("&Kiezen"));
    if (state_ == FileState::NoFile)
        return;
    // The totals follow the calculation method; the submenu says whether its lists are there.
    QAction* totals = totalsMenu_->menuAction();
    const bool built = IsBuilt(MenuEntryNamed("Sortopclubnum"));
    const QString note =
        built ? QString() : QStringLiteral(" (") + Text(kNotYetBuilt).toLower() + QLatin1Char(')');
    if (club_.CompetitionHead.CalcMethod == velk::CalcTopIntegral) {
        totals->setText(QStringLiteral("&Totaal Topintegraal"));
        totals->setStatusTip(QStringLiteral("Uitslag TopIntegraal op rangorde") + note);
    } else {
        totals->setText(QStringLiteral("&Totalen van Competities"));
        totals->setStatusTip(QStringLiteral("Overzicht van jaartotaal") + note);
    }
}
