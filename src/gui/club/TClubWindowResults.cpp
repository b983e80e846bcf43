// Zitting "Openen" and "&Corrigeren", "Verificatie Slem's" and the calculator of the Help menu.
#include "gui/club/PairGrid.h"
#include "gui/club/TClubWindow.h"
#include "gui/scoring/TCorrectForm.h"
#include "gui/scoring/TFormCalculator.h"
#include "gui/scoring/TInvoerForm.h"
#include "gui/scoring/TSlemDlg.h"
#include "scoring/SlamCheck.h"

bool TClubWindow::saveResults() {
    return file_.save(false, false);
}

void TClubWindow::onOpenPoints() {
    // The pair list as typed goes in first: the window shows the names and writes the ranks.
    copyGridToRecords();
    TInvoerForm form(club_, dialogs_, this);
    trackWindow(&form, QStringLiteral("Puntenvenster"), PointsWindow, QStringLiteral("Punten en invallers"));
    form.OpenPointsForm([this] { return saveResults(); });
    grid_->showPairs(club_);
    applyState();
}

void TClubWindow::onCorrect() {
    copyGridToRecords();
    TCorrectForm form(club_, dialogs_, this);
    trackWindow(&form, QStringLiteral("Correctievenster"), CorrectionWindow,
                QStringLiteral("Procenten corrigeren"));
    form.OpenCorrection([this] { return saveResults(); });
    grid_->showPairs(club_);
    applyState();
}

void TClubWindow::onSlamCheck() {
    TSlemDlg dialog(this);
    dialog.onSlamBonus = [this] { showOptions(2); };
    const auto ask = [&dialog](const velk::SlamCandidate& candidate) { return dialog.ask(candidate); };
    velk::CheckSlams(club_, dialogs_, ask, [this] {
        if (!companions_.saveSlams(club_))
            return false;
        file_.markCompanionsSaved(velk::ClubFile::AllCompanions & ~velk::ClubFile::SlamList);
        return true;
    });
}

void TClubWindow::onCalculator() {
    TFormCalculator calculator(dialogs_, this);
    calculator.exec();
}
