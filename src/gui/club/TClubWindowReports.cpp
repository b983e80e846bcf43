// "&Uitvoer" and the other lists: the result window, made once and reused for every report.
#include "gui/club/TClubWindow.h"
#include "gui/reports/TResultForm.h"
#include "gui/scoring/TScoreForm.h"
#include "hands/dds/DdsSolver.h"
#include "reports/ResultsSite.h"

#include <filesystem>

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

// "Publiceren als website…": the folder of the index chosen in the save dialog receives the site,
// which then opens in the desktop's browser.
void TClubWindow::onPublishSite() {
    copyGridToRecords();
    const std::filesystem::path proposed =
        std::filesystem::path(club_.ClubFilePath).parent_path() / "website" / velk::kSiteIndex;
    const auto chosen =
        dialogs_.saveFileName({"Velk website", "Website (index.html)|index.html", "html", proposed.string()});
    if (!chosen)
        return;
    const std::string folder = std::filesystem::path(*chosen).parent_path().string();
    velk::DdsSolver solver;
    if (!velk::PublishResultsSite(club_, dialogs_, folder, &solver))
        return;
    const std::string index = (std::filesystem::path(folder) / velk::kSiteIndex).string();
    if (!documentOpener_ || !documentOpener_->openWithDesktop(index))
        dialogs_.information("Website geschreven in " + folder);
}
