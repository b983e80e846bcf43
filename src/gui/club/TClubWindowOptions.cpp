// The "&Opties" items of the main window and the settings that act on the main window itself.
#include "gui/club/PairGrid.h"
#include "gui/club/TClubWindow.h"
#include "gui/options/TOptiesForm.h"

#include <QAction>
#include <QScreen>

namespace {
// The width the main window is made with.
constexpr int kNormalWidth = 780;
} // namespace

void TClubWindow::showOptions(int page) {
    if (state_ == FileState::NoFile) {
        dialogs_.warning("Geen Bridgebestand geladen");
        return;
    }
    TOptiesForm form(club_, dialogs_, this);
    trackWindow(&form, QStringLiteral("Optievenster"), OptionsWindow,
                QStringLiteral("Opties van de competitie"));
    form.onMaximalWidth = [this](bool on) { applyMaximalWidth(on); };
    const bool changed = form.ShowOptions(page);
    // A competition not yet saved under a name is saved when it gets one.
    if (changed && club_.ClubFileName != "N_N" && !club_.ClubFilePath.empty() &&
        club_.ClubFilePath != "*.dba") {
        copyGridToRecords();
        file_.writeTo(club_.ClubFilePath, false);
    }
    applyOptionSettings();
}

void TClubWindow::applyOptionSettings() {
    const std::uint16_t flags = club_.ConfigRecord.OptionFlags;
    grid_->setEnterMovesOn((flags & velk::OptionFlag::EnterMovesOn) != 0);
    applyMaximalWidth((flags & velk::OptionFlag::Maximised) != 0);
}

void TClubWindow::applyMaximalWidth(bool on) {
    if (on == widenedByOptions_ || isMaximized() || isFullScreen())
        return;
    widenedByOptions_ = on;
    QScreen* shown = screen();
    if (!shown)
        return;
    const QRect available = shown->availableGeometry();
    if (on) {
        move(available.left(), y());
        resize(available.width(), height());
    } else {
        resize(std::min(kNormalWidth, available.width()), height());
    }
}
