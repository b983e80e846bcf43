// The "&Databeheer" items of the main window: the members register and the pair composition.
#include "core/ProgramFolder.h"
#include "gui/club/PairGrid.h"
#include "gui/club/TClubWindow.h"
#include "gui/members/TLedenForm.h"
#include "gui/members/TSelectParenForm.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Members files start beside the open competition, else in the user's home folder.
QString MembersFolder(const velk::Club& club) {
    const QFileInfo competition(QString::fromStdString(club.ClubFilePath));
    if (!club.ClubFilePath.empty() && competition.dir().exists() && competition.isAbsolute())
        return competition.absolutePath();
    return QDir::homePath();
}

} // namespace

TLedenForm* TClubWindow::membersForm() {
    if (!membersForm_)
        membersForm_ = new TLedenForm(members_, dialogs_, clock_, this);
    members_.takeOptions(club_.ConfigRecord);
    membersForm_->setFolders(MembersFolder(club_), QString::fromStdString(club_.ClubFilePath),
                             QString::fromStdString(club_.CompetitionHead.CompetitionName.get()));
    return membersForm_;
}

void TClubWindow::showMembersRegister(bool fresh) {
    TLedenForm* form = membersForm();
    if (fresh)
        form->NieuwSpdBtnClick();
    else if (!form->OpenSpdBtnClick())
        return;
    form->ShowRegister();
}

bool TClubWindow::composePairs() {
    if (!members_.isOpen() && !membersForm()->OpenSpdBtnClick())
        return false;
    copyGridToRecords();
    TSelectParenForm form(club_, members_, dialogs_, this);
    trackWindow(&form, QStringLiteral("Paarselectievenster"), PairSelectionWindow,
                QStringLiteral("Paarnamen uit de leden samenstellen"));
    const bool copied = form.ComposePairs();
    if (copied)
        refreshPairWindow();
    return copied;
}
