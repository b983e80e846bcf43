#include "gui/club/TSortLidDlg.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
QGroupBox* MakeRadioGroup(QWidget* parent, const QString& name, const QString& title,
                          const QStringList& captions, QRadioButton** buttons) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    auto* layout = new QVBoxLayout(group);
    for (int i = 0; i < captions.size(); ++i) {
        buttons[i] = new QRadioButton(captions[i], group);
        buttons[i]->setObjectName(name + QString::number(i));
        layout->addWidget(buttons[i]);
    }
    return group;
}
} // namespace

TSortLidDlg::TSortLidDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("SortLidDlg"));
    setWindowTitle(QStringLiteral("Sorteren van Paren"));
    setModal(true);

    auto* layout = new QVBoxLayout(this);
    auto* groups = new QHBoxLayout;
    groups->addWidget(MakeRadioGroup(this, QStringLiteral("SortKey"), QStringLiteral("Sorteren Op :"),
                                     {QStringLiteral("Club Nr."), QStringLiteral("Groep Nr."),
                                      QStringLiteral("Naam"), QStringLiteral("Plaats")},
                                     keyButtons_));
    groups->addWidget(MakeRadioGroup(this, QStringLiteral("SortScope"), QStringLiteral("Sorteren per : "),
                                     {QStringLiteral("Groep"), QStringLiteral("Club")}, scopeButtons_));
    layout->addLayout(groups);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("&Ok"), this);
    ok->setObjectName(QStringLiteral("OkBtn"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Schrap"), this);
    cancel->setObjectName(QStringLiteral("SchrapBtn"));
    cancel->setAutoDefault(false);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    reset();
}

void TSortLidDlg::reset() {
    keyButtons_[static_cast<int>(velk::SortKey::GrpNr)]->setChecked(true);
    scopeButtons_[static_cast<int>(velk::SortScope::Groep)]->setChecked(true);
}

bool TSortLidDlg::SortDialog() {
    reset();
    return exec() == QDialog::Accepted;
}

velk::SortChoice TSortLidDlg::choice() const {
    velk::SortChoice c;
    for (int i = 0; i < 4; ++i)
        if (keyButtons_[i]->isChecked())
            c.key = static_cast<velk::SortKey>(i);
    c.scope = scopeButtons_[1]->isChecked() ? velk::SortScope::Club : velk::SortScope::Groep;
    return c;
}
