#include "gui/club/TZitKopieDlg.h"

#include "gui/WindowPlacement.h"
#include "gui/club/FormKeys.h"
#include "gui/selection/SelectionBoxes.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TZitKopieDlg::TZitKopieDlg(const velk::Club& club, velk::Dialogs& dialogs, const QString& caption,
                           QWidget* parent)
    : QDialog(parent), model_(club, dialogs) {
    setObjectName(QStringLiteral("ZitKopieDlg"));
    setModal(true);
    setWindowTitle(caption);

    auto* layout = new QVBoxLayout(this);
    box_ = MakeSelectBox(this, QStringLiteral("SelZitBox1"));
    ShowSelectBox(box_, model_.items, model_.boxText, {});
    new SelectBoxKeys(
        box_, [this] { confirmBox(); }, [this] { reject(); });
    layout->addWidget(box_);

    auto* buttons = new QHBoxLayout;
    ok_ = new QPushButton(QStringLiteral("&Ok"), this);
    ok_->setObjectName(QStringLiteral("OkBtn"));
    auto* cancel = new QPushButton(QStringLiteral("&Schrap"), this);
    cancel->setObjectName(QStringLiteral("SchrapBtn"));
    buttons->addWidget(ok_);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, &TZitKopieDlg::OkBtnClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    box_->setFocus();
    FitTitle(this);
}

bool TZitKopieDlg::validate() {
    model_.boxText = FromQt(box_->currentText());
    return model_.validate();
}

void TZitKopieDlg::OkBtnClick() {
    if (validate())
        accept();
    else
        box_->setFocus();
}

void TZitKopieDlg::confirmBox() {
    if (validate())
        ok_->setFocus();
    else
        box_->setFocus();
}

int ChooseSession(QWidget* parent, const velk::Club& club, velk::Dialogs& dialogs, const QString& caption) {
    TZitKopieDlg dialog(club, dialogs, caption, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.chosenSession() : -1;
}
