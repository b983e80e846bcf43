#include "gui/selection/TGroepenDlg.h"

#include "gui/WindowPlacement.h"
#include "gui/selection/SelectionBoxes.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

using velk::CopyField;

TGroepenDlg::TGroepenDlg(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), model_(club, dialogs) {
    setObjectName(QStringLiteral("GroepenDlg"));
    setWindowTitle(QStringLiteral("Kopieer Matchpunten van groep naar groep"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    source_ = MakeSelectBox(this, QStringLiteral("GroepBox1"));
    target_ = MakeSelectBox(this, QStringLiteral("GroepBox2"));
    form->addRow(QStringLiteral("Van groep:"), source_);
    form->addRow(QStringLiteral("Naar groep:"), target_);
    layout->addLayout(form);

    ok_ = AddOkCancelRow(this, layout, QStringLiteral("O&k")).ok;
    ok_->setDefault(true);

    // Only the source box takes a double click as Enter.
    new SelectBoxKeys(
        source_, [this] { enterBox(CopyField::GroepBox1); }, [this] { reject(); });
    new SelectBoxKeys(
        target_, [this] { enterBox(CopyField::GroepBox2); }, [this] { reject(); }, false);
    FitTitle(this);
}

void TGroepenDlg::setUp() {
    model_.setUp();
    ShowSelectBox(source_, model_.source().items, model_.source().text, model_.source().hint);
    ShowSelectBox(target_, model_.target().items, model_.target().text, model_.target().hint);
    showFocus();
}

bool TGroepenDlg::ChooseCopyGroups() {
    setUp();
    return exec() == QDialog::Accepted;
}

void TGroepenDlg::takeTexts() {
    model_.setBoxText(CopyField::GroepBox1, SelectText(source_));
    model_.setBoxText(CopyField::GroepBox2, SelectText(target_));
}

void TGroepenDlg::showFocus() {
    switch (model_.focus()) {
    case CopyField::GroepBox1:
        source_->setFocus();
        break;
    case CopyField::GroepBox2:
        target_->setFocus();
        break;
    case CopyField::OkButton:
        ok_->setFocus();
        break;
    }
}

void TGroepenDlg::enterBox(CopyField field) {
    takeTexts();
    // A wrong group on Enter closes the dialog as cancelled, after the message and a beep.
    if (!model_.enter(field)) {
        reject();
        return;
    }
    showFocus();
}

void TGroepenDlg::accept() {
    takeTexts();
    if (model_.accept())
        QDialog::accept();
    else
        showFocus();
}
