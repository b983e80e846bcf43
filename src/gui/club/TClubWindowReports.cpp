// "&Uitvoer" and the other lists: the result window, made once and reused for every report.
#include "gui/club/TClubWindow.h"
#include "gui/reports/TResultForm.h"
#include "gui/scoring/TScoreForm.h"

bool TClubWindow::resultWindowClosed() const {
    return resultForm_ == nullptr || !resultForm_->isVisible();
}

void TClubWindow::showReport(int kind, const std::optional<velk::GroupSelection>& groups) {
    copyGridToRecords();
    if (!resultForm_) {
        resultForm_ = new TResultForm(club_, dialogs_, this);
        if (!reportFolder_.empty())
            resultForm_->setWorkFolder(reportFolder_);
        if (documentOpener_)
            resultForm_->setDocumentOpener(documentOpener_);
        trackWindow(resultForm_, QStringLiteral("Uitvoervenster"), ResultsWindow,
                    QStringLiteral("Toon het uitvoervenster"));
        // "&Andere" asks again, with the selection dialog of the kind.
        connect(resultForm_, &TResultForm::otherRequested, this, &TClubWindow::openReport,
                Qt::QueuedConnection);
        connect(resultForm_, &TResultForm::reportClosed, this, [this](int closed) {
            // The count list was asked from the score entry window, which comes back.
            if (closed == static_cast<int>(velk::ReportKind::GroupCountList) && scoreForm_)
                scoreForm_->show();
            applyMenuState();
        });
    }
    const bool shown = resultForm_->Open(kind, groups);
    if (!shown && kind == static_cast<int>(velk::ReportKind::GroupCountList) && scoreForm_)
        scoreForm_->show();
    applyMenuState();
}
