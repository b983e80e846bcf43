#include "gui/club/TNewDlg.h"

#include "gui/WindowPlacement.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TNewDlg::TNewDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("NewDlg"));
    setModal(true);
    setWindowTitle(QStringLiteral("Keuze Competitie of Drive"));

    auto* layout = new QVBoxLayout(this);
    auto* box = new QGroupBox(QStringLiteral("Keuze"), this);
    box->setObjectName(QStringLiteral("Keuze"));
    auto* column = new QVBoxLayout(box);
    choice_ = new QButtonGroup(box);
    const QString captions[] = {QStringLiteral("Nieuwe Competitie"), QStringLiteral("Nieuwe Drive/Zitting")};
    const QString names[] = {QStringLiteral("CompetitieRadio"), QStringLiteral("DriveRadio")};
    for (int i = 0; i < 2; ++i) {
        auto* radio = new QRadioButton(captions[i], box);
        radio->setObjectName(names[i]);
        choice_->addButton(radio, i);
        column->addWidget(radio);
    }
    choice_->button(NewCompetition)->setChecked(true);
    layout->addWidget(box);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    FitTitle(this);
}

int TNewDlg::chosen() const {
    return choice_->checkedId() == NewDrive ? NewDrive : NewCompetition;
}

int TNewDlg::choose() {
    return exec() == QDialog::Accepted ? chosen() : NewCompetition;
}
