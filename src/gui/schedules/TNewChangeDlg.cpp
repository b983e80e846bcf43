#include "gui/schedules/TNewChangeDlg.h"

#include "gui/WindowPlacement.h"
#include "gui/schedules/TSchemaDlg.h"
#include "gui/schedules/TSchemaForm.h"
#include "gui/schedules/TSchemaFormE.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TNewChangeDlg::TNewChangeDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("NewChangeDlg"));
    setWindowTitle(QStringLiteral("Schema Invoeren / Wijzigen"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    auto* kind = new QGroupBox(QStringLiteral("Schema Keuze"), this);
    auto* kindLayout = new QVBoxLayout(kind);
    pairs_ = new QRadioButton(QStringLiteral("Paren Schema"), kind);
    pairs_->setObjectName(QStringLiteral("ParenSchema"));
    pairs_->setChecked(true);
    players_ = new QRadioButton(QStringLiteral("Spelers Schema"), kind);
    players_->setObjectName(QStringLiteral("SpelersSchema"));
    kindLayout->addWidget(pairs_);
    kindLayout->addWidget(players_);
    layout->addWidget(kind);

    auto* scheme = new QGroupBox(QStringLiteral("Nieuw / Wijzig Schema"), this);
    scheme->setObjectName(QStringLiteral("NewChangeScheme"));
    auto* schemeLayout = new QVBoxLayout(scheme);
    choices_ = new QButtonGroup(this);
    const char* const items[] = {"Invoer per Ronde", "Invoer per Tafel", "Invoer Totaal",
                                 "Wijzig per Ronde", "Wijzig per Tafel", "Wijzig Totaal  "};
    for (int i = 0; i < 6; ++i) {
        auto* item = new QRadioButton(QString::fromLatin1(items[i]), scheme);
        item->setObjectName(QStringLiteral("NewChangeScheme%1").arg(i));
        item->setChecked(i == 0);
        choices_->addButton(item, i);
        schemeLayout->addWidget(item);
    }
    layout->addWidget(scheme);

    auto* buttons = new QDialogButtonBox(this);
    auto* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("OKBtn"));
    auto* cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    FitTitle(this);
}

int TNewChangeDlg::choice() const {
    return std::max(0, choices_->checkedId());
}

bool TNewChangeDlg::individual() const {
    return players_->isChecked();
}

void EditSchedule(QWidget* parent, velk::Club& club, velk::Dialogs& dialogs, TSchemaForm& form,
                  TSchemaFormE& individualForm) {
    TNewChangeDlg choice(parent);
    if (choice.exec() != QDialog::Accepted)
        return;
    const bool individual = choice.individual();
    // An open competition's form follows its scoring mode: its session schedules and scores are
    // read and written by that flag, so the editor chosen here must not change it.
    if (club.ClubFileName == "N_N")
        club.IsIndividual = individual;
    const int i = choice.choice();
    if (i >= 3) {
        if (individual)
            individualForm.ChangeSchedule(i + 1);
        else
            form.ChangeSchedule(i + 1);
        return;
    }
    int type = 0;
    const auto counts = AskScheduleCounts(parent, club, dialogs, i + 1, &type);
    if (!counts)
        return;
    if (individual)
        individualForm.NewSchedule(i + 1, *counts, type);
    else
        form.NewSchedule(i + 1, *counts, type);
}
