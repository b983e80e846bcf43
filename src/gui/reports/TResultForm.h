#pragma once

#include "club/Club.h"
#include "core/Dialogs.h"
#include "gui/reports/QtDocumentOpener.h"
#include "hands/dds/DdsSolver.h"
#include "reports/ReportRun.h"

#include <QDialog>
#include <memory>
#include <optional>

class QLabel;
class QPlainTextEdit;
class QPrinter;
class QPushButton;
class TParenDlg;
class TSelectieDlg;

// "Resultaten": every list of the program on screen, on paper and in a file. The checks, the
// selection and the writing are ReportRun's; the window shows the document and sends it on.
class TResultForm : public QDialog, private velk::ReportSelections {
    Q_OBJECT

public:
    TResultForm(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent = nullptr);
    ~TResultForm() override;

    // Runs report `kind`; true when the window shows it. `groups`: what a kind that asks no
    // question lists, and the groups Page Up and Page Down stay within.
    bool Open(int kind, const std::optional<velk::GroupSelection>& groups = std::nullopt);

    int kind() const { return static_cast<int>(run_.kind()); }
    const velk::ReportRun& run() const { return run_; }
    QPlainTextEdit* memo() const { return memo_; }
    // The group Page Up and Page Down step through.
    int groupCounter() const { return groupCounter_; }
    // Where the work file goes; the program's data folder unless a test sets one.
    void setWorkFolder(const std::string& folder) { run_.setWorkFolder(folder); }
    // The program a per-pair page is handed to: Writer or the desktop's unless a test sets one.
    void setDocumentOpener(velk::DocumentOpener* opener) {
        run_.setDocumentOpener(opener ? opener : &opener_);
    }

    // The buttons' work, public for the tests.
    void PrintBtnClick();
    void PreviewBtnClick();
    void SaveBitBtnClick();
    void OtherBitBtnClick();

signals:
    // "&Andere": the main window opens the window again with this kind.
    void otherRequested(int kind);
    // The window was closed; `kind` was its report.
    void reportClosed(int kind);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void done(int result) override;

private:
    bool chooseGroups(velk::ReportKind kind, velk::GroupSelection& selection) override;
    bool chooseRange(velk::ReportKind kind, velk::RangeSelection& selection) override;
    void showDocument();
    bool landscape() const;
    std::unique_ptr<QPrinter> makePrinter() const;

    velk::Club& club_;
    velk::Dialogs& dialogs_;
    velk::QtDocumentOpener opener_;
    velk::DdsSolver solver_;
    velk::ReportRun run_;
    TSelectieDlg* groupsDialog_ = nullptr;
    TParenDlg* rangeDialog_ = nullptr;
    QLabel* banner_ = nullptr;
    QPlainTextEdit* memo_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    int groupCounter_ = 1;
    std::optional<velk::GroupSelection> presetGroups_;
};
