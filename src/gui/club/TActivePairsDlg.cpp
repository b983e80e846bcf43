#include "gui/club/TActivePairsDlg.h"

#include "club/CompetitionData.h"
#include "gui/club/FormKeys.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

TActivePairsDlg::TActivePairsDlg(velk::Club& club, velk::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), model_(club, dialogs) {
    setObjectName(QStringLiteral("ActivePairsDlg"));
    setModal(true);
    setWindowTitle(QStringLiteral("Actieve Paren en Tafels"));

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    letter_ = new QLabel(this);
    letter_->setObjectName(QStringLiteral("GroepLabel"));
    pairs_ = new QSpinBox(this);
    pairs_->setObjectName(QStringLiteral("GroepParen"));
    pairs_->setToolTip(QStringLiteral("Kies aantal paren in groep"));
    pairs_->setRange(0, std::max(club.PairsPerGroup, 0));
    tables_ = new QSpinBox(this);
    tables_->setObjectName(QStringLiteral("GroepTafels"));
    tables_->setToolTip(QStringLiteral("Zet aantal tafels in groep"));
    tables_->setRange(0, velk::kMaxTablesPerGroup);
    auto* pairsLabel = new QLabel(ToQt(model_.pairsLabel()), this);
    pairsLabel->setBuddy(pairs_);
    auto* tablesLabel = new QLabel(QStringLiteral("Aantal Tafels"), this);
    tablesLabel->setBuddy(tables_);
    grid->addWidget(letter_, 1, 0);
    grid->addWidget(pairsLabel, 0, 1);
    grid->addWidget(pairs_, 1, 1);
    grid->addWidget(tablesLabel, 0, 2);
    grid->addWidget(tables_, 1, 2);
    layout->addLayout(grid);

    auto* buttons = new QHBoxLayout;
    auto* plus = new QPushButton(QStringLiteral("Groep + "), this);
    plus->setObjectName(QStringLiteral("GroepPlusBtn"));
    auto* minus = new QPushButton(QStringLiteral("Groep - "), this);
    minus->setObjectName(QStringLiteral("GroepMinBtn"));
    auto* ok = new QPushButton(QStringLiteral("O&k"), this);
    ok->setObjectName(QStringLiteral("OkBtn"));
    plus->setVisible(model_.groupButtonsVisible());
    minus->setVisible(model_.groupButtonsVisible());
    buttons->addWidget(plus);
    buttons->addWidget(minus);
    buttons->addWidget(ok);
    layout->addLayout(buttons);

    connect(plus, &QPushButton::clicked, this, &TActivePairsDlg::GroepPlusBtnClick);
    connect(minus, &QPushButton::clicked, this, &TActivePairsDlg::GroepMinBtnClick);
    connect(ok, &QPushButton::clicked, this, &TActivePairsDlg::OkBtnClick);
    showGroup();
    pairs_->setFocus();
}

void TActivePairsDlg::readGroup() {
    model_.pairs = pairs_->value();
    model_.tables = tables_->value();
}

void TActivePairsDlg::showGroup() {
    letter_->setText(QString(QLatin1Char(model_.letter())));
    pairs_->setValue(model_.pairs);
    tables_->setValue(model_.tables);
}

void TActivePairsDlg::GroepPlusBtnClick() {
    readGroup();
    model_.nextGroup();
    showGroup();
}

void TActivePairsDlg::GroepMinBtnClick() {
    readGroup();
    model_.previousGroup();
    showGroup();
}

void TActivePairsDlg::OkBtnClick() {
    readGroup();
    if (model_.accept())
        accept();
}
