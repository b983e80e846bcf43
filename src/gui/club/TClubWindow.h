#pragma once

#include "club/Club.h"
#include "club/ClubFile.h"
#include "club/CompanionLists.h"
#include "club/NewFileWizard.h"
#include "club/PairEdit.h"
#include "club/PairSorting.h"
#include "core/Clock.h"
#include "core/Dialogs.h"
#include "gui/club/TClubWindowMenus.h"
#include "members/MembersRegister.h"
#include "reports/DocumentOpener.h"
#include "selection/GroupSelection.h"

#include <QLabel>
#include <QMainWindow>
#include <QMap>
#include <memory>
#include <optional>
#include <span>

class PairGrid;
class TSchemaForm;
class TSchemaFormE;
class TResultForm;
class TScoreForm;
class TTafelsForm;
class TableService;
class TLedenForm;
class QAction;
class QButtonGroup;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;
class QToolBar;
class QWidget;

// The main window: the open competition, its pair list and the menus from which everything else
// starts. It holds the Club; the rules live in ClubFile and the models below it.
class TClubWindow : public QMainWindow {
    Q_OBJECT
public:
    enum class FileState { NoFile, Wizard, Open };

    TClubWindow(velk::Dialogs& dialogs, const velk::Clock& clock, QWidget* parent = nullptr);
    ~TClubWindow() override;

    velk::Club& club() { return club_; }
    velk::ClubFile& clubFile() { return file_; }
    PairGrid* grid() const { return grid_; }
    // The menu item or button of that object name; a name not in menuTable() stops the program.
    QAction* action(const QString& objectName) const;
    // Every row of the menus and the tool bar, in order.
    static std::span<const MenuEntry> menuTable();
    FileState fileState() const { return state_; }
    int currentGroup() const { return currentGroup_; }

    // The windows the wizard passes through; the real forms unless a test puts its own.
    void setWizardHost(std::unique_ptr<velk::WizardHost> host);

    // The file actions, public so that start-up and tests can drive them directly.
    bool openFile(const QString& path);
    void newFile(bool competition);
    bool saveFile();
    bool saveFileAs();
    bool closeWithSave();
    void showPairWindow();
    void hidePairWindow();
    void refreshPairWindow();
    // "Schema &Lezen": true when the wizard should read on for the next groups.
    bool readSchedule();
    // The members register: a new one (with its first member's dialog) or one chosen by the user.
    void showMembersRegister(bool fresh);
    velk::MembersRegister& members() { return members_; }
    // "Paren Samenstellen": the members register is loaded first when it is not; true when names
    // were copied into the pair list.
    bool composePairs();
    // The options window on `page` (0-3); the competition is saved when it closed with OK after a
    // change.
    void showOptions(int page);

    // The result window with report `kind` (the tag of the menu item that asks for it).
    void openReport(int kind) { showReport(kind, std::nullopt); }
    // The result window, once a report was asked for.
    TResultForm* resultForm() const { return resultForm_; }
    // The folder of the result window's work file; the program's data folder unless set.
    void setReportFolder(const std::string& folder) { reportFolder_ = folder; }
    // The program the result window hands a per-pair page to; a test's stand-in instead of Writer.
    void setDocumentOpener(velk::DocumentOpener* opener) { documentOpener_ = opener; }
    // While a list is shown the other lists wait until its window closes.
    bool resultWindowClosed() const;

    // The tags of the child windows the session dialogs conflict with, in the order checked.
    enum WindowTag {
        PointsWindow = 2,
        CorrectionWindow = 3,
        ScheduleWindow = 4,
        ScoreWindow = 5,
        ResultsWindow = 6,
        OptionsWindow = 7,
        PairSelectionWindow = 8,
        IndividualScoreWindow = 9,
        TablesWindow = 10
    };
    // A non-modal child window: while it is visible it has an item `name` in "Beel&d", and the
    // operations it conflicts with name it.
    void trackWindow(QWidget* window, const QString& name, int tag, const QString& hint);
    // The grid taken into the records; then whether the competition differs from its files.
    bool hasUnsavedChanges();
    // The table server of the open session, once "Tafels (telefoon)…" was chosen.
    TableService* tableService() const { return tableService_; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildCentralArea();
    void buildStatusBar();
    // Names, connects and registers the action made for a row of the table.
    void addEntry(QAction* action, const MenuEntry& entry);
    void applyState();
    // The enabled state and the state-dependent captions of every item.
    void applyMenuState();
    bool isAvailable(const MenuEntry& entry) const;
    // Why an item is greyed while a window is open; empty otherwise.
    QString whyNotAvailable(const MenuEntry& entry) const;
    // "Nieuwe Comp.Zitting": a competition with sessions to go, not while the wizard runs.
    bool canAddSession() const;
    // "&Volgende Competitie": every session of the competition is there.
    bool competitionComplete() const;
    void updateStatus();
    void updateCompetitionLine();
    void addWindowItem(QWidget* window);
    void removeWindowItem(QWidget* window);
    void makeScheduleForms();
    void tick();

    // Menu handlers.
    void onNewCompetition() { newFile(true); }
    void onNewDrive() { newFile(false); }
    void onNewAsk();
    void onOpen();
    void onSave() { saveFile(); }
    void onSaveAs() { saveFileAs(); }
    void onClubData();
    void onNextCompetition();
    void onImport();
    void onExport();
    void onPrintClubList();
    void onQuit() { close(); }
    void onInsertPair();
    void onDeletePair();
    void onSortPairs();
    void onSortCurrentGroup();
    void sortPairs(int group, const velk::SortChoice& choice);
    void onSearch();
    // Enter or Escape in the search panel: hidden, the focus back on the grid.
    void closeSearch();
    void onMoveHelp();
    void onNewSession();
    void onChooseSession();
    void onDeleteSession();
    void onTwoLines();
    void onReadSchedule() { readSchedule(); }
    void onEditSchedule();
    void onRenumberSchedule();
    void onComposeScheduleHelp();
    void onCopyMatchPoints();
    void onCopyGroupScores();
    // Zitting "Openen", "&Corrigeren", "Verificatie Slem's" and the calculator.
    void onOpenPoints();
    void onCorrect();
    void onSlamCheck();
    void onCalculator();
    void onPublishSite();
    // The competition file written from a results window; false when it was not.
    bool saveResults();
    // "Tafels (telefoon)…": the table server's window, made on first use.
    void onTables();
    void onTableCards(int port);
    // The table server is not running: the items that replace the session's schedule or scores
    // wait for it.
    bool tablesStopped() const;
    // Stops the table server, saving what the phones entered; true when it was not running.
    bool stopTables();
    // "Achter: A3 (ronde 2)" in the status bar while the server runs.
    void updateTablesStatus();
    // Entries of the phones a crash kept from the score file go back into it.
    void restoreTableJournal();
    void onScoreEntryPerBoard();
    void onScoreEntryPerRound();
    void openScoreEntry(int mode);
    // The score entry window is not open: its menu items wait until it closes.
    bool scoreEntryClosed() const { return scoreForm_ == nullptr; }
    std::vector<velk::TScoreObj>* sessionScores();
    template <int Kind> void onReport() { openReport(Kind); }
    // `groups`: what a kind that asks no question lists (the score entry window's group).
    void showReport(int kind, const std::optional<velk::GroupSelection>& groups);
    void onToggleCompetitionLine();
    void onToggleMaximised();
    void onScreenFont();
    void onAbout();
    // The "&Help" menu: how to use the help, its contents, its search, the main window's page.
    void onHelpUse();
    void onHelpContents();
    void onHelpSearch() { dialogs_.showHelpSearch(); }
    void onHelpVelk();
    void onOptionsPersonal() { showOptions(0); }
    void onOptionsPrint() { showOptions(1); }
    void onOptionsSlamBonus() { showOptions(2); }
    void onOptionsSettings() { showOptions(3); }
    // The settings of the options that act on the main window: the Enter key of the pair grid and
    // the full screen width.
    void applyOptionSettings();
    void applyMaximalWidth(bool on);
    void onMembersNew() { showMembersRegister(true); }
    void onMembersOpen() { showMembersRegister(false); }
    void onComposePairs() { composePairs(); }
    void onImportMembers();
    void onImportScores();
    TLedenForm* membersForm();
    void onClose() { closeWithSave(); }
    void onTogglePairWindow();
    void onNavigator(int index);
    // "Gegevens bewerken" on pair record `pair`; its row shows the result.
    void onEditPair(int pair);
    // The pair checks of a cell typed in the grid: the text to show, nothing when refused.
    std::optional<std::string> checkTypedField(int pair, velk::PairField field, const std::string& typed);
    void onPage(int delta);
    void onRowMoved(int from, int to);
    void onGridCellClicked(int row, int column);
    void onSearchTextChanged(const QString& text);
    void moveToGroup(int group);
    void copyGridToRecords();
    bool runSessionDialog(int mode);
    std::string openWindowName() const;

    velk::Dialogs& dialogs_;
    const velk::Clock& clock_;
    velk::Club club_;
    velk::CompanionLists companions_;
    velk::ClubFile file_;
    std::unique_ptr<velk::WizardHost> wizardHost_;
    FileState state_ = FileState::NoFile;
    bool pairWindowVisible_ = false;
    bool widenedByOptions_ = false;
    int currentGroup_ = 1;
    // The navigator's edit: the record as it was and its list position, 0 while none is started.
    velk::TParenObj spareRecord_;
    int spareRow_ = 0;

    QMap<QString, QAction*> actions_;
    // The pairs schedule editor, made on first use and kept for the program's lifetime.
    TSchemaForm* scheduleForm_ = nullptr;
    // The individual schedule editor, likewise.
    TSchemaFormE* individualScheduleForm_ = nullptr;
    // The club's members, kept for the pair composition after the register window closes.
    velk::MembersRegister members_;
    TLedenForm* membersForm_ = nullptr;
    // The score entry window while it is open.
    TScoreForm* scoreForm_ = nullptr;
    TableService* tableService_ = nullptr;
    TTafelsForm* tablesForm_ = nullptr;
    QLabel* tablesLabel_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QLabel* clubNrLabel_ = nullptr;
    QMenu* totalsMenu_ = nullptr;
    // The result window, made on first use and kept.
    TResultForm* resultForm_ = nullptr;
    std::string reportFolder_;
    velk::DocumentOpener* documentOpener_ = nullptr;
    struct ChildWindow {
        QString name;
        int tag = 0;
        QString hint;
        QAction* item = nullptr;
    };
    QMap<QWidget*, ChildWindow> childWindows_;
    PairGrid* grid_ = nullptr;
    QWidget* pairPanel_ = nullptr;
    QLabel* competitionLabel_ = nullptr;
    QLabel* tellerLabel_ = nullptr;
    QLabel* moveLabel_ = nullptr;
    QPushButton* groupPlus_ = nullptr;
    QPushButton* groupMinus_ = nullptr;
    QWidget* searchPanel_ = nullptr;
    QLineEdit* searchEdit_ = nullptr;
    QButtonGroup* searchColumn_ = nullptr;
    QLabel* statusPanels_[5] = {};
    QTimer* clockTimer_ = nullptr;
};
