#include "gui/members/TKXLedenDlg.h"

#include "core/HelpContext.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TKXLedenDlg::TKXLedenDlg(velk::Dialogs& dialogs, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("KXLedenDlg"));
    setWindowTitle(QStringLiteral("Kaartix Leden Invoern"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    auto* group = new QGroupBox(QStringLiteral("Kies Kaartix Leden bestand"), this);
    group->setObjectName(QStringLiteral("KXbestandkeus"));
    auto* column = new QVBoxLayout(group);
    const QString captions[3] = {QStringLiteral("1. Importeer Ledenbestand uit K.X.Ledenbestand"),
                                 QStringLiteral("2. Invoer bestand Members.mdb uit K.X. Data map"),
                                 QStringLiteral("3. Kies Invoer Memebers.mdb uit  C:\\* \\*\\map")};
    for (int i = 0; i < 3; ++i) {
        choices_[i] = new QRadioButton(captions[i], group);
        choices_[i]->setObjectName(QStringLiteral("KXbestandkeus%1").arg(i + 1));
        column->addWidget(choices_[i]);
    }
    choices_[1]->setChecked(true);
    layout->addWidget(group);
    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("KXBtn"));
    auto* stop = new QPushButton(QStringLiteral("&Stop"), this);
    stop->setObjectName(QStringLiteral("KXStopBtn"));
    auto* help = new QPushButton(QStringLiteral("Help"), this);
    help->setObjectName(QStringLiteral("KxHelptBtn"));
    for (QPushButton* b : {ok, stop, help})
        buttons->addWidget(b);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(stop, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this,
            [&dialogs] { dialogs.showHelp(velk::HelpContext::ImportMembers); });
}

int TKXLedenDlg::Choose() {
    if (exec() != QDialog::Accepted)
        return 0;
    for (int i = 0; i < 3; ++i)
        if (choices_[i]->isChecked())
            return i + 1;
    return 0;
}
